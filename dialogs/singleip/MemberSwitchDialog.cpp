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
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setMinimumSize(Px(this, 560), Px(this, 180));
  Memo1 = MakeMemo(this, "Memo1");
  Memo1->setReadOnly(true);
  Memo1->setMaximumHeight(Px(this, 60));
  GetButton = MakeButton(this, QStringLiteral("Refresh"), "GetButton");
  DeleteButton = MakeButton(this, QStringLiteral("Delete"), "DeleteButton");
  AddButton = MakeButton(this, QStringLiteral("Add"), "AddButton");
  CloseButton = MakeButton(this, QStringLiteral("Close"), "CloseButton");
  DeleteButton->setEnabled(false);

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {GetButton, DeleteButton, AddButton, CloseButton}) buttons->addWidget(b);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addWidget(Memo1);
  layout->addLayout(buttons);

  MSEditForm = new MemberSwitchAddDialog(this);
  MSEditForm->hide();

  KySNMPRequest2Edits* table = AddBinding(tbl::MemberSwitches, true, Memo1);
  table->request.timeout = kTableTimeout;
  table->AttachListView(ListView1, true);
  // The add window's binding: its asynchronous errors go to this memo too.
  KySNMPRequest2Edits* add = AddBinding(tbl::MemberSwitchAdd, true, Memo1);
  add->AssociateEdits(0, "%i{n1x32l2a}", MSEditForm->MSIDEdit);
  add->AssociateEdits(kCandidate, "%i{n1x32l2a}", MSEditForm->KeyIDEdit);
  add->AssociateEdits(kPassword, "%s", MSEditForm->MS_Password);
  add->AssociateControl(kRowStatus, MSEditForm->Row_Status);
  // The list is read again once a write of the add binding has ended.
  add->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) { GetButtonClick(); };

  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &MemberSwitchDialog::ListView1Click);
  connect(GetButton, &QPushButton::clicked, this, &MemberSwitchDialog::GetButtonClick);
  connect(DeleteButton, &QPushButton::clicked, this, &MemberSwitchDialog::DeleteButtonClick);
  connect(AddButton, &QPushButton::clicked, this, &MemberSwitchDialog::AddButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
}

void MemberSwitchDialog::AppendError(const std::string& text) { Memo1->appendPlainText(QString::fromStdString(text)); }

void MemberSwitchDialog::FirstRefresh() { GetButtonClick(); }

void MemberSwitchDialog::GetButtonClick() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception& e) {
    AppendError(ErrorText(e));
  }
  DeleteButton->setEnabled(false);
}

void MemberSwitchDialog::ListView1Click() { DeleteButton->setEnabled(!ListView1->selectedItems().isEmpty()); }

void MemberSwitchDialog::AddButtonClick() {
  MSEditForm->mode = MemberSwitchAddDialog::kAddMode;
  SetComboText(MSEditForm->Row_Status, QStringLiteral("createAndGo"));
  MSEditForm->exec();
  // A write still running reads the list when it ends.
  if (!AddEditor()->busy) GetButtonClick();
}

void MemberSwitchDialog::DeleteButtonClick() {
  const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
  if (selected.isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Choose the item first."), ProgramCaption());
    DeleteButton->setFocus();
    DeleteButton->setEnabled(false);
    return;
  }
  KySNMPRequest2Edits* add = AddEditor();
  if (add->busy) return;
  SetComboText(MSEditForm->Row_Status, QStringLiteral("destroy"));
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
  if (!add->busy) GetButtonClick();
  DeleteButton->setEnabled(false);
}
