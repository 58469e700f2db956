// The list-view figure of the walk benchmark: a generated table dialog,
// offscreen, filling its list view from the simulator. Runs in a child process
// (the parent kills it when it takes too long).
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <sys/resource.h>
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
#include "snmp/Request.h"
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

// Processor time this process has used, in milliseconds: unlike the clock,
// it does not grow when other programs take the processors.
double CpuMs() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

// The bare engine walk of the same table in this process, as the parent
// times it: one continuation read per completed row. Milliseconds, or -1.
double BareWalk(const KyVarDefTable& table, int expectedRows, qint64 limitMs) {
  KySNMPRequest request;
  request.varList = KySNMPVarList(table);
  bool finished = false;
  bool ok = false;
  int rows = 0;
  RequestCallback next = [&](void*, const KySNMPError& e, KySNMPVarList&) {
    if (e.code != 0 || e.finished) {
      ok = e.code == 0;
      finished = true;
      return;
    }
    if (request.CheckFilter("")) ++rows;
    request.ReadAsync(next, nullptr, false);
  };
  QElapsedTimer t;
  t.start();
  request.ReadAsync(next, nullptr, true);
  if (!WaitFor([&] { return finished; }, limitMs) || !ok || rows != expectedRows) return -1;
  return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Once the walk has ended the view still lays out and draws its last lines.
// That is timed on its own (it does not grow with the rows, as the view
// draws a screenful) and run before the next walk, so that the bare walk
// timed next does not pay for it. Milliseconds.
double SettleView() {
  QElapsedTimer t;
  t.start();
  for (int k = 0; k < 4; ++k) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
  return static_cast<double>(t.nsecsElapsed()) / 1e6;
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
    std::unique_ptr<GeneratedDialog> form = BuildGeneratedDialog(command);
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
    SettleView();
    const int rows = view->topLevelItemCount();
    if (rows == 0) {
      std::fprintf(stderr, "the list view stayed empty: %s\n", LastLine(memo).c_str());
      return 3;
    }

    // Refreshes of the dialog, each after a bare walk of the engine, so that
    // both see the same conditions.
    std::vector<double> refresh, bare, settle;
    double cpuBare = 0, cpuRefresh = 0;
    for (int k = 0; k < job.repeat; ++k) {
      double cpu = CpuMs();
      const double engineMs = BareWalk(*table, rows, kWalkLimitMs);
      cpuBare += CpuMs() - cpu;
      if (engineMs < 0) {
        std::fprintf(stderr, "a bare engine walk failed\n");
        return 3;
      }
      bare.push_back(engineMs);
      t.restart();
      cpu = CpuMs();
      panel->RefreshClick();
      if (!WaitFor([&] { return !editor->busy; }, kWalkLimitMs)) {
        std::fprintf(stderr, "a refresh did not end\n");
        return 3;
      }
      cpuRefresh += CpuMs() - cpu;
      refresh.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
      settle.push_back(SettleView());
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
      SettleView();
    }
    view->setUpdatesEnabled(true);
    std::printf("rows %d\nfirst %.3f\nrefresh", rows, first);
    for (double ms : refresh) std::printf(" %.3f", ms);
    std::printf("\nunpainted");
    for (double ms : unpainted) std::printf(" %.3f", ms);
    std::printf("\nsettle");
    for (double ms : settle) std::printf(" %.3f", ms);
    std::printf("\nengine");
    for (double ms : bare) std::printf(" %.3f", ms);
    std::printf("\ncpu %.3f %.3f", cpuBare / job.repeat, cpuRefresh / job.repeat);
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
