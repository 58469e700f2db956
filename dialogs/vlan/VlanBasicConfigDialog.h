// The 802.1Q views beside the static table: the current VLAN table (read
// only, with its port lists on grids), the bridge's basic configuration and
// the per-port VLAN settings.
#pragma once

#include <QString>

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class PortGrid;

class VlanBasicConfigDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit VlanBasicConfigDialog(const DialogContext& context);
  void BT_GetClick();
  void BT_SetClick();

  QLabel* VlanVersionNumber = nullptr;
  QLabel* MaxVlanId = nullptr;
  QLabel* MaxSupportedVlans = nullptr;
  QLabel* NumVlans = nullptr;
  QComboBox* GvrpStatus = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  KySNMPRequest2Edits* general_ = nullptr;
};
