// Adds one authentication server host to a server group, or removes it.
#pragma once

#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

class AacServerControlDialog : public SnmpDialog {
  Q_OBJECT

 public:
  static constexpr const char* kEmptyFields = "Don't Leave Empty Fileds !";
  static constexpr const char* kSetFailed = "Set entry failed!";

  explicit AacServerControlDialog(QWidget* owner = nullptr);

  void Button1Click();

  QLineEdit* edtGroupName = nullptr;
  QLineEdit* edtIPAddr = nullptr;
  QComboBox* cbAuthProtocol = nullptr;
  QComboBox* cbRowState = nullptr;
  QPushButton* Button1 = nullptr;  // "Set"
  QPushButton* Button2 = nullptr;  // "Close"
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel0 = nullptr;

 private:
  KySNMPRequest2Edits* binding_ = nullptr;
};
