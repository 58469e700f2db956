// The base of the two EtherLike-MIB MAC-control views: the port list, and
// the counters of the selected port polled at a chosen interval.
#pragma once

#include <vector>

#include "dialogs/common/DialogBase.h"

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
  QPlainTextEdit* memo;
  QComboBox* intervalCombo;
  QTimer* pollTimer;
  QPushButton* refreshButton;
  QPushButton* closeButton;

 protected:
  Dot3PortsDialog(const DialogContext& context, const char* name, const QString& title, const KyVarDefTable& ports,
            const KyVarDefTable& counters, const QStringList& counterNames, int nameWidth);
  // Lays out the list, `middle` (the view's own controls), the counters and
  // the buttons; `extraButtons` go before "Close".
  void FinishLayout(QLayout* middle, const std::vector<QPushButton*>& extraButtons);
  void FirstRefresh() override;
  virtual void Clear();
  // After each read of the port table, successful or not.
  virtual void OnReady() {}
  // After a port click, also after a failed one.
  virtual void PortClicked() {}
  void AppendError(const std::string& text);

 private:
  void ShowCounters();

  const KyVarDefTable& counters_;
  int counterCount_;
};
