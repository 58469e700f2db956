// The base of hand-written SNMP dialogs, the counterpart of GeneratedDialog for
// generated ones. It owns the dialog's bindings and frees them in a safe
// order; on close it stops them and waits (bounded, never from inside a
// completion) for running requests; it runs the dialog's first refresh once
// the dialog is on the screen; Enter typed into a field neither closes the
// dialog nor clicks a button. It also offers the pieces many dialogs share:
// a ready flag set by a completed read, the busy guards with their
// messages, and the "Samples" line counter of a list view.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editors/ControlBinding.h"
#include "snmp/VarList.h"

class KySNMPRequest2Edits;
class QLabel;
class QTreeWidget;

class SnmpDialog : public QDialog {
  Q_OBJECT

 public:
  // How long closing waits for running requests at most.
  static constexpr int kCloseWaitMs = 10000;

  explicit SnmpDialog(QWidget* owner = nullptr);
  // Stops and waits as on close, then frees the bindings, the last made first.
  ~SnmpDialog() override;

  // A new binding owned by the dialog, with a copy of `list` in its request,
  // the dialog as constraint form, and the given mode and status target
  // (null for none).
  KySNMPRequest2Edits* AddBinding(const KySNMPVarList& list, bool asynchronous, QWidget* statusTarget);
  // The same with a static table, its own kind and key count.
  KySNMPRequest2Edits* AddBinding(const KyVarDefTable& table, bool asynchronous, QWidget* statusTarget);
  // The same with a binding of a class derived from KySNMPRequest2Edits
  // (made with the dialog as its form): T(QWidget*).
  template <class T>
  T* AddBindingOf(const KyVarDefTable& table, bool asynchronous, QWidget* statusTarget) {
    auto binding = std::make_unique<T>(this);
    T* raw = binding.get();
    AdoptBinding(std::move(binding), KySNMPVarList(table), asynchronous, statusTarget);
    return raw;
  }
  KySNMPRequest2Edits* AdoptBinding(std::unique_ptr<KySNMPRequest2Edits> binding, const KySNMPVarList& list,
                                    bool asynchronous, QWidget* statusTarget);
  KySNMPRequest2Edits* Binding(int i) const;
  int BindingCount() const { return static_cast<int>(bindings_.size()); }
  // Whether any binding has a request running.
  bool AnyBusy() const;

  // Whether the deferred first refresh has run.
  bool FirstRefreshDone() const { return firstRefreshDone_; }
  // Clears every request's enabled flag and lets the event loop run while a
  // binding is busy: at most kCloseWaitMs, and not at all inside a
  // completion (the pump cannot run there; the chain ends by itself).
  void FormClose();
  bool Closed() const { return closed_; }

  // The ready flag: set whenever a read of `binding` completes (through its
  // getDone), then `onReady` runs (may be empty). Clear at first.
  void TrackReady(KySNMPRequest2Edits* binding, std::function<void()> onReady = {});
  bool Ready() const { return ready_; }
  void SetReady(bool ready) { ready_ = ready; }

  // Busy guard of a handler: while a binding of the dialog reads or writes,
  // shows `message` in a message box and answers true (the handler stops).
  // `binding` null: no guard.
  bool RefuseWhileBusy(const KySNMPRequest2Edits* binding, const QString& message);
  // The text with which the dialog's bindings refuse a read or write asked
  // for while one of them is busy ("Refresh Not Complete" unless set).
  void SetBusyText(const QString& text);
  // The dialog's bindings, guarded together.
  BindingGroup& Bindings() const { return *group_; }

  // The "Samples" counter: a caption "Samples" and a sunken static text under
  // `parent`, kept at the line count of `view` (after each read and on every
  // change of the view). Returns the static text. The caller places the
  // caption (given through `caption`) or leaves it to the dialog, which puts
  // it just before the static text once that is in a layout.
  QLabel* AddSamplesCounter(QWidget* parent, QTreeWidget* view, QLabel** caption = nullptr);
  void UpdateSamples();

  // Shows an error text: through the status line of binding 0 when it has a
  // status target, else in a message box.
  virtual void ShowError(const std::string& text);

  void done(int result) override;
  // Before the first show: places a "Samples" caption its caller left out
  // beside its counter, keeps every list fitted to its texts and fits the
  // window to its caption and its screen (editors/WindowFit.h).
  void setVisible(bool visible) override;

 protected:
  // The dialog's first read; runs once, after the dialog is first shown.
  // An exception is shown with ShowError.
  virtual void FirstRefresh() {}

  // A deferred delete that arrives while a handler of the dialog waits for
  // a synchronous exchange is carried out once that handler has returned.
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  std::shared_ptr<BindingGroup> group_;
  std::vector<std::unique_ptr<KySNMPRequest2Edits>> bindings_;
  bool firstRefreshPosted_ = false;
  bool firstRefreshDone_ = false;
  bool closed_ = false;
  bool ready_ = false;
  bool deleteAfterWait_ = false;
  void PlaceSamplesCaption();

  bool fitted_ = false;
  QPointer<QLabel> samplesCaption_;
  QPointer<QLabel> samples_;
  QPointer<QTreeWidget> samplesView_;
};
