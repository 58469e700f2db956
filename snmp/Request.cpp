#include "snmp/Request.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <ctime>

#include "snmp/Session.h"
#include "snmp/SnmpPump.h"
#include "snmp/StatusMap.h"

namespace {

constexpr int kMaxEvalDepth = 256;

[[noreturn]] void Raise(int32_t code) { ThrowKySNMPError(code); }

KyOid ParseOidOrRaise(const std::string& text) {
  KyOid oid;
  if (!ParseOidText(text, oid) || oid.size() < 2) ThrowIfStatusError(MapLocalFailure(KyLocalFailure::BadOid));
  return oid;
}

// Numeric comparison of two dotted OIDs: <0, 0, >0. Unparsable texts compare
// as texts.
int CompareOids(const std::string& a, const std::string& b) {
  if (const std::optional<int> order = CompareOidTexts(a, b)) return *order;
  return a.compare(b);
}

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return std::string(s.substr(b, e - b));
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

// The current local date and time as days since 1899-12-30.
double NowDays() {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  // Seconds of local wall-clock time since the epoch.
  long long offset = static_cast<long long>(local.tm_gmtoff);
  return (static_cast<double>(t) + static_cast<double>(offset)) / 86400.0 + 25569.0;
}

// A number without exponent, so that the text can be split at "+" and "-"
// again without changing its meaning.
std::string PlainNumber(double v) {
  if (!std::isfinite(v)) Raise(KyErr::BadSyntaxInExpression);
  char buf[512];
  if (v == std::trunc(v) && std::fabs(v) < 1e15) {
    std::snprintf(buf, sizeof buf, "%.0f", v);
    return buf;
  }
  std::snprintf(buf, sizeof buf, "%.15f", v);
  std::string s = buf;
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  return s;
}

double PlainOperand(const std::string& text) {
  std::string t = Trim(text);
  if (EqualsNoCase(t, "NOW")) return NowDays();
  double v = 0;
  if (!ParseReal(t, v)) v = std::strtod(t.c_str(), nullptr);
  return v;
}

// Span [first, last] of the first double-quoted string (npos when none).
void FirstQuoted(const std::string& s, size_t& open, size_t& close) {
  open = s.find('"');
  close = open == std::string::npos ? std::string::npos : s.find('"', open + 1);
  if (open != std::string::npos && close == std::string::npos) close = s.size();
}

// First occurrence of op outside the first double-quoted string.
size_t FindOutsideQuote(const std::string& s, std::string_view op, size_t from = 0) {
  size_t open, close;
  FirstQuoted(s, open, close);
  size_t pos = s.find(op, from);
  while (pos != std::string::npos && open != std::string::npos && pos >= open && pos <= close)
    pos = s.find(op, close + 1);
  return pos;
}

// Position of the ")" that closes the "(" at open (npos when unbalanced).
size_t MatchingParen(const std::string& s, size_t open) {
  int depth = 0;
  for (size_t i = open; i < s.size(); ++i) {
    if (s[i] == '(') ++depth;
    if (s[i] == ')' && --depth == 0) return i;
  }
  return std::string::npos;
}

// Position of the last "-" that subtracts (npos when every "-" is a sign).
size_t BinaryMinus(const std::string& s) {
  for (size_t p = s.rfind('-'); p != std::string::npos; p = p == 0 ? std::string::npos : s.rfind('-', p - 1)) {
    size_t q = p;
    while (q > 0 && std::isspace(static_cast<unsigned char>(s[q - 1]))) --q;
    if (q == 0) continue;  // leading sign
    const char c = s[q - 1];
    if (c == '+' || c == '-' || c == '*' || c == '/' || c == '(') continue;
    if ((c == 'e' || c == 'E') && q >= 2 && (std::isdigit(static_cast<unsigned char>(s[q - 2])) || s[q - 2] == '.'))
      continue;  // exponent of a number such as 1.5e-3
    return p;
  }
  return std::string::npos;
}

double EvalNumber(const std::string& text, int depth) {
  if (depth > kMaxEvalDepth) Raise(KyErr::BadSyntaxInExpression);
  size_t open = text.find('(');
  if (open != std::string::npos) {
    size_t close = MatchingParen(text, open);
    std::string inner = text.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
    std::string rest = close == std::string::npos ? std::string() : text.substr(close + 1);
    return EvalNumber(text.substr(0, open) + PlainNumber(EvalNumber(inner, depth + 1)) + rest, depth + 1);
  }
  if (size_t p = text.find('+'); p != std::string::npos)
    return EvalNumber(text.substr(0, p), depth + 1) + EvalNumber(text.substr(p + 1), depth + 1);
  // "-" and then "*" and "/" group from the left: the text splits at the last
  // of them, so "5-2-1" is 2 and "8/2*2" is 8. A "-" that is a sign (at the
  // start, after another operator, or in an exponent) is part of its number,
  // so a negative value keeps its sign after "*" or "/".
  if (size_t p = BinaryMinus(text); p != std::string::npos)
    return EvalNumber(text.substr(0, p), depth + 1) - EvalNumber(text.substr(p + 1), depth + 1);
  if (size_t p = text.find_last_of("*/"); p != std::string::npos) {
    double left = EvalNumber(text.substr(0, p), depth + 1);
    double right = EvalNumber(text.substr(p + 1), depth + 1);
    return text[p] == '*' ? left * right : left / right;
  }
  if (std::string t = Trim(text); t.size() > 1 && t[0] == '-') return -EvalNumber(t.substr(1), depth + 1);
  return PlainOperand(text);
}

std::string ComparisonSide(const std::string& text) {
  std::string t = Trim(text);
  if (t.size() >= 2 && t.front() == '"' && t.back() == '"') t = t.substr(1, t.size() - 2);
  if (EqualsNoCase(t, "NOW")) return PlainNumber(NowDays());
  return t;
}

bool EvalLogic(const std::string& text, int depth) {
  if (depth > kMaxEvalDepth) Raise(KyErr::BadLogicOperand);
  size_t open = FindOutsideQuote(text, "(");
  if (open != std::string::npos) {
    size_t close = MatchingParen(text, open);
    std::string inner = text.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
    std::string rest = close == std::string::npos ? std::string() : text.substr(close + 1);
    bool v = EvalLogic(inner, depth + 1);
    return EvalLogic(text.substr(0, open) + (v ? "true" : "false") + rest, depth + 1);
  }
  if (size_t p = FindOutsideQuote(text, "|"); p != std::string::npos)
    return EvalLogic(text.substr(0, p), depth + 1) || EvalLogic(text.substr(p + 1), depth + 1);
  if (size_t p = FindOutsideQuote(text, "&"); p != std::string::npos)
    return EvalLogic(text.substr(0, p), depth + 1) && EvalLogic(text.substr(p + 1), depth + 1);
  if (FindOutsideQuote(text, "!") != std::string::npos) {
    std::string t = Trim(text);
    return !EvalLogic(t.substr(1), depth + 1);
  }
  static constexpr std::string_view kOps[] = {"<>", ">=", "<=", ">", "<", "="};
  for (std::string_view op : kOps) {
    size_t p = FindOutsideQuote(text, op);
    if (p == std::string::npos) continue;
    std::string a = ComparisonSide(text.substr(0, p));
    std::string b = ComparisonSide(text.substr(p + op.size()));
    int c = a.compare(b);
    if (op == "<>") return c != 0;
    if (op == ">=") return c >= 0;
    if (op == "<=") return c <= 0;
    if (op == ">") return c > 0;
    if (op == "<") return c < 0;
    return c == 0;
  }
  std::string t = Trim(text);
  if (EqualsNoCase(t, "true")) return true;
  if (EqualsNoCase(t, "false")) return false;
  Raise(KyErr::BadLogicOperand);
}

// Restores values and access flags of every item when a write ends.
class ListRestorer {
 public:
  explicit ListRestorer(KySNMPVarList& list) : list_(list) {
    saved_.reserve(list.items.size());
    for (const KySNMPVarDef& item : list.items) saved_.push_back({item.value, item.access});
  }
  ~ListRestorer() { Restore(); }
  void Restore() {
    if (done_) return;
    done_ = true;
    for (size_t i = 0; i < saved_.size() && i < list_.items.size(); ++i) {
      list_.items[i].value = saved_[i].value;
      list_.items[i].access = saved_[i].access;
    }
  }

 private:
  struct Saved {
    std::string value;
    int32_t access;
  };
  KySNMPVarList& list_;
  std::vector<Saved> saved_;
  bool done_ = false;
};

// Bytes of a BER length and tag in front of `content` bytes.
size_t TlvSize(size_t content) { return 1 + (content < 128 ? 1 : content < 256 ? 2 : content < 65536 ? 3 : 4) + content; }

size_t OidContentSize(const KyOid& oid) {
  if (oid.size() < 2) return 1;
  size_t n = 1;
  for (size_t i = 2; i < oid.size(); ++i) {
    uint32_t v = oid[i];
    n += v < (1u << 7) ? 1 : v < (1u << 14) ? 2 : v < (1u << 21) ? 3 : v < (1u << 28) ? 4 : 5;
  }
  return n;
}

size_t NumberSize(uint64_t v) {
  size_t n = 1;
  while (n < 9 && (v >> (8 * n - 1)) != 0) ++n;
  return n;
}

// Encoded size of a binding as it travels in a reply.
size_t EncodedSize(const KyVb& vb) {
  size_t value = 0;
  switch (vb.type) {
    case KyVbType::Integer:
      value = NumberSize(static_cast<uint64_t>(vb.integer < 0 ? ~vb.integer : vb.integer));
      break;
    case KyVbType::Counter32:
    case KyVbType::Gauge32:
    case KyVbType::TimeTicks:
    case KyVbType::Counter64:
    case KyVbType::UInteger32:
      value = NumberSize(vb.uinteger);
      break;
    case KyVbType::ObjectId:
      value = OidContentSize(vb.objectId);
      break;
    default:
      value = vb.octets.size();
      break;
  }
  return TlvSize(TlvSize(OidContentSize(vb.oid)) + TlvSize(value));
}

// Error-status values of a reply.
constexpr long kErrorTooBig = 1;
constexpr long kErrorNoSuchName = 2;
constexpr long kErrorGenErr = 5;

// GETBULK repetitions before a reply has shown how large the rows are.
constexpr int32_t kFirstRepetitions = 10;
// Bytes per binding assumed before then.
constexpr double kAssumedBindingBytes = 40;

// GETBULK exchanges one read may need at most before it asks by GET-NEXT.
constexpr int kMaxBulkRounds = 16;

// A read whose GETBULK failed (`bulk`: the last GETBULK outcome) was
// answered by GET-NEXT. True when that shows the agent refuses GETBULK
// itself: it never answers GETBULK, or its first GETBULK reply of the
// session is noSuchName or genErr (an agent that does not know the
// operation) or brings nothing usable. Any other failure is an error of
// some object ahead of the walk: only that walk goes on with GET-NEXT.
bool RefusesBulk(const KySnmpOutcome& bulk) {
  if (bulk.status == SnmpStatus::Timeout) return true;
  if (!bulk.firstBulkReply) return false;
  return bulk.status == 0 || bulk.status == MapErrorStatus(kErrorNoSuchName) ||
         bulk.status == MapErrorStatus(kErrorGenErr);
}

KySnmpSession& Session() {
  if (!GlobalSnmp || !GlobalSnmp->valid()) ThrowIfStatusError(MapLocalFailure(KyLocalFailure::NoSession));
  return *GlobalSnmp;
}

// How a variable's value stands in an expression.
enum class OperandForm { Truth, Number, Ticks, Days, Text };

OperandForm FormOf(Syntax syntax) {
  switch (syntax) {
    case Syntax::Boolean:
      return OperandForm::Truth;
    case Syntax::Integer:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::Counter64:
    case Syntax::UInteger32:
    case Syntax::Real:
      return OperandForm::Number;
    case Syntax::TimeTicks:
      return OperandForm::Ticks;
    case Syntax::DateTime:
      return OperandForm::Days;
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Null:
    case Syntax::ObjectId:
    case Syntax::IpAddress:
    case Syntax::Opaque:
    case Syntax::Address:
    case Syntax::MacAddress:
    case Syntax::DateAndTime:
    case Syntax::DisplayString:
    case Syntax::Ipv6Address:
      return OperandForm::Text;
  }
  // No variable syntax. The codes of byte-image pieces stand for their
  // values (0xc1 and 0xc4 booleans, 0xc2, 0xc3, 0xc5 and 0xc6 numbers);
  // any other number is text.
  switch (static_cast<int32_t>(syntax)) {
    case 0xc1:
    case 0xc4:
      return OperandForm::Truth;
    case 0xc2:
    case 0xc3:
    case 0xc5:
    case 0xc6:
      return OperandForm::Number;
    default:
      return OperandForm::Text;
  }
}

// The value text of a number computed for a variable; nullopt when the
// number cannot be one of the syntax or the syntax takes no number.
std::optional<std::string> NumberText(Syntax syntax, double v) {
  switch (syntax) {
    case Syntax::Boolean:
      return v != 0 ? "true" : "false";
    case Syntax::Integer:
      if (!std::isfinite(v)) return std::nullopt;
      return std::to_string(static_cast<long long>(std::clamp(std::trunc(v), -2147483648.0, 2147483647.0)));
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::UInteger32:
      if (!std::isfinite(v)) return std::nullopt;
      return std::to_string(static_cast<unsigned long long>(std::clamp(std::trunc(v), 0.0, 4294967295.0)));
    case Syntax::TimeTicks:
      if (!std::isfinite(v)) return std::nullopt;
      return FormatTimeTicks(static_cast<uint64_t>(std::clamp(std::trunc(v), 0.0, 4294967295.0)));
    case Syntax::Counter64:
      if (!std::isfinite(v)) return std::nullopt;
      return std::to_string(static_cast<unsigned long long>(std::clamp(std::trunc(v), 0.0, 18446744073709549568.0)));
    case Syntax::Real:
      return FormatReal(v);
    case Syntax::DateTime:
      return FormatDateTimeValue(v);
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Null:
    case Syntax::ObjectId:
    case Syntax::IpAddress:
    case Syntax::Opaque:
    case Syntax::Address:
    case Syntax::MacAddress:
    case Syntax::DateAndTime:
    case Syntax::DisplayString:
    case Syntax::Ipv6Address:
      return std::nullopt;
  }
  return std::nullopt;  // a number that is no code
}

}  // namespace

double KyEvaluateNumber(const std::string& text) { return EvalNumber(text, 0); }
bool KyEvaluateLogic(const std::string& text) { return EvalLogic(text, 0); }

// ---------------------------------------------------------------------------
struct KySNMPRequest::ExchangeRecord {
  bool flag = false;  // true for reads
  bool get = false;   // the read is a GET
  std::vector<KyVb> asked;  // the bindings sent
  RequestCallback callback;
  void* userData = nullptr;
};

struct KySNMPRequest::LaneAsk {
  size_t lane = 0;
  int32_t reps = 0;
  long long tryMs = 0;  // how long one try of it may take
  KySnmpTarget target;
};

// One continuation (or first) read of a walk made with GETBULK.
struct KySNMPRequest::BulkStep {
  std::shared_ptr<ExchangeRecord> record;
  KySnmpTarget target;
  std::vector<KyVb> asked;  // the GET-NEXT this read stands for
  std::vector<size_t> missing;
  int32_t reps = 0;  // of the GETBULK in flight
  int rounds = 0;
  long long sentMs = 0;  // when the GETBULK in flight left
};

KySNMPRequest::KySNMPRequest()
    : timeout(GlobalTimeout),
      retries(GlobalRetries),
      device(GlobalDevice),
      scope(GlobalScope),
      security(GlobalSecurity) {}

KySNMPRequest::~KySNMPRequest() {
  enabled = false;
  AbandonLanes();
  // Completions run from the pump only; inside one of them the pump cannot
  // run, so waiting would only freeze the program for nothing.
  if (outstanding > 0 && !GlobalEventPump.busy() && GlobalEventPump.started()) {
    GlobalEventPump.RunUntil([this] { return outstanding <= 0; }, kDestroyWaitMs);
  }
  // alive_ goes with the object: late completions see the expired token.
}

std::string KySNMPRequest::RequestOid(int i) const {
  const std::string& oid = varList.Item(i).oid;
  return varList.index.empty() ? oid : oid + "." + varList.index;
}

KySnmpOp KySNMPRequest::ReadOperation() const {
  switch (varList.kind) {
    case 0:
      return KySnmpOp::Get;
    case 1:
      return useGetNext ? KySnmpOp::GetNext : KySnmpOp::Get;
    case 2:
    case 3:
      return KySnmpOp::GetNext;
    default:
      Raise(KyErr::BadItemType);
  }
}

std::vector<KyVb> KySNMPRequest::BuildPdu(Mode mode) {
  if (varList.kind > 3) Raise(KyErr::BadItemType);
  std::vector<KyVb> vbs;
  const bool table = varList.IsTable();
  for (int i = 0; i < varList.Count(); ++i) {
    KySNMPVarDef& item = varList.Item(i);
    KyVb vb;
    if (mode == Mode::FirstRead) {
      if (!varList.IsReadable(i)) continue;
      item.lastOid.clear();
      std::string base = RequestOid(i);
      vb.oid = ParseOidOrRaise(varList.kind == 0 ? base + ".0" : base);
    } else if (mode == Mode::NextRead) {
      if (!varList.IsReadable(i)) continue;
      if (!table) Raise(KyErr::GetNextSingle);
      const NameCache* c = static_cast<size_t>(i) < names_.size() ? &names_[static_cast<size_t>(i)] : nullptr;
      if (c && !item.lastOid.empty() && c->lastText == item.lastOid)
        vb.oid = c->last;  // the name the last reply brought, kept as a number
      else
        vb.oid = ParseOidOrRaise(item.lastOid.empty() ? RequestOid(i) : item.lastOid);
    } else {
      if ((table && i < varList.keyCount) || !varList.IsWritable(i)) continue;
      std::string base = RequestOid(i);
      std::string oid;
      if (varList.kind == 0) {
        oid = base + ".0";
      } else if (varList.kind == 1) {
        oid = base;
      } else {
        std::string suffix = EncodeIndex();
        oid = suffix.empty() ? base : base + "." + suffix;
      }
      vb.oid = ParseOidOrRaise(oid);
      LoadValue(i, vb);
    }
    vbs.push_back(std::move(vb));
  }
  return vbs;
}

// ---------------------------------------------------------------------------
// Walks by GETBULK.
namespace {

// What the message around the bindings takes: header, community or USM
// parameters (engine ID, user, digest up to SHA-512, salt, padding),
// context, PDU header.
size_t MessageOverhead(const KySNMPSecurity& security, const KySNMPScope& scope) {
  return security.version == SnmpVersion::V3 ? 256 + security.securityName.size() + scope.contextName.size()
                                             : 48 + security.readCommunity.size();
}

// Names a column's lane may know ahead of the reads at most.
constexpr size_t kAheadNames = 2048;
// The shortest try of a lane's GETBULK.
constexpr long long kShortestLaneTryMs = 100;
// Streams started at later points of one column at most, and the names a
// walk may know ahead of its reads before it starts or continues no more
// of them (the columns' own streams go on).
constexpr size_t kMostSplits = 64;
constexpr size_t kMostFacts = size_t{1} << 17;
// Places of an instance that measure where it lies in its column.
constexpr size_t kSpreadDepth = 8;

bool InSubtree(const KyOid& base, const KyOid& name) {
  return name.size() > base.size() && std::equal(base.begin(), base.end(), name.begin());
}

}  // namespace

int32_t KySNMPRequest::BulkRepetitions(size_t columns) const {
  if (columns == 0) return 1;
  const double overhead = static_cast<double>(MessageOverhead(security, scope));
  const double budget = std::max<double>(256, aimBytes_ - overhead);
  double reps;
  if (vbBytes_ > 0) {
    reps = budget / (vbBytes_ * 1.1 * static_cast<double>(columns));  // a tenth in hand for longer rows
  } else {
    reps = std::min<double>(kFirstRepetitions, budget / (kAssumedBindingBytes * static_cast<double>(columns)));
  }
  if (agentBindings_ != SIZE_MAX) reps = std::min(reps, static_cast<double>(agentBindings_ / columns));
  return std::clamp<int32_t>(static_cast<int32_t>(reps), 1, std::min(repsCap_, kMaxRepetitions));
}

void KySNMPRequest::AdjustRepetitions(const KySnmpOutcome& reply, size_t columns, int32_t reps, long long elapsedMs,
                                      long long tryMs) {
  if (reply.status == MapErrorStatus(kErrorTooBig)) {
    repsCap_ = std::max(1, reps / 2);
    return;
  }
  if (reply.status != 0) {
    // No answer at all: perhaps the replies were too large for the path.
    if (reply.status == SnmpStatus::Timeout) aimBytes_ = kReplyBudget;
    return;
  }
  if (reply.vbs.empty() || columns == 0) return;
  if (reply.vbs.size() < static_cast<size_t>(reps) * columns) {
    // Cut short by the agent: that is the most it sends (whether it counts
    // bindings or bytes, a reply of larger bindings is cut again).
    agentBindings_ = std::min(agentBindings_, reply.vbs.size());
    return;
  }
  if (elapsedMs > tryMs) {
    // It took a retry: smaller replies travel better.
    aimBytes_ = std::max<double>(kReplyBudget, aimBytes_ / 2);
  } else if (elapsedMs * 2 <= tryMs) {
    aimBytes_ = std::min(aimBytes_ * 2, static_cast<double>(kLargestReply));
  }
}

const KyOid& KySNMPRequest::BaseOf(int i) {
  if (names_.size() != varList.items.size()) names_.resize(varList.items.size());
  NameCache& c = names_[static_cast<size_t>(i)];
  const KySNMPVarDef& item = varList.Item(i);
  const bool same = varList.index.empty()
                        ? c.baseText == item.oid
                        : c.baseText.size() == item.oid.size() + 1 + varList.index.size() &&
                              c.baseText.compare(0, item.oid.size(), item.oid) == 0 &&
                              c.baseText.compare(item.oid.size() + 1, std::string::npos, varList.index) == 0;
  if (!same || c.base.empty()) {
    c.baseText = RequestOid(i);
    if (!ParseOidText(c.baseText, c.base)) c.base.clear();
    c.baseCanonical.clear();
  }
  return c.base;
}

void KySNMPRequest::ForgetWalk() {
  AbandonLanes();
  facts_.clear();
  ++walk_;  // lanes still in flight belong to an earlier walk
  walkOver_ = false;
  laneBases_.clear();
  for (int i = 0; i < varList.Count(); ++i)
    if (varList.IsReadable(i)) laneBases_.push_back(BaseOf(i));
  lanes_.assign(laneBases_.size(), Lane{});
  for (size_t p = 0; p < lanes_.size(); ++p) {
    lanes_[p].column = p;
    lanes_[p].start = laneBases_[p];
  }
  spreads_.assign(laneBases_.size(), Spread{});
  stepColumns_.clear();
  if (std::shared_ptr<BulkStep> step = std::move(waiting_)) {
    // Only when a new walk starts while a read of the last one waits: that
    // read asks for itself.
    if (int rc = StepBulk(step); rc != 0) {
      KySnmpOutcome failed;
      failed.status = rc;
      Complete(*step->record, failed);
    }
  }
}

bool KySNMPRequest::BulkWalk(const KySnmpTarget& target) const {
  return useGetBulk && !walkByNext_ && varList.IsTable() && target.version != SnmpVersion::V1 &&
         !Session().BulkRefused(target.addressText, target.port);
}

const KySNMPRequest::WalkFact* KySNMPRequest::KnownFact(const KyOid& name) const {
  auto it = facts_.upper_bound(name);
  if (it == facts_.begin()) return nullptr;
  --it;
  const WalkFact& f = it->second;
  if (it->first != name) {
    // Between a name and its successor lies nothing: a GET-NEXT of any name
    // in there gets the same successor.
    const bool end = f.next.type == KyVbType::EndOfMibView;
    if (!f.spans || (!end && !(name < f.next.oid))) return nullptr;
  }
  return &f;
}

std::vector<KyVb> KySNMPRequest::AnswerFromFacts(const std::vector<KyVb>& asked, std::vector<size_t>& missing) {
  std::vector<KyVb> answers;
  answers.reserve(asked.size());
  missing.clear();
  for (size_t k = 0; k < asked.size(); ++k) {
    const WalkFact* f = KnownFact(asked[k].oid);
    if (!f) {
      missing.push_back(k);
      answers.push_back(asked[k]);
      continue;
    }
    if (k < lanes_.size()) ++lanes_[k].used;
    if (f->next.type == KyVbType::EndOfMibView) {
      // The end of the view is answered with the name asked for.
      KyVb vb;
      vb.oid = asked[k].oid;
      vb.type = KyVbType::EndOfMibView;
      answers.push_back(std::move(vb));
    } else {
      answers.push_back(f->next);
    }
  }
  return answers;
}

bool KySNMPRequest::LearnFromBulk(const std::vector<KyVb>& asked, const std::vector<size_t>& missing,
                                  const std::vector<KyVb>& reply, bool forReads, std::vector<Chain>* chains) {
  const size_t n = missing.size();
  if (chains) chains->assign(n, Chain{});
  if (n == 0) return true;
  // Binding j of the reply is repetition j / n of the request's binding j % n.
  std::vector<const KyOid*> previous(n);
  std::vector<bool> stopped(n, false);
  std::vector<size_t> learnt(n, 0);
  // The names of each chain inside its column: the first, the last, how many.
  std::vector<const KyOid*> firstIn(n, nullptr), lastIn(n, nullptr);
  std::vector<size_t> namesIn(n, 0);
  for (size_t k = 0; k < n; ++k) previous[k] = &asked[missing[k]].oid;
  size_t bytes = 0;
  for (size_t j = 0; j < reply.size(); ++j) {
    const KyVb& vb = reply[j];
    bytes += EncodedSize(vb);
    const size_t k = j % n;
    if (stopped[k]) continue;
    WalkFact f;
    f.next = vb;
    if (vb.type == KyVbType::EndOfMibView) {
      f.spans = true;
      stopped[k] = true;
      if (chains) (*chains)[k].endOfView = true;
    } else if (vb.IsException() || !(*previous[k] < vb.oid)) {
      // Not a successor: the answer holds for exactly this name, and
      // nothing after it in the reply can be trusted for this column.
      stopped[k] = true;
    } else {
      f.spans = true;
      const size_t p = missing[k];
      if (p < laneBases_.size() && InSubtree(laneBases_[p], vb.oid)) {
        if (!firstIn[k]) firstIn[k] = &vb.oid;
        lastIn[k] = &vb.oid;
        ++namesIn[k];
      }
    }
    facts_.insert_or_assign(*previous[k], std::move(f));
    ++learnt[k];
    if (!stopped[k]) previous[k] = &vb.oid;
  }
  if (!reply.empty()) vbBytes_ = static_cast<double>(bytes) / static_cast<double>(reply.size());
  for (size_t k = 0; k < n; ++k) {
    if (firstIn[k]) NoteSpread(missing[k], *firstIn[k], *lastIn[k], namesIn[k]);
    if (chains) {
      Chain& c = (*chains)[k];
      c.last = *previous[k];
      c.learnt = learnt[k];
      c.stopped = stopped[k];
    }
  }
  // Where the columns' own streams go on after a read's GETBULK: the last
  // name of every chain still inside its column. A chain that starts
  // behind its stream changes nothing.
  for (size_t k = 0; k < n && forReads; ++k) {
    const size_t p = missing[k];
    if (p >= lanes_.size() || p >= laneBases_.size()) continue;
    Lane& lane = lanes_[p];
    lane.learnt += learnt[k];
    if (lane.busy || (!lane.from.empty() && asked[p].oid < lane.from)) continue;
    const KyOid& last = *previous[k];
    if (!stopped[k] && learnt[k] > 0 && InSubtree(laneBases_[p], last)) {
      lane.from = last;
      EndAtNextStart(p);
    } else {
      lane.from.clear();
    }
  }
  // A stream of a later part that stood where the read asked goes on
  // after the read's chain.
  for (size_t k = 0; k < n && forReads; ++k) {
    const size_t p = missing[k];
    for (size_t q = laneBases_.size(); q < lanes_.size(); ++q) {
      Lane& lane = lanes_[q];
      if (lane.column != p || lane.busy || lane.failed || lane.from.empty() || lane.from != asked[p].oid) continue;
      const KyOid& last = *previous[k];
      if (!stopped[k] && learnt[k] > 0 && InSubtree(laneBases_[p], last)) {
        lane.from = last;
        EndAtNextStart(q);
      } else {
        lane.from.clear();
      }
    }
  }
  return std::all_of(learnt.begin(), learnt.end(), [](size_t c) { return c > 0; });
}

void KySNMPRequest::NoteSpread(size_t p, const KyOid& first, const KyOid& last, size_t names) {
  if (p >= spreads_.size() || p >= laneBases_.size()) return;
  Spread& s = spreads_[p];
  const size_t from = laneBases_[p].size();
  for (const KyOid* name : {&first, &last}) {
    const size_t depth = std::min(name->size() - from, kSpreadDepth);
    if (s.radix.size() < depth) s.radix.resize(depth, 2);
    s.depth = std::max(s.depth, depth);
    for (size_t i = 1; i < depth; ++i) s.radix[i] = std::max(s.radix[i], static_cast<double>((*name)[from + i]) + 1);
  }
  if (!s.seen) {
    s.seen = true;
    s.first = SpreadPosition(p, first);
  }
  if (names < 2) return;
  const double width = SpreadPosition(p, last) - SpreadPosition(p, first);
  if (width <= 0) return;
  const double density = static_cast<double>(names - 1) / width;
  s.density = s.density > 0 ? (s.density + density) / 2 : density;
}

double KySNMPRequest::SpreadPosition(size_t p, const KyOid& name) const {
  const Spread& s = spreads_[p];
  const size_t from = laneBases_[p].size();
  if (name.size() <= from) return 0;
  double position = name[from];
  double scale = 1;
  for (size_t i = 1; i < s.depth && from + i < name.size(); ++i) {
    scale /= s.radix[i];
    position += std::min(static_cast<double>(name[from + i]), s.radix[i] - 1) * scale;
  }
  return position;
}

KyOid KySNMPRequest::SpreadName(size_t p, double position) const {
  const Spread& s = spreads_[p];
  KyOid name = laneBases_[p];
  const double head = std::clamp(std::floor(position), 0.0, 4294967295.0);
  name.push_back(static_cast<uint32_t>(head));
  double rest = position - head;
  for (size_t i = 1; i < s.depth; ++i) {
    rest *= s.radix[i];
    const double v = std::clamp(std::floor(rest), 0.0, s.radix[i] - 1);
    name.push_back(static_cast<uint32_t>(v));
    rest -= v;
  }
  return name;
}

void KySNMPRequest::EndAtNextStart(size_t q) {
  Lane& lane = lanes_[q];
  if (lane.from.empty()) return;
  for (size_t r = 0; r < lanes_.size(); ++r) {
    const Lane& next = lanes_[r];
    if (r == q || next.column != lane.column || next.failed) continue;
    // Where a later stream of the column started, the names from there on
    // are its own to learn.
    if (lane.start < next.start && !(lane.from < next.start)) {
      lane.from.clear();
      return;
    }
  }
}

bool KySNMPRequest::LaneComing(size_t column, const KyOid& name) const {
  const Lane* coming = nullptr;
  for (const Lane& lane : lanes_)
    if (lane.column == column && lane.busy && !(name < lane.from) && (!coming || coming->from < lane.from))
      coming = &lane;
  if (!coming) return false;
  // A stream that started in between brings it instead, or nothing does.
  for (const Lane& lane : lanes_)
    if (lane.column == column && !lane.busy && !lane.failed && coming->from < lane.start && !(name < lane.start))
      return false;
  return true;
}

bool KySNMPRequest::StartSplit() {
  if (facts_.size() >= kMostFacts) return false;
  const double perReply = static_cast<double>(
      std::max<size_t>(1, std::min<size_t>(agentBindings_, static_cast<size_t>(BulkRepetitions(1)))));
  double bestEstimate = 0;
  size_t bestColumn = SIZE_MAX;
  KyOid bestName;
  for (size_t q = 0; q < lanes_.size(); ++q) {
    const Lane& lane = lanes_[q];
    const size_t p = lane.column;
    if (lane.from.empty() || lane.failed || p >= spreads_.size()) continue;
    const Spread& s = spreads_[p];
    if (!s.seen || s.density <= 0 || s.splits >= kMostSplits) continue;
    // The part of the column ahead of the stream: up to the start of the
    // next stream, or open.
    double at = SpreadPosition(p, lane.from);
    if (lane.busy) at += perReply / s.density;
    const KyOid* limit = nullptr;
    for (const Lane& other : lanes_)
      if (other.column == p && !other.failed && lane.from < other.start && (!limit || other.start < *limit))
        limit = &other.start;
    double estimate, point;
    if (limit) {
      // Halved, when it holds more than two replies.
      const double end = SpreadPosition(p, *limit);
      estimate = (end - at) * s.density;
      if (estimate < 2 * perReply) continue;
      point = (at + end) / 2;
    } else {
      // Open: a stream as far ahead as the column was seen to reach (at
      // least one reply ahead), once the last one started has answered.
      if (lane.split && lane.busy && lane.from == lane.start) continue;
      const double seen = std::max(at - s.first, perReply / s.density);
      estimate = seen * s.density;
      point = at + seen;
    }
    if (!(estimate > bestEstimate)) continue;
    KyOid name = SpreadName(p, point);
    if (!(lane.from < name) || (limit && !(name < *limit))) continue;
    bestEstimate = estimate;
    bestColumn = p;
    bestName = std::move(name);
  }
  if (bestColumn == SIZE_MAX) return false;
  for (const Lane& lane : lanes_)
    if (lane.column == bestColumn && lane.start == bestName) return false;
  Lane lane;
  lane.column = bestColumn;
  lane.start = bestName;
  lane.from = std::move(bestName);
  lane.split = true;
  lanes_.push_back(std::move(lane));
  ++spreads_[bestColumn].splits;
  return true;
}

void KySNMPRequest::PruneFacts(const std::vector<KyVb>& at) {
  // What lies behind a column's position is of no more use to it; the
  // facts are ordered by name, so only the part behind is looked at.
  for (size_t p = 0; p < at.size() && p < laneBases_.size(); ++p) {
    const KyOid& x = at[p].oid;
    if (x.empty()) continue;
    for (auto it = facts_.lower_bound(laneBases_[p]); it != facts_.end() && it->first < x;) {
      const WalkFact& f = it->second;
      const bool keep = f.spans && (f.next.type == KyVbType::EndOfMibView || x < f.next.oid);
      it = keep ? std::next(it) : facts_.erase(it);
    }
  }
}

void KySNMPRequest::PruneBehindItems() {
  // The columns are where their items' last names say.
  std::vector<KyVb> at;
  for (int i = 0; i < varList.Count(); ++i) {
    if (!varList.IsReadable(i)) continue;
    at.emplace_back();
    const KySNMPVarDef& item = varList.Item(i);
    const NameCache* c = static_cast<size_t>(i) < names_.size() ? &names_[static_cast<size_t>(i)] : nullptr;
    if (c && !c->lastText.empty() && c->lastText == item.lastOid)
      at.back().oid = c->last;
    else if (!ParseOidText(item.lastOid, at.back().oid))
      at.back().oid.clear();
  }
  PruneFacts(at);
}

bool KySNMPRequest::StepAsks(size_t q) const {
  if (!stepInFlight_ || q >= lanes_.size()) return false;
  const Lane& lane = lanes_[q];
  if (std::find(stepColumns_.begin(), stepColumns_.end(), lane.column) == stepColumns_.end()) return false;
  // The column's own stream goes on from the read's reply; another stream
  // only when it stands where the read asks.
  return q == lane.column || (lane.column < stepNames_.size() && lane.from == stepNames_[lane.column]);
}

std::vector<KySNMPRequest::LaneAsk> KySNMPRequest::PickLanes(int32_t slots) {
  std::vector<LaneAsk> picked;
  // With one exchange allowed, the walk's own read is the only one.
  if (walkOver_ || !enabled || maxInFlight <= 1 || !walkTarget_ || !BulkWalk(*walkTarget_)) return picked;
  const size_t columns = std::min(laneBases_.size(), lanes_.size());
  while (static_cast<int32_t>(picked.size()) < slots) {
    // The column with the fewest names known ahead of the reads goes first,
    // then the streams at later points of the columns, then a new one.
    size_t best = lanes_.size();
    size_t bestAhead = kAheadNames;
    for (size_t p = 0; p < columns; ++p) {
      const Lane& lane = lanes_[p];
      if (lane.busy || lane.from.empty()) continue;
      if (StepAsks(p)) continue;
      const size_t ahead = lane.learnt > lane.used ? lane.learnt - lane.used : 0;
      if (ahead < bestAhead) {
        best = p;
        bestAhead = ahead;
      }
    }
    if (best == lanes_.size() && facts_.size() < kMostFacts) {
      for (size_t q = columns; q < lanes_.size() && best == lanes_.size(); ++q)
        if (!lanes_[q].busy && !lanes_[q].from.empty() && !lanes_[q].failed && !StepAsks(q)) best = q;
      if (best == lanes_.size() && StartSplit()) best = lanes_.size() - 1;
    }
    if (best == lanes_.size()) break;
    Lane& lane = lanes_[best];
    LaneAsk ask;
    ask.lane = best;
    ask.reps = BulkRepetitions(1);
    // A lane whose reply is lost is asked again as soon as the replies of
    // the others show it is late: its tries are a few round trips long, and
    // as many as fit in the time the profile's Timeout and Retries allow.
    ask.target = *walkTarget_;
    ask.tryMs = TryMs();
    if (laneRoundTripMs_ > 0) {
      const long long allowed = ask.tryMs * (std::max<int32_t>(retries, 0) + 1);
      long long tryMs = std::clamp<long long>(static_cast<long long>(4 * laneRoundTripMs_), kShortestLaneTryMs,
                                              ask.tryMs);
      ask.target.timeout = static_cast<int32_t>((tryMs + 9) / 10);
      tryMs = static_cast<long long>(ask.target.timeout) * 10;
      ask.target.retries = static_cast<int32_t>(std::max<long long>(retries, (allowed + tryMs - 1) / tryMs - 1));
      ask.tryMs = tryMs;
    }
    lane.busy = true;
    picked.push_back(std::move(ask));
  }
  return picked;
}

void KySNMPRequest::FillLanes() {
  if (walkOver_ || !enabled || maxInFlight <= 1 || !walkTarget_) return;
  if (InFlight() >= maxInFlight) return;
  for (LaneAsk& ask : PickLanes(maxInFlight - InFlight())) {
    Lane& lane = lanes_[ask.lane];
    std::vector<KyVb> vbs(1);
    vbs[0].oid = lane.from;
    std::weak_ptr<int> token = alive_;
    const uint64_t walk = walk_;
    const long long sent = KySnmpNowMs();
    const size_t q = ask.lane;
    const int32_t reps = ask.reps;
    const long long tryMs = ask.tryMs;
    int rc = Session().SendAsync(
        ask.target, scope, KySnmpOp::GetBulk, vbs,
        [this, token, walk, q, reps, sent, tryMs](KySnmpOutcome& reply) {
          if (token.expired()) return;
          OnLaneReply(walk, q, reps, sent, tryMs, reply);
        },
        reps, &lane.exchange);
    if (rc != 0) {
      // The read that reaches it asks itself.
      Lane& failed = lanes_[q];
      failed.busy = false;
      failed.from.clear();
      if (failed.split) failed.failed = true;
      continue;
    }
    ++lanesInFlight_;
  }
}

void KySNMPRequest::OnLaneReply(uint64_t walk, size_t q, int32_t reps, long long sentMs, long long tryMs,
                                KySnmpOutcome& reply) {
  --lanesInFlight_;
  if (walk == walk_ && q < lanes_.size()) LearnFromLane(q, reps, KySnmpNowMs() - sentMs, tryMs, reply);
  WakeWaitingRead();
  FillLanes();
}

void KySNMPRequest::LearnFromLane(size_t q, int32_t reps, long long elapsedMs, long long tryMs,
                                  const KySnmpOutcome& reply) {
  if (reply.status == 0 && elapsedMs <= tryMs) {
    // The slowest recent round trip, forgotten slowly.
    laneRoundTripMs_ = std::max(static_cast<double>(elapsedMs), laneRoundTripMs_ * 0.9);
  }
  Lane& lane = lanes_[q];
  lane.busy = false;
  AdjustRepetitions(reply, 1, reps, elapsedMs, tryMs);
  if (reply.status == 0 && !walkOver_) {
    PruneBehindItems();
    const size_t p = lane.column;
    std::vector<KyVb> asked(laneBases_.size());
    asked[p].oid = lane.from;
    std::vector<Chain> chains;
    LearnFromBulk(asked, {p}, reply.vbs, false, &chains);
    const Chain& chain = chains.front();
    Lane& same = lanes_[q];  // (the lanes are not added to while learning)
    if (!same.split) same.learnt += chain.learnt;
    if (chain.learnt > 0 && !chain.stopped && InSubtree(laneBases_[p], chain.last)) {
      same.from = chain.last;
      EndAtNextStart(q);
    } else {
      // The column ends here, or the stream met what is no successor: the
      // read that reaches it asks itself, and meets it as the walk would
      // without the streams.
      if (same.split && chain.stopped && !chain.endOfView) same.failed = true;
      same.from.clear();
    }
  } else if (reply.status != MapErrorStatus(kErrorTooBig)) {
    // Failed: the read that reaches the column asks itself, and meets the
    // failure as the walk would without the lanes.
    lane.from.clear();
    if (lane.split) lane.failed = true;
  }
}

void KySNMPRequest::AbandonLanes() {
  if (lanesInFlight_ <= 0 || !GlobalSnmp) return;
  for (Lane& lane : lanes_) {
    if (!lane.busy) continue;
    GlobalSnmp->Abandon(lane.exchange);
    lane.busy = false;
    --lanesInFlight_;
  }
}

void KySNMPRequest::WakeWaitingRead() {
  std::shared_ptr<BulkStep> step = std::move(waiting_);
  if (!step) return;
  if (int rc = StepBulk(step); rc != 0) {
    KySnmpOutcome failed;
    failed.status = rc;
    failed.agentAddress = step->target.addressText;
    failed.agentPort = step->target.port;
    Complete(*step->record, failed);
  }
}

KySnmpOutcome KySNMPRequest::ReadBulkSync(const KySnmpTarget& target, const std::vector<KyVb>& asked) {
  const int tooBig = MapErrorStatus(kErrorTooBig);
  KySnmpOutcome lastBulk;
  for (int round = 0; round < kMaxBulkRounds; ++round) {
    std::vector<size_t> missing;
    std::vector<KyVb> answers = AnswerFromFacts(asked, missing);
    if (missing.empty()) {
      KySnmpOutcome known;
      known.vbs = std::move(answers);
      known.agentAddress = target.addressText;
      known.agentPort = target.port;
      return known;
    }
    std::vector<KySnmpSession::SyncAsk> batch(1);
    batch[0].target = target;
    for (size_t k : missing) batch[0].vbs.push_back(asked[k]);
    const int32_t reps = BulkRepetitions(missing.size());
    batch[0].maxRepetitions = reps;
    // The columns' streams go along, as many as the bound leaves beside
    // the read's own GETBULK; all of them are waited for.
    stepInFlight_ = true;
    stepColumns_ = missing;
    stepNames_.assign(asked.size(), KyOid{});
    for (size_t k : missing) stepNames_[k] = asked[k].oid;
    std::vector<LaneAsk> lanes = PickLanes(maxInFlight - 1);
    stepInFlight_ = false;
    stepColumns_.clear();
    for (const LaneAsk& la : lanes) {
      KySnmpSession::SyncAsk a;
      a.target = la.target;
      a.vbs.resize(1);
      a.vbs[0].oid = lanes_[la.lane].from;
      a.maxRepetitions = la.reps;
      batch.push_back(std::move(a));
    }
    const long long sent = KySnmpNowMs();
    std::vector<KySnmpOutcome> replies = Session().SendSyncAll(scope, KySnmpOp::GetBulk, batch);
    const long long elapsed = KySnmpNowMs() - sent;
    for (size_t i = 0; i < lanes.size(); ++i)
      LearnFromLane(lanes[i].lane, lanes[i].reps, elapsed, lanes[i].tryMs, replies[i + 1]);
    KySnmpOutcome reply = std::move(replies.front());
    AdjustRepetitions(reply, missing.size(), reps, elapsed, TryMs());
    lastBulk.status = reply.status;
    lastBulk.firstBulkReply = reply.firstBulkReply;
    if (reply.status == 0) PruneFacts(asked);
    if (reply.status == 0 && LearnFromBulk(asked, missing, reply.vbs)) continue;
    if (reply.status == tooBig && reps > 1) continue;
    break;
  }
  // Failed (an error, no answer, or nothing usable): the same read by
  // GET-NEXT. When that works this walk goes on by GET-NEXT, and every walk
  // to the agent when it refuses GETBULK itself.
  KySnmpOutcome next = Session().SendSync(target, scope, KySnmpOp::GetNext, asked);
  if (next.status == 0) FallBackToGetNext(target, lastBulk, walk_);
  return next;
}

int KySNMPRequest::StepBulk(const std::shared_ptr<BulkStep>& step) {
  std::weak_ptr<int> token = alive_;
  std::vector<KyVb> answers = AnswerFromFacts(step->asked, step->missing);
  if (step->missing.empty()) {
    KySnmpOutcome known;
    known.vbs = std::move(answers);
    known.agentAddress = step->target.addressText;
    known.agentPort = step->target.port;
    Session().PostCompletion(std::move(known), [this, token, step](KySnmpOutcome& outcome) {
      if (token.expired()) return;
      Complete(*step->record, outcome);
    });
    FillLanes();
    return 0;
  }
  // A lane in flight brings what a column needs, or every exchange allowed
  // is in flight: the read waits for the lanes.
  bool laneComing = false;
  for (size_t k : step->missing)
    if (LaneComing(k, step->asked[k].oid)) laneComing = true;
  if ((laneComing || InFlight() >= maxInFlight) && lanesInFlight_ > 0 && !waiting_) {
    waiting_ = step;
    return 0;
  }
  std::vector<KyVb> ask;
  for (size_t k : step->missing) ask.push_back(step->asked[k]);
  step->reps = BulkRepetitions(ask.size());
  step->sentMs = KySnmpNowMs();
  ++step->rounds;
  const int rc = Session().SendAsync(
      step->target, scope, KySnmpOp::GetBulk, ask,
      [this, token, step](KySnmpOutcome& reply) {
        if (token.expired()) return;
        OnBulkReply(step, reply);
      },
      step->reps);
  if (rc == 0) {
    stepInFlight_ = true;
    stepColumns_ = step->missing;
    stepNames_.assign(step->asked.size(), KyOid{});
    for (size_t k : step->missing) stepNames_[k] = step->asked[k].oid;
  }
  return rc;
}

void KySNMPRequest::OnBulkReply(const std::shared_ptr<BulkStep>& step, KySnmpOutcome& reply) {
  std::weak_ptr<int> token = alive_;
  stepInFlight_ = false;
  stepColumns_.clear();
  AdjustRepetitions(reply, step->missing.size(), step->reps, KySnmpNowMs() - step->sentMs, TryMs());
  int rc = 0;
  const bool more = step->rounds < kMaxBulkRounds;
  if (reply.status == 0) PruneFacts(step->asked);
  if (more && reply.status == 0 && LearnFromBulk(step->asked, step->missing, reply.vbs)) {
    rc = StepBulk(step);
  } else if (more && reply.status == MapErrorStatus(kErrorTooBig) && step->reps > 1) {
    rc = StepBulk(step);
  } else {
    // Failed: the same read by GET-NEXT, which decides for the walk or
    // the session.
    KySnmpOutcome bulk;
    bulk.status = reply.status;
    bulk.firstBulkReply = reply.firstBulkReply;
    const uint64_t walk = walk_;
    // It takes the read's place among the exchanges in flight.
    rc = Session().SendAsync(step->target, scope, KySnmpOp::GetNext, step->asked,
                             [this, token, step, bulk, walk](KySnmpOutcome& outcome) {
                               if (token.expired()) return;
                               stepInFlight_ = false;
                               if (outcome.status == 0) FallBackToGetNext(step->target, bulk, walk);
                               Complete(*step->record, outcome);
                             });
    if (rc == 0) stepInFlight_ = true;
  }
  if (rc != 0) {
    KySnmpOutcome failed;
    failed.status = rc;
    failed.agentAddress = step->target.addressText;
    failed.agentPort = step->target.port;
    Complete(*step->record, failed);
  }
}

void KySNMPRequest::FallBackToGetNext(const KySnmpTarget& target, const KySnmpOutcome& bulk, uint64_t walk) {
  if (RefusesBulk(bulk)) {
    Session().RefuseBulk(target.addressText, target.port);
  } else if (walk == walk_) {
    walkByNext_ = true;
  }
}

bool KySNMPRequest::MissingObjectsAsNoSuchName(KySnmpOp op, KySnmpOutcome& outcome) {
  if ((op != KySnmpOp::Get && op != KySnmpOp::Set) || outcome.status != 0) return false;
  for (size_t k = 0; k < outcome.vbs.size(); ++k) {
    const uint8_t t = outcome.vbs[k].type;
    // A SET answered with an exception wrote nothing to that variable.
    if (t == KyVbType::NoSuchObject || t == KyVbType::NoSuchInstance ||
        (op == KySnmpOp::Set && t == KyVbType::EndOfMibView)) {
      outcome.status = MapErrorStatus(kErrorNoSuchName);
      outcome.errorIndex = static_cast<int32_t>(k + 1);
      return true;
    }
  }
  return false;
}

bool KySNMPRequest::IsOutOfScope(const std::string& base, const std::string& previous, const std::string& received) {
  if (!varList.IsTable()) return false;
  // Inside the column's subtree: base followed by "." and more.
  if (received.size() <= base.size() + 1 || received.compare(0, base.size(), base) != 0 ||
      received[base.size()] != '.')
    return true;
  // An agent must answer with an OID greater than the one asked for; an
  // equal one ends the MIB view (SNMPv2c), a smaller one would make the walk
  // go round for ever.
  const std::string& asked = previous.empty() ? base : previous;
  return CompareOids(received, asked) <= 0;
}

bool KySNMPRequest::ProcessReply(const std::vector<KyVb>& vbs, const std::vector<KyVb>& asked) {
  size_t sent = 0, done = 0;
  std::unique_ptr<KySNMPException> badValue;
  std::string rowSuffix;
  const bool table = varList.IsTable();
  if (names_.size() != varList.items.size()) names_.resize(varList.items.size());
  // The names stay numbers: the text of a row's instance is made once and
  // shared by the columns that answered with it.
  const KyOid* suffixOf = nullptr;  // the name the text was made from ...
  size_t suffixFrom = 0;            // ... after this many sub-identifiers
  std::string suffixText;
  for (int i = 0; i < varList.Count(); ++i) {
    if (!varList.IsReadable(i)) continue;
    KySNMPVarDef& item = varList.Item(i);
    // A reply with fewer bindings than asked for: the missing ones carry no
    // value (a scalar reads "(NULL)", a walked column has ended).
    static const KyVb kMissing;
    const bool isMissing = sent >= vbs.size();
    const KyVb* vb = isMissing ? &kMissing : &vbs[sent];
    bool outOfScope = false;
    bool inSubtree = false;
    const KyOid* base = nullptr;
    if (table) {
      base = &BaseOf(i);
      const KyOid& received = vb->oid;
      inSubtree = !isMissing && !base->empty() && received.size() > base->size() &&
                  std::equal(base->begin(), base->end(), received.begin());
      // The name asked for: the column's last name, or the column itself.
      KyOid previous;
      const KyOid* question = sent < asked.size() ? &asked[sent].oid : nullptr;
      if (!question) {
        if (item.lastOid.empty() || !ParseOidText(item.lastOid, previous)) previous = *base;
        question = &previous;
      }
      if (!isMissing && vb->type != KyVbType::EndOfMibView && !badValue) {
        // A name that does not come after the one asked for, whatever its
        // value (an agent that swallowed an error may echo the name with
        // NULL): the agent is broken and the walk cannot go on. Only the end
        // of the MIB view is answered with the name asked for.
        if (!(*question < received)) {
          badValue = std::make_unique<KySNMPException>(MessageText(KyErr::ClassInvalidOid) + " (" + vb->OidText() +
                                                           " does not follow " + OidToText(*question) + ")",
                                                       KyErr::ClassInvalidOid);
        }
      }
      // Inside the column's subtree and after the name asked for; an equal
      // name ends the MIB view (SNMPv2c), a smaller one would make the walk
      // go round for ever.
      outOfScope = isMissing || !inSubtree || !(*question < received);
    }
    if (outOfScope) {
      ++done;
      item.value = kNotDoneText;
      // Point back at the current row so that the column stays out of
      // scope; before the first row there is none (the index columns are
      // still empty), and the received OID is kept instead.
      std::string suffix;
      try {
        suffix = EncodeIndex();
      } catch (const KySNMPException&) {
        suffix.clear();
      }
      const std::string baseText = RequestOid(i);
      item.lastOid = suffix.empty() ? (isMissing || vb->oid.empty() ? baseText : vb->OidText()) : baseText + "." + suffix;
    } else {
      try {
        StoreValue(i, *vb);
      } catch (const KySNMPException& e) {
        // A value of the wrong type: the others of the reply are still
        // stored, then the exchange fails with it.
        if (!badValue) badValue = std::make_unique<KySNMPException>(e);
      }
      if (table) {
        const KyOid& received = vb->oid;
        const size_t from = base->size();
        if (!suffixOf || suffixOf->size() - suffixFrom != received.size() - from ||
            !std::equal(received.begin() + static_cast<ptrdiff_t>(from), received.end(),
                        suffixOf->begin() + static_cast<ptrdiff_t>(suffixFrom))) {
          suffixText = OidToText(KyOid(received.begin() + static_cast<ptrdiff_t>(from), received.end()));
          suffixOf = &received;
          suffixFrom = from;
        }
        NameCache& names = names_[static_cast<size_t>(i)];
        if (names.baseCanonical.empty()) names.baseCanonical = OidToText(*base);
        item.lastOid.assign(names.baseCanonical);
        item.lastOid += '.';
        item.lastOid += suffixText;
        names.lastText.assign(item.lastOid);
        names.last.assign(received.begin(), received.end());
        // The row's instance comes from a column still in its subtree.
        if (rowSuffix.empty()) rowSuffix = suffixText;
      } else {
        item.lastOid = isMissing ? RequestOid(i) : vb->OidText();
      }
    }
    ++sent;
  }
  if (badValue) throw *badValue;
  if (done == sent) return false;
  if (table) DecodeIndex(rowSuffix);
  for (int i = 0; i < varList.Count(); ++i) EvaluateExpression(i, true);
  return true;
}

bool KySNMPRequest::FirstItemRepeats(const std::vector<KyVb>& vbs) const {
  for (int i = 0; i < varList.Count(); ++i) {
    if (!varList.IsReadable(i)) continue;
    return !vbs.empty() && varList.Item(i).lastOid == vbs.front().OidText();
  }
  return false;
}

bool KySNMPRequest::Read(bool first) {
  if (!enabled) return false;
  partialValues = false;
  KySnmpTarget target = BuildTarget(device, security, timeout, retries);
  std::vector<KyVb> vbs = BuildPdu(first ? Mode::FirstRead : Mode::NextRead);
  KySnmpOp op = first ? ReadOperation() : KySnmpOp::GetNext;
  if (first) walkByNext_ = false;
  KySnmpOutcome outcome;
  if (op == KySnmpOp::GetNext && BulkWalk(target)) {
    if (first) {
      walkTarget_ = std::make_shared<const KySnmpTarget>(target);
      ForgetWalk();
    }
    outcome = ReadBulkSync(target, vbs);
  } else {
    outcome = Session().SendSync(target, scope, op, vbs);
  }
  const bool partial = MissingObjectsAsNoSuchName(op, outcome);
  KyStatusText st = OutcomeStatusText(outcome);
  const bool table = varList.IsTable();
  if (partial) {
    // The values that arrived are kept; the status is the failure.
    try {
      ProcessReply(outcome.vbs, vbs);
    } catch (const KySNMPException&) {
      // An expression over a missing value: the missing object is the news.
    }
    partialValues = true;
    ThrowKySNMPError(st.code, st.text);
  }
  if (st.code != 0 && !(st.code == KyErr::SnmpNoSuchName && table)) ThrowKySNMPError(st.code, st.text);
  if (st.code == KyErr::SnmpNoSuchName) {
    // SNMPv1 end of a walk: the agent repeats the OID it was asked for.
    if (FirstItemRepeats(outcome.vbs)) return false;
    ThrowKySNMPError(st.code, st.text);
  }
  bool row = ProcessReply(outcome.vbs, vbs);
  return row && table;
}

void KySNMPRequest::SendAsync(bool first, bool read, RequestCallback callback, void* userData) {
  KySnmpTarget target = BuildTarget(device, security, timeout, retries);
  std::vector<KyVb> vbs;
  KySnmpOp op = KySnmpOp::Set;
  if (read) {
    vbs = BuildPdu(first ? Mode::FirstRead : Mode::NextRead);
    op = first ? ReadOperation() : KySnmpOp::GetNext;
    if (first) walkByNext_ = false;
  } else {
    vbs = BuildPdu(Mode::Write);
  }
  auto record = std::make_shared<ExchangeRecord>();
  record->flag = read;
  record->get = read && op == KySnmpOp::Get;
  if (read) record->asked = vbs;
  record->callback = std::move(callback);
  record->userData = userData;
  if (read && op == KySnmpOp::GetNext && BulkWalk(target)) {
    if (first) {
      walkTarget_ = std::make_shared<const KySnmpTarget>(target);
      ForgetWalk();
    }
    auto step = std::make_shared<BulkStep>();
    step->record = record;
    step->target = target;
    step->asked = std::move(vbs);
    ThrowIfStatusError(StepBulk(step));
    ++outstanding;
    return;
  }
  std::weak_ptr<int> token = alive_;
  int rc = Session().SendAsync(target, scope, op, vbs, [this, token, record](KySnmpOutcome& outcome) {
    if (token.expired()) return;  // the request is gone
    Complete(*record, outcome);
  });
  ThrowIfStatusError(rc);
  ++outstanding;
}

void KySNMPRequest::ReadAsync(RequestCallback callback, void* userData, bool first) {
  if (!enabled) return;
  SendAsync(first, true, std::move(callback), userData);
}

void KySNMPRequest::Complete(const ExchangeRecord& record, KySnmpOutcome& outcome) {
  KySNMPError error;
  const bool partial = record.flag && record.get && MissingObjectsAsNoSuchName(KySnmpOp::Get, outcome);
  if (record.flag) partialValues = false;
  if (!record.flag) MissingObjectsAsNoSuchName(KySnmpOp::Set, outcome);
  KyStatusText st = OutcomeStatusText(outcome);
  error.code = st.code;
  error.message = st.text;
  error.errorIndex = outcome.errorIndex;
  error.agentAddress = outcome.agentAddress;
  error.agentPort = outcome.agentPort;
  const bool table = varList.IsTable();
  try {
    if (partial) {
      // A GET that found some objects missing: the values that arrived are
      // kept, the status is the failure.
      partialValues = true;
      error.finished = true;
      try {
        ProcessReply(outcome.vbs, record.asked);
      } catch (const KySNMPException&) {
        // An expression over a missing value: the missing object is the news.
      }
    } else if ((error.code == 0 && record.flag) ||
               (error.code == KyErr::SnmpNoSuchName && table && record.flag)) {
      // noSuchName ends an SNMPv1 walk; for a write it is a refusal and stays
      // an error even when the echoed OID happens to equal a column's lastOid.
      if (error.code == KyErr::SnmpNoSuchName) {
        if (FirstItemRepeats(outcome.vbs)) {
          KyStatusText ok = TranslateStatus(0);
          error.code = ok.code;
          error.message = ok.text;
        }
        error.finished = true;
      } else {
        bool row = ProcessReply(outcome.vbs, record.asked);
        error.finished = !row || !table;
      }
    } else {
      error.finished = true;
    }
  } catch (const KySNMPException& e) {
    error.code = e.code();
    error.message = e.text();
    error.finished = true;
  }
  // A walk that ended keeps no lanes going.
  if (record.flag && error.finished) {
    walkOver_ = true;
    AbandonLanes();
  }
  std::weak_ptr<int> token = alive_;
  if (record.callback) {
    try {
      record.callback(record.userData, error, varList);
    } catch (...) {
      if (!token.expired()) --outstanding;
      throw;
    }
  }
  if (!token.expired()) --outstanding;  // the callback may have destroyed the request
}

void KySNMPRequest::ApplyIndexList(const std::string& indexList, const std::vector<std::string>* values) {
  if (indexList.empty()) return;
  KyNumList<int> list(',');
  list.Parse(indexList);
  for (int i = 0; i < varList.Count(); ++i) {
    KySNMPVarDef& item = varList.Item(i);
    int pos = list.IndexOf(i);
    if (pos < 0) {
      item.access |= Access::Excluded;
    } else {
      item.access &= ~Access::Excluded;
      if (values && static_cast<size_t>(pos) < values->size()) item.value = (*values)[static_cast<size_t>(pos)];
    }
  }
}

void KySNMPRequest::Write(const std::string& indexList, const std::vector<std::string>* values) {
  if (!enabled) return;
  std::vector<KyVb> vbs;
  KySnmpTarget target;
  {
    ListRestorer restore(varList);
    ApplyIndexList(indexList, values);
    for (int i = 0; i < varList.Count(); ++i) EvaluateExpression(i, false);
    target = BuildTarget(device, security, timeout, retries);
    vbs = BuildPdu(Mode::Write);
  }
  KySnmpOutcome outcome = Session().SendSync(target, scope, KySnmpOp::Set, vbs);
  MissingObjectsAsNoSuchName(KySnmpOp::Set, outcome);
  KyStatusText st = OutcomeStatusText(outcome);
  if (st.code != 0) ThrowKySNMPError(st.code, st.text);
}

void KySNMPRequest::WriteAsync(RequestCallback callback, void* userData, const std::string& indexList,
                               const std::vector<std::string>* values) {
  if (!enabled) return;
  ListRestorer restore(varList);
  ApplyIndexList(indexList, values);
  for (int i = 0; i < varList.Count(); ++i) EvaluateExpression(i, false);
  KySnmpTarget target = BuildTarget(device, security, timeout, retries);
  std::vector<KyVb> vbs = BuildPdu(Mode::Write);
  restore.Restore();
  auto record = std::make_shared<ExchangeRecord>();
  record->flag = false;
  record->callback = std::move(callback);
  record->userData = userData;
  std::weak_ptr<int> token = alive_;
  int rc = Session().SendAsync(target, scope, KySnmpOp::Set, vbs, [this, token, record](KySnmpOutcome& outcome) {
    if (token.expired()) return;
    Complete(*record, outcome);
  });
  ThrowIfStatusError(rc);
  ++outstanding;
}

// ---------------------------------------------------------------------------
std::string KySNMPRequest::EncodeIndex() {
  std::string out;
  const int n = std::min<int>(varList.keyCount, varList.Count());
  for (int i = 0; i < n; ++i) {
    std::string part = EncodeIndexPart(i);
    if (part.empty()) continue;
    if (!out.empty()) out += '.';
    out += part;
  }
  return out;
}

void KySNMPRequest::DecodeIndex(const std::string& suffix) {
  std::string rest = suffix;
  const int n = std::min<int>(varList.keyCount, varList.Count());
  for (int i = 0; i < n; ++i) {
    if (rest.empty()) Raise(KyErr::BadKeyCount);
    if (!varList.IsReadable(i)) varList.Item(i).lastOid = RequestOid(i) + "." + suffix;
    rest = DecodeIndexPart(i, rest);
  }
}

std::string KySNMPRequest::DecodeIndexPart(int i, const std::string& suffix) {
  return ::DecodeIndexPart(varList, i, suffix);
}

std::string KySNMPRequest::EncodeIndexPart(int i) { return ::EncodeIndexPart(varList, i); }

void KySNMPRequest::StoreValue(int i, const KyVb& vb) { ::StoreValue(varList, i, vb); }

void KySNMPRequest::LoadValue(int i, KyVb& vb) { ::LoadValue(varList, i, vb); }

// ---------------------------------------------------------------------------
std::string KySNMPRequest::SubstituteValues(const std::string& text, bool quoteStrings, char marker) {
  std::string out = text;
  size_t from = 0;
  while (true) {
    size_t pos = out.find(marker, from);
    if (pos == std::string::npos) break;
    size_t end = pos + 1;
    while (end < out.size() && std::isdigit(static_cast<unsigned char>(out[end]))) ++end;
    if (end == pos + 1) {  // a marker without a number stays
      from = pos + 1;
      continue;
    }
    std::string digits = out.substr(pos + 1, end - pos - 1);
    long n = digits.size() > 9 ? -1 : std::strtol(digits.c_str(), nullptr, 10);
    if (n < 0 || n >= varList.Count()) Raise(KyErr::IndexOutOfRange);
    const KySNMPVarDef& item = varList.Item(static_cast<int>(n));
    std::string value = item.options ? item.options->LabelToValue(item.value) : item.value;
    if (value == kNullText) Raise(KyErr::NullInExpression);
    std::string operand;
    switch (FormOf(item.syntax)) {
      case OperandForm::Truth:
        operand = value == "true" ? "1" : "0";
        break;
      case OperandForm::Number:
        operand = value;
        break;
      case OperandForm::Ticks: {
        uint32_t ticks = 0;
        if (!ParseTimeTicks(value, ticks)) ticks = 0;
        operand = std::to_string(ticks);
        break;
      }
      case OperandForm::Days: {
        double days = 0;
        if (!ParseDateTimeValue(value, days)) Raise(KyErr::BadSyntaxInExpression);
        operand = PlainNumber(days);
        break;
      }
      case OperandForm::Text:
        if (!quoteStrings) Raise(KyErr::BadSyntaxInExpression);
        operand = "\"" + value + "\"";
        break;
    }
    out.replace(pos, end - pos, operand);
    from = pos + operand.size();  // an inserted value is never searched again
  }
  return out;
}

void KySNMPRequest::EvaluateExpression(int i, bool afterRead) {
  KySNMPVarDef& item = varList.Item(i);
  const std::optional<std::string>& expr = afterRead ? item.readExpr : item.writeExpr;
  if (!expr || expr->empty()) return;
  double v = KyEvaluateNumber(SubstituteValues(*expr, false, '$'));
  if (std::isnan(v)) Raise(KyErr::BadSyntaxInExpression);
  std::optional<std::string> text = NumberText(item.syntax, v);
  if (!text) Raise(KyErr::BadSyntaxInExpression);
  item.value = item.options ? item.options->ValueToLabel(*text) : *text;
}

bool KySNMPRequest::EvaluateCondition(const std::string& text) {
  if (text.empty()) return true;
  return KyEvaluateLogic(SubstituteValues(text, true, '$'));
}
