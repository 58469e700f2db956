// A main window started against qrx900-sim the way the host suite starts
// it: a key store naming the host suite's folder, a device profile there
// with the simulator's port, the switches on the command line.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/FrontPanel.h"
#include "app/MainWindow.h"
#include "common/SimProcess.h"
#include "editors/LedBinding.h"
#include "editors/UiSupport.h"
#include "mainwindow_test_support.h"

// The LED variable with its instance.
inline constexpr const char* kLedInstanceOid = "1.3.6.1.4.1.32473.11.63.8.2.1.1.5.0";
inline constexpr const char* kRmonStateInstanceOid = "1.3.6.1.4.1.32473.11.63.8.2.1.2.16.0";
inline constexpr const char* kSystemResetInstanceOid = "1.3.6.1.4.1.32473.12.1.2.3.0";

class MainWindowSim : public ::testing::Test {
 protected:
  void SetUp() override {
    AppForTests();
    ASSERT_TRUE(dir_.isValid());
    saved_ = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));  // the engine-boots file goes here
    keyStore_ = dir_.filePath("keystore").toStdString();
    setenv("QRX_KEYSTORE", keyStore_.c_str(), 1);
    SetMessageBoxHook([this](QWidget*, const QString& text, const QString& caption, QMessageBox::StandardButtons) {
      boxes << caption + ": " + text;
      return answer;
    });
  }

  void TearDown() override {
    window.reset();
    SetMessageBoxHook({});
    unsetenv("QRX_KEYSTORE");
    QDir::setCurrent(saved_);
  }

  // Starts the simulator; false (and a failure) when it does not start.
  bool StartSim(const std::vector<std::string>& switches = {}) {
    if (!sim.Start(switches)) {
      ADD_FAILURE() << sim.error();
      return false;
    }
    return true;
  }

  // The host suite's key store and the profile of `agent` with the port.
  void WriteProfile(const std::string& agent, int port, int version = 1) {
    QDir(dir_.path()).mkpath("velmar/bin");
    QDir(dir_.path()).mkpath("velmar/Conf/MBF");
    QFile keys(QString::fromStdString(keyStore_));
    ASSERT_TRUE(keys.open(QIODevice::WriteOnly | QIODevice::Truncate));
    keys.write("[SOFTWARE\\Norvane\\Velmar5.1\\ExePath]\nPath=" + dir_.filePath("velmar/bin/").toUtf8() + "\n");
    keys.close();
    QFile profile(dir_.filePath(QString("velmar/Conf/MBF/%1.cfg").arg(QString::fromStdString(agent))));
    ASSERT_TRUE(profile.open(QIODevice::WriteOnly | QIODevice::Truncate));
    profile.write(QString("[Program Information]\nAgentPort=%1\nVersion=%2\nSecurityModel=2\nSecurityLevel=0\n"
                          "AuthProtocol=0\nPrivProtocol=0\n")
                      .arg(port)
                      .arg(version)
                      .toUtf8());
  }

  // The switches of the host suite for SNMPv1/v2c.
  std::vector<std::string> HostSwitches(const std::string& agent = "127.0.0.1") {
    return {"/I" + agent, "/R" + std::string(qrxtest::SimProcess::kReadCommunity),
            "/W" + std::string(qrxtest::SimProcess::kWriteCommunity), "/v1"};
  }

  // Creates the window (the whole start-up) and shows it.
  void Open(const std::vector<std::string>& arguments) {
    clock.start();
    window = std::make_unique<TMainForm>(arguments);
    window->show();
  }

  // Processes events until the front panel is placed.
  bool WaitForFrontPanel(int ms = 15000) {
    return QTest::qWaitFor([this] { return window->FrontPanel() != nullptr; }, ms);
  }

  QString Status() const { return window->StatusPanel0()->text(); }

  // Processes events until status panel 0 holds a line of the LED poll.
  bool WaitForLedStatus(int ms = 15000) {
    return QTest::qWaitFor([this] { return Status().contains(" Led Status. Receive at "); }, ms);
  }

  // The colour shown at the middle of LED i of the front panel, from a grab.
 public:
  static QColor LedPixel(const QImage& grab, const KySNMPRequest2Leds::Led& led, QWidget* panel) {
    const QPoint centre = led.shape->mapTo(panel, led.shape->rect().center());
    return grab.pixelColor(centre);
  }

 protected:

  qrxtest::CommandResult Snmp(const std::vector<std::string>& args) {
    std::vector<std::string> full{args.front(), "-v2c", "-c",
                                  args.front() == "snmpset" ? qrxtest::SimProcess::kWriteCommunity
                                                            : qrxtest::SimProcess::kReadCommunity,
                                  sim.address()};
    full.insert(full.end(), args.begin() + 1, args.end());
    return qrxtest::RunCommand(full);
  }

  qrxtest::SimProcess sim;
  std::unique_ptr<TMainForm> window;
  QStringList boxes;
  QMessageBox::StandardButton answer = QMessageBox::No;
  QElapsedTimer clock;

 private:
  QTemporaryDir dir_;
  QString saved_;
  std::string keyStore_;
};
