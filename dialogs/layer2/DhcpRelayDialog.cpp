#include "dialogs/layer2/DhcpRelayDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

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

  DialogLayout layout(this, {Name{"ListView1"}, {360, 180}}, DialogLayout::kNoFields);
  serverList = layout.list();
  rowStatusCombo = MakeCombo(this, "ComboBox1");
  rowStatusCombo->hide();
  messages = MakeStatusMemo(this);
  ButtonBar& buttons = layout.buttons();
  buttons.add(QStringLiteral("Refresh"), Name{"RefreshBtn"}, [this] { refreshClicked(); });
  addButton = buttons.add(QStringLiteral("Add"), Name{"AddBtn"}, [this] { addClicked(); });
  deleteButton = buttons.add(QStringLiteral("Delete"), Name{"DeleteBtn"}, [this] { deleteClicked(); });
  buttons.close(Name{"CloseBtn"});
  layout.addBelowFields(messages);

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
