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

// What the simulator is told its ports carry, octets a second in each
// direction: the rates the windows must show.
const std::map<int, uint32_t> kToldOctets{{3, 12500}, {5, 12500}, {49, 250000}};

std::vector<std::string> SimSwitches(int port = 0) {
  std::vector<std::string> s;
  for (const auto& [p, octets] : kToldOctets)
    s.insert(s.end(), {"--port-traffic", std::to_string(p) + "=" + std::to_string(octets)});
  if (port > 0) s.insert(s.end(), {"--port", std::to_string(port)});
  return s;
}

class TrafficSim : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    sim = new qrxtest::SimProcess;
    started = sim->Start(SimSwitches());
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
      ASSERT_TRUE(sim->Start(SimSwitches(GlobalDevice.port))) << sim->error();
    }
    UseVersion(Version::V2c);
    GlobalTimeout = kDefaultTimeout;
    GlobalRetries = kDefaultRetries;
  }

  // net-snmp's snmpget of several OIDs: the numbers, in order.
  static std::vector<uint64_t> ToolGet(Version v, const std::vector<std::string>& oids) {
    std::vector<std::string> args{"snmpget", "-Oqvt"};  // t: time ticks as a number
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

  // Waits until the agent's sysUpTime has gone a second beyond `ticks`.
  static bool WaitForUptimeBeyond(uint32_t ticks) {
    return WaitFor(
        [&] {
          const std::vector<uint64_t> up = ToolGet(Version::V2c, {"1.3.6.1.2.1.1.3.0"});
          return up.size() == 1 && up[0] >= ticks + 100ull;
        },
        30000);
  }

  // The rate told for a port, in bit/s, and how far a shown rate may lie
  // from it: sysUpTime and a counter may be read a hundredth of a second
  // apart at each end of an interval of at least a second.
  static double ToldBits(int port) { return 8.0 * kToldOctets.at(port); }
  static double Slack(int port) { return ToldBits(port) * 0.03; }

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

// The window reads the port's counters (64-bit over SNMPv2c and SNMPv3,
// 32-bit over SNMPv1): each reading lies between net-snmp's taken just
// before and just after its poll. Its rates are those the simulator was told
// to serve: the octets a second times eight, no errors, no discards.
TEST_P(TrafficVersions, RatesAreWhatTheSimulatorWasToldToServe) {
  const Version v = GetParam();
  UseVersion(v);
  const std::vector<int> ports{5, 49};
  TTrafficGraphForm form(nullptr, ports);
  EXPECT_FALSE(form.PollTimer()->isActive());

  std::vector<std::string> oids;
  for (int p : ports)
    for (const std::string& o : CounterOids(v, p)) oids.push_back(o);
  const std::vector<uint64_t> before = ToolGet(v, oids);
  ASSERT_TRUE(Poll(form));
  const std::vector<uint64_t> after = ToolGet(v, oids);
  ASSERT_TRUE(form.LastPoll().answered) << form.StatusLine()->text().toStdString();
  ASSERT_EQ(before.size(), oids.size());
  ASSERT_EQ(after.size(), oids.size());
  for (size_t p = 0; p < ports.size(); ++p) {
    const std::vector<uint64_t> read = WindowCounters(form.LastPoll(), p);
    for (size_t k = 0; k < 6; ++k) {
      SCOPED_TRACE(oids[6 * p + k]);
      EXPECT_GE(read[k], before[6 * p + k]);
      EXPECT_LE(read[k], after[6 * p + k]);
    }
  }

  ASSERT_TRUE(WaitForUptimeBeyond(form.LastPoll().upTime));
  ASSERT_TRUE(Poll(form));
  ASSERT_TRUE(form.LastPoll().answered) << form.StatusLine()->text().toStdString();
  ASSERT_FALSE(form.Samples().empty());
  const auto& rates = form.Samples().back().rates;
  ASSERT_EQ(rates.size(), ports.size());
  for (size_t p = 0; p < ports.size(); ++p) {
    SCOPED_TRACE(ports[p]);
    ASSERT_TRUE(rates[p].rxBits && rates[p].txBits && rates[p].errors && rates[p].discards);
    EXPECT_NEAR(*rates[p].rxBits, ToldBits(ports[p]), Slack(ports[p]));
    EXPECT_NEAR(*rates[p].txBits, ToldBits(ports[p]), Slack(ports[p]));
    EXPECT_EQ(*rates[p].errors, 0.0);
    EXPECT_EQ(*rates[p].discards, 0.0);
  }
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
  ASSERT_TRUE(WaitForUptimeBeyond(form->LastPoll().upTime));
  ASSERT_TRUE(Poll(*form));
  ASSERT_TRUE(form->Samples().back().rates.at(0).rxBits);
  EXPECT_NEAR(*form->Samples().back().rates.at(0).rxBits, ToldBits(3), Slack(3));

  sim->Stop();
  ASSERT_TRUE(Poll(*form));
  EXPECT_FALSE(form->LastPoll().answered);
  EXPECT_FALSE(form->Samples().back().rates.at(0).rxBits);
  const QString silent = form->StatusLine()->text();
  EXPECT_TRUE(silent.startsWith("Get: ")) << silent.toStdString();
  EXPECT_EQ(silent.indexOf("Ok"), -1) << silent.toStdString();
  ASSERT_TRUE(Poll(*form));  // still polling, still a gap
  EXPECT_FALSE(form->Samples().back().rates.at(0).rxBits);

  ASSERT_TRUE(sim->Start(SimSwitches(GlobalDevice.port))) << sim->error();
  ASSERT_TRUE(Poll(*form));
  EXPECT_TRUE(form->LastPoll().answered);
  EXPECT_FALSE(form->Samples().back().rates.at(0).rxBits);  // the new base
  ASSERT_TRUE(WaitForUptimeBeyond(form->LastPoll().upTime));
  ASSERT_TRUE(Poll(*form));
  auto r = form->Samples().back().rates.at(0);
  ASSERT_TRUE(r.rxBits);
  EXPECT_NEAR(*r.rxBits, ToldBits(3), Slack(3)) << "the rate over the new agent's counters";
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

// The simulator's port 2 has 32-bit octet counters that wrap a few seconds
// after its start: over SNMPv1 the window reads them, sees the wrap and draws
// the rate across it, no gap.
TEST_F(TrafficSim, RateRunsOnAcrossAThirtyTwoBitWrap) {
  constexpr int kWrapPort = 2;
  UseVersion(Version::V1);
  sim->Stop();
  ASSERT_TRUE(sim->Start({"--port", std::to_string(GlobalDevice.port)})) << sim->error();
  TTrafficGraphForm form(nullptr, {kWrapPort});
  ASSERT_TRUE(Poll(form));
  bool wrapped = false;
  for (int i = 0; i < 40 && !wrapped; ++i) {
    const KyTrafficPoll before = form.LastPoll();
    QTest::qWait(1100);  // the counters move with the simulator's clock
    ASSERT_TRUE(Poll(form));
    const KyTrafficPoll& after = form.LastPoll();
    if (!before.answered || !after.answered) continue;
    const auto a = before.ports.at(0).inOctets.value, b = after.ports.at(0).inOctets.value;
    ASSERT_TRUE(a && b);
    EXPECT_EQ(after.ports.at(0).inOctets.bits, 32);
    if (*b >= *a) continue;
    wrapped = true;
    const auto& rates = form.Samples().back().rates.at(0);
    ASSERT_TRUE(rates.rxBits) << "a wrap is no gap";
    const double seconds = (after.upTime - before.upTime) / 100.0;
    EXPECT_DOUBLE_EQ(*rates.rxBits, static_cast<double>(*b + 0x100000000ull - *a) * 8 / seconds);
    EXPECT_GT(*rates.rxBits, 0);
  }
  EXPECT_TRUE(wrapped) << "the 32-bit octet counter of port " << kWrapPort << " did not wrap";
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
  ASSERT_TRUE(WaitFor([&] { return form->PollsCompleted() >= 3; }, 30000));
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
