// The spanning-tree dialogs against the simulator, with the progress windows
// driven tick by tick.
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

#include "common/FakeMainWindow.h"
#include "common/RequestJournal.h"
#include "dialogs/bridge/SpanningTreeAlgorithmDialog.h"
#include "dialogs/bridge/StpControlDialog.h"
#include "dialogs/common/ProgressDialog.h"
#include "dialogs/common/StpVersionProgressDialog.h"
#include "editors/ControlBinding.h"
#include "sim_dialog_support.h"

namespace {

constexpr const char* kState = "1.3.6.1.4.1.32473.12.15.1.1.0";
constexpr const char* kVersion = "1.3.6.1.4.1.32473.12.15.1.2.0";
constexpr const char* kBridge = "1.3.6.1.4.1.32473.12.15.1.";

// Ticks every progress window that comes up modally, one tick per turn of
// the event loop, and notes what it saw.
class ProgressDriver {
 public:
  ProgressDriver() {
    timer_.setInterval(2);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* form = qobject_cast<ProgressDialog*>(QApplication::activeModalWidget());
      if (form == nullptr || !form->isVisible()) return;
      if (form != current_) {
        current_ = form;
        ++shown;
        ticks = 0;
        caption = form->windowTitle();
        prompt = form->promptLabel->text();
      }
      position = form->progressBar->value();
      ++ticks;
      form->tick();
    });
    timer_.start();
  }
  int shown = 0;
  int ticks = 0;     // of the last window
  int position = 0;  // at its last tick
  QString caption, prompt;

 private:
  QTimer timer_;
  QPointer<ProgressDialog> current_;
};

// The simulator also notes every request it receives, so that a test can
// see what a dialog read and wrote.
class SpanningTree : public qrxtest::DialogSimTest {
 protected:
  void SetUp() override {
    ProgressDialog::SetTickInterval(0);  // only driven ticks
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    requests_ = (std::filesystem::temp_directory_path() /
                 ("qrx-stp-requests-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
                  test->test_suite_name() + "-" + test->name()))
                    .string();
    std::filesystem::remove(requests_);
    qrxtest::DialogSimTest::SetUp();
  }
  void TearDown() override {
    ProgressDialog::SetTickInterval(1000);
    qrxtest::DialogSimTest::TearDown();
    std::filesystem::remove(requests_);
  }
  std::vector<std::string> SimSwitches() const override {
    std::vector<std::string> switches = FaultSwitches();
    switches.insert(switches.end(), {"--request-journal", requests_});
    return switches;
  }
  virtual std::vector<std::string> FaultSwitches() const { return {}; }

  // What the manager asked the simulator for since the last MarkRequests().
  void MarkRequests() { requestMark_ = qrxtest::ReadRequestJournal(requests_).size(); }
  std::string NewRequests() const {
    auto all = qrxtest::ReadRequestJournal(requests_);
    all.erase(all.begin(), all.begin() + static_cast<long>(std::min(requestMark_, all.size())));
    return qrxtest::AskedFor(all);
  }
  bool SnmpSet(const std::string& oid, const std::string& value) {
    auto r = qrxtest::RunCommand({"snmpset", "-v2c", "-c", qrxtest::SimProcess::kWriteCommunity,
                                  session_.sim().address(), oid, "i", value});
    return r.exitCode == 0;
  }

  std::string requests_;
  size_t requestMark_ = 0;
};

// One read of the state, as AskedFor writes it.
const std::string kReadState = std::string("GET\n  ") + kState + "\n";
std::string WriteState(const char* value) { return std::string("SET\n  ") + kState + " INTEGER " + value + "\n"; }

TEST(ProgressWindow, ClosesOnTick31AtPosition30AndNeverShowsFull) {
  qrxtest::TestApp();
  ProgressDialog::SetTickInterval(0);
  for (int kind = 0; kind < 2; ++kind) {
    std::unique_ptr<ProgressDialog> form(kind == 0 ? new ProgressDialog : new StpVersionProgressDialog);
    form->show();
    for (int tick = 1; tick <= 30; ++tick) {
      form->tick();
      ASSERT_TRUE(form->isVisible()) << "tick " << tick;
    }
    EXPECT_EQ(form->progressBar->value(), 30);
    form->tick();  // tick 31
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->progressBar->value(), 30);
  }
  ProgressDialog::SetTickInterval(1000);
}

TEST_F(SpanningTree, EnablingFromDisabledAsksWritesAndHoldsTheOperator) {
  ASSERT_TRUE(SnmpSet(kState, "2"));
  for (QMessageBox::StandardButton choice : {QMessageBox::Cancel, QMessageBox::Ok}) {
    SCOPED_TRACE(choice == QMessageBox::Ok ? "OK" : "Cancel");
    SpanningTreeAlgorithmDialog form(DialogContext{});
    MarkRequests();
    Open(form);
    EXPECT_EQ(form.stateCombo->currentText(), "disabled");
    EXPECT_EQ(NewRequests(), kReadState) << "one read of the state on open";
    ProgressDriver progress;
    answer = choice;
    messages.clear();
    MarkJournal();
    MarkRequests();
    form.stateCombo->setCurrentIndex(form.stateCombo->findText("enabled"));
    form.setClicked();
    ASSERT_TRUE(Idle(form));
    EXPECT_EQ(LastMessage(), "To enable STP may take a long time. Do you want to go on?");
    const auto records = NewRecords();
    if (choice == QMessageBox::Cancel) {
      EXPECT_TRUE(records.empty());
      EXPECT_EQ(progress.shown, 0);
      EXPECT_EQ(form.stateCombo->currentText(), "disabled");  // read again
      EXPECT_EQ(NewRequests(), kReadState);
      continue;
    }
    ASSERT_EQ(records.size(), 1u);
    ASSERT_EQ(records[0].varbinds.size(), 1u);
    EXPECT_EQ(records[0].varbinds[0].oid, kState);
    EXPECT_EQ(records[0].varbinds[0].value, "3");
    EXPECT_EQ(progress.shown, 1);
    EXPECT_EQ(progress.caption, "Enable STP Progress");
    EXPECT_EQ(progress.prompt, "Enable STP is doing...");
    EXPECT_EQ(progress.ticks, 31);
    EXPECT_EQ(progress.position, 30);
    EXPECT_EQ(form.stateCombo->currentText(), "enabled");
    EXPECT_EQ(NewRequests(), WriteState("3") + kReadState) << "the write, then one read of the state";
  }
}

TEST_F(SpanningTree, DisablingWritesWithoutAskingAndReadsAfterTheWrite) {
  SpanningTreeAlgorithmDialog form(DialogContext{});
  Open(form);
  ASSERT_EQ(form.stateCombo->currentText(), "enabled");
  ProgressDriver progress;
  MarkJournal();
  MarkRequests();
  form.stateCombo->setCurrentIndex(form.stateCombo->findText("disabled"));
  form.setClicked();
  ASSERT_TRUE(Idle(form));
  // The read that follows the write.
  ASSERT_TRUE(qrxtest::WaitFor([&] { return NewRequests() == WriteState("2") + kReadState && !form.AnyBusy(); }))
      << NewRequests();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(progress.shown, 0);
  const auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].varbinds[0].value, "2");
  EXPECT_EQ(form.stateCombo->currentText(), "disabled");
}

// Counts the windows of class W that are shown.
template <class W>
class ShowCounter : public QObject {
 public:
  ShowCounter() { QApplication::instance()->installEventFilter(this); }
  ~ShowCounter() override { QApplication::instance()->removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<W*>(watched) != nullptr) ++count;
    return false;
  }
  int count = 0;
};

// Writes the switch refuses (the first two SETs get genErr): the progress
// window of enabling closes as soon as the write has failed, not after its
// 31 ticks, and the error stays on the status line after the state has been
// read again.
class SpanningTreeRefused : public SpanningTree {
 protected:
  std::vector<std::string> FaultSwitches() const override {
    return {"--fault-set-fail", "1", "--fault-set-fail", "2"};
  }
};

TEST_F(SpanningTreeRefused, AFailedWriteClosesTheProgressWindowAndItsErrorStays) {
  const struct {
    const char* chosen;
    bool progress;
  } cases[] = {{"enabled", true}, {"disabled", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    SpanningTreeAlgorithmDialog form(DialogContext{});
    Open(form);
    ASSERT_EQ(form.stateCombo->currentText(), "enabled");
    // Only a failed write closes the window (no ticks run); should it not,
    // the test closes it after a while and says so.
    ShowCounter<ProgressDialog> progressShown;
    bool closedByTest = false;
    QTimer watch;
    QElapsedTimer shownFor;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      auto* window = qobject_cast<ProgressDialog*>(QApplication::activeModalWidget());
      if (window == nullptr || !window->isVisible()) return;
      if (!shownFor.isValid()) shownFor.start();
      if (shownFor.elapsed() > 10000) {
        closedByTest = true;
        window->close();
      }
    });
    watch.start(5);
    MarkJournal();
    form.stateCombo->setCurrentIndex(form.stateCombo->findText(c.chosen));
    form.setClicked();
    ASSERT_TRUE(Idle(form));
    EXPECT_FALSE(closedByTest) << "the progress window stayed after the write had failed";
    EXPECT_EQ(progressShown.count, c.progress ? 1 : 0);
    ASSERT_EQ(NewRecords().size(), 1u);
    const std::string status = form.statusLabel->text().toStdString();
    EXPECT_EQ(status.rfind("Set:", 0), 0u) << status;
    EXPECT_EQ(status.find("Ok"), std::string::npos) << status;
    EXPECT_EQ(form.stateCombo->currentText(), "enabled");  // read again: the switch's state
  }
}

class StpInfo : public SpanningTree {
 protected:
  std::unique_ptr<StpControlDialog> OpenInfo(const char* stVersion) {
    main.VersionText()->setText(stVersion);
    auto form = std::make_unique<StpControlDialog>(DialogContext{nullptr, QString(), &main});
    Open(*form);
    return form;
  }
  qrxtest::FakeMainWindow main;
};

struct CheckCase {
  const char* maxAge;
  const char* forwardDelay;
  const char* recover;
  const char* message;  // "" when the write goes through
};

TEST_F(StpInfo, SetChecksTimersAndRecoverTimeBeforeWriting) {
  const CheckCase cases[] = {
      {"2000", "1000", "60", "Data Error !"},
      {"2000", "1100", "60", ""},
      {"2000", "1100", "0", ""},
      {"2000", "1100", "1000000", ""},
      {"2000", "1100", "59", "LBD recover time should be equal to 0 or between 60-1000000!"},
      {"2000", "1100", "1000001", "LBD recover time should be equal to 0 or between 60-1000000!"},
      {"", "1100", "60", "Don't Leave Empty Fileds !"},
      {"2000", "1100", "", "Don't Leave Empty Fileds !"},
  };
  auto form = OpenInfo("stp");
  EXPECT_EQ(form->maxAgeEdit->text(), "2000");
  EXPECT_EQ(form->helloTimeEdit->text(), "200");
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(std::string(c.forwardDelay) + "/" + c.maxAge + "/" + c.recover);
    form->maxAgeEdit->setText(c.maxAge);
    form->forwardDelayEdit->setText(c.forwardDelay);
    form->lbdRecoverEdit->setText(c.recover);
    MarkJournal();
    form->setClicked();
    const auto records = NewRecords();
    if (*c.message) {
      EXPECT_EQ(form->statusPanel->text(), c.message);
      EXPECT_TRUE(records.empty());
      continue;
    }
    ASSERT_EQ(records.size(), 1u);
    ASSERT_EQ(records[0].varbinds.size(), 9u);  // Hello Time included
    EXPECT_EQ(records[0].varbinds[2].oid, std::string(kBridge) + "4.0");
    EXPECT_EQ(records[0].varbinds[3].value, "1100");
    EXPECT_EQ(records[0].varbinds[8].value, c.recover);
  }
  // Hello Time: empty, then too long for the maximum age.
  form->lbdRecoverEdit->setText("60");
  form->helloTimeEdit->clear();
  form->setClicked();
  EXPECT_EQ(form->statusPanel->text(), "Don't Leave Empty Fileds !");
  form->maxAgeEdit->setText("550");  // below 2 * 200 + 200
  form->forwardDelayEdit->setText("400");
  form->helloTimeEdit->setText("200");
  form->setClicked();
  EXPECT_EQ(form->statusPanel->text(), "Data Error !");
}

TEST_F(StpInfo, MstpWritesEightParametersThroughTheRowViewWithoutHelloTime) {
  ASSERT_TRUE(SnmpSet(kVersion, "2"));
  auto form = OpenInfo("mstp");
  EXPECT_EQ(form->versionCombo->currentText(), "mstp");
  EXPECT_FALSE(form->helloTimeEdit->isEnabled());
  EXPECT_TRUE(form->helloTimeEdit->text().isEmpty());
  form->refreshClicked();
  ASSERT_TRUE(Idle(*form));
  EXPECT_FALSE(form->helloTimeEdit->isEnabled());
  EXPECT_TRUE(form->helloTimeEdit->text().isEmpty());

  form->maxAgeEdit->setText("2200");
  form->forwardDelayEdit->setText("1300");
  form->lbdRecoverEdit->setText("120");
  MarkJournal();
  form->setClicked();
  ASSERT_TRUE(Idle(*form));
  const auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  const auto& vbs = records[0].varbinds;
  ASSERT_EQ(vbs.size(), 8u);
  const std::string b = kBridge;
  const std::vector<std::pair<std::string, std::string>> expected = {
      {b + "2.0", "2"},  {b + "3.0", "2200"}, {b + "5.0", "1300"}, {b + "6.0", "20"},
      {b + "7.0", "3"},  {b + "8.0", "3"},    {b + "9.0", "3"},    {b + "10.0", "120"}};
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(vbs[i].oid, expected[i].first) << i;
    EXPECT_EQ(vbs[i].value, expected[i].second) << i;
  }
  EXPECT_EQ(main.VersionText()->text(), "mstp");
}

TEST_F(StpInfo, VersionChangeFillsHelloTimeAndTheVersionTextFollowsOnlyAWrite) {
  ASSERT_TRUE(SnmpSet(kVersion, "2"));
  auto form = OpenInfo("mstp");
  form->versionCombo->setCurrentIndex(form->versionCombo->findText("rstp"));
  form->versionChanged();
  EXPECT_TRUE(form->helloTimeEdit->isEnabled());
  EXPECT_EQ(form->helloTimeEdit->text(), "200");
  EXPECT_EQ(main.VersionText()->text(), "mstp");  // nothing written yet

  // The state shows enabled: the version change holds the operator.
  ProgressDriver progress;
  MarkJournal();
  form->setClicked();
  ASSERT_EQ(NewRecords().size(), 1u);
  EXPECT_EQ(main.VersionText()->text(), "rstp");
  EXPECT_EQ(progress.shown, 1);
  EXPECT_EQ(progress.caption, "Set STP Progress");
  EXPECT_EQ(progress.prompt, "Change STP Version is doing...");

  form->versionCombo->setCurrentIndex(form->versionCombo->findText("mstp"));
  form->versionChanged();
  EXPECT_FALSE(form->helloTimeEdit->isEnabled());
  EXPECT_TRUE(form->helloTimeEdit->text().isEmpty());
}

TEST_F(StpInfo, AFailedWriteLeavesTheVersionText) {
  auto form = OpenInfo("stp");
  form->versionCombo->setCurrentIndex(form->versionCombo->findText("rstp"));
  form->versionChanged();
  session_.sim().Stop();  // the write times out
  form->ParametersBinding()->request.timeout = 50;
  form->ParametersBinding()->request.retries = 0;
  form->setClicked();
  EXPECT_TRUE(form->statusPanel->text().startsWith("Set:")) << form->statusPanel->text().toStdString();
  EXPECT_EQ(main.VersionText()->text(), "stp");
}

}  // namespace
