// The simulator's model built from definition tables it has never seen: what
// a table added later gets without simulator work.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <set>

#include "sim/SimModel.h"

namespace {

using enum Syntax;
using sim::Model;
using sim::Oid;
using sim::Value;
constexpr int32_t RO = Access::Read;
constexpr int32_t RW = Access::Read | Access::Write;

constexpr KyOptionPair kSixModes[] = {{1, nullptr, "off"},  {2, nullptr, "low"},  {3, nullptr, "mid"},
                                      {4, nullptr, "high"}, {5, nullptr, "max"},  {6, nullptr, "test"}};
constexpr KyOptionPair kRowStatus[] = {{1, nullptr, "active"}, {4, nullptr, "createAndGo"}, {6, nullptr, "destroy"}};
const KyOptionTable SixModes{"SixModes", 1, false, kSixModes};
const KyOptionTable RowStatusOpts{"RowStatusOpts", 1, false, kRowStatus};

// A per-port table whose enumeration has values 4 and 6 without being a RowStatus.
constexpr KyVarDefRow kPortThing[] = {
    {"1.3.6.1.4.1.99999.1.1.1.1", "Port", Integer, RO},
    {"1.3.6.1.4.1.99999.1.1.1.2", "Mode", Integer, RW, &SixModes},
    {"1.3.6.1.4.1.99999.1.1.1.3", "Received", Counter32, RO},
};
// A creatable table indexed by an implied name.
constexpr KyVarDefRow kProfiles[] = {
    {" ", "Profile Name", DisplayString, Access::Key | Access::Implied},
    {"1.3.6.1.4.1.99999.1.2.1.2", "Mask", OctetString, RW},
    {"1.3.6.1.4.1.99999.1.2.1.3", "Status", Integer, RW, &RowStatusOpts},
};
// Scalars, one of them in a subtree that another module serves.
constexpr KyVarDefRow kScalars[] = {
    {"1.3.6.1.4.1.99999.1.3.1", "Server IP", IpAddress, RW},
    {"1.3.6.1.4.1.99999.1.3.2", "Uptime", TimeTicks, RO},
    {"1.3.6.1.2.1.1.5", "System Name", DisplayString, RW},
};
const KyVarDefTable PortThing{"PortThing", 3, 1, kPortThing};
const KyVarDefTable Profiles{"AccessProfiles", 3, 1, kProfiles};
const KyVarDefTable Scalars{"Things", 0, 0, kScalars};
const KyVarDefTable* const kDefs[] = {&PortThing, &Profiles, &Scalars};

Oid O(const char* text) { return *sim::ParseOid(text); }

class ModelTest : public ::testing::Test {
 protected:
  static std::unique_ptr<Model> Make() {
    sim::ModelConfig cfg;
    cfg.excluded = {O("1.3.6.1.2.1.1")};
    auto m = std::make_unique<Model>(cfg);
    m->Build(kDefs);
    return m;
  }
  void SetUp() override { m = Make(); }
  const sim::ServedObject& Obj(const char* oid) {
    const sim::ServedObject* o = m->Resolve(O(oid));
    EXPECT_NE(o, nullptr) << oid;
    return *o;
  }
  std::unique_ptr<Model> m;
};

TEST_F(ModelTest, ObjectsAndAccessComeFromTheDefinitions) {
  EXPECT_EQ(Obj("1.3.6.1.4.1.99999.1.1.1.1").Def().access, sim::ObjAccess::ReadOnly);  // index column
  EXPECT_EQ(Obj("1.3.6.1.4.1.99999.1.1.1.2").Def().access, sim::ObjAccess::ReadWrite);  // not a RowStatus
  EXPECT_EQ(Obj("1.3.6.1.4.1.99999.1.2.1.2").Def().access, sim::ObjAccess::ReadCreate);
  EXPECT_TRUE(Obj("1.3.6.1.4.1.99999.1.2.1.3").Def().rowStatus);
  EXPECT_EQ(m->Resolve(O("1.3.6.1.2.1.1.5.0")), nullptr);  // left to the other module
  // Per-port rows 1 to 52; the port column repeats the index.
  const auto& port = Obj("1.3.6.1.4.1.99999.1.1.1.1");
  EXPECT_EQ(m->Get(port, O("1.3.6.1.4.1.99999.1.1.1.1.52")), Value::Int(52));
  EXPECT_FALSE(m->Get(port, O("1.3.6.1.4.1.99999.1.1.1.1.53")));
  auto next = m->Next(port, O("1.3.6.1.4.1.99999.1.1"));
  ASSERT_TRUE(next);
  EXPECT_EQ(next->first, O("1.3.6.1.4.1.99999.1.1.1.1.1"));
  EXPECT_FALSE(m->Next(port, O("1.3.6.1.4.1.99999.1.1.1.1.52")));
  // Scalars answer at .0 only.
  const auto& ip = Obj("1.3.6.1.4.1.99999.1.3.1");
  EXPECT_TRUE(m->Get(ip, O("1.3.6.1.4.1.99999.1.3.1.0")));
  EXPECT_FALSE(m->Get(ip, O("1.3.6.1.4.1.99999.1.3.1.1")));
}

TEST_F(ModelTest, RowCreationByImpliedNameAndUndo) {
  const Oid status = O("1.3.6.1.4.1.99999.1.2.1.3");
  const Oid mask = O("1.3.6.1.4.1.99999.1.2.1.2");
  const Oid index = {'l', 'a', 'b'};  // "lab", implied: no length sub-identifier
  std::vector<sim::Varbind> create = {{sim::Concat(status, index), Value::Int(4)},
                                      {sim::Concat(mask, index), Value::Octets(std::string("\xff\x00", 2))}};
  ASSERT_EQ(m->Check(create).status, sim::Err::NoError);
  auto undo = m->Apply(create);
  EXPECT_EQ(m->Get(Obj("1.3.6.1.4.1.99999.1.2.1.3"), sim::Concat(status, index)), Value::Int(1));
  EXPECT_EQ(m->Get(Obj("1.3.6.1.4.1.99999.1.2.1.2"), sim::Concat(mask, index)),
            Value::Octets(std::string("\xff\x00", 2)));
  // Creating it again is inconsistent; the error names the RowStatus varbind.
  auto again = m->Check(create);
  EXPECT_EQ(again.status, sim::Err::InconsistentValue);
  EXPECT_EQ(again.index, 1);
  // Undo takes the row away again.
  m->Revert(*undo);
  EXPECT_FALSE(m->Get(Obj("1.3.6.1.4.1.99999.1.2.1.3"), sim::Concat(status, index)));
}

TEST_F(ModelTest, StateFileRoundTrip) {
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("qrx-sim-model-" + std::to_string(getpid()))).string();
  const Oid mode = O("1.3.6.1.4.1.99999.1.1.1.2.7");
  const Oid ip = O("1.3.6.1.4.1.99999.1.3.1.0");
  std::vector<sim::Varbind> set = {{mode, Value::Int(6)}, {ip, Value::Ip("\x0a\x01\x02\x03")}};
  ASSERT_EQ(m->Check(set).status, sim::Err::NoError);
  m->Apply(set);
  std::string error;
  ASSERT_TRUE(m->SaveState(path, &error)) << error;

  auto fresh = Make();
  ASSERT_TRUE(fresh->LoadState(path, &error));
  EXPECT_TRUE(error.empty()) << error;
  EXPECT_EQ(fresh->Get(*fresh->Resolve(mode), mode), Value::Int(6));
  EXPECT_EQ(fresh->Get(*fresh->Resolve(ip), ip), Value::Ip("\x0a\x01\x02\x03"));
  // Untouched rows keep their defaults.
  EXPECT_TRUE(fresh->Get(*fresh->Resolve(mode), O("1.3.6.1.4.1.99999.1.1.1.2.8")));
  std::remove(path.c_str());
}

TEST(SimValueText, HostileTextIsRefused) {
  for (const char* bad : {"", "0", "02:", "02:x", "02:99999999999", "zz:1", "04:abc", "40:0a01", "41:-1",
                          "41:4294967296", "06:1..2", "99:1"}) {
    EXPECT_FALSE(sim::DecodeValue(bad)) << bad;
  }
  for (const Value& v : {Value::Int(-5), Value::Octets(std::string("\x00\xff", 2)), Value::Ip(std::string("\x7f\x00\x00\x01", 4)),
                         Value::ObjId({1, 3, 6}), Value::Num(sim::Asn::Counter64, 1ull << 40)}) {
    auto back = sim::DecodeValue(sim::EncodeValue(v));
    ASSERT_TRUE(back) << sim::EncodeValue(v);
    EXPECT_EQ(*back, v);
  }
}


// A single-instance list whose objects lie in a table entry: per-row columns
// of that table, whether the list or the table is registered first.
constexpr KyVarDefRow kCounterList[] = {
    {"1.3.6.1.4.1.99999.1.1.1.3", "Received", Counter32, RO},  // also a table column
    {"1.3.6.1.4.1.99999.1.1.1.4", "Dropped", Counter32, RO},   // only in the list
};
const KyVarDefTable CounterList{"PortCounters", 1, 0, kCounterList};

TEST(ModelOrder, ListInsideATableEntryIsServedPerRowInEitherOrder) {
  const KyVarDefTable* const listFirst[] = {&CounterList, &PortThing};
  const KyVarDefTable* const tableFirst[] = {&PortThing, &CounterList};
  std::vector<std::string> seen[2];
  int i = 0;
  for (auto defs : {std::span<const KyVarDefTable* const>(listFirst), std::span<const KyVarDefTable* const>(tableFirst)}) {
    Model m(sim::ModelConfig{});
    m.Build(defs);
    for (const char* col : {"1.3.6.1.4.1.99999.1.1.1.3", "1.3.6.1.4.1.99999.1.1.1.4"}) {
      SCOPED_TRACE(col);
      const sim::ServedObject* obj = m.Resolve(O(col));
      ASSERT_NE(obj, nullptr);
      ASSERT_NE(obj->table, nullptr) << "a column of the port table, not a scalar";
      Oid port7 = O(col);
      port7.push_back(7);
      auto v = m.Get(*obj, port7);
      ASSERT_TRUE(v);
      EXPECT_EQ(v->type, sim::Asn::Counter32);
      Oid zero = O(col);
      zero.push_back(0);
      EXPECT_FALSE(m.Get(*obj, zero)) << "no scalar instance";
    }
    for (const auto& obj : m.Objects()) seen[i].push_back(sim::OidToString(obj.oid) + " " + sim::AccessName(obj.Def().access));
    ++i;
  }
  EXPECT_EQ(seen[0], seen[1]);
}

// Action variables go back to their idle value after a write; enumerations
// that only look alike keep what was written.
constexpr KyOptionPair kNormalActive[] = {{1, nullptr, "normal"}, {2, nullptr, "active"}};
constexpr KyOptionPair kOtherModes[] = {{1, nullptr, "other"}, {2, nullptr, "fast"}, {3, nullptr, "slow"}};
const KyOptionTable NormalActive{"NormalActive", 1, false, kNormalActive};
const KyOptionTable OtherModes{"OtherModes", 1, false, kOtherModes};
constexpr KyVarDefRow kActions[] = {
    {"1.3.6.1.4.1.99999.1.4.1", "Counter Clear Action", Integer, RW, &NormalActive},
    {"1.3.6.1.4.1.99999.1.4.2", "Send Test Trap", Integer, RW, &OtherModes},
    {"1.3.6.1.4.1.99999.1.4.3", "Fan Mode", Integer, RW, &OtherModes},           // no action word
    {"1.3.6.1.4.1.99999.1.4.4", "Clear Timer", Integer, RW},                      // no enumeration
    {"1.3.6.1.4.1.99999.1.4.5", "Last Clear Action", Integer, RO, &NormalActive},  // not writable
};
const KyVarDefTable Actions{"Actions", 0, 0, kActions};

TEST(ModelActions, ActionVariablesReadTheirIdleValueAfterAWrite) {
  const KyVarDefTable* const defs[] = {&Actions};
  Model m(sim::ModelConfig{});
  m.Build(defs);
  struct Case {
    const char* oid;
    int64_t written, readBack;
  };
  const Case cases[] = {
      {"1.3.6.1.4.1.99999.1.4.1.0", 2, 1},
      {"1.3.6.1.4.1.99999.1.4.2.0", 3, 1},
      {"1.3.6.1.4.1.99999.1.4.3.0", 3, 3},
      {"1.3.6.1.4.1.99999.1.4.4.0", 42, 42},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.oid);
    std::vector<sim::Varbind> vbs{{O(c.oid), Value::Int(c.written)}};
    ASSERT_EQ(m.Check(vbs).status, 0);
    auto undo = m.Apply(vbs);
    const sim::ServedObject* obj = m.Resolve(O(c.oid));
    ASSERT_NE(obj, nullptr);
    EXPECT_EQ(m.Get(*obj, O(c.oid))->AsInt(), c.readBack);
    m.Revert(*undo);
  }
  EXPECT_FALSE(m.Resolve(O("1.3.6.1.4.1.99999.1.4.5"))->Def().idle);
}

// Traffic counters look like a switch's: errors and discards a small
// fraction of the packets and zero on most ports, errors on one port.
TEST_F(ModelTest, ErrorsAndDiscardsAreAFewPacketsOnFewPorts) {
  const std::string ifEntry = "1.3.6.1.2.1.2.2.1.";
  struct Pair {
    const char* fault;
    const char* packets;
  };
  const Pair pairs[] = {{"14", "11"}, {"20", "17"}, {"13", "11"}, {"19", "17"}};  // errors, discards; in, out
  std::set<int> withErrors, withDiscards;
  for (int p = 1; p <= sim::kPortCount; ++p) {
    for (const Pair& pair : pairs) {
      const auto& fault = Obj((ifEntry + pair.fault).c_str());
      const auto& packets = Obj((ifEntry + pair.packets).c_str());
      const double faults = m->CounterRate(fault.Def(), static_cast<uint32_t>(p));
      EXPECT_LE(faults, m->CounterRate(packets.Def(), static_cast<uint32_t>(p)) / 50) << pair.fault << "." << p;
      const auto value = m->Get(fault, O((ifEntry + pair.fault + "." + std::to_string(p)).c_str()));
      ASSERT_TRUE(value);
      EXPECT_EQ(value->type, sim::Asn::Counter32);
      if (value->number == 0) continue;
      (std::string(pair.fault) == "14" || std::string(pair.fault) == "20" ? withErrors : withDiscards).insert(p);
    }
  }
  EXPECT_EQ(withErrors, std::set<int>{sim::kErrorPort});
  EXPECT_FALSE(withDiscards.empty());
  EXPECT_LT(withDiscards.size(), static_cast<size_t>(sim::kPortCount / 4)) << "discards on most ports";
}

// A 32-bit counter is the low half of its 64-bit twin; the octets of port
// kWrapPort start kWrapSeconds of its traffic short of 2^32, so that its
// 32-bit counters wrap soon after the start.
TEST_F(ModelTest, ThirtyTwoBitCountersAreTheLowHalfOfTheirTwins) {
  const auto& octets = Obj("1.3.6.1.2.1.2.2.1.10");
  const auto& hcOctets = Obj("1.3.6.1.2.1.31.1.1.1.6");
  for (int p = 1; p <= sim::kPortCount; ++p) {
    const std::string n = "." + std::to_string(p);
    bool compared = false;
    // The counters move once a second: compare readings of one second.
    for (int attempt = 0; attempt < 5 && !compared; ++attempt) {
      const auto low = m->Get(octets, O(("1.3.6.1.2.1.2.2.1.10" + n).c_str()));
      const auto high = m->Get(hcOctets, O(("1.3.6.1.2.1.31.1.1.1.6" + n).c_str()));
      const auto again = m->Get(octets, O(("1.3.6.1.2.1.2.2.1.10" + n).c_str()));
      ASSERT_TRUE(low && high && again);
      if (low->number != again->number) continue;
      EXPECT_EQ(low->number, high->number & 0xFFFFFFFFull) << "port " << p;
      if (p == sim::kWrapPort) {
        const auto rate = static_cast<uint64_t>(m->CounterRate(hcOctets.Def(), static_cast<uint32_t>(p)));
        EXPECT_GE(high->number, 0x100000000ull - rate * sim::kWrapSeconds);
      } else {
        EXPECT_LT(high->number, 0x80000000ull) << "port " << p;
      }
      compared = true;
    }
    EXPECT_TRUE(compared) << "port " << p;
  }
}

// Port lists have the length the switch is set to send; other BITS objects
// the size their MIB gives them.
constexpr KyVarDefRow kVlans[] = {
    {" ", "VLAN ID", Integer, Access::Key},
    {"1.3.6.1.4.1.99999.1.5.1.2", "Egress Ports", Bits, RW},
    {"1.3.6.1.4.1.99999.1.5.1.3", "Forbidden Egress Ports", Bits, RW},
};
constexpr KyVarDefRow kBitsScalars[] = {
    {"1.0.8802.1.1.2.1.1.6.1.4", "TLVs TX Enable", Bits, RW},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.2", "VLAN Range [1-64]", Bits, RW},
    {"1.3.6.1.4.1.99999.1.5.2", "Mirror Port List", Bits, RW},
};
const KyVarDefTable Vlans{"TestVlanTable", 3, 1, kVlans};
const KyVarDefTable BitsScalars{"BitsScalars", 0, 0, kBitsScalars};

TEST(ModelBits, PortListsHaveTheSwitchsLengthOtherBitsTheirMibSize) {
  const KyVarDefTable* const defs[] = {&Vlans, &BitsScalars};
  for (size_t octets : {size_t{7}, size_t{8}}) {
    SCOPED_TRACE(octets);
    sim::ModelConfig cfg;
    cfg.portListOctets = octets;
    Model m(cfg);
    m.Build(defs);
    auto get = [&](const char* oid) {
      const sim::ServedObject* obj = m.Resolve(O(oid));
      EXPECT_NE(obj, nullptr) << oid;
      auto v = obj ? m.Get(*obj, O(oid)) : std::nullopt;
      return v ? v->bytes : std::string("(none)");
    };
    std::string all(octets, '\0');
    for (size_t i = 0; i < 6; ++i) all[i] = '\xff';
    all[6] = '\xf0';  // ports 49 to 52
    EXPECT_EQ(get("1.3.6.1.4.1.99999.1.5.1.2.1"), all);
    EXPECT_EQ(get("1.3.6.1.4.1.99999.1.5.1.3.1"), std::string(octets, '\0'));
    EXPECT_EQ(get("1.3.6.1.4.1.99999.1.5.2.0"), std::string(octets, '\0'));
    EXPECT_EQ(get("1.0.8802.1.1.2.1.1.6.1.4.0").size(), 1u);
    EXPECT_EQ(get("1.3.6.1.4.1.32473.12.15.2.3.1.2.0").size(), 8u);
  }
}

}  // namespace
