#include "dialogs/acl/Cpuethernetinformaitonrule.h"

#include "tables/DefTables.h"

TCPUEthernetInformationRuleForm::TCPUEthernetInformationRuleForm(const DialogContext& context)
    : TEthernetInformationRuleForm(context, tbl::EthernetRuleCPUFilter1, true) {}
