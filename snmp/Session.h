// The process-wide SNMP session over net-snmp.
//
// One single-session of net-snmp on one UDP socket bound to a port the
// system chooses; every request of every window is multiplexed on it. Each
// exchange carries its own destination, version, communities or USM user,
// context, timeout and retries (KySnmpTarget, built from a request's copies of
// the session parameters).
//
// Completions: an asynchronous exchange's completion runs only from the event
// pump (GlobalEventPump), never from inside a synchronous wait and never while
// another completion runs. A synchronous exchange is an asynchronous send
// followed by a loop over the library's own processing until that exchange is
// done; replies for other exchanges that arrive meanwhile are kept and their
// completions run at the pump's next round.
//
// SNMPv3: the agent's engine ID is discovered once per address and port and
// kept; a discovery probe always carries an empty engine ID, boots and time 0.
// A report "unknown engine ID" or a try without an answer (an agent that was
// replaced or reset may answer a stale engine ID with silence) makes the
// exchange discover it again and resend once; after a final timeout the next
// exchange to that agent starts with a discovery. USM users are registered per
// (engine ID, user name) with the exchange's protocols and passwords; a user
// registered with other credentials is removed and added again.
#pragma once

#include <netinet/in.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "snmp/Messages.h"
#include "snmp/SessionParams.h"
#include "snmp/SnmpPump.h"
#include "snmp/Value.h"

// Everything an exchange needs to reach the agent.
struct KySnmpTarget {
  sockaddr_in addr{};           // resolved agent address and port
  std::string addressText;      // the address as dotted text ("192.0.2.1"); the name while unresolved
  bool resolved = true;         // false: the name's look-up runs; the session waits for it
  uint16_t port = 161;
  uint8_t version = SnmpVersion::V1;
  std::string readCommunity;    // v1, v2c: GET, GET-NEXT
  std::string writeCommunity;   // v1, v2c: SET
  KySNMPSecurity security;      // v3: user, level, protocols, passwords
  int32_t timeout = kDefaultTimeout;  // hundredths of a second per try
  int32_t retries = kDefaultRetries;  // retransmissions after the first try
};

// Builds the target of one exchange from a request's copies. Raises -509
// "(KySNMP++) Invalid IP Address or DNS name!" when the address is neither a
// dotted IPv4 address nor a name (or a name whose look-up failed lately), and the translated status of
// the SNMPv3 checks (unsupported protocol such as IDEA, a level without its
// protocol, a security model other than USM, a version other than 0, 1, 3).
// A name is never looked up here (see Resolver.h): while its look-up runs the
// target is returned unresolved and the exchange waits for the answer, at
// most its own timeout times its tries, and then fails with -509.
KySnmpTarget BuildTarget(const KySNMPDevice& device, const KySNMPSecurity& security, int32_t timeout,
                         int32_t retries);

// The SNMP++ status of the SNMPv3 checks of BuildTarget (0 when they pass).
int CheckSecurity(const KySNMPSecurity& security);

// The context engine ID as it goes into a PDU: a text of hexadecimal digits
// of even length from 10 to 64 (optionally after "0x") is read as hex bytes,
// any other text is taken byte for byte.
std::string ContextEngineIdBytes(const std::string& text);

enum class KySnmpOp { Get, GetNext, GetBulk, Set };

// The outcome of one exchange.
struct KySnmpOutcome {
  int status = 0;           // SNMP++ status (0, -5 timeout, 1..18 error-status, 14xx USM, ...)
  int32_t errorIndex = 0;   // error index of the reply
  std::vector<KyVb> vbs;    // bindings of the reply (empty unless a reply came)
  std::string agentAddress; // the target's address, dotted
  uint16_t agentPort = 0;
  int32_t moduleError = 0;  // a failure of this layer's own (-509: the name did not resolve)
  // GETBULK: this reply is the first one of the session from its agent
  // (whatever its error-status).
  bool firstBulkReply = false;
};

// The catalogue code and text of an outcome.
KyStatusText OutcomeStatusText(const KySnmpOutcome& outcome);

using KySnmpCompletion = std::function<void(KySnmpOutcome&)>;

class KySnmpSession : public KySnmpPumpClient {
 public:
  // Opens the session on a system-chosen UDP port; status 0 on success, else
  // the SNMP++ status (the session is returned all the same when it exists).
  static std::unique_ptr<KySnmpSession> Open(int& status);
  ~KySnmpSession() override;
  KySnmpSession(const KySnmpSession&) = delete;
  KySnmpSession& operator=(const KySnmpSession&) = delete;

  bool valid() const { return sp_ != nullptr; }
  // The local UDP port of the socket.
  uint16_t LocalPort() const;

  // Sends asynchronously. Returns 0 when the exchange is under way; its
  // completion then runs from the pump exactly once. Any other value is the
  // SNMP++ status of a local failure: nothing was sent and no completion
  // will run.
  // GETBULK (SNMPv2c, SNMPv3 only) asks maxRepetitions successors of every
  // binding (non-repeaters 0).
  // exchangeId (optional) receives the exchange's number for Abandon.
  int SendAsync(const KySnmpTarget& target, const KySNMPScope& scope, KySnmpOp op, const std::vector<KyVb>& vbs,
                KySnmpCompletion completion, int32_t maxRepetitions = 0, uint64_t* exchangeId = nullptr);
  // Gives up an asynchronous exchange: its completion never runs and it is
  // not sent again; a reply that still comes is dropped.
  void Abandon(uint64_t exchangeId);
  // Sends and waits for the reply, the final timeout or a failure, polling
  // the socket: the caller's thread does nothing else meanwhile. For callers
  // without a window (command lines, tests); window code reads and writes
  // through the binding layer (editors/ControlBinding.h), whose waits keep
  // the event loop running.
  KySnmpOutcome SendSync(const KySnmpTarget& target, const KySNMPScope& scope, KySnmpOp op,
                         const std::vector<KyVb>& vbs, int32_t maxRepetitions = 0);
  // Several exchanges at once, each with its own target and bindings, all
  // of the same operation: sends them all, then waits until every one has
  // its reply, its final timeout or a failure. Outcomes in the order asked.
  // It polls as SendSync does: not for window code either.
  struct SyncAsk {
    KySnmpTarget target;
    std::vector<KyVb> vbs;
    int32_t maxRepetitions = 0;
  };
  std::vector<KySnmpOutcome> SendSyncAll(const KySNMPScope& scope, KySnmpOp op, const std::vector<SyncAsk>& asks);
  // An outcome known without asking the agent: its completion runs from the
  // pump like that of a sent exchange (in the same round when posted from a
  // completion).
  void PostCompletion(KySnmpOutcome outcome, KySnmpCompletion completion);

  // Agents that refused GETBULK (see KySNMPRequest): walks of every request
  // go on with GET-NEXT to them.
  bool BulkRefused(const std::string& address, uint16_t port) const;
  void RefuseBulk(const std::string& address, uint16_t port);
  // Forgets the refusals and which agents have answered a GETBULK.
  void ForgetBulkRefusals() {
    noBulk_.clear();
    bulkAnswered_.clear();
  }

  // Exchanges sent and not yet completed (completions not yet run included).
  size_t PendingCount() const { return exchanges_.size(); }
  // Exchanges with the agents: sent and waiting for a reply (or for a name
  // to be resolved), without the outcomes known and not yet handed on.
  size_t WaitingCount() const;

  // KySnmpPumpClient
  int PumpSocket() const override;
  void ProcessPendingEvents() override;

  // SNMPv3 engine IDs known per "address:port" (tests and diagnostics).
  void SetEngineId(const std::string& address, uint16_t port, const std::string& engineId);
  std::string EngineId(const std::string& address, uint16_t port) const;
  void ForgetEngineIds() { engineIds_.clear(); }

 private:
  struct Exchange;
  struct Ticket {
    uint64_t exchange = 0;
    bool discovery = false;
    int secError = 0;         // net-snmp error of a SEC_ERROR seen before the end
    bool finished = false;
    int status = 0;
    int32_t errorIndex = 0;
    std::vector<KyVb> vbs;
    bool answered = false;    // a response PDU came (not a report, a timeout or a failure)
    std::string engineId;     // discovery: the agent's engine ID
    long long deadlineMs = 0; // given up when the library has not finished it by then
  };

  KySnmpSession() = default;
  static int OnLibraryCallback(int op, struct snmp_session* sess, int reqid, struct snmp_pdu* pdu, void* magic);
  int HandleCallback(int op, struct snmp_pdu* pdu, uint64_t ticketId);

  // Starts the next step of an exchange (discovery or send); returns a status.
  int StartStep(Exchange& ex);
  int SendDiscovery(Exchange& ex);
  int SendRequest(Exchange& ex);
  int SendPdu(Exchange& ex, struct snmp_pdu* pdu, bool discovery);
  int EnsureUser(const Exchange& ex, const std::string& engineId);
  // Moves finished tickets on: resend, discover again, or finish the exchange.
  void Advance();
  void Finish(uint64_t id, int status, int32_t errorIndex, std::vector<KyVb> vbs);
  // One pass of the library's processing, waiting at most waitMs for data.
  void Drive(int waitMs);
  void ReadAvailable();
  void CheckDeadlines();
  // Starts the exchanges whose agent name has been looked up meanwhile.
  void ResolveWaiting();
  void DeliverCompleted();

  void* sp_ = nullptr;
  uint64_t nextId_ = 1;
  std::map<uint64_t, std::unique_ptr<Exchange>> exchanges_;
  std::map<uint64_t, Ticket> tickets_;       // ticket id -> state of one library request
  std::vector<uint64_t> completed_;          // exchanges whose completion is due (pump)
  std::deque<uint64_t> ready_;               // finished tickets waiting for Advance
  std::map<std::string, std::string> engineIds_;
  std::set<std::string> noBulk_;             // "address:port" of agents that refused GETBULK
  std::set<std::string> bulkAnswered_;       // "address:port" of agents that have answered a GETBULK
  struct UserKey {
    std::string engineId, name;
    bool operator<(const UserKey& o) const { return engineId != o.engineId ? engineId < o.engineId : name < o.name; }
  };
  struct UserCreds {
    int32_t auth = 0, priv = 0;
    std::string authPassword, privPassword;
    bool operator==(const UserCreds&) const = default;
  };
  std::map<UserKey, UserCreds> users_;
  bool delivering_ = false;
};

// The process-wide session: absent until InitGlobalSession, never destroyed.
extern KySnmpSession* GlobalSnmp;

// Creates the session (-506 when it fails), advances the engine-boots counter
// in JoinPath(directory, "KySNMP_PP_BootCounter") (-507/-508), gives net-snmp
// the local engine ID "KySNMP_PP_Application" with that boots count, assigns
// the default parameters and starts GlobalEventPump. A second call keeps the
// session and the library state and only assigns the defaults and starts the
// pump again.
void InitGlobalSession(const std::string& directory);

// The engine boots count the library was initialised with (0 before).
uint32_t LocalEngineBoots();
