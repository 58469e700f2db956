#include "app/snapshot/JsonText.h"

#include <cstdint>

namespace {

constexpr int kMaxDepth = 64;

class Parser {
 public:
  Parser(std::string_view text, KyJsonError& error) : s_(text), error_(error) {}

  std::optional<KyJson> Run() {
    SkipBlanks();
    KyJson value;
    if (!Value(value, 0)) return std::nullopt;
    SkipBlanks();
    if (pos_ != s_.size()) return Fail("text after the end of the JSON value");
    return value;
  }

 private:
  std::nullopt_t Fail(std::string message) {
    if (!failed_) {
      failed_ = true;
      error_.line = line_;
      error_.column = static_cast<int>(pos_ - lineStart_) + 1;
      error_.message = std::move(message);
    }
    return std::nullopt;
  }
  bool FailB(std::string message) {
    Fail(std::move(message));
    return false;
  }

  void SkipBlanks() {
    while (pos_ < s_.size()) {
      const char c = s_[pos_];
      if (c == '\n') {
        ++pos_;
        ++line_;
        lineStart_ = pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else {
        break;
      }
    }
  }

  bool Literal(std::string_view word) {
    if (s_.substr(pos_, word.size()) != word) return FailB("unknown word; expected a JSON value");
    pos_ += word.size();
    return true;
  }

  bool Value(KyJson& out, int depth) {
    out.line = line_;
    out.column = static_cast<int>(pos_ - lineStart_) + 1;
    if (pos_ >= s_.size()) return FailB("the text ends where a value was expected (truncated file?)");
    const char c = s_[pos_];
    switch (c) {
      case '{':
        return Object(out, depth);
      case '[':
        return Array(out, depth);
      case '"':
        out.type = KyJson::Type::String;
        return String(out.text);
      case 't':
        out.type = KyJson::Type::Bool;
        out.boolean = true;
        return Literal("true");
      case 'f':
        out.type = KyJson::Type::Bool;
        return Literal("false");
      case 'n':
        out.type = KyJson::Type::Null;
        return Literal("null");
      default:
        if (c == '-' || (c >= '0' && c <= '9')) return Number(out);
        return FailB(std::string("unexpected character '") + (static_cast<unsigned char>(c) < 0x20 ? '?' : c) +
                     "'; expected a JSON value");
    }
  }

  bool Number(KyJson& out) {
    const size_t start = pos_;
    auto digits = [this] {
      const size_t from = pos_;
      while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
      return pos_ > from;
    };
    if (s_[pos_] == '-') ++pos_;
    if (pos_ < s_.size() && s_[pos_] == '0') {
      ++pos_;
    } else if (!digits()) {
      return FailB("bad number");
    }
    if (pos_ < s_.size() && s_[pos_] == '.') {
      ++pos_;
      if (!digits()) return FailB("bad number");
    }
    if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
      if (!digits()) return FailB("bad number");
    }
    out.type = KyJson::Type::Number;
    out.text = std::string(s_.substr(start, pos_ - start));
    return true;
  }

  static void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  bool Hex4(uint32_t& v) {
    if (pos_ + 4 > s_.size()) return FailB("the text ends inside a \\u escape");
    v = 0;
    for (int k = 0; k < 4; ++k) {
      const char c = s_[pos_++];
      v <<= 4;
      if (c >= '0' && c <= '9') v |= static_cast<uint32_t>(c - '0');
      else if (c >= 'a' && c <= 'f') v |= static_cast<uint32_t>(c - 'a' + 10);
      else if (c >= 'A' && c <= 'F') v |= static_cast<uint32_t>(c - 'A' + 10);
      else return FailB("bad \\u escape");
    }
    return true;
  }

  bool String(std::string& out) {
    ++pos_;  // opening quote
    out.clear();
    while (true) {
      if (pos_ >= s_.size()) return FailB("the text ends inside a string (truncated file?)");
      const char c = s_[pos_];
      if (c == '"') {
        ++pos_;
        return true;
      }
      if (static_cast<unsigned char>(c) < 0x20) return FailB("control character inside a string");
      if (c != '\\') {
        out += c;
        ++pos_;
        continue;
      }
      ++pos_;
      if (pos_ >= s_.size()) return FailB("the text ends inside a string (truncated file?)");
      const char e = s_[pos_++];
      switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case '/': out += '/'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'u': {
          uint32_t cp = 0;
          if (!Hex4(cp)) return false;
          if (cp >= 0xD800 && cp < 0xDC00) {
            uint32_t low = 0;
            if (s_.substr(pos_, 2) != "\\u") return FailB("lone surrogate in a \\u escape");
            pos_ += 2;
            if (!Hex4(low)) return false;
            if (low < 0xDC00 || low > 0xDFFF) return FailB("lone surrogate in a \\u escape");
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
          } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
            return FailB("lone surrogate in a \\u escape");
          }
          AppendUtf8(out, cp);
          break;
        }
        default:
          --pos_;
          return FailB("unknown escape in a string");
      }
    }
  }

  bool Array(KyJson& out, int depth) {
    if (depth >= kMaxDepth) return FailB("nested too deeply");
    out.type = KyJson::Type::Array;
    ++pos_;
    SkipBlanks();
    if (pos_ < s_.size() && s_[pos_] == ']') {
      ++pos_;
      return true;
    }
    while (true) {
      SkipBlanks();
      KyJson item;
      if (!Value(item, depth + 1)) return false;
      out.items.push_back(std::move(item));
      SkipBlanks();
      if (pos_ >= s_.size()) return FailB("the text ends inside an array (truncated file?)");
      if (s_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (s_[pos_] == ']') {
        ++pos_;
        return true;
      }
      return FailB("expected ',' or ']' in an array");
    }
  }

  bool Object(KyJson& out, int depth) {
    if (depth >= kMaxDepth) return FailB("nested too deeply");
    out.type = KyJson::Type::Object;
    ++pos_;
    SkipBlanks();
    if (pos_ < s_.size() && s_[pos_] == '}') {
      ++pos_;
      return true;
    }
    while (true) {
      SkipBlanks();
      if (pos_ >= s_.size()) return FailB("the text ends inside an object (truncated file?)");
      if (s_[pos_] != '"') return FailB("expected a member name in double quotes");
      std::string name;
      if (!String(name)) return false;
      for (const auto& m : out.members)
        if (m.first == name) return FailB("member \"" + name + "\" given twice");
      SkipBlanks();
      if (pos_ >= s_.size()) return FailB("the text ends inside an object (truncated file?)");
      if (s_[pos_] != ':') return FailB("expected ':' after a member name");
      ++pos_;
      SkipBlanks();
      KyJson value;
      if (!Value(value, depth + 1)) return false;
      out.members.emplace_back(std::move(name), std::move(value));
      SkipBlanks();
      if (pos_ >= s_.size()) return FailB("the text ends inside an object (truncated file?)");
      if (s_[pos_] == ',') {
        ++pos_;
        continue;
      }
      if (s_[pos_] == '}') {
        ++pos_;
        return true;
      }
      return FailB("expected ',' or '}' in an object");
    }
  }

  std::string_view s_;
  KyJsonError& error_;
  size_t pos_ = 0;
  size_t lineStart_ = 0;
  int line_ = 1;
  bool failed_ = false;
};

// Length of the UTF-8 sequence at s[i], or 0 when it is not one.
size_t Utf8Length(std::string_view s, size_t i) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char c = b(i);
  size_t n = 0;
  uint32_t cp = 0;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) n = 2, cp = c & 0x1F;
  else if (c >= 0xE0 && c <= 0xEF) n = 3, cp = c & 0x0F;
  else if (c >= 0xF0 && c <= 0xF4) n = 4, cp = c & 0x07;
  else return 0;
  if (i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    if ((b(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b(i + k) & 0x3F);
  }
  if ((n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
    return 0;
  return n;
}

}  // namespace

const KyJson* KyJson::Find(std::string_view name) const {
  for (const auto& m : members)
    if (m.first == name) return &m.second;
  return nullptr;
}

std::optional<KyJson> ParseJson(std::string_view text, KyJsonError& error) {
  // A byte-order mark is tolerated at the start.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return Parser(text, error).Run();
}

std::string JsonQuote(std::string_view text) {
  static const char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size() + 2);
  out += '"';
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
      ++i;
    } else if (c < 0x20 || c == 0x7F) {
      out += "\\u00";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
      ++i;
    } else if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
    } else if (const size_t n = Utf8Length(text, i); n > 0) {
      out.append(text.substr(i, n));
      i += n;
    } else {
      out += "\\ufffd";
      ++i;
    }
  }
  out += '"';
  return out;
}

std::string JsonPointerToken(std::string_view name) {
  std::string out;
  for (char c : name) {
    if (c == '~') out += "~0";
    else if (c == '/') out += "~1";
    else out += c;
  }
  return out;
}
