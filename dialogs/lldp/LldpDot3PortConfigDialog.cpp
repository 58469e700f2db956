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

#include "dialogs/lldp/LldpNamesBinding.h"
#include "dialogs/lldp/LldpTlvPickerDialog.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

LldpDot3PortConfigDialog::LldpDot3PortConfigDialog(const DialogContext& context) : LldpTlvPortDialog(context) {
  Build(AddBindingOf<LldpDot3TlvBinding>(tbl::LldpDot3PortConfig, /*asynchronous=*/false, StatusPanel0),
        new LldpTlvPickerDialog(this, lldp::kDot3Tlvs, QStringLiteral("LLDP Dot3 Port Configuration Table Setting:"),
                                {"macPhyCBX", "powerViaMDICBX", "linkAggCBX", "maxFrameSizeCBX"}),
        1, {});
}
