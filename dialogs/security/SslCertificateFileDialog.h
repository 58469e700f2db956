// "SSL Certificate": where the certificate and its key are downloaded from,
// and the download control, each written only when its use box is checked.
#pragma once

#include "dialogs/common/DialogBase.h"

class SslCertificateFileDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit SslCertificateFileDialog(const DialogContext& context);

  QLineEdit* ipEdit = nullptr;
  QLineEdit* filePathEdit = nullptr;
  QLineEdit* keyFilePathEdit = nullptr;
  QComboBox* fileControlCombo = nullptr;
  QCheckBox* ipBox = nullptr;
  QCheckBox* filePathBox = nullptr;
  QCheckBox* fileControlBox = nullptr;
  QPushButton* setCheckedButton = nullptr;
  QPushButton* checkAllButton = nullptr;
  QPushButton* clearAllButton = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void refreshClicked();
  void setCheckedClicked();
  void checkAll(bool checked);

  QCheckBox* keyFilePathBox = nullptr;
  QPlainTextEdit* messages = nullptr;
  KySNMPRequest2Edits* binding_ = nullptr;
};
