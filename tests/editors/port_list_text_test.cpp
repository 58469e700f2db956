// Port lists in list views: shown as port numbers and ranges, the hex text
// in the tooltip, the value text kept for what is written back.
#include <gtest/gtest.h>

#include <QTreeWidget>
#include <QWidget>
#include <string>

#include "editors/ByteImage.h"
#include "editors/ControlBinding.h"
#include "editors/ListExport.h"
#include "editors/PortListText.h"
#include "editors_test_support.h"

namespace {

std::string Bytes(const char* hex) { return TextToImage(hex, Syntax::Bits); }

TEST(PortRangeText, NamesThePortsOfABitSet) {
  struct Case {
    const char* hex;
    const char* text;
  };
  const Case cases[] = {
      {"", "none"},
      {"00000000000000", "none"},
      {"0000000000000000", "none"},
      {"FFFFFFFFFFFFF0", "1-52"},             // all 52 ports, 7 octets
      {"FFFFFFFFFFFFF000", "1-52"},           // all 52 ports, 8 octets
      {"80000000000000", "1"},
      {"00000000000010", "52"},
      {"40000000000000", "2"},
      {"01800000000000", "8-9"},              // a run across a byte boundary
      {"03FFC000000000", "7-18"},             // across two boundaries
      {"FF00000000100F", "1-8, 44, 53-56"},   // bits beyond port 52 listed as they are
      {"0000000000000001", "64"},
      {"FF0000000008F000", "1-8, 45, 49-52"},
      {"AA", "1, 3, 5, 7"},
      {"FFFFFFFFFFFFFFFF", "1-64"},
  };
  for (const Case& c : cases) EXPECT_EQ(PortRangeText(Bytes(c.hex)), c.text) << c.hex;
}

TEST(PortRangeText, CellTextKeepsWhatIsNoPortList) {
  EXPECT_EQ(PortListCellText("C0"), "1-2");
  EXPECT_EQ(PortListCellText(""), "none");
  EXPECT_EQ(PortListCellText(kNullText), kNullText);
  EXPECT_EQ(PortListCellText(kNotDoneText), kNotDoneText);
  EXPECT_EQ(PortListCellText("not hex"), "not hex");
  EXPECT_EQ(PortListCellText("ABC"), "ABC");
}

TEST(PortRangeText, OnlyBitSetsThatNamePortsArePortLists) {
  struct Case {
    Syntax syntax;
    const char* label;
    bool portList;
  };
  const Case cases[] = {
      {Syntax::Bits, "Egress Ports", true},
      {Syntax::Bits, "VLAN Current Untagged Ports", true},
      {Syntax::Bits, "     Ports    ", true},
      {Syntax::Bits, "TX Port List", true},
      {Syntax::Bits, "MLD Snooping Group Include Port Map", true},
      {Syntax::Bits, "Allowed To Go To", true},
      {Syntax::Bits, "Port Capabilities", false},
      {Syntax::Bits, "VLAN Range [1-64]", false},
      {Syntax::Bits, "TLVs TX Enable", false},
      {Syntax::Bits, "Cipher Suites", false},
      {Syntax::OctetString, "Port List", false},
      {Syntax::Integer, "Port", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsPortListVariable(c.syntax, c.label), c.portList) << c.label;
}

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

TEST(PortListColumn, ShowsRangesCopiesThemAndWritesTheBytesRead) {
  TestApp();
  QWidget form;
  ReadEdits editor(&form);
  auto& list = editor.request.varList;
  list.kind = 3;
  list.keyCount = 1;
  list.AppendItem(" ", "VLAN", Syntax::Integer, Access::Key);
  list.AppendItem("1.2", "Egress Ports", Syntax::Bits, Access::Read | Access::Write);
  list.AppendItem("1.3", "Capabilities", Syntax::Bits, Access::Read);
  QTreeWidget view(&form);
  editor.AttachListView(&view, false);
  // Seven and eight octets, bits beyond the ports, nothing set.
  const std::vector<std::vector<std::string>> rows = {
      {"1", "FF0000000008F000", "C0"}, {"2", "0000000000000F", "80"}, {"3", "00000000000000", "00"}};
  editor.Read(rows);
  ASSERT_EQ(view.topLevelItemCount(), 3);

  const QStringList shown = {"1-8, 45, 49-52", "53-56", "none"};
  for (int r = 0; r < 3; ++r) {
    const QModelIndex cell = view.model()->index(r, 1);
    EXPECT_EQ(KyListExport::CellText(&view, cell), shown[r]);
    EXPECT_EQ(KyPortListDelegate::ToolTip(cell).toStdString(), rows[static_cast<size_t>(r)][1]);
    // Other bit sets stay hex.
    EXPECT_EQ(KyListExport::CellText(&view, view.model()->index(r, 2)).toStdString(), rows[static_cast<size_t>(r)][2]);
  }
  const auto copied = KyListExport::Rows(&view, false);
  ASSERT_EQ(copied.size(), 3u);
  EXPECT_EQ(copied[0], (QStringList{"1", "1-8, 45, 49-52", "C0"}));

  // What the selected row gives back, and so writes, is the bytes read.
  for (int r = 0; r < 3; ++r) {
    view.setCurrentItem(view.topLevelItem(r));
    editor.SelectedRowToValues();
    EXPECT_EQ(list.Item(1).value, rows[static_cast<size_t>(r)][1]);
  }
}

}  // namespace
