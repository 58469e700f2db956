#include "dialogs/layer2/PortSecurityDeleteDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
PortSecurityDeleteDialog::PortSecurityDeleteDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("PrtSecDelCtrlForm"));
  setWindowTitle(QStringLiteral("Port Sercurity Delete Control Form"));
  resize(Px(this, 380), Px(this, 220));
  FieldGrid fields(this, FieldGrid::kForm);
  vlanNameEdit = fields.edit(QStringLiteral("VLAN Name"), Name{"edtVlan"});
  globalPortEdit = MakeEdit(this, "edtPort");
  globalPortEdit->hide();
  operationCombo = MakeCombo(this, "cbxOper");
  operationCombo->hide();
  unitEdit = MakeEdit(this, "UnitEdit");
  unitEdit->hide();
  portEdit = fields.edit(QStringLiteral("Port"), Name{"PortEdit"});
  macEdit = fields.edit(QStringLiteral("MAC Address"), Name{"edtMac"});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields.arrangement());
  layout->addStretch(1);
  ButtonBar buttons(this);
  buttons.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  buttons.add(QStringLiteral("Set"), Name{"BT_Set"}, [this] { setClicked(); });
  buttons.close(Name{"BT_Close"});
  layout->addLayout(buttons.layout());
  statusLabel = AddStatusBar(this, layout);

  delete_ = AddBinding(tbl::PortSecurityDelete, false, statusLabel);
  delete_->AssociateEdits(0, "%s{l32}", vlanNameEdit);
  delete_->AssociateEdits(1, "%i{n0x768l3}", globalPortEdit);
  delete_->AssociateEdits(2, "%s{l12}", macEdit);
  delete_->AssociateControl(3, operationCombo);
}

void PortSecurityDeleteDialog::showUnitPort() {
  const UnitPort up = SplitGlobalPort(globalPortEdit->text().toInt());
  unitEdit->setText(QString::number(up.unit));
  portEdit->setText(QString::number(up.port));
}

void PortSecurityDeleteDialog::refreshClicked() {
  try {
    delete_->Refresh();
  } catch (const std::exception& e) {
    delete_->ShowStatus(ErrorText(e));
  }
  showUnitPort();
}

void PortSecurityDeleteDialog::setClicked() {
  unitEdit->setText(QStringLiteral("1"));
  if (vlanNameEdit->text().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("You should input VLAN name."), ProgramCaption());
    return;
  }
  bool unitOk = false, portOk = false;
  const int unit = unitEdit->text().toInt(&unitOk);
  const int port = portEdit->text().toInt(&portOk);
  // Unit 1 is the one listed; another unit would allow 50 ports.
  const int ports = unit == 1 ? ModelPortCount(kGridModel) : 50;
  if (!unitOk || !portOk || unit < 1 || unit > 12 || port < 1 || port > ports) {
    unitEdit->setText(QStringLiteral("0"));
    portEdit->setText(QStringLiteral("0"));
    ShowMessageBox(this, QStringLiteral("You should input valid port."), ProgramCaption());
    return;
  }
  if (!CheckHexField(this, macEdit->text(), 12, QStringLiteral("You should input valid MAC address."))) return;
  globalPortEdit->setText(QString::number(JoinGlobalPort(unit, port)));
  operationCombo->setCurrentIndex(1);  // start
  try {
    delete_->Apply(true, true);
  } catch (const std::exception& e) {
    delete_->ShowStatus(ErrorText(e));
  }
}
