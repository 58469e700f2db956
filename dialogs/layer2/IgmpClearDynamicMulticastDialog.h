// "IGMP Snooping Clear Dynamic IP Multicast": clears dynamically learned IP
// multicast entries of all VLANs, a VLAN or a group, with one write.
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

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
