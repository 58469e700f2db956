// Table walks by GET-NEXT and by GETBULK against a fake agent: every case is
// walked both ways, synchronously and asynchronously, and must give the same
// rows, the same values where the walk stopped and the same status. The
// GETBULK side must also really ask with GETBULK (or have fallen back for a
// reason the case gives).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "snmp/Messages.h"
#include "snmp/Request.h"
#include "snmp/Session.h"
#include "snmp/StatusMap.h"
#include "snmp/agent/MibAgent.h"
#include "snmp/agent/TestSession.h"
#include "snmp/WalkFixture.h"

namespace {

using namespace walkfixture;

constexpr uint8_t kGetNext = 0xA1;
constexpr uint8_t kGetBulk = 0xA5;

struct WalkCase {
  const char* name;
  std::function<void(fake::MibAgent&)> setup;
  size_t rows;                 // rows the walk hands on
  bool bulkStays = true;       // later walks still ask with GETBULK
  int32_t timeout = 100;       // hundredths of a second
  bool fewerExchanges = true;  // the agent lets GETBULK save exchanges
  int code = 0;                // the walk's status: a broken agent ends it
  // The agent has answered a GETBULK of another table before (its first
  // GETBULK reply of the session is not this walk's).
  bool warmUp = false;
};

void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }

const WalkCase kCases[] = {
    {"dense", [](fake::MibAgent& a) { Rows(a, 1, 60); AfterTable(a); }, 60},
    {"single row", [](fake::MibAgent& a) { Rows(a, 5, 5); AfterTable(a); }, 1},
    {"sparse columns",
     [](fake::MibAgent& a) {
       for (uint32_t i = 1; i <= 30; ++i) {
         Put(a, 2, i);
         if (i % 2 == 0) Put(a, 3, i);
         if (i % 3 == 0) Put(a, 4, i);
       }
       AfterTable(a);
     },
     // The walk's rules take a row's index from the first column still in
     // scope, so a gap in one column repeats or skips rows: both ways alike.
     31},
    {"column ending early",
     [](fake::MibAgent& a) {
       Rows(a, 1, 8);
       Rows(a, 9, 40, {3, 4});
       AfterTable(a);
     },
     40},
    {"first column starting late",
     [](fake::MibAgent& a) {
       Rows(a, 1, 12, {3, 4});
       Rows(a, 13, 25);
       AfterTable(a);
     },
     27},
    {"non-increasing OID",
     [](fake::MibAgent& a) {
       Rows(a, 1, 30);
       AfterTable(a);
       // Asked for row 17, the agent goes back to row 3 in every column.
       for (uint32_t c : {2u, 3u, 4u}) {
         Oid back = Cat(kEntry, {c, 3});
         a.nextOverride[Cat(kEntry, {c, 17})] = c == 2 ? fake::Str(back, "again") : fake::Gauge(back, 3);
       }
     },
     17, true, 100, true, KyErr::ClassInvalidOid},
    {"repeated OID in one column",
     [](fake::MibAgent& a) {
       Rows(a, 1, 20);
       AfterTable(a);
       Oid same = Cat(kEntry, {3, 11});
       a.nextOverride[same] = fake::Gauge(same, 1);
     },
     11, true, 100, true, KyErr::ClassInvalidOid},
    {"echoed name with NULL",
     [](fake::MibAgent& a) {
       Rows(a, 1, 20);
       AfterTable(a);
       // Asked for row 11 of one column, the agent answers with that very
       // name and NULL, as one that swallowed an internal error.
       Oid same = Cat(kEntry, {3, 11});
       a.nextOverride[same] = fake::Vb{same, 0x05, {}};
     },
     11, true, 100, true, KyErr::ClassInvalidOid},
    {"echoed column name with NULL at the first step",
     [](fake::MibAgent& a) {
       Rows(a, 1, 20);
       AfterTable(a);
       Oid column = Cat(kEntry, {4});
       a.nextOverride[column] = fake::Vb{column, 0x05, {}};
     },
     0, true, 100, true, KyErr::ClassInvalidOid},
    {"echoed name with noSuchInstance",
     [](fake::MibAgent& a) {
       Rows(a, 1, 20);
       AfterTable(a);
       Oid same = Cat(kEntry, {2, 6});
       a.nextOverride[same] = fake::Vb{same, 0x81, {}};
     },
     6, true, 100, true, KyErr::ClassInvalidOid},
    {"end of the MIB view inside a reply", [](fake::MibAgent& a) { Rows(a, 1, 23); }, 23},
    {"empty table", [](fake::MibAgent& a) { AfterTable(a); }, 0},
    {"empty table at the end of the view", [](fake::MibAgent&) {}, 0},
    {"tooBig answer",
     [](fake::MibAgent& a) {
       Rows(a, 1, 50);
       AfterTable(a);
       a.bulkTooBigAbove = 13;
     },
     50, true, 100, false},
    {"short replies",
     [](fake::MibAgent& a) {
       Rows(a, 1, 35);
       AfterTable(a);
       a.truncateTo = 7;
     },
     35, true, 100, false},
    {"GETBULK refused with genErr",
     [](fake::MibAgent& a) {
       Rows(a, 1, 12);
       AfterTable(a);
       a.bulkError = 5;
     },
     12, false, 100, false},
    {"GETBULK refused with noSuchName",
     [](fake::MibAgent& a) {
       Rows(a, 1, 12);
       AfterTable(a);
       a.bulkError = 2;
     },
     12, false, 100, false},
    {"every GETBULK fails with authorizationError",
     [](fake::MibAgent& a) {
       Rows(a, 1, 12);
       AfterTable(a);
       a.bulkError = 16;
     },
     // Not a refusal of GETBULK: each walk falls back by itself.
     12, true, 100, false},
    {"genErr two rows ahead",
     [](fake::MibAgent& a) {
       Rows(a, 1, 30);
       AfterTable(a);
       a.errorAt[Cat(kEntry, {3, 3})] = 5;
     },
     2, true, 100, false, -105, true},
    {"authorizationError two rows ahead",
     [](fake::MibAgent& a) {
       Rows(a, 1, 30);
       AfterTable(a);
       a.errorAt[Cat(kEntry, {4, 3})] = 16;
     },
     2, true, 100, false, -116},
    {"genErr two rows ahead in the first GETBULK of the session",
     [](fake::MibAgent& a) {
       Rows(a, 1, 30);
       AfterTable(a);
       a.errorAt[Cat(kEntry, {3, 3})] = 5;
     },
     // Cannot be told from an agent that answers GETBULK with genErr.
     2, false, 100, false, -105},
    {"GETBULK not answered",
     [](fake::MibAgent& a) {
       Rows(a, 1, 6);
       AfterTable(a);
       a.bulkSilent = true;
     },
     6, false, 30, false},
};

class WalkModesTest : public ::testing::TestWithParam<WalkCase> {
 protected:
  void SetUp() override {
    testsession::Ensure();
    GlobalSnmp->ForgetBulkRefusals();
  }

  std::unique_ptr<KySNMPRequest> NewRequest(uint16_t port, bool bulk, int32_t timeout) {
    auto r = std::make_unique<KySNMPRequest>();
    r->device.address = "127.0.0.1";
    r->device.port = port;
    r->security.version = SnmpVersion::V2c;
    r->security.readCommunity = "rd";
    r->timeout = timeout;
    r->retries = 0;
    r->useGetBulk = bulk;
    r->varList.kind = 2;
    r->varList.keyCount = 1;
    r->varList.AppendItem(kEntryText + ".1", "Index", Syntax::Integer, Access::Key);
    r->varList.AppendItem(kEntryText + ".2", "Name", Syntax::DisplayString, Access::Read);
    r->varList.AppendItem(kEntryText + ".3", "Count", Syntax::Gauge32, Access::Read);
    r->varList.AppendItem(kEntryText + ".4", "Other", Syntax::Gauge32, Access::Read);
    return r;
  }
};

size_t CountOf(const std::vector<fake::Request>& reqs, uint8_t type) {
  size_t n = 0;
  for (const fake::Request& q : reqs) n += q.pduType == type;
  return n;
}

TEST_P(WalkModesTest, SameRowsByGetNextAndByGetBulk) {
  const WalkCase& c = GetParam();
  fake::MibAgent mib;
  c.setup(mib);
  fake::Agent agent(mib.Handler());

  auto plain = NewRequest(agent.port(), false, c.timeout);
  const Walk expected = WalkSync(*plain);
  ASSERT_EQ(expected.rows.size(), c.rows) << ::testing::PrintToString(expected);
  EXPECT_EQ(expected.code, c.code);
  const size_t getNexts = agent.requests().size();
  EXPECT_EQ(CountOf(agent.requests(), kGetBulk), 0u);
  EXPECT_EQ(WalkAsync(*NewRequest(agent.port(), false, c.timeout)), expected);

  if (c.warmUp) {
    // A GETBULK walk of the object after the table.
    auto other = NewRequest(agent.port(), true, c.timeout);
    other->varList.items.clear();
    other->varList.keyCount = 0;
    other->varList.AppendItem("1.3.6.1.4.1.32473.9.2", "After", Syntax::Integer, Access::Read);
    const size_t bulksBefore = CountOf(agent.requests(), kGetBulk);
    EXPECT_EQ(WalkSync(*other).rows.size(), 1u);
    ASSERT_GT(CountOf(agent.requests(), kGetBulk), bulksBefore);
  }

  const size_t before = agent.requests().size();
  auto bulk = NewRequest(agent.port(), true, c.timeout);
  EXPECT_EQ(WalkSync(*bulk), expected) << "synchronous, GETBULK";
  auto sent = agent.requests();
  sent.erase(sent.begin(), sent.begin() + static_cast<long>(before));
  EXPECT_GE(CountOf(sent, kGetBulk), 1u);
  if (c.fewerExchanges && c.rows > 20) {
    EXPECT_LT(sent.size() * 3, getNexts) << "GETBULK needs far fewer exchanges";
  }
  for (const fake::Request& q : sent) {
    if (q.pduType != kGetBulk) continue;
    EXPECT_EQ(q.nonRepeaters, 0);
    EXPECT_GE(q.maxRepetitions, 1);
  }

  const size_t beforeAsync = agent.requests().size();
  auto bulkAsync = NewRequest(agent.port(), true, c.timeout);
  EXPECT_EQ(WalkAsync(*bulkAsync), expected) << "asynchronous, GETBULK";
  sent = agent.requests();
  sent.erase(sent.begin(), sent.begin() + static_cast<long>(beforeAsync));
  // A refused GETBULK is not asked again of the same agent.
  EXPECT_EQ(CountOf(sent, kGetBulk) > 0, c.bulkStays);
}

INSTANTIATE_TEST_SUITE_P(Cases, WalkModesTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<WalkCase>& info) {
                           std::string n = info.param.name;
                           for (char& ch : n)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });

// ---------------------------------------------------------------------------
class BulkWalkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsession::Ensure();
    GlobalSnmp->ForgetBulkRefusals();
  }
};

TEST_F(BulkWalkTest, TooBigHalvesTheRepetitionsAndTheRowSizeSetsThem) {
  fake::MibAgent mib;
  Rows(mib, 1, 200);
  AfterTable(mib);
  mib.bulkTooBigAbove = 3 * 6;
  fake::Agent agent(mib.Handler());
  KySNMPRequest r;
  r.device = {"127.0.0.1", agent.port()};
  r.security.version = SnmpVersion::V2c;
  r.security.readCommunity = "rd";
  r.timeout = 100;
  r.varList.kind = 2;
  r.varList.keyCount = 1;
  r.varList.AppendItem(kEntryText + ".1", "Index", Syntax::Integer, Access::Key);
  r.varList.AppendItem(kEntryText + ".3", "Count", Syntax::Gauge32, Access::Read);
  r.varList.AppendItem(kEntryText + ".4", "Other", Syntax::Gauge32, Access::Read);
  r.varList.AppendItem(kEntryText + ".2", "Name", Syntax::DisplayString, Access::Read);
  EXPECT_EQ(WalkSync(r).rows.size(), 200u);
  std::vector<long> reps;
  for (const fake::Request& q : agent.requests())
    if (q.pduType == kGetBulk) reps.push_back(q.maxRepetitions);
  ASSERT_GE(reps.size(), 3u);
  EXPECT_GT(reps.front(), 6) << "starts above what this agent takes";
  for (size_t i = 1; i < reps.size(); ++i) EXPECT_LE(reps[i], 6) << "halved until it fits, and stays there";

  // Without the limit the replies grow while they come back whole: from
  // about one datagram to several.
  mib.bulkTooBigAbove = static_cast<size_t>(-1);
  KySNMPRequest wide;
  wide.device = r.device;
  wide.security = r.security;
  wide.varList = r.varList;
  const size_t firstWide = agent.requests().size();
  EXPECT_EQ(WalkSync(wide).rows.size(), 200u);
  std::vector<long> wideReps;
  for (size_t k = firstWide; k < agent.requests().size(); ++k)
    if (agent.requests()[k].pduType == kGetBulk) wideReps.push_back(agent.requests()[k].maxRepetitions);
  ASSERT_GE(wideReps.size(), 2u);
  // A row of these three columns takes about 60 bytes.
  EXPECT_LE(wideReps.front(), 30) << "starts modest";
  EXPECT_GT(*std::max_element(wideReps.begin(), wideReps.end()), 30) << "grows beyond one datagram";
  for (long m : wideReps) EXPECT_LE(m, KySNMPRequest::kMaxRepetitions);
}

TEST_F(BulkWalkTest, SnmpV1WalksByGetNext) {
  fake::MibAgent mib;
  Rows(mib, 1, 5);
  mib.v1Style = true;
  fake::Agent agent(mib.Handler());
  KySNMPRequest r;
  r.device = {"127.0.0.1", agent.port()};
  r.security.version = SnmpVersion::V1;
  r.security.readCommunity = "rd";
  r.timeout = 100;
  r.varList.kind = 2;
  r.varList.keyCount = 1;
  r.varList.AppendItem(kEntryText + ".1", "Index", Syntax::Integer, Access::Key);
  r.varList.AppendItem(kEntryText + ".3", "Count", Syntax::Gauge32, Access::Read);
  EXPECT_EQ(WalkSync(r).rows.size(), 5u);
  EXPECT_EQ(CountOf(agent.requests(), kGetBulk), 0u);
  EXPECT_EQ(CountOf(agent.requests(), kGetNext), 6u);
}

// Rows a bulk reply brought are handed on only when asked for: a walk that
// is stopped or destroyed between rows touches nothing more.
TEST_F(BulkWalkTest, StoppedOrDestroyedWalkTouchesNothing) {
  fake::MibAgent mib;
  Rows(mib, 1, 40);
  AfterTable(mib);
  fake::Agent agent(mib.Handler());
  auto make = [&] {
    auto r = std::make_unique<KySNMPRequest>();
    r->device = {"127.0.0.1", agent.port()};
    r->security.version = SnmpVersion::V2c;
    r->security.readCommunity = "rd";
    r->timeout = 100;
    r->varList.kind = 2;
    r->varList.keyCount = 1;
    r->varList.AppendItem(kEntryText + ".1", "Index", Syntax::Integer, Access::Key);
    r->varList.AppendItem(kEntryText + ".3", "Count", Syntax::Gauge32, Access::Read);
    return r;
  };
  for (bool destroy : {false, true}) {
    auto r = make();
    int calls = 0;
    std::string seen;
    r->ReadAsync(
        [&](void*, const KySNMPError& e, KySNMPVarList& list) {
          ++calls;
          seen = list.Item(0).value;
          if (e.code != 0 || e.finished) return;
          // The second row comes from the same reply: asked for, then stopped.
          r->ReadAsync([&](void*, const KySNMPError&, KySNMPVarList&) { ++calls; }, nullptr, false);
          if (destroy) r.reset();
          else r->enabled = false;
        },
        nullptr, true);
    testsession::Pump([&] { return calls >= 1 && GlobalSnmp->PendingCount() == 0; }, 5000);
    testsession::Pump([] { return false; }, 50);
    EXPECT_EQ(seen, "1");
    if (destroy) {
      EXPECT_EQ(calls, 1) << "the destroyed request's completion does not run";
    } else {
      EXPECT_EQ(calls, 2) << "a read already asked for still completes";
      const std::string index = r->varList.Item(0).value;
      r->ReadAsync([&](void*, const KySNMPError&, KySNMPVarList&) { ++calls; }, nullptr, false);
      testsession::Pump([] { return false; }, 50);
      EXPECT_EQ(calls, 2) << "no more rows once stopped";
      EXPECT_EQ(r->varList.Item(0).value, index);
    }
  }
}

// The next GETBULK leaves while the rows of the last reply are used; when it
// gets no answer, the read that needs it falls back to GET-NEXT and the walk
// goes on with the same rows.
TEST_F(BulkWalkTest, ReadAheadAndItsFailure) {
  fake::MibAgent mib;
  Rows(mib, 1, 60);
  AfterTable(mib);
  fake::Agent agent(mib.Handler());
  auto make = [&](bool bulk) {
    auto r = std::make_unique<KySNMPRequest>();
    r->device = {"127.0.0.1", agent.port()};
    r->security.version = SnmpVersion::V2c;
    r->security.readCommunity = "rd";
    r->timeout = 30;
    r->retries = 0;
    r->useGetBulk = bulk;
    r->varList.kind = 2;
    r->varList.keyCount = 1;
    r->varList.AppendItem(kEntryText + ".1", "Index", Syntax::Integer, Access::Key);
    r->varList.AppendItem(kEntryText + ".2", "Name", Syntax::DisplayString, Access::Read);
    r->varList.AppendItem(kEntryText + ".3", "Count", Syntax::Gauge32, Access::Read);
    return r;
  };
  const Walk expected = WalkSync(*make(false));
  ASSERT_EQ(expected.rows.size(), 60u);

  // While the first row is handed on, a GETBULK per walked column is under
  // way (a bound of one per column leaves no room for further streams).
  {
    auto r = make(true);
    r->maxInFlight = 2;
    size_t before = agent.requests().size();
    size_t pendingAtFirstRow = 0;
    int rows = 0;
    bool done = false;
    RequestCallback next = [&](void*, const KySNMPError& e, KySNMPVarList&) {
      if (e.code != 0 || e.finished) {
        done = true;
        return;
      }
      if (++rows == 1) pendingAtFirstRow = GlobalSnmp->PendingCount();
      if (rows == 3) {
        r->enabled = false;  // stopped after three rows
        done = true;
        return;
      }
      r->ReadAsync(next, nullptr, false);
    };
    r->ReadAsync(next, nullptr, true);
    testsession::Pump([&] { return done; });
    // The read-ahead's reply comes in, and nothing follows it.
    testsession::Pump([] { return GlobalSnmp->PendingCount() == 0; });
    testsession::Pump([] { return false; }, 50);
    EXPECT_EQ(pendingAtFirstRow, 2u) << "the GETBULKs after the first reply are under way";
    auto sent = agent.requests();
    EXPECT_EQ(CountOf(sent, kGetBulk), 3u);
    EXPECT_EQ(sent.size() - before, 3u) << "a stopped walk asks for nothing more";
  }

  // The agent answers the first GETBULK only.
  mib.bulkAnswers = mib.bulkSeen + 1;
  auto r = make(true);
  EXPECT_EQ(WalkAsync(*r), expected);
  EXPECT_TRUE(GlobalSnmp->BulkRefused("127.0.0.1", agent.port()));
}

// ---------------------------------------------------------------------------
// A GET over SNMPv2c that meets noSuchObject / noSuchInstance reads as the
// SNMPv1 noSuchName: the values that came are kept, the status is -102.
TEST_F(BulkWalkTest, MissingObjectsInAGetReadAsNoSuchName) {
  fake::MibAgent mib;
  const Oid a = {1, 3, 6, 1, 4, 1, 32473, 1, 1, 0};
  mib.mib[a] = fake::Int(a, 42);
  fake::Agent agent(mib.Handler());
  auto make = [&](uint8_t version) {
    auto r = std::make_unique<KySNMPRequest>();
    r->device = {"127.0.0.1", agent.port()};
    r->security.version = version;
    r->security.readCommunity = "rd";
    r->timeout = 100;
    r->varList.kind = 0;
    r->varList.AppendItem("1.3.6.1.4.1.32473.1.1", "present", Syntax::Integer, Access::Read);
    r->varList.AppendItem("1.3.6.1.4.1.32473.1.2", "missing", Syntax::Integer, Access::Read);
    r->varList.AppendItem("1.3.6.1.4.1.32473.1.3", "missing text", Syntax::DisplayString, Access::Read);
    return r;
  };
  {
    auto r = make(SnmpVersion::V2c);
    int code = 0;
    try {
      r->Read(true);
    } catch (const KySNMPException& e) {
      code = e.code();
    }
    EXPECT_EQ(code, KyErr::SnmpNoSuchName);
    EXPECT_TRUE(r->partialValues);
    EXPECT_EQ(r->varList.Item(0).value, "42");
    EXPECT_EQ(r->varList.Item(1).value, "(NULL)");
    EXPECT_EQ(r->varList.Item(2).value, "");
  }
  {
    auto r = make(SnmpVersion::V2c);
    KySNMPError result;
    bool done = false;
    r->ReadAsync(
        [&](void*, const KySNMPError& e, KySNMPVarList&) {
          result = e;
          done = true;
        },
        nullptr, true);
    testsession::Pump([&] { return done; });
    ASSERT_TRUE(done);
    EXPECT_EQ(result.code, KyErr::SnmpNoSuchName);
    EXPECT_EQ(result.message, TranslateStatus(MapErrorStatus(2)).text);
    EXPECT_EQ(result.errorIndex, 2);
    EXPECT_TRUE(result.finished);
    EXPECT_EQ(r->varList.Item(0).value, "42");
    EXPECT_EQ(r->varList.Item(1).value, "(NULL)");
    // Everything there: success, and the flag goes back.
    mib.mib[{1, 3, 6, 1, 4, 1, 32473, 1, 2, 0}] = fake::Int({1, 3, 6, 1, 4, 1, 32473, 1, 2, 0}, 7);
    mib.mib[{1, 3, 6, 1, 4, 1, 32473, 1, 3, 0}] = fake::Str({1, 3, 6, 1, 4, 1, 32473, 1, 3, 0}, "x");
    done = false;
    r->ReadAsync(
        [&](void*, const KySNMPError& e, KySNMPVarList&) {
          result = e;
          done = true;
        },
        nullptr, true);
    testsession::Pump([&] { return done; });
    EXPECT_EQ(result.code, 0);
    EXPECT_FALSE(r->partialValues);
    EXPECT_EQ(r->varList.Item(1).value, "7");
  }
}

}  // namespace
