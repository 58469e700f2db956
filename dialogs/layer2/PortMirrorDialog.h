// Port mirroring: the ingress and egress ports on two grids, the target
// port and the mirroring state. "Set Member" writes all four, then each port
// list on its own.
#pragma once

#include "dialogs/common/DialogBase.h"

class PortMirrorDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit PortMirrorDialog(const DialogContext& context);

  void BT_GetClick();
  void BT_SetMemberClick();

  PortGrid* IngressPorts = nullptr;
  PortGrid* EgressPorts = nullptr;
  QLineEdit* PortEdit = nullptr;
  QCheckBox* CK_Status = nullptr;
  QLabel* StatusPanel = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_SetMember = nullptr;
  QPushButton* BT_Close = nullptr;

  KySNMPRequest2Edits* MirrorBinding() const { return mirror_; }

 protected:
  void FirstRefresh() override;

 private:
  KySNMPRequest2Edits* mirror_ = nullptr;
};
