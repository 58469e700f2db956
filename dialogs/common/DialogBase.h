// What a dialog's header needs: the dialog base, the context it is opened
// with, and the widget classes its members point to.
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QWidget;
class PortGrid;
