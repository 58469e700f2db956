// Settings snapshots against the simulator: the same state read over SNMPv1,
// SNMPv2c and SNMPv3 compares equal; three settings changed through dialogs
// between two snapshots are exactly three differences; a switch that stops
// answering mid-snapshot leaves a snapshot marked incomplete that names the
// commands not read; the two command lines run without a display.
#include <gtest/gtest.h>

#include <signal.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cstdlib>
#include <functional>
#include <map>

#include "app/MenuCommands.h"
#include "app/snapshot/SnapshotFiles.h"
#include "app/snapshot/SnapshotReader.h"
#include "common/QtTestApp.h"
#include "common/SimProcess.h"
#include "common/SimSession.h"
#include "editors/ControlBinding.h"
#include "editors/GUIConfigForm.h"
#include "editors/GUIGenerator.h"
#include "editors/QtSnmpPump.h"
#include "editors/editors_test_support.h"
#include "tables/DefTables.h"

namespace {

bool WaitFor(const std::function<bool()>& done, int ms = 60000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return true;
}

// Reads a snapshot with the current session parameters.
SettingsSnapshot TakeSnapshot(std::string* failure = nullptr,
                              const std::function<void(const KySettingsSnapshotReader::Progress&)>& progress = {}) {
  KySettingsSnapshotReader reader;
  bool done = false;
  reader.Start(progress, [&done] { done = true; });
  EXPECT_TRUE(WaitFor([&] { return done; })) << "the snapshot did not end";
  if (failure) *failure = reader.Failure();
  return reader.Result();
}

const SnapshotCommand* FindCommand(const SettingsSnapshot& s, std::string_view path) {
  for (const auto& c : s.commands)
    if (c.path == path) return &c;
  return nullptr;
}

std::vector<std::string> RowIndexes(const SettingsSnapshot& s, std::string_view path) {
  std::vector<std::string> out;
  if (const SnapshotCommand* c = FindCommand(s, path))
    for (const auto& t : c->tables)
      for (const auto& r : t.rows) out.push_back(r.index);
  return out;
}

QTreeWidgetItem* FindLine(QTreeWidget* view, const QString& key) {
  for (int i = 0; i < view->topLevelItemCount(); ++i)
    if (view->topLevelItem(i)->text(0) == key) return view->topLevelItem(i);
  return nullptr;
}

constexpr std::string_view kConsolePath = "Basic Configuration > Agent Management > Console Mode Control";
constexpr std::string_view kTrustHostPath = "Basic Configuration > Agent Management > Trust Host > Trust Host Table";
constexpr std::string_view kVlanStaticPath = "VLAN > 802.1Q > 802.1Q VLAN > Static Table";

class SnapshotSim : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qrxtest::TestApp();
    session = new qrxtest::SimSession;
    started = session->Start(false, {"--rows", "Dot1qVlanStatic=4"}, &InstallQtSnmpPump);
  }
  static void TearDownTestSuite() {
    delete session;
    session = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(started) << "the simulator did not start: " << session->error();
    qrxtest::UseSimCommunities(session->sim().host(), session->sim().port());
  }

  static qrxtest::SimSession* session;
  static bool started;
};
qrxtest::SimSession* SnapshotSim::session = nullptr;
bool SnapshotSim::started = false;

}  // namespace

TEST_F(SnapshotSim, TheSameStateOverEveryVersionComparesEqual) {
  std::string failure;
  const SettingsSnapshot v2c = TakeSnapshot(&failure);
  ASSERT_TRUE(failure.empty()) << failure;
  ASSERT_TRUE(v2c.complete) << (v2c.NotRead().empty() ? "" : v2c.NotRead()[0]);
  EXPECT_EQ(v2c.commands.size(), SettingsPlan().size());
  EXPECT_GT(v2c.RowCount(), 100);
  EXPECT_FALSE(v2c.sysDescr.empty());
  EXPECT_FALSE(v2c.sysObjectId.empty());

  qrxtest::UseSimCommunities(session->sim().host(), session->sim().port(), /*v1=*/true);
  const SettingsSnapshot v1 = TakeSnapshot(&failure);
  ASSERT_TRUE(failure.empty()) << failure;
  qrxtest::UseSimV3(session->sim().host(), session->sim().port());
  const SettingsSnapshot v3 = TakeSnapshot(&failure);
  ASSERT_TRUE(failure.empty()) << failure;

  EXPECT_TRUE(CompareSnapshots(v2c, v2c).empty());
  EXPECT_EQ(DifferencesText(CompareSnapshots(v2c, v1)), std::string(kNoDifferencesText) + "\n");
  EXPECT_EQ(DifferencesText(CompareSnapshots(v2c, v3)), std::string(kNoDifferencesText) + "\n");
  // What went to the file compares equal to what was read.
  SnapshotParseError error;
  auto back = SnapshotFromJson(SnapshotToJson(v3), error);
  ASSERT_TRUE(back) << error.place << ": " << error.message;
  EXPECT_TRUE(CompareSnapshots(v1, *back).empty());
}

TEST_F(SnapshotSim, ObjectsTheAgentLacksAreMissingNotErrorsInEveryVersion) {
  // The agent lacks the logout time of the console group and the whole trust host table.
  qrxtest::SimProcess lacking;
  ASSERT_TRUE(lacking.Start({"--fault-missing", "1.3.6.1.4.1.32473.12.1.5.5", "--fault-missing",
                             "1.3.6.1.4.1.32473.12.1.2.10.1"}))
      << lacking.error();
  std::map<std::string, SettingsSnapshot> byVersion;
  for (const char* version : {"v1", "v2c", "v3"}) {
    if (std::string(version) == "v3") qrxtest::UseSimV3(lacking.host(), lacking.port());
    else qrxtest::UseSimCommunities(lacking.host(), lacking.port(), std::string(version) == "v1");
    std::string failure;
    SettingsSnapshot s = TakeSnapshot(&failure);
    ASSERT_TRUE(failure.empty()) << version << ": " << failure;
    EXPECT_TRUE(s.complete) << version;
    const SnapshotCommand* console = FindCommand(s, kConsolePath);
    ASSERT_NE(console, nullptr);
    ASSERT_TRUE(console->read) << version << ": " << console->error;
    const auto& values = console->tables.at(0).rows.at(0).values;
    ASSERT_EQ(values.size(), 2u) << version;
    EXPECT_FALSE(values[0].missing) << version;  // the baud rate is there
    EXPECT_TRUE(values[1].missing) << version;   // the logout time is not
    EXPECT_TRUE(RowIndexes(s, kTrustHostPath).empty()) << version;
    byVersion[version] = std::move(s);
  }
  EXPECT_TRUE(CompareSnapshots(byVersion["v1"], byVersion["v2c"]).empty())
      << DifferencesText(CompareSnapshots(byVersion["v1"], byVersion["v2c"]));
  EXPECT_TRUE(CompareSnapshots(byVersion["v2c"], byVersion["v3"]).empty());
  // Against the full agent the missing object is named as such.
  qrxtest::UseSimCommunities(session->sim().host(), session->sim().port());
  const auto diffs = CompareSnapshots(byVersion["v2c"], TakeSnapshot());
  bool named = false;
  for (const auto& d : diffs) named = named || (d.kind == SnapshotDiffKind::MissingBefore && d.label == "Logout Time");
  EXPECT_TRUE(named) << DifferencesText(diffs);
}

TEST_F(SnapshotSim, ThreeSettingsChangedThroughDialogsAreThreeDifferences) {
  BoxRecorder boxes(QMessageBox::Yes);
  const SettingsSnapshot before = TakeSnapshot();
  ASSERT_TRUE(before.complete);
  const auto hosts = RowIndexes(before, kTrustHostPath);
  const auto vlans = RowIndexes(before, kVlanStaticPath);
  ASSERT_GE(vlans.size(), 2u);
  std::string newHost = "7";
  while (std::find(hosts.begin(), hosts.end(), newHost) != hosts.end()) newHost += "1";
  const QString goneVlan = QString::fromStdString(vlans.back());

  // 1. A scalar: the console's logout time, through "Console Mode Control".
  {
    auto form = BuildCommandDialog(*FindMenuEntry("ConsoleModeControl1Click"), "sim");
    ASSERT_TRUE(form);
    form->show();
    ASSERT_TRUE(WaitFor([&] { return form->FirstRefreshDone() && !form->Editor()->busy; }));
    TEditsPanel* rows = form->Panel()->EditsPanel();
    auto* logout = qobject_cast<QComboBox*>(rows->Row(4).editor);
    ASSERT_NE(logout, nullptr);
    ASSERT_GE(logout->count(), 2);
    logout->setCurrentIndex((logout->currentIndex() + 1) % logout->count());
    QTest::mouseClick(rows->Row(4).check, Qt::LeftButton);
    QTest::mouseClick(form->Panel()->ButtonBar()->btnSetChecked, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return !form->Editor()->busy; }));
    form->close();
  }
  // 2. A row added through "Trust Host Table".
  {
    auto form = BuildCommandDialog(*FindMenuEntry("TrustHostTable1Click"), "sim");
    ASSERT_TRUE(form);
    auto* panel = static_cast<TSNMPListViewPanel*>(form->Panel());
    form->show();
    ASSERT_TRUE(WaitFor([&] { return form->FirstRefreshDone() && !form->Editor()->busy; }));
    OnNextModal([&](QWidget*) {
      TEditsPanel* rows = panel->EditsPanel();
      QTest::keyClicks(static_cast<QLineEdit*>(rows->Row(0).editor), QString::fromStdString(newHost));
      QTest::keyClicks(static_cast<QLineEdit*>(rows->Row(1).editor), "10.20.30.40");
      QTest::keyClicks(static_cast<QLineEdit*>(rows->Row(2).editor), "255.255.255.0");
      for (int r : {1, 2}) QTest::mouseClick(rows->Row(r).check, Qt::LeftButton);
      QTest::mouseClick(panel->OpenWindowPanel()->ButtonBar()->btnSetChecked, Qt::LeftButton);
    });
    QTest::mouseClick(panel->ButtonBar()->btnAdd, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] {
      return !form->Editor()->busy && FindLine(panel->ListPanel()->ListView(), QString::fromStdString(newHost));
    }));
    form->close();
  }
  // 3. A VLAN removed through the 802.1Q static table.
  {
    GeneratedCommand command;
    command.table = &tbl::Dot1qVlanStatic;
    command.kind = 3;
    command.keyCount = 1;
    command.tableEditor = true;
    command.rowStatusIndex = 5;
    command.caption = "802.1Q Static VLAN : sim";
    auto form = BuildGeneratedDialog(command);
    auto* panel = static_cast<TSNMPListViewPanel*>(form->Panel());
    QTreeWidget* view = panel->ListPanel()->ListView();
    form->show();
    ASSERT_TRUE(WaitFor([&] { return form->FirstRefreshDone() && !form->Editor()->busy; }));
    ASSERT_NE(FindLine(view, goneVlan), nullptr);
    view->setCurrentItem(FindLine(view, goneVlan));
    QTest::mouseClick(panel->ButtonBar()->btnDelete, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return !form->Editor()->busy && FindLine(view, goneVlan) == nullptr; }));
    form->close();
  }
  EXPECT_EQ(boxes.texts, QStringList{"Are you sure to delete ?"});

  const SettingsSnapshot after = TakeSnapshot();
  ASSERT_TRUE(after.complete);
  const auto diffs = CompareSnapshots(before, after);
  ASSERT_EQ(diffs.size(), 3u) << DifferencesText(diffs);
  EXPECT_EQ(diffs[0].kind, SnapshotDiffKind::Changed);
  EXPECT_EQ(diffs[0].path, kConsolePath);
  EXPECT_EQ(diffs[0].label, "Logout Time");
  EXPECT_EQ(diffs[1].kind, SnapshotDiffKind::OnlyInAfter);
  EXPECT_EQ(diffs[1].path, kTrustHostPath);
  EXPECT_EQ(diffs[1].index, newHost);
  EXPECT_NE(diffs[1].after.find("10.20.30.40"), std::string::npos) << diffs[1].after;
  EXPECT_EQ(diffs[2].kind, SnapshotDiffKind::OnlyInBefore);
  EXPECT_EQ(diffs[2].path, kVlanStaticPath);
  EXPECT_EQ(diffs[2].index, goneVlan.toStdString());
}

TEST_F(SnapshotSim, ASwitchThatStopsAnsweringLeavesAnIncompleteSnapshot) {
  qrxtest::SimProcess slow;
  ASSERT_TRUE(slow.Start({"--fault-delay", "40"})) << slow.error();
  qrxtest::UseSimCommunities(slow.host(), slow.port());
  bool killed = false;
  int doneWhenKilled = 0;
  std::string failure;
  const SettingsSnapshot s = TakeSnapshot(&failure, [&](const KySettingsSnapshotReader::Progress& p) {
    if (!killed && p.commandsDone >= 3) {
      killed = true;
      doneWhenKilled = p.commandsDone;
      kill(slow.pid(), SIGKILL);  // no answer from here on
    }
  });
  slow.Stop();
  ASSERT_TRUE(killed);
  ASSERT_TRUE(failure.empty()) << failure;
  EXPECT_FALSE(s.complete);
  const auto notRead = s.NotRead();
  ASSERT_FALSE(notRead.empty());
  EXPECT_LE(notRead.size(), s.commands.size() - static_cast<size_t>(doneWhenKilled));
  EXPECT_TRUE(s.commands.front().read);

  // The file says so, and a comparison names the commands not read.
  QTemporaryDir dir;
  const QString path = dir.filePath("incomplete.json");
  QString error;
  ASSERT_TRUE(WriteSnapshotFile(path, s, &error)) << error.toStdString();
  auto back = ReadSnapshotFile(path, &error);
  ASSERT_TRUE(back) << error.toStdString();
  EXPECT_FALSE(back->complete);
  EXPECT_EQ(back->NotRead(), notRead);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("\"complete\": false"));
  const auto diffs = CompareSnapshots(*back, *back);
  ASSERT_EQ(diffs.size(), notRead.size());
  EXPECT_EQ(diffs[0].kind, SnapshotDiffKind::NotRead);
}

// ---------------------------------------------------------------------------
// The command lines, run as the program with no display.

class SnapshotCommandLines : public SnapshotSim {
 protected:
  void SetUp() override {
    SnapshotSim::SetUp();
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath("velmar/bin");
    QDir(dir.path()).mkpath("velmar/Conf/MBF");
    keyStore = dir.filePath("keystore").toStdString();
    QFile keys(QString::fromStdString(keyStore));
    ASSERT_TRUE(keys.open(QIODevice::WriteOnly));
    keys.write("[SOFTWARE\\Norvane\\Velmar5.1\\ExePath]\nPath=" + dir.filePath("velmar/bin/").toUtf8() + "\n");
    keys.close();
    QFile profile(dir.filePath("velmar/Conf/MBF/127.0.0.1.cfg"));
    ASSERT_TRUE(profile.open(QIODevice::WriteOnly));
    profile.write(Profile(session->sim().port()).toUtf8());
  }

  // The device profile of the agent: its port, SNMPv1/v2c, and `more` keys.
  static QString Profile(int port, const QString& more = {}) {
    return QString("[Program Information]\nAgentPort=%1\nVersion=1\nSecurityModel=2\nSecurityLevel=0\n"
                   "AuthProtocol=0\nPrivProtocol=0\n%2")
        .arg(port)
        .arg(more);
  }

  // Runs qrx900 in the temporary folder without a display or a platform.
  qrxtest::CommandResult Run(const std::vector<std::string>& args) {
    const char* build = std::getenv("QRX_BUILD_DIR");
    std::vector<std::string> full{"env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "-u", "QT_QPA_PLATFORM",
                                  "QRX_KEYSTORE=" + keyStore, "sh", "-c", "cd \"$0\" && exec \"$@\"",
                                  dir.path().toStdString(),
                                  std::string(build ? build : ".") + "/main/qrx900"};
    full.insert(full.end(), args.begin(), args.end());
    return qrxtest::RunCommand(full, 120000);
  }

  std::string File(const char* name) { return dir.filePath(name).toStdString(); }

  QTemporaryDir dir;
  std::string keyStore;
};

TEST_F(SnapshotCommandLines, SnapshotAndCompareWithoutADisplay) {
  const std::vector<std::string> switches = {"/I127.0.0.1", "/Rmenlak", "/Wtorvesk", "/v1"};
  std::vector<std::string> args = {"--snapshot", File("a.json")};
  args.insert(args.end(), switches.begin(), switches.end());
  auto r = Run(args);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_TRUE(r.err.empty()) << r.err;
  args[1] = File("b.json");
  r = Run(args);
  ASSERT_EQ(r.exitCode, 0) << r.err;

  r = Run({"--compare", File("a.json"), File("b.json")});
  EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
  EXPECT_EQ(r.out, std::string(kNoDifferencesText) + "\n");

  // A difference: the file read back, one setting changed, written again.
  QString error;
  auto snapshot = ReadSnapshotFile(QString::fromStdString(File("a.json")), &error);
  ASSERT_TRUE(snapshot) << error.toStdString();
  SnapshotRow& row = snapshot->commands.front().tables.front().rows.front();
  row.values.front().bytes = EncodeValueBytes([] { KyVb vb; vb.SetInteger(2); return vb; }());
  row.values.front().shown = "changed";
  ASSERT_TRUE(WriteSnapshotFile(QString::fromStdString(File("c.json")), *snapshot, &error));
  r = Run({"--compare", File("a.json"), File("c.json")});
  EXPECT_EQ(r.exitCode, 1) << r.out << r.err;
  EXPECT_EQ(r.out.rfind(snapshot->commands.front().path + " (1)\n", 0), 0u) << r.out;

  // Errors: exit 2 with the file and the place.
  QFile bad(QString::fromStdString(File("bad.json")));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("{\n  \"format\": \"qrx900-settings-snapshot\",\n  \"version\": 1,\n");
  bad.close();
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"--compare", File("a.json"), File("bad.json")}, File("bad.json") + ": line 4, column 1: "},
      {{"--compare", File("nothing.json"), File("a.json")}, File("nothing.json") + ": "},
      {{"--compare", File("a.json")}, "usage: "},
  };
  for (const Case& c : cases) {
    r = Run(c.args);
    EXPECT_EQ(r.exitCode, 2) << c.message;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
}

TEST_F(SnapshotCommandLines, NoAnswerWritesNothingAndFails) {
  qrxtest::SimProcess other;
  ASSERT_TRUE(other.Start()) << other.error();
  const int port = other.port();
  other.Stop();  // a port where nothing answers
  QFile profile(dir.filePath("velmar/Conf/MBF/127.0.0.1.cfg"));
  ASSERT_TRUE(profile.open(QIODevice::WriteOnly | QIODevice::Truncate));
  profile.write(Profile(port, "Timeout=20\nRetries=0\n").toUtf8());
  profile.close();
  auto r = Run({"--snapshot", File("none.json"), "/I127.0.0.1", "/Rmenlak", "/v1"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find(File("none.json") + " not written: (SNMPClass) SNMP request timed out!"), std::string::npos)
      << r.err;
  EXPECT_FALSE(QFile::exists(QString::fromStdString(File("none.json"))));
}
