// The snapshot commands without a window, for cron jobs and CI:
//
//   qrx900 --snapshot FILE <the usual switches>
//       reads the switch's settings into FILE; exit 0, or 1 with a one-line
//       reason on standard error (an incomplete snapshot is written, marked
//       incomplete, and still exits 1);
//   qrx900 --compare A B
//       prints the differences between two snapshot files; exit 0 when there
//       are none, 1 when there are, 2 on an error.
//
// Both run on a QCoreApplication: no window is created and no display is
// needed.
#pragma once

#include <string>
#include <vector>

inline constexpr const char* kSnapshotSwitch = "--snapshot";
inline constexpr const char* kCompareSwitch = "--compare";

// Whether the program's arguments ask for one of the two commands.
bool IsSnapshotCommandLine(int argc, char** argv);
// Runs it; returns the exit code. Call before any QApplication exists.
int RunSnapshotCommandLine(int argc, char** argv);

// The two commands on their own (a QCoreApplication must exist for
// SnapshotCommand); messages go to standard output and standard error.
int SnapshotToFileCommand(const std::string& file, const std::vector<std::string>& switches);
int CompareFilesCommand(const std::string& before, const std::string& after);
