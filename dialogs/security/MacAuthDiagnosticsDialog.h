// The 802.1X views of MAC-based authentication: per-MAC EAPOL statistics
// and authenticator diagnostics, read synchronously.
#pragma once

#include "dialogs/security/MacAuthTableDialog.h"
#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

class MacAuthDiagnosticsDialog : public MacAuthTableDialog {
  Q_OBJECT

 public:
  explicit MacAuthDiagnosticsDialog(const DialogContext& context);
};
