// LLDP port configuration (basic and 802.3): per port, which TLVs it sends,
// shown by name and chosen in a small setting window of check boxes.
#pragma once

#include <QDialog>
#include <span>
#include <vector>

#include "dialogs/lldp/LldpNames.h"
#include "dialogs/lldp/LldpTlvPortDialog.h"
#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class LldpNamesBinding;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;

class LldpPortConfigDialog : public LldpTlvPortDialog {
  Q_OBJECT
 public:
  explicit LldpPortConfigDialog(const DialogContext& context);
  QComboBox* AdminStateComboBox = nullptr;
  QComboBox* NotificationComboBox = nullptr;
};
