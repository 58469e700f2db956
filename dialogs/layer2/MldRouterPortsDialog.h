// MLD snooping router ports: the static, dynamic and forbidden router
// ports of each VLAN for MLD snooping (RouterPortsDialog).
#pragma once

#include "dialogs/layer2/RouterPortsDialog.h"
#include "dialogs/common/DialogBase.h"

class MldRouterPortsDialog : public RouterPortsDialog {
  Q_OBJECT

 public:
  explicit MldRouterPortsDialog(const DialogContext& context);
  void setClicked();
  void stopClicked();
  void reject() override;

  QLabel* vlanIdLabel = nullptr;
  QPushButton* stopButton = nullptr;
};
