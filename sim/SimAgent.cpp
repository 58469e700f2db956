#include "sim/SimAgent.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "sim/SimJournal.h"
#include "tables/DefTables.h"
#include "tables/OptionTables.h"

// net-snmp's modules, exported by libnetsnmpmibs but not declared in its headers.
extern "C" {
void init_system_mib(void);
void init_sysORTable(void);
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_usmStats(void);
void init_usmUser(void);
void init_vacm_vars(void);
void init_vacm_context(void);
void init_snmpTargetAddrEntry(void);
void init_snmpTargetParamsEntry(void);
void init_target_counters(void);
void init_snmpNotifyTable(void);
void init_snmpNotifyFilterProfileTable(void);
void init_snmpNotifyFilterTable(void);
extern netsnmp_session* main_session;
}

namespace sim {

namespace {
const char* const kNetSnmpSubtrees[] = {
    "1.3.6.1.2.1.1",       // system group, sysORTable
    "1.3.6.1.6.3.10.2.1",  // snmpEngine
    "1.3.6.1.6.3.11.2.1",  // MPD statistics
    "1.3.6.1.6.3.12.1",    // SNMP-TARGET-MIB
    "1.3.6.1.6.3.13.1",    // SNMP-NOTIFICATION-MIB
    "1.3.6.1.6.3.15.1",    // USM
    "1.3.6.1.6.3.16.1",    // VACM
};

// The simulator's engine ID: enterprise 32473, format 4 (text) "qrx900-sim".
const char kDefaultEngineIdHex[] = "80007ed904717278393030" "2d73696d";

std::string HexBytes(const std::string& hex, bool* ok) {
  std::string out;
  *ok = hex.size() % 2 == 0 && !hex.empty();
  for (size_t i = 0; *ok && i < hex.size(); i += 2) {
    if (!std::isxdigit(static_cast<unsigned char>(hex[i])) || !std::isxdigit(static_cast<unsigned char>(hex[i + 1]))) {
      *ok = false;
      break;
    }
    out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return out;
}

std::string EngineIdBytes(const Options& o) {
  bool ok = false;
  std::string id = HexBytes(o.engineId.empty() ? kDefaultEngineIdHex : o.engineId, &ok);
  return ok ? id : HexBytes(kDefaultEngineIdHex, &ok);
}

// ---------------------------------------------------------------------------
// The running agent's state, reached from net-snmp's C callbacks.
struct Transaction {
  const void* session = nullptr;  // the agent's request being processed
  std::vector<Varbind> vbs;
  SetCheck check;
  std::shared_ptr<Model::Undo> undo;
  bool applied = false;
  bool committed = false;
  bool reverted = false;
};

struct Agent {
  const Options* options = nullptr;
  std::unique_ptr<Model> model;
  std::map<long, Transaction> transactions;  // by PDU transaction id
  netsnmp_callback original = nullptr;
  unsigned long received = 0;
  SetJournal journal;
  SetJournal requestJournal;  // every request, SET or not
  unsigned long setsReceived = 0;
  std::set<long> failingSets;  // transaction ids of SET requests to refuse (--fault-set-fail)
};
Agent g_agent;
volatile sig_atomic_t g_stop = 0;
volatile sig_atomic_t g_releaseHeld = 0;

void OnSignal(int) { g_stop = 1; }
void OnRelease(int) { g_releaseHeld = 1; }

Oid ToOid(const oid* name, size_t len) { return Oid(name, name + len); }

std::vector<oid> ToNet(const Oid& o) { return std::vector<oid>(o.begin(), o.end()); }

Value FromVar(const netsnmp_variable_list* vb) {
  switch (vb->type) {
    case ASN_INTEGER: return Value::Int(*vb->val.integer);
    case ASN_OCTET_STR: return Value::Octets(std::string(reinterpret_cast<const char*>(vb->val.string), vb->val_len));
    case ASN_IPADDRESS: return Value::Ip(std::string(reinterpret_cast<const char*>(vb->val.string), vb->val_len));
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
      return Value::Num(vb->type, static_cast<uint64_t>(*vb->val.integer) & 0xFFFFFFFFull);
    case ASN_COUNTER64:
      return Value::Num(Asn::Counter64, (static_cast<uint64_t>(vb->val.counter64->high) << 32) |
                                            (vb->val.counter64->low & 0xFFFFFFFFul));
    case ASN_OPAQUE: {
      Value v = Value::Octets(std::string(reinterpret_cast<const char*>(vb->val.string), vb->val_len));
      v.type = Asn::Opaque;  // refused as the wrong type, journaled as it came
      return v;
    }
    case ASN_OBJECT_ID: return Value::ObjId(ToOid(vb->val.objid, vb->val_len / sizeof(oid)));
    case ASN_NULL: return Value{};
    default: {
      Value v;
      v.type = vb->type;  // refused as the wrong type
      return v;
    }
  }
}

// A varbind as the journal shows it: like FromVar, and the special Opaque
// values (64-bit integers, float, double), which the library decodes, put
// back into the Opaque's own bytes.
Value JournalValue(const netsnmp_variable_list* vb) {
  u_char buf[64];
  size_t left = sizeof buf;
  u_char* end = nullptr;
  switch (vb->type) {
#ifdef NETSNMP_WITH_OPAQUE_SPECIAL_TYPES
    case ASN_OPAQUE_COUNTER64:
    case ASN_OPAQUE_U64:
      end = asn_build_unsigned_int64(buf, &left, vb->type, vb->val.counter64, sizeof(counter64));
      break;
    case ASN_OPAQUE_I64:
      end = asn_build_signed_int64(buf, &left, vb->type, reinterpret_cast<const counter64*>(vb->val.counter64),
                                   sizeof(counter64));
      break;
    case ASN_OPAQUE_FLOAT: end = asn_build_float(buf, &left, vb->type, vb->val.floatVal, sizeof(float)); break;
    case ASN_OPAQUE_DOUBLE: end = asn_build_double(buf, &left, vb->type, vb->val.doubleVal, sizeof(double)); break;
#endif
    default: return FromVar(vb);
  }
  Value v;
  v.type = Asn::Opaque;
  // The result is the whole Opaque: tag 0x44, a one-byte length, the bytes.
  if (end && end - buf >= 2 && buf[0] == ASN_OPAQUE && buf[1] < 0x80)
    v.bytes.assign(reinterpret_cast<const char*>(buf + 2), static_cast<size_t>(end - buf - 2));
  return v;
}

void SetVar(netsnmp_variable_list* vb, const Value& v) {
  switch (v.type) {
    case Asn::Integer: {
      long l = static_cast<long>(v.AsInt());
      snmp_set_var_typed_value(vb, ASN_INTEGER, &l, sizeof l);
      break;
    }
    case Asn::Counter32:
    case Asn::Gauge32:
    case Asn::TimeTicks: {
      u_long u = static_cast<u_long>(v.number & 0xFFFFFFFFull);
      snmp_set_var_typed_value(vb, v.type, &u, sizeof u);
      break;
    }
    case Asn::Counter64: {
      counter64 c;
      c.high = static_cast<u_long>(v.number >> 32);
      c.low = static_cast<u_long>(v.number & 0xFFFFFFFFull);
      snmp_set_var_typed_value(vb, ASN_COUNTER64, &c, sizeof c);
      break;
    }
    case Asn::OctetString:
    case Asn::IpAddress:
      snmp_set_var_typed_value(vb, v.type, v.bytes.data(), v.bytes.size());
      break;
    case Asn::ObjectId: {
      auto o = ToNet(v.oid);
      snmp_set_var_typed_value(vb, ASN_OBJECT_ID, o.data(), o.size() * sizeof(oid));
      break;
    }
    default: snmp_set_var_typed_value(vb, ASN_NULL, nullptr, 0); break;
  }
}

const FaultSubtree* InFault(const std::vector<FaultSubtree>& list, const Oid& o) {
  for (const FaultSubtree& f : list)
    if (IsPrefix(f.subtree, o)) return &f;
  return nullptr;
}

// SNMPv1 knows five error codes: the others are mapped as RFC 3584 says.
int ForVersion(const netsnmp_agent_request_info* reqinfo, int status) {
  if (!reqinfo->asp || !reqinfo->asp->pdu || reqinfo->asp->pdu->version != SNMP_VERSION_1) return status;
  switch (status) {
    case SNMP_ERR_NOACCESS:
    case SNMP_ERR_NOTWRITABLE:
    case SNMP_ERR_NOCREATION:
    case SNMP_ERR_INCONSISTENTNAME:
    case SNMP_ERR_AUTHORIZATIONERROR: return SNMP_ERR_NOSUCHNAME;
    case SNMP_ERR_WRONGTYPE:
    case SNMP_ERR_WRONGLENGTH:
    case SNMP_ERR_WRONGENCODING:
    case SNMP_ERR_WRONGVALUE:
    case SNMP_ERR_INCONSISTENTVALUE: return SNMP_ERR_BADVALUE;
    case SNMP_ERR_RESOURCEUNAVAILABLE:
    case SNMP_ERR_COMMITFAILED:
    case SNMP_ERR_UNDOFAILED: return SNMP_ERR_GENERR;
    default: return status;
  }
}

Value WrongType(const Value& v) {
  if (v.type == Asn::OctetString) return Value::Int(static_cast<int64_t>(v.bytes.size()));
  return Value::Octets("wrong type");
}

int Handler(netsnmp_mib_handler*, netsnmp_handler_registration* reginfo, netsnmp_agent_request_info* reqinfo,
            netsnmp_request_info* requests) {
  const ServedObject& obj = *static_cast<const ServedObject*>(reginfo->my_reg_void);
  Model& model = *g_agent.model;
  const Options& o = *g_agent.options;
  const long txid = reqinfo->asp && reqinfo->asp->pdu ? reqinfo->asp->pdu->transid : 0;

  for (netsnmp_request_info* req = requests; req; req = req->next) {
    if (req->processed) continue;
    netsnmp_variable_list* vb = req->requestvb;
    Oid full = ToOid(vb->name, vb->name_length);
    switch (reqinfo->mode) {
      case MODE_GET: {
        if (o.verbose) std::cerr << "GET " << OidToString(full) << "\n";
        if (const FaultSubtree* f = InFault(o.errorSubtrees, full)) {
          netsnmp_set_request_error(reqinfo, req, ForVersion(reqinfo, f->status));
          break;
        }
        if (InFault(o.missingSubtrees, full)) {
          netsnmp_set_request_error(reqinfo, req, SNMP_NOSUCHOBJECT);
          break;
        }
        auto v = model.Get(obj, full);
        if (!v) {
          netsnmp_set_request_error(reqinfo, req, SNMP_NOSUCHINSTANCE);
          break;
        }
        SetVar(vb, InFault(o.wrongTypeSubtrees, full) ? WrongType(*v) : *v);
        break;
      }
      case MODE_GETNEXT: {
        if (o.verbose) std::cerr << "GETNEXT " << OidToString(full) << "\n";
        auto r = model.Next(obj, full);
        // Objects the agent lacks are passed over.
        while (r && InFault(o.missingSubtrees, r->first)) r = model.Next(obj, r->first);
        if (!r) break;  // nothing more here: the agent goes on with the next object
        const Oid& found = r->first;
        if (const FaultSubtree* f = InFault(o.errorSubtrees, found)) {
          netsnmp_set_request_error(reqinfo, req, ForVersion(reqinfo, f->status));
          break;
        }
        Value v = InFault(o.wrongTypeSubtrees, found) ? WrongType(r->second) : r->second;
        const FaultSubtree* ni = InFault(o.nonIncreasingSubtrees, found);
        if (ni && IsPrefix(ni->subtree, full) && full.size() > ni->subtree.size()) {
          // Inside the subtree: answer with the OID that was asked for.
          SetVar(vb, v);
          break;
        }
        auto name = ToNet(found);
        snmp_set_var_objid(vb, name.data(), name.size());
        SetVar(vb, v);
        break;
      }
      case MODE_SET_RESERVE1: {
        auto [it, added] = g_agent.transactions.try_emplace(txid);
        Transaction& tx = it->second;
        if (!added && tx.session != reqinfo->asp) {  // left over from a request that never ended
          tx = Transaction{};
          added = true;
        }
        if (added) {
          tx.session = reqinfo->asp;
          for (netsnmp_variable_list* v = reqinfo->asp->pdu->variables; v; v = v->next_variable)
            tx.vbs.push_back({ToOid(v->name, v->name_length), FromVar(v)});
          tx.check = model.Check(tx.vbs);
        }
        if (o.verbose) std::cerr << "SET " << OidToString(full) << "\n";
        if (g_agent.failingSets.count(txid)) {
          netsnmp_set_request_error(reqinfo, req, SNMP_ERR_GENERR);
          break;
        }
        if (const FaultSubtree* f = InFault(o.errorSubtrees, full)) {
          netsnmp_set_request_error(reqinfo, req, f->status);
          break;
        }
        if (InFault(o.missingSubtrees, full)) {
          netsnmp_set_request_error(reqinfo, req, ForVersion(reqinfo, SNMP_ERR_NOCREATION));
          break;
        }
        if (tx.check.status != Err::NoError && req->index == tx.check.index)
          netsnmp_set_request_error(reqinfo, req, tx.check.status);
        break;
      }
      case MODE_SET_RESERVE2: break;
      case MODE_SET_ACTION: {
        auto it = g_agent.transactions.find(txid);
        if (it != g_agent.transactions.end() && !it->second.applied) {
          it->second.undo = model.Apply(it->second.vbs);
          it->second.applied = true;
        }
        break;
      }
      case MODE_SET_COMMIT: {
        auto it = g_agent.transactions.find(txid);
        if (it != g_agent.transactions.end() && !it->second.committed) {
          it->second.committed = true;
          if (!o.stateFile.empty()) {
            std::string err;
            if (!model.SaveState(o.stateFile, &err)) std::cerr << "qrx900-sim: " << err << "\n";
          }
        }
        break;
      }
      case MODE_SET_UNDO: {
        auto it = g_agent.transactions.find(txid);
        if (it != g_agent.transactions.end() && it->second.applied && !it->second.reverted) {
          model.Revert(*it->second.undo);
          it->second.reverted = true;
        }
        break;
      }
      case MODE_SET_FREE:
        g_agent.transactions.erase(txid);
        g_agent.failingSets.erase(txid);
        break;
      default: break;
    }
  }
  return SNMP_ERR_NOERROR;
}

// A request held back by --fault-delay; other requests go on meanwhile.
struct Delayed {
  netsnmp_session* session;
  int reqid;
  netsnmp_pdu* pdu;
  void* magic;
};

std::set<Delayed*> g_delayed;  // freed at exit if still waiting

// SET requests held by --fault-hold-after until SIGUSR1, in the order they came.
std::vector<Delayed> g_held;
bool g_holding = true;

void ReleaseHeld() {
  g_holding = false;
  std::vector<Delayed> held;
  held.swap(g_held);
  for (Delayed& d : held) {
    g_agent.original(NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, d.session, d.reqid, d.pdu, d.magic);
    snmp_free_pdu(d.pdu);
  }
}

void DelayedAlarm(unsigned int, void* arg) {
  auto* d = static_cast<Delayed*>(arg);
  g_delayed.erase(d);
  g_agent.original(NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE, d->session, d->reqid, d->pdu, d->magic);
  snmp_free_pdu(d->pdu);
  delete d;
}

// Writes a request PDU to the request journal (nothing for other PDUs).
void JournalRequestPdu(const netsnmp_pdu& pdu) {
  JournalRequest request;
  switch (pdu.command) {
    case SNMP_MSG_GET: request.op = JournalRequest::Op::Get; break;
    case SNMP_MSG_GETNEXT: request.op = JournalRequest::Op::GetNext; break;
    case SNMP_MSG_GETBULK:
      request.op = JournalRequest::Op::GetBulk;
      request.nonRepeaters = pdu.non_repeaters;
      request.maxRepetitions = pdu.max_repetitions;
      break;
    case SNMP_MSG_SET: request.op = JournalRequest::Op::Set; break;
    default: return;
  }
  request.requestId = pdu.reqid;
  for (netsnmp_variable_list* v = pdu.variables; v; v = v->next_variable)
    request.vbs.push_back({ToOid(v->name, v->name_length),
                           request.op == JournalRequest::Op::Set ? JournalValue(v) : Value{}});
  std::string err;
  if (!g_agent.requestJournal.WriteRecord(FormatRequestRecord(request), &err))
    std::cerr << "qrx900-sim: " << err << "\n";
}

// ---------------------------------------------------------------------------
// Answers made here instead of by the agent (--fault-echo, --fault-set-nosuch).

bool CommunityAccepted(const netsnmp_pdu* pdu, bool write) {
  if (pdu->version == SNMP_VERSION_3) return true;  // USM has checked the user
  const Options& o = *g_agent.options;
  const std::string community(reinterpret_cast<const char*>(pdu->community), pdu->community_len);
  return write ? community == o.writeCommunity : community == o.readCommunity || community == o.writeCommunity;
}

// The first object of the model after `name`, passing over missing ones.
std::optional<std::pair<Oid, Value>> ModelNext(const Oid& name) {
  const Options& o = *g_agent.options;
  for (const ServedObject& obj : g_agent.model->Objects()) {
    if (obj.oid < name && !IsPrefix(obj.oid, name)) continue;  // wholly before the name
    auto r = g_agent.model->Next(obj, name);
    while (r && InFault(o.missingSubtrees, r->first)) r = g_agent.model->Next(obj, r->first);
    if (r) return r;
  }
  return std::nullopt;
}

struct Answer {
  Oid name;
  Value value;
  uint8_t exception = 0;  // SNMP_ENDOFMIBVIEW, SNMP_NOSUCHINSTANCE or 0
};

// The GET-NEXT answer for `name`; `echoed` tells whether the echo fault made it.
Answer NextAnswer(const Oid& name, bool* echoed) {
  Answer a;
  auto r = ModelNext(name);
  if (r && InFault(g_agent.options->echoSubtrees, r->first)) {
    *echoed = true;
    a.name = name;  // the value stays NULL
    return a;
  }
  if (!r) {
    a.name = name;
    a.exception = SNMP_ENDOFMIBVIEW;
    return a;
  }
  a.name = r->first;
  a.value = InFault(g_agent.options->wrongTypeSubtrees, r->first) ? WrongType(r->second) : r->second;
  return a;
}

// Sends a response made from the request: same message, security state and
// return address, new bindings.
void SendResponse(netsnmp_session* session, const netsnmp_pdu* request, const std::vector<Answer>& answers,
                  long errstat, long errindex) {
  netsnmp_pdu* resp = snmp_clone_pdu(const_cast<netsnmp_pdu*>(request));
  if (!resp) return;
  snmp_free_varbind(resp->variables);
  resp->variables = nullptr;
  resp->command = SNMP_MSG_RESPONSE;
  resp->errstat = errstat;
  resp->errindex = errindex;
  for (const Answer& a : answers) {
    auto name = ToNet(a.name);
    netsnmp_variable_list* vb =
        snmp_varlist_add_variable(&resp->variables, name.data(), name.size(), ASN_NULL, nullptr, 0);
    if (!vb) break;
    if (a.exception != 0)
      snmp_set_var_typed_value(vb, a.exception, nullptr, 0);
    else
      SetVar(vb, a.value);
  }
  if (snmp_send(session, resp) == 0) snmp_free_pdu(resp);
}

// GET-NEXT and GET-BULK of which a binding is echoed: answered here, the
// other bindings from the model. False: the agent answers as usual.
bool AnswerWithEcho(netsnmp_session* session, const netsnmp_pdu* pdu) {
  if (!CommunityAccepted(pdu, false)) return false;
  std::vector<Oid> asked;
  for (netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable) asked.push_back(ToOid(v->name, v->name_length));
  std::vector<Answer> answers;
  bool echoed = false;
  if (pdu->command == SNMP_MSG_GETNEXT) {
    for (const Oid& name : asked) answers.push_back(NextAnswer(name, &echoed));
    if (!echoed) return false;
    if (pdu->version == SNMP_VERSION_1) {
      for (size_t k = 0; k < answers.size(); ++k)
        if (answers[k].exception != 0) {
          SendResponse(session, pdu, {}, SNMP_ERR_NOSUCHNAME, static_cast<long>(k + 1));
          return true;
        }
    }
    SendResponse(session, pdu, answers, 0, 0);
    return true;
  }
  // GET-BULK: non-repeaters and max-repetitions travel in errstat/errindex.
  constexpr size_t kMaxBindings = 200;
  const size_t nonRepeaters = std::min<size_t>(asked.size(), static_cast<size_t>(std::max(0L, pdu->errstat)));
  const size_t reps = static_cast<size_t>(std::clamp(pdu->errindex, 0L, 1000L));
  for (size_t k = 0; k < nonRepeaters; ++k) answers.push_back(NextAnswer(asked[k], &echoed));
  std::vector<Oid> at(asked.begin() + static_cast<long>(nonRepeaters), asked.end());
  for (size_t rep = 0; rep < reps && !at.empty() && answers.size() + at.size() <= kMaxBindings; ++rep) {
    bool allEnded = true;
    for (Oid& name : at) {
      Answer a = NextAnswer(name, &echoed);
      if (a.exception == 0) allEnded = false;
      name = a.name;
      answers.push_back(std::move(a));
    }
    if (allEnded) break;
  }
  if (!echoed) return false;
  SendResponse(session, pdu, answers, 0, 0);
  return true;
}

// A SET that touches a --fault-set-nosuch subtree: noError, those bindings
// noSuchInstance, the others as sent; nothing is written.
bool AnswerSetNoSuch(netsnmp_session* session, const netsnmp_pdu* pdu) {
  if (pdu->version == SNMP_VERSION_1 || !CommunityAccepted(pdu, true)) return false;
  std::vector<Answer> answers;
  bool hit = false;
  for (netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable) {
    Answer a;
    a.name = ToOid(v->name, v->name_length);
    a.value = FromVar(v);
    if (InFault(g_agent.options->setNoSuchSubtrees, a.name)) {
      a.exception = SNMP_NOSUCHINSTANCE;
      hit = true;
    }
    answers.push_back(std::move(a));
  }
  if (!hit) return false;
  SendResponse(session, pdu, answers, 0, 0);
  return true;
}

// --fault-silent-unknown-engine: net-snmp's USM answers a message for an
// unknown engine with a report; an agent may as well say nothing. A probe
// with an empty engine ID (discovery) still gets its report.
SecmodHandleReport* g_usmHandleReport = nullptr;

void SilentUnknownEngine(struct session_list* slp, netsnmp_transport* transport, netsnmp_session* session, int result,
                         netsnmp_pdu* pdu) {
  if (result == SNMPERR_USM_UNKNOWNENGINEID && pdu && pdu->securityEngineIDLen > 0) {
    if (g_agent.options->verbose) std::cerr << "message for an unknown engine ID: no report\n";
    return;
  }
  if (g_usmHandleReport) g_usmHandleReport(slp, transport, session, result, pdu);
}

// Sits in front of net-snmp's packet handler: drops, delays and answers
// requests for the faults.
int PacketFilter(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic) {
  if (op == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE) {
    const Options& o = *g_agent.options;
    ++g_agent.received;
    if (pdu && pdu->command == SNMP_MSG_SET && g_agent.journal.IsOpen()) {
      // Every SET that arrives, before any fault or check decides its fate.
      std::vector<Varbind> vbs;
      for (netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable)
        vbs.push_back({ToOid(v->name, v->name_length), JournalValue(v)});
      std::string err;
      if (!g_agent.journal.Write(vbs, &err)) std::cerr << "qrx900-sim: " << err << "\n";
    }
    if (pdu && g_agent.requestJournal.IsOpen()) JournalRequestPdu(*pdu);
    if (pdu && pdu->command == SNMP_MSG_SET) {
      const unsigned long n = ++g_agent.setsReceived;
      for (int k : o.failSets)
        if (static_cast<unsigned long>(k) == n) g_agent.failingSets.insert(pdu->transid);
      if (o.holdSetsAfter >= 0 && g_holding && n > static_cast<unsigned long>(o.holdSetsAfter)) {
        netsnmp_pdu* copy = snmp_clone_pdu(pdu);
        if (!copy) return 1;
        if (o.verbose) std::cerr << "SET request " << n << " held\n";
        g_held.push_back(Delayed{session, reqid, copy, magic});
        return 1;
      }
    }
    if ((o.answerEvery > 1 && g_agent.received % static_cast<unsigned long>(o.answerEvery) != 0) ||
        (o.dropEvery > 0 && g_agent.received % static_cast<unsigned long>(o.dropEvery) == 0)) {
      if (o.verbose) std::cerr << "request " << g_agent.received << " dropped\n";
      return 1;
    }
    if (o.delayMs > 0) {
      netsnmp_pdu* copy = snmp_clone_pdu(pdu);
      if (!copy) return 1;
      struct timeval tv;
      tv.tv_sec = o.delayMs / 1000;
      tv.tv_usec = (o.delayMs % 1000) * 1000;
      auto* d = new Delayed{session, reqid, copy, magic};
      g_delayed.insert(d);
      snmp_alarm_register_hr(tv, 0, DelayedAlarm, d);
      return 1;
    }
    if (pdu && !o.echoSubtrees.empty() && (pdu->command == SNMP_MSG_GETNEXT || pdu->command == SNMP_MSG_GETBULK) &&
        AnswerWithEcho(session, pdu))
      return 1;
    if (pdu && !o.setNoSuchSubtrees.empty() && pdu->command == SNMP_MSG_SET && AnswerSetNoSuch(session, pdu))
      return 1;
  }
  return g_agent.original(op, session, reqid, pdu, magic);
}

void TickAlarm(unsigned int, void*) {
  if (g_agent.model) g_agent.model->Tick();
}

int BoundPort() {
  if (!main_session) return -1;
  void* sp = snmp_sess_pointer(main_session);
  netsnmp_transport* t = sp ? snmp_sess_transport(sp) : nullptr;
  if (!t || t->sock < 0) return -1;
  sockaddr_storage ss{};
  socklen_t len = sizeof ss;
  if (getsockname(t->sock, reinterpret_cast<sockaddr*>(&ss), &len) != 0) return -1;
  if (ss.ss_family == AF_INET) return ntohs(reinterpret_cast<sockaddr_in*>(&ss)->sin_port);
  if (ss.ss_family == AF_INET6) return ntohs(reinterpret_cast<sockaddr_in6*>(&ss)->sin6_port);
  return -1;
}

void Config(const std::string& line) {
  std::vector<char> buf(line.begin(), line.end());
  buf.push_back('\0');
  netsnmp_config(buf.data());
}

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

}  // namespace

std::vector<Oid> NetSnmpSubtrees() {
  std::vector<Oid> out;
  for (const char* s : kNetSnmpSubtrees) out.push_back(*ParseOid(s));
  return out;
}

std::unique_ptr<Model> BuildModel(const Options& o) {
  ModelConfig cfg;
  cfg.seed = o.seed;
  cfg.readCommunity = o.readCommunity;
  cfg.writeCommunity = o.writeCommunity;
  cfg.engineId = EngineIdBytes(o);
  cfg.rowCounts = o.rowCounts;
  cfg.portListOctets = static_cast<size_t>(o.portListOctets);
  cfg.excluded = NetSnmpSubtrees();
  cfg.frozen = o.frozen;
  cfg.portTraffic = o.portTraffic;
  auto m = std::make_unique<Model>(cfg);
  m->Build(AllDefinitionTables());
  if (o.ledLength >= 0) m->ledLength = static_cast<size_t>(o.ledLength);
  return m;
}

std::string TableCountsLine() {
  size_t rows = 0;
  std::map<Syntax, size_t> bySyntax;
  std::set<const KyOptionTable*> referenced;
  for (const KyVarDefTable* table : AllDefinitionTables()) {
    rows += table->rows.size();
    for (const KyVarDefRow& row : table->rows) {
      ++bySyntax[row.syntax];
      if (row.options) referenced.insert(row.options);
    }
  }
  std::string out = "# definition tables: " + std::to_string(AllDefinitionTables().size()) +
                    ", rows: " + std::to_string(rows) + ", option lists: " +
                    std::to_string(AllOptionTables().size()) + " (" + std::to_string(referenced.size()) +
                    " referenced), rows by syntax:";
  char hex[16];
  for (auto [syntax, n] : bySyntax) {
    std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(syntax));
    out += std::string(" 0x") + hex + "=" + std::to_string(n);
  }
  return out + "\n";
}

std::string ListObjects(const Model& m) {
  std::string out;
  for (const ServedObject& obj : m.Objects()) {
    const Column& c = obj.Def();
    out += OidToString(obj.oid) + " " + TypeName(c.type) + " " + AccessName(c.access) + "\n";
  }
  out += TableCountsLine();
  out += "# served by net-snmp's own modules:";
  for (const char* s : kNetSnmpSubtrees) out += std::string(" ") + s;
  out += "\n";
  return out;
}

int RunAgent(const Options& o) {
  g_agent.options = &o;
  g_agent.model = BuildModel(o);
  g_agent.model->uptimeTicks = [] { return static_cast<uint32_t>(netsnmp_get_agent_uptime()); };
  if (!o.journalFile.empty()) {
    std::string err;
    if (!g_agent.journal.Open(o.journalFile, &err)) {
      std::cerr << "qrx900-sim: " << err << "\n";
      return 1;
    }
  }
  if (!o.requestJournalFile.empty()) {
    std::string err;
    if (!g_agent.requestJournal.Open(o.requestJournalFile, &err)) {
      std::cerr << "qrx900-sim: " << err << "\n";
      return 1;
    }
  }
  if (!o.stateFile.empty()) {
    std::string warnings;
    g_agent.model->LoadState(o.stateFile, &warnings);
    if (!warnings.empty()) std::cerr << warnings;
  }

  setenv("MIBS", "", 1);
  // Only the switches and the private directory configure the agent.
  unsetenv("SNMPCONFPATH");
  unsetenv("SNMP_PERSISTENT_FILE");
  unsetenv("SNMP_PERSISTENT_DIR");
  // Warnings and errors only: no line per connection.
  netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, o.verbose ? LOG_INFO : LOG_WARNING);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
  namespace fs = std::filesystem;
  std::string tempDir;
  if (o.configDir.empty()) {
    std::string tmpl = (fs::temp_directory_path() / "qrx900-sim.XXXXXX").string();
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) {
      std::cerr << "qrx900-sim: cannot create a temporary directory\n";
      return 1;
    }
    tempDir = buf.data();
    std::error_code ec;
    fs::create_directories(fs::path(tempDir) / "cert_indexes", ec);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, tempDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, tempDir.c_str());
  } else {
    std::error_code ec;
    fs::create_directories(fs::path(o.configDir) / "persist" / "cert_indexes", ec);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, o.configDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR,
                          (fs::path(o.configDir) / "persist").string().c_str());
  }
  // A GETBULK reply holds what the request asks, up to --bulk-max bindings
  // (a configuration file's maxGetbulkResponses still wins).
  netsnmp_ds_set_int(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_MAX_GETBULKRESPONSES, o.bulkMax);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
  netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
  std::string ports = "udp:" + o.address + ":" + std::to_string(o.port);
  netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, ports.c_str());
  add_to_init_list(const_cast<char*>("-smux"));

  std::string engineId = EngineIdBytes(o);
  set_exact_engineID(reinterpret_cast<const u_char*>(engineId.data()), engineId.size());

  init_agent("qrx900-sim");
  init_system_mib();
  init_sysORTable();
  init_snmpEngine();
  init_snmpMPDStats();
  init_usmStats();
  init_usmUser();
  init_vacm_vars();
  init_vacm_context();
  init_snmpTargetAddrEntry();
  init_snmpTargetParamsEntry();
  init_target_counters();
  init_snmpNotifyTable();
  init_snmpNotifyFilterProfileTable();
  init_snmpNotifyFilterTable();

  for (const ServedObject& obj : g_agent.model->Objects()) {
    auto name = ToNet(obj.oid);
    netsnmp_handler_registration* reg = netsnmp_create_handler_registration(
        obj.scalar ? obj.scalar->name.c_str() : obj.table->name.c_str(), Handler, name.data(), name.size(),
        HANDLER_CAN_RWRITE);
    reg->my_reg_void = const_cast<ServedObject*>(&obj);
    if (netsnmp_register_handler(reg) != MIB_REGISTERED_OK && o.verbose)
      std::cerr << "qrx900-sim: cannot register " << OidToString(obj.oid) << "\n";
  }

  if (!o.readCommunity.empty()) Config("rocommunity " + Quote(o.readCommunity));
  if (!o.writeCommunity.empty()) Config("rwcommunity " + Quote(o.writeCommunity));
  std::string level = o.securityLevel == "noAuthNoPriv" ? "noauth" : o.securityLevel == "authNoPriv" ? "auth" : "priv";
  std::string create = "createUser " + Quote(o.user);
  if (o.securityLevel != "noAuthNoPriv") {
    create += " " + o.authProtocol + " " + Quote(o.authPassword);
    if (o.securityLevel == "authPriv") create += " " + o.privProtocol + " " + Quote(o.privPassword);
  }
  Config(create);
  Config("rwuser " + Quote(o.user) + " " + level);
  Config("sysDescr QRX-900 52-port managed Ethernet switch (simulated)");
  Config("sysObjectID 1.3.6.1.4.1.32473.11.63.8");

  init_snmp("qrx900-sim");
  if (init_master_agent() != 0) {
    std::cerr << "qrx900-sim: cannot listen on " << ports << "\n";
    if (!tempDir.empty()) fs::remove_all(tempDir);
    return 1;
  }
  if (main_session && main_session->callback) {
    g_agent.original = main_session->callback;
    main_session->callback = PacketFilter;
  }
  if (!o.frozen) snmp_alarm_register(1, SA_REPEAT, TickAlarm, nullptr);
  if (o.silentUnknownEngine) {
    if (snmp_secmod_def* usm = find_sec_mod(USM_SEC_MODEL_NUMBER)) {
      g_usmHandleReport = usm->handle_report;
      usm->handle_report = SilentUnknownEngine;
    }
  }

  struct sigaction sa {};
  sa.sa_handler = OnSignal;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
  struct sigaction release {};
  release.sa_handler = OnRelease;  // no SA_RESTART: the wait for requests returns at once
  sigemptyset(&release.sa_mask);
  sigaction(SIGUSR1, &release, nullptr);
  signal(SIGPIPE, SIG_IGN);

  int port = BoundPort();
  std::cout << "qrx900-sim: listening on udp:" << o.address << ":" << (port > 0 ? port : o.port) << std::endl;

  while (!g_stop) {
    if (o.noAnswer) {
      pause();  // the socket stays bound; nothing is ever read
      continue;
    }
    agent_check_and_process(1);
    if (g_releaseHeld) {
      g_releaseHeld = 0;
      ReleaseHeld();
    }
  }
  for (Delayed& d : g_held) snmp_free_pdu(d.pdu);
  g_held.clear();
  for (Delayed* d : g_delayed) {
    snmp_free_pdu(d->pdu);
    delete d;
  }
  g_delayed.clear();
  snmp_shutdown("qrx900-sim");
  if (!tempDir.empty()) fs::remove_all(tempDir);
  return 0;
}

}  // namespace sim
