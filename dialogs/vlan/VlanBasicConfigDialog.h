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

  QLabel* maxVlanIdLabel;
  QComboBox* gvrpCombo;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  KySNMPRequest2Edits* general_;
};
