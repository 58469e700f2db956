// Every object that a definition table names is served by qrx900-sim with the
// wire type its syntax stands for, and a writable row is writable there too.
//
// Objects of the simulator's own model come from `qrx900-sim --list`; the
// subtrees that the list hands over to net-snmp's own modules are walked on a
// running simulator instead.
#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "SimFixture.h"
#include "tables/DefTables.h"

namespace {

// The wire type a definition syntax travels as, in the spelling of the list.
const char* ExpectedType(Syntax syntax) {
  switch (syntax) {
    case Syntax::Boolean:
    case Syntax::Integer:
      return "INTEGER";
    case Syntax::Null:
      return "NULL";
    case Syntax::ObjectId:
      return "OBJECT-IDENTIFIER";
    case Syntax::IpAddress:
    case Syntax::Address:
      return "IpAddress";
    case Syntax::Counter32:
      return "Counter32";
    case Syntax::Gauge32:
    case Syntax::UInteger32:
      return "Gauge32";
    case Syntax::TimeTicks:
      return "TimeTicks";
    case Syntax::Counter64:
      return "Counter64";
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Opaque:
    case Syntax::Real:
    case Syntax::MacAddress:
    case Syntax::DateAndTime:
    case Syntax::DateTime:
    case Syntax::DisplayString:
    case Syntax::Ipv6Address:
      return "OCTET-STRING";
  }
  return "UNKNOWN";
}

// The type of a value as net-snmp's tools print it ("INTEGER: 3",
// "Hex-STRING: 00 01", "\"\"", "OID: .1.3", "Timeticks: (5) 0:00:00.05").
std::string ToolType(const std::string& value) {
  if (value.starts_with("\"")) return "OCTET-STRING";  // empty or quoted string without a type
  const std::string type = value.substr(0, value.find(':'));
  static const std::map<std::string, std::string> kNames = {
      {"INTEGER", "INTEGER"},          {"STRING", "OCTET-STRING"},   {"Hex-STRING", "OCTET-STRING"},
      {"OID", "OBJECT-IDENTIFIER"},    {"IpAddress", "IpAddress"},   {"Counter32", "Counter32"},
      {"Gauge32", "Gauge32"},          {"Timeticks", "TimeTicks"},   {"Counter64", "Counter64"},
      {"BITS", "OCTET-STRING"},        {"Opaque", "Opaque"},         {"NULL", "NULL"},
  };
  auto it = kNames.find(type);
  return it == kNames.end() ? "UNKNOWN(" + type + ")" : it->second;
}

bool Under(std::string_view oid, std::string_view subtree) {
  return oid.size() > subtree.size() && oid.starts_with(subtree) && oid[subtree.size()] == '.';
}

struct Served {
  std::string type;
  std::string access;
};

// The simulator's object list: objects by OID, and the subtrees it leaves to
// net-snmp's modules. Malformed or repeated lines are collected as problems.
struct ObjectList {
  std::map<std::string, Served> objects;
  std::vector<std::string> netSnmpSubtrees;
  std::vector<std::string> problems;
};

ObjectList ParseList(const std::string& text) {
  ObjectList list;
  std::istringstream in(text);
  std::string line;
  const std::string kModules = "# served by net-snmp's own modules:";
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    if (line.starts_with(kModules)) {
      std::istringstream rest(line.substr(kModules.size()));
      for (std::string s; rest >> s;) list.netSnmpSubtrees.push_back(s);
      continue;
    }
    if (line.starts_with("#")) continue;
    std::istringstream fields(line);
    std::string oid, type, access, extra;
    if (!(fields >> oid >> type >> access) || (fields >> extra)) {
      list.problems.push_back("malformed line: " + line);
      continue;
    }
    if (!list.objects.emplace(oid, Served{type, access}).second) list.problems.push_back("listed twice: " + oid);
  }
  return list;
}

// One definition row that names an object.
struct NamedObject {
  const KyVarDefTable* table;
  const KyVarDefRow* row;
};

std::vector<NamedObject> NamedObjects() {
  std::vector<NamedObject> out;
  for (const KyVarDefTable* t : AllDefinitionTables()) {
    for (const KyVarDefRow& r : t->rows) {
      if (r.oid == nullptr || std::string_view(r.oid) == " ") continue;  // filled from the instance suffix
      out.push_back({t, &r});
    }
  }
  return out;
}

std::string Describe(const NamedObject& n) {
  return std::string("tbl::") + n.table->name + " \"" + n.row->label + "\" " + n.row->oid;
}

class ServedTypesTest : public SimFixture {
 protected:
  void SetUp() override {
    const auto r = qrxtest::RunCommand({qrxtest::SimProcess::DefaultExecutable(), "--list"});
    ASSERT_EQ(r.exitCode, 0) << "qrx900-sim --list failed: " << r.err;
    list = ParseList(r.out);
  }

  const std::string* NetSnmpSubtreeOf(std::string_view oid) const {
    for (const std::string& s : list.netSnmpSubtrees)
      if (Under(oid, s) || oid == s) return &s;
    return nullptr;
  }

  ObjectList list;
};

TEST_F(ServedTypesTest, ListIsWellFormed) {
  EXPECT_TRUE(list.problems.empty()) << ::testing::PrintToString(list.problems);
  EXPECT_GT(list.objects.size(), 500u);
  EXPECT_FALSE(list.netSnmpSubtrees.empty());
  const std::set<std::string> kAccess = {"read-only", "read-write", "read-create"};
  for (const auto& [oid, served] : list.objects) {
    EXPECT_TRUE(kAccess.count(served.access)) << oid << " " << served.access;
    EXPECT_NE(served.type, "NULL") << oid;
    EXPECT_EQ(NetSnmpSubtreeOf(oid), nullptr) << oid << " is listed although a net-snmp module serves it";
  }
}

// Objects of the simulator's own model: the list gives type and access.
TEST_F(ServedTypesTest, ModelObjectsHaveTheDefinitionsTypeAndAccess) {
  std::vector<std::string> missing, wrongType, notWritable;
  int checked = 0;
  for (const NamedObject& n : NamedObjects()) {
    const std::string oid = n.row->oid;
    if (NetSnmpSubtreeOf(oid) != nullptr) continue;
    auto it = list.objects.find(oid);
    if (it == list.objects.end()) {
      missing.push_back(Describe(n));
      continue;
    }
    ++checked;
    const std::string expected = ExpectedType(n.row->syntax);
    if (it->second.type != expected)
      wrongType.push_back(Describe(n) + ": served " + it->second.type + ", expected " + expected);
    if ((n.row->access & Access::Write) && it->second.access == "read-only")
      notWritable.push_back(Describe(n) + ": writable in the table, read-only in the simulator");
  }
  std::cout << "objects checked against the list: " << checked << "\n";
  EXPECT_GT(checked, 0);
  EXPECT_TRUE(missing.empty()) << "not served:\n  " << ::testing::PrintToString(missing);
  EXPECT_TRUE(wrongType.empty()) << "served with another type:\n  " << ::testing::PrintToString(wrongType);
  EXPECT_TRUE(notWritable.empty()) << ::testing::PrintToString(notWritable);
}

// One object named by two tables is one object on the device: both must
// agree on how it travels.
TEST_F(ServedTypesTest, TablesAgreeOnSharedObjects) {
  std::map<std::string, std::vector<NamedObject>> byOid;
  for (const NamedObject& n : NamedObjects()) byOid[n.row->oid].push_back(n);
  for (const auto& [oid, users] : byOid) {
    for (const NamedObject& n : users) {
      EXPECT_STREQ(ExpectedType(n.row->syntax), ExpectedType(users.front().row->syntax))
          << Describe(n) << " and " << Describe(users.front());
    }
  }
}

// Objects in the subtrees of net-snmp's modules (the SNMPv3 framework, target,
// notification, USM and VACM tables): walked on a running simulator. A column
// whose table holds no row there cannot show its type and is only reported.
TEST_F(ServedTypesTest, NetSnmpModuleObjectsHaveTheDefinitionsType) {
  std::vector<NamedObject> named;
  for (const NamedObject& n : NamedObjects()) {
    // A pure index column travels in the instance suffix only: the MIB makes it not-accessible.
    const bool indexOnly = (n.row->access & (Access::Read | Access::Write)) == 0;
    if (NetSnmpSubtreeOf(n.row->oid) != nullptr && !indexOnly) named.push_back(n);
  }
  ASSERT_FALSE(named.empty()) << "no table names an object of net-snmp's modules: nothing to compare";

  StartSim();
  // The target and notification tables start empty: one row each, so that
  // their columns show a type.
  const std::vector<Args> rows = {
      {"1.3.6.1.6.3.12.1.3.1.2.112.49", "i", "3", "1.3.6.1.6.3.12.1.3.1.3.112.49", "i", "3",
       "1.3.6.1.6.3.12.1.3.1.4.112.49", "s", "qrxadmin", "1.3.6.1.6.3.12.1.3.1.5.112.49", "i", "3",
       "1.3.6.1.6.3.12.1.3.1.7.112.49", "i", "4"},
      {"1.3.6.1.6.3.12.1.2.1.2.116.49", "o", "1.3.6.1.6.1.1", "1.3.6.1.6.3.12.1.2.1.3.116.49", "x", "C000020100A2",
       "1.3.6.1.6.3.12.1.2.1.6.116.49", "s", "tag1", "1.3.6.1.6.3.12.1.2.1.7.116.49", "s", "p1",
       "1.3.6.1.6.3.12.1.2.1.9.116.49", "i", "4"},
      {"1.3.6.1.6.3.13.1.1.1.2.110.49", "s", "tag1", "1.3.6.1.6.3.13.1.1.1.3.110.49", "i", "1",
       "1.3.6.1.6.3.13.1.1.1.5.110.49", "i", "4"},
      {"1.3.6.1.6.3.13.1.2.1.1.112.49", "s", "f1", "1.3.6.1.6.3.13.1.2.1.3.112.49", "i", "4"},
      {"1.3.6.1.6.3.13.1.3.1.3.2.102.49.1.3.6.1", "i", "1", "1.3.6.1.6.3.13.1.3.1.5.2.102.49.1.3.6.1", "i", "4"},
  };
  for (const Args& row : rows) {
    const auto r = Set(row, V3());
    if (r.exitCode != 0) std::cout << "row not created (" << row.front() << "): " << r.err;
  }

  std::map<std::string, std::string> walked;  // instance OID -> "TYPE: value"
  std::set<std::string> subtrees;
  for (const NamedObject& n : named) subtrees.insert(*NetSnmpSubtreeOf(n.row->oid));
  for (const std::string& s : subtrees) {
    const auto r = Walk(s, V3());
    ASSERT_EQ(r.exitCode, 0) << "walk of " << s << " failed: " << r.err;
    const auto vbs = Varbinds(r.out);
    walked.insert(vbs.begin(), vbs.end());
  }

  std::vector<std::string> wrongType, empty;
  int checked = 0;
  for (const NamedObject& n : named) {
    const std::string oid = n.row->oid;
    auto it = walked.lower_bound(oid + ".");
    if (it == walked.end() || !Under(it->first, oid)) {
      empty.push_back(Describe(n));
      continue;
    }
    ++checked;
    const std::string served = ToolType(it->second);
    const std::string expected = ExpectedType(n.row->syntax);
    if (served != expected) wrongType.push_back(Describe(n) + ": served " + served + ", expected " + expected);
  }
  std::cout << "objects of net-snmp's modules checked: " << checked << "; without an instance to show a type: "
            << empty.size() << "\n";
  for (const std::string& e : empty) std::cout << "  " << e << "\n";
  EXPECT_GT(checked, 0);
  EXPECT_TRUE(wrongType.empty()) << "served with another type:\n  " << ::testing::PrintToString(wrongType);
}

}  // namespace
