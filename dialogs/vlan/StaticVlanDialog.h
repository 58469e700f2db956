// The 802.1Q static VLAN table: the VLANs as lines, a selected VLAN's name
// and its egress, forbidden and untagged ports on three port grids; VLANs are
// added with createAndGo, changed and deleted with destroy.
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class PortGrid;

class StaticVlanDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit StaticVlanDialog(const DialogContext& context);

  void BT_GetClick();
  void BT_SetClick();
  void BT_AddClick();
  void BT_DeleteClick();
  void LV_dot1qVlanStaticEntryClick();

  QTreeWidget* LV_dot1qVlanStaticEntry = nullptr;
  QLineEdit* ED_VLANID = nullptr;
  QLineEdit* ED_VLANName = nullptr;
  QComboBox* Status = nullptr;
  QLabel* NextFreeLocalVlanIndex = nullptr;
  QTabWidget* PageControl1 = nullptr;
  PortGrid* EgressPorts = nullptr;
  PortGrid* ForbiddenEgressPorts = nullptr;
  PortGrid* UntaggedPorts = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* BT_Add = nullptr;
  QPushButton* BT_Delete = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override;

 private:
  void ClearFields();
  void ButtonsAfterRefresh();
  // While a read or write of the dialog runs: shows the busy text, true.
  bool RefusedWhileBusy();
  // The VLAN ID field holds a VLAN (1 to 4094); otherwise says so.
  bool CheckVlanId();
  // Apply on the table binding; an error goes to the memo.
  void Write();

  KySNMPRequest2Edits* table_ = nullptr;
  KySNMPRequest2Edits* nextFree_ = nullptr;
};
