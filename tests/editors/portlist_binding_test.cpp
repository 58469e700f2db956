// Port grids bound to port lists: values shorter or longer than the grid's
// 64 boxes read without error, and a write keeps the length the agent uses
// and the bits that no box stands for.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QTreeWidget>
#include <QWidget>
#include <set>

#include "editors/ControlBinding.h"
#include "editors_test_support.h"
#include "snmp/Messages.h"

namespace {

constexpr int kBoxes = 64;

// Reads driven by hand: BeforeGet, one RowReceived per row, AfterGet.
class ReadEdits : public KySNMPRequest2Edits {
 public:
  using KySNMPRequest2Edits::KySNMPRequest2Edits;
  void Read(const std::vector<std::vector<std::string>>& rows) {
    BeforeGet();
    for (const auto& row : rows) {
      for (size_t i = 0; i < row.size(); ++i) request.varList.Item(static_cast<int>(i)).value = row[i];
      RowReceived();
    }
    AfterGet();
  }
};

std::vector<QCheckBox*> Grid(QWidget* form) {
  std::vector<QCheckBox*> boxes;
  for (int i = 0; i < kBoxes; ++i) boxes.push_back(new QCheckBox(QString::number(i + 1), form));
  return boxes;
}

std::string AllBits() {
  std::string list;
  for (int i = 0; i < kBoxes; ++i) list += (i ? "," : "") + std::to_string(i);
  return list;
}

std::set<int> CheckedPorts(const std::vector<QCheckBox*>& grid) {
  std::set<int> ports;
  for (size_t i = 0; i < grid.size(); ++i)
    if (grid[i]->isChecked()) ports.insert(static_cast<int>(i) + 1);
  return ports;
}

void Toggle(const std::vector<QCheckBox*>& grid, const std::vector<int>& ports) {
  for (int p : ports) grid[static_cast<size_t>(p - 1)]->toggle();
}

int CodeOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const KySNMPException& e) {
    return e.code();
  }
  return 0;
}

// A scalar port list as read, the ports toggled then, and the value that
// the write carries (the dialogs empty the values and read the controls
// back, as ControlsToValues does).
struct ScalarCase {
  const char* name;
  std::string read;
  std::set<int> checkedAfterRead;
  std::vector<int> toggled;
  std::string written;
};

class ScalarPortList : public ::testing::TestWithParam<ScalarCase> {};

TEST_P(ScalarPortList, ReadsWithoutErrorAndWritesTheLengthRead) {
  const ScalarCase& c = GetParam();
  QWidget form;
  ReadEdits editor(&form);
  auto& list = editor.request.varList;
  list.AppendItem("1.1", "Ports", Syntax::Bits, Access::Read | Access::Write);
  list.AppendItem("1.2", "Name", Syntax::DisplayString, Access::Read | Access::Write);
  const auto grid = Grid(&form);
  auto* name = new QLineEdit(&form);
  editor.AssociatePortList(0, AllBits(), grid);
  editor.AssociateEdits(1, "%s", name);
  for (auto* box : grid) box->setChecked(true);  // whatever was shown before

  editor.Read({{c.read, "uplinks"}});
  EXPECT_EQ(CheckedPorts(grid), c.checkedAfterRead);
  EXPECT_EQ(name->text(), "uplinks") << "the fields after the grid are filled too";
  Toggle(grid, c.toggled);
  editor.ControlsToValues();
  EXPECT_EQ(list.Item(0).value, c.written);
  // A second write of the same controls (the mirror writes its lists again
  // on their own) carries the same value.
  editor.ControlsToValues();
  EXPECT_EQ(list.Item(0).value, c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, ScalarPortList,
    ::testing::Values(
        ScalarCase{"SevenOctetsOfA52PortSwitch", "80000000000010", {1, 52}, {2}, "C0000000000010"},
        ScalarCase{"SevenOctetsHiddenBoxesInTheLastOctetKept", "0000000000001F", {52, 53, 54, 55, 56}, {52},
                   "0000000000000F"},
        ScalarCase{"EightOctetsAWholeUnit", "8000000000001001", {1, 52, 64}, {2, 52}, "C000000000000001"},
        ScalarCase{"LongerThanTheGridKeepsTheBitsBeyond", "800000000000000FAB", {1, 61, 62, 63, 64}, {1},
                   "000000000000000FAB"},
        ScalarCase{"ShorterThanThePortsReadsTheRestUnchecked", "FF", {1, 2, 3, 4, 5, 6, 7, 8}, {8}, "FE"},
        ScalarCase{"ACheckedPortBeyondTheValueLengthensIt", "FF", {1, 2, 3, 4, 5, 6, 7, 8}, {20}, "FF0010"},
        ScalarCase{"NothingSentGivesAUnitOfEightOctets", "", {}, {3}, "2000000000000000"}),
    [](const auto& info) { return std::string(info.param.name); });

// Nothing read at all: the write is one unit of ports.
TEST(PortListBinding, NeverReadWritesEightOctets) {
  QWidget form;
  ReadEdits editor(&form);
  editor.request.varList.AppendItem("1.1", "Ports", Syntax::Bits, Access::Read | Access::Write);
  const auto grid = Grid(&form);
  editor.AssociatePortList(0, AllBits(), grid);
  Toggle(grid, {1, 9});
  editor.ControlsToValues();
  EXPECT_EQ(editor.request.varList.Item(0).value, "8080000000000000");
}

// Only port grids read short values: other bit bindings keep refusing a
// bit beyond the value.
TEST(PortListBinding, OtherBitBindingsStillRefuseABitBeyondTheValue) {
  QWidget form;
  ReadEdits editor(&form);
  auto& list = editor.request.varList;
  list.AppendItem("1.1", "State", Syntax::OctetString, Access::Read | Access::Write);
  list.AppendItem("1.2", "Ports", Syntax::Bits, Access::Read | Access::Write);
  std::vector<QCheckBox*> state;
  for (int i = 0; i < 16; ++i) state.push_back(new QCheckBox(&form));
  editor.AssociateBits(0, "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", state);
  const auto grid = Grid(&form);
  editor.AssociatePortList(1, AllBits(), grid);
  list.Item(0).value = "A0";
  list.Item(1).value = "A0";
  EXPECT_EQ(CodeOf([&] { editor.FillControls(0); }), KyErr::AssocIndexOutOfRange);
  EXPECT_EQ(CodeOf([&] { editor.FillControls(1); }), 0);
  EXPECT_EQ(CheckedPorts(grid), (std::set<int>{1, 3}));
  // And write the bytes their boxes need, as before.
  editor.ReadControls(0);
  EXPECT_EQ(list.Item(0).value, "A000");
}

// A table: a selected row is written with its own length; a new row with
// the length of the rows the agent sent, or a unit of 8 octets when the
// table has none.
struct TableCase {
  const char* name;
  std::vector<std::vector<std::string>> rows;
  int selected;  // -1: a new row
  std::string written;
};

class TablePortList : public ::testing::TestWithParam<TableCase> {};

TEST_P(TablePortList, WritesTheLengthTheAgentUses) {
  const TableCase& c = GetParam();
  QWidget form;
  ReadEdits editor(&form);
  auto& list = editor.request.varList;
  list.kind = 3;
  list.keyCount = 1;
  list.AppendItem(" ", "VLAN", Syntax::Integer, Access::Key);
  list.AppendItem("1.2", "Name", Syntax::DisplayString, Access::Read | Access::Write);
  list.AppendItem("1.3", "Members", Syntax::Bits, Access::Read | Access::Write);
  QTreeWidget view;
  editor.AttachListView(&view, false);
  const auto grid = Grid(&form);
  editor.AssociatePortList(2, AllBits(), grid);
  auto* name = new QLineEdit(&form);
  editor.AssociateEdits(1, "%s", name);

  editor.Read(c.rows);
  ASSERT_EQ(view.topLevelItemCount(), static_cast<int>(c.rows.size()));
  if (c.selected >= 0) {
    view.setCurrentItem(view.topLevelItem(c.selected));
    EXPECT_EQ(name->text().toStdString(), c.rows[static_cast<size_t>(c.selected)][1])
        << "the fields after the grid are filled too";
  } else {
    for (auto* box : grid) box->setChecked(false);
  }
  Toggle(grid, {3});
  editor.ControlsToValues();
  EXPECT_EQ(list.Item(2).value, c.written);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TablePortList,
    ::testing::Values(
        TableCase{"SelectedSevenOctetRow", {{"1", "default", "80000000000010"}, {"2", "v2", "40000000000000"}}, 1,
                  "60000000000000"},
        TableCase{"SelectedEightOctetRow", {{"1", "default", "8000000000001000"}}, 0, "A000000000001000"},
        TableCase{"SelectedLongerRowKeepsTheBitsBeyond", {{"1", "default", "0000000000000000CD"}}, 0,
                  "2000000000000000CD"},
        TableCase{"NewRowInASevenOctetTable", {{"1", "default", "80000000000010"}}, -1, "20000000000000"},
        TableCase{"NewRowInAnEightOctetTable", {{"1", "default", "8000000000001000"}}, -1, "2000000000000000"},
        TableCase{"NewRowInAnEmptyTable", {}, -1, "2000000000000000"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
