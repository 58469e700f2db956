#include "dialogs/acl/Cpuipruleformunit.h"

#include "tables/DefTables.h"

TCPUIPRuleForm::TCPUIPRuleForm(const DialogContext& context) : TIPRuleForm(context, tbl::IPRuleCPUFilter1, true) {}
