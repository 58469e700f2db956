#include "dialogs/lldp/LldpProtocolVlanTxDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "snmp/Messages.h"
#include "tables/DefTables.h"

LldpProtocolVlanTxDialog::LldpProtocolVlanTxDialog(QWidget* owner)
    : LldpTxSwitchDialog(owner, tbl::LldpConfigProtocolVlan) {}
