// Menu commands carried out: the dialogs the catalogue's entries open and the
// commands that open none (siblings, the main window's own commands).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/LaunchParameters.h"
#include "app/MenuBar.h"
#include "app/MenuCatalogue.h"
#include "app/MenuCommands.h"
#include "editors/ControlBinding.h"
#include "editors/GUIConfigForm.h"
#include "editors/GUIGenerator.h"
#include "editors/UiSupport.h"
#include "mainwindow_test_support.h"
#include "snmp/SessionParams.h"

namespace {

constexpr std::string_view kDevice = "sw-7";

const MenuEntry& Cmd(std::string_view handler) {
  const MenuEntry* e = FindMenuEntry(handler);
  if (e == nullptr) throw std::runtime_error("no command " + std::string(handler));
  return *e;
}

LaunchTexts CommunityTexts() {
  LaunchTexts t;
  t.agent = std::string(kDevice);
  t.readCommunity = "public";
  t.writeCommunity = "private";
  t.version = "2";
  return t;
}

LaunchTexts V3Texts() {
  LaunchTexts t = CommunityTexts();
  t.version = "3";
  t.port = "161";
  t.contextEngineId = "800007e5";
  t.securityModel = "3";
  t.securityName = "admin";
  t.securityLevel = "3";
  t.authProtocol = "3";
  t.privProtocol = "19";
  t.authPassword = "authpass";
  t.privPassword = "privpass";
  t.contextName = "";
  return t;
}

// Watches for the next modal window (an add or edit window, a port grid, a
// dialog shown with exec), hands it to `inspect` and closes it. The watch
// ends after a while so that a window that never comes cannot hang a test.
class ModalWatch {
 public:
  explicit ModalWatch(std::function<void(QWidget*)> inspect = {}) : inspect_(std::move(inspect)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal != nullptr && modal->isVisible() && seen_.isNull()) {
        seen_ = modal;
        ++count_;
        if (inspect_) inspect_(modal);
        if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
        else modal->close();
        return;
      }
      if (seen_ && !seen_->isVisible()) seen_ = nullptr;
      if (++ticks_ > 1000) timer_.stop();
    });
    timer_.start(10);
  }
  int count() const { return count_; }

 private:
  std::function<void(QWidget*)> inspect_;
  QTimer timer_;
  QPointer<QWidget> seen_;
  int count_ = 0;
  int ticks_ = 0;
};

class CatalogueEdges : public ::testing::Test {
 protected:
  void SetUp() override {
    AppForTests();
    ClearDedicatedDialogs();
    // No device: the dialogs' first reads end at once with an error in their memo.
    savedDevice_ = GlobalDevice;
    GlobalDevice.address.clear();
    SetMessageBoxHook([this](QWidget*, const QString& text, const QString&, QMessageBox::StandardButtons) {
      boxes << text;
      return QMessageBox::Ok;
    });
    SetBeepHook([] {});
  }
  void TearDown() override {
    SetMessageBoxHook({});
    SetBeepHook({});
    ClearDedicatedDialogs();
    GlobalDevice = savedDevice_;
  }

  static std::unique_ptr<GeneratedDialog> Dialog(std::string_view handler) {
    auto form = BuildCommandDialog(Cmd(handler), kDevice);
    if (!form) throw std::runtime_error("no dialog for " + std::string(handler));
    return form;
  }
  static TSNMPListViewPanel* ListPanel(GeneratedDialog& form) { return dynamic_cast<TSNMPListViewPanel*>(form.Panel()); }

  QStringList boxes;
  KySNMPDevice savedDevice_;
};

// ---------------------------------------------------------------------------
// Captions and sizes.

TEST_F(CatalogueEdges, DialogCaptionsJoinTitleAndDevice) {
  const std::vector<std::pair<std::string_view, QString>> cases = {
      {"Information1Click", "Information: sw-7"},                       // B: title ends in ": "
      {"PortTable1Click", "Port Table : sw-7"},                         // A
      {"TargetParameters1Click", "Target Parameters: sw-7"},            // C
      {"RMONSetting1Click", "RMON State : sw-7"},                       // A
      {"VlLANMultiplyManagement1Click", "VLAN Multiply Management :sw-7"},  // B with " :"
      {"GroupInformation1Click", "Single IP Group Management sw-7"},    // B with a blank
      {"StatisticsInformation1Click", "Statistics Information  : sw-7"},  // A after a trailing blank
      {"MulticastFilterTable1Click", "Multicast Filter Table  : sw-7"},   // chosen: A
      {"MulticastFilterPortTable1Click", "Multicast Filter Port Table: sw-7"},  // chosen: B
  };
  for (const auto& [handler, caption] : cases) EXPECT_EQ(Dialog(handler)->windowTitle(), caption) << handler;
}

TEST_F(CatalogueEdges, TallDialogsAre450PixelsHighOnceShown) {
  int tall = 0;
  for (const MenuEntry& e : MenuCatalogue()) {
    if (!e.IsCommand() || e.height != kTallDialogHeight) continue;
    ++tall;
    auto form = Dialog(e.handler);
    EXPECT_EQ(form->height(), Px(form.get(), 450)) << e.handler;
    form->show();
    QApplication::processEvents();
    EXPECT_EQ(form->height(), Px(form.get(), 450)) << e.handler << " after showing";
    form->close();
  }
  EXPECT_EQ(tall, 4);  // "MIB Capabilities", "Multiple Image Management", "IfX Table", "802.1d " "Port Table"
}

TEST_F(CatalogueEdges, SnmpEngineLaysItsEditsOut150PixelsWide) {
  auto form = Dialog("snmpEngine1Click");
  TEditsPanel* rows = form->Panel()->EditsPanel();
  EXPECT_EQ(rows->EditWidth(), 150);
  auto other = Dialog("MessageProcessingandDispatching1Click");
  EXPECT_NE(other->Panel()->EditsPanel()->EditWidth(), 150);
}

TEST_F(CatalogueEdges, RmonControlIsAOneVariableScalarDialog) {
  auto form = Dialog("RMONSetting1Click");
  EXPECT_EQ(form->FormType(), 1);
  EXPECT_EQ(ListPanel(*form), nullptr);
  TEditsPanel* rows = form->Panel()->EditsPanel();
  ASSERT_EQ(rows->RowCount(), 1);
  ASSERT_NE(rows->Row(0).label, nullptr);
  EXPECT_EQ(rows->Row(0).label->text(), "RMON State");
}

// ---------------------------------------------------------------------------
// Row creation, deletion and editing.

TEST_F(CatalogueEdges, TableButtonsFollowRowStatusAndEditWindow) {
  int tables = 0;
  for (const MenuEntry& e : MenuCatalogue()) {
    if (!e.IsCommand() || e.pattern != CommandPattern::GeneratedTable) continue;
    ++tables;
    SCOPED_TRACE(std::string(e.handler));
    auto form = Dialog(e.handler);
    TSNMPListViewPanel* panel = ListPanel(*form);
    ASSERT_NE(panel, nullptr);
    TCtrlBtnPanel* bar = panel->ButtonBar();
    EXPECT_EQ(panel->AddIndex(), e.rowStatus);
    EXPECT_EQ(panel->DeleteIndex(), e.rowStatus);
    EXPECT_EQ(bar->btnAdd->isHidden(), !e.HasRowEditing());
    EXPECT_EQ(bar->btnDelete->isHidden(), !e.HasRowEditing());
    if (e.noEditWindow) {
      EXPECT_TRUE(bar->btnEdit->isHidden());
    }
  }
  EXPECT_EQ(tables, 109);

  // The ones named by the catalogue's notes.
  struct Case {
    std::string_view handler;
    bool add, edit, del;
  };
  const Case cases[] = {
      {"TrustHostTable1Click", true, false, true},   {"ServerGroup1Click", true, false, true},
      {"PortControl1Click", false, true, false},     {"UserTable1Click", true, true, true},
      {"MulticastFilterTable1Click", true, true, true},
  };
  for (const Case& c : cases) {
    auto form = Dialog(c.handler);
    TCtrlBtnPanel* bar = ListPanel(*form)->ButtonBar();
    EXPECT_EQ(!bar->btnAdd->isHidden(), c.add) << c.handler;
    EXPECT_EQ(!bar->btnEdit->isHidden(), c.edit) << c.handler;
    EXPECT_EQ(!bar->btnDelete->isHidden(), c.del) << c.handler;
  }
}

TEST_F(CatalogueEdges, AddAndDeleteWriteCreateAndGoAndDestroyThroughTheStatusVariable) {
  for (std::string_view handler : {"UserTable1Click", "MulticastFilterTable1Click", "TrustHostTable1Click"}) {
    auto form = Dialog(handler);
    TSNMPListViewPanel* panel = ListPanel(*form);
    const int status = Cmd(handler).rowStatus;
    ASSERT_GE(status, 0);
    auto* combo = qobject_cast<QComboBox*>(panel->EditsPanel()->Row(status).editor);
    ASSERT_NE(combo, nullptr) << handler << ": the status variable is chosen from its options";
    EXPECT_GE(combo->findText("createAndGo"), 0) << handler;
    EXPECT_GE(combo->findText("destroy"), 0) << handler;
  }
  EXPECT_EQ(Cmd("UserTable1Click").rowStatus, 12);
  EXPECT_EQ(Cmd("MulticastFilterTable1Click").rowStatus, 4);
}

// Puts one row into a table dialog's list view as a read would, and selects it.
// The dialog's own first read (which finds no device here) is over first.
void AddSelectedRow(GeneratedDialog& form, const std::vector<std::string>& values) {
  KySNMPRequest2Edits* editor = form.Editor(0);
  for (int i = 0; i < 3000 && !(form.FirstRefreshDone() && !editor->busy); ++i)
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  ASSERT_TRUE(form.FirstRefreshDone() && !editor->busy);
  editor->BuildColumns();
  for (int i = 0; i < editor->request.varList.Count() && i < static_cast<int>(values.size()); ++i)
    editor->request.varList.Item(i).value = values[static_cast<size_t>(i)];
  editor->AddRow();
  QTreeWidget* view = editor->ListView();
  ASSERT_EQ(view->topLevelItemCount(), 1);
  view->setCurrentItem(view->topLevelItem(0));
  view->topLevelItem(0)->setSelected(true);
}

// What the list view reports when the operator double-clicks its first row.
void DoubleClickFirstRow(GeneratedDialog& form) {
  QTreeWidget* view = form.Editor(0)->ListView();
  emit view->itemDoubleClicked(view->topLevelItem(0), 0);
  QApplication::processEvents();
}

TEST_F(CatalogueEdges, DoubleClickEditsARowOnlyWhereTheTableHasAnEditWindow) {
  {
    auto form = Dialog("TrustHostTable1Click");
    form->show();
    AddSelectedRow(*form, {"1", "192.0.2.1", "255.255.255.0", "active"});
    ModalWatch watch;
    DoubleClickFirstRow(*form);
    // An edit window is modal: it would have been shown, and closed by the
    // watch, before the double click's handling returned (as below).
    EXPECT_EQ(watch.count(), 0) << "a double click on a Trust Host row opens nothing";
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(form->Editor(0)->ListView()->topLevelItemCount(), 1);
    form->close();
  }
  {
    // The same gesture on a table with an edit window opens it.
    auto form = Dialog("MulticastFilterTable1Click");
    form->show();
    AddSelectedRow(*form, {"1", "profile", "add", "", "active"});
    ModalWatch watch;
    DoubleClickFirstRow(*form);
    EXPECT_EQ(watch.count(), 1);
    form->close();
  }
}

// ---------------------------------------------------------------------------
// Extras of single variables.

// The port check boxes of a grid window grouped by line, in order.
std::vector<int> BoxesPerLine(QWidget* grid) {
  std::map<int, int> lines;
  for (QCheckBox* box : grid->findChildren<QCheckBox*>()) ++lines[box->geometry().top()];
  std::vector<int> out;
  for (const auto& [top, n] : lines) out.push_back(n);
  return out;
}

TEST_F(CatalogueEdges, VlanMultiplyManagementEditsItsPortListThrough52PortGrid) {
  auto form = Dialog("VlLANMultiplyManagement1Click");
  form->show();
  TEditsPanel* rows = form->Panel()->EditsPanel();
  ASSERT_TRUE(rows->Row(2).octetItem);
  EXPECT_EQ(rows->Row(2).octetItem->columns, 12);
  EXPECT_EQ(rows->Row(2).octetItem->count, 52);
  for (int i = 0; i < rows->RowCount(); ++i) {
    if (i != 2) {
      EXPECT_FALSE(rows->Row(i).octetItem) << "row " << i;
    }
  }

  std::vector<int> perLine;
  ModalWatch watch([&](QWidget* grid) { perLine = BoxesPerLine(grid); });
  auto* edit = qobject_cast<QLineEdit*>(rows->Row(2).editor);
  ASSERT_NE(edit, nullptr);
  QTest::mouseClick(edit, Qt::LeftButton);  // a click in the edit opens the grid
  EXPECT_EQ(watch.count(), 1);
  EXPECT_EQ(perLine, (std::vector<int>{12, 12, 12, 12, 4}));
  form->close();
}

TEST_F(CatalogueEdges, LldpAddressConfigurationEditsPortsThroughTheGridInItsRowWindows) {
  auto form = Dialog("AddressConfiguration1Click");
  TEditsPanel* rows = form->Panel()->EditsPanel();
  ASSERT_TRUE(rows->Row(2).octetItem);
  EXPECT_EQ(rows->Row(2).octetItem->columns, 12);
  EXPECT_EQ(rows->Row(2).octetItem->count, 52);
  std::vector<int> perLine;
  ModalWatch watch([&](QWidget* grid) { perLine = BoxesPerLine(grid); });
  rows->OpenPortGrid(2);
  EXPECT_EQ(perLine, (std::vector<int>{12, 12, 12, 12, 4}));
}

TEST_F(CatalogueEdges, QinQPortTableShowsTheRedTpidNoteBelowItsRows) {
  auto form = Dialog("QinQPortTable1Click");
  TEditsPanel* rows = form->Panel()->EditsPanel();
  QLabel* note = rows->Note();
  ASSERT_NE(note, nullptr);
  EXPECT_FALSE(note->isHidden());
  EXPECT_EQ(note->text(), "Warning:The TPID is a global setting!");
  EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(note->font().pointSize(), 10);
  for (int i = 0; i < rows->RowCount(); ++i)
    EXPECT_GE(note->geometry().top(), rows->Row(i).editor->geometry().bottom()) << "row " << i;

  // No other dialog carries the note.
  for (std::string_view other : {"PortControl1Click", "QinQGlobalStateSettings1Click"}) {
    auto otherForm = Dialog(other);  // kept while its note is looked at
    QLabel* n = otherForm->Panel()->EditsPanel()->Note();
    EXPECT_TRUE(n == nullptr || n->isHidden() || n->text().isEmpty()) << other;
  }
}

TEST_F(CatalogueEdges, DeviceControlConstraintsRefuseValuesOutOfRange) {
  auto form = Dialog("DeviceControl2Click");
  form->show();
  TEditsPanel* rows = form->Panel()->EditsPanel();
  ASSERT_EQ(rows->RowCount(), 18);
  EXPECT_EQ(rows->Row(4).label->text(), "Management VLAN ID");
  struct Case {
    int var;
    const char* accepted;
    const char* refused;
  };
  const Case cases[] = {{4, "4094", "4095"}, {4, "1", "0"}, {11, "500", "501"}, {12, "2147483647", "2147483648"}};
  for (const Case& c : cases) {
    SCOPED_TRACE("variable " + std::to_string(c.var));
    auto* edit = qobject_cast<QLineEdit*>(rows->Row(c.var).editor);
    ASSERT_NE(edit, nullptr);
    ControlHandler leave = ExitHandler(edit);
    ASSERT_TRUE(leave) << "no constraint on the edit";
    boxes.clear();
    edit->setText(c.accepted);
    leave(edit);
    EXPECT_EQ(edit->text(), c.accepted);
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join("; ").toStdString();
    edit->setText(c.refused);
    leave(edit);
    EXPECT_EQ(boxes.size(), 1) << "the refused value is reported";
    EXPECT_EQ(edit->text(), c.accepted) << "the last valid value comes back";
  }
  form->close();
}

// ---------------------------------------------------------------------------
// Running commands.

struct SiblingCall {
  LaunchTexts texts;
  std::string page;
  std::string extra;
};

TEST_F(CatalogueEdges, SiblingCommandsStartTheirModuleWithTheLaunchCredentials) {
  for (const LaunchTexts& texts : {CommunityTexts(), V3Texts()}) {
    std::vector<SiblingCall> calls;
    MenuCommandContext context;
    context.texts = &texts;
    context.startSibling = [&](const LaunchTexts& t, const std::string& page, const std::string& extra) {
      calls.push_back({t, page, extra});
      return true;
    };
    const int windowsBefore = static_cast<int>(QApplication::topLevelWidgets().size());
    std::vector<std::string> pages;
    for (const MenuEntry& e : MenuCatalogue()) {
      if (e.pattern != CommandPattern::Sibling) continue;
      pages.emplace_back(e.siblingPage);
      EXPECT_EQ(RunMenuCommand(e, context), CommandOutcome::SiblingStarted) << e.handler;
    }
    EXPECT_EQ(static_cast<int>(QApplication::topLevelWidgets().size()), windowsBefore) << "no window of its own";
    ASSERT_EQ(calls.size(), 17u);
    for (size_t i = 0; i < calls.size(); ++i) {
      EXPECT_EQ(calls[i].page, pages[i]);
      EXPECT_EQ(calls[i].extra, "");
      EXPECT_EQ(calls[i].texts, texts);
    }
  }

  // "Statistics" of "RMON": the command lines for a community run and an SNMPv3 run.
  const MenuEntry& stats = Cmd("Statistics1Click");
  const std::string page(stats.siblingPage);
  EXPECT_EQ(SiblingCommandLine(CommunityTexts(), page), "Rmon /Isw-7 /Rpublic /Wprivate /TRmon_Statistics");
  EXPECT_EQ(SiblingCommandLine(V3Texts(), page),
            "Rmon /Isw-7 /t161 /v3 /d800007e5 /m3 /nadmin /l3 /a3 /p19 /Aauthpass /Pprivpass /c /TRmon_Statistics");
}

TEST_F(CatalogueEdges, MissingSiblingModuleStartsNothingAndSaysNothing) {
  const std::string empty = (std::filesystem::temp_directory_path() / ("qrx-nopath-" + std::to_string(getpid()))).string();
  std::filesystem::create_directories(empty);
  const char* old = std::getenv("PATH");
  const std::string saved = old ? old : "";
  setenv("PATH", empty.c_str(), 1);
  const LaunchTexts texts = CommunityTexts();
  MenuCommandContext context;
  context.texts = &texts;
  const CommandOutcome outcome = RunMenuCommand(Cmd("History1Click"), context);
  setenv("PATH", saved.c_str(), 1);
  std::filesystem::remove_all(empty);
  EXPECT_EQ(outcome, CommandOutcome::SiblingNotStarted);
  EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(CatalogueEdges, SpecialCommandsGoToTheMainWindow) {
  std::vector<std::string> passed;
  MenuCommandContext context;
  context.special = [&](const MenuEntry& e) { passed.emplace_back(e.handler); };
  EXPECT_EQ(RunMenuCommand(Cmd("RefreshPanel2Click"), context), CommandOutcome::PassedOn);
  EXPECT_EQ(RunMenuCommand(Cmd("Help2Click"), context), CommandOutcome::PassedOn);
  // A dedicated command whose dialog is not registered goes to the main window.
  EXPECT_EQ(RunMenuCommand(Cmd("About1Click"), context), CommandOutcome::PassedOn);
  EXPECT_EQ(passed, (std::vector<std::string>{"RefreshPanel2Click", "Help2Click", "About1Click"}));

  // A registered dialog is shown instead.
  QStringList shown;
  RegisterDedicatedDialog("About1Click", [&](const DialogContext& c) {
    auto* d = new QDialog(c.owner);
    QTimer::singleShot(0, d, [d, &shown] {
      shown << d->windowTitle();
      d->accept();
    });
    return d;
  });
  EXPECT_EQ(RunMenuCommand(Cmd("About1Click"), context), CommandOutcome::DialogShown);
  EXPECT_EQ(shown.size(), 1);
  EXPECT_EQ(passed.size(), 3u);

  // Without a handler of the main window nothing happens.
  MenuCommandContext bare;
  EXPECT_EQ(RunMenuCommand(Cmd("RefreshPanel2Click"), bare), CommandOutcome::Unavailable);
  EXPECT_EQ(RunMenuCommand(Cmd("SummerTime1Click"), bare), CommandOutcome::Unavailable);
  EXPECT_EQ(RunMenuCommand(*FindMenuItem("VACM1"), bare), CommandOutcome::Unavailable) << "a menu is no command";
}

TEST_F(CatalogueEdges, GeneratedCommandShowsItsDialogModallyOverTheOwner) {
  QWidget owner;
  const LaunchTexts texts = CommunityTexts();
  MenuCommandContext context;
  context.owner = &owner;
  context.texts = &texts;
  QString caption;
  QWidget* parent = nullptr;
  bool isConfigForm = false;
  ModalWatch watch([&](QWidget* modal) {
    caption = modal->windowTitle();
    parent = modal->parentWidget();
    isConfigForm = qobject_cast<GeneratedDialog*>(modal) != nullptr;
  });
  EXPECT_EQ(RunMenuCommand(Cmd("PortTable1Click"), context), CommandOutcome::DialogShown);
  EXPECT_EQ(watch.count(), 1);
  EXPECT_TRUE(isConfigForm);
  EXPECT_EQ(caption, "Port Table : sw-7");
  EXPECT_EQ(parent, &owner);
  EXPECT_TRUE(owner.findChildren<GeneratedDialog*>().isEmpty()) << "the dialog is freed when it closes";
}

TEST_F(CatalogueEdges, MenuBarDispatchesThroughTheCommandHandler) {
  QWidget window;
  const LaunchTexts texts = CommunityTexts();
  std::vector<std::string> pages, specials;
  MenuCommandContext context;
  context.owner = &window;
  context.texts = &texts;
  context.startSibling = [&](const LaunchTexts&, const std::string& page, const std::string&) {
    pages.push_back(page);
    return true;
  };
  context.special = [&](const MenuEntry& e) { specials.emplace_back(e.handler); };
  QMenuBar* bar = BuildMainMenu(&window, [&context](const MenuEntry& e) { RunMenuCommand(e, context); });
  FindCommandAction(bar, "Statistics1")->trigger();
  FindCommandAction(bar, "RefreshPanel2")->trigger();
  FindCommandAction(bar, "Help2")->trigger();
  EXPECT_EQ(pages, (std::vector<std::string>{"/TRmon_Statistics"}));
  EXPECT_EQ(specials, (std::vector<std::string>{"RefreshPanel2Click", "Help2Click"}));
}

}  // namespace
