// "MLD Snooping Group Information": the MLD snooping groups with their
// include and exclude ports, read only.
#pragma once

#include "dialogs/common/DialogBase.h"

class MldSnoopingGroupDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit MldSnoopingGroupDialog(const DialogContext& context);

  void refreshClicked();
  void rowSelected();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* groupList;
  QLineEdit* vlanIdEdit;
  QLineEdit* groupAddressEdit;  // "Group Address"
  QLineEdit* sourceAddressEdit;        // "Source Address"
  QTabWidget* portTabs;
  PortGrid* includePorts;
  PortGrid* excludePorts;
  QPushButton* refreshButton;
  QPushButton* closeButton;
  QStatusBar* statusBar;
  QLabel* statusLabel;

 protected:
  void FirstRefresh() override;

 private:
  void clearFields();
};
