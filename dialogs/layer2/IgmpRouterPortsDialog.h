// IGMP snooping router ports: the static, dynamic and forbidden router
// ports of each VLAN for IGMP snooping (RouterPortsDialog).
#pragma once

#include "dialogs/layer2/RouterPortsDialog.h"
#include "dialogs/common/DialogBase.h"

class IgmpRouterPortsDialog : public RouterPortsDialog {
  Q_OBJECT

 public:
  explicit IgmpRouterPortsDialog(const DialogContext& context);
  void setClicked();

  QLabel* vlanIdLabel = nullptr;
  QLabel* vlanNameLabel = nullptr;
};
