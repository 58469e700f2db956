// Launch switches, the device profile and the host suite's keys, checked
// against the global session records and LaunchTexts.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/LaunchParameters.h"
#include "platform/KeyStore.h"
#include "snmp/Messages.h"
#include "snmp/Request.h"
#include "snmp/SessionParams.h"

namespace {

// The three global records and the texts, compared as one.
struct LaunchState {
  KySNMPDevice device;
  KySNMPScope scope;
  KySNMPSecurity security;
  LaunchTexts texts;
};

void ExpectState(const LaunchState& expected, const LaunchTexts& texts) {
  EXPECT_EQ(GlobalDevice.address, expected.device.address);
  EXPECT_EQ(GlobalDevice.port, expected.device.port);
  EXPECT_EQ(GlobalScope.contextEngineId, expected.scope.contextEngineId);
  EXPECT_EQ(GlobalScope.contextName, expected.scope.contextName);
  EXPECT_EQ(+GlobalSecurity.version, +expected.security.version);
  EXPECT_EQ(GlobalSecurity.readCommunity, expected.security.readCommunity);
  EXPECT_EQ(GlobalSecurity.writeCommunity, expected.security.writeCommunity);
  EXPECT_EQ(GlobalSecurity.securityModel, expected.security.securityModel);
  EXPECT_EQ(GlobalSecurity.securityLevel, expected.security.securityLevel);
  EXPECT_EQ(GlobalSecurity.securityName, expected.security.securityName);
  EXPECT_EQ(GlobalSecurity.authPassword, expected.security.authPassword);
  EXPECT_EQ(GlobalSecurity.privPassword, expected.security.privPassword);
  EXPECT_EQ(GlobalSecurity.authProtocol, expected.security.authProtocol);
  EXPECT_EQ(GlobalSecurity.privProtocol, expected.security.privProtocol);
  EXPECT_EQ(texts.agent, expected.texts.agent);
  EXPECT_EQ(texts.readCommunity, expected.texts.readCommunity);
  EXPECT_EQ(texts.writeCommunity, expected.texts.writeCommunity);
  EXPECT_EQ(texts.port, expected.texts.port);
  EXPECT_EQ(texts.version, expected.texts.version);
  EXPECT_EQ(texts.securityModel, expected.texts.securityModel);
  EXPECT_EQ(texts.securityLevel, expected.texts.securityLevel);
  EXPECT_EQ(texts.securityName, expected.texts.securityName);
  EXPECT_EQ(texts.authProtocol, expected.texts.authProtocol);
  EXPECT_EQ(texts.privProtocol, expected.texts.privProtocol);
  EXPECT_EQ(texts.authPassword, expected.texts.authPassword);
  EXPECT_EQ(texts.privPassword, expected.texts.privPassword);
  EXPECT_EQ(texts.contextEngineId, expected.texts.contextEngineId);
  EXPECT_EQ(texts.contextName, expected.texts.contextName);
}

std::string ReadFileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class LaunchTest : public ::testing::Test {
 protected:
  LaunchTest() : folder_(MakeTempFolder()), store(Path("keystore")) {
    AssignDefaultSessionParams();
    ResetMessageTables();
  }
  ~LaunchTest() override {
    ResetMessageTables();
    AssignDefaultSessionParams();
    std::error_code ec;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
  }

  std::string Path(const std::string& relative) const { return folder_ + "/" + relative; }

  void WriteFile(const std::string& relative, const std::string& content) const {
    const std::filesystem::path p(Path(relative));
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << content;
  }

  // A profile in the section "Program Information" with these lines.
  void WriteProfile(const std::string& relative, const std::vector<std::string>& lines) const {
    std::string content = "[Program Information]\r\n";
    for (const std::string& line : lines) content += line + "\r\n";
    WriteFile(relative, content);
  }

  LaunchResult Run(const std::vector<std::string>& args) { return ReadLaunchParameters(texts, args, store, folder_); }

  static std::string MakeTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qrx-launch-XXXXXX").string();
    return mkdtemp(pattern.data()) ? pattern : std::string();
  }

  std::string folder_;
  KyKeyStore store;
  LaunchTexts texts;
};

// A complete SNMPv3 profile; every test that needs one changes what it needs.
std::vector<std::string> V3Profile() {
  return {"AgentPort=1161",        "Version=3",         "ContextName=ctx",      "ContextEngineID=8000",
          "SecurityModel=3",       "SecurityLevel=2",   "SecurityName=admin",   "AuthProtocol=1",
          "PrivProtocol=1",        "AuthPassword=authpass", "PrivPassword=privpass"};
}

// A complete SNMPv1/v2c profile (the zero choices leave the defaults).
std::vector<std::string> V1Profile(const std::string& version = "1") {
  return {"AgentPort=161",  "Version=" + version, "ContextName=", "ContextEngineID=", "SecurityModel=1",
          "SecurityLevel=0", "SecurityName=",      "AuthProtocol=0", "PrivProtocol=0", "AuthPassword=",
          "PrivPassword="};
}

std::vector<std::string> With(std::vector<std::string> lines, const std::string& key, const std::string& value) {
  for (auto it = lines.begin(); it != lines.end();) {
    if (it->rfind(key + "=", 0) == 0)
      it = lines.erase(it);
    else
      ++it;
  }
  lines.push_back(key + "=" + value);
  return lines;
}

std::vector<std::string> Without(std::vector<std::string> lines, const std::string& key) {
  std::erase_if(lines, [&](const std::string& l) { return l.rfind(key + "=", 0) == 0; });
  return lines;
}

struct Case {
  const char* what;
  std::optional<std::vector<std::string>> profile;  // written as "192.0.2.10.cfg" in the current folder
  std::vector<std::string> args;
  std::function<void(LaunchState&)> expect;  // changes to the defaults
};

TEST_F(LaunchTest, SwitchesAndProfileGiveTheRecordsAndTexts) {
  const Case cases[] = {
      {"v1 switches without a profile; SNMPv3 switches are ignored",
       std::nullopt,
       {"/I192.0.2.10", "/Rpublic", "/Wprivate", "/v1", "/nuser1", "/t2000", "/A secret"},
       [](LaunchState& s) {
         s.device.address = s.texts.agent = "192.0.2.10";
         s.security.readCommunity = s.texts.readCommunity = "public";
         s.security.writeCommunity = s.texts.writeCommunity = "private";
         s.security.version = 1;
       }},
      {"/n before /v3 is ignored",
       std::nullopt,
       {"/I192.0.2.10", "/nuser1", "/v3"},
       [](LaunchState& s) {
         s.device.address = s.texts.agent = "192.0.2.10";
         s.security.version = 3;
       }},
      {"/n after /v3 sets the security name",
       std::nullopt,
       {"/I192.0.2.10", "/v3", "/nuser1"},
       [](LaunchState& s) {
         s.device.address = s.texts.agent = "192.0.2.10";
         s.security.version = 3;
         s.security.securityName = s.texts.securityName = "user1";
       }},
      {"every SNMPv3 switch once the gate is open",
       std::nullopt,
       {"/v3", "/I192.0.2.10", "/t1161", "/cctx", "/dengine", "/m3", "/l3", "/nuser", "/Aauth pass", "/Ppriv pass",
        "/a2", "/p2"},
       [](LaunchState& s) {
         s.device.address = s.texts.agent = "192.0.2.10";
         s.security.version = 3;
         s.device.port = 1161;
         s.texts.port = "1161";
         s.scope.contextName = s.texts.contextName = "ctx";
         s.scope.contextEngineId = s.texts.contextEngineId = "engine";
         s.security.securityModel = 3;
         s.texts.securityModel = "3";
         s.security.securityLevel = 3;
         s.texts.securityLevel = "3";
         s.security.securityName = s.texts.securityName = "user";
         s.security.authPassword = s.texts.authPassword = "auth pass";
         s.security.privPassword = s.texts.privPassword = "priv pass";
         s.security.authProtocol = 2;
         s.texts.authProtocol = "2";
         s.security.privProtocol = 2;
         s.texts.privProtocol = "2";
       }},
      {"empty values: the records take them, the texts of /c, /A, /P and /l0 stay",
       std::nullopt,
       {"/v3", "/cctx", "/Aa", "/Pp", "/l3", "/c", "/A", "/P", "/l0", "/d", "/n"},
       [](LaunchState& s) {
         s.security.version = 3;
         s.scope.contextName = "";
         s.texts.contextName = "ctx";
         s.security.authPassword = "";
         s.texts.authPassword = "a";
         s.security.privPassword = "";
         s.texts.privPassword = "p";
         s.security.securityLevel = 0;
         s.texts.securityLevel = "3";
       }},
      {"/t takes the highest port",
       std::nullopt,
       {"/v3", "/t65535"},
       [](LaunchState& s) {
         s.security.version = 3;
         s.device.port = 65535;
         s.texts.port = "65535";
       }},
      {"/v keeps the low 8 bits: 259 is version 3 and opens the gate",
       std::nullopt,
       {"/v259", "/nuser"},
       [](LaunchState& s) {
         s.security.version = 3;
         s.security.securityName = s.texts.securityName = "user";
       }},
      {"/v-1 is 255",
       std::nullopt,
       {"/v-1"},
       [](LaunchState& s) { s.security.version = 255; }},
      {"a switch anywhere in the argument; the value is the rest",
       std::nullopt,
       {"xx/Rcomm/unity", "/nfoo/Rbar", "--/W"},
       [](LaunchState& s) {
         s.security.readCommunity = s.texts.readCommunity = "bar";
         s.security.writeCommunity = s.texts.writeCommunity = "";
       }},
      {"/I is tried first, even inside another switch's value",
       std::nullopt,
       {"/Rab/Icd"},
       [](LaunchState& s) { s.device.address = s.texts.agent = "cd"; }},
      {"the first occurrence of a switch decides where the value starts",
       std::nullopt,
       {"/Rone/Rtwo"},
       [](LaunchState& s) { s.security.readCommunity = s.texts.readCommunity = "one/Rtwo"; }},
      {"switches are case-sensitive and unknown arguments are ignored",
       std::nullopt,
       {"/r1", "/w2", "/V3", "/i4", "plain", "", "/"},
       [](LaunchState&) {}},
      {"a v3 switch with a bad number is ignored while the gate is closed",
       std::nullopt,
       {"/tabc", "/mxyz", "/lq", "/a?", "/p!"},
       [](LaunchState&) {}},
      {"/a and /p leave a text that reads 0",
       std::nullopt,
       {"/v3", "/a0", "/p0", "/a2", "/p2"},
       [](LaunchState& s) {
         s.security.version = 3;
         s.security.authProtocol = 2;
         s.texts.authProtocol = "0";
         s.security.privProtocol = 2;
         s.texts.privProtocol = "0";
       }},
      {"profile v3: zero-based choices become codes",
       V3Profile(),
       {"/I192.0.2.10", "/Rpublic"},
       [](LaunchState& s) {
         s.device.address = s.texts.agent = "192.0.2.10";
         s.security.readCommunity = s.texts.readCommunity = "public";
         s.device.port = 1161;
         s.texts.port = "1161";
         s.security.version = 3;
         s.texts.version = "3";
         s.scope.contextName = s.texts.contextName = "ctx";
         s.scope.contextEngineId = s.texts.contextEngineId = "8000";
         s.security.securityModel = 3;
         s.texts.securityModel = "3";
         s.security.securityLevel = 3;
         s.texts.securityLevel = "3";
         s.security.securityName = s.texts.securityName = "admin";
         s.security.authProtocol = 2;
         s.texts.authProtocol = "2";
         s.security.privProtocol = 2;
         s.texts.privProtocol = "2";
         s.security.authPassword = s.texts.authPassword = "authpass";
         s.security.privPassword = s.texts.privPassword = "privpass";
       }},
      {"profile is only read for arguments after /I",
       V3Profile(),
       {"/Rpublic", "/I192.0.2.10"},
       [](LaunchState& s) {
         s.device.address = s.texts.agent = "192.0.2.10";
         s.security.readCommunity = s.texts.readCommunity = "public";
       }},
      {"profile version 3 opens the gate although /v1 came; /v1 is in force only as the last argument",
       V3Profile(),
       {"/I192.0.2.10", "/v1", "/nother"},
       [](LaunchState& s) {
         s.device.address = s.texts.agent = "192.0.2.10";
         s.device.port = 1161;
         s.texts.port = "1161";
         s.security.version = 3;
         s.texts.version = "3";
         s.scope.contextName = s.texts.contextName = "ctx";
         s.scope.contextEngineId = s.texts.contextEngineId = "8000";
         s.security.securityModel = 3;
         s.texts.securityModel = "3";
         s.security.securityLevel = 3;
         s.texts.securityLevel = "3";
         s.security.securityName = s.texts.securityName = "other";
         s.security.authProtocol = 2;
         s.texts.authProtocol = "2";
         s.security.privProtocol = 2;
         s.texts.privProtocol = "2";
         s.security.authPassword = s.texts.authPassword = "authpass";
         s.security.privPassword = s.texts.privPassword = "privpass";
       }},
      {"a switch in the last argument overrides the profile; earlier ones do not",
       V3Profile(),
       {"/I192.0.2.10", "/t2000", "/nfirst", "/v1"},
       [](LaunchState& s) {
         s.device.address = s.texts.agent = "192.0.2.10";
         s.device.port = 1161;
         s.texts.port = "1161";
         s.security.version = 1;
         s.texts.version = "3";
         s.scope.contextName = s.texts.contextName = "ctx";
         s.scope.contextEngineId = s.texts.contextEngineId = "8000";
         s.security.securityModel = 3;
         s.texts.securityModel = "3";
         s.security.securityLevel = 3;
         s.texts.securityLevel = "3";
         s.security.securityName = s.texts.securityName = "admin";
         s.security.authProtocol = 2;
         s.texts.authProtocol = "2";
         s.security.privProtocol = 2;
         s.texts.privProtocol = "2";
         s.security.authPassword = s.texts.authPassword = "authpass";
         s.security.privPassword = s.texts.privPassword = "privpass";
       }},
      {"profile v1 with zero choices keeps the defaults",
       V1Profile(),
       {"/I192.0.2.10", "/Rr", "/Ww"},
       [](LaunchState& s) {
         s.device.address = s.texts.agent = "192.0.2.10";
         s.security.readCommunity = s.texts.readCommunity = "r";
         s.security.writeCommunity = s.texts.writeCommunity = "w";
         s.security.version = 1;
         s.texts.version = "1";
         s.texts.port = "161";
         s.texts.securityModel = "1";
       }},
      {"profile Version keeps its low bits; the text keeps what was written",
       With(With(V1Profile(), "AgentPort", "4464"), "Version", "257"),
       {"/I192.0.2.10", "/Rr"},
       [](LaunchState& s) {
         s.device.address = s.texts.agent = "192.0.2.10";
         s.security.readCommunity = s.texts.readCommunity = "r";
         s.device.port = 4464;
         s.texts.port = "4464";
         s.security.version = 1;
         s.texts.version = "257";
         s.texts.securityModel = "1";
       }},
      {"profile ContextEngineID empties what /d set, an empty ContextName does not",
       With(With(V3Profile(), "ContextEngineID", ""), "ContextName", ""),
       {"/I192.0.2.10", "/dengine", "/ccontext", "/Rr"},
       [](LaunchState& s) {
         s.device.address = s.texts.agent = "192.0.2.10";
         s.security.readCommunity = s.texts.readCommunity = "r";
         s.device.port = 1161;
         s.texts.port = "1161";
         s.security.version = 3;
         s.texts.version = "3";
         s.scope.contextName = s.texts.contextName = "context";
         s.security.securityModel = 3;
         s.texts.securityModel = "3";
         s.security.securityLevel = 3;
         s.texts.securityLevel = "3";
         s.security.securityName = s.texts.securityName = "admin";
         s.security.authProtocol = 2;
         s.texts.authProtocol = "2";
         s.security.privProtocol = 2;
         s.texts.privProtocol = "2";
         s.security.authPassword = s.texts.authPassword = "authpass";
         s.security.privPassword = s.texts.privPassword = "privpass";
       }},
      {"profile values are trimmed and read without regard to case",
       std::vector<std::string>{"agentport = 1162 ", "VERSION=\t1", "securitymodel=2", "SecurityLevel=0",
                                "AuthProtocol=0", "PrivProtocol=0", "SecurityName=  spaced  "},
       {"/I192.0.2.10", "/Rr"},
       [](LaunchState& s) {
         s.device.address = s.texts.agent = "192.0.2.10";
         s.security.readCommunity = s.texts.readCommunity = "r";
         s.device.port = 1162;
         s.texts.port = "1162";
         s.security.version = 1;
         s.texts.version = "1";
         s.security.securityModel = 2;
         s.texts.securityModel = "2";
         s.security.securityName = s.texts.securityName = "spaced";
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AssignDefaultSessionParams();
    texts = LaunchTexts{};
    std::filesystem::remove(Path("192.0.2.10.cfg"));
    if (c.profile) WriteProfile("192.0.2.10.cfg", *c.profile);
    LaunchState expected;
    c.expect(expected);
    const LaunchResult result = Run(c.args);
    EXPECT_TRUE(result.hadArguments);
    ExpectState(expected, texts);
  }
}

TEST_F(LaunchTest, NoArgumentsLeavesEverythingAndAsksToEnd) {
  WriteProfile(".cfg", V3Profile());
  const LaunchResult result = Run({});
  EXPECT_FALSE(result.hadArguments);
  ExpectState(LaunchState{}, texts);
  EXPECT_STREQ(kNoParameterInput, "No parameter input");
}

TEST_F(LaunchTest, ArgumentsBeforeTheAgentReadTheProfileNamedDotCfg) {
  WriteProfile(".cfg", With(V1Profile("3"), "SecurityName", "early"));
  Run({"/Rr", "/nuser", "/I192.0.2.10", "/Ww"});
  EXPECT_EQ(GlobalSecurity.version, 3);
  EXPECT_EQ(texts.version, "3");
  EXPECT_EQ(GlobalSecurity.securityName, "user");  // the gate was open for /nuser
  EXPECT_EQ(GlobalSecurity.writeCommunity, "w");
}

TEST_F(LaunchTest, ConversionErrorsNameTheOffendingTextAndWhereItCameFrom) {
  struct ErrorCase {
    const char* what;
    std::optional<std::vector<std::string>> profile;
    std::vector<std::string> args;
    std::string message;
  };
  // A profile's number names the file and the key on a second line.
  const auto inProfile = [this](const char* key) {
    return std::string("\nKey \"") + key + "\" of [Program Information] in the device profile \"" +
           Path("192.0.2.10.cfg") + "\"";
  };
  const ErrorCase cases[] = {
      {"/v", std::nullopt, {"/vthree"}, "'three' is not a valid integer value"},
      {"/v empty", std::nullopt, {"/v"}, "'' is not a valid integer value"},
      {"/v beyond 32 bits", std::nullopt, {"/v4294967299"}, "'4294967299' is not a valid integer value"},
      {"/v with trailing blank", std::nullopt, {"/v1 "}, "'1 ' is not a valid integer value"},
      {"/t", std::nullopt, {"/v3", "/t16x"}, "'16x' is not a valid integer value\nSwitch \"/t\""},
      {"/m", std::nullopt, {"/v3", "/m"}, "'' is not a valid integer value"},
      {"/l", std::nullopt, {"/v3", "/l0x1"}, "'0x1' is not a valid integer value"},
      {"/a", std::nullopt, {"/v3", "/a-"}, "'-' is not a valid integer value"},
      {"/p", std::nullopt, {"/v3", "/p 1 2"}, "' 1 2' is not a valid integer value"},
      {"profile AgentPort", With(V1Profile(), "AgentPort", "port"), {"/I192.0.2.10", "/Rr"},
       "'port' is not a valid integer value" + inProfile("AgentPort")},
      {"profile without AgentPort", Without(V1Profile(), "AgentPort"), {"/I192.0.2.10", "/Rr"},
       "'' is not a valid integer value" + inProfile("AgentPort")},
      {"profile without Version", Without(V1Profile(), "Version"), {"/I192.0.2.10", "/Rr"},
       "'' is not a valid integer value" + inProfile("Version")},
      {"profile SecurityModel", With(V1Profile(), "SecurityModel", "usm"), {"/I192.0.2.10", "/Rr"},
       "'usm' is not a valid integer value" + inProfile("SecurityModel")},
      {"profile without SecurityLevel", Without(V3Profile(), "SecurityLevel"), {"/I192.0.2.10", "/Rr"},
       "'' is not a valid integer value" + inProfile("SecurityLevel")},
      {"profile AuthProtocol", With(V3Profile(), "AuthProtocol", "md5"), {"/I192.0.2.10", "/Rr"},
       "'md5' is not a valid integer value" + inProfile("AuthProtocol")},
      {"profile without PrivProtocol", Without(V3Profile(), "PrivProtocol"), {"/I192.0.2.10", "/Rr"},
       "'' is not a valid integer value" + inProfile("PrivProtocol")},
      // Ports outside 1 to 65535 are refused, never cut to 16 bits.
      {"/t beyond 16 bits", std::nullopt, {"/v3", "/t99999999"},
       "'99999999' is not a valid port number (1 to 65535)\nSwitch \"/t\""},
      {"/t 65536", std::nullopt, {"/v3", "/t65536"}, "'65536' is not a valid port number (1 to 65535)\nSwitch \"/t\""},
      {"/t 0", std::nullopt, {"/v3", "/t0"}, "'0' is not a valid port number (1 to 65535)\nSwitch \"/t\""},
      {"/t negative", std::nullopt, {"/v3", "/t-1"}, "'-1' is not a valid port number (1 to 65535)\nSwitch \"/t\""},
      {"profile AgentPort beyond 16 bits", With(V1Profile(), "AgentPort", "70000"), {"/I192.0.2.10", "/Rr"},
       "'70000' is not a valid port number (1 to 65535)" + inProfile("AgentPort")},
      {"profile Timeout", With(V1Profile(), "Timeout", "slow"), {"/I192.0.2.10", "/Rr"},
       "'slow' is not a valid integer value" + inProfile("Timeout")},
      {"profile Timeout 0", With(V1Profile(), "Timeout", "0"), {"/I192.0.2.10", "/Rr"},
       "'0' is not a valid timeout in hundredths of a second (1 to 360000)" + inProfile("Timeout")},
      {"profile Retries negative", With(V1Profile(), "Retries", "-1"), {"/I192.0.2.10", "/Rr"},
       "'-1' is not a valid number of retries (0 to 100)" + inProfile("Retries")},
      {"profile MaxInFlight 0", With(V1Profile(), "MaxInFlight", "0"), {"/I192.0.2.10", "/Rr"},
       "'0' is not a valid number of exchanges in flight (1 to 16)" + inProfile("MaxInFlight")},
      {"profile MaxInFlight 17", With(V1Profile(), "MaxInFlight", "17"), {"/I192.0.2.10", "/Rr"},
       "'17' is not a valid number of exchanges in flight (1 to 16)" + inProfile("MaxInFlight")},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.what);
    AssignDefaultSessionParams();
    texts = LaunchTexts{};
    std::filesystem::remove(Path("192.0.2.10.cfg"));
    if (c.profile) WriteProfile("192.0.2.10.cfg", *c.profile);
    try {
      Run(c.args);
      ADD_FAILURE() << "no conversion error";
    } catch (const KyConvertError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
  }
}

// A switch behind a slow link: the profile may give every exchange more time
// and more retries, and bound the exchanges a walk keeps in flight; without
// the keys the defaults stay as they are.
TEST_F(LaunchTest, ProfileTimeoutAndRetries) {
  const struct {
    const char* what;
    std::vector<std::string> profile;
    int32_t timeout, retries;
    int32_t maxInFlight = 4;
  } cases[] = {
      {"absent", V1Profile(), 100, 1},
      {"empty", With(With(With(V1Profile(), "Timeout", ""), "Retries", ""), "MaxInFlight", ""), 100, 1},
      {"both", With(With(V1Profile(), "Timeout", "500"), "Retries", "3"), 500, 3},
      {"limits", With(With(With(V1Profile(), "Timeout", "360000"), "Retries", "0"), "MaxInFlight", "1"), 360000, 0, 1},
      {"retries only", With(V1Profile(), "Retries", "100"), 100, 100},
      {"in flight only", With(V1Profile(), "MaxInFlight", "16"), 100, 1, 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AssignDefaultSessionParams();
    texts = LaunchTexts{};
    WriteProfile("192.0.2.10.cfg", c.profile);
    Run({"/I192.0.2.10", "/Rr"});
    EXPECT_EQ(GlobalTimeout, c.timeout);
    EXPECT_EQ(GlobalRetries, c.retries);
    EXPECT_EQ(GlobalMaxInFlight, c.maxInFlight);
    KySNMPRequest request;  // every new request takes them
    EXPECT_EQ(request.timeout, c.timeout);
    EXPECT_EQ(request.retries, c.retries);
    EXPECT_EQ(request.maxInFlight, c.maxInFlight);
  }
}

TEST_F(LaunchTest, NumbersAcceptSignsAndLeadingBlanksWithin32Bits) {
  EXPECT_EQ(LaunchStrToInt("0"), 0);
  EXPECT_EQ(LaunchStrToInt("+7"), 7);
  EXPECT_EQ(LaunchStrToInt("  -12"), -12);
  EXPECT_EQ(LaunchStrToInt("2147483647"), 2147483647);
  EXPECT_EQ(LaunchStrToInt("-2147483648"), INT32_MIN);
  for (const char* bad : {"2147483648", "-2147483649", "99999999999999999999", "", " ", "+", "1e3", "0x10", "$10",
                          "1.0", "1 "}) {
    SCOPED_TRACE(bad);
    EXPECT_THROW(LaunchStrToInt(bad), KyConvertError);
  }
}

TEST_F(LaunchTest, ProfileZeroChoicesAndOverflowingChoices) {
  WriteProfile("192.0.2.10.cfg", With(With(V3Profile(), "SecurityLevel", "0"), "AuthProtocol", "2147483647"));
  Run({"/I192.0.2.10", "/Rr"});
  EXPECT_EQ(GlobalSecurity.securityLevel, SecurityLevel::NoAuthNoPriv);
  EXPECT_EQ(texts.securityLevel, "");
  EXPECT_EQ(GlobalSecurity.authProtocol, INT32_MIN);  // integer + 1 wraps
  EXPECT_EQ(texts.authProtocol, "-2147483648");
}

// ---------------------------------------------------------------------------
// Keys of the host suite.

TEST_F(LaunchTest, HelpPathGivesTheMessagePrefix) {
  const std::string hostFolder = Path("Host/Modules/");
  ASSERT_TRUE(store.WriteString(kHelpPathKey, kHelpPathValue, hostFolder + "module01.hlp"));
  WriteFile("Host/Modules/errmsg/common.err", "Loaded common text\n");
  WriteFile("Host/Modules/errmsg/snmp.msg", "G [ERROR]\nS [ERROR]\n");
  const LaunchResult result = Run({"/I192.0.2.10"});
  EXPECT_EQ(result.messagePrefix, hostFolder);
  EXPECT_EQ(CommonMessages.Text(0), "Loaded common text");
  EXPECT_EQ(StatusTemplates.Text(1), "S [ERROR]");
}

TEST_F(LaunchTest, WindowsStyleHelpPathIsMappedToSlashes) {
  // A value written with "\": the prefix keeps it, the files are looked up with "/".
  ASSERT_TRUE(store.WriteString(kHelpPathKey, kHelpPathValue, "Host\\Modules\\module01.hlp"));
  WriteFile("Host/Modules/errmsg/common.err", "Backslash prefix\n");
  const LaunchResult result = Run({"/I192.0.2.10"});
  EXPECT_EQ(result.messagePrefix, "Host\\Modules\\");
  EXPECT_EQ(MessageFilePath(result.messagePrefix, "errmsg\\common.err"), "Host/Modules/errmsg/common.err");
  EXPECT_EQ(CommonMessages.Text(0), "Backslash prefix");
}

TEST_F(LaunchTest, ShortOrMissingHelpPathLooksInTheCurrentFolder) {
  WriteFile("errmsg/common.err", "From the current folder\n");
  for (std::optional<std::string> value : {std::optional<std::string>(), std::optional<std::string>(""),
                                           std::optional<std::string>("module01.hlp"),
                                           std::optional<std::string>("x.hlp")}) {
    SCOPED_TRACE(value.value_or("(no value)"));
    std::filesystem::remove(Path("keystore"));
    if (value) {
      ASSERT_TRUE(store.WriteString(kHelpPathKey, kHelpPathValue, *value));
    }
    ResetMessageTables();
    const LaunchResult result = Run({"/I192.0.2.10"});
    EXPECT_EQ(result.messagePrefix, "");
    EXPECT_EQ(CommonMessages.Text(0), "From the current folder");
  }
}

TEST_F(LaunchTest, HelpPathKeyIsCreatedTheVelmarKeysAreNot) {
  ASSERT_FALSE(store.KeyExists(kHelpPathKey));
  Run({"/I192.0.2.10"});
  EXPECT_TRUE(store.KeyExists(kHelpPathKey));
  EXPECT_FALSE(store.KeyExists(kExePathKey));
  EXPECT_FALSE(store.KeyExists(kMibFileKey));

  // Later starts find the key and leave the store alone.
  struct stat before {}, after {};
  ASSERT_EQ(stat(store.path().c_str(), &before), 0);
  const std::string content = ReadFileText(store.path());
  for (int start = 0; start < 3; ++start) Run({"/I192.0.2.10"});
  ASSERT_EQ(stat(store.path().c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "the store was rewritten";
  EXPECT_EQ(ReadFileText(store.path()), content);
}

TEST_F(LaunchTest, UnwritableKeyStoreStillLaunches) {
  WriteFile("afile", "a file, not a folder");
  KyKeyStore broken(Path("afile/keystore"));
  std::filesystem::create_directories(Path("store-is-a-folder"));
  KyKeyStore folderStore(Path("store-is-a-folder"));
  for (KyKeyStore* s : {&broken, &folderStore}) {
    texts = LaunchTexts{};
    AssignDefaultSessionParams();
    const LaunchResult result = ReadLaunchParameters(texts, {"/I192.0.2.10", "/Rr"}, *s, folder_);
    EXPECT_EQ(result.messagePrefix, "");
    EXPECT_EQ(GlobalSecurity.readCommunity, "r");
  }
}

// Where the profile is looked for: "MibFile" "Path" used as it is, else
// "ExePath" "Path" followed by "../Conf/MBF/" ("\\" read as "/"), else the
// current folder. A "MibFile" key without "Path" still replaces "ExePath".
TEST_F(LaunchTest, ExePathAndMibFileChooseTheProfileFolder) {
  enum class Mib { None, Path, KeyOnly };
  const struct Case {
    const char* what;
    std::string exePath;  // empty: no value
    Mib mib;
    std::string profile;  // where the profile is written, relative to the test's folder
    std::string folder;   // the profile folder the launch reports
  } cases[] = {
      {"ExePath", Path("Host/Bin/"), Mib::None, "Host/Conf/MBF/192.0.2.10.cfg", Path("Host/Bin/") + "../Conf/MBF/"},
      {"MibFile replaces ExePath, no separator added", Path("Host/Bin/"), Mib::Path, "Profiles192.0.2.10.cfg",
       Path("Profiles")},
      {"a MibFile key without Path replaces ExePath too", Path("Host/Bin/"), Mib::KeyOnly, "192.0.2.10.cfg", ""},
      {"backslashes of ExePath read as slashes", "Host\\Bin\\", Mib::None, "Host/Conf/MBF/192.0.2.10.cfg",
       "Host/Bin/../Conf/MBF/"},
      {"no key: the current folder", "", Mib::None, "192.0.2.10.cfg", ""},
  };
  int port = 1000;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove(store.path());  // a store with these keys alone
    if (!c.exePath.empty()) {
      ASSERT_TRUE(store.WriteString(kExePathKey, kPathValue, c.exePath));
    }
    if (c.mib != Mib::None) {
      ASSERT_TRUE(store.WriteString(kMibFileKey, kPathValue, Path("Profiles")));
    }
    if (c.mib == Mib::KeyOnly) {
      ASSERT_TRUE(store.DeleteValue(kMibFileKey, kPathValue));
    }
    ++port;
    WriteProfile(c.profile, With(V1Profile(), "AgentPort", std::to_string(port)));
    AssignDefaultSessionParams();
    const LaunchResult result = Run({"/I192.0.2.10", "/Rr"});
    EXPECT_EQ(result.profileFolder, c.folder);
    EXPECT_EQ(GlobalDevice.port, port) << "the profile there was read";
  }
}

TEST_F(LaunchTest, WithoutAStoreTheUsersDefaultStoreIsUsed) {
  const std::string storePath = Path("env/keystore");
  std::optional<std::string> old;
  if (const char* v = getenv("QRX_KEYSTORE")) old = v;
  setenv("QRX_KEYSTORE", storePath.c_str(), 1);
  ReadLaunchParameters(texts, {"/I192.0.2.10", "/Rr"});
  if (old)
    setenv("QRX_KEYSTORE", old->c_str(), 1);
  else
    unsetenv("QRX_KEYSTORE");
  EXPECT_TRUE(KyKeyStore(storePath).KeyExists(kHelpPathKey));
  EXPECT_EQ(texts.agent, "192.0.2.10");
  EXPECT_EQ(GlobalSecurity.readCommunity, "r");
}

TEST(LaunchArgumentsTest, DropsTheProgramName) {
  const char* argv[] = {"qrx900", "/I192.0.2.10", "", "/Ra b", nullptr};
  EXPECT_EQ(LaunchArguments(4, argv), (std::vector<std::string>{"/I192.0.2.10", "", "/Ra b"}));
  EXPECT_TRUE(LaunchArguments(1, argv).empty());
  EXPECT_TRUE(LaunchArguments(0, nullptr).empty());
}

}  // namespace
