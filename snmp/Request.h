// The request engine: one object through which a window exchanges a variable
// list with the agent.
//
// A request holds its own copies of the session parameters (taken when it is
// constructed), builds one PDU from the whole list for a first read, a
// continuation read (table walks, one row per read) or a write, sends it
// through GlobalSnmp synchronously or asynchronously, and stores the reply's
// values into the items as text.
//
// Table walks over SNMPv2c and SNMPv3 ask the agent with GETBULK: one
// exchange brings the next rows of every walked column, and the engine keeps
// what it learnt (which OID follows which) for the walk. Each continuation
// read is then answered from that knowledge exactly as the agent would answer
// a GET-NEXT, so the rules of the walk (scope, "(NOTDONE)", row suffix, the
// non-increasing-OID guard, the end of the MIB view) see the same bindings by
// either operation, and rows are handed on one per read. The max-repetitions
// start modest and grow while replies come back whole and in time, up to what
// the agent's largest reply holds; a reply the agent cut short, tooBig or a
// reply that needed a retry shrinks them. Walks keep up to
// `maxInFlight` exchanges in flight: besides the read's own, one GETBULK per
// walked column continues that column ahead of the reads (a lost one is asked
// again alone by the session's retries; a failed one is left to the read that
// reaches it, which asks as it would without them). When a column's replies
// show how its names are spread and the bound leaves room, further streams
// start at later points of the column's index space (midway between a
// stream and the next one's start, or as far ahead as the column was seen
// to reach); a stream ends where it reaches the start of the next one, so
// no name is asked twice, and a stream that starts beyond the column's
// end brings nothing of it. A synchronous read that has to ask sends the
// streams' GETBULKs along with its own and waits for them all. When a
// GETBULK fails and GET-NEXT answers the same read, the walk goes on by
// GET-NEXT; an agent that refuses GETBULK itself (no answer to it, or
// noSuchName, genErr or nothing usable as its first GETBULK reply of the
// session) is walked with GET-NEXT for the rest of the session, while after
// an error of one object the next walk asks by GETBULK again.
//
// Synchronous operations raise KySNMPException. Asynchronous ones raise only
// when the send itself fails; their outcome reaches the callback, which runs
// from the event pump. A completion that arrives after its request is gone
// finds that out and touches nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "snmp/Messages.h"
#include "snmp/SessionParams.h"
#include "snmp/Value.h"
#include "snmp/VarList.h"

// Completion callback of the asynchronous operations: the caller's pointer,
// the outcome and the request's variable list.
using RequestCallback = std::function<void(void* userData, const KySNMPError& error, KySNMPVarList& list)>;

enum class KySnmpOp;
struct KySnmpTarget;
struct KySnmpOutcome;

class KySNMPRequest {
 public:
  // Copies GlobalDevice, GlobalScope, GlobalSecurity, GlobalTimeout and
  // GlobalRetries.
  KySNMPRequest();
  // Clears `enabled`, then lets the pump run for at most 6 s while
  // asynchronous exchanges are outstanding (not when called from inside a
  // completion: the pump cannot run then). Exchanges still in flight
  // afterwards complete without touching anything.
  virtual ~KySNMPRequest();
  KySNMPRequest(const KySNMPRequest&) = delete;
  KySNMPRequest& operator=(const KySNMPRequest&) = delete;

  // --- Exchanges -----------------------------------------------------------
  // Synchronous read. first: start a walk (or read a scalar group or single
  // instance); otherwise continue the walk. True when a table row was read.
  bool Read(bool first);
  // Asynchronous read; the callback runs from the pump.
  void ReadAsync(RequestCallback callback, void* userData, bool first);
  // Synchronous SET. indexList: item numbers separated by ",", empty for all
  // items; values (optional): the k-th value goes to the k-th listed item.
  // The list is as before the call afterwards, whatever happens.
  void Write(const std::string& indexList = {}, const std::vector<std::string>* values = nullptr);
  void WriteAsync(RequestCallback callback, void* userData, const std::string& indexList = {},
                  const std::vector<std::string>* values = nullptr);

  // --- Index columns -------------------------------------------------------
  // The instance suffix from the index columns' values ("a.b.c").
  std::string EncodeIndex();
  // Sets the index columns from an instance suffix; -514 when it ends early.
  void DecodeIndex(const std::string& suffix);
  // OID of item i without instance: oid, or oid + "." + varList.index.
  std::string RequestOid(int i) const;

  // --- Conditions ----------------------------------------------------------
  bool CheckCondition() { return EvaluateCondition(condition); }
  bool CheckFilter(const std::string& text) { return EvaluateCondition(text); }

  // --- Overridable slots ---------------------------------------------------
  virtual std::string SubstituteValues(const std::string& text, bool quoteStrings, char marker);
  virtual std::string DecodeIndexPart(int i, const std::string& suffix);
  virtual std::string EncodeIndexPart(int i);
  virtual void StoreValue(int i, const KyVb& vb);
  virtual void LoadValue(int i, KyVb& vb);
  virtual void EvaluateExpression(int i, bool afterRead);
  virtual bool EvaluateCondition(const std::string& text);
  // The walk's scope rule on texts; reply processing applies the same rule
  // to the names as numbers.
  virtual bool IsOutOfScope(const std::string& base, const std::string& previous, const std::string& received);

  // --- Fields --------------------------------------------------------------
  bool useGetNext = false;  // a first read of a kind-1 list uses GET-NEXT
  int32_t timeout = 0;      // hundredths of a second
  int32_t retries = 1;
  KySNMPDevice device;
  KySNMPScope scope;
  KySNMPSecurity security;
  KySNMPVarList varList;
  std::string condition;
  bool enabled = true;
  int32_t outstanding = 0;  // asynchronous exchanges sent and not yet completed
  // Table walks use GETBULK over SNMPv2c and SNMPv3 (GET-NEXT when false).
  bool useGetBulk = true;
  // Exchanges a table walk keeps in flight at most (GlobalMaxInFlight).
  int32_t maxInFlight = GlobalMaxInFlight;
  // Set by every read: a GET over SNMPv2c or SNMPv3 reported noSuchName
  // (-102) for a binding that carried noSuchObject or noSuchInstance, and the
  // values of the other bindings went into the items all the same.
  bool partialValues = false;

  // How long the destructor waits for outstanding exchanges.
  static constexpr int kDestroyWaitMs = 6000;
  // GETBULK: repetitions asked at most; the reply aimed at first (one
  // unfragmented UDP datagram over Ethernet) and at most (one UDP datagram).
  static constexpr int32_t kMaxRepetitions = 1000;
  static constexpr int32_t kReplyBudget = 1472;
  static constexpr int32_t kLargestReply = 65000;
  // The max-repetitions the next GETBULK of `columns` bindings would ask.
  int32_t BulkRepetitions(size_t columns) const;
  // Forgets what earlier GETBULK replies taught (the next walk starts afresh).
  void ForgetWalk();

 private:
  struct ExchangeRecord;
  enum class Mode { FirstRead, NextRead, Write };

  // What the agent is known to answer a GET-NEXT of `name` with, from the
  // GETBULK replies of this walk.
  struct WalkFact {
    KyVb next;
    bool spans = false;  // nothing lies between the name and `next` (or nothing follows)
  };
  struct BulkStep;
  // A stream of GETBULKs through one walked column ahead of the reads: the
  // column's own continuation (lanes_[p] for the column at position p), or
  // a stream started at a later point of the column's index space.
  struct Lane {
    size_t column = 0;   // position of the walked column
    KyOid start;         // where the stream started (the column for its own continuation)
    KyOid from;          // where the stream goes on (empty: ended, failed or not known)
    bool busy = false;   // a GETBULK from `from` is in flight ...
    uint64_t exchange = 0;  // ... with this number in the session
    size_t learnt = 0;   // names learnt for the column ...
    size_t used = 0;     // ... and answers the reads took from them
    bool split = false;  // started at a later point of the column
    bool failed = false; // a split stream that met an error: what lies after its start is not known
  };
  // How a walked column's names are spread, from the names seen: the index
  // space is measured by the instance's first sub-identifier, the following
  // ones as fractions of the range seen at their place.
  struct Spread {
    bool seen = false;
    size_t depth = 0;            // sub-identifiers of the longest instance seen (at most kSpreadDepth)
    std::vector<double> radix;   // by place: one more than the largest value seen
    double first = 0;            // where the first name seen lies
    double density = 0;          // names per unit, as the replies showed
    size_t splits = 0;           // streams started in the column
  };
  struct LaneAsk;  // a stream's GETBULK about to leave
  // What a GETBULK reply taught about one binding asked.
  struct Chain {
    KyOid last;          // the last name of the chain of successors
    size_t learnt = 0;
    bool stopped = false;  // ended by an exception, the end of the view or a non-successor
    bool endOfView = false;
  };

  std::vector<KyVb> BuildPdu(Mode mode);
  bool BulkWalk(const KySnmpTarget& target) const;
  const WalkFact* KnownFact(const KyOid& name) const;
  // Answers for the bindings of a GET-NEXT from the walk's knowledge; the
  // positions without an answer go into `missing`.
  std::vector<KyVb> AnswerFromFacts(const std::vector<KyVb>& asked, std::vector<size_t>& missing);
  // Learns from a GETBULK reply to `asked[missing]`; false when it brought
  // no successor for one of them.
  // forReads: the GETBULK was a read's own (the columns' own streams go on
  // from its chains); chains (optional) receives what each binding taught.
  bool LearnFromBulk(const std::vector<KyVb>& asked, const std::vector<size_t>& missing,
                     const std::vector<KyVb>& reply, bool forReads = true, std::vector<Chain>* chains = nullptr);
  // Adjusts the reply size aimed at after a GETBULK of `columns` bindings
  // asking `reps` repetitions, sent `elapsedMs` ago, came back.
  // tryMs: how long one try of it could take.
  void AdjustRepetitions(const KySnmpOutcome& reply, size_t columns, int32_t reps, long long elapsedMs,
                         long long tryMs);
  long long TryMs() const { return static_cast<long long>(timeout > 0 ? timeout : 1) * 10; }
  // Drops what lies behind the walk: `at` holds the name each column asks
  // for next (empty: unknown).
  void PruneFacts(const std::vector<KyVb>& at);
  void PruneBehindItems();
  // Asynchronous walks keep the columns' own GETBULKs in flight, as many as
  // maxInFlight leaves beside the read's own exchange; the agent works on
  // them while the rows are used. A read that needs one of them waits.
  void FillLanes();
  // Chooses up to `slots` streams to ask next and marks them busy.
  std::vector<LaneAsk> PickLanes(int32_t slots);
  // Starts a stream at a later point of a column; false when no part of a
  // column is worth one.
  bool StartSplit();
  void OnLaneReply(uint64_t walk, size_t lane, int32_t reps, long long sentMs, long long tryMs,
                   KySnmpOutcome& reply);
  // What a stream's reply teaches (both ways of walking).
  void LearnFromLane(size_t lane, int32_t reps, long long elapsedMs, long long tryMs, const KySnmpOutcome& reply);
  // A stream that reached the start of a later one of its column ends there.
  void EndAtNextStart(size_t lane);
  // A stream of column `column` in flight brings the answer for `name`.
  bool LaneComing(size_t column, const KyOid& name) const;
  // The spread of column p learns from a chain of its names.
  void NoteSpread(size_t p, const KyOid& first, const KyOid& last, size_t names);
  double SpreadPosition(size_t p, const KyOid& name) const;
  KyOid SpreadName(size_t p, double position) const;
  // A read waiting for the lanes tries again (answers, asks, or waits on).
  void WakeWaitingRead();
  // Gives up the lanes in flight (the walk ended or starts again).
  void AbandonLanes();
  int32_t InFlight() const { return lanesInFlight_ + (stepInFlight_ ? 1 : 0); }
  KySnmpOutcome ReadBulkSync(const KySnmpTarget& target, const std::vector<KyVb>& asked);
  // Asynchronous: answers the step from the walk's knowledge (a posted
  // completion) or sends the GETBULK it needs; 0 or the status of a failed send.
  int StepBulk(const std::shared_ptr<BulkStep>& step);
  void OnBulkReply(const std::shared_ptr<BulkStep>& step, KySnmpOutcome& reply);
  // The GET-NEXT that stood in for a failed GETBULK of walk `walk` worked:
  // the rest of that walk, or every walk to an agent that refuses GETBULK,
  // goes on by GET-NEXT.
  void FallBackToGetNext(const KySnmpTarget& target, const KySnmpOutcome& bulk, uint64_t walk);
  // A GET reply with noSuchObject/noSuchInstance bindings, or a SET reply
  // with those or endOfMibView (nothing was written), reads as the SNMPv1
  // noSuchName: status and error index are set; true when it did.
  static bool MissingObjectsAsNoSuchName(KySnmpOp op, KySnmpOutcome& outcome);
  KySnmpOp ReadOperation() const;
  // Reply processing shared by Read and the asynchronous completion; true
  // when at least one walked column is still in its subtree.
  // asked: the bindings of the request, in the same order.
  bool ProcessReply(const std::vector<KyVb>& vbs, const std::vector<KyVb>& asked);
  bool FirstItemRepeats(const std::vector<KyVb>& vbs) const;
  void ApplyIndexList(const std::string& indexList, const std::vector<std::string>* values);
  void Complete(const ExchangeRecord& record, struct KySnmpOutcome& outcome);
  void SendAsync(bool first, bool read, RequestCallback callback, void* userData);

  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
  std::map<KyOid, WalkFact> facts_;
  uint64_t walk_ = 0;                  // number of the current walk
  bool walkByNext_ = false;            // the current walk's GETBULK failed: it goes on by GET-NEXT
  std::shared_ptr<const KySnmpTarget> walkTarget_;  // where the lanes of the walk go
  std::vector<Lane> lanes_;            // the columns' own by position, then the split streams
  std::vector<Spread> spreads_;        // by position of the walked column
  std::vector<KyOid> laneBases_;       // the walked columns' names
  int32_t lanesInFlight_ = 0;
  bool stepInFlight_ = false;          // a read's own GETBULK is in flight
  std::vector<size_t> stepColumns_;    // the columns it asks ...
  std::vector<KyOid> stepNames_;       // ... and the names it asks, by column position
  // The read's own GETBULK asks what stream q would ask.
  bool StepAsks(size_t q) const;
  bool walkOver_ = true;               // the walk ended: no more lanes
  std::shared_ptr<BulkStep> waiting_;  // a read waiting for the lanes
  int32_t repsCap_ = kMaxRepetitions;  // lowered when the agent answers tooBig
  double aimBytes_ = kReplyBudget;     // reply size aimed at
  size_t agentBindings_ = SIZE_MAX;    // the bindings of the shortest reply the agent cut short
  double vbBytes_ = 0;                 // encoded bytes per binding, as measured
  double laneRoundTripMs_ = 0;         // of the lanes' replies that came at the first try
  // The walked columns' names as numbers, with the texts they were read
  // from, and the name each column asked for last (text and number).
  struct NameCache {
    std::string baseText, baseCanonical, lastText;
    KyOid base, last;
  };
  std::vector<NameCache> names_;
  const KyOid& BaseOf(int i);
};

// Numeric evaluation of an expression text (after substitution): + - * /,
// parentheses, "NOW" (days since 1899-12-30). Exposed for tests.
double KyEvaluateNumber(const std::string& text);
// Condition evaluation: | & ! and the comparisons <> >= <= > < = over texts.
// Raises -1 "Bad logic operand!" for a bare operand other than true/false.
bool KyEvaluateLogic(const std::string& text);
