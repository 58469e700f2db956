// "SMTP Control Table": the switch's mail client and its test mail. Sending
// the test mail holds the operator in a progress window while the switch
// works.
#pragma once

#include "dialogs/common/DialogBase.h"

class ProgressDialog;

class SmtpControlDialog : public SnmpDialog {
  Q_OBJECT

 public:
  static constexpr int kRequestTimeout = 500;  // 5 s

  explicit SmtpControlDialog(const DialogContext& context);

  void refreshClicked();
  void setClicked();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }
  // The progress window while it is shown (tests drive its ticks).
  ProgressDialog* Progress() const { return progress_; }

  QComboBox* stateCombo;
  QLineEdit* serverAddressEdit;
  QLineEdit* serverPortEdit;
  QLineEdit* subjectEdit;
  QComboBox* sendTestCombo;
  QPushButton* refreshButton;
  QPushButton* setButton;
  QPushButton* closeButton;
  QLabel* statusPanel;

 protected:
  void FirstRefresh() override;

 private:
  void closeClicked();  // "Close"
  QLineEdit* selfMailAddressEdit;
  QLineEdit* contentEdit;
  QStatusBar* statusBar;
  void Refresh();
  void Write();
  ProgressDialog* progress_ = nullptr;
  bool refreshAfterWrite_ = false;
};
