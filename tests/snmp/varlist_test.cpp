#include <gtest/gtest.h>

#include "snmp/VarList.h"
#include "tables/DefTables.h"
#include "tables/OptionTables.h"

namespace {

TEST(VarList, BuiltFromStaticTableWithKeyColumnOid) {
  KySNMPVarList list(tbl::Dot1qVlanStatic);
  ASSERT_EQ(list.Count(), 6);
  EXPECT_EQ(list.kind, 3);
  EXPECT_EQ(list.keyCount, 1);
  EXPECT_EQ(list.Item(0).oid, " ");
  EXPECT_FALSE(list.IsReadable(0));  // filled from the instance suffix, never requested
  EXPECT_TRUE(list.IsWritable(0));   // key of a table
  EXPECT_TRUE(list.IsVisibleColumn(0));
  ASSERT_NE(list.Item(5).options, nullptr);
  EXPECT_EQ(list.Item(5).options->ValueToLabel("4"), "createAndGo");
  // Same static enumeration gives the same process-wide list.
  EXPECT_EQ(list.Item(5).options, KyOptionList::Global(&opt::RowStatusActiveCreateDestroy));
}

TEST(VarList, AssignKeepsIndex) {
  KySNMPVarList source(tbl::PortControl1);
  source.name = "ports";
  source.Item(2).value = "3";
  source.index = "9";
  KySNMPVarList target;
  target.index = "5";
  target.Assign(source);
  EXPECT_EQ(target.index, "5");
  EXPECT_EQ(target.kind, 3);
  EXPECT_EQ(target.keyCount, 2);
  EXPECT_EQ(target.name, "ports");
  ASSERT_EQ(target.Count(), 10);
  EXPECT_EQ(target.Item(2).value, "3");
  // Deep copy: changing the target leaves the source alone.
  target.Item(2).value = "2";
  EXPECT_EQ(source.Item(2).value, "3");
  KySNMPVarList copy(source);
  EXPECT_EQ(copy.index, "9");
}

TEST(VarList, AppendIndexAppendsEachTime) {
  KySNMPVarList list;
  list.AppendItem("1.2.3", "a", Syntax::Integer, Access::Read);
  list.AppendItem("1.2.4", "b", Syntax::Integer, Access::Read, nullptr, "", "x*2", "");
  EXPECT_FALSE(list.Item(1).readExpr.has_value());
  EXPECT_EQ(list.Item(1).writeExpr.value_or(""), "x*2");
  list.AppendIndex("0");
  EXPECT_EQ(list.Item(0).oid, "1.2.3.0");
  EXPECT_EQ(list.Item(1).oid, "1.2.4.0");
  list.AppendIndex("0");
  EXPECT_EQ(list.Item(0).oid, "1.2.3.0.0");
}

struct AccessCase {
  int32_t access;
  uint8_t kind;
  int keyCount;
  int position;
  bool readable, writable, visible, hidden;
};

TEST(VarList, Predicates) {
  const AccessCase cases[] = {
      {Access::Write, 0, 0, 0, false, true, false, true},               // write only: hidden column
      {Access::Key, 0, 0, 0, false, false, true, false},                // key: visible column
      {Access::Read, 3, 2, 0, true, true, true, false},                 // key position of a table: writable
      {Access::Read, 3, 2, 1, true, true, true, false},
      {Access::Read, 3, 2, 2, true, false, true, false},
      {Access::Read, 0, 2, 0, true, false, true, false},                // scalar group: write bit only
      {Access::Read | Access::Excluded, 0, 0, 0, false, false, false, true},
      {Access::Read | Access::Write | Access::Excluded, 3, 1, 0, false, false, false, true},
      {Access::Display, 0, 0, 0, false, false, true, false},
      {Access::Read | Access::Hidden, 0, 0, 0, true, false, false, true},
  };
  for (const auto& c : cases) {
    KySNMPVarList list;
    list.kind = c.kind;
    list.keyCount = c.keyCount;
    for (int i = 0; i <= c.position; ++i)
      list.AppendItem("1.3.6." + std::to_string(i), "x", Syntax::Integer, i == c.position ? c.access : 0);
    SCOPED_TRACE("access " + std::to_string(c.access) + " at " + std::to_string(c.position));
    EXPECT_EQ(list.IsReadable(c.position), c.readable);
    EXPECT_EQ(list.IsWritable(c.position), c.writable);
    EXPECT_EQ(list.IsVisibleColumn(c.position), c.visible);
    EXPECT_EQ(list.IsHiddenColumn(c.position), c.hidden);
  }
}

TEST(VarList, ColumnCounts) {
  KySNMPVarList list(tbl::Dot1qVlanStatic);
  EXPECT_EQ(list.VisibleColumnCount(), 6);
  EXPECT_EQ(list.HiddenColumnCount(), 0);
  list.Item(3).access |= Access::Excluded;
  list.AppendItem("1.2", "w", Syntax::Integer, Access::Write);
  EXPECT_EQ(list.VisibleColumnCount(), 5);
  EXPECT_EQ(list.HiddenColumnCount(), 2);
}

TEST(OptionList, IntegerLookups) {
  const KyOptionList& l = *KyOptionList::Global(&opt::DisabledEnabled23);
  EXPECT_EQ(l.ValueToLabel("3"), "enabled");
  EXPECT_EQ(l.ValueToLabel("7"), "7");
  EXPECT_EQ(l.LabelToValue("ENABLED"), "3");
  EXPECT_EQ(l.LabelToValue("on"), "on");
  EXPECT_EQ(l.IndexOfValue("(NULL)"), -1);
  EXPECT_EQ(l.IndexOfValue("abc"), -1);
  EXPECT_EQ(l.IndexOfValue(""), -1);
  EXPECT_EQ(l.IndexOfValue("3x"), -1);
  EXPECT_EQ(l.IndexOfValue("2"), 0);
  EXPECT_EQ(l.IndexOfLabel("Disabled"), 0);
  EXPECT_EQ(l.IndexOfLabel("3"), -1);
}

TEST(OptionList, CaseSensitiveAndTextKinds) {
  static constexpr KyOptionPair pairs[] = {{1, nullptr, "On"}};
  KyOptionList sensitive(pairs, 1, true);
  EXPECT_EQ(sensitive.IndexOfLabel("on"), -1);
  EXPECT_EQ(sensitive.IndexOfLabel("On"), 0);

  const KyOptionList& auth = *KyOptionList::Global(&opt::UsmAuthProtocol);
  EXPECT_EQ(auth.ValueToLabel("1.3.6.1.6.3.10.1.1.2"), "MD5");
  EXPECT_EQ(auth.LabelToValue("sha"), "1.3.6.1.6.3.10.1.1.3");
  EXPECT_EQ(auth.ValueToLabel("1.3.6.1.6.3.10.1.1.2.0"), "1.3.6.1.6.3.10.1.1.2.0");  // matched whole

  KyOptionList prefix(3, false);
  prefix.AppendOption(std::string("1.3.6.1.2.1"), "mib-2");
  EXPECT_EQ(prefix.ValueToLabel("1.3.6.1.2.1.1.5"), "mib-2.1.5");
  EXPECT_EQ(prefix.LabelToValue("MIB-2.1.5"), "1.3.6.1.2.1.1.5");
  EXPECT_EQ(prefix.LabelToValue("mib"), "mib");  // shorter than the label
  EXPECT_EQ(prefix.ValueToLabel("1.3.6"), "1.3.6");
}

}  // namespace
