// The connect window's switches start the main window against the simulator
// as the host suite's would: SNMPv3 with the simulator's user, a community
// version on the simulator's port, and a wrong pass phrase reported in the
// status line.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "app/ConnectForm.h"
#include "app/MenuBar.h"
#include "mainwindow_sim_support.h"
#include "snmp/SessionParams.h"

namespace {

// A suite of its own, run after the suites of the files before this one,
// as the main window's other tests are.
class ConnectWindowSim : public MainWindowSim {};

void Select(QComboBox* box, int value) { box->setCurrentIndex(box->findData(value)); }

TEST_F(ConnectWindowSim, ConnectWindowReachesTheSimulator) {
  ASSERT_TRUE(StartSim());
  const QString port = QString::number(sim.port());
  const struct {
    const char* name;
    int version;
    const char* authPass;
    const char* status;  // what the first LED poll shows
  } cases[] = {
      {"SNMPv3, the simulator's user", 3, qrxtest::SimProcess::kAuthPassword, "Get: Ok Request: Led Status. Receive at "},
      {"SNMPv2c on the simulator's port", 1, "", "Get: Ok Request: Led Status. Receive at "},
      {"SNMPv3, a wrong pass phrase", 3, "not-the-pass-phrase", "(SNMPv3USM) Authentication failure!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TConnectForm form(nullptr, QDir::current().filePath("connect-history.json"));  // the test's own folder
    form.ED_Agent->setText("127.0.0.1");
    form.ED_Port->setText(port);
    Select(form.CB_Version, c.version);
    if (c.version == 3) {
      form.ED_UserName->setText(qrxtest::SimProcess::kUser);
      Select(form.CB_SecurityLevel, 3);
      Select(form.CB_AuthProtocol, 3);  // HMAC-SHA
      form.ED_AuthPassword->setText(c.authPass);
      Select(form.CB_PrivProtocol, 19);  // AES-128
      form.ED_PrivPassword->setText(qrxtest::SimProcess::kPrivPassword);
    } else {
      form.ED_ReadCommunity->setText(qrxtest::SimProcess::kReadCommunity);
      form.ED_WriteCommunity->setText(qrxtest::SimProcess::kWriteCommunity);
    }
    ASSERT_TRUE(form.Problem().isEmpty()) << form.Problem().toStdString();
    form.Buttons->button(QDialogButtonBox::Ok)->click();
    ASSERT_EQ(form.result(), QDialog::Accepted);

    window.reset();
    Open(form.Arguments());
    EXPECT_EQ(window->windowTitle(), "127.0.0.1");
    EXPECT_EQ(GlobalDevice.port, sim.port());
    EXPECT_EQ(GlobalSecurity.version, c.version);
    QMenu* v3 = FindMenu(window->MainMenu1, "VACM1");
    ASSERT_NE(v3, nullptr);
    EXPECT_EQ(v3->menuAction()->isEnabled(), c.version == 3);
    ASSERT_TRUE(WaitForFrontPanel());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Status().contains(c.status); }, 15000)) << Status().toStdString();
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join("\n").toStdString();
    boxes.clear();
  }
}

}  // namespace
