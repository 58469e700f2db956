// The EtherLike-MIB MAC-control views: the ports with their control
// functions ("Dot3 Control Table") or PAUSE modes ("Dot3 Pause Table"), and
// the counters of the selected port polled at a chosen interval.
#pragma once

#include <vector>

#include "dialogs/basic/Dot3PortsDialog.h"
#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QTreeWidget;

class Dot3PauseDialog : public Dot3PortsDialog {
  Q_OBJECT

 public:
  explicit Dot3PauseDialog(const DialogContext& context);

  void setClicked();

  QLineEdit* indexEdit;  // hidden
  QComboBox* adminModeCombo;
  QPushButton* setButton;

 protected:
  void Clear() override;
  void PortClicked() override;
};
