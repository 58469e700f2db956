// "Current Table": the VLANs the switch uses now, read only, with the egress
// and untagged ports of the selected one on port grids.
#pragma once

#include "dialogs/common/TableDialog.h"

class CurrentVlanDialog : public TableDialog {
  Q_OBJECT

 public:
  explicit CurrentVlanDialog(const DialogContext& context);
  void refreshClicked();

  QTreeWidget* vlanList;
  QLabel* deletedCountLabel;
  QLabel* vlanIdLabel;  // the selected VLAN index
  PortGrid* egressPorts;
  QPlainTextEdit* messages;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  KySNMPRequest2Edits* scalars_;
};
