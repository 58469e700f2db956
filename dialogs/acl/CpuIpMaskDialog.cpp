#include "dialogs/acl/CpuIpMaskDialog.h"

#include "tables/DefTables.h"

CpuIpMaskDialog::CpuIpMaskDialog(const DialogContext& context)
    : IpMaskDialog(context, tbl::IPMaskCPUFilter1, true) {}
