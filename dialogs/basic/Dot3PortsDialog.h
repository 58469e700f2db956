// The base of the two EtherLike-MIB MAC-control views: the port list, and
// the counters of the selected port polled at a chosen interval.
#pragma once

#include <functional>

#include "dialogs/common/DialogBase.h"
#include "dialogs/common/DialogLayout.h"

// What both views share: port binding (0) and counter binding (1).
class Dot3PortsDialog : public SnmpDialog {
  Q_OBJECT

 public:
  static constexpr const char* kNoData = "Get data not completed!";

  void refreshClicked();  // "Refresh"
  void portSelected();
  void intervalChanged();
  void pollCounters();

  KySNMPRequest2Edits* PortEditor() const { return Binding(0); }
  KySNMPRequest2Edits* CounterEditor() const { return Binding(1); }

  QTreeWidget* portList;
  QTreeWidget* counterRows;    // hidden: the counters of one read
  QTreeWidget* counterList;  // "Name" / "Value"
  QPlainTextEdit* messages;
  QComboBox* intervalCombo;
  QTimer* pollTimer;
  QPushButton* refreshButton;

 protected:
  Dot3PortsDialog(const DialogContext& context, const char* name, const QString& title, const KyVarDefTable& ports,
            const KyVarDefTable& counters, const QStringList& counterNames, int nameWidth);
  // Places the view's own line of controls under the list, then the
  // interval, the counters and the memo.
  void PlaceControls(QLayout* controls);
  // A button of the view, in its place in the button row.
  QPushButton* AddButton(const QString& text, const char* name, std::function<void()> clicked);
  void FirstRefresh() override;
  virtual void Clear();
  // After each read of the port table, successful or not.
  virtual void OnReady() {}
  // After a port click, also after a failed one.
  virtual void PortClicked() {}
  void AppendError(const std::string& text);

 private:
  void ShowCounters();

  DialogLayout layout_;
  const KyVarDefTable& counters_;
  int counterCount_;
};
