// "System Log Host Table": the syslog servers of the switch, added, edited
// and deleted through their row status.
#pragma once

#include "dialogs/common/TableDialog.h"

class SystemLogHostDialog : public TableDialog {
  Q_OBJECT

 public:
  explicit SystemLogHostDialog(const DialogContext& context);

  void refreshClicked();
  void setClicked();  // "Set"
  void addClicked();
  void deleteClicked();

  KySNMPRequest2Edits* Editor() const { return binding(); }

  QTreeWidget* hostList;
  QLineEdit* indexEdit;
  QLineEdit* ipEdit;
  QComboBox* facilityCombo;
  QLineEdit* portEdit;
  QComboBox* stateCombo;
  QComboBox* rowStatusCombo;
  QLabel* countLabel;
  QPushButton* refreshButton;
  QPushButton* setButton;
  QPushButton* addButton;
  QPushButton* deleteButton;
  QPushButton* closeButton;
  QLabel* statusPanel;

 private:
  QComboBox* severityCombo;
  QStatusBar* statusBarWidget;
  bool CheckPort();
};
