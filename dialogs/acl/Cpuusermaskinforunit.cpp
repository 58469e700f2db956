#include "dialogs/acl/Cpuusermaskinforunit.h"

#include "tables/DefTables.h"

TCPUUserMaskInfoForm::TCPUUserMaskInfoForm(const DialogContext& context)
    : TUserMaskInfoForm(context, tbl::PacketContentMaskCPUFilter1, "%i{n1x3}") {}
