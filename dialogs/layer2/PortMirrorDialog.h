// Port mirroring: the ingress and egress ports on two grids, the target
// port and the mirroring state. "Set Member" writes all four, then each port
// list on its own.
#pragma once

#include "dialogs/common/DialogBase.h"

class PortMirrorDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit PortMirrorDialog(const DialogContext& context);

  void refreshClicked();
  void setMemberClicked();

  PortGrid* ingressPorts = nullptr;
  PortGrid* egressPorts = nullptr;
  QLineEdit* targetPortEdit = nullptr;
  QCheckBox* mirroringBox = nullptr;
  QLabel* statusLabel = nullptr;

  KySNMPRequest2Edits* mirrorBinding() const { return mirror_; }

 protected:
  void FirstRefresh() override;

 private:
  KySNMPRequest2Edits* mirror_ = nullptr;
};
