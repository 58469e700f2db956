// Starting other programs: never through a shell, always with an argument
// vector, so that no argument is split, expanded or interpreted.
#pragma once

#include <string>
#include <vector>

// Folder of the running program's executable, with a trailing "/"; "" when it
// cannot be found.
std::string RunningProgramFolder();

// Where a program named name would be started from: a name holding "/" is
// used as it is; otherwise programFolder is searched first, then every folder
// of searchPath (a PATH-style list; empty entries are skipped, so the current
// folder is never searched implicitly). Only regular files with execute
// permission count. "" when nothing is found.
std::string FindProgram(const std::string& name, const std::string& programFolder, const std::string& searchPath);

// Starts the program found by FindProgram(name, RunningProgramFolder(),
// $PATH) with the arguments args (argv[0] is name), in a session of its own,
// with the caller's environment and without the caller's open files other
// than standard input, output and error. The caller does not wait for it;
// the finished process is reaped in the background. Returns false, with the
// reason in *error when given, when the program is not found or cannot be
// started.
bool StartProgram(const std::string& name, const std::vector<std::string>& args, std::string* error = nullptr);
