#include "dialogs/security/IpMacBindingDialog.h"

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

IpMacBindingDialog::IpMacBindingDialog(const DialogContext& context) : RowEditDialog(context, tbl::IpMacBinding) {
  ipEdit = field(kIp, QStringLiteral("IP Address"), Name{"edtIpAddr"}, "%s{l16}", Role::Index);
  macEdit = field(kMac, QStringLiteral("MAC Address"), Name{"edtMacAddr"}, "%s{l12}");
  modeCombo = choice(kMode, QStringLiteral("Mode"), Name{"cbxMode"});
  actionCombo = choice(kAction, QStringLiteral("Action"), Name{"cbxActive"});
  statusCombo_ = hiddenRowStatus(kStatus, Name{"ComboStatus"});
  // The ports go between the fields and the buttons.
  auto* ports = new QWidget(this);
  ports->setObjectName(QStringLiteral("StackingPortPanel"));
  portGrid = AddStandardPortGrid(ports);
  BindPortList(*binding(), kPorts, *portGrid);
  addBelowFields(ports);
  finishLayout(Name{"StaticText1"});
}

void IpMacBindingDialog::clearRow() {
  RowEditDialog::clearRow();
  SelectText(modeCombo, QStringLiteral("arp"));
  SelectText(actionCombo, QStringLiteral("active"));
  portGrid->ClearAll();
}

void IpMacBindingDialog::stateChanged(bool) { actionCombo->setEnabled(false); }

bool IpMacBindingDialog::CheckFields() {
  if (!CheckIpv4Text(this, ipEdit->text())) {
    ipEdit->setFocus();
    return false;
  }
  if (!IsHexField(macEdit->text(), 12)) {
    ShowMessageBox(this, QString::fromLatin1(kInvalidMac), ProgramCaption());
    macEdit->setFocus();
    return false;
  }
  return true;
}

void IpMacBindingDialog::Write(bool add) {
  if (binding()->busy || !CheckFields()) return;
  // Every column goes (the read-only Action leaves by itself).
  writeRow(
      [&](KyColumnExclusion&) {
        if (add) SelectText(statusCombo_, QStringLiteral("createAndGo"));
      },
      /*refreshOnFailure=*/true);
}

void IpMacBindingDialog::addClicked() { Write(true); }
void IpMacBindingDialog::editClicked() { Write(false); }

void IpMacBindingDialog::deleteClicked() {
  if (binding()->busy || !rowSelected()) return;
  writeRow([&](KyColumnExclusion& guard) {
    guard.Exclude({kPorts, kMode});
    SelectText(statusCombo_, QStringLiteral("destroy"));
  });
}
