// "Unicast Information": the static unicast entries of the Q-BRIDGE
// forwarding table with the one port each may go to, added and deleted.
#pragma once

#include "dialogs/vlan/StaticFilterDialog.h"

class StaticUnicastFilterDialog : public StaticFilterDialog {
  Q_OBJECT

 public:
  explicit StaticUnicastFilterDialog(const DialogContext& context);

  void addClicked() override;
  void deleteClicked() override;

  PortGrid* allowPorts;
};
