// Ethernet access profiles of the CPU interface filter.
#pragma once

#include "dialogs/acl/EthernetMaskDialog.h"

class CpuEthernetMaskDialog : public EthernetMaskDialog {
  Q_OBJECT

 public:
  explicit CpuEthernetMaskDialog(const DialogContext& context);
};
