// The generic dialog without a device: what the keyboard does in it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "editors/ControlBinding.h"
#include "editors/EditConstraint.h"
#include "editors/GUIConfigForm.h"
#include "editors/GUIGenerator.h"
#include "editors/UiSupport.h"
#include "editors_test_support.h"
#include "snmp/VarList.h"

namespace {

using enum Syntax;
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
  GeneratedDialog form;
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

// A small scalar group opens at the size of its panel, not at some larger
// default size of the window.
TEST(ConfigFormSize, SmallGroupOpensAtThePanelSize) {
  QWidget host;
  KySNMPRequest2Edits hostEditor(&host);
  hostEditor.request.varList = KySNMPVarList(kTable);
  TSNMPEditorPanel alone(&host, &hostEditor);
  const QSize wanted = alone.size();

  GeneratedDialog form;
  auto editor = std::make_unique<KySNMPRequest2Edits>(&form);
  editor->request.varList = KySNMPVarList(kTable);
  form.SetEditor(std::move(editor));
  EXPECT_EQ(form.size(), wanted);
}

// Closing a dialog by destroying it while it is shown, with the focus in a
// constrained edit: no handler may run on the half-destroyed widgets (the
// leave-check of the edit would see a control that is no longer an edit).
TEST(ConfigFormLifetime, DestroyedWhileAnEditHasTheFocusRunsNoHandler) {
  BoxRecorder boxes;
  auto* form = new GeneratedDialog;
  auto editor = std::make_unique<KySNMPRequest2Edits>(form);
  editor->request.varList = KySNMPVarList(kTable);
  TSNMPEditorPanel* panel = form->SetEditor(std::move(editor));
  panel->SetVarFormat(1, "%i{n1x9l1}");
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
  form->activateWindow();
  QApplication::setActiveWindow(form);
  const auto edits = panel->EditsPanel()->findChildren<QLineEdit*>();
  ASSERT_EQ(edits.size(), 2);
  QLineEdit* count = edits[1];
  count->setFocus();
  QApplication::processEvents();
  count->setText("42");  // out of range: leaving it would complain
  int exits = 0;
  const ControlHandler check = ExitHandler(count);
  ASSERT_TRUE(check);
  SetExitHandler(count, [&exits, check](QWidget* sender) {
    ++exits;
    check(sender);
  });
  delete form;
  QApplication::processEvents();
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join("\n").toStdString();

  // The same for a constrained edit destroyed on its own in any window.
  QWidget window;
  auto* edit = new QLineEdit(&window);
  KyEditConstraint constraints(&window, false);
  constraints.AddConstraint("%i{n1x9l1}", edit);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QApplication::setActiveWindow(&window);
  edit->setFocus();
  QApplication::processEvents();
  edit->setText("42");
  const ControlHandler leave = ExitHandler(edit);
  SetExitHandler(edit, [&exits, leave](QWidget* sender) {
    ++exits;
    leave(sender);
  });
  ASSERT_TRUE(edit->hasFocus());
  delete edit;
  QApplication::processEvents();
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join("\n").toStdString();
}

}  // namespace
