// The 802.1 transmit switches of LLDP, per port and VLAN or protocol:
// "VLAN Name", "Protocol VLAN" and "Protocol" tables. The binding works
// asynchronously; a ready flag refuses a second operation while one runs.
#pragma once

#include "dialogs/lldp/LldpTxSwitchDialog.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class LldpVlanNameTxDialog : public LldpTxSwitchDialog {
  Q_OBJECT
 public:
  explicit LldpVlanNameTxDialog(QWidget* owner = nullptr);
};
