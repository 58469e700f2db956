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
  connect(SetButton, &QPushButton::clicked, this, &MemberSwitchAddDialog::SetButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &MemberSwitchAddDialog::CloseButtonClick);
}

void MemberSwitchAddDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (mode != kAddMode) return;
  KeyIDEdit->setEnabled(true);
  MSIDEdit->clear();
  KeyIDEdit->clear();
  MSIDEdit->setFocus();
}

void MemberSwitchAddDialog::SetButtonClick() {
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
