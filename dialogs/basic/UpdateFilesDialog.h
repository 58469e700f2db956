// "Agent Supported Update Files": the firmware and configuration files the
// agent knows, edited one selected row at a time.
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class UpdateFilesDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit UpdateFilesDialog(const DialogContext& context);

  void GetButtonClick();   // "Refresh"
  void EditButtonClick();  // "Set"
  void ListView1Click();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* ListView1;
  QLineEdit* ED_Index;
  QLineEdit* ED_Description;
  QLineEdit* ED_IPAddress;
  QComboBox* CBox_TransferType;
  QLineEdit* ED_Name;
  QLineEdit* ED_LocateID;
  QComboBox* CBox_LoadType;
  QComboBox* CBox_Control;
  QComboBox* CBox_FileBIncrement;
  QLineEdit* ED_MultipleImageControlID;
  QLabel* Static;
  QPushButton* GetButton;
  QPushButton* EditButton;
  QPushButton* Button1;  // "Close"
  QStatusBar* StatusBar1;
  QLabel* StatusPanel0;

 protected:
  void FirstRefresh() override;

 private:
  void ClearControls();
};
