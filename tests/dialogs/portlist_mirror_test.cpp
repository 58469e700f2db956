// The port mirror dialog against the simulator: "Set Member" writes three
// times; after a failed write every variable is read again.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <atomic>
#include <csignal>
#include <thread>

#include "dialogs/layer2/PortMirrorDialog.h"
#include "editors/ControlBinding.h"
#include "sim_dialog_support.h"

namespace {

constexpr const char* kRx = "1.3.6.1.4.1.32473.11.63.8.2.6.1.0";
constexpr const char* kTx = "1.3.6.1.4.1.32473.11.63.8.2.6.2.0";
constexpr const char* kTarget = "1.3.6.1.4.1.32473.11.63.8.2.6.3.0";
constexpr const char* kState = "1.3.6.1.4.1.32473.11.63.8.2.6.4.0";

class PortMirror : public qrxtest::DialogSimTest {
 protected:
  std::vector<std::string> SimSwitches() const override { return switches; }
  void SetUp() override {}  // each test starts the simulator with its own switches
  void Start(std::vector<std::string> s = {}) {
    switches = std::move(s);
    qrxtest::DialogSimTest::SetUp();
  }
  bool SnmpSet(const std::string& oid, const char* type, const std::string& value) {
    auto r = qrxtest::RunCommand({"snmpset", "-v2c", "-c", qrxtest::SimProcess::kWriteCommunity,
                                  session_.sim().address(), oid, type, value});
    return r.exitCode == 0;
  }
  std::vector<std::string> switches;
};

TEST_F(PortMirror, SetMemberWritesAllFourThenEachPortListAlone) {
  Start();
  PortMirrorDialog form(DialogContext{});
  Open(form);
  EXPECT_EQ(form.LV_PortTrunk->topLevelItemCount(), 2);  // the hidden trunk editor read too
  Check(form.IngressPorts, {1, 9});
  Check(form.EgressPorts, {52});
  form.PortEdit->setText("3");
  form.CK_Status->setChecked(true);
  MarkJournal();
  form.BT_SetMemberClick();
  const auto records = NewRecords();
  ASSERT_EQ(records.size(), 3u);
  ASSERT_EQ(records[0].varbinds.size(), 4u);
  EXPECT_EQ(records[0].varbinds[0].oid, kRx);
  EXPECT_EQ(records[0].varbinds[0].value, "80 80 00 00 00 00 00 00");
  EXPECT_EQ(records[0].varbinds[1].oid, kTx);
  EXPECT_EQ(records[0].varbinds[1].value, "00 00 00 00 00 00 10 00");
  EXPECT_EQ(records[0].varbinds[2].oid, kTarget);
  EXPECT_EQ(records[0].varbinds[2].value, "3");
  EXPECT_EQ(records[0].varbinds[3].oid, kState);
  EXPECT_EQ(records[0].varbinds[3].value, "3");  // enabled
  ASSERT_EQ(records[1].varbinds.size(), 1u);
  EXPECT_EQ(records[1].varbinds[0].oid, kRx);
  EXPECT_EQ(records[1].varbinds[0].value, "80 80 00 00 00 00 00 00");
  ASSERT_EQ(records[2].varbinds.size(), 1u);
  EXPECT_EQ(records[2].varbinds[0].oid, kTx);
  EXPECT_EQ(records[2].varbinds[0].value, "00 00 00 00 00 00 10 00");
  // Read back after the writes.
  EXPECT_EQ(Checked(form.IngressPorts), (std::vector<int>{1, 9}));
  EXPECT_TRUE(form.CK_Status->isChecked());
}

TEST_F(PortMirror, AfterAFailedWriteTheNextRefreshReadsEveryVariable) {
  // The simulator holds every request 200 ms before it handles it. Once it
  // has handled the first write (all four variables), the second (the
  // receive port list alone) is on hold: stopping the simulator then makes
  // that write time out while the other three variables are left out of it.
  Start({"--fault-delay", "200"});
  PortMirrorDialog form(DialogContext{});
  Open(form);
  form.MirrorBinding()->request.timeout = 60;
  form.MirrorBinding()->request.retries = 0;
  Check(form.IngressPorts, {2});
  MarkJournal();
  const pid_t pid = session_.sim().pid();
  std::atomic<bool> held{false};
  const size_t before = mark_;
  std::thread watch([&] {
    for (int i = 0; i < 20000 && !held; ++i) {
      try {
        if (Journal().size() >= before + 1) {
          usleep(100000);  // half-way through the hold of the second write
          kill(pid, SIGSTOP);
          held = true;
        }
      } catch (...) {
        // a record being written: look again
      }
      usleep(200);
    }
  });
  form.BT_SetMemberClick();
  watch.join();
  kill(pid, SIGCONT);
  ASSERT_TRUE(held);
  EXPECT_TRUE(form.StatusPanel->text().startsWith("Get:"));  // the refresh after the error ran
  // The held second write may or may not be handled once the simulator goes
  // on; the third (the transmit list alone) was never sent.
  qrxtest::WaitFor([] { return false; }, 300);
  const auto records = NewRecords();
  ASSERT_GE(records.size(), 1u);
  ASSERT_LE(records.size(), 2u);
  EXPECT_EQ(records[0].varbinds.size(), 4u);
  if (records.size() == 2) {
    ASSERT_EQ(records[1].varbinds.size(), 1u);
    EXPECT_EQ(records[1].varbinds[0].oid, kRx);
  }

  // Other values in the device now; a refresh must bring all four.
  form.MirrorBinding()->request.timeout = 300;
  ASSERT_TRUE(SnmpSet(kRx, "x", "2000000000000000"));
  ASSERT_TRUE(SnmpSet(kTx, "x", "0000000000000001"));
  ASSERT_TRUE(SnmpSet(kTarget, "i", "17"));
  ASSERT_TRUE(SnmpSet(kState, "i", "2"));
  form.CK_Status->setChecked(true);
  form.BT_GetClick();
  EXPECT_EQ(Checked(form.IngressPorts), (std::vector<int>{3}));
  EXPECT_EQ(Checked(form.EgressPorts), (std::vector<int>{64}));
  EXPECT_EQ(form.PortEdit->text(), "17");
  EXPECT_FALSE(form.CK_Status->isChecked());
  EXPECT_TRUE(form.StatusPanel->text().contains("Ok")) << form.StatusPanel->text().toStdString();
}

}  // namespace
