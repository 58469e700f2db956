// IPv4 access rules of the CPU interface filter: with ICMP type and code and
// a user mask.
#pragma once

#include "dialogs/acl/Ipruleunit.h"

class TCPUIPRuleForm : public TIPRuleForm {
  Q_OBJECT

 public:
  explicit TCPUIPRuleForm(const DialogContext& context);
};
