#include "platform/KeyStore.h"

#include <sys/stat.h>

#include <pwd.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

namespace {

// A store larger than this is not ours: it is neither read nor rewritten.
constexpr std::uintmax_t kMaxStoreBytes = 4u * 1024u * 1024u;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The file as lines (line breaks removed; a CR before LF is kept in the raw
// line so that rewriting changes nothing else).
struct StoreFile {
  bool readable = true;
  std::vector<std::string> lines;
};

StoreFile LoadStore(const std::string& path) {
  StoreFile f;
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (ec || !std::filesystem::exists(status)) return f;  // no file: an empty store
  if (!std::filesystem::is_regular_file(status)) {
    f.readable = false;
    return f;
  }
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size > kMaxStoreBytes) {
    f.readable = false;
    return f;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    f.readable = false;
    return f;
  }
  std::ostringstream buf;
  buf << in.rdbuf();
  if (in.bad()) {
    f.readable = false;
    return f;
  }
  const std::string content = buf.str();
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    f.lines.emplace_back(content.substr(start, end - start));
    start = end + 1;
  }
  return f;
}

// Writes the store. A symbolic link is followed: its target is replaced and
// the link stays. An existing file keeps its permissions.
bool SaveStore(const std::string& linkPath, const std::vector<std::string>& lines) {
  std::error_code ec;
  std::string path = linkPath;
  for (int hops = 0; hops < 40 && std::filesystem::is_symlink(path, ec); ++hops) {
    std::filesystem::path target = std::filesystem::read_symlink(path, ec);
    if (ec) return false;
    if (target.is_relative()) target = std::filesystem::path(path).parent_path() / target;
    path = target.lexically_normal().string();
  }
  const std::filesystem::path p(path);
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
  struct stat st {};
  const bool existed = stat(path.c_str(), &st) == 0;
  const std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    if (existed) chmod(tmp.c_str(), st.st_mode & 07777);
    for (const std::string& line : lines) out << line << '\n';
    out.flush();
    if (!out) {
      out.close();
      std::remove(tmp.c_str());
      return false;
    }
  }
  std::filesystem::rename(tmp, path, ec);
  if (ec) {
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

// What one line of the file is.
struct LineInfo {
  enum Kind { Other, Header, Value } kind = Other;
  std::string name;   // key name (normalised) or value name (unescaped)
  std::string value;  // value (unescaped)
};

LineInfo Classify(std::string_view raw) {
  LineInfo info;
  if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
  const std::string_view line = TrimBlanks(raw);
  if (line.empty() || line.front() == '#' || line.front() == ';') return info;
  if (line.front() == '[') {
    if (line.size() >= 2 && line.back() == ']') {
      info.kind = LineInfo::Header;
      info.name = NormalizeKeyName(UnescapeKeyStoreText(TrimBlanks(line.substr(1, line.size() - 2))));
    }
    return info;
  }
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return info;
  info.kind = LineInfo::Value;
  info.name = UnescapeKeyStoreText(TrimBlanks(line.substr(0, eq)));
  info.value = UnescapeKeyStoreText(TrimBlanks(line.substr(eq + 1)));
  return info;
}

bool IsKeyOrParent(const std::string& stored, const std::string& wanted) {
  if (stored.size() < wanted.size()) return false;
  if (!SameName(std::string_view(stored).substr(0, wanted.size()), wanted)) return false;
  return stored.size() == wanted.size() || stored[wanted.size()] == '\\';
}

std::string HeaderLine(const std::string& key) { return "[" + EscapeKeyStoreText(key, false) + "]"; }

std::string ValueLine(std::string_view name, std::string_view value) {
  return EscapeKeyStoreText(name, true) + "=" + EscapeKeyStoreText(value, false);
}

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  struct passwd pw;
  struct passwd* result = nullptr;
  std::vector<char> buf(16384);
  if (getpwuid_r(getuid(), &pw, buf.data(), buf.size(), &result) == 0 && result && result->pw_dir)
    return result->pw_dir;
  return {};
}

}  // namespace

std::string NormalizeKeyName(std::string_view key) {
  std::string out;
  out.reserve(key.size());
  for (char c : key) {
    if (c == '/') c = '\\';
    if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
    out.push_back(c);
  }
  while (!out.empty() && out.back() == '\\') out.pop_back();
  return out;
}

std::string EscapeKeyStoreText(std::string_view text, bool isName) {
  static const char* const kHex = "0123456789ABCDEF";
  // Leading and trailing blanks are escaped so that trimming the line on
  // reading does not take them away.
  std::size_t first = 0;
  while (first < text.size() && IsBlank(text[first])) ++first;
  std::size_t last = text.size();
  while (last > first && IsBlank(text[last - 1])) --last;
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    bool escape = c < 0x20 || c == 0x7F || c == '%' || i < first || i >= last;
    if (isName && (c == '=' || (i == 0 && (c == '[' || c == '#' || c == ';')))) escape = true;
    if (escape) {
      out.push_back('%');
      out.push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 0x0F]);
    } else {
      out.push_back(static_cast<char>(c));
    }
  }
  return out;
}

std::string UnescapeKeyStoreText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
      out.push_back(static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2])));
      i += 2;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

std::string DefaultKeyStorePath() {
  if (const char* explicitPath = std::getenv("QRX_KEYSTORE"); explicitPath && *explicitPath) return explicitPath;
  std::string base;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg && xdg[0] == '/') {
    base = xdg;
  } else {
    const std::string home = HomeFolder();
    if (home.empty()) return {};
    base = home + "/.config";
  }
  return base + "/qrx900/keystore";
}

KyKeyStore::KyKeyStore(std::string path) : path_(std::move(path)) {}

KyKeyStore KyKeyStore::Default() { return KyKeyStore(DefaultKeyStorePath()); }

bool KyKeyStore::KeyExists(std::string_view key) const {
  const std::string wanted = NormalizeKeyName(key);
  if (path_.empty()) return false;
  const StoreFile f = LoadStore(path_);
  for (const std::string& raw : f.lines) {
    const LineInfo info = Classify(raw);
    if (info.kind == LineInfo::Header && IsKeyOrParent(info.name, wanted)) return true;
  }
  return false;
}

bool KyKeyStore::OpenKey(std::string_view key, bool create) {
  if (KeyExists(key)) return true;
  if (!create || path_.empty()) return false;
  StoreFile f = LoadStore(path_);
  if (!f.readable) return false;
  if (!f.lines.empty() && !TrimBlanks(f.lines.back()).empty()) f.lines.emplace_back();
  f.lines.push_back(HeaderLine(NormalizeKeyName(key)));
  return SaveStore(path_, f.lines);
}

std::optional<std::string> KyKeyStore::ReadString(std::string_view key, std::string_view name) const {
  if (path_.empty()) return std::nullopt;
  const std::string wanted = NormalizeKeyName(key);
  const StoreFile f = LoadStore(path_);
  bool inKey = false;
  for (const std::string& raw : f.lines) {
    LineInfo info = Classify(raw);
    if (info.kind == LineInfo::Header)
      inKey = SameName(info.name, wanted);
    else if (info.kind == LineInfo::Value && inKey && SameName(info.name, name))
      return std::move(info.value);
  }
  return std::nullopt;
}

bool KyKeyStore::WriteString(std::string_view key, std::string_view name, std::string_view value) {
  if (path_.empty()) return false;
  const std::string wanted = NormalizeKeyName(key);
  StoreFile f = LoadStore(path_);
  if (!f.readable) return false;
  bool inKey = false;
  bool inFirstKey = false;
  std::ptrdiff_t insertAt = -1;  // after the header or the last value line of the first matching key
  for (std::size_t i = 0; i < f.lines.size(); ++i) {
    const LineInfo info = Classify(f.lines[i]);
    if (info.kind == LineInfo::Header) {
      inKey = SameName(info.name, wanted);
      inFirstKey = inKey && insertAt < 0;
      if (inFirstKey) insertAt = static_cast<std::ptrdiff_t>(i) + 1;
    } else if (inKey && info.kind == LineInfo::Value) {
      if (SameName(info.name, name)) {
        f.lines[i] = ValueLine(name, value);
        return SaveStore(path_, f.lines);
      }
      if (inFirstKey) insertAt = static_cast<std::ptrdiff_t>(i) + 1;
    }
  }
  if (insertAt >= 0) {
    f.lines.insert(f.lines.begin() + insertAt, ValueLine(name, value));
  } else {
    if (!f.lines.empty() && !TrimBlanks(f.lines.back()).empty()) f.lines.emplace_back();
    f.lines.push_back(HeaderLine(wanted));
    f.lines.push_back(ValueLine(name, value));
  }
  return SaveStore(path_, f.lines);
}

bool KyKeyStore::DeleteValue(std::string_view key, std::string_view name) {
  if (path_.empty()) return false;
  const std::string wanted = NormalizeKeyName(key);
  StoreFile f = LoadStore(path_);
  if (!f.readable) return false;
  bool inKey = false;
  for (std::size_t i = 0; i < f.lines.size(); ++i) {
    const LineInfo info = Classify(f.lines[i]);
    if (info.kind == LineInfo::Header) {
      inKey = SameName(info.name, wanted);
    } else if (inKey && info.kind == LineInfo::Value && SameName(info.name, name)) {
      f.lines.erase(f.lines.begin() + static_cast<std::ptrdiff_t>(i));
      return SaveStore(path_, f.lines);
    }
  }
  return false;
}
