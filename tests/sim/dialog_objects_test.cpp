// Objects of the switch that the dedicated windows rely on, seen through
// net-snmp's tools: rows created and deleted without RowStatus, counters of a
// single-instance list read per port, action variables, and what the SET
// journal shows of them.
#include <unistd.h>

#include <filesystem>

#include "common/RequestJournal.h"
#include "tests/sim/SimFixture.h"

namespace {

const std::string kStaticUnicast = "1.3.6.1.2.1.17.7.1.3.1.1";
const std::string kStaticMulticast = "1.3.6.1.2.1.17.7.1.3.2.1";
const std::string kGroupMember = "1.3.6.1.4.1.32473.12.5.12.1";
const std::string kMemberSwitch = "1.3.6.1.4.1.32473.12.8.1.3.1";

class DialogObjectsTest : public SimFixture {
 protected:
  std::string Value(const std::string& oid) { return Varbinds(Get({oid}).out)[oid]; }
  bool Exists(const std::string& oid) {
    std::string v = Value(oid);
    return !v.empty() && v.find("No Such") == std::string::npos;
  }
  // The instances of a column, from a walk.
  size_t Rows(const std::string& column) { return Varbinds(Walk(column).out).size(); }
};

// ---------------------------------------------------------------------------
// Rows without RowStatus

struct RowlessCase {
  const char* what;
  std::string entry;
  std::string index;       // instance suffix of a row that does not exist yet
  std::vector<std::string> create;  // column sub-id, snmpset type, value: creates it
  std::string stateColumn; // column whose value removes the row
  std::string stateAfterCreate;
  std::string removeValue;
};

// VLAN 5, MAC 00:11:22:33:44:55, receive port 0.
const std::string kMacIndex = "5.0.17.34.51.68.85.0";
// Group "ops" (length-prefixed), server 10.0.0.9, radius(4).
const std::string kMemberIndex = "3.111.112.115.10.0.0.9.4";

const RowlessCase kRowless[] = {
    {"static unicast: a write to a new entry creates it",
     kStaticUnicast, kMacIndex, {"3", "x", "40 00 00 00 00 00 00"}, "4", "INTEGER: 3", "2"},
    {"static multicast: a write to a new entry creates it",
     kStaticMulticast, kMacIndex, {"3", "x", "C0 00 00 00 00 00 00"}, "5", "INTEGER: 3", "2"},
    {"server-group member: Row State add creates it",
     kGroupMember, kMemberIndex, {"4", "i", "1"}, "4", "INTEGER: 1", "2"},
};

TEST_F(DialogObjectsTest, RowsWithoutRowStatusAreCreatedByAWriteAndDeletedByTheirState) {
  StartSim();
  for (const RowlessCase& c : kRowless) {
    SCOPED_TRACE(c.what);
    const std::string state = c.entry + "." + c.stateColumn + "." + c.index;
    const size_t before = Rows(c.entry + "." + c.stateColumn);
    ASSERT_FALSE(Exists(state));

    auto r = Set({c.entry + "." + c.create[0] + "." + c.index, c.create[1], c.create[2]});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Value(state), c.stateAfterCreate);
    EXPECT_EQ(Rows(c.entry + "." + c.stateColumn), before + 1);
    if (c.create[1] == "x") {
      EXPECT_EQ(HexBytes(Value(c.entry + "." + c.create[0] + "." + c.index)),
                HexBytes("Hex-STRING: " + c.create[2]));
    }

    r = Set({state, "i", c.removeValue});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_FALSE(Exists(state));
    EXPECT_EQ(Rows(c.entry + "." + c.stateColumn), before);

    // Removing what is not there is refused and creates nothing.
    r = Set({state, "i", c.removeValue});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("noCreation"), std::string::npos) << r.err;
    EXPECT_FALSE(Exists(state));
  }
}

TEST_F(DialogObjectsTest, RowlessTablesStillCheckWhatIsWritten) {
  StartSim();
  struct Refused {
    const char* what;
    Args triple;
    const char* error;
  };
  const Refused refused[] = {
      {"a member needs Row State add to be created", {kGroupMember + ".4." + kMemberIndex, "i", "3"}, "wrongValue"},
      {"status outside the enumeration", {kStaticUnicast + ".4." + kMacIndex, "i", "9"}, "wrongValue"},
      {"index columns are not writable", {kStaticUnicast + ".2." + kMacIndex, "i", "1"}, "notWritable"},
      {"an index that is no MAC address", {kStaticUnicast + ".3.5.0.17.0", "x", "00"}, "noCreation"},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.what);
    auto r = Set(c.triple);
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
  }
  EXPECT_FALSE(Exists(kGroupMember + ".4." + kMemberIndex));
  EXPECT_FALSE(Exists(kStaticUnicast + ".4." + kMacIndex));
}

TEST_F(DialogObjectsTest, SeededStaticEntriesCanBeDeleted) {
  StartSim();
  auto rows = Varbinds(Walk(kStaticMulticast + ".5").out);
  ASSERT_FALSE(rows.empty());
  const std::string first = rows.begin()->first;
  EXPECT_EQ(rows.begin()->second, "INTEGER: 3") << "seeded entries are permanent";
  ASSERT_EQ(Set({first, "i", "2"}).exitCode, 0);
  EXPECT_EQ(Varbinds(Walk(kStaticMulticast + ".5").out).size(), rows.size() - 1);
}

// ---------------------------------------------------------------------------
// Per-instance objects of single-instance lists

TEST_F(DialogObjectsTest, MacControlCountersAreReadPerPort) {
  StartSim();
  const std::string counters[] = {"1.3.6.1.2.1.10.7.9.1.2", "1.3.6.1.2.1.10.7.10.1.3", "1.3.6.1.2.1.10.7.10.1.4"};
  for (const std::string& c : counters) {
    SCOPED_TRACE(c);
    // Port 6 is the port with errors (unknown opcodes among them).
    auto vb = Varbinds(Get({c + ".1", c + ".6"}).out);
    EXPECT_EQ(vb[c + ".1"].rfind("Counter32: ", 0), 0u) << vb[c + ".1"];
    EXPECT_EQ(vb[c + ".6"].rfind("Counter32: ", 0), 0u) << vb[c + ".6"];
    EXPECT_NE(vb[c + ".1"], vb[c + ".6"]) << "each port counts for itself";
    EXPECT_FALSE(Exists(c + ".0")) << "not a scalar";
    EXPECT_EQ(Rows(c), 52u);
  }
}

TEST_F(DialogObjectsTest, MemberSwitchAddColumnsBelongToTheMemberTable) {
  StartSim();
  const std::string id = "7";
  auto r = Set({kMemberSwitch + ".1." + id, "i", id}, V2cWrite());
  EXPECT_NE(r.exitCode, 0) << "the ID is the index, not a column to write";
  r = Set({kMemberSwitch + ".8." + id, "i", "3", kMemberSwitch + ".9." + id, "s", "secret", kMemberSwitch + ".10." + id,
           "i", "4"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  auto vb = Varbinds(Get({kMemberSwitch + ".1." + id, kMemberSwitch + ".8." + id, kMemberSwitch + ".9." + id,
                          kMemberSwitch + ".10." + id})
                         .out);
  EXPECT_EQ(vb[kMemberSwitch + ".1." + id], "INTEGER: 7");
  EXPECT_EQ(vb[kMemberSwitch + ".8." + id], "INTEGER: 3");
  EXPECT_EQ(vb[kMemberSwitch + ".9." + id], "STRING: \"secret\"");
  EXPECT_EQ(vb[kMemberSwitch + ".10." + id], "INTEGER: 1");
  EXPECT_FALSE(Exists(kMemberSwitch + ".8.0"));
  ASSERT_EQ(Set({kMemberSwitch + ".10." + id, "i", "6"}).exitCode, 0);
  EXPECT_FALSE(Exists(kMemberSwitch + ".8." + id));
}

// ---------------------------------------------------------------------------
// Action variables

TEST_F(DialogObjectsTest, ActionVariablesReadTheirIdleValueAfterAWrite) {
  const std::string journal = (std::filesystem::temp_directory_path() /
                               ("qrx-actions-" + std::to_string(getpid()) + ".journal"))
                                  .string();
  std::filesystem::remove(journal);
  StartSim({"--journal", journal});
  struct Action {
    const char* what;
    std::string oid;
    const char* written;
    const char* idle;
  };
  const Action actions[] = {
      {"SMTP send test message", "1.3.6.1.4.1.32473.12.29.1.7.0", "1", "INTEGER: 2"},
      {"update file control start", "1.3.6.1.4.1.32473.12.1.2.1.1.8.1", "3", "INTEGER: 2"},
      {"FDB clear all", "1.3.6.1.4.1.32473.12.1.2.11.1.0", "2", "INTEGER: 1"},
      {"per-port DHCP snooping clear", "1.3.6.1.4.1.32473.12.23.3.2.1.6.4", "2", "INTEGER: 1"},
  };
  for (const Action& a : actions) {
    SCOPED_TRACE(a.what);
    auto r = Set({a.oid, "i", a.written});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Value(a.oid), a.idle);
  }
  // A setting next to an action keeps its value.
  ASSERT_EQ(Set({"1.3.6.1.4.1.32473.12.29.1.1.0", "i", "3"}).exitCode, 0);
  EXPECT_EQ(Value("1.3.6.1.4.1.32473.12.29.1.1.0"), "INTEGER: 3");

  // The journal shows what was sent, not what the switch made of it.
  auto records = qrxtest::ReadSetJournal(journal);
  std::filesystem::remove(journal);
  ASSERT_EQ(records.size(), std::size(actions) + 1);
  for (size_t i = 0; i < std::size(actions); ++i) {
    ASSERT_EQ(records[i].varbinds.size(), 1u);
    EXPECT_EQ(records[i].varbinds[0].oid, actions[i].oid);
    EXPECT_EQ(records[i].varbinds[0].value, actions[i].written);
  }
}

}  // namespace
