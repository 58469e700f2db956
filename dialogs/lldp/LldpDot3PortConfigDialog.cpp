#include "dialogs/lldp/LldpDot3PortConfigDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/lldp/LldpDot3TlvPickerDialog.h"
#include "dialogs/lldp/LldpNamesBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

LldpDot3PortConfigDialog::LldpDot3PortConfigDialog(const DialogContext& context) : LldpTlvPortDialog(context) {
  Build(AddBindingOf<LldpDot3TlvBinding>(tbl::LldpDot3PortConfig, /*asynchronous=*/false,
                                                         StatusPanel0),
        new LldpDot3TlvPickerDialog(this), 1, {});
}
