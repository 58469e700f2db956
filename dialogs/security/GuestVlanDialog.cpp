#include "dialogs/security/GuestVlanDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
GuestVlanDialog::GuestVlanDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("GuestVlanForm"));
  setWindowTitle(QStringLiteral("Guest VLAN :") + context.agent);
  resize(Px(this, 600), Px(this, 360));
  edtName = MakeEdit(this, "edtName");
  cbxDel = new QComboBox(this);
  cbxDel->setObjectName(QStringLiteral("cbxDel"));
  cbxDel->hide();
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Guest VLAN Name"), edtName);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Delete = MakeDialogButton(this, "BT_Delete", QStringLiteral("Delete"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  Ports = AddPortGridGroup(this, layout, QStringLiteral("Port"));
  layout->addLayout(RightAlignedButtonRow({BT_Get, BT_Set, BT_Delete, BT_Close}));
  StatusPanel = AddStatusPanel(this);
  layout->addWidget(StatusPanel->parentWidget());

  guest_ = AddBinding(tbl::GuestVlan, false, StatusPanel);
  guest_->request.timeout = 300;
  guest_->AssociateEdits(0, "%s", edtName);
  BindPortList(*guest_, 1, *Ports);
  delete_ = AddBinding(tbl::GuestVlanDelete, false, StatusPanel);
  delete_->request.timeout = 300;
  delete_->AssociateControl(0, cbxDel);
  connect(BT_Get, &QPushButton::clicked, this, &GuestVlanDialog::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &GuestVlanDialog::BT_SetClick);
  connect(BT_Delete, &QPushButton::clicked, this, &GuestVlanDialog::BT_DeleteClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void GuestVlanDialog::BT_GetClick() {
  if (AnyBusy()) return;
  try {
    guest_->Refresh();
    delete_->Refresh();
  } catch (const std::exception& e) {
    guest_->ShowStatus(ErrorText(e));
  }
}

void GuestVlanDialog::BT_SetClick() {
  try {
    guest_->Apply(true, true);
  } catch (const std::exception& e) {
    guest_->ShowStatus(ErrorText(e));
  }
}

void GuestVlanDialog::BT_DeleteClick() {
  cbxDel->setCurrentIndex(1);  // start
  try {
    delete_->Apply(true, true);
  } catch (const std::exception& e) {
    delete_->ShowStatus(ErrorText(e));
    return;
  }
  BT_GetClick();
}
