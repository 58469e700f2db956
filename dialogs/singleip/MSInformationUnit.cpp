#include "dialogs/singleip/MSInformationUnit.h"

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
TMSEditForm::TMSEditForm(TMSInformationForm* table) : QDialog(table), table_(table) {
  setObjectName(QStringLiteral("MSEditForm"));
  setWindowTitle(QStringLiteral("MS Add"));
  setModal(true);
  MSIDEdit = MakeEdit(this, "MSIDEdit");
  KeyIDEdit = MakeEdit(this, "KeyIDEdit");
  MS_Password = MakeEdit(this, "MS_Password");
  Row_Status = MakeCombo(this, "Row_Status");
  SetButton = MakeButton(this, QStringLiteral("Set"), "SetButton");
  CloseButton = MakeButton(this, QStringLiteral("Close"), "CloseButton");
  SetButton->setAutoDefault(false);
  CloseButton->setAutoDefault(false);
  auto* fields = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {
      {"Member Switch ID", MSIDEdit},
      {"Member Candidate ID", KeyIDEdit},
      {"Member Password", MS_Password},
      {"Member Row Status", Row_Status},
  };
  int r = 0;
  for (const auto& [label, field] : rows) {
    fields->addWidget(MakeLabel(this, QString::fromLatin1(label)), r, 0);
    fields->addWidget(field, r++, 1);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(SetButton);
  buttons->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  connect(SetButton, &QPushButton::clicked, this, &TMSEditForm::SetButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &TMSEditForm::CloseButtonClick);
}

void TMSEditForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (mode != kAddMode) return;
  KeyIDEdit->setEnabled(true);
  MSIDEdit->clear();
  KeyIDEdit->clear();
  MSIDEdit->setFocus();
}

void TMSEditForm::SetButtonClick() {
  if (mode != kAddMode) return;
  const QString id = MSIDEdit->text().trimmed();
  if (!id.isEmpty() && !table_->ListView1->findItems(id, Qt::MatchExactly, 0).isEmpty()) {
    ShowMessageBox(this, QStringLiteral("There is already a record with the same Member Switch ID. Please modified it."),
                   ProgramCaption(), QMessageBox::Ok, QMessageBox::Warning);
    return;
  }
  if (id.isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Member Siwitch ID is needed."), ProgramCaption());
    MSIDEdit->setFocus();
    return;
  }
  if (KeyIDEdit->text().trimmed().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Member Candidate ID is needed."), ProgramCaption());
    KeyIDEdit->setFocus();
    return;
  }
  if (Row_Status->currentText() != QStringLiteral("createAndGo")) {
    ShowMessageBox(this, QStringLiteral("Member Row State must be createAndGo."), ProgramCaption());
    Row_Status->setFocus();
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

// ---------------------------------------------------------------------------
TMSInformationForm::TMSInformationForm(const DialogContext& context) : TSnmpDialog(context.owner) {
  setObjectName(QStringLiteral("MSInformationForm"));
  setWindowTitle(QStringLiteral("Member Switch Information: ") + context.Agent());
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

  MSEditForm = new TMSEditForm(this);
  MSEditForm->hide();

  KySNMPRequest2Edits* table = AddBinding(tbl::MemberSwitches, true, Memo1);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
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

  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TMSInformationForm::ListView1Click);
  connect(GetButton, &QPushButton::clicked, this, &TMSInformationForm::GetButtonClick);
  connect(DeleteButton, &QPushButton::clicked, this, &TMSInformationForm::DeleteButtonClick);
  connect(AddButton, &QPushButton::clicked, this, &TMSInformationForm::AddButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
}

void TMSInformationForm::AppendError(const std::string& text) { Memo1->appendPlainText(QString::fromStdString(text)); }

void TMSInformationForm::FirstRefresh() { GetButtonClick(); }

void TMSInformationForm::GetButtonClick() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception& e) {
    AppendError(ErrorText(e));
  }
  DeleteButton->setEnabled(false);
}

void TMSInformationForm::ListView1Click() { DeleteButton->setEnabled(!ListView1->selectedItems().isEmpty()); }

void TMSInformationForm::AddButtonClick() {
  MSEditForm->mode = TMSEditForm::kAddMode;
  SetComboText(MSEditForm->Row_Status, QStringLiteral("createAndGo"));
  MSEditForm->exec();
  // A write still running reads the list when it ends.
  if (!AddEditor()->busy) GetButtonClick();
}

void TMSInformationForm::DeleteButtonClick() {
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
