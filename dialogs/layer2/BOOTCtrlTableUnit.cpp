#include "dialogs/layer2/BOOTCtrlTableUnit.h"

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

#include "dialogs/common/DialogParts.h"
#include "dialogs/common/ComboChoice.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
constexpr int kInterface = 0, kServerIp = 1, kRowStatus = 2;
}  // namespace

// ---------------------------------------------------------------------------
TNewBootpCtrlForm::TNewBootpCtrlForm(TBOOTCtrlTableForm* table) : QDialog(table), table_(table) {
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
  connect(SetButton, &QPushButton::clicked, this, &TNewBootpCtrlForm::SetButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &TNewBootpCtrlForm::CloseButtonClick);
}

void TNewBootpCtrlForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  for (QLineEdit* e : {Edit1, Edit2}) {
    e->setEnabled(true);
    e->clear();
  }
  Edit1->setFocus();
}

void TNewBootpCtrlForm::SetButtonClick() {
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

// ---------------------------------------------------------------------------
TBOOTCtrlTableForm::TBOOTCtrlTableForm(const DialogContext& context)
    : TSnmpDialog(context.owner), agent_(context.Agent()) {
  setObjectName(QStringLiteral("BOOTCtrlTableForm"));
  setWindowTitle(QStringLiteral("DHCP Relay Control: ") + agent_);
  NewBootpCtrlForm = new TNewBootpCtrlForm(this);
  NewBootpCtrlForm->hide();

  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setMinimumSize(Px(this, 360), Px(this, 180));
  ComboBox1 = MakeCombo(this, "ComboBox1");
  ComboBox1->hide();
  Memo1 = MakeMemo(this, "Memo1");
  Memo1->setReadOnly(true);
  Memo1->setMaximumHeight(Px(this, 60));
  RefreshBtn = MakeButton(this, QStringLiteral("Refresh"), "RefreshBtn");
  DeleteBtn = MakeButton(this, QStringLiteral("Delete"), "DeleteBtn");
  AddBtn = MakeButton(this, QStringLiteral("Add"), "AddBtn");
  CloseBtn = MakeButton(this, QStringLiteral("Close"), "CloseBtn");

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {RefreshBtn, DeleteBtn, AddBtn, CloseBtn}) buttons->addWidget(b);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addWidget(Memo1);
  layout->addLayout(buttons);

  KySNMPRequest2Edits* b = AddBinding(tbl::DhcpRelayServers, true, Memo1);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(ListView1, true);
  b->AssociateEdits(kInterface, "%s", NewBootpCtrlForm->Edit1);
  b->AssociateEdits(kServerIp, "%s", NewBootpCtrlForm->Edit2);
  b->AssociateControl(kRowStatus, ComboBox1);

  connect(RefreshBtn, &QPushButton::clicked, this, &TBOOTCtrlTableForm::RefreshBtnClick);
  connect(DeleteBtn, &QPushButton::clicked, this, &TBOOTCtrlTableForm::DeleteBtnClick);
  connect(AddBtn, &QPushButton::clicked, this, &TBOOTCtrlTableForm::AddBtnClick);
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

void TBOOTCtrlTableForm::FirstRefresh() { RefreshBtnClick(); }

int TBOOTCtrlTableForm::ServersOf(const QString& name) const {
  int count = 0;
  for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
    if (ListView1->topLevelItem(i)->text(kInterface) == name) ++count;
  return count;
}

void TBOOTCtrlTableForm::RefreshBtnClick() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void TBOOTCtrlTableForm::DeleteBtnClick() {
  // Without a selected line the entry edits hold nothing worth deleting.
  if (ListView1->selectedItems().isEmpty() || Editor()->busy) return;
  SetComboText(ComboBox1, QStringLiteral("destroy"));
  try {
    Editor()->Apply(true, true);
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void TBOOTCtrlTableForm::AddBtnClick() {
  NewBootpCtrlForm->setWindowTitle(QStringLiteral("New DHCP Ctrl: ") + agent_);
  NewBootpCtrlForm->exec();
}
