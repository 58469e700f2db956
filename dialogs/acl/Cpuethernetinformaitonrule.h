// Ethernet access rules of the CPU interface filter.
#pragma once

#include "dialogs/acl/Ethernetinformationruleunit.h"

class TCPUEthernetInformationRuleForm : public TEthernetInformationRuleForm {
  Q_OBJECT

 public:
  explicit TCPUEthernetInformationRuleForm(const DialogContext& context);
};
