// "Basic Configure": the 802.1Q bridge's version, limits and VLAN count, and
// its GVRP state, written with Set.
#pragma once

#include "dialogs/common/DialogBase.h"

class VlanBasicConfigDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit VlanBasicConfigDialog(const DialogContext& context);
  void refreshClicked();
  void setClicked();

  QLabel* versionLabel = nullptr;
  QLabel* maxVlanIdLabel = nullptr;
  QLabel* maxSupportedVlansLabel = nullptr;
  QLabel* vlanCountLabel = nullptr;
  QComboBox* gvrpCombo = nullptr;
  QPlainTextEdit* messages = nullptr;
  QPushButton* refreshButton = nullptr;
  QPushButton* setButton = nullptr;
  QPushButton* closeButton = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  KySNMPRequest2Edits* general_ = nullptr;
};
