// Packet-content access profiles of the CPU interface filter.
#pragma once

#include "dialogs/acl/Usermaskinforunit.h"

class TCPUUserMaskInfoForm : public TUserMaskInfoForm {
  Q_OBJECT

 public:
  explicit TCPUUserMaskInfoForm(const DialogContext& context);
};
