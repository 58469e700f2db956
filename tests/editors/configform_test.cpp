// The generic dialog without a device: what the keyboard does in it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editors/ControlBinding.h"
#include "editors/GUIConfigForm.h"
#include "editors/GUIGenerator.h"
#include "editors_test_support.h"
#include "snmp/VarList.h"

namespace {

using namespace Syntax;
constexpr int32_t RW = Access::Read | Access::Write;

constexpr KyVarDefRow kRows[] = {
    {"1.3.6.1.4.1.32473.98.1", "Name", DisplayString, RW},
    {"1.3.6.1.4.1.32473.98.2", "Count", Integer, RW},
};
const KyVarDefTable kTable{"Keys", 0, 0, kRows};

class ConfigFormKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    auto editor = std::make_unique<KySNMPRequest2Edits>(&form);
    editor->request.varList = KySNMPVarList(kTable);
    panel = form.SetEditor(std::move(editor));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QApplication::processEvents();
    for (auto* b : form.findChildren<QPushButton*>())
      QObject::connect(b, &QPushButton::clicked, [this, b] { clicked << b->objectName(); });
  }

  BoxRecorder boxes;
  TConfigForm form;
  TSNMPEditorPanel* panel = nullptr;
  QStringList clicked;
};

// Enter in an edit is no click on a button: it would re-read the device
// ("Refresh") over what the operator has just typed, or close the dialog.
TEST_F(ConfigFormKeys, EnterInAnEditClicksNoButton) {
  QLineEdit* edit = panel->EditsPanel()->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  edit->setText(QString());
  QTest::keyClicks(edit, "typed");
  for (auto key : {Qt::Key_Return, Qt::Key_Enter}) QTest::keyClick(edit, key);
  QApplication::processEvents();
  EXPECT_TRUE(clicked.isEmpty()) << clicked.join(",").toStdString();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(edit->text(), "typed");
}

// A button that has the focus still answers Enter.
TEST_F(ConfigFormKeys, EnterOnAFocusedButtonClicksIt) {
  QPushButton* close = panel->ButtonBar()->btnClose;
  close->setFocus();
  QTest::keyClick(close, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(clicked, QStringList{"btnClose"});
  EXPECT_FALSE(form.isVisible());
}

}  // namespace

#include "tables/DefTables.h"
namespace {
TEST(ProbeAddWindow, Enter) {
  BoxRecorder boxes;
  QWidget form;
  form.setWindowTitle("VLAN");
  form.show();
  auto editor = std::make_unique<KySNMPRequest2Edits>(&form);
  editor->request.varList = KySNMPVarList(tbl::Dot1qVlanStatic.rows, 3, 1);
  TSNMPListViewPanel panel(&form, editor.get());
  panel.SetAddStatus(5, "createAndGo");
  QStringList clicked; bool stillOpen = false;
  OnNextModal([&](QWidget* w) {
    for (auto* b : w->findChildren<QPushButton*>()) {
      printf("%s def=%d vis=%d en=%d\n", qPrintable(b->objectName()), b->isDefault(), b->isVisible(), b->isEnabled());
      QObject::connect(b, &QPushButton::clicked, [&clicked, b] { clicked << b->objectName(); });
    }
    QLineEdit* e = panel.EditsPanel()->Row(0).editor ? qobject_cast<QLineEdit*>(panel.EditsPanel()->Row(0).editor) : nullptr;
    if (!e) e = w->findChild<QLineEdit*>();
    e->setFocus();
    QTest::keyClicks(e, "7"); printf("text=%s ro=%d\n", qPrintable(e->text()), e->isReadOnly());
    QTest::keyClick(e, Qt::Key_Return);
    QApplication::processEvents();
    stillOpen = w->isVisible();
    editor->request.enabled = false;
    if (stillOpen) static_cast<QDialog*>(w)->reject();
  });
  panel.AddClick();
  printf("clicked=%s open=%d boxes=%s\n", qPrintable(clicked.join(",")), stillOpen, qPrintable(boxes.texts.join("|")));
}
}
