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

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* groupList;
  QPushButton* refreshButton;
  QPushButton* addButton;
  QPushButton* deleteButton;

 protected:
  void FirstRefresh() override;

 private:
  void refreshClicked();
  void addClicked();
  void deleteClicked();
  void rowSelected();

  QString agent_;
  IgmpMulticastVlanGroupAddDialog* addDialog;
};
