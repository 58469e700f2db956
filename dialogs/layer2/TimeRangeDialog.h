// "Time Range Management": named weekly time ranges that access rules refer
// to, added, edited and deleted through their status column.
#pragma once

#include "dialogs/common/DialogBase.h"

class TimeRangeDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit TimeRangeDialog(const DialogContext& context);

  void refreshClicked();
  void addClicked();
  void editClicked();
  void deleteClicked();

  // Refresh is allowed once the last read has completed (the ready flag).
  bool refreshAllowed() const { return Ready(); }

  QTreeWidget* rangeList;
  QLineEdit* nameEdit;
  QLineEdit* weekdaysEdit;
  QLineEdit* startEdit;
  QLineEdit* endEdit;
  QPushButton* addButton;
  QPushButton* editButton;
  QPushButton* deleteButton;
  QLabel* statusLabel;

 protected:
  void FirstRefresh() override;

 private:
  KySNMPRequest2Edits* Editor() const { return Binding(0); }
  void rowSelected();
  bool checkTimes();
  void write();
  void clearFields();

  QComboBox* statusCombo;
};
