#include "snmp/Value.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <limits>

#include "snmp/Messages.h"

namespace {

// Longest OID the SNMP library sends or receives.
constexpr size_t kMaxOidLength = 128;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

bool IsOctetLike(uint8_t type) {
  return type == KyVbType::OctetString || type == KyVbType::Opaque || type == KyVbType::IpAddress ||
         type == 0x03 /* BIT STRING */ || type == 0x45 /* NsapAddress */;
}

bool IsUnsignedWire(uint8_t type) {
  return type == KyVbType::Counter32 || type == KyVbType::Gauge32 || type == KyVbType::TimeTicks ||
         type == KyVbType::Counter64 || type == KyVbType::UInteger32;
}

// The catalogue error for a value text that cannot be sent as its syntax.
[[noreturn]] void ThrowBadValue(const KySNMPVarDef& item) {
  std::string text = MessageText(KyErr::BadAssocValue);
  if (!item.label.empty()) text += " (" + item.label + ")";
  ThrowKySNMPError(KyErr::BadAssocValue, text);
}

[[noreturn]] void ThrowBadSyntax() { ThrowKySNMPError(KyErr::BadSyntax); }

}  // namespace

bool TypeFitsSyntax(Syntax syntax, const KyVb& vb) {
  switch (syntax) {
    case Syntax::Boolean:
    case Syntax::Integer:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::UInteger32:
    case Syntax::Counter64:
    case Syntax::TimeTicks:
      return vb.type == KyVbType::Integer || IsUnsignedWire(vb.type);
    case Syntax::ObjectId:
      return vb.type == KyVbType::ObjectId;
    case Syntax::Null:
      return true;
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::IpAddress:
    case Syntax::Opaque:
    case Syntax::Address:
    case Syntax::Real:
    case Syntax::MacAddress:
    case Syntax::DateAndTime:
    case Syntax::DateTime:
    case Syntax::DisplayString:
    case Syntax::Ipv6Address:
      break;
  }
  return IsOctetLike(vb.type);  // the string syntaxes, and a number that is no code
}

namespace {
[[noreturn]] void ThrowBadKeyCount() { ThrowKySNMPError(KyErr::BadKeyCount); }

// The item's raw value: its option label turned back into the value.
std::string RawValue(const KySNMPVarDef& item) {
  return item.options != nullptr ? item.options->LabelToValue(item.value) : item.value;
}

void SetLabelled(KySNMPVarDef& item, std::string text) {
  item.value = item.options != nullptr ? item.options->ValueToLabel(text) : std::move(text);
}

template <typename T>
std::string Decimal(T v) {
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

// Unsigned decimal digits only, whole text, no overflow.
template <typename T>
bool ParseDigits(std::string_view s, T& out) {
  if (s.empty() || !IsDigit(s.front())) return false;
  auto r = std::from_chars(s.data(), s.data() + s.size(), out);
  return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

// Boolean text to send: "true"/"false" in any case, or an integer (not 0 is true).
bool ParseBooleanText(std::string_view text, bool& out) {
  text = Trim(text);
  if (EqualsNoCase(text, "true")) return out = true, true;
  if (EqualsNoCase(text, "false")) return out = false, true;
  int32_t n = 0;
  if (ParseInt32Text(text, n)) return out = (n != 0), true;
  return false;
}

// OID value to send: must survive BER encoding unchanged.
bool IsEncodableOid(const KyOid& oid) {
  if (oid.size() < 2 || oid.size() > kMaxOidLength) return false;
  if (oid[0] > 2) return false;
  if (oid[0] < 2 && oid[1] >= 40) return false;
  return true;
}

uint64_t DoubleBits(double v) { return std::bit_cast<uint64_t>(v); }
double BitsToDouble(uint64_t bits) { return std::bit_cast<double>(bits); }

bool IsLeap(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }
unsigned DaysInMonth(int64_t y, unsigned m) {
  static const unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

// 1899-12-30, the origin of the date-time doubles, counted from 1970-01-01.
constexpr int64_t kDateTimeEpoch = -25569;

// A scanner over a text, for the small grammars below.
struct Scanner {
  std::string_view s;
  size_t pos = 0;
  bool overflow = false;  // a number was too large for its place

  bool AtEnd() const { return pos >= s.size(); }
  char Peek() const { return AtEnd() ? '\0' : s[pos]; }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(s[pos])) ++pos;
  }
  bool Accept(char c) {
    if (Peek() != c) return false;
    ++pos;
    return true;
  }
  bool AcceptWordNoCase(std::string_view w) {
    if (s.size() - pos < w.size() || !EqualsNoCase(s.substr(pos, w.size()), w)) return false;
    pos += w.size();
    return true;
  }
  // Unsigned decimal; false when no digit or above `max`. `digits` gets the count.
  bool Number(uint64_t& v, uint64_t max = std::numeric_limits<uint32_t>::max(), size_t* digits = nullptr) {
    const size_t start = pos;
    v = 0;
    bool fits = true;
    while (!AtEnd() && IsDigit(s[pos])) {
      if (fits) {
        v = v * 10 + static_cast<uint64_t>(s[pos] - '0');
        fits = v <= max;
      }
      ++pos;
    }
    if (digits) *digits = pos - start;
    if (!fits) overflow = true;
    return pos > start && fits;
  }
  // scanf's %d: blanks, an optional sign, digits.
  bool ScanInt(int64_t& v) {
    SkipBlanks();
    bool neg = false;
    if (Peek() == '+' || Peek() == '-') neg = s[pos++] == '-';
    uint64_t u = 0;
    if (!Number(u, 1000000000ull)) return false;
    v = neg ? -static_cast<int64_t>(u) : static_cast<int64_t>(u);
    return true;
  }
};

// Sub-identifiers of an instance suffix.
KyOid SuffixIds(std::string_view suffix) {
  KyOid ids;
  if (!ParseOidText(suffix, ids)) ThrowBadKeyCount();
  return ids;
}

std::string JoinIds(const std::vector<uint64_t>& ids) {
  std::string out;
  for (size_t k = 0; k < ids.size(); ++k) {
    if (k) out += '.';
    out += Decimal(ids[k]);
  }
  return out;
}

// Bytes from sub-identifiers [from, from + n); each must fit a byte.
std::string IdsToBytes(const KySNMPVarDef& item, const KyOid& ids, size_t from, size_t n) {
  std::string bytes;
  bytes.reserve(n);
  for (size_t k = from; k < from + n; ++k) {
    if (ids[k] > 255) ThrowBadValue(item);
    bytes += static_cast<char>(ids[k]);
  }
  return bytes;
}

void AppendBytes(std::vector<uint64_t>& ids, std::string_view bytes) {
  for (unsigned char c : bytes) ids.push_back(c);
}

void AppendDouble(std::vector<uint64_t>& ids, double v) {
  const uint64_t bits = DoubleBits(v);
  ids.push_back(bits & 0xffffffffu);
  ids.push_back(bits >> 32);
}

}  // namespace

int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  y = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y += m <= 2;
}


// ---------------------------------------------------------------------------
// KyVb and OIDs

void KyVb::SetNull() {
  type = KyVbType::Null;
  integer = 0;
  uinteger = 0;
  octets.clear();
  objectId.clear();
}

void KyVb::SetInteger(int64_t v) {
  SetNull();
  type = KyVbType::Integer;
  integer = v;
}

void KyVb::SetUnsigned(uint8_t wireType, uint64_t v) {
  SetNull();
  type = wireType;
  uinteger = v;
}

void KyVb::SetOctets(uint8_t wireType, std::string bytes) {
  SetNull();
  type = wireType;
  octets = std::move(bytes);
}

void KyVb::SetObjectId(KyOid v) {
  SetNull();
  type = KyVbType::ObjectId;
  objectId = std::move(v);
}

std::string KyVb::OidText() const { return OidToText(oid); }

std::string OidToText(const KyOid& oid) {
  std::string out;
  out.reserve(oid.size() * 4);
  for (size_t k = 0; k < oid.size(); ++k) {
    if (k) out += '.';
    out += Decimal(oid[k]);
  }
  return out;
}

bool ParseOidText(std::string_view text, KyOid& out) {
  text = Trim(text);
  out.clear();
  if (text.empty()) return true;
  if (text.front() == '.') text.remove_prefix(1);
  Scanner sc{text};
  for (;;) {
    uint64_t v = 0;
    if (!sc.Number(v)) return out.clear(), false;
    out.push_back(static_cast<uint32_t>(v));
    if (sc.AtEnd()) return true;
    if (!sc.Accept('.')) return out.clear(), false;
  }
}

namespace {

// The sub-identifiers of an OID text as ParseOidText takes it: false when
// the text is not one. An empty text is the empty OID.
bool OidTextBody(std::string_view text, std::string_view& body) {
  text = Trim(text);
  body = {};
  if (text.empty()) return true;
  if (text.front() == '.') text.remove_prefix(1);
  Scanner sc{text};
  for (;;) {
    uint64_t v = 0;
    if (!sc.Number(v)) return false;
    if (sc.AtEnd()) break;
    if (!sc.Accept('.')) return false;
  }
  body = text;
  return true;
}

}  // namespace

std::optional<int> CompareOidTexts(std::string_view a, std::string_view b) {
  std::string_view x, y;
  if (!OidTextBody(a, x) || !OidTextBody(b, y)) return std::nullopt;
  Scanner sx{x}, sy{y};
  for (;;) {
    if (sx.AtEnd() || sy.AtEnd()) return sx.AtEnd() == sy.AtEnd() ? 0 : (sx.AtEnd() ? -1 : 1);
    uint64_t u = 0, v = 0;
    sx.Number(u);
    sy.Number(v);
    if (u != v) return u < v ? -1 : 1;
    sx.Accept('.');
    sy.Accept('.');
  }
}

// ---------------------------------------------------------------------------
// Text forms

std::string BytesToHex(std::string_view bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

bool HexToBytes(std::string_view text, std::string& out) {
  std::string digits;
  digits.reserve(text.size());
  for (char c : text) {
    if (IsBlank(c)) continue;
    int v;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    else return false;
    digits += static_cast<char>(v);
  }
  std::string bytes;
  bytes.reserve(digits.size() / 2 + 1);
  size_t k = 0;
  if (digits.size() % 2 == 1) bytes += digits[k++];
  for (; k < digits.size(); k += 2) bytes += static_cast<char>(digits[k] * 16 + digits[k + 1]);
  out = std::move(bytes);
  return true;
}

bool ParseInt32Text(std::string_view text, int32_t& out) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || !IsDigit(text.front())) return false;
  }
  if (text.empty()) return false;
  int32_t v = 0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), v);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return false;
  out = v;
  return true;
}

bool ParseUInt32Text(std::string_view text, uint32_t& out) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  return ParseDigits(text, out);
}

bool ParseUInt64Text(std::string_view text, uint64_t& out) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  return ParseDigits(text, out);
}

std::string FormatTimeTicks(uint64_t ticks) {
  const uint64_t days = ticks / 8640000;
  const uint64_t rest = ticks % 8640000;
  const auto h = static_cast<unsigned long long>(rest / 360000);
  const auto m = static_cast<unsigned long long>(rest / 6000 % 60);
  const auto s = static_cast<unsigned long long>(rest / 100 % 60);
  const auto hh = static_cast<unsigned long long>(rest % 100);
  char buf[96];
  if (days == 0)
    std::snprintf(buf, sizeof buf, "%llu:%02llu:%02llu.%02llu", h, m, s, hh);
  else if (days == 1)
    std::snprintf(buf, sizeof buf, "1 day %llu:%02llu:%02llu.%02llu", h, m, s, hh);
  else
    std::snprintf(buf, sizeof buf, "%llu days, %llu:%02llu:%02llu.%02llu",
                  static_cast<unsigned long long>(days), h, m, s, hh);
  return buf;
}

bool ParseTimeTicks(std::string_view text, uint32_t& ticks) {
  Scanner sc{Trim(text)};
  bool counted = false;
  uint64_t days = 0, hours = 0, minutes = 0, seconds = 0, hundredths = 0;
  // An optional count of days.
  {
    const size_t save = sc.pos;
    uint64_t n = 0;
    if (sc.Number(n)) {
      sc.SkipBlanks();
      if (sc.AcceptWordNoCase("day")) {
        sc.AcceptWordNoCase("s");
        days = n;
        counted = true;
      } else {
        sc.pos = save;
      }
    } else {
      sc.pos = save;
    }
  }
  sc.SkipBlanks();
  if (sc.Accept(',')) sc.SkipBlanks();
  // Hours, minutes, seconds and hundredths, each counted only with its separator.
  if (!sc.AtEnd()) {
    uint64_t a = 0;
    if (!sc.Number(a)) return false;
    if (sc.Accept(':')) {
      hours = a;
      counted = true;
      uint64_t b = 0;
      if (sc.Number(b) && sc.Accept(':')) {
        minutes = b;
        uint64_t c = 0;
        if (sc.Number(c) && sc.Accept('.')) {
          seconds = c;
          size_t digits = 0;
          uint64_t d = 0;
          const bool read = sc.Number(d, 99, &digits);
          if (digits > 2 || (digits > 0 && !read)) return false;  // more than two digits of hundredths
          hundredths = read ? d : 0;
        }
      }
    }
  }
  sc.SkipBlanks();
  if (!sc.AtEnd() || !counted || sc.overflow) return false;
  const uint64_t total = days * 8640000 + hours * 360000 + minutes * 6000 + seconds * 100 + hundredths;
  if (total > std::numeric_limits<uint32_t>::max()) return false;
  ticks = static_cast<uint32_t>(total);
  return true;
}

std::string FormatReal(double v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
  double back = 0;
  auto p = std::from_chars(buf, r.ptr, back);
  if (p.ec == std::errc() && DoubleBits(back) == DoubleBits(v)) return std::string(buf, r.ptr);
  r = std::to_chars(buf, buf + sizeof buf, v);  // shortest text that reads back exactly
  return std::string(buf, r.ptr);
}

bool ParseReal(std::string_view text, double& out) {
  text = Trim(text);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() == '-' || text.front() == '+') return false;
  }
  if (text.empty()) return false;
  double v = 0;
  auto r = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
  if (r.ec != std::errc() || r.ptr != text.data() + text.size()) return false;
  out = v;
  return true;
}

std::string DoubleToBytes(double v) {
  uint64_t bits = DoubleBits(v);
  std::string out(8, '\0');
  for (int k = 0; k < 8; ++k) out[static_cast<size_t>(k)] = static_cast<char>((bits >> (8 * k)) & 0xff);
  return out;
}

std::optional<double> BytesToDouble(std::string_view bytes) {
  if (bytes.size() < 8) return std::nullopt;
  uint64_t bits = 0;
  for (int k = 7; k >= 0; --k) bits = (bits << 8) | static_cast<unsigned char>(bytes[static_cast<size_t>(k)]);
  return BitsToDouble(bits);
}

std::optional<std::string> FormatDateTimeValue(double v) {
  // Years 1 to 9999, with a day of margin that the year check below settles.
  if (!std::isfinite(v) || v < -693595.0 || v > 2958467.0) return std::nullopt;
  const double whole = std::trunc(v);
  int64_t day = static_cast<int64_t>(whole);
  int64_t ms = std::llround(std::fabs(v - whole) * 86400000.0);
  if (ms >= 86400000) {
    ms -= 86400000;
    day += v < 0 ? -1 : 1;
  }
  int64_t y = 0;
  unsigned m = 0, d = 0;
  CivilFromDays(day + kDateTimeEpoch, y, m, d);
  if (y < 1 || y > 9999) return std::nullopt;
  const int64_t secs = ms / 1000;
  const int h = static_cast<int>(secs / 3600);
  const int n = static_cast<int>(secs / 60 % 60);
  const int s = static_cast<int>(secs % 60);
  const int h12 = h % 12 == 0 ? 12 : h % 12;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%04d/%02u/%02u %02d:%02d:%02d %s", static_cast<int>(y), m, d, h12, n, s,
                h < 12 ? "am" : "pm");
  return std::string(buf);
}

bool ParseDateTimeValue(std::string_view text, double& days) {
  Scanner sc{Trim(text)};
  uint64_t y = 0, mo = 0, d = 0, h = 0, n = 0, s = 0, frac = 0;
  size_t fracDigits = 0;
  if (!sc.Number(y, 9999) || !sc.Accept('/') || !sc.Number(mo, 12) || !sc.Accept('/') || !sc.Number(d, 31))
    return false;
  if (y < 1 || mo < 1 || d < 1 || d > DaysInMonth(static_cast<int64_t>(y), static_cast<unsigned>(mo)))
    return false;
  bool hasTime = false, ampm = false, pm = false;
  sc.SkipBlanks();
  if (IsDigit(sc.Peek())) {
    hasTime = true;
    if (!sc.Number(h, 23) || !sc.Accept(':') || !sc.Number(n, 59)) return false;
    if (sc.Accept(':')) {
      if (!sc.Number(s, 59)) return false;
      if (sc.Accept('.') && !sc.Number(frac, 999, &fracDigits)) return false;
    }
    sc.SkipBlanks();
    if (sc.AcceptWordNoCase("am")) ampm = true;
    else if (sc.AcceptWordNoCase("pm")) ampm = pm = true;
    sc.SkipBlanks();
  }
  if (!sc.AtEnd()) return false;
  if (hasTime && ampm) {
    if (h < 1 || h > 12) return false;
    h = (h % 12) + (pm ? 12 : 0);
  }
  for (size_t k = fracDigits; k < 3; ++k) frac *= 10;  // ".5" is half a second
  const int64_t day = DaysFromCivil(static_cast<int64_t>(y), static_cast<unsigned>(mo), static_cast<unsigned>(d)) -
                      kDateTimeEpoch;
  const double time = static_cast<double>(h * 3600000 + n * 60000 + s * 1000 + frac) / 86400000.0;
  days = day >= 0 ? static_cast<double>(day) + time : static_cast<double>(day) - time;
  return true;
}

std::string IpBytesToText(std::string_view bytes) {
  std::string out;
  for (size_t k = 0; k < bytes.size(); ++k) {
    if (k) out += '.';
    out += Decimal(static_cast<unsigned>(static_cast<unsigned char>(bytes[k])));
  }
  return out;
}

bool ParseIpText(std::string_view text, std::string& fourBytes) {
  Scanner sc{Trim(text)};
  std::string bytes;
  for (int k = 0; k < 4; ++k) {
    if (k && !sc.Accept('.')) return false;
    size_t digits = 0;
    uint64_t v = 0;
    if (!sc.Number(v, 255, &digits) || digits > 3) return false;
    bytes += static_cast<char>(v);
  }
  if (!sc.AtEnd()) return false;
  fourBytes = std::move(bytes);
  return true;
}

// ---------------------------------------------------------------------------
// KyDateTime

KyDateTime::KyDateTime() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  year = static_cast<uint16_t>(local.tm_year + 1900);
  month = static_cast<uint8_t>(local.tm_mon + 1);
  day = static_cast<uint8_t>(local.tm_mday);
  hour = static_cast<uint8_t>(local.tm_hour);
  minutes = static_cast<uint8_t>(local.tm_min);
  seconds = static_cast<uint8_t>(local.tm_sec);
}

KyDateTime::KyDateTime(std::string_view text) {
  KyDateTime parsed(*this);
  if (Parse(text, parsed)) {
    *this = parsed;
    valid_ = true;
  } else {
    year = 0;
    month = day = hour = minutes = seconds = deciSeconds = 0;
    direction = '+';
    utcHours = utcMinutes = 0;
    valid_ = false;
  }
}

bool KyDateTime::Parse(std::string_view text, KyDateTime& out) {
  // The three forms: with "+h:m", with "-h:m", without an offset.
  for (int form = 0; form < 3; ++form) {
    Scanner sc{text};
    int64_t f[9] = {};
    auto num = [&](int k) { return sc.ScanInt(f[k]); };
    bool ok = num(0) && sc.Accept('-') && num(1) && sc.Accept('-') && num(2) && sc.Accept(',') && num(3) &&
              sc.Accept(':') && num(4) && sc.Accept(':') && num(5) && sc.Accept('.') && num(6);
    if (ok && form < 2) ok = sc.Accept(',') && sc.Accept(form == 0 ? '+' : '-') && num(7) && sc.Accept(':') && num(8);
    if (!ok) continue;
    sc.SkipBlanks();
    if (!sc.AtEnd()) continue;
    if (f[0] < 0 || f[0] > 65535) return false;
    for (int k = 1; k < 9; ++k)
      if (f[k] < 0 || f[k] > 255) return false;
    out.year = static_cast<uint16_t>(f[0]);
    out.month = static_cast<uint8_t>(f[1]);
    out.day = static_cast<uint8_t>(f[2]);
    out.hour = static_cast<uint8_t>(f[3]);
    out.minutes = static_cast<uint8_t>(f[4]);
    out.seconds = static_cast<uint8_t>(f[5]);
    out.deciSeconds = static_cast<uint8_t>(f[6]);
    out.direction = form == 1 ? '-' : '+';
    out.utcHours = static_cast<uint8_t>(f[7]);
    out.utcMinutes = static_cast<uint8_t>(f[8]);
    out.valid_ = true;
    return true;
  }
  return false;
}

std::optional<KyDateTime> KyDateTime::FromOctets(std::string_view b) {
  if (b.size() < 8) return std::nullopt;
  auto u = [&](size_t k) { return static_cast<uint8_t>(b[k]); };
  KyDateTime t(std::string_view{});
  t.year = static_cast<uint16_t>(u(0) << 8 | u(1));
  t.month = u(2);
  t.day = u(3);
  t.hour = u(4);
  t.minutes = u(5);
  t.seconds = u(6);
  t.deciSeconds = u(7);
  if (b.size() >= 11) {
    t.direction = static_cast<char>(b[8]);
    t.utcHours = u(9);
    t.utcMinutes = u(10);
  }
  t.valid_ = true;
  return t;
}

std::string KyDateTime::Format() const {
  char buf[96];
  const bool withOffset = direction == '-' || (direction == '+' && (utcHours != 0 || utcMinutes != 0));
  if (withOffset)
    std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", year, month, day, hour, minutes, seconds,
                  deciSeconds, direction, utcHours, utcMinutes);
  else
    std::snprintf(buf, sizeof buf, "%d-%d-%d,%d:%d:%d.%d", year, month, day, hour, minutes, seconds, deciSeconds);
  return buf;
}

std::string KyDateTime::ToOctets() const {
  std::string b(11, '\0');
  b[0] = static_cast<char>(year >> 8);
  b[1] = static_cast<char>(year & 0xff);
  b[2] = static_cast<char>(month);
  b[3] = static_cast<char>(day);
  b[4] = static_cast<char>(hour);
  b[5] = static_cast<char>(minutes);
  b[6] = static_cast<char>(seconds);
  b[7] = static_cast<char>(deciSeconds);
  b[8] = direction;
  b[9] = static_cast<char>(utcHours);
  b[10] = static_cast<char>(utcMinutes);
  return b;
}

void KyDateTime::SwapYear() { year = static_cast<uint16_t>((year >> 8) | (year << 8)); }

// ---------------------------------------------------------------------------
// The conversions

bool IsSupportedSyntax(Syntax syntax) {
  switch (syntax) {
    case Syntax::Boolean:
    case Syntax::Integer:
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Null:
    case Syntax::ObjectId:
    case Syntax::IpAddress:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::TimeTicks:
    case Syntax::Opaque:
    case Syntax::Address:
    case Syntax::Counter64:
    case Syntax::UInteger32:
    case Syntax::Real:
    case Syntax::MacAddress:
    case Syntax::DateAndTime:
    case Syntax::DateTime:
    case Syntax::DisplayString:
    case Syntax::Ipv6Address:
      return true;
  }
  return false;  // converted from a number that is no code
}

void StoreValue(KySNMPVarDef& item, const KyVb& vb) {
  const Syntax syntax = item.syntax;
  if (!IsSupportedSyntax(syntax)) ThrowBadSyntax();
  // A value of another type is an agent's fault, not an absent value: it is
  // reported and the item keeps what it showed.
  if (!vb.HasNoValue() && !TypeFitsSyntax(syntax, vb)) {
    std::string text = MessageText(KyErr::BadSyntax);
    if (!item.label.empty()) text += " (" + item.label + ")";
    ThrowKySNMPError(KyErr::BadSyntax, text);
  }
  std::optional<std::string> text;  // nullopt: no printable value
  const bool isInt = vb.type == KyVbType::Integer;
  const bool isUnsigned = IsUnsignedWire(vb.type);
  const bool isOctets = IsOctetLike(vb.type);
  // Every code is listed; a number that is no code was refused above.
  switch (syntax) {
    case Syntax::Boolean:
      if (isInt) text = vb.integer != 0 ? "true" : "false";
      else if (isUnsigned) text = vb.uinteger != 0 ? "true" : "false";
      break;
    case Syntax::Integer:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::UInteger32:
    case Syntax::Counter64:
      if (isInt) text = Decimal(vb.integer);
      else if (isUnsigned) text = Decimal(vb.uinteger);
      break;
    case Syntax::TimeTicks:
      if (isUnsigned) text = FormatTimeTicks(vb.uinteger);
      else if (isInt && vb.integer >= 0) text = FormatTimeTicks(static_cast<uint64_t>(vb.integer));
      break;
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Opaque:
    case Syntax::MacAddress:
    case Syntax::Ipv6Address:
      // Always the hex text: a binding without octets reads as empty.
      text = isOctets ? BytesToHex(vb.octets) : std::string();
      break;
    case Syntax::Null:
      break;
    case Syntax::ObjectId:
      if (vb.type == KyVbType::ObjectId) text = OidToText(vb.objectId);
      break;
    case Syntax::IpAddress:
    case Syntax::Address:
      if (isOctets && !vb.octets.empty()) text = IpBytesToText(vb.octets);
      break;
    case Syntax::Real:
      if (isOctets) {
        if (auto v = BytesToDouble(vb.octets)) text = FormatReal(*v);
      }
      break;
    case Syntax::DateAndTime:
      if (isOctets) {
        if (auto t = KyDateTime::FromOctets(vb.octets)) text = t->Format();
      }
      break;
    case Syntax::DateTime:
      if (isOctets) {
        if (auto v = BytesToDouble(vb.octets)) text = FormatDateTimeValue(*v);
      }
      break;
    case Syntax::DisplayString:
      if (isOctets) text = vb.octets;
      break;
  }
  if (!text) text = syntax == Syntax::DisplayString ? std::string() : std::string(kNullText);
  SetLabelled(item, std::move(*text));
}

void StoreValue(KySNMPVarList& list, int i, const KyVb& vb) { StoreValue(list.Item(i), vb); }

void LoadValue(const KySNMPVarDef& item, KyVb& vb) {
  const Syntax syntax = item.syntax;
  if (!IsSupportedSyntax(syntax)) ThrowBadSyntax();
  const std::string raw = RawValue(item);
  if (raw == kNullText) {
    vb.SetNull();
    return;
  }
  // Every code is listed; a number that is no code was refused above.
  switch (syntax) {
    case Syntax::Boolean: {
      bool b = false;
      if (!ParseBooleanText(raw, b)) ThrowBadValue(item);
      vb.SetInteger(b ? 1 : 0);
      return;
    }
    case Syntax::Integer: {
      int32_t v = 0;
      if (!ParseInt32Text(raw, v)) ThrowBadValue(item);
      vb.SetInteger(v);
      return;
    }
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Opaque:
    case Syntax::MacAddress:
    case Syntax::Ipv6Address: {
      std::string bytes;
      if (!HexToBytes(raw, bytes)) ThrowBadValue(item);
      vb.SetOctets(KyVbType::OctetString, std::move(bytes));
      return;
    }
    case Syntax::Null:
      vb.SetNull();
      return;
    case Syntax::ObjectId: {
      KyOid oid;
      if (!ParseOidText(raw, oid) || !IsEncodableOid(oid)) ThrowBadValue(item);
      vb.SetObjectId(std::move(oid));
      return;
    }
    case Syntax::IpAddress:
    case Syntax::Address: {
      std::string bytes;
      if (!ParseIpText(raw, bytes)) ThrowBadValue(item);
      vb.SetOctets(KyVbType::IpAddress, std::move(bytes));
      return;
    }
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::UInteger32: {
      uint32_t v = 0;
      if (!ParseUInt32Text(raw, v)) ThrowBadValue(item);
      vb.SetUnsigned(KyVbType::Gauge32, v);
      return;
    }
    case Syntax::TimeTicks: {
      uint32_t v = 0;
      if (!ParseTimeTicks(raw, v)) ThrowBadValue(item);
      vb.SetUnsigned(KyVbType::TimeTicks, v);
      return;
    }
    case Syntax::Counter64: {
      uint64_t v = 0;
      if (!ParseUInt64Text(raw, v)) ThrowBadValue(item);
      vb.SetUnsigned(KyVbType::Counter64, v);
      return;
    }
    case Syntax::Real: {
      double v = 0;
      if (!ParseReal(raw, v)) ThrowBadValue(item);
      vb.SetOctets(KyVbType::OctetString, DoubleToBytes(v));
      return;
    }
    case Syntax::DateAndTime: {
      KyDateTime t;
      if (!KyDateTime::Parse(raw, t)) ThrowBadValue(item);
      vb.SetOctets(KyVbType::OctetString, t.ToOctets());
      return;
    }
    case Syntax::DateTime: {
      double v = 0;
      if (!ParseDateTimeValue(raw, v)) ThrowBadValue(item);
      vb.SetOctets(KyVbType::OctetString, DoubleToBytes(v));
      return;
    }
    case Syntax::DisplayString:
      vb.SetOctets(KyVbType::OctetString, raw);
      return;
  }
  ThrowBadSyntax();
}

void LoadValue(const KySNMPVarList& list, int i, KyVb& vb) { LoadValue(list.Item(i), vb); }

std::string DecodeIndexPart(KySNMPVarDef& item, bool lastImplied, std::string_view suffix) {
  const Syntax syntax = item.syntax;
  if (!IsSupportedSyntax(syntax)) ThrowBadSyntax();
  const KyOid ids = SuffixIds(suffix);
  auto need = [&](size_t n) {
    if (ids.size() < n) ThrowBadKeyCount();
  };
  size_t used = 0;
  std::string text;
  // Every code is listed; a number that is no code was refused above.
  switch (syntax) {
    case Syntax::Boolean:
      need(1);
      text = ids[0] != 0 ? "true" : "false";
      used = 1;
      break;
    case Syntax::Integer:
      need(1);
      text = Decimal(static_cast<int32_t>(ids[0]));
      used = 1;
      break;
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::UInteger32:
      need(1);
      text = Decimal(ids[0]);
      used = 1;
      break;
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Opaque:
    case Syntax::DisplayString: {
      size_t from = 0, n = 0;
      if (lastImplied) {
        n = ids.size();
      } else {
        need(1);
        n = ids[0];
        from = 1;
        need(n + 1);
      }
      std::string bytes = IdsToBytes(item, ids, from, n);
      text = syntax == Syntax::DisplayString ? std::move(bytes) : BytesToHex(bytes);
      used = from + n;
      break;
    }
    case Syntax::Null:
      text = kNullText;
      break;
    case Syntax::ObjectId: {
      size_t from = 0, n = 0;
      if (lastImplied) {
        n = ids.size();
      } else {
        need(1);
        n = ids[0];
        from = 1;
        need(n + 1);
      }
      text = OidToText(KyOid(ids.begin() + static_cast<ptrdiff_t>(from),
                             ids.begin() + static_cast<ptrdiff_t>(from + n)));
      used = from + n;
      break;
    }
    case Syntax::IpAddress:
    case Syntax::Address:
      need(4);
      text = IpBytesToText(IdsToBytes(item, ids, 0, 4));
      used = 4;
      break;
    case Syntax::TimeTicks:
      need(1);
      text = FormatTimeTicks(ids[0]);
      used = 1;
      break;
    case Syntax::Counter64:
      need(2);
      text = Decimal(static_cast<uint64_t>(ids[0]) << 32 | ids[1]);
      used = 2;
      break;
    case Syntax::Real:
      need(2);
      text = FormatReal(BitsToDouble(static_cast<uint64_t>(ids[1]) << 32 | ids[0]));
      used = 2;
      break;
    case Syntax::MacAddress:
      need(6);
      text = BytesToHex(IdsToBytes(item, ids, 0, 6));
      used = 6;
      break;
    case Syntax::DateAndTime:
      need(11);
      text = KyDateTime::FromOctets(IdsToBytes(item, ids, 0, 11))->Format();
      used = 11;
      break;
    case Syntax::DateTime:
      need(2);
      text = FormatDateTimeValue(BitsToDouble(static_cast<uint64_t>(ids[1]) << 32 | ids[0])).value_or(kNullText);
      used = 2;
      break;
    case Syntax::Ipv6Address: {
      const size_t n = lastImplied ? ids.size() : 16;
      need(n);
      text = BytesToHex(IdsToBytes(item, ids, 0, n));
      used = n;
      break;
    }
  }
  SetLabelled(item, std::move(text));
  return OidToText(KyOid(ids.begin() + static_cast<ptrdiff_t>(used), ids.end()));
}

std::string DecodeIndexPart(KySNMPVarList& list, int i, std::string_view suffix) {
  const bool lastImplied = i + 1 == list.keyCount && list.IsImplied(i);
  return DecodeIndexPart(list.Item(i), lastImplied, suffix);
}

std::string EncodeIndexPart(const KySNMPVarDef& item, bool lastImplied) {
  const Syntax syntax = item.syntax;
  if (!IsSupportedSyntax(syntax)) ThrowBadSyntax();
  const std::string raw = RawValue(item);
  if (syntax == Syntax::Null) return {};
  if (raw == kNullText) ThrowBadValue(item);  // an index column without a value
  std::vector<uint64_t> ids;
  auto counted = [&](size_t n) {
    if (!lastImplied) ids.push_back(n);
  };
  // Every code is listed; a number that is no code was refused above.
  switch (syntax) {
    case Syntax::Null:  // no sub-identifiers, returned above
      break;
    case Syntax::Boolean: {
      bool b = false;
      if (!ParseBooleanText(raw, b)) ThrowBadValue(item);
      ids.push_back(b ? 1 : 0);
      break;
    }
    case Syntax::Integer: {
      int32_t v = 0;
      if (!ParseInt32Text(raw, v)) ThrowBadValue(item);
      ids.push_back(static_cast<uint32_t>(v));  // two's complement, as it is decoded
      break;
    }
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::UInteger32: {
      uint32_t v = 0;
      if (!ParseUInt32Text(raw, v)) ThrowBadValue(item);
      ids.push_back(v);
      break;
    }
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Opaque: {
      std::string bytes;
      if (!HexToBytes(raw, bytes)) ThrowBadValue(item);
      counted(bytes.size());
      AppendBytes(ids, bytes);
      break;
    }
    case Syntax::DisplayString:
      counted(raw.size());
      AppendBytes(ids, raw);
      break;
    case Syntax::ObjectId: {
      KyOid oid;
      if (!ParseOidText(raw, oid)) ThrowBadValue(item);
      counted(oid.size());
      ids.insert(ids.end(), oid.begin(), oid.end());
      break;
    }
    case Syntax::IpAddress:
    case Syntax::Address: {
      std::string bytes;
      if (!ParseIpText(raw, bytes)) ThrowBadValue(item);
      AppendBytes(ids, bytes);
      break;
    }
    case Syntax::TimeTicks: {
      uint32_t v = 0;
      if (!ParseTimeTicks(raw, v)) ThrowBadValue(item);
      ids.push_back(v);
      break;
    }
    case Syntax::Counter64: {
      uint64_t v = 0;
      if (!ParseUInt64Text(raw, v)) ThrowBadValue(item);
      ids.push_back(v >> 32);
      ids.push_back(v & 0xffffffffu);
      break;
    }
    case Syntax::Real: {
      double v = 0;
      if (!ParseReal(raw, v)) ThrowBadValue(item);
      AppendDouble(ids, v);
      break;
    }
    case Syntax::MacAddress: {
      std::string bytes;
      if (!HexToBytes(raw, bytes) || bytes.size() != 6) ThrowBadValue(item);
      AppendBytes(ids, bytes);
      break;
    }
    case Syntax::DateAndTime: {
      KyDateTime t;
      if (!KyDateTime::Parse(raw, t)) ThrowBadValue(item);
      AppendBytes(ids, t.ToOctets());
      break;
    }
    case Syntax::DateTime: {
      double v = 0;
      if (!ParseDateTimeValue(raw, v)) ThrowBadValue(item);
      AppendDouble(ids, v);
      break;
    }
    case Syntax::Ipv6Address: {
      std::string bytes;
      if (!HexToBytes(raw, bytes) || (!lastImplied && bytes.size() != 16)) ThrowBadValue(item);
      AppendBytes(ids, bytes);
      break;
    }
  }
  return JoinIds(ids);
}

std::string EncodeIndexPart(const KySNMPVarList& list, int i) {
  const bool lastImplied = i + 1 == list.keyCount && list.IsImplied(i);
  return EncodeIndexPart(list.Item(i), lastImplied);
}

// ---------------------------------------------------------------------------
// KyNumList

template <typename T>
uint32_t KyNumList<T>::CountItems(const char* text) const {
  return text == nullptr ? 0 : CountItems(std::string_view(text));
}

template <typename T>
uint32_t KyNumList<T>::CountItems(std::string_view text) const {
  if (text.empty()) return 0;
  uint32_t n = 1;
  for (char c : text)
    if (c == delimiter) ++n;
  return n;
}

template <typename T>
bool KyNumList<T>::Parse(std::string_view text) {
  items.assign(CountItems(text), T{0});
  bool clean = true;
  size_t k = 0;
  bool fraction = false;
  for (char c : text) {
    if (c == delimiter) {
      ++k;
      fraction = false;
    } else if (c == '.') {
      fraction = true;
    } else if (IsDigit(c)) {
      if (fraction) continue;
      T& v = items[k];
      const T digit = static_cast<T>(c - '0');
      if (v > (std::numeric_limits<T>::max() - digit) / 10) {
        v = std::numeric_limits<T>::max();
        clean = false;
      } else {
        v = static_cast<T>(v * 10 + digit);
      }
    } else {
      clean = false;
    }
  }
  return clean;
}

template <typename T>
int KyNumList<T>::IndexOf(T value) const {
  for (size_t k = 0; k < items.size(); ++k)
    if (items[k] == value) return static_cast<int>(k);
  return -1;
}

template <typename T>
bool KyNumList<T>::AllWithin(T min, T max) const {
  for (T v : items)
    if (v < min || v > max) return false;
  return true;
}

template class KyNumList<int>;
template class KyNumList<unsigned int>;

// ---------------------------------------------------------------------------
// KyBinaryString

void KyBinaryString::SetLength(int32_t length) {
  data_.resize(length > 0 ? static_cast<size_t>(length) : 0, '\0');
}

uint8_t KyBinaryString::Byte(int32_t i) const {
  return i >= 0 && i < length() ? static_cast<uint8_t>(data_[static_cast<size_t>(i)]) : 0;
}

void KyBinaryString::SetByte(int32_t i, uint8_t v) {
  if (i < 0) return;
  if (i >= length()) SetLength(i + 1);
  data_[static_cast<size_t>(i)] = static_cast<char>(v);
}

bool KyBinaryString::Bit(int32_t n) const {
  if (n < 0) return false;
  return (Byte(n / 8) >> (7 - n % 8)) & 1;
}

void KyBinaryString::SetBit(int32_t n, bool on) {
  if (n < 0) return;
  uint8_t b = Byte(n / 8);
  const uint8_t mask = static_cast<uint8_t>(1u << (7 - n % 8));
  b = on ? static_cast<uint8_t>(b | mask) : static_cast<uint8_t>(b & ~mask);
  SetByte(n / 8, b);
}

bool KyBinaryString::FromHex(std::string_view text) {
  std::string bytes;
  if (!HexToBytes(text, bytes)) return false;
  data_ = std::move(bytes);
  return true;
}
