// Port security delete control: deletes one learned port-security entry,
// addressed by VLAN, port and MAC address.
#pragma once

#include "dialogs/common/DialogBase.h"

class PortSecurityDeleteDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit PortSecurityDeleteDialog(const DialogContext& context);
  void BT_GetClick();
  void BT_SetClick();

  QLineEdit* edtVlan = nullptr;
  QLineEdit* edtPort = nullptr;  // hidden: the global port
  QLineEdit* edtMac = nullptr;
  QComboBox* cbxOper = nullptr;  // hidden
  QLineEdit* UnitEdit = nullptr;  // hidden: always unit 1
  QLineEdit* PortEdit = nullptr;
  QLabel* StatusPanel = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  void ShowUnitPort();
  KySNMPRequest2Edits* delete_ = nullptr;
};
