// Start-up of the main window against the simulator: caption, menus, the two
// reads, the front panel and its first LED poll.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <iostream>
#include <map>

#include "app/MenuBar.h"
#include "mainwindow_sim_support.h"
#include "snmp/Messages.h"
#include "snmp/SessionParams.h"

namespace {

// The LED bytes in a net-snmp tool's "-Ox" output.
std::string HexStringBytes(const std::string& out) {
  std::string bytes;
  const size_t at = out.find("Hex-STRING:");
  if (at == std::string::npos) return bytes;
  std::istringstream in(out.substr(at + 11));
  std::string hex;
  while (in >> hex) bytes.push_back(static_cast<char>(std::stoi(hex, nullptr, 16)));
  return bytes;
}

const QColor kBlack(0, 0, 0), kGreen(0, 255, 0), kRed(255, 0, 0), kOrange(255, 128, 64);

// The colour of what the simulator serves: its LED string uses only these
// codes. Power 0x02 (on) and console 0x01 (nothing attached); per port a
// status byte (0x01 no link, 0x02 link, 0x82 link with traffic) and a colour
// byte (0x01 link at 10/100, 0x03 at 1000 Mbit/s, 0x05 error). A code outside
// these fails the test.
QColor ServedColour(const std::string& bytes, int position) {
  const auto at = [&](int i) { return static_cast<int>(static_cast<uint8_t>(bytes.at(static_cast<size_t>(i)))); };
  if (position == 0) {
    EXPECT_EQ(at(0), 0x02) << "power";
    return kGreen;
  }
  if (position == 1) {
    EXPECT_EQ(at(1), 0x01) << "console";
    return kBlack;
  }
  const int status = at(position), colour = at(position + 1);
  if (status == 0x01) return kBlack;
  EXPECT_TRUE(status == 0x02 || status == 0x82) << "status byte " << status << " at " << position;
  switch (colour) {
    case 0x01: return kOrange;
    case 0x03: return kGreen;
    case 0x05: return kRed;
    default: ADD_FAILURE() << "colour byte " << colour << " at " << position; return kBlack;
  }
}

constexpr const char* kPortControlEntry = "1.3.6.1.4.1.32473.11.63.8.2.2.2.1";
// Port control instances of a port: port number, medium (100 copper).
std::string PortControl(int column, int port) {
  return std::string(kPortControlEntry) + "." + std::to_string(column) + "." + std::to_string(port) + ".100";
}

TEST_F(MainWindowSim, StartsWithTheAgentAsCaptionAndALiveFrontPanel) {
  ASSERT_TRUE(StartSim());
  // What the switch is told before the window opens: port 3 disabled (no
  // link, dark), port 4 forced to 100 Mbit/s (orange, or red on an error).
  ASSERT_EQ(Snmp({"snmpset", PortControl(3, 3), "i", "2"}).exitCode, 0);
  ASSERT_EQ(Snmp({"snmpset", PortControl(4, 4), "i", "5"}).exitCode, 0);
  WriteProfile("127.0.0.1", sim.port());
  Open(HostSwitches());

  // Construction and the creation event.
  EXPECT_EQ(window->windowTitle(), "127.0.0.1");
  EXPECT_FALSE(window->TerminateRequested());
  EXPECT_EQ(GlobalDevice.port, sim.port());  // from the profile's "AgentPort"
  QMenu* v3 = FindMenu(window->MainMenu1, "VACM1");
  ASSERT_NE(v3, nullptr);
  EXPECT_FALSE(v3->menuAction()->isEnabled());
  QMenu* poe = FindMenu(window->MainMenu1, "PoE1");
  ASSERT_NE(poe, nullptr);
  EXPECT_FALSE(poe->menuAction()->isVisible());
  EXPECT_EQ(window->ST_RmonState->text(), "enabled");
  EXPECT_EQ(window->ST_Version->text(), "stp");
  EXPECT_TRUE(window->ST_RmonState->isHidden());
  EXPECT_TRUE(boxes.isEmpty()) << boxes.join("\n").toStdString();

  // First activation: the panel fills the window above the status bar.
  ASSERT_TRUE(WaitForFrontPanel());
  EXPECT_EQ(window->ScrollBox1->widget(), window->FrontPanel());
  EXPECT_EQ(window->FrontPanel()->pos(), QPoint(0, 0));
  EXPECT_EQ(window->ClientSize(), QSize(786, 119));
  EXPECT_EQ(window->StatusBar->height(), 20);
  ASSERT_EQ(window->PanelList().size(), 1u);

  // The first poll.
  ASSERT_TRUE(WaitForLedStatus()) << Status().toStdString();
  const qint64 firstPollMs = clock.elapsed();
  EXPECT_TRUE(Status().startsWith("Get: Ok Request: Led Status. Receive at ")) << Status().toStdString();
  std::cout << "[ timing ] start-up until the first LED poll is shown: " << firstPollMs << " ms" << std::endl;

  // The colours: stop the timers and let the blinking settle, then compare
  // every LED with the bytes received, and those with what the simulator serves.
  TPanelQRX900Form* panel = window->FrontPanel();
  KySNMPRequest2Leds* leds = panel->Leds();
  ASSERT_NE(leds, nullptr);
  leds->PollTimer()->stop();
  leds->BlinkTimer()->stop();
  for (int i = 0; i <= leds->blinkLimit + 1; ++i) leds->BlinkTick();
  const std::string received = leds->request.varList.Item(0).value;
  const std::string served = HexStringBytes(Snmp({"snmpget", "-Ox", kLedInstanceOid}).out);
  ASSERT_EQ(received.size(), 106u);
  ASSERT_EQ(served.size(), received.size());
  EXPECT_EQ(received.substr(0, 2), served.substr(0, 2));
  for (int p = 1; p <= 52; ++p)  // links do not change by themselves
    EXPECT_EQ(received[2 * p] == 1, served[2 * p] == 1) << "port " << p;

  const QImage grab = panel->grab().toImage();
  ASSERT_EQ(leds->Leds().size(), 54u);
  int lit = 0;
  std::map<int, QColor> shown;
  for (const auto& led : leds->Leds()) {
    SCOPED_TRACE(led.position);
    const QColor expected = ServedColour(received, led.position);
    shown[led.position] = LedPixel(grab, led, panel);
    EXPECT_EQ(shown[led.position], expected);
    if (expected != kBlack) ++lit;
  }
  EXPECT_GT(lit, 10);  // the simulated switch has links
  EXPECT_EQ(shown[2 * 3], kBlack) << "port 3 was disabled";
  EXPECT_TRUE(shown[2 * 4] == kOrange || shown[2 * 4] == kRed) << "port 4 runs at 100 Mbit/s";
  EXPECT_EQ(shown[0], kGreen) << "power";

  // A picture of the window for people.
  QTest::qWait(50);
  const std::string png = BuildDirForTests() + "/mainwindow.png";
  EXPECT_TRUE(window->grab().save(QString::fromStdString(png), "PNG")) << png;
}

// A value shorter than the panel needs: the LEDs it covers are shown, the
// others dark, and the status line says the value was short (never "Ok").
TEST_F(MainWindowSim, ShortLedValueDarkensTheLedsBeyondItAndSaysSo) {
  ASSERT_TRUE(StartSim({"--fault-led-short", "51"}));
  WriteProfile("127.0.0.1", sim.port());
  Open(HostSwitches());
  ASSERT_TRUE(WaitForFrontPanel());
  ASSERT_TRUE(WaitForLedStatus()) << Status().toStdString();
  EXPECT_TRUE(Status().startsWith("Get: (KySNMP++) Out of range for the bit(byte) index of the associated SNMP "
                                  "variable's (partial) data! Request: Led Status. Receive at "))
      << Status().toStdString();
  KySNMPRequest2Leds* leds = window->FrontPanel()->Leds();
  leds->PollTimer()->stop();
  leds->BlinkTimer()->stop();
  for (int i = 0; i <= leds->blinkLimit + 1; ++i) leds->BlinkTick();
  const std::string received = leds->request.varList.Item(0).value;
  ASSERT_EQ(received.size(), 51u);
  const QImage grab = window->FrontPanel()->grab().toImage();
  int lit = 0;
  for (const auto& led : leds->Leds()) {
    const QColor shown = LedPixel(grab, led, window->FrontPanel());
    // Port 25's pair starts at byte 50, its colour byte is missing: it and
    // every LED beyond are dark.
    EXPECT_EQ(shown, led.position >= 50 ? kBlack : ServedColour(received, led.position)) << led.position;
    if (shown != kBlack) ++lit;
  }
  EXPECT_GT(lit, 5);
}

// The LED variable served as an INTEGER: the poll fails with the catalogue's
// syntax error instead of darkening the panel under "Ok".
TEST_F(MainWindowSim, LedValueOfTheWrongTypeIsReportedNotOk) {
  std::string led = kLedInstanceOid;
  ASSERT_TRUE(StartSim({"--fault-wrong-type", led.substr(0, led.size() - 2)}));
  WriteProfile("127.0.0.1", sim.port());
  Open(HostSwitches());
  ASSERT_TRUE(WaitForFrontPanel());
  ASSERT_TRUE(WaitForLedStatus()) << Status().toStdString();
  EXPECT_TRUE(Status().startsWith("Get: (KySNMP++) Bad SNMP syntax!")) << Status().toStdString();
  EXPECT_TRUE(Status().contains(" Request: Led Status. Receive at ")) << Status().toStdString();
}

TEST_F(MainWindowSim, SnmpV3MenuIsDisabledForCommunityVersions) {
  ASSERT_TRUE(StartSim());
  for (const char* version : {"/v0", "/v1"}) {
    WriteProfile("127.0.0.1", sim.port(), version[2] - '0');
    auto args = HostSwitches();
    args.back() = version;
    Open(args);
    EXPECT_NE(GlobalSecurity.version, 3);
    EXPECT_FALSE(FindMenu(window->MainMenu1, "VACM1")->menuAction()->isEnabled()) << version;
    EXPECT_EQ(window->ST_RmonState->text(), "enabled") << version << ": " << Status().toStdString();
    window.reset();
  }
}

TEST_F(MainWindowSim, SnmpV3MenuIsEnabledForVersion3) {
  ASSERT_TRUE(StartSim());
  Open({"/I127.0.0.1", "/v3", "/t" + std::to_string(sim.port()), "/m3", "/l3", "/nqrxadmin", "/a3",
        "/Aqrxauthpass", "/p19", "/Pqrxprivpass"});
  EXPECT_EQ(GlobalSecurity.version, 3);
  QMenu* v3 = FindMenu(window->MainMenu1, "VACM1");
  ASSERT_NE(v3, nullptr);
  EXPECT_TRUE(v3->menuAction()->isEnabled());
  // The reads went through with the user's credentials.
  EXPECT_EQ(window->ST_RmonState->text(), "enabled") << Status().toStdString();
  ASSERT_TRUE(WaitForLedStatus()) << Status().toStdString();
  EXPECT_TRUE(Status().startsWith("Get: Ok ")) << Status().toStdString();
}

TEST_F(MainWindowSim, RmonItemsFollowTheDevice) {
  ASSERT_TRUE(StartSim());
  const struct {
    const char* state;
    const char* caption;
    bool enabled;
  } cases[] = {{"2", "disabled", false}, {"3", "enabled", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.state);
    const auto set = Snmp({"snmpset", kRmonStateInstanceOid, "i", c.state});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    WriteProfile("127.0.0.1", sim.port());
    Open(HostSwitches());
    EXPECT_EQ(window->ST_RmonState->text(), c.caption);
    ASSERT_TRUE(WaitForFrontPanel());
    for (const char* item : {"Statistics1", "History1", "AlarmEvent1"}) {
      QAction* a = FindCommandAction(window->MainMenu1, item);
      ASSERT_NE(a, nullptr) << item;
      EXPECT_EQ(a->isEnabled(), c.enabled) << item;
    }
    QAction* control = FindCommandAction(window->MainMenu1, "RMONSetting1");
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->isEnabled());
    window.reset();
  }
}

TEST_F(MainWindowSim, WithoutArgumentsSaysSoAndAsksToEnd) {
  Open({});
  EXPECT_TRUE(window->TerminateRequested());
  ASSERT_FALSE(boxes.isEmpty());
  EXPECT_TRUE(boxes.first().endsWith(": No parameter input")) << boxes.first().toStdString();
}

TEST_F(MainWindowSim, AProfileNumberThatIsNoIntegerEscapesTheStartUp) {
  ASSERT_TRUE(StartSim());
  WriteProfile("127.0.0.1", sim.port());
  // A port that is not a number: the start-up fails with the conversion error.
  try {
    TMainForm w({"/I127.0.0.1", "/vx"});
    ADD_FAILURE() << "no error";
  } catch (const std::exception& e) {
    EXPECT_EQ(std::string(e.what()), "'x' is not a valid integer value");
  }
}

}  // namespace
