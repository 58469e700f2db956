// The read-only LLDP tables whose bit sets are shown by name: neighbours
// (remote table) and 802.3 link aggregation, local and remote. Each is a
// list view with "Refresh" and "Close" and a status bar.
#pragma once

#include "dialogs/lldp/LldpNamesViewDialog.h"
#include "editors/SnmpDialog.h"

class LldpNamesBinding;
class QLabel;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class LldpLocalLinkAggDialog : public LldpNamesViewDialog {
  Q_OBJECT
 public:
  explicit LldpLocalLinkAggDialog(QWidget* owner = nullptr);
};
