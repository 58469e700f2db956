// Ethernet access rules of the CPU interface filter.
#pragma once

#include "dialogs/acl/EthernetRuleDialog.h"

class CpuEthernetRuleDialog : public EthernetRuleDialog {
  Q_OBJECT

 public:
  explicit CpuEthernetRuleDialog(const DialogContext& context);
};
