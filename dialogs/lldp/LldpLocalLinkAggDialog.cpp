#include "dialogs/lldp/LldpLocalLinkAggDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/lldp/LldpNamesBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

LldpLocalLinkAggDialog::LldpLocalLinkAggDialog(QWidget* owner) : LldpNamesViewDialog(owner) {
  Build(AddBindingOf<LldpLocalLinkAggBinding>(tbl::LldpDot3LinkAgg, /*asynchronous=*/true, StatusPanel0));
}
