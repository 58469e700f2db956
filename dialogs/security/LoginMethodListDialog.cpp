#include "dialogs/security/LoginMethodListDialog.h"

#include "tables/DefTables.h"

LoginMethodListDialog::LoginMethodListDialog(const DialogContext& context)
    : MethodListDialog(context, tbl::LoginMethodList,
                       {"AAC Login Method List Name must be set.",
                        "Has already a record with the same Login Method List Name. Please Change Login Method List "
                        "Name."}) {
  Build("ListnameEdit", {"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"},
        {"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"});
}
