#include "dialogs/singleip/MemberSwitchAddDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/ComboChoice.h"
#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/DialogParts.h"
#include "dialogs/singleip/MemberSwitchDialog.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
MemberSwitchAddDialog::MemberSwitchAddDialog(MemberSwitchDialog* table) : QDialog(table), table_(table) {
  setObjectName(QStringLiteral("MSEditForm"));
  setWindowTitle(QStringLiteral("MS Add"));
  setModal(true);
  FieldGrid fields(this, 1);
  memberIdEdit = fields.edit(QStringLiteral("Member Switch ID"), Name{"MSIDEdit"});
  candidateIdEdit = fields.edit(QStringLiteral("Member Candidate ID"), Name{"KeyIDEdit"});
  passwordEdit = fields.edit(QStringLiteral("Member Password"), Name{"MS_Password"});
  rowStatusCombo = fields.combo(QStringLiteral("Member Row Status"), Name{"Row_Status"});
  ButtonBar buttons(this);
  setButton = buttons.add(QStringLiteral("Set"), Name{"SetButton"}, [this] { setClicked(); });
  closeButton = buttons.add(QStringLiteral("Close"), Name{"CloseButton"}, [this] { closeClicked(); });
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields.layout());
  layout->addLayout(buttons.layout());
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
