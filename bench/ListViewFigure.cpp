// The list-view figure of the walk benchmark: a generated table dialog,
// offscreen, filling its list view from the simulator. Runs in a child process
// (the parent kills it when it takes too long).
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/WalkBench.h"
#include "editors/ControlBinding.h"
#include "editors/GUIConfigForm.h"
#include "editors/GUIGenerator.h"
#include "editors/QtSnmpPump.h"
#include "snmp/Messages.h"
#include "snmp/Session.h"
#include "tables/DefTables.h"

namespace walkbench {

bool ListViewAvailable() { return true; }

namespace {

// Runs the Qt event loop until done() or the time is up.
bool WaitFor(const std::function<bool()>& done, qint64 ms) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}

std::string LastLine(const QPlainTextEdit* memo) {
  if (memo == nullptr) return {};
  const QStringList lines = memo->toPlainText().split('\n', Qt::SkipEmptyParts);
  return lines.isEmpty() ? std::string() : lines.last().toStdString();
}

}  // namespace

int RunListViewChild(const ListViewJob& job, int argc, char** argv) {
  if (const char* p = std::getenv("QT_QPA_PLATFORM"); p == nullptr || *p == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);

  const KyVarDefTable* table = nullptr;
  for (const KyVarDefTable* t : AllDefinitionTables())
    if (job.table == t->name) table = t;
  if (table == nullptr) {
    std::fprintf(stderr, "no definition table %s\n", job.table.c_str());
    return 2;
  }

  // The parent removes the folder it gives, even when this process is killed.
  char folderTemplate[] = "/tmp/qrx-walk-bench-view-XXXXXX";
  std::error_code made;
  const char* folder = job.folder.empty() ? mkdtemp(folderTemplate) : job.folder.c_str();
  if (!job.folder.empty()) std::filesystem::create_directories(job.folder, made);
  struct RemoveFolder {
    const char* path;
    ~RemoveFolder() {
      std::error_code ec;
      if (path) std::filesystem::remove_all(path, ec);
    }
  } removeFolder{job.folder.empty() ? folder : nullptr};
  int code = 0;
  try {
    InstallQtSnmpPump();
    InitGlobalSession(folder ? folder : "/tmp");
    AssignSessionGlobals(job.host, job.port, job.v3);

    GeneratedCommand command;
    command.table = table;
    command.kind = table->kind;
    command.keyCount = table->keyCount;
    command.tableEditor = true;
    command.caption = QString::fromUtf8(table->name) + " : " +
                      QString::fromStdString(job.host + ":" + std::to_string(job.port));
    std::unique_ptr<TConfigForm> form = BuildGeneratedDialog(command);
    auto* panel = static_cast<TSNMPListViewPanel*>(form->Panel());
    KySNMPRequest2Edits* editor = form->Editor();
    QTreeWidget* view = panel->ListPanel()->ListView();
    const QPlainTextEdit* memo = panel->Messages() ? panel->Messages()->Memo() : nullptr;
    constexpr qint64 kWalkLimitMs = 300000;

    // The dialog starts its first walk once it is on the screen.
    QElapsedTimer t;
    t.start();
    form->show();
    if (!WaitFor([&] { return form->FirstRefreshDone() && !editor->busy; }, kWalkLimitMs)) {
      std::fprintf(stderr, "the first walk did not end\n");
      return 3;
    }
    const double first = static_cast<double>(t.nsecsElapsed()) / 1e6;
    const int rows = view->topLevelItemCount();
    if (rows == 0) {
      std::fprintf(stderr, "the list view stayed empty: %s\n", LastLine(memo).c_str());
      return 3;
    }

    std::vector<double> refresh;
    for (int k = 0; k < job.repeat; ++k) {
      t.restart();
      panel->RefreshClick();
      if (!WaitFor([&] { return !editor->busy; }, kWalkLimitMs)) {
        std::fprintf(stderr, "a refresh did not end\n");
        return 3;
      }
      refresh.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
      if (view->topLevelItemCount() != rows) {
        std::fprintf(stderr, "a refresh showed %d rows, the first walk %d: %s\n", view->topLevelItemCount(), rows,
                     LastLine(memo).c_str());
        return 3;
      }
    }
    // The same with the list view not painting: how much of the time is
    // drawing the lines as they arrive.
    std::vector<double> unpainted;
    view->setUpdatesEnabled(false);
    for (int k = 0; k < std::min(job.repeat, 3); ++k) {
      t.restart();
      panel->RefreshClick();
      if (!WaitFor([&] { return !editor->busy; }, kWalkLimitMs)) break;
      unpainted.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    view->setUpdatesEnabled(true);
    std::printf("rows %d\nfirst %.3f\nrefresh", rows, first);
    for (double ms : refresh) std::printf(" %.3f", ms);
    std::printf("\nunpainted");
    for (double ms : unpainted) std::printf(" %.3f", ms);
    std::printf("\n");
    std::fflush(stdout);
    form->FormClose();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    code = 3;
  }
  return code;
}

}  // namespace walkbench
