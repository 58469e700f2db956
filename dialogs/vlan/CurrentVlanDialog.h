// "Current Table": the VLANs the switch uses now, read only, with the egress
// and untagged ports of the selected one on port grids.
#pragma once

#include "dialogs/common/DialogBase.h"

class CurrentVlanDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit CurrentVlanDialog(const DialogContext& context);
  void refreshClicked();
  void selectionChanged();

  QTreeWidget* vlanList = nullptr;
  QLabel* deletedCountLabel = nullptr;
  QLabel* vlanIdLabel = nullptr;  // the selected VLAN index
  PortGrid* egressPorts = nullptr;
  PortGrid* untaggedPorts = nullptr;
  QPlainTextEdit* messages = nullptr;
  QPushButton* refreshButton = nullptr;
  QPushButton* closeButton = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void ClearFields();
  KySNMPRequest2Edits* scalars_ = nullptr;
  KySNMPRequest2Edits* table_ = nullptr;
};
