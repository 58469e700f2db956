// Command line of qrx900-sim.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "sim/SimOid.h"

namespace sim {

struct FaultSubtree {
  Oid subtree;
  int status = 0;  // error-status for --fault-error
};

struct Options {
  std::string address = "127.0.0.1";
  int port = 1161;
  std::string readCommunity = "menlak";
  std::string writeCommunity = "torvesk";
  std::string user = "qrxadmin";
  std::string authProtocol = "SHA";  // MD5, SHA, SHA-224, SHA-256, SHA-384, SHA-512
  std::string authPassword = "qrxauthpass";
  std::string privProtocol = "AES";  // DES, AES (AES-128), AES-192, AES-256
  std::string privPassword = "qrxprivpass";
  std::string securityLevel = "authPriv";  // noAuthNoPriv, authNoPriv, authPriv
  std::string engineId;                    // hex; empty: the simulator's fixed ID
  std::string configDir;
  std::string stateFile;
  std::string journalFile;  // --journal: one record per SET PDU received
  std::string requestJournalFile;  // --request-journal: one record per request PDU received
  unsigned seed = 900;
  int portListOctets = 7;  // --port-list-octets: the length of every port list served
  std::map<std::string, int> rowCounts;
  std::map<int, uint32_t> portTraffic;  // --port-traffic PORT=OCTETS
  bool list = false;
  bool help = false;
  bool verbose = false;
  bool frozen = false;  // --frozen: counters and port activity stand still

  // Faults
  bool noAnswer = false;
  // Bindings a GETBULK reply carries at most (net-snmp's agent keeps to 100
  // unless told otherwise).
  int bulkMax = 500;
  int answerEvery = 0;  // answer only every k-th request (k > 1)
  int dropEvery = 0;    // leave every k-th request unanswered (k > 0)
  int delayMs = 0;
  std::vector<FaultSubtree> errorSubtrees;
  std::vector<FaultSubtree> wrongTypeSubtrees;
  std::vector<FaultSubtree> nonIncreasingSubtrees;
  std::vector<FaultSubtree> missingSubtrees;
  std::vector<FaultSubtree> echoSubtrees;    // GET-NEXT/GET-BULK answered with the name asked for and NULL
  std::vector<FaultSubtree> setNoSuchSubtrees;  // SET answered noError with noSuchInstance, nothing written
  bool silentUnknownEngine = false;          // no report for a stale SNMPv3 engine ID
  int ledLength = -1;  // cut the LED string to this many bytes
  std::vector<int> failSets;  // refuse the N-th SET request received (from 1)
  int holdSetsAfter = -1;     // hold every SET request after the first N, until SIGUSR1
};

// Parses argv; false with a message on a bad switch or value.
bool ParseOptions(int argc, char** argv, Options& out, std::string& error);
std::string HelpText();

// "genErr" / "5" -> 5; -1 when unknown.
int ErrorStatusFromText(const std::string& text);

}  // namespace sim
