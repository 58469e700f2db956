// "IGMP Multicast VLAN Table": the IGMP snooping multicast VLANs with their
// source, member and tagged member ports. A ready flag, cleared while the
// table is read, gates every operation and the closing of the window.
#pragma once

#include "dialogs/common/DialogBase.h"

class IgmpMulticastVlanTableDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit IgmpMulticastVlanTableDialog(const DialogContext& context);

  void refreshClicked();
  void setClicked();
  void addClicked();
  void deleteClicked();
  void stopClicked();
  void rowSelected();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* vlanList;
  QLineEdit* vlanIdEdit;
  QLineEdit* vlanNameEdit;
  QTabWidget* portTabs;
  PortGrid* sourcePorts;
  PortGrid* memberPorts;
  PortGrid* taggedMemberPorts;
  QComboBox* stateCombo;
  QLineEdit* sourceIpEdit;
  QComboBox* rowStatusCombo;  // hidden: "Row Status"
  QPlainTextEdit* messages;
  QLabel* countLabel;
  QPushButton* refreshButton;
  QPushButton* setButton;
  QPushButton* addButton;
  QPushButton* deleteButton;
  QPushButton* stopButton;
  QPushButton* closeButton;

  void done(int result) override;

 protected:
  void FirstRefresh() override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool refuseWhileNotReady();
  void clearFields();
  void showNoSelection();
  void enablePorts(bool enabled);
  // The source IP and State rules of Add and Set; false: stop.
  bool excludeOptionalColumns(class KyColumnExclusion& exclusion);
  void write();
};
