// Traffic segmentation: for each port, the ports it may forward to, on a
// port grid.
#pragma once

#include "dialogs/common/DialogBase.h"

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
