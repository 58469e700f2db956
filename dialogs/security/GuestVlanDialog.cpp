#include "dialogs/security/GuestVlanDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
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
  FieldForm fields(this);
  nameEdit = fields.edit(QStringLiteral("Guest VLAN Name"), Name{"edtName"});
  deleteCombo_ = new QComboBox(this);
  deleteCombo_->setObjectName(QStringLiteral("cbxDel"));
  deleteCombo_->hide();
  SettingsLayout layout(this, fields.layout());
  // The ports, in a group box under the name.
  auto* ports = new QGroupBox(QStringLiteral("Port"), this);
  auto* host = new QWidget(ports);
  host->setMinimumHeight(Px(this, 110));
  (new QVBoxLayout(ports))->addWidget(host);
  layout.addBelowFields(ports);
  portGrid = AddStandardPortGrid(host);
  ButtonBar& buttons = layout.buttons();
  for (QPushButton* b : {buttons.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); }),
                         buttons.add(QStringLiteral("Set"), Name{"BT_Set"}, [this] { setClicked(); }),
                         buttons.add(QStringLiteral("Delete"), Name{"BT_Delete"}, [this] { deleteClicked(); }),
                         buttons.close(Name{"BT_Close"})})
    b->setMinimumWidth(Px(this, 75));
  statusLabel = layout.addStatusBar();

  guest_ = AddBinding(tbl::GuestVlan, false, statusLabel);
  guest_->request.timeout = 300;
  guest_->AssociateEdits(0, "%s", nameEdit);
  BindPortList(*guest_, 1, *portGrid);
  delete_ = AddBinding(tbl::GuestVlanDelete, false, statusLabel);
  delete_->request.timeout = 300;
  delete_->AssociateControl(0, deleteCombo_);
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
