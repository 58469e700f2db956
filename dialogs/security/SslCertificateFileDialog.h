// "SSL Certificate": where the certificate and its key are downloaded from,
// and the download control, each written only when its use box is checked.
#pragma once

#include "dialogs/common/DialogBase.h"

class SslCertificateFileDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit SslCertificateFileDialog(const DialogContext& context);

  void refreshClicked();
  void setCheckedClicked();
  void checkAll(bool checked);

  QLineEdit* ipEdit = nullptr;
  QLineEdit* filePathEdit = nullptr;
  QLineEdit* keyFilePathEdit = nullptr;
  QComboBox* fileControlCombo = nullptr;
  QLineEdit* statusEdit = nullptr;
  QCheckBox* ipBox = nullptr;
  QCheckBox* filePathBox = nullptr;
  QCheckBox* keyFilePathBox = nullptr;
  QCheckBox* fileControlBox = nullptr;
  QPlainTextEdit* messages = nullptr;
  QPushButton* refreshButton = nullptr;
  QPushButton* setCheckedButton = nullptr;
  QPushButton* checkAllButton = nullptr;
  QPushButton* clearAllButton = nullptr;
  QPushButton* closeButton = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  KySNMPRequest2Edits* binding_ = nullptr;
};
