#include "dialogs/security/MacEapolStatisticsDialog.h"

#include "tables/DefTables.h"

MacEapolStatisticsDialog::MacEapolStatisticsDialog(const DialogContext& context)
    : MacAuthTableDialog(context, tbl::MacEapolStatistics, "MacStatisticTableForm", QStringLiteral("MAC Statistic: ")) {}
