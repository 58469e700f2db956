#include "dialogs/lldp/LldpDot3TlvPickerDialog.h"

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

LldpDot3TlvPickerDialog::LldpDot3TlvPickerDialog(QWidget* owner)
    : LldpTlvPickerDialog(owner, lldp::kDot3Tlvs, QStringLiteral("LLDP Dot3 Port Configuration Table Setting:"),
                          {"macPhyCBX", "powerViaMDICBX", "linkAggCBX", "maxFrameSizeCBX"}) {}
