// The request engine: one object through which a window exchanges a variable
// list with the agent.
//
// A request holds its own copies of the session parameters (taken when it is
// constructed), builds one PDU from the whole list for a first read, a
// continuation read (table walks, one row per exchange) or a write, sends it
// through GlobalSnmp synchronously or asynchronously, and stores the reply's
// values into the items as text.
//
// Synchronous operations raise KySNMPException. Asynchronous ones raise only
// when the send itself fails; their outcome reaches the callback, which runs
// from the event pump. A completion that arrives after its request is gone
// finds that out and touches nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
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

  // How long the destructor waits for outstanding exchanges.
  static constexpr int kDestroyWaitMs = 6000;

 private:
  struct ExchangeRecord;
  enum class Mode { FirstRead, NextRead, Write };

  std::vector<KyVb> BuildPdu(Mode mode);
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
};

// Numeric evaluation of an expression text (after substitution): + - * /,
// parentheses, "NOW" (days since 1899-12-30). Exposed for tests.
double KyEvaluateNumber(const std::string& text);
// Condition evaluation: | & ! and the comparisons <> >= <= > < = over texts.
// Raises -1 "Bad logic operand!" for a bare operand other than true/false.
bool KyEvaluateLogic(const std::string& text);
