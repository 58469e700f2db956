#include "dialogs/lldp/LldpRemoteLinkAggDialog.h"

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

LldpRemoteLinkAggDialog::LldpRemoteLinkAggDialog(QWidget* owner) : LldpNamesViewDialog(owner) {
  Build(AddBindingOf<LldpRemoteLinkAggBinding>(tbl::LldpDot3RemoteLinkAgg, /*asynchronous=*/true, StatusPanel0));
}
