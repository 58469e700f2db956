// "SMTP Control Table": the switch's mail client and its test mail. Sending
// the test mail holds the operator in a progress window while the switch
// works.
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class ProgressDialog;

class SmtpControlDialog : public SnmpDialog {
  Q_OBJECT

 public:
  static constexpr int kRequestTimeout = 500;  // 5 s

  explicit SmtpControlDialog(const DialogContext& context);

  void Btn_RefreshClick();
  void Btn_SetClick();
  void Button1Click();  // "Close"

  KySNMPRequest2Edits* Editor() const { return Binding(0); }
  // The progress window while it is shown (tests drive its ticks).
  ProgressDialog* Progress() const { return progress_; }

  QComboBox* CB_Status;
  QLineEdit* Ed_SourceAddress;
  QLineEdit* Ed_SourcePort;
  QLineEdit* Ed_SelfMailAddress;
  QLineEdit* ED_Subject;
  QLineEdit* Ed_Content;
  QComboBox* CB_SendTest;
  QPushButton* Btn_Refresh;
  QPushButton* Btn_Set;
  QPushButton* Button1;
  QStatusBar* StatusBar1;
  QLabel* StatusPanel0;

 protected:
  void FirstRefresh() override;

 private:
  void Refresh();
  void Write();
  ProgressDialog* progress_ = nullptr;
  bool refreshAfterWrite_ = false;
};
