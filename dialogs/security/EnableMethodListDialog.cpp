#include "dialogs/security/EnableMethodListDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

EnableMethodListDialog::EnableMethodListDialog(QWidget* owner)
    : MethodListDialog(owner, tbl::EnableMethodList,
                      {"Enable MethodList Name must be set.",
                       "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList "
                       "Name."}) {
  Build("NameEdit", {"Type1ComboBox", "Type2ComboBox", "Type3ComboBox", "Type4ComboBox"},
        {"ServerGroupEdit1", "ServerGroupEdit2", "ServerGroupEdit3", "ServerGroupEdit4"});
}
