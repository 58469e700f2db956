// The simulated QRX-900's data: every scalar and table column of the
// definition tables, with believable rows, RowStatus handling, the simulated
// ports and the front-panel LED string. Independent of the agent library: the
// agent glue (SimAgent) maps requests onto this model.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "sim/SimOid.h"
#include "snmp/Value.h"
#include "snmp/VarList.h"

namespace sim {

// ASN.1 / SMI type tags on the wire.
namespace Asn = ::KyVbType;

// SNMP error-status values.
namespace Err {
constexpr int NoError = 0;
constexpr int GenErr = 5;
constexpr int WrongType = 7;
constexpr int WrongLength = 8;
constexpr int WrongValue = 10;
constexpr int NoCreation = 11;
constexpr int InconsistentValue = 12;
constexpr int NotWritable = 17;
}  // namespace Err

// RowStatus values (RFC 2579).
namespace RowStatus {
constexpr int64_t Active = 1;
constexpr int64_t NotInService = 2;
constexpr int64_t NotReady = 3;
constexpr int64_t CreateAndGo = 4;
constexpr int64_t CreateAndWait = 5;
constexpr int64_t Destroy = 6;
}  // namespace RowStatus

struct Value {
  uint8_t type = Asn::Null;
  uint64_t number = 0;  // Integer (two's complement), counters, gauges, ticks
  std::string bytes;    // OctetString, IpAddress (4 bytes)
  Oid oid;              // ObjectId

  static Value Int(int64_t v) { return {Asn::Integer, static_cast<uint64_t>(v), {}, {}}; }
  static Value Num(uint8_t type, uint64_t v) { return {type, v, {}, {}}; }
  static Value Octets(std::string b) { return {Asn::OctetString, 0, std::move(b), {}}; }
  static Value Ip(std::string b) { return {Asn::IpAddress, 0, std::move(b), {}}; }
  static Value ObjId(Oid o) { return {Asn::ObjectId, 0, {}, std::move(o)}; }
  int64_t AsInt() const { return static_cast<int64_t>(number); }
  bool operator==(const Value& o) const = default;
};

enum class ObjAccess { ReadOnly, ReadWrite, ReadCreate };
const char* AccessName(ObjAccess a);
const char* TypeName(uint8_t type);

// The wire type of a definition syntax code.
uint8_t WireType(Syntax syntax);

struct KeySpec {
  Syntax syntax = Syntax::Integer;
  bool implied = false;
  std::string label;
  const KyOptionTable* options = nullptr;
};

// Instance suffix <-> index values, by the key columns' syntaxes: integers one
// sub-identifier; IP addresses 4; MAC addresses 6; IPv6 addresses 16; other
// strings and OIDs length-prefixed unless IMPLIED (last key only).
std::optional<std::vector<Value>> DecodeIndex(const std::vector<KeySpec>& keys, const Oid& suffix);
Oid EncodeIndex(const std::vector<KeySpec>& keys, const std::vector<Value>& values);

struct Column {
  uint32_t subid = 0;
  Oid oid;
  std::string label;
  Syntax syntax{};
  uint8_t type = Asn::Null;
  ObjAccess access = ObjAccess::ReadOnly;
  int indexPos = -1;  // >= 0: an index column, its value is that index component
  bool rowStatus = false;
  const KyOptionTable* options = nullptr;
  // An action variable (send, start, clear ...): a write triggers it and the
  // variable reads its idle value again right after, as on the switch.
  std::optional<int64_t> idle;
};

struct RowRec {
  std::vector<Value> keys;
  std::map<uint32_t, Value> cells;  // non-index columns by sub-id
};

struct Table {
  std::string name;  // the definition table it came from
  Oid entry;
  std::vector<KeySpec> keys;
  std::map<uint32_t, Column> columns;
  uint32_t rowStatusCol = 0;
  // Rows created and deleted without a RowStatus column: a write to a new
  // row creates it (only with the state column at `rowlessCreate`, when that
  // is not 0), the state column at `rowlessDelete` removes it. A new row's
  // state column starts at `rowlessNew`.
  uint32_t rowlessCol = 0;
  int64_t rowlessCreate = 0;
  int64_t rowlessDelete = 0;
  int64_t rowlessNew = 0;
  std::map<Oid, RowRec> rows;  // by instance suffix
  bool touched = false;        // changed by a SET or loaded from the state file
};

struct Scalar {
  std::string name;
  Column def;
  Value value;
  bool touched = false;
};

// One object served: a scalar or a table column. `oid` is the object's OID
// without instance; the agent registers one subtree per object.
struct ServedObject {
  Oid oid;
  Table* table = nullptr;  // column object
  uint32_t column = 0;
  Scalar* scalar = nullptr;  // scalar object
  const Column& Def() const { return scalar ? scalar->def : table->columns.at(column); }
};

struct Varbind {
  Oid oid;
  Value value;
};

struct SetCheck {
  int status = Err::NoError;
  int index = 0;  // 1-based position of the failing varbind
};

struct ModelConfig {
  uint32_t seed = 900;
  std::string readCommunity = "menlak";
  std::string writeCommunity = "torvesk";
  std::string engineId;  // bytes; used for the community table's context engine ID
  // Row counts by definition-table name or entry OID (dotted).
  std::map<std::string, int> rowCounts;
  // Subtrees served by the agent library's own modules: left out.
  std::vector<Oid> excluded;
  // Port lists are this long: 7 octets carry the 52 ports, 8 a unit of 64.
  size_t portListOctets = 7;
  // Ports whose octet counters (in and out) grow by this many octets a
  // second of the agent's uptime, their other counters standing still.
  std::map<int, uint32_t> portTraffic;
  // Counters keep the values they start with instead of growing by the second.
  bool frozen = false;
};

inline constexpr int kPortCount = 52;
inline constexpr const char* kLedOid = "1.3.6.1.4.1.32473.11.63.8.2.1.1.5";
inline constexpr const char* kPortControlEntry = "1.3.6.1.4.1.32473.11.63.8.2.2.2.1";
inline constexpr size_t kLedLength = 2 + 2 * kPortCount;  // 106

// Traffic counters. Each port carries its own packet rate; octets follow
// from its frame size, errors and discards are a small fraction of the
// packets and zero on most ports. Port kErrorPort has errors (and every
// kind of fault counter), and the 32-bit octet counters of port kWrapPort
// wrap kWrapSeconds after the start.
inline constexpr int kErrorPort = 6;
inline constexpr int kWrapPort = 2;
inline constexpr int kWrapSeconds = 8;

// The octets of a BITS object that is no port list, as its MIB gives them;
// 0 for a port list (or an object that is no BITS).
size_t BitsObjectOctets(const std::string& oid);

struct PortSim {
  bool link = true;
  bool gigabit = true;
  bool traffic = false;
  bool error = false;
};

class Model {
 public:
  explicit Model(ModelConfig config);
  Model(const Model&) = delete;
  Model& operator=(const Model&) = delete;

  // Builds the objects from the given definition tables plus the simulator's
  // own standard-MIB tables (interfaces, communities, the LED variable).
  void Build(std::span<const KyVarDefTable* const> defs);

  // Objects sorted by OID.
  const std::vector<ServedObject>& Objects() const { return objects_; }
  // The object whose OID is a prefix of `oid`, or nullptr.
  const ServedObject* Resolve(const Oid& oid) const;
  Table* FindTable(const Oid& entry);
  const Table* FindTable(const Oid& entry) const;

  // GET of one instance; nullopt when there is no such instance.
  std::optional<Value> Get(const ServedObject& obj, const Oid& full) const;
  // The first instance of the object after `full` (which may lie before the
  // object's subtree), with its value.
  std::optional<std::pair<Oid, Value>> Next(const ServedObject& obj, const Oid& full) const;

  // A SET PDU, all varbinds at once (varbinds outside the model are ignored):
  // validation with the RFC 2579 RowStatus rules, then the change.
  SetCheck Check(const std::vector<Varbind>& vbs) const;
  // Applies a checked PDU; returns an opaque undo record.
  struct Undo;
  std::shared_ptr<Undo> Apply(const std::vector<Varbind>& vbs);
  void Revert(const Undo& undo);

  // State file: the tables and scalars changed by SETs.
  bool SaveState(const std::string& path, std::string* error) const;
  bool LoadState(const std::string& path, std::string* error);

  // Simulated ports and the front-panel LED string.
  void Tick();  // one step of the seeded random activity
  std::string Led() const;
  const PortSim& Port(int p) const { return ports_[static_cast<size_t>(p - 1)]; }
  bool PortEnabled(int p) const;
  // What a counter column counts in a second on row `row` (the port of a
  // per-port table).
  double CounterRate(const Column& c, uint32_t row) const;
  size_t ledLength = kLedLength;  // shorter values only as a fault
  // The agent's uptime in hundredths of a second (its sysUpTime); unset, the
  // time since the model was made.
  std::function<uint32_t()> uptimeTicks;

 private:
  void AddDefinition(const KyVarDefTable& def);
  void SeedRows(Table& t);
  void SetUpRowless(Table& t);
  RowRec NewRow(Table& t, const Oid& index) const;
  Value DefaultValue(const Table* t, const Column& c, int n, int port) const;
  std::string PortList(const std::vector<int>& ports) const;
  std::optional<Value> Live(const ServedObject& obj, const Oid& index, const Value& stored) const;
  bool Excluded(const Oid& oid) const;
  void IndexObjects();

  ModelConfig config_;
  std::map<Oid, std::unique_ptr<Table>> tables_;
  std::map<Oid, std::unique_ptr<Scalar>> scalars_;  // by object OID (no .0)
  std::vector<ServedObject> objects_;
  std::map<Oid, size_t> objectIndex_;
  PortSim ports_[kPortCount];
  std::mt19937 rng_;
  std::chrono::steady_clock::time_point start_;
  Oid ledOid_;
};

// Value <-> state-file text ("<type hex>:<payload>").
std::string EncodeValue(const Value& v);
std::optional<Value> DecodeValue(const std::string& text);

}  // namespace sim
