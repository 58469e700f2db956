// "Guest VLAN": the name and the ports of the 802.1X guest VLAN, set, or
// deleted by writing "start" to its delete object.
#pragma once

#include "dialogs/common/DialogBase.h"

class GuestVlanDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit GuestVlanDialog(const DialogContext& context);
  void refreshClicked();
  void setClicked();
  void deleteClicked();

  QLineEdit* nameEdit = nullptr;
  PortGrid* portGrid = nullptr;
  QLabel* statusLabel = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  QComboBox* deleteCombo_ = nullptr;  // hidden
  KySNMPRequest2Edits* guest_ = nullptr;
  KySNMPRequest2Edits* delete_ = nullptr;
};
