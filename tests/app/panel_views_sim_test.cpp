// The front panel's views against the simulator: the ports coloured as the
// simulator's tables say, the told load, missing and wrong-typed data, and
// the port tooltips' reads.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <sstream>

#include "app/FrontPanel.h"
#include "app/PanelViews.h"
#include "app/PortTooltip.h"
#include "editors/LedBinding.h"
#include "common/SimProcess.h"
#include "editors/QtSnmpPump.h"
#include "snmp/Request.h"
#include "snmp/Session.h"
#include "tables/OptionTables.h"
#include "snmp/SessionParams.h"

namespace {

QApplication& App() {
  static int argc = 1;
  static char arg0[] = "panel_views_sim";
  static char* argv[] = {arg0, nullptr};
  if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance())) return *existing;
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}
[[maybe_unused]] QApplication& app = App();

bool WaitFor(const std::function<bool()>& done, int ms = 15000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

void UseVersion(uint8_t v) {
  GlobalSecurity = {};
  GlobalSecurity.version = v;
  GlobalSecurity.securityModel = v == SnmpVersion::V1 ? SecurityModel::V1 : SecurityModel::V2c;
  GlobalSecurity.readCommunity = qrxtest::SimProcess::kReadCommunity;
  GlobalSecurity.writeCommunity = qrxtest::SimProcess::kWriteCommunity;
}

// Port 5 carries 12.5 MB/s each way: 10% of its 1 Gbit/s.
std::vector<std::string> Switches(std::vector<std::string> more = {}) {
  more.insert(more.end(), {"--port-traffic", "5=12500000"});
  return more;
}

class PanelViewsSim : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static QString dir = QDir::tempPath() + "/qrx-panel-views-" + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(dir);
    InstallQtSnmpPump();
    InitGlobalSession(dir.toStdString());
  }

  // Starts a simulator of its own with `switches` and points the session at it.
  void StartSim(const std::vector<std::string>& switches = Switches()) {
    ASSERT_TRUE(sim.Start(switches)) << sim.error();
    GlobalDevice.address = sim.host();
    GlobalDevice.port = static_cast<uint16_t>(sim.port());
    UseVersion(SnmpVersion::V2c);
    GlobalTimeout = kDefaultTimeout;
    GlobalRetries = kDefaultRetries;
  }

  void TearDown() override {
    panel.reset();
    sim.Stop();
  }

  // Shows a view and waits for its first answered poll; the timer is stopped
  // so that the test decides when the next poll goes.
  void ShowAndPoll(KyPanelView view, int vlan = 0) {
    if (!panel) panel = std::make_unique<TPanelQRX900Form>(nullptr, &status);
    const int before = panel->Viewer()->PollsCompleted();
    panel->ShowView(view, vlan);
    panel->Viewer()->PollTimer()->stop();
    ASSERT_TRUE(WaitFor([&] { return panel->Viewer()->PollsCompleted() > before; }));
  }
  void PollAgain() {
    TPanelViewer* v = panel->Viewer();
    const int before = v->PollsCompleted();
    ASSERT_TRUE(v->PollNow());
    ASSERT_TRUE(WaitFor([&] { return v->PollsCompleted() > before; }));
  }

  // Waits until the agent's sysUpTime has advanced by a second from now.
  void WaitForASecondOfUptime() {
    auto upTime = [&]() -> long long {
      auto r = qrxtest::RunCommand({"snmpget", "-v2c", "-Oqvt", "-c", qrxtest::SimProcess::kReadCommunity,
                                    sim.address(), "1.3.6.1.2.1.1.3.0"});
      return r.exitCode == 0 ? std::stoll(r.out) : -1;
    };
    const long long start = upTime();
    ASSERT_GE(start, 0);
    ASSERT_TRUE(WaitFor([&] { return upTime() >= start + 100; }, 30000));
  }

  std::string Tool(const std::vector<std::string>& args) {
    auto r = qrxtest::RunCommand(args);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return r.out;
  }

  qrxtest::SimProcess sim;
  QLabel status;  // the LED poll's status, as in the main window
  std::unique_ptr<TPanelQRX900Form> panel;
};

TEST_F(PanelViewsSim, VlanViewShowsTheMembersTheStaticTableHas) {
  StartSim();
  // VLAN 20: ports 1-4 egress, 1-2 of them untagged, port 5 forbidden.
  const std::string e = "1.3.6.1.2.1.17.7.1.4.3.1";
  Tool({"snmpset", "-v2c", "-c", qrxtest::SimProcess::kWriteCommunity, sim.address(), e + ".1.20", "s", "v20",
        e + ".2.20", "x", "F0000000000000", e + ".3.20", "x", "08000000000000", e + ".4.20", "x", "C0000000000000",
        e + ".5.20", "i", "4"});

  // Chosen from the list of the switch's VLANs with their names.
  panel = std::make_unique<TPanelQRX900Form>(nullptr, &status);
  // Answers the VLAN window once its list has the VLANs; gives up (and
  // cancels it) after a generous bound so that the test cannot hang.
  bool listed = false;
  int ticks = 0;
  QTimer answer;
  answer.setInterval(50);
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    auto* list = dialog->findChild<QTreeWidget*>("VlanList");
    if (list && list->topLevelItemCount() >= 2) {
      listed = list->topLevelItem(0)->text(1) == "default" && list->topLevelItem(1)->text(0) == "20" &&
               list->topLevelItem(1)->text(1) == "v20";
      list->setCurrentItem(list->topLevelItem(1));
      answer.stop();
      dialog->accept();
    } else if (++ticks > 600) {
      answer.stop();
      dialog->reject();
    }
  });
  answer.start();
  std::unique_ptr<QMenu> menu(panel->ViewMenu());
  QAction* vlan = menu->findChild<QAction*>("actionShowVlan");
  ASSERT_NE(vlan, nullptr);
  vlan->trigger();
  EXPECT_TRUE(listed);
  ASSERT_EQ(panel->CurrentView(), KyPanelView::Vlan);
  ASSERT_EQ(panel->Viewer()->Vlan(), 20);
  panel->Viewer()->PollTimer()->stop();
  ASSERT_TRUE(WaitFor([&] { return panel->Viewer()->PollsCompleted() > 0; }));

  using M = KyPortMark;
  const std::map<int, M> expected{{1, M::Untagged}, {2, M::Untagged}, {3, M::Tagged}, {4, M::Tagged},
                                  {5, M::Forbidden}, {6, M::NotMember}, {52, M::NotMember}};
  for (const auto& [port, mark] : expected) EXPECT_EQ(panel->Viewer()->PortShade(port).mark, mark) << port;
  EXPECT_EQ(panel->Viewer()->LegendTitle(), "VLAN 20:");
  EXPECT_TRUE(panel->Viewer()->LegendReason().isEmpty()) << panel->Viewer()->LegendReason().toStdString();
  // Buttons 51 to 54 are ports 49 to 52.
  EXPECT_EQ(panel->Viewer()->Overlay(54)->Shade().mark, M::NotMember);

  // A VLAN the switch does not have: unknown, and the legend says so.
  panel->ShowView(KyPanelView::Vlan, 4000);
  panel->Viewer()->PollTimer()->stop();
  const int before = panel->Viewer()->PollsCompleted();
  ASSERT_TRUE(WaitFor([&] { return panel->Viewer()->PollsCompleted() > before; }));
  EXPECT_EQ(panel->Viewer()->PortShade(1).mark, M::Unknown);
  EXPECT_TRUE(panel->Viewer()->LegendReason().contains("4000")) << panel->Viewer()->LegendReason().toStdString();
}

TEST_F(PanelViewsSim, SpanningTreeViewShowsTheStatesTheSwitchReports) {
  StartSim();
  ShowAndPoll(KyPanelView::SpanningTree);
  // The simulator's states, as net-snmp reads them.
  std::vector<std::string> oids;
  for (int p = 1; p <= kPanelViewPorts; ++p) oids.push_back("1.3.6.1.4.1.32473.12.15.2.5.1.6." + std::to_string(p) + ".1");
  std::vector<std::string> args{"snmpget", "-v2c", "-Oqv", "-c", qrxtest::SimProcess::kReadCommunity, sim.address()};
  args.insert(args.end(), oids.begin(), oids.end());
  std::istringstream in(Tool(args));
  const KyPortMark marks[] = {KyPortMark::Unknown, KyPortMark::Disabled, KyPortMark::Blocking, KyPortMark::Learning,
                              KyPortMark::Forwarding, KyPortMark::Broken};
  for (int p = 1; p <= kPanelViewPorts; ++p) {
    int state = 0;
    ASSERT_TRUE(in >> state);
    ASSERT_TRUE(state >= 1 && state <= 5);
    EXPECT_EQ(panel->Viewer()->PortShade(p).mark, marks[state]) << p;
  }
}

TEST_F(PanelViewsSim, WrongTypeAndMissingDataShowUnknownWithTheReason) {
  StartSim(Switches({"--fault-wrong-type", "1.3.6.1.4.1.32473.12.15.2.5.1.6", "--fault-missing", "1.3.6.1.2.1.2.2.1.8"}));
  ShowAndPoll(KyPanelView::SpanningTree);
  EXPECT_EQ(panel->Viewer()->PortShade(1).mark, KyPortMark::Unknown);
  EXPECT_TRUE(panel->Viewer()->LegendReason().contains("wrong type")) << panel->Viewer()->LegendReason().toStdString();

  // The load view without ifOperStatus: no port is shown as having a link or not.
  ShowAndPoll(KyPanelView::Load);
  PollAgain();
  EXPECT_EQ(panel->Viewer()->PortShade(5).mark, KyPortMark::Unknown);
  EXPECT_TRUE(panel->Viewer()->LegendReason().contains("link")) << panel->Viewer()->LegendReason().toStdString();
}

TEST_F(PanelViewsSim, LoadViewShowsTheToldLoadAndNothingAcrossARestart) {
  StartSim();
  ShowAndPoll(KyPanelView::Load);
  EXPECT_EQ(panel->Viewer()->PortShade(5).mark, KyPortMark::Unknown);  // one reading: no rate yet
  WaitForASecondOfUptime();
  PollAgain();
  EXPECT_EQ(panel->Viewer()->PortShade(5).mark, KyPortMark::Level);
  EXPECT_EQ(panel->Viewer()->PortShade(5).caption, "10%") << panel->Viewer()->PortShade(5).detail.toStdString();

  // The agent restarts (uptime and counters back to their start): no rate,
  // not the old colour; then the rate again.
  const int port = sim.port();
  sim.Stop();
  ASSERT_TRUE(sim.Start(Switches({"--port", std::to_string(port)}))) << sim.error();
  PollAgain();
  EXPECT_EQ(panel->Viewer()->PortShade(5).mark, KyPortMark::Unknown);
  WaitForASecondOfUptime();
  PollAgain();
  EXPECT_EQ(panel->Viewer()->PortShade(5).caption, "10%");

  // Errors: port 6 is the simulator's port with errors.
  ShowAndPoll(KyPanelView::Errors);
  WaitForASecondOfUptime();
  PollAgain();
  EXPECT_EQ(panel->Viewer()->PortShade(5).mark, KyPortMark::Level);
  EXPECT_EQ(panel->Viewer()->PortShade(5).level, 0);
}

}  // namespace

namespace {

// The GET records of a request journal: the OIDs of each.
std::vector<std::vector<std::string>> JournalGets(const QString& path) {
  std::vector<std::vector<std::string>> gets;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return gets;
  bool inGet = false;
  for (const QByteArray& raw : f.readAll().split('\n')) {
    const std::string line = raw.trimmed().toStdString();
    if (line.empty()) continue;
    if (std::isalpha(static_cast<unsigned char>(line[0]))) {
      inGet = line.rfind("GET ", 0) == 0;
      if (inGet) gets.emplace_back();
    } else if (inGet) {
      gets.back().push_back(line);
    }
  }
  return gets;
}

TEST_F(PanelViewsSim, LedViewReadsOnlyTheLedsAndATooltipReadsOncePerInterval) {
  QTemporaryDir dir;
  const QString journal = dir.filePath("requests.txt");
  StartSim(Switches({"--request-journal", journal.toStdString()}));
  panel = std::make_unique<TPanelQRX900Form>(nullptr, &status);
  // Two LED polls, nobody hovering: the LED variable and nothing else.
  ASSERT_TRUE(WaitFor([&] { return JournalGets(journal).size() >= 2; }, 20000));
  for (const auto& get : JournalGets(journal)) EXPECT_EQ(get, std::vector<std::string>{"1.3.6.1.4.1.32473.11.63.8.2.1.1.5.0"});

  // Hovering port 5 (button 5) reads it once.
  KyPortTooltips* tips = panel->Tooltips();
  qint64 now = 0;
  tips->clock = [&] { return now; };
  QHelpEvent hover(QEvent::ToolTip, QPoint(3, 3), panel->SpeedButton(5)->mapToGlobal(QPoint(3, 3)));
  QApplication::sendEvent(panel->SpeedButton(5), &hover);
  EXPECT_EQ(tips->Reads(), 1);
  ASSERT_TRUE(WaitFor([&] { return !tips->Busy(); }));
  const QString first = tips->Text(5);
  EXPECT_TRUE(first.startsWith("Port 5\n")) << first.toStdString();
  const std::string pvid = Tool({"snmpget", "-v2c", "-Oqv", "-c", qrxtest::SimProcess::kReadCommunity, sim.address(),
                                 "1.3.6.1.2.1.17.7.1.4.5.1.1.5"});
  EXPECT_TRUE(first.contains(QString("PVID: %1").arg(QString::fromStdString(pvid).trimmed()))) << first.toStdString();
  // Link and speed/duplex as the switch's port table has them.
  std::istringstream states(Tool({"snmpget", "-v2c", "-Oqv", "-c", qrxtest::SimProcess::kReadCommunity, sim.address(),
                                  "1.3.6.1.4.1.32473.11.63.8.2.2.1.1.2.5", "1.3.6.1.4.1.32473.11.63.8.2.2.1.1.3.5"}));
  int link = 0, nway = 0;
  ASSERT_TRUE(states >> link >> nway);
  auto label = [](const KyOptionTable& t, int v) {
    for (const KyOptionPair& p : t.pairs)
      if (p.value == v) return QString::fromUtf8(p.label);
    return QString::number(v);
  };
  EXPECT_TRUE(first.contains(QString("Link: %1, %2").arg(label(opt::PortLinkStatus, link), label(opt::PortNwayStatus, nway))))
      << first.toStdString();
  EXPECT_TRUE(first.contains("measured from the next reading")) << first.toStdString();
  bool sawPortRead = false;
  for (const auto& get : JournalGets(journal))
    if (std::find(get.begin(), get.end(), "1.3.6.1.2.1.31.1.1.1.18.5") != get.end()) sawPortRead = true;
  EXPECT_TRUE(sawPortRead);

  // Within the interval: nothing more is read.
  now += 2000;
  tips->Text(5);
  EXPECT_EQ(tips->Reads(), 1);
  // After it: read again, and the rates are those the simulator was told.
  WaitForASecondOfUptime();
  now += 1500;
  tips->Text(5);
  EXPECT_EQ(tips->Reads(), 2);
  ASSERT_TRUE(WaitFor([&] { return !tips->Busy(); }));
  EXPECT_TRUE(tips->Text(5).contains("In: 100.00 Mbit/s, out: 100.00 Mbit/s")) << tips->Text(5).toStdString();
  EXPECT_EQ(tips->Reads(), 2);
}

// Closing a window while its read is in flight (the agent answers 700 ms
// late): the close waits for that read's reply, not for the bound of the
// wait, and leaves nothing behind; no exchange is outstanding once the close
// has returned, so no reply can come to what has gone.
TEST_F(PanelViewsSim, ClosingWhileAReadIsInFlightWaitsForItsReplyOnly) {
  struct Case {
    const char* what;
    // Opens the window, lets its read start and closes it; false when the
    // read was not in flight at the close.
    std::function<bool()> closeWhileReading;
  };
  const Case cases[] = {
      {"front panel, its LED read",
       [this] {
         auto* shown = new TPanelQRX900Form(nullptr, &status);
         QPointer<TPanelQRX900Form> alive(shown);
         shown->show();
         if (!WaitFor([&] { return shown->Leds() != nullptr && shown->Leds()->busy; })) return false;
         shown->close();  // it deletes itself later
         return WaitFor([&] {
           QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
           return alive.isNull();
         });
       }},
      {"VLAN window, its walk of the VLANs",
       [] {
         bool reading = false;
         QTimer cancel;
         cancel.setInterval(10);
         QObject::connect(&cancel, &QTimer::timeout, [&] {
           auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
           if (dialog == nullptr) return;
           cancel.stop();
           reading = GlobalSnmp != nullptr && GlobalSnmp->PendingCount() > 0;
           dialog->reject();
         });
         cancel.start();
         EXPECT_EQ(ChooseVlan(nullptr, 1), 0);
         return reading;
       }},
  };
  StartSim(Switches({"--fault-delay", "700"}));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Far past the reply, far before the wait's own bound.
    bool late = false;
    QTimer marker;
    marker.setSingleShot(true);
    QObject::connect(&marker, &QTimer::timeout, [&] { late = true; });
    marker.start(KySNMPRequest::kDestroyWaitMs / 2);
    EXPECT_TRUE(c.closeWhileReading()) << "the read was not in flight at the close";
    EXPECT_FALSE(late) << "the close waited past the read's reply";
    EXPECT_EQ(GlobalSnmp->PendingCount(), 0u) << "an exchange outlived the close";
  }
}

}  // namespace
