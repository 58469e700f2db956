#include "dialogs/security/MacAuthDiagnosticsDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

MacAuthDiagnosticsDialog::MacAuthDiagnosticsDialog(const DialogContext& context)
    : MacAuthTableDialog(context, tbl::MacAuthDiagnostics, "DiagnosticsInformationForm",
                        QStringLiteral("Diagnostics Information: ")) {}
