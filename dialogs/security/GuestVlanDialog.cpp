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
  nameEdit = MakeEdit(this, "edtName");
  deleteCombo_ = new QComboBox(this);
  deleteCombo_->setObjectName(QStringLiteral("cbxDel"));
  deleteCombo_->hide();
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Guest VLAN Name"), nameEdit);
  refreshButton = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  setButton = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  deleteButton = MakeDialogButton(this, "BT_Delete", QStringLiteral("Delete"));
  closeButton = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  portGrid = AddPortGridGroup(this, layout, QStringLiteral("Port"));
  layout->addLayout(RightAlignedButtonRow({refreshButton, setButton, deleteButton, closeButton}));
  statusLabel = AddStatusPanel(this);
  layout->addWidget(statusLabel->parentWidget());

  guest_ = AddBinding(tbl::GuestVlan, false, statusLabel);
  guest_->request.timeout = 300;
  guest_->AssociateEdits(0, "%s", nameEdit);
  BindPortList(*guest_, 1, *portGrid);
  delete_ = AddBinding(tbl::GuestVlanDelete, false, statusLabel);
  delete_->request.timeout = 300;
  delete_->AssociateControl(0, deleteCombo_);
  connect(refreshButton, &QPushButton::clicked, this, &GuestVlanDialog::refreshClicked);
  connect(setButton, &QPushButton::clicked, this, &GuestVlanDialog::setClicked);
  connect(deleteButton, &QPushButton::clicked, this, &GuestVlanDialog::deleteClicked);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void GuestVlanDialog::refreshClicked() {
  if (AnyBusy()) return;
  try {
    guest_->Refresh();
    delete_->Refresh();
  } catch (const std::exception& e) {
    guest_->ShowStatus(ErrorText(e));
  }
}

void GuestVlanDialog::setClicked() {
  try {
    guest_->Apply(true, true);
  } catch (const std::exception& e) {
    guest_->ShowStatus(ErrorText(e));
  }
}

void GuestVlanDialog::deleteClicked() {
  deleteCombo_->setCurrentIndex(1);  // start
  try {
    delete_->Apply(true, true);
  } catch (const std::exception& e) {
    delete_->ShowStatus(ErrorText(e));
    return;
  }
  refreshClicked();
}
