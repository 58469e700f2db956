#include "dialogs/vlan/VlanBasicConfigDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
VlanBasicConfigDialog::VlanBasicConfigDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("VLanGeneralInfoForm"));
  setWindowTitle(QStringLiteral("802.1Q Basic Configure"));
  resize(Px(this, 380), Px(this, 300));
  versionLabel = MakeStaticText(this, "VlanVersionNumber");
  maxVlanIdLabel = MakeStaticText(this, "MaxVlanId");
  maxSupportedVlansLabel = MakeStaticText(this, "MaxSupportedVlans");
  vlanCountLabel = MakeStaticText(this, "NumVlans");
  gvrpCombo = MakeCombo(this, "GvrpStatus");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN Version Number"), versionLabel);
  fields->addRow(QStringLiteral("Max VLAN ID"), maxVlanIdLabel);
  fields->addRow(QStringLiteral("Max Supported VLANs"), maxSupportedVlansLabel);
  fields->addRow(QStringLiteral("Num VLANs"), vlanCountLabel);
  fields->addRow(QStringLiteral("GVRP Status"), gvrpCombo);
  messages = MakeStatusMemo(this);
  refreshButton = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  setButton = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  closeButton = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addStretch(1);
  layout->addLayout(RightAlignedButtonRow({refreshButton, setButton, closeButton}));
  layout->addWidget(messages);

  general_ = AddBinding(tbl::Dot1qVlanGeneral, true, messages);
  general_->AssociateControl(0, versionLabel);
  general_->AssociateControl(1, maxVlanIdLabel);
  general_->AssociateControl(2, maxSupportedVlansLabel);
  general_->AssociateControl(3, vlanCountLabel);
  general_->AssociateControl(4, gvrpCombo);
  connect(refreshButton, &QPushButton::clicked, this, &VlanBasicConfigDialog::refreshClicked);
  connect(setButton, &QPushButton::clicked, this, &VlanBasicConfigDialog::setClicked);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void VlanBasicConfigDialog::refreshClicked() {
  if (general_->busy) return;
  try {
    general_->Refresh();
  } catch (const std::exception& e) {
    general_->ShowStatus(ErrorText(e));
  }
}

void VlanBasicConfigDialog::setClicked() {
  if (general_->busy) return;
  try {
    general_->ControlsToValues();
    general_->Apply(true, false);
  } catch (const std::exception& e) {
    general_->ShowStatus(ErrorText(e));
  }
}
