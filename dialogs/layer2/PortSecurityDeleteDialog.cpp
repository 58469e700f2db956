#include "dialogs/layer2/PortSecurityDeleteDialog.h"

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
PortSecurityDeleteDialog::PortSecurityDeleteDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("PrtSecDelCtrlForm"));
  setWindowTitle(QStringLiteral("Port Sercurity Delete Control Form"));
  resize(Px(this, 380), Px(this, 220));
  edtVlan = MakeEdit(this, "edtVlan");
  edtPort = MakeEdit(this, "edtPort");
  edtPort->hide();
  edtMac = MakeEdit(this, "edtMac");
  cbxOper = new QComboBox(this);
  cbxOper->setObjectName(QStringLiteral("cbxOper"));
  cbxOper->hide();
  UnitEdit = MakeEdit(this, "UnitEdit");
  UnitEdit->hide();
  PortEdit = MakeEdit(this, "PortEdit");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN Name"), edtVlan);
  fields->addRow(QStringLiteral("Port"), PortEdit);
  fields->addRow(QStringLiteral("MAC Address"), edtMac);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addStretch(1);
  layout->addLayout(RightAlignedButtonRow({BT_Get, BT_Set, BT_Close}));
  StatusPanel = AddStatusPanel(this);
  layout->addWidget(StatusPanel->parentWidget());

  delete_ = AddBinding(tbl::PortSecurityDelete, false, StatusPanel);
  delete_->AssociateEdits(0, "%s{l32}", edtVlan);
  delete_->AssociateEdits(1, "%i{n0x768l3}", edtPort);
  delete_->AssociateEdits(2, "%s{l12}", edtMac);
  delete_->AssociateControl(3, cbxOper);
  connect(BT_Get, &QPushButton::clicked, this, &PortSecurityDeleteDialog::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &PortSecurityDeleteDialog::BT_SetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void PortSecurityDeleteDialog::ShowUnitPort() {
  const UnitPortText up = SplitGlobalPortText(edtPort->text().toInt());
  UnitEdit->setText(up.unit);
  PortEdit->setText(up.port);
}

void PortSecurityDeleteDialog::BT_GetClick() {
  try {
    delete_->Refresh();
  } catch (const std::exception& e) {
    delete_->ShowStatus(ErrorText(e));
  }
  ShowUnitPort();
}

void PortSecurityDeleteDialog::BT_SetClick() {
  UnitEdit->setText(QStringLiteral("1"));
  if (edtVlan->text().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("You should input VLAN name."), ProgramCaption());
    return;
  }
  bool unitOk = false, portOk = false;
  const int unit = UnitEdit->text().toInt(&unitOk);
  const int port = PortEdit->text().toInt(&portOk);
  // Unit 1 is the one listed; another unit would allow 50 ports.
  const int ports = unit == 1 ? ModelPortCount(kGridModel) : 50;
  if (!unitOk || !portOk || unit < 1 || unit > 12 || port < 1 || port > ports) {
    UnitEdit->setText(QStringLiteral("0"));
    PortEdit->setText(QStringLiteral("0"));
    ShowMessageBox(this, QStringLiteral("You should input valid port."), ProgramCaption());
    return;
  }
  if (!CheckHexField(this, edtMac->text(), 12, QStringLiteral("You should input valid MAC address."))) return;
  edtPort->setText(QString::number(JoinGlobalPort(unit, port)));
  cbxOper->setCurrentIndex(1);  // start
  try {
    delete_->Apply(true, true);
  } catch (const std::exception& e) {
    delete_->ShowStatus(ErrorText(e));
  }
}
