// Value conversion of the SNMP layer.
//
// Every value of a variable list lives as text (KySNMPVarDef::value). This
// file holds our own variable binding (KyVb, what goes on and comes off the
// wire, independent of the SNMP library), the four conversions between a
// binding or an instance suffix and an item's text, the text forms of the
// individual syntaxes, and the small value classes KyDateTime, KyNumList<T>
// and KyBinaryString.
//
// Conversions received -> text never fail on hostile data: a binding of the
// wrong type, an empty or truncated value or an oversized one gives a clear
// text ("(NULL)" when nothing usable arrived) and never reads past its data.
// Conversions text -> wire refuse a text they cannot represent exactly with
// KySNMPException(-518 "Bad value ..."), so nothing malformed is ever sent;
// an unsupported syntax code raises -511 "(KySNMP++) Bad SNMP syntax!".
// All number, real and date-time texts use one fixed notation (the C locale),
// whatever the process locale is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "snmp/VarList.h"

// ---------------------------------------------------------------------------
// Wire types of a variable binding: the ASN.1 / SMI tags.
namespace KyVbType {
constexpr uint8_t Integer = 0x02;        // INTEGER / Integer32
constexpr uint8_t OctetString = 0x04;    // OCTET STRING
constexpr uint8_t Null = 0x05;           // NULL (also: no value, as in a GET request)
constexpr uint8_t ObjectId = 0x06;       // OBJECT IDENTIFIER
constexpr uint8_t IpAddress = 0x40;      // IpAddress (4 octets)
constexpr uint8_t Counter32 = 0x41;
constexpr uint8_t Gauge32 = 0x42;        // Gauge32 / Unsigned32
constexpr uint8_t TimeTicks = 0x43;
constexpr uint8_t Opaque = 0x44;         // octets
constexpr uint8_t Counter64 = 0x46;
constexpr uint8_t UInteger32 = 0x47;     // SMIv1 UInteger32 (received only; read like Gauge32)
constexpr uint8_t NoSuchObject = 0x80;   // SNMPv2 exceptions: no value
constexpr uint8_t NoSuchInstance = 0x81;
constexpr uint8_t EndOfMibView = 0x82;
}  // namespace KyVbType

using KyOid = std::vector<uint32_t>;

// One variable binding as sent or received. It holds whatever an agent sends,
// including types this layer does not expect: the adapter to the SNMP library
// copies the wire type byte unchanged and the value into the field that fits
// (octet-like types of any length into `octets`). StoreValue reads numbers
// from INTEGER and the unsigned types, octets from OCTET STRING, Opaque,
// IpAddress, BIT STRING (0x03) and NsapAddress (0x45), and takes any other
// type as no value.
struct KyVb {
  KyOid oid;                          // name of the binding (full OID with instance)
  uint8_t type = KyVbType::Null;      // wire type tag
  int64_t integer = 0;                // INTEGER (as received; agents may send more than 32 bits)
  uint64_t uinteger = 0;              // Counter32, Gauge32, TimeTicks, Counter64, UInteger32
  std::string octets;                 // OCTET STRING, Opaque, IpAddress and other octet-like types
  KyOid objectId;                     // OBJECT IDENTIFIER value

  // Back to a NULL value (the name stays).
  void SetNull();
  void SetInteger(int64_t v);
  void SetUnsigned(uint8_t wireType, uint64_t v);  // Counter32, Gauge32, TimeTicks, Counter64
  void SetOctets(uint8_t wireType, std::string bytes);  // OCTET STRING, Opaque, IpAddress
  void SetObjectId(KyOid v);

  bool IsNull() const { return type == KyVbType::Null; }
  bool IsException() const { return type >= KyVbType::NoSuchObject && type <= KyVbType::EndOfMibView; }
  // NULL or one of the SNMPv2 exceptions: the binding carries no value.
  bool HasNoValue() const { return IsNull() || IsException(); }

  // The name in dotted text ("" for an empty OID).
  std::string OidText() const;

  bool operator==(const KyVb&) const = default;
};

// Dotted text of an OID: "1.3.6.1" ("" when empty).
std::string OidToText(const KyOid& oid);
// Strict parse of a dotted OID text: decimal sub-identifiers 0..4294967295
// separated by single dots; one leading dot and surrounding blanks are
// allowed; an empty text gives an empty OID. Returns false on anything else.
bool ParseOidText(std::string_view text, KyOid& out);
// Order of two OID texts as ParseOidText reads them (-1, 0 or 1), without
// building them; nullopt when either is not an OID text. A walk compares
// every name it receives.
std::optional<int> CompareOidTexts(std::string_view a, std::string_view b);

// ---------------------------------------------------------------------------
// The four conversions for one item. `lastImplied` tells that the item is the
// last index column of its table and carries the implied flag (its string or
// OID is coded without a length sub-identifier). The list forms compute it:
// i + 1 == keyCount && IsImplied(i).
//
// Items with an option list hold labels: StoreValue and DecodeIndexPart end
// with ValueToLabel, LoadValue and EncodeIndexPart start from LabelToValue.

// Received binding -> item.value.
// Whether a received binding's type is one the syntax can be read from
// (INTEGER and the unsigned types for numbers, the octet-like types for
// strings and addresses, OBJECT IDENTIFIER for OIDs, anything for NULL).
// StoreValue raises -511 for a binding of another type that carries a value.
bool TypeFitsSyntax(Syntax syntax, const KyVb& vb);

void StoreValue(KySNMPVarDef& item, const KyVb& vb);
void StoreValue(KySNMPVarList& list, int i, const KyVb& vb);

// item.value -> binding to send: sets vb's type and value, keeps vb.oid.
// "(NULL)" gives a NULL value for every syntax.
void LoadValue(const KySNMPVarDef& item, KyVb& vb);
void LoadValue(const KySNMPVarList& list, int i, KyVb& vb);

// Sets item.value from the leading sub-identifiers of a dotted instance
// suffix and returns the rest of the suffix in dotted text ("" when all were
// used). Raises -514 when the suffix ends before the column is complete (or
// is no dotted list of sub-identifiers) and -518 when a sub-identifier does
// not fit the column (a byte above 255); item.value is then unchanged.
std::string DecodeIndexPart(KySNMPVarDef& item, bool lastImplied, std::string_view suffix);
std::string DecodeIndexPart(KySNMPVarList& list, int i, std::string_view suffix);

// item.value as dotted sub-identifiers of an instance suffix ("" for a NULL
// column or an empty implied string: leave such a part out when joining).
// A text that does not code exactly raises -518 (a MAC address that is not 6
// bytes, an IPv6 address that is not 16 unless implied, "(NULL)", ...); an
// INTEGER is coded as its 32-bit two's complement, as DecodeIndexPart reads it.
std::string EncodeIndexPart(const KySNMPVarDef& item, bool lastImplied);
std::string EncodeIndexPart(const KySNMPVarList& list, int i);

// True for the 20 syntax codes that the conversions handle; false for a
// value converted from a number that is no code.
bool IsSupportedSyntax(Syntax syntax);

// ---------------------------------------------------------------------------
// Text forms of single syntaxes, for users outside the conversions (editors,
// expressions, dialogs). "Parse" functions are strict: they return false (or
// nullopt) for a text they cannot represent exactly and never throw.

// Hex text: two upper-case digits per byte, no separators.
// Days from 1970-01-01 to a civil date (proleptic Gregorian calendar), and back.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d);
void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d);

std::string BytesToHex(std::string_view bytes);
// Hex text back to bytes: spaces are skipped, digits of either case, an odd
// count makes the first digit a byte of its own ("abc" -> 0A BC). Any other
// character fails.
bool HexToBytes(std::string_view text, std::string& out);

// Signed / unsigned decimal, whole text (surrounding blanks and a leading "+"
// allowed), in range of the type.
bool ParseInt32Text(std::string_view text, int32_t& out);
bool ParseUInt32Text(std::string_view text, uint32_t& out);
bool ParseUInt64Text(std::string_view text, uint64_t& out);

// TimeTicks (hundredths of a second): "h:mm:ss.hh" below one day,
// "1 day h:mm:ss.hh", "N days, h:mm:ss.hh" from two days on.
std::string FormatTimeTicks(uint64_t ticks);
// An optional count followed by "day" or "days"; then, after an optional ",",
// the number before the first ":" is hours, before the next ":" minutes,
// before "." seconds and after it hundredths; a number without its separator
// is not counted ("5:30" is five hours). Fails when no part is counted, on any
// other character, on more than two digits of hundredths and on a total above
// 4294967295.
bool ParseTimeTicks(std::string_view text, uint32_t& ticks);

// Real number: general format with up to 15 significant digits, or more when
// 15 would not read back to the same double (no bit is lost on a round trip).
std::string FormatReal(double v);
// Decimal real with "." (C locale), optional exponent, "inf"/"nan" accepted.
bool ParseReal(std::string_view text, double& out);

// IEEE 754 double, 8 bytes little-endian, both ways. BytesToDouble needs at
// least 8 bytes and reads the first 8.
std::string DoubleToBytes(double v);
std::optional<double> BytesToDouble(std::string_view bytes);

// Date and time as a double counting days since 1899-12-30 (the fraction is
// the time of day), as text "yyyy/mm/dd hh:nn:ss am/pm" (12-hour clock, C
// locale separators "/" and ":", lower-case "am"/"pm"). Rounded to the
// millisecond, shown to the second. nullopt for NaN, infinities and dates
// outside the years 1 to 9999.
std::optional<std::string> FormatDateTimeValue(double days);
// Reads "yyyy/m/d" with an optional time "h:n[:s[.fff]]" and an optional
// "am"/"pm" (any case; then the hour is 1 to 12), checking the calendar.
bool ParseDateTimeValue(std::string_view text, double& days);

// Dotted quad of 4 bytes; other lengths give the bytes dotted ("" for none).
std::string IpBytesToText(std::string_view bytes);
// Exactly four decimal numbers 0..255 separated by dots (blanks around allowed).
bool ParseIpText(std::string_view text, std::string& fourBytes);

// ---------------------------------------------------------------------------
// SNMPv2-TC DateAndTime: 11 octets (or 8 without the offset from UTC).
class KyDateTime {
 public:
  // The current local date and time, deciSeconds 0, direction '+', offset 0:0.
  KyDateTime();
  // Parsed from the text form: tried against "y-m-d,h:n:s.d,+h:m", then
  // "y-m-d,h:n:s.d,-h:m", then "y-m-d,h:n:s.d" (offset 0:0, '+'); each form
  // needs all its fields, blanks before a number are allowed, nothing but
  // blanks may follow. A text that matches no form (or whose numbers do not
  // fit their octets) leaves every field 0, direction '+', and valid() false.
  explicit KyDateTime(std::string_view text);

  // Strict parse used by the constructor.
  static bool Parse(std::string_view text, KyDateTime& out);
  // From received octets: at least 8; the offset is read when there are 11
  // (the year is big-endian on the wire). nullopt when fewer than 8.
  static std::optional<KyDateTime> FromOctets(std::string_view bytes);

  // "y-m-d,h:n:s.d,+h:m" when the offset is not 0:0 or the direction is '-';
  // "y-m-d,h:n:s.d" when it is +0:0 or the direction is neither '+' nor '-'.
  // Numbers carry no leading zeros.
  std::string Format() const;
  // The 11 wire octets, year big-endian (this object is not changed).
  std::string ToOctets() const;
  // Exchanges the two bytes of `year`.
  void SwapYear();

  // False when the text given to the constructor matched no form.
  bool valid() const { return valid_; }

  uint16_t year = 0;       // host order in memory
  uint8_t month = 0;
  uint8_t day = 0;
  uint8_t hour = 0;
  uint8_t minutes = 0;
  uint8_t seconds = 0;
  uint8_t deciSeconds = 0;
  char direction = '+';
  uint8_t utcHours = 0;
  uint8_t utcMinutes = 0;

 private:
  bool valid_ = true;
};

// ---------------------------------------------------------------------------
// A list of numbers read from a delimited text such as "1,3,12" or "10.90.1".
// T is int or unsigned int.
template <typename T>
class KyNumList {
 public:
  explicit KyNumList(char delimiter = '.') : delimiter(delimiter) {}

  // 0 for an absent or empty text, else 1 + the number of delimiters in it.
  uint32_t CountItems(const char* text) const;
  uint32_t CountItems(std::string_view text) const;
  // Drops the old items; CountItems(text) items, all starting at 0; the
  // delimiter moves to the next item, a digit appends to the current one, a
  // "." that is not the delimiter starts a fraction whose digits are ignored;
  // other characters are ignored (the text carries no sign). A number too
  // large for T stays at T's maximum, so a range check still refuses it.
  // Returns true when the text held only digits, delimiters and fractions and
  // no number was too large.
  bool Parse(std::string_view text);
  // Position of the first item equal to value, or -1.
  int IndexOf(T value) const;
  // True when every item lies in [min, max] (true for an empty list).
  bool AllWithin(T min, T max) const;

  uint32_t count() const { return static_cast<uint32_t>(items.size()); }
  T operator[](size_t i) const { return items[i]; }

  std::vector<T> items;
  char delimiter;
};

extern template class KyNumList<int>;
extern template class KyNumList<unsigned int>;

// ---------------------------------------------------------------------------
// A byte buffer (the port bitmaps of the port-list dialogs). Created empty.
// Bit n is bit 7 - (n mod 8) of byte n div 8, so bit 0 is port 1.
class KyBinaryString {
 public:
  KyBinaryString() = default;
  explicit KyBinaryString(std::string bytes) : data_(std::move(bytes)) {}

  int32_t length() const { return static_cast<int32_t>(data_.size()); }
  const std::string& bytes() const { return data_; }
  const uint8_t* data() const { return reinterpret_cast<const uint8_t*>(data_.data()); }
  uint8_t* data() { return reinterpret_cast<uint8_t*>(data_.data()); }
  bool empty() const { return data_.empty(); }

  void Assign(std::string bytes) { data_ = std::move(bytes); }
  // New length; added bytes are 0. A negative length empties the buffer.
  void SetLength(int32_t length);
  void Clear() { data_.clear(); }

  uint8_t Byte(int32_t i) const;         // 0 outside the buffer
  void SetByte(int32_t i, uint8_t v);    // grows the buffer when needed (i >= 0)
  bool Bit(int32_t n) const;             // false outside the buffer
  void SetBit(int32_t n, bool on);       // grows the buffer when needed (n >= 0)

  std::string ToHex() const { return BytesToHex(data_); }
  // Strict, as HexToBytes; the buffer stays unchanged when it fails.
  bool FromHex(std::string_view text);

  bool operator==(const KyBinaryString& o) const { return data_ == o.data_; }

 private:
  std::string data_;
};
