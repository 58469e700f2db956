#include "dialogs/security/AacServerControlDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <ctime>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "snmp/Messages.h"
#include "tables/DefTables.h"

AacServerControlDialog::AacServerControlDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  groupNameEdit = MakeEdit(this, "edtGroupName");
  ipEdit = MakeEdit(this, "edtIPAddr");
  protocolCombo = MakeCombo(this, "cbAuthProtocol");
  rowStateCombo = MakeCombo(this, "cbRowState");
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Group Name"), groupNameEdit);
  form->addRow(QStringLiteral("IP Address"), ipEdit);
  form->addRow(QStringLiteral("Auth Protocol"), protocolCombo);
  form->addRow(QStringLiteral("Row State"), rowStateCombo);
  for (QWidget* w : std::initializer_list<QWidget*>{groupNameEdit, ipEdit, protocolCombo, rowStateCombo})
    w->setMinimumWidth(Px(this, 180));
  ButtonBar buttons(this);
  setButton = buttons.add(QStringLiteral("Set"), Name{"Button1"}, [this] { setClicked(); });
  closeButton = buttons.close(Name{"Button2"});
  auto* top = new QVBoxLayout(this);
  top->addLayout(form);
  top->addLayout(buttons.layout());
  top->addWidget(MakeStatusBar(this, &statusLabel));

  // The window never reads: the status line shows its writes only.
  binding_ = AddBinding(tbl::AacServerGroupMember, /*asynchronous=*/false, statusLabel);
  binding_->AssociateEdits(0, "%s{l15}", groupNameEdit);
  binding_->AssociateEdits(1, "%s{l16}", ipEdit);
  binding_->AssociateControl(2, protocolCombo);
  binding_->AssociateControl(3, rowStateCombo);
  protocolCombo->setCurrentIndex(-1);
  rowStateCombo->setCurrentIndex(-1);
}

void AacServerControlDialog::setClicked() {
  if (groupNameEdit->text().isEmpty() || ipEdit->text().isEmpty() || protocolCombo->currentText().isEmpty() ||
      rowStateCombo->currentText().isEmpty()) {
    statusLabel->setText(QString::fromLatin1(kEmptyFields));
    return;
  }
  try {
    // No read afterwards: the fields keep what the operator entered.
    binding_->Apply(/*refreshAfter=*/false, /*convert=*/true);
  } catch (const std::exception& e) {
    // The cause the agent gave goes to the status line, as every dialog
    // reports a failed write; the message box says that the entry was not set.
    binding_->ShowStatus(ErrorText(e));
    ShowMessageBox(this, QString::fromLatin1(kSetFailed), ProgramCaption());
    return;
  }
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  statusLabel->setText(QStringLiteral("Set: Ok!. Receive at %1.").arg(QString::fromStdString(StatusTime(local))));
}
