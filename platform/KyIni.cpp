#include "platform/KyIni.h"

#include <sys/stat.h>

#include <fstream>
#include <sstream>

namespace {

// A profile larger than this is not read.
constexpr std::streamoff kMaxIniBytes = 16 * 1024 * 1024;

// White space of the profile API: the C locale's spaces and the old
// end-of-file mark Ctrl-Z.
bool IsProfileSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || c == '\x1a';
}

std::string_view TrimProfileSpace(std::string_view s) {
  while (!s.empty() && IsProfileSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsProfileSpace(s.back())) s.remove_suffix(1);
  return s;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

std::string DefaultResult(std::string_view def, std::size_t bufferSize) {
  while (!def.empty() && def.back() == ' ') def.remove_suffix(1);
  if (bufferSize == 0) return {};
  if (def.size() > bufferSize - 1) def = def.substr(0, bufferSize - 1);
  return std::string(def);
}

bool ReadWholeFile(const std::string& fileName, std::string& content) {
  // Regular files only: opening a FIFO or a device could block start-up for good.
  struct stat st;
  if (fileName.empty() || ::stat(fileName.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  std::ifstream in(fileName, std::ios::binary);
  if (!in) return false;
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0 || size > kMaxIniBytes) return false;
  in.seekg(0, std::ios::beg);
  std::ostringstream buf;
  buf << in.rdbuf();
  if (in.bad()) return false;
  content = buf.str();
  return true;
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat st;
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::string TrimControl(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  return std::string(text);
}

std::string PrivateProfileString(std::string_view section, std::string_view key, std::string_view def,
                                 const std::string& fileName, std::size_t bufferSize) {
  std::string content;
  if (!ReadWholeFile(fileName, content)) return DefaultResult(def, bufferSize);

  const std::string_view wantedSection = TrimProfileSpace(section);
  const std::string_view wantedKey = TrimProfileSpace(key);
  enum { Before, Inside, After } state = Before;
  std::string_view rest(content);
  while (!rest.empty() && state != After) {
    std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    line = TrimProfileSpace(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close == std::string_view::npos) continue;  // not a section header
      const bool match = SameName(TrimProfileSpace(line.substr(1, close - 1)), wantedSection);
      if (state == Inside)
        state = After;  // only the first section of that name is searched
      else if (match)
        state = Inside;
      continue;
    }
    if (state != Inside) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    if (!SameName(TrimProfileSpace(line.substr(0, eq)), wantedKey)) continue;
    std::string_view value = TrimProfileSpace(line.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    if (bufferSize == 0) return {};
    if (value.size() > bufferSize - 1) value = value.substr(0, bufferSize - 1);
    return std::string(value);
  }
  return DefaultResult(def, bufferSize);
}

std::string KyIni::ReadString(std::string_view section, std::string_view key, const std::string& def) const {
  const std::string raw = PrivateProfileString(section, key, "", fileName_, kIniBufferSize);
  if (raw.empty()) return def;
  return TrimControl(raw);
}
