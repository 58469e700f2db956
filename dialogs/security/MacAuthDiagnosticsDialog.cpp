#include "dialogs/security/MacAuthDiagnosticsDialog.h"

#include "tables/DefTables.h"

MacAuthDiagnosticsDialog::MacAuthDiagnosticsDialog(const DialogContext& context)
    : MacAuthTableDialog(context, tbl::MacAuthDiagnostics, "DiagnosticsInformationForm",
                         QStringLiteral("Diagnostics Information: ")) {}
