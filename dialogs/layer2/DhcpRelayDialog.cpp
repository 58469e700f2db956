#include "dialogs/layer2/DhcpRelayDialog.h"

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

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/ComboChoice.h"
#include "dialogs/common/DialogParts.h"
#include "dialogs/layer2/DhcpRelayAddDialog.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {

constexpr int kInterface = 0, kServerIp = 1, kRowStatus = 2;

}  // namespace

// ---------------------------------------------------------------------------
DhcpRelayDialog::DhcpRelayDialog(const DialogContext& context)
    : SnmpDialog(context.owner), agent_(context.agent) {
  setObjectName(QStringLiteral("BOOTCtrlTableForm"));
  setWindowTitle(QStringLiteral("DHCP Relay Control: ") + agent_);
  NewBootpCtrlForm = new DhcpRelayAddDialog(this);
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

  ButtonBar buttonBar(this);
  for (QPushButton* b : {RefreshBtn, DeleteBtn, AddBtn, CloseBtn}) buttonBar.place(b);
  QBoxLayout* buttons = buttonBar.layout();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addWidget(Memo1);
  layout->addLayout(buttons);

  KySNMPRequest2Edits* b = AddBinding(tbl::DhcpRelayServers, true, Memo1);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(ListView1, true);
  b->AssociateEdits(kInterface, "%s", NewBootpCtrlForm->interfaceEdit);
  b->AssociateEdits(kServerIp, "%s", NewBootpCtrlForm->serverIpEdit);
  b->AssociateControl(kRowStatus, ComboBox1);

  connect(RefreshBtn, &QPushButton::clicked, this, &DhcpRelayDialog::RefreshBtnClick);
  connect(DeleteBtn, &QPushButton::clicked, this, &DhcpRelayDialog::DeleteBtnClick);
  connect(AddBtn, &QPushButton::clicked, this, &DhcpRelayDialog::AddBtnClick);
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

void DhcpRelayDialog::FirstRefresh() { RefreshBtnClick(); }

int DhcpRelayDialog::ServersOf(const QString& name) const {
  int count = 0;
  for (int i = 0; i < ListView1->topLevelItemCount(); ++i)
    if (ListView1->topLevelItem(i)->text(kInterface) == name) ++count;
  return count;
}

void DhcpRelayDialog::RefreshBtnClick() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void DhcpRelayDialog::DeleteBtnClick() {
  // Without a selected line the entry edits hold nothing worth deleting.
  if (ListView1->selectedItems().isEmpty() || Editor()->busy) return;
  SetComboText(ComboBox1, QStringLiteral("destroy"));
  try {
    Editor()->Apply(true, true);
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void DhcpRelayDialog::AddBtnClick() {
  NewBootpCtrlForm->setWindowTitle(QStringLiteral("New DHCP Ctrl: ") + agent_);
  NewBootpCtrlForm->exec();
}
