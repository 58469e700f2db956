#include "dialogs/layer2/IgmpMulticastVlanGroupAddDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/layer2/IgmpMulticastVlanGroupDialog.h"
#include "dialogs/layer2/MulticastIpCheck.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

IgmpMulticastVlanGroupAddDialog::IgmpMulticastVlanGroupAddDialog(IgmpMulticastVlanGroupDialog* list)
    : QDialog(list), list_(list) {
  setObjectName(QStringLiteral("IGMPMulticastVLANGroupAddForm"));
  setModal(true);
  EntryLayout entry(this);
  vlanIdEdit = entry.fields().edit(QStringLiteral("VLAN ID"), Name{"edtVID"});
  fromIpEdit = entry.fields().edit(QStringLiteral("Form IP"), Name{"edtFormIP"});
  toIpEdit = entry.fields().edit(QStringLiteral("To IP"), Name{"edtToIP"});
  stateCombo = entry.fields().combo(QStringLiteral("Status"), Name{"cbxState"});
  addButton = entry.buttons().add(QStringLiteral("Add"), Name{"btnAdd"}, [this] { addClicked(); });
  closeButton = entry.buttons().close(Name{"btnClose"});
}

void IgmpMulticastVlanGroupAddDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  stateCombo->setCurrentIndex(stateCombo->findText(QStringLiteral("createAndGo")));
  stateCombo->setEnabled(false);
  for (QLineEdit* e : {vlanIdEdit, fromIpEdit, toIpEdit}) {
    e->clear();
    e->setEnabled(true);
  }
  vlanIdEdit->setFocus();
}

void IgmpMulticastVlanGroupAddDialog::addClicked() {
  struct Field {
    QLineEdit* edit;
    const char* emptyMessage;
    bool address;
  };
  const Field fields[] = {{vlanIdEdit, "VLAN ID can't be empty.", false},
                          {fromIpEdit, "Form IP can't be empty.", true},
                          {toIpEdit, "To IP can't be empty.", true}};
  for (const Field& f : fields) {
    if (f.edit->text().trimmed().isEmpty()) {
      ShowMessageBox(this, QString::fromLatin1(f.emptyMessage), ProgramCaption());
      f.edit->setFocus();
      return;
    }
    if (f.address && !CheckMulticastIpv4(this, f.edit->text())) {
      f.edit->setFocus();
      return;
    }
  }
  KySNMPRequest2Edits* editor = list_->Editor();
  if (editor->busy) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  try {
    // The row is addressed by VLAN ID, From IP and To IP; the list stays as
    // it is until "Refresh".
    editor->Apply(false, true);
  } catch (const std::exception& e) {
    editor->statusKind = kSetStatus;
    editor->ShowStatus(ErrorText(e));
  }
  close();
}
