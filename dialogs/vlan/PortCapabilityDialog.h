// "Port Capability": the bridge port capabilities, read asynchronously with
// a row count.
#pragma once

#include "dialogs/common/DialogBase.h"

class PortCapabilityDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit PortCapabilityDialog(const DialogContext& context);

  void refreshClicked();

  QTreeWidget* capabilityList;
  QLabel* countLabel;
  QPushButton* refreshButton;

 protected:
  void FirstRefresh() override;

 private:
  KySNMPRequest2Edits* Editor() const { return Binding(0); }
};
