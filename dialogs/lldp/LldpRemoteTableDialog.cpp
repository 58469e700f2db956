#include "dialogs/lldp/LldpRemoteTableDialog.h"

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

LldpRemoteTableDialog::LldpRemoteTableDialog(QWidget* owner) : LldpNamesViewDialog(owner) {
  Build(AddBindingOf<LldpRemoteCapabilitiesBinding>(tbl::LldpRemote, /*asynchronous=*/true, StatusPanel0));
}
