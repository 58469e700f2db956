// "Port Capability": the bridge port capabilities, read asynchronously with
// a row count.
#pragma once

#include "dialogs/common/DialogBase.h"

class PortCapabilityDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit PortCapabilityDialog(const DialogContext& context);

  void refreshClicked();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* capabilityList;
  QPlainTextEdit* messages;
  QLabel* countLabel;
  QPushButton* refreshButton;
  QPushButton* closeButton;

 protected:
  void FirstRefresh() override;
};
