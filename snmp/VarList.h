// Variable definitions, variable lists and option lists: the data model that
// every dialog of the device manager is generated from.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Syntax codes. The SNMP standard codes are SNMP++'s; the others are ours and
// travel on the wire as noted. A number from outside becomes a code only by an
// explicit conversion where it enters; the value conversions raise -511 for a
// number that is no code.
enum class Syntax : int32_t {
  Boolean = 0x01,        // "true"/"false", sent as INTEGER 1/0
  Integer = 0x02,        // signed 32-bit
  Bits = 0x03,           // port list, hex text, OCTET STRING
  OctetString = 0x04,    // hex text
  Null = 0x05,           // "(NULL)"
  ObjectId = 0x06,       // dotted OID
  IpAddress = 0x40,      // dotted quad
  Counter32 = 0x41,      // unsigned 32-bit, sent as Gauge32
  Gauge32 = 0x42,        // Gauge32 / Unsigned32
  TimeTicks = 0x43,      // days and time
  Opaque = 0x44,         // hex text, sent as OCTET STRING
  Address = 0x45,        // dotted quad, sent as IpAddress
  Counter64 = 0x46,      // unsigned 64-bit
  UInteger32 = 0x47,     // unsigned 32-bit, sent as Gauge32
  Real = 0x48,           // IEEE 754 double in 8 octets
  MacAddress = 0x49,     // 6 bytes, hex text
  DateAndTime = 0x4a,    // 11-byte SNMPv2 DateAndTime
  DateTime = 0x4b,       // double, days since 1899-12-30
  DisplayString = 0x4c,  // printable text
  Ipv6Address = 0x4d,    // 16 bytes, hex text
};

// Access flags, a bit set.
namespace Access {
constexpr int32_t Key = 0x01;       // index column of a table
constexpr int32_t Read = 0x02;      // requested by GET and GET-NEXT
constexpr int32_t Write = 0x04;     // sent by SET
constexpr int32_t Display = 0x08;   // list-view column although neither key nor readable
constexpr int32_t Hidden = 0x10;    // zero-width list-view column
constexpr int32_t Excluded = 0x20;  // left out of the current exchange (run time only)
constexpr int32_t Implied = 0x40;   // with Key: IMPLIED last index
}  // namespace Access

// Placeholders of the text forms.
inline constexpr const char* kNullText = "(NULL)";
inline constexpr const char* kNotDoneText = "(NOTDONE)";

// ---------------------------------------------------------------------------
// Static data. Tables are plain constant arrays; the option lists that the
// program uses at run time are built from them on first use and shared.

struct KyOptionPair {
  int32_t value;       // kind 1
  const char* text;    // kinds 2 and 3 (nullptr for kind 1)
  const char* label;
};

struct KyOptionTable {
  const char* name;    // unique name of the enumeration, e.g. "DisabledEnabled23"
  int32_t kind;        // 1 integer values, 2 text matched whole, 3 text matched as prefix
  bool caseSensitive;
  std::span<const KyOptionPair> pairs;
};

struct KyVarDefRow {
  const char* oid;     // dotted OID without instance; " " for an index column never requested
  const char* label;
  Syntax syntax;
  int32_t access;
  const KyOptionTable* options = nullptr;
};

// A static definition table with the shape its users build it with: kind 0
// scalar group, 1 single instance, 2 or 3 table with `keyCount` index columns.
struct KyVarDefTable {
  const char* name;    // unique name of the table, e.g. "DeviceControl2"
  uint8_t kind;
  int32_t keyCount;
  std::span<const KyVarDefRow> rows;
};

// ---------------------------------------------------------------------------
struct KyOptionItem {
  int32_t value = 0;   // kind 1
  std::string text;    // kinds 2 and 3
  std::string label;
};

class KyOptionList {
 public:
  KyOptionList(int32_t kind = 1, bool caseSensitive = false);
  KyOptionList(std::span<const KyOptionPair> table, int32_t kind, bool caseSensitive);
  explicit KyOptionList(const KyOptionTable& table);

  // The process-wide list built from a static option table (built on first use).
  static const KyOptionList* Global(const KyOptionTable* table);

  void AppendOptions(std::span<const KyOptionPair> table);
  void AppendOption(int32_t value, const std::string& label);
  void AppendOption(const std::string& text, const std::string& label);

  int IndexOfLabel(const std::string& text) const;
  int IndexOfValue(const std::string& text) const;
  std::string ValueToLabel(const std::string& text) const;
  std::string LabelToValue(const std::string& text) const;
  // The value text of item i (decimal for kind 1).
  std::string ValueText(int i) const;

  int32_t kind() const { return kind_; }
  bool caseSensitive() const { return caseSensitive_; }
  int Count() const { return static_cast<int>(items_.size()); }
  const KyOptionItem& Item(int i) const { return items_[static_cast<size_t>(i)]; }
  const std::vector<KyOptionItem>& items() const { return items_; }

 private:
  bool LabelEquals(const std::string& a, const std::string& b) const;
  bool StartsWith(const std::string& text, const std::string& prefix) const;

  int32_t kind_;
  bool caseSensitive_;
  std::vector<KyOptionItem> items_;
};

// One variable: a static row copied into a list, plus its current value.
struct KySNMPVarDef {
  std::string oid;
  std::string label;
  Syntax syntax{};  // no code until set
  int32_t access = 0;
  const KyOptionList* options = nullptr;  // not owned
  std::optional<std::string> readExpr;
  std::optional<std::string> writeExpr;
  std::optional<std::string> extraText;
  std::string value;
  std::string lastOid;
};

class KySNMPVarList {
 public:
  KySNMPVarList() = default;
  KySNMPVarList(std::span<const KyVarDefRow> table, uint8_t kind, int32_t keyCount);
  KySNMPVarList(const KyVarDefTable& table, uint8_t kind, int32_t keyCount);
  explicit KySNMPVarList(const KyVarDefTable& table);  // the table's own kind and key count
  KySNMPVarList(const KySNMPVarList& other);
  KySNMPVarList& operator=(const KySNMPVarList& other);  // same as Assign
  KySNMPVarList(KySNMPVarList&&) = default;
  KySNMPVarList& operator=(KySNMPVarList&&) = default;

  // Copies kind, keyCount, name and the items; keeps this list's `index`.
  void Assign(const KySNMPVarList& other);

  void Append(std::span<const KyVarDefRow> table);
  void Append(const KyVarDefTable& table) { Append(table.rows); }
  void AppendItem(const std::string& oid, const std::string& label, Syntax syntax, int32_t access,
                  const KyOptionList* options = nullptr, const std::string& readExpr = {},
                  const std::string& writeExpr = {}, const std::string& extraText = {});
  // Appends "." + text to every item's oid, for good.
  void AppendIndex(const std::string& text);
  void Clear() { items.clear(); }

  int Count() const { return static_cast<int>(items.size()); }
  KySNMPVarDef& Item(int i) { return items[static_cast<size_t>(i)]; }
  const KySNMPVarDef& Item(int i) const { return items[static_cast<size_t>(i)]; }

  bool IsTable() const { return kind == 2 || kind == 3; }
  bool IsExcluded(int i) const { return (Item(i).access & Access::Excluded) != 0; }
  bool IsReadable(int i) const;
  bool IsWritable(int i) const;
  bool IsImplied(int i) const;
  bool IsVisibleColumn(int i) const;
  bool IsHiddenColumn(int i) const;
  int VisibleColumnCount() const;
  int HiddenColumnCount() const;

  std::string index;
  int32_t keyCount = 0;
  uint8_t kind = 0;
  std::string name;
  std::vector<KySNMPVarDef> items;
  std::vector<KyOptionList> ownedOptions;
};
