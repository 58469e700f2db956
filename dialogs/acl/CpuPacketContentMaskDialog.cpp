#include "dialogs/acl/CpuPacketContentMaskDialog.h"

#include "tables/DefTables.h"

CpuPacketContentMaskDialog::CpuPacketContentMaskDialog(const DialogContext& context)
    : PacketContentMaskDialog(context, tbl::PacketContentMaskCPUFilter1, "%i{n1x3}") {}
