// "MLD Snooping Group Information": the MLD snooping groups with their
// include and exclude ports, read only.
#pragma once

#include "dialogs/common/DialogBase.h"

class MldSnoopingGroupDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit MldSnoopingGroupDialog(const DialogContext& context);

  void btnRefreshClick();
  void ListView1Click();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* ListView1;
  QLineEdit* VIDEdit;
  QLineEdit* edtIPAddress;  // "Group Address"
  QLineEdit* edtMAC;        // "Source Address"
  QTabWidget* PortTabs;
  PortGrid* IncludePorts;
  PortGrid* ExcludePorts;
  QPushButton* btnRefresh;
  QPushButton* btnClose;
  QStatusBar* StatusBar1;
  QLabel* StatusPanel0;

 protected:
  void FirstRefresh() override;

 private:
  void ClearFields();
};
