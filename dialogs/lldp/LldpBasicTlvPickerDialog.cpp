#include "dialogs/lldp/LldpBasicTlvPickerDialog.h"

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
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

LldpBasicTlvPickerDialog::LldpBasicTlvPickerDialog(QWidget* owner)
    : LldpTlvPickerDialog(owner, lldp::kBasicTlvs, QStringLiteral("Port Configuration Table Setting: "),
                          {"portDescCBX", "sysNameCBX", "sysDescCBX", "sysCapCBX"}) {}
