// "Multicast Information": the static multicast entries of the Q-BRIDGE
// forwarding table with their egress ports, added, set and deleted.
#pragma once

#include "dialogs/vlan/StaticFilterDialog.h"

class StaticMulticastFilterDialog : public StaticFilterDialog {
  Q_OBJECT

 public:
  explicit StaticMulticastFilterDialog(const DialogContext& context);

  void addClicked() override;
  void setClicked();
  void deleteClicked() override;

  PortGrid* egressPorts;
  QPushButton* setButton;
};
