// The enable method lists: the authentication methods tried, in order, for
// each list name.
#pragma once

#include "dialogs/security/MethodListDialog.h"

class EnableMethodListDialog : public MethodListDialog {
  Q_OBJECT

 public:
  explicit EnableMethodListDialog(const DialogContext& context);
};
