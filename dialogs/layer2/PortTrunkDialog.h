// The port trunk table: trunk groups as lines; a group's index, master port,
// member ports, type and state; groups are added (createAndGo), changed and
// deleted (destroy alone). The member and master-port checks run before
// anything is written.
#pragma once

#include "dialogs/common/DialogBase.h"

class PortTrunkDialog : public SnmpDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxMembers = 8;

  explicit PortTrunkDialog(const DialogContext& context);

  void refreshClicked();
  void addClicked();  // "Add"
  void setClicked();  // "Set"
  void deleteClicked();

  QTreeWidget* trunkList = nullptr;
  QLineEdit* indexEdit = nullptr;
  QLineEdit* portEdit = nullptr;
  QComboBox* typeCombo = nullptr;
  PortGrid* memberPorts = nullptr;
  QLabel* statusLabel = nullptr;
  QPushButton* addButton = nullptr;
  QPushButton* setButton = nullptr;

 protected:
  void FirstRefresh() override;

 private:
  void rowSelected();
  void clearFields();
  void showNoSelection();
  bool fail(const QString& message, QWidget* focus);
  // Unit and port of the master port; false (after the message) when invalid.
  bool checkMasterPort(int& global);
  // The unit and port edits are filled (else `noUnit` or `noPort`) and name a port: its global number.
  bool checkUnitPort(const QString& noUnit, const QString& noPort, int& global);
  // The member boxes of unit 1: at most eight (a ninth is unchecked again), at least two.
  bool checkMembers();
  bool masterPortChecked(int global) const;
  // Apply on the binding; a request error is shown and answers false.
  bool write(bool refreshAfter);

  KySNMPRequest2Edits* trunk_ = nullptr;
  QLineEdit* masterPortEdit = nullptr;  // hidden: the global master port
  QLineEdit* unitEdit = nullptr;        // hidden: always unit 1
  QComboBox* stateCombo = nullptr;      // hidden
  QLabel* floodingPortLabel = nullptr;
  PortGrid* activePorts = nullptr;
  QPushButton* deleteButton = nullptr;
};
