// Port security delete control: deletes one learned port-security entry,
// addressed by VLAN, port and MAC address.
#pragma once

#include "dialogs/common/DialogBase.h"

class PortSecurityDeleteDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit PortSecurityDeleteDialog(const DialogContext& context);
  void refreshClicked();
  void setClicked();

  QLineEdit* vlanNameEdit = nullptr;
  QLineEdit* macEdit = nullptr;
  QLineEdit* unitEdit = nullptr;  // hidden: always unit 1
  QLineEdit* portEdit = nullptr;
  QLabel* statusLabel = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void showUnitPort();
  KySNMPRequest2Edits* delete_ = nullptr;
  QLineEdit* globalPortEdit = nullptr;  // hidden: the global port
  QComboBox* operationCombo = nullptr;  // hidden
};
