// The static, dynamic and forbidden router ports of each VLAN, for IGMP
// snooping and for MLD snooping, on three port grids.
#pragma once

#include "dialogs/layer2/RouterPortsDialog.h"
#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class PortGrid;

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
