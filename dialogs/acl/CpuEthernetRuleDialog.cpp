#include "dialogs/acl/CpuEthernetRuleDialog.h"

#include "tables/DefTables.h"

CpuEthernetRuleDialog::CpuEthernetRuleDialog(const DialogContext& context)
    : EthernetRuleDialog(context, tbl::EthernetRuleCPUFilter1, true) {}
