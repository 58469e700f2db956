// The request engine against a fake agent on a loopback port: PDU building,
// reply processing, table walks and their ends, writes, and the lifetime of
// asynchronous exchanges.
#include <gtest/gtest.h>

#include <memory>

#include "snmp/Messages.h"
#include "snmp/Request.h"
#include "snmp/agent/MibAgent.h"
#include "snmp/agent/TestSession.h"

namespace {

using fake::Cat;
using fake::Oid;

const Oid kEntry = {1, 3, 6, 1, 4, 1, 32473, 9, 1};
const std::string kEntryText = "1.3.6.1.4.1.32473.9.1";

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testsession::Ensure();
    agent_ = std::make_unique<fake::Agent>(mib_.Handler());
  }
  void TearDown() override { agent_.reset(); }

  // A request aimed at the fake agent (SNMPv2c unless told otherwise).
  std::unique_ptr<KySNMPRequest> NewRequest(uint8_t version = SnmpVersion::V2c) {
    auto r = std::make_unique<KySNMPRequest>();
    r->device.address = "127.0.0.1";
    r->device.port = agent_->port();
    r->security.version = version;
    r->security.readCommunity = "rd";
    r->security.writeCommunity = "wr";
    r->timeout = 100;
    return r;
  }

  // Table: index column 1 (not requested), columns 2 and 3.
  static void TableList(KySNMPVarList& list) {
    list.kind = 2;
    list.keyCount = 1;
    list.AppendItem(kEntryText + ".1", "Index", Syntax::Integer, Access::Key);
    list.AppendItem(kEntryText + ".2", "Name", Syntax::DisplayString, Access::Read | Access::Write);
    list.AppendItem(kEntryText + ".3", "Count", Syntax::Gauge32, Access::Read | Access::Write);
  }

  void AddRow(uint32_t index, const std::string& name, unsigned long count) {
    mib_.mib[Cat(kEntry, {2, index})] = fake::Str(Cat(kEntry, {2, index}), name);
    mib_.mib[Cat(kEntry, {3, index})] = fake::Gauge(Cat(kEntry, {3, index}), count);
  }

  fake::MibAgent mib_;
  std::unique_ptr<fake::Agent> agent_;
};

int CodeOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const KySNMPException& e) {
    return e.code();
  }
  return 0;
}

// ---------------------------------------------------------------------------
TEST_F(EngineTest, ScalarGroupGetsInstanceZeroAndRefusesContinuation) {
  mib_.mib[{1, 3, 6, 1, 4, 1, 32473, 1, 2, 3, 0}] = fake::Int({1, 3, 6, 1, 4, 1, 32473, 1, 2, 3, 0}, -5);
  mib_.mib[{1, 3, 6, 1, 4, 1, 32473, 1, 2, 4, 0}] = fake::Str({1, 3, 6, 1, 4, 1, 32473, 1, 2, 4, 0}, "sw1");
  auto r = NewRequest();
  r->varList.kind = 0;
  r->varList.AppendItem("1.3.6.1.4.1.32473.1.2.3", "A", Syntax::Integer, Access::Read);
  r->varList.AppendItem("1.3.6.1.4.1.32473.1.2.4", "B", Syntax::DisplayString, Access::Read);
  EXPECT_FALSE(r->Read(true));
  EXPECT_EQ(r->varList.Item(0).value, "-5");
  EXPECT_EQ(r->varList.Item(1).value, "sw1");
  auto reqs = agent_->requests();
  ASSERT_EQ(reqs.size(), 1u);
  EXPECT_EQ(reqs[0].pduType, 0xA0);
  EXPECT_EQ(reqs[0].community, "rd");
  ASSERT_EQ(reqs[0].vbs.size(), 2u);
  EXPECT_EQ(reqs[0].vbs[0].oid, (Oid{1, 3, 6, 1, 4, 1, 32473, 1, 2, 3, 0}));
  EXPECT_EQ(reqs[0].vbs[1].oid, (Oid{1, 3, 6, 1, 4, 1, 32473, 1, 2, 4, 0}));

  EXPECT_EQ(CodeOf([&] { r->Read(false); }), KyErr::GetNextSingle);
  EXPECT_EQ(agent_->requests().size(), 1u) << "nothing is sent for a refused continuation";
}

TEST_F(EngineTest, SingleInstanceUsesGetOrGetNext) {
  mib_.mib[{1, 3, 6, 1, 4, 1, 32473, 5, 7}] = fake::Int({1, 3, 6, 1, 4, 1, 32473, 5, 7}, 12);
  auto r = NewRequest();
  r->varList.kind = 1;
  r->varList.AppendItem("1.3.6.1.4.1.32473.5.7", "A", Syntax::Integer, Access::Read);
  EXPECT_FALSE(r->Read(true));
  EXPECT_EQ(r->varList.Item(0).value, "12");
  r->useGetNext = true;
  r->varList.Item(0).oid = "1.3.6.1.4.1.32473.5";
  EXPECT_FALSE(r->Read(true));
  EXPECT_EQ(r->varList.Item(0).value, "12");
  auto reqs = agent_->requests();
  ASSERT_EQ(reqs.size(), 2u);
  EXPECT_EQ(reqs[0].pduType, 0xA0);
  EXPECT_EQ(reqs[1].pduType, 0xA1);
}

TEST_F(EngineTest, WalkReadsOneRowPerExchangeAndDecodesTheIndex) {
  AddRow(7, "seven", 70);
  AddRow(9, "nine", 90);
  mib_.mib[{1, 3, 6, 1, 4, 1, 32473, 9, 2, 1}] = fake::Int({1, 3, 6, 1, 4, 1, 32473, 9, 2, 1}, 1);  // after the table
  auto r = NewRequest();
  r->useGetBulk = false;  // GET-NEXT: one row per exchange
  TableList(r->varList);

  ASSERT_TRUE(r->Read(true));
  EXPECT_EQ(r->varList.Item(0).value, "7");
  EXPECT_EQ(r->varList.Item(0).lastOid, kEntryText + ".1.7");
  EXPECT_EQ(r->varList.Item(1).value, "seven");
  EXPECT_EQ(r->varList.Item(2).value, "70");
  auto reqs = agent_->requests();
  ASSERT_EQ(reqs.size(), 1u);
  EXPECT_EQ(reqs[0].pduType, 0xA1);
  ASSERT_EQ(reqs[0].vbs.size(), 2u) << "the index column is not requested";
  EXPECT_EQ(reqs[0].vbs[0].oid, Cat(kEntry, {2}));
  EXPECT_EQ(reqs[0].vbs[1].oid, Cat(kEntry, {3}));

  ASSERT_TRUE(r->Read(false));
  EXPECT_EQ(r->varList.Item(0).value, "9");
  EXPECT_EQ(r->varList.Item(1).value, "nine");
  reqs = agent_->requests();
  EXPECT_EQ(reqs.back().vbs[0].oid, Cat(kEntry, {2, 7})) << "continues from the previous row";

  EXPECT_FALSE(r->Read(false));
  EXPECT_EQ(r->varList.Item(1).value, "(NOTDONE)");
  EXPECT_EQ(r->varList.Item(2).value, "(NOTDONE)");
  EXPECT_EQ(agent_->requests().size(), 3u);
}

TEST_F(EngineTest, ColumnThatEndsEarlyReadsNotDoneAndStaysOut) {
  AddRow(1, "one", 10);
  AddRow(2, "two", 20);
  mib_.mib[Cat(kEntry, {3, 3})] = fake::Gauge(Cat(kEntry, {3, 3}), 30);  // column 3 has a third row
  auto r = NewRequest();
  TableList(r->varList);
  ASSERT_TRUE(r->Read(true));
  ASSERT_TRUE(r->Read(false));
  ASSERT_TRUE(r->Read(false)) << "column 3 is still in its subtree";
  EXPECT_EQ(r->varList.Item(1).value, "(NOTDONE)");
  EXPECT_EQ(r->varList.Item(2).value, "30");
  EXPECT_EQ(r->varList.Item(0).value, "3") << "the row index comes from the column still in scope";
  EXPECT_EQ(r->varList.Item(1).lastOid, kEntryText + ".2.2") << "points back at the previous row";
  EXPECT_FALSE(r->Read(false));
}

TEST_F(EngineTest, EmptyTableEndsAtOnce) {
  mib_.mib[{1, 3, 6, 1, 4, 1, 32473, 9, 2, 1}] = fake::Int({1, 3, 6, 1, 4, 1, 32473, 9, 2, 1}, 1);  // after the table
  auto r = NewRequest();
  TableList(r->varList);
  EXPECT_FALSE(r->Read(true));
  EXPECT_EQ(r->varList.Item(1).value, "(NOTDONE)");
  EXPECT_EQ(r->varList.Item(2).value, "(NOTDONE)");
  mib_.mib.clear();  // and at the end of the agent's view
  EXPECT_FALSE(r->Read(true));
}

TEST_F(EngineTest, EndOfMibViewEndsTheWalk) {
  AddRow(4, "four", 40);
  auto r = NewRequest();
  r->varList.kind = 2;
  r->varList.keyCount = 1;
  r->varList.AppendItem(kEntryText + ".1", "Index", Syntax::Integer, Access::Key);
  r->varList.AppendItem(kEntryText + ".3", "Count", Syntax::Gauge32, Access::Read);
  ASSERT_TRUE(r->Read(true));
  EXPECT_FALSE(r->Read(false)) << "the agent repeats the OID with endOfMibView";
  EXPECT_EQ(r->varList.Item(1).value, "(NOTDONE)");
}

// An agent that answers GET-NEXT with an OID not greater than the one asked
// for, inside the column, must not keep the walk going round; the walk ends
// with an error that says so (never "Ok") and the rows read stay.
TEST_F(EngineTest, NonIncreasingGetNextEndsTheWalkWithAnError) {
  AddRow(1, "one", 10);
  AddRow(2, "two", 20);
  // Asked for row 2, the agent answers row 1 again (backwards), for both columns.
  mib_.nextOverride[Cat(kEntry, {2, 2})] = fake::Str(Cat(kEntry, {2, 1}), "one");
  mib_.nextOverride[Cat(kEntry, {3, 2})] = fake::Gauge(Cat(kEntry, {3, 1}), 10);
  auto r = NewRequest();
  TableList(r->varList);
  ASSERT_TRUE(r->Read(true));
  ASSERT_TRUE(r->Read(false));
  EXPECT_EQ(r->varList.Item(1).value, "two");
  try {
    r->Read(false);
    ADD_FAILURE() << "no error";
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -417);
    EXPECT_EQ(e.text(), "(SNMPClass) Invalid Object Identifier! (" + kEntryText + ".2.1 does not follow " +
                            kEntryText + ".2.2)");
  }
  EXPECT_EQ(r->varList.Item(0).value, "2") << "the last row read stays";
}

TEST_F(EngineTest, RepeatedOidEndsTheWalkAsynchronouslyToo) {
  AddRow(1, "one", 10);
  mib_.nextOverride[Cat(kEntry, {2, 1})] = fake::Str(Cat(kEntry, {2, 1}), "one");
  mib_.nextOverride[Cat(kEntry, {3, 1})] = fake::Gauge(Cat(kEntry, {3, 1}), 10);
  auto r = NewRequest();
  TableList(r->varList);
  int rows = 0;
  bool finished = false;
  int32_t code = 0;
  KySNMPRequest* req = r.get();
  RequestCallback cb = [&](void*, const KySNMPError& e, KySNMPVarList&) {
    if (e.finished) {
      finished = true;
      code = e.code;
      return;
    }
    ASSERT_EQ(e.code, 0);
    if (++rows < 10) req->ReadAsync(cb, nullptr, false);
  };
  r->ReadAsync(cb, nullptr, true);
  testsession::Pump([&] { return finished || rows >= 10; });
  EXPECT_TRUE(finished);
  EXPECT_EQ(rows, 1);
  EXPECT_EQ(code, -417);
}

// A value whose type does not fit its syntax fails the exchange with -511;
// the other values of the reply are stored, the bad one keeps its text.
TEST_F(EngineTest, WrongTypeInAReplyIsBadSyntax) {
  const Oid a = {1, 3, 6, 1, 4, 1, 32473, 1, 2, 3, 0}, b = {1, 3, 6, 1, 4, 1, 32473, 1, 2, 4, 0};
  mib_.mib[a] = fake::Int(a, 2);  // served as an INTEGER, defined as a string
  mib_.mib[b] = fake::Int(b, 7);
  auto r = NewRequest();
  r->varList.kind = 0;
  r->varList.AppendItem("1.3.6.1.4.1.32473.1.2.3", "LED", Syntax::OctetString, Access::Read);
  r->varList.AppendItem("1.3.6.1.4.1.32473.1.2.4", "B", Syntax::Integer, Access::Read);
  r->varList.Item(0).value = "0102";
  try {
    r->Read(true);
    ADD_FAILURE() << "no error";
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -511);
    EXPECT_EQ(e.text(), "(KySNMP++) Bad SNMP syntax! (LED)");
  }
  EXPECT_EQ(r->varList.Item(0).value, "0102");
  EXPECT_EQ(r->varList.Item(1).value, "7");

  KySNMPError seen;
  bool done = false;
  r->ReadAsync([&](void*, const KySNMPError& e, KySNMPVarList&) { seen = e, done = true; }, nullptr, true);
  testsession::Pump([&] { return done; });
  EXPECT_EQ(seen.code, -511);
  EXPECT_TRUE(seen.finished);
}

TEST_F(EngineTest, V1NoSuchNameOnFirstStepRaisesAndLaterEndsTheWalk) {
  mib_.v1Style = true;
  auto r = NewRequest(SnmpVersion::V1);
  TableList(r->varList);
  EXPECT_EQ(CodeOf([&] { r->Read(true); }), KyErr::SnmpNoSuchName) << "empty table";

  AddRow(5, "five", 50);
  ASSERT_TRUE(r->Read(true));
  EXPECT_FALSE(r->Read(false)) << "noSuchName repeating the asked OIDs is the end of the table";
}

TEST_F(EngineTest, V1NoSuchNameAsynchronously) {
  mib_.v1Style = true;
  auto r = NewRequest(SnmpVersion::V1);
  TableList(r->varList);
  std::vector<KySNMPError> seen;
  RequestCallback cb = [&](void*, const KySNMPError& e, KySNMPVarList&) { seen.push_back(e); };
  r->ReadAsync(cb, nullptr, true);
  testsession::Pump([&] { return !seen.empty(); });
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].code, KyErr::SnmpNoSuchName);
  EXPECT_TRUE(seen[0].finished);

  AddRow(5, "five", 50);
  seen.clear();
  r->ReadAsync(cb, nullptr, true);
  testsession::Pump([&] { return !seen.empty(); });
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].code, 0);
  EXPECT_FALSE(seen[0].finished);
  EXPECT_EQ(seen[0].agentAddress, "127.0.0.1");
  EXPECT_EQ(seen[0].agentPort, agent_->port());
  seen.clear();
  r->ReadAsync(cb, nullptr, false);
  testsession::Pump([&] { return !seen.empty(); });
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].code, 0) << "end of table is not an error";
  EXPECT_EQ(seen[0].message, "Ok");
  EXPECT_TRUE(seen[0].finished);
}

TEST_F(EngineTest, WriteOfATableRowSkipsIndexAndEncodesIt) {
  auto r = NewRequest();
  r->varList.kind = 3;
  r->varList.keyCount = 1;
  r->varList.AppendItem(kEntryText + ".1", "Name", Syntax::DisplayString, Access::Key | Access::Read);
  r->varList.AppendItem(kEntryText + ".2", "Mode", Syntax::Integer, Access::Read | Access::Write);
  r->varList.AppendItem(kEntryText + ".3", "Count", Syntax::Gauge32, Access::Read);
  r->varList.AppendItem(kEntryText + ".4", "Status", Syntax::Integer, Access::Write);
  r->varList.Item(0).value = "abc";
  r->varList.Item(1).value = "2";
  r->varList.Item(3).value = "4";
  r->Write();
  auto reqs = agent_->requests();
  ASSERT_EQ(reqs.size(), 1u);
  EXPECT_EQ(reqs[0].pduType, 0xA3);
  EXPECT_EQ(reqs[0].community, "wr") << "SET uses the write community";
  ASSERT_EQ(reqs[0].vbs.size(), 2u);
  EXPECT_EQ(reqs[0].vbs[0].oid, Cat(kEntry, {2, 3, 97, 98, 99}));
  EXPECT_EQ(reqs[0].vbs[0].type, 0x02);
  EXPECT_EQ(fake::IntValue(reqs[0].vbs[0].content), 2);
  EXPECT_EQ(reqs[0].vbs[1].oid, Cat(kEntry, {4, 3, 97, 98, 99}));
}

TEST_F(EngineTest, WriteWithIndexListSendsOnlyThoseItemsAndRestoresTheList) {
  auto r = NewRequest();
  r->varList.kind = 0;
  for (int i = 0; i < 5; ++i)
    r->varList.AppendItem("1.3.6.1.4.1.32473.2." + std::to_string(i + 1), "I", Syntax::Integer,
                          Access::Read | Access::Write);
  for (int i = 0; i < 5; ++i) r->varList.Item(i).value = std::to_string(i * 10);
  std::vector<std::string> values = {"77"};
  r->Write("2", &values);
  auto reqs = agent_->requests();
  ASSERT_EQ(reqs.size(), 1u);
  ASSERT_EQ(reqs[0].vbs.size(), 1u);
  EXPECT_EQ(reqs[0].vbs[0].oid, (Oid{1, 3, 6, 1, 4, 1, 32473, 2, 3, 0}));
  EXPECT_EQ(fake::IntValue(reqs[0].vbs[0].content), 77);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(r->varList.Item(i).access, Access::Read | Access::Write) << i;
    EXPECT_EQ(r->varList.Item(i).value, std::to_string(i * 10)) << i;
  }
}

TEST_F(EngineTest, FailedWriteRaisesAndLeavesTheListAsItWas) {
  mib_.setError = 10;  // wrongValue
  auto r = NewRequest();
  r->varList.kind = 0;
  r->varList.AppendItem("1.3.6.1.4.1.32473.2.1", "A", Syntax::Integer, Access::Read | Access::Write);
  r->varList.AppendItem("1.3.6.1.4.1.32473.2.2", "B", Syntax::Integer, Access::Read | Access::Write);
  r->varList.Item(0).value = "1";
  r->varList.Item(1).value = "2";
  std::vector<std::string> values = {"9"};
  EXPECT_EQ(CodeOf([&] { r->Write("1", &values); }), -110);
  EXPECT_EQ(r->varList.Item(1).value, "2");
  EXPECT_EQ(r->varList.Item(0).access, Access::Read | Access::Write);
}

TEST_F(EngineTest, WriteAsyncReportsWithoutTouchingTheItems) {
  auto r = NewRequest();
  r->varList.kind = 0;
  r->varList.AppendItem("1.3.6.1.4.1.32473.2.1", "A", Syntax::Integer, Access::Read | Access::Write);
  r->varList.Item(0).value = "5";
  std::vector<KySNMPError> seen;
  r->WriteAsync([&](void* ud, const KySNMPError& e, KySNMPVarList& list) {
    EXPECT_EQ(ud, &seen);
    EXPECT_EQ(list.Item(0).value, "5");
    seen.push_back(e);
  }, &seen);
  EXPECT_EQ(r->outstanding, 1);
  testsession::Pump([&] { return !seen.empty(); });
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].code, 0);
  EXPECT_TRUE(seen[0].finished);
  EXPECT_EQ(r->outstanding, 0);
}

// noSuchName ends a walk only for reads: an SNMPv1 agent refusing a SET with
// noSuchName also echoes the bindings, and when the row written is the one
// the walk stopped at, the echoed OID equals the column's lastOid.
TEST_F(EngineTest, WriteAsyncRefusedWithNoSuchNameIsAnError) {
  AddRow(7, "seven", 70);
  auto r = NewRequest(SnmpVersion::V1);
  TableList(r->varList);
  ASSERT_TRUE(r->Read(true));
  ASSERT_FALSE(r->Read(false));
  ASSERT_EQ(r->varList.Item(1).lastOid, kEntryText + ".2.7");
  r->varList.Item(0).value = "7";
  r->varList.Item(1).value = "renamed";
  r->varList.Item(2).value = "71";
  mib_.setError = 2;  // noSuchName
  std::vector<KySNMPError> seen;
  r->WriteAsync([&](void*, const KySNMPError& e, KySNMPVarList&) { seen.push_back(e); }, nullptr);
  testsession::Pump([&] { return !seen.empty(); });
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].code, KyErr::SnmpNoSuchName) << "a refused SET is not reported as success";
  EXPECT_TRUE(seen[0].finished);
  ASSERT_EQ(agent_->requests().back().vbs.size(), 2u);
  EXPECT_EQ(agent_->requests().back().vbs[0].oid, Cat(kEntry, {2, 7}));
}

// A SET answered noError whose binding is an exception wrote nothing: it is
// that variable's error, synchronously and asynchronously, with its index.
TEST_F(EngineTest, SetAnsweredWithAnExceptionIsThatVariablesError) {
  struct Case {
    const char* name;
    uint8_t exception;
  };
  const Case cases[] = {{"noSuchObject", 0x80}, {"noSuchInstance", 0x81}, {"endOfMibView", 0x82}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    mib_.setException.clear();
    AddRow(7, "seven", 70);
    auto r = NewRequest();
    TableList(r->varList);
    r->varList.Item(0).value = "7";
    r->varList.Item(1).value = "renamed";
    r->varList.Item(2).value = "71";
    mib_.setException[Cat(kEntry, {3})] = c.exception;  // the second binding
    try {
      r->Write();
      ADD_FAILURE() << "reported as written";
    } catch (const KySNMPException& e) {
      EXPECT_EQ(e.code(), KyErr::SnmpNoSuchName);
      EXPECT_EQ(e.text(), "(SNMP) Variable does not exist!");
    }
    std::vector<KySNMPError> seen;
    r->WriteAsync([&](void*, const KySNMPError& e, KySNMPVarList&) { seen.push_back(e); }, nullptr);
    testsession::Pump([&] { return !seen.empty(); });
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].code, KyErr::SnmpNoSuchName);
    EXPECT_EQ(seen[0].message, "(SNMP) Variable does not exist!");
    EXPECT_EQ(seen[0].errorIndex, 2);
    EXPECT_TRUE(seen[0].finished);
    EXPECT_EQ(r->varList.Item(2).value, "71") << "the list is as before";
  }
  // Written bindings echoed back are a success.
  mib_.setException.clear();
  auto r = NewRequest();
  TableList(r->varList);
  r->varList.Item(0).value = "7";
  r->varList.Item(1).value = "renamed";
  r->varList.Item(2).value = "71";
  EXPECT_EQ(CodeOf([&] { r->Write(); }), 0);
}

TEST_F(EngineTest, ShortReplyDoesNotReadPastTheBindings) {
  AddRow(1, "one", 10);
  mib_.truncateTo = 1;
  auto r = NewRequest();
  TableList(r->varList);
  ASSERT_TRUE(r->Read(true));
  EXPECT_EQ(r->varList.Item(1).value, "one");
  EXPECT_EQ(r->varList.Item(2).value, "(NOTDONE)");

  auto s = NewRequest();
  s->varList.kind = 0;
  s->varList.AppendItem("1.3.6.1.4.1.32473.2.1", "A", Syntax::Integer, Access::Read);
  s->varList.AppendItem("1.3.6.1.4.1.32473.2.2", "B", Syntax::Integer, Access::Read);
  mib_.mib[{1, 3, 6, 1, 4, 1, 32473, 2, 1, 0}] = fake::Int({1, 3, 6, 1, 4, 1, 32473, 2, 1, 0}, 3);
  EXPECT_FALSE(s->Read(true));
  EXPECT_EQ(s->varList.Item(0).value, "3");
  EXPECT_EQ(s->varList.Item(1).value, "(NULL)");
}

TEST_F(EngineTest, SilentAgentTimesOutAfterOneRetry) {
  mib_.silent = true;
  auto r = NewRequest();
  r->timeout = 20;
  r->varList.kind = 0;
  r->varList.AppendItem("1.3.6.1.4.1.32473.2.1", "A", Syntax::Integer, Access::Read);
  try {
    r->Read(true);
    FAIL() << "no timeout";
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -405);
    EXPECT_EQ(e.text(), "(SNMPClass) SNMP request timed out!");
  }
  EXPECT_EQ(agent_->datagrams(), 2u) << "the first try and one retry";
}

TEST_F(EngineTest, DisabledRequestSendsNothing) {
  auto r = NewRequest();
  TableList(r->varList);
  r->enabled = false;
  EXPECT_FALSE(r->Read(true));
  bool called = false;
  r->ReadAsync([&](void*, const KySNMPError&, KySNMPVarList&) { called = true; }, nullptr, true);
  r->Write();
  EXPECT_EQ(r->outstanding, 0);
  EXPECT_FALSE(called);
  EXPECT_TRUE(agent_->requests().empty());
}

// ---------------------------------------------------------------------------
// Completions and the lifetime of requests.

TEST_F(EngineTest, DestructorWaitsForExchangesInFlight) {
  AddRow(1, "one", 10);
  mib_.delayMs = 150;
  int completions = 0;
  {
    auto r = NewRequest();
    TableList(r->varList);
    RequestCallback cb = [&](void*, const KySNMPError& e, KySNMPVarList&) {
      EXPECT_EQ(e.code, 0);
      ++completions;
    };
    r->ReadAsync(cb, nullptr, true);
    r->ReadAsync(cb, nullptr, true);
    EXPECT_EQ(r->outstanding, 2);
  }  // destroyed with two exchanges in flight
  EXPECT_EQ(completions, 2) << "both completions ran while the destructor waited";
}

TEST_F(EngineTest, CompletionAfterTheRequestIsGoneTouchesNothing) {
  AddRow(1, "one", 10);
  fake::MibAgent quiet;
  quiet.silent = true;
  fake::Agent quietAgent(quiet.Handler());
  auto victim = NewRequest();
  victim->device.port = quietAgent.port();
  victim->timeout = 30;
  victim->retries = 0;
  TableList(victim->varList);
  auto killer = NewRequest();
  TableList(killer->varList);
  bool victimCalled = false;
  bool killerDone = false;
  victim->ReadAsync([&](void*, const KySNMPError&, KySNMPVarList&) { victimCalled = true; }, nullptr, true);
  // The killer's callback destroys the victim while the victim's exchange is
  // still in flight. Inside a completion the destructor cannot wait for the
  // pump, so it returns at once.
  killer->ReadAsync([&](void*, const KySNMPError&, KySNMPVarList&) {
    victim.reset();
    killerDone = true;
  }, nullptr, true);
  testsession::Pump([&] { return killerDone; });
  ASSERT_TRUE(killerDone);
  // The victim's exchange times out later and finds its request gone.
  testsession::Pump([&] { return GlobalSnmp->PendingCount() == 0; }, 3000);
  EXPECT_EQ(GlobalSnmp->PendingCount(), 0u);
  EXPECT_FALSE(victimCalled);
  EXPECT_EQ(quietAgent.datagrams(), 1u);
}

TEST_F(EngineTest, CallbacksAreNotReenteredByANestedLoop) {
  AddRow(1, "one", 10);
  auto a = NewRequest();
  auto b = NewRequest();
  TableList(a->varList);
  TableList(b->varList);
  bool inA = false, aDone = false, bDone = false, bRanInsideA = false;
  a->ReadAsync([&](void*, const KySNMPError&, KySNMPVarList&) {
    inA = true;
    // A modal box or progress window would run a nested loop here.
    GlobalEventPump.RunUntil([&] { return bDone; }, 300);
    inA = false;
    aDone = true;
  }, nullptr, true);
  b->ReadAsync([&](void*, const KySNMPError&, KySNMPVarList&) {
    bRanInsideA = inA;
    bDone = true;
  }, nullptr, true);
  testsession::Pump([&] { return aDone && bDone; });
  EXPECT_TRUE(aDone);
  EXPECT_TRUE(bDone);
  EXPECT_FALSE(bRanInsideA);
}

TEST_F(EngineTest, SynchronousReadDoesNotRunOtherCompletions) {
  AddRow(1, "one", 10);
  auto a = NewRequest();
  auto b = NewRequest();
  TableList(a->varList);
  TableList(b->varList);
  bool aDone = false;
  a->ReadAsync([&](void*, const KySNMPError&, KySNMPVarList&) { aDone = true; }, nullptr, true);
  ASSERT_TRUE(b->Read(true));  // a's reply arrives meanwhile
  EXPECT_FALSE(aDone) << "completions run from the pump only";
  testsession::Pump([&] { return aDone; });
  EXPECT_TRUE(aDone);
}

TEST_F(EngineTest, SynchronousReadInsideACompletion) {
  AddRow(1, "one", 10);
  auto a = NewRequest();
  auto b = NewRequest();
  TableList(a->varList);
  TableList(b->varList);
  bool aDone = false, syncRow = false;
  a->ReadAsync([&](void*, const KySNMPError&, KySNMPVarList&) {
    syncRow = b->Read(true);
    aDone = true;
  }, nullptr, true);
  testsession::Pump([&] { return aDone; });
  EXPECT_TRUE(syncRow);
  EXPECT_EQ(b->varList.Item(1).value, "one");
}

}  // namespace
