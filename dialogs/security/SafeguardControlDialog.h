// The CPU safeguard: rising and falling thresholds, mode and alarm state,
// each written only when its use box is checked.
#pragma once

#include "editors/SnmpDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

class SafeguardControlDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit SafeguardControlDialog(QWidget* owner = nullptr);

  void btnRefreshClick();
  void btnSetClick();
  void CheckAllClick(bool checked);

  QLineEdit* edtRising = nullptr;
  QLineEdit* edtFalling = nullptr;
  QComboBox* cbxMode = nullptr;
  QComboBox* cbxAlarm = nullptr;
  QComboBox* cbxCurrentState = nullptr;
  QCheckBox* ckRising = nullptr;
  QCheckBox* ckFalling = nullptr;
  QCheckBox* ckAlarm = nullptr;
  QCheckBox* ckMode = nullptr;
  QLabel* lbFalling = nullptr;  // hidden: the falling threshold last read
  QPushButton* btnRefresh = nullptr;
  QPushButton* btnSet = nullptr;  // "Set Chekced"
  QPushButton* btnCheckAll = nullptr;
  QPushButton* btnClearChecks = nullptr;
  QPushButton* btnClose = nullptr;
  QStatusBar* stbStatus = nullptr;
  QLabel* StatusPanel0 = nullptr;

 protected:
  void FirstRefresh() override { btnRefreshClick(); }

 private:
  void UpdateSetButton();
  KySNMPRequest2Edits* binding_ = nullptr;
};
