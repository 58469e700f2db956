#include "dialogs/singleip/MemberSwitchAddDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/singleip/MemberSwitchDialog.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"

MemberSwitchAddDialog::MemberSwitchAddDialog(MemberSwitchDialog* table) : QDialog(table), table_(table) {
  setObjectName(QStringLiteral("MSEditForm"));
  setWindowTitle(QStringLiteral("MS Add"));
  setModal(true);
  EntryLayout layout(this);
  memberIdEdit = layout.fields().edit(QStringLiteral("Member Switch ID"), Name{"MSIDEdit"});
  candidateIdEdit = layout.fields().edit(QStringLiteral("Member Candidate ID"), Name{"KeyIDEdit"});
  passwordEdit = layout.fields().edit(QStringLiteral("Member Password"), Name{"MS_Password"});
  rowStatusCombo = layout.fields().combo(QStringLiteral("Member Row Status"), Name{"Row_Status"});
  setButton = layout.buttons().add(QStringLiteral("Set"), Name{"SetButton"}, [this] { setClicked(); });
  closeButton = layout.buttons().close(Name{"CloseButton"});
}

void MemberSwitchAddDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  candidateIdEdit->setEnabled(true);
  memberIdEdit->clear();
  candidateIdEdit->clear();
  memberIdEdit->setFocus();
}

void MemberSwitchAddDialog::setClicked() {
  const QString id = memberIdEdit->text().trimmed();
  if (!id.isEmpty() && !table_->memberList->findItems(id, Qt::MatchExactly, 0).isEmpty()) {
    ShowMessageBox(this, QStringLiteral("There is already a record with the same Member Switch ID. Please modified it."),
                   ProgramCaption(), QMessageBox::Ok, QMessageBox::Warning);
    return;
  }
  if (id.isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Member Siwitch ID is needed."), ProgramCaption());
    memberIdEdit->setFocus();
    return;
  }
  if (candidateIdEdit->text().trimmed().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Member Candidate ID is needed."), ProgramCaption());
    candidateIdEdit->setFocus();
    return;
  }
  if (rowStatusCombo->currentText() != QStringLiteral("createAndGo")) {
    ShowMessageBox(this, QStringLiteral("Member Row State must be createAndGo."), ProgramCaption());
    rowStatusCombo->setFocus();
    return;
  }
  KySNMPRequest2Edits* editor = table_->AddEditor();
  if (editor->busy) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  editor->request.varList.index = id.toStdString();
  try {
    // The table window reads its list again once this window is closed.
    editor->Apply(false, true);
  } catch (const std::exception& e) {
    ShowMessageBox(this, QString::fromStdString(ErrorText(e)), ProgramCaption());
  }
  close();
}
