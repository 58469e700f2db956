// Download settings of the SSL certificate, each written only when its use
// box is checked.
#pragma once

#include "editors/SnmpDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class SslCertificateFileDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit SslCertificateFileDialog(QWidget* owner = nullptr);

  void RefreshClick();
  void SetCheckedClick();
  void CheckAll(bool checked);

  QLineEdit* ED_IPAddress = nullptr;
  QLineEdit* ED_FilePath = nullptr;
  QLineEdit* ED_KeyFilePath = nullptr;
  QComboBox* Combox_FileControl = nullptr;
  QLineEdit* ED_Status = nullptr;
  QCheckBox* CheckBox_IPAddress = nullptr;
  QCheckBox* CheckBox_FilePath = nullptr;
  QCheckBox* CheckBox_KeyFilePath = nullptr;
  QCheckBox* CheckBox_FileControl = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* RefreshButton = nullptr;
  QPushButton* SetCheckedButton = nullptr;
  QPushButton* CheckAllButton = nullptr;
  QPushButton* ClearAllButton = nullptr;
  QPushButton* CloseButton = nullptr;

 protected:
  void FirstRefresh() override { RefreshClick(); }

 private:
  KySNMPRequest2Edits* binding_ = nullptr;
};
