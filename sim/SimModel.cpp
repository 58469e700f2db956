#include "sim/SimModel.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>

#include "sim/SimStandardTables.h"

namespace sim {

// ---------------------------------------------------------------------------
// Names and types

const char* AccessName(ObjAccess a) {
  switch (a) {
    case ObjAccess::ReadOnly: return "read-only";
    case ObjAccess::ReadWrite: return "read-write";
    case ObjAccess::ReadCreate: return "read-create";
  }
  return "read-only";
}

const char* TypeName(uint8_t type) {
  switch (type) {
    case Asn::Integer: return "INTEGER";
    case Asn::OctetString: return "OCTET-STRING";
    case Asn::Null: return "NULL";
    case Asn::ObjectId: return "OBJECT-IDENTIFIER";
    case Asn::IpAddress: return "IpAddress";
    case Asn::Counter32: return "Counter32";
    case Asn::Gauge32: return "Gauge32";
    case Asn::TimeTicks: return "TimeTicks";
    case Asn::Counter64: return "Counter64";
  }
  return "UNKNOWN";
}

uint8_t WireType(Syntax syntax) {
  switch (syntax) {
    case Syntax::Boolean:
    case Syntax::Integer: return Asn::Integer;
    case Syntax::Null: return Asn::Null;
    case Syntax::ObjectId: return Asn::ObjectId;
    case Syntax::IpAddress:
    case Syntax::Address: return Asn::IpAddress;
    case Syntax::Counter32: return Asn::Counter32;
    case Syntax::Gauge32:
    case Syntax::UInteger32: return Asn::Gauge32;
    case Syntax::TimeTicks: return Asn::TimeTicks;
    case Syntax::Counter64: return Asn::Counter64;
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Opaque:
    case Syntax::Real:
    case Syntax::MacAddress:
    case Syntax::DateAndTime:
    case Syntax::DateTime:
    case Syntax::DisplayString:
    case Syntax::Ipv6Address: return Asn::OctetString;
  }
  return Asn::OctetString;  // a number that is no code
}

namespace {

bool IsNumericType(uint8_t t) {
  return t == Asn::Integer || t == Asn::Counter32 || t == Asn::Gauge32 || t == Asn::TimeTicks ||
         t == Asn::Counter64;
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool Has(const std::string& lowered, std::initializer_list<const char*> words) {
  for (const char* w : words)
    if (lowered.find(w) != std::string::npos) return true;
  return false;
}

// Fixed-size string index components (no length sub-identifier).
size_t FixedLength(Syntax syntax) {
  switch (syntax) {
    case Syntax::IpAddress:
    case Syntax::Address: return 4;
    case Syntax::MacAddress: return 6;
    case Syntax::Ipv6Address: return 16;
    case Syntax::Boolean:
    case Syntax::Integer:
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Null:
    case Syntax::ObjectId:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::TimeTicks:
    case Syntax::Opaque:
    case Syntax::Counter64:
    case Syntax::UInteger32:
    case Syntax::Real:
    case Syntax::DateAndTime:
    case Syntax::DateTime:
    case Syntax::DisplayString: return 0;
  }
  return 0;  // a number that is no code
}

bool IsStringKey(Syntax syntax) {
  uint8_t t = WireType(syntax);
  return t == Asn::OctetString || t == Asn::IpAddress || t == Asn::ObjectId;
}

uint64_t Fnv(const std::string& s, uint64_t h = 1469598103934665603ull) {
  for (unsigned char c : s) {
    h ^= c;
    h *= 1099511628211ull;
  }
  return h;
}

// BITS objects that are no port lists, with the octets their MIBs give them
// (the named bits, rounded up to whole octets). A prefix stands for the
// columns of a table.
struct BitsObject {
  const char* oid;
  size_t octets;
};
constexpr BitsObject kBitsObjects[] = {
    {"1.3.6.1.4.1.32473.12.1.1.1", 1},            // protocol capability
    {"1.3.6.1.4.1.32473.12.10.1", 1},             // time capacity
    {"1.3.6.1.4.1.32473.12.7.1.2", 1},            // SSL cipher suites
    {"1.3.6.1.4.1.32473.12.15.2.3.1.", 8},        // MSTP instance VLAN ranges: 64 VLANs each
    {"1.3.6.1.2.1.10.7.9.1.1", 1},                // dot3ControlFunctionsSupported
    {"1.3.6.1.2.1.17.6.1.1.1", 1},                // dot1dDeviceCapabilities
    {"1.0.8802.1.1.1.1.1.2.1.3", 1},              // dot1xPaePortCapabilities
    {"1.0.8802.1.1.2.1.1.6.1.4", 1},              // lldpPortConfigTLVsTxEnable
    {"1.0.8802.1.1.2.1.5.4623.1.1.1.1.1", 1},     // lldpXdot3PortConfigTLVsTxEnable
    {"1.0.8802.1.1.2.1.3.5", 1},                  // lldpLocSysCapSupported
    {"1.0.8802.1.1.2.1.3.6", 1},                  // lldpLocSysCapEnabled
    {"1.0.8802.1.1.2.1.4.1.1.11", 1},             // lldpRemSysCapSupported
    {"1.0.8802.1.1.2.1.4.1.1.12", 1},             // lldpRemSysCapEnabled
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.1", 1},     // lldpXdot3LocLinkAggStatus
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.1", 1},     // lldpXdot3RemLinkAggStatus
    {"1.3.6.1.6.3.12.1.2.1.3", 6},                // snmpTargetAddrTAddress: a UDP address
};

// Counters by what they count, from their labels.
enum class CounterKind { Octets, Packets, FewPackets, Discards, Faults };

CounterKind KindOfCounter(const std::string& lowered) {
  if (Has(lowered, {"discard", "drop"})) return CounterKind::Discards;
  if (Has(lowered, {"error", "collision", "crc", "fcs", "align", "undersize", "oversize", "fragment", "jabber",
                    "unknown", "invalid", "bad ", "fail", "lost", "overrun", "overflow"}))
    return CounterKind::Faults;
  if (Has(lowered, {"octet", "byte"})) return CounterKind::Octets;
  if (Has(lowered, {"multicast", "broadcast", "non-unicast", "nucast", "pause"})) return CounterKind::FewPackets;
  return CounterKind::Packets;
}

// A counter's label without the "HC" of its 64-bit twin: both count alike.
std::string CounterKey(const std::string& lowered) {
  return lowered.rfind("hc ", 0) == 0 ? lowered.substr(3) : lowered;
}

std::optional<std::string> HexToBytes(const std::string& hex) {
  std::string digits;
  for (char c : hex)
    if (std::isxdigit(static_cast<unsigned char>(c))) digits += c;
    else if (c != ' ' && c != ':' && c != '-') return std::nullopt;
  if (digits.size() % 2) return std::nullopt;
  std::string out;
  for (size_t i = 0; i < digits.size(); i += 2) out += static_cast<char>(std::stoi(digits.substr(i, 2), nullptr, 16));
  return out;
}

std::string BytesToHex(const std::string& b) {
  static const char* d = "0123456789abcdef";
  std::string out;
  for (unsigned char c : b) {
    out += d[c >> 4];
    out += d[c & 15];
  }
  return out;
}

int64_t PreferredOption(const KyOptionTable* opts) {
  static const char* const kPreferred[] = {"enabled", "enable", "up", "active", "true",
                                           "auto", "normal", "nonvolatile"};
  for (const char* p : kPreferred)
    for (const auto& pair : opts->pairs)
      if (pair.label && Lower(pair.label) == p) return pair.value;
  return opts->pairs.empty() ? 0 : opts->pairs.front().value;
}

bool IsRowStatusOptions(const KyOptionTable* opts) {
  if (!opts || opts->kind != 1) return false;
  // 4 = createAndGo and 6 = destroy; other enumerations have values 4 and 6 too.
  bool go = false, destroy = false;
  for (const auto& p : opts->pairs) {
    std::string label = p.label ? Lower(p.label) : "";
    go = go || (p.value == RowStatus::CreateAndGo && label == "createandgo");
    destroy = destroy || (p.value == RowStatus::Destroy && label == "destroy");
  }
  return go && destroy;
}

// An index component made from a row number.
Value FromNumber(const KeySpec& k, int n, const std::string& word) {
  uint32_t u = static_cast<uint32_t>(n);
  uint8_t t = WireType(k.syntax);
  switch (k.syntax) {
    case Syntax::IpAddress:
    case Syntax::Address:
      return Value::Ip(std::string{'\xc0', '\xa8', static_cast<char>((u >> 8) & 255), static_cast<char>(u & 255)});
    case Syntax::MacAddress:
      return Value::Octets(std::string{'\x00', '\x00', '\x5e', '\x00', static_cast<char>((0x53 + (u >> 8)) & 255),
                                       static_cast<char>(u & 255)});
    case Syntax::Ipv6Address: {
      std::string b(16, '\0');
      b[0] = '\xfe';
      b[1] = '\x80';
      b[14] = static_cast<char>((u >> 8) & 255);
      b[15] = static_cast<char>(u & 255);
      return Value::Octets(b);
    }
    case Syntax::ObjectId: return Value::ObjId({1, 3, 6, 1, 4, 1, 32473, u});
    case Syntax::Boolean:
    case Syntax::Integer:
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Null:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::TimeTicks:
    case Syntax::Opaque:
    case Syntax::Counter64:
    case Syntax::UInteger32:
    case Syntax::Real:
    case Syntax::DateAndTime:
    case Syntax::DateTime:
    case Syntax::DisplayString: break;  // by wire type below
  }
  if (t == Asn::OctetString) return Value::Octets(word + std::to_string(n));
  if (t == Asn::Integer) return Value::Int(n);
  return Value::Num(t, u);
}

std::string FirstWord(const std::string& label) {
  std::string w;
  for (char c : label) {
    if (std::isalnum(static_cast<unsigned char>(c))) w += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    else if (!w.empty()) break;
  }
  return w.empty() ? "row" : w;
}

// The idle value of an action variable: a writable enumerated INTEGER whose
// label says it does something once (send, start, clear, an action) and
// whose enumeration has a value for doing nothing.
std::optional<int64_t> ActionIdle(const std::string& label, int32_t access, uint8_t type,
                                  const KyOptionTable* opts) {
  if (!(access & Access::Write) || type != Asn::Integer || !opts || opts->kind != 1) return std::nullopt;
  const std::string l = Lower(label);
  if (!Has(l, {"action", "clear", "send", "start", "file control"})) return std::nullopt;
  static const char* const kIdle[] = {"noaction", "no-action", "normal", "inactive", "other", "idle"};
  for (const char* idle : kIdle)
    for (const auto& p : opts->pairs)
      if (p.label && Lower(p.label) == idle) return p.value;
  return std::nullopt;
}

struct RowlessRule {
  const char* entry;
  uint32_t column;
  int64_t create, remove, fresh;
};
// The tables whose rows come and go without a RowStatus column; the one place
// they are recognised. The standard Q-BRIDGE static unicast and multicast
// filters: any write creates the entry, Status invalid(2) removes it, a new
// one is permanent(3). The authentication server-group members: "Row State"
// add(1) creates, delete(2) removes.
constexpr RowlessRule kRowless[] = {
    {"1.3.6.1.2.1.17.7.1.3.1.1", 4, 0, 2, 3},
    {"1.3.6.1.2.1.17.7.1.3.2.1", 5, 0, 2, 3},
    {"1.3.6.1.4.1.32473.12.5.12.1", 4, 1, 2, 1},
};

}  // namespace

// ---------------------------------------------------------------------------
// Index coding

std::optional<std::vector<Value>> DecodeIndex(const std::vector<KeySpec>& keys, const Oid& suffix) {
  std::vector<Value> out;
  size_t pos = 0;
  for (size_t i = 0; i < keys.size(); ++i) {
    const KeySpec& k = keys[i];
    bool last = i + 1 == keys.size();
    uint8_t t = WireType(k.syntax);
    if (!IsStringKey(k.syntax)) {
      if (pos >= suffix.size()) return std::nullopt;
      uint32_t v = suffix[pos++];
      if (t == Asn::Integer) {
        if (v > 0x7FFFFFFFu) return std::nullopt;
        out.push_back(Value::Int(v));
      } else {
        out.push_back(Value::Num(t, v));
      }
      continue;
    }
    size_t len;
    if (size_t fixed = FixedLength(k.syntax)) {
      len = fixed;
    } else if (k.implied && last) {
      len = suffix.size() - pos;
    } else {
      if (pos >= suffix.size()) return std::nullopt;
      len = suffix[pos++];
    }
    if (len > suffix.size() - pos) return std::nullopt;
    if (t == Asn::ObjectId) {
      out.push_back(Value::ObjId(Oid(suffix.begin() + static_cast<long>(pos), suffix.begin() + static_cast<long>(pos + len))));
    } else {
      std::string b;
      for (size_t j = 0; j < len; ++j) {
        if (suffix[pos + j] > 255) return std::nullopt;
        b += static_cast<char>(suffix[pos + j]);
      }
      out.push_back(t == Asn::IpAddress ? Value::Ip(b) : Value::Octets(b));
    }
    pos += len;
  }
  if (pos != suffix.size()) return std::nullopt;
  return out;
}

Oid EncodeIndex(const std::vector<KeySpec>& keys, const std::vector<Value>& values) {
  Oid out;
  for (size_t i = 0; i < keys.size() && i < values.size(); ++i) {
    const KeySpec& k = keys[i];
    const Value& v = values[i];
    bool last = i + 1 == keys.size();
    if (!IsStringKey(k.syntax)) {
      out.push_back(static_cast<uint32_t>(v.number));
      continue;
    }
    const size_t fixed = FixedLength(k.syntax);
    bool prefix = fixed == 0 && !(k.implied && last);
    if (fixed) {
      std::string b = v.bytes;
      b.resize(fixed, '\0');
      for (unsigned char c : b) out.push_back(c);
    } else if (v.type == Asn::ObjectId) {
      if (prefix) out.push_back(static_cast<uint32_t>(v.oid.size()));
      out.insert(out.end(), v.oid.begin(), v.oid.end());
    } else {
      if (prefix) out.push_back(static_cast<uint32_t>(v.bytes.size()));
      for (unsigned char c : v.bytes) out.push_back(c);
    }
  }
  return out;
}

// ---------------------------------------------------------------------------
// Values in the state file

std::string EncodeValue(const Value& v) {
  char head[8];
  std::snprintf(head, sizeof head, "%02x:", v.type);
  std::string s = head;
  switch (v.type) {
    case Asn::Integer: s += std::to_string(v.AsInt()); break;
    case Asn::OctetString:
    case Asn::IpAddress: s += BytesToHex(v.bytes); break;
    case Asn::ObjectId: s += OidToString(v.oid); break;
    case Asn::Null: break;
    default: s += std::to_string(v.number); break;
  }
  return s;
}

std::optional<Value> DecodeValue(const std::string& text) {
  if (text.size() < 3 || text[2] != ':') return std::nullopt;
  if (!std::isxdigit(static_cast<unsigned char>(text[0])) || !std::isxdigit(static_cast<unsigned char>(text[1])))
    return std::nullopt;
  Value v;
  v.type = static_cast<uint8_t>(std::stoi(text.substr(0, 2), nullptr, 16));
  std::string p = text.substr(3);
  try {
    switch (v.type) {
      case Asn::Integer: {
        size_t used = 0;
        long long n = std::stoll(p, &used);
        if (used != p.size() || n < INT32_MIN || n > INT32_MAX) return std::nullopt;
        v.number = static_cast<uint64_t>(n);
        return v;
      }
      case Asn::OctetString:
      case Asn::IpAddress: {
        auto b = HexToBytes(p);
        if (!b || (v.type == Asn::IpAddress && b->size() != 4)) return std::nullopt;
        v.bytes = *b;
        return v;
      }
      case Asn::ObjectId: {
        if (p.empty()) return v;
        auto o = ParseOid(p);
        if (!o) return std::nullopt;
        v.oid = *o;
        return v;
      }
      case Asn::Null: return p.empty() ? std::optional<Value>(v) : std::nullopt;
      case Asn::Counter32:
      case Asn::Gauge32:
      case Asn::TimeTicks:
      case Asn::Counter64: {
        if (p.empty() || p[0] == '-') return std::nullopt;
        size_t used = 0;
        unsigned long long n = std::stoull(p, &used);
        if (used != p.size() || (v.type != Asn::Counter64 && n > 0xFFFFFFFFull)) return std::nullopt;
        v.number = n;
        return v;
      }
      default: return std::nullopt;
    }
  } catch (...) {
    return std::nullopt;
  }
}

// ---------------------------------------------------------------------------
// Building

Model::Model(ModelConfig config) : config_(std::move(config)), rng_(config_.seed) {
  start_ = std::chrono::steady_clock::now();
  ledOid_ = *ParseOid(kLedOid);
  std::mt19937 setup(config_.seed ^ 0x5eed);
  for (int p = 1; p <= kPortCount; ++p) {
    PortSim& ps = ports_[p - 1];
    if (p <= 48) {
      ps.link = setup() % 100 < 75;
      ps.gigabit = setup() % 100 < 70;
    } else {
      ps.link = p <= 50;
      ps.gigabit = true;
    }
  }
  ports_[0].link = true;  // port 1 is always cabled: a steady reference
}

bool Model::Excluded(const Oid& oid) const {
  for (const Oid& e : config_.excluded)
    if (IsPrefix(e, oid)) return true;
  return false;
}

void Model::Build(std::span<const KyVarDefTable* const> defs) {
  // Tables first, then scalar groups and single-instance lists: a list whose
  // objects lie inside a table entry adds per-instance columns to that table,
  // whichever definition comes first. The project's own definitions go before
  // the simulator's in each pass.
  for (bool tablesPass : {true, false}) {
    auto pass = [&](std::span<const KyVarDefTable* const> list) {
      for (const KyVarDefTable* d : list)
        if (d && (d->kind >= 2) == tablesPass) AddDefinition(*d);
    };
    pass(defs);
    pass(StandardTables());
  }
  for (auto& [entry, t] : tables_) SeedRows(*t);
  for (auto& [entry, t] : tables_) SetUpRowless(*t);
  IndexObjects();
}

void Model::AddDefinition(const KyVarDefTable& def) {
  auto isKnown = [&](const Oid& oid) {
    if (scalars_.count(oid)) return true;
    if (oid.empty()) return false;
    Oid entry(oid.begin(), oid.end() - 1);
    auto it = tables_.find(entry);
    return it != tables_.end() && it->second->columns.count(oid.back());
  };
  auto makeColumn = [&](const KyVarDefRow& r, const Oid& oid) {
    Column c;
    c.subid = oid.back();
    c.oid = oid;
    c.label = r.label ? r.label : "";
    c.syntax = r.syntax;
    c.type = WireType(r.syntax);
    c.access = (r.access & Access::Write) ? ObjAccess::ReadWrite : ObjAccess::ReadOnly;
    c.options = r.options;
    c.idle = ActionIdle(c.label, r.access, c.type, r.options);
    return c;
  };

  if (def.kind == 0 || def.kind == 1) {
    for (const KyVarDefRow& r : def.rows) {
      if (!r.oid) continue;
      auto oid = ParseOid(r.oid);
      if (!oid || oid->size() < 2 || Excluded(*oid) || isKnown(*oid)) continue;
      if (def.kind == 1) {
        // Inside a table entry: one more column of that table, read and
        // written per row (the list's user appends the row's instance).
        if (Table* t = FindTable(Oid(oid->begin(), oid->end() - 1))) {
          Column c = makeColumn(r, *oid);
          if (t->rowStatusCol && c.access != ObjAccess::ReadOnly) c.access = ObjAccess::ReadCreate;
          t->columns[c.subid] = c;
          continue;
        }
      }
      auto s = std::make_unique<Scalar>();
      s->name = def.name;
      s->def = makeColumn(r, *oid);
      s->value = DefaultValue(nullptr, s->def, 1, 1);
      scalars_[*oid] = std::move(s);
    }
    return;
  }

  size_t keyCount = static_cast<size_t>(std::clamp<int32_t>(def.keyCount, 0, static_cast<int32_t>(def.rows.size())));
  std::vector<KeySpec> keys;
  for (size_t i = 0; i < keyCount; ++i) {
    const KyVarDefRow& r = def.rows[i];
    keys.push_back({r.syntax, (r.access & Access::Implied) != 0, r.label ? r.label : "", r.options});
  }
  if (keys.empty()) keys.push_back({Syntax::Integer, false, "Index", nullptr});

  std::vector<Table*> mine;
  auto tableFor = [&](const Oid& entry) -> Table* {
    auto it = tables_.find(entry);
    if (it == tables_.end()) {
      auto t = std::make_unique<Table>();
      t->name = def.name;
      t->entry = entry;
      t->keys = keys;
      it = tables_.emplace(entry, std::move(t)).first;
    }
    if (std::find(mine.begin(), mine.end(), it->second.get()) == mine.end()) mine.push_back(it->second.get());
    return it->second.get();
  };

  for (size_t i = keyCount; i < def.rows.size(); ++i) {
    const KyVarDefRow& r = def.rows[i];
    if (!r.oid) continue;
    auto oid = ParseOid(r.oid);
    if (!oid || oid->size() < 2 || Excluded(*oid) || isKnown(*oid) || scalars_.count(*oid)) continue;
    Table* t = tableFor(Oid(oid->begin(), oid->end() - 1));
    Column c = makeColumn(r, *oid);
    c.rowStatus = IsRowStatusOptions(r.options);
    t->columns[c.subid] = c;
  }
  // Index columns with an OID of their own: served from the instance suffix
  // when they belong to one of this definition's tables.
  for (size_t i = 0; i < keyCount; ++i) {
    const KyVarDefRow& r = def.rows[i];
    if (!r.oid) continue;
    auto oid = ParseOid(r.oid);
    if (!oid || oid->size() < 2 || Excluded(*oid) || isKnown(*oid)) continue;
    Oid entry(oid->begin(), oid->end() - 1);
    Table* t = nullptr;
    for (Table* m : mine)
      if (m->entry == entry) t = m;
    if (!t && mine.empty()) t = tableFor(entry);  // a table of index columns only
    if (!t || t->keys.size() != keys.size()) continue;
    Column c = makeColumn(r, *oid);
    c.access = ObjAccess::ReadOnly;
    c.indexPos = static_cast<int>(i);
    t->columns[c.subid] = c;
  }
  for (Table* t : mine) {
    t->rowStatusCol = 0;
    for (auto& [sub, c] : t->columns)
      if (c.rowStatus && c.indexPos < 0 && !t->rowStatusCol) t->rowStatusCol = sub;
    for (auto& [sub, c] : t->columns) {
      if (sub != t->rowStatusCol) c.rowStatus = false;
      if (t->rowStatusCol && c.access != ObjAccess::ReadOnly) c.access = ObjAccess::ReadCreate;
    }
  }
}

void Model::SetUpRowless(Table& t) {
  if (t.rowStatusCol) return;
  for (const RowlessRule& r : kRowless) {
    if (OidToString(t.entry) != r.entry) continue;
    auto c = t.columns.find(r.column);
    if (c == t.columns.end() || c->second.indexPos >= 0 || c->second.type != Asn::Integer ||
        c->second.access == ObjAccess::ReadOnly)
      return;
    t.rowlessCol = r.column;
    t.rowlessCreate = r.create;
    t.rowlessDelete = r.remove;
    t.rowlessNew = r.fresh;
    for (auto& [index, row] : t.rows) row.cells[r.column] = Value::Int(r.fresh);
  }
}

RowRec Model::NewRow(Table& t, const Oid& index) const {
  auto keys = DecodeIndex(t.keys, index);
  RowRec row;
  row.keys = keys ? *keys : std::vector<Value>{};
  int n = 1;
  if (!row.keys.empty() && IsNumericType(row.keys[0].type)) n = static_cast<int>(row.keys[0].number);
  int port = (n >= 1 && n <= kPortCount) ? n : 1;
  for (auto& [sub, col] : t.columns)
    if (col.indexPos < 0) {
      Value d = DefaultValue(&t, col, n + 1000, port);  // a new row gets no seeded extras
      if (col.syntax == Syntax::DisplayString && Has(Lower(col.label), {"name"})) d = Value::Octets("");
      row.cells[sub] = d;
    }
  if (t.rowlessCol) row.cells[t.rowlessCol] = Value::Int(t.rowlessNew);
  return row;
}

void Model::SeedRows(Table& t) {
  const std::string name = Lower(t.name);
  const std::string entryText = OidToString(t.entry);
  auto isInt = [](const KeySpec& k) { return !IsStringKey(k.syntax); };
  // "Trunk VLAN Port" is a port, "IGMP Router Port VLAN ID" a VLAN.
  auto portWord = [](const std::string& label) {
    std::string l = Lower(label);
    while (!l.empty() && l.back() == ' ') l.pop_back();
    if (l.size() >= 4 && l.compare(l.size() - 4, 4, "port") == 0) return true;
    if (Has(l, {"vlan"})) return false;
    return Has(l, {"port", "ifindex", "if index", "interface"});
  };
  auto vlanWord = [](const std::string& l) { return Has(Lower(l), {"vlan", "fdb"}); };

  if (entryText == "1.3.6.1.6.3.18.1.1.1") {  // communities: the ones this agent answers to
    for (const std::string& c : {config_.readCommunity, config_.writeCommunity}) {
      if (c.empty()) continue;
      std::vector<Value> keys{Value::Octets(c)};
      Oid index = EncodeIndex(t.keys, keys);
      if (t.rows.count(index)) continue;
      RowRec& row = t.rows[index];
      row.keys = keys;
      for (auto& [sub, col] : t.columns) {
        if (col.indexPos >= 0) continue;
        Value v = DefaultValue(&t, col, 1, 1);
        if (sub == 2 || sub == 3) v = Value::Octets(c);
        if (sub == 4) v = Value::Octets(config_.engineId);
        if (sub == 5 || sub == 6) v = Value::Octets("");
        row.cells[sub] = v;
      }
    }
    return;
  }

  auto timeKey = [](const KeySpec& k) { return WireType(k.syntax) == Asn::TimeTicks; };
  bool remoteKeys = false;
  for (const KeySpec& k : t.keys) remoteKeys = remoteKeys || timeKey(k) || Has(Lower(k.label), {"remote"});

  // Neighbour tables (LLDP remote data, single-IP neighbours): a few rows on
  // ports 1, 5 and 49. Per-port tables: one row per port. VLAN tables: VLAN 1.
  // Anything else: two rows.
  enum { PerPort, Neighbour, Few } kind = Few;
  int count = 2;
  if (remoteKeys || Has(name, {"neighbo"}) || (Has(name, {"lldp"}) && Has(name, {"rem"}))) {
    kind = Neighbour;
    count = 3;
  } else if (isInt(t.keys[0]) && !timeKey(t.keys[0]) &&
             (portWord(t.keys[0].label) ||
              (Has(name, {"port", "ifx", "iftable", "interface"}) && !vlanWord(t.keys[0].label)))) {
    kind = PerPort;
    count = kPortCount;
  } else if (Has(name, {"vlan"}) || (t.keys.size() == 1 && isInt(t.keys[0]) && vlanWord(t.keys[0].label))) {
    count = 1;
  }
  for (const std::string& key : {t.name, entryText}) {
    auto it = config_.rowCounts.find(key);
    if (it != config_.rowCounts.end()) count = std::max(0, it->second);
  }

  // The key that tells rows apart: the first one that is neither a time
  // mark, nor a port, nor (with several keys) a VLAN/FDB id.
  size_t identity = 0;
  for (size_t i = 0; i < t.keys.size(); ++i) {
    const KeySpec& k = t.keys[i];
    if (timeKey(k) || (isInt(k) && portWord(k.label)) || (t.keys.size() > 1 && isInt(k) && vlanWord(k.label)))
      continue;
    identity = i;
    break;
  }

  static const int kLldpPorts[] = {1, 5, 49};
  for (int n = 1; n <= count; ++n) {
    int port = kind == PerPort ? n : kind == Neighbour ? kLldpPorts[(n - 1) % 3] : ((n - 1) % kPortCount) + 1;
    // Per-port tables with an enumerated second key (such as the medium):
    // the first choice on every port, the others on the combo ports 49, 50.
    std::vector<std::vector<Value>> variants(1);
    for (size_t i = 0; i < t.keys.size(); ++i) {
      const KeySpec& k = t.keys[i];
      std::vector<Value> choices;
      if (timeKey(k)) {
        choices.push_back(Value::Num(Asn::TimeTicks, 0));
      } else if (isInt(k) && (portWord(k.label) || (kind == PerPort && i == 0))) {
        choices.push_back(FromNumber(k, port, ""));
      } else if (kind != PerPort && i == identity) {
        // Method lists: the first is the switch's own "default" list.
        if (n == 1 && Lower(k.label) == "method list name") choices.push_back(Value::Octets("default"));
        else choices.push_back(FromNumber(k, n, FirstWord(k.label)));
      } else if (isInt(k) && k.options && k.options->kind == 1 && !k.options->pairs.empty()) {
        Value first = FromNumber(k, static_cast<int>(PreferredOption(k.options)), "");
        choices.push_back(first);
        if (kind == PerPort && (port == 49 || port == 50))
          for (const auto& p : k.options->pairs)
            if (FromNumber(k, p.value, "") != first) choices.push_back(FromNumber(k, p.value, ""));
      } else {
        choices.push_back(FromNumber(k, 1, FirstWord(k.label)));
      }
      std::vector<std::vector<Value>> next;
      for (const auto& v : variants)
        for (const Value& c : choices) {
          next.push_back(v);
          next.back().push_back(c);
        }
      variants = std::move(next);
    }
    for (const auto& keys : variants) {
      Oid index = EncodeIndex(t.keys, keys);
      if (t.rows.count(index)) continue;
      RowRec& row = t.rows[index];
      row.keys = keys;
      for (auto& [sub, col] : t.columns)
        if (col.indexPos < 0) row.cells[sub] = DefaultValue(&t, col, n, port);
    }
  }
}

size_t BitsObjectOctets(const std::string& oid) {
  for (const BitsObject& b : kBitsObjects) {
    const std::string prefix = b.oid;
    if (prefix.back() == '.' ? oid.rfind(prefix, 0) == 0 : oid == prefix) return b.octets;
  }
  return 0;
}

// The ports given set, in the length of the switch's port lists; bits past
// the last port stay 0.
std::string Model::PortList(const std::vector<int>& ports) const {
  std::string b(config_.portListOctets, '\0');
  for (int p : ports) {
    if (p < 1 || p > kPortCount) continue;
    const size_t bit = static_cast<size_t>(p - 1);
    if (bit / 8 < b.size()) b[bit / 8] = static_cast<char>(b[bit / 8] | (0x80 >> (bit % 8)));
  }
  return b;
}

double Model::CounterRate(const Column& c, uint32_t row) const {
  const std::string lab = Lower(c.label);
  const std::string out = Has(lab, {"out", "tx", "transmit", "sent"}) ? "out/" : "in/";
  const std::string where = out + std::to_string(row);
  // Packets a second: light office traffic, 5 to 64 frames of 64 to 1063 octets.
  const double packets = 5 + static_cast<double>(Fnv("packets/" + where, config_.seed) % 60);
  switch (KindOfCounter(lab)) {
    case CounterKind::Octets: return packets * static_cast<double>(64 + Fnv("frame/" + where, config_.seed) % 1000);
    case CounterKind::Packets: return packets;
    case CounterKind::FewPackets: return packets / 20;
    case CounterKind::Discards:  // a full queue now and then on one port in six
      return Fnv("discards/" + std::to_string(row), config_.seed) % 6 == 0 ? packets / 500 : 0;
    case CounterKind::Faults: return row == static_cast<uint32_t>(kErrorPort) ? packets / 100 : 0;
  }
  return 0;
}

Value Model::DefaultValue(const Table* t, const Column& c, int n, int port) const {
  const std::string lab = Lower(c.label);
  const std::string tname = t ? Lower(t->name) : "";
  const std::string oidText = OidToString(c.oid);
  const bool vlanTable = Has(tname, {"vlan"});
  const bool trunkTable = Has(tname, {"trunk", "lag", "aggreg", "channel"});
  const Syntax sx = c.syntax;

  if (c.rowStatus) return Value::Int(RowStatus::Active);

  // Interfaces of the switch: a few columns whose values say what a port is.
  static const std::map<std::string, std::string> kStandard = {
      {"1.3.6.1.2.1.2.1", "i52"},           {"1.3.6.1.2.1.2.2.1.2", "sPort {p}"},
      {"1.3.6.1.2.1.2.2.1.3", "i6"},        {"1.3.6.1.2.1.2.2.1.4", "i1500"},
      {"1.3.6.1.2.1.2.2.1.7", "i1"},        {"1.3.6.1.2.1.31.1.1.1.1", "s{p}"},
      {"1.3.6.1.2.1.31.1.1.1.17", "i1"},    {"1.3.6.1.2.1.31.1.1.1.16", "i2"},
      {"1.3.6.1.6.3.18.1.1.1.7", "i3"},     {"1.3.6.1.2.1.1.1", "sQRX-900 52-port managed switch"},
      // Spanning-tree bridge: the usual timers (hundredths of a second).
      {"1.3.6.1.4.1.32473.12.15.1.3", "i2000"}, {"1.3.6.1.4.1.32473.12.15.1.4", "i200"},
      {"1.3.6.1.4.1.32473.12.15.1.5", "i1500"}, {"1.3.6.1.4.1.32473.12.15.1.6", "i20"},
      {"1.3.6.1.4.1.32473.12.15.1.7", "i3"},    {"1.3.6.1.4.1.32473.12.15.1.10", "i60"},
      // SSL with every cipher suite, the safeguard's thresholds, LLDP
      // capabilities (bridge and router, bridge enabled) and aggregation.
      {"1.3.6.1.4.1.32473.12.7.1.2", "s\xf0"},       {"1.3.6.1.4.1.32473.12.19.2.1", "i100"},
      {"1.3.6.1.4.1.32473.12.19.2.2", "i20"},         {"1.0.8802.1.1.2.1.3.5", "s\x28"},
      {"1.0.8802.1.1.2.1.3.6", "s\x20"},             {"1.0.8802.1.1.2.1.4.1.1.11", "s\x28"},
      {"1.0.8802.1.1.2.1.4.1.1.12", "s\x20"},        {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.1", "s\x80"},
      {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.1", "s\xc0"},
      // RADIUS and authentication server ports and timers, the SSL cache.
      {"1.3.6.1.4.1.32473.12.3.2.4.1.4", "i1812"},    {"1.3.6.1.4.1.32473.12.3.2.4.1.5", "u1813"},
      {"1.3.6.1.4.1.32473.12.5.10.1.3", "i49"},       {"1.3.6.1.4.1.32473.12.5.10.1.5", "i5"},
      {"1.3.6.1.4.1.32473.12.5.10.1.6", "i2"},        {"1.3.6.1.4.1.32473.12.7.1.3", "u600"},
  };
  if (auto it = kStandard.find(oidText); it != kStandard.end()) {
    std::string v = it->second.substr(1);
    if (it->second[0] == 'i') return Value::Int(std::stoll(v));
    if (it->second[0] == 'u') return Value::Num(Asn::Gauge32, std::stoull(v));
    for (size_t at; (at = v.find("{p}")) != std::string::npos;) v.replace(at, 3, std::to_string(port));
    return Value::Octets(v);
  }

  if (c.options && c.options->kind == 1 && WireType(sx) == Asn::Integer)
    return Value::Int(PreferredOption(c.options));
  if (c.options && c.options->kind != 1 && !c.options->pairs.empty() && c.options->pairs.front().text) {
    std::string text = c.options->pairs.front().text;
    if (WireType(sx) == Asn::ObjectId)
      if (auto o = ParseOid(text)) return Value::ObjId(*o);
    if (sx == Syntax::Bits || sx == Syntax::OctetString)
      if (auto b = HexToBytes(text)) return Value::Octets(*b);
    if (WireType(sx) == Asn::OctetString) return Value::Octets(text);
  }

  switch (WireType(sx)) {
    case Asn::Integer: {
      if (sx == Syntax::Boolean) return Value::Int(1);
      if (Has(lab, {"vlan"})) return Value::Int(1);
      if (trunkTable && Has(lab, {"master"})) return Value::Int(43 + 2 * n);  // its first member
      if (Has(lab, {"port"})) return Value::Int(port);
      if (Has(lab, {"mtu"})) return Value::Int(1500);
      if (Has(lab, {"index", " id", "number"})) return Value::Int(n);
      return Value::Int(0);
    }
    case Asn::Gauge32:
      if (Has(lab, {"high speed"})) return Value::Num(Asn::Gauge32, 1000);
      if (Has(lab, {"speed"})) return Value::Num(Asn::Gauge32, 1000000000);
      if (Has(lab, {"vlan"})) return Value::Num(Asn::Gauge32, 1);
      return Value::Num(Asn::Gauge32, 0);
    case Asn::Counter32:
    case Asn::Counter64: {
      // A 32-bit counter and its 64-bit twin start alike.
      const uint32_t row = static_cast<uint32_t>(n);
      if (n == kWrapPort && KindOfCounter(lab) == CounterKind::Octets) {
        const auto before = static_cast<uint64_t>(CounterRate(c, row) * kWrapSeconds);
        return Value::Num(WireType(sx), 0x100000000ull - before);
      }
      if (CounterRate(c, row) == 0) return Value::Num(WireType(sx), 0);
      const uint64_t h = Fnv(CounterKey(lab) + "/" + std::to_string(n), config_.seed);
      const uint64_t start = h % 1000000;
      return Value::Num(WireType(sx), KindOfCounter(lab) == CounterKind::Octets ? start : start / 100);
    }
    case Asn::TimeTicks: return Value::Num(Asn::TimeTicks, 0);
    case Asn::IpAddress:
      if (Has(lab, {"mask"})) return Value::Ip(std::string{'\xff', '\xff', '\xff', '\x00'});
      if (Has(lab, {"gateway", "router"})) return Value::Ip(std::string{'\xc0', '\x00', '\x02', '\x01'});
      if (!t && Has(lab, {"ip", "address"})) return Value::Ip(std::string{'\xc0', '\x00', '\x02', '\x0a'});
      return Value::Ip(std::string(4, '\0'));
    case Asn::ObjectId: return Value::ObjId({0, 0});
    case Asn::Null: return Value{};
    default: break;
  }
  switch (sx) {
    case Syntax::MacAddress:
      return Value::Octets(std::string{'\x00', '\x00', '\x5e', '\x00', '\x53', static_cast<char>(t ? port : 0)});
    case Syntax::Ipv6Address: return Value::Octets(std::string(16, '\0'));
    case Syntax::Real:
    case Syntax::DateTime: return Value::Octets(std::string(8, '\0'));
    case Syntax::DateAndTime: return Value::Octets(std::string{'\x07', '\xea', 1, 1, 0, 0, 0, 0, '+', 0, 0});
    case Syntax::Bits: {
      if (const size_t octets = BitsObjectOctets(oidText)) return Value::Octets(std::string(octets, '\0'));
      if (vlanTable && n == 1 && Has(lab, {"egress", "untagged", "member"}) && !Has(lab, {"forbidden"})) {
        std::vector<int> all;
        for (int p = 1; p <= kPortCount; ++p) all.push_back(p);
        return Value::Octets(PortList(all));
      }
      if (trunkTable && Has(lab, {"member", "port"})) return Value::Octets(PortList({43 + 2 * n, 44 + 2 * n}));
      return Value::Octets(PortList({}));
    }
    case Syntax::DisplayString:
      if (Has(lab, {"name"})) {
        if (vlanTable) return Value::Octets(n == 1 ? "default" : "VLAN" + std::to_string(n));
        if (!t) return Value::Octets("QRX-900");
        return Value::Octets(FirstWord(c.label) + std::to_string(n));
      }
      if (Has(lab, {"version"})) return Value::Octets("1.00.010");
      if (Has(lab, {"location"})) return Value::Octets("Lab rack 1");
      if (Has(lab, {"contact"})) return Value::Octets("noc@example.net");
      return Value::Octets("");
    case Syntax::OctetString:
      // LACP actor and partner states: one octet of bits, the first the most
      // significant: activity, aggregation, defaulted.
      if (trunkTable && Has(lab, {"state"})) return Value::Octets(std::string(1, '\xa2'));
      return Value::Octets("");
    case Syntax::Boolean:
    case Syntax::Integer:
    case Syntax::Null:
    case Syntax::ObjectId:
    case Syntax::IpAddress:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::TimeTicks:
    case Syntax::Opaque:
    case Syntax::Address:
    case Syntax::Counter64:
    case Syntax::UInteger32: break;
  }
  return Value::Octets("");
}

void Model::IndexObjects() {
  objects_.clear();
  objectIndex_.clear();
  for (auto& [oid, s] : scalars_) objects_.push_back({oid, nullptr, 0, s.get()});
  for (auto& [entry, t] : tables_)
    for (auto& [sub, c] : t->columns) objects_.push_back({c.oid, t.get(), sub, nullptr});
  std::sort(objects_.begin(), objects_.end(), [](const ServedObject& a, const ServedObject& b) { return a.oid < b.oid; });
  // An object inside another one's subtree could never be reached: drop it.
  std::vector<ServedObject> kept;
  for (const ServedObject& o : objects_)
    if (kept.empty() || !IsPrefix(kept.back().oid, o.oid)) kept.push_back(o);
  objects_ = std::move(kept);
  for (size_t i = 0; i < objects_.size(); ++i) objectIndex_[objects_[i].oid] = i;
}

const ServedObject* Model::Resolve(const Oid& oid) const {
  auto it = objectIndex_.upper_bound(oid);
  if (it == objectIndex_.begin()) return nullptr;
  --it;
  if (!IsPrefix(it->first, oid)) return nullptr;
  return &objects_[it->second];
}

Table* Model::FindTable(const Oid& entry) {
  auto it = tables_.find(entry);
  return it == tables_.end() ? nullptr : it->second.get();
}

const Table* Model::FindTable(const Oid& entry) const {
  auto it = tables_.find(entry);
  return it == tables_.end() ? nullptr : it->second.get();
}

// ---------------------------------------------------------------------------
// Reading

std::optional<Value> Model::Live(const ServedObject& obj, const Oid& index, const Value& stored) const {
  if (obj.scalar) {
    if (obj.oid == ledOid_) return Value::Octets(Led());
    return std::nullopt;
  }
  const Column& c = obj.Def();
  static const Oid kIfEntry = *ParseOid("1.3.6.1.2.1.2.2.1");
  static const Oid kIfXEntry = *ParseOid("1.3.6.1.2.1.31.1.1.1");
  if (c.indexPos < 0 && (c.type == Asn::Counter32 || c.type == Asn::Counter64) && index.size() == 1 &&
      (obj.table->entry == kIfEntry || obj.table->entry == kIfXEntry)) {
    auto told = config_.portTraffic.find(static_cast<int>(index[0]));
    if (told != config_.portTraffic.end()) {
      // ifInOctets, ifOutOctets; ifHCInOctets, ifHCOutOctets.
      const bool octets = obj.table->entry == kIfEntry ? (c.subid == 10 || c.subid == 16) : (c.subid == 6 || c.subid == 10);
      uint64_t v = stored.number;
      if (octets) {
        const uint64_t ticks =
            uptimeTicks ? uptimeTicks()
                        : static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                    std::chrono::steady_clock::now() - start_)
                                                    .count() /
                                                10);
        v += static_cast<uint64_t>(told->second) * ticks / 100;
      }
      if (c.type == Asn::Counter32) v &= 0xFFFFFFFFull;
      return Value::Num(c.type, v);
    }
  }
  if (c.indexPos < 0 && (c.type == Asn::Counter32 || c.type == Asn::Counter64)) {
    auto secs = config_.frozen
                    ? 0
                    : std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start_).count();
    const double rate = CounterRate(c, index.empty() ? 0 : index[0]);
    uint64_t v = stored.number + static_cast<uint64_t>(static_cast<double>(secs) * rate);
    if (c.type == Asn::Counter32) v &= 0xFFFFFFFFull;
    return Value::Num(c.type, v);
  }
  if (index.size() == 1 && index[0] >= 1 && index[0] <= static_cast<uint32_t>(kPortCount)) {
    int p = static_cast<int>(index[0]);
    bool up = PortEnabled(p) && Port(p).link;
    if (obj.table->entry == kIfEntry) {
      if (c.subid == 8) return Value::Int(up ? 1 : 2);
      if (c.subid == 5) return Value::Num(Asn::Gauge32, up ? (Port(p).gigabit ? 1000000000u : 100000000u) : 0u);
    }
    if (obj.table->entry == kIfXEntry && c.subid == 15)
      return Value::Num(Asn::Gauge32, up ? (Port(p).gigabit ? 1000u : 100u) : 0u);
  }
  return std::nullopt;
}

std::optional<Value> Model::Get(const ServedObject& obj, const Oid& full) const {
  if (obj.scalar) {
    if (full.size() != obj.oid.size() + 1 || full.back() != 0 || !IsPrefix(obj.oid, full)) return std::nullopt;
    if (auto live = Live(obj, {}, obj.scalar->value)) return live;
    return obj.scalar->value;
  }
  if (!IsPrefix(obj.oid, full) || full.size() == obj.oid.size()) return std::nullopt;
  Oid index = Suffix(full, obj.oid.size());
  auto it = obj.table->rows.find(index);
  if (it == obj.table->rows.end()) return std::nullopt;
  const Column& c = obj.Def();
  Value v;
  if (c.indexPos >= 0) {
    v = it->second.keys[static_cast<size_t>(c.indexPos)];
    if (IsNumericType(v.type) && IsNumericType(c.type)) v.type = c.type;
  } else {
    auto cell = it->second.cells.find(c.subid);
    if (cell == it->second.cells.end()) return std::nullopt;
    v = cell->second;
  }
  if (auto live = Live(obj, index, v)) return live;
  return v;
}

std::optional<std::pair<Oid, Value>> Model::Next(const ServedObject& obj, const Oid& full) const {
  if (obj.scalar) {
    Oid inst = obj.oid;
    inst.push_back(0);
    if (full < inst) return std::make_pair(inst, *Get(obj, inst));
    return std::nullopt;
  }
  const auto& rows = obj.table->rows;
  auto it = rows.begin();
  if (IsPrefix(obj.oid, full)) {
    it = rows.upper_bound(Suffix(full, obj.oid.size()));
  } else if (!(full < obj.oid)) {
    return std::nullopt;
  }
  for (; it != rows.end(); ++it) {
    Oid inst = Concat(obj.oid, it->first);
    if (auto v = Get(obj, inst)) return std::make_pair(inst, *v);
  }
  return std::nullopt;
}

// ---------------------------------------------------------------------------
// Writing

namespace {
int CheckValue(const Column& c, const Value& v) {
  bool typeOk = v.type == c.type || (c.type == Asn::Counter32 && v.type == Asn::Gauge32);
  if (!typeOk) return Err::WrongType;
  size_t len = v.bytes.size();
  switch (c.syntax) {
    case Syntax::MacAddress: if (len != 6) return Err::WrongLength; break;
    case Syntax::Ipv6Address: if (len != 16) return Err::WrongLength; break;
    case Syntax::Real:
    case Syntax::DateTime: if (len != 8) return Err::WrongLength; break;
    case Syntax::DateAndTime: if (len != 8 && len != 11) return Err::WrongLength; break;
    case Syntax::DisplayString: if (len > 255) return Err::WrongLength; break;
    case Syntax::Boolean: if (v.AsInt() != 0 && v.AsInt() != 1) return Err::WrongValue; break;
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
      if (len > 65535) return Err::WrongLength;
      break;
  }
  if (c.type == Asn::Integer && (v.AsInt() < INT32_MIN || v.AsInt() > INT32_MAX)) return Err::WrongValue;
  if (!c.rowStatus && c.options && c.options->kind == 1 && c.type == Asn::Integer) {
    bool found = false;
    for (const auto& p : c.options->pairs) found = found || p.value == v.AsInt();
    if (!found) return Err::WrongValue;
  }
  return Err::NoError;
}

struct RowGroup {
  Table* table = nullptr;
  Oid index;
  std::vector<size_t> vbs;   // varbind positions, in order
  int statusVb = -1;         // position of the RowStatus varbind, if any
};
}  // namespace

struct Model::Undo {
  struct RowBackup {
    Table* table;
    Oid index;
    std::optional<RowRec> row;
    bool touched;
  };
  struct ScalarBackup {
    Scalar* scalar;
    Value value;
    bool touched;
  };
  std::vector<RowBackup> rows;
  std::vector<ScalarBackup> scalars;
};

SetCheck Model::Check(const std::vector<Varbind>& vbs) const {
  std::map<std::pair<const Table*, Oid>, RowGroup> groups;
  std::vector<std::pair<const Table*, Oid>> order;
  for (size_t i = 0; i < vbs.size(); ++i) {
    const ServedObject* obj = Resolve(vbs[i].oid);
    if (!obj) continue;
    const int pos = static_cast<int>(i + 1);
    const Column& c = obj->Def();
    if (obj->scalar) {
      if (vbs[i].oid.size() != obj->oid.size() + 1 || vbs[i].oid.back() != 0) return {Err::NoCreation, pos};
      if (c.access == ObjAccess::ReadOnly || obj->oid == ledOid_) return {Err::NotWritable, pos};
      if (int e = CheckValue(c, vbs[i].value)) return {e, pos};
      continue;
    }
    Oid index = Suffix(vbs[i].oid, obj->oid.size());
    if (c.access == ObjAccess::ReadOnly) return {Err::NotWritable, pos};
    if (int e = CheckValue(c, vbs[i].value)) return {e, pos};
    if (index.empty() || !DecodeIndex(obj->table->keys, index)) return {Err::NoCreation, pos};
    auto key = std::make_pair(static_cast<const Table*>(obj->table), index);
    auto [it, added] = groups.try_emplace(key);
    if (added) order.push_back(key);
    it->second.table = obj->table;
    it->second.index = index;
    it->second.vbs.push_back(i);
    if (c.rowStatus) it->second.statusVb = static_cast<int>(i);
  }
  for (const auto& key : order) {
    const RowGroup& g = groups[key];
    const bool exists = g.table->rows.count(g.index) != 0;
    if (g.statusVb >= 0) {
      const int pos = g.statusVb + 1;
      int64_t s = vbs[static_cast<size_t>(g.statusVb)].value.AsInt();
      if (s < RowStatus::Active || s > RowStatus::Destroy || s == RowStatus::NotReady) return {Err::WrongValue, pos};
      if (!exists && (s == RowStatus::Active || s == RowStatus::NotInService)) return {Err::InconsistentValue, pos};
      if (exists && (s == RowStatus::CreateAndGo || s == RowStatus::CreateAndWait))
        return {Err::InconsistentValue, pos};
    } else if (!exists && g.table->rowlessCol) {
      // A new row: created by the write unless a state value is needed for it.
      // Removing a row that is not there is refused, as creating nothing is.
      bool create = g.table->rowlessCreate == 0, remove = false;
      for (size_t i : g.vbs) {
        const ServedObject* obj = Resolve(vbs[i].oid);
        if (obj->column != g.table->rowlessCol) continue;
        create = create || vbs[i].value.AsInt() == g.table->rowlessCreate;
        remove = remove || vbs[i].value.AsInt() == g.table->rowlessDelete;
      }
      if (!create || remove) return {Err::NoCreation, static_cast<int>(g.vbs.front() + 1)};
    } else if (!exists) {
      return {Err::NoCreation, static_cast<int>(g.vbs.front() + 1)};
    }
  }
  return {};
}

std::shared_ptr<Model::Undo> Model::Apply(const std::vector<Varbind>& vbs) {
  auto undo = std::make_shared<Undo>();
  std::set<std::pair<Table*, Oid>> saved;
  std::set<Scalar*> savedScalars;
  // RowStatus first, so that a row created in this PDU takes the other values.
  std::vector<size_t> order;
  for (size_t i = 0; i < vbs.size(); ++i) {
    const ServedObject* obj = Resolve(vbs[i].oid);
    if (obj && obj->table && obj->Def().rowStatus) order.push_back(i);
  }
  for (size_t i = 0; i < vbs.size(); ++i) {
    const ServedObject* obj = Resolve(vbs[i].oid);
    if (obj && !(obj->table && obj->Def().rowStatus)) order.push_back(i);
  }
  std::set<std::pair<Table*, Oid>> destroyed;
  for (size_t i : order) {
    const ServedObject* obj = Resolve(vbs[i].oid);
    const Value& v = vbs[i].value;
    if (obj->scalar) {
      if (savedScalars.insert(obj->scalar).second)
        undo->scalars.push_back({obj->scalar, obj->scalar->value, obj->scalar->touched});
      const Column& sc = obj->scalar->def;
      obj->scalar->value = sc.idle ? Value::Int(*sc.idle) : v;
      obj->scalar->touched = true;
      continue;
    }
    Table* t = obj->table;
    Oid index = Suffix(vbs[i].oid, obj->oid.size());
    auto key = std::make_pair(t, index);
    if (saved.insert(key).second) {
      auto it = t->rows.find(index);
      undo->rows.push_back({t, index, it == t->rows.end() ? std::nullopt : std::optional<RowRec>(it->second), t->touched});
    }
    t->touched = true;
    if (destroyed.count(key)) continue;
    const Column& c = obj->Def();
    auto it = t->rows.find(index);
    if (c.rowStatus) {
      int64_t s = v.AsInt();
      if (s == RowStatus::Destroy) {
        if (it != t->rows.end()) t->rows.erase(it);
        destroyed.insert(key);
        continue;
      }
      if (s == RowStatus::CreateAndGo || s == RowStatus::CreateAndWait) {
        RowRec row = NewRow(*t, index);
        row.cells[c.subid] = Value::Int(s == RowStatus::CreateAndGo ? RowStatus::Active : RowStatus::NotInService);
        t->rows[index] = std::move(row);
        continue;
      }
      if (it != t->rows.end()) it->second.cells[c.subid] = v;
      continue;
    }
    if (t->rowlessCol) {
      if (c.subid == t->rowlessCol && v.AsInt() == t->rowlessDelete) {
        if (it != t->rows.end()) t->rows.erase(it);
        destroyed.insert(key);
        continue;
      }
      if (it == t->rows.end()) it = t->rows.emplace(index, NewRow(*t, index)).first;
    }
    if (it != t->rows.end()) it->second.cells[c.subid] = c.idle ? Value::Int(*c.idle) : v;
  }
  return undo;
}

void Model::Revert(const Undo& undo) {
  for (auto it = undo.rows.rbegin(); it != undo.rows.rend(); ++it) {
    if (it->row) it->table->rows[it->index] = *it->row;
    else it->table->rows.erase(it->index);
    it->table->touched = it->touched;
  }
  for (auto it = undo.scalars.rbegin(); it != undo.scalars.rend(); ++it) {
    it->scalar->value = it->value;
    it->scalar->touched = it->touched;
  }
}

// ---------------------------------------------------------------------------
// State file

bool Model::SaveState(const std::string& path, std::string* error) const {
  std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) {
      if (error) *error = "cannot write " + tmp;
      return false;
    }
    out << "# qrx900-sim state: the objects changed by SET requests\n";
    for (const auto& [oid, s] : scalars_)
      if (s->touched) out << "scalar " << OidToString(oid) << " " << EncodeValue(s->value) << "\n";
    for (const auto& [entry, t] : tables_) {
      if (!t->touched) continue;
      out << "table " << OidToString(entry) << "\n";
      for (const auto& [index, row] : t->rows) {
        out << "row " << OidToString(entry) << " " << OidToString(index);
        for (const auto& [sub, v] : row.cells) out << " " << sub << "=" << EncodeValue(v);
        out << "\n";
      }
    }
    out.flush();
    if (!out) {
      if (error) *error = "cannot write " + tmp;
      return false;
    }
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    if (error) *error = "cannot replace " + path;
    std::remove(tmp.c_str());
    return false;
  }
  return true;
}

bool Model::LoadState(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return true;  // nothing saved yet
  std::string line, problems;
  int lineNo = 0;
  auto warn = [&](const std::string& what) {
    problems += path + ":" + std::to_string(lineNo) + ": " + what + "\n";
  };
  while (std::getline(in, line)) {
    ++lineNo;
    if (line.empty() || line[0] == '#') continue;
    std::istringstream ls(line);
    std::string word, oidText;
    ls >> word >> oidText;
    auto oid = ParseOid(oidText);
    if (!oid) {
      warn("bad line ignored");
      continue;
    }
    if (word == "scalar") {
      std::string vt;
      ls >> vt;
      auto it = scalars_.find(*oid);
      auto v = DecodeValue(vt);
      if (it == scalars_.end() || !v || v->type != it->second->def.type) {
        warn("unknown object or bad value ignored");
        continue;
      }
      it->second->value = *v;
      it->second->touched = true;
    } else if (word == "table") {
      Table* t = FindTable(*oid);
      if (!t) {
        warn("unknown table ignored");
        continue;
      }
      t->rows.clear();
      t->touched = true;
    } else if (word == "row") {
      Table* t = FindTable(*oid);
      std::string indexText;
      ls >> indexText;
      auto index = ParseOid(indexText);
      std::optional<std::vector<Value>> keys;
      if (t && index) keys = DecodeIndex(t->keys, *index);
      if (!keys) {
        warn("bad row ignored");
        continue;
      }
      RowRec row;
      row.keys = *keys;
      int n = IsNumericType((*keys)[0].type) ? static_cast<int>((*keys)[0].number) : 1;
      for (auto& [sub, col] : t->columns)
        if (col.indexPos < 0) row.cells[sub] = DefaultValue(t, col, n, (n >= 1 && n <= kPortCount) ? n : 1);
      std::string cell;
      while (ls >> cell) {
        size_t eq = cell.find('=');
        uint32_t sub = 0;
        try {
          sub = eq == std::string::npos ? 0 : static_cast<uint32_t>(std::stoul(cell.substr(0, eq)));
        } catch (...) {
          sub = 0;
        }
        auto col = t->columns.find(sub);
        auto v = eq == std::string::npos ? std::nullopt : DecodeValue(cell.substr(eq + 1));
        if (col == t->columns.end() || col->second.indexPos >= 0 || !v || v->type != col->second.type) {
          warn("bad cell ignored");
          continue;
        }
        row.cells[sub] = *v;
      }
      t->rows[*index] = std::move(row);
    } else {
      warn("bad line ignored");
    }
  }
  if (error) *error = problems;
  return true;
}

// ---------------------------------------------------------------------------
// Ports and LEDs

bool Model::PortEnabled(int p) const {
  static const Oid kPortControl = *ParseOid(kPortControlEntry);
  static const Oid kIfEntry = *ParseOid("1.3.6.1.2.1.2.2.1");
  if (const Table* t = FindTable(kPortControl)) {
    for (auto it = t->rows.lower_bound(Oid{static_cast<uint32_t>(p)}); it != t->rows.end() && !it->first.empty() &&
                                                                       it->first[0] == static_cast<uint32_t>(p);
         ++it) {
      auto admin = it->second.cells.find(3);
      if (admin != it->second.cells.end() && admin->second.AsInt() == 2) return false;
    }
  }
  if (const Table* t = FindTable(kIfEntry)) {
    auto it = t->rows.find(Oid{static_cast<uint32_t>(p)});
    if (it != t->rows.end()) {
      auto admin = it->second.cells.find(7);
      if (admin != it->second.cells.end() && admin->second.AsInt() == 2) return false;
    }
  }
  return true;
}

void Model::Tick() {
  for (PortSim& ps : ports_) {
    ps.traffic = ps.link && rng_() % 100 < 40;
    ps.error = ps.link && rng_() % 1000 < 5;
  }
}

std::string Model::Led() const {
  static const Oid kPortControl = *ParseOid(kPortControlEntry);
  std::string s(kLedLength, '\0');
  s[0] = 0x02;  // power: green
  s[1] = 0x01;  // console: nothing attached
  const Table* pc = FindTable(kPortControl);
  for (int p = 1; p <= kPortCount; ++p) {
    const PortSim& ps = Port(p);
    bool up = ps.link && PortEnabled(p);
    bool gig = ps.gigabit;
    if (pc) {  // a forced 10/100 speed shows orange
      auto it = pc->rows.lower_bound(Oid{static_cast<uint32_t>(p)});
      if (it != pc->rows.end() && !it->first.empty() && it->first[0] == static_cast<uint32_t>(p)) {
        auto nway = it->second.cells.find(4);
        if (nway != it->second.cells.end() && nway->second.AsInt() >= 2 && nway->second.AsInt() <= 5) gig = false;
      }
    }
    unsigned char status = up ? (ps.traffic ? 0x82 : 0x02) : 0x01;
    unsigned char colour = !up ? 0x01 : ps.error ? 0x05 : gig ? 0x03 : 0x01;
    s[static_cast<size_t>(2 * p)] = static_cast<char>(status);
    s[static_cast<size_t>(2 * p + 1)] = static_cast<char>(colour);
  }
  return s.substr(0, std::min(ledLength, s.size()));
}

}  // namespace sim
