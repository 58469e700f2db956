#include "dialogs/acl/CpuEthernetMaskDialog.h"

#include "tables/DefTables.h"

CpuEthernetMaskDialog::CpuEthernetMaskDialog(const DialogContext& context)
    : EthernetMaskDialog(context, tbl::EthernetMaskCPUFilter1, "%i{n1x3}", QStringLiteral("createAndGo")) {}
