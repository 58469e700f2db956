// "Dot3 Pause Table": the ports with their PAUSE modes, the admin mode of the
// selected port written with Set, and its counters.
#pragma once

#include "dialogs/basic/Dot3PortsDialog.h"

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
