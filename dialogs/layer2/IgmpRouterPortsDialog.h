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

class IgmpRouterPortsDialog : public RouterPortsDialog {
  Q_OBJECT

 public:
  explicit IgmpRouterPortsDialog(const DialogContext& context);
  void BT_SetClick();

  QLabel* ST_VlanID = nullptr;
  QLabel* ST_VlanName = nullptr;
};
