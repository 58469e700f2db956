// The window that asks for the switch when started from the desktop's menu.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/ConnectForm.h"
#include "mainwindow_test_support.h"

namespace {

TEST(ConnectForm, GivesTheHostSuitesSwitches) {
  AppForTests();
  TConnectForm form;
  QPushButton* ok = form.Buttons->button(QDialogButtonBox::Ok);
  EXPECT_FALSE(ok->isEnabled()) << "no agent yet";
  QTest::keyClicks(form.ED_Agent, "   ");
  EXPECT_FALSE(ok->isEnabled()) << "blanks are no agent";
  form.ED_Agent->clear();
  QTest::keyClicks(form.ED_Agent, " 192.0.2.10 ");
  EXPECT_TRUE(ok->isEnabled());
  form.ED_ReadCommunity->setText("menlak");
  form.ED_WriteCommunity->setText("tor vesk");

  const struct {
    int index;
    const char* version;
  } versions[] = {{0, "/v0"}, {1, "/v1"}, {2, "/v3"}};
  for (const auto& v : versions) {
    form.CB_Version->setCurrentIndex(v.index);
    EXPECT_EQ(form.Arguments(),
              (std::vector<std::string>{"/I192.0.2.10", "/Rmenlak", "/Wtor vesk", v.version}));
  }
}

}  // namespace
