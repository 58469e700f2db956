// Ethernet access profiles of the CPU interface filter.
#pragma once

#include "dialogs/acl/Ethernetmaskinformationformunit.h"

class TCPUEthernetInformationForm : public TEthernetMaskInformationForm {
  Q_OBJECT

 public:
  explicit TCPUEthernetInformationForm(const DialogContext& context);
};
