// Walks with exchanges in flight against the GET-NEXT walk: for every table
// and every misbehaving agent the walk must hand on byte-identical rows, stop
// with the same values and last OIDs and end with the same status, whatever
// the number of exchanges it may keep in flight, synchronously and
// asynchronously, on a clean link and on one that loses datagrams.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
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

std::string OidText(const Oid& o) {
  std::string t;
  for (uint32_t v : o) t += "." + std::to_string(v);
  return t;
}

constexpr size_t kCounted = static_cast<size_t>(-1);  // rows as the GET-NEXT walk counts them

struct TableCase {
  const char* name;
  std::function<void(fake::MibAgent&)> setup;
  size_t rows;   // rows the GET-NEXT walk hands on
  int code = 0;  // its status
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

// Asked for `at`, the agent answers every column with `vb` instead.
void Override(fake::MibAgent& a, uint32_t column, uint32_t row, fake::Vb vb) {
  a.nextOverride[Cat(kEntry, {column, row})] = std::move(vb);
}

const TableCase kTables[] = {
    {"empty", [](fake::MibAgent& a) { AfterTable(a); }, 0},
    {"empty at the end of the view", [](fake::MibAgent&) {}, 0},
    {"one row", [](fake::MibAgent& a) { Rows(a, 4, 4); AfterTable(a); }, 1},
    {"seven rows", [](fake::MibAgent& a) { Rows(a, 1, 7); AfterTable(a); }, 7},
    {"seven rows at the end of the view", [](fake::MibAgent& a) { Rows(a, 1, 7); }, 7},
    {"thousand rows", [](fake::MibAgent& a) { Rows(a, 1, 1000); AfterTable(a); }, 1000},
    {"sixteen thousand rows", [](fake::MibAgent& a) { Rows(a, 1, 16000); AfterTable(a); }, 16000},
    {"sixteen thousand rows at the end of the view", [](fake::MibAgent& a) { Rows(a, 1, 16000); }, 16000},
    {"MAC-indexed rows",
     [](fake::MibAgent& a) {
       // VLAN and MAC address, spread unevenly over the address space.
       uint32_t x = 12345;
       for (uint32_t i = 0; i < 1500; ++i) {
         x = x * 1103515245u + 12345u;
         const uint32_t vlan = i < 1200 ? 1 : 20 + i % 3;
         Oid index{vlan, 0, (x >> 24) % 4 == 0 ? 0x1cu : 0x9cu, (x >> 16) & 0xff, (x >> 8) & 0xff, x & 0xff,
                   (x >> 20) & 0xff};
         for (uint32_t c : {2u, 3u, 4u}) PutAt(a, c, index);
       }
       AfterTable(a);
     },
     kCounted},
    {"IP-indexed rows with a column ending early",
     [](fake::MibAgent& a) {
       for (uint32_t i = 1; i <= 1200; ++i) {
         Oid index{i % 5 == 0 ? 192u : 10u, (i * 37) % 256, (i * 11) % 200, i % 251 + 1};
         PutAt(a, 2, index);
         PutAt(a, 3, index);
         if (index[0] == 10) PutAt(a, 4, index);
       }
       AfterTable(a);
     },
     kCounted},
    {"text-indexed rows",
     [](fake::MibAgent& a) {
       // An index of varying length: a length, then the characters.
       for (uint32_t i = 1; i <= 900; ++i) {
         std::string name = "port-" + std::to_string(i * 7919 % 100003);
         Oid index{static_cast<uint32_t>(name.size())};
         for (unsigned char ch : name) index.push_back(ch);
         for (uint32_t c : {2u, 3u, 4u}) PutAt(a, c, index);
       }
       AfterTable(a);
     },
     kCounted},
    {"thousand rows with holes",
     [](fake::MibAgent& a) {
       // Gaps in the index and in single columns; the walk's rules repeat or
       // skip rows around a gap in one column, the same way every time.
       for (uint32_t i = 1; i <= 1400; ++i) {
         if (i % 7 == 0) continue;
         Put(a, 2, i);
         if (i % 5 != 0) Put(a, 3, i);
         if (i % 11 != 0 && i < 1300) Put(a, 4, i);
       }
       AfterTable(a);
     },
     kCounted},
    {"columns of different lengths",
     [](fake::MibAgent& a) {
       Rows(a, 1, 90);
       Rows(a, 91, 300, {3});
       AfterTable(a);
     },
     kCounted},
    {"non-increasing OIDs far into the table",
     [](fake::MibAgent& a) {
       Rows(a, 1, 3000);
       AfterTable(a);
       for (uint32_t c : {2u, 3u, 4u}) {
         Oid back = Cat(kEntry, {c, 30});
         Override(a, c, 2417, c == 2 ? fake::Str(back, "again") : fake::Gauge(back, 3));
       }
     },
     2417, KyErr::ClassInvalidOid},
    {"genErr far into the table",
     [](fake::MibAgent& a) {
       Rows(a, 1, 3000);
       AfterTable(a);
       a.errorAt[Cat(kEntry, {3, 2600})] = 5;
     },
     2599, -105},
    {"wrong types far into the table",
     [](fake::MibAgent& a) {
       Rows(a, 1, 3000);
       AfterTable(a);
       Oid o = Cat(kEntry, {4, 1800});
       a.mib[o] = fake::Str(o, "oops");
     },
     1799, KyErr::BadSyntax},
    {"non-increasing OIDs",
     [](fake::MibAgent& a) {
       Rows(a, 1, 400);
       AfterTable(a);
       for (uint32_t c : {2u, 3u, 4u}) {
         Oid back = Cat(kEntry, {c, 30});
         Override(a, c, 317, c == 2 ? fake::Str(back, "again") : fake::Gauge(back, 3));
       }
     },
     317, KyErr::ClassInvalidOid},
    {"echoed name in one column",
     [](fake::MibAgent& a) {
       Rows(a, 1, 300);
       AfterTable(a);
       Oid same = Cat(kEntry, {4, 211});
       Override(a, 4, 211, fake::Gauge(same, 1));
     },
     211, KyErr::ClassInvalidOid},
    {"echoed column name at the first step",
     [](fake::MibAgent& a) {
       Rows(a, 1, 20);
       AfterTable(a);
       Oid column = Cat(kEntry, {3});
       a.nextOverride[column] = fake::Vb{column, 0x05, {}};
     },
     0, KyErr::ClassInvalidOid},
    {"wrong types",
     [](fake::MibAgent& a) {
       Rows(a, 1, 120);
       AfterTable(a);
       // A counter column answered with texts, and a text with a number.
       for (uint32_t i = 40; i <= 45; ++i) {
         Oid o = Cat(kEntry, {3, i});
         a.mib[o] = fake::Str(o, "oops" + std::to_string(i));
         Oid n = Cat(kEntry, {2, i + 20});
         a.mib[n] = fake::Int(n, -7);
       }
     },
     // The text in a counter column cannot be stored: the walk stops there.
     39, KyErr::BadSyntax},
    {"genErr mid-walk",
     [](fake::MibAgent& a) {
       Rows(a, 1, 600);
       AfterTable(a);
       a.errorAt[Cat(kEntry, {3, 437})] = 5;
     },
     436, -105},
    {"authorizationError mid-walk",
     [](fake::MibAgent& a) {
       Rows(a, 1, 600);
       AfterTable(a);
       a.errorAt[Cat(kEntry, {4, 250})] = 16;
     },
     249, -116},
    {"noSuchObject column",
     [](fake::MibAgent& a) {
       Rows(a, 1, 60, {2, 3});
       AfterTable(a);
       // The agent has no column 4 and says so with that very name instead
       // of going on: an echoed name ends the walk.
       Oid column = Cat(kEntry, {4});
       a.nextOverride[column] = fake::Vb{column, 0x80, {}};
     },
     0, KyErr::ClassInvalidOid},
    {"noSuchInstance mid-column",
     [](fake::MibAgent& a) {
       Rows(a, 1, 80);
       AfterTable(a);
       Oid at = Cat(kEntry, {2, 33});
       Override(a, 2, 32, fake::Vb{at, 0x81, {}});
     },
     kCounted},
};

struct Mode {
  int32_t maxInFlight;
  size_t dropEvery;  // 0: no loss
  // The agent sends at most this many bindings in a reply, as many agents
  // do: a table of a few hundred rows already has columns worth splitting.
  size_t cutTo = static_cast<size_t>(-1);
};

class WalkInFlightTest : public ::testing::TestWithParam<TableCase> {
 protected:
  void SetUp() override {
    testsession::Ensure();
    GlobalSnmp->ForgetBulkRefusals();
  }

  static std::unique_ptr<KySNMPRequest> NewRequest(uint16_t port, bool bulk, int32_t maxInFlight) {
    auto r = std::make_unique<KySNMPRequest>();
    r->device.address = "127.0.0.1";
    r->device.port = port;
    r->security.version = SnmpVersion::V2c;
    r->security.readCommunity = "rd";
    r->timeout = 10;  // a lost datagram is asked again after 100 ms
    r->retries = 2;
    r->useGetBulk = bulk;
    r->maxInFlight = maxInFlight;
    r->varList.kind = 2;
    r->varList.keyCount = 1;
    r->varList.AppendItem(kEntryText + ".1", "Index", Syntax::Integer, Access::Key);
    r->varList.AppendItem(kEntryText + ".2", "Name", Syntax::DisplayString, Access::Read);
    r->varList.AppendItem(kEntryText + ".3", "Count", Syntax::Gauge32, Access::Read);
    r->varList.AppendItem(kEntryText + ".4", "Other", Syntax::Gauge32, Access::Read);
    return r;
  }
};

TEST_P(WalkInFlightTest, SameRowsAsTheGetNextWalk) {
  const TableCase& c = GetParam();
  fake::MibAgent mib;
  c.setup(mib);
  fake::Agent agent(mib.Handler());

  const Walk expected = WalkSync(*NewRequest(agent.port(), false, 1));
  if (c.rows != kCounted)
    ASSERT_EQ(expected.rows.size(), c.rows) << ::testing::PrintToString(expected);
  else
    ASSERT_GT(expected.rows.size(), 1u);
  ASSERT_LT(expected.rows.size(), kRowLimit);
  EXPECT_EQ(expected.code, c.code);

  for (const Mode m : {Mode{1, 0}, Mode{4, 0}, Mode{16, 0}, Mode{4, 9}, Mode{1, 5}, Mode{16, 0, 40},
                       Mode{8, 9, 40}}) {
    SCOPED_TRACE("MaxInFlight " + std::to_string(m.maxInFlight) + ", every " + std::to_string(m.dropEvery) +
                 "th datagram lost, at most " + std::to_string(static_cast<long long>(m.cutTo)) +
                 " bindings a reply");
    GlobalSnmp->ForgetBulkRefusals();
    mib.dropEvery = m.dropEvery;
    mib.truncateTo = m.cutTo;
    mib.datagramsSeen = 0;
    EXPECT_EQ(WalkSync(*NewRequest(agent.port(), true, m.maxInFlight)), expected) << "synchronous";
    EXPECT_EQ(GlobalSnmp->PendingCount(), 0u) << "a synchronous walk leaves nothing pending";
    GlobalSnmp->ForgetBulkRefusals();
    size_t most = 0;
    EXPECT_EQ(WalkAsync(*NewRequest(agent.port(), true, m.maxInFlight), &most), expected) << "asynchronous";
    EXPECT_LE(most, static_cast<size_t>(m.maxInFlight)) << "exchanges in flight at once";
    mib.dropEvery = 0;
    mib.truncateTo = static_cast<size_t>(-1);
  }
}

INSTANTIATE_TEST_SUITE_P(Tables, WalkInFlightTest, ::testing::ValuesIn(kTables),
                         [](const ::testing::TestParamInfo<TableCase>& info) {
                           std::string n = info.param.name;
                           for (char& ch : n)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });

// With MaxInFlight 1 the agent never has two requests of one walk at once:
// each request leaves after the reply to the one before.
TEST(WalkInFlight, OneAtATimeWhenMaxInFlightIsOne) {
  testsession::Ensure();
  GlobalSnmp->ForgetBulkRefusals();
  fake::MibAgent mib;
  Rows(mib, 1, 500);
  AfterTable(mib);
  mib.delayMs = 2;
  fake::Agent agent(mib.Handler());
  auto r = std::make_unique<KySNMPRequest>();
  r->device = {"127.0.0.1", agent.port()};
  r->security.version = SnmpVersion::V2c;
  r->security.readCommunity = "rd";
  r->timeout = 100;
  r->maxInFlight = 1;
  r->varList.kind = 2;
  r->varList.keyCount = 1;
  r->varList.AppendItem(kEntryText + ".1", "Index", Syntax::Integer, Access::Key);
  r->varList.AppendItem(kEntryText + ".2", "Name", Syntax::DisplayString, Access::Read);
  r->varList.AppendItem(kEntryText + ".3", "Count", Syntax::Gauge32, Access::Read);
  size_t most = 0;
  const Walk w = WalkAsync(*r, &most);
  EXPECT_EQ(w.rows.size(), 500u);
  EXPECT_EQ(most, 1u);
  EXPECT_GT(agent.requests().size(), 1u);
}

std::unique_ptr<KySNMPRequest> ThreeColumns(uint16_t port, int32_t maxInFlight) {
  auto r = std::make_unique<KySNMPRequest>();
  r->device = {"127.0.0.1", port};
  r->security.version = SnmpVersion::V2c;
  r->security.readCommunity = "rd";
  r->timeout = 100;
  r->maxInFlight = maxInFlight;
  r->varList.kind = 2;
  r->varList.keyCount = 1;
  r->varList.AppendItem(kEntryText + ".1", "Index", Syntax::Integer, Access::Key);
  r->varList.AppendItem(kEntryText + ".2", "Name", Syntax::DisplayString, Access::Read);
  r->varList.AppendItem(kEntryText + ".3", "Count", Syntax::Gauge32, Access::Read);
  r->varList.AppendItem(kEntryText + ".4", "Other", Syntax::Gauge32, Access::Read);
  return r;
}

std::vector<fake::Request> SentSince(fake::Agent& agent, size_t from) {
  std::vector<fake::Request> all = agent.requests();
  all.erase(all.begin(), all.begin() + static_cast<long>(std::min(from, all.size())));
  return all;
}

// An asynchronous walk keeps several exchanges in flight, up to its bound
// (here one per walked column), and its GETBULKs grow from a modest start.
TEST(WalkInFlight, SeveralExchangesInFlightAndGrowingReplies) {
  testsession::Ensure();
  GlobalSnmp->ForgetBulkRefusals();
  fake::MibAgent mib;
  Rows(mib, 1, 1000);
  AfterTable(mib);
  mib.delayMs = 1;
  fake::Agent agent(mib.Handler());
  for (int32_t bound : {2, 3}) {
    SCOPED_TRACE("MaxInFlight " + std::to_string(bound));
    const size_t before = agent.requests().size();
    size_t most = 0;
    EXPECT_EQ(WalkAsync(*ThreeColumns(agent.port(), bound), &most).rows.size(), 1000u);
    EXPECT_EQ(most, static_cast<size_t>(bound));
    std::vector<long> reps;
    for (const fake::Request& q : SentSince(agent, before))
      if (q.vbs.size() == 1) reps.push_back(q.maxRepetitions);
    ASSERT_GE(reps.size(), 3u);
    EXPECT_LT(reps.front() * 4, *std::max_element(reps.begin(), reps.end()));
  }
}

// Columns whose replies come cut short are split at later points of their
// index space: with a bound above the number of columns more exchanges are
// in flight than columns, names far ahead are asked before the walk reached
// them, and the rows stay those of the GET-NEXT walk.
TEST(WalkInFlight, ColumnsSplitWhenTheBoundAllowsMoreExchanges) {
  testsession::Ensure();
  GlobalSnmp->ForgetBulkRefusals();
  fake::MibAgent mib;
  Rows(mib, 1, 3000);
  AfterTable(mib);
  fake::Agent agent(mib.Handler());
  const Walk expected = WalkSync(*ThreeColumns(agent.port(), 1));
  ASSERT_EQ(expected.rows.size(), 3000u);
  mib.truncateTo = 30;
  mib.delayMs = 1;
  for (bool async : {false, true}) {
    SCOPED_TRACE(async ? "asynchronous" : "synchronous");
    GlobalSnmp->ForgetBulkRefusals();
    const size_t before = agent.requests().size();
    size_t most = 0;
    auto r = ThreeColumns(agent.port(), 12);
    EXPECT_EQ(async ? WalkAsync(*r, &most) : WalkSync(*r), expected);
    if (async) {
      EXPECT_GT(most, 4u) << "more exchanges in flight than the three columns and the read";
    }
    // A name asked far beyond any the column was asked for before: more
    // than three replies' worth, where a continuation goes one reply on.
    std::map<uint32_t, uint32_t> reached;  // column -> the highest row asked for
    bool ahead = false;
    for (const fake::Request& q : SentSince(agent, before)) {
      for (const fake::Vb& vb : q.vbs) {
        if (vb.oid.size() != kEntry.size() + 2) continue;
        const uint32_t column = vb.oid[kEntry.size()], row = vb.oid[kEntry.size() + 1];
        if (row > reached[column] + 3 * 30) ahead = true;
        reached[column] = std::max(reached[column], row);
      }
    }
    EXPECT_TRUE(ahead) << "a column was asked at a later point before its walk got there";
  }
}

// A reply the agent cuts short shows the most it sends: no later GETBULK
// asks for more bindings, and the rows stay the same.
TEST(WalkInFlight, AReplyCutShortSetsTheMostAsked) {
  testsession::Ensure();
  GlobalSnmp->ForgetBulkRefusals();
  fake::MibAgent mib;
  Rows(mib, 1, 700);
  AfterTable(mib);
  fake::Agent agent(mib.Handler());
  const Walk expected = WalkSync(*ThreeColumns(agent.port(), 1));
  ASSERT_EQ(expected.rows.size(), 700u);
  GlobalSnmp->ForgetBulkRefusals();
  mib.truncateTo = 45;
  for (int32_t bound : {1, 4}) {
    for (bool async : {false, true}) {
      SCOPED_TRACE(std::string(async ? "asynchronous" : "synchronous") + ", MaxInFlight " + std::to_string(bound));
      const size_t before = agent.requests().size();
      auto r = ThreeColumns(agent.port(), bound);
      r->useGetBulk = true;
      EXPECT_EQ(async ? WalkAsync(*r) : WalkSync(*r), expected);
      // Asked before the first cut reply came back: one per exchange in flight.
      size_t overAsked = 0;
      for (const fake::Request& q : SentSince(agent, before))
        if (q.pduType == 0xA5 && q.vbs.size() * static_cast<size_t>(q.maxRepetitions) > 45) ++overAsked;
      EXPECT_GE(overAsked, 1u) << "the walk asked for more than the agent sends";
      EXPECT_LE(overAsked, static_cast<size_t>(bound));
    }
  }
}

// On a link that loses datagrams a lost request is asked again as it was,
// and the walk never goes back: a name is asked again only by a request
// that repeats the one that asked it (the same names, the same repetitions),
// so no part of a column is walked twice and the walk never starts over.
TEST(WalkInFlight, LossIsAskedAgainAloneAndTheWalkNeverGoesBack) {
  testsession::Ensure();
  GlobalSnmp->ForgetBulkRefusals();
  fake::MibAgent mib;
  Rows(mib, 1, 1000);
  AfterTable(mib);
  fake::Agent agent(mib.Handler());
  mib.dropEvery = 3;
  for (int32_t bound : {4, 16}) {
    for (bool async : {false, true}) {
      SCOPED_TRACE(std::string(async ? "asynchronous" : "synchronous") + ", MaxInFlight " + std::to_string(bound));
      const size_t before = agent.requests().size();
      auto r = ThreeColumns(agent.port(), bound);
      r->timeout = 10;
      r->retries = 3;
      const Walk w = async ? WalkAsync(*r) : WalkSync(*r);
      EXPECT_EQ(w.rows.size(), 1000u);
      EXPECT_EQ(w.code, 0);
      auto asks = [](const fake::Request& q) {
        std::vector<Oid> names;
        for (const fake::Vb& vb : q.vbs) names.push_back(vb.oid);
        return std::make_pair(names, q.maxRepetitions);
      };
      std::map<Oid, std::pair<std::vector<Oid>, long>> askedBy;  // name -> the request that asked it
      size_t again = 0;
      for (const fake::Request& q : SentSince(agent, before)) {
        for (const fake::Vb& vb : q.vbs) {
          auto [at, added] = askedBy.emplace(vb.oid, asks(q));
          if (added) continue;
          EXPECT_TRUE(at->second == asks(q)) << "a name asked by two different requests: " << [&] {
            std::string t;
            for (const Oid& o : at->second.first) t += OidText(o) + " ";
            t += "r" + std::to_string(at->second.second) + " / ";
            for (const Oid& o : asks(q).first) t += OidText(o) + " ";
            return t + "r" + std::to_string(q.maxRepetitions);
          }();
          ++again;
        }
      }
      EXPECT_GT(again, 0u) << "requests were lost and asked again";
    }
  }
}

// A new request takes the session's MaxInFlight.
TEST(WalkInFlight, RequestsTakeTheSessionsMaxInFlight) {
  const int32_t saved = GlobalMaxInFlight;
  GlobalMaxInFlight = 7;
  EXPECT_EQ(KySNMPRequest().maxInFlight, 7);
  GlobalMaxInFlight = saved;
  EXPECT_EQ(KySNMPRequest().maxInFlight, saved);
}

}  // namespace
