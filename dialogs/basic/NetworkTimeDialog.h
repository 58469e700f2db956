// "Network Time": the switch's network time client (state, servers, poll
// interval). A use box beside each writable field decides whether "Set
// Checked " writes it.
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class NetworkTimeDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit NetworkTimeDialog(const DialogContext& context);

  void Button_RefreshClick();
  void Button_SetCheckedClick();
  void Button_CheckAllClick();
  void Button_ClearAllClick();
  void Button_CloseClick();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QCheckBox* CheckBox_TimeState;
  QCheckBox* CheckBox_Server1IP;
  QCheckBox* CheckBox_Server2IP;
  QCheckBox* CheckBox_PollInterval;
  QComboBox* CBox_TimeSate;
  QLineEdit* ED_TimeSource;
  QLineEdit* ED_Server1IPAddress;
  QLineEdit* ED_ServerIPAddress2;
  QLineEdit* ED_PollInterval;
  QPlainTextEdit* Memo1;
  QPushButton* Button_Refresh;
  QPushButton* Button_SetChecked;
  QPushButton* Button_CheckAll;
  QPushButton* Button_ClearAll;
  QPushButton* Button_Close;

 protected:
  void FirstRefresh() override;

 private:
  void SetUseBoxes(bool checked);
  void Refresh();
};
