// Generated panels and the generic dialog without a device: rows, access,
// buttons, port grid, list view side, add/edit window texts, sizes.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/GUIConfigForm.h"
#include "editors/GUIGenerator.h"
#include "editors_test_support.h"
#include "snmp/Messages.h"
#include "tables/DefTables.h"
#include "tables/OptionTables.h"

namespace {

using enum Syntax;
constexpr int32_t RW = Access::Read | Access::Write;
constexpr int32_t RO = Access::Read;

constexpr KyVarDefRow kScalar[] = {
    {"1.3.6.1.4.1.32473.99.1", "Read Only", Integer, RO},
    {"1.3.6.1.4.1.32473.99.2", "Name", DisplayString, RW},
    {"1.3.6.1.4.1.32473.99.3", "State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.99.4", "Shown State", Integer, RO, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.99.5", "Ports", OctetString, RW},
};
const KyVarDefTable kScalarTable{"Scalar", 0, 0, kScalar};

constexpr KyVarDefRow kOneWritable[] = {
    {"1.3.6.1.4.1.32473.99.1", "Read Only", Integer, RO},
    {"1.3.6.1.4.1.32473.99.2", "Only Writable", Integer, RW},
};
constexpr KyVarDefRow kNoneWritable[] = {
    {"1.3.6.1.4.1.32473.99.1", "A", Integer, RO},
    {"1.3.6.1.4.1.32473.99.2", "B", Integer, RO},
};

std::unique_ptr<KySNMPRequest2Edits> MakeEditor(QWidget* form, std::span<const KyVarDefRow> rows, uint8_t kind,
                                                int32_t keys) {
  auto e = std::make_unique<KySNMPRequest2Edits>(form);
  e->request.varList = KySNMPVarList(rows, kind, keys);
  return e;
}

int CodeOf(const std::function<void()>& f, std::string* text = nullptr) {
  try {
    f();
  } catch (const KySNMPException& e) {
    if (text) *text = e.text();
    return e.code();
  }
  return 0;
}

class Panels : public ::testing::Test {
 protected:
  QWidget form;
  BoxRecorder boxes;
};

TEST_F(Panels, RowsKindsAndAccess) {
  auto editor = MakeEditor(&form, kScalar, 0, 0);
  TEditsPanel panel(&form, editor.get());
  ASSERT_EQ(panel.RowCount(), 5);
  EXPECT_EQ(panel.Row(0).kind, 1);
  EXPECT_EQ(panel.Row(1).kind, 2);
  EXPECT_EQ(panel.Row(2).kind, 3);
  EXPECT_EQ(panel.Row(3).kind, 4);
  EXPECT_TRUE(qobject_cast<QComboBox*>(panel.Row(2).editor));
  EXPECT_TRUE(qobject_cast<QLineEdit*>(panel.Row(3).editor));
  EXPECT_TRUE(static_cast<QLineEdit*>(panel.Row(0).editor)->isReadOnly());
  EXPECT_TRUE(panel.Row(0).check->isHidden());
  EXPECT_FALSE(panel.Row(1).check->isHidden());
  EXPECT_FALSE(panel.Row(1).check->isChecked());
  EXPECT_EQ(panel.Row(0).label->text(), "Read Only");
  // Rows 20 from the top, 5 apart; editors in one column right of the widest label.
  const int top0 = panel.Row(0).editor->y(), top1 = panel.Row(1).editor->y();
  EXPECT_EQ(top0, Px(&panel, 20));
  EXPECT_EQ(top1, panel.Row(0).editor->geometry().bottom() + 1 + Px(&panel, 5));
  EXPECT_EQ(panel.Row(0).editor->x(), panel.Row(4).editor->x());
  EXPECT_GE(panel.Row(0).editor->x(), panel.Row(3).label->geometry().right());
  EXPECT_EQ(panel.width(), panel.Row(0).editor->geometry().right() + 1 + Px(&panel, 40));

  // Values shown, labels for options.
  editor->request.varList.Item(2).value = "enabled";
  editor->request.varList.Item(3).value = "disabled";
  editor->FillControls(-1);
  EXPECT_EQ(panel.RowText(2), "enabled");
  EXPECT_EQ(panel.RowText(3), "disabled");
  panel.ClearRows();
  EXPECT_EQ(panel.RowText(2), "");
  EXPECT_EQ(editor->request.varList.Item(3).value, "");

  panel.SetRowReadOnly(9);
  ASSERT_EQ(boxes.texts.size(), 1);
  EXPECT_EQ(boxes.texts[0], "aIdx is overtop!\n you may define < 5");

  panel.HideRow(1);
  EXPECT_TRUE(panel.Row(1).editor->isHidden());
  EXPECT_TRUE(editor->request.varList.Item(1).access & Access::Hidden);
  EXPECT_EQ(panel.Row(2).editor->y(), top1);  // hidden rows take no place
  panel.ShowRow(1);
  EXPECT_EQ(panel.Row(2).editor->y(), panel.Row(1).editor->geometry().bottom() + 1 + Px(&panel, 5));
}

TEST_F(Panels, ButtonBarFollowsTheRows) {
  {
    auto editor = MakeEditor(&form, kScalar, 0, 0);
    TSNMPEditorPanel panel(&form, editor.get());
    TCtrlBtnPanel* bar = panel.ButtonBar();
    EXPECT_FALSE(bar->btnSetChecked->isHidden());
    EXPECT_FALSE(bar->btnCheckAll->isHidden());
    EXPECT_TRUE(bar->btnEdit->isHidden());
    EXPECT_TRUE(bar->btnAdd->isHidden());
    EXPECT_TRUE(bar->samplesLabel->isHidden());
    EXPECT_EQ(bar->btnSetChecked->text(), "Set Checked");
    EXPECT_FALSE(bar->btnSetChecked->isEnabled());  // nothing checked yet
    QTest::mouseClick(panel.EditsPanel()->Row(1).check, Qt::LeftButton);
    EXPECT_TRUE(bar->btnSetChecked->isEnabled());
    QTest::mouseClick(panel.EditsPanel()->Row(1).check, Qt::LeftButton);
    EXPECT_FALSE(bar->btnSetChecked->isEnabled());
    bar->btnCheckAll->click();
    EXPECT_EQ(panel.EditsPanel()->CheckedRowCount(), 3);
    EXPECT_TRUE(bar->btnSetChecked->isEnabled());
    bar->btnClearChecks->click();
    EXPECT_FALSE(bar->btnSetChecked->isEnabled());
    // Bar: 116 wide at 96 dpi, buttons 10 from the left, 5 apart.
    EXPECT_EQ(bar->width(), 2 * Px(bar, 10) + bar->btnRefresh->width());
    EXPECT_GE(bar->btnRefresh->width(), Px(bar, 96));
    EXPECT_EQ(bar->btnRefresh->x(), Px(bar, 10));
    EXPECT_EQ(bar->btnSetChecked->y(), bar->btnRefresh->geometry().bottom() + 1 + Px(bar, 5));
  }
  {
    auto editor = MakeEditor(&form, kOneWritable, 0, 0);
    TSNMPEditorPanel panel(&form, editor.get());
    TCtrlBtnPanel* bar = panel.ButtonBar();
    EXPECT_EQ(bar->btnSetChecked->text(), "Set");
    EXPECT_TRUE(bar->btnSetChecked->isEnabled());
    EXPECT_TRUE(bar->btnCheckAll->isHidden());
    EXPECT_TRUE(bar->btnClearChecks->isHidden());
    EXPECT_TRUE(panel.EditsPanel()->Row(1).check->isChecked());
    EXPECT_TRUE(panel.EditsPanel()->Row(1).check->isHidden());
  }
  {
    auto editor = MakeEditor(&form, kNoneWritable, 0, 0);
    TSNMPEditorPanel panel(&form, editor.get());
    TCtrlBtnPanel* bar = panel.ButtonBar();
    EXPECT_TRUE(bar->btnSetChecked->isHidden());
    EXPECT_TRUE(bar->btnCheckAll->isHidden());
    EXPECT_TRUE(bar->btnClearChecks->isHidden());
    EXPECT_FALSE(bar->btnRefresh->isHidden());
    EXPECT_FALSE(bar->btnClose->isHidden());
  }
  std::string text;
  TEditsPanel empty(&form, nullptr);
  TCtrlBtnPanel bar(&form);
  CodeOf([&] { empty.ArrangeCtrlBtn(&bar); }, &text);
  EXPECT_EQ(text, "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
}

TEST_F(Panels, SetVarFormatAndOctetItemErrors) {
  auto editor = MakeEditor(&form, kScalar, 0, 0);
  TSNMPEditorPanel panel(&form, editor.get());
  std::string text;
  CodeOf([&] { panel.SetVarFormat(2, "%i"); }, &text);
  EXPECT_EQ(text, "Can not set Var format to a ComboBox!");
  CodeOf([&] { panel.SetVarFormat(3, "%i"); }, &text);
  EXPECT_EQ(text, "Unknow UI Control type!");
  EXPECT_EQ(CodeOf([&] { panel.SetVarFormat(1, "%i{l5n1}"); }), -2);
  auto* name = static_cast<QLineEdit*>(panel.EditsPanel()->Row(1).editor);
  EXPECT_NE(editor->Constraints().Find(name), nullptr);  // the old binding stays
  panel.SetVarFormat(1, "%i{n1x4094l4}");
  ASSERT_NE(editor->Constraints().Find(name), nullptr);
  EXPECT_EQ(editor->Constraints().Find(name)->maximum, 4094);
  EXPECT_EQ(panel.EditsPanel()->Row(1).format, "%i{n1x4094l4}");
  CodeOf([&] { panel.EditsPanel()->AssignOctetItem(2, 12, 52); }, &text);
  EXPECT_EQ(text, "You can only assign Octet Item to a Edit!");
}

TEST_F(Panels, PortGridOfFiftyTwoPorts) {
  form.show();
  auto editor = MakeEditor(&form, kScalar, 0, 0);
  TEditsPanel panel(&form, editor.get());
  panel.AssignOctetItem(4, 12, 52);
  auto* edit = static_cast<QLineEdit*>(panel.Row(4).editor);
  EXPECT_TRUE(edit->isReadOnly());
  editor->request.varList.Item(4).value = "80000000000010";  // ports 1 and 52
  editor->FillControls(-1);

  int labels = 0, lines = 0, enabled = 0, checked = 0;
  QString first, thirteenth;
  int firstTop = -1, thirteenthTop = -1, thirteenthLeft = -1;
  QStringList buttons;
  QString title;
  OnNextModal([&](QWidget* grid) {
    title = grid->windowTitle();
    auto numbers = grid->findChildren<QLabel*>();
    labels = static_cast<int>(numbers.size());
    std::set<int> tops;
    for (auto* l : numbers) {
      tops.insert(l->y());
      if (l->text() == "1") {
        first = l->text();
        firstTop = l->y();
      }
      if (l->text() == "13") {
        thirteenth = l->text();
        thirteenthTop = l->y();
        thirteenthLeft = l->x();
      }
    }
    lines = static_cast<int>(tops.size());
    auto boxes = grid->findChildren<QCheckBox*>();
    for (auto* b : boxes) {
      enabled += b->isEnabled();
      checked += b->isChecked();
    }
    for (auto* b : grid->findChildren<QPushButton*>())
      if (!b->isHidden()) buttons << b->text();
    boxes[1]->setChecked(true);   // port 2
    boxes[51]->setChecked(false); // port 52
    grid->findChild<QPushButton*>("OK")->click();
  });
  QTest::mouseClick(edit, Qt::LeftButton);
  EXPECT_EQ(title, "Ports");
  EXPECT_EQ(labels, 52);
  EXPECT_EQ(lines, 5);
  EXPECT_EQ(first, "1");
  EXPECT_GT(thirteenthTop, firstTop);
  EXPECT_EQ(thirteenthLeft, Px(&panel, 10));
  EXPECT_EQ(enabled, 52);
  EXPECT_EQ(checked, 2);
  EXPECT_EQ(buttons, (QStringList{"OK", "Cancel", "Check All", "Clear Checks"}));
  EXPECT_EQ(editor->request.varList.Item(4).value, "C0000000000000");
  EXPECT_EQ(edit->text(), "C0000000000000");
  // The edit is bound again: one binding for the variable, no bits.
  int bindings = 0;
  for (const auto& b : editor->Bindings())
    if (b->variable == 4) {
      ++bindings;
      EXPECT_TRUE(b->bits.empty());
    }
  EXPECT_EQ(bindings, 1);

  // Cancel keeps the value; a key press opens the grid too.
  OnNextModal([&](QWidget* grid) {
    grid->findChild<QPushButton*>("ClearChecks")->click();
    grid->findChild<QPushButton*>("Cancel")->click();
  });
  QTest::keyClick(edit, Qt::Key_Space);
  EXPECT_EQ(editor->request.varList.Item(4).value, "C0000000000000");
}

TEST_F(Panels, PortGridOfAReadOnlyVariable) {
  form.show();
  constexpr KyVarDefRow rows[] = {{"1.3.6.1.4.1.32473.99.5", "Ports", OctetString, RO}};
  auto editor = MakeEditor(&form, rows, 0, 0);
  TEditsPanel panel(&form, editor.get());
  panel.AssignOctetItem(0, 12, 10);
  editor->request.varList.Item(0).value = "";  // too short: the row is cleared, boxes unchecked
  int enabled = 0, checked = 0;
  QStringList buttons;
  int width = 0, lastRight = 0;
  OnNextModal([&](QWidget* grid) {
    for (auto* b : grid->findChildren<QCheckBox*>()) {
      enabled += b->isEnabled();
      checked += b->isChecked();
      lastRight = std::max(lastRight, b->geometry().right() + 1);
    }
    for (auto* b : grid->findChildren<QPushButton*>())
      if (!b->isHidden()) buttons << b->text();
    width = grid->width();
    grid->findChild<QPushButton*>("OK")->click();
  });
  panel.OpenPortGrid(0);
  EXPECT_EQ(enabled, 0);
  EXPECT_EQ(checked, 0);
  EXPECT_EQ(buttons, QStringList{"OK"});
  EXPECT_GE(width, lastRight + Px(&panel, 10) - 1);
}

TEST_F(Panels, NoteUnderTheRows) {
  auto editor = MakeEditor(&form, kScalar, 0, 0);
  TEditsPanel panel(&form, editor.get());
  const int before = panel.height();
  panel.ShowNote("Warning:The TPID is a global setting!", Qt::red, 10);
  QLabel* note = panel.Note();
  EXPECT_FALSE(note->isHidden());
  EXPECT_EQ(note->text(), "Warning:The TPID is a global setting!");
  EXPECT_EQ(note->font().pointSize(), 10);
  EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(note->x(), Px(&panel, 20));
  EXPECT_GE(panel.height(), before);
  EXPECT_GT(note->y(), panel.Row(4).editor->geometry().bottom());
}

// ---------------------------------------------------------------------------
// Table side without a device: rows put in by hand.
class TablePanel : public Panels {
 protected:
  void SetUp() override {
    form.show();
    editor = MakeEditor(&form, tbl::Dot1qVlanStatic.rows, 3, 1);
    panel = std::make_unique<TSNMPListViewPanel>(&form, editor.get());
    panel->SetAddStatus(5, "createAndGo");
    panel->SetDeleteStatus(5, "destroy");
  }
  void AddLine(const std::vector<std::string>& values) {
    for (size_t i = 0; i < values.size(); ++i) editor->request.varList.Item(static_cast<int>(i)).value = values[i];
    editor->AddRow();
  }
  std::unique_ptr<KySNMPRequest2Edits> editor;
  std::unique_ptr<TSNMPListViewPanel> panel;
};

TEST_F(TablePanel, ColumnsSelectionAndButtons) {
  QTreeWidget* view = panel->ListPanel()->ListView();
  ASSERT_EQ(view->columnCount(), 6);
  EXPECT_EQ(view->headerItem()->text(0), "VLAN Index");
  EXPECT_EQ(view->headerItem()->text(5), "Row Status");
  EXPECT_FALSE(view->rootIsDecorated());
  TCtrlBtnPanel* bar = panel->ButtonBar();
  EXPECT_FALSE(bar->btnAdd->isHidden());
  EXPECT_FALSE(bar->btnDelete->isHidden());
  EXPECT_FALSE(bar->btnEdit->isHidden());
  EXPECT_FALSE(bar->btnEdit->isEnabled());
  EXPECT_TRUE(bar->btnSetChecked->isHidden());
  EXPECT_FALSE(bar->samplesLabel->isHidden());

  AddLine({"1", "default", "FFFF", "0000", "FFFF", "active"});
  AddLine({"20", "voice", "C000", "0000", "4000", "active"});
  EXPECT_EQ(bar->counter->text(), "2");
  // The hint over a line lists every column with its cell.
  emit view->itemEntered(view->topLevelItem(0), 0);
  const QString hint = view->topLevelItem(0)->toolTip(3);
  EXPECT_TRUE(hint.startsWith("VLAN Index" + QString(12, '\t') + "  1\nName" + QString(18, '\t') + "  default\n"))
      << hint.toStdString();
  EXPECT_TRUE(hint.endsWith("Row Status" + QString(12, '\t') + "  active\n"));

  view->setCurrentItem(view->topLevelItem(1));
  EXPECT_TRUE(bar->btnEdit->isEnabled());
  EXPECT_TRUE(bar->btnDelete->isEnabled());
  TEditsPanel* rows = panel->EditsPanel();
  EXPECT_EQ(rows->RowText(0), "20");
  EXPECT_EQ(rows->RowText(1), "voice");
  EXPECT_EQ(rows->RowText(5), "active");
  EXPECT_EQ(editor->request.varList.Item(2).value, "C000");
  view->clearSelection();  // losing the selection clears the rows, values stay
  EXPECT_FALSE(bar->btnEdit->isEnabled());
  EXPECT_EQ(rows->RowText(1), "");

  std::string text;
  CodeOf([&] { panel->SetAddStatus(5, "createAndWait"); }, &text);
  EXPECT_EQ(text, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndWait");
  CodeOf([&] { panel->SetDeleteStatus(1, "destroy"); }, &text);
  EXPECT_EQ(text, "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy");
}

TEST_F(TablePanel, KeyRowsAreReadOnlyInTheRowEditor) {
  TEditsPanel* rows = panel->EditsPanel();
  EXPECT_TRUE(rows->IsVariableReadOnly(0));
  EXPECT_TRUE(static_cast<QLineEdit*>(rows->Row(0).editor)->isReadOnly());
  EXPECT_FALSE(rows->IsVariableReadOnly(1));
}

TEST_F(TablePanel, EditWindowOffersNeitherCreateNorDestroy) {
  AddLine({"20", "voice", "C000", "0000", "4000", "active"});
  QTreeWidget* view = panel->ListPanel()->ListView();
  view->setCurrentItem(view->topLevelItem(0));
  auto* status = static_cast<QComboBox*>(panel->EditsPanel()->Row(5).editor);
  QStringList inWindow;
  QString caption;
  bool keyReadOnly = false, setEnabled = true;
  form.setWindowTitle("VLAN");
  // The window refreshes the list when it closes: no device here, stop that.
  editor->request.enabled = true;
  OnNextModal([&](QWidget* w) {
    caption = w->windowTitle();
    for (int i = 0; i < status->count(); ++i) inWindow << status->itemText(i);
    keyReadOnly = static_cast<QLineEdit*>(panel->EditsPanel()->Row(0).editor)->isReadOnly();
    setEnabled = panel->OpenWindowPanel()->ButtonBar()->btnSetChecked->isEnabled();
    EXPECT_TRUE(panel->OpenWindowPanel()->ButtonBar()->btnRefresh->isHidden());
    editor->request.enabled = false;
    static_cast<QDialog*>(w)->reject();
  });
  panel->EditClick();
  EXPECT_EQ(caption, "VLAN");
  EXPECT_EQ(inWindow, QStringList{"active"});
  EXPECT_TRUE(keyReadOnly);
  EXPECT_FALSE(setEnabled);
  QStringList after;
  for (int i = 0; i < status->count(); ++i) after << status->itemText(i);
  EXPECT_EQ(after, (QStringList{"active", "createAndGo", "destroy"}));
  EXPECT_TRUE(panel->EditsPanel()->isHidden());
}

TEST_F(TablePanel, AddWindowPreparesKeysAndStatus) {
  form.setWindowTitle("VLAN");
  editor->request.enabled = true;
  QString caption, statusText;
  bool keyWritable = false, keyChecked = false, keyCheckEnabled = true, statusEnabled = true;
  OnNextModal([&](QWidget* w) {
    TEditsPanel* rows = panel->EditsPanel();
    caption = w->windowTitle();
    keyWritable = !static_cast<QLineEdit*>(rows->Row(0).editor)->isReadOnly();
    keyChecked = rows->Row(0).check->isChecked();
    keyCheckEnabled = rows->Row(0).check->isEnabled();
    statusText = rows->RowText(5);
    statusEnabled = rows->Row(5).editor->isEnabled();
    editor->request.enabled = false;
    static_cast<QDialog*>(w)->reject();
  });
  panel->AddClick();
  EXPECT_EQ(caption, "VLAN (Add)");
  EXPECT_TRUE(keyWritable);
  EXPECT_TRUE(keyChecked);
  EXPECT_FALSE(keyCheckEnabled);
  EXPECT_EQ(statusText, "createAndGo");
  EXPECT_FALSE(statusEnabled);
}

// A table whose only columns are its key and its RowStatus: the add window
// still needs a button that writes the new row.
TEST(KeyAndStatusTable, AddWindowOffersSet) {
  constexpr KyVarDefRow kRows[] = {
      {"1.3.6.1.4.1.32473.99.1", "Index", Gauge32, Access::Key},
      {"1.3.6.1.4.1.32473.99.2", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
  };
  QWidget form;
  form.setWindowTitle("Keys");
  form.show();
  auto editor = MakeEditor(&form, kRows, 2, 1);
  TSNMPListViewPanel panel(&form, editor.get());
  panel.SetAddStatus(1, "createAndGo");
  bool setShown = false, setEnabled = false;
  QString setText;
  OnNextModal([&](QWidget* w) {
    TCtrlBtnPanel* bar = panel.OpenWindowPanel()->ButtonBar();
    setShown = !bar->btnSetChecked->isHidden();
    setEnabled = bar->btnSetChecked->isEnabled();
    setText = bar->btnSetChecked->text();
    editor->request.enabled = false;
    static_cast<QDialog*>(w)->reject();
  });
  panel.AddClick();
  EXPECT_TRUE(setShown);
  EXPECT_TRUE(setEnabled);
  EXPECT_EQ(setText, "Set");
}

TEST_F(TablePanel, DeleteAnsweredNoWritesNothing) {
  AddLine({"20", "voice", "C000", "0000", "4000", "active"});
  QTreeWidget* view = panel->ListPanel()->ListView();
  view->setCurrentItem(view->topLevelItem(0));
  boxes.Answer(QMessageBox::No);
  panel->DeleteClick();
  ASSERT_EQ(boxes.texts.size(), 1);
  EXPECT_EQ(boxes.texts[0], "Are you sure to delete ?");
  EXPECT_EQ(boxes.captions[0], "Delete");
  EXPECT_EQ(view->topLevelItemCount(), 1);  // no refresh either
  EXPECT_TRUE(panel->Messages()->Memo()->toPlainText().isEmpty());
}

TEST(ListPanelWithoutStatus, ShowsNeitherAddNorDelete) {
  QWidget form;
  auto editor = MakeEditor(&form, tbl::PortControl1.rows, 3, 2);
  TSNMPListViewPanel panel(&form, editor.get());
  EXPECT_TRUE(panel.ButtonBar()->btnAdd->isHidden());
  EXPECT_TRUE(panel.ButtonBar()->btnDelete->isHidden());
  EXPECT_EQ(panel.AddIndex(), -1);
  // The list panel asks for at most 450 x 350; the frame adds the bar and the memo.
  EXPECT_LE(panel.width(), Px(&panel, 450) + panel.ButtonBar()->width() + 20);
  EXPECT_GE(panel.height(), Px(&panel, 350));
}

// ---------------------------------------------------------------------------
TEST(ConfigForm, TypeIsSetOnce) {
  GeneratedDialog form;
  auto first = std::make_unique<KySNMPRequest2Edits>(&form);
  first->request.varList = KySNMPVarList(kScalarTable);
  form.SetEditor(std::move(first));
  EXPECT_EQ(form.FormType(), 1);
  auto second = std::make_unique<KySNMPRequest2Edits>(&form);
  second->request.varList = KySNMPVarList(kScalarTable);
  std::string text;
  CodeOf([&] { form.SetListView(std::move(second), -1, "", -1, ""); }, &text);
  EXPECT_EQ(text, "Can not change Type of a Config Form!");
}

TEST(ConfigForm, LargeContentOpensAtTheCap) {
  static std::vector<KyVarDefRow> many;
  static std::vector<std::string> oids, labels;
  if (many.empty()) {
    for (int i = 0; i < 60; ++i) {
      oids.push_back("1.3.6.1.4.1.32473.99." + std::to_string(i + 1));
      labels.push_back("A rather long label for variable number " + std::to_string(i + 1));
    }
    for (int i = 0; i < 60; ++i) many.push_back({oids[i].c_str(), labels[i].c_str(), Integer, RW});
  }
  GeneratedCommand command;
  static const KyVarDefTable table{"Many", 0, 0, std::span<const KyVarDefRow>(many)};
  command.table = &table;
  command.caption = "Many";
  command.editWidth = 600;
  auto form = BuildGeneratedDialog(command);
  EXPECT_EQ(form->width(), Px(form.get(), 800));
  EXPECT_EQ(form->height(), Px(form.get(), 550));
  EXPECT_EQ(form->windowTitle(), "Many");
}

}  // namespace

// Run a second time with QT_FONT_DPI=144 (see CMakeLists.txt): every label,
// button and combo box of the generated dialogs gets the room its text needs.
namespace {
void ExpectNothingCutOff(QWidget* root) {
  for (QWidget* w : root->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(root)) continue;
    const bool text = qobject_cast<QLabel*>(w) || qobject_cast<QPushButton*>(w) || qobject_cast<QComboBox*>(w) ||
                      qobject_cast<QLineEdit*>(w);
    if (!text) continue;
    if (qobject_cast<QLabel*>(w) && static_cast<QLabel*>(w)->text().isEmpty()) continue;
    const QSize hint = w->sizeHint();
    if (!qobject_cast<QLineEdit*>(w)) {
      EXPECT_GE(w->width(), hint.width()) << w->metaObject()->className() << " " << w->objectName().toStdString();
    }
    EXPECT_GE(w->height(), std::min(hint.height(), w->minimumSizeHint().height()))
        << w->metaObject()->className() << " " << w->objectName().toStdString();
  }
}
}  // namespace

TEST(Layout, NothingCutOffInTheGeneratedDialogs) {
  GeneratedCommand scalar;
  scalar.table = &tbl::DeviceControl2;
  scalar.caption = "Layer 2 Device Control";
  auto form = BuildGeneratedDialog(scalar);
  form->show();
  QApplication::processEvents();
  ExpectNothingCutOff(form.get());

  GeneratedCommand table;
  table.table = &tbl::Dot1qVlanStatic;
  table.kind = 3;
  table.keyCount = 1;
  table.tableEditor = true;
  table.rowStatusIndex = 5;
  table.caption = "802.1Q Static VLAN";
  auto list = BuildGeneratedDialog(table);
  list->show();
  QApplication::processEvents();
  ExpectNothingCutOff(list.get());
  // The row editor of the add and edit windows.
  ExpectNothingCutOff(list->Panel()->EditsPanel());
}

TEST(ConfigForm, EveryDefinitionTableMakesADialog) {
  BoxRecorder boxes;
  int built = 0;
  for (const KyVarDefTable* table : AllDefinitionTables()) {
    GeneratedCommand command;
    command.table = table;
    command.kind = table->kind;
    command.keyCount = table->keyCount;
    command.tableEditor = table->kind >= 2;
    command.caption = table->name;
    try {
      auto form = BuildGeneratedDialog(command);
      EXPECT_EQ(form->FormType(), command.tableEditor ? 2 : 1) << table->name;
      EXPECT_LE(form->width(), Px(form.get(), 800)) << table->name;
      EXPECT_LE(form->height(), Px(form.get(), 550)) << table->name;
      ++built;
    } catch (const std::exception& e) {
      ADD_FAILURE() << table->name << ": " << e.what();
    }
  }
  EXPECT_GT(built, 100);
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join("|").toStdString();
}

TEST(ConfigForm, ExtrasOfTheMenuCommands) {
  GeneratedCommand command;
  command.table = &tbl::Dot1qVlanStatic;
  command.kind = 3;
  command.keyCount = 1;
  command.tableEditor = true;
  command.rowStatusIndex = 5;
  command.noEditWindow = true;
  command.portGridVariable = 2;
  command.tpidNote = true;
  command.editWidth = 180;
  command.height450 = true;
  command.constraints = {{0, "%u{n1x4094l4}"}};
  command.caption = "802.1Q Static VLAN : sw1";
  auto form = BuildGeneratedDialog(command);
  auto* panel = static_cast<TSNMPListViewPanel*>(form->Panel());
  EXPECT_EQ(form->windowTitle(), "802.1Q Static VLAN : sw1");
  EXPECT_EQ(form->height(), Px(form.get(), 450));
  EXPECT_TRUE(panel->ButtonBar()->btnEdit->isHidden());
  EXPECT_FALSE(panel->ButtonBar()->btnAdd->isHidden());
  EXPECT_FALSE(panel->ButtonBar()->btnDelete->isHidden());
  TEditsPanel* rows = panel->EditsPanel();
  ASSERT_TRUE(rows->Row(2).octetItem);
  EXPECT_EQ(rows->Row(2).octetItem->columns, 12);
  EXPECT_EQ(rows->Row(2).octetItem->count, 52);
  EXPECT_FALSE(rows->Note()->isHidden());
  EXPECT_EQ(rows->EditWidth(), 180);
  EXPECT_EQ(form->Editor()->Constraints().Find(static_cast<QLineEdit*>(rows->Row(0).editor))->maximum, 4094);
  // Without an edit window a double click does nothing.
  auto* view = panel->ListPanel()->ListView();
  auto* item = new QTreeWidgetItem(view, QStringList{"1", "a", "FF", "00", "FF", "active"});
  view->setCurrentItem(item);
  emit view->itemDoubleClicked(item, 0);
  EXPECT_EQ(panel->OpenWindow(), nullptr);

  // A bad definition is reported, not raised, by the modal entry point.
  BoxRecorder boxes;
  GeneratedCommand bad = command;
  bad.constraints = {{5, "%i"}};  // the RowStatus row is a combo box
  EXPECT_EQ(OpenGeneratedDialog(bad), QDialog::Rejected);
  ASSERT_EQ(boxes.texts.size(), 1);
  EXPECT_EQ(boxes.texts[0], "Can not set Var format to a ComboBox!");
}
