#include "dialogs/layer2/DhcpRelayAddDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/ComboChoice.h"
#include "dialogs/common/DialogParts.h"
#include "dialogs/layer2/DhcpRelayDialog.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
DhcpRelayAddDialog::DhcpRelayAddDialog(DhcpRelayDialog* table) : QDialog(table), table_(table) {
  setObjectName(QStringLiteral("NewBootpCtrlForm"));
  setModal(true);
  Edit1 = MakeEdit(this, "Edit1");
  Edit2 = MakeEdit(this, "Edit2");
  SetButton = MakeButton(this, QStringLiteral("Set"), "SetButton");
  CloseButton = MakeButton(this, QStringLiteral("Close"), "CloseButton");
  SetButton->setAutoDefault(false);
  CloseButton->setAutoDefault(false);
  auto* fields = new QGridLayout;
  fields->addWidget(MakeLabel(this, QStringLiteral("Interface Name")), 0, 0);
  fields->addWidget(Edit1, 0, 1);
  fields->addWidget(MakeLabel(this, QStringLiteral("DHCP Server IP")), 1, 0);
  fields->addWidget(Edit2, 1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(SetButton);
  buttons->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  connect(SetButton, &QPushButton::clicked, this, &DhcpRelayAddDialog::SetButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &DhcpRelayAddDialog::CloseButtonClick);
}

void DhcpRelayAddDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  for (QLineEdit* e : {Edit1, Edit2}) {
    e->setEnabled(true);
    e->clear();
  }
  Edit1->setFocus();
}

void DhcpRelayAddDialog::SetButtonClick() {
  if (Edit1->text().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Interface Name is needed."), ProgramCaption());
    Edit1->setFocus();
    return;
  }
  if (!CheckIpv4Text(this, Edit2->text())) {
    ShowMessageBox(this, QStringLiteral("Please input a valid IP address."), ProgramCaption());
    Edit2->setFocus();
    return;
  }
  if (table_->ServersOf(Edit1->text()) >= kServersPerInterface) {
    ShowMessageBox(this, QStringLiteral("One interface can support four bootp servers at most."), ProgramCaption(),
                   QMessageBox::Ok, QMessageBox::Warning);
    return;
  }
  KySNMPRequest2Edits* editor = table_->Editor();
  if (editor->busy) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  SetComboText(table_->ComboBox1, QStringLiteral("createAndGo"));
  try {
    editor->Apply(true, true);
  } catch (const std::exception& e) {
    editor->ShowStatus(ErrorText(e));
  }
  Edit1->clear();
  Edit2->clear();
  close();
}
