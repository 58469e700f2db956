#include "dialogs/security/IpMacBindingDialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
// Variables: 0 address (index), 1 MAC, 2 status, 3 ports, 4 action, 5 mode.
constexpr int kIp = 0, kMac = 1, kStatus = 2, kPorts = 3, kAction = 4, kMode = 5;
}  // namespace

IpMacBindingDialog::IpMacBindingDialog(QWidget* owner) : RowEditDialog(owner, tbl::IpMacBinding) {
  edtIpAddr = new QLineEdit(this);
  edtIpAddr->setObjectName(QStringLiteral("edtIpAddr"));
  edtMacAddr = new QLineEdit(this);
  edtMacAddr->setObjectName(QStringLiteral("edtMacAddr"));
  ComboStatus = new QComboBox(this);
  ComboStatus->setObjectName(QStringLiteral("ComboStatus"));
  ComboStatus->hide();
  rowStatusCombo_ = ComboStatus;
  cbxActive = new QComboBox(this);
  cbxActive->setObjectName(QStringLiteral("cbxActive"));
  cbxMode = new QComboBox(this);
  cbxMode->setObjectName(QStringLiteral("cbxMode"));
  AddField(QStringLiteral("IP Address"), edtIpAddr);
  AddField(QStringLiteral("MAC Address"), edtMacAddr);
  AddField(QStringLiteral("Mode"), cbxMode);
  AddField(QStringLiteral("Action"), cbxActive);
  combos_.push_back(ComboStatus);
  StackingPortPanel = new QWidget(this);
  StackingPortPanel->setObjectName(QStringLiteral("StackingPortPanel"));
  PortPanel = AddStandardPortGrid(StackingPortPanel);
  indexControls_ = {edtIpAddr};

  binding->AssociateEdits(kIp, "%s{l16}", edtIpAddr);
  binding->AssociateEdits(kMac, "%s{l12}", edtMacAddr);
  binding->AssociateControl(kStatus, ComboStatus);
  BindPortList(*binding, kPorts, *PortPanel);
  binding->AssociateControl(kAction, cbxActive);
  binding->AssociateControl(kMode, cbxMode);
  connect(AddButton, &QPushButton::clicked, this, [this] { AddClick(); });
  connect(EditButton, &QPushButton::clicked, this, [this] { EditClick(); });
  connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteClick(); });
  FinishLayout(QStringLiteral("StaticText1"));
  // The ports go between the fields and the buttons.
  if (auto* top = qobject_cast<QBoxLayout*>(layout())) top->insertWidget(top->count() - 2, StackingPortPanel);
}

void IpMacBindingDialog::ClearFields() {
  RowEditDialog::ClearFields();
  SetComboText(cbxMode, QStringLiteral("arp"));
  SetComboText(cbxActive, QStringLiteral("active"));
  PortPanel->ClearAll();
}

void IpMacBindingDialog::StateChanged(bool) { cbxActive->setEnabled(false); }

bool IpMacBindingDialog::CheckFields() {
  if (!CheckIpv4Text(this, edtIpAddr->text())) {
    edtIpAddr->setFocus();
    return false;
  }
  if (!IsHexField(edtMacAddr->text(), 12)) {
    ShowMessageBox(this, QString::fromLatin1(kInvalidMac), ProgramCaption());
    edtMacAddr->setFocus();
    return false;
  }
  return true;
}

void IpMacBindingDialog::Write(bool add) {
  if (binding->busy || !CheckFields()) return;
  // Every column goes (the read-only Action leaves by itself).
  WriteRow(
      [&](KyColumnExclusion&) {
        if (add) SetComboText(ComboStatus, QStringLiteral("createAndGo"));
      },
      /*refreshOnFailure=*/true);
}

void IpMacBindingDialog::AddClick() { Write(true); }
void IpMacBindingDialog::EditClick() { Write(false); }

void IpMacBindingDialog::DeleteClick() {
  if (binding->busy || !RowSelected()) return;
  WriteRow([&](KyColumnExclusion& guard) {
    guard.Exclude({kPorts, kMode});
    SetComboText(ComboStatus, QStringLiteral("destroy"));
  });
}
