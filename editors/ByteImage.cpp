#include "editors/ByteImage.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "editors/Errors.h"
#include "snmp/Value.h"
#include "snmp/VarList.h"

namespace {

constexpr const char* kNull = "(NULL)";

// Whole-text numbers; anything else reads as 0.
int64_t SignedNumber(const std::string& text) {
  int64_t v = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  while (first < last && *first == ' ') ++first;
  if (first < last && *first == '+') ++first;
  auto r = std::from_chars(first, last, v);
  return r.ec == std::errc() ? v : 0;
}

uint64_t UnsignedNumber(const std::string& text) {
  uint64_t v = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  while (first < last && *first == ' ') ++first;
  if (first < last && *first == '+') ++first;
  auto r = std::from_chars(first, last, v);
  return r.ec == std::errc() ? v : 0;
}

void PutLE(std::string& out, uint64_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

void PutBE(std::string& out, uint64_t v, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xff));
}

uint64_t GetLE(const std::string& in, int bytes) {
  uint64_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(in[static_cast<size_t>(i)]);
  return v;
}

uint64_t GetBE(const std::string& in, int bytes) {
  uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(in[static_cast<size_t>(i)]);
  return v;
}

std::vector<std::string> SplitDots(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (true) {
    size_t dot = text.find('.', start);
    parts.push_back(text.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  return parts;
}

std::string DoubleBytes(double d) {
  std::string out(8, '\0');
  std::memcpy(out.data(), &d, 8);
  return out;
}

double BytesDouble(const std::string& in) {
  double d = 0;
  std::memcpy(&d, in.data(), 8);
  return d;
}

std::string RealText(double d) { return FormatReal(d); }

double RealValue(const std::string& text) {
  double d = 0;
  return ParseReal(text, d) ? d : 0;
}

[[noreturn]] void Short() { RaiseKySnmp(-518); }

void CivilFromDays(int64_t z, int& y, int& m, int& d) {
  int64_t year = 0;
  unsigned month = 0, day = 0;
  ::CivilFromDays(z, year, month, day);
  y = static_cast<int>(year);
  m = static_cast<int>(month);
  d = static_cast<int>(day);
}

const int64_t kEpochShift = DaysFromCivil(1899, 12, 30);  // days of 1899-12-30 from 1970-01-01

}  // namespace

// ---------------------------------------------------------------------------
std::string HexText(const std::string& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    out.push_back(digits[c >> 4]);
    out.push_back(digits[c & 15]);
  }
  return out;
}

std::string HexBytes(const std::string& text) {
  std::vector<int> nibbles;
  for (char c : text) {
    if (c == ' ') continue;
    int v = 0;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    nibbles.push_back(v);
  }
  std::string out;
  size_t i = 0;
  if (nibbles.size() % 2 == 1) out.push_back(static_cast<char>(nibbles[i++]));
  for (; i + 1 < nibbles.size(); i += 2)
    out.push_back(static_cast<char>(nibbles[i] * 16 + nibbles[i + 1]));
  return out;
}

std::string TimeTicksText(uint32_t t) { return FormatTimeTicks(t); }

uint32_t TimeTicksValue(const std::string& text) {
  uint32_t ticks = 0;
  return ParseTimeTicks(text, ticks) ? ticks : 0;
}

DateTimeParts DateTimeSplit(double days) {
  DateTimeParts p;
  if (!std::isfinite(days)) return p;
  double whole = std::floor(days);
  int64_t msOfDay = std::llround((days - whole) * 86400000.0);
  int64_t day = static_cast<int64_t>(whole);
  if (msOfDay >= 86400000) {
    msOfDay -= 86400000;
    ++day;
  }
  CivilFromDays(day + kEpochShift, p.year, p.month, p.day);
  p.hour = static_cast<int>(msOfDay / 3600000);
  p.minute = static_cast<int>(msOfDay / 60000 % 60);
  p.second = static_cast<int>(msOfDay / 1000 % 60);
  p.msec = static_cast<int>(msOfDay % 1000);
  return p;
}

double DateTimeJoin(const DateTimeParts& p) {
  int64_t day = DaysFromCivil(p.year, static_cast<unsigned>(p.month), static_cast<unsigned>(p.day)) - kEpochShift;
  double frac = (p.hour * 3600000.0 + p.minute * 60000.0 + p.second * 1000.0 + p.msec) / 86400000.0;
  return static_cast<double>(day) + frac;
}

std::string DateTimeText(double days) {
  auto text = FormatDateTimeValue(days);
  return text ? *text : kNull;
}

double DateTimeValue(const std::string& text) {
  double days = 0;
  return ParseDateTimeValue(text, days) ? days : 0;
}

std::string DateAndTimeText(const DateAndTimeParts& d) {
  KyDateTime t(std::string_view{});
  t.year = static_cast<uint16_t>(d.year);
  t.month = static_cast<uint8_t>(d.month);
  t.day = static_cast<uint8_t>(d.day);
  t.hour = static_cast<uint8_t>(d.hour);
  t.minutes = static_cast<uint8_t>(d.minute);
  t.seconds = static_cast<uint8_t>(d.second);
  t.deciSeconds = static_cast<uint8_t>(d.deci);
  t.direction = d.direction;
  t.utcHours = static_cast<uint8_t>(d.utcHours);
  t.utcMinutes = static_cast<uint8_t>(d.utcMinutes);
  return t.Format();
}

DateAndTimeParts DateAndTimeParse(const std::string& text) {
  KyDateTime t(text);
  DateAndTimeParts d;
  d.year = t.year;
  d.month = t.month;
  d.day = t.day;
  d.hour = t.hour;
  d.minute = t.minutes;
  d.second = t.seconds;
  d.deci = t.deciSeconds;
  d.direction = t.direction;
  d.utcHours = t.utcHours;
  d.utcMinutes = t.utcMinutes;
  return d;
}

std::string DateAndTimeBytes(const DateAndTimeParts& d) {
  std::string out;
  PutBE(out, static_cast<uint16_t>(d.year), 2);
  for (int v : {d.month, d.day, d.hour, d.minute, d.second, d.deci}) out.push_back(static_cast<char>(v));
  out.push_back(d.direction);
  out.push_back(static_cast<char>(d.utcHours));
  out.push_back(static_cast<char>(d.utcMinutes));
  return out;
}

DateAndTimeParts DateAndTimeFromBytes(const std::string& b) {
  DateAndTimeParts d;
  if (b.size() < 11) return d;
  auto u = [&](size_t i) { return static_cast<int>(static_cast<unsigned char>(b[i])); };
  d.year = static_cast<int>(GetBE(b, 2));
  d.month = u(2);
  d.day = u(3);
  d.hour = u(4);
  d.minute = u(5);
  d.second = u(6);
  d.deci = u(7);
  d.direction = b[8];
  d.utcHours = u(9);
  d.utcMinutes = u(10);
  return d;
}

// ---------------------------------------------------------------------------
namespace {

[[noreturn]] void UnknownSyntax() { RaiseKySnmp(-511); }

int WholeLength(Syntax syntax) {
  switch (syntax) {
    case Syntax::Boolean:
    case Syntax::Integer:
    case Syntax::IpAddress:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::TimeTicks:
    case Syntax::Address:
    case Syntax::UInteger32:
      return 4;
    case Syntax::Counter64:
    case Syntax::Real:
    case Syntax::DateTime:
      return 8;
    case Syntax::MacAddress:
      return 6;
    case Syntax::DateAndTime:
      return 11;
    case Syntax::Ipv6Address:
      return 16;
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::ObjectId:
    case Syntax::Opaque:
    case Syntax::DisplayString:
    case Syntax::Null:
      return -1;
  }
  UnknownSyntax();
}

int PieceBytes(PieceSyntax syntax) {
  switch (syntax) {
    case PieceSyntax::Bool8:
    case PieceSyntax::Int8:
    case PieceSyntax::UInt8:
      return 1;
    case PieceSyntax::Bool16:
    case PieceSyntax::UInt16:
    case PieceSyntax::UInt16b:
      return 2;
  }
  UnknownSyntax();
}

std::string WholeImage(const std::string& text, Syntax syntax) {
  std::string out;
  switch (syntax) {
    case Syntax::Boolean:
      PutLE(out, text == "true" ? 1 : 0, 4);
      return out;
    case Syntax::Integer:
      PutLE(out, static_cast<uint32_t>(static_cast<int32_t>(SignedNumber(text))), 4);
      return out;
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Opaque:
    case Syntax::MacAddress:
    case Syntax::Ipv6Address:
      return HexBytes(text);
    case Syntax::Null:
      return out;
    case Syntax::ObjectId:
      if (!text.empty())
        for (const auto& part : SplitDots(text)) PutLE(out, static_cast<uint32_t>(UnsignedNumber(part)), 4);
      return out;
    case Syntax::IpAddress:
    case Syntax::Address: {
      auto parts = SplitDots(text);
      for (size_t i = 0; i < 4; ++i)
        out.push_back(static_cast<char>(i < parts.size() ? UnsignedNumber(parts[i]) & 0xff : 0));
      return out;
    }
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::UInteger32:
      PutLE(out, static_cast<uint32_t>(UnsignedNumber(text)), 4);
      return out;
    case Syntax::TimeTicks:
      PutLE(out, TimeTicksValue(text), 4);
      return out;
    case Syntax::Counter64:
      PutLE(out, UnsignedNumber(text), 8);
      return out;
    case Syntax::Real:
      return DoubleBytes(RealValue(text));
    case Syntax::DateAndTime:
      return DateAndTimeBytes(DateAndTimeParse(text));
    case Syntax::DateTime:
      return DoubleBytes(DateTimeValue(text));
    case Syntax::DisplayString:
      return text;
  }
  UnknownSyntax();
}

std::string PieceImage(const std::string& text, PieceSyntax syntax) {
  std::string out;
  switch (syntax) {
    case PieceSyntax::Bool8:
      out.push_back(text == "true" ? 1 : 0);
      return out;
    case PieceSyntax::Int8:
    case PieceSyntax::UInt8:
      out.push_back(static_cast<char>(SignedNumber(text) & 0xff));
      return out;
    case PieceSyntax::Bool16:
      PutBE(out, text == "true" ? 1 : 0, 2);
      return out;
    case PieceSyntax::UInt16:
    case PieceSyntax::UInt16b:
      PutBE(out, static_cast<uint64_t>(SignedNumber(text)) & 0xffff, 2);
      return out;
  }
  UnknownSyntax();
}

// `b` holds at least the bytes that WholeLength asks for.
std::string WholeText(const std::string& b, Syntax syntax) {
  switch (syntax) {
    case Syntax::Boolean:
      return GetLE(b, 4) != 0 ? "true" : "false";
    case Syntax::Integer:
      return std::to_string(static_cast<int32_t>(static_cast<uint32_t>(GetLE(b, 4))));
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Opaque:
      return HexText(b);
    case Syntax::MacAddress:
      if (b.size() < 6) Short();
      return HexText(b);
    case Syntax::Ipv6Address:
      if (b.size() < 16) Short();
      return HexText(b);
    case Syntax::Null:
      return kNull;
    case Syntax::ObjectId: {
      if (b.size() < 4) Short();
      std::string out;
      for (size_t i = 0; i + 4 <= b.size(); i += 4) {
        if (!out.empty()) out += '.';
        out += std::to_string(static_cast<uint32_t>(GetLE(b.substr(i, 4), 4)));
      }
      return out;
    }
    case Syntax::IpAddress:
    case Syntax::Address: {
      std::string out;
      for (size_t i = 0; i < 4; ++i) {
        if (i) out += '.';
        out += std::to_string(static_cast<unsigned char>(b[i]));
      }
      return out;
    }
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::UInteger32:
      return std::to_string(static_cast<uint32_t>(GetLE(b, 4)));
    case Syntax::TimeTicks:
      return TimeTicksText(static_cast<uint32_t>(GetLE(b, 4)));
    case Syntax::Counter64:
      return std::to_string(GetLE(b, 8));
    case Syntax::Real:
      return RealText(BytesDouble(b));
    case Syntax::DateAndTime:
      return DateAndTimeText(DateAndTimeFromBytes(b));
    case Syntax::DateTime:
      return DateTimeText(BytesDouble(b));
    case Syntax::DisplayString:
      return b;
  }
  UnknownSyntax();
}

// `b` holds at least the bytes that PieceBytes asks for.
std::string PieceText(const std::string& b, PieceSyntax syntax) {
  switch (syntax) {
    case PieceSyntax::Bool8:
      return b[0] != 0 ? "true" : "false";
    case PieceSyntax::Int8:
      return std::to_string(static_cast<int>(static_cast<signed char>(b[0])));
    case PieceSyntax::UInt8:
      return std::to_string(static_cast<unsigned>(static_cast<unsigned char>(b[0])));
    case PieceSyntax::Bool16:
      return GetBE(b, 2) != 0 ? "true" : "false";
    case PieceSyntax::UInt16:
    case PieceSyntax::UInt16b:
      return std::to_string(GetBE(b, 2));
  }
  UnknownSyntax();
}

}  // namespace

std::string TextToImage(const std::string& text, ImageSyntax syntax) {
  if (text == kNull) {
    PieceLength(syntax);  // unknown syntaxes still raise
    return {};
  }
  return syntax.IsPiece() ? PieceImage(text, syntax.piece()) : WholeImage(text, syntax.whole());
}

std::string ImageToText(const std::string& b, ImageSyntax syntax) {
  const int need = PieceLength(syntax);  // raises for unknown syntaxes
  if (b.empty()) {
    if (syntax == Syntax::DisplayString || syntax == Syntax::Bits || syntax == Syntax::OctetString ||
        syntax == Syntax::Opaque)
      return "";
    return kNull;
  }
  if (need > 0 && static_cast<int>(b.size()) < need) Short();
  return syntax.IsPiece() ? PieceText(b, syntax.piece()) : WholeText(b, syntax.whole());
}

int PieceLength(ImageSyntax syntax) {
  return syntax.IsPiece() ? PieceBytes(syntax.piece()) : WholeLength(syntax.whole());
}

std::string CutPiece(const std::string& image, int offset, ImageSyntax syntax) {
  const int len = PieceLength(syntax);
  if (image.empty()) return {};
  if (offset < 0) RaiseKySnmp(-519);
  const size_t off = static_cast<size_t>(offset);
  if (len < 0) {
    if (off > image.size()) RaiseKySnmp(-519);
    return image.substr(off);
  }
  if (image.size() < off + static_cast<size_t>(len)) RaiseKySnmp(-519);
  return image.substr(off, static_cast<size_t>(len));
}

void PutPiece(std::string& image, int offset, const std::string& piece) {
  const size_t off = static_cast<size_t>(offset < 0 ? 0 : offset);
  if (image.size() < off + piece.size()) image.resize(off + piece.size(), '\0');
  image.replace(off, piece.size(), piece);
}

bool HasBit(const std::string& image, int n) { return n >= 0 && static_cast<size_t>(n / 8) < image.size(); }

bool GetBit(const std::string& image, int n) {
  if (!HasBit(image, n)) RaiseKySnmp(-519);
  return (static_cast<unsigned char>(image[static_cast<size_t>(n / 8)]) >> (7 - n % 8)) & 1;
}

void SetBit(std::string& image, int n, bool on) {
  if (n < 0) RaiseKySnmp(-519);
  const size_t byte = static_cast<size_t>(n / 8);
  if (image.size() <= byte) image.resize(byte + 1, '\0');
  unsigned char v = static_cast<unsigned char>(image[byte]);
  const unsigned char mask = static_cast<unsigned char>(1u << (7 - n % 8));
  v = on ? (v | mask) : (v & ~mask);
  image[byte] = static_cast<char>(v);
}
