// MLD snooping router ports: the static, dynamic and forbidden router
// ports of each VLAN for MLD snooping (RouterPortsDialog).
#pragma once

#include "dialogs/layer2/RouterPortsDialog.h"
#include "dialogs/common/DialogBase.h"

class MldRouterPortsDialog : public RouterPortsDialog {
  Q_OBJECT

 public:
  explicit MldRouterPortsDialog(const DialogContext& context);
  void BT_SetClick();
  void BT_StopClick();
  void reject() override;

  QLabel* stVlanID = nullptr;
  QPushButton* BT_Stop = nullptr;
};
