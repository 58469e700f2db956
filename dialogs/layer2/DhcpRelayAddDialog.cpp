#include "dialogs/layer2/DhcpRelayAddDialog.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <QComboBox>
#include "dialogs/common/DialogLayout.h"
#include "dialogs/layer2/DhcpRelayDialog.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

DhcpRelayAddDialog::DhcpRelayAddDialog(DhcpRelayDialog* table) : QDialog(table), table_(table) {
  setObjectName(QStringLiteral("NewBootpCtrlForm"));
  setModal(true);
  EntryLayout entry(this);
  interfaceEdit = entry.fields().edit(QStringLiteral("Interface Name"), Name{"Edit1"});
  serverIpEdit = entry.fields().edit(QStringLiteral("DHCP Server IP"), Name{"Edit2"});
  setButton = entry.buttons().add(QStringLiteral("Set"), Name{"SetButton"}, [this] { setClicked(); });
  closeButton = entry.buttons().close(Name{"CloseButton"});
}

void DhcpRelayAddDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  for (QLineEdit* e : {interfaceEdit, serverIpEdit}) {
    e->setEnabled(true);
    e->clear();
  }
  interfaceEdit->setFocus();
}

void DhcpRelayAddDialog::setClicked() {
  if (interfaceEdit->text().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Interface Name is needed."), ProgramCaption());
    interfaceEdit->setFocus();
    return;
  }
  if (!CheckIpv4Text(this, serverIpEdit->text())) {
    ShowMessageBox(this, QStringLiteral("Please input a valid IP address."), ProgramCaption());
    serverIpEdit->setFocus();
    return;
  }
  if (table_->serversOf(interfaceEdit->text()) >= kServersPerInterface) {
    ShowMessageBox(this, QStringLiteral("One interface can support four bootp servers at most."), ProgramCaption(),
                   QMessageBox::Ok, QMessageBox::Warning);
    return;
  }
  KySNMPRequest2Edits* editor = table_->Editor();
  if (editor->busy) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  table_->rowStatusCombo->setCurrentIndex(table_->rowStatusCombo->findText(QStringLiteral("createAndGo")));
  try {
    editor->Apply(true, true);
  } catch (const std::exception& e) {
    editor->ShowStatus(ErrorText(e));
  }
  interfaceEdit->clear();
  serverIpEdit->clear();
  close();
}
