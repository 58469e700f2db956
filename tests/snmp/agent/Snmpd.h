// net-snmp's snmpd for integration tests: started on a free loopback UDP port
// with a private configuration and persistent folder, no system files, no
// SMUX port; stopped by its process id.
#pragma once

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "snmp/Session.h"
#include "snmp/agent/TestSession.h"

namespace snmpd {

inline constexpr const char* kBinary = "/usr/sbin/snmpd";
// Communities and USM users of the test agent.
inline constexpr const char* kReadCommunity = "qrxread";
inline constexpr const char* kWriteCommunity = "qrxwrite";
inline constexpr const char* kSystemOnlyCommunity = "qrxsys";  // view: the system group only

inline bool Available() { return access(kBinary, X_OK) == 0; }

inline uint16_t FreeUdpPort() {
  int fd = socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
  socklen_t len = sizeof a;
  getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  close(fd);
  return ntohs(a.sin_port);
}

class Agent {
 public:
  Agent() {
    char tmpl[] = "/tmp/qrx-snmpd-XXXXXX";
    const char* d = mkdtemp(tmpl);
    dir_ = d ? d : "/tmp";
  }
  ~Agent() { Stop(); }

  const std::string& dir() const { return dir_; }
  uint16_t port() const { return port_; }
  std::string log() const {
    std::ifstream in(dir_ + "/snmpd.log");
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  // Starts snmpd (keeping the port and the persistent folder of an earlier
  // run unless freshState); true once it answers.
  bool Start(bool freshState = false, const std::string& engineId = {}) {
    engineId_ = engineId;
    Stop();
    if (port_ == 0) port_ = FreeUdpPort();
    std::string persist = dir_ + "/persist";
    if (freshState) {
      persist = dir_ + "/persist" + std::to_string(++generation_);
    }
    mkdir(persist.c_str(), 0700);
    persist_ = persist;
    WriteConfig();
    pid_ = fork();
    if (pid_ == 0) {
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      setenv("SNMP_PERSISTENT_DIR", persist_.c_str(), 1);
      setenv("MIBS", "", 1);
      int log = open((dir_ + "/snmpd.log").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
      if (log >= 0) {
        dup2(log, 1);
        dup2(log, 2);
      }
      std::string conf = dir_ + "/snmpd.conf";
      std::string addr = "udp:127.0.0.1:" + std::to_string(port_);
      execl(kBinary, kBinary, "-f", "-Lo", "-C", "-c", conf.c_str(), "-I", "-smux", addr.c_str(),
            static_cast<char*>(nullptr));
      const char* why = std::strerror(errno);
      if (write(2, "cannot run snmpd: ", 18) < 0 || write(2, why, std::strlen(why)) < 0) _exit(126);
      _exit(127);
    }
    return WaitReady();
  }

  void Stop() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      int status = 0;
      for (int i = 0; i < 100; ++i) {
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
          pid_ = -1;
          return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      pid_ = -1;
    }
  }

  KySNMPDevice Device() const { return KySNMPDevice{"127.0.0.1", port_}; }

 private:
  void WriteConfig() {
    std::ofstream c(dir_ + "/snmpd.conf", std::ios::trunc);
    c << "rocommunity " << kReadCommunity << " 127.0.0.1\n"
      << "rwcommunity " << kWriteCommunity << " 127.0.0.1\n"
      << "rocommunity " << kSystemOnlyCommunity << " 127.0.0.1 .1.3.6.1.2.1.1\n"
      << (engineId_.empty() ? std::string() : "engineID " + engineId_ + "\n")
      << "sysservices 72\n"
      << "createUser alice SHA \"alicepassword\" AES \"aliceprivpass\"\n"
      << "createUser bob SHA \"bobpassword\"\n"
      << "createUser carol SHA-256 \"carolpassword\" AES \"carolprivpass\"\n"
      << "createUser dave MD5 \"davepassword\" DES \"daveprivpass\"\n"
      << "createUser erin SHA-512 \"erinpassword\" AES256 \"erinprivpass\"\n"
      << "rwuser alice priv\n"
      << "rwuser bob auth\n"
      << "rwuser carol priv\n"
      << "rwuser dave priv\n"
      << "rwuser erin priv\n";
  }

  bool WaitReady() {
    testsession::Ensure();
    KySNMPSecurity sec;
    sec.version = SnmpVersion::V2c;
    sec.readCommunity = kReadCommunity;
    KySnmpTarget target = BuildTarget(Device(), sec, 20, 0);
    KyVb vb;
    ParseOidText("1.3.6.1.2.1.1.3.0", vb.oid);
    for (int i = 0; i < 50; ++i) {
      KySnmpOutcome o = GlobalSnmp->SendSync(target, KySNMPScope{}, KySnmpOp::Get, {vb});
      if (o.status == 0) return true;
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        pid_ = -1;
        return false;
      }
    }
    return false;
  }

  std::string dir_;
  std::string persist_;
  uint16_t port_ = 0;
  pid_t pid_ = -1;
  int generation_ = 0;
  std::string engineId_;
};

}  // namespace snmpd
