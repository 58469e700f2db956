// The "Tools" menu of the main window against the simulator: where it is and
// what it holds, saving a snapshot while the main window stays usable,
// cancelling, and the comparison window (groups with counts, filter, Copy,
// Export CSV, Open) over two files and against the live switch.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <deque>

#include "../mainwindow_sim_support.h"
#include "app/MenuBar.h"
#include "app/ToolsMenu.h"
#include "app/TrafficGraphForm.h"
#include "app/snapshot/SnapshotFiles.h"
#include "app/snapshot/SnapshotForms.h"
#include "app/snapshot/SnapshotTools.h"
#include "editors/ListExport.h"
#include "editors/editors_test_support.h"

namespace {

class ToolsMenuSim : public MainWindowSim {
 protected:
  void SetUp() override {
    MainWindowSim::SetUp();
    ASSERT_TRUE(StartSim());
    WriteProfile("127.0.0.1", sim.port());
    Open(HostSwitches());
    ASSERT_TRUE(WaitForFrontPanel());
    ASSERT_TRUE(folder.isValid());
    KyListExport::SetSaveFileHook([this](QWidget*, const QString&, const QString& suggested, const QString&) {
      saveSuggested = suggested;
      return savePath;
    });
    SetSnapshotOpenFileHook([this](QWidget*, const QString&) {
      if (openPaths.empty()) return QString();
      const QString p = openPaths.front();
      openPaths.pop_front();
      return p;
    });
  }
  void TearDown() override {
    KyListExport::SetSaveFileHook({});
    SetSnapshotOpenFileHook({});
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<TSettingsCompareForm*>(w) || qobject_cast<TSnapshotProgressForm*>(w)) delete w;
    MainWindowSim::TearDown();
  }

  QAction* Item(const char* name) { return window->MainMenu1->findChild<QAction*>(name); }

  // Triggers a Tools item as the menu does (the menu is opened first, so that
  // its items are brought up to date).
  void Choose(const char* name) {
    QMenu* tools = FindMenu(window->MainMenu1, "Tools1");
    ASSERT_NE(tools, nullptr);
    emit tools->aboutToShow();
    QAction* a = Item(name);
    ASSERT_NE(a, nullptr) << name;
    ASSERT_TRUE(a->isEnabled()) << name;
    a->trigger();
  }

  template <typename T>
  static T* FindWindow() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* t = qobject_cast<T*>(w); t != nullptr && t->isVisible()) return t;
    return nullptr;
  }

  // Saves a snapshot of the simulator to `path` through the menu.
  void SaveThroughMenu(const QString& path) {
    savePath = path;
    Choose("SaveSettingsSnapshot1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path) && FindWindow<TSnapshotProgressForm>() == nullptr; },
                                60000));
  }

  QTemporaryDir folder;
  QString savePath;
  QString saveSuggested;
  std::deque<QString> openPaths;
};

}  // namespace

TEST_F(ToolsMenuSim, ToolsIsTheLastButOneMenuWithItsItems) {
  QStringList tops;
  for (QAction* a : window->MainMenu1->actions()) tops << a->objectName();
  EXPECT_EQ(tops, (QStringList{"Configuration1", "Menu_RMON", "Bridge1", "VLAN1", "VACM1", "SecurityManagement1",
                               "Layer2Management2", "SingleIP1", "Tools1", "Help1"}));
  QMenu* tools = FindMenu(window->MainMenu1, "Tools1");
  ASSERT_NE(tools, nullptr);
  EXPECT_EQ(tools->title(), "Tools");
  QStringList items;
  for (QAction* a : tools->actions()) items << a->text();
  EXPECT_EQ(items, (QStringList{"Save Settings Snapshot...", "Compare Settings...", "Traffic Graph..."}));

  // "Traffic Graph..." is for the selected port only.
  emit tools->aboutToShow();
  EXPECT_FALSE(Item("TrafficGraph1")->isEnabled());
  QTest::mouseClick(window->FrontPanel()->SpeedButton(5), Qt::LeftButton);
  ASSERT_EQ(SelectedPort(*window), TPanelQRX900Form::ButtonPort(5));
  Choose("TrafficGraph1");
  TTrafficGraphForm* graph = FindWindow<TTrafficGraphForm>();
  ASSERT_NE(graph, nullptr);
  delete graph;
}

TEST_F(ToolsMenuSim, SavingLeavesTheMainWindowUsableAndCancelWritesNothing) {
  const QString path = folder.filePath("a.json");
  savePath = path;
  Choose("SaveSettingsSnapshot1");
  EXPECT_TRUE(saveSuggested.startsWith("127.0.0.1-")) << saveSuggested.toStdString();
  TSnapshotProgressForm* progress = FindWindow<TSnapshotProgressForm>();
  ASSERT_NE(progress, nullptr);
  EXPECT_FALSE(progress->isModal());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(window->MainMenu1->isEnabled());
  ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 60000));
  EXPECT_TRUE(boxes.isEmpty()) << boxes.join("|").toStdString();
  EXPECT_TRUE(Status().startsWith("Settings snapshot saved to " + path)) << Status().toStdString();
  QString error;
  auto saved = ReadSnapshotFile(path, &error);
  ASSERT_TRUE(saved) << error.toStdString();
  EXPECT_TRUE(saved->complete);
  EXPECT_EQ(saved->agent, "127.0.0.1");

  // Cancel: the window goes and nothing is written.
  const QString cancelled = folder.filePath("cancelled.json");
  savePath = cancelled;
  Choose("SaveSettingsSnapshot1");
  progress = FindWindow<TSnapshotProgressForm>();
  ASSERT_NE(progress, nullptr);
  QPointer<TSnapshotProgressForm> watched(progress);
  QTest::mouseClick(progress->btnCancel, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return watched.isNull(); }, 20000));
  QTest::qWait(200);
  EXPECT_FALSE(QFile::exists(cancelled));
}

TEST_F(ToolsMenuSim, ComparisonWindowGroupsFiltersCopiesAndOpens) {
  const QString a = folder.filePath("a.json");
  SaveThroughMenu(a);
  // A second file with two settings of one command changed and one of another.
  QString error;
  auto snapshot = ReadSnapshotFile(a, &error);
  ASSERT_TRUE(snapshot) << error.toStdString();
  KyVb changed;
  changed.SetInteger(2);
  SnapshotCommand* console = nullptr;
  for (auto& c : snapshot->commands)
    if (c.path == "Basic Configuration > Agent Management > Console Mode Control") console = &c;
  ASSERT_NE(console, nullptr);
  for (auto& v : console->tables[0].rows[0].values) {
    v.bytes = EncodeValueBytes(changed);
    v.shown = "changed";
  }
  snapshot->commands.front().tables[0].rows[0].values[0].bytes = EncodeValueBytes(changed);
  const QString b = folder.filePath("b.json");
  ASSERT_TRUE(WriteSnapshotFile(b, *snapshot, &error));

  openPaths = {a, b};
  answer = QMessageBox::No;  // a second file, not the switch
  Choose("CompareSettings1");
  TSettingsCompareForm* form = FindWindow<TSettingsCompareForm>();
  ASSERT_NE(form, nullptr);
  ASSERT_EQ(form->Differences().size(), 3u);
  EXPECT_EQ(form->summaryLabel->text(), "3 differences in 2 commands");
  QTreeWidget* list = form->differenceList;
  ASSERT_EQ(list->topLevelItemCount(), 2);
  QTreeWidgetItem* consoleGroup = list->topLevelItem(1);
  EXPECT_EQ(consoleGroup->text(0), "Basic Configuration > Agent Management > Console Mode Control (2)");
  EXPECT_EQ(consoleGroup->child(0)->text(2), "changed");
  // The second side's text is made from its bytes, whatever the file said.
  EXPECT_NE(consoleGroup->child(0)->text(4), "changed");
  EXPECT_NE(consoleGroup->child(0)->text(3), consoleGroup->child(0)->text(4));

  // The filter keeps matching lines and counts what it shows.
  form->filterEdit->setText("logout");
  EXPECT_TRUE(list->topLevelItem(0)->isHidden());
  EXPECT_EQ(consoleGroup->text(0), "Basic Configuration > Agent Management > Console Mode Control (1)");
  EXPECT_EQ(form->CopyText(),
            "Menu\tSetting\tRow\tDifference\tFirst\tSecond\r\n"
            "Basic Configuration > Agent Management > Console Mode Control\tLogout Time\t\tchanged\t" +
                consoleGroup->child(1)->text(3) + "\t" + consoleGroup->child(1)->text(4) + "\r\n");
  form->filterEdit->clear();
  EXPECT_EQ(form->CsvText().count("\r\n"), 4);

  // "Open" opens the command's dialog on the live switch.
  list->setCurrentItem(consoleGroup->child(0));
  ASSERT_TRUE(form->btnOpen->isEnabled());
  QString opened;
  OnNextModal([&](QWidget* w) {
    opened = w->windowTitle();
    w->close();
  });
  QTest::mouseClick(form->btnOpen, Qt::LeftButton);
  EXPECT_TRUE(opened.startsWith("Console Mode Control")) << opened.toStdString();
  form->close();

  // Against the switch as it is now: the same settings say so in one line.
  openPaths = {a};
  answer = QMessageBox::Yes;
  Choose("CompareSettings1");
  ASSERT_TRUE(QTest::qWaitFor([&] { return FindWindow<TSettingsCompareForm>() != nullptr; }, 60000));
  form = FindWindow<TSettingsCompareForm>();
  EXPECT_EQ(form->summaryLabel->text(), kNoDifferencesText);
  EXPECT_EQ(form->differenceList->topLevelItemCount(), 0);

  // A file that is no snapshot: a message naming it, no window.
  form->close();
  QFile bad(folder.filePath("bad.json"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("{\"format\": \"something else\"}");
  bad.close();
  boxes.clear();
  openPaths = {folder.filePath("bad.json")};
  Choose("CompareSettings1");
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_TRUE(boxes[0].contains(folder.filePath("bad.json") + ": /format (line 1): not a settings snapshot"))
      << boxes[0].toStdString();
  EXPECT_EQ(FindWindow<TSettingsCompareForm>(), nullptr);
}
