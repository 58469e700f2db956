#include "dialogs/security/AacServerControlDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <ctime>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "snmp/Messages.h"
#include "tables/DefTables.h"

AacServerControlDialog::AacServerControlDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  FieldForm form(this);
  groupNameEdit = form.edit(QStringLiteral("Group Name"), Name{"edtGroupName"});
  ipEdit = form.edit(QStringLiteral("IP Address"), Name{"edtIPAddr"});
  protocolCombo = form.combo(QStringLiteral("Auth Protocol"), Name{"cbAuthProtocol"});
  rowStateCombo = form.combo(QStringLiteral("Row State"), Name{"cbRowState"});
  for (QWidget* w : std::initializer_list<QWidget*>{groupNameEdit, ipEdit, protocolCombo, rowStateCombo})
    w->setMinimumWidth(Px(this, 180));
  SettingsLayout layout(this, form.layout());
  setButton = layout.buttons().add(QStringLiteral("Set"), Name{"Button1"}, [this] { setClicked(); });
  layout.buttons().close(Name{"Button2"});
  statusLabel = layout.addStatusBar();

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
