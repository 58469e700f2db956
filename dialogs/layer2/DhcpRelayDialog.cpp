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
  addDialog = new DhcpRelayAddDialog(this);
  addDialog->hide();

  serverList = new QTreeWidget(this);
  serverList->setObjectName(QStringLiteral("ListView1"));
  serverList->setMinimumSize(Px(this, 360), Px(this, 180));
  rowStatusCombo = new QComboBox(this);
  rowStatusCombo->setObjectName(QStringLiteral("ComboBox1"));
  rowStatusCombo->hide();
  messages = new QPlainTextEdit(this);
  messages->setObjectName(QStringLiteral("Memo1"));
  messages->setReadOnly(true);
  messages->setMaximumHeight(Px(this, 60));
  ButtonBar buttons(this);
  buttons.add(QStringLiteral("Refresh"), Name{"RefreshBtn"}, [this] { refreshClicked(); });
  addButton = buttons.add(QStringLiteral("Add"), Name{"AddBtn"}, [this] { addClicked(); });
  deleteButton = buttons.add(QStringLiteral("Delete"), Name{"DeleteBtn"}, [this] { deleteClicked(); });
  buttons.close(Name{"CloseBtn"});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(serverList, 1);
  layout->addWidget(messages);
  layout->addLayout(buttons.layout());

  KySNMPRequest2Edits* b = AddBinding(tbl::DhcpRelayServers, true, messages);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(serverList, true);
  b->AssociateEdits(kInterface, "%s", addDialog->interfaceEdit);
  b->AssociateEdits(kServerIp, "%s", addDialog->serverIpEdit);
  b->AssociateControl(kRowStatus, rowStatusCombo);

}

void DhcpRelayDialog::FirstRefresh() { refreshClicked(); }

int DhcpRelayDialog::serversOf(const QString& name) const {
  int count = 0;
  for (int i = 0; i < serverList->topLevelItemCount(); ++i)
    if (serverList->topLevelItem(i)->text(kInterface) == name) ++count;
  return count;
}

void DhcpRelayDialog::refreshClicked() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void DhcpRelayDialog::deleteClicked() {
  // Without a selected line the entry edits hold nothing worth deleting.
  if (serverList->selectedItems().isEmpty() || Editor()->busy) return;
  rowStatusCombo->setCurrentIndex(rowStatusCombo->findText(QStringLiteral("destroy")));
  try {
    Editor()->Apply(true, true);
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void DhcpRelayDialog::addClicked() {
  addDialog->setWindowTitle(QStringLiteral("New DHCP Ctrl: ") + agent_);
  addDialog->exec();
}
