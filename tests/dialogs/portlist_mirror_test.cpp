// The port mirror dialog against the simulator: opening and Refresh read the
// four mirror variables and nothing else; "Set Member" writes three times; a
// failed write keeps its error and the operator's choices, and the next
// refresh reads every variable again.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <csignal>
#include <cstdio>
#include <functional>
#include <string>

#include <unistd.h>

#include "dialogs/layer2/PortMirrorDialog.h"
#include "common/RequestJournal.h"
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
  // False (with the failure recorded) when the simulator did not start.
  bool Start(std::vector<std::string> s = {}) {
    switches = std::move(s);
    qrxtest::DialogSimTest::SetUp();
    return !HasFatalFailure();
  }
  bool SnmpSet(const std::string& oid, const char* type, const std::string& value) {
    auto r = qrxtest::RunCommand({"snmpset", "-v2c", "-c", qrxtest::SimProcess::kWriteCommunity,
                                  session_.sim().address(), oid, type, value});
    return r.exitCode == 0;
  }
  std::vector<std::string> switches;
};

// What the dialog asks the switch for, from the request journal of the
// simulator: one GET of the four variables, no other table.
TEST_F(PortMirror, OpeningAndRefreshReadTheFourMirrorVariablesOnly) {
  // Its own file: the 96 and 144 dpi runs of this suite may run at once.
  const std::string journal = ::testing::TempDir() + "port_mirror_requests." + std::to_string(getpid()) + ".log";
  std::remove(journal.c_str());
  ASSERT_TRUE(Start({"--request-journal", journal}));
  PortMirrorDialog form(DialogContext{});
  const std::string fourVariables =
      std::string("GET\n  ") + kRx + "\n  " + kTx + "\n  " + kTarget + "\n  " + kState + "\n";
  const struct {
    const char* what;
    std::function<void()> act;
  } cases[] = {
      {"opening", [&] { Open(form); }},
      {"Refresh", [&] { form.refreshClicked(); }},
  };
  size_t seen = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.act();
    ASSERT_TRUE(Idle(form));
    const auto records = qrxtest::ReadRequestJournal(journal);
    ASSERT_GE(records.size(), seen);
    EXPECT_EQ(qrxtest::AskedFor({records.begin() + static_cast<std::ptrdiff_t>(seen), records.end()}), fourVariables);
    seen = records.size();
  }
  std::remove(journal.c_str());
}

TEST_F(PortMirror, SetMemberWritesAllFourThenEachPortListAlone) {
  ASSERT_TRUE(Start());
  PortMirrorDialog form(DialogContext{});
  Open(form);
  Check(form.ingressPorts, {1, 9});
  Check(form.egressPorts, {52});
  form.targetPortEdit->setText("3");
  form.mirroringBox->setChecked(true);
  MarkJournal();
  form.setMemberClicked();
  const auto records = NewRecords();
  ASSERT_EQ(records.size(), 3u);
  ASSERT_EQ(records[0].varbinds.size(), 4u);
  EXPECT_EQ(records[0].varbinds[0].oid, kRx);
  EXPECT_EQ(records[0].varbinds[0].value, "80 80 00 00 00 00 00");
  EXPECT_EQ(records[0].varbinds[1].oid, kTx);
  EXPECT_EQ(records[0].varbinds[1].value, "00 00 00 00 00 00 10");
  EXPECT_EQ(records[0].varbinds[2].oid, kTarget);
  EXPECT_EQ(records[0].varbinds[2].value, "3");
  EXPECT_EQ(records[0].varbinds[3].oid, kState);
  EXPECT_EQ(records[0].varbinds[3].value, "3");  // enabled
  ASSERT_EQ(records[1].varbinds.size(), 1u);
  EXPECT_EQ(records[1].varbinds[0].oid, kRx);
  EXPECT_EQ(records[1].varbinds[0].value, "80 80 00 00 00 00 00");
  ASSERT_EQ(records[2].varbinds.size(), 1u);
  EXPECT_EQ(records[2].varbinds[0].oid, kTx);
  EXPECT_EQ(records[2].varbinds[0].value, "00 00 00 00 00 00 10");
  // Read back after the writes.
  EXPECT_EQ(Checked(form.ingressPorts), (std::vector<int>{1, 9}));
  EXPECT_TRUE(form.mirroringBox->isChecked());
}

// A write of "Set Member" that fails: the simulator refuses the first write
// (all four variables) or the second (the receive port list alone) with
// genErr, or holds the second unanswered until it times out. No later write
// is sent; the write's error stays on the status line and the ports and the
// state the operator chose stay as they are, so that he can try again. The
// next refresh reads every variable.
TEST_F(PortMirror, AfterAFailedWriteTheChoicesStayAndTheNextRefreshReadsEveryVariable) {
  const struct {
    const char* what;
    std::vector<std::string> switches;
    size_t sent;  // SET requests that reach the switch
    bool held;
  } cases[] = {
      {"first write refused", {"--fault-set-fail", "1"}, 1, false},
      {"second write refused", {"--fault-set-fail", "2"}, 2, false},
      {"second write held until it times out", {"--fault-hold-after", "1"}, 2, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    session_.Stop();
    ASSERT_TRUE(Start(c.switches));
    PortMirrorDialog form(DialogContext{});
    Open(form);
    form.mirrorBinding()->request.timeout = 60;
    form.mirrorBinding()->request.retries = 0;
    Check(form.ingressPorts, {2});
    const bool state = !form.mirroringBox->isChecked();
    form.mirroringBox->setChecked(state);
    MarkJournal();
    form.setMemberClicked();
    ASSERT_TRUE(Idle(form));
    EXPECT_TRUE(form.statusLabel->text().startsWith("Set:")) << form.statusLabel->text().toStdString();
    EXPECT_FALSE(form.statusLabel->text().contains("Ok")) << form.statusLabel->text().toStdString();
    EXPECT_EQ(Checked(form.ingressPorts), (std::vector<int>{2}));
    EXPECT_EQ(form.mirroringBox->isChecked(), state);
    const auto records = NewRecords();
    ASSERT_EQ(records.size(), c.sent) << "no write after the failed one";
    EXPECT_EQ(records[0].varbinds.size(), 4u);
    if (c.sent > 1) {
      ASSERT_EQ(records[1].varbinds.size(), 1u);
      EXPECT_EQ(records[1].varbinds[0].oid, kRx);
    }
    // The held write is handled once released; from then on writes are answered.
    if (c.held) {
      ASSERT_EQ(kill(session_.sim().pid(), SIGUSR1), 0);
    }

    // Other values in the device now; a refresh must bring all four and say Ok.
    form.mirrorBinding()->request.timeout = 300;
    ASSERT_TRUE(SnmpSet(kRx, "x", "2000000000000000"));
    ASSERT_TRUE(SnmpSet(kTx, "x", "0000000000000001"));
    ASSERT_TRUE(SnmpSet(kTarget, "i", "17"));
    ASSERT_TRUE(SnmpSet(kState, "i", "2"));
    form.mirroringBox->setChecked(true);
    // The operator's click comes in a later turn of the event loop.
    QCoreApplication::processEvents();
    form.refreshClicked();
    EXPECT_EQ(Checked(form.ingressPorts), (std::vector<int>{3}));
    EXPECT_EQ(Checked(form.egressPorts), (std::vector<int>{64}));
    EXPECT_EQ(form.targetPortEdit->text(), "17");
    EXPECT_FALSE(form.mirroringBox->isChecked());
    EXPECT_TRUE(form.statusLabel->text().contains("Ok")) << form.statusLabel->text().toStdString();
  }
}

}  // namespace
