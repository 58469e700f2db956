// Three small port-list dialogs: traffic segmentation (the ports each port
// may forward to), the deletion of a learned port-security entry, and the
// guest VLAN of 802.1X.
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class PortGrid;

class TrafficSegmentationDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit TrafficSegmentationDialog(const DialogContext& context);
  void BT_GetClick();
  void BT_SetClick();
  void ListView1Click();

  QTreeWidget* ListView1 = nullptr;
  QLabel* ST_Port = nullptr;  // hidden: the global port of the line
  QComboBox* Combo_Unit = nullptr;
  QComboBox* Combo_Port = nullptr;
  PortGrid* ForwardPorts = nullptr;
  QLabel* StatusPanel = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  void ClearFields();
  KySNMPRequest2Edits* segments_ = nullptr;
};
