// "IGMP Multicast VLAN Table": the IGMP snooping multicast VLANs with their
// source, member and tagged member ports. A ready flag, cleared while the
// table is read, gates every operation and the closing of the window.
#pragma once

#include "dialogs/common/DialogBase.h"

class IgmpMulticastVlanTableDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit IgmpMulticastVlanTableDialog(const DialogContext& context);

  void btnRefreshClick();
  void btnSetClick();
  void btnAddClick();
  void btnDeleteClick();
  void btnStopClick();
  void lvISMVLANClick();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* lvISMVLAN;
  QLineEdit* ED_VLANID;
  QLineEdit* ED_VLANName;
  QTabWidget* PortTabs;
  PortGrid* SourcePorts;
  PortGrid* MemberPorts;
  PortGrid* TagMemberPorts;
  QComboBox* cbxVLANState;
  QLineEdit* edtSourceIP;
  QComboBox* cbxStatus;  // hidden: "Row Status"
  QPlainTextEdit* Memo1;
  QLabel* ST_Count2;
  QPushButton* btnRefresh;
  QPushButton* btnSet;
  QPushButton* btnAdd;
  QPushButton* btnDelete;
  QPushButton* btnStop;
  QPushButton* btnClose;

  void done(int result) override;

 protected:
  void FirstRefresh() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool NotReady();
  void ClearFields();
  void NoSelection();
  void EnablePorts(bool enabled);
  // The source IP and State rules of Add and Set; false: stop.
  bool OptionalColumns(class KyColumnExclusion& exclusion);
  void Write();
};
