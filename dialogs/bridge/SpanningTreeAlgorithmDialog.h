// Switches the spanning tree of the switch on and off. Enabling asks first
// and holds the operator in a progress window while the switch works.
#pragma once

#include <QPointer>

#include "dialogs/common/DialogBase.h"

class ProgressDialog;

class SpanningTreeAlgorithmDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit SpanningTreeAlgorithmDialog(const DialogContext& context);

  void refreshClicked();
  void setClicked();

  QComboBox* stateCombo;
  QLabel* statusLabel;

 protected:
  void FirstRefresh() override;

 private:
  void ShowStateError(const std::exception& e);
  // Refreshes the state now, or once the running write has ended.
  void RefreshWhenWritten();
  void RefreshState();

  KySNMPRequest2Edits* state_ = nullptr;
  bool refreshPending_ = false;
  bool writeFailed_ = false;     // the last write was refused or timed out
  QPointer<ProgressDialog> progress_;  // shown while enabling
};
