// "Server Control": adds one authentication server host to a server group,
// or removes it.
#pragma once

#include "dialogs/common/DialogBase.h"

class AacServerControlDialog : public SnmpDialog {
  Q_OBJECT

 public:
  static constexpr const char* kEmptyFields = "Don't Leave Empty Fileds !";
  static constexpr const char* kSetFailed = "Set entry failed!";

  explicit AacServerControlDialog(const DialogContext& context);

  void setClicked();

  QLineEdit* groupNameEdit = nullptr;
  QLineEdit* ipEdit = nullptr;
  QComboBox* protocolCombo = nullptr;
  QComboBox* rowStateCombo = nullptr;
  QPushButton* setButton = nullptr;
  QLabel* statusLabel = nullptr;

 private:
  KySNMPRequest2Edits* binding_ = nullptr;
};
