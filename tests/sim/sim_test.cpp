// qrx900-sim seen from outside: net-snmp's command-line tools against the
// running simulator.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <fstream>
#include <set>
#include <sstream>

#include "common/RequestJournal.h"
#include "sim/SimModel.h"
#include "tables/DefTables.h"
#include "tests/sim/SimFixture.h"

namespace {

const std::string kSysDescr = "1.3.6.1.2.1.1.1.0";
const std::string kEngineId = "1.3.6.1.6.3.10.2.1.1.0";
const std::string kSystemIp = "1.3.6.1.4.1.32473.11.63.8.2.1.2.2.0";
const std::string kLed = "1.3.6.1.4.1.32473.11.63.8.2.1.1.5.0";
const std::string kPortCtl = "1.3.6.1.4.1.32473.11.63.8.2.2.2.1";  // port control entry
const std::string kVlan = "1.3.6.1.2.1.17.7.1.4.3.1";             // dot1qVlanStaticEntry
const std::string kIfOper = "1.3.6.1.2.1.2.2.1.8";

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("qrx-sim-test-" + std::to_string(getpid()) + "-" + name))
      .string();
}

class SimTest : public SimFixture {};

// Looks until done() holds, 30 s at most (a bound, not a pace).
bool WaitUntil(const std::function<bool()>& done) {
  for (const long long end = qrxtest::detail::NowMs() + 30000; qrxtest::detail::NowMs() < end; usleep(20000))
    if (done()) return true;
  return done();
}

// ---------------------------------------------------------------------------
// Versions and credentials

struct VersionCase {
  const char* name;
  std::vector<std::string> auth;
};

TEST_F(SimTest, AnswersV1V2cAndV3AuthPriv) {
  StartSim();
  const VersionCase cases[] = {{"v1", V1()}, {"v2c", V2c()}, {"v3 authPriv", V3()}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto r = Get({kSysDescr, kSystemIp, kEngineId}, c.auth);
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    auto vb = Varbinds(r.out);
    EXPECT_NE(vb[kSysDescr].find("QRX-900"), std::string::npos) << r.out;
    EXPECT_EQ(vb[kSystemIp], "IpAddress: 192.0.2.10");
    // The engine ID stays the same from run to run.
    EXPECT_EQ(HexBytes(vb[kEngineId]).size(), 15u) << vb[kEngineId];
  }
}

TEST_F(SimTest, RefusesWrongCredentials) {
  StartSim();
  const Args fast{"-t", "0.3", "-r", "0"};
  // Wrong community: no answer at all.
  auto r = Tool("snmpget", V2c("public"), {kSysDescr}, fast);
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.err.find("Timeout"), std::string::npos) << r.err;
  // The read community cannot write.
  r = Set({kPortCtl + ".6.1.100", "s", "x"}, V2c());
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.err.find("noAccess"), std::string::npos) << r.err;
  // Wrong authentication pass phrase.
  r = Tool("snmpget", V3("wrongpassword"), {kSysDescr}, fast);
  EXPECT_NE(r.exitCode, 0);
  EXPECT_EQ(r.out.find("QRX-900"), std::string::npos);
  // The user requires privacy: authNoPriv is refused.
  r = Tool("snmpget",
           {"-v3", "-l", "authNoPriv", "-u", qrxtest::SimProcess::kUser, "-a", "SHA", "-A",
            qrxtest::SimProcess::kAuthPassword},
           {kSysDescr}, fast);
  EXPECT_NE(r.exitCode, 0);
  EXPECT_EQ(r.out.find("QRX-900"), std::string::npos);
}

TEST_F(SimTest, CommunitiesAndUserAreSettable) {
  StartSim({"--read-community", "ro-x", "--write-community", "rw-x", "--user", "ops", "--auth-protocol", "MD5",
            "--auth-password", "md5secret", "--priv-protocol", "DES", "--priv-password", "dessecret"});
  const Args fast{"-t", "0.3", "-r", "0"};
  EXPECT_EQ(Get({kSysDescr}, V2c("ro-x")).exitCode, 0);
  EXPECT_NE(Tool("snmpget", V2c(), {kSysDescr}, fast).exitCode, 0);  // the default is gone
  EXPECT_EQ(Set({kPortCtl + ".6.2.100", "s", "uplink"}, V2c("rw-x")).exitCode, 0);
  auto r = Get({kSysDescr}, {"-v3", "-l", "authPriv", "-u", "ops", "-a", "MD5", "-A", "md5secret", "-x", "DES", "-X",
                             "dessecret"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  // The community table shows the communities in force.
  r = Walk("1.3.6.1.6.3.18.1.1.1.2", V2c("ro-x"));
  EXPECT_NE(r.out.find("\"ro-x\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"rw-x\""), std::string::npos) << r.out;
}

TEST_F(SimTest, NoAuthNoPrivUserWhenAsked) {
  StartSim({"--security-level", "noAuthNoPriv", "--user", "guest"});
  auto r = Get({kSysDescr}, {"-v3", "-l", "noAuthNoPriv", "-u", "guest"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
}

// ---------------------------------------------------------------------------
// Reading

TEST_F(SimTest, WalksPerPortTablesAndTheDefaultVlan) {
  StartSim();
  // Port control: ports 1 to 52 copper, and the fibre slots of 49 and 50.
  auto r = Walk(kPortCtl + ".2");
  ASSERT_EQ(r.exitCode, 0) << r.err;
  auto vb = Varbinds(r.out);
  EXPECT_EQ(vb.size(), 54u);
  EXPECT_EQ(vb[kPortCtl + ".2.1.100"], "INTEGER: 100");
  EXPECT_EQ(vb[kPortCtl + ".2.49.101"], "INTEGER: 101");
  EXPECT_EQ(vb[kPortCtl + ".2.52.100"], "INTEGER: 100");
  EXPECT_EQ(vb.count(kPortCtl + ".2.53.100"), 0u);
  // The port index column takes its values from the instance suffix.
  vb = Varbinds(Walk(kPortCtl + ".1").out);
  EXPECT_EQ(vb[kPortCtl + ".1.50.101"], "INTEGER: 50");

  // VLAN 1 "default" with every port.
  vb = Varbinds(Walk(kVlan).out);
  EXPECT_EQ(vb[kVlan + ".1.1"], "STRING: \"default\"");
  EXPECT_EQ(HexBytes(vb[kVlan + ".2.1"]), (std::vector<int>{0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xf0}))
      << "a 52-port switch sends its port lists in 7 octets";
  EXPECT_EQ(vb[kVlan + ".5.1"], "INTEGER: 1");

  // The interfaces of a 52-port switch.
  vb = Varbinds(Walk("1.3.6.1.2.1.2").out);
  EXPECT_EQ(vb["1.3.6.1.2.1.2.1.0"], "INTEGER: 52");
  EXPECT_EQ(vb["1.3.6.1.2.1.2.2.1.1.52"], "INTEGER: 52");
  EXPECT_EQ(vb.count("1.3.6.1.2.1.2.2.1.1.53"), 0u);
}

// Port lists in 7 octets (the default) or 8; BITS objects that are no port
// lists in the size of their MIB whatever the switch.
TEST_F(SimTest, PortListLengthIsChosenOnTheCommandLine) {
  const std::string mirrorRx = "1.3.6.1.4.1.32473.11.63.8.2.6.1.0";
  const std::string trunkMembers = "1.3.6.1.4.1.32473.11.63.8.2.4.3.1.3.1";
  const std::string tlvs = "1.0.8802.1.1.2.1.1.6.1.4.1";
  const std::string dot3Tlvs = "1.0.8802.1.1.2.1.5.4623.1.1.1.1.1.1";
  const std::string aclPorts = "1.3.6.1.4.1.32473.12.9.3.1.1.14";
  for (const char* octets : {"7", "8"}) {
    SCOPED_TRACE(octets);
    StartSim({"--port-list-octets", octets});
    const size_t n = static_cast<size_t>(octets[0] - '0');
    auto vb = Varbinds(Get({kVlan + ".2.1", mirrorRx, trunkMembers, tlvs, dot3Tlvs}).out);
    EXPECT_EQ(HexBytes(vb[kVlan + ".2.1"]).size(), n);
    EXPECT_EQ(HexBytes(vb[mirrorRx]).size(), n);
    EXPECT_EQ(HexBytes(vb[trunkMembers]).size(), n);
    EXPECT_EQ(HexBytes(vb[tlvs]).size(), 1u) << vb[tlvs];
    EXPECT_EQ(HexBytes(vb[dot3Tlvs]).size(), 1u) << vb[dot3Tlvs];
    vb = Varbinds(Walk(aclPorts).out);
    ASSERT_FALSE(vb.empty());
    for (const auto& [oid, value] : vb) EXPECT_EQ(HexBytes(value).size(), n) << oid;
    sim.Stop();
  }
}

TEST_F(SimTest, BulkWalkOfEverythingIsOrderedAndComplete) {
  StartSim();
  auto r = Tool("snmpbulkwalk", V2c(), {"-Cr25", "1"}, {"-t", "3", "-r", "1"});
  ASSERT_EQ(r.exitCode, 0) << r.err;  // snmpbulkwalk stops with an error on a non-increasing OID
  EXPECT_EQ(r.err.find("not increasing"), std::string::npos);
  auto vb = Varbinds(r.out);
  // Every object of the list answers with at least one instance, in its type.
  auto list = qrxtest::RunCommand({qrxtest::SimProcess::DefaultExecutable(), "--list"});
  ASSERT_EQ(list.exitCode, 0);
  std::istringstream in(list.out);
  std::string line;
  int objects = 0;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream ls(line);
    std::string oid, type, access;
    ls >> oid >> type >> access;
    ++objects;
    auto it = vb.lower_bound(oid + ".");
    ASSERT_TRUE(it != vb.end() && it->first.rfind(oid + ".", 0) == 0) << "no instance of " << oid;
    static const std::map<std::string, std::vector<std::string>> kShown = {
        {"INTEGER", {"INTEGER:"}},
        {"OCTET-STRING", {"STRING:", "Hex-STRING:", "\"\""}},
        {"OBJECT-IDENTIFIER", {"OID:"}},
        {"IpAddress", {"IpAddress:"}},
        {"Counter32", {"Counter32:"}},
        {"Gauge32", {"Gauge32:"}},
        {"TimeTicks", {"Timeticks:"}},
        {"Counter64", {"Counter64:"}},
        {"NULL", {"NULL"}}};
    bool typed = false;
    for (const auto& prefix : kShown.at(type)) typed = typed || it->second.rfind(prefix, 0) == 0;
    EXPECT_TRUE(typed) << oid << " listed as " << type << ", answered " << it->second;
  }
  EXPECT_GT(objects, 50);
}

// A GETBULK reply carries what was asked, up to --bulk-max bindings (whole
// repetitions of the columns asked); the default, 500, is five times the 100
// of net-snmp's own agent.
struct BulkCase {
  const char* name;
  std::vector<std::string> switches;
  int columns;
  int repetitions;
  size_t bindings;
};

TEST_F(SimTest, BulkRepliesCarryWhatWasAskedUpToTheBound) {
  const std::vector<BulkCase> cases = {
      {"default, 5 columns x 90", {}, 5, 90, 450},
      {"default, 5 columns x 300", {}, 5, 300, 500},
      {"default, 1 column x 1000", {}, 1, 1000, 500},
      {"--bulk-max 100, 5 columns x 300", {"--bulk-max", "100"}, 5, 300, 100},
      {"--bulk-max 100, 3 columns x 300", {"--bulk-max", "100"}, 3, 300, 99},
      {"--bulk-max 40, 1 column x 60", {"--bulk-max", "40"}, 1, 60, 40},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> switches{"--rows", "Dot1qVlanStatic=2000"};
    switches.insert(switches.end(), c.switches.begin(), c.switches.end());
    sim.Stop();
    StartSim(switches);
    std::vector<std::string> rest{"-Cn0", "-Cr" + std::to_string(c.repetitions)};
    for (int k = 1; k <= c.columns; ++k) rest.push_back(kVlan + "." + std::to_string(k));
    auto r = Tool("snmpbulkget", V2c(), rest, {"-t", "3", "-r", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Varbinds(r.out).size(), c.bindings);
  }
}

TEST_F(SimTest, FrontPanelLedFollowsPortControl) {
  StartSim();
  const Args hex{"-t", "1", "-r", "1", "-Ox"};
  auto led = [&] { return HexBytes(Varbinds(Tool("snmpget", V2c(), {kLed}, hex).out)[kLed]); };
  auto bytes = led();
  ASSERT_EQ(bytes.size(), sim::kLedLength);
  EXPECT_EQ(bytes[0], 0x02);  // power: steady green
  for (int p = 1; p <= 52; ++p) {
    int status = bytes[static_cast<size_t>(2 * p)], colour = bytes[static_cast<size_t>(2 * p + 1)];
    if (status == 1) continue;  // no link
    EXPECT_TRUE((status & 0x7f) == 2) << "port " << p;
    EXPECT_TRUE(colour == 1 || colour == 3 || colour == 5) << "port " << p;
  }
  // Port 1 always has a link; disabling it turns its LED off.
  EXPECT_NE(bytes[2], 1);
  EXPECT_EQ(Varbinds(Get({kIfOper + ".1"}).out)[kIfOper + ".1"], "INTEGER: 1");
  ASSERT_EQ(Set({kPortCtl + ".3.1.100", "i", "2"}).exitCode, 0);
  EXPECT_EQ(led()[2], 1);
  EXPECT_EQ(Varbinds(Get({kIfOper + ".1"}).out)[kIfOper + ".1"], "INTEGER: 2");
  ASSERT_EQ(Set({kPortCtl + ".3.1.100", "i", "3"}).exitCode, 0);
  EXPECT_NE(led()[2], 1);
  // A forced 100 Mbit/s port shows orange.
  ASSERT_EQ(Set({kPortCtl + ".4.1.100", "i", "5"}).exitCode, 0);
  bytes = led();
  EXPECT_TRUE(bytes[3] == 1 || bytes[3] == 5) << bytes[3];
}

TEST_F(SimTest, FrontPanelLedShowsActivity) {
  StartSim({"--seed", "7"});
  const Args hex{"-t", "1", "-r", "1", "-Ox"};
  auto first = Varbinds(Tool("snmpget", V2c(), {kLed}, hex).out)[kLed];
  // Activity changes every second of the simulator's clock.
  EXPECT_TRUE(WaitUntil([&] { return Varbinds(Tool("snmpget", V2c(), {kLed}, hex).out)[kLed] != first; }));
}

// A port told to carry 12500 octets a second counts 125 octets per hundredth
// of a second of sysUpTime, in and out, 64-bit and 32-bit alike; its errors
// and discards stand still.
TEST_F(SimTest, PortTrafficCountsAtTheToldRate) {
  StartSim({"--port-traffic", "5=12500"});
  const Args oids{"1.3.6.1.2.1.1.3.0",         "1.3.6.1.2.1.31.1.1.1.6.5", "1.3.6.1.2.1.31.1.1.1.10.5",
                  "1.3.6.1.2.1.2.2.1.10.5",    "1.3.6.1.2.1.2.2.1.16.5",   "1.3.6.1.2.1.2.2.1.14.5",
                  "1.3.6.1.2.1.2.2.1.13.5"};
  auto read = [&] {
    std::vector<long long> v;
    std::istringstream in(Tool("snmpget", V2c(), oids, {"-t", "2", "-r", "2", "-Oqvt"}).out);
    for (std::string line; std::getline(in, line);) v.push_back(std::stoll(line));
    return v;
  };
  const auto a = read();
  ASSERT_EQ(a.size(), oids.size());
  std::vector<long long> b;
  ASSERT_TRUE(WaitUntil([&] { return (b = read()).size() == oids.size() && b[0] >= a[0] + 200; }));
  const long long ticks = b[0] - a[0];
  for (size_t i = 1; i <= 4; ++i) {
    SCOPED_TRACE(oids[i]);
    // sysUpTime and the counter are read one after the other: a hundredth
    // of a second may turn between them.
    EXPECT_GE(b[i] - a[i], 125 * (ticks - 2));
    EXPECT_LE(b[i] - a[i], 125 * (ticks + 2));
  }
  EXPECT_EQ(b[5], a[5]) << "errors stand still";
  EXPECT_EQ(b[6], a[6]) << "discards stand still";
}

// ---------------------------------------------------------------------------
// Writing

TEST_F(SimTest, SetIsKeptAndChecked) {
  StartSim();
  auto r = Set({kPortCtl + ".6.3.100", "s", "to the core", kSystemIp, "a", "10.1.2.3"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  auto vb = Varbinds(Get({kPortCtl + ".6.3.100", kSystemIp}).out);
  EXPECT_EQ(vb[kPortCtl + ".6.3.100"], "STRING: \"to the core\"");
  EXPECT_EQ(vb[kSystemIp], "IpAddress: 10.1.2.3");

  struct Refused {
    const char* what;
    Args triple;
    const char* error;
  };
  const Refused refused[] = {
      {"index column", {kPortCtl + ".1.1.100", "i", "5"}, "notWritable"},
      {"LED", {kLed, "s", "x"}, "notWritable"},
      {"wrong type", {kPortCtl + ".3.1.100", "s", "3"}, "wrongType"},
      {"value not in the enumeration", {kPortCtl + ".3.1.100", "i", "7"}, "wrongValue"},
      {"missing row", {kPortCtl + ".3.99.100", "i", "2"}, "noCreation"},
      {"too long a DisplayString", {kPortCtl + ".6.1.100", "s", std::string(256, 'x')}, "wrongLength"},
  };
  for (const auto& c : refused) {
    SCOPED_TRACE(c.what);
    r = Set(c.triple);
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
  }
  // A refused PDU changes nothing, not even its valid varbinds.
  r = Set({kPortCtl + ".6.4.100", "s", "changed", kPortCtl + ".3.4.100", "i", "9"});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_EQ(Varbinds(Get({kPortCtl + ".6.4.100"}).out)[kPortCtl + ".6.4.100"], "\"\"");
}

TEST_F(SimTest, StateFileKeepsWritesAcrossRestarts) {
  const std::string state = TempPath("state");
  std::remove(state.c_str());
  StartSim({"--state", state});
  ASSERT_EQ(Set({kPortCtl + ".6.7.100", "s", "kept", kVlan + ".5.20", "i", "4", kVlan + ".1.20", "s", "lab"}).exitCode,
            0);
  ASSERT_EQ(Set({kVlan + ".5.1", "i", "6"}).exitCode, 0);  // the default VLAN goes
  ASSERT_EQ(Set({kSystemIp, "a", "10.9.8.7"}).exitCode, 0);
  sim.Stop();

  StartSim({"--state", state});
  auto vb = Varbinds(Get({kPortCtl + ".6.7.100", kPortCtl + ".6.8.100", kSystemIp}).out);
  EXPECT_EQ(vb[kSystemIp], "IpAddress: 10.9.8.7");
  EXPECT_EQ(vb[kPortCtl + ".6.7.100"], "STRING: \"kept\"");
  EXPECT_EQ(vb[kPortCtl + ".6.8.100"], "\"\"");
  vb = Varbinds(Walk(kVlan + ".1").out);
  EXPECT_EQ(vb.size(), 1u);
  EXPECT_EQ(vb[kVlan + ".1.20"], "STRING: \"lab\"");
  sim.Stop();

  // Without the switch, nothing of it.
  StartSim();
  EXPECT_EQ(Varbinds(Get({kPortCtl + ".6.7.100"}).out)[kPortCtl + ".6.7.100"], "\"\"");
  std::remove(state.c_str());
}

TEST_F(SimTest, DamagedStateFileIsReportedAndSkipped) {
  const std::string state = TempPath("damaged");
  {
    std::ofstream f(state, std::ios::binary);
    f << "row 1.3.6.1.4.1.32473.11.63.8.2.2.2.1 5.100 6=04:6f6b\n"
      << "garbage line\n"
      << "scalar 1.3.6.1.4.1.32473.11.63.8.2.1.2.2 40:zz\n"
      << "row 1.3.6.1.4.1.32473.11.63.8.2.2.2.1 999999999999 6=04:00\n"
      << std::string(1000, '\xff') << "\n";
  }
  StartSim({"--state", state});
  auto vb = Varbinds(Get({kPortCtl + ".6.5.100", kSystemIp}).out);
  EXPECT_EQ(vb[kPortCtl + ".6.5.100"], "STRING: \"ok\"");
  EXPECT_EQ(vb[kSystemIp], "IpAddress: 192.0.2.10");
  std::remove(state.c_str());
}

TEST_F(SimTest, RowStatusOnTheStaticVlanTable) {
  StartSim();
  // createAndGo with values: the row is active and carries them.
  auto r = Set({kVlan + ".5.10", "i", "4", kVlan + ".1.10", "s", "ten", kVlan + ".2.10", "x", "C0000000000000"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  auto vb = Varbinds(Walk(kVlan).out);
  EXPECT_EQ(vb[kVlan + ".1.10"], "STRING: \"ten\"");
  EXPECT_EQ(HexBytes(vb[kVlan + ".2.10"]), (std::vector<int>{0xc0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(vb[kVlan + ".5.10"], "INTEGER: 1");

  struct Case {
    const char* what;
    Args triples;
    const char* error;  // nullptr: accepted
  };
  const Case cases[] = {
      {"createAndGo on an existing row", {kVlan + ".5.10", "i", "4"}, "inconsistentValue"},
      {"active on a missing row", {kVlan + ".5.11", "i", "1"}, "inconsistentValue"},
      {"notReady is never set", {kVlan + ".5.10", "i", "3"}, "wrongValue"},
      {"out of range", {kVlan + ".5.10", "i", "7"}, "wrongValue"},
      {"a column of a missing row", {kVlan + ".1.11", "s", "x"}, "noCreation"},
      {"two rows in one PDU", {kVlan + ".5.12", "i", "4", kVlan + ".5.13", "i", "4"}, nullptr},
      {"destroy", {kVlan + ".5.10", "i", "6"}, nullptr},
      {"destroy of a missing row", {kVlan + ".5.10", "i", "6"}, nullptr},
      {"createAndWait", {kVlan + ".5.14", "i", "5"}, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    r = Set(c.triples);
    if (c.error) {
      EXPECT_NE(r.exitCode, 0);
      EXPECT_NE(r.err.find(c.error), std::string::npos) << r.err;
    } else {
      EXPECT_EQ(r.exitCode, 0) << r.err;
    }
  }
  vb = Varbinds(Walk(kVlan + ".5").out);
  EXPECT_EQ(vb.count(kVlan + ".5.10"), 0u);
  EXPECT_EQ(vb.count(kVlan + ".5.11"), 0u);
  EXPECT_EQ(vb[kVlan + ".5.12"], "INTEGER: 1");
  EXPECT_EQ(vb[kVlan + ".5.13"], "INTEGER: 1");
  EXPECT_EQ(vb[kVlan + ".5.14"], "INTEGER: 2");  // notInService
  EXPECT_EQ(vb[kVlan + ".5.1"], "INTEGER: 1");
  // A v3 write works as well.
  EXPECT_EQ(Set({kVlan + ".5.14", "i", "1"}, V3()).exitCode, 0);
  EXPECT_EQ(Varbinds(Get({kVlan + ".5.14"}).out)[kVlan + ".5.14"], "INTEGER: 1");
}

// ---------------------------------------------------------------------------
// Faults

TEST_F(SimTest, FaultNoAnswer) {
  StartSim({"--fault-no-answer"});
  auto r = Tool("snmpget", V2c(), {kSysDescr}, {"-t", "0.3", "-r", "1"});
  EXPECT_NE(r.exitCode, 0);
  EXPECT_NE(r.err.find("Timeout"), std::string::npos) << r.err;
}

TEST_F(SimTest, FaultAnswerEveryKthRequest) {
  StartSim({"--fault-answer-every", "3"});
  const Args once{"-t", "1", "-r", "0"};
  std::string pattern;
  for (int i = 0; i < 6; ++i) pattern += Tool("snmpget", V2c(), {kSysDescr}, once).exitCode == 0 ? 'A' : '-';
  EXPECT_EQ(pattern, "--A--A");
  // With two retries, the third transmission is answered.
  auto r = Tool("snmpget", V2c(), {kSysDescr}, {"-t", "1", "-r", "2"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
}

// Every third request goes unanswered, the others are answered; a retry
// after a lost one is answered.
TEST_F(SimTest, FaultDropEveryKthRequest) {
  StartSim({"--fault-drop-every", "3"});
  const Args once{"-t", "0.5", "-r", "0"};
  std::string pattern;
  for (int i = 0; i < 6; ++i) pattern += Tool("snmpget", V2c(), {kSysDescr}, once).exitCode == 0 ? 'A' : '-';
  EXPECT_EQ(pattern, "AA-AA-");
  Tool("snmpget", V2c(), {kSysDescr}, once);
  auto r = Tool("snmpget", V2c(), {kSysDescr}, {"-t", "0.5", "-r", "1"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
}

// Each request is answered 1.2 s late: a shorter timeout never sees the
// answer, a longer one does, while the late answer of the first request is
// still on its way (it goes to the first tool's port, not to the next).
TEST_F(SimTest, FaultDelay) {
  StartSim({"--fault-delay", "1200"});
  EXPECT_NE(Tool("snmpget", V2c(), {kSysDescr}, {"-t", "0.3", "-r", "0"}).exitCode, 0);
  auto r = Tool("snmpget", V2c(), {kSysDescr}, {"-t", "10", "-r", "0"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.out.find("QRX-900"), std::string::npos) << r.out;
  r = Tool("snmpget", V3(), {kSysDescr}, {"-t", "10", "-r", "0"});
  EXPECT_EQ(r.exitCode, 0) << r.err;
}

// The 2nd and 4th SET requests are refused with genErr and change nothing;
// the others are applied. One transmission each (no retry), so that the
// simulator counts exactly the requests sent.
TEST_F(SimTest, FaultSetFailRefusesTheNthSet) {
  StartSim({"--fault-set-fail", "2", "--fault-set-fail", "4"});
  const std::string name = kPortCtl + ".6.3.100";
  const struct {
    const char* value;
    bool applied;
  } sets[] = {{"one", true}, {"two", false}, {"three", true}, {"four", false}, {"five", true}};
  std::string kept = "\"\"";
  for (const auto& c : sets) {
    SCOPED_TRACE(c.value);
    auto r = Tool("snmpset", V2cWrite(), {name, "s", c.value}, {"-t", "10", "-r", "0"});
    if (c.applied) {
      EXPECT_EQ(r.exitCode, 0) << r.err;
      kept = std::string("STRING: \"") + c.value + "\"";
    } else {
      EXPECT_NE(r.exitCode, 0);
      EXPECT_NE(r.err.find("genError"), std::string::npos) << r.err;
    }
    EXPECT_EQ(Varbinds(Get({name}).out)[name], kept);
  }
}

// SET requests after the first are held: not answered and not applied, while
// reads are answered; SIGUSR1 applies the held one and ends the hold.
TEST_F(SimTest, FaultHoldAfterHoldsLaterSetsUntilReleased) {
  const std::string journal = TempPath("hold-journal");
  std::filesystem::remove(journal);
  StartSim({"--fault-hold-after", "1", "--journal", journal});
  const std::string name = kPortCtl + ".6.3.100";
  const Args once{"-t", "10", "-r", "0"};
  ASSERT_EQ(Tool("snmpset", V2cWrite(), {name, "s", "first"}, once).exitCode, 0);
  auto held = Tool("snmpset", V2cWrite(), {name, "s", "held"}, {"-t", "1", "-r", "0"});
  EXPECT_NE(held.exitCode, 0);
  EXPECT_NE(held.err.find("Timeout"), std::string::npos) << held.err;
  EXPECT_EQ(Varbinds(Get({name}).out)[name], "STRING: \"first\"") << "reads are answered meanwhile";
  EXPECT_TRUE(WaitUntil([&] { return qrxtest::ReadSetJournal(journal).size() == 2; }))
      << "the held request is journaled";

  ASSERT_EQ(kill(sim.pid(), SIGUSR1), 0);
  std::string value;
  EXPECT_TRUE(WaitUntil([&] { return (value = Varbinds(Get({name}).out)[name]) == "STRING: \"held\""; }))
      << "the held request is applied once released; the value read: " << value;
  EXPECT_EQ(Tool("snmpset", V2cWrite(), {name, "s", "after"}, once).exitCode, 0) << "the hold has ended";
  EXPECT_EQ(Varbinds(Get({name}).out)[name], "STRING: \"after\"");
  std::filesystem::remove(journal);
}

TEST_F(SimTest, FaultErrorStatusForASubtree) {
  StartSim({"--fault-error", kPortCtl + ".4=genErr", "--fault-error", kVlan + "=13"});
  auto r = Get({kPortCtl + ".4.1.100"});
  EXPECT_NE(r.err.find("genError"), std::string::npos) << r.err;
  r = Get({kPortCtl + ".3.1.100"});  // outside: fine
  EXPECT_EQ(r.exitCode, 0) << r.err;
  r = Walk(kVlan + ".1");
  EXPECT_NE(r.err.find("resourceUnavailable"), std::string::npos) << r.err;
  // SNMPv1 has no such error-status: it becomes genErr.
  r = Walk(kVlan + ".1", V1());
  EXPECT_NE(r.err.find("genError"), std::string::npos) << r.err;
  r = Set({kVlan + ".1.1", "s", "x"});
  EXPECT_NE(r.err.find("resourceUnavailable"), std::string::npos) << r.err;
}

TEST_F(SimTest, FaultWrongTypeForASubtree) {
  StartSim({"--fault-wrong-type", kPortCtl + ".3", "--fault-wrong-type", kVlan + ".1"});
  auto vb = Varbinds(Get({kPortCtl + ".3.1.100", kVlan + ".1.1", kPortCtl + ".5.1.100"}).out);
  EXPECT_EQ(vb[kPortCtl + ".3.1.100"].rfind("STRING:", 0), 0u) << vb[kPortCtl + ".3.1.100"];
  EXPECT_EQ(vb[kVlan + ".1.1"].rfind("INTEGER:", 0), 0u) << vb[kVlan + ".1.1"];
  EXPECT_EQ(vb[kPortCtl + ".5.1.100"].rfind("INTEGER:", 0), 0u);
  vb = Varbinds(Tool("snmpgetnext", V2c(), {kPortCtl + ".3"}).out);
  EXPECT_EQ(vb[kPortCtl + ".3.1.100"].rfind("STRING:", 0), 0u);
}

TEST_F(SimTest, FaultNonIncreasingOid) {
  StartSim({"--fault-non-increasing", kPortCtl + ".6"});
  for (const char* tool : {"snmpwalk", "snmpbulkwalk"}) {
    SCOPED_TRACE(tool);
    auto r = Tool(tool, V2c(), {kPortCtl + ".6"});
    EXPECT_NE(r.err.find("not increasing"), std::string::npos) << r.err;
  }
  // Elsewhere walks proceed.
  auto r = Walk(kPortCtl + ".5");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(Varbinds(r.out).size(), 54u);
}

TEST_F(SimTest, FaultMissingObjects) {
  StartSim({"--fault-missing", kPortCtl + ".6"});
  const std::string lacked = kPortCtl + ".6.1.100", kept = kPortCtl + ".5.1.100";
  auto v2 = Varbinds(Get({kept, lacked}).out);
  EXPECT_EQ(v2[lacked].find("No Such Object"), 0u) << v2[lacked];
  EXPECT_EQ(v2[kept].rfind("INTEGER", 0), 0u) << v2[kept];
  auto v1 = Get({kept, lacked}, V1());
  EXPECT_NE(v1.err.find("noSuchName"), std::string::npos) << v1.out << v1.err;
  // Walks pass over the subtree, by GET-NEXT and by GET-BULK alike.
  for (const char* tool : {"snmpwalk", "snmpbulkwalk"}) {
    SCOPED_TRACE(tool);
    auto r = Tool(tool, V2c(), {kPortCtl});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    auto m = Varbinds(r.out);
    EXPECT_EQ(m.count(lacked), 0u);
    EXPECT_EQ(m.count(kept), 1u);
    EXPECT_EQ(m.count(kPortCtl + ".7.1.100"), 1u) << "the walk goes on after the lacking column";
  }
  auto set = Set({lacked, "i", "1"});
  EXPECT_NE(set.exitCode, 0);
}

TEST_F(SimTest, FaultEchoedName) {
  // Port control rows are indexed port.100: the echo starts at port 5.
  StartSim({"--fault-echo", kPortCtl + ".5.5.100"});
  const std::string port4 = kPortCtl + ".5.4.100";
  for (const auto& auth : {V2c(), V3()}) {
    // GET-NEXT of port 4 comes back as port 4 with NULL; a GET-BULK repeats it.
    auto next = Varbinds(Tool("snmpgetnext", auth, {port4, kPortCtl + ".6.4.100"}).out);
    EXPECT_EQ(next[port4], "NULL");
    ASSERT_EQ(next.count(kPortCtl + ".6.5.100"), 1u) << "the other binding is answered";
    EXPECT_NE(next[kPortCtl + ".6.5.100"], "NULL");
    auto bulk = Tool("snmpbulkget", auth, {"-Cr3", kPortCtl + ".5.3.100"});
    EXPECT_NE(bulk.out.find(port4 + " = INTEGER"), std::string::npos) << bulk.out;
    EXPECT_NE(bulk.out.find(port4 + " = NULL"), std::string::npos) << bulk.out;
    EXPECT_EQ(bulk.out.find(kPortCtl + ".5.5.100"), std::string::npos) << bulk.out;
  }
  auto walk = Walk(kPortCtl + ".5");
  EXPECT_NE(walk.err.find("not increasing"), std::string::npos) << walk.err;
  // Elsewhere and for GET nothing changes.
  EXPECT_EQ(Varbinds(Get({kPortCtl + ".5.5.100"}).out)[kPortCtl + ".5.5.100"].rfind("INTEGER", 0), 0u);
  EXPECT_EQ(Varbinds(Walk(kPortCtl + ".6").out).size(), 54u);
}

TEST_F(SimTest, FaultSetAnsweredNoSuchInstance) {
  StartSim({"--fault-set-nosuch", kPortCtl + ".4"});
  const std::string faulty = kPortCtl + ".4.7.100", fine = kPortCtl + ".3.7.100";
  const std::string before = Varbinds(Get({faulty, fine}).out)[faulty];
  for (const auto& auth : {V2cWrite(), V3()}) {
    auto set = Set({fine, "i", "2", faulty, "i", "2"}, auth);
    EXPECT_EQ(set.exitCode, 0) << set.err;
    auto answer = Varbinds(set.out);
    EXPECT_EQ(answer[faulty].find("No Such Instance"), 0u) << set.out;
    EXPECT_EQ(answer[fine], "INTEGER: 2") << set.out;
    EXPECT_EQ(Varbinds(Get({faulty}).out)[faulty], before) << "nothing written";
  }
  EXPECT_NE(Varbinds(Get({fine}).out)[fine], "INTEGER: 2") << "nothing of such a SET is written";
  EXPECT_EQ(Set({fine, "i", "2"}).exitCode, 0);
  EXPECT_EQ(Varbinds(Get({fine}).out)[fine], "INTEGER: 2") << "other SETs write";
}

TEST_F(SimTest, FaultSilentToUnknownEngine) {
  const std::string sysName = "1.3.6.1.2.1.1.5.0";
  Args stale = V3();
  stale.insert(stale.end(), {"-e", "0x80007ed90473746174", "-d"});  // -d: show the datagrams
  for (bool silent : {false, true}) {
    SCOPED_TRACE(silent ? "silent" : "reporting");
    if (silent) StartSim({"--fault-silent-unknown-engine"});
    else StartSim();
    EXPECT_EQ(Get({sysName}, V3()).exitCode, 0) << "discovery is answered";
    // net-snmp's tools wait in vain either way; on the wire the report comes or not.
    auto r = Tool("snmpget", stale, {sysName}, {"-t", "1", "-r", "0"});
    EXPECT_NE(r.exitCode, 0);
    const bool received = (r.out + r.err).find("Received") != std::string::npos;
    EXPECT_EQ(received, !silent) << r.out << r.err;
    sim.Stop();
  }
}

TEST_F(SimTest, FaultLedCutShort) {
  StartSim({"--fault-led-short", "20"});
  auto vb = Varbinds(Tool("snmpget", V2c(), {kLed}, {"-t", "1", "-r", "1", "-Ox"}).out);
  EXPECT_EQ(HexBytes(vb[kLed]).size(), 20u) << vb[kLed];
}

// ---------------------------------------------------------------------------
// Start-up

TEST_F(SimTest, ListMatchesTheDefinitionTables) {
  auto r = qrxtest::RunCommand({qrxtest::SimProcess::DefaultExecutable(), "--list"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  std::map<std::string, std::pair<std::string, std::string>> listed;
  std::vector<std::string> order;
  std::istringstream in(r.out);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream ls(line);
    std::string oid, type, access;
    ls >> oid >> type >> access;
    ASSERT_FALSE(access.empty()) << line;
    listed[oid] = {type, access};
    order.push_back(oid);
  }
  EXPECT_EQ(listed.size(), order.size()) << "an object listed twice";
  // The counts of the definition tables, for the record.
  size_t rows = 0;
  for (const KyVarDefTable* t : AllDefinitionTables()) rows += t->rows.size();
  const std::string counts = "# definition tables: " + std::to_string(AllDefinitionTables().size()) +
                             ", rows: " + std::to_string(rows) + ", option lists: ";
  EXPECT_NE(r.out.find("\n" + counts), std::string::npos) << r.out.substr(r.out.rfind("\n#") == std::string::npos ? 0 : r.out.rfind("\n#"));
  EXPECT_NE(r.out.find(" referenced), rows by syntax: 0x2="), std::string::npos);
  std::vector<sim::Oid> parsed;
  for (const auto& o : order) parsed.push_back(*sim::ParseOid(o));
  EXPECT_TRUE(std::is_sorted(parsed.begin(), parsed.end()));

  const char* const netsnmp[] = {"1.3.6.1.2.1.1.", "1.3.6.1.6.3.10.2.1.", "1.3.6.1.6.3.11.2.1.",
                                 "1.3.6.1.6.3.12.1.", "1.3.6.1.6.3.13.1.", "1.3.6.1.6.3.15.1.", "1.3.6.1.6.3.16.1."};
  for (const KyVarDefTable* t : AllDefinitionTables()) {
    bool rowStatus = false;
    for (size_t i = static_cast<size_t>(t->keyCount); t->kind >= 2 && i < t->rows.size(); ++i) {
      const KyOptionTable* o = t->rows[i].options;
      bool go = false, destroy = false;
      for (size_t k = 0; o && k < o->pairs.size(); ++k) {
        std::string label = o->pairs[k].label ? o->pairs[k].label : "";
        go = go || (o->pairs[k].value == 4 && label == "createAndGo");
        destroy = destroy || (o->pairs[k].value == 6 && label == "destroy");
      }
      rowStatus = rowStatus || (go && destroy);
    }
    for (size_t i = 0; i < t->rows.size(); ++i) {
      const KyVarDefRow& row = t->rows[i];
      std::string oid = row.oid ? row.oid : " ";
      if (oid == " ") continue;
      bool elsewhere = false;
      for (const char* n : netsnmp) elsewhere = elsewhere || (oid + ".").rfind(n, 0) == 0;
      SCOPED_TRACE(std::string(t->name) + " " + oid);
      if (elsewhere) {
        EXPECT_EQ(listed.count(oid), 0u) << "served by net-snmp's modules";
        continue;
      }
      ASSERT_EQ(listed.count(oid), 1u) << "not served";
      EXPECT_EQ(listed[oid].first, sim::TypeName(sim::WireType(row.syntax)));
      bool key = t->kind >= 2 && static_cast<int32_t>(i) < t->keyCount;
      const std::string& access = listed[oid].second;
      if (key || !(row.access & Access::Write)) EXPECT_EQ(access, "read-only");
      else EXPECT_EQ(access, rowStatus ? "read-create" : "read-write");
    }
  }
}

TEST_F(SimTest, RowsSwitchSizesATable) {
  StartSim({"--rows", "Dot1qVlanStatic=300"});
  auto r = Tool("snmpbulkwalk", V2c(), {"-Cr50", kVlan + ".5"});
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(Varbinds(r.out).size(), 300u);
}

TEST_F(SimTest, PrivateConfigDirectoryIsRead) {
  const std::string dir = TempPath("conf");
  std::filesystem::create_directories(dir);
  { std::ofstream(dir + "/qrx900-sim.conf") << "rocommunity extra\n"; }
  StartSim({"--config-dir", dir});
  EXPECT_EQ(Get({kSysDescr}, V2c("extra")).exitCode, 0);
  EXPECT_EQ(Get({kSysDescr}).exitCode, 0);
  sim.Stop();
  std::filesystem::remove_all(dir);
}

TEST(SimCommandLine, BadSwitchesAreRefusedWithAMessage) {
  const std::vector<std::vector<std::string>> cases = {
      {"--no-such-switch"},     {"--port", "70000"},        {"--port"},
      {"--fault-error", "1.3"}, {"--fault-error", "1.x=5"}, {"--fault-error", "1.3=bogus"},
      {"--rows", "X"},          {"--auth-password", "short"}, {"--security-level", "max"},
      {"--port-list-octets", "9"}, {"--port-list-octets"},
      {"--port-traffic", "53=1"}, {"--port-traffic", "5"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args{qrxtest::SimProcess::DefaultExecutable()};
    args.insert(args.end(), c.begin(), c.end());
    auto r = qrxtest::RunCommand(args, 5000);
    SCOPED_TRACE(c[0]);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("qrx900-sim: "), std::string::npos) << r.err;
  }
  auto help = qrxtest::RunCommand({qrxtest::SimProcess::DefaultExecutable(), "--help"});
  EXPECT_EQ(help.exitCode, 0);
  for (const char* s : {"--fault-non-increasing", "--fault-set-fail N", "--fault-hold-after N"})
    EXPECT_NE(help.out.find(s), std::string::npos) << s;
  for (const std::vector<std::string>& c :
       std::vector<std::vector<std::string>>{{"--fault-set-fail", "0"}, {"--fault-set-fail"}, {"--fault-hold-after", "x"}}) {
    std::vector<std::string> args{qrxtest::SimProcess::DefaultExecutable()};
    args.insert(args.end(), c.begin(), c.end());
    EXPECT_EQ(qrxtest::RunCommand(args, 5000).exitCode, 2) << c[0];
  }
}

TEST(SimCommandLine, PortInUseIsReported) {
  qrxtest::SimProcess first, second;
  ASSERT_TRUE(first.Start()) << first.error();
  EXPECT_FALSE(second.Start({"--port", std::to_string(first.port())}));
  EXPECT_NE(second.exitCode(), 0) << second.error();
  EXPECT_NE(second.error().find("cannot listen"), std::string::npos) << second.error();  // its standard error
}

// A simulator that cannot be run at all is reported with the reason.
TEST(SimCommandLine, MissingExecutableIsReportedWithTheReason) {
  qrxtest::SimProcess sim;
  sim.setExecutable(TempPath("no-such-simulator"));
  EXPECT_FALSE(sim.Start());
  EXPECT_NE(sim.error().find("cannot run " + TempPath("no-such-simulator")), std::string::npos) << sim.error();
  EXPECT_NE(sim.error().find("No such file"), std::string::npos) << sim.error();
}

// ---------------------------------------------------------------------------
// Instance suffixes of the model

TEST(SimIndex, EncodesAndDecodesBySyntax) {
  using sim::Value;
  auto K = [](Syntax syntax, bool implied = false) { return sim::KeySpec{syntax, implied, "", nullptr}; };
  struct Case {
    const char* what;
    std::vector<sim::KeySpec> keys;
    std::vector<Value> values;
    sim::Oid suffix;
  };
  const Case cases[] = {
      {"integers", {K(Syntax::Integer), K(Syntax::Integer)}, {Value::Int(3), Value::Int(100)}, {3, 100}},
      {"string with length", {K(Syntax::DisplayString)}, {Value::Octets("ab")}, {2, 'a', 'b'}},
      {"implied string", {K(Syntax::Integer), K(Syntax::DisplayString, true)}, {Value::Int(1), Value::Octets("ab")},
       {1, 'a', 'b'}},
      {"ip address", {K(Syntax::IpAddress)}, {Value::Ip(std::string("\x0a\x00\x00\x01", 4))}, {10, 0, 0, 1}},
      {"mac address", {K(Syntax::Gauge32), K(Syntax::MacAddress)},
       {Value::Num(sim::Asn::Gauge32, 1), Value::Octets(std::string("\x00\x11\x22\x33\x44\x55", 6))},
       {1, 0, 0x11, 0x22, 0x33, 0x44, 0x55}},
      {"empty string", {K(Syntax::OctetString), K(Syntax::Integer)}, {Value::Octets(""), Value::Int(7)}, {0, 7}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(sim::EncodeIndex(c.keys, c.values), c.suffix);
    auto back = sim::DecodeIndex(c.keys, c.suffix);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, c.values);
  }
  // Suffixes that do not fit the keys.
  const std::vector<sim::KeySpec> strKey{K(Syntax::DisplayString)};
  EXPECT_FALSE(sim::DecodeIndex(strKey, {5, 'a'}));          // length beyond the end
  EXPECT_FALSE(sim::DecodeIndex(strKey, {1, 300}));          // not a byte
  EXPECT_FALSE(sim::DecodeIndex(std::vector<sim::KeySpec>{K(Syntax::Integer)}, {}));   // missing
  EXPECT_FALSE(sim::DecodeIndex(std::vector<sim::KeySpec>{K(Syntax::Integer)}, {1, 2}));  // left over
  EXPECT_FALSE(sim::DecodeIndex(std::vector<sim::KeySpec>{K(Syntax::IpAddress)}, {10, 0, 0}));
}

// Counters grow by the second; with --frozen they and the port activity (the
// LED string) answer the same a while later.
TEST_F(SimTest, FrozenHoldsCountersAndPortActivityStill) {
  const std::string hcInOctets = "1.3.6.1.2.1.31.1.1.1.6.1";
  const std::string led = "1.3.6.1.4.1.32473.11.63.8.2.1.1.5.0";
  for (const bool frozen : {false, true}) {
    SCOPED_TRACE(frozen ? "--frozen" : "running");
    StartSim(frozen ? Args{"--frozen"} : Args{});
    auto first = Get({hcInOctets, led});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    usleep(2100000);  // two seconds of simulated activity
    auto later = Get({hcInOctets, led});
    ASSERT_EQ(later.exitCode, 0) << later.err;
    const auto a = Varbinds(first.out), b = Varbinds(later.out);
    if (frozen)
      EXPECT_EQ(a, b);
    else
      EXPECT_NE(a.at(hcInOctets), b.at(hcInOctets));
    sim.Stop();
  }
}

}  // namespace
