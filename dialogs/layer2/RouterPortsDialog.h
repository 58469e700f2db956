// What the IGMP and MLD snooping router port dialogs share: the static,
// dynamic and forbidden router ports of each VLAN on three port grids.
#pragma once

#include "dialogs/common/DialogBase.h"

// What the two dialogs share: the list, the three grids, the ready flag.
class RouterPortsDialog : public SnmpDialog {
  Q_OBJECT

 public:
  void refreshClicked();
  void rowSelected();

  QTreeWidget* vlanList = nullptr;
  PortGrid* staticPorts = nullptr;
  PortGrid* dynamicPorts = nullptr;
  PortGrid* forbiddenPorts = nullptr;
  QPlainTextEdit* messages = nullptr;
  QPushButton* refreshButton = nullptr;
  QPushButton* setButton = nullptr;
  QPushButton* closeButton = nullptr;

 protected:
  // `texts` are the static texts above the grids; `firstList` the variable
  // of the static port list (the dynamic and forbidden lists follow it).
  RouterPortsDialog(const DialogContext& context, const KyVarDefTable& table, const QList<QLabel*>& texts,
                   int firstList, const char* objectName);
  void FirstRefresh() override { refreshClicked(); }
  void clearFields();
  KySNMPRequest2Edits* ports_ = nullptr;
  QList<QLabel*> texts_;
};
