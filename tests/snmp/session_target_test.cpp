// Session parameters, their defaults and the target of one exchange.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "snmp/BootCounter.h"
#include "snmp/Messages.h"
#include "snmp/Request.h"
#include "snmp/Session.h"
#include "snmp/SessionParams.h"
#include "snmp/agent/TestSession.h"

namespace {

int CodeOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const KySNMPException& e) {
    return e.code();
  }
  return 0;
}

TEST(SessionInit, DefaultsSessionAndBootsFile) {
  testsession::Ensure();
  ASSERT_NE(GlobalSnmp, nullptr);
  EXPECT_TRUE(GlobalSnmp->valid());
  EXPECT_TRUE(GlobalEventPump.started());
  EXPECT_GE(LocalEngineBoots(), 1u);
  std::ifstream in(testsession::Folder() + "/" + kBootCounterFileName);
  std::stringstream ss;
  ss << in.rdbuf();
  EXPECT_EQ(ss.str(), EncodeBootEngineId(kLocalEngineId) + " " + std::to_string(LocalEngineBoots()) + "\n");

  // A second call assigns the defaults again, over anything written before.
  GlobalDevice.address = "192.0.2.1";
  GlobalSecurity.readCommunity = "x";
  GlobalTimeout = 7;
  InitGlobalSession(testsession::Folder());
  EXPECT_EQ(GlobalDevice.address, "127.0.0.1");
  EXPECT_EQ(GlobalDevice.port, 161);
  EXPECT_EQ(GlobalScope.contextEngineId, "");
  EXPECT_EQ(GlobalScope.contextName, "");
  EXPECT_EQ(GlobalSecurity.version, 0);
  EXPECT_EQ(GlobalSecurity.readCommunity, "menlak");
  EXPECT_EQ(GlobalSecurity.writeCommunity, "torvesk");
  EXPECT_EQ(GlobalSecurity.securityModel, 1);
  EXPECT_EQ(GlobalSecurity.securityLevel, 1);
  EXPECT_EQ(GlobalSecurity.authProtocol, 1);
  EXPECT_EQ(GlobalSecurity.privProtocol, 1);
  EXPECT_EQ(GlobalTimeout, 100);
  EXPECT_EQ(GlobalRetries, 1);
}

TEST(SessionInit, RequestsCopyTheGlobalsWhenConstructed) {
  testsession::Ensure();
  GlobalDevice.address = "192.0.2.7";
  GlobalDevice.port = 1161;
  GlobalSecurity.version = 3;
  GlobalSecurity.securityName = "ops";
  GlobalScope.contextName = "ctx";
  GlobalTimeout = 300;
  KySNMPRequest r;
  GlobalDevice.address = "198.51.100.1";
  GlobalSecurity.securityName = "later";
  EXPECT_EQ(r.device.address, "192.0.2.7");
  EXPECT_EQ(r.device.port, 1161);
  EXPECT_EQ(r.security.version, 3);
  EXPECT_EQ(r.security.securityName, "ops");
  EXPECT_EQ(r.scope.contextName, "ctx");
  EXPECT_EQ(r.timeout, 300);
  EXPECT_EQ(r.retries, 1);
  EXPECT_TRUE(r.enabled);
  EXPECT_EQ(r.outstanding, 0);
  EXPECT_FALSE(r.useGetNext);
  AssignDefaultSessionParams();
}

TEST(Target, AddressesAndCommunities) {
  KySNMPSecurity sec;
  sec.version = 1;
  KySnmpTarget t = BuildTarget(KySNMPDevice{"10.90.90.90", 1161}, sec, 300, 2);
  EXPECT_EQ(t.addressText, "10.90.90.90");
  EXPECT_EQ(t.port, 1161);
  EXPECT_EQ(t.timeout, 300);
  EXPECT_EQ(t.retries, 2);
  EXPECT_EQ(t.readCommunity, "menlak");
  EXPECT_EQ(t.writeCommunity, "torvesk");
  // Texts that are no address and no name fail at once; names are looked up
  // without blocking (session_resolver_test.cpp).
  for (const char* bad : {"", "1.2.3.999", "a b", "::1", "host:161", "h\xc3\xa9te"})
    EXPECT_EQ(CodeOf([&] { BuildTarget(KySNMPDevice{bad, 161}, sec, 100, 1); }), -509) << bad;
  EXPECT_EQ(BuildTarget(KySNMPDevice{"127.0.0.1", 161}, sec, 0, -3).timeout, 1) << "clamped";
  EXPECT_EQ(BuildTarget(KySNMPDevice{"127.0.0.1", 161}, sec, 0, -3).retries, 0);
}

TEST(Target, SecurityChecks) {
  struct Case {
    uint8_t version;
    int32_t model, level, auth, priv;
    const char* authPw;
    const char* privPw;
    int code;
  } cases[] = {
      {0, 1, 1, 1, 1, "", "", 0},
      {1, 1, 3, 9, 9, "", "", 0},  // communities: the USM fields do not matter
      {2, 1, 1, 1, 1, "", "", -412},
      {3, 3, 1, 1, 1, "", "", 0},
      {3, 3, 1, 1, 9, "", "", 0},  // no privacy asked for: the protocol is not used
      {3, 3, 2, 2, 1, "12345678", "", 0},
      {3, 3, 3, 3, 2, "12345678", "12345678", 0},
      {3, 3, 3, 5, 19, "12345678", "12345678", 0},
      {3, 3, 3, 7, 21, "12345678", "12345678", 0},
      {3, 3, 3, 3, 9, "12345678", "12345678", -313},
      {3, 3, 3, 3, 3, "12345678", "12345678", -313},
      {3, 3, 2, 8, 1, "12345678", "", -312},
      {3, 3, 2, 1, 1, "", "", -303},
      {3, 3, 3, 3, 1, "12345678", "", -303},
      {3, 3, 4, 3, 2, "12345678", "12345678", -303},
      {3, 3, 2, 3, 1, "1234567", "", -307},
      {3, 3, 3, 3, 2, "12345678", "1234567", -305},
      {3, 2, 1, 1, 1, "", "", -201},
  };
  for (const Case& c : cases) {
    KySNMPSecurity s;
    s.version = c.version;
    s.securityModel = c.model;
    s.securityLevel = c.level;
    s.authProtocol = c.auth;
    s.privProtocol = c.priv;
    s.authPassword = c.authPw;
    s.privPassword = c.privPw;
    int status = CheckSecurity(s);
    EXPECT_EQ(TranslateStatus(status).code, c.code)
        << int(c.version) << "/" << c.level << "/" << c.auth << "/" << c.priv;
  }
}

TEST(Target, ContextEngineIdText) {
  EXPECT_EQ(ContextEngineIdBytes(""), "");
  EXPECT_EQ(ContextEngineIdBytes("plain-name"), "plain-name");
  EXPECT_EQ(ContextEngineIdBytes("800007e580"), std::string("\x80\x00\x07\xe5\x80", 5));
  EXPECT_EQ(ContextEngineIdBytes("0x800007E580"), std::string("\x80\x00\x07\xe5\x80", 5));
  EXPECT_EQ(ContextEngineIdBytes("800007e58"), "800007e58") << "odd length is text";
  EXPECT_EQ(ContextEngineIdBytes("12345678"), "12345678") << "too short for an engine ID";
}

}  // namespace
