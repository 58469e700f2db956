#include "dialogs/security/MacEapolStatisticsDialog.h"

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

MacEapolStatisticsDialog::MacEapolStatisticsDialog(const DialogContext& context)
    : MacAuthTableDialog(context, tbl::MacEapolStatistics, "MacStatisticTableForm", QStringLiteral("MAC Statistic: ")) {}
