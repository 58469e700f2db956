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

// A small scalar group opens at the size of its panel, not at some larger
// default size of the window.
TEST(ConfigFormSize, SmallGroupOpensAtThePanelSize) {
  QWidget host;
  KySNMPRequest2Edits hostEditor(&host);
  hostEditor.request.varList = KySNMPVarList(kTable);
  TSNMPEditorPanel alone(&host, &hostEditor);
  const QSize wanted = alone.size();

  TConfigForm form;
  auto editor = std::make_unique<KySNMPRequest2Edits>(&form);
  editor->request.varList = KySNMPVarList(kTable);
  form.SetEditor(std::move(editor));
  EXPECT_EQ(form.size(), wanted);
}

}  // namespace
