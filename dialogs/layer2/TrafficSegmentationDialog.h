// Traffic segmentation: for each port, the ports it may forward to, on a
// port grid.
#pragma once

#include "dialogs/common/DialogBase.h"

class TrafficSegmentationDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit TrafficSegmentationDialog(const DialogContext& context);
  void refreshClicked();
  void setClicked();

  QTreeWidget* segmentList = nullptr;
  PortGrid* forwardPorts = nullptr;
  QComboBox* unitCombo = nullptr;  // the unit of the selected line
  QComboBox* portCombo = nullptr;  // its port
  QPushButton* setButton = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void rowSelected();
  void clearFields();
  KySNMPRequest2Edits* segments_ = nullptr;
  QLabel* globalPortLabel = nullptr;  // hidden: the global port of the line
};
