// The simulator and the program's SNMP session for tests and benchmarks:
// starts qrx900-sim (optionally writing its SET journal), points the global
// session parameters at it over communities or SNMPv3, and runs the SNMP
// pump on Qt's event loop as the program does.
//
//   qrxtest::SimSession session;
//   ASSERT_TRUE(session.Start(/*journal=*/true)) << session.error();
//   ... a dialog reads and writes ...
//   auto records = qrxtest::ReadSetJournal(session.journalPath());
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "SimProcess.h"
#include "snmp/Session.h"
#include "snmp/SessionParams.h"

namespace qrxtest {

// Session parameters that every new request copies: the simulator over
// SNMPv2c (SNMPv1 with `v1`) with its communities.
inline void UseSimCommunities(const std::string& host, int port, bool v1 = false) {
  GlobalDevice.address = host;
  GlobalDevice.port = static_cast<uint16_t>(port);
  GlobalSecurity = KySNMPSecurity{};
  GlobalSecurity.version = v1 ? SnmpVersion::V1 : SnmpVersion::V2c;
  GlobalSecurity.securityModel = v1 ? SecurityModel::V1 : SecurityModel::V2c;
  GlobalSecurity.readCommunity = SimProcess::kReadCommunity;
  GlobalSecurity.writeCommunity = SimProcess::kWriteCommunity;
}

// The same over SNMPv3 with the simulator's authPriv user (SHA, AES-128).
inline void UseSimV3(const std::string& host, int port) {
  GlobalDevice.address = host;
  GlobalDevice.port = static_cast<uint16_t>(port);
  GlobalSecurity = KySNMPSecurity{};
  GlobalSecurity.version = SnmpVersion::V3;
  GlobalSecurity.securityModel = SecurityModel::Usm;
  GlobalSecurity.securityLevel = SecurityLevel::AuthPriv;
  GlobalSecurity.securityName = SimProcess::kUser;
  GlobalSecurity.authProtocol = AuthProtocol::HmacSha;
  GlobalSecurity.authPassword = SimProcess::kAuthPassword;
  GlobalSecurity.privProtocol = PrivProtocol::Aes128;
  GlobalSecurity.privPassword = SimProcess::kPrivPassword;
}

class SimSession {
 public:
  SimSession() = default;
  ~SimSession() { Stop(); }
  SimSession(const SimSession&) = delete;
  SimSession& operator=(const SimSession&) = delete;

  // Starts the simulator (with `--journal` when asked, and any further
  // switches), creates the session in a folder of its own (the engine-boots
  // file goes there) and assigns the SNMPv2c parameters. `installPump` is a
  // function that makes the pump run on the GUI loop (InstallQtSnmpPump);
  // null leaves the pump as it is.
  bool Start(bool journal, const std::vector<std::string>& switches = {}, void (*installPump)() = nullptr) {
    folder_ = (std::filesystem::temp_directory_path() /
               ("qrx-sim-session-" + std::to_string(getpid()) + "-" + std::to_string(++Counter())))
                  .string();
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    std::vector<std::string> all = switches;
    if (journal) {
      journal_ = folder_ + "/journal.txt";
      all.insert(all.begin(), {"--journal", journal_});
    }
    if (!sim_.Start(all)) {
      error_ = sim_.error();
      return false;
    }
    if (installPump) installPump();
    InitGlobalSession(folder_);
    UseSimCommunities(sim_.host(), sim_.port());
    return true;
  }

  void Stop() {
    sim_.Stop();
    if (!folder_.empty()) {
      std::error_code ec;
      std::filesystem::remove_all(folder_, ec);
      folder_.clear();
    }
  }

  SimProcess& sim() { return sim_; }
  const std::string& journalPath() const { return journal_; }
  const std::string& folder() const { return folder_; }
  const std::string& error() const { return error_; }

 private:
  static int& Counter() {
    static int n = 0;
    return n;
  }
  SimProcess sim_;
  std::string folder_;
  std::string journal_;
  std::string error_;
};

}  // namespace qrxtest
