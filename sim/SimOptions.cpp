#include "sim/SimOptions.h"

#include <cctype>

namespace sim {

namespace {
const char* const kErrorNames[] = {
    "noError",    "tooBig",      "noSuchName", "badValue",          "readOnly",          "genErr",
    "noAccess",   "wrongType",   "wrongLength", "wrongEncoding",    "wrongValue",        "noCreation",
    "inconsistentValue", "resourceUnavailable", "commitFailed", "undoFailed", "authorizationError",
    "notWritable", "inconsistentName"};

bool ToInt(const std::string& s, long lo, long hi, int& out) {
  if (s.empty() || s.size() > 10) return false;
  for (char c : s)
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  long v = std::stol(s);
  if (v < lo || v > hi) return false;
  out = static_cast<int>(v);
  return true;
}
}  // namespace

int ErrorStatusFromText(const std::string& text) {
  int n = 0;
  if (ToInt(text, 1, 18, n)) return n;
  for (int i = 1; i <= 18; ++i) {
    std::string a = kErrorNames[i], b = text;
    for (auto& c : a) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (auto& c : b) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (a == b) return i;
  }
  return -1;
}

std::string HelpText() {
  return R"(Usage: qrx900-sim [switches]
A simulated QRX-900 switch: an SNMP agent on UDP that serves the device
manager's definition tables, the standard interfaces and community tables,
net-snmp's SNMPv3 framework modules and the system group.

Agent:
  --address ADDR            listen address (default 127.0.0.1)
  --port N                  UDP port (default 1161; 0 = any free port, printed)
  --read-community TEXT     read community (default "menlak")
  --write-community TEXT    write community (default "torvesk")
  --user NAME               SNMPv3 USM user (default "qrxadmin")
  --auth-protocol P         MD5, SHA, SHA-224, SHA-256, SHA-384, SHA-512 (default SHA)
  --auth-password TEXT      authentication pass phrase, 8+ characters (default "qrxauthpass")
  --priv-protocol P         DES, AES, AES-192, AES-256 (default AES)
  --priv-password TEXT      privacy pass phrase, 8+ characters (default "qrxprivpass")
  --security-level L        noAuthNoPriv, authNoPriv or authPriv (default authPriv)
  --engine-id HEX           local engine ID (default 80007ed904 + "qrx900-sim")
  --config-dir DIR          private configuration directory: reads DIR/qrx900-sim.conf
                            (snmpd.conf syntax) and keeps engine boots in DIR/persist;
                            without it no configuration file is read at all
  --state FILE              keep the values written by SET in FILE (loaded at start,
                            saved after every SET)
  --journal FILE            append one record per SET request received (refused ones
                            too) to FILE: "SET <count>", then "<oid> <TYPE> <value>"
                            per varbind in request order; flushed as written
  --request-journal FILE    append one record per request received (GET, GET-NEXT,
                            GETBULK and SET, dropped and delayed ones too) to FILE:
                            "<GET|GETNEXT|GETBULK|SET> <count> id=<request-id>"
                            (GETBULK adds "nr=<non-repeaters> mr=<max-repetitions>"),
                            then one line per varbind in request order: the OID, and
                            for SET its type and value as in --journal
  --rows TABLE=N            number of rows of a table (definition-table name or entry OID)
  --seed N                  seed of the simulated port activity (default 900)
  --port-list-octets N      length of the port lists served: 7 (the 52 ports, as a
                            52-port switch sends them; default) or 8 (a unit of 64)
  --frozen                  counters keep their starting values and the port
                            activity (front-panel LEDs) stands still: every read
                            answers the same whenever it comes
  --port-traffic PORT=OCTETS  port PORT (1-52) receives and sends OCTETS octets a
                            second of the agent's uptime (sysUpTime), counted to the
                            hundredth of a second; its other counters stand still;
                            repeatable
  --bulk-max N              a GETBULK reply carries at most N bindings, 1-100000
                            (default 500: the agent's work on a GETBULK grows with
                            the square of its repetitions; a reply larger than a
                            UDP datagram is not sent); an agent with net-snmp's
                            defaults sends 100
  --list                    print every object served (OID, type, access) and the
                            counts of the definition tables, and exit
  --verbose                 log requests to stderr
  --help                    this text

Faults on demand:
  --fault-no-answer         never answer
  --fault-answer-every K    answer only every K-th request, drop the others
  --fault-drop-every K      drop every K-th request, answer the others
  --fault-delay MS          answer each request MS milliseconds late
  --fault-error OID=STATUS  answer requests in the subtree OID with error-status
                            STATUS (number or name, e.g. genErr); repeatable
  --fault-wrong-type OID    answer values in the subtree OID with the wrong type; repeatable
  --fault-non-increasing OID  answer GET-NEXT/GET-BULK in the subtree OID with an OID
                            that does not increase; repeatable
  --fault-missing OID       lack the objects in the subtree OID, as an agent whose
                            firmware does not have them (GET: noSuchObject, or
                            noSuchName over SNMPv1; walks pass over them); repeatable
  --fault-echo OID          answer GET-NEXT/GET-BULK whose answer lies in the subtree OID
                            with the name asked for and NULL, as an agent that
                            swallowed an internal error (the other bindings of such
                            a request are answered from the switch's own objects);
                            repeatable
  --fault-set-nosuch OID    answer SETs that touch the subtree OID with noError and
                            noSuchInstance for those varbinds, writing nothing
                            (SNMPv2c, SNMPv3); repeatable
  --fault-silent-unknown-engine  answer an SNMPv3 message that names an engine ID
                            other than the agent's with silence instead of the report
                            unknownEngineID (discovery with an empty engine ID is
                            still answered)
  --fault-led-short N       cut the front-panel LED string to N bytes
  --fault-set-fail N        refuse the N-th SET request received (counted from 1,
                            refused ones too) with genErr; nothing of it is applied;
                            repeatable
  --fault-hold-after N      handle the first N SET requests, then hold every later
                            one: received (and journaled), neither handled nor
                            answered, while other requests are; SIGUSR1 ends the
                            hold and handles the held ones in the order they came

On start it prints "qrx900-sim: listening on udp:ADDR:PORT" once it answers.
)";
}

bool ParseOptions(int argc, char** argv, Options& o, std::string& error) {
  auto subtree = [&](const std::string& text, Oid& out) {
    auto oid = ParseOid(text);
    if (!oid) {
      error = "bad OID: " + text;
      return false;
    }
    out = *oid;
    return true;
  };
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    std::string value;
    bool hasValue = false;
    if (a.rfind("--", 0) == 0) {
      size_t eq = a.find('=');
      // "--switch=value" as well as "--switch value".
      if (eq != std::string::npos && a.rfind("--fault-error", 0) != 0) {
        value = a.substr(eq + 1);
        a = a.substr(0, eq);
        hasValue = true;
      }
    }
    auto next = [&]() -> bool {
      if (hasValue) return true;
      if (i + 1 >= argc) {
        error = "missing value after " + a;
        return false;
      }
      value = argv[++i];
      return true;
    };
    auto number = [&](long lo, long hi, int& out) {
      if (!next()) return false;
      if (!ToInt(value, lo, hi, out)) {
        error = "bad number for " + a + ": " + value;
        return false;
      }
      return true;
    };
    if (a == "--help" || a == "-h") o.help = true;
    else if (a == "--list") o.list = true;
    else if (a == "--verbose") o.verbose = true;
    else if (a == "--frozen") o.frozen = true;
    else if (a == "--fault-no-answer") o.noAnswer = true;
    else if (a == "--fault-silent-unknown-engine") o.silentUnknownEngine = true;
    else if (a == "--address") { if (!next()) return false; o.address = value; }
    else if (a == "--port") { if (!number(0, 65535, o.port)) return false; }
    else if (a == "--read-community") { if (!next()) return false; o.readCommunity = value; }
    else if (a == "--write-community") { if (!next()) return false; o.writeCommunity = value; }
    else if (a == "--user") { if (!next()) return false; o.user = value; }
    else if (a == "--auth-protocol") { if (!next()) return false; o.authProtocol = value; }
    else if (a == "--auth-password") { if (!next()) return false; o.authPassword = value; }
    else if (a == "--priv-protocol") { if (!next()) return false; o.privProtocol = value; }
    else if (a == "--priv-password") { if (!next()) return false; o.privPassword = value; }
    else if (a == "--security-level") { if (!next()) return false; o.securityLevel = value; }
    else if (a == "--engine-id") { if (!next()) return false; o.engineId = value; }
    else if (a == "--config-dir") { if (!next()) return false; o.configDir = value; }
    else if (a == "--state") { if (!next()) return false; o.stateFile = value; }
    else if (a == "--journal") {
      if (!next()) return false;
      if (value.empty()) {
        error = "--journal wants a file name";
        return false;
      }
      o.journalFile = value;
    }
    else if (a == "--request-journal") {
      if (!next()) return false;
      if (value.empty()) {
        error = "--request-journal wants a file name";
        return false;
      }
      o.requestJournalFile = value;
    }
    else if (a == "--seed") {
      int s = 0;
      if (!number(0, 2147483647, s)) return false;
      o.seed = static_cast<unsigned>(s);
    } else if (a == "--port-list-octets") {
      if (!next()) return false;
      if (value != "7" && value != "8") {
        error = "--port-list-octets wants 7 or 8, got: " + value;
        return false;
      }
      o.portListOctets = value[0] - '0';
    } else if (a == "--rows") {
      if (!next()) return false;
      size_t eq = value.find('=');
      int n = 0;
      if (eq == std::string::npos || eq == 0 || !ToInt(value.substr(eq + 1), 0, 1000000, n)) {
        error = "--rows wants TABLE=N, got: " + value;
        return false;
      }
      o.rowCounts[value.substr(0, eq)] = n;
    } else if (a == "--port-traffic") {
      if (!next()) return false;
      size_t eq = value.find('=');
      int port = 0, octets = 0;
      if (eq == std::string::npos || !ToInt(value.substr(0, eq), 1, 52, port) ||
          !ToInt(value.substr(eq + 1), 0, 125000000, octets)) {
        error = "--port-traffic wants PORT=OCTETS (port 1-52, at most 125000000 octets), got: " + value;
        return false;
      }
      o.portTraffic[port] = static_cast<uint32_t>(octets);
    } else if (a == "--fault-answer-every") { if (!number(1, 1000000, o.answerEvery)) return false; }
    else if (a == "--fault-drop-every") { if (!number(1, 1000000, o.dropEvery)) return false; }
    else if (a == "--fault-delay") { if (!number(0, 600000, o.delayMs)) return false; }
    else if (a == "--bulk-max") { if (!number(1, 100000, o.bulkMax)) return false; }
    else if (a == "--fault-led-short") { if (!number(0, 105, o.ledLength)) return false; }
    else if (a == "--fault-set-fail") {
      int n = 0;
      if (!number(1, 1000000, n)) return false;
      o.failSets.push_back(n);
    }
    else if (a == "--fault-hold-after") { if (!number(0, 1000000, o.holdSetsAfter)) return false; }
    else if (a == "--fault-error" || a.rfind("--fault-error=", 0) == 0) {
      if (a != "--fault-error") value = a.substr(a.find('=') + 1);
      else if (!next()) return false;
      size_t eq = value.find('=');
      FaultSubtree f;
      if (eq == std::string::npos) {
        error = "--fault-error wants OID=STATUS, got: " + value;
        return false;
      }
      if (!subtree(value.substr(0, eq), f.subtree)) return false;
      f.status = ErrorStatusFromText(value.substr(eq + 1));
      if (f.status < 1) {
        error = "bad error-status: " + value.substr(eq + 1);
        return false;
      }
      o.errorSubtrees.push_back(f);
    } else if (a == "--fault-wrong-type" || a == "--fault-non-increasing" || a == "--fault-missing" ||
               a == "--fault-echo" || a == "--fault-set-nosuch") {
      if (!next()) return false;
      FaultSubtree f;
      if (!subtree(value, f.subtree)) return false;
      (a == "--fault-wrong-type"       ? o.wrongTypeSubtrees
       : a == "--fault-non-increasing" ? o.nonIncreasingSubtrees
       : a == "--fault-missing"        ? o.missingSubtrees
       : a == "--fault-echo"           ? o.echoSubtrees
                                       : o.setNoSuchSubtrees)
          .push_back(f);
    } else {
      error = "unknown switch: " + a + " (see --help)";
      return false;
    }
  }
  if (o.securityLevel != "noAuthNoPriv" && o.securityLevel != "authNoPriv" && o.securityLevel != "authPriv") {
    error = "bad security level: " + o.securityLevel;
    return false;
  }
  if (o.securityLevel != "noAuthNoPriv" && o.authPassword.size() < 8) {
    error = "the authentication pass phrase needs at least 8 characters";
    return false;
  }
  if (o.securityLevel == "authPriv" && o.privPassword.size() < 8) {
    error = "the privacy pass phrase needs at least 8 characters";
    return false;
  }
  return true;
}

}  // namespace sim
