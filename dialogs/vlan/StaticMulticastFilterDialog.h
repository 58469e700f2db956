// "Multicast Information": the static multicast entries of the Q-BRIDGE
// forwarding table with their egress ports, added, set and deleted.
#pragma once

#include "dialogs/common/DialogBase.h"

class StaticMulticastFilterDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit StaticMulticastFilterDialog(const DialogContext& context);

  void refreshClicked();
  void setClicked();
  void deleteClicked();
  void addClicked();
  void selectionChanged();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* filterList;
  QLineEdit* vlanIdEdit;
  QLineEdit* macEdit;
  QComboBox* statusCombo;
  QTabWidget* portTabs;  // "Egress Ports", and the hidden "Forbidden Ports"
  PortGrid* egressPorts;
  QPlainTextEdit* messages;
  QLabel* countLabel;
  QPushButton* refreshButton;
  QPushButton* setButton;
  QPushButton* deleteButton;
  QPushButton* addButton;
  QPushButton* closeButton;

 protected:
  void FirstRefresh() override;

 private:
  void NoSelection();
  void Write(bool excludeStatus);

  QLineEdit* receivePort_ = nullptr;
};
