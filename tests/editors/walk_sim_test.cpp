// Walks and reads against the simulator as a switch in the field behaves:
// table walks by GET-NEXT and by GETBULK give the same rows (also with the
// simulator's faults), the table dialog shows them, and a scalar dialog whose
// objects the agent lacks says so instead of "Ok".
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "common/SimProcess.h"
#include "common/WalkRows.h"
#include "editors/ControlBinding.h"
#include "editors/GUIConfigForm.h"
#include "editors/GUIGenerator.h"
#include "editors/QtSnmpPump.h"
#include "editors_test_support.h"
#include "snmp/Messages.h"
#include "snmp/Request.h"
#include "snmp/Session.h"
#include "snmp/SessionParams.h"
#include "tables/DefTables.h"

namespace {

const std::string kVlanEntry = "1.3.6.1.2.1.17.7.1.4.3.1";
const std::string kPortCtl = "1.3.6.1.4.1.32473.11.63.8.2.2.2.1";
const std::string kDeviceControl = "1.3.6.1.4.1.32473.11.63.8.2.1.2";

bool WaitFor(const std::function<bool()>& done, int ms = 20000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

void Credentials(KySNMPSecurity& s, bool v3, bool v1 = false) {
  s = KySNMPSecurity{};
  if (v3) {
    s.version = SnmpVersion::V3;
    s.securityModel = SecurityModel::Usm;
    s.securityLevel = SecurityLevel::AuthPriv;
    s.securityName = qrxtest::SimProcess::kUser;
    s.authProtocol = AuthProtocol::HmacSha;
    s.authPassword = qrxtest::SimProcess::kAuthPassword;
    s.privProtocol = PrivProtocol::Aes128;
    s.privPassword = qrxtest::SimProcess::kPrivPassword;
  } else {
    s.version = v1 ? SnmpVersion::V1 : SnmpVersion::V2c;
    s.securityModel = v1 ? SecurityModel::V1 : SecurityModel::V2c;
    s.readCommunity = qrxtest::SimProcess::kReadCommunity;
    s.writeCommunity = qrxtest::SimProcess::kWriteCommunity;
  }
}

// Every row of a walk (values and OIDs of all items) and where it stopped.
std::vector<std::string> WalkRows(KySNMPRequest& r, bool async) {
  return qrxtest::WalkRows(r, async, 5000, [](const std::function<bool()>& done) { return WaitFor(done); });
}

class SimWalks : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    plain = new qrxtest::SimProcess;
    faulty = new qrxtest::SimProcess;
    started = plain->Start({"--rows", "Dot1qVlanStatic=300"}) &&
              faulty->Start({"--rows", "Dot1qVlanStatic=40", "--fault-non-increasing", kVlanEntry + ".2.17",
                             "--fault-missing", kVlanEntry + ".3", "--fault-missing", kPortCtl + ".4",
                             "--fault-missing", kDeviceControl + ".3", "--fault-missing", kDeviceControl + ".5",
                             "--fault-missing", "1.3.6.1.2.1.80"});
    if (!started) return;
    static QString dir = QDir::tempPath() + "/qrx-walk-sim-" + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(dir);
    InstallQtSnmpPump();
    InitGlobalSession(dir.toStdString());
  }
  static void TearDownTestSuite() {
    for (qrxtest::SimProcess* s : {plain, faulty}) {
      if (s) s->Stop();
      delete s;
    }
    plain = faulty = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(started) << "the simulator did not start: " << plain->error() << faulty->error();
    GlobalSnmp->ForgetBulkRefusals();
  }

  static void Aim(const qrxtest::SimProcess& sim, bool v3, bool v1 = false) {
    GlobalDevice.address = sim.host();
    GlobalDevice.port = static_cast<uint16_t>(sim.port());
    Credentials(GlobalSecurity, v3, v1);
  }

  static qrxtest::SimProcess* plain;
  static qrxtest::SimProcess* faulty;
  static bool started;
  BoxRecorder boxes;
};

qrxtest::SimProcess* SimWalks::plain = nullptr;
qrxtest::SimProcess* SimWalks::faulty = nullptr;
bool SimWalks::started = false;

TEST_F(SimWalks, GetBulkAndGetNextGiveTheSameRows) {
  for (qrxtest::SimProcess* sim : {plain, faulty}) {
    for (bool v3 : {false, true}) {
      for (const KyVarDefTable* table : {&tbl::Dot1qVlanStatic, &tbl::PortControl1}) {
        SCOPED_TRACE(std::string(sim == plain ? "plain" : "faulty") + (v3 ? " v3 " : " v2c ") + table->name);
        Aim(*sim, v3);
        KySNMPRequest byNext;
        byNext.useGetBulk = false;
        byNext.varList = KySNMPVarList(*table);
        const std::vector<std::string> expected = WalkRows(byNext, false);
        ASSERT_GE(expected.size(), 2u);
        EXPECT_EQ(expected.front().rfind("code", 0), std::string::npos) << expected.front();
        if (sim == plain && table == &tbl::Dot1qVlanStatic) {
          EXPECT_EQ(expected.size(), 301u);
        }
        for (bool async : {false, true}) {
          KySNMPRequest byBulk;
          byBulk.varList = KySNMPVarList(*table);
          EXPECT_EQ(WalkRows(byBulk, async), expected) << (async ? "asynchronous" : "synchronous");
        }
      }
    }
    EXPECT_FALSE(GlobalSnmp->BulkRefused(sim->host(), static_cast<uint16_t>(sim->port())));
  }
}

TEST_F(SimWalks, TableDialogShowsTheRowsOfTheWalk) {
  Aim(*plain, false);
  KySNMPRequest byNext;
  byNext.useGetBulk = false;
  byNext.varList = KySNMPVarList(tbl::Dot1qVlanStatic);
  std::vector<std::string> names;
  for (bool more = byNext.Read(true); more; more = byNext.Read(false)) names.push_back(byNext.varList.Item(1).value);
  ASSERT_EQ(names.size(), 300u);

  GeneratedCommand command;
  command.table = &tbl::Dot1qVlanStatic;
  command.kind = 3;
  command.keyCount = 1;
  command.tableEditor = true;
  command.rowStatusIndex = 5;
  command.caption = "802.1Q Static VLAN";
  auto form = BuildGeneratedDialog(command);
  auto* panel = static_cast<TSNMPListViewPanel*>(form->Panel());
  KySNMPRequest2Edits* editor = form->Editor();
  QTreeWidget* view = panel->ListPanel()->ListView();
  form->show();
  ASSERT_TRUE(WaitFor([&] { return form->FirstRefreshDone() && !editor->busy; }));
  ASSERT_EQ(view->topLevelItemCount(), 300);
  const int nameColumn = [&] {
    for (int c = 0; c < view->columnCount(); ++c)
      if (editor->ColumnVariable(c) == 1) return c;
    return -1;
  }();
  ASSERT_GE(nameColumn, 0);
  for (int i = 0; i < 300; ++i)
    EXPECT_EQ(view->topLevelItem(i)->text(nameColumn).toStdString(), names[static_cast<size_t>(i)]) << i;
  EXPECT_TRUE(panel->Messages()->Memo()->toPlainText().startsWith("Get: Ok."));
  form->close();
}

// A scalar dialog whose objects the agent lacks: over SNMPv1, SNMPv2c and
// SNMPv3 alike the status line says so, and the values that came are shown.
TEST_F(SimWalks, ScalarDialogReportsMissingObjects) {
  const std::string failure = "Get: (SNMP) Variable does not exist!. Receive at ";
  struct Version {
    const char* name;
    bool v3, v1;
  };
  for (Version v : {Version{"v1", false, true}, Version{"v2c", false, false}, Version{"v3", true, false}}) {
    SCOPED_TRACE(v.name);
    Aim(*faulty, v.v3, v.v1);
    {
      // "Ping Max Concurrent Requests": the whole group is missing.
      GeneratedCommand command;
      command.table = &tbl::MaxConcurrentRequests1;
      command.kind = 0;
      command.caption = "Ping Max Concurrent Requests";
      auto form = BuildGeneratedDialog(command);
      form->show();
      ASSERT_TRUE(WaitFor([&] { return form->FirstRefreshDone() && !form->Editor()->busy; }));
      const QString memo = form->Panel()->Messages()->Memo()->toPlainText();
      EXPECT_TRUE(memo.startsWith(QString::fromStdString(failure))) << memo.toStdString();
      EXPECT_FALSE(memo.contains("Ok")) << memo.toStdString();
      EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join("|").toStdString();
      form->close();
    }
    {
      // "Layer 2 Device Control": subnet mask and management VLAN missing.
      GeneratedCommand command;
      command.table = &tbl::DeviceControl2;
      command.kind = 0;
      command.caption = "Layer 2 Device Control";
      auto form = BuildGeneratedDialog(command);
      form->show();
      ASSERT_TRUE(WaitFor([&] { return form->FirstRefreshDone() && !form->Editor()->busy; }));
      const QString memo = form->Panel()->Messages()->Memo()->toPlainText();
      EXPECT_TRUE(memo.startsWith(QString::fromStdString(failure))) << memo.toStdString();
      TEditsPanel* rows = form->Panel()->EditsPanel();
      if (!v.v1) {
        // SNMPv2c and SNMPv3 bring the rest.
        EXPECT_FALSE(rows->RowText(1).isEmpty()) << "system IP";
        EXPECT_EQ(rows->RowText(2).toStdString(), "(NULL)") << "subnet mask, missing";
        EXPECT_FALSE(rows->RowText(3).isEmpty()) << "default gateway";
      }
      form->close();
    }
  }
}

}  // namespace
