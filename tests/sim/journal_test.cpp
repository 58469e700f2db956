// The simulator's SET journal ("--journal FILE") and request journal
// ("--request-journal FILE"), and their test-side readers.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "common/RequestJournal.h"
#include "sim/SimJournal.h"
#include "tests/sim/SimFixture.h"

namespace {

const std::string kSystemIp = "1.3.6.1.4.1.32473.11.63.8.2.1.2.2.0";
const std::string kPortCtl = "1.3.6.1.4.1.32473.11.63.8.2.2.2.1";  // port control entry
const std::string kUnknown = "1.3.6.1.4.1.32473.99";                // nothing served here

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("qrx-journal-test-" + std::to_string(getpid()) + "-" + name))
      .string();
}

class JournalTest : public SimFixture {
 protected:
  void SetUp() override {
    path = TempPath(::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove(path);
  }
  void TearDown() override {
    SimFixture::TearDown();
    std::filesystem::remove(path);
  }
  std::string path;
};

struct Sent {
  const char* what;
  const char* snmpsetType;
  std::string snmpsetValue;
  const char* type;
  std::string value;
};

// What snmpset can put on the wire, and how the journal must show it.
const Sent kSent[] = {
    {"negative integer", "i", "-5", "INTEGER", "-5"},
    {"largest Gauge32", "u", "4294967295", "Gauge32", "4294967295"},
    {"time ticks", "t", "12", "TimeTicks", "12"},
    {"IP address", "a", "10.1.2.3", "IpAddress", "10.1.2.3"},
    {"object identifier", "o", ".1.3.6.1.2.0", "OBJECT_IDENTIFIER", "1.3.6.1.2.0"},
    {"hex octets with a zero and high bits", "x", "80 80 00", "OCTET_STRING", "80 80 00"},
    {"text octets", "s", "a b\\", "OCTET_STRING", "61 20 62 5C"},
    {"empty octets", "s", "", "OCTET_STRING", ""},
    {"opaque float", "F", "1.5", "Opaque", "9F 78 04 3F C0 00 00"},
    {"opaque unsigned 64", "U", "5", "Opaque", "9F 7B 01 05"},
};

TEST_F(JournalTest, EveryTypeIsRecordedByteForByteInPduOrder) {
  StartSim({"--journal", path});
  Args triples;
  for (size_t i = 0; i < std::size(kSent); ++i) {
    // Descending OIDs: the journal keeps the PDU's order, not the MIB's.
    triples.push_back(kUnknown + "." + std::to_string(100 - i) + ".0");
    triples.push_back(kSent[i].snmpsetType);
    triples.push_back(kSent[i].snmpsetValue);
  }
  auto r = Set(triples);
  EXPECT_NE(r.exitCode, 0) << "nothing is served there: the SET is refused";

  auto records = qrxtest::ReadSetJournal(path);
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].varbinds.size(), std::size(kSent));
  for (size_t i = 0; i < std::size(kSent); ++i) {
    SCOPED_TRACE(kSent[i].what);
    const auto& vb = records[0].varbinds[i];
    EXPECT_EQ(vb.oid, kUnknown + "." + std::to_string(100 - i) + ".0");
    EXPECT_EQ(vb.type, kSent[i].type);
    EXPECT_EQ(vb.value, kSent[i].value);
  }
  // Empty octets: nothing after the type, not even a space.
  std::ifstream in(path);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find(kUnknown + ".93.0 OCTET_STRING\n"), std::string::npos) << text;
}

TEST_F(JournalTest, OneRecordPerSetWhateverItsOutcome) {
  StartSim({"--journal", path});
  // Accepted, two varbinds, the second one first in the MIB.
  auto r = Set({kSystemIp, "a", "10.9.8.7", kPortCtl + ".6.3.100", "s", "up"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  // Refused by the value check.
  r = Set({kPortCtl + ".3.1.100", "i", "7"});
  EXPECT_NE(r.err.find("wrongValue"), std::string::npos) << r.err;
  // Refused for the read-only community.
  r = Tool("snmpset", V2c(), {kPortCtl + ".3.2.100", "i", "2"});
  EXPECT_NE(r.exitCode, 0);
  // GETs leave no trace.
  Get({kSystemIp});

  auto records = qrxtest::ReadSetJournal(path);
  ASSERT_EQ(records.size(), 3u);
  ASSERT_EQ(records[0].varbinds.size(), 2u);
  EXPECT_EQ(records[0].varbinds[0].oid, kSystemIp);
  EXPECT_EQ(records[0].varbinds[0].value, "10.9.8.7");
  EXPECT_EQ(records[0].varbinds[1].oid, kPortCtl + ".6.3.100");
  EXPECT_EQ(records[0].varbinds[1].value, "75 70");
  ASSERT_EQ(records[1].varbinds.size(), 1u);
  EXPECT_EQ(records[1].varbinds[0].oid, kPortCtl + ".3.1.100");
  EXPECT_EQ(records[1].varbinds[0].value, "7");
  ASSERT_EQ(records[2].varbinds.size(), 1u);
  EXPECT_EQ(records[2].varbinds[0].value, "2");
}

TEST_F(JournalTest, AppendsToAnExistingJournalAndSpeaksV3) {
  StartSim({"--journal", path});
  ASSERT_EQ(Set({kSystemIp, "a", "10.0.0.1"}).exitCode, 0);
  sim.Stop();
  StartSim({"--journal", path});
  auto r = Set({kSystemIp, "a", "10.0.0.2"}, V3());
  ASSERT_EQ(r.exitCode, 0) << r.err;
  auto records = qrxtest::ReadSetJournal(path);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].varbinds.at(0).value, "10.0.0.1");
  EXPECT_EQ(records[1].varbinds.at(0).value, "10.0.0.2");
}

TEST(JournalCommandLine, AnUnwritableJournalStopsTheStartWithAMessage) {
  auto r = qrxtest::RunCommand({qrxtest::SimProcess::DefaultExecutable(), "--port", "0", "--journal",
                                "/nonexistent-dir/journal.txt"},
                               5000);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("/nonexistent-dir/journal.txt"), std::string::npos) << r.err;
  r = qrxtest::RunCommand({qrxtest::SimProcess::DefaultExecutable(), "--journal", ""}, 5000);
  EXPECT_EQ(r.exitCode, 2);
}

// The types snmpset cannot send, through the same formatter the agent uses,
// and read back by the test-side reader.
TEST(JournalFormat, TypesSnmpsetCannotSendRoundTripThroughTheReader) {
  using sim::Value;
  sim::Value opaque = Value::Octets("");
  opaque.type = sim::Asn::Opaque;
  std::vector<sim::Varbind> vbs = {
      {{1, 3, 6, 1, 1}, Value::Num(sim::Asn::Counter32, 4294967295u)},
      {{1, 3, 6, 1, 2}, Value::Num(sim::Asn::Counter64, 18446744073709551615ull)},
      {{1, 3, 6, 1, 3}, Value{}},
      {{1, 3, 6, 1, 4}, opaque},
      {{1, 3, 6, 1, 5}, Value::Int(-2147483648ll)},
  };
  const std::string text = sim::FormatJournalRecord(vbs);
  EXPECT_EQ(text,
            "SET 5\n"
            "1.3.6.1.1 Counter32 4294967295\n"
            "1.3.6.1.2 Counter64 18446744073709551615\n"
            "1.3.6.1.3 NULL\n"
            "1.3.6.1.4 Opaque\n"
            "1.3.6.1.5 INTEGER -2147483648\n");
  EXPECT_EQ(sim::FormatJournalRecord({}), "SET 0\n");

  const std::string path = TempPath("format");
  {
    std::ofstream out(path, std::ios::binary);
    out << text << sim::FormatJournalRecord({});
  }
  auto records = qrxtest::ReadSetJournal(path);
  std::filesystem::remove(path);
  ASSERT_EQ(records.size(), 2u);
  ASSERT_EQ(records[0].varbinds.size(), 5u);
  EXPECT_EQ(records[0].varbinds[1].type, "Counter64");
  EXPECT_EQ(records[0].varbinds[1].value, "18446744073709551615");
  EXPECT_EQ(records[0].varbinds[2].type, "NULL");
  EXPECT_EQ(records[0].varbinds[2].value, "");
  EXPECT_TRUE(records[1].varbinds.empty());
}

TEST(JournalReader, MissingFileIsEmptyAndMalformedFilesThrow) {
  EXPECT_TRUE(qrxtest::ReadSetJournal(TempPath("never-written")).empty());
  const char* const kBad[] = {
      "1.3.6 INTEGER 1\n",                    // varbind without a record
      "SET\n",                                // no count
      "SET two\n1.3 INTEGER 1\n",             // count not a number
      "SET 2\n1.3.6 INTEGER 1\n",             // cut short
      "SET 1\n.1.3.6 INTEGER 1\n",            // leading dot
      "SET 1\n1.3..6 INTEGER 1\n",            // empty sub-identifier
      "SET 1\n1.3.6 STRING x\n",              // not a journal type
      "SET 1\n1.3.6\n",                       // no type
  };
  const std::string path = TempPath("bad");
  for (const char* bad : kBad) {
    SCOPED_TRACE(bad);
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out << bad;
    }
    EXPECT_THROW(qrxtest::ReadSetJournal(path), std::runtime_error);
  }
  std::filesystem::remove(path);
}

// Every kind of request, over SNMPv1 and SNMPv2c, in the order received, with
// its names in PDU order; the SET journal beside it keeps its SETs only.
TEST_F(JournalTest, RequestJournalRecordsEveryRequestBesideTheSetJournal) {
  const std::string requests = path + "-requests";
  std::filesystem::remove(requests);
  StartSim({"--journal", path, "--request-journal", requests});
  const std::string sysDescr = "1.3.6.1.2.1.1.1.0";
  ASSERT_EQ(Get({kSystemIp, sysDescr}).exitCode, 0);
  ASSERT_EQ(Tool("snmpgetnext", V1(), {kPortCtl + ".3"}).exitCode, 0);
  ASSERT_EQ(Tool("snmpbulkget", V2c(), {"-Cn1", "-Cr5", "1.3.6.1.2.1.1", kPortCtl + ".3"}).exitCode, 0);
  ASSERT_EQ(Set({kPortCtl + ".3.1.100", "i", "7"}).exitCode == 0, false) << "refused, journaled all the same";

  const auto records = qrxtest::ReadRequestJournal(requests);
  std::filesystem::remove(requests);
  ASSERT_EQ(records.size(), 4u);
  EXPECT_EQ(records[0].op, "GET");
  ASSERT_EQ(records[0].varbinds.size(), 2u);
  EXPECT_EQ(records[0].varbinds[0].oid, kSystemIp);
  EXPECT_EQ(records[0].varbinds[1].oid, sysDescr);
  EXPECT_EQ(records[1].op, "GETNEXT");
  ASSERT_EQ(records[1].varbinds.size(), 1u);
  EXPECT_EQ(records[1].varbinds[0].oid, kPortCtl + ".3");
  EXPECT_EQ(records[2].op, "GETBULK");
  EXPECT_EQ(records[2].nonRepeaters, 1);
  EXPECT_EQ(records[2].maxRepetitions, 5);
  ASSERT_EQ(records[2].varbinds.size(), 2u);
  EXPECT_EQ(records[2].varbinds[1].oid, kPortCtl + ".3");
  EXPECT_EQ(records[3].op, "SET");
  ASSERT_EQ(records[3].varbinds.size(), 1u);
  EXPECT_EQ(records[3].varbinds[0].type, "INTEGER");
  EXPECT_EQ(records[3].varbinds[0].value, "7");
  // Every request has its own id.
  std::set<long> ids;
  for (const auto& r : records) ids.insert(r.id);
  EXPECT_EQ(ids.size(), records.size());

  const auto sets = qrxtest::ReadSetJournal(path);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(sets[0].varbinds.at(0).value, "7");
}

TEST(JournalCommandLine, AnUnwritableRequestJournalStopsTheStartWithAMessage) {
  auto r = qrxtest::RunCommand({qrxtest::SimProcess::DefaultExecutable(), "--port", "0", "--request-journal",
                                "/nonexistent-dir/requests.txt"},
                               5000);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("/nonexistent-dir/requests.txt"), std::string::npos) << r.err;
  r = qrxtest::RunCommand({qrxtest::SimProcess::DefaultExecutable(), "--request-journal", ""}, 5000);
  EXPECT_EQ(r.exitCode, 2);
}

TEST(JournalFormat, RequestRecordsRoundTripThroughTheReader) {
  using Op = sim::JournalRequest::Op;
  sim::JournalRequest bulk{Op::GetBulk, 7, 1, 25, {{{1, 3, 6, 1, 2}, {}}, {{1, 3, 6, 1, 4, 5}, {}}}};
  sim::JournalRequest set{Op::Set, -3, 0, 0, {{{1, 3, 6, 1, 9, 0}, sim::Value::Octets("ab")}}};
  sim::JournalRequest probe{Op::Get, 8, 0, 0, {}};
  const std::string text =
      sim::FormatRequestRecord(bulk) + sim::FormatRequestRecord(set) + sim::FormatRequestRecord(probe);
  EXPECT_EQ(text,
            "GETBULK 2 id=7 nr=1 mr=25\n"
            "1.3.6.1.2\n"
            "1.3.6.1.4.5\n"
            "SET 1 id=-3\n"
            "1.3.6.1.9.0 OCTET_STRING 61 62\n"
            "GET 0 id=8\n");
  const std::string path = TempPath("request-format");
  {
    std::ofstream out(path, std::ios::binary);
    out << text;
  }
  const auto records = qrxtest::ReadRequestJournal(path);
  std::filesystem::remove(path);
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].op, "GETBULK");
  EXPECT_EQ(records[0].id, 7);
  EXPECT_EQ(records[0].maxRepetitions, 25);
  EXPECT_EQ(records[0].varbinds.at(1).oid, "1.3.6.1.4.5");
  EXPECT_EQ(records[1].id, -3);
  EXPECT_EQ(records[1].varbinds.at(0).value, "61 62");
  EXPECT_TRUE(records[2].varbinds.empty());
}

TEST(JournalReader, MalformedRequestJournalsThrow) {
  const char* const kBad[] = {
      "1.3.6\n",                         // varbind without a record
      "GET 1\n1.3.6\n",                  // no id
      "GET 1 id=x\n1.3.6\n",             // id not a number
      "TRAP 1 id=1\n1.3.6\n",            // not a request
      "GETBULK 1 id=1\n1.3.6\n",         // GETBULK without nr= and mr=
      "GET 2 id=1\n1.3.6\n",             // cut short
      "GET 1 id=1\n1.3.6 INTEGER 1\n",   // a value in a read
      "SET 1 id=1\n1.3.6\n",             // a SET without its type
      "GETNEXT 1 id=1\n.1.3.6\n",        // leading dot
  };
  const std::string path = TempPath("request-bad");
  for (const char* bad : kBad) {
    SCOPED_TRACE(bad);
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out << bad;
    }
    EXPECT_THROW(qrxtest::ReadRequestJournal(path), std::runtime_error);
  }
  std::filesystem::remove(path);
}

// What the manager asked for: the same whatever the exchanges of its walks.
struct AskedCase {
  const char* what;
  const char* journal;
  const char* asked;
};
const AskedCase kAsked[] = {
    {"a two-column walk by GETBULK in three exchanges, the last one column only",
     "GET 1 id=1\n1.3.6.1.2.1.1.5.0\n"
     "GETBULK 2 id=2 nr=0 mr=2\n1.3.6.1.9.1.2\n1.3.6.1.9.1.3\n"
     "GETBULK 2 id=3 nr=0 mr=8\n1.3.6.1.9.1.2.2\n1.3.6.1.9.1.3.2\n"
     "GETBULK 1 id=4 nr=0 mr=30\n1.3.6.1.9.1.3.10\n",
     "GET\n  1.3.6.1.2.1.1.5.0\nWALK 1.3.6.1.9.1.2\nWALK 1.3.6.1.9.1.3\n"},
    {"the same walk by GET-NEXT, the columns' steps interleaved with a second walk",
     "GET 1 id=11\n1.3.6.1.2.1.1.5.0\n"
     "GETNEXT 2 id=12\n1.3.6.1.9.1.2\n1.3.6.1.9.1.3\n"
     "GETNEXT 1 id=13\n1.3.6.1.9.1.2.1\n"
     "GETNEXT 1 id=14\n1.3.6.1.9.1.3.1\n"
     "GETNEXT 1 id=15\n1.3.6.1.8\n"
     "GETNEXT 2 id=16\n1.3.6.1.9.1.2.2\n1.3.6.1.8.4.0\n",
     "GET\n  1.3.6.1.2.1.1.5.0\nWALK 1.3.6.1.9.1.2\nWALK 1.3.6.1.9.1.3\nWALK 1.3.6.1.8\n"},
    {"a column walked twice (a second refresh) shows twice",
     "GETBULK 1 id=1 nr=0 mr=10\n1.3.6.1.9.1.2\nGETBULK 1 id=2 nr=0 mr=10\n1.3.6.1.9.1.2.10\n"
     "GETBULK 1 id=3 nr=0 mr=10\n1.3.6.1.9.1.2\n",
     "WALK 1.3.6.1.9.1.2\nWALK 1.3.6.1.9.1.2\n"},
    {"GETs and SETs kept whole in their order, a repeated GET too; retransmissions and probes left out",
     "GET 0 id=1\n"
     "GET 2 id=2\n1.3.6.1.5.0\n1.3.6.1.4.0\n"
     "GET 2 id=2\n1.3.6.1.5.0\n1.3.6.1.4.0\n"
     "SET 2 id=3\n1.3.6.1.7.0 INTEGER 2\n1.3.6.1.6.0 OCTET_STRING\n"
     "GET 2 id=4\n1.3.6.1.5.0\n1.3.6.1.4.0\n",
     "GET\n  1.3.6.1.5.0\n  1.3.6.1.4.0\n"
     "SET\n  1.3.6.1.7.0 INTEGER 2\n  1.3.6.1.6.0 OCTET_STRING\n"
     "GET\n  1.3.6.1.5.0\n  1.3.6.1.4.0\n"},
    {"a neighbouring column is no step of a walk (1.3.6.1.9.1.20 is not inside 1.3.6.1.9.1.2)",
     "GETNEXT 1 id=1\n1.3.6.1.9.1.2\nGETNEXT 1 id=2\n1.3.6.1.9.1.20\n",
     "WALK 1.3.6.1.9.1.2\nWALK 1.3.6.1.9.1.20\n"},
};

TEST(JournalReader, AskedForLeavesOutHowWalksWereCutIntoExchanges) {
  const std::string path = TempPath("asked");
  for (const AskedCase& c : kAsked) {
    SCOPED_TRACE(c.what);
    {
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out << c.journal;
    }
    EXPECT_EQ(qrxtest::AskedFor(qrxtest::ReadRequestJournal(path)), c.asked);
  }
  std::filesystem::remove(path);
}

}  // namespace
