// "Network Time": the switch's network time client (state, servers, poll
// interval). A use box beside each writable field decides whether "Set
// Checked " writes it.
#pragma once

#include "dialogs/common/DialogBase.h"

class NetworkTimeDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit NetworkTimeDialog(const DialogContext& context);

  void refreshClicked();
  void setCheckedClicked();
  void clearAllClicked();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QCheckBox* useStateBox;
  QCheckBox* useServer1Box;
  QCheckBox* useServer2Box;
  QCheckBox* usePollIntervalBox;
  QComboBox* stateCombo;
  QLineEdit* timeSourceEdit;
  QLineEdit* server1Edit;
  QLineEdit* server2Edit;
  QLineEdit* pollIntervalEdit;
  QPlainTextEdit* memo;
  QPushButton* refreshButton;
  QPushButton* setCheckedButton;
  QPushButton* checkAllButton;
  QPushButton* clearAllButton;
  QPushButton* closeButton;

 protected:
  void FirstRefresh() override;

 private:
  void checkAllClicked();
  void closeClicked();
  void SetUseBoxes(bool checked);
  void Refresh();
};
