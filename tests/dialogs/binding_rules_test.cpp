// The rules the binding layer keeps for every dedicated dialog, checked on
// dialogs opened through their menu commands against the simulator: a click
// while the dialog reads is refused and sends nothing; synchronous bindings
// let the window draw while they wait; a walk whose agent answers with OIDs
// that do not increase ends with the reason on the screen, not "Get: Ok.";
// no failed read or write goes unreported.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <csignal>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/MenuBar.h"
#include "app/MenuCatalogue.h"
#include "common/CatalogueCommands.h"
#include "common/FakeMainWindow.h"
#include "dialogs/RegisterDialogs.h"
#include "dialogs/basic/SmtpControlDialog.h"
#include "dialogs/bridge/StpControlDialog.h"
#include "dialogs/common/ProgressDialog.h"
#include "dialogs/security/RadiusServerDialog.h"
#include "dialogs/security/RadiusServerEditDialog.h"
#include "editors/ControlBinding.h"
#include "sim_dialog_support.h"

namespace {

using qrxtest::WaitFor;

// The simulator of each test starts with the test's own switches.
class BindingRules : public qrxtest::DialogSimTest {
 protected:
  std::vector<std::string> SimSwitches() const override { return switches; }
  void SetUp() override {
    RegisterDedicatedDialogs(DedicatedDialogs());
    // The switches come from the test's name (set before SetUp runs).
  }
  // False (with the failure recorded) when the simulator did not start.
  bool StartWith(std::vector<std::string> s) {
    switches = std::move(s);
    qrxtest::DialogSimTest::SetUp();
    return !HasFatalFailure();
  }

  // The dialog of a menu command, made as the menu makes it.
  std::unique_ptr<SnmpDialog> Make(const char* handler) {
    const MenuEntry* entry = FindMenuEntry(handler);
    if (entry == nullptr) return nullptr;
    const DedicatedDialogFactory* factory = FindDedicatedDialogFactory(*entry);
    if (factory == nullptr) return nullptr;
    std::unique_ptr<QDialog> made((*factory)(DialogContext{nullptr, nullptr, &mainWindow}));
    auto* dialog = qobject_cast<SnmpDialog*>(made.get());
    if (dialog != nullptr) made.release();
    return std::unique_ptr<SnmpDialog>(dialog);
  }

  // Every text the dialog shows on a status line or memo, and its message boxes.
  std::string Shown(QWidget& dialog) const {
    std::string all;
    for (auto* memo : dialog.findChildren<QPlainTextEdit*>()) all += memo->toPlainText().toStdString() + "\n";
    for (auto* label : dialog.findChildren<QLabel*>()) all += label->text().toStdString() + "\n";
    for (auto* bar : dialog.findChildren<QStatusBar*>()) all += bar->currentMessage().toStdString() + "\n";
    for (const auto& m : messages) all += m + "\n";
    return all;
  }

  std::vector<std::string> switches;
  qrxtest::FakeMainWindow mainWindow;
};

template <class W>
W* Child(QWidget& dialog, const char* name) {
  W* w = dialog.findChild<W*>(QString::fromLatin1(name));
  EXPECT_NE(w, nullptr) << name;
  return w;
}

// Add clicked in the 802.1Q static VLAN dialog while its Refresh walks the
// table: refused with the busy text, nothing written, the list complete.
TEST_F(BindingRules, AddDuringTheVlanTablesRefreshIsRefusedAndTheListStaysComplete) {
  ASSERT_TRUE(StartWith({"--fault-delay", "300", "--rows", "Dot1qVlanStatic=30"}));
  auto dialog = Make("StaticForm1Click");
  ASSERT_NE(dialog, nullptr);
  Open(*dialog);
  auto* list = Child<QTreeWidget>(*dialog, "LV_dot1qVlanStaticEntry");
  ASSERT_EQ(list->topLevelItemCount(), 30);
  MarkJournal();
  messages.clear();

  Child<QPushButton>(*dialog, "BT_Get")->click();
  ASSERT_TRUE(dialog->AnyBusy());
  QApplication::processEvents();  // the operator types and clicks later
  Child<QLineEdit>(*dialog, "ED_VLANID")->setText(QStringLiteral("3000"));
  Child<QLineEdit>(*dialog, "ED_VLANName")->setText(QStringLiteral("ten"));
  Child<QPushButton>(*dialog, "BT_Add")->click();
  EXPECT_EQ(messages, std::vector<std::string>{"Refresh Not Complete"});

  ASSERT_TRUE(Idle(*dialog));
  EXPECT_EQ(list->topLevelItemCount(), 30);
  EXPECT_TRUE(NewRecords().empty()) << "nothing may be written";
  const QString memo = Child<QPlainTextEdit>(*dialog, "Memo1")->toPlainText();
  EXPECT_TRUE(memo.split(QLatin1Char('\n')).last().startsWith("Get: Ok")) << memo.toStdString();
}

// With an agent that answers 700 ms late, a 10 ms timer goes on ticking
// while a synchronous binding of a dialog reads (its first Refresh, on
// opening): the ticks that arrive while such a read runs are counted, per
// read. A loop that stood still for the exchange would deliver none of them
// (at most the one or two queued meanwhile, after the exchange has ended); a
// loop that runs delivers dozens per 700 ms exchange, many even on a machine
// busy with other work. The longest pause between ticks is printed for
// information only.
TEST_F(BindingRules, DialogsWithSynchronousBindingsKeepDrawingWhileTheyRead) {
  ASSERT_TRUE(StartWith({"--fault-delay", "700"}));
  // Far above what a loop that stands still delivers, far below what a
  // running one does.
  constexpr int kFewestTicks = 10;
  std::vector<std::string> measured;
  for (const MenuEntry* entry : qrxtest::CatalogueCommands(qrxtest::CommandKind::Dedicated)) {
    if (FindDedicatedDialogFactory(*entry) == nullptr) continue;
    auto dialog = Make(std::string(entry->handler).c_str());
    if (dialog == nullptr) continue;
    // The synchronous bindings, and how many reads of theirs end.
    std::vector<const KySNMPRequest2Controls*> synchronous;
    auto readsEnded = std::make_shared<int>(0);  // outlives the dialog
    for (int i = 0; i < dialog->BindingCount(); ++i) {
      KySNMPRequest2Controls* binding = dialog->Binding(i);
      if (binding->asynchronous) continue;
      synchronous.push_back(binding);
      binding->getDone = [readsEnded, own = binding->getDone](void* data, KySNMPRequest2Controls* sender,
                                                              const KySNMPError& result) {
        ++*readsEnded;
        if (own) own(data, sender, result);
      };
    }
    if (synchronous.empty()) continue;
    SCOPED_TRACE(std::string(entry->handler));
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longest = 0;
    int ticksWhileReading = 0;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [&] {
      longest = std::max(longest, clock.elapsed() - last);
      last = clock.elapsed();
      if (std::any_of(synchronous.begin(), synchronous.end(), [](const KySNMPRequest2Controls* b) { return b->busy; }))
        ++ticksWhileReading;
    });
    ticks.start(10);
    dialog->show();
    EXPECT_TRUE(WaitFor([&] { return dialog->FirstRefreshDone() && !dialog->AnyBusy(); }, 60000));
    ticks.stop();
    // A dialog whose synchronous bindings read nothing on opening (their
    // read waits for a click) has nothing to count here.
    if (*readsEnded == 0) continue;
    std::cout << "[ ticks ] " << entry->handler << ": " << ticksWhileReading << " ticks during " << *readsEnded
              << " synchronous read(s); longest pause " << longest << " ms in " << clock.elapsed() << " ms\n";
    EXPECT_GE(ticksWhileReading, kFewestTicks * *readsEnded)
        << "the event loop stood still while a synchronous binding read";
    measured.emplace_back(entry->handler);
    dialog.reset();
  }
  for (const char* named : {"SummerTime1Click", "PortConfiguration1Click", "IPMaskInformation1Click"})
    EXPECT_NE(std::find(measured.begin(), measured.end(), named), measured.end()) << named;
}

// An agent whose OIDs stop increasing in a dialog's table: every walk path,
// synchronous or not, ends with the reason (-417), never an empty list
// with "Get: Ok.".
TEST_F(BindingRules, NonIncreasingOidsAreReportedByEveryTableDialog) {
  struct Case {
    const char* handler;
    const char* table;  // definition table, for its rows
    const char* subtree;
  };
  const Case cases[] = {
      {"StaticForm1Click", "Dot1qVlanStatic", "1.3.6.1.2.1.17.7.1.4.3"},
      {"PortTrunk2Click", "TrunkGroup", "1.3.6.1.4.1.32473.11.63.8.2.4.3"},
      {"RadiusServerTabl1Click", "RadiusServer", "1.3.6.1.4.1.32473.12.3.2.4"},
      {"IPRule1Click", "IPRule1", "1.3.6.1.4.1.32473.12.9.3.2"},
      {"PortConfiguration1Click", "LldpPortConfig", "1.0.8802.1.1.2.1.1.6"},
      {"IGMPMulticastVLANTable1Click", "IsmVlan", "1.3.6.1.4.1.32473.11.63.8.2.7.8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.handler);
    ASSERT_TRUE(StartWith({"--rows", std::string(c.table) + "=3", "--fault-non-increasing", c.subtree}));
    auto dialog = Make(c.handler);
    ASSERT_NE(dialog, nullptr);
    Open(*dialog);
    const std::string shown = Shown(*dialog);
    EXPECT_NE(shown.find("Invalid Object Identifier"), std::string::npos) << shown;
    EXPECT_NE(shown.find("does not follow"), std::string::npos) << shown;
    dialog.reset();
    TearDown();
  }
}

// Stop pressed while a long table is read: the list keeps the rows read so
// far and the status line says that the read was stopped and how many rows
// it read, never "Ok".
TEST_F(BindingRules, AStoppedReadSaysSoWithTheRowsItRead) {
  struct Case {
    const char* handler;
    const char* table;
    const char* refresh;
    const char* stop;
    const char* list;
  };
  const Case cases[] = {
      {"IGMPMulticastVLANTable1Click", "IsmVlan", "btnRefresh", "btnStop", "lvISMVLAN"},
      {"MLDSnoopingRouterPort1Click", "MldRouterPortVlan", "BT_Get", "BT_Stop", "ListView1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.handler);
    StartWith({"--rows", std::string(c.table) + "=200", "--fault-delay", "50"});
    auto dialog = Make(c.handler);
    ASSERT_NE(dialog, nullptr);
    Open(*dialog);
    auto* list = Child<QTreeWidget>(*dialog, c.list);
    ASSERT_EQ(list->topLevelItemCount(), 200);
    QApplication::processEvents();  // the operator clicks in a later turn
    Child<QPushButton>(*dialog, c.refresh)->click();
    ASSERT_TRUE(dialog->AnyBusy());
    Child<QPushButton>(*dialog, c.stop)->click();
    ASSERT_TRUE(Idle(*dialog));
    const int rows = list->topLevelItemCount();
    EXPECT_LT(rows, 200);
    const QString memo = Child<QPlainTextEdit>(*dialog, "Memo1")->toPlainText();
    const QString last = memo.split(QLatin1Char('\n')).last();
    EXPECT_TRUE(last.startsWith(QStringLiteral("Get: Stopped, %1 row").arg(rows))) << memo.toStdString();
    EXPECT_FALSE(last.contains(QStringLiteral("Ok"))) << memo.toStdString();
    dialog.reset();
    TearDown();
  }
}

// The RADIUS edit window, which writes through the list window's binding: a
// failed Set shows its error in the edit window the operator looks at (and
// in the list's memo), the edit window stays open with what he typed, and
// the list is read again; a second Set while the first is written is
// refused there and sends nothing.
class RadiusEdit : public BindingRules {
 protected:
  struct Box {
    QWidget* parent;
    std::string text;
  };
  // Opens the list, selects the first server and puts the edit window up in
  // edit mode with a new key typed.
  std::unique_ptr<RadiusServerDialog> OpenEdit(std::vector<std::string> switches) {
    StartWith(std::move(switches));
    SetMessageBoxHook([this](QWidget* parent, const QString& text, const QString&, QMessageBox::StandardButtons) {
      boxes.push_back({parent, text.toStdString()});
      return QMessageBox::Ok;
    });
    std::unique_ptr<RadiusServerDialog> list(qobject_cast<RadiusServerDialog*>(Make("RadiusServerTabl1Click").release()));
    EXPECT_NE(list, nullptr);
    if (list == nullptr) return list;
    Open(*list);
    list->binding->request.timeout = 100;
    list->binding->request.retries = 0;
    Select(list->serverList, 0);
    list->editWindow->Prepare(false);
    list->editWindow->show();
    list->editWindow->keyEdit->setText(QStringLiteral("typed-key"));
    return list;
  }
  // The column of the list that shows variable `var`.
  static int Column(RadiusServerDialog& list, int var) {
    for (int c = 0; c < list.serverList->columnCount(); ++c)
      if (list.binding->ColumnVariable(c) == var) return c;
    return -1;
  }
  // The first server's key in the simulator.
  std::string SnmpGetKey() {
    auto r = qrxtest::RunCommand({"snmpget", "-v2c", "-c", qrxtest::SimProcess::kReadCommunity, "-Oqv",
                                  session_.sim().address(), "1.3.6.1.4.1.32473.12.3.2.4.1.3.1"});
    return r.out.substr(0, r.out.find_last_not_of("\r\n") + 1);
  }
  std::vector<Box> boxes;
};

constexpr const char* kRadiusAuthPort = "1.3.6.1.4.1.32473.12.3.2.4.1.4.2";

TEST_F(RadiusEdit, ARefusedSetShowsItsErrorInTheEditWindowAndTheListIsReadAgain) {
  // The second SET is refused: the first changes the second server behind
  // the window's back, the second is the window's.
  auto list = OpenEdit({"--rows", "RadiusServer=2", "--fault-set-fail", "2"});
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(qrxtest::RunCommand({"snmpset", "-v2c", "-c", qrxtest::SimProcess::kWriteCommunity,
                                   session_.sim().address(), kRadiusAuthPort, "i", "1999"})
                  .exitCode == 0);
  MarkJournal();
  list->editWindow->setClicked();
  ASSERT_TRUE(Idle(*list));
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].parent, list->editWindow);
  EXPECT_EQ(boxes[0].text.rfind("Set:", 0), 0u) << boxes[0].text;
  EXPECT_TRUE(list->messages->toPlainText().contains(QString::fromStdString(boxes[0].text)));
  EXPECT_TRUE(list->editWindow->isVisible());
  EXPECT_EQ(list->editWindow->keyEdit->text(), "typed-key");
  EXPECT_EQ(NewRecords().size(), 1u);
  EXPECT_EQ(list->serverList->topLevelItem(1)->text(Column(*list, 3)), "1999") << "the list is read again";
  // The server is still selected: Set may be tried again.
  ASSERT_EQ(list->serverList->selectedItems().size(), 1);
  EXPECT_EQ(list->serverList->selectedItems().first(), list->serverList->topLevelItem(0));
  list->editWindow->setClicked();
  ASSERT_TRUE(Idle(*list));
  EXPECT_FALSE(list->editWindow->isVisible());
  const auto records = NewRecords();
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].varbinds.front().value, "74 79 70 65 64 2D 6B 65 79");  // "typed-key"
}

TEST_F(RadiusEdit, ASecondSetWhileTheFirstIsWrittenIsRefusedInTheEditWindow) {
  auto list = OpenEdit({"--rows", "RadiusServer=2", "--fault-hold-after", "0"});
  ASSERT_NE(list, nullptr);
  MarkJournal();
  // The second click comes while the first Set waits for the held write.
  bool secondDone = false;
  QTimer second;
  QObject::connect(&second, &QTimer::timeout, [&] {
    if (secondDone || !list->Bindings().refuses()) return;
    secondDone = true;
    list->editWindow->setButton->click();
  });
  second.start(5);
  list->editWindow->setButton->click();  // returns when the write has timed out
  second.stop();
  ASSERT_TRUE(secondDone);
  ASSERT_TRUE(Idle(*list));
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].parent, list->editWindow);
  EXPECT_EQ(boxes[0].text, "Get data not complete");
  EXPECT_EQ(boxes[1].parent, list->editWindow);
  EXPECT_EQ(boxes[1].text.rfind("Set:", 0), 0u) << boxes[1].text;
  EXPECT_TRUE(list->editWindow->isVisible());
  ASSERT_EQ(kill(session_.sim().pid(), SIGUSR1), 0);  // the held write is handled now
  ASSERT_TRUE(WaitFor([&] { return SnmpGetKey() == "\"typed-key\""; }));
  EXPECT_EQ(NewRecords().size(), 1u) << "the refused second Set sent nothing";
}

// The captions of the progress windows shown while it lives.
class ProgressShown : public QObject {
 public:
  ProgressShown() { QApplication::instance()->installEventFilter(this); }
  ~ProgressShown() override { QApplication::instance()->removeEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show)
      if (auto* window = qobject_cast<ProgressDialog*>(watched)) captions << window->windowTitle();
    return false;
  }
  QStringList captions;
};

// A progress window that holds the operator while a write works closes as
// soon as that write has failed (the switch refuses the first SET), not
// after its ticks, and the write's error stays on the status line.
TEST_F(BindingRules, AProgressWindowClosesAsSoonAsItsWriteHasFailed) {
  struct Case {
    const char* handler;
    const char* progressCaption;
    std::function<void(SnmpDialog&)> act;
  };
  const Case cases[] = {
      {"SMTPControlTable1Click", "Send the mail Progress",
       [](SnmpDialog& d) {
         auto& smtp = static_cast<SmtpControlDialog&>(d);
         smtp.stateCombo->setCurrentIndex(smtp.stateCombo->findText(QStringLiteral("enabled")));
         smtp.sendTestCombo->setCurrentIndex(smtp.sendTestCombo->findText(QStringLiteral("send")));
         smtp.serverAddressEdit->setText(QStringLiteral("192.0.2.25"));
         smtp.serverPortEdit->setText(QStringLiteral("25"));
         smtp.setClicked();
       }},
      {"Information2Click", "Set STP Progress",
       [](SnmpDialog& d) {
         auto& stp = static_cast<StpControlDialog&>(d);
         stp.versionCombo->setCurrentIndex(stp.versionCombo->findText(QStringLiteral("mstp")));
         stp.versionChanged();
         stp.setClicked();
       }},
  };
  ProgressDialog::SetTickInterval(0);  // no ticks: only the failure may close the window
  for (const Case& c : cases) {
    SCOPED_TRACE(c.handler);
    StartWith({"--fault-set-fail", "1"});
    mainWindow.VersionText()->setText(QStringLiteral("rstp"));
    auto dialog = Make(c.handler);
    ASSERT_NE(dialog, nullptr);
    Open(*dialog);
    const ProgressShown shown;
    bool closedByTest = false;
    QElapsedTimer shownFor;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      auto* window = qobject_cast<ProgressDialog*>(QApplication::activeModalWidget());
      if (window == nullptr || !window->isVisible()) return;
      if (!shownFor.isValid()) shownFor.start();
      if (shownFor.elapsed() > 10000) {
        closedByTest = true;
        window->close();
      }
    });
    watch.start(0);
    MarkJournal();
    c.act(*dialog);
    watch.stop();
    ASSERT_TRUE(Idle(*dialog));
    EXPECT_EQ(shown.captions, QStringList{QString::fromLatin1(c.progressCaption)});
    EXPECT_FALSE(closedByTest) << "the progress window stayed after its write had failed";
    EXPECT_EQ(NewRecords().size(), 1u);
    auto* status = Child<QLabel>(*dialog, "StatusPanel0");
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->text().startsWith(QStringLiteral("Set:"))) << status->text().toStdString();
    dialog.reset();
    TearDown();
  }
  ProgressDialog::SetTickInterval(1000);
}

// The server control window refused by the agent: its message box still
// says that the entry was not set, and its status line gives the cause.
TEST_F(BindingRules, AFailedServerControlWriteShowsTheAgentsCause) {
  const std::string member = "1.3.6.1.4.1.32473.12.5.12.1.4";
  struct Case {
    const char* name;
    std::vector<std::string> switches;
    const char* cause;
  };
  const Case cases[] = {
      {"refused with genErr", {"--fault-set-fail", "1"}, "General Error"},
      {"not writable", {"--fault-error", member + "=notWritable"}, "Not Writable"},
      {"no access", {"--fault-error", member + "=noAccess"}, "No Access"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(StartWith(c.switches));
    auto dialog = Make("ServerControl1Click");
    ASSERT_NE(dialog, nullptr);
    Open(*dialog);
    Child<QLineEdit>(*dialog, "edtGroupName")->setText(QStringLiteral("grp1"));
    Child<QLineEdit>(*dialog, "edtIPAddr")->setText(QStringLiteral("10.0.0.5"));
    for (auto [name, item] : {std::pair{"cbAuthProtocol", "radius"}, std::pair{"cbRowState", "add"}}) {
      auto* combo = Child<QComboBox>(*dialog, name);
      combo->setCurrentIndex(combo->findText(QString::fromLatin1(item)));
    }
    messages.clear();
    Child<QPushButton>(*dialog, "Button1")->click();
    ASSERT_TRUE(Idle(*dialog));
    EXPECT_EQ(messages, std::vector<std::string>{"Set entry failed!"});
    const QString status = Child<QLabel>(*dialog, "StatusPanel0")->text();
    EXPECT_TRUE(status.startsWith(QStringLiteral("Set: "))) << status.toStdString();
    EXPECT_TRUE(status.contains(QString::fromLatin1(c.cause))) << status.toStdString();
    dialog.reset();
    TearDown();
  }
}

// A session whose privacy protocol the program refuses (IDEA) before
// anything is sent: every read and write of these dialogs says so where the
// dialog shows its errors.
TEST_F(BindingRules, ARefusedReadOrWriteIsReportedByEveryDialog) {
  ASSERT_TRUE(StartWith({"--rows", "DhcpRelayServers=2"}));
  struct Case {
    const char* name;
    const char* handler;
    std::function<void(SnmpDialog&)> act;
  };
  const Case cases[] = {
      {"update files, Refresh", "AgentSuportedUpdateFiles1Click",
       [](SnmpDialog& d) { Child<QPushButton>(d, "GetButton")->click(); }},
      {"DHCP relay, Refresh", "Control1Click", [](SnmpDialog& d) { Child<QPushButton>(d, "RefreshBtn")->click(); }},
      {"DHCP relay, Delete", "Control1Click",
       [](SnmpDialog& d) {
         Select(Child<QTreeWidget>(d, "ListView1"), 0);
         Child<QPushButton>(d, "DeleteBtn")->click();
       }},
      {"DHCP relay, Set of the new entry", "Control1Click",
       [](SnmpDialog& d) {
         auto* entry = Child<QWidget>(d, "NewBootpCtrlForm");
         Child<QLineEdit>(*entry, "Edit1")->setText(QStringLiteral("vlan9"));
         Child<QLineEdit>(*entry, "Edit2")->setText(QStringLiteral("10.0.0.9"));
         Child<QPushButton>(*entry, "SetButton")->click();
       }},
  };
  const std::string refused = "Unsupported PrivProtocol";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto dialog = Make(c.handler);
    ASSERT_NE(dialog, nullptr);
    Open(*dialog);
    for (int i = 0; i < dialog->BindingCount(); ++i) {
      KySNMPSecurity& security = dialog->Binding(i)->request.security;
      security.version = SnmpVersion::V3;
      security.securityModel = SecurityModel::Usm;
      security.securityLevel = SecurityLevel::AuthPriv;
      security.securityName = qrxtest::SimProcess::kUser;
      security.authProtocol = AuthProtocol::HmacSha;
      security.authPassword = qrxtest::SimProcess::kAuthPassword;
      security.privProtocol = PrivProtocol::Idea;
      security.privPassword = qrxtest::SimProcess::kPrivPassword;
    }
    auto count = [&] {
      const std::string shown = Shown(*dialog);
      size_t n = 0;
      for (size_t at = shown.find(refused); at != std::string::npos; at = shown.find(refused, at + 1)) ++n;
      return n;
    };
    const size_t before = count();
    MarkJournal();
    c.act(*dialog);
    ASSERT_TRUE(Idle(*dialog));
    EXPECT_GT(count(), before) << Shown(*dialog);
    EXPECT_TRUE(NewRecords().empty());
    dialog.reset();
  }
}

}  // namespace
