// "Time Range Management": named weekly time ranges that access rules refer
// to, added, edited and deleted through their status column.
#pragma once

#include "dialogs/common/DialogBase.h"

class TimeRangeDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit TimeRangeDialog(const DialogContext& context);

  void btnGetClick();     // "Refresh"
  void btnAddClick();
  void btnSetClick();     // "Edit"
  void btnDeleteClick();
  void btnCloseClick();
  void ListView1Click();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }
  // Refresh is allowed once the last read has completed (the ready flag).
  bool RefreshAllowed() const { return Ready(); }

  QTreeWidget* ListView1;
  QLineEdit* edtName;
  QLineEdit* edtweekdays;
  QLineEdit* edtStart;
  QLineEdit* edtEnd;
  QComboBox* cbxStatus;
  QPushButton* btnGet;
  QPushButton* btnAdd;
  QPushButton* btnSet;
  QPushButton* btnDelete;
  QPushButton* btnClose;
  QStatusBar* StatusBar1;
  QLabel* StatusPanel0;

 protected:
  void FirstRefresh() override;

 private:
  bool CheckTimes();
  void Write();
  void ResetFields();
};
