#include "snmp/BootCounter.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <string_view>
#include <vector>

#include "snmp/Messages.h"

namespace {

bool IsNibbleChar(char c) { return c >= 0x40 && c <= 0x4F; }

std::string_view WithoutCr(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

// How a line relates to the encoded engine ID.
enum class LineKind { Other, Ours, Malformed };

LineKind Classify(std::string_view line, const std::string& encoded) {
  line = WithoutCr(line);
  if (line.empty() || line.front() == '#') return LineKind::Other;
  if (line.substr(0, encoded.size()) != encoded) return LineKind::Other;
  if (line.size() == encoded.size()) return LineKind::Malformed;
  char next = line[encoded.size()];
  if (next == ' ') return LineKind::Ours;
  if (IsNibbleChar(next)) return LineKind::Other;  // a longer engine ID that starts like ours
  return LineKind::Malformed;
}

// The count after the space: decimal digits between optional blanks. False
// for anything else (the line is damaged and the file is left alone).
bool ParseBoots(std::string_view text, uint32_t& boots) {
  size_t p = 0;
  while (p < text.size() && (text[p] == ' ' || text[p] == '\t')) ++p;
  uint64_t v = 0;
  size_t digits = 0;
  for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p, ++digits)
    if (v <= kMaxEngineBoots) v = v * 10 + static_cast<uint64_t>(text[p] - '0');
  while (p < text.size() && (text[p] == ' ' || text[p] == '\t')) ++p;
  if (digits == 0 || p != text.size()) return false;
  boots = v > kMaxEngineBoots ? kMaxEngineBoots : static_cast<uint32_t>(v);
  return true;
}

// Reads every line; false when the file exists but cannot be read whole.
bool ReadLines(const std::string& path, std::vector<std::string>& lines, bool& absent) {
  absent = false;
  struct stat st {};
  if (stat(path.c_str(), &st) != 0) {
    // No such file, or its folder is no folder: nothing there to lose.
    absent = errno == ENOENT || errno == ENOTDIR;
    return false;
  }
  if (!S_ISREG(st.st_mode)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return !in.bad();
}

// Holds an exclusive lock on the folder of the counter while it is read,
// counted up and written, so that programs started together each get their
// own count. The folder itself is locked: no lock file is left behind.
class FolderLock {
 public:
  explicit FolderLock(const std::string& path) {
    std::string dir = path.substr(0, path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    if (dir.empty()) dir = ".";
    fd_ = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ >= 0) {
      while (flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
      }
    }
  }
  ~FolderLock() {
    if (fd_ >= 0) close(fd_);  // releases the lock
  }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace

std::string EncodeBootEngineId(const std::string& engineId) {
  std::string out;
  out.reserve(engineId.size() * 2);
  for (unsigned char b : engineId) {
    out.push_back(static_cast<char>(0x40 | (b >> 4)));
    out.push_back(static_cast<char>(0x40 | (b & 0x0F)));
  }
  return out;
}

int GetBootCounter(const std::string& path, const std::string& engineId, uint32_t& boots) {
  boots = 0;
  if (engineId.size() > kMaxEngineIdLength) return BootCounterResult::TooLong;
  std::vector<std::string> lines;
  bool absent = false;
  if (!ReadLines(path, lines, absent)) return absent ? BootCounterResult::FileOpen : BootCounterResult::Unreadable;
  const std::string encoded = EncodeBootEngineId(engineId);
  for (const std::string& line : lines) {
    switch (Classify(line, encoded)) {
      case LineKind::Other:
        break;
      case LineKind::Malformed:
        return BootCounterResult::FileError;
      case LineKind::Ours:
        if (!ParseBoots(WithoutCr(line).substr(encoded.size() + 1), boots)) {
          boots = 0;
          return BootCounterResult::FileError;
        }
        return BootCounterResult::Ok;
    }
  }
  return BootCounterResult::NoEntry;
}

int SaveBootCounter(const std::string& path, const std::string& engineId, uint32_t boots) {
  if (engineId.size() > kMaxEngineIdLength) return BootCounterResult::TooLong;
  const std::string encoded = EncodeBootEngineId(engineId);
  const std::string ourLine = encoded + " " + std::to_string(boots);

  std::vector<std::string> lines;
  bool absent = false;
  // Only an absent file is written anew: one that cannot be read is kept.
  if (!ReadLines(path, lines, absent) && !absent) return BootCounterResult::Unreadable;
  struct stat st {};
  const bool keepMode = !absent && stat(path.c_str(), &st) == 0;

  const std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return BootCounterResult::FileOpen;
    if (keepMode) chmod(tmp.c_str(), st.st_mode & 07777);
    bool written = false;
    for (const std::string& line : lines) {
      if (Classify(line, encoded) == LineKind::Ours) {
        if (!written) out << ourLine << '\n';
        written = true;
        continue;
      }
      out << line << '\n';
    }
    if (!written) out << ourLine << '\n';
    out.flush();
    if (!out) {
      out.close();
      std::remove(tmp.c_str());
      return BootCounterResult::FileOpen;
    }
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::remove(tmp.c_str());
    return BootCounterResult::FileError;
  }
  return BootCounterResult::Ok;
}

std::string JoinPath(const std::string& directory, const std::string& name) {
  std::string dir = directory;
  for (char& c : dir)
    if (c == '\\') c = '/';
  if (dir.empty()) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

uint32_t AdvanceBootCounter(const std::string& directory) {
  const std::string path = JoinPath(directory, kBootCounterFileName);
  FolderLock lock(path);
  uint32_t boots = 0;
  int rc = GetBootCounter(path, kLocalEngineId, boots);
  if (rc < BootCounterResult::FileOpen) ThrowKySNMPError(KyErr::LoadBootCounter);
  if (boots < kMaxEngineBoots) ++boots;
  if (SaveBootCounter(path, kLocalEngineId, boots) != 0) ThrowKySNMPError(KyErr::SaveBootCounter);
  return boots;
}
