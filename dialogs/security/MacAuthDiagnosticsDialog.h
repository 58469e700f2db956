// "Diagnostics Information": the 802.1X authenticator diagnostics per MAC.
#pragma once

#include "dialogs/security/MacAuthTableDialog.h"

class MacAuthDiagnosticsDialog : public MacAuthTableDialog {
  Q_OBJECT

 public:
  explicit MacAuthDiagnosticsDialog(const DialogContext& context);
};
