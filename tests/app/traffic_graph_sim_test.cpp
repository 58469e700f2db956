// The traffic graph window against the simulator, its poll timer driven by
// the test: the counters it reads and the rates it draws against net-snmp's
// own readings, the agent vanishing and coming back, several windows, the
// front panel's "Traffic Graph...", the picture and the CSV.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <map>
#include <sstream>

#include "app/FrontPanel.h"
#include "app/TrafficGraphForm.h"
#include "common/SimProcess.h"
#include "editors/ListExport.h"
#include "editors/QtSnmpPump.h"
#include "snmp/Session.h"
#include "snmp/SessionParams.h"

namespace {

QApplication& App() {
  static int argc = 1;
  static char arg0[] = "traffic_graph_sim";
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
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // windows closed meanwhile
  }
  return true;
}

QString BuildDir() {
  const char* dir = std::getenv("QRX_BUILD_DIR");
  return dir && *dir ? QString::fromLocal8Bit(dir) : QDir::currentPath();
}

enum class Version { V1, V2c, V3 };

void UseVersion(Version v) {
  GlobalSecurity = {};
  if (v == Version::V3) {
    GlobalSecurity.version = SnmpVersion::V3;
    GlobalSecurity.securityModel = SecurityModel::Usm;
    GlobalSecurity.securityLevel = SecurityLevel::AuthPriv;
    GlobalSecurity.securityName = qrxtest::SimProcess::kUser;
    GlobalSecurity.authProtocol = AuthProtocol::HmacSha;
    GlobalSecurity.authPassword = qrxtest::SimProcess::kAuthPassword;
    GlobalSecurity.privProtocol = PrivProtocol::Aes128;
    GlobalSecurity.privPassword = qrxtest::SimProcess::kPrivPassword;
    return;
  }
  GlobalSecurity.version = v == Version::V1 ? SnmpVersion::V1 : SnmpVersion::V2c;
  GlobalSecurity.securityModel = v == Version::V1 ? SecurityModel::V1 : SecurityModel::V2c;
  GlobalSecurity.readCommunity = qrxtest::SimProcess::kReadCommunity;
}

class TrafficSim : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sim = new qrxtest::SimProcess;
    started = sim->Start();
    if (!started) return;
    static QString dir = QDir::tempPath() + "/qrx-traffic-sim-" + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(dir);
    InstallQtSnmpPump();
    InitGlobalSession(dir.toStdString());
    GlobalDevice.address = sim->host();
    GlobalDevice.port = static_cast<uint16_t>(sim->port());
  }
  static void TearDownTestSuite() {
    delete sim;
    sim = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(started) << "the simulator did not start: " << sim->error();
    if (!sim->running()) {
      ASSERT_TRUE(sim->Start({"--port", std::to_string(GlobalDevice.port)})) << sim->error();
    }
    UseVersion(Version::V2c);
    GlobalTimeout = kDefaultTimeout;
    GlobalRetries = kDefaultRetries;
  }

  // net-snmp's snmpget of several OIDs: the numbers, in order.
  static std::vector<uint64_t> ToolGet(Version v, const std::vector<std::string>& oids) {
    std::vector<std::string> args{"snmpget", "-Oqv"};
    if (v == Version::V3)
      args.insert(args.end(), {"-v3", "-l", "authPriv", "-u", qrxtest::SimProcess::kUser, "-a", "SHA", "-A",
                               qrxtest::SimProcess::kAuthPassword, "-x", "AES", "-X",
                               qrxtest::SimProcess::kPrivPassword});
    else
      args.insert(args.end(), {v == Version::V1 ? "-v1" : "-v2c", "-c", qrxtest::SimProcess::kReadCommunity});
    args.push_back(sim->address());
    args.insert(args.end(), oids.begin(), oids.end());
    auto r = qrxtest::RunCommand(args);
    std::vector<uint64_t> values;
    std::istringstream in(r.out);
    std::string line;
    while (std::getline(in, line)) values.push_back(std::stoull(line));
    return values;
  }

  // One poll of the window; true once it has completed.
  static bool Poll(TTrafficGraphForm& form) {
    const int before = form.PollsCompleted();
    if (!form.PollNow()) return false;
    return WaitFor([&] { return form.PollsCompleted() > before; });
  }

  static qrxtest::SimProcess* sim;
  static bool started;
};

qrxtest::SimProcess* TrafficSim::sim = nullptr;
bool TrafficSim::started = false;

// The counters a window reads for a port, as net-snmp's tools name them.
std::vector<std::string> CounterOids(Version v, int port) {
  const std::string n = "." + std::to_string(port);
  const bool hc = v != Version::V1;
  return {(hc ? "1.3.6.1.2.1.31.1.1.1.6" : "1.3.6.1.2.1.2.2.1.10") + n,
          (hc ? "1.3.6.1.2.1.31.1.1.1.10" : "1.3.6.1.2.1.2.2.1.16") + n,
          "1.3.6.1.2.1.2.2.1.14" + n,
          "1.3.6.1.2.1.2.2.1.20" + n,
          "1.3.6.1.2.1.2.2.1.13" + n,
          "1.3.6.1.2.1.2.2.1.19" + n};
}

std::vector<uint64_t> WindowCounters(const KyTrafficPoll& poll, size_t port) {
  const KyPortReading& r = poll.ports.at(port);
  std::vector<uint64_t> v;
  for (const KyCounterReading* c :
       {&r.inOctets, &r.outOctets, &r.inErrors, &r.outErrors, &r.inDiscards, &r.outDiscards})
    v.push_back(c->value.value_or(~0ull));
  return v;
}

class TrafficVersions : public TrafficSim, public ::testing::WithParamInterface<Version> {};

// The window's readings equal net-snmp's taken just before and just after
// its poll (the simulator's counters move once a second: a reading is kept
// only when the two agree), and its rates are those readings' differences
// over the agent's time between the polls.
TEST_P(TrafficVersions, RatesAreTheCounterDifferencesOverTheInterval) {
  const Version v = GetParam();
  UseVersion(v);
  const std::vector<int> ports{5, 49};
  TTrafficGraphForm form(nullptr, ports);
  EXPECT_FALSE(form.PollTimer()->isActive());

  std::vector<std::string> oids;
  for (int p : ports)
    for (const std::string& o : CounterOids(v, p)) oids.push_back(o);

  // One poll between two readings of the tools; true when they agree.
  auto toolPoll = [&](std::vector<uint64_t>& tool, uint32_t& upTime) {
    std::vector<uint64_t> before = ToolGet(v, oids);
    if (!Poll(form)) return false;
    std::vector<uint64_t> after = ToolGet(v, oids);
    tool = before;
    upTime = form.LastPoll().upTime;
    return before.size() == oids.size() && before == after && form.LastPoll().answered;
  };

  // Two polls in a row, each with agreeing readings of the tools.
  std::vector<uint64_t> a, b;
  uint32_t upA = 0, upB = 0;
  bool got = false;
  for (int attempt = 0; attempt < 5 && !got; ++attempt) {
    if (!toolPoll(a, upA)) continue;
    for (size_t p = 0; p < ports.size(); ++p)
      EXPECT_EQ(WindowCounters(form.LastPoll(), p), std::vector<uint64_t>(a.begin() + 6 * p, a.begin() + 6 * p + 6));
    QTest::qWait(1300);  // the counters move with the simulator's clock
    got = toolPoll(b, upB);
  }
  ASSERT_TRUE(got) << form.StatusLine()->text().toStdString();
  ASSERT_GT(upB, upA);
  const double seconds = (upB - upA) / 100.0;

  ASSERT_FALSE(form.Samples().empty());
  const auto& rates = form.Samples().back().rates;
  ASSERT_EQ(rates.size(), ports.size());
  bool moved = false;
  for (size_t p = 0; p < ports.size(); ++p) {
    auto d = [&](size_t k) { return static_cast<double>(b[6 * p + k] - a[6 * p + k]); };
    ASSERT_TRUE(rates[p].rxBits && rates[p].txBits && rates[p].errors && rates[p].discards);
    EXPECT_DOUBLE_EQ(*rates[p].rxBits, d(0) * 8 / seconds);
    EXPECT_DOUBLE_EQ(*rates[p].txBits, d(1) * 8 / seconds);
    EXPECT_DOUBLE_EQ(*rates[p].errors, (d(2) + d(3)) / seconds);
    EXPECT_DOUBLE_EQ(*rates[p].discards, (d(4) + d(5)) / seconds);
    moved = moved || d(0) > 0;
  }
  EXPECT_TRUE(moved) << "the simulator's counters did not move";
  EXPECT_NE(form.StatusLine()->text().indexOf("Ok"), -1) << form.StatusLine()->text().toStdString();
  // The legend carries current, average and peak.
  EXPECT_TRUE(form.LegendText(0, 0).startsWith("Port 5 Rx: ")) << form.LegendText(0, 0).toStdString();
  EXPECT_NE(form.LegendText(0, 0).indexOf("avg"), -1);
  EXPECT_NE(form.LegendText(0, 0).indexOf("peak"), -1);
}

INSTANTIATE_TEST_SUITE_P(Versions, TrafficVersions, ::testing::Values(Version::V1, Version::V2c, Version::V3),
                         [](const ::testing::TestParamInfo<Version>& info) {
                           return info.param == Version::V1 ? "v1" : info.param == Version::V2c ? "v2c" : "v3";
                         });

// The agent goes away: the error on the status line, a gap, polling goes on;
// it comes back (sysUpTime from 0 again): a new base, then rates again.
// Meanwhile a second window polls on its own, and closing a window with a
// poll in flight ends its requests.
TEST_F(TrafficSim, SurvivesTheAgentVanishingAndComingBack) {
  GlobalTimeout = 100;  // 1 s: enough for a loaded machine, short for the silent polls
  GlobalRetries = 0;
  QPointer<TTrafficGraphForm> form = new TTrafficGraphForm(nullptr, {3});
  QPointer<TTrafficGraphForm> other = new TTrafficGraphForm(nullptr, {7, 8});
  form->show();
  other->show();
  ASSERT_TRUE(Poll(*form));
  ASSERT_TRUE(Poll(*other));
  QTest::qWait(1100);
  ASSERT_TRUE(Poll(*form));
  ASSERT_TRUE(form->Samples().back().rates.at(0).rxBits);

  sim->Stop();
  ASSERT_TRUE(Poll(*form));
  EXPECT_FALSE(form->LastPoll().answered);
  EXPECT_FALSE(form->Samples().back().rates.at(0).rxBits);
  const QString silent = form->StatusLine()->text();
  EXPECT_TRUE(silent.startsWith("Get: ")) << silent.toStdString();
  EXPECT_EQ(silent.indexOf("Ok"), -1) << silent.toStdString();
  ASSERT_TRUE(Poll(*form));  // still polling, still a gap
  EXPECT_FALSE(form->Samples().back().rates.at(0).rxBits);

  ASSERT_TRUE(sim->Start({"--port", std::to_string(GlobalDevice.port)})) << sim->error();
  ASSERT_TRUE(Poll(*form));
  EXPECT_TRUE(form->LastPoll().answered);
  EXPECT_FALSE(form->Samples().back().rates.at(0).rxBits);  // the new base
  QTest::qWait(1100);
  ASSERT_TRUE(Poll(*form));
  auto r = form->Samples().back().rates.at(0);
  ASSERT_TRUE(r.rxBits);
  EXPECT_GE(*r.rxBits, 0);
  EXPECT_LT(*r.rxBits, 1e6) << "the simulator counts at most 2000 octets a second";
  EXPECT_NE(form->StatusLine()->text().indexOf("Ok"), -1);

  // The other window was never disturbed and still polls.
  ASSERT_TRUE(Poll(*other));
  EXPECT_TRUE(other->LastPoll().answered);
  EXPECT_EQ(other->LastPoll().ports.size(), 2u);

  // Closing with a poll in flight to a silent agent.
  sim->Stop();
  ASSERT_TRUE(form->PollNow());
  EXPECT_TRUE(form->Busy());
  const int polls = form->PollsCompleted();
  form->close();
  ASSERT_TRUE(WaitFor([&] { return form.isNull(); }, 8000));
  other->close();
  ASSERT_TRUE(WaitFor([&] { return other.isNull(); }, 8000));
  (void)polls;
}

// The front panel's port menu opens a window for the port under the mouse;
// the timer then polls on its own. The picture lands in the build folder.
TEST_F(TrafficSim, FrontPanelOpensAWindowAndPictureAndCsvAreWritten) {
  EXPECT_EQ(TPanelQRX900Form::ButtonPort(1), 1);
  EXPECT_EQ(TPanelQRX900Form::ButtonPort(50), 50);
  EXPECT_EQ(TPanelQRX900Form::ButtonPort(51), 49);
  EXPECT_EQ(TPanelQRX900Form::ButtonPort(54), 52);
  EXPECT_EQ(TPanelQRX900Form::ButtonPort(55), 0);

  TPanelQRX900Form panel(nullptr);
  panel.SpeedButton1Click(panel.SpeedButton(5));
  std::unique_ptr<QMenu> menu(panel.PortMenu(panel.SpeedButton(51)));
  ASSERT_TRUE(menu);
  auto* action = menu->findChild<QAction*>("actionTrafficGraph");
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), "Traffic Graph...");
  const auto before = QApplication::topLevelWidgets();
  action->trigger();
  TTrafficGraphForm* form = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (!before.contains(w)) form = qobject_cast<TTrafficGraphForm*>(w);
  ASSERT_NE(form, nullptr);
  QPointer<TTrafficGraphForm> guard(form);
  EXPECT_EQ(form->Ports(), std::vector<int>{49});
  EXPECT_EQ(panel.SelectedButton(), panel.SpeedButton(5)) << "the selection stays";
  EXPECT_TRUE(form->PollTimer()->isActive());
  EXPECT_EQ(form->PollTimer()->interval(), 2000);
  form->SetInterval(1);
  EXPECT_EQ(form->PollTimer()->interval(), 1000);
  // The timer polls by itself: a first poll at once, then one a second.
  ASSERT_TRUE(WaitFor([&] { return form->PollsCompleted() >= 3; }, 10000));
  form->PollTimer()->stop();
  ASSERT_TRUE(WaitFor([&] { return !form->Busy(); }));
  ASSERT_TRUE(form->Samples().back().rates.at(0).rxBits);

  const QString png = BuildDir() + "/traffic-graph.png";
  QFile::remove(png);
  KyListExport::SetSaveFileHook([&](QWidget*, const QString&, const QString&, const QString&) { return png; });
  form->SavePictureClick();
  QImage image(png);
  EXPECT_FALSE(image.isNull()) << png.toStdString();
  EXPECT_GE(image.width(), 640);

  const QString csv = QDir::tempPath() + "/qrx-traffic-" + QString::number(QCoreApplication::applicationPid()) + ".csv";
  KyListExport::SetSaveFileHook([&](QWidget*, const QString&, const QString&, const QString&) { return csv; });
  form->ExportCsvClick();
  KyListExport::SetSaveFileHook({});
  QFile f(csv);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QList<QByteArray> lines = f.readAll().split('\n');
  f.close();
  QFile::remove(csv);
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines[0], "Time,Port 49 Rx (bit/s),Port 49 Tx (bit/s),Port 49 errors (/s),Port 49 discards (/s)\r");
  EXPECT_EQ(static_cast<size_t>(lines.size()), form->Samples().size() + 2);  // header, rows, end
  // The first sample has no rate yet: its fields are empty.
  EXPECT_TRUE(lines[1].endsWith(",,,,\r")) << lines[1].toStdString();
  form->close();
  ASSERT_TRUE(WaitFor([&] { return guard.isNull(); }, 8000));
}

}  // namespace
