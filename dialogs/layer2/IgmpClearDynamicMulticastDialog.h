// "IGMP Snooping Clear Dynamic IP Multicast": clears dynamically learned IP
// multicast entries of all VLANs, a VLAN or a group, with one write.
#pragma once

#include "dialogs/common/DialogBase.h"

class IgmpClearDynamicMulticastDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit IgmpClearDynamicMulticastDialog(const DialogContext& context);

  void btnSetClick();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QLineEdit* edtVID;
  QLineEdit* edtIPAddr;
  QComboBox* cbMultAction;
  QPushButton* btnSet;
  QPushButton* btnClose;
  QStatusBar* StatusBar1;
  QLabel* StatusPanel0;

 protected:
  void FirstRefresh() override;
};
