// The 802.1 transmit switches of LLDP, per port and VLAN or protocol:
// "VLAN Name", "Protocol VLAN" and "Protocol" tables. The binding works
// asynchronously; a ready flag refuses a second operation while one runs.
#pragma once

#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class LldpTxSwitchDialog : public SnmpDialog {
  Q_OBJECT

 public:
  static constexpr const char* kNotReadyRefresh = "Get data not complete!";
  // The longest wait for one write to be answered.
  static constexpr int kWriteWaitMs = 60000;

  void RefreshClick();
  void StopClick();
  void SetClick();

  KySNMPRequest2Edits* binding = nullptr;
  QTreeWidget* ListView1 = nullptr;
  QLabel* KeyText1 = nullptr;
  QLabel* KeyText2 = nullptr;
  QComboBox* TXComboBox = nullptr;
  QPushButton* RefreshButton = nullptr;
  QPushButton* SetButton = nullptr;
  QPushButton* StopButton = nullptr;
  QPushButton* CloseButton = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel0 = nullptr;

 protected:
  LldpTxSwitchDialog(QWidget* owner, const KyVarDefTable& table);
  void FirstRefresh() override;

 private:
  void ClearFields();
  void StartRead();
  bool writeDone_ = false;
  bool writeFailed_ = false;
};
