#include "dialogs/security/EnableMethodListDialog.h"

#include "tables/DefTables.h"

EnableMethodListDialog::EnableMethodListDialog(const DialogContext& context)
    : MethodListDialog(context, tbl::EnableMethodList,
                       {"Enable MethodList Name must be set.",
                        "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList "
                        "Name."}) {
  Build("NameEdit", {"Type1ComboBox", "Type2ComboBox", "Type3ComboBox", "Type4ComboBox"},
        {"ServerGroupEdit1", "ServerGroupEdit2", "ServerGroupEdit3", "ServerGroupEdit4"});
}
