// The request engine and the session against net-snmp's snmpd: reads, walks,
// writes, row creation, the ends of a walk, SNMPv3 users and their failures.
#include <gtest/gtest.h>
#include <unistd.h>

#include <map>
#include <memory>

#include "common/WalkRows.h"
#include "snmp/Messages.h"
#include "snmp/Request.h"
#include "snmp/Session.h"
#include "snmp/agent/Snmpd.h"
#include "snmp/agent/TestSession.h"
#include "tables/DefTables.h"

namespace {

struct Creds {
  const char* name;
  uint8_t version;
  const char* user = "";
  int32_t level = 1;
  int32_t auth = 1;
  const char* authPassword = "";
  int32_t priv = 1;
  const char* privPassword = "";
};

const Creds kV1{"v1", SnmpVersion::V1};
const Creds kV2c{"v2c", SnmpVersion::V2c};
const Creds kAlice{"v3_sha_aes128", SnmpVersion::V3, "alice", 3, AuthProtocol::HmacSha, "alicepassword",
                   PrivProtocol::Aes128, "aliceprivpass"};
const Creds kBob{"v3_sha_authnopriv", SnmpVersion::V3, "bob", 2, AuthProtocol::HmacSha, "bobpassword"};
const Creds kCarol{"v3_sha256_aes128", SnmpVersion::V3, "carol", 3, AuthProtocol::HmacSha256, "carolpassword",
                   PrivProtocol::Aes128, "carolprivpass"};
const Creds kDave{"v3_md5_des", SnmpVersion::V3, "dave", 3, AuthProtocol::HmacMd5, "davepassword",
                  PrivProtocol::Des, "daveprivpass"};
const Creds kErin{"v3_sha512_aes256", SnmpVersion::V3, "erin", 3, AuthProtocol::HmacSha512, "erinpassword",
                  PrivProtocol::Aes256, "erinprivpass"};

snmpd::Agent* g_agent = nullptr;
bool g_ready = false;

class SnmpdEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (!snmpd::Available()) return;
    g_agent = new snmpd::Agent();
    g_ready = g_agent->Start();
  }
  void TearDown() override {
    delete g_agent;
    g_agent = nullptr;
  }
};
const auto* const g_env = ::testing::AddGlobalTestEnvironment(new SnmpdEnvironment);

std::unique_ptr<KySNMPRequest> NewRequest(const Creds& c, const KySNMPDevice& device) {
  auto r = std::make_unique<KySNMPRequest>();
  r->device = device;
  r->security.version = c.version;
  r->security.readCommunity = snmpd::kReadCommunity;
  r->security.writeCommunity = snmpd::kWriteCommunity;
  r->security.securityModel = SecurityModel::Usm;
  r->security.securityName = c.user;
  r->security.securityLevel = c.level;
  r->security.authProtocol = c.auth;
  r->security.authPassword = c.authPassword;
  r->security.privProtocol = c.priv;
  r->security.privPassword = c.privPassword;
  r->timeout = 100;
  return r;
}

void SystemGroup(KySNMPVarList& l) {
  l.kind = 0;
  l.AppendItem("1.3.6.1.2.1.1.1", "sysDescr", Syntax::DisplayString, Access::Read);
  l.AppendItem("1.3.6.1.2.1.1.2", "sysObjectID", Syntax::ObjectId, Access::Read);
  l.AppendItem("1.3.6.1.2.1.1.3", "sysUpTime", Syntax::TimeTicks, Access::Read);
  l.AppendItem("1.3.6.1.2.1.1.4", "sysContact", Syntax::DisplayString, Access::Read | Access::Write);
  l.AppendItem("1.3.6.1.2.1.1.5", "sysName", Syntax::DisplayString, Access::Read | Access::Write);
  l.AppendItem("1.3.6.1.2.1.1.6", "sysLocation", Syntax::DisplayString, Access::Read | Access::Write);
  l.AppendItem("1.3.6.1.2.1.1.7", "sysServices", Syntax::Integer, Access::Read);
}

void SysOrTable(KySNMPVarList& l) {
  l.kind = 2;
  l.keyCount = 1;
  l.AppendItem("1.3.6.1.2.1.1.9.1.1", "sysORIndex", Syntax::Integer, Access::Key);
  l.AppendItem("1.3.6.1.2.1.1.9.1.2", "sysORID", Syntax::ObjectId, Access::Read);
  l.AppendItem("1.3.6.1.2.1.1.9.1.3", "sysORDescr", Syntax::DisplayString, Access::Read);
  l.AppendItem("1.3.6.1.2.1.1.9.1.4", "sysORUpTime", Syntax::TimeTicks, Access::Read);
}

// vacmSecurityToGroupTable: security model and name index a group name.
void VacmGroupTable(KySNMPVarList& l) {
  l.kind = 2;
  l.keyCount = 2;
  l.AppendItem("1.3.6.1.6.3.16.1.2.1.1", "vacmSecurityModel", Syntax::Integer, Access::Key);
  l.AppendItem("1.3.6.1.6.3.16.1.2.1.2", "vacmSecurityName", Syntax::DisplayString, Access::Key);
  l.AppendItem("1.3.6.1.6.3.16.1.2.1.3", "vacmGroupName", Syntax::DisplayString, Access::Read | Access::Write);
  l.AppendItem("1.3.6.1.6.3.16.1.2.1.4", "vacmSecurityToGroupStorageType", Syntax::Integer,
               Access::Read | Access::Write);
  l.AppendItem("1.3.6.1.6.3.16.1.2.1.5", "vacmSecurityToGroupStatus", Syntax::Integer,
               Access::Read | Access::Write);
}

int CodeOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const KySNMPException& e) {
    return e.code();
  }
  return 0;
}

// Rows of a synchronous walk: the index texts.
std::vector<std::string> WalkIndexes(KySNMPRequest& r) {
  std::vector<std::string> rows;
  for (bool more = r.Read(true); more && rows.size() < 10000; more = r.Read(false))
    rows.push_back(r.varList.Item(0).value);
  return rows;
}

class SnmpdTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(snmpd::Available()) << snmpd::kBinary << " is missing (scripts/install-deps installs snmpd)";
    ASSERT_TRUE(g_ready) << "snmpd did not start; its log:\n" << g_agent->log();
  }
  KySNMPDevice Device() const { return g_agent->Device(); }
};

class SnmpdCredsTest : public SnmpdTest, public ::testing::WithParamInterface<Creds> {};

std::string CredsName(const ::testing::TestParamInfo<Creds>& info) { return info.param.name; }

// ---------------------------------------------------------------------------
TEST_P(SnmpdCredsTest, GetOfTheSystemGroup) {
  auto r = NewRequest(GetParam(), Device());
  SystemGroup(r->varList);
  EXPECT_FALSE(r->Read(true)) << "a scalar group is read in one call";
  char host[256] = {};
  gethostname(host, sizeof host - 1);
  EXPECT_EQ(r->varList.Item(4).value, host);
  EXPECT_EQ(r->varList.Item(1).value.rfind("1.3.6.1.4.1.8072.", 0), 0u) << r->varList.Item(1).value;
  uint32_t ticks = 0;
  EXPECT_TRUE(ParseTimeTicks(r->varList.Item(2).value, ticks)) << r->varList.Item(2).value;
  EXPECT_GT(ticks, 0u);
  EXPECT_FALSE(r->varList.Item(0).value.empty());
  EXPECT_EQ(r->varList.Item(6).value, "72");
}

TEST_P(SnmpdCredsTest, WalkOfATableSynchronouslyAndAsynchronously) {
  auto r = NewRequest(GetParam(), Device());
  SysOrTable(r->varList);
  std::vector<std::string> rows;
  for (bool more = r->Read(true); more && rows.size() < 1000; more = r->Read(false)) {
    rows.push_back(r->varList.Item(0).value);
    EXPECT_EQ(r->varList.Item(0).lastOid, "1.3.6.1.2.1.1.9.1.1." + rows.back());
    EXPECT_EQ(r->varList.Item(1).lastOid, "1.3.6.1.2.1.1.9.1.2." + rows.back());
    EXPECT_NE(r->varList.Item(2).value, "(NOTDONE)");
    EXPECT_NE(r->varList.Item(3).value, "(NOTDONE)");
  }
  ASSERT_GE(rows.size(), 2u);
  for (size_t i = 1; i < rows.size(); ++i) EXPECT_LT(std::stoi(rows[i - 1]), std::stoi(rows[i]));

  std::vector<std::string> asyncRows;
  bool finished = false;
  int code = 0;
  KySNMPRequest* req = r.get();
  RequestCallback cb = [&](void*, const KySNMPError& e, KySNMPVarList& list) {
    code = e.code;
    if (e.code != 0 || e.finished) {
      finished = true;
      return;
    }
    asyncRows.push_back(list.Item(0).value);
    req->ReadAsync(cb, nullptr, false);
  };
  r->ReadAsync(cb, nullptr, true);
  testsession::Pump([&] { return finished; }, 20000);
  EXPECT_TRUE(finished);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(asyncRows, rows);
  EXPECT_EQ(r->outstanding, 0);
}

// Every row of a walk with all its items, and the items where it stopped.
std::vector<std::string> WalkRows(KySNMPRequest& r, bool async) {
  return qrxtest::WalkRows(r, async, 1000, [](const std::function<bool()>& done) {
    testsession::Pump(done, 20000);
    return done();
  });
}

// usmUserTable: engine ID and user name index the protocols.
void UsmUserTable(KySNMPVarList& l) {
  l.kind = 2;
  l.keyCount = 2;
  l.AppendItem("1.3.6.1.6.3.15.1.2.2.1.1", "usmUserEngineID", Syntax::OctetString, Access::Key);
  l.AppendItem("1.3.6.1.6.3.15.1.2.2.1.2", "usmUserName", Syntax::DisplayString, Access::Key);
  l.AppendItem("1.3.6.1.6.3.15.1.2.2.1.3", "usmUserSecurityName", Syntax::DisplayString, Access::Read);
  l.AppendItem("1.3.6.1.6.3.15.1.2.2.1.5", "usmUserAuthProtocol", Syntax::ObjectId, Access::Read);
  l.AppendItem("1.3.6.1.6.3.15.1.2.2.1.8", "usmUserPrivProtocol", Syntax::ObjectId, Access::Read);
  l.AppendItem("1.3.6.1.6.3.15.1.2.2.1.12", "usmUserStorageType", Syntax::Integer, Access::Read);
}

// The same tables walked by GET-NEXT and by GETBULK (SNMPv1 always walks by
// GET-NEXT): the same rows, the same end.
TEST_P(SnmpdCredsTest, WalksByGetBulkGiveTheRowsOfGetNext) {
  GlobalSnmp->ForgetBulkRefusals();
  using Fill = void (*)(KySNMPVarList&);
  for (Fill fill : {Fill{SysOrTable}, Fill{VacmGroupTable}, Fill{UsmUserTable}}) {
    auto plain = NewRequest(GetParam(), Device());
    plain->useGetBulk = false;
    fill(plain->varList);
    const std::vector<std::string> expected = WalkRows(*plain, false);
    ASSERT_GE(expected.size(), 3u) << expected.front();
    EXPECT_EQ(expected.front().rfind("code", 0), std::string::npos) << expected.front();
    for (bool async : {false, true}) {
      auto bulk = NewRequest(GetParam(), Device());
      fill(bulk->varList);
      EXPECT_EQ(WalkRows(*bulk, async), expected) << (async ? "asynchronous" : "synchronous");
    }
  }
  EXPECT_FALSE(GlobalSnmp->BulkRefused("127.0.0.1", Device().port)) << "snmpd speaks GETBULK";
}

// A GET of objects the agent lacks: SNMPv1 refuses the whole request with
// noSuchName; SNMPv2c and SNMPv3 read the same, keeping the values that came.
TEST_P(SnmpdCredsTest, MissingObjectsReadAsNoSuchName) {
  const bool v1 = GetParam().version == SnmpVersion::V1;
  {
    // A group the agent does not have at all.
    auto r = NewRequest(GetParam(), Device());
    r->varList.kind = 0;
    r->varList.AppendItem("1.3.6.1.4.1.32473.80.1", "control", Syntax::Integer, Access::Read | Access::Write);
    r->varList.AppendItem("1.3.6.1.4.1.32473.80.2", "target", Syntax::DisplayString, Access::Read | Access::Write);
    EXPECT_EQ(CodeOf([&] { r->Read(true); }), KyErr::SnmpNoSuchName);
    EXPECT_EQ(r->partialValues, !v1);
  }
  {
    // Some objects there, others not.
    auto r = NewRequest(GetParam(), Device());
    r->varList.kind = 0;
    r->varList.AppendItem("1.3.6.1.2.1.1.7", "sysServices", Syntax::Integer, Access::Read);
    r->varList.AppendItem("1.3.6.1.2.1.1.98", "missing", Syntax::Integer, Access::Read);
    r->varList.AppendItem("1.3.6.1.2.1.1.5", "sysName", Syntax::DisplayString, Access::Read);
    bool done = false;
    KySNMPError result;
    r->ReadAsync(
        [&](void*, const KySNMPError& e, KySNMPVarList&) {
          result = e;
          done = true;
        },
        nullptr, true);
    testsession::Pump([&] { return done; }, 10000);
    ASSERT_TRUE(done);
    EXPECT_EQ(result.code, KyErr::SnmpNoSuchName);
    EXPECT_EQ(result.errorIndex, 2);
    EXPECT_TRUE(result.finished);
    if (!v1) {
      EXPECT_EQ(r->varList.Item(0).value, "72");
      EXPECT_EQ(r->varList.Item(1).value, "(NULL)");
      char host[256] = {};
      gethostname(host, sizeof host - 1);
      EXPECT_EQ(r->varList.Item(2).value, host);
    }
  }
}

// The user table names the protocol of every user the agent has.
TEST_F(SnmpdTest, UserTableNamesTodaysProtocols) {
  auto r = NewRequest(kAlice, Device());
  r->varList = KySNMPVarList(tbl::UserTable1);
  std::map<std::string, std::pair<std::string, std::string>> users;
  for (bool more = r->Read(true); more && users.size() < 100; more = r->Read(false))
    users[r->varList.Item(1).value] = {r->varList.Item(4).value, r->varList.Item(7).value};
  using P = std::pair<std::string, std::string>;
  EXPECT_EQ(users["alice"], (P{"SHA", "AES-128"}));
  EXPECT_EQ(users["bob"], (P{"SHA", "None"}));
  EXPECT_EQ(users["carol"], (P{"SHA-256", "AES-128"}));
  EXPECT_EQ(users["dave"], (P{"MD5", "DES"}));
  EXPECT_EQ(users["erin"].first, "SHA-512");
}

INSTANTIATE_TEST_SUITE_P(Versions, SnmpdCredsTest, ::testing::Values(kV1, kV2c, kAlice, kBob, kCarol, kDave, kErin),
                         CredsName);

// ---------------------------------------------------------------------------
class SnmpdWriteTest : public SnmpdTest, public ::testing::WithParamInterface<Creds> {};

TEST_P(SnmpdWriteTest, SetThenReadBack) {
  auto r = NewRequest(GetParam(), Device());
  r->varList.kind = 0;
  r->varList.AppendItem("1.3.6.1.2.1.1.6", "sysLocation", Syntax::DisplayString, Access::Read | Access::Write);
  const std::string text = std::string("rack 7, ") + GetParam().name;
  r->varList.Item(0).value = text;
  r->Write();
  r->varList.Item(0).value.clear();
  r->Read(true);
  EXPECT_EQ(r->varList.Item(0).value, text);
}

INSTANTIATE_TEST_SUITE_P(Versions, SnmpdWriteTest, ::testing::Values(kV1, kV2c, kAlice, kDave), CredsName);

TEST_F(SnmpdTest, SetUsesTheWriteCommunity) {
  for (const Creds& c : {kV1, kV2c}) {
    auto r = NewRequest(c, Device());
    r->security.writeCommunity = snmpd::kReadCommunity;  // a read-only community
    r->varList.kind = 0;
    r->varList.AppendItem("1.3.6.1.2.1.1.6", "sysLocation", Syntax::DisplayString, Access::Read | Access::Write);
    r->varList.Item(0).value = "nowhere";
    EXPECT_EQ(CodeOf([&] { r->Write(); }), c.version == SnmpVersion::V1 ? -102 : -106) << c.name;
  }
}

TEST_F(SnmpdTest, WriteOfChosenItemsOnly) {
  auto r = NewRequest(kV2c, Device());
  SystemGroup(r->varList);
  r->Read(true);
  const std::string contact = r->varList.Item(3).value;
  std::vector<std::string> values = {"chosen location"};
  r->Write("5", &values);
  EXPECT_NE(r->varList.Item(5).value, "chosen location") << "the list is restored after the write";
  r->Read(true);
  EXPECT_EQ(r->varList.Item(5).value, "chosen location");
  EXPECT_EQ(r->varList.Item(3).value, contact);
}

TEST_F(SnmpdTest, WrongTypeFailsAndLeavesTheList) {
  auto r = NewRequest(kV2c, Device());
  r->varList.kind = 0;
  r->varList.AppendItem("1.3.6.1.2.1.1.6", "sysLocation", Syntax::Integer, Access::Read | Access::Write);
  r->varList.Item(0).value = "5";
  EXPECT_EQ(CodeOf([&] { r->Write(); }), -107);
  EXPECT_EQ(r->varList.Item(0).value, "5");
}

TEST_F(SnmpdTest, CreateAndGoThenDestroyARow) {
  for (const Creds& c : {kV2c, kAlice}) {
    SCOPED_TRACE(c.name);
    const std::string name = std::string("qrx") + (c.version == SnmpVersion::V3 ? "v3" : "v2");
    auto r = NewRequest(c, Device());
    VacmGroupTable(r->varList);
    auto setKeys = [&] {
      r->varList.Item(0).value = "2";
      r->varList.Item(1).value = name;
    };
    setKeys();
    r->varList.Item(2).value = "qrxgroup";
    r->varList.Item(3).value = "2";  // volatile
    r->varList.Item(4).value = "4";  // createAndGo
    r->Write();

    auto findRow = [&]() -> std::string {
      for (bool more = r->Read(true); more; more = r->Read(false))
        if (r->varList.Item(0).value == "2" && r->varList.Item(1).value == name)
          return r->varList.Item(2).value + "/" + r->varList.Item(4).value;
      return "";
    };
    EXPECT_EQ(findRow(), "qrxgroup/1") << "active";

    setKeys();
    r->varList.Item(4).value = "4";
    EXPECT_EQ(CodeOf([&] { r->Write(); }), -112) << "createAndGo on an existing row";

    setKeys();
    std::vector<std::string> destroy = {"6"};
    r->Write("4", &destroy);
    EXPECT_EQ(findRow(), "");
  }
}

// Only the last column, through a community that sees the system group
// alone: past its last row lies the end of the view. The walk ends there with
// every row. In SNMPv2c the reply says endOfMibView for the column, which
// then reads "(NOTDONE)"; in SNMPv1 the agent refuses the whole step with
// noSuchName, which ends the walk and leaves the items as the last row had
// them.
TEST_F(SnmpdTest, EndOfTheViewEndsTheWalk) {
  for (const Creds& c : {kV2c, kV1}) {
    SCOPED_TRACE(c.name);
    auto full = NewRequest(c, Device());
    SysOrTable(full->varList);
    const size_t rows = WalkIndexes(*full).size();
    ASSERT_GE(rows, 2u);

    auto r = NewRequest(c, Device());
    r->security.readCommunity = snmpd::kSystemOnlyCommunity;
    r->varList.kind = 2;
    r->varList.keyCount = 1;
    r->varList.AppendItem("1.3.6.1.2.1.1.9.1.1", "sysORIndex", Syntax::Integer, Access::Key);
    r->varList.AppendItem("1.3.6.1.2.1.1.9.1.4", "sysORUpTime", Syntax::TimeTicks, Access::Read);
    size_t walked = 0;
    std::string lastUpTime;
    for (bool more = r->Read(true); more && walked < 1000; more = r->Read(false)) {
      ++walked;
      lastUpTime = r->varList.Item(1).value;
    }
    EXPECT_EQ(walked, rows);
    EXPECT_NE(lastUpTime, "(NOTDONE)");
    EXPECT_EQ(r->varList.Item(1).value, c.version == SnmpVersion::V1 ? lastUpTime : std::string("(NOTDONE)"));
  }
}

TEST_F(SnmpdTest, EmptyTableAtTheEndOfTheView) {
  for (const Creds& c : {kV1, kV2c}) {
    auto r = NewRequest(c, Device());
    r->security.readCommunity = snmpd::kSystemOnlyCommunity;
    r->varList.kind = 2;
    r->varList.keyCount = 1;
    r->varList.AppendItem("1.3.6.1.2.1.1.99.1.1", "index", Syntax::Integer, Access::Key);
    r->varList.AppendItem("1.3.6.1.2.1.1.99.1.2", "column", Syntax::Integer, Access::Read);
    if (c.version == SnmpVersion::V1)
      EXPECT_EQ(CodeOf([&] { r->Read(true); }), -102) << "SNMPv1 reports noSuchName on the first step";
    else
      EXPECT_FALSE(r->Read(true));
  }
}

// Error-status rows of the status table that snmpd produces, one SET each.
TEST_F(SnmpdTest, ErrorStatusRowsFromTheAgent) {
  const std::string vacm = "1.3.6.1.6.3.16.1.2.1";
  const std::string row = ".2.3.120.121.122";  // model 2, name "xyz": a row that does not exist
  // (inconsistentValue: CreateAndGoThenDestroyARow)
  struct Case {
    const char* what;
    uint8_t version;
    const char* community;
    std::string oid;  // with instance (kind 1)
    Syntax syntax;
    std::string value;
    int code;
  } cases[] = {
      {"noSuchName (v1, read-only object)", SnmpVersion::V1, snmpd::kWriteCommunity, "1.3.6.1.2.1.1.3.0",
       Syntax::TimeTicks, "0:00:00.05", -102},
      {"noAccess", SnmpVersion::V2c, snmpd::kReadCommunity, "1.3.6.1.2.1.1.6.0", Syntax::DisplayString, "x", -106},
      {"wrongType", SnmpVersion::V2c, snmpd::kWriteCommunity, "1.3.6.1.2.1.1.6.0", Syntax::Integer, "1", -107},
      {"wrongLength", SnmpVersion::V2c, snmpd::kWriteCommunity, "1.3.6.1.2.1.1.6.0", Syntax::DisplayString,
       std::string(300, 'a'), -108},
      {"wrongValue", SnmpVersion::V2c, snmpd::kWriteCommunity, vacm + ".5" + row, Syntax::Integer, "99", -110},
      {"noCreation", SnmpVersion::V2c, snmpd::kWriteCommunity, "1.3.6.1.2.1.1.6.1", Syntax::DisplayString, "x",
       -111},
      {"notWritable", SnmpVersion::V2c, snmpd::kWriteCommunity, "1.3.6.1.2.1.1.3.0", Syntax::TimeTicks, "0:00:00.05", -117},
  };
  for (const Case& c : cases) {
    auto r = NewRequest(c.version == SnmpVersion::V1 ? kV1 : kV2c, Device());
    r->security.writeCommunity = c.community;
    r->varList.kind = 1;
    r->varList.AppendItem(c.oid, "x", c.syntax, Access::Read | Access::Write);
    r->varList.Item(0).value = c.value;
    try {
      r->Write();
      ADD_FAILURE() << c.what;
    } catch (const KySNMPException& e) {
      EXPECT_EQ(e.code(), c.code) << c.what;
      EXPECT_EQ(e.text(), TranslateStatus(-100 - c.code).text) << c.what;
    }
    // The asynchronous form reports the same code and the error index.
    KySNMPError seen;
    seen.code = 1;
    r->WriteAsync([&](void*, const KySNMPError& e, KySNMPVarList&) { seen = e; }, nullptr);
    testsession::Pump([&] { return seen.code != 1; });
    EXPECT_EQ(seen.code, c.code) << c.what;
    EXPECT_EQ(seen.errorIndex, 1) << c.what;
    EXPECT_TRUE(seen.finished);
  }
}

// ---------------------------------------------------------------------------
// SNMPv3 failures.

int ReadCode(const Creds& c, const KySNMPDevice& device, int32_t timeout = 100, int32_t retries = 1) {
  auto r = NewRequest(c, device);
  r->timeout = timeout;
  r->retries = retries;
  SystemGroup(r->varList);
  return CodeOf([&] { r->Read(true); });
}

int ReadAsyncCode(const Creds& c, const KySNMPDevice& device) {
  auto r = NewRequest(c, device);
  SystemGroup(r->varList);
  int code = 1;
  r->ReadAsync([&](void*, const KySNMPError& e, KySNMPVarList&) { code = e.code; }, nullptr, true);
  testsession::Pump([&] { return code != 1; });
  return code;
}

TEST_F(SnmpdTest, UsmFailuresGiveTheirCodes) {
  struct Case {
    const char* what;
    Creds creds;
    int code;
  } cases[] = {
      {"wrong authentication password",
       {"", SnmpVersion::V3, "alice", 3, AuthProtocol::HmacSha, "not-the-password", PrivProtocol::Aes128,
        "aliceprivpass"},
       -308},
      {"unknown user", {"", SnmpVersion::V3, "mallory", 2, AuthProtocol::HmacSha, "mallorypassword"}, -304},
      {"level beyond the user's", {"", SnmpVersion::V3, "bob", 3, AuthProtocol::HmacSha, "bobpassword",
                                   PrivProtocol::Aes128, "bobprivpass"}, -303},
      {"wrong authentication protocol",
       {"", SnmpVersion::V3, "alice", 3, AuthProtocol::HmacMd5, "alicepassword", PrivProtocol::Aes128,
        "aliceprivpass"},
       -308},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadCode(c.creds, Device()), c.code) << c.what;
    EXPECT_EQ(ReadAsyncCode(c.creds, Device()), c.code) << c.what << " (asynchronous)";
  }
}

TEST_F(SnmpdTest, WrongPrivacyPasswordTimesOut) {
  Creds c = kAlice;
  c.privPassword = "not-the-privpass";
  EXPECT_EQ(ReadCode(c, Device(), 30, 0), -405) << "the agent cannot decrypt and stays silent";
}

TEST_F(SnmpdTest, ChangedPasswordsReplaceTheUser) {
  Creds wrong = kAlice;
  wrong.authPassword = "not-the-password";
  EXPECT_EQ(ReadCode(kAlice, Device()), 0);
  EXPECT_EQ(ReadCode(wrong, Device()), -308);
  EXPECT_EQ(ReadCode(kAlice, Device()), 0);
}

TEST_F(SnmpdTest, LocalChecksFailBeforeSending) {
  struct Case {
    const char* what;
    int32_t model, level, auth, priv;
    const char* authPassword;
    const char* privPassword;
    int code;
  } cases[] = {
      {"IDEA privacy", 3, 3, AuthProtocol::HmacSha, PrivProtocol::Idea, "alicepassword", "aliceprivpass", -313},
      {"triple-DES privacy", 3, 3, AuthProtocol::HmacSha, PrivProtocol::TripleDes, "alicepassword", "aliceprivpass",
       -313},
      {"unknown privacy number", 3, 3, AuthProtocol::HmacSha, 42, "alicepassword", "aliceprivpass", -313},
      {"unknown authentication number", 3, 2, 42, PrivProtocol::None, "alicepassword", "", -312},
      {"authPriv without privacy", 3, 3, AuthProtocol::HmacSha, PrivProtocol::None, "alicepassword", "", -303},
      {"authNoPriv without authentication", 3, 2, AuthProtocol::None, PrivProtocol::None, "", "", -303},
      {"short authentication password", 3, 2, AuthProtocol::HmacSha, PrivProtocol::None, "short", "", -307},
      {"short privacy password", 3, 3, AuthProtocol::HmacSha, PrivProtocol::Aes128, "alicepassword", "short", -305},
      {"security model other than USM", 1, 3, AuthProtocol::HmacSha, PrivProtocol::Aes128, "alicepassword",
       "aliceprivpass", -201},
  };
  for (const Case& c : cases) {
    auto r = NewRequest(kAlice, Device());
    r->security.securityModel = c.model;
    r->security.securityLevel = c.level;
    r->security.authProtocol = c.auth;
    r->security.privProtocol = c.priv;
    r->security.authPassword = c.authPassword;
    r->security.privPassword = c.privPassword;
    SystemGroup(r->varList);
    size_t pending = GlobalSnmp->PendingCount();
    EXPECT_EQ(CodeOf([&] { r->Read(true); }), c.code) << c.what;
    EXPECT_EQ(CodeOf([&] { r->ReadAsync(nullptr, nullptr, true); }), c.code) << c.what;
    EXPECT_EQ(r->outstanding, 0);
    EXPECT_EQ(GlobalSnmp->PendingCount(), pending);
  }
}

TEST_F(SnmpdTest, ReplacedAgentEngineIdIsLearntAgain) {
  EXPECT_EQ(ReadCode(kAlice, Device()), 0);
  const std::string real = GlobalSnmp->EngineId("127.0.0.1", Device().port);
  ASSERT_FALSE(real.empty());
  GlobalSnmp->SetEngineId("127.0.0.1", Device().port, std::string("\x80\x00\x1f\x88\x04qrxstale", 13));
  EXPECT_EQ(ReadCode(kAlice, Device()), 0);
  EXPECT_EQ(GlobalSnmp->EngineId("127.0.0.1", Device().port), real);
}

TEST_F(SnmpdTest, ContextEngineIdAndNameAreStamped) {
  auto r = NewRequest(kAlice, Device());
  SystemGroup(r->varList);
  r->scope.contextEngineId = "";  // the agent's own
  r->scope.contextName = "";
  EXPECT_FALSE(r->Read(true));
  // The agent's engine ID given as hex text, as a profile would.
  static const char* kHex = "0123456789ABCDEF";
  std::string hex;
  for (unsigned char b : GlobalSnmp->EngineId("127.0.0.1", Device().port)) {
    hex += kHex[b >> 4];
    hex += kHex[b & 15];
  }
  r->scope.contextEngineId = hex;
  EXPECT_FALSE(r->Read(true));
  EXPECT_FALSE(r->varList.Item(0).value.empty());
  r->scope.contextEngineId = "";
  // A context the agent does not serve: it stays silent.
  r->scope.contextName = "nosuchcontext";
  r->timeout = 30;
  r->retries = 0;
  EXPECT_EQ(CodeOf([&] { r->Read(true); }), -405);
}

// ---------------------------------------------------------------------------
// Transport failures.

TEST_F(SnmpdTest, SilentPortTimesOutAfterOneRetry) {
  int fd = socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  socklen_t len = sizeof a;
  getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  KySNMPDevice silent{"127.0.0.1", ntohs(a.sin_port)};
  for (const Creds& c : {kV2c, kAlice}) {
    auto r = NewRequest(c, silent);
    r->timeout = 20;
    SystemGroup(r->varList);
    try {
      r->Read(true);
      ADD_FAILURE() << "no timeout";
    } catch (const KySNMPException& e) {
      EXPECT_EQ(e.code(), -405);
      EXPECT_EQ(e.text(), "(SNMPClass) SNMP request timed out!");
    }
    int datagrams = 0;
    char buf[4096];
    while (recv(fd, buf, sizeof buf, MSG_DONTWAIT) > 0) ++datagrams;
    EXPECT_EQ(datagrams, 2) << c.name << ": one try and one retry";
  }
  close(fd);
}

TEST_F(SnmpdTest, InvalidAddressFailsBeforeSending) {
  for (const char* address : {"no-such-host.invalid", "999.1.2.3", "", "10.0.0.1 extra"}) {
    auto r = NewRequest(kV2c, KySNMPDevice{address, 161});
    SystemGroup(r->varList);
    size_t pending = GlobalSnmp->PendingCount();
    try {
      r->Read(true);
      ADD_FAILURE() << address;
    } catch (const KySNMPException& e) {
      EXPECT_EQ(e.code(), -509) << address;
      EXPECT_EQ(e.text(), "(KySNMP++) Invalid IP Address or DNS name!");
    }
    EXPECT_EQ(CodeOf([&] { r->ReadAsync(nullptr, nullptr, true); }), -509);
    EXPECT_EQ(CodeOf([&] { r->Write(); }), -509);
    EXPECT_EQ(r->outstanding, 0);
    EXPECT_EQ(GlobalSnmp->PendingCount(), pending);
  }
}

TEST_F(SnmpdTest, NamesResolve) {
  auto r = NewRequest(kV2c, KySNMPDevice{"localhost", Device().port});
  SystemGroup(r->varList);
  EXPECT_FALSE(r->Read(true));
}

TEST_F(SnmpdTest, SendFailureIsATransportError) {
  auto r = NewRequest(kV2c, KySNMPDevice{"255.255.255.255", Device().port});
  SystemGroup(r->varList);
  EXPECT_EQ(CodeOf([&] { r->Read(true); }), -422);
}

// ---------------------------------------------------------------------------
// Lifetime.

TEST_F(SnmpdTest, DestroyedWithExchangesInFlight) {
  int completions = 0;
  {
    auto r = NewRequest(kAlice, Device());
    SysOrTable(r->varList);
    RequestCallback cb = [&](void*, const KySNMPError& e, KySNMPVarList&) {
      EXPECT_EQ(e.code, 0);
      ++completions;
    };
    r->ReadAsync(cb, nullptr, true);
    r->ReadAsync(cb, nullptr, true);
    r->ReadAsync(cb, nullptr, true);
  }
  EXPECT_EQ(completions, 3);
}

TEST_F(SnmpdTest, DestructorGivesUpAfterSixSeconds) {
  int fd = socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  socklen_t len = sizeof a;
  getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  bool called = false;
  {
    auto r = NewRequest(kV2c, KySNMPDevice{"127.0.0.1", ntohs(a.sin_port)});
    r->timeout = 700;  // longer than the destructor waits
    r->retries = 0;
    SystemGroup(r->varList);
    r->ReadAsync([&](void*, const KySNMPError&, KySNMPVarList&) { called = true; }, nullptr, true);
  }
  // The exchange is still with the session; its timeout finds the request gone.
  EXPECT_EQ(GlobalSnmp->PendingCount(), 1u);
  testsession::Pump([&] { return GlobalSnmp->PendingCount() == 0; }, 5000);
  EXPECT_EQ(GlobalSnmp->PendingCount(), 0u);
  EXPECT_FALSE(called);
  close(fd);
}

// ---------------------------------------------------------------------------
// An agent that restarts: with the same engine ID, then as a new engine.
TEST(SnmpdRestartTest, RestartedAgentIsReachedAgain) {
  ASSERT_TRUE(snmpd::Available()) << snmpd::kBinary << " is missing (scripts/install-deps installs snmpd)";
  snmpd::Agent agent;
  ASSERT_TRUE(agent.Start(false, "qrxengine1")) << agent.log();
  EXPECT_EQ(ReadCode(kAlice, agent.Device()), 0);
  const std::string engine = GlobalSnmp->EngineId("127.0.0.1", agent.port());
  const std::string textEngine("\x80\x00\x1f\x88\x04", 5);  // net-snmp's enterprise, text format
  EXPECT_EQ(engine, textEngine + "qrxengine1");

  ASSERT_TRUE(agent.Start(false, "qrxengine1")) << agent.log();  // reboot
  EXPECT_EQ(ReadCode(kAlice, agent.Device()), 0);
  EXPECT_EQ(GlobalSnmp->EngineId("127.0.0.1", agent.port()), engine);

  // Replaced by another device at the same address: the first exchange
  // learns the new engine ID (at the cost of its first try).
  ASSERT_TRUE(agent.Start(true, "qrxengine2")) << agent.log();
  EXPECT_EQ(ReadCode(kAlice, agent.Device(), 30, 1), 0);
  EXPECT_EQ(GlobalSnmp->EngineId("127.0.0.1", agent.port()), textEngine + "qrxengine2");
  // Without retries the first exchange fails, the next one works again.
  ASSERT_TRUE(agent.Start(true, "qrxengine3")) << agent.log();
  EXPECT_EQ(ReadCode(kAlice, agent.Device(), 30, 0), -405);
  EXPECT_EQ(ReadCode(kAlice, agent.Device(), 30, 0), 0);
}

}  // namespace
