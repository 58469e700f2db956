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
class QLabel;
class QLineEdit;
class QTimer;


class KySNMPRequest2Controls {
 public:
  // Called after an asynchronous Refresh / Apply: user data, this object, the result.
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
  void Refresh();
  // Writes the variables; with `convert` the controls are read back first.
  // The index list and values go to the request's write unchanged.
  void Apply(bool refreshAfter, bool convert, const std::string& indexList = {},
             const std::vector<std::string>* values = nullptr);

  QWidget* Owner() const { return owner_; }

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
  void ReadEnd();  // ReadStopped, then busy cleared
  // A GET that found some objects missing: the values that did arrive.
  void ShowPartialValues();

  QPointer<QWidget> owner_;
  QPointer<QWidget> statusTarget_;
  // Shared with the completions in flight; cleared by Detach.
  std::shared_ptr<KySNMPRequest2Controls*> self_;
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
