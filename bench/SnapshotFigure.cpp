// The snapshot figure of the walk benchmark (--snapshot): a full settings
// snapshot of the simulator through the snapshot reader (several requests in
// flight), beside the same reads done one command at a time as the dialogs
// read them, on loopback and behind a slow link (the simulator's
// --fault-delay).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/snapshot/SnapshotReader.h"
#include "bench/WalkBench.h"
#include "tests/common/SimProcess.h"
#include "editors/QtSnmpPump.h"
#include "snmp/Messages.h"
#include "snmp/Session.h"

namespace walkbench {

namespace {

struct Run {
  double ms = -1;
  int commands = 0;
  int rows = 0;
  bool complete = false;
  std::string error;
};

// One snapshot with `inFlight` requests at once.
Run TimeSnapshot(int inFlight) {
  Run run;
  KySettingsSnapshotReader reader;
  reader.maxInFlight = inFlight;
  bool done = false;
  QElapsedTimer clock;
  clock.start();
  try {
    reader.Start(nullptr, [&done] { done = true; });
  } catch (const KySNMPException& e) {
    run.error = e.text();
    return run;
  }
  while (!done && clock.elapsed() < 600000) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  run.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  if (!done) {
    reader.Cancel();
    run.error = "did not end within 10 minutes";
    return run;
  }
  run.error = reader.Failure();
  run.commands = static_cast<int>(reader.Result().commands.size());
  run.rows = reader.Result().RowCount();
  run.complete = reader.Result().complete;
  return run;
}

struct Pair {
  double full = -1;
  double oneAtATime = -1;
  int commands = 0;
  int rows = 0;
};

bool Measure(const std::string& simulator, const std::vector<std::string>& switches, bool v3, int repeat,
             const char* what, Pair& out) {
  qrxtest::SimProcess sim;
  sim.setExecutable(simulator);
  if (!sim.Start(switches)) {
    std::fprintf(stderr, "qrx900-walk-bench: %s\n", sim.error().c_str());
    return false;
  }
  AssignSessionGlobals(sim.host(), sim.port(), v3);
  std::vector<double> full, single;
  for (int k = 0; k <= repeat; ++k) {  // the first run is not counted
    const Run a = TimeSnapshot(KySettingsSnapshotReader{}.maxInFlight);
    const Run b = TimeSnapshot(1);
    for (const Run* r : {&a, &b}) {
      if (!r->error.empty() || !r->complete) {
        std::fprintf(stderr, "qrx900-walk-bench: snapshot %s: %s\n", what,
                     r->error.empty() ? "incomplete" : r->error.c_str());
        return false;
      }
    }
    out.commands = a.commands;
    out.rows = a.rows;
    if (k == 0) continue;
    full.push_back(a.ms);
    single.push_back(b.ms);
  }
  out.full = Median(full);
  out.oneAtATime = Median(single);
  std::printf("snapshot %-22s full %8.1f ms   one command at a time %8.1f ms   (%d commands, %d rows)\n", what,
              out.full, out.oneAtATime, out.commands, out.rows);
  std::fflush(stdout);
  return true;
}

}  // namespace

bool SnapshotAvailable() { return true; }

int RunSnapshotFigure(const std::string& simulator, bool v3, int repeat, int delayMs, int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const std::string folder =
      (std::filesystem::temp_directory_path() / ("qrx-snapshot-bench-" + std::to_string(getpid()))).string();
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  try {
    InstallQtSnmpPump();
    InitGlobalSession(folder);
  } catch (const KySNMPException& e) {
    std::fprintf(stderr, "qrx900-walk-bench: %s\n", e.text().c_str());
    return 1;
  }
  std::printf("qrx900-walk-bench --snapshot: every command with settings, %s; %d requests in flight for the full "
              "snapshot, one after the other for the dialogs' way; median of %d runs after one unmeasured run\n",
              v3 ? "SNMPv3 authPriv SHA/AES" : "SNMPv2c", KySettingsSnapshotReader{}.maxInFlight, repeat);
  std::fflush(stdout);
  Pair loopback, slow;
  const std::string delayText = "--fault-delay " + std::to_string(delayMs);
  const bool ok = Measure(simulator, {}, v3, repeat, "on loopback:", loopback) &&
                  Measure(simulator, {"--fault-delay", std::to_string(delayMs)}, v3, std::max(1, repeat / 2),
                          (delayText + ":").c_str(), slow);
  std::filesystem::remove_all(folder, ec);
  if (!ok) return 1;
  std::printf("goal: full snapshot <= 2000 ms on loopback: %s (%.0f ms)\n", loopback.full <= 2000 ? "met" : "NOT met",
              loopback.full);
  std::printf("goal: full snapshot <= 10000 ms with %s: %s (%.0f ms)\n", delayText.c_str(),
              slow.full <= 10000 ? "met" : "NOT met", slow.full);
  std::printf("ratio vs one command at a time: %.2f\n", loopback.oneAtATime / loopback.full);
  std::printf("ratio vs one command at a time, %s: %.2f\n", delayText.c_str(), slow.oneAtATime / slow.full);
  return 0;
}

}  // namespace walkbench
