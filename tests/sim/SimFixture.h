// GoogleTest fixture around a running qrx900-sim and net-snmp's tools.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "common/SimProcess.h"

class SimFixture : public ::testing::Test {
 protected:
  using Args = std::vector<std::string>;

  void TearDown() override { sim.Stop(); }

  // Starts the simulator; the test fails (fatally) when it does not start.
  void StartSim(const Args& switches = {}) { ASSERT_TRUE(sim.Start(switches)) << sim.error(); }

  static Args V1(const std::string& community = qrxtest::SimProcess::kReadCommunity) {
    return {"-v1", "-c", community};
  }
  static Args V2c(const std::string& community = qrxtest::SimProcess::kReadCommunity) {
    return {"-v2c", "-c", community};
  }
  static Args V2cWrite() { return V2c(qrxtest::SimProcess::kWriteCommunity); }
  static Args V3(const std::string& auth = qrxtest::SimProcess::kAuthPassword,
                 const std::string& priv = qrxtest::SimProcess::kPrivPassword) {
    return {"-v3", "-l", "authPriv", "-u", qrxtest::SimProcess::kUser, "-a", "SHA", "-A", auth, "-x", "AES", "-X", priv};
  }

  // Runs a net-snmp tool against the simulator: numeric OIDs, strings in hex
  // when not printable, timeout 1 s with one retry unless `timing` says else.
  qrxtest::CommandResult Tool(const std::string& tool, const Args& auth, const Args& rest,
                              const Args& timing = {"-t", "1", "-r", "1"}) {
    Args a{tool};
    a.insert(a.end(), auth.begin(), auth.end());
    a.insert(a.end(), timing.begin(), timing.end());
    a.push_back("-On");
    a.push_back(sim.address());
    a.insert(a.end(), rest.begin(), rest.end());
    return qrxtest::RunCommand(a);
  }
  qrxtest::CommandResult Get(const Args& oids, const Args& auth = V2c()) { return Tool("snmpget", auth, oids); }
  qrxtest::CommandResult Walk(const std::string& oid, const Args& auth = V2c()) {
    return Tool("snmpwalk", auth, {oid});
  }
  qrxtest::CommandResult Set(const Args& triples, const Args& auth = V2cWrite()) {
    return Tool("snmpset", auth, triples);
  }

  // "OID = TYPE: value" lines (values may continue on further lines) -> map
  // from the numeric OID without its leading dot to "TYPE: value".
  static std::map<std::string, std::string> Varbinds(const std::string& out) {
    std::map<std::string, std::string> m;
    std::string current;
    size_t pos = 0;
    while (pos < out.size()) {
      size_t eol = out.find('\n', pos);
      if (eol == std::string::npos) eol = out.size();
      std::string line = out.substr(pos, eol - pos);
      pos = eol + 1;
      size_t eq = line.find(" = ");
      if (line.size() > 1 && line[0] == '.' && eq != std::string::npos) {
        current = line.substr(1, eq - 1);
        m[current] = line.substr(eq + 3);
      } else if (!current.empty() && !line.empty()) {
        m[current] += "\n" + line;
      }
    }
    return m;
  }

  // The bytes of a "Hex-STRING: 02 01 ..." value.
  static std::vector<int> HexBytes(const std::string& value) {
    std::vector<int> b;
    size_t colon = value.find(':');
    if (colon == std::string::npos) return b;
    std::string rest = value.substr(colon + 1);
    size_t i = 0;
    while (i < rest.size()) {
      while (i < rest.size() && !std::isxdigit(static_cast<unsigned char>(rest[i]))) ++i;
      if (i + 1 >= rest.size() || !std::isxdigit(static_cast<unsigned char>(rest[i + 1]))) break;
      b.push_back(std::stoi(rest.substr(i, 2), nullptr, 16));
      i += 2;
    }
    return b;
  }

  qrxtest::SimProcess sim;
};
