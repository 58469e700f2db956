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
// either operation, and rows are handed on one per read. When a GETBULK fails
// and GET-NEXT answers the same read, the walk goes on by GET-NEXT; an agent
// that refuses GETBULK itself (no answer to it, or noSuchName, genErr or
// nothing usable as its first GETBULK reply of the session) is walked with
// GET-NEXT for the rest of the session, while after an error of one object
// the next walk asks by GETBULK again.
//
// Synchronous operations raise KySNMPException. Asynchronous ones raise only
// when the send itself fails; their outcome reaches the callback, which runs
// from the event pump. A completion that arrives after its request is gone
// finds that out and touches nothing.
#pragma once

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
  // GETBULK: repetitions asked at most, and the largest reply aimed at (one
  // unfragmented UDP datagram over Ethernet).
  static constexpr int32_t kMaxRepetitions = 100;
  static constexpr int32_t kReplyBudget = 1472;
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
    size_t column = 0;
    uint64_t batch = 0;  // the reply it came from
  };
  struct BulkStep;

  std::vector<KyVb> BuildPdu(Mode mode);
  bool BulkWalk(const KySnmpTarget& target) const;
  const WalkFact* KnownFact(const KyOid& name) const;
  // Answers for the bindings of a GET-NEXT from the walk's knowledge; the
  // positions without an answer go into `missing`. `newest`: an answer came
  // from the latest reply.
  std::vector<KyVb> AnswerFromFacts(const std::vector<KyVb>& asked, std::vector<size_t>& missing,
                                    bool* newest = nullptr) const;
  // Learns from a GETBULK reply to `asked[missing]`; false when it brought
  // no successor for one of them.
  bool LearnFromBulk(const std::vector<KyVb>& asked, const std::vector<size_t>& missing,
                     const std::vector<KyVb>& reply);
  // Drops what lies behind the walk: `at` holds the name each column asks
  // for next (empty: unknown).
  void PruneFacts(const std::vector<KyVb>& at);
  // Asynchronous walks read one reply ahead: once rows of the latest reply
  // are handed on, the GETBULK that continues its columns is sent, and the
  // agent works on it while the rows are used. A read that needs it waits.
  void ReadAhead();
  void OnReadAhead(uint64_t walk, KySnmpOutcome& reply);
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
  uint64_t batch_ = 0;                 // number of the latest reply learnt
  std::vector<KyVb> aheadFrom_;        // where the columns of the latest reply go on (empty OID: ended)
  bool aheadSent_ = true;              // the read-ahead of the latest reply is sent (or not needed)
  bool aheadInFlight_ = false;
  int32_t aheadReps_ = 0;
  std::shared_ptr<BulkStep> waiting_;  // a read waiting for the read-ahead
  int32_t repsCap_ = kMaxRepetitions;  // lowered when the agent answers tooBig
  double vbBytes_ = 0;                 // encoded bytes per binding, as measured
};

// Numeric evaluation of an expression text (after substitution): + - * /,
// parentheses, "NOW" (days since 1899-12-30). Exposed for tests.
double KyEvaluateNumber(const std::string& text);
// Condition evaluation: | & ! and the comparisons <> >= <= > < = over texts.
// Raises -1 "Bad logic operand!" for a bare operand other than true/false.
bool KyEvaluateLogic(const std::string& text);
