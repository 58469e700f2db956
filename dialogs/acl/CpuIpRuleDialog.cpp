#include "dialogs/acl/CpuIpRuleDialog.h"

#include "tables/DefTables.h"

CpuIpRuleDialog::CpuIpRuleDialog(const DialogContext& context) : IpRuleDialog(context, tbl::IPRuleCPUFilter1, true) {}
