// Shared pieces of the walk benchmark: the figures of one measured path and
// the list-view figure, which runs in a child process of its own (Qt).
#pragma once

#include <string>
#include <vector>

namespace walkbench {

// What the list-view child needs to reach the simulator and walk the table.
struct ListViewJob {
  std::string host;
  int port = 0;
  std::string table;   // definition-table name
  int repeat = 5;      // measured refreshes after the first one
  bool v3 = false;
  std::string folder;  // for the engine-boots file; a temporary one when empty
};

// Runs inside the child: opens the generated table dialog offscreen, times
// its first walk and `repeat` refreshes, each after a bare engine walk of the
// same table, and prints "rows N", "first MS", "refresh MS MS ...",
// "unpainted MS ...", "engine MS MS ..." and "cpu BARE DIALOG" (processor
// time per walk) on standard output. Returns the process exit code.
int RunListViewChild(const ListViewJob& job, int argc, char** argv);

// Whether this build has the editors library (the list-view figure).
bool ListViewAvailable();

// Points the process-wide session parameters at the simulator (SNMPv2c with
// its communities, or SNMPv3 authPriv with its user).
void AssignSessionGlobals(const std::string& host, int port, bool v3);

double Median(std::vector<double> values);

// The snapshot figure (--snapshot): a full settings snapshot of the
// simulator beside the same reads one command at a time, on loopback and with
// the simulator's --fault-delay `delayMs`. Prints its lines; returns the exit
// code. Only in builds with the Qt parts.
bool SnapshotAvailable();
int RunSnapshotFigure(const std::string& simulator, bool v3, int repeat, int delayMs, int argc, char** argv);

}  // namespace walkbench
