#include "dialogs/singleip/MemberSwitchDialog.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "dialogs/singleip/MemberSwitchAddDialog.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {

// Variables of the add list: 0 ID, 1 candidate ID, 2 password, 3 row status.
constexpr int kId = 0, kCandidate = 1, kPassword = 2, kRowStatus = 3;

}  // namespace

MemberSwitchDialog::MemberSwitchDialog(const DialogContext& context)
    : TableDialog(context, tbl::MemberSwitches,
                  {.objectName = "MSInformationForm",
                   .caption = QStringLiteral("Member Switch Information: "),
                   .list = {Name{"ListView1"}, {560, 180}},
                   .fieldColumns = DialogLayout::kNoFields,
                   .asynchronous = true}) {
  memberList = list();
  messages = addMessages(Place::AboveButtons);
  refreshButton = button(QStringLiteral("Refresh"), Name{"GetButton"}, [this] { refreshClicked(); });
  deleteButton = button(QStringLiteral("Delete"), Name{"DeleteButton"}, [this] { deleteClicked(); },
                        Enable::WithSelection);
  addButton = button(QStringLiteral("Add"), Name{"AddButton"}, [this] { addClicked(); });
  addCloseButton(Name{"CloseButton"});

  addDialog_ = new MemberSwitchAddDialog(this);
  addDialog_->hide();

  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  binding()->request.timeout = kTableTimeout;
  // The add window's binding: its asynchronous errors go to this memo too.
  KySNMPRequest2Edits* add = AddBinding(tbl::MemberSwitchAdd, true, messages);
  add->AssociateEdits(kId, "%i{n1x32l2a}", addDialog_->memberIdEdit);
  add->AssociateEdits(kCandidate, "%i{n1x32l2a}", addDialog_->candidateIdEdit);
  add->AssociateEdits(kPassword, "%s", addDialog_->passwordEdit);
  add->AssociateControl(kRowStatus, addDialog_->rowStatusCombo);
  // The list is read again once a write of the add binding has ended.
  add->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) { refreshClicked(); };
}

void MemberSwitchDialog::AppendError(const std::string& text) {
  messages->appendPlainText(QString::fromStdString(text));
}

void MemberSwitchDialog::refreshClicked() {
  try {
    if (!binding()->busy) binding()->Refresh();
  } catch (const std::exception& e) {
    AppendError(ErrorText(e));
  }
  deleteButton->setEnabled(false);
}

void MemberSwitchDialog::addClicked() {
  addDialog_->rowStatusCombo->setCurrentIndex(addDialog_->rowStatusCombo->findText(QStringLiteral("createAndGo")));
  addDialog_->exec();
  // A write still running reads the list when it ends.
  if (!AddEditor()->busy) refreshClicked();
}

void MemberSwitchDialog::deleteClicked() {
  const QList<QTreeWidgetItem*> selected = memberList->selectedItems();
  if (selected.isEmpty()) {
    refuse(QStringLiteral("Choose the item first."), deleteButton);
    deleteButton->setEnabled(false);
    return;
  }
  KySNMPRequest2Edits* add = AddEditor();
  if (add->busy) return;
  addDialog_->rowStatusCombo->setCurrentIndex(addDialog_->rowStatusCombo->findText(QStringLiteral("destroy")));
  {
    // Only the row status goes; the guard puts both columns back however the write ends.
    KyColumnExclusion exclusion(add->request.varList);
    exclusion.Exclude({kCandidate, kPassword});
    add->request.varList.index = selected.first()->text(0).toStdString();
    try {
      add->Apply(false, true);
    } catch (const std::exception& e) {
      AppendError(ErrorText(e));
    }
  }
  if (!add->busy) refreshClicked();
  deleteButton->setEnabled(false);
}
