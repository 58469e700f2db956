// "Dot3 Control Table": the ports with the MAC-control functions they support
// (only "pause" is shown), and the counters of the selected port.
#pragma once

#include <vector>

#include "dialogs/basic/Dot3PortsDialog.h"

class Dot3ControlDialog : public Dot3PortsDialog {
  Q_OBJECT

 public:
  explicit Dot3ControlDialog(const DialogContext& context);

  // "Function Support": only the first ("pause") is shown.
  std::vector<QCheckBox*> functionBoxes;  // CheckBox1 .. CheckBox8

 protected:
  void Clear() override;
  void OnReady() override;
};
