// Test helper, header-only: runs qrx900-sim on a free loopback port and
// net-snmp's command-line tools against it. No link dependency; POSIX only.
//
//   qrxtest::SimProcess sim;
//   ASSERT_TRUE(sim.Start({"--fault-delay", "500"})) << sim.error();
//   auto r = qrxtest::RunCommand({"snmpget", "-v2c", "-c", "menlak", sim.address(), "1.3.6.1.2.1.1.1.0"});
//
// The executable is $QRX_SIM, else $QRX_BUILD_DIR/sim/qrx900-sim. Its
// standard error goes to a log file of its own (log()); when it does not
// start, error() says why and carries that log.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qrxtest {

struct CommandResult {
  int exitCode = -1;  // -1: could not start, or killed after the time limit
  bool timedOut = false;
  std::string out;
  std::string err;
};

namespace detail {
inline std::vector<char*> Argv(const std::vector<std::string>& args) {
  std::vector<char*> v;
  for (const auto& a : args) v.push_back(const_cast<char*>(a.c_str()));
  v.push_back(nullptr);
  return v;
}
inline long long NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}
}  // namespace detail

// Runs a program (looked up in PATH, no shell) with MIBS="" so that net-snmp's
// tools print numeric OIDs without loading MIB files; collects its output.
inline CommandResult RunCommand(const std::vector<std::string>& args, int timeoutMs = 20000) {
  CommandResult r;
  if (args.empty()) return r;
  int outPipe[2], errPipe[2];
  if (pipe2(outPipe, O_CLOEXEC) != 0) return r;
  if (pipe2(errPipe, O_CLOEXEC) != 0) {
    close(outPipe[0]);
    close(outPipe[1]);
    return r;
  }
  auto argv = detail::Argv(args);
  pid_t pid = fork();
  if (pid == 0) {
    dup2(outPipe[1], 1);
    dup2(errPipe[1], 2);
    close(outPipe[0]);
    close(errPipe[0]);
    int devnull = open("/dev/null", O_RDONLY);
    if (devnull >= 0) dup2(devnull, 0);
    setenv("MIBS", "", 1);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  if (pid < 0) {
    close(outPipe[0]);
    close(errPipe[0]);
    return r;
  }
  long long deadline = detail::NowMs() + timeoutMs;
  bool outOpen = true, errOpen = true;
  while (outOpen || errOpen) {
    long long left = deadline - detail::NowMs();
    if (left <= 0) {
      r.timedOut = true;
      kill(pid, SIGKILL);
      break;
    }
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    if (!outOpen) fds[0].fd = -1;
    if (!errOpen) fds[1].fd = -1;
    int n = poll(fds, 2, static_cast<int>(left));
    if (n < 0) continue;
    char buf[4096];
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      ssize_t got = read(fds[i].fd, buf, sizeof buf);
      if (got > 0) (i == 0 ? r.out : r.err).append(buf, static_cast<size_t>(got));
      else (i == 0 ? outOpen : errOpen) = false;
    }
  }
  close(outPipe[0]);
  close(errPipe[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  r.exitCode = (!r.timedOut && WIFEXITED(status)) ? WEXITSTATUS(status) : -1;
  return r;
}

class SimProcess {
 public:
  SimProcess() = default;
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;
  ~SimProcess() {
    Stop();
    if (!logPath_.empty()) unlink(logPath_.c_str());
  }

  static std::string DefaultExecutable() {
    if (const char* e = std::getenv("QRX_SIM"); e && *e) return e;
    if (const char* b = std::getenv("QRX_BUILD_DIR"); b && *b) return std::string(b) + "/sim/qrx900-sim";
    // A test executable run by hand from <build>/tests/<area>/.
    char self[4096];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
      std::string dir(self, static_cast<size_t>(n));
      dir = dir.substr(0, dir.rfind('/'));
      std::string guess = dir + "/../../sim/qrx900-sim";
      if (access(guess.c_str(), X_OK) == 0) return guess;
    }
    return "qrx900-sim";
  }

  // Starts the simulator with the given switches on a free port of 127.0.0.1
  // (unless the switches name a port) and waits until it listens. False, with
  // error(), when it does not start within the time limit.
  bool Start(const std::vector<std::string>& switches = {}, int timeoutMs = 10000) {
    Stop();
    error_.clear();
    std::vector<std::string> args{executable_.empty() ? DefaultExecutable() : executable_};
    bool hasPort = false;
    for (const auto& s : switches) hasPort = hasPort || s == "--port" || s.rfind("--port=", 0) == 0;
    if (!hasPort) {
      args.push_back("--port");
      args.push_back("0");
    }
    args.insert(args.end(), switches.begin(), switches.end());
    if (logPath_.empty()) {
      char name[] = "/tmp/qrx-sim-log-XXXXXX";
      int fd = mkstemp(name);
      if (fd < 0) {
        error_ = "cannot create the simulator's log file";
        return false;
      }
      close(fd);
      logPath_ = name;
    }
    int log = open(logPath_.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    int outPipe[2];
    if (log < 0 || pipe2(outPipe, O_CLOEXEC) != 0) {  // no other child inherits it
      if (log >= 0) close(log);
      error_ = "cannot open the simulator's log or its output pipe";
      return false;
    }
    logStart_ = LogSize();
    auto argv = detail::Argv(args);
    const std::string cannotRun = "cannot run " + args[0] + ": ";  // made before the fork: no allocation after it
    pid_ = fork();
    if (pid_ == 0) {
      dup2(outPipe[1], 1);
      dup2(log, 2);
      close(outPipe[0]);
      close(outPipe[1]);
      execv(argv[0], argv.data());
      execvp(argv[0], argv.data());
      const char* why = std::strerror(errno);
      if (write(2, cannotRun.data(), cannotRun.size()) < 0 || write(2, why, std::strlen(why)) < 0 ||
          write(2, "\n", 1) < 0)
        _exit(126);
      _exit(127);
    }
    close(log);
    close(outPipe[1]);
    if (pid_ < 0) {
      close(outPipe[0]);
      error_ = "fork failed";
      return false;
    }
    out_ = outPipe[0];
    long long deadline = detail::NowMs() + timeoutMs;
    std::string text;
    const std::string marker = "listening on udp:";
    while (true) {
      size_t at = text.find(marker);
      size_t eol = at == std::string::npos ? std::string::npos : text.find('\n', at);
      if (eol != std::string::npos) {
        std::string where = text.substr(at + marker.size(), eol - at - marker.size());
        size_t colon = where.rfind(':');
        host_ = where.substr(0, colon);
        port_ = std::atoi(where.c_str() + colon + 1);
        return port_ > 0;
      }
      long long left = deadline - detail::NowMs();
      if (left <= 0) {
        Stop();
        error_ = "qrx900-sim did not start in time; output: " + text + LogSinceStart();
        return false;
      }
      pollfd fd{out_, POLLIN, 0};
      if (poll(&fd, 1, static_cast<int>(left)) <= 0) continue;
      char buf[1024];
      ssize_t got = read(out_, buf, sizeof buf);
      if (got <= 0) {
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        error_ = "qrx900-sim (" + args[0] + ") ended (exit " + std::to_string(exitCode_) + "); output: " + text +
                 LogSinceStart();
        close(out_);
        out_ = -1;
        return false;
      }
      text.append(buf, static_cast<size_t>(got));
    }
  }

  // Ends the simulator (SIGTERM, SIGKILL after 3 s); returns its exit code.
  int Stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      int status = 0;
      long long deadline = detail::NowMs() + 3000;
      pid_t done = 0;
      while ((done = waitpid(pid_, &status, WNOHANG)) == 0 && detail::NowMs() < deadline) usleep(10000);
      if (done == 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
      }
      exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
      pid_ = -1;
    }
    if (out_ >= 0) {
      close(out_);
      out_ = -1;
    }
    return exitCode_;
  }

  void setExecutable(const std::string& path) { executable_ = path; }
  bool running() const { return pid_ > 0; }
  // Exit code of the last run once it has ended (-1: killed by a signal or still running).
  int exitCode() const { return exitCode_; }
  pid_t pid() const { return pid_; }
  int port() const { return port_; }
  const std::string& host() const { return host_; }
  // "127.0.0.1:PORT", the agent argument of net-snmp's tools.
  std::string address() const { return host_ + ":" + std::to_string(port_); }
  const std::string& error() const { return error_; }
  // What the simulator wrote to its standard error, every run of this object.
  std::string log() const {
    if (logPath_.empty()) return {};
    std::ifstream in(logPath_, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  // The default credentials of the simulator.
  static constexpr const char* kReadCommunity = "menlak";
  static constexpr const char* kWriteCommunity = "torvesk";
  static constexpr const char* kUser = "qrxadmin";
  static constexpr const char* kAuthPassword = "qrxauthpass";  // SHA
  static constexpr const char* kPrivPassword = "qrxprivpass";  // AES

 private:
  std::string executable_;
  pid_t pid_ = -1;
  int out_ = -1;
  int exitCode_ = -1;
  int port_ = 0;
  std::string host_ = "127.0.0.1";
  std::string error_;
  std::string logPath_;
  size_t logStart_ = 0;

  size_t LogSize() const {
    std::ifstream in(logPath_, std::ios::binary | std::ios::ate);
    return in ? static_cast<size_t>(in.tellg()) : 0;
  }
  // The log of the last run, for error().
  std::string LogSinceStart() const {
    std::string all = log();
    std::string part = logStart_ < all.size() ? all.substr(logStart_) : std::string();
    return part.empty() ? "; nothing on its standard error" : "; its standard error:\n" + part;
  }
};

}  // namespace qrxtest
