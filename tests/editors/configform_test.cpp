// The generic dialog: keys, first refresh, closing.
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

TEST(ConfigFormKeys, ExploreEnter) {
  BoxRecorder boxes;
  TConfigForm form;
  auto editor = std::make_unique<KySNMPRequest2Edits>(&form);
  editor->request.varList = KySNMPVarList(kTable);
  auto* panel = form.SetEditor(std::move(editor));
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  QApplication::processEvents();
  QLineEdit* edit = panel->EditsPanel()->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  int clicks = 0;
  for (auto* b : form.findChildren<QPushButton*>()) {
    QObject::connect(b, &QPushButton::clicked, [b, &clicks] { ++clicks; printf("clicked %s default=%d\n", qPrintable(b->objectName()), b->isDefault()); });
    printf("%s default=%d auto=%d\n", qPrintable(b->objectName()), b->isDefault(), b->autoDefault());
  }
  QTest::keyClick(edit, Qt::Key_Return);
  QApplication::processEvents();
  printf("visible=%d clicks=%d\n", form.isVisible(), clicks);
  QTest::keyClick(edit, Qt::Key_Escape);
  QApplication::processEvents();
  printf("visible after esc=%d\n", form.isVisible());
}

}  // namespace
