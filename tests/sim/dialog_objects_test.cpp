// Objects of the switch that the dedicated windows rely on, seen through
// net-snmp's tools: counters of a single-instance list read per port, and
// lists that share columns with a table.
#include "tests/sim/SimFixture.h"

namespace {

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
// Per-instance objects of single-instance lists

TEST_F(DialogObjectsTest, MacControlCountersAreReadPerPort) {
  StartSim();
  const std::string counters[] = {"1.3.6.1.2.1.10.7.9.1.2", "1.3.6.1.2.1.10.7.10.1.3", "1.3.6.1.2.1.10.7.10.1.4"};
  for (const std::string& c : counters) {
    SCOPED_TRACE(c);
    auto vb = Varbinds(Get({c + ".1", c + ".52"}).out);
    EXPECT_EQ(vb[c + ".1"].rfind("Counter32: ", 0), 0u) << vb[c + ".1"];
    EXPECT_EQ(vb[c + ".52"].rfind("Counter32: ", 0), 0u) << vb[c + ".52"];
    EXPECT_NE(vb[c + ".1"], vb[c + ".52"]) << "each port counts for itself";
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

}  // namespace
