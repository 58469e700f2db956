// The device's own LLDP system data, its capabilities shown by name.
#pragma once

#include "editors/SnmpDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

class LldpLocalSystemDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit LldpLocalSystemDialog(QWidget* owner = nullptr);

  void RefreshClick();

  QLabel* ChassisIdSubtypeText = nullptr;
  QLabel* ChassisIdText = nullptr;
  QLabel* SysNameText = nullptr;
  QLabel* SysDescText = nullptr;
  QLabel* CapSupportText = nullptr;  // hidden: the value text
  QLabel* CapEnableText = nullptr;   // hidden
  QLineEdit* CapSupportEdit = nullptr;
  QLineEdit* capEnableEdit = nullptr;
  QPushButton* RefreshButton = nullptr;
  QPushButton* CloseButton = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel0 = nullptr;

 protected:
  void FirstRefresh() override { RefreshClick(); }

 private:
  KySNMPRequest2Edits* binding_ = nullptr;
};
