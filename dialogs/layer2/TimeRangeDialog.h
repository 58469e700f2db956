// "Time Range Management": named weekly time ranges that access rules refer
// to, added, edited and deleted through their status column.
#pragma once

#include "dialogs/common/DialogBase.h"

class TimeRangeDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit TimeRangeDialog(const DialogContext& context);

  void refreshClicked();     // "Refresh"
  void addClicked();
  void editClicked();     // "Edit"
  void deleteClicked();
  void closeClicked();
  void rowSelected();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }
  // Refresh is allowed once the last read has completed (the ready flag).
  bool refreshAllowed() const { return Ready(); }

  QTreeWidget* rangeList;
  QLineEdit* nameEdit;
  QLineEdit* weekdaysEdit;
  QLineEdit* startEdit;
  QLineEdit* endEdit;
  QComboBox* statusCombo;
  QPushButton* refreshButton;
  QPushButton* addButton;
  QPushButton* editButton;
  QPushButton* deleteButton;
  QPushButton* closeButton;
  QStatusBar* statusBar;
  QLabel* statusLabel;

 protected:
  void FirstRefresh() override;

 private:
  bool checkTimes();
  void write();
  void clearFields();
};
