// The request engine against qrx900-sim's faults of agents that are not
// ours: a walk answered with the name asked for and NULL, a SET answered
// noError with noSuchInstance, an agent silent to a stale SNMPv3 engine ID
// (and one replaced by another engine on the same port), and what a
// discovery probe carries.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/SimProcess.h"
#include "snmp/Messages.h"
#include "snmp/Request.h"
#include "snmp/Session.h"
#include "snmp/StatusMap.h"
#include "snmp/agent/FakeAgent.h"
#include "snmp/agent/TestSession.h"

namespace {

enum class Cred { V2c, V3 };

std::unique_ptr<KySNMPRequest> NewRequest(const std::string& host, int port, Cred cred, int32_t timeout = 100,
                                          int32_t retries = 1) {
  testsession::Ensure();
  auto r = std::make_unique<KySNMPRequest>();
  r->device.address = host;
  r->device.port = static_cast<uint16_t>(port);
  r->timeout = timeout;
  r->retries = retries;
  if (cred == Cred::V2c) {
    r->security.version = SnmpVersion::V2c;
    r->security.readCommunity = "menlak";
    r->security.writeCommunity = "torvesk";
  } else {
    r->security.version = SnmpVersion::V3;
    r->security.securityModel = 3;
    r->security.securityLevel = SecurityLevel::AuthPriv;
    r->security.securityName = "qrxadmin";
    r->security.authProtocol = AuthProtocol::HmacSha;
    r->security.authPassword = "qrxauthpass";
    r->security.privProtocol = PrivProtocol::Aes128;
    r->security.privPassword = "qrxprivpass";
  }
  return r;
}

// sysContact and sysName.
void SystemNames(KySNMPVarList& l) {
  l.kind = 0;
  l.AppendItem("1.3.6.1.2.1.1.4", "sysContact", Syntax::DisplayString, Access::Read | Access::Write);
  l.AppendItem("1.3.6.1.2.1.1.5", "sysName", Syntax::DisplayString, Access::Read | Access::Write);
}

// ifDescr and ifType of the interfaces table.
void Interfaces(KySNMPVarList& l) {
  l.kind = 2;
  l.keyCount = 1;
  l.AppendItem("1.3.6.1.2.1.2.2.1.1", "ifIndex", Syntax::Integer, Access::Key);
  l.AppendItem("1.3.6.1.2.1.2.2.1.2", "ifDescr", Syntax::DisplayString, Access::Read);
  l.AppendItem("1.3.6.1.2.1.2.2.1.3", "ifType", Syntax::Integer, Access::Read);
}

struct WalkResult {
  std::vector<std::string> indexes;
  int code = 0;
  bool operator==(const WalkResult&) const = default;
};

void PrintTo(const WalkResult& w, std::ostream* os) {
  *os << "code " << w.code << ", rows";
  for (const auto& i : w.indexes) *os << " " << i;
}

WalkResult WalkSync(KySNMPRequest& r) {
  WalkResult w;
  try {
    for (bool more = r.Read(true); more && w.indexes.size() < 1000; more = r.Read(false))
      w.indexes.push_back(r.varList.Item(0).value);
  } catch (const KySNMPException& e) {
    w.code = e.code();
  }
  return w;
}

WalkResult WalkAsync(KySNMPRequest& r) {
  WalkResult w;
  bool done = false;
  RequestCallback next = [&](void*, const KySNMPError& e, KySNMPVarList& list) {
    if (e.code != 0 || e.finished || w.indexes.size() >= 1000) {
      w.code = e.code;
      done = true;
      return;
    }
    w.indexes.push_back(list.Item(0).value);
    r.ReadAsync(next, nullptr, false);
  };
  r.ReadAsync(next, nullptr, true);
  testsession::Pump([&] { return done; }, 20000);
  EXPECT_TRUE(done) << "the walk ended";
  return w;
}

int ReadCode(KySNMPRequest& r) {
  try {
    r.Read(true);
  } catch (const KySNMPException& e) {
    return e.code();
  }
  return 0;
}

// What the USM header of an SNMPv3 message says.
struct UsmHeader {
  bool ok = false;
  int flags = -1;
  std::string engineId;
  long long boots = -1, time = -1;
  std::string user;
};

UsmHeader ParseUsm(std::string_view msg) {
  UsmHeader h;
  fake::Reader top(msg);
  uint8_t tag = 0;
  std::string_view seq, c, global, params;
  if (!top.Next(tag, seq) || tag != 0x30) return h;
  fake::Reader m(seq);
  if (!m.Next(tag, c) || tag != 0x02 || fake::IntValue(c) != 3) return h;
  if (!m.Next(tag, global) || tag != 0x30) return h;
  fake::Reader g(global);
  if (!g.Next(tag, c) || !g.Next(tag, c) || !g.Next(tag, c) || tag != 0x04 || c.size() != 1) return h;
  h.flags = static_cast<unsigned char>(c[0]);
  if (!m.Next(tag, params) || tag != 0x04) return h;
  fake::Reader p(params);
  std::string_view usm;
  if (!p.Next(tag, usm) || tag != 0x30) return h;
  fake::Reader u(usm);
  if (!u.Next(tag, c) || tag != 0x04) return h;
  h.engineId = std::string(c);
  if (!u.Next(tag, c) || tag != 0x02) return h;
  h.boots = fake::IntValue(c);
  if (!u.Next(tag, c) || tag != 0x02) return h;
  h.time = fake::IntValue(c);
  if (!u.Next(tag, c) || tag != 0x04) return h;
  h.user = std::string(c);
  h.ok = true;
  return h;
}

// A UDP port on loopback that reads everything and answers nothing.
class SilentPort {
 public:
  SilentPort() {
    fd_ = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
    port_ = ntohs(a.sin_port);
  }
  ~SilentPort() { close(fd_); }
  int port() const { return port_; }
  std::vector<UsmHeader> Received() {
    std::vector<UsmHeader> out;
    char buf[65536];
    ssize_t n;
    while ((n = recv(fd_, buf, sizeof buf, MSG_DONTWAIT)) > 0)
      out.push_back(ParseUsm(std::string_view(buf, static_cast<size_t>(n))));
    return out;
  }

 private:
  int fd_ = -1;
  int port_ = 0;
};

void ExpectProbe(const UsmHeader& h, const std::string& what) {
  ASSERT_TRUE(h.ok) << what << ": an SNMPv3 message";
  EXPECT_EQ(h.engineId, "") << what << ": a probe names no engine";
  EXPECT_EQ(h.boots, 0) << what;
  EXPECT_EQ(h.time, 0) << what;
  EXPECT_EQ(h.user, "") << what;
  EXPECT_EQ(h.flags, 4) << what << ": reportable, noAuthNoPriv";
}

// ---------------------------------------------------------------------------
struct FaultCase {
  const char* name;
  std::vector<std::string> switches;
  std::function<void(qrxtest::SimProcess&)> check;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

const FaultCase kCases[] = {
    {"echoed name ends the walk with its rows",
     {"--fault-echo", "1.3.6.1.2.1.2.2.1.3.5"},
     [](qrxtest::SimProcess& sim) {
       const WalkResult expected{{"1", "2", "3", "4"}, KyErr::ClassInvalidOid};
       for (Cred cred : {Cred::V2c, Cred::V3}) {
         for (bool bulk : {false, true}) {
           SCOPED_TRACE(std::string(cred == Cred::V2c ? "v2c" : "v3") + (bulk ? ", GETBULK" : ", GET-NEXT"));
           auto r = NewRequest(sim.host(), sim.port(), cred);
           r->useGetBulk = bulk;
           Interfaces(r->varList);
           EXPECT_EQ(WalkSync(*r), expected);
           EXPECT_EQ(WalkAsync(*r), expected);
         }
       }
       EXPECT_FALSE(GlobalSnmp->BulkRefused(sim.host(), static_cast<uint16_t>(sim.port())));
     }},
    {"SET answered with noSuchInstance writes nothing and fails",
     {"--fault-set-nosuch", "1.3.6.1.2.1.1.5"},
     [](qrxtest::SimProcess& sim) {
       for (Cred cred : {Cred::V2c, Cred::V3}) {
         SCOPED_TRACE(cred == Cred::V2c ? "v2c" : "v3");
         auto r = NewRequest(sim.host(), sim.port(), cred);
         SystemNames(r->varList);
         ASSERT_FALSE(r->Read(true));
         const std::string contact = r->varList.Item(0).value, name = r->varList.Item(1).value;
         const std::vector<std::string> values{"someone else", "another name"};
         try {
           r->Write("0,1", &values);
           ADD_FAILURE() << "reported as written";
         } catch (const KySNMPException& e) {
           EXPECT_EQ(e.code(), KyErr::SnmpNoSuchName);
           EXPECT_EQ(e.text(), "(SNMP) Variable does not exist!");
         }
         std::vector<KySNMPError> seen;
         r->WriteAsync([&](void*, const KySNMPError& e, KySNMPVarList&) { seen.push_back(e); }, nullptr, "0,1",
                       &values);
         testsession::Pump([&] { return !seen.empty(); });
         ASSERT_EQ(seen.size(), 1u);
         EXPECT_EQ(seen[0].code, KyErr::SnmpNoSuchName);
         EXPECT_EQ(seen[0].errorIndex, 2) << "sysName";
         ASSERT_FALSE(r->Read(true));
         EXPECT_EQ(r->varList.Item(0).value, contact) << "nothing written";
         EXPECT_EQ(r->varList.Item(1).value, name);
         // Outside the subtree a SET writes as usual.
         const std::vector<std::string> contactOnly{"someone else"};
         EXPECT_NO_THROW(r->Write("0", &contactOnly));
         ASSERT_FALSE(r->Read(true));
         EXPECT_EQ(r->varList.Item(0).value, "someone else");
       }
     }},
    {"agent silent to a stale engine ID is discovered again",
     {"--fault-silent-unknown-engine"},
     [](qrxtest::SimProcess& sim) {
       const uint16_t port = static_cast<uint16_t>(sim.port());
       auto first = NewRequest(sim.host(), port, Cred::V3);
       SystemNames(first->varList);
       ASSERT_EQ(ReadCode(*first), 0);
       const std::string real = GlobalSnmp->EngineId(sim.host(), port);
       ASSERT_FALSE(real.empty());
       const std::string stale("\x80\x00\x7e\xd9\x04stale-engine", 17);
       // One retry: the silent try is followed by a discovery and the request.
       GlobalSnmp->SetEngineId(sim.host(), port, stale);
       auto retried = NewRequest(sim.host(), port, Cred::V3, 30, 1);
       SystemNames(retried->varList);
       EXPECT_EQ(ReadCode(*retried), 0);
       EXPECT_EQ(GlobalSnmp->EngineId(sim.host(), port), real);
       // No retry: that exchange times out, the next one discovers.
       GlobalSnmp->SetEngineId(sim.host(), port, stale);
       auto once = NewRequest(sim.host(), port, Cred::V3, 30, 0);
       SystemNames(once->varList);
       EXPECT_EQ(ReadCode(*once), KyErr::ClassTimeout);
       EXPECT_EQ(ReadCode(*once), 0);
       EXPECT_EQ(GlobalSnmp->EngineId(sim.host(), port), real);
     }},
    {"agent replaced by another engine on the same port",
     {"--fault-silent-unknown-engine", "--engine-id", "80007ed9047172782d6f6c64"},
     [](qrxtest::SimProcess& sim) {
       const std::string host = sim.host();
       const int port = sim.port();
       auto r = NewRequest(host, port, Cred::V3, 50, 1);
       SystemNames(r->varList);
       ASSERT_EQ(ReadCode(*r), 0);
       EXPECT_EQ(GlobalSnmp->EngineId(host, static_cast<uint16_t>(port)), std::string("\x80\x00\x7e\xd9\x04qrx-old", 12));
       ASSERT_TRUE(sim.Start({"--port", std::to_string(port), "--fault-silent-unknown-engine", "--engine-id",
                              "80007ed9047172782d6e6577"}))
           << sim.error();
       // The first request after the change succeeds, synchronously ...
       EXPECT_EQ(ReadCode(*r), 0);
       EXPECT_EQ(GlobalSnmp->EngineId(host, static_cast<uint16_t>(port)), std::string("\x80\x00\x7e\xd9\x04qrx-new", 12));
       // ... and asynchronously.
       ASSERT_TRUE(sim.Start({"--port", std::to_string(port), "--fault-silent-unknown-engine", "--engine-id",
                              "80007ed9047172782d6f6c64"}))
           << sim.error();
       std::vector<int> codes;
       r->ReadAsync([&](void*, const KySNMPError& e, KySNMPVarList&) { codes.push_back(e.code); }, nullptr, true);
       testsession::Pump([&] { return !codes.empty(); }, 10000);
       EXPECT_EQ(codes, std::vector<int>{0});
       EXPECT_EQ(GlobalSnmp->EngineId(host, static_cast<uint16_t>(port)), std::string("\x80\x00\x7e\xd9\x04qrx-old", 12));
     }},
    {"discovery probes carry no engine ID, boots or time",
     {},
     [](qrxtest::SimProcess& sim) {
       // The library has seen the simulator's report first ...
       auto r = NewRequest(sim.host(), sim.port(), Cred::V3);
       SystemNames(r->varList);
       ASSERT_EQ(ReadCode(*r), 0);
       const std::string simEngine = GlobalSnmp->EngineId(sim.host(), static_cast<uint16_t>(sim.port()));
       ASSERT_FALSE(simEngine.empty());
       // ... then a first discovery of another agent: every try is a bare probe.
       SilentPort silent;
       auto other = NewRequest("127.0.0.1", silent.port(), Cred::V3, 20, 1);
       SystemNames(other->varList);
       EXPECT_EQ(ReadCode(*other), KyErr::ClassTimeout);
       std::vector<UsmHeader> got = silent.Received();
       ASSERT_EQ(got.size(), 2u) << "one try and one retry";
       for (const UsmHeader& h : got) ExpectProbe(h, "first discovery");
       // A known agent that stops answering: after the silent try the
       // discovery starts afresh, and so does the next exchange.
       GlobalSnmp->SetEngineId("127.0.0.1", static_cast<uint16_t>(silent.port()), simEngine);
       EXPECT_EQ(ReadCode(*other), KyErr::ClassTimeout);
       got = silent.Received();
       ASSERT_EQ(got.size(), 2u);
       ASSERT_TRUE(got[0].ok);
       EXPECT_EQ(got[0].engineId, simEngine) << "the request itself";
       EXPECT_EQ(got[0].user, "qrxadmin");
       ExpectProbe(got[1], "rediscovery after a timeout");
       EXPECT_EQ(GlobalSnmp->EngineId("127.0.0.1", static_cast<uint16_t>(silent.port())), "");
       EXPECT_EQ(ReadCode(*other), KyErr::ClassTimeout);
       got = silent.Received();
       ASSERT_EQ(got.size(), 2u);
       for (const UsmHeader& h : got) ExpectProbe(h, "next exchange");
     }},
};

class SimFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SimFaultTest, EngineCopesWithTheFault) {
  const FaultCase& c = GetParam();
  testsession::Ensure();
  qrxtest::SimProcess sim;
  ASSERT_TRUE(sim.Start(c.switches)) << "the simulator did not start: " << sim.error();
  c.check(sim);
}

INSTANTIATE_TEST_SUITE_P(Faults, SimFaultTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                           std::string n = info.param.name;
                           for (char& ch : n)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });

// Every fault switch is explained in the simulator's help.
TEST(SimFaultHelp, SwitchesAreDescribed) {
  const qrxtest::CommandResult help = qrxtest::RunCommand({qrxtest::SimProcess::DefaultExecutable(), "--help"});
  ASSERT_EQ(help.exitCode, 0) << help.err;
  for (const char* sw : {"--fault-echo OID", "--fault-set-nosuch OID", "--fault-silent-unknown-engine"})
    EXPECT_NE(help.out.find(sw), std::string::npos) << sw;
}

}  // namespace
