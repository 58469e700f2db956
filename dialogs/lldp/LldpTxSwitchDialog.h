// The 802.1 transmit switches of LLDP, per port and VLAN or protocol: the
// "VLAN Name", "Protocol VLAN" and "Protocol" tables. The binding works
// asynchronously; a ready flag refuses a second operation while one runs,
// and "Set" waits for its write to be answered before it reads again.
#pragma once

#include "dialogs/common/DialogBase.h"

class LldpTxSwitchDialog : public SnmpDialog {
  Q_OBJECT

 public:
  enum class Table { VlanName, ProtocolVlan, Protocol };
  static constexpr const char* kNotReadyRefresh = "Get data not complete!";
  // The longest wait for one write to be answered.
  static constexpr int kWriteWaitMs = 60000;

  LldpTxSwitchDialog(const DialogContext& context, Table table);

  void refreshClicked();
  void stopClicked();
  void setClicked();

  KySNMPRequest2Edits* binding = nullptr;
  QTreeWidget* switchList = nullptr;
  QLabel* portText = nullptr;  // the first key: the port
  QLabel* keyText = nullptr;   // the second key: the VLAN or the protocol
  QComboBox* transmitCombo = nullptr;
  QPushButton* setButton = nullptr;
  QLabel* statusLabel = nullptr;

 protected:
  void FirstRefresh() override;

 private:
  void clearFields();
  void startRead();
  bool writeDone_ = false;
  bool writeFailed_ = false;
};
