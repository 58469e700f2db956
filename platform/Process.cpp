#include "platform/Process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <thread>

extern char** environ;

namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::string JoinFolder(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

}  // namespace

std::string RunningProgramFolder() {
  std::string buf(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size() - 1);
  if (n <= 0) return {};
  buf.resize(static_cast<std::size_t>(n));
  const std::size_t slash = buf.rfind('/');
  if (slash == std::string::npos) return {};
  return buf.substr(0, slash + 1);
}

std::string FindProgram(const std::string& name, const std::string& programFolder, const std::string& searchPath) {
  if (name.empty()) return {};
  if (name.find('/') != std::string::npos) return IsExecutableFile(name) ? name : std::string();
  if (!programFolder.empty()) {
    const std::string candidate = JoinFolder(programFolder, name);
    if (IsExecutableFile(candidate)) return candidate;
  }
  std::size_t start = 0;
  while (start <= searchPath.size()) {
    std::size_t end = searchPath.find(':', start);
    if (end == std::string::npos) end = searchPath.size();
    const std::string folder = searchPath.substr(start, end - start);
    if (!folder.empty()) {
      const std::string candidate = JoinFolder(folder, name);
      if (IsExecutableFile(candidate)) return candidate;
    }
    start = end + 1;
  }
  return {};
}

bool StartProgram(const std::string& name, const std::vector<std::string>& args, std::string* error) {
  auto fail = [error](std::string why) {
    if (error) *error = std::move(why);
    return false;
  };
  const char* path = std::getenv("PATH");
  const std::string program = FindProgram(name, RunningProgramFolder(), path ? path : "");
  if (program.empty()) return fail("program not found: " + name);

  std::vector<std::string> argvStrings;
  argvStrings.reserve(args.size() + 1);
  argvStrings.push_back(name);
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  argv.reserve(argvStrings.size() + 1);
  for (std::string& a : argvStrings) argv.push_back(a.data());
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attr;
  if (posix_spawn_file_actions_init(&actions) != 0) return fail("cannot prepare the start");
  if (posix_spawnattr_init(&attr) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return fail("cannot prepare the start");
  }
  // The child gets none of our sockets and files, no blocked signals, default
  // handling of the signals we may ignore or catch, and a session of its own
  // so that it outlives us.
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
#endif
  sigset_t empty;
  sigemptyset(&empty);
  posix_spawnattr_setsigmask(&attr, &empty);
  sigset_t defaults;
  sigemptyset(&defaults);
  for (int sig : {SIGPIPE, SIGCHLD, SIGHUP, SIGINT, SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGALRM})
    sigaddset(&defaults, sig);
  posix_spawnattr_setsigdefault(&attr, &defaults);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);

  pid_t pid = 0;
  const int rc = posix_spawn(&pid, program.c_str(), &actions, &attr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (rc != 0) return fail("cannot start " + program + ": " + std::strerror(rc));

  // Nobody keeps a handle of the started program: reap it when it ends so
  // that it leaves no zombie behind.
  try {
    std::thread([pid] {
      int status = 0;
      while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  } catch (const std::system_error&) {
    // No thread to spare: the program runs all the same; it stays a zombie
    // after it ends until this process exits.
  }
  return true;
}
