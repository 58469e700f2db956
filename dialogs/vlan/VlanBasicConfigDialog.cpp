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
  VlanVersionNumber = MakeStaticText(this, "VlanVersionNumber");
  MaxVlanId = MakeStaticText(this, "MaxVlanId");
  MaxSupportedVlans = MakeStaticText(this, "MaxSupportedVlans");
  NumVlans = MakeStaticText(this, "NumVlans");
  GvrpStatus = MakeCombo(this, "GvrpStatus");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN Version Number"), VlanVersionNumber);
  fields->addRow(QStringLiteral("Max VLAN ID"), MaxVlanId);
  fields->addRow(QStringLiteral("Max Supported VLANs"), MaxSupportedVlans);
  fields->addRow(QStringLiteral("Num VLANs"), NumVlans);
  fields->addRow(QStringLiteral("GVRP Status"), GvrpStatus);
  Memo1 = MakeStatusMemo(this);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addStretch(1);
  layout->addLayout(RightAlignedButtonRow({BT_Get, BT_Set, BT_Close}));
  layout->addWidget(Memo1);

  general_ = AddBinding(tbl::Dot1qVlanGeneral, true, Memo1);
  general_->AssociateControl(0, VlanVersionNumber);
  general_->AssociateControl(1, MaxVlanId);
  general_->AssociateControl(2, MaxSupportedVlans);
  general_->AssociateControl(3, NumVlans);
  general_->AssociateControl(4, GvrpStatus);
  connect(BT_Get, &QPushButton::clicked, this, &VlanBasicConfigDialog::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &VlanBasicConfigDialog::BT_SetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void VlanBasicConfigDialog::BT_GetClick() {
  if (general_->busy) return;
  try {
    general_->Refresh();
  } catch (const std::exception& e) {
    general_->ShowStatus(ErrorText(e));
  }
}

void VlanBasicConfigDialog::BT_SetClick() {
  if (general_->busy) return;
  try {
    general_->ControlsToValues();
    general_->Apply(true, false);
  } catch (const std::exception& e) {
    general_->ShowStatus(ErrorText(e));
  }
}
