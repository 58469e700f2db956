// "IGMP Multicast VLAN Group": the group address ranges of the multicast
// VLANs, with the add window of a new range.
#pragma once

#include <QDialog>

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class IgmpMulticastVlanGroupDialog;

// The add window: made with the list window and owned by it; its controls
// are bound to the list window's binding.
class IgmpMulticastVlanGroupAddDialog : public QDialog {
  Q_OBJECT

 public:
  explicit IgmpMulticastVlanGroupAddDialog(IgmpMulticastVlanGroupDialog* list);

  void btnAddClick();

  QLineEdit* edtVID;
  QLineEdit* edtFormIP;
  QLineEdit* edtToIP;
  QComboBox* cbxState;
  QPushButton* btnAdd;
  QPushButton* btnClose;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  IgmpMulticastVlanGroupDialog* list_;
};
