// Packet-content access profiles of the CPU interface filter.
#pragma once

#include "dialogs/acl/PacketContentMaskDialog.h"

class CpuPacketContentMaskDialog : public PacketContentMaskDialog {
  Q_OBJECT

 public:
  explicit CpuPacketContentMaskDialog(const DialogContext& context);
};
