// Smoke run of the whole menu catalogue against the simulator: every
// generated command's dialog is built as the menu builds it, shown, left to
// finish its first read, checked and closed. The commands that fail are
// named with the reason.
//
// The dialogs are shown without a modal loop so that the test can watch them;
// the modal path itself is covered by the menu-command tests.
//
// Every registered dedicated command is opened the same way: its dialog is
// made from the menu's context, shown, left to finish its first read and
// checked for an error status line or a message box. The last line of the
// output counts them: "dedicated commands: D of N open against the
// simulator", N every dedicated command of the catalogue.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "common/CatalogueCommands.h"
#include "common/FakeMainWindow.h"
#include "common/QtTestApp.h"
#include "common/SimProcess.h"
#include "common/SimSession.h"
#include "dialogs/RegisterDialogs.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/GUIConfigForm.h"
#include "editors/GUIGenerator.h"
#include "editors/SnmpDialog.h"
#include "editors/UiSupport.h"
#include "snmp/Messages.h"
#include "snmp/Session.h"
#include "snmp/SessionParams.h"
#include "snmp/SnmpPump.h"

namespace {

QApplication& App() { return qrxtest::TestApp(); }

// The count of the dedicated commands, printed as the very last line of the
// run (after the test summary).
struct DedicatedCount {
  int opened = -1;  // -1: not run
  int all = 0;
};
DedicatedCount& Dedicated() {
  static DedicatedCount count;
  return count;
}
class DedicatedCountPrinter : public ::testing::EmptyTestEventListener {
  void OnTestProgramEnd(const ::testing::UnitTest&) override {
    if (Dedicated().opened < 0) return;
    std::cout << "dedicated commands: " << Dedicated().opened << " of " << Dedicated().all
              << " open against the simulator" << std::endl;
  }
};
[[maybe_unused]] const bool kPrinterAdded = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new DedicatedCountPrinter);
  return true;
}();

// Lets the window system and the SNMP pump run until done() or the limit; the
// limit only keeps a stuck dialog from hanging the run.
template <typename Done>
bool RunUntil(Done done, int limitMs) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > limitMs) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    GlobalEventPump.ProcessEvents(5);
  }
  return true;
}

// Instance OIDs (numeric, without the leading dot) of a walk printed by
// net-snmp's tools with -On; values, including those continued on further
// lines, are left out.
std::set<std::string> WalkedOids(const std::string& out) {
  std::set<std::string> oids;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) {
    const size_t eq = line.find(" = ");
    if (line.size() > 1 && line[0] == '.' && eq != std::string::npos) oids.insert(line.substr(1, eq - 1));
  }
  return oids;
}

bool Under(const std::string& oid, const std::string& subtree) {
  return oid.size() > subtree.size() && oid.compare(0, subtree.size(), subtree) == 0 && oid[subtree.size()] == '.';
}

// The status line of a successful read, up to its time.
std::string OkGetPrefix(const std::string& listName) {
  std::tm fixed{};
  fixed.tm_year = 100;
  fixed.tm_mday = 1;
  fixed.tm_hour = 10;
  const std::string line = StatusLine(kGetStatus, listName, KySnmpText(0), fixed);
  const size_t at = line.find(StatusTime(fixed));
  return at == std::string::npos ? line : line.substr(0, at);
}

class CatalogueSmoke : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    App();
    sim_ = new qrxtest::SimProcess;
    if (!sim_->Start()) {
      startError_ = sim_->error();
      return;
    }
    sessionDir_ = (std::filesystem::temp_directory_path() / ("qrx-smoke-" + std::to_string(getpid()))).string();
    std::filesystem::create_directories(sessionDir_);
    InitGlobalSession(sessionDir_);

    // What the simulator holds: the whole tree, read with net-snmp's tools
    // (SNMPv3 for the framework's own subtree, as the "SNMP V3" menu reads it).
    const std::vector<std::string> v2c = {"-v2c", "-c", qrxtest::SimProcess::kReadCommunity};
    const std::vector<std::string> v3 = {"-v3",  "-l", "authPriv", "-u", qrxtest::SimProcess::kUser,
                                         "-a",   "SHA", "-A",       qrxtest::SimProcess::kAuthPassword,
                                         "-x",   "AES", "-X",       qrxtest::SimProcess::kPrivPassword};
    // The target and notification tables of the agent start empty: one row
    // each (IMPLIED text and OID indexes among them): target parameters "p1",
    // target address "t1", notify "n1", the filter profile "f1" of "p1" and
    // its filter on 1.3.6.1.
    const std::vector<std::vector<std::string>> rows = {
        {"1.3.6.1.6.3.12.1.3.1.2.112.49", "i", "3", "1.3.6.1.6.3.12.1.3.1.3.112.49", "i", "3",
         "1.3.6.1.6.3.12.1.3.1.4.112.49", "s", "qrxadmin", "1.3.6.1.6.3.12.1.3.1.5.112.49", "i", "3",
         "1.3.6.1.6.3.12.1.3.1.7.112.49", "i", "4"},
        {"1.3.6.1.6.3.12.1.2.1.2.116.49", "o", "1.3.6.1.6.1.1", "1.3.6.1.6.3.12.1.2.1.3.116.49", "x",
         "C000020100A2", "1.3.6.1.6.3.12.1.2.1.6.116.49", "s", "tag1", "1.3.6.1.6.3.12.1.2.1.7.116.49", "s", "p1",
         "1.3.6.1.6.3.12.1.2.1.9.116.49", "i", "4"},
        {"1.3.6.1.6.3.13.1.1.1.2.110.49", "s", "tag1", "1.3.6.1.6.3.13.1.1.1.3.110.49", "i", "1",
         "1.3.6.1.6.3.13.1.1.1.5.110.49", "i", "4"},
        {"1.3.6.1.6.3.13.1.2.1.1.112.49", "s", "f1", "1.3.6.1.6.3.13.1.2.1.3.112.49", "i", "4"},
        {"1.3.6.1.6.3.13.1.3.1.3.2.102.49.1.3.6.1", "i", "1", "1.3.6.1.6.3.13.1.3.1.5.2.102.49.1.3.6.1", "i",
         "4"},
    };
    for (const auto& row : rows) {
      std::vector<std::string> args{"snmpset"};
      args.insert(args.end(), v3.begin(), v3.end());
      args.push_back(sim_->address());
      args.insert(args.end(), row.begin(), row.end());
      const auto r = qrxtest::RunCommand(args);
      if (r.exitCode != 0) {
        startError_ = "row " + row.front() + " not created: " + r.err;
        return;
      }
    }

    const std::pair<std::string, const std::vector<std::string>*> subtrees[] = {
        {"1.3.6.1.2", &v2c}, {"1.3.6.1.4", &v2c}, {"1.3.6.1.6.3", &v3}, {"1.0.8802", &v2c}};
    for (const auto& [subtree, auth] : subtrees) {
      std::vector<std::string> args{"snmpbulkwalk"};
      args.insert(args.end(), auth->begin(), auth->end());
      for (const char* a : {"-t", "2", "-r", "2", "-Cr50", "-On"}) args.emplace_back(a);
      args.push_back(sim_->address());
      args.push_back(subtree);
      const auto r = qrxtest::RunCommand(args, 120000);
      if (r.exitCode != 0) {
        startError_ = "walk of " + subtree + " failed: " + r.err;
        return;
      }
      const auto oids = WalkedOids(r.out);
      walked_.insert(oids.begin(), oids.end());
    }
  }

  static void TearDownTestSuite() {
    delete sim_;
    sim_ = nullptr;
    std::error_code ec;
    if (!sessionDir_.empty()) std::filesystem::remove_all(sessionDir_, ec);
  }

  void SetUp() override {
    ASSERT_TRUE(startError_.empty()) << startError_;
    saved_ = {GlobalDevice, GlobalScope, GlobalSecurity, GlobalTimeout, GlobalRetries};
    GlobalDevice.address = sim_->host();
    GlobalDevice.port = static_cast<uint16_t>(sim_->port());
    GlobalScope = {};
    GlobalTimeout = 200;
    GlobalRetries = 2;
    UseCommunities(false);
    SetMessageBoxHook([this](QWidget*, const QString& text, const QString&, QMessageBox::StandardButtons) {
      boxes_ << text;
      return QMessageBox::Ok;
    });
  }
  void TearDown() override {
    SetMessageBoxHook({});
    GlobalDevice = saved_.device;
    GlobalScope = saved_.scope;
    GlobalSecurity = saved_.security;
    GlobalTimeout = saved_.timeout;
    GlobalRetries = saved_.retries;
  }

  // A community run: SNMPv2c, or SNMPv1 with `v1`.
  static void UseCommunities(bool v1) { qrxtest::UseSimCommunities(sim_->host(), sim_->port(), v1); }

  // Rows the simulator holds for a table's readable columns: the distinct
  // instance suffixes found under them.
  static size_t HeldRows(const KyVarDefTable& table) { return HeldSuffixes(table).size(); }
  static std::set<std::string> HeldSuffixes(const KyVarDefTable& table) {
    std::set<std::string> suffixes;
    for (const KyVarDefRow& row : table.rows) {
      if (!(row.access & Access::Read) || row.oid == nullptr || std::string_view(row.oid) == " ") continue;
      const std::string column = row.oid;
      for (auto it = walked_.lower_bound(column + "."); it != walked_.end() && Under(*it, column); ++it)
        suffixes.insert(it->substr(column.size() + 1));
    }
    return suffixes;
  }

  // Opens one command's dialog, waits for its first read and checks it.
  // Returns the reasons it fails (empty when it works).
  std::vector<std::string> Exercise(const MenuEntry& entry) {
    std::vector<std::string> reasons;
    boxes_.clear();
    std::unique_ptr<GeneratedDialog> form;
    try {
      form = BuildCommandDialog(entry, kDevice);
    } catch (const std::exception& e) {
      return {"building the dialog raised: " + ErrorText(e)};
    }
    if (!form) return {"no dialog (definition table missing)"};
    const QString expectedCaption = QString::fromStdString(EntryCaption(entry, kDevice));
    if (form->windowTitle() != expectedCaption)
      reasons.push_back("caption '" + form->windowTitle().toStdString() + "'");

    form->show();
    KySNMPRequest2Edits* editor = form->Editor(0);
    if (editor == nullptr) return {"the dialog has no editor"};
    const bool finished = RunUntil([&] { return form->FirstRefreshDone() && !editor->busy; }, 60000);
    if (!finished) reasons.push_back("first read did not finish");

    TSNMPEditorPanel* panel = form->Panel();
    const QString memo = panel != nullptr && panel->Messages() != nullptr
                             ? panel->Messages()->Memo()->toPlainText()
                             : QString();
    const std::string okPrefix = OkGetPrefix(editor->request.varList.name);
    bool ok = false;
    for (const QString& line : memo.split('\n', Qt::SkipEmptyParts)) {
      const std::string text = line.toStdString();
      if (text.rfind(okPrefix, 0) == 0)
        ok = true;
      else
        reasons.push_back("memo: " + text);
    }
    if (!ok) reasons.push_back("no successful Get line in the memo");
    for (const QString& box : boxes_) reasons.push_back("message box: " + box.toStdString());

    if (entry.pattern == CommandPattern::GeneratedTable) {
      auto* listPanel = dynamic_cast<TSNMPListViewPanel*>(panel);
      if (listPanel == nullptr || listPanel->ListPanel() == nullptr || listPanel->ListPanel()->ListView() == nullptr) {
        reasons.push_back("table command without a list view");
      } else if (entry.kind >= 2) {
        const size_t shown = static_cast<size_t>(listPanel->ListPanel()->ListView()->topLevelItemCount());
        const size_t held = HeldRows(*DefinitionTableOf(entry));
        if (shown != held)
          reasons.push_back("lists " + std::to_string(shown) + " rows, the simulator holds " + std::to_string(held));
        rowsSeen_ += shown;
        // Each listed row addresses the instance it came from, as "Edit" and
        // "Delete" address it: the key columns' texts encode back to a suffix
        // the simulator holds, one row per suffix.
        QTreeWidget* view = listPanel->ListPanel()->ListView();
        std::set<std::string> encoded;
        const std::set<std::string> heldSuffixes = HeldSuffixes(*DefinitionTableOf(entry));
        for (int r = 0; r < view->topLevelItemCount() && entry.keyCount > 0; ++r) {
          QTreeWidgetItem* line = view->topLevelItem(r);
          for (int c = 0; c < line->columnCount(); ++c) {
            const int v = editor->ColumnVariable(c);
            if (v >= 0) editor->request.varList.Item(v).value = line->text(c).toStdString();
          }
          std::string suffix;
          try {
            suffix = editor->request.EncodeIndex();
          } catch (const std::exception& e) {
            reasons.push_back("row " + std::to_string(r) + ": its keys do not encode: " + ErrorText(e));
            break;
          }
          if (!heldSuffixes.count(suffix)) {
            reasons.push_back("row " + std::to_string(r) + " addresses ." + suffix + ", which the simulator does not hold");
            break;
          }
          if (!encoded.insert(suffix).second) {
            reasons.push_back("two rows address ." + suffix);
            break;
          }
        }
      }
    }

    form->close();
    form.reset();
    return reasons;
  }

  void RunAll(bool v1);

  static constexpr const char* kDevice = "qrx900-sim";

  static inline qrxtest::SimProcess* sim_ = nullptr;
  static inline std::string startError_;
  static inline std::string sessionDir_;
  static inline std::set<std::string> walked_;

  struct Saved {
    KySNMPDevice device;
    KySNMPScope scope;
    KySNMPSecurity security;
    int32_t timeout;
    int32_t retries;
  } saved_;
  QStringList boxes_;
  size_t rowsSeen_ = 0;
};

// Every generated command in menu order; the "SNMP V3" menu over SNMPv3 (it
// is open to SNMPv3 runs only), the others over communities.
void CatalogueSmoke::RunAll(bool v1) {
  std::map<std::string, std::vector<std::string>> failures;
  int opened = 0, scalars = 0, tables = 0;
  for (const MenuEntry* entry : qrxtest::CatalogueCommands(qrxtest::CommandKind::Generated)) {
    qrxtest::UseSimFor(*entry, sim_->host(), sim_->port(), v1);
    const auto reasons = Exercise(*entry);
    ++opened;
    (entry->pattern == CommandPattern::GeneratedScalar ? scalars : tables)++;
    if (!reasons.empty()) failures[std::string(entry->handler)] = reasons;
  }
  std::cout << (v1 ? "SNMPv1" : "SNMPv2c") << ": generated commands opened: " << opened << " (" << scalars
            << " scalar, " << tables << " table); table rows listed: " << rowsSeen_ << "; failing: " << failures.size()
            << "\n";
  for (const auto& [handler, reasons] : failures) {
    std::cout << "  " << handler << "\n";
    for (const std::string& r : reasons) std::cout << "      " << r << "\n";
  }
  // What the catalogue holds, counted by each command's editor (a table
  // editor may list a scalar group, as "Statistics Information" does): every
  // one was opened, each in the form its entry calls for.
  int catalogueScalars = 0, catalogueTables = 0;
  for (const MenuEntry* entry : qrxtest::CatalogueCommands(qrxtest::CommandKind::Generated)) {
    if (entry->definition == nullptr) {
      ADD_FAILURE() << entry->handler << " has no definition table";
      continue;
    }
    (entry->pattern == CommandPattern::GeneratedScalar ? catalogueScalars : catalogueTables)++;
  }
  EXPECT_EQ(opened, catalogueScalars + catalogueTables);
  EXPECT_EQ(scalars, catalogueScalars);
  EXPECT_EQ(tables, catalogueTables);
  EXPECT_GT(catalogueScalars, 0);
  EXPECT_GT(catalogueTables, 0);
  EXPECT_GT(rowsSeen_, 0u);
  std::string names;
  for (const auto& [handler, reasons] : failures) names += " " + handler;
  EXPECT_TRUE(failures.empty()) << "commands failing:" << names;
}

TEST_F(CatalogueSmoke, EveryGeneratedCommandReadsTheSimulatorOverSnmpV2c) { RunAll(false); }

TEST_F(CatalogueSmoke, EveryGeneratedCommandReadsTheSimulatorOverSnmpV1) { RunAll(true); }

// A status text of a dedicated dialog that is no "Ok" line.
bool IsErrorLine(const QString& line) {
  return !line.isEmpty() && !line.startsWith(QLatin1String("Get: Ok")) && !line.startsWith(QLatin1String("Set: Ok"));
}

// Opens one dedicated dialog and returns the reasons it fails.
std::vector<std::string> OpenDedicated(const MenuEntry& entry, const DedicatedDialogFactory& factory,
                                       QStringList& boxes) {
  qrxtest::FakeMainWindow mainWindow;
  LaunchTexts texts;
  texts.agent = "qrx900-sim";
  std::vector<std::string> reasons;
  boxes.clear();
  std::unique_ptr<QDialog> dialog;
  try {
    dialog.reset(factory(DialogContext{nullptr, QString::fromLocal8Bit(texts.agent), &mainWindow}));
  } catch (const std::exception& e) {
    return {"making the dialog raised: " + ErrorText(e)};
  }
  if (!dialog) return {"the factory made no dialog"};
  dialog->show();
  if (auto* snmp = qobject_cast<SnmpDialog*>(dialog.get())) {
    if (!RunUntil([&] { return snmp->FirstRefreshDone() && !snmp->AnyBusy(); }, 60000))
      reasons.push_back("first read did not finish");
  } else {
    RunUntil([] { return false; }, 50);  // a dialog without a read: let it settle
  }
  QStringList status;
  for (auto* memo : dialog->findChildren<QPlainTextEdit*>()) status += memo->toPlainText().split('\n');
  for (auto* label : dialog->findChildren<QLabel*>(QStringLiteral("StatusPanel0"))) status << label->text();
  for (const QString& line : status)
    if (IsErrorLine(line)) reasons.push_back("status: " + line.toStdString());
  for (const QString& box : boxes) reasons.push_back("message box: " + box.toStdString());
  dialog->close();
  dialog.reset();
  (void)entry;
  return reasons;
}

TEST_F(CatalogueSmoke, EveryRegisteredDedicatedCommandOpensAgainstTheSimulator) {
  ClearDedicatedDialogs();
  RegisterDedicatedDialogs(DedicatedDialogs());
  UseCommunities(false);
  int all = 0, registered = 0, opened = 0;
  std::map<std::string, std::vector<std::string>> failures;
  for (const MenuEntry* entry : qrxtest::CatalogueCommands(qrxtest::CommandKind::Dedicated)) {
    ++all;
    const DedicatedDialogFactory* factory = FindDedicatedDialogFactory(*entry);
    if (factory == nullptr) continue;
    ++registered;
    const auto reasons = OpenDedicated(*entry, *factory, boxes_);
    if (reasons.empty())
      ++opened;
    else
      failures[std::string(entry->handler)] = reasons;
  }
  ClearDedicatedDialogs();
  Dedicated() = {opened, all};
  for (const auto& [handler, reasons] : failures) {
    std::cout << "  " << handler << "\n";
    for (const std::string& r : reasons) std::cout << "      " << r << "\n";
  }
  EXPECT_EQ(registered, all) << "every dedicated command of the catalogue, \"About\" included, has its dialog";
  EXPECT_EQ(opened, registered) << failures.size() << " registered dialogs failed";
  EXPECT_GT(all, 0);
}

}  // namespace
