// "IGMP Multicast VLAN Group": the group address ranges of the multicast
// VLANs, with the add window of a new range.
#pragma once

#include <QDialog>

#include "dialogs/common/DialogBase.h"

class IgmpMulticastVlanGroupAddDialog;

class IgmpMulticastVlanGroupDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit IgmpMulticastVlanGroupDialog(const DialogContext& context);

  void btnRefreshClick();
  void btnAddClick();
  void btnDeleteClick();
  void ListView1Click();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* ListView1;
  QStatusBar* StatusBar1;
  QPushButton* btnRefresh;
  QPushButton* btnAdd;
  QPushButton* btnDelete;
  QPushButton* btnClose;
  IgmpMulticastVlanGroupAddDialog* AddForm;

 protected:
  void FirstRefresh() override;

 private:
  QString agent_;
};
