// Binding of a request's variables to the controls of one window.
//
// KySNMPRequest2Controls owns a request and drives it: Refresh reads (one GET,
// or a walk over a table) and hands each row to the derived class; Apply lets
// the derived class read the controls back into the value texts and writes
// them with SET; the outcome goes to a status line. KySNMPRequest2Edits keeps
// the associations between variables and controls and converts between value
// texts, option labels and control states, for whole values, pieces at byte
// offsets and single bits (port lists). Its table side shows the rows of a
// walk in a list view.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QTreeWidget>
#include <QWidget>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editors/ByteImage.h"
#include "editors/EditConstraint.h"
#include "editors/UiSupport.h"
#include "snmp/Messages.h"
#include "snmp/Request.h"
#include "snmp/VarList.h"

class QCheckBox;
class QComboBox;
class QEventLoop;
class QLabel;
class QLineEdit;
class QTimer;
class KySNMPRequest2Controls;

// Texts of the busy refusals, spelled as the dialogs show them.
inline constexpr const char* kRefreshNotComplete = "Refresh Not Complete";
inline constexpr const char* kRefreshNotCompleteLower = "Refresh not complete";
inline constexpr const char* kGetDataNotComplete = "Get data not complete";
inline constexpr const char* kGetDataNotComplet = "Get data not complet";

// The bindings of one dialog, guarded together. While one of them reads or
// writes, a read or write asked for anew (a button of the dialog: Refresh,
// Set, Add, Delete) is refused: the dialog's busy text is shown and nothing
// is sent, so that a running walk is never cut short by a second exchange on
// its request. What the running work asks for itself still goes: the
// exchanges started in the same turn of the event loop as the one that made
// the dialog busy (a handler that reads two tables), and those started from
// a completion of one of the dialog's bindings (a write's re-read, a read
// that follows another).
class BindingGroup : public std::enable_shared_from_this<BindingGroup> {
 public:
  // `dialog`: the window the refusal is shown over.
  static std::shared_ptr<BindingGroup> Create(QWidget* dialog);
  ~BindingGroup();
  BindingGroup(const BindingGroup&) = delete;
  BindingGroup& operator=(const BindingGroup&) = delete;

  // The text of a refusal.
  QString busyText = QString::fromLatin1(kRefreshNotComplete);
  // Shows a refusal; by default a message box over the dialog.
  std::function<void(const QString& text)> showRefusal;

  // Whether a binding of the group reads or writes.
  bool busy() const;
  // Whether a new exchange asked for now would be refused.
  bool refuses() const;
  // True when a new exchange may start now; otherwise shows the refusal
  // with `text` (the busy text when empty) and answers false.
  bool admit(const QString& text = {});

  // Lets the event loop run until no binding of the group reads or writes,
  // at most timeoutMs; false when they are still busy then.
  bool waitIdle(int timeoutMs);
  // Lets the event loop run until `done` answers true (asked at once and
  // whenever a binding of the group stops reading or writing), at most
  // timeoutMs; answers done().
  bool waitUntil(const std::function<bool()>& done, int timeoutMs);
  // Whether a handler of the dialog waits for a synchronous exchange (its
  // stack is further down: the dialog must not go before it returns).
  bool waiting() const { return waits_ > 0; }
  // Runs when the last such wait has returned.
  std::function<void()> waitsEnded;

 private:
  friend class KySNMPRequest2Controls;
  explicit BindingGroup(QWidget* dialog);
  void add(KySNMPRequest2Controls* binding);
  void remove(KySNMPRequest2Controls* binding);
  void bindingIdle();  // a binding has stopped reading or writing
  void openTurn();
  bool fresh() const;  // a new request of the operator, not a follow-up
  // A synchronous exchange's wait: what runs in its loop is a new turn.
  struct WaitState {
    bool turnOpen = false;
    int completions = 0;
  };
  WaitState beginWait();
  void endWait(const WaitState& saved);

  QPointer<QWidget> dialog_;
  std::vector<KySNMPRequest2Controls*> members_;
  int completions_ = 0;     // completions of the group's bindings running
  bool turnOpen_ = false;   // an exchange started in the current turn
  uint64_t turn_ = 0;
  int waits_ = 0;           // synchronous waits running
  struct Waiter {
    std::function<bool()> done;
    QEventLoop* loop;
  };
  std::vector<Waiter*> waiters_;  // the waits running, innermost last
  // A write has failed: the "Ok" of what follows from the same request of
  // the operator (the re-read) does not replace its error.
  bool keepError_ = false;
};


class KySNMPRequest2Controls {
 public:
  // getDone: called whenever a Refresh ends, in either mode, with its
  // result; setDone: after an asynchronous Apply. User data, this object,
  // the result.
  using DoneCallback = std::function<void(void* userData, KySNMPRequest2Controls* sender, const KySNMPError& result)>;

  explicit KySNMPRequest2Controls(QWidget* owner);
  virtual ~KySNMPRequest2Controls();
  KySNMPRequest2Controls(const KySNMPRequest2Controls&) = delete;
  KySNMPRequest2Controls& operator=(const KySNMPRequest2Controls&) = delete;

  // A memo (QPlainTextEdit), a status bar (QStatusBar) or one panel of a
  // status bar (QLabel); null for none.
  void SetStatusTarget(QWidget* target);
  QWidget* StatusTarget() const { return statusTarget_; }
  // The status line of the current status kind with this error text.
  void ShowStatus(const std::string& errorText);

  // Reads the variables and distributes the values (RowReceived per row).
  // False when the binding's group refused it (nothing was sent).
  bool Refresh();
  // Writes the variables; with `convert` the controls are read back first.
  // The index list and values go to the request's write unchanged. False
  // when the binding's group refused it (nothing was sent).
  bool Apply(bool refreshAfter, bool convert, const std::string& indexList = {},
             const std::vector<std::string>* values = nullptr);

  // Switches the request off (a walk sends no further exchange) and waits,
  // in a nested event loop, until the exchange in flight has ended (its
  // reply or its timeout delivered) or `timeoutMs` has passed. True when
  // nothing runs any more. Inside a completion, where no exchange can be
  // delivered, it does not wait. The binding may be destroyed during the
  // wait (the window closes in it): it then returns true and touches
  // nothing of it.
  bool StopAndWait(int timeoutMs = KySNMPRequest::kDestroyWaitMs);

  QWidget* Owner() const { return owner_; }
  // Puts the binding into the group of its dialog (null: none, unguarded).
  void JoinGroup(std::shared_ptr<BindingGroup> group);
  BindingGroup* Group() const { return group_.get(); }

  KySNMPRequest request;
  DoneCallback getDone;
  DoneCallback setDone;
  void* userData = nullptr;
  bool asynchronous = true;
  bool busy = false;
  int statusKind = kGetStatus;  // kGetStatus or kSetStatus
  bool refreshAfterSet = true;

 protected:
  virtual void BeforeGet() {}
  virtual void BeforeSet() {}
  virtual void RowReceived() = 0;
  virtual void ControlsToValues() {}
  virtual void GetFailed(const KySNMPError& result);
  virtual void SetFailed(const KySNMPError& result);
  virtual void AfterGet() {}
  virtual void AfterSet() {}
  // Called whenever a read ends, however it ends (after AfterGet, an error,
  // a stopped chain), just before busy is cleared.
  virtual void ReadStopped() {}

  // Stops delivering completions to this object; the derived destructor
  // calls it before its own parts go.
  void Detach();

 private:
  RequestCallback ReadCallback();
  RequestCallback WriteCallback();
  void OnReadDone(const KySNMPError& error);
  void OnWriteDone(const KySNMPError& error);
  void Failed(int kind, const KySNMPError& result);
  void FinishGet(const KySNMPError& result);
  // Counts a completion of one of the group's bindings while it runs.
  class CompletionScope {
   public:
    explicit CompletionScope(std::shared_ptr<BindingGroup> group);
    ~CompletionScope();
    CompletionScope(const CompletionScope&) = delete;
    CompletionScope& operator=(const CompletionScope&) = delete;

   private:
    std::shared_ptr<BindingGroup> group_;
  };

  // A synchronous exchange runs as an asynchronous one while the caller
  // waits in a nested event loop (the window keeps painting and answering);
  // the completion ends the wait.
  struct SyncWait;
  // Waits for the exchange; false when this object went meanwhile (the
  // caller must touch nothing of it) or the wait was given up.
  bool WaitForExchange(const std::shared_ptr<SyncWait>& wait);
  // Ends the synchronous wait with the outcome (no wait: nothing).
  bool EndSyncWait(const KySNMPError& result, std::exception_ptr failure = nullptr);
  // Whether a synchronous exchange may wait in a nested loop here (not from
  // inside a completion, where the pump cannot run; not without the pump).
  static bool CanWaitNested();
  void RefreshBlocking();
  void ApplyBlocking(const std::string& indexList, const std::vector<std::string>* values);
  // "Ok" on the status line, unless a failed write's error must stay.
  void ShowOk();
  // The end of a read on the status line: "Ok", or, for a walk switched off
  // before the table's end, that it was stopped and how many rows it read.
  void ShowReadEnd();
  void WriteFailed();  // marks the group's error as one to keep

  void ReadEnd();  // ReadStopped, then busy cleared
  void SetIdle();  // busy cleared, the group told
  // A GET that found some objects missing: the values that did arrive.
  void ShowPartialValues();

  QPointer<QWidget> owner_;
  QPointer<QWidget> statusTarget_;
  // Shared with the completions in flight; cleared by Detach.
  std::shared_ptr<KySNMPRequest2Controls*> self_;
  std::shared_ptr<BindingGroup> group_;
  std::shared_ptr<SyncWait> syncWait_;
  std::vector<QEventLoop*> idleWaits_;  // StopAndWait's loops, ended when busy clears
  int rowsRead_ = 0;          // rows the running or last read delivered
  bool walkStopped_ = false;  // the last walk was switched off before its end
};

// One association between a variable and its controls.
struct ControlBinding {
  int variable = 0;
  int offset = 0;                         // byte offset of the piece
  std::optional<ImageSyntax> pieceSyntax; // unset: the variable's own syntax
  const KyOptionList* options = nullptr;  // instead of the variable's own
  std::vector<int> bits;                  // bit binding: bit number per control
  // A port grid bound to a port list: a value shorter than the grid reads
  // as unchecked ports, and a write keeps the length the agent uses.
  bool portList = false;
  std::vector<QPointer<QWidget>> controls;
  std::vector<ControlHandler> savedHandlers;
  int count() const { return static_cast<int>(controls.size()); }
};

class KySNMPRequest2Edits : public KySNMPRequest2Controls {
 public:
  explicit KySNMPRequest2Edits(QWidget* form);
  ~KySNMPRequest2Edits() override;

  // Association operations: one binding for variable `index`, offset 0, the
  // variable's syntax and option list.
  void AssociateControl(int index, QLabel* label);
  void AssociateControl(int index, QComboBox* combo);  // drop-down list style
  void AssociateControl(int index, QWidget* control);  // edit, combo box, radio group, check box, label
  // One edit per constraint in `format`.
  void AssociateEdits(int index, const std::string& format, const std::vector<QLineEdit*>& edits);
  void AssociateEdits(int index, const std::string& format, QLineEdit* edit) {
    AssociateEdits(index, format, std::vector<QLineEdit*>{edit});
  }
  // Bit binding: the bit list is comma-separated numbers; the first n check
  // boxes are bound, n = count of numbers.
  void AssociateBits(int index, const std::string& bitList, const std::vector<QCheckBox*>& boxes);
  // A port grid: bit binding of a port list. Ports the value does not cover
  // read as unchecked (no error); the value written has the length the
  // agent sent for the variable (a new table row: the length of the rows
  // in the list view, else kPortListOctets) and keeps the bits no box is
  // bound to as they were read. A checked port beyond that length
  // lengthens the value.
  void AssociatePortList(int index, const std::string& bitList, const std::vector<QCheckBox*>& boxes);
  // The length of a port list of which the agent has sent nothing: one unit
  // of 64 ports.
  static constexpr size_t kPortListOctets = 8;
  // A binding built by the caller (pieces at offsets, own option lists,
  // combo box with a second edit). Controls are checked like the others.
  void AddBinding(ControlBinding binding);
  void Disassociate(int index);
  void EnableControls(bool enabled);
  void SetConstraintForm(QWidget* form);
  KyEditConstraint& Constraints() { return constraints_; }

  // Values to controls / controls to values for one variable, or all (-1).
  void FillControls(int index = -1);
  void ReadControls(int index = -1);

  const std::vector<std::unique_ptr<ControlBinding>>& Bindings() const { return bindings_; }

  // Table side.
  void AttachListView(QTreeWidget* listView, bool disableUntilSelected);
  QTreeWidget* ListView() const { return listView_; }
  void BuildColumns();
  void AddRow();
  void SelectedRowToValues();
  // Variable shown in list-view column `column` (-1 for none).
  int ColumnVariable(int column) const;
  bool disableUntilSelected = false;
  // The clock (milliseconds) by which a walk's held lines are timed: the SNMP
  // pump's. A test sets its own to decide when the interval has passed.
  std::function<long long()> rowClock;

  // Public for the panels that drive the flows.
  void ControlsToValues() override;

 protected:
  void BeforeGet() override;
  void RowReceived() override;
  void AfterGet() override;
  void ReadStopped() override;
  virtual void ListViewChanged();

 private:
  void CheckBindingControls(const ControlBinding& b, const KySNMPVarDef& var) const;
  void FillBinding(const ControlBinding& b);
  void ReadVariable(int index);
  void FillOptionItems(const ControlBinding& b);
  // Notes what the agent sent for the port lists of the row just read.
  void NotePortListsRead();
  // The bytes a port list is written over when the variable holds none.
  std::string PortListBase(int index) const;
  // Puts the lines held back during a walk into the list view.
  void ShowHeldRows();

  std::vector<std::unique_ptr<ControlBinding>> bindings_;
  KyEditConstraint constraints_;
  QPointer<QTreeWidget> listView_;
  std::vector<int> columnVar_;
  QMetaObject::Connection selectionConnection_;
  // A walk puts its lines into the view together, every few tens of
  // milliseconds (longer as the view fills), not one by one (the view lays
  // out and draws itself anew for every change).
  bool walking_ = false;                   // from BeforeGet to the end of the read
  QList<QTreeWidgetItem*> heldRows_;       // owned until they go into the view
  std::unique_ptr<QTimer> rowTimer_;       // shows held lines between replies
  long long shownAtMs_ = -1;               // rowClock when lines last went into the view, -1: never
  long long SinceShownMs() const;
  // Port lists as the agent sent them in the last read without a list view,
  // by variable.
  std::map<int, std::string> readPortLists_;
};
