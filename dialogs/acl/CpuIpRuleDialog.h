// IPv4 access rules of the CPU interface filter: with ICMP type and code and
// a user mask.
#pragma once

#include "dialogs/acl/IpRuleDialog.h"

class CpuIpRuleDialog : public IpRuleDialog {
  Q_OBJECT

 public:
  explicit CpuIpRuleDialog(const DialogContext& context);
};
