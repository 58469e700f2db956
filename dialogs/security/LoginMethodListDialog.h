// The login method lists: the authentication methods tried, in order, for
// each list name.
#pragma once

#include "dialogs/security/MethodListDialog.h"

class LoginMethodListDialog : public MethodListDialog {
  Q_OBJECT

 public:
  explicit LoginMethodListDialog(const DialogContext& context);
};
