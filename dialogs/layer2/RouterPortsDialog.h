// What the IGMP and MLD snooping router port dialogs share: the static,
// dynamic and forbidden router ports of each VLAN on three port grids.
#pragma once

#include "dialogs/common/DialogBase.h"

// What the two dialogs share: the list, the three grids, the ready flag.
class RouterPortsDialog : public SnmpDialog {
  Q_OBJECT

 public:
  void BT_GetClick();
  void ListViewClick();

  QTreeWidget* ListView1 = nullptr;
  PortGrid* StaticPorts = nullptr;
  PortGrid* DynamicPorts = nullptr;
  PortGrid* ForbiddenPorts = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  // `texts` are the static texts above the grids; `firstList` the variable
  // of the static port list (the dynamic and forbidden lists follow it).
  RouterPortsDialog(const DialogContext& context, const KyVarDefTable& table, const QList<QLabel*>& texts,
                   int firstList, const char* objectName);
  void FirstRefresh() override { BT_GetClick(); }
  void ClearFields();
  KySNMPRequest2Edits* ports_ = nullptr;
  QList<QLabel*> texts_;
};
