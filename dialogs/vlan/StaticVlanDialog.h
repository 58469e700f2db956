// "VLAN Static": the 802.1Q static VLAN table, the VLANs as lines, a selected
// VLAN's name and its egress, forbidden and untagged ports on three port
// grids; VLANs are added with createAndGo, changed, and deleted with destroy.
#pragma once

#include "dialogs/common/TableDialog.h"

class StaticVlanDialog : public TableDialog {
  Q_OBJECT

 public:
  explicit StaticVlanDialog(const DialogContext& context);

  void refreshClicked();
  void setClicked();
  void addClicked();
  void deleteClicked();

  QTreeWidget* vlanList;
  QLineEdit* vlanIdEdit;
  QLineEdit* vlanNameEdit;
  QComboBox* statusCombo;
  QLabel* nextFreeIndexLabel;
  PortGrid* egressPorts;
  PortGrid* forbiddenPorts;
  PortGrid* untaggedPorts;
  QPlainTextEdit* messages;
  QPushButton* setButton;
  QPushButton* addButton;
  QPushButton* deleteButton;

 protected:
  void FirstRefresh() override;

 private:
  // The VLAN ID field holds a VLAN (1 to 4094); otherwise says so.
  bool CheckVlanId();
  // Writes the fields with the row status at `status` (-1: as it is).
  void Write(int status);

  KySNMPRequest2Edits* nextFree_;
};
