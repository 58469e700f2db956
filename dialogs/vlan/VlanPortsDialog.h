// "Ports Information": the 802.1Q settings of each port (PVID, acceptable
// frame types, ingress filtering, GVRP), the selected port written with Set.
#pragma once

#include "dialogs/common/DialogBase.h"

class VlanPortsDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit VlanPortsDialog(const DialogContext& context);
  void refreshClicked();
  void setClicked();

  QTreeWidget* portList;
  QLineEdit* pvidEdit;
  QComboBox* frameTypesCombo;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void Reselect();

  KySNMPRequest2Edits* ports_;
  QString reselect_;  // the line to select again once the table is read after a write
};
