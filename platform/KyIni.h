// INI files, read the way the device profiles of the host suite are read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

// Size of the buffer a value is read into: at most kIniBufferSize - 1
// characters of a value are returned.
inline constexpr std::size_t kIniBufferSize = 4096;

// Looks a value up in an INI file with the rules of the classic profile API:
// - "[section]" starts a section (blanks inside the brackets do not count);
//   lines "key=value" belong to the section above them; lines starting with
//   ";" and lines without "=" are skipped;
// - section and key names compare without regard to ASCII case; the first
//   section with the name is the one searched, and in it the first key;
// - blanks around the key and the value are not part of them, and a value
//   enclosed in a matching pair of single or double quotes loses the quotes;
// - at most bufferSize - 1 characters of the value are returned.
// Returns def (without its trailing blanks) when the file, the section or the
// key is missing, or the key has no "=". Bytes are returned unchanged.
std::string PrivateProfileString(std::string_view section, std::string_view key, std::string_view def,
                                 const std::string& fileName, std::size_t bufferSize = kIniBufferSize);

// The profile reader: holds one file name.
class KyIni {
 public:
  explicit KyIni(std::string fileName) : fileName_(std::move(fileName)) {}

  const std::string& fileName() const { return fileName_; }

  // The key's value (PrivateProfileString into a buffer of kIniBufferSize)
  // without leading and trailing blanks and control characters; def when the
  // lookup yields no characters.
  std::string ReadString(std::string_view section, std::string_view key, const std::string& def) const;

 private:
  std::string fileName_;
};

// Removes leading and trailing characters with codes 0 to 32.
std::string TrimControl(std::string_view text);

// Whether path names an existing file (not a folder).
bool FileExists(const std::string& path);
