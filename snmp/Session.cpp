#include "snmp/Session.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>

#include "snmp/BootCounter.h"
#include "snmp/Messages.h"
#include "snmp/Resolver.h"
#include "snmp/StatusMap.h"

KySnmpSession* GlobalSnmp = nullptr;

namespace {

bool g_libraryReady = false;
uint32_t g_localBoots = 0;

// Longest accepted timeout: one hour.
constexpr int32_t kMaxTimeout = 360000;
// Extra time after a try's timeout before an exchange that the library never
// finished is given up.
constexpr long long kWatchdogGraceMs = 3000;
// Datagrams handled per round at most, so a flood cannot starve the GUI.
constexpr int kMaxReadsPerRound = 256;

void InitLibrary() {
  if (g_libraryReady) return;
  // No configuration or persistent files of the library: the program's
  // behaviour depends on its own parameters only.
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_NO_TOKEN_WARNINGS, 1);
  // Numeric OIDs only: no MIB files are read.
  const char* oldMibs = std::getenv("MIBS");
  std::string saved = oldMibs ? oldMibs : "";
  setenv("MIBS", "", 1);
  set_exact_engineID(reinterpret_cast<const u_char*>(kLocalEngineId), std::strlen(kLocalEngineId));
  init_snmp("qrx900");
  if (oldMibs)
    setenv("MIBS", saved.c_str(), 1);
  else
    unsetenv("MIBS");
  g_libraryReady = true;
}

void SetLocalBoots(uint32_t boots) {
  // The library adds one to the value of "engineBoots".
  std::string line = "engineBoots " + std::to_string(boots > 0 ? boots - 1 : 0);
  std::vector<char> buf(line.begin(), line.end());
  buf.push_back('\0');
  netsnmp_config(buf.data());
  g_localBoots = static_cast<uint32_t>(snmpv3_local_snmpEngineBoots());
}

struct ProtoOid {
  int32_t code;
  const oid* oidp;
  size_t len;
};

const ProtoOid* AuthProto(int32_t code) {
  static const ProtoOid table[] = {
      {AuthProtocol::None, usmNoAuthProtocol, OID_LENGTH(usmNoAuthProtocol)},
      {AuthProtocol::HmacMd5, usmHMACMD5AuthProtocol, OID_LENGTH(usmHMACMD5AuthProtocol)},
      {AuthProtocol::HmacSha, usmHMACSHA1AuthProtocol, OID_LENGTH(usmHMACSHA1AuthProtocol)},
      {AuthProtocol::HmacSha224, usmHMAC128SHA224AuthProtocol, OID_LENGTH(usmHMAC128SHA224AuthProtocol)},
      {AuthProtocol::HmacSha256, usmHMAC192SHA256AuthProtocol, OID_LENGTH(usmHMAC192SHA256AuthProtocol)},
      {AuthProtocol::HmacSha384, usmHMAC256SHA384AuthProtocol, OID_LENGTH(usmHMAC256SHA384AuthProtocol)},
      {AuthProtocol::HmacSha512, usmHMAC384SHA512AuthProtocol, OID_LENGTH(usmHMAC384SHA512AuthProtocol)},
  };
  for (const ProtoOid& p : table)
    if (p.code == code) return &p;
  return nullptr;
}

const ProtoOid* PrivProto(int32_t code) {
  static const ProtoOid table[] = {
      {PrivProtocol::None, usmNoPrivProtocol, OID_LENGTH(usmNoPrivProtocol)},
      {PrivProtocol::Des, usmDESPrivProtocol, OID_LENGTH(usmDESPrivProtocol)},
      {PrivProtocol::Aes128, usmAESPrivProtocol, OID_LENGTH(usmAESPrivProtocol)},
      {PrivProtocol::Aes192, usmAES192PrivProtocol, OID_LENGTH(usmAES192PrivProtocol)},
      {PrivProtocol::Aes256, usmAES256PrivProtocol, OID_LENGTH(usmAES256PrivProtocol)},
  };
  for (const ProtoOid& p : table)
    if (p.code == code) return &p;
  return nullptr;
}

// USM demands at least 8 characters for a password (RFC 3414).
constexpr size_t kMinPasswordLength = 8;

std::string AddressKey(const std::string& address, uint16_t port) { return address + ":" + std::to_string(port); }

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

int HexValue(char c) {
  if (c <= '9') return c - '0';
  if (c <= 'F') return c - 'A' + 10;
  return c - 'a' + 10;
}

u_char* Dup(const std::string& bytes) {
  u_char* p = static_cast<u_char*>(std::malloc(bytes.size() + 1));
  if (!p) return nullptr;
  std::memcpy(p, bytes.data(), bytes.size());
  p[bytes.size()] = 0;
  return p;
}

// Our binding -> a variable of the PDU. False when it cannot be encoded.
bool AddVariable(netsnmp_pdu* pdu, const KyVb& vb) {
  if (vb.oid.size() < 2 || vb.oid.size() > MAX_OID_LEN) return false;
  oid name[MAX_OID_LEN];
  for (size_t i = 0; i < vb.oid.size(); ++i) name[i] = vb.oid[i];
  const size_t nameLen = vb.oid.size();
  netsnmp_variable_list* v = nullptr;
  switch (vb.type) {
    case KyVbType::Null:
      v = snmp_pdu_add_variable(pdu, name, nameLen, ASN_NULL, nullptr, 0);
      break;
    case KyVbType::Integer: {
      long value = static_cast<long>(vb.integer);
      v = snmp_pdu_add_variable(pdu, name, nameLen, ASN_INTEGER, &value, sizeof value);
      break;
    }
    case KyVbType::Counter32:
    case KyVbType::Gauge32:
    case KyVbType::TimeTicks: {
      if (vb.uinteger > 0xFFFFFFFFull) return false;
      u_long value = static_cast<u_long>(vb.uinteger);
      v = snmp_pdu_add_variable(pdu, name, nameLen, vb.type, &value, sizeof value);
      break;
    }
    case KyVbType::Counter64: {
      counter64 value{};
      value.high = static_cast<u_long>(vb.uinteger >> 32);
      value.low = static_cast<u_long>(vb.uinteger & 0xFFFFFFFFull);
      v = snmp_pdu_add_variable(pdu, name, nameLen, ASN_COUNTER64, &value, sizeof value);
      break;
    }
    case KyVbType::ObjectId: {
      if (vb.objectId.size() > MAX_OID_LEN) return false;
      oid value[MAX_OID_LEN];
      for (size_t i = 0; i < vb.objectId.size(); ++i) value[i] = vb.objectId[i];
      v = snmp_pdu_add_variable(pdu, name, nameLen, ASN_OBJECT_ID, value, vb.objectId.size() * sizeof(oid));
      break;
    }
    case KyVbType::IpAddress:
      if (vb.octets.size() != 4) return false;
      v = snmp_pdu_add_variable(pdu, name, nameLen, ASN_IPADDRESS, vb.octets.data(), 4);
      break;
    case KyVbType::NoSuchObject:
    case KyVbType::NoSuchInstance:
    case KyVbType::EndOfMibView:
      return false;
    default:  // OCTET STRING, Opaque and other octet-like types
      v = snmp_pdu_add_variable(pdu, name, nameLen, vb.type, vb.octets.data(), vb.octets.size());
      break;
  }
  return v != nullptr;
}

// A received variable -> our binding; the type byte is kept as it came.
KyVb FromVariable(const netsnmp_variable_list* v) {
  KyVb vb;
  vb.oid.assign(v->name, v->name + v->name_length);
  vb.type = v->type;
  switch (v->type) {
    case ASN_INTEGER:
      if (v->val.integer && v->val_len >= sizeof(long)) vb.integer = *v->val.integer;
      break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
      if (v->val.integer && v->val_len >= sizeof(long))
        vb.uinteger = static_cast<uint32_t>(static_cast<u_long>(*v->val.integer));
      break;
    case ASN_COUNTER64:
      if (v->val.counter64 && v->val_len >= sizeof(counter64))
        vb.uinteger = (static_cast<uint64_t>(v->val.counter64->high & 0xFFFFFFFFul) << 32) |
                      (v->val.counter64->low & 0xFFFFFFFFul);
      break;
    case ASN_OBJECT_ID:
      if (v->val.objid) {
        size_t n = v->val_len / sizeof(oid);
        vb.objectId.assign(v->val.objid, v->val.objid + n);
      }
      break;
    case ASN_NULL:
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
      break;
    default:
      if (v->val.string && v->val_len > 0)
        vb.octets.assign(reinterpret_cast<const char*>(v->val.string), v->val_len);
      break;
  }
  return vb;
}

}  // namespace

// ---------------------------------------------------------------------------
int CheckSecurity(const KySNMPSecurity& s) {
  if (s.version != SnmpVersion::V1 && s.version != SnmpVersion::V2c && s.version != SnmpVersion::V3)
    return MapLocalFailure(KyLocalFailure::BadVersion);
  if (s.version != SnmpVersion::V3) return 0;
  if (s.securityModel != SecurityModel::Usm) return MapLocalFailure(KyLocalFailure::UnsupportedSecurityModel);
  if (s.securityLevel < SecurityLevel::NoAuthNoPriv || s.securityLevel > SecurityLevel::AuthPriv)
    return MapLocalFailure(KyLocalFailure::BadSecurityLevel);
  if (s.securityLevel >= SecurityLevel::AuthNoPriv) {
    if (s.authProtocol == AuthProtocol::None) return MapLocalFailure(KyLocalFailure::LevelWithoutProtocol);
    if (!AuthProto(s.authProtocol)) return MapLocalFailure(KyLocalFailure::UnsupportedAuthProtocol);
    if (s.authPassword.size() < kMinPasswordLength) return MapLocalFailure(KyLocalFailure::AuthKeyFailed);
  }
  if (s.securityLevel == SecurityLevel::AuthPriv) {
    if (s.privProtocol == PrivProtocol::None) return MapLocalFailure(KyLocalFailure::LevelWithoutProtocol);
    if (!PrivProto(s.privProtocol)) return MapLocalFailure(KyLocalFailure::UnsupportedPrivProtocol);
    if (s.privPassword.size() < kMinPasswordLength) return MapLocalFailure(KyLocalFailure::PrivKeyFailed);
  }
  return 0;
}

KySnmpTarget BuildTarget(const KySNMPDevice& device, const KySNMPSecurity& security, int32_t timeout,
                         int32_t retries) {
  KySnmpTarget t;
  t.addr.sin_family = AF_INET;
  switch (KyLookupName(device.address, t.addr.sin_addr)) {
    case KyLookup::Failed:
      ThrowKySNMPError(KyErr::BadAddress);
    case KyLookup::Pending:
      t.resolved = false;
      t.addressText = device.address;
      break;
    case KyLookup::Resolved: {
      char buf[INET_ADDRSTRLEN] = {};
      inet_ntop(AF_INET, &t.addr.sin_addr, buf, sizeof buf);
      t.addressText = buf;
      break;
    }
  }
  t.addr.sin_port = htons(device.port);
  t.port = device.port;
  t.version = security.version;
  t.readCommunity = security.readCommunity;
  t.writeCommunity = security.writeCommunity;
  t.security = security;
  t.timeout = std::clamp<int32_t>(timeout, 1, kMaxTimeout);
  t.retries = std::clamp<int32_t>(retries, 0, 100);
  if (int status = CheckSecurity(security); status != 0) ThrowIfStatusError(status);
  return t;
}

std::string ContextEngineIdBytes(const std::string& text) {
  std::string_view hex = text;
  if (hex.size() > 2 && hex[0] == '0' && (hex[1] == 'x' || hex[1] == 'X')) hex.remove_prefix(2);
  bool isHex = hex.size() >= 10 && hex.size() <= 64 && hex.size() % 2 == 0 &&
               std::all_of(hex.begin(), hex.end(), IsHexDigit);
  if (!isHex) return text;
  std::string out;
  for (size_t i = 0; i < hex.size(); i += 2)
    out.push_back(static_cast<char>(HexValue(hex[i]) * 16 + HexValue(hex[i + 1])));
  return out;
}

// ---------------------------------------------------------------------------
struct KySnmpSession::Exchange {
  uint64_t id = 0;
  KySnmpTarget target;
  KySNMPScope scope;
  KySnmpOp op = KySnmpOp::Get;
  int32_t maxRepetitions = 0;  // GETBULK
  std::vector<KyVb> vbs;
  KySnmpCompletion completion;  // empty for a synchronous exchange
  bool sync = false;
  bool done = false;
  int triesLeft = 0;      // retransmissions left
  bool rediscovered = false;
  KySnmpOutcome outcome;
  std::string key;        // "address:port"
  bool waitingName = false;   // the agent name is being looked up
  long long nameDeadline = 0; // ... and the exchange gives up then
};

namespace {
// How long an exchange waits for its agent name: as long as its tries would take.
long long NameWaitMs(const KySnmpTarget& t) {
  return static_cast<long long>(t.timeout) * 10 * (static_cast<long long>(t.retries) + 1);
}
}  // namespace

KyStatusText OutcomeStatusText(const KySnmpOutcome& outcome) {
  if (outcome.moduleError != 0) return {outcome.moduleError, MessageText(outcome.moduleError)};
  return TranslateStatus(outcome.status);
}

std::unique_ptr<KySnmpSession> KySnmpSession::Open(int& status) {
  InitLibrary();
  std::unique_ptr<KySnmpSession> session(new KySnmpSession());
  netsnmp_session s;
  snmp_sess_init(&s);
  s.version = SNMP_DEFAULT_VERSION;
  s.flags |= SNMP_FLAGS_DONT_PROBE;
  char peer[] = "udp:127.0.0.1:161";  // default destination; every PDU carries its own
  s.peername = peer;
  s.local_port = 0;
  s.retries = 0;
  s.callback = nullptr;
  s.callback_magic = session.get();
  session->sp_ = snmp_sess_open(&s);
  if (!session->sp_) {
    status = SnmpStatus::ClassError;
    return session;
  }
  netsnmp_transport* t = snmp_sess_transport(session->sp_);
  if (t && t->sock >= 0) {
    int flags = fcntl(t->sock, F_GETFL, 0);
    if (flags >= 0) fcntl(t->sock, F_SETFL, flags | O_NONBLOCK);
  }
  status = 0;
  return session;
}

KySnmpSession::~KySnmpSession() {
  if (GlobalSnmp == this) GlobalSnmp = nullptr;
  if (sp_) {
    tickets_.clear();  // callbacks fired by the close find nothing
    snmp_sess_close(sp_);
    sp_ = nullptr;
  }
}

uint16_t KySnmpSession::LocalPort() const {
  int fd = PumpSocket();
  if (fd < 0) return 0;
  sockaddr_in a{};
  socklen_t len = sizeof a;
  if (getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) != 0) return 0;
  return ntohs(a.sin_port);
}

int KySnmpSession::PumpSocket() const {
  if (!sp_) return -1;
  netsnmp_transport* t = snmp_sess_transport(sp_);
  return t ? t->sock : -1;
}

void KySnmpSession::SetEngineId(const std::string& address, uint16_t port, const std::string& engineId) {
  engineIds_[AddressKey(address, port)] = engineId;
}

std::string KySnmpSession::EngineId(const std::string& address, uint16_t port) const {
  auto it = engineIds_.find(AddressKey(address, port));
  return it == engineIds_.end() ? std::string() : it->second;
}

// ---------------------------------------------------------------------------
int KySnmpSession::SendAsync(const KySnmpTarget& target, const KySNMPScope& scope, KySnmpOp op,
                             const std::vector<KyVb>& vbs, KySnmpCompletion completion, int32_t maxRepetitions,
                             uint64_t* exchangeId) {
  if (!sp_) return MapLocalFailure(KyLocalFailure::NoSession);
  auto ex = std::make_unique<Exchange>();
  ex->id = nextId_++;
  if (exchangeId) *exchangeId = ex->id;
  ex->target = target;
  ex->scope = scope;
  ex->op = op;
  ex->maxRepetitions = maxRepetitions;
  ex->vbs = vbs;
  ex->completion = std::move(completion);
  ex->triesLeft = target.retries;
  ex->key = AddressKey(target.addressText, target.port);
  Exchange& ref = *ex;
  exchanges_[ref.id] = std::move(ex);
  if (!target.resolved) {
    ref.waitingName = true;
    ref.nameDeadline = KySnmpNowMs() + NameWaitMs(target);
    return 0;
  }
  int rc = StartStep(ref);
  if (rc != 0) {
    exchanges_.erase(ref.id);
    return rc;
  }
  return 0;
}

void KySnmpSession::Abandon(uint64_t exchangeId) {
  auto it = exchanges_.find(exchangeId);
  if (it == exchanges_.end() || it->second->sync) return;
  // A try still with the library finds no exchange when it ends: nothing is
  // sent again and nothing completes.
  exchanges_.erase(it);
}

size_t KySnmpSession::WaitingCount() const {
  size_t n = 0;
  for (const auto& [id, ex] : exchanges_)
    if (!ex->done) ++n;
  return n;
}

void KySnmpSession::PostCompletion(KySnmpOutcome outcome, KySnmpCompletion completion) {
  auto ex = std::make_unique<Exchange>();
  ex->id = nextId_++;
  ex->done = true;
  ex->outcome = std::move(outcome);
  ex->completion = std::move(completion);
  const uint64_t id = ex->id;
  exchanges_[id] = std::move(ex);
  completed_.push_back(id);
}

bool KySnmpSession::BulkRefused(const std::string& address, uint16_t port) const {
  return noBulk_.count(AddressKey(address, port)) != 0;
}

void KySnmpSession::RefuseBulk(const std::string& address, uint16_t port) { noBulk_.insert(AddressKey(address, port)); }

KySnmpOutcome KySnmpSession::SendSync(const KySnmpTarget& target, const KySNMPScope& scope, KySnmpOp op,
                                      const std::vector<KyVb>& vbs, int32_t maxRepetitions) {
  KySnmpOutcome result;
  result.agentAddress = target.addressText;
  result.agentPort = target.port;
  if (!sp_) {
    result.status = MapLocalFailure(KyLocalFailure::NoSession);
    return result;
  }
  auto ex = std::make_unique<Exchange>();
  ex->id = nextId_++;
  ex->target = target;
  ex->scope = scope;
  ex->op = op;
  ex->maxRepetitions = maxRepetitions;
  ex->vbs = vbs;
  ex->sync = true;
  ex->triesLeft = target.retries;
  ex->key = AddressKey(target.addressText, target.port);
  Exchange* p = ex.get();
  const uint64_t id = p->id;
  exchanges_[id] = std::move(ex);
  p->waitingName = !target.resolved;
  p->nameDeadline = KySnmpNowMs() + NameWaitMs(target);
  int rc = p->waitingName ? 0 : StartStep(*p);
  if (rc != 0) {
    exchanges_.erase(id);
    result.status = rc;
    return result;
  }
  while (!p->done) Drive(50);
  result = std::move(p->outcome);
  exchanges_.erase(id);
  return result;
}

std::vector<KySnmpOutcome> KySnmpSession::SendSyncAll(const KySNMPScope& scope, KySnmpOp op,
                                                     const std::vector<SyncAsk>& asks) {
  std::vector<KySnmpOutcome> results(asks.size());
  std::vector<uint64_t> ids(asks.size(), 0);
  for (size_t k = 0; k < asks.size(); ++k) {
    const SyncAsk& ask = asks[k];
    results[k].agentAddress = ask.target.addressText;
    results[k].agentPort = ask.target.port;
    if (!sp_) {
      results[k].status = MapLocalFailure(KyLocalFailure::NoSession);
      continue;
    }
    auto ex = std::make_unique<Exchange>();
    ex->id = nextId_++;
    ex->target = ask.target;
    ex->scope = scope;
    ex->op = op;
    ex->maxRepetitions = ask.maxRepetitions;
    ex->vbs = ask.vbs;
    ex->sync = true;
    ex->triesLeft = ask.target.retries;
    ex->key = AddressKey(ask.target.addressText, ask.target.port);
    Exchange* p = ex.get();
    const uint64_t id = p->id;
    exchanges_[id] = std::move(ex);
    p->waitingName = !ask.target.resolved;
    p->nameDeadline = KySnmpNowMs() + NameWaitMs(ask.target);
    if (int rc = p->waitingName ? 0 : StartStep(*p); rc != 0) {
      exchanges_.erase(id);
      results[k].status = rc;
      continue;
    }
    ids[k] = id;
  }
  auto pending = [&] {
    for (uint64_t id : ids) {
      if (id == 0) continue;
      auto it = exchanges_.find(id);
      if (it != exchanges_.end() && !it->second->done) return true;
    }
    return false;
  };
  while (pending()) Drive(50);
  for (size_t k = 0; k < asks.size(); ++k) {
    if (ids[k] == 0) continue;
    auto it = exchanges_.find(ids[k]);
    if (it == exchanges_.end()) continue;
    results[k] = std::move(it->second->outcome);
    exchanges_.erase(it);
  }
  return results;
}

int KySnmpSession::StartStep(Exchange& ex) {
  if (ex.target.version == SnmpVersion::V3 && engineIds_.find(ex.key) == engineIds_.end())
    return SendDiscovery(ex);
  return SendRequest(ex);
}

int KySnmpSession::SendDiscovery(Exchange& ex) {
  netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
  pdu->version = SNMP_VERSION_3;
  pdu->securityModel = SNMP_SEC_MODEL_USM;
  pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
  pdu->securityName = reinterpret_cast<char*>(Dup(""));
  pdu->securityNameLen = 0;
  pdu->contextName = reinterpret_cast<char*>(Dup(""));
  pdu->contextNameLen = 0;
  return SendPdu(ex, pdu, true);
}

int KySnmpSession::SendRequest(Exchange& ex) {
  const KySnmpTarget& t = ex.target;
  int command = ex.op == KySnmpOp::Get       ? SNMP_MSG_GET
                : ex.op == KySnmpOp::GetNext ? SNMP_MSG_GETNEXT
                : ex.op == KySnmpOp::GetBulk ? SNMP_MSG_GETBULK
                                             : SNMP_MSG_SET;
  // SNMPv1 has no GETBULK.
  if (ex.op == KySnmpOp::GetBulk && t.version == SnmpVersion::V1) return MapLocalFailure(KyLocalFailure::BadVersion);
  std::string engineId;
  if (t.version == SnmpVersion::V3) {
    engineId = engineIds_[ex.key];
    if (int rc = EnsureUser(ex, engineId); rc != 0) return rc;
  }
  netsnmp_pdu* pdu = snmp_pdu_create(command);
  if (command == SNMP_MSG_GETBULK) {
    pdu->non_repeaters = 0;
    pdu->max_repetitions = std::max<long>(1, ex.maxRepetitions);
  }
  if (t.version == SnmpVersion::V3) {
    const KySNMPSecurity& s = t.security;
    pdu->version = SNMP_VERSION_3;
    pdu->securityModel = SNMP_SEC_MODEL_USM;
    pdu->securityLevel = s.securityLevel == SecurityLevel::AuthPriv    ? SNMP_SEC_LEVEL_AUTHPRIV
                         : s.securityLevel == SecurityLevel::AuthNoPriv ? SNMP_SEC_LEVEL_AUTHNOPRIV
                                                                         : SNMP_SEC_LEVEL_NOAUTH;
    pdu->securityName = reinterpret_cast<char*>(Dup(s.securityName));
    pdu->securityNameLen = s.securityName.size();
    pdu->contextName = reinterpret_cast<char*>(Dup(ex.scope.contextName));
    pdu->contextNameLen = ex.scope.contextName.size();
    pdu->securityEngineID = Dup(engineId);
    pdu->securityEngineIDLen = engineId.size();
    std::string contextEngine =
        ex.scope.contextEngineId.empty() ? engineId : ContextEngineIdBytes(ex.scope.contextEngineId);
    pdu->contextEngineID = Dup(contextEngine);
    pdu->contextEngineIDLen = contextEngine.size();
  } else {
    pdu->version = t.version == SnmpVersion::V2c ? SNMP_VERSION_2c : SNMP_VERSION_1;
    const std::string& community = ex.op == KySnmpOp::Set ? t.writeCommunity : t.readCommunity;
    pdu->community = Dup(community);
    pdu->community_len = community.size();
  }
  for (const KyVb& vb : ex.vbs) {
    if (!AddVariable(pdu, vb)) {
      snmp_free_pdu(pdu);
      return MapLocalFailure(KyLocalFailure::BadOid);
    }
  }
  return SendPdu(ex, pdu, false);
}

namespace {
// net-snmp keeps the engine ID of the first report the session receives and
// fills it into every later SNMPv3 PDU that carries none, discovery probes
// included (with that engine's boots and time). One session talks to any
// number of agents, so it keeps no engine ID of its own: a probe goes out
// with an empty engine ID, boots and time 0.
void ForgetLibraryEngineIds(netsnmp_session* ss) {
  if (!ss) return;
  if (ss->securityEngineID) std::free(ss->securityEngineID);
  ss->securityEngineID = nullptr;
  ss->securityEngineIDLen = 0;
  if (ss->contextEngineID) std::free(ss->contextEngineID);
  ss->contextEngineID = nullptr;
  ss->contextEngineIDLen = 0;
}
}  // namespace

int KySnmpSession::SendPdu(Exchange& ex, netsnmp_pdu* pdu, bool discovery) {
  auto* pair = static_cast<netsnmp_indexed_addr_pair*>(std::calloc(1, sizeof(netsnmp_indexed_addr_pair)));
  if (!pair) {
    snmp_free_pdu(pdu);
    return SnmpStatus::ResourceUnavailable;
  }
  std::memcpy(&pair->remote_addr, &ex.target.addr, sizeof ex.target.addr);
  pdu->transport_data = pair;
  pdu->transport_data_length = sizeof(netsnmp_indexed_addr_pair);

  const uint64_t ticketId = nextId_++;
  Ticket& ticket = tickets_[ticketId];
  ticket.exchange = ex.id;
  ticket.discovery = discovery;
  ticket.deadlineMs = KySnmpNowMs() + static_cast<long long>(ex.target.timeout) * 10 + kWatchdogGraceMs;

  netsnmp_session* ss = snmp_sess_session(sp_);
  ForgetLibraryEngineIds(ss);
  ss->timeout = static_cast<long>(ex.target.timeout) * 10000L;
  ss->retries = 0;
  ss->s_snmp_errno = 0;
  int reqid = snmp_sess_async_send(sp_, pdu, &KySnmpSession::OnLibraryCallback,
                                   reinterpret_cast<void*>(static_cast<uintptr_t>(ticketId)));
  if (reqid == 0) {
    int err = ss->s_snmp_errno;
    auto it = tickets_.find(ticketId);
    if (err == 0 && it != tickets_.end()) err = it->second.secError;
    if (it != tickets_.end()) tickets_.erase(it);
    snmp_free_pdu(pdu);
    return err != 0 ? MapLibraryError(err) : SnmpStatus::TransportFailed;
  }
  return 0;
}

int KySnmpSession::EnsureUser(const Exchange& ex, const std::string& engineId) {
  const KySNMPSecurity& s = ex.target.security;
  UserCreds want;
  want.auth = s.securityLevel >= SecurityLevel::AuthNoPriv ? s.authProtocol : AuthProtocol::None;
  want.priv = s.securityLevel == SecurityLevel::AuthPriv ? s.privProtocol : PrivProtocol::None;
  if (want.auth != AuthProtocol::None) want.authPassword = s.authPassword;
  if (want.priv != PrivProtocol::None) want.privPassword = s.privPassword;
  UserKey key{engineId, s.securityName};
  auto known = users_.find(key);
  if (known != users_.end() && known->second == want) return 0;

  // An entry with other credentials is removed first: the library never
  // updates an existing user.
  if (usmUser* old = usm_get_user(reinterpret_cast<const u_char*>(engineId.data()), engineId.size(),
                                  const_cast<char*>(s.securityName.c_str()))) {
    usm_remove_user(old);
    usm_free_user(old);
  }
  users_.erase(key);

  const ProtoOid* auth = AuthProto(want.auth);
  const ProtoOid* priv = PrivProto(want.priv);
  if (!auth) return MapLocalFailure(KyLocalFailure::UnsupportedAuthProtocol);
  if (!priv) return MapLocalFailure(KyLocalFailure::UnsupportedPrivProtocol);

  netsnmp_session* ss = snmp_sess_session(sp_);
  netsnmp_session saved = *ss;
  ss->version = SNMP_VERSION_3;
  ss->securityModel = SNMP_SEC_MODEL_USM;
  ss->flags &= ~SNMP_FLAGS_USER_CREATED;
  ss->securityLevel = want.priv != PrivProtocol::None   ? SNMP_SEC_LEVEL_AUTHPRIV
                      : want.auth != AuthProtocol::None ? SNMP_SEC_LEVEL_AUTHNOPRIV
                                                        : SNMP_SEC_LEVEL_NOAUTH;
  std::string engineCopy = engineId;
  std::string nameCopy = s.securityName;
  ss->securityEngineID = reinterpret_cast<u_char*>(engineCopy.data());
  ss->securityEngineIDLen = engineCopy.size();
  ss->securityName = nameCopy.data();
  ss->securityNameLen = nameCopy.size();
  ss->securityAuthProto = const_cast<oid*>(auth->oidp);
  ss->securityAuthProtoLen = auth->len;
  ss->securityAuthKeyLen = 0;
  ss->securityPrivProto = const_cast<oid*>(priv->oidp);
  ss->securityPrivProtoLen = priv->len;
  ss->securityPrivKeyLen = 0;

  int rc = 0;
  if (want.auth != AuthProtocol::None) {
    ss->securityAuthKeyLen = USM_AUTH_KU_LEN;
    if (generate_Ku(auth->oidp, static_cast<u_int>(auth->len),
                    reinterpret_cast<const u_char*>(want.authPassword.data()), want.authPassword.size(),
                    ss->securityAuthKey, &ss->securityAuthKeyLen) != SNMPERR_SUCCESS)
      rc = MapLocalFailure(KyLocalFailure::AuthKeyFailed);
  }
  if (rc == 0 && want.priv != PrivProtocol::None) {
    ss->securityPrivKeyLen = USM_PRIV_KU_LEN;
    if (generate_Ku(auth->oidp, static_cast<u_int>(auth->len),
                    reinterpret_cast<const u_char*>(want.privPassword.data()), want.privPassword.size(),
                    ss->securityPrivKey, &ss->securityPrivKeyLen) != SNMPERR_SUCCESS)
      rc = MapLocalFailure(KyLocalFailure::PrivKeyFailed);
  }
  if (rc == 0 && usm_create_user_from_session(ss) != SNMPERR_SUCCESS)
    rc = MapLocalFailure(KyLocalFailure::UserNotAdded);
  if (rc == 0 && !usm_get_user(reinterpret_cast<const u_char*>(engineId.data()), engineId.size(),
                               const_cast<char*>(s.securityName.c_str())))
    rc = MapLocalFailure(KyLocalFailure::UserNotAdded);

  // Back to the session's own fields (the keys are wiped).
  std::memset(ss->securityAuthKey, 0, sizeof ss->securityAuthKey);
  std::memset(ss->securityPrivKey, 0, sizeof ss->securityPrivKey);
  ss->version = saved.version;
  ss->securityModel = saved.securityModel;
  ss->flags = saved.flags;
  ss->securityLevel = saved.securityLevel;
  ss->securityEngineID = saved.securityEngineID;
  ss->securityEngineIDLen = saved.securityEngineIDLen;
  ss->securityName = saved.securityName;
  ss->securityNameLen = saved.securityNameLen;
  ss->securityAuthProto = saved.securityAuthProto;
  ss->securityAuthProtoLen = saved.securityAuthProtoLen;
  ss->securityAuthKeyLen = saved.securityAuthKeyLen;
  std::memcpy(ss->securityAuthKey, saved.securityAuthKey, sizeof ss->securityAuthKey);
  ss->securityPrivProto = saved.securityPrivProto;
  ss->securityPrivProtoLen = saved.securityPrivProtoLen;
  ss->securityPrivKeyLen = saved.securityPrivKeyLen;
  std::memcpy(ss->securityPrivKey, saved.securityPrivKey, sizeof ss->securityPrivKey);
  std::memset(saved.securityAuthKey, 0, sizeof saved.securityAuthKey);
  std::memset(saved.securityPrivKey, 0, sizeof saved.securityPrivKey);

  if (rc == 0) users_[key] = want;
  return rc;
}

// ---------------------------------------------------------------------------
int KySnmpSession::OnLibraryCallback(int op, netsnmp_session* sess, int /*reqid*/, netsnmp_pdu* pdu, void* magic) {
  auto* self = static_cast<KySnmpSession*>(sess ? sess->callback_magic : nullptr);
  if (!self) return 1;
  return self->HandleCallback(op, pdu, static_cast<uint64_t>(reinterpret_cast<uintptr_t>(magic)));
}

int KySnmpSession::HandleCallback(int op, netsnmp_pdu* pdu, uint64_t ticketId) {
  auto it = tickets_.find(ticketId);
  if (it == tickets_.end() || it->second.finished) return 1;
  Ticket& t = it->second;
  netsnmp_session* ss = sp_ ? snmp_sess_session(sp_) : nullptr;
  switch (op) {
    case NETSNMP_CALLBACK_OP_RESEND:
      return 1;
    case NETSNMP_CALLBACK_OP_SEC_ERROR: {
      int e = (pdu && pdu->command == SNMP_MSG_REPORT) ? snmpv3_get_report_type(pdu) : 0;
      if (e == 0 && ss) e = ss->s_snmp_errno;
      if (e != 0) t.secError = e;
      return 1;
    }
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
      if (!pdu) {
        t.status = SnmpStatus::ClassError;
      } else if (t.discovery) {
        if (pdu->securityEngineID && pdu->securityEngineIDLen > 0) {
          t.engineId.assign(reinterpret_cast<const char*>(pdu->securityEngineID), pdu->securityEngineIDLen);
          t.status = 0;
        } else {
          t.status = SnmpStatus::MpInvalidEngineId;
        }
      } else if (pdu->command == SNMP_MSG_REPORT) {
        int e = snmpv3_get_report_type(pdu);
        t.status = MapLibraryError(e != 0 ? e : SNMPERR_UNKNOWN_REPORT);
      } else {
        t.answered = true;
        t.status = MapErrorStatus(pdu->errstat);
        t.errorIndex = static_cast<int32_t>(std::clamp<long>(pdu->errindex, 0, 0x7FFFFFFF));
        for (netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable) t.vbs.push_back(FromVariable(v));
      }
      break;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
      t.status = t.secError != 0 ? MapLibraryError(t.secError) : SnmpStatus::Timeout;
      break;
    case NETSNMP_CALLBACK_OP_SEND_FAILED: {
      int e = t.secError != 0 ? t.secError : (ss ? ss->s_snmp_errno : 0);
      t.status = e != 0 ? MapLibraryError(e) : MapCallbackOp(op);
      break;
    }
    default:
      return 1;
  }
  t.finished = true;
  ready_.push_back(ticketId);
  return 1;
}

void KySnmpSession::Advance() {
  while (!ready_.empty()) {
    uint64_t ticketId = ready_.front();
    ready_.pop_front();
    auto node = tickets_.extract(ticketId);
    if (node.empty()) continue;
    Ticket t = std::move(node.mapped());
    auto exIt = exchanges_.find(t.exchange);
    if (exIt == exchanges_.end() || exIt->second->done) continue;
    Exchange& ex = *exIt->second;
    int rc = 0;
    if (t.discovery) {
      if (t.status == 0) {
        engineIds_[ex.key] = t.engineId;
        rc = SendRequest(ex);
      } else if (t.status == SnmpStatus::Timeout && ex.triesLeft > 0) {
        --ex.triesLeft;
        rc = SendDiscovery(ex);
      } else {
        rc = t.status;
      }
      if (rc != 0) Finish(ex.id, rc, 0, {});
      continue;
    }
    const bool v3 = ex.target.version == SnmpVersion::V3;
    if (t.status == SnmpStatus::Timeout && ex.triesLeft > 0) {
      --ex.triesLeft;
      if (v3 && !ex.rediscovered) {
        // An agent that was replaced or reset answers a stale engine ID with
        // a report the library cannot even read: learn the engine ID again
        // before trying once more.
        ex.rediscovered = true;
        engineIds_.erase(ex.key);
        rc = SendDiscovery(ex);
      } else {
        rc = SendRequest(ex);
      }
      if (rc != 0) Finish(ex.id, rc, 0, {});
    } else if (t.status == SnmpStatus::UsmUnknownEngineId && v3 && !ex.rediscovered) {
      // The agent's engine ID changed (device replaced or reset): learn it again.
      ex.rediscovered = true;
      engineIds_.erase(ex.key);
      rc = SendDiscovery(ex);
      if (rc != 0) Finish(ex.id, rc, 0, {});
    } else {
      // After a final timeout the next exchange starts with a fresh discovery.
      if (v3 && t.status == SnmpStatus::Timeout) engineIds_.erase(ex.key);
      ex.outcome.firstBulkReply = ex.op == KySnmpOp::GetBulk && t.answered && bulkAnswered_.insert(ex.key).second;
      Finish(ex.id, t.status, t.errorIndex, std::move(t.vbs));
    }
  }
}

void KySnmpSession::Finish(uint64_t id, int status, int32_t errorIndex, std::vector<KyVb> vbs) {
  auto it = exchanges_.find(id);
  if (it == exchanges_.end() || it->second->done) return;
  Exchange& ex = *it->second;
  ex.done = true;
  ex.outcome.status = status;
  ex.outcome.errorIndex = errorIndex;
  ex.outcome.vbs = std::move(vbs);
  ex.outcome.agentAddress = ex.target.addressText;
  ex.outcome.agentPort = ex.target.port;
  if (!ex.sync) completed_.push_back(id);
}

void KySnmpSession::ReadAvailable() {
  int fd = PumpSocket();
  if (fd < 0) return;
  for (int i = 0; i < kMaxReadsPerRound; ++i) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 0) <= 0 || (p.revents & (POLLIN | POLLERR)) == 0) break;
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(fd, &fds);
    snmp_sess_read(sp_, &fds);
    Advance();
  }
}

void KySnmpSession::CheckDeadlines() {
  long long now = KySnmpNowMs();
  for (auto& [id, t] : tickets_) {
    if (!t.finished && now > t.deadlineMs) {
      t.finished = true;
      t.status = t.secError != 0 ? MapLibraryError(t.secError) : SnmpStatus::Timeout;
      ready_.push_back(id);
    }
  }
}

void KySnmpSession::ResolveWaiting() {
  const long long now = KySnmpNowMs();
  for (auto& [id, exp] : exchanges_) {
    Exchange& ex = *exp;
    if (!ex.waitingName || ex.done) continue;
    const std::string name = ex.target.addressText;
    in_addr addr{};
    KyLookup state = KyLookupName(name, addr);
    if (state == KyLookup::Pending && now < ex.nameDeadline) continue;
    ex.waitingName = false;
    if (state != KyLookup::Resolved) {
      if (state == KyLookup::Pending) KyNameLookupGaveUp(name);
      Finish(ex.id, SnmpStatus::InvalidAddress, 0, {});
      ex.outcome.moduleError = KyErr::BadAddress;
      ex.outcome.agentAddress = name;
      continue;
    }
    ex.target.addr.sin_addr = addr;
    char buf[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &addr, buf, sizeof buf);
    ex.target.addressText = buf;
    ex.target.resolved = true;
    ex.key = AddressKey(ex.target.addressText, ex.target.port);
    if (int rc = StartStep(ex); rc != 0) Finish(ex.id, rc, 0, {});
  }
}

void KySnmpSession::Drive(int waitMs) {
  if (!sp_) return;
  ResolveWaiting();
  int fd = PumpSocket();
  long long wait = waitMs;
  {
    int numfds = 0;
    int block = 1;
    fd_set fds;
    FD_ZERO(&fds);
    timeval tv{0, 0};
    snmp_sess_select_info_flags(sp_, &numfds, &fds, &tv, &block, NETSNMP_SELECT_NOALARMS);
    if (!block) {
      long long libMs = static_cast<long long>(tv.tv_sec) * 1000 + (tv.tv_usec + 999) / 1000;
      wait = std::min(wait, libMs);
    }
  }
  if (wait > 0 && fd >= 0) {
    pollfd p{fd, POLLIN, 0};
    poll(&p, 1, static_cast<int>(wait));
  }
  ReadAvailable();
  snmp_sess_timeout(sp_);
  Advance();
  CheckDeadlines();
  Advance();
}

void KySnmpSession::DeliverCompleted() {
  if (delivering_) return;
  delivering_ = true;
  while (!completed_.empty()) {
    uint64_t id = completed_.front();
    completed_.erase(completed_.begin());
    auto node = exchanges_.extract(id);
    if (node.empty()) continue;
    std::unique_ptr<Exchange> ex = std::move(node.mapped());
    if (!ex->completion) continue;
    try {
      ex->completion(ex->outcome);
    } catch (...) {
      // One failing callback must not keep the others from running.
    }
  }
  delivering_ = false;
}

void KySnmpSession::ProcessPendingEvents() {
  Drive(0);
  DeliverCompleted();
}

// ---------------------------------------------------------------------------
uint32_t LocalEngineBoots() { return g_localBoots; }

void InitGlobalSession(const std::string& directory) {
  if (!GlobalSnmp) {
    int status = 0;
    std::unique_ptr<KySnmpSession> session = KySnmpSession::Open(status);
    GlobalSnmp = session.release();  // kept even when it failed; never destroyed
    if (status != 0 || !GlobalSnmp->valid()) ThrowKySNMPError(KyErr::CreateSession);
    uint32_t boots = AdvanceBootCounter(directory);
    SetLocalBoots(boots);
  } else if (!GlobalSnmp->valid()) {
    ThrowKySNMPError(KyErr::CreateSession);
  }
  AssignDefaultSessionParams();
  GlobalEventPump.SetClient(GlobalSnmp);
  GlobalEventPump.Start();
}
