// Three small port-list dialogs: traffic segmentation (the ports each port
// may forward to), the deletion of a learned port-security entry, and the
// guest VLAN of 802.1X.
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class PortGrid;

class GuestVlanDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit GuestVlanDialog(const DialogContext& context);
  void BT_GetClick();
  void BT_SetClick();
  void BT_DeleteClick();

  QLineEdit* edtName = nullptr;
  PortGrid* Ports = nullptr;
  QComboBox* cbxDel = nullptr;  // hidden
  QLabel* StatusPanel = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* BT_Delete = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  KySNMPRequest2Edits* guest_ = nullptr;
  KySNMPRequest2Edits* delete_ = nullptr;
};
