// "IGMP Multicast VLAN Table": the IGMP snooping multicast VLANs with their
// source, member and tagged member ports. A ready flag, cleared while the
// table is read, gates every operation and the closing of the window.
#pragma once

#include "dialogs/common/DialogBase.h"

class KyColumnExclusion;

class IgmpMulticastVlanTableDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit IgmpMulticastVlanTableDialog(const DialogContext& context);

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* vlanList;
  QLineEdit* vlanIdEdit;
  QLineEdit* vlanNameEdit;
  PortGrid* sourcePorts;
  PortGrid* memberPorts;
  PortGrid* taggedMemberPorts;
  QComboBox* stateCombo;
  QLineEdit* sourceIpEdit;
  QPushButton* refreshButton;
  QPushButton* addButton;
  QPushButton* setButton;
  QPushButton* deleteButton;

  void done(int result) override;

 protected:
  void FirstRefresh() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void refreshClicked();
  void setClicked();
  void addClicked();
  void deleteClicked();
  void stopClicked();
  void rowSelected();
  bool refuseWhileNotReady();
  void clearFields();
  void showNoSelection();
  void enablePorts(bool enabled);
  // The source IP and State rules of Add and Set; false: stop.
  bool excludeOptionalColumns(KyColumnExclusion& exclusion);
  void write();
  void selectRowStatus(const char* text);

  QComboBox* rowStatusCombo;  // hidden: "Row Status"
  QPlainTextEdit* messages;
};
