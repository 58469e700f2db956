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
  KyOid x, y;
  if (!ParseOidText(a, x) || !ParseOidText(b, y)) return a.compare(b);
  if (x < y) return -1;
  if (y < x) return 1;
  return 0;
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

KySnmpSession& Session() {
  if (!GlobalSnmp || !GlobalSnmp->valid()) ThrowIfStatusError(MapLocalFailure(KyLocalFailure::NoSession));
  return *GlobalSnmp;
}

}  // namespace

double KyEvaluateNumber(const std::string& text) { return EvalNumber(text, 0); }
bool KyEvaluateLogic(const std::string& text) { return EvalLogic(text, 0); }

// ---------------------------------------------------------------------------
struct KySNMPRequest::ExchangeRecord {
  bool flag = false;  // true for reads
  std::vector<KyVb> asked;  // the bindings sent
  RequestCallback callback;
  void* userData = nullptr;
};

KySNMPRequest::KySNMPRequest()
    : timeout(GlobalTimeout),
      retries(GlobalRetries),
      device(GlobalDevice),
      scope(GlobalScope),
      security(GlobalSecurity) {}

KySNMPRequest::~KySNMPRequest() {
  enabled = false;
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
  for (int i = 0; i < varList.Count(); ++i) {
    if (!varList.IsReadable(i)) continue;
    KySNMPVarDef& item = varList.Item(i);
    const std::string base = RequestOid(i);
    // A reply with fewer bindings than asked for: the missing ones carry no
    // value (a scalar reads "(NULL)", a walked column has ended).
    static const KyVb kMissing;
    const bool isMissing = sent >= vbs.size();
    const KyVb* vb = isMissing ? &kMissing : &vbs[sent];
    const std::string received = vb->OidText();
    if (table && !isMissing && !vb->HasNoValue() && !badValue && received.size() > base.size() + 1 &&
        received.compare(0, base.size(), base) == 0 && received[base.size()] == '.') {
      // A value inside the column that does not come after the one asked
      // for: the agent is broken and the walk cannot go on.
      const std::string question = sent < asked.size() ? asked[sent].OidText() : base;
      if (CompareOids(received, question) <= 0)
        badValue = std::make_unique<KySNMPException>(
            MessageText(KyErr::ClassInvalidOid) + " (" + received + " does not follow " + question + ")",
            KyErr::ClassInvalidOid);
    }
    if ((table && isMissing) || IsOutOfScope(base, item.lastOid, received)) {
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
      item.lastOid = suffix.empty() ? (received.empty() ? base : received) : base + "." + suffix;
    } else {
      try {
        StoreValue(i, *vb);
      } catch (const KySNMPException& e) {
        // A value of the wrong type: the others of the reply are still
        // stored, then the exchange fails with it.
        if (!badValue) badValue = std::make_unique<KySNMPException>(e);
      }
      item.lastOid = isMissing ? base : received;
      // The row's instance comes from a column still in its subtree.
      if (rowSuffix.empty() && received.size() > base.size() + 1) rowSuffix = received.substr(base.size() + 1);
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
  KySnmpTarget target = BuildTarget(device, security, timeout, retries);
  std::vector<KyVb> vbs = BuildPdu(first ? Mode::FirstRead : Mode::NextRead);
  KySnmpOp op = first ? ReadOperation() : KySnmpOp::GetNext;
  KySnmpOutcome outcome = Session().SendSync(target, scope, op, vbs);
  KyStatusText st = OutcomeStatusText(outcome);
  const bool table = varList.IsTable();
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
  } else {
    vbs = BuildPdu(Mode::Write);
  }
  auto record = std::make_shared<ExchangeRecord>();
  record->flag = read;
  if (read) record->asked = vbs;
  record->callback = std::move(callback);
  record->userData = userData;
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
  KyStatusText st = OutcomeStatusText(outcome);
  error.code = st.code;
  error.message = st.text;
  error.errorIndex = outcome.errorIndex;
  error.agentAddress = outcome.agentAddress;
  error.agentPort = outcome.agentPort;
  const bool table = varList.IsTable();
  try {
    // noSuchName ends an SNMPv1 walk; for a write it is a refusal and stays
    // an error even when the echoed OID happens to equal a column's lastOid.
    if ((error.code == 0 && record.flag) || (error.code == KyErr::SnmpNoSuchName && table && record.flag)) {
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
    switch (item.syntax) {
      case 0x01:
      case 0xc1:
      case 0xc4:
        operand = value == "true" ? "1" : "0";
        break;
      case 0x02:
      case 0x41:
      case 0x42:
      case 0x46:
      case 0x47:
      case 0x48:
      case 0xc2:
      case 0xc3:
      case 0xc5:
      case 0xc6:
        operand = value;
        break;
      case 0x43: {
        uint32_t ticks = 0;
        if (!ParseTimeTicks(value, ticks)) ticks = 0;
        operand = std::to_string(ticks);
        break;
      }
      case 0x4b: {
        double days = 0;
        if (!ParseDateTimeValue(value, days)) Raise(KyErr::BadSyntaxInExpression);
        operand = PlainNumber(days);
        break;
      }
      default:
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
  std::string text;
  switch (item.syntax) {
    case Syntax::Boolean:
      text = v != 0 ? "true" : "false";
      break;
    case Syntax::Integer:
      if (!std::isfinite(v)) Raise(KyErr::BadSyntaxInExpression);
      text = std::to_string(static_cast<long long>(std::clamp(std::trunc(v), -2147483648.0, 2147483647.0)));
      break;
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::UInteger32:
      if (!std::isfinite(v)) Raise(KyErr::BadSyntaxInExpression);
      text = std::to_string(static_cast<unsigned long long>(std::clamp(std::trunc(v), 0.0, 4294967295.0)));
      break;
    case Syntax::TimeTicks:
      if (!std::isfinite(v)) Raise(KyErr::BadSyntaxInExpression);
      text = FormatTimeTicks(static_cast<uint64_t>(std::clamp(std::trunc(v), 0.0, 4294967295.0)));
      break;
    case Syntax::Counter64:
      if (!std::isfinite(v)) Raise(KyErr::BadSyntaxInExpression);
      text = std::to_string(static_cast<unsigned long long>(std::clamp(std::trunc(v), 0.0, 18446744073709549568.0)));
      break;
    case Syntax::Real:
      text = FormatReal(v);
      break;
    case Syntax::DateTime: {
      std::optional<std::string> s = FormatDateTimeValue(v);
      if (!s) Raise(KyErr::BadSyntaxInExpression);
      text = *s;
      break;
    }
    default:
      Raise(KyErr::BadSyntaxInExpression);
  }
  item.value = item.options ? item.options->ValueToLabel(text) : text;
}

bool KySNMPRequest::EvaluateCondition(const std::string& text) {
  if (text.empty()) return true;
  return KyEvaluateLogic(SubstituteValues(text, true, '$'));
}
