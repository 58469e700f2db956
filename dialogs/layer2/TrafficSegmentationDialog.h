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
  void rowSelected();

  QTreeWidget* segmentList = nullptr;
  QLabel* globalPortLabel = nullptr;  // hidden: the global port of the line
  QComboBox* unitCombo = nullptr;
  QComboBox* portCombo = nullptr;
  PortGrid* forwardPorts = nullptr;
  QLabel* statusLabel = nullptr;
  QPushButton* refreshButton = nullptr;
  QPushButton* setButton = nullptr;
  QPushButton* closeButton = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void clearFields();
  KySNMPRequest2Edits* segments_ = nullptr;
};
