// Binding of variables to controls: associations, values to controls and
// back, bits and pieces, errors and the status line.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>
#include <QWidget>

#include "editors/ByteImage.h"
#include "editors/ControlBinding.h"
#include "editors_test_support.h"
#include "snmp/Messages.h"
#include "tables/OptionTables.h"

namespace {

int CodeOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const KySNMPException& e) {
    return e.code();
  }
  return 0;
}

class Binding : public ::testing::Test {
 protected:
  void SetUp() override {
    editor = std::make_unique<KySNMPRequest2Edits>(&form);
    auto& list = editor->request.varList;
    list.AppendItem("1.1", "Ports", Syntax::OctetString, Access::Read | Access::Write);             // 0
    list.AppendItem("1.2", "State", Syntax::Integer, Access::Read | Access::Write,
                    KyOptionList::Global(&opt::DisabledEnabled23));                                 // 1
    list.AppendItem("1.3", "Flag", Syntax::Boolean, Access::Read | Access::Write);                  // 2
    list.AppendItem("1.4", "Address", Syntax::IpAddress, Access::Read | Access::Write);             // 3
    list.AppendItem("1.5", "Uptime", Syntax::TimeTicks, Access::Read | Access::Write);              // 4
    list.AppendItem("1.6", "Mac", Syntax::MacAddress, Access::Read | Access::Write);                // 5
    list.AppendItem("1.7", "Name", Syntax::DisplayString, Access::Read | Access::Write);            // 6
    list.AppendItem("1.8", "Count", Syntax::Integer, Access::Read);                                 // 7 read-only
    list.AppendItem("1.9", "When", Syntax::DateAndTime, Access::Read | Access::Write);              // 8
    list.AppendItem("1.10", "Protocol", Syntax::ObjectId, Access::Read | Access::Write,
                    KyOptionList::Global(&opt::UsmAuthProtocol));                                   // 9
  }
  std::string& Value(int i) { return editor->request.varList.Item(i).value; }
  std::vector<QCheckBox*> Boxes(int n) {
    std::vector<QCheckBox*> boxes;
    for (int i = 0; i < n; ++i) boxes.push_back(new QCheckBox(&form));
    return boxes;
  }
  std::vector<QLineEdit*> Edits(int n) {
    std::vector<QLineEdit*> edits;
    for (int i = 0; i < n; ++i) edits.push_back(new QLineEdit(&form));
    return edits;
  }

  QWidget form;
  std::unique_ptr<KySNMPRequest2Edits> editor;
  BoxRecorder boxes;
};

TEST_F(Binding, EightBitsOnOneByte) {
  auto bits = Boxes(8);
  editor->AssociateBits(0, "0,1,2,3,4,5,6,7", bits);
  Value(0) = "A0";
  editor->FillControls(-1);
  std::vector<bool> checked;
  for (auto* b : bits) checked.push_back(b->isChecked());
  EXPECT_EQ(checked, (std::vector<bool>{true, false, true, false, false, false, false, false}));
  bits[7]->setChecked(true);
  bits[0]->setChecked(false);
  editor->ReadControls(-1);
  EXPECT_EQ(Value(0), "21");
}

TEST_F(Binding, BitBeyondTheValue) {
  auto bits = Boxes(1);
  editor->AssociateBits(0, "27", bits);
  Value(0) = "FF00FF";
  EXPECT_EQ(CodeOf([&] { editor->FillControls(0); }), KyErr::AssocIndexOutOfRange);
  bits[0]->setChecked(true);
  editor->ReadControls(0);
  EXPECT_EQ(Value(0), "FF00FF10");  // extended to 4 bytes, the other bits kept
}

TEST_F(Binding, UnboundBitsKeepTheirState) {
  auto bits = Boxes(2);
  editor->AssociateBits(0, "9,0", bits);  // any order
  Value(0) = "FFFF";
  editor->FillControls(0);
  EXPECT_TRUE(bits[0]->isChecked() && bits[1]->isChecked());
  bits[0]->setChecked(false);
  bits[1]->setChecked(false);
  editor->ReadControls(0);
  EXPECT_EQ(Value(0), "7FBF");
  // A list of controls of any length: a port grid.
  auto grid = Boxes(52);
  std::string list;
  for (int i = 0; i < 52; ++i) list += (i ? "," : "") + std::to_string(i);
  editor->Disassociate(0);
  editor->AssociateBits(0, list, grid);
  Value(0) = "80000000000010";
  editor->FillControls(0);
  EXPECT_TRUE(grid[0]->isChecked());
  EXPECT_TRUE(grid[51]->isChecked());
  EXPECT_FALSE(grid[50]->isChecked());
  // A wild bit number is refused at once.
  EXPECT_EQ(CodeOf([&] { editor->AssociateBits(0, "2147483647", Boxes(1)); }), KyErr::AssocIndexOutOfRange);
  // Fewer controls than numbers.
  EXPECT_EQ(CodeOf([&] { editor->AssociateBits(0, "0,1,2", Boxes(2)); }), KyErr::TooFewControls);
}

TEST_F(Binding, AssociationErrors) {
  auto* combo = new QComboBox(&form);
  EXPECT_EQ(CodeOf([&] { editor->AssociateControl(6, combo); }), KyErr::NoOptionList);
  auto* group = new KyRadioGroup(&form);
  EXPECT_EQ(CodeOf([&] { editor->AssociateControl(6, static_cast<QWidget*>(group)); }), KyErr::NoOptionList);
  auto* button = new QPushButton(&form);
  EXPECT_EQ(CodeOf([&] { editor->AssociateControl(6, static_cast<QWidget*>(button)); }), KyErr::BadControlType);
  // A prefix-kind option list needs the edit for the rest of the value.
  static KyOptionList prefix(3, false);
  if (prefix.Count() == 0) prefix.AppendOption(std::string("1.3.6.1.4"), "private");
  ControlBinding b;
  b.variable = 9;
  b.options = &prefix;
  b.controls = {combo};
  EXPECT_EQ(CodeOf([&] { editor->AddBinding(b); }), KyErr::TooFewControls);
  EXPECT_EQ(CodeOf([&] { editor->AssociateEdits(6, "%s%s", Edits(1)); }), KyErr::TooFewControls);
  EXPECT_EQ(CodeOf([&] { editor->AssociateEdits(6, "%s{l5", Edits(1)); }), KyErr::BadConstraintFormat);
  EXPECT_TRUE(editor->Bindings().empty());
}

TEST_F(Binding, ComboBoxAndRadioGroupShowLabels) {
  auto* combo = new QComboBox(&form);
  combo->setEditable(true);
  editor->AssociateControl(1, combo);
  EXPECT_FALSE(combo->isEditable());  // drop-down list style
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->itemText(1), "enabled");
  auto* group = new KyRadioGroup(&form);
  editor->AssociateControl(1, static_cast<QWidget*>(group));
  EXPECT_EQ(group->Items(), (QStringList{"disabled", "enabled"}));

  Value(1) = "enabled";
  editor->FillControls(1);
  EXPECT_EQ(combo->currentText(), "enabled");
  EXPECT_EQ(group->ItemIndex(), 1);
  Value(1) = "3";  // a raw value finds its option too
  editor->FillControls(1);
  EXPECT_EQ(combo->currentIndex(), 1);
  Value(1) = "9";  // no such option: nothing selected
  editor->FillControls(1);
  EXPECT_EQ(combo->currentIndex(), -1);
  EXPECT_EQ(group->ItemIndex(), -1);

  editor->Disassociate(1);
  editor->AssociateControl(1, combo);
  combo->setCurrentIndex(0);
  editor->ReadControls(1);
  EXPECT_EQ(Value(1), "disabled");
}

TEST_F(Binding, ComboBoxWithTheRestOfAPrefixValue) {
  static KyOptionList prefix(3, false);
  if (prefix.Count() == 0) {
    prefix.AppendOption(std::string("1.3.6.1.4.1"), "enterprises");
    prefix.AppendOption(std::string("1.3.6.1.2.1"), "mib-2");
  }
  auto* combo = new QComboBox(&form);
  auto* rest = new QLineEdit(&form);
  ControlBinding b;
  b.variable = 9;
  b.options = &prefix;
  b.pieceSyntax = Syntax::ObjectId;
  b.controls = {combo, rest};
  editor->request.varList.Item(9).options = nullptr;
  editor->AddBinding(b);
  Value(9) = "1.3.6.1.4.1.32473.11";
  editor->FillControls(9);
  EXPECT_EQ(combo->currentText(), "enterprises");
  EXPECT_EQ(rest->text(), "32473.11");  // the dot after the prefix is dropped for an OID
  combo->setCurrentIndex(1);
  rest->setText("2.1");
  editor->ReadControls(9);
  EXPECT_EQ(Value(9), "1.3.6.1.2.1.2.1");
}

TEST_F(Binding, CheckBoxes) {
  auto* state = new QCheckBox(&form);
  auto* flag = new QCheckBox(&form);
  auto* wrong = new QCheckBox(&form);
  editor->AssociateControl(1, static_cast<QWidget*>(state));
  editor->AssociateControl(2, static_cast<QWidget*>(flag));
  Value(1) = "enabled";  // second option: checked
  Value(2) = "true";
  editor->FillControls(-1);
  EXPECT_TRUE(state->isChecked());
  EXPECT_TRUE(flag->isChecked());
  Value(1) = "disabled";
  editor->FillControls(1);
  EXPECT_FALSE(state->isChecked());
  state->setChecked(true);
  flag->setChecked(false);
  editor->ReadControls(-1);
  EXPECT_EQ(Value(1), "enabled");
  EXPECT_EQ(Value(2), "false");
  // Without option list only boolean syntaxes fit a check box.
  editor->AssociateControl(6, static_cast<QWidget*>(wrong));
  EXPECT_EQ(CodeOf([&] { editor->FillControls(6); }), KyErr::BadAssocSyntax);
  EXPECT_EQ(CodeOf([&] { editor->ReadControls(6); }), KyErr::BadAssocSyntax);
}

struct MultiEditCase {
  int variable;
  int edits;
  const char* value;
  std::vector<const char*> shown;
  std::vector<const char*> typed;
  const char* read;
};

class BindingEdits : public Binding, public ::testing::WithParamInterface<MultiEditCase> {};

TEST_P(BindingEdits, OneValueOverSeveralEdits) {
  const auto& c = GetParam();
  auto edits = Edits(c.edits);
  std::string format;
  for (int i = 0; i < c.edits; ++i) format += "%s";
  editor->AssociateEdits(c.variable, format, edits);
  Value(c.variable) = c.value;
  editor->FillControls(c.variable);
  for (size_t i = 0; i < c.shown.size(); ++i) EXPECT_EQ(edits[i]->text().toStdString(), c.shown[i]) << i;
  for (size_t i = 0; i < c.typed.size(); ++i) edits[i]->setText(c.typed[i]);
  editor->ReadControls(c.variable);
  EXPECT_EQ(Value(c.variable), c.read);
}

INSTANTIATE_TEST_SUITE_P(
    Syntaxes, BindingEdits,
    ::testing::Values(
        MultiEditCase{3, 4, "10.90.1.2", {"10", "90", "1", "2"}, {"192", "168"}, "192.168.1.2"},
        MultiEditCase{4, 5, "3 days, 4:05:06.07", {"3", "4", "5", "6", "7"}, {"0", "1"}, "1:05:06.07"},
        MultiEditCase{5, 6, "001A2B3C4D5E", {"00", "1A", "2B", "3C", "4D", "5E"}, {"f", ""}, "0F002B3C4D5E"},
        MultiEditCase{0, 3, "0102", {"01", "02", ""}, {"a", "b", "c"}, "0A0B0C"},
        MultiEditCase{8, 10, "2008-12-5,13:30:15.0,+8:0",
                      {"2008", "12", "5", "13", "30", "15", "0", "+", "8", "0"},
                      {"2009", "1", "2", "3", "4", "5", "6", "-", "5", "30"},
                      "2009-1-2,3:4:5.6,-5:30"},
        MultiEditCase{6, 2, "whole", {"whole", ""}, {"new"}, "new"}));

TEST_F(Binding, TooFewEditsForTheSyntax) {
  ControlBinding b;
  b.variable = 5;
  for (auto* e : Edits(3)) b.controls.push_back(e);
  editor->AddBinding(b);
  Value(5) = "001A2B3C4D5E";
  EXPECT_EQ(CodeOf([&] { editor->FillControls(5); }), KyErr::TooFewControls);
  EXPECT_EQ(CodeOf([&] { editor->ReadControls(5); }), KyErr::TooFewControls);
}

TEST_F(Binding, PiecesAtOffsets) {
  auto* vlan = new QLineEdit(&form);
  auto* flag = new QCheckBox(&form);
  ControlBinding piece;
  piece.variable = 0;
  piece.offset = 2;
  piece.pieceSyntax = PieceSyntax::UInt16;
  piece.controls = {vlan};
  editor->AddBinding(piece);
  ControlBinding bit;
  bit.variable = 0;
  bit.offset = 4;
  bit.pieceSyntax = PieceSyntax::Bool8;
  bit.controls = {flag};
  editor->AddBinding(bit);

  Value(0) = "AA000FFE01";
  editor->FillControls(0);
  EXPECT_EQ(vlan->text(), "4094");
  EXPECT_TRUE(flag->isChecked());
  vlan->setText("1");
  flag->setChecked(false);
  editor->ReadControls(0);
  EXPECT_EQ(Value(0), "AA00000100");  // the bytes around the pieces are kept

  Value(0) = "AA00";  // too short for the piece at 2
  EXPECT_EQ(CodeOf([&] { editor->FillControls(0); }), KyErr::AssocIndexOutOfRange);
  Value(0) = "";
  editor->ReadControls(0);  // extended with zero bytes up to the pieces
  EXPECT_EQ(Value(0), "0000000100");
}

TEST_F(Binding, WholeValuesAreReplacedNotPadded) {
  auto* ports = new QLineEdit(&form);
  auto* name = new QLineEdit(&form);
  editor->AssociateEdits(0, "%h", ports);
  editor->AssociateEdits(6, "%s", name);
  Value(0) = "01020304";
  Value(6) = "a long name";
  editor->FillControls(-1);
  ports->setText("FF");
  name->setText("short");
  editor->ReadControls(-1);
  EXPECT_EQ(Value(0), "FF");
  EXPECT_EQ(Value(6), "short");
}

TEST_F(Binding, LabelsExcludedAndReadOnlyVariables) {
  auto* label = new QLabel(&form);
  auto* count = new QLineEdit(&form);
  editor->AssociateControl(6, label);
  editor->AssociateEdits(7, "%i", count);
  Value(6) = "caption";
  Value(7) = "5";
  editor->FillControls(-1);
  EXPECT_EQ(label->text(), "caption");
  EXPECT_EQ(count->text(), "5");
  count->setText("6");
  editor->ReadControls(-1);
  EXPECT_EQ(Value(7), "5");  // not writable: not read back

  editor->request.varList.Item(6).access |= Access::Excluded;
  Value(6) = "other";
  editor->FillControls(-1);
  EXPECT_EQ(label->text(), "caption");  // excluded: left alone
}

TEST_F(Binding, DisassociateRestoresTheEditAndEnableControlsReachesAll) {
  auto* edit = new QLineEdit(&form);
  int own = 0;
  SetChangeHandler(edit, [&](QWidget*) { ++own; });
  editor->AssociateEdits(3, "%i{n1x9}", edit);
  ASSERT_NE(editor->Constraints().Find(edit), nullptr);
  auto bits = Boxes(2);
  editor->AssociateBits(0, "0,1", bits);
  editor->EnableControls(false);
  EXPECT_FALSE(edit->isEnabled());
  EXPECT_FALSE(bits[1]->isEnabled());
  editor->EnableControls(true);
  EXPECT_TRUE(bits[0]->isEnabled());
  editor->Disassociate(3);
  EXPECT_EQ(editor->Constraints().Find(edit), nullptr);
  EXPECT_EQ(editor->Bindings().size(), 1u);
  edit->setText("x");
  EXPECT_EQ(edit->text(), "x");
  EXPECT_EQ(own, 1);  // the edit's own handler is back, without the filter
}

TEST_F(Binding, StatusLineGoesToMemoStatusBarOrPanel) {
  QPlainTextEdit memo;
  editor->SetStatusTarget(&memo);
  editor->ShowStatus("Ok");
  const QRegularExpression get(R"(^Get: Ok\. Receive at \d\d:\d\d:\d\d \S+\.$)");
  EXPECT_TRUE(get.match(memo.toPlainText()).hasMatch()) << memo.toPlainText().toStdString();
  editor->request.varList.name = "Ports";
  editor->statusKind = kSetStatus;
  editor->ShowStatus("(SNMP) Variable does not exist!");
  const QStringList lines = memo.toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[1].startsWith("Set: (SNMP) Variable does not exist! Request:Ports. Receive at "));

  QStatusBar bar;
  editor->SetStatusTarget(&bar);
  editor->ShowStatus("x");
  EXPECT_TRUE(bar.currentMessage().startsWith("Set: x Request:Ports."));
  QLabel panel;
  editor->SetStatusTarget(&panel);
  editor->ShowStatus("y");
  EXPECT_TRUE(panel.text().startsWith("Set: y Request:Ports."));
  editor->SetStatusTarget(nullptr);
  editor->ShowStatus("z");  // no target: nothing
  EXPECT_TRUE(boxes.texts.isEmpty());
}

// The table side driven by hand: a walk is BeforeGet, a row per
// RowReceived, then AfterGet.
class WalkedEdits : public KySNMPRequest2Edits {
 public:
  using KySNMPRequest2Edits::KySNMPRequest2Edits;
  void Walk(const std::vector<std::vector<std::string>>& rows) {
    Begin();
    for (const auto& row : rows) Row(row);
    AfterGet();
  }
  void Begin() { BeforeGet(); }
  void Row(const std::vector<std::string>& row) {
    for (size_t i = 0; i < row.size(); ++i) request.varList.Item(static_cast<int>(i)).value = row[i];
    RowReceived();
  }
};

TEST(TableBinding, SelectionFillsControlsAndDisableUntilSelected) {
  QWidget form;
  WalkedEdits editor(&form);
  auto& list = editor.request.varList;
  list.kind = 2;
  list.keyCount = 1;
  list.AppendItem(" ", "Index", Syntax::Integer, Access::Key);
  list.AppendItem("1.2", "Secret", Syntax::DisplayString, Access::Write);  // write-only: hidden column
  list.AppendItem("1.3", "Name", Syntax::DisplayString, Access::Read | Access::Write);
  QTreeWidget view;
  editor.AttachListView(&view, true);
  ASSERT_EQ(view.columnCount(), 3);
  EXPECT_EQ(view.headerItem()->text(0), "Secret");  // hidden columns first, at width 0
  EXPECT_EQ(view.header()->sectionSize(0), 0);
  EXPECT_EQ(view.headerItem()->text(1), "Index");
  auto* name = new QLineEdit(&form);
  auto* secret = new QLineEdit(&form);
  editor.AssociateEdits(2, "%s", name);
  editor.AssociateEdits(1, "%s", secret);
  editor.Walk({{"1", "s1", "one"}, {"2", "s2", "two"}});
  EXPECT_EQ(view.topLevelItemCount(), 2);
  EXPECT_EQ(view.topLevelItem(1)->text(0), "s2");
  EXPECT_EQ(view.topLevelItem(1)->text(2), "two");
  EXPECT_FALSE(name->isEnabled());  // kind 2: disabled until a line is selected
  view.setCurrentItem(view.topLevelItem(0));
  EXPECT_TRUE(name->isEnabled());
  EXPECT_EQ(name->text(), "one");
  EXPECT_EQ(secret->text(), "s1");  // each cell goes to its own variable
  EXPECT_EQ(list.Item(0).value, "1");
  name->setText("uno");
  view.clearSelection();  // losing the selection changes nothing
  EXPECT_EQ(name->text(), "uno");
  view.setCurrentItem(view.topLevelItem(0));
  editor.ControlsToValues();
  EXPECT_EQ(list.Item(0).value, "1");
  EXPECT_EQ(list.Item(2).value, "one");  // the selected line again, then the controls...
  name->setText("uno");
  editor.ControlsToValues();
  EXPECT_EQ(list.Item(2).value, "uno");
  // A new walk empties the list first.
  editor.Walk({{"3", "s3", "three"}});
  EXPECT_EQ(view.topLevelItemCount(), 1);
}

// A line keeps the bytes its values were read with: a value that is not
// UTF-8 (a name index in a switch's own code page) goes back to the
// variables unchanged when the line is selected, so a write reaches the row
// it was read from. A text set on a cell replaces its bytes.
TEST(TableBinding, SelectedLineGivesBackTheBytesItWasReadWith) {
  QWidget form;
  WalkedEdits editor(&form);
  auto& list = editor.request.varList;
  list.kind = 3;
  list.keyCount = 1;
  list.AppendItem(" ", "Name", Syntax::DisplayString, Access::Key);
  list.AppendItem("1.2", "Mask", Syntax::OctetString, Access::Read | Access::Write);
  list.AppendItem("1.3", "Count", Syntax::Integer, Access::Read);
  QTreeWidget view;
  editor.AttachListView(&view, false);
  const std::string latin1Name = "caf\xe9 \xff\x01";
  editor.Walk({{latin1Name, "FF00", "7"}, {"plain", "0F", "8"}});
  ASSERT_EQ(view.topLevelItemCount(), 2);
  QTreeWidgetItem* line = view.topLevelItem(0);
  EXPECT_EQ(line->columnCount(), 3);
  EXPECT_EQ(line->text(1), "FF00");
  EXPECT_EQ(line->data(2, Qt::EditRole).toString(), "7");
  EXPECT_FALSE(line->text(0).isEmpty());  // drawn as well as it can be
  for (auto& item : list.items) item.value = "stale";
  view.setCurrentItem(line);
  editor.ControlsToValues();
  EXPECT_EQ(list.Item(0).value, latin1Name);
  EXPECT_EQ(list.Item(1).value, "FF00");
  EXPECT_EQ(list.Item(2).value, "7");

  // A dialog changing a cell: the new text is what the line gives back, and
  // the view hears of the change. Other roles stay the item's own.
  int changed = 0;
  QObject::connect(&view, &QTreeWidget::itemChanged, [&](QTreeWidgetItem*, int column) { changed += column == 1; });
  line->setText(1, "00FF");
  line->setToolTip(1, "tip");
  line->setText(1, "00FF");  // unchanged: no signal
  EXPECT_EQ(changed, 2);     // the text, then the tool tip
  EXPECT_EQ(line->toolTip(1), "tip");
  editor.ControlsToValues();
  EXPECT_EQ(list.Item(1).value, "00FF");
  EXPECT_EQ(list.Item(0).value, latin1Name);

  // A copy of the line is a line of its own.
  std::unique_ptr<QTreeWidgetItem> copy(line->clone());
  line->setText(2, "9");
  EXPECT_EQ(copy->text(2), "7");
  EXPECT_EQ(copy->text(1), "00FF");
  EXPECT_EQ(copy->toolTip(1), "tip");
  // Cells of other lengths leave their neighbours as they were.
  line->setText(0, "a name much longer than the one read");
  line->setText(1, "");
  EXPECT_EQ(line->text(0), "a name much longer than the one read");
  EXPECT_EQ(line->text(1), "");
  EXPECT_EQ(line->text(2), "9");
}

// A walk shows its lines in groups. One begun before the last one ended
// must show none of the lines that the last one still held back.
TEST(TableBinding, NewWalkShowsNoLineOfAnUnfinishedOne) {
  QWidget form;
  WalkedEdits editor(&form);
  auto& list = editor.request.varList;
  list.kind = 3;
  list.keyCount = 1;
  list.AppendItem(" ", "Index", Syntax::Integer, Access::Key);
  list.AppendItem("1.2", "Name", Syntax::DisplayString, Access::Read | Access::Write);
  QTreeWidget view;
  editor.AttachListView(&view, false);
  auto lines = [&] {
    QStringList keys;
    for (int i = 0; i < view.topLevelItemCount(); ++i) keys << view.topLevelItem(i)->text(0);
    return keys;
  };
  // The clock stands still unless the test moves it: no line shows early
  // however slow the machine.
  long long now = 1000;
  editor.rowClock = [&] { return now; };
  editor.Begin();
  editor.Row({"1", "old"});
  EXPECT_TRUE(lines().isEmpty());  // held: lines show together, a little later
  now += 10000;
  editor.Row({"2", "old"});  // the interval has passed: both show
  EXPECT_EQ(lines(), QStringList({"1", "2"}));
  editor.Row({"3", "old"});
  EXPECT_EQ(lines(), QStringList({"1", "2"}));
  // Between replies the timer shows what is held, without the clock.
  ASSERT_TRUE(QTest::qWaitFor([&] { return lines().size() == 3; }, 10000));
  EXPECT_EQ(lines(), QStringList({"1", "2", "3"}));
  for (const char* key : {"4", "5"}) editor.Row({key, "old"});
  EXPECT_EQ(lines().size(), 3);  // held
  editor.Walk({{"7", "seven"}, {"8", "eight"}});
  EXPECT_EQ(lines(), QStringList({"7", "8"}));
  QApplication::processEvents();
  EXPECT_EQ(lines(), QStringList({"7", "8"}));
  // Outside a walk a line goes in at once.
  editor.Row({"9", "nine"});
  EXPECT_EQ(lines(), QStringList({"7", "8", "9"}));
}

}  // namespace
