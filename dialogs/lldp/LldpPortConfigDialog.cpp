#include "dialogs/lldp/LldpPortConfigDialog.h"

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

LldpPortConfigDialog::LldpPortConfigDialog(const DialogContext& context) : LldpTlvPortDialog(context) {
  AdminStateComboBox = new QComboBox(this);
  AdminStateComboBox->setObjectName(QStringLiteral("AdminStateComboBox"));
  NotificationComboBox = new QComboBox(this);
  NotificationComboBox->setObjectName(QStringLiteral("NotificationComboBox"));
  Build(AddBindingOf<LldpPortTlvBinding>(tbl::LldpPortConfig, /*asynchronous=*/false, StatusPanel0),
        new LldpTlvPickerDialog(this, lldp::kBasicTlvs, QStringLiteral("Port Configuration Table Setting: "),
                                {"portDescCBX", "sysNameCBX", "sysDescCBX", "sysCapCBX"}),
        3, {{AdminStateComboBox, 1}, {NotificationComboBox, 2}});
}
