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
  QComboBox* unitCombo = nullptr;
  QComboBox* portCombo = nullptr;
  PortGrid* forwardPorts = nullptr;
  QLabel* statusLabel = nullptr;
  QPushButton* setButton = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void rowSelected();
  void clearFields();
  KySNMPRequest2Edits* segments_ = nullptr;
  QLabel* globalPortLabel = nullptr;  // hidden: the global port of the line
};
