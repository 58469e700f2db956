// The main window's own commands and its behaviour with a silent agent.
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

#include <QAction>
#include <QPushButton>
#include <QTimer>

#include "app/Help.h"
#include "app/MenuBar.h"
#include "dialogs/RegisterDialogs.h"
#include "dialogs/help/AboutDialog.h"
#include "mainwindow_sim_support.h"
#include "snmp/Resolver.h"

#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include "snmp/Messages.h"
#include "snmp/SessionParams.h"

namespace {

// A UDP socket on the loopback that plays an agent which never answers and
// tells whether anything reached it.
class SilentSocket {
 public:
  SilentSocket() {
    fd_ = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    if (fd_ >= 0 && bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
      socklen_t len = sizeof a;
      getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
      port_ = ntohs(a.sin_port);
    }
  }
  ~SilentSocket() {
    if (fd_ >= 0) close(fd_);
  }
  uint16_t port() const { return port_; }
  // Whether a datagram arrives within ms.
  bool Received(int ms) {
    pollfd p{fd_, POLLIN, 0};
    return poll(&p, 1, ms) > 0;
  }

 private:
  int fd_ = -1;
  uint16_t port_ = 0;
};

QSet<QRgb> LedColours(TPanelQRX900Form* panel) {
  QSet<QRgb> colours;
  const QImage grab = panel->grab().toImage();
  for (const auto& led : panel->Leds()->Leds()) colours.insert(MainWindowSim::LedPixel(grab, led, panel).rgb());
  return colours;
}

TEST_F(MainWindowSim, SilentAgentLeavesTheLedsBlackAndReportsEveryPoll) {
  ASSERT_TRUE(StartSim({"--fault-no-answer"}));
  WriteProfile("127.0.0.1", sim.port());
  Open(HostSwitches());
  const QString timeout = QString::fromStdString(MessageText(KyErr::ClassTimeout));
  // The two reads of the creation event waited for their timeout.
  EXPECT_EQ(Status(), timeout);
  EXPECT_EQ(window->ST_RmonState->text(), "");
  EXPECT_EQ(window->VersionBinding(), nullptr);  // the failed RMON read ended the creation event
  // The window opens all the same, with its front panel.
  ASSERT_TRUE(WaitForFrontPanel(20000));
  const auto items = {"Statistics1", "History1", "AlarmEvent1"};
  for (const char* item : items) EXPECT_TRUE(FindCommandAction(window->MainMenu1, item)->isEnabled()) << item;

  // Two polls in a row: each one's error line, the LEDs black each time.
  QStringList lines;
  const QString prefix = "Get: " + timeout + " Request: Led Status. Receive at ";
  for (int poll = 0; poll < 2; ++poll) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return Status().startsWith(prefix) && !lines.contains(Status()); }, 15000))
        << "poll " << poll << ": " << Status().toStdString();
    lines << Status();
    EXPECT_EQ(LedColours(window->FrontPanel()), QSet<QRgb>{QColor(0, 0, 0).rgb()}) << "poll " << poll;
  }
  EXPECT_TRUE(boxes.isEmpty()) << boxes.join("\n").toStdString();
}

// The agent is a name and the name server never answers: the start-up's
// two reads wait their own timeout, then every exchange fails at once with
// -509 while the failure is kept, and the window goes on answering.
TEST_F(MainWindowSim, NameServerThatNeverAnswersKeepsTheWindowAnswering) {
  struct Stuck {
    std::mutex mutex;
    std::condition_variable cv;
    bool release = false;
    std::atomic<int> calls{0};
    std::atomic<bool> onGuiThread{false};
    std::atomic<bool> timedOut{false};
  };
  auto stuck = std::make_shared<Stuck>();
  const std::thread::id gui = std::this_thread::get_id();
  SetKyNameResolverHook([stuck, gui](const std::string&, in_addr&) {
    ++stuck->calls;
    if (std::this_thread::get_id() == gui) stuck->onGuiThread = true;
    std::unique_lock<std::mutex> lock(stuck->mutex);
    // Bounded, so that a lookup made on the window's own thread fails the
    // test instead of hanging it.
    if (!stuck->cv.wait_for(lock, std::chrono::seconds(60), [&] { return stuck->release; })) stuck->timedOut = true;
    return false;
  });
  WriteProfile("switch.example", 161);
  Open(HostSwitches("switch.example"));
  const QString bad = QString::fromStdString(MessageText(KyErr::BadAddress));
  EXPECT_EQ(Status(), bad);
  ASSERT_TRUE(WaitForFrontPanel(20000));

  // The window's loop keeps turning while the lookup hangs: two polls fail
  // one after the other and show their lines, the lookup still unanswered.
  const QString prefix = "Get: " + bad + " Request: Led Status. Receive at ";
  QStringList lines;
  for (int poll = 0; poll < 2; ++poll) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return Status().startsWith(prefix) && !lines.contains(Status()); }, 15000))
        << "poll " << poll << ": " << Status().toStdString();
    lines << Status();
  }
  EXPECT_FALSE(stuck->onGuiThread) << "the name was looked up on the window's thread";
  EXPECT_FALSE(stuck->timedOut) << "the window waited for the lookup";
  EXPECT_EQ(stuck->calls.load(), 1) << "the name was asked for once";

  window.reset();
  {
    std::lock_guard<std::mutex> lock(stuck->mutex);
    stuck->release = true;
  }
  stuck->cv.notify_all();
  SetKyNameResolverHook({});
}

TEST_F(MainWindowSim, ExitAsksAndNoKeepsTheWindow) {
  ASSERT_TRUE(StartSim());
  WriteProfile("127.0.0.1", sim.port());
  Open(HostSwitches());
  ASSERT_TRUE(WaitForFrontPanel());

  answer = QMessageBox::No;
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_EQ(boxes[0], "Exit: Are you sure to exit?");
  // The front panel goes on polling.
  ASSERT_TRUE(WaitForLedStatus());

  answer = QMessageBox::Yes;
  EXPECT_TRUE(window->close());
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(boxes.size(), 2);
}

TEST_F(MainWindowSim, RebootNoSendsNothing) {
  ASSERT_TRUE(StartSim());
  WriteProfile("127.0.0.1", sim.port());
  Open(HostSwitches());
  ASSERT_TRUE(WaitForFrontPanel());
  window->FrontPanel()->Leds()->PollTimer()->stop();

  SilentSocket agent;
  ASSERT_NE(agent.port(), 0);
  const KySNMPDevice saved = GlobalDevice;
  GlobalDevice.port = agent.port();  // the reboot request copies it
  answer = QMessageBox::No;
  window->RefreshPanel2Click();
  GlobalDevice = saved;
  EXPECT_EQ(boxes, QStringList{"Reboot: Are you sure to reboot the device?"});
  EXPECT_FALSE(agent.Received(300));
}

TEST_F(MainWindowSim, RebootYesWritesAWarmStartAndShowsNothing) {
  ASSERT_TRUE(StartSim());
  ASSERT_EQ(Snmp({"snmpset", kSystemResetInstanceOid, "i", "4"}).exitCode, 0);
  WriteProfile("127.0.0.1", sim.port());
  Open(HostSwitches());
  ASSERT_TRUE(WaitForFrontPanel());

  answer = QMessageBox::Yes;
  window->RefreshPanel2Click();
  EXPECT_EQ(boxes, QStringList{"Reboot: Are you sure to reboot the device?"});
  const auto get = Snmp({"snmpget", kSystemResetInstanceOid});
  EXPECT_NE(get.out.find("INTEGER: 3"), std::string::npos) << get.out << get.err;
}

TEST_F(MainWindowSim, RebootRefusedByTheDeviceShowsNothing) {
  ASSERT_TRUE(StartSim({"--fault-error", "1.3.6.1.4.1.32473.12.1.2.3=genErr"}));
  WriteProfile("127.0.0.1", sim.port());
  Open(HostSwitches());
  ASSERT_TRUE(WaitForFrontPanel());
  const QString before = Status();

  answer = QMessageBox::Yes;
  window->RefreshPanel2Click();
  EXPECT_EQ(boxes, QStringList{"Reboot: Are you sure to reboot the device?"});
  EXPECT_FALSE(Status().contains(QString::fromStdString(MessageText(KyErr::SnmpGenErr))));
}

TEST_F(MainWindowSim, MenuCarriesOutRebootHelpAndAbout) {
  RegisterDedicatedDialogs(DedicatedDialogs());  // as the program does before its main window
  ASSERT_TRUE(StartSim());
  WriteProfile("127.0.0.1", sim.port());
  Open(HostSwitches());
  ASSERT_TRUE(WaitForFrontPanel());
  QFile::remove(HelpFilePath());

  answer = QMessageBox::No;
  FindCommandAction(window->MainMenu1, "RefreshPanel2")->trigger();
  FindCommandAction(window->MainMenu1, "Help2")->trigger();
  ASSERT_EQ(boxes.size(), 2);
  EXPECT_EQ(boxes[0], "Reboot: Are you sure to reboot the device?");
  EXPECT_TRUE(boxes[1].startsWith("Help: Cannot find the help file")) << boxes[1].toStdString();

  QAction* about = FindCommandAction(window->MainMenu1, "About1");
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->isEnabled());
  QString title;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* form = qobject_cast<AboutDialog*>(modal)) {
      title = form->windowTitle();
      form->okButton->click();
    } else if (modal) {
      modal->close();
    }
  });
  about->trigger();
  EXPECT_EQ(title, "About QRX-900 Module");
}

// The help file beside the executable when the desktop can show it, the
// operator's guide otherwise, through the desktop's viewer.
class HelpCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    AppForTests();
    path_ = HelpFilePath();
    guide_ = GuideFilePath();
    SetMessageBoxHook([this](QWidget*, const QString& text, const QString& caption, QMessageBox::StandardButtons) {
      boxes << caption + ": " + text;
      return QMessageBox::Ok;
    });
    SetHelpViewer([this](const QUrl& url) {
      opened << url;
      return url.toLocalFile().endsWith(".hlp") ? hlpViewerAnswers : guideViewerAnswers;
    });
    SetHelpViewerCheck([this](const QString& path) {
      checked << path;
      return hlpViewerSetUp;
    });
  }
  void TearDown() override {
    SetHelpViewer({});
    SetHelpViewerCheck({});
    SetMessageBoxHook({});
    QFile::remove(path_);
    QFile::remove(guide_);
  }

  static void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }

  QString path_, guide_;
  QStringList boxes, checked;
  QList<QUrl> opened;
  bool hlpViewerSetUp = true, hlpViewerAnswers = true, guideViewerAnswers = true;
};

TEST_F(HelpCommand, TheFilesLieBesideAndBelowTheProgram) {
  const QString dir = QCoreApplication::applicationDirPath();
  EXPECT_EQ(path_, dir + "/QRX-700 R2 Oct 08 d 4b velmar.hlp");
  // The build folder mirrors the installed layout: <dir>/../share/qrx900/guide.
  EXPECT_EQ(guide_, QDir::cleanPath(dir + "/../share/qrx900/guide/guide.html"));
}

TEST_F(HelpCommand, OpensTheHelpFileOnlyWhereItCanBeShownTheGuideOtherwise) {
  const struct {
    const char* name;
    bool hlp, hlpSetUp, hlpOpens, guide, guideOpens;
    QStringList openedFiles;  // "hlp", "guide" in order
    const char* box;          // start of the message box's text, or nullptr
  } cases[] = {
      {"help file and its viewer", true, true, true, true, true, {"hlp"}, nullptr},
      {"no viewer set up for the help file", true, false, true, true, true, {"guide"}, nullptr},
      {"the viewer refuses the help file", true, true, false, true, true, {"hlp", "guide"}, nullptr},
      {"no help file", false, true, true, true, true, {"guide"}, nullptr},
      {"neither file", false, true, true, false, true, {}, "Help: Cannot find the help file"},
      {"no viewer for the guide", false, true, true, true, false, {"guide"}, "Help: No help viewer is set up"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QFile::remove(path_);
    QFile::remove(guide_);
    if (c.hlp) Touch(path_);
    if (c.guide) Touch(guide_);
    hlpViewerSetUp = c.hlpSetUp;
    hlpViewerAnswers = c.hlpOpens;
    guideViewerAnswers = c.guideOpens;
    opened.clear();
    boxes.clear();
    checked.clear();

    EXPECT_EQ(OpenHelpContents(nullptr), c.box == nullptr);
    QStringList files;
    for (const QUrl& url : opened) {
      EXPECT_TRUE(url.isLocalFile()) << url.toString().toStdString();
      files << (url.toLocalFile() == path_ ? "hlp" : url.toLocalFile() == guide_ ? "guide" : url.toString());
    }
    EXPECT_EQ(files, c.openedFiles);
    EXPECT_EQ(checked, c.hlp ? QStringList{path_} : QStringList{});
    if (c.box) {
      ASSERT_EQ(boxes.size(), 1);
      EXPECT_TRUE(boxes[0].startsWith(c.box)) << boxes[0].toStdString();
      EXPECT_TRUE(boxes[0].contains(guide_)) << boxes[0].toStdString();
    } else {
      EXPECT_TRUE(boxes.isEmpty()) << boxes.join('\n').toStdString();
    }
  }
}

// The guide that the build puts beside the program is a real page.
TEST(HelpGuide, TheBuildCarriesTheGuideWithItsPictures) {
  const QString dir = QString::fromStdString(BuildDirForTests()) + "/share/qrx900/guide/";
  QFile page(dir + "guide.html");
  ASSERT_TRUE(page.open(QIODevice::ReadOnly)) << page.fileName().toStdString();
  const QString html = QString::fromUtf8(page.readAll());
  EXPECT_TRUE(html.contains("<title>")) << "not an HTML page";
  QRegularExpression image("<img[^>]*src=\"([^\"]+)\"");
  int images = 0;
  for (auto it = image.globalMatch(html); it.hasNext(); ++images) {
    const QString src = it.next().captured(1);
    EXPECT_TRUE(QFileInfo(dir + src).isFile()) << "guide.html shows a missing picture: " << src.toStdString();
  }
  EXPECT_GT(images, 0);
}

}  // namespace
