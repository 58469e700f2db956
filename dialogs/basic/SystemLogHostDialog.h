// "System Log Host Table": the syslog servers of the switch, added, edited
// and deleted through their row status.
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class SystemLogHostDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit SystemLogHostDialog(const DialogContext& context);

  void Btn_RefreshClick();
  void Btn_EditClick();  // "Set"
  void Btn_AddClick();
  void Btn_DelClick();
  void Button1Click();  // "Close"
  void LV_SystemLogServerEntryClick();
  void LV_SystemLogServerEntryChange();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* LV_SystemLogServerEntry;
  QLineEdit* Ed_Index;
  QLineEdit* Ed_IP;
  QComboBox* CBox_Facility;
  QComboBox* CBox_Severity;
  QLineEdit* Ed_Port;
  QComboBox* CBox_State;
  QComboBox* CBox_RowStatus;
  QLabel* ST_Count;
  QPushButton* Btn_Refresh;
  QPushButton* Btn_Edit;
  QPushButton* Btn_Add;
  QPushButton* Btn_Del;
  QPushButton* Button1;
  QStatusBar* StatusBar1;
  QLabel* StatusPanel0;

 protected:
  void FirstRefresh() override;

 private:
  void Reset();
  bool CheckPort();
  void Write();
};
