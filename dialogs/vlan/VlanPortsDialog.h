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

class VlanPortsDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit VlanPortsDialog(const DialogContext& context);
  void BT_GetClick();
  void BT_SetClick();

  QTreeWidget* LV_dot1qPortVlanEntry = nullptr;
  QLineEdit* PortVLanID = nullptr;
  QComboBox* PortAcceptableFrameTypes = nullptr;
  QComboBox* PortIngressFiltering = nullptr;
  QComboBox* PortGvrpStatus = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  KySNMPRequest2Edits* ports_ = nullptr;
  QString reselect_;  // the line to select again once the table is read after a write
};
