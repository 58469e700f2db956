#include "dialogs/singleip/MemberSwitchDialog.h"

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

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/ComboChoice.h"
#include "dialogs/common/DialogParts.h"
#include "dialogs/singleip/MemberSwitchAddDialog.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {

// Variables of the add list: 0 ID, 1 candidate ID, 2 password, 3 row status.
constexpr int kCandidate = 1, kPassword = 2, kRowStatus = 3;

}  // namespace

// ---------------------------------------------------------------------------
MemberSwitchDialog::MemberSwitchDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("MSInformationForm"));
  setWindowTitle(QStringLiteral("Member Switch Information: ") + context.agent);
  memberList = new QTreeWidget(this);
  memberList->setObjectName(QStringLiteral("ListView1"));
  memberList->setMinimumSize(Px(this, 560), Px(this, 180));
  memo = MakeMemo(this, "Memo1");
  memo->setMaximumHeight(Px(this, 60));

  ButtonBar buttonBar(this);
  refreshButton = buttonBar.add(QStringLiteral("Refresh"), Name{"GetButton"}, [this] { refresh(); });
  deleteButton = buttonBar.add(QStringLiteral("Delete"), Name{"DeleteButton"}, [this] { deleteClicked(); });
  addButton = buttonBar.add(QStringLiteral("Add"), Name{"AddButton"}, [this] { addClicked(); });
  closeButton = buttonBar.close(Name{"CloseButton"});
  deleteButton->setEnabled(false);
  QBoxLayout* buttons = buttonBar.layout();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(memberList, 1);
  layout->addWidget(memo);
  layout->addLayout(buttons);

  addDialog = new MemberSwitchAddDialog(this);
  addDialog->hide();

  KySNMPRequest2Edits* table = AddBinding(tbl::MemberSwitches, true, memo);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  table->request.timeout = kTableTimeout;
  table->AttachListView(memberList, true);
  // The add window's binding: its asynchronous errors go to this memo too.
  KySNMPRequest2Edits* add = AddBinding(tbl::MemberSwitchAdd, true, memo);
  add->AssociateEdits(0, "%i{n1x32l2a}", addDialog->memberIdEdit);
  add->AssociateEdits(kCandidate, "%i{n1x32l2a}", addDialog->candidateIdEdit);
  add->AssociateEdits(kPassword, "%s", addDialog->passwordEdit);
  add->AssociateControl(kRowStatus, addDialog->rowStatusCombo);
  // The list is read again once a write of the add binding has ended.
  add->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) { refresh(); };

  connect(memberList, &QTreeWidget::itemSelectionChanged, this, &MemberSwitchDialog::selectionChanged);
}

void MemberSwitchDialog::AppendError(const std::string& text) { memo->appendPlainText(QString::fromStdString(text)); }

void MemberSwitchDialog::FirstRefresh() { refresh(); }

void MemberSwitchDialog::refresh() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception& e) {
    AppendError(ErrorText(e));
  }
  deleteButton->setEnabled(false);
}

void MemberSwitchDialog::selectionChanged() { deleteButton->setEnabled(!memberList->selectedItems().isEmpty()); }

void MemberSwitchDialog::addClicked() {
  SetComboText(addDialog->rowStatusCombo, QStringLiteral("createAndGo"));
  addDialog->exec();
  // A write still running reads the list when it ends.
  if (!AddEditor()->busy) refresh();
}

void MemberSwitchDialog::deleteClicked() {
  const QList<QTreeWidgetItem*> selected = memberList->selectedItems();
  if (selected.isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Choose the item first."), ProgramCaption());
    deleteButton->setFocus();
    deleteButton->setEnabled(false);
    return;
  }
  KySNMPRequest2Edits* add = AddEditor();
  if (add->busy) return;
  SetComboText(addDialog->rowStatusCombo, QStringLiteral("destroy"));
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
  if (!add->busy) refresh();
  deleteButton->setEnabled(false);
}
