#include "snmp/BootCounter.h"

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

uint32_t ParseBoots(std::string_view text) {
  size_t p = 0;
  while (p < text.size() && (text[p] == ' ' || text[p] == '\t')) ++p;
  uint64_t v = 0;
  for (; p < text.size() && text[p] >= '0' && text[p] <= '9'; ++p) {
    v = v * 10 + static_cast<uint64_t>(text[p] - '0');
    if (v > kMaxEngineBoots) return kMaxEngineBoots;
  }
  return static_cast<uint32_t>(v);
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return !in.bad();
}

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
  std::ifstream in(path, std::ios::binary);
  if (!in) return BootCounterResult::FileOpen;
  const std::string encoded = EncodeBootEngineId(engineId);
  std::string line;
  while (std::getline(in, line)) {
    switch (Classify(line, encoded)) {
      case LineKind::Other:
        break;
      case LineKind::Malformed:
        return BootCounterResult::FileError;
      case LineKind::Ours:
        boots = ParseBoots(WithoutCr(line).substr(encoded.size() + 1));
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
  ReadLines(path, lines);  // an absent or unreadable file is written anew

  const std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return BootCounterResult::FileOpen;
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
  uint32_t boots = 0;
  int rc = GetBootCounter(path, kLocalEngineId, boots);
  if (rc < BootCounterResult::FileOpen) ThrowKySNMPError(KyErr::LoadBootCounter);
  if (boots < kMaxEngineBoots) ++boots;
  if (SaveBootCounter(path, kLocalEngineId, boots) != 0) ThrowKySNMPError(KyErr::SaveBootCounter);
  return boots;
}
