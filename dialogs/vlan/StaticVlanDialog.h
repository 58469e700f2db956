// The 802.1Q static VLAN table: the VLANs as lines, a selected VLAN's name
// and its egress, forbidden and untagged ports on three port grids; VLANs are
// added with createAndGo, changed and deleted with destroy.
#pragma once

#include "dialogs/common/DialogBase.h"

class StaticVlanDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit StaticVlanDialog(const DialogContext& context);

  void refreshClicked();
  void setClicked();
  void addClicked();
  void deleteClicked();
  void selectionChanged();

  QTreeWidget* vlanList = nullptr;
  QLineEdit* vlanIdEdit = nullptr;
  QLineEdit* vlanNameEdit = nullptr;
  QComboBox* statusCombo = nullptr;
  QLabel* nextFreeIndexLabel = nullptr;
  QTabWidget* portTabs = nullptr;
  PortGrid* egressPorts = nullptr;
  PortGrid* forbiddenPorts = nullptr;
  PortGrid* untaggedPorts = nullptr;
  QPlainTextEdit* messages = nullptr;
  QPushButton* refreshButton = nullptr;
  QPushButton* setButton = nullptr;
  QPushButton* addButton = nullptr;
  QPushButton* deleteButton = nullptr;
  QPushButton* closeButton = nullptr;

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
