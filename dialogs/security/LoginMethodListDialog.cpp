#include "dialogs/security/LoginMethodListDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

LoginMethodListDialog::LoginMethodListDialog(QWidget* owner)
    : MethodListDialog(owner, tbl::LoginMethodList,
                      {"AAC Login Method List Name must be set.",
                       "Has already a record with the same Login Method List Name. Please Change Login Method List "
                       "Name."}) {
  Build("ListnameEdit", {"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"},
        {"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"});
}
