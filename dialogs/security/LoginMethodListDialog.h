// Login and enable method lists: ordered authentication methods per list
// name. The two dialogs differ only in their control names, the "local"
// method and their texts.
#pragma once

#include <array>

#include "dialogs/security/MethodListDialog.h"
#include "dialogs/security/RowEditDialog.h"

class LoginMethodListDialog : public MethodListDialog {
  Q_OBJECT
 public:
  explicit LoginMethodListDialog(QWidget* owner = nullptr);
};
