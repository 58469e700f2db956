// The add window of "IGMP Multicast VLAN Group": a new group address range
// of a multicast VLAN.
#pragma once

#include <QDialog>

#include "dialogs/common/DialogBase.h"

class IgmpMulticastVlanGroupDialog;

// The add window: made with the list window and owned by it; its controls
// are bound to the list window's binding.
class IgmpMulticastVlanGroupAddDialog : public QDialog {
  Q_OBJECT

 public:
  explicit IgmpMulticastVlanGroupAddDialog(IgmpMulticastVlanGroupDialog* list);

  void addClicked();

  QLineEdit* vlanIdEdit;
  QLineEdit* fromIpEdit;
  QLineEdit* toIpEdit;
  QComboBox* stateCombo;
  QPushButton* addButton;
  QPushButton* closeButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  IgmpMulticastVlanGroupDialog* list_;
};
