// "IGMP Snooping Clear Dynamic IP Multicast": clears dynamically learned IP
// multicast entries of all VLANs, a VLAN or a group, with one write.
#pragma once

#include "dialogs/common/DialogBase.h"

class IgmpClearDynamicMulticastDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit IgmpClearDynamicMulticastDialog(const DialogContext& context);

  QLineEdit* vlanIdEdit;
  QLineEdit* ipEdit;
  QComboBox* actionCombo;
  QPushButton* setButton;

 protected:
  void FirstRefresh() override;

 private:
  KySNMPRequest2Edits* Editor() const { return Binding(0); }
  void setClicked();
};
