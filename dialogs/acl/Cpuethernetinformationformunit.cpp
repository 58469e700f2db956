#include "dialogs/acl/Cpuethernetinformationformunit.h"

#include "tables/DefTables.h"

TCPUEthernetInformationForm::TCPUEthernetInformationForm(const DialogContext& context)
    : TEthernetMaskInformationForm(context, tbl::EthernetMaskCPUFilter1, "%i{n1x3}", QStringLiteral("createAndGo")) {}
