// "MLD Snooping Group Information": the MLD snooping groups with their
// include and exclude ports, read only.
#pragma once

#include "dialogs/common/DialogBase.h"

class MldSnoopingGroupDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit MldSnoopingGroupDialog(const DialogContext& context);

  QTreeWidget* groupList;
  QLineEdit* vlanIdEdit;
  QLineEdit* groupAddressEdit;  // "Group Address"
  QLineEdit* sourceAddressEdit;  // "Source Address"
  PortGrid* includePorts;
  PortGrid* excludePorts;
  QLabel* statusLabel;

 protected:
  void FirstRefresh() override;

 private:
  KySNMPRequest2Edits* Editor() const { return Binding(0); }
  void refreshClicked();
  void rowSelected();
  void clearFields();
};
