// Generated dialogs against the simulator: a scalar dialog reads, edits and
// sets; a table dialog walks the 802.1Q static VLAN table and adds, edits and
// deletes a row through its windows. The simulator's own table is checked
// with net-snmp's tools after every step.
#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "common/SimProcess.h"
#include "common/SimSession.h"
#include "editors/ControlBinding.h"
#include "editors/GUIConfigForm.h"
#include "editors/GUIGenerator.h"
#include "editors/QtSnmpPump.h"
#include "editors_test_support.h"
#include "snmp/Session.h"
#include "snmp/SessionParams.h"
#include "tables/DefTables.h"

namespace {

constexpr const char* kVlanName = "1.3.6.1.2.1.17.7.1.4.3.1.1";
constexpr const char* kVlanEgress = "1.3.6.1.2.1.17.7.1.4.3.1.2";
constexpr const char* kVlanStatus = "1.3.6.1.2.1.17.7.1.4.3.1.5";

bool WaitFor(const std::function<bool()>& done, int ms = 15000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

QString BuildDir() {
  const char* dir = std::getenv("QRX_BUILD_DIR");
  return dir && *dir ? QString::fromLocal8Bit(dir) : QDir::currentPath();
}

// One simulator for the whole file; the global session points at it.
class SimDialogs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    session = new qrxtest::SimSession;
    // Completions run from Qt's event loop, as in the program.
    started = session->Start(false, {}, &InstallQtSnmpPump);
    sim = &session->sim();
  }
  static void TearDownTestSuite() {
    delete session;
    session = nullptr;
    sim = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(started) << "the simulator did not start: " << session->error();
  }

  // snmpget of one OID on the simulator: the value part of the output line.
  static std::string Get(const std::string& oid) {
    auto r = qrxtest::RunCommand({"snmpget", "-v2c", "-c", qrxtest::SimProcess::kReadCommunity, "-Oqv",
                                  sim->address(), oid});
    std::string out = r.out;
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    if (out.size() >= 2 && out.front() == '"' && out.back() == '"') out = out.substr(1, out.size() - 2);
    return out;
  }
  // Row indexes of the VLAN table on the simulator.
  static QStringList VlanIndexes(const std::string& address = {}) {
    auto r = qrxtest::RunCommand({"snmpwalk", "-v2c", "-c", qrxtest::SimProcess::kReadCommunity, "-On",
                                  address.empty() ? sim->address() : address, kVlanStatus});
    QStringList indexes;
    for (const QString& line : QString::fromStdString(r.out).split('\n', Qt::SkipEmptyParts)) {
      const QString oid = line.section(' ', 0, 0);
      const QString prefix = QString(".") + kVlanStatus + ".";
      if (oid.startsWith(prefix)) indexes << oid.mid(prefix.size());
    }
    return indexes;
  }

  static qrxtest::SimSession* session;
  static qrxtest::SimProcess* sim;
  static bool started;
  BoxRecorder boxes;
};

qrxtest::SimSession* SimDialogs::session = nullptr;
qrxtest::SimProcess* SimDialogs::sim = nullptr;
bool SimDialogs::started = false;

QStringList ColumnTexts(QTreeWidget* view, int column) {
  QStringList texts;
  for (int i = 0; i < view->topLevelItemCount(); ++i) texts << view->topLevelItem(i)->text(column);
  return texts;
}

QTreeWidgetItem* FindLine(QTreeWidget* view, const QString& key) {
  for (int i = 0; i < view->topLevelItemCount(); ++i)
    if (view->topLevelItem(i)->text(0) == key) return view->topLevelItem(i);
  return nullptr;
}

TEST_F(SimDialogs, ScalarDialogReadsEditsAndSets) {
  GeneratedCommand command;
  command.table = &tbl::DeviceControl2;
  command.kind = 0;
  command.keyCount = 0;
  command.caption = "Layer 2 Device Control : " + QString::fromStdString(sim->address());
  command.constraints = {{4, "%i{n1x4094l4}"}, {11, "%i{n1x500l3}"}, {12, "%i{n1x2147483647l10}"}};
  auto form = BuildGeneratedDialog(command);
  auto* panel = form->Panel();
  KySNMPRequest2Edits* editor = form->Editor();
  QPlainTextEdit* memo = panel->Messages()->Memo();

  // The first read waits until the dialog is shown.
  QApplication::processEvents();
  EXPECT_FALSE(form->FirstRefreshDone());
  EXPECT_TRUE(memo->toPlainText().isEmpty());
  form->show();
  ASSERT_TRUE(WaitFor([&] { return form->FirstRefreshDone() && !editor->busy; }));
  EXPECT_TRUE(memo->toPlainText().startsWith("Get: Ok. Receive at ")) << memo->toPlainText().toStdString();

  TEditsPanel* rows = panel->EditsPanel();
  const std::string historyOid = std::string(tbl::DeviceControl2.rows[11].oid) + ".0";
  EXPECT_EQ(rows->RowText(11).toStdString(), Get(historyOid));
  EXPECT_FALSE(rows->RowText(1).isEmpty());  // system IP

  // Edit one row, tick it, "Set Checked".
  auto* history = static_cast<QLineEdit*>(rows->Row(11).editor);
  const QString newValue = rows->RowText(11) == "77" ? "78" : "77";
  history->setFocus();
  history->selectAll();
  QTest::keyClicks(history, newValue);
  QTest::mouseClick(rows->Row(11).check, Qt::LeftButton);
  ASSERT_TRUE(panel->ButtonBar()->btnSetChecked->isEnabled());
  QTest::mouseClick(panel->ButtonBar()->btnSetChecked, Qt::LeftButton);
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join("|").toStdString();
  EXPECT_EQ(Get(historyOid), newValue.toStdString());
  const QStringList lines = memo->toPlainText().split('\n');
  EXPECT_TRUE(lines.last().startsWith("Set: Ok. Receive at ")) << lines.last().toStdString();
  EXPECT_FALSE(editor->asynchronous == false);  // reads stay asynchronous

  // A checked row left empty writes nothing.
  history->clear();
  QTest::mouseClick(panel->ButtonBar()->btnSetChecked, Qt::LeftButton);
  ASSERT_EQ(boxes.texts.size(), 1);
  EXPECT_EQ(boxes.texts[0], "Some items are empty!");
  EXPECT_EQ(boxes.captions[0], "Warning");
  EXPECT_EQ(Get(historyOid), newValue.toStdString());

  // Refresh shows the device's value again.
  QTest::mouseClick(panel->ButtonBar()->btnRefresh, Qt::LeftButton);
  ASSERT_TRUE(WaitFor([&] { return !editor->busy && rows->RowText(11) == newValue; }));

  form->grab().save(BuildDir() + "/editors-scalar-dialog.png");
  form->close();
}

TEST_F(SimDialogs, VlanTableRefreshAddEditDelete) {
  GeneratedCommand command;
  command.table = &tbl::Dot1qVlanStatic;
  command.kind = 3;
  command.keyCount = 1;
  command.tableEditor = true;
  command.rowStatusIndex = 5;
  command.constraints = {{0, "%u{n1x4094l4}"}, {1, "%s{l32}"}};
  command.caption = "802.1Q Static VLAN : " + QString::fromStdString(sim->address());
  auto form = BuildGeneratedDialog(command);
  auto* panel = static_cast<TSNMPListViewPanel*>(form->Panel());
  KySNMPRequest2Edits* editor = form->Editor();
  QTreeWidget* view = panel->ListPanel()->ListView();
  TCtrlBtnPanel* bar = panel->ButtonBar();
  QPlainTextEdit* memo = panel->Messages()->Memo();
  form->show();

  // Refresh: the walk fills the list with the simulator's rows.
  ASSERT_TRUE(WaitFor([&] { return form->FirstRefreshDone() && !editor->busy; }));
  const QStringList before = VlanIndexes();
  ASSERT_FALSE(before.isEmpty());
  EXPECT_EQ(ColumnTexts(view, 0), before);
  EXPECT_EQ(bar->counter->text(), QString::number(before.size()));
  EXPECT_TRUE(memo->toPlainText().endsWith(".")) << memo->toPlainText().toStdString();
  const QString key = before.contains("3001") ? "3002" : "3001";

  // Add through the add window with createAndGo.
  OnNextModal([&](QWidget* w) {
    TEditsPanel* rows = panel->EditsPanel();
    auto* index = static_cast<QLineEdit*>(rows->Row(0).editor);
    QTest::keyClicks(index, key);
    auto* name = static_cast<QLineEdit*>(rows->Row(1).editor);
    QTest::keyClicks(name, "qrx-test");
    auto* egress = static_cast<QLineEdit*>(rows->Row(2).editor);
    QTest::keyClicks(egress, "F0000000000000");
    auto* untagged = static_cast<QLineEdit*>(rows->Row(4).editor);
    QTest::keyClicks(untagged, "F0000000000000");
    for (int r : {1, 2, 4}) QTest::mouseClick(rows->Row(r).check, Qt::LeftButton);
    w->grab().save(BuildDir() + "/editors-table-add-window.png");
    QTest::mouseClick(panel->OpenWindowPanel()->ButtonBar()->btnSetChecked, Qt::LeftButton);
  });
  QTest::mouseClick(bar->btnAdd, Qt::LeftButton);
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join("|").toStdString();
  EXPECT_EQ(Get(std::string(kVlanName) + "." + key.toStdString()), "qrx-test");
  EXPECT_EQ(Get(std::string(kVlanStatus) + "." + key.toStdString()), "1");  // active
  ASSERT_TRUE(WaitFor([&] { return !editor->busy && FindLine(view, key) != nullptr; }));
  EXPECT_EQ(ColumnTexts(view, 0), VlanIndexes());
  EXPECT_EQ(FindLine(view, key)->text(1), "qrx-test");
  EXPECT_EQ(FindLine(view, key)->text(5), "active");

  // Edit: select the line, change the name in the edit window.
  view->setCurrentItem(FindLine(view, key));
  ASSERT_TRUE(bar->btnEdit->isEnabled());
  QStringList statusItems;
  OnNextModal([&](QWidget*) {
    TEditsPanel* rows = panel->EditsPanel();
    auto* combo = static_cast<QComboBox*>(rows->Row(5).editor);
    for (int i = 0; i < combo->count(); ++i) statusItems << combo->itemText(i);
    auto* name = static_cast<QLineEdit*>(rows->Row(1).editor);
    EXPECT_EQ(name->text(), "qrx-test");
    name->selectAll();
    QTest::keyClicks(name, "renamed");
    QTest::mouseClick(rows->Row(1).check, Qt::LeftButton);
    QTest::mouseClick(panel->OpenWindowPanel()->ButtonBar()->btnSetChecked, Qt::LeftButton);
  });
  QTest::mouseClick(bar->btnEdit, Qt::LeftButton);
  EXPECT_EQ(statusItems, QStringList{"active"});
  EXPECT_EQ(Get(std::string(kVlanName) + "." + key.toStdString()), "renamed");
  ASSERT_TRUE(WaitFor([&] { return !editor->busy && FindLine(view, key) && FindLine(view, key)->text(1) == "renamed"; }));
  EXPECT_TRUE(memo->toPlainText().contains("Set: Ok. Receive at "));

  form->grab().save(BuildDir() + "/editors-table-dialog.png");

  // Delete: "Are you sure to delete ?" answered Yes; only keys and destroy go out.
  view->setCurrentItem(FindLine(view, key));
  ASSERT_TRUE(bar->btnDelete->isEnabled());
  boxes.Answer(QMessageBox::Yes);
  QTest::mouseClick(bar->btnDelete, Qt::LeftButton);
  ASSERT_EQ(boxes.texts.size(), 1);
  EXPECT_EQ(boxes.texts[0], "Are you sure to delete ?");
  EXPECT_FALSE(VlanIndexes().contains(key));
  ASSERT_TRUE(WaitFor([&] { return !editor->busy && FindLine(view, key) == nullptr; }));
  EXPECT_EQ(ColumnTexts(view, 0), VlanIndexes());
  EXPECT_EQ(ColumnTexts(view, 0), before);
  form->close();
}

// An error raised while a row is shown ends the asynchronous walk.
class BadBindingEdits : public KySNMPRequest2Edits {
 public:
  using KySNMPRequest2Edits::KySNMPRequest2Edits;
  int rows = 0;
  int gets = 0;

 protected:
  void BeforeGet() override {
    ++gets;
    KySNMPRequest2Edits::BeforeGet();
  }
  void RowReceived() override {
    ++rows;
    KySNMPRequest2Edits::RowReceived();
  }
};

TEST_F(SimDialogs, RowErrorStopsTheAsynchronousWalk) {
  QWidget form;
  QPlainTextEdit memo;
  BadBindingEdits editor(&form);
  editor.request.varList = KySNMPVarList(tbl::Dot1qVlanStatic);
  editor.SetStatusTarget(&memo);
  auto* box = new QCheckBox(&form);
  editor.AssociateControl(1, static_cast<QWidget*>(box));  // a name is no boolean: -517 when filled
  editor.Refresh();
  EXPECT_TRUE(editor.busy);
  ASSERT_TRUE(WaitFor([&] { return !editor.busy; }));
  EXPECT_EQ(editor.rows, 1);
  EXPECT_TRUE(memo.toPlainText().startsWith(
      "Get: (KySNMP++) Bad syntax of the associated SNMP variable's (partial) data!"))
      << memo.toPlainText().toStdString();
}

TEST_F(SimDialogs, ApplyOnAScalarListDoesNotReadAgain) {
  QWidget form;
  QPlainTextEdit memo;
  BadBindingEdits editor(&form);
  editor.request.varList = KySNMPVarList(tbl::DeviceControl2);
  editor.SetStatusTarget(&memo);
  editor.asynchronous = false;
  editor.Refresh();
  EXPECT_EQ(editor.gets, 1);
  EXPECT_EQ(editor.rows, 1);
  for (int i = 0; i < editor.request.varList.Count(); ++i)
    if (i != 11) editor.request.varList.Item(i).access |= Access::Excluded;
  editor.request.varList.Item(11).value = "55";
  editor.Apply(true, false);
  EXPECT_EQ(editor.gets, 1);
  EXPECT_EQ(Get(std::string(tbl::DeviceControl2.rows[11].oid) + ".0"), "55");
  EXPECT_TRUE(memo.toPlainText().split('\n').last().startsWith("Set: Ok."));
}

TEST_F(SimDialogs, AsynchronousApplyReportsAndRefreshesTables) {
  QWidget form;
  QPlainTextEdit memo;
  BadBindingEdits editor(&form);
  editor.request.varList = KySNMPVarList(tbl::DeviceControl2);
  editor.SetStatusTarget(&memo);
  int setDone = 0;
  KySNMPError last;
  editor.setDone = [&](void*, KySNMPRequest2Controls* sender, const KySNMPError& result) {
    EXPECT_EQ(sender, &editor);
    ++setDone;
    last = result;
  };
  for (int i = 0; i < editor.request.varList.Count(); ++i)
    if (i != 12) editor.request.varList.Item(i).access |= Access::Excluded;
  editor.request.varList.Item(12).value = "33";
  editor.Apply(true, false);
  EXPECT_TRUE(editor.busy);
  ASSERT_TRUE(WaitFor([&] { return !editor.busy; }));
  EXPECT_EQ(setDone, 1);
  EXPECT_EQ(last.code, 0);
  EXPECT_EQ(editor.gets, 0);  // a scalar list is not read again
  EXPECT_EQ(Get(std::string(tbl::DeviceControl2.rows[12].oid) + ".0"), "33");
  EXPECT_TRUE(memo.toPlainText().startsWith("Set: Ok. Receive at "));

  // A refused write goes to SetFailed: the status line carries the error.
  editor.request.varList.Item(12).value = "not a number";
  editor.request.varList.Item(12).syntax = Syntax::DisplayString;  // wrong type for the agent
  editor.Apply(true, false);
  ASSERT_TRUE(WaitFor([&] { return !editor.busy; }));
  EXPECT_EQ(setDone, 2);
  EXPECT_NE(last.code, 0);
  EXPECT_TRUE(memo.toPlainText().split('\n').last().startsWith(QString::fromStdString("Set: " + last.message)))
      << memo.toPlainText().toStdString();

  // On a table, refresh-after-set reads the table again.
  BadBindingEdits table(&form);
  table.request.varList = KySNMPVarList(tbl::Dot1qVlanStatic);
  QTreeWidget view;
  table.AttachListView(&view, false);
  table.SetStatusTarget(&memo);
  table.Refresh();
  ASSERT_TRUE(WaitFor([&] { return !table.busy; }));
  ASSERT_GT(view.topLevelItemCount(), 0);
  view.setCurrentItem(view.topLevelItem(0));
  for (int i = 2; i < table.request.varList.Count(); ++i) table.request.varList.Item(i).access |= Access::Excluded;
  table.Apply(true, true);  // writes the selected line's name back unchanged
  ASSERT_TRUE(WaitFor([&] { return !table.busy && table.gets == 2; }));
  EXPECT_EQ(view.topLevelItemCount(), VlanIndexes().size());
}

TEST_F(SimDialogs, ClosingWaitsForTheRunningWalk) {
  GeneratedCommand command;
  command.table = &tbl::Dot1qVlanStatic;
  command.kind = 3;
  command.keyCount = 1;
  command.tableEditor = true;
  command.caption = "VLAN";
  auto form = BuildGeneratedDialog(command);
  KySNMPRequest2Edits* editor = form->Editor();
  form->show();
  ASSERT_TRUE(WaitFor([&] { return form->FirstRefreshDone(); }));
  form->close();  // the walk may still be under way
  EXPECT_FALSE(editor->busy);
  EXPECT_FALSE(editor->request.enabled);
  form.reset();  // the editors go with the dialog
}

TEST_F(SimDialogs, MenuEntryPointShowsTheDialogModally) {
  GeneratedCommand command;
  command.table = &tbl::Dot1qVlanStatic;
  command.kind = 3;
  command.keyCount = 1;
  command.tableEditor = true;
  command.rowStatusIndex = 5;
  command.caption = "802.1Q Static VLAN : sw1";
  QString caption, memoText;
  int lines = -1;
  OnNextModal([&](QWidget* w) {
    caption = w->windowTitle();
    auto* form = qobject_cast<GeneratedDialog*>(w);
    ASSERT_NE(form, nullptr);
    WaitFor([&] { return form->FirstRefreshDone() && !form->Editor()->busy; });
    lines = form->Panel()->findChild<QTreeWidget*>()->topLevelItemCount();
    memoText = form->Panel()->Messages()->Memo()->toPlainText();
    QTest::mouseClick(form->Panel()->ButtonBar()->btnClose, Qt::LeftButton);
  });
  OpenGeneratedDialog(command);
  EXPECT_EQ(caption, "802.1Q Static VLAN : sw1");
  EXPECT_EQ(lines, VlanIndexes().size());
  EXPECT_TRUE(memoText.startsWith("Get: Ok. Receive at ")) << memoText.toStdString();
}

TEST_F(SimDialogs, SynchronousTableRefreshAndErrors) {
  QWidget form;
  QPlainTextEdit memo;
  KySNMPRequest2Edits editor(&form);
  editor.request.varList = KySNMPVarList(tbl::Dot1qVlanStatic);
  QTreeWidget view;
  editor.AttachListView(&view, false);
  editor.SetStatusTarget(&memo);
  editor.asynchronous = false;
  editor.Refresh();
  EXPECT_FALSE(editor.busy);
  EXPECT_EQ(ColumnTexts(&view, 0), VlanIndexes());
  // A device that does not answer: the error is raised with busy cleared.
  editor.request.device.port = 1;
  editor.request.timeout = 20;
  editor.request.retries = 0;
  try {
    editor.Refresh();
    FAIL() << "no error";
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -405);
  }
  EXPECT_FALSE(editor.busy);
}

// Records, for every row a walk delivers, how many lines the view showed
// when it came.
class ShownLinesEdits : public KySNMPRequest2Edits {
 public:
  using KySNMPRequest2Edits::KySNMPRequest2Edits;
  std::vector<int> shown;
  std::function<void(int rows)> afterRow;

 protected:
  void RowReceived() override {
    shown.push_back(ListView()->topLevelItemCount());
    KySNMPRequest2Edits::RowReceived();
    if (afterRow) afterRow(static_cast<int>(shown.size()));
  }
};

// A walk long enough to put its lines into the view in several groups (every
// reply comes a little late): each line once, in the table's order, in
// groups while the walk runs; a walk that breaks off keeps every line it got.
TEST_F(SimDialogs, LongWalkShowsEveryLineOnceAndWhileItRuns) {
  constexpr int kRows = 200;
  constexpr int kBreakAfter = 120;
  for (const bool async : {true, false}) {
    SCOPED_TRACE(async ? "asynchronous" : "synchronous");
    qrxtest::SimProcess slow;
    ASSERT_TRUE(slow.Start({"--rows", "Dot1qVlanStatic=" + std::to_string(kRows), "--fault-delay", "1"}))
        << slow.error();
    const QStringList indexes = VlanIndexes(slow.address());
    ASSERT_EQ(indexes.size(), kRows);

    QWidget form;
    QPlainTextEdit memo;
    QTreeWidget view;
    ShownLinesEdits editor(&form);
    editor.request.varList = KySNMPVarList(tbl::Dot1qVlanStatic);
    // One exchange per row (GET-NEXT) paces the walk and lets the device go
    // away after a known row.
    editor.request.useGetBulk = false;
    editor.request.device.address = slow.host();
    editor.request.device.port = static_cast<uint16_t>(slow.port());
    editor.AttachListView(&view, false);
    editor.SetStatusTarget(&memo);
    editor.asynchronous = async;
    for (int walk = 0; walk < 2; ++walk) {  // the second walk must not keep or repeat lines of the first
      editor.shown.clear();
      editor.Refresh();
      ASSERT_TRUE(WaitFor([&] { return !editor.busy; }, 60000));
      EXPECT_EQ(ColumnTexts(&view, 0), indexes);
      ASSERT_EQ(editor.shown.size(), static_cast<size_t>(kRows));
      EXPECT_GT(editor.shown.back(), 1);  // lines showed before the walk ended
      EXPECT_TRUE(std::is_sorted(editor.shown.begin(), editor.shown.end()));
    }

    // The device goes away in the middle of a walk: the error ends it, and
    // the lines got until then are all in the view once busy is cleared.
    editor.request.timeout = 20;
    editor.request.retries = 0;
    editor.shown.clear();
    editor.afterRow = [&](int rows) {
      if (rows == kBreakAfter) slow.Stop();
    };
    bool raised = false;
    try {
      editor.Refresh();
      ASSERT_TRUE(WaitFor([&] { return !editor.busy; }, 60000));
    } catch (const KySNMPException& e) {
      raised = true;
      EXPECT_EQ(e.code(), -405);
    }
    EXPECT_EQ(raised, !async);  // asynchronous: the error goes to the status line
    EXPECT_FALSE(editor.busy);
    EXPECT_EQ(ColumnTexts(&view, 0), indexes.mid(0, kBreakAfter));
    if (async) {
      const QString status = memo.toPlainText();
      EXPECT_FALSE(status.split(QLatin1Char('\n')).last().startsWith("Get: Ok")) << status.toStdString();
    }
  }
}

// What a read of the static VLAN table into a list view left: the lines
// listed and the last status line (a synchronous read's error is written
// there as the dialogs write it).
struct VlanTableRead {
  int rows = 0;
  QString lastStatus;
};

VlanTableRead ReadVlanTable(const qrxtest::SimProcess& agent, bool async) {
  QWidget form;
  QPlainTextEdit memo;
  QTreeWidget view;
  KySNMPRequest2Edits editor(&form);
  editor.request.varList = KySNMPVarList(tbl::Dot1qVlanStatic);
  editor.request.device.address = agent.host();
  editor.request.device.port = static_cast<uint16_t>(agent.port());
  editor.AttachListView(&view, false);
  editor.SetStatusTarget(&memo);
  editor.asynchronous = async;
  try {
    editor.Refresh();
    EXPECT_TRUE(WaitFor([&] { return !editor.busy; })) << "the walk did not end";
    EXPECT_TRUE(async) << "no error raised";
  } catch (const KySNMPException& e) {
    EXPECT_FALSE(async);
    memo.appendPlainText(QString::fromStdString("Get: " + e.text()));
  }
  return {view.topLevelItemCount(), memo.toPlainText().split(QLatin1Char('\n')).last()};
}

// An agent whose OIDs stop increasing inside a column: the walk ends there,
// the rows read stay in the view, and the status line says why.
TEST_F(SimDialogs, NonIncreasingOidsEndTheWalkWithAReason) {
  qrxtest::SimProcess broken;
  ASSERT_TRUE(broken.Start({"--rows", "Dot1qVlanStatic=5", "--fault-non-increasing", kVlanName})) << broken.error();
  for (const bool async : {true, false}) {
    SCOPED_TRACE(async ? "asynchronous" : "synchronous");
    const VlanTableRead read = ReadVlanTable(broken, async);
    EXPECT_EQ(read.rows, 1) << "the first row stays";
    EXPECT_TRUE(read.lastStatus.startsWith("Get: (SNMPClass) Invalid Object Identifier! ("))
        << read.lastStatus.toStdString();
    EXPECT_TRUE(read.lastStatus.contains("does not follow")) << read.lastStatus.toStdString();
  }
}

// Agents that are not ours. A walk answered with the name asked for and
// NULL ends with the rows read and the reason; a SET answered noError with
// noSuchInstance wrote nothing and says so instead of "Set: Ok".
TEST_F(SimDialogs, EchoedNamesAndUnwrittenSetsAreErrors) {
  qrxtest::SimProcess broken;
  ASSERT_TRUE(broken.Start({"--rows", "Dot1qVlanStatic=5"})) << broken.error();
  const QStringList indexes = VlanIndexes(broken.address());
  ASSERT_EQ(indexes.size(), 5);
  const std::string echoed = std::string(kVlanEgress) + "." + indexes[2].toStdString();
  const std::string history = std::string(tbl::DeviceControl2.rows[11].oid);
  ASSERT_TRUE(broken.Start({"--rows", "Dot1qVlanStatic=5", "--fault-echo", echoed, "--fault-set-nosuch", history}))
      << broken.error();
  for (const bool async : {true, false}) {
    SCOPED_TRACE(async ? "asynchronous" : "synchronous");
    const VlanTableRead read = ReadVlanTable(broken, async);
    EXPECT_EQ(read.rows, 2) << "the rows before the echo stay";
    EXPECT_TRUE(read.lastStatus.startsWith("Get: (SNMPClass) Invalid Object Identifier! ("))
        << read.lastStatus.toStdString();
  }

  const KySNMPDevice saved = GlobalDevice;
  GlobalDevice.address = broken.host();
  GlobalDevice.port = static_cast<uint16_t>(broken.port());
  GeneratedCommand command;
  command.table = &tbl::DeviceControl2;
  command.kind = 0;
  command.caption = "Layer 2 Device Control";
  auto form = BuildGeneratedDialog(command);
  GlobalDevice = saved;
  auto* panel = form->Panel();
  QPlainTextEdit* memo = panel->Messages()->Memo();
  form->show();
  ASSERT_TRUE(WaitFor([&] { return form->FirstRefreshDone() && !form->Editor()->busy; }));
  TEditsPanel* rows = panel->EditsPanel();
  const QString before = rows->RowText(11);
  auto* edit = static_cast<QLineEdit*>(rows->Row(11).editor);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, before == "77" ? "78" : "77");
  QTest::mouseClick(rows->Row(11).check, Qt::LeftButton);
  QTest::mouseClick(panel->ButtonBar()->btnSetChecked, Qt::LeftButton);
  ASSERT_TRUE(WaitFor([&] { return !form->Editor()->busy; }));
  const QString last = memo->toPlainText().split(QLatin1Char('\n')).last();
  EXPECT_TRUE(last.startsWith("Set: (SNMP) Variable does not exist!")) << last.toStdString();
  EXPECT_FALSE(memo->toPlainText().contains("Set: Ok")) << memo->toPlainText().toStdString();
  QTest::mouseClick(panel->ButtonBar()->btnRefresh, Qt::LeftButton);
  ASSERT_TRUE(WaitFor([&] { return !form->Editor()->busy; }));
  EXPECT_EQ(rows->RowText(11), before) << "nothing was written";
  form->close();
}

}  // namespace
