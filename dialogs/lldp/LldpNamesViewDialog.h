// The read-only LLDP tables whose bit sets are shown by name: neighbours
// (remote table) and 802.3 link aggregation, local and remote. Each is a
// list view with "Refresh" and "Close" and a status bar.
#pragma once

#include "editors/SnmpDialog.h"

class LldpNamesBinding;
class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class LldpNamesViewDialog : public SnmpDialog {
  Q_OBJECT

 public:
  void RefreshClick();

  LldpNamesBinding* binding = nullptr;
  QTreeWidget* ListView1 = nullptr;
  QStatusBar* StatusBar1 = nullptr;
  QLabel* StatusPanel0 = nullptr;
  QPushButton* RefreshButton = nullptr;
  QPushButton* CloseButton = nullptr;

 protected:
  explicit LldpNamesViewDialog(QWidget* owner);
  // Lays the window out around its binding (made by the concrete form).
  void Build(LldpNamesBinding* namesBinding);
  void FirstRefresh() override { RefreshClick(); }
};
