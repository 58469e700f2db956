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

class CurrentVlanDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit CurrentVlanDialog(const DialogContext& context);
  void BT_GetClick();
  void LV_dot1qVlanCurrentEntryClick();

  QTreeWidget* LV_dot1qVlanCurrentEntry = nullptr;
  QLabel* VlanNumDeletes = nullptr;
  QLabel* StaticText1 = nullptr;  // the selected VLAN index
  PortGrid* EgressPorts = nullptr;
  PortGrid* UntaggedPorts = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;  // hidden
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  void ClearFields();
  KySNMPRequest2Edits* scalars_ = nullptr;
  KySNMPRequest2Edits* table_ = nullptr;
};
