// qrx900-walk-bench: how fast the request engine walks a table compared with
// net-snmp's own tools, against the simulator on loopback.
//
// Figures, each the median of a few repetitions:
//   1. the engine walking a 1000-row, 5-column table the way a table dialog
//      does (asynchronous, GETBULK of every column, one row per read,
//      completions from the pump), against `snmpwalk` and `snmpbulkwalk` of
//      the same columns and against net-snmp's own bulk walk in this process
//      (its single-session API, max-repetitions 10 as `snmpbulkwalk`, column
//      by column, no process start-up);
//   2. the same walk into a generated table dialog's list view (offscreen, in
//      a child process so that a hang cannot stop the benchmark);
//   3. single GETs through the engine against net-snmp's single-session API
//      driven by a blocking select loop: the latency the engine adds per reply.
// It prints; it asserts nothing. The last three lines are the ratios of the
// engine's rows per second to snmpwalk's, snmpbulkwalk's and the in-process
// bulk walk's. Beside the times it prints the processor time the client
// spends per 1000 rows, for the engine and for the in-process bulk walk.
//
// With --delay MS it measures a slow link instead: the simulator answers
// every request MS milliseconds late (each on its own, like a link), and
// with --drop-every K leaves every K-th request unanswered. The engine,
// `snmpbulkwalk` and the in-process bulk walk then walk the table at 1000
// and at 16000 rows (with drops the engine also walks a lossless simulator
// of the same delay), and the last line is the ratio of the engine's rows
// per second to snmpbulkwalk's at 1000 rows (at --rows N instead of both
// sizes when given).
#include "bench/WalkBench.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <sys/select.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "snmp/Messages.h"
#include "snmp/Request.h"
#include "snmp/Session.h"
#include "snmp/SessionParams.h"
#include "snmp/SnmpPump.h"
#include "snmp/Value.h"
#include "tables/DefTables.h"
#include "tests/common/SimProcess.h"
#include "tests/common/SimSession.h"

namespace walkbench {

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

#ifndef QRX_BENCH_LIST_VIEW
bool ListViewAvailable() { return false; }
int RunListViewChild(const ListViewJob&, int, char**) {
  std::fprintf(stderr, "built without the Qt parts\n");
  return 2;
}
bool SnapshotAvailable() { return false; }
int RunSnapshotFigure(const std::string&, bool, int, int, int, char**) { return 2; }
#endif

}  // namespace walkbench

namespace {

using walkbench::Median;
using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Processor time of this process (the client; the simulator is another), ms.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct Options {
  std::string table = "Dot1qVlanStatic";
  int rows = 1000;
  int repeat = 5;
  int gets = 200;
  bool v3 = false;
  bool listView = true;
  int listViewSeconds = 120;
  std::string sim;
  bool snapshot = false;
  int snapshotDelay = 20;
  bool repeatGiven = false;
  bool rowsGiven = false;
  int delay = -1;  // slow link: the simulator's answer delay, ms
  int dropEvery = 0;
  int maxInFlight = 0;  // 0: the session's default
  int agentBulkMax = 0;  // 0: the simulator's default
};

void Usage(FILE* to) {
  std::fprintf(to,
               "usage: qrx900-walk-bench [switches]\n"
               "  --table NAME          definition table to walk (default Dot1qVlanStatic)\n"
               "  --rows N              rows the simulator gives it (default 1000)\n"
               "  --repeat N            repetitions per figure; the median is shown (default 5)\n"
               "  --gets N              single GETs per path for the latency figure (default 200)\n"
               "  --v3                  SNMPv3 authPriv (SHA, AES) instead of SNMPv2c\n"
               "  --no-list-view        skip the list-view figure\n"
               "  --list-view-time S    time allowed for the list-view figure (default 120)\n"
               "  --snapshot            time a full settings snapshot instead (loopback and with\n"
               "                        the simulator's --fault-delay), beside the same reads one\n"
               "                        command at a time as the dialogs do\n"
               "  --snapshot-delay MS   the delay of that slow link (default 20)\n"
               "  --delay MS            slow link: the simulator answers MS ms late; the engine,\n"
               "                        snmpbulkwalk and the in-process bulk walk at 1000 and\n"
               "                        16000 rows (only --rows N when given; --repeat defaults\n"
               "                        to 1 then)\n"
               "  --drop-every K        with --delay: the simulator leaves every K-th request\n"
               "                        unanswered\n"
               "  --max-in-flight N     exchanges a walk keeps in flight (1-16; default the\n"
               "                        session's)\n"
               "  --agent-bulk-max N    the simulator's GETBULK replies carry at most N\n"
               "                        bindings (its --bulk-max; 100 is net-snmp's agent default)\n"
               "  --sim PATH            the simulator (default $QRX_SIM, else ../sim/qrx900-sim\n"
               "                        next to this program, else qrx900-sim in PATH)\n"
               "  --help                this text\n");
}

bool ParseInt(const char* text, int low, int& out) {
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(text, &end, 10);
  if (errno != 0 || end == text || *end != '\0' || v < low || v > 1000000) return false;
  out = static_cast<int>(v);
  return true;
}

std::string SelfPath() {
  char self[4096];
  ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  return n > 0 ? std::string(self, static_cast<size_t>(n)) : std::string();
}

std::string FindSimulator(const Options& o) {
  if (!o.sim.empty()) return o.sim;
  if (const char* e = std::getenv("QRX_SIM"); e && *e) return e;
  const std::string self = SelfPath();
  if (!self.empty()) {
    std::string guess = self.substr(0, self.rfind('/')) + "/../sim/qrx900-sim";
    if (access(guess.c_str(), X_OK) == 0) return guess;
  }
  return "qrx900-sim";
}

const KyVarDefTable* FindTable(const std::string& name) {
  for (const KyVarDefTable* t : AllDefinitionTables())
    if (name == t->name) return t;
  return nullptr;
}

// The columns a walk requests: every readable item of the list.
std::vector<std::string> WalkedColumns(const KySNMPVarList& list) {
  std::vector<std::string> oids;
  for (int i = 0; i < list.Count(); ++i)
    if (list.IsReadable(i)) oids.push_back(list.Item(i).oid);
  return oids;
}

// The longest common OID prefix of the columns (the table entry).
std::string CommonPrefix(const std::vector<std::string>& oids) {
  if (oids.empty()) return {};
  std::string prefix = oids.front();
  for (const std::string& o : oids) {
    size_t n = 0;
    while (n < prefix.size() && n < o.size() && prefix[n] == o[n]) ++n;
    prefix.resize(n);
  }
  // Cut back to a whole sub-identifier.
  const bool whole = std::all_of(oids.begin(), oids.end(), [&](const std::string& o) {
    return o.size() == prefix.size() || (o.size() > prefix.size() && o[prefix.size()] == '.');
  });
  if (!whole) prefix.resize(prefix.rfind('.') == std::string::npos ? 0 : prefix.rfind('.'));
  while (!prefix.empty() && prefix.back() == '.') prefix.pop_back();
  return prefix;
}

}  // namespace

namespace walkbench {

// Session parameters every new request copies.
void AssignSessionGlobals(const std::string& host, int port, bool v3) {
  if (v3)
    qrxtest::UseSimV3(host, port);
  else
    qrxtest::UseSimCommunities(host, port);
}

}  // namespace walkbench

namespace {

struct WalkRun {
  bool ok = false;
  long rows = 0;
  double ms = 0;
  double cpuMs = 0;  // processor time of this process during the walk
  std::string error;
  std::string firstInstance;  // full OID of the first column of the first row
  std::vector<double> gaps;   // engine: ms between consecutive completions
};

// The engine, as a table dialog refreshes: the first read, then one
// continuation read per completed row, each sent from the completion.
WalkRun EngineWalk(const KyVarDefTable& table) {
  WalkRun run;
  KySNMPRequest request;
  request.varList = KySNMPVarList(table);
  bool finished = false;
  auto last = Clock::now();
  RequestCallback next = [&](void*, const KySNMPError& e, KySNMPVarList& list) {
    run.gaps.push_back(MsSince(last));
    last = Clock::now();
    if (e.code != 0) {
      run.error = e.message + " (" + std::to_string(e.code) + ")";
      finished = true;
      return;
    }
    if (e.finished) {
      run.ok = true;
      finished = true;
      return;
    }
    if (request.CheckFilter("")) ++run.rows;
    if (run.firstInstance.empty()) {
      for (int i = 0; i < list.Count() && run.firstInstance.empty(); ++i)
        if (list.IsReadable(i)) run.firstInstance = list.Item(i).lastOid;
    }
    try {
      request.ReadAsync(next, nullptr, false);
    } catch (const KySNMPException& ex) {
      run.error = ex.text() + " (" + std::to_string(ex.code()) + ")";
      finished = true;
    }
  };
  const auto start = Clock::now();
  const double cpu = CpuMs();
  last = start;
  try {
    request.ReadAsync(next, nullptr, true);
  } catch (const KySNMPException& ex) {
    run.error = ex.text() + " (" + std::to_string(ex.code()) + ")";
    return run;
  }
  GlobalEventPump.RunUntil([&] { return finished; }, 300000);
  run.ms = MsSince(start);
  run.cpuMs = CpuMs() - cpu;
  if (!finished) run.error = "the walk did not end in 300 s";
  return run;
}

// A net-snmp tool walking the table entry; rows are counted on the first
// walked column, the other columns must have as many lines.
WalkRun ToolWalk(const std::string& tool, const std::vector<std::string>& credentials, const std::string& agent,
                 const std::string& entry, const std::vector<std::string>& columns, int limitSeconds = 300) {
  WalkRun run;
  std::vector<std::string> args{tool};
  args.insert(args.end(), credentials.begin(), credentials.end());
  args.insert(args.end(), {"-On", agent, entry});
  const auto start = Clock::now();
  qrxtest::CommandResult r = qrxtest::RunCommand(args, limitSeconds * 1000);
  run.ms = MsSince(start);
  if (r.exitCode != 0) {
    std::string err = r.err.substr(0, r.err.find('\n'));
    run.error = r.timedOut ? "did not end in " + std::to_string(limitSeconds) + " s"
                           : r.exitCode == 127 ? "not installed"
                                               : "exit " + std::to_string(r.exitCode) + (err.empty() ? "" : ": " + err);
    return run;
  }
  std::map<std::string, long> perColumn;
  std::istringstream lines(r.out);
  std::string line;
  while (std::getline(lines, line)) {
    const std::string oid = line.substr(0, line.find(' '));
    for (const std::string& c : columns) {
      const std::string prefix = "." + c + ".";
      if (oid.compare(0, prefix.size(), prefix) == 0) {
        ++perColumn[c];
        break;
      }
    }
  }
  run.rows = perColumn[columns.front()];
  for (const std::string& c : columns)
    if (perColumn[c] != run.rows) {
      run.error = "column " + c + " has " + std::to_string(perColumn[c]) + " lines, the first " +
                  std::to_string(run.rows);
      return run;
    }
  run.ok = true;
  return run;
}

struct Figure {
  std::string name;
  std::vector<double> ms;
  long rows = -1;
  std::string error;
  std::vector<double> cpuMs;
  // Median processor time per 1000 rows (negative when not measured).
  double cpuPer1000() const { return cpuMs.empty() || rows <= 0 ? -1 : Median(cpuMs) * 1000.0 / rows; }
  bool ok() const { return error.empty() && !ms.empty(); }
  double medianMs() const { return Median(ms); }
  double rowsPerSecond() const {
    double m = medianMs();
    return m > 0 && rows >= 0 ? rows * 1000.0 / m : 0;
  }
};

void Record(Figure& f, const WalkRun& run) {
  if (!f.error.empty()) return;
  if (!run.ok) {
    f.error = run.error;
    return;
  }
  if (f.rows >= 0 && run.rows != f.rows) {
    f.error = "row count changed between runs: " + std::to_string(f.rows) + ", then " + std::to_string(run.rows);
    return;
  }
  f.rows = run.rows;
  f.ms.push_back(run.ms);
  if (run.cpuMs > 0) f.cpuMs.push_back(run.cpuMs);
}

std::string Fixed(double v, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

void PrintCpu(const Figure& engine, const Figure& inProcess) {
  auto text = [](const Figure& f) { return f.cpuPer1000() < 0 ? std::string("n/a") : Fixed(f.cpuPer1000(), 2) + " ms"; };
  std::printf("%-36s engine %s, net-snmp bulk walk in process %s\n", "client processor time per 1000 rows:",
              text(engine).c_str(), text(inProcess).c_str());
}

std::string RunsText(const std::vector<double>& ms) {
  std::string s;
  for (double m : ms) s += (s.empty() ? "" : " ") + Fixed(m, 1);
  return s;
}

void PrintFigure(const Figure& f) {
  if (!f.ok()) {
    std::printf("%-36s failed: %s\n", (f.name + ":").c_str(), f.error.c_str());
    return;
  }
  std::printf("%-36s %5ld rows  median %8.1f ms  %8.0f rows/s  (best %.1f ms; runs, ms: %s)\n", (f.name + ":").c_str(),
              f.rows, f.medianMs(), f.rowsPerSecond(), *std::min_element(f.ms.begin(), f.ms.end()),
              RunsText(f.ms).c_str());
}

// ---------------------------------------------------------------------------
// net-snmp's single-session API, one GET at a time: an asynchronous send, then
// select / read / timeout until the reply (what a synchronous call amounts to).
class DirectSession {
 public:
  ~DirectSession() {
    if (sp_) snmp_sess_close(sp_);
  }

  bool Open(const std::string& host, int port, bool v3, std::string& error) {
    netsnmp_session s;
    snmp_sess_init(&s);
    std::string peer = "udp:" + host + ":" + std::to_string(port);
    s.peername = peer.data();
    s.timeout = 1000000;
    s.retries = 1;
    std::string community = qrxtest::SimProcess::kReadCommunity;
    std::string user = qrxtest::SimProcess::kUser;
    if (v3) {
      s.version = SNMP_VERSION_3;
      s.securityName = user.data();
      s.securityNameLen = user.size();
      s.securityLevel = SNMP_SEC_LEVEL_AUTHPRIV;
      s.securityAuthProto = snmp_duplicate_objid(usmHMACSHA1AuthProtocol, USM_AUTH_PROTO_SHA_LEN);
      s.securityAuthProtoLen = USM_AUTH_PROTO_SHA_LEN;
      s.securityAuthKeyLen = USM_AUTH_KU_LEN;
      const std::string auth = qrxtest::SimProcess::kAuthPassword;
      const std::string priv = qrxtest::SimProcess::kPrivPassword;
      if (generate_Ku(s.securityAuthProto, static_cast<u_int>(s.securityAuthProtoLen),
                      reinterpret_cast<const u_char*>(auth.data()), auth.size(), s.securityAuthKey,
                      &s.securityAuthKeyLen) != SNMPERR_SUCCESS) {
        error = "generate_Ku (authentication) failed";
        return false;
      }
      s.securityPrivProto = snmp_duplicate_objid(usmAESPrivProtocol, USM_PRIV_PROTO_AES_LEN);
      s.securityPrivProtoLen = USM_PRIV_PROTO_AES_LEN;
      s.securityPrivKeyLen = USM_PRIV_KU_LEN;
      if (generate_Ku(s.securityAuthProto, static_cast<u_int>(s.securityAuthProtoLen),
                      reinterpret_cast<const u_char*>(priv.data()), priv.size(), s.securityPrivKey,
                      &s.securityPrivKeyLen) != SNMPERR_SUCCESS) {
        error = "generate_Ku (privacy) failed";
        return false;
      }
    } else {
      s.version = SNMP_VERSION_2c;
      s.community = reinterpret_cast<u_char*>(community.data());
      s.community_len = community.size();
    }
    sp_ = snmp_sess_open(&s);
    if (v3) {
      SNMP_FREE(s.securityAuthProto);
      SNMP_FREE(s.securityPrivProto);
    }
    if (!sp_) {
      int liberr = 0, syserr = 0;
      char* text = nullptr;
      snmp_error(&s, &liberr, &syserr, &text);
      error = std::string("snmp_sess_open failed: ") + (text ? text : "?");
      SNMP_FREE(text);
      return false;
    }
    return true;
  }

  // One GET of `name`; false (with error) when no good reply came.
  bool Get(const KyOid& name, std::string& error) {
    std::vector<oid> id(name.begin(), name.end());
    netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GET);
    snmp_add_null_var(pdu, id.data(), id.size());
    State st;
    return Exchange(pdu, st, error);
  }

  // net-snmp's bulk walk of each column in turn, as `snmpbulkwalk` walks a
  // subtree: GETBULK with max-repetitions 10 from the last OID received
  // until the reply leaves the column. Counts the rows of every column.
  bool BulkWalk(const std::vector<KyOid>& columns, std::vector<long>& rows, std::string& error) {
    rows.assign(columns.size(), 0);
    for (size_t c = 0; c < columns.size(); ++c) {
      std::vector<oid> at(columns[c].begin(), columns[c].end());
      const size_t rootLen = at.size();
      bool more = true;
      while (more) {
        netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_GETBULK);
        pdu->non_repeaters = 0;
        pdu->max_repetitions = kBulkRepetitions;
        snmp_add_null_var(pdu, at.data(), at.size());
        State st;
        st.keep = true;
        if (!Exchange(pdu, st, error)) return false;
        more = false;
        for (netsnmp_variable_list* v = st.reply ? st.reply->variables : nullptr; v; v = v->next_variable) {
          if (v->type == SNMP_ENDOFMIBVIEW || v->type == SNMP_NOSUCHOBJECT || v->type == SNMP_NOSUCHINSTANCE ||
              v->name_length <= rootLen || snmp_oid_compare(v->name, rootLen, at.data(), rootLen) != 0) {
            more = false;
            break;
          }
          if (snmp_oid_compare(v->name, v->name_length, at.data(), at.size()) <= 0) {
            error = "OID not increasing";
            snmp_free_pdu(st.reply);
            return false;
          }
          at.assign(v->name, v->name + v->name_length);
          ++rows[c];
          more = true;
        }
        snmp_free_pdu(st.reply);
      }
    }
    return true;
  }

  static constexpr long kBulkRepetitions = 10;

 private:
  struct State {
    bool done = false;
    bool ok = false;
    bool keep = false;              // keep the reply (bulk walk)
    netsnmp_pdu* reply = nullptr;   // owned by the caller when kept
    std::string error;
  };

  bool Exchange(netsnmp_pdu* pdu, State& st, std::string& error) {
    if (snmp_sess_async_send(sp_, pdu, &DirectSession::OnReply, &st) == 0 && !st.done) {
      snmp_free_pdu(pdu);
      error = "send failed";
      return false;
    }
    while (!st.done) {
      int fds = 0, block = 1;
      fd_set read;
      FD_ZERO(&read);
      timeval tv{};
      snmp_sess_select_info(sp_, &fds, &read, &tv, &block);
      int n = select(fds, &read, nullptr, nullptr, block ? nullptr : &tv);
      if (n > 0) {
        snmp_sess_read(sp_, &read);
      } else if (n == 0) {
        snmp_sess_timeout(sp_);
      } else if (errno != EINTR) {
        error = std::string("select: ") + std::strerror(errno);
        return false;
      }
    }
    if (!st.ok) {
      error = st.error;
      if (st.reply) snmp_free_pdu(st.reply);
      st.reply = nullptr;
    }
    return st.ok;
  }

  static int OnReply(int op, netsnmp_session*, int, netsnmp_pdu* pdu, void* magic) {
    auto* st = static_cast<State*>(magic);
    // A resend goes on waiting; a security error is followed by the report.
    if (op == NETSNMP_CALLBACK_OP_RESEND || op == NETSNMP_CALLBACK_OP_SEC_ERROR) return 1;
    st->done = true;
    if (op == NETSNMP_CALLBACK_OP_TIMED_OUT) {
      st->error = "timeout";
    } else if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || pdu == nullptr) {
      st->error = "failure (callback op " + std::to_string(op) + ")";
    } else if (pdu->command != SNMP_MSG_RESPONSE) {
      st->error = "a report instead of a response";
    } else if (pdu->errstat != SNMP_ERR_NOERROR) {
      st->error = "error-status " + std::to_string(pdu->errstat);
    } else if (st->keep) {
      st->reply = snmp_clone_pdu(pdu);
      st->ok = st->reply != nullptr;
      if (!st->ok) st->error = "out of memory";
    } else if (pdu->variables == nullptr || pdu->variables->type == SNMP_NOSUCHOBJECT ||
               pdu->variables->type == SNMP_NOSUCHINSTANCE || pdu->variables->type == SNMP_ENDOFMIBVIEW) {
      st->error = "no such object";
    } else {
      st->ok = true;
    }
    return 1;
  }

  void* sp_ = nullptr;
};

// Single GETs of one table cell: the engine asynchronously (as windows read),
// the engine synchronously, and net-snmp directly, interleaved so that all
// three see the same conditions.
void GetLatency(const KyVarDefTable& table, const std::string& instance, int count, const std::string& host,
                int port, bool v3) {
  KyOid name;
  if (instance.empty() || !ParseOidText(instance, name)) {
    std::printf("single GET latency:                  skipped (no instance to read)\n");
    return;
  }
  KySNMPVarList probe(table);
  Syntax syntax{};  // no code when no column holds the instance
  for (int i = 0; i < probe.Count(); ++i)
    if (probe.IsReadable(i) && instance.compare(0, probe.Item(i).oid.size() + 1, probe.Item(i).oid + ".") == 0) {
      syntax = probe.Item(i).syntax;
      break;
    }
  KySNMPRequest request;
  request.varList.kind = 1;
  request.varList.AppendItem(instance, "cell", syntax, Access::Read);

  DirectSession direct;
  std::string error;
  if (!direct.Open(host, port, v3, error)) {
    std::printf("single GET latency:                  skipped (%s)\n", error.c_str());
    return;
  }

  auto engineAsync = [&](std::string& err) {
    bool done = false;
    KySNMPError result;
    request.ReadAsync(
        [&](void*, const KySNMPError& e, KySNMPVarList&) {
          result = e;
          done = true;
        },
        nullptr, true);
    GlobalEventPump.RunUntil([&] { return done; }, 10000);
    if (!done) err = "no completion in 10 s";
    else if (result.code != 0) err = result.message;
    return done && result.code == 0;
  };
  auto engineSync = [&](std::string& err) {
    try {
      request.Read(true);
      return true;
    } catch (const KySNMPException& e) {
      err = e.text();
      return false;
    }
  };
  auto netsnmp = [&](std::string& err) { return direct.Get(name, err); };

  struct Path {
    const char* label;
    std::function<bool(std::string&)> run;
    std::vector<double> us;
    std::string error;
  };
  std::vector<Path> paths{{"engine, asynchronous (as windows read)", engineAsync, {}, {}},
                          {"engine, synchronous", engineSync, {}, {}},
                          {"net-snmp single session, select loop", netsnmp, {}, {}}};
  const int warmUp = std::min(20, count);
  for (int i = 0; i < warmUp + count; ++i) {
    for (Path& p : paths) {
      if (!p.error.empty()) continue;
      const auto start = Clock::now();
      std::string err;
      bool ok = false;
      try {
        ok = p.run(err);
      } catch (const std::exception& e) {
        err = e.what();
      }
      const double us = MsSince(start) * 1000;
      if (!ok) {
        p.error = err.empty() ? "failed" : err;
        continue;
      }
      if (i >= warmUp) p.us.push_back(us);
    }
  }
  std::printf("single GET of %s, median of %d:\n", instance.c_str(), count);
  for (const Path& p : paths) {
    if (!p.error.empty()) std::printf("  %-40s failed: %s\n", p.label, p.error.c_str());
    else std::printf("  %-40s %8.1f us\n", p.label, Median(p.us));
  }
  if (paths[0].error.empty() && paths[2].error.empty())
    std::printf("  added per reply (asynchronous engine): %+.1f us\n", Median(paths[0].us) - Median(paths[2].us));
  if (paths[1].error.empty() && paths[2].error.empty())
    std::printf("  added per reply (synchronous engine):  %+.1f us\n", Median(paths[1].us) - Median(paths[2].us));
}

// net-snmp's bulk walk in this process, column by column; the rows are those
// of the first column, the others must have as many.
WalkRun NetSnmpBulkWalk(DirectSession& direct, const std::vector<std::string>& columns) {
  WalkRun run;
  std::vector<KyOid> oids;
  for (const std::string& c : columns) {
    KyOid o;
    if (!ParseOidText(c, o)) {
      run.error = "bad column OID " + c;
      return run;
    }
    oids.push_back(std::move(o));
  }
  std::vector<long> rows;
  const auto start = Clock::now();
  const double cpu = CpuMs();
  if (!direct.BulkWalk(oids, rows, run.error)) return run;
  run.ms = MsSince(start);
  run.cpuMs = CpuMs() - cpu;
  run.rows = rows.empty() ? 0 : rows.front();
  for (size_t c = 0; c < rows.size(); ++c)
    if (rows[c] != run.rows) {
      run.error = "column " + columns[c] + " has " + std::to_string(rows[c]) + " rows, the first " +
                  std::to_string(run.rows);
      return run;
    }
  run.ok = true;
  return run;
}

// The list-view figure, from a child process of this program.
void ListViewFigure(const Options& o, const std::string& host, int port, const std::string& folder,
                    const Figure& engine) {
  const char* label = "list view (generated table dialog):";
  if (!walkbench::ListViewAvailable()) {
    std::printf("%-36s skipped (built without the Qt parts)\n", label);
    return;
  }
  const std::string self = SelfPath();
  std::vector<std::string> args{self.empty() ? "qrx900-walk-bench" : self, "--list-view-child", host,
                                std::to_string(port), o.table, std::to_string(o.repeat), o.v3 ? "v3" : "v2c",
                                folder};
  qrxtest::CommandResult r = qrxtest::RunCommand(args, o.listViewSeconds * 1000);
  if (r.timedOut) {
    std::printf("%-36s skipped (did not finish in %d s)\n", label, o.listViewSeconds);
    return;
  }
  long rows = -1;
  double first = -1;
  std::vector<double> refresh, unpainted, bare, settle;
  double cpuBare = -1, cpuRefresh = -1;
  std::istringstream lines(r.out);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "rows") words >> rows;
    else if (key == "first") words >> first;
    else if (key == "refresh")
      for (double v; words >> v;) refresh.push_back(v);
    else if (key == "unpainted")
      for (double v; words >> v;) unpainted.push_back(v);
    else if (key == "engine")
      for (double v; words >> v;) bare.push_back(v);
    else if (key == "settle")
      for (double v; words >> v;) settle.push_back(v);
    else if (key == "cpu")
      words >> cpuBare >> cpuRefresh;
  }
  if (r.exitCode != 0 || rows < 0 || refresh.empty()) {
    std::string why = r.err;
    while (!why.empty() && (why.back() == '\n' || why.back() == '\r')) why.pop_back();
    if (why.rfind('\n') != std::string::npos) why = why.substr(why.rfind('\n') + 1);
    std::printf("%-36s skipped (%s)\n", label, why.empty() ? ("exit " + std::to_string(r.exitCode)).c_str() : why.c_str());
    return;
  }
  Figure f;
  f.name = "list view (generated table dialog)";
  f.rows = rows;
  f.ms = refresh;
  PrintFigure(f);
  std::printf("%-36s first open to full list %.1f ms", "", first);
  if (engine.ok() && f.rowsPerSecond() > 0)
    std::printf("; %.1f%% of the engine walk's rate above", 100.0 * f.rowsPerSecond() / engine.rowsPerSecond());
  std::printf("\n");
  if (!bare.empty()) {
    // The fair figure: the bare engine walk timed in the same process, each
    // run just before a refresh of the dialog.
    Figure e;
    e.rows = rows;
    e.ms = bare;
    // Each refresh against the bare walk just before it: the pairs saw the
    // same load, which on a busy machine changes from one second to the next.
    std::vector<double> pairs;
    for (size_t k = 0; k < bare.size() && k < refresh.size(); ++k)
      if (refresh[k] > 0) pairs.push_back(100.0 * bare[k] / refresh[k]);
    std::printf("%-36s bare engine walk, same process, interleaved: median %.1f ms (best %.1f ms); the list view\n"
                "%-36s fills at %.1f%% of its rate (medians), %.1f%% (best runs), %.1f%% (median of pairs)\n",
                "", e.medianMs(), *std::min_element(bare.begin(), bare.end()), "",
                100.0 * f.rowsPerSecond() / e.rowsPerSecond(),
                100.0 * *std::min_element(bare.begin(), bare.end()) / *std::min_element(refresh.begin(), refresh.end()),
                Median(pairs));
  }
  if (cpuBare > 0 && cpuRefresh > 0)
    std::printf("%-36s processor time of the client per walk: bare engine %.1f ms, dialog %.1f ms\n", "", cpuBare,
                cpuRefresh);
  if (!settle.empty())
    std::printf("%-36s after a refresh, laying out and drawing the full list: median %.1f ms (not in the times above)\n",
                "", Median(settle));
  if (!unpainted.empty())
    std::printf("%-36s the list view not painting (updates off): median %.1f ms (runs, ms: %s)\n", "",
                Median(unpainted), RunsText(unpainted).c_str());
}

std::string Ratio(const Figure& engine, const Figure& tool) {
  if (!engine.ok() || !tool.ok() || tool.rowsPerSecond() <= 0) return "n/a";
  return Fixed(engine.rowsPerSecond() / tool.rowsPerSecond(), 2);
}

// The slow link: for each size, a simulator answering `delay` ms late (and
// one with drops when asked), the engine against snmpbulkwalk and the
// in-process bulk walk.
int RunSlowLink(const Options& o, const KyVarDefTable& table, const std::vector<std::string>& columns,
                const std::string& entry, const std::vector<std::string>& credentials) {
  const std::string simulator = FindSimulator(o);
  std::printf("qrx900-walk-bench: slow link, table %s (entry %s), %zu columns; %s; answers %d ms late%s; "
              "MaxInFlight %d; GETBULK replies of at most %s bindings\n",
              o.table.c_str(), entry.c_str(), columns.size(), o.v3 ? "SNMPv3 authPriv SHA/AES" : "SNMPv2c", o.delay,
              o.dropEvery > 0 ? (", every " + std::to_string(o.dropEvery) + "th request unanswered").c_str() : "",
              GlobalMaxInFlight,
              o.agentBulkMax > 0 ? std::to_string(o.agentBulkMax).c_str() : "the simulator's default");
  std::printf("median of %d runs each (the engine after one unmeasured run); a tool's time includes starting it\n",
              o.repeat);
  std::fflush(stdout);
  std::string firstRatio = "n/a";
  const std::vector<int> sizes = o.rowsGiven ? std::vector<int>{o.rows} : std::vector<int>{1000, 16000};
  for (int rows : sizes) {
    std::vector<std::string> args{"--rows", o.table + "=" + std::to_string(rows), "--fault-delay",
                                  std::to_string(o.delay)};
    if (o.agentBulkMax > 0) args.insert(args.end(), {"--bulk-max", std::to_string(o.agentBulkMax)});
    qrxtest::SimProcess lossless;
    if (o.dropEvery > 0) {
      lossless.setExecutable(simulator);
      if (!lossless.Start(args)) {
        std::fprintf(stderr, "qrx900-walk-bench: %s\n", lossless.error().c_str());
        return 1;
      }
      args.insert(args.end(), {"--fault-drop-every", std::to_string(o.dropEvery)});
    }
    qrxtest::SimProcess sim;
    sim.setExecutable(simulator);
    if (!sim.Start(args)) {
      std::fprintf(stderr, "qrx900-walk-bench: %s\n", sim.error().c_str());
      return 1;
    }
    const std::string size = std::to_string(rows) + " rows";
    Figure engine{"engine, " + size, {}, -1, {}, {}};
    Figure clean{"engine without drops, " + size, {}, -1, {}, {}};
    Figure bulk{"snmpbulkwalk, " + size, {}, -1, {}, {}};
    Figure inProcess{"in-process bulk walk, " + size, {}, -1, {}, {}};
    DirectSession direct;
    std::string directError;
    if (!direct.Open(sim.host(), sim.port(), o.v3, directError)) inProcess.error = directError;
    for (int rep = 0; rep <= o.repeat; ++rep) {
      walkbench::AssignSessionGlobals(sim.host(), sim.port(), o.v3);
      WalkRun e = EngineWalk(table);
      if (rep == 0) {
        if (!e.ok) engine.error = e.error;
        continue;
      }
      Record(engine, e);
      if (o.dropEvery > 0) {
        walkbench::AssignSessionGlobals(lossless.host(), lossless.port(), o.v3);
        Record(clean, EngineWalk(table));
      }
      // A tool that waits a second for every lost reply takes long.
      Record(bulk, ToolWalk("snmpbulkwalk", credentials, sim.address(), entry, columns, 1800));
      if (inProcess.error.empty()) Record(inProcess, NetSnmpBulkWalk(direct, columns));
    }
    PrintFigure(engine);
    if (o.dropEvery > 0) {
      PrintFigure(clean);
      if (engine.ok() && clean.ok())
        std::printf("%-36s %.2f times the lossless walk's time\n", "engine with drops:",
                    engine.medianMs() / clean.medianMs());
    }
    PrintFigure(bulk);
    PrintFigure(inProcess);
    PrintCpu(engine, inProcess);
    if (engine.ok() && engine.rows != rows)
      std::printf("note: the simulator gave %ld rows, not %d\n", engine.rows, rows);
    std::printf("%-36s vs snmpbulkwalk %s, vs the in-process bulk walk %s\n", ("ratio at " + size + ":").c_str(),
                Ratio(engine, bulk).c_str(), Ratio(engine, inProcess).c_str());
    std::fflush(stdout);
    if (rows == sizes.front()) firstRatio = Ratio(engine, bulk);
    sim.Stop();
    if (o.dropEvery > 0) lossless.Stop();
  }
  std::printf("slow link ratio vs snmpbulkwalk: %s\n", firstRatio.c_str());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    auto value = [&](const char* what) -> const char* {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "qrx900-walk-bench: %s wants %s\n", a.c_str(), what);
        std::exit(2);
      }
      return argv[++i];
    };
    auto number = [&](int low, int& out) {
      const char* v = value("a number");
      if (!ParseInt(v, low, out)) {
        std::fprintf(stderr, "qrx900-walk-bench: %s wants a number from %d, got: %s\n", a.c_str(), low, v);
        std::exit(2);
      }
    };
    if (a == "--help" || a == "-h") {
      Usage(stdout);
      return 0;
    } else if (a == "--list-view-child") {
      // Internal: the list-view figure in a process of its own.
      // Arguments: host port table repeat v2c|v3 folder.
      if (argc - i < 7) return 2;
      walkbench::ListViewJob job;
      job.host = argv[i + 1];
      job.port = std::atoi(argv[i + 2]);
      job.table = argv[i + 3];
      job.repeat = std::max(1, std::atoi(argv[i + 4]));
      job.v3 = std::string(argv[i + 5]) == "v3";
      job.folder = argv[i + 6];
      return walkbench::RunListViewChild(job, argc, argv);
    } else if (a == "--table") {
      o.table = value("a definition-table name");
    } else if (a == "--rows") {
      number(1, o.rows);
      o.rowsGiven = true;
    } else if (a == "--repeat") {
      number(1, o.repeat);
      o.repeatGiven = true;
    } else if (a == "--delay") {
      number(0, o.delay);
    } else if (a == "--drop-every") {
      number(2, o.dropEvery);
    } else if (a == "--max-in-flight") {
      number(1, o.maxInFlight);
      if (o.maxInFlight > kMaxMaxInFlight) {
        std::fprintf(stderr, "qrx900-walk-bench: --max-in-flight wants 1 to %d\n", kMaxMaxInFlight);
        return 2;
      }
    } else if (a == "--agent-bulk-max") {
      number(1, o.agentBulkMax);
    } else if (a == "--gets") {
      number(1, o.gets);
    } else if (a == "--v3") {
      o.v3 = true;
    } else if (a == "--no-list-view") {
      o.listView = false;
    } else if (a == "--list-view-time") {
      number(1, o.listViewSeconds);
    } else if (a == "--snapshot") {
      o.snapshot = true;
    } else if (a == "--snapshot-delay") {
      number(0, o.snapshotDelay);
    } else if (a == "--sim") {
      o.sim = value("a path");
    } else {
      std::fprintf(stderr, "qrx900-walk-bench: unknown switch %s\n", a.c_str());
      Usage(stderr);
      return 2;
    }
  }

  if (o.snapshot) {
    if (!walkbench::SnapshotAvailable()) {
      std::fprintf(stderr, "qrx900-walk-bench: --snapshot needs a build with the Qt parts\n");
      return 2;
    }
    return walkbench::RunSnapshotFigure(FindSimulator(o), o.v3, o.repeat, o.snapshotDelay, argc, argv);
  }

  const KyVarDefTable* table = FindTable(o.table);
  if (table == nullptr || (table->kind != 2 && table->kind != 3)) {
    std::fprintf(stderr, "qrx900-walk-bench: %s is not a definition table of a table\n", o.table.c_str());
    return 2;
  }
  const std::vector<std::string> columns = WalkedColumns(KySNMPVarList(*table));
  const std::string entry = CommonPrefix(columns);
  if (columns.empty() || entry.empty()) {
    std::fprintf(stderr, "qrx900-walk-bench: %s has no columns to walk\n", o.table.c_str());
    return 2;
  }

  if (o.dropEvery > 0 && o.delay < 0) {
    std::fprintf(stderr, "qrx900-walk-bench: --drop-every goes with --delay\n");
    return 2;
  }
  std::vector<std::string> credentials;
  if (o.v3)
    credentials = {"-v3", "-l", "authPriv", "-u", qrxtest::SimProcess::kUser, "-a", "SHA", "-A",
                   qrxtest::SimProcess::kAuthPassword, "-x", "AES", "-X", qrxtest::SimProcess::kPrivPassword};
  else
    credentials = {"-v2c", "-c", qrxtest::SimProcess::kReadCommunity};

  char folderTemplate[] = "/tmp/qrx-walk-bench-XXXXXX";
  const char* folder = mkdtemp(folderTemplate);
  try {
    InitGlobalSession(folder ? folder : "/tmp");
  } catch (const KySNMPException& e) {
    std::fprintf(stderr, "qrx900-walk-bench: %s\n", e.text().c_str());
    return 1;
  }
  if (o.maxInFlight > 0) GlobalMaxInFlight = o.maxInFlight;
  if (o.delay >= 0) {
    if (!o.repeatGiven) o.repeat = 1;
    const int rc = RunSlowLink(o, *table, columns, entry, credentials);
    if (folder) {
      std::error_code ec;
      std::filesystem::remove_all(folder, ec);
    }
    return rc;
  }

  qrxtest::SimProcess sim;
  sim.setExecutable(FindSimulator(o));
  std::vector<std::string> simArgs{"--rows", o.table + "=" + std::to_string(o.rows)};
  if (o.agentBulkMax > 0) simArgs.insert(simArgs.end(), {"--bulk-max", std::to_string(o.agentBulkMax)});
  if (!sim.Start(simArgs)) {
    std::fprintf(stderr, "qrx900-walk-bench: %s\n", sim.error().c_str());
    return 1;
  }

  walkbench::AssignSessionGlobals(sim.host(), sim.port(), o.v3);

  std::printf("qrx900-walk-bench: table %s (entry %s), %zu columns, %d rows asked; %s; simulator udp:%s\n",
              o.table.c_str(), entry.c_str(), columns.size(), o.rows, o.v3 ? "SNMPv3 authPriv SHA/AES" : "SNMPv2c",
              sim.address().c_str());
  std::printf("median of %d runs each, after one unmeasured run; a tool's time includes starting it\n", o.repeat);
  std::fflush(stdout);

  Figure engine{"engine (async, GETBULK walk)", {}, -1, {}, {}};
  Figure walk{"snmpwalk", {}, -1, {}, {}};
  Figure bulk{"snmpbulkwalk", {}, -1, {}, {}};
  Figure inProcess{"net-snmp bulk walk, in process", {}, -1, {}, {}};
  DirectSession direct;
  std::string directError;
  if (!direct.Open(sim.host(), sim.port(), o.v3, directError)) inProcess.error = directError;
  std::string instance;
  std::vector<double> engineGaps;
  // Warm-up, then the runs interleaved so that every path sees the same load.
  for (int rep = 0; rep <= o.repeat; ++rep) {
    WalkRun e = EngineWalk(*table);
    if (instance.empty()) instance = e.firstInstance;
    WalkRun w = ToolWalk("snmpwalk", credentials, sim.address(), entry, columns);
    WalkRun b = ToolWalk("snmpbulkwalk", credentials, sim.address(), entry, columns);
    WalkRun n;
    if (inProcess.error.empty()) n = NetSnmpBulkWalk(direct, columns);
    if (rep == 0) {
      // The warm-up still reports a failure.
      for (auto [f, r] : {std::pair{&engine, &e}, std::pair{&walk, &w}, std::pair{&bulk, &b}, std::pair{&inProcess, &n}})
        if (!r->ok && f->error.empty()) f->error = r->error;
      continue;
    }
    Record(engine, e);
    engineGaps.insert(engineGaps.end(), e.gaps.begin(), e.gaps.end());
    Record(walk, w);
    Record(bulk, b);
    Record(inProcess, n);
  }
  PrintFigure(engine);
  if (engine.ok() && !engineGaps.empty()) {
    std::sort(engineGaps.begin(), engineGaps.end());
    const size_t slow = static_cast<size_t>(
        engineGaps.end() - std::upper_bound(engineGaps.begin(), engineGaps.end(), 10.0));
    std::printf("%-36s %zu completions, gaps: median %.1f us, 99th percentile %.2f ms, slowest %.1f ms, %zu over 10 ms\n",
                "", engineGaps.size(), Median(engineGaps) * 1000,
                engineGaps[std::min(engineGaps.size() - 1, engineGaps.size() * 99 / 100)], engineGaps.back(), slow);
  }
  PrintFigure(walk);
  PrintFigure(bulk);
  PrintFigure(inProcess);
  PrintCpu(engine, inProcess);
  if (engine.ok() && engine.rows != o.rows)
    std::printf("note: the simulator gave %ld rows, not %d\n", engine.rows, o.rows);
  std::fflush(stdout);

  if (o.listView) ListViewFigure(o, sim.host(), sim.port(), folder ? std::string(folder) + "/view" : "", engine);
  else std::printf("%-36s skipped (--no-list-view)\n", "list view (generated table dialog):");
  std::fflush(stdout);

  GetLatency(*table, instance, o.gets, sim.host(), sim.port(), o.v3);

  sim.Stop();
  if (folder) {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
  std::printf("ratio vs snmpwalk: %s\n", Ratio(engine, walk).c_str());
  std::printf("ratio vs snmpbulkwalk: %s\n", Ratio(engine, bulk).c_str());
  std::printf("ratio vs net-snmp bulk walk: %s\n", Ratio(engine, inProcess).c_str());
  return 0;
}
