#include "dialogs/acl/Cpuipmaskinformationformunit.h"

#include "tables/DefTables.h"

TCPUIPMaskInformationForm::TCPUIPMaskInformationForm(const DialogContext& context)
    : TIPMaskInformationForm(context, tbl::IPMaskCPUFilter1, true) {}
