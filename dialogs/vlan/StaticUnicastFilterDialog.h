// "Unicast Information": the static unicast entries of the Q-BRIDGE
// forwarding table with the one port each may go to, added and deleted.
#pragma once

#include "dialogs/common/DialogBase.h"

class StaticUnicastFilterDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit StaticUnicastFilterDialog(const DialogContext& context);

  void refreshClicked();
  void addClicked();  // "Add"
  void deleteClicked();
  void selectionChanged();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* filterList;
  QLineEdit* vlanIdEdit;
  QLineEdit* macEdit;
  QComboBox* statusCombo;
  QGroupBox* allowGroup;  // "Allow To Go To Port"
  PortGrid* allowPorts;
  QPlainTextEdit* messages;
  QLabel* countLabel;
  QPushButton* refreshButton;
  QPushButton* addButton;
  QPushButton* deleteButton;
  QPushButton* closeButton;

 protected:
  void FirstRefresh() override;

 private:
  void NoSelection();
  void Write(bool excludePorts);

  QLineEdit* receivePort_ = nullptr;
};
