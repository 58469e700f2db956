#include "dialogs/layer2/IgmpMulticastVlanGroupDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/layer2/IgmpMulticastVlanGroupAddDialog.h"
#include "dialogs/layer2/MulticastIpCheck.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
IgmpMulticastVlanGroupDialog::IgmpMulticastVlanGroupDialog(const DialogContext& context)
    : SnmpDialog(context.owner), agent_(context.agent) {
  setObjectName(QStringLiteral("IGMPMulticastVlanForm"));
  setWindowTitle(QStringLiteral("IGMP Multicast VLAN Group: ") + agent_);
  DialogLayout layout(this, {Name{"ListView1"}, {420, 180}}, DialogLayout::kNoFields);
  groupList = layout.list();
  ButtonBar& buttons = layout.buttons();
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"btnRefresh"}, [this] { refreshClicked(); });
  addButton = buttons.add(QStringLiteral("Add"), Name{"btnAdd"}, [this] { addClicked(); });
  deleteButton = buttons.add(QStringLiteral("Delete"), Name{"btnDelete"}, [this] { deleteClicked(); });
  buttons.close(Name{"btnClose"});
  // The bar itself (no panel) shows the status.
  auto* statusBar = new QStatusBar(this);
  statusBar->setObjectName(QStringLiteral("StatusBar1"));
  statusBar->setSizeGripEnabled(false);
  layout.addBelowButtons(statusBar);
  addDialog = new IgmpMulticastVlanGroupAddDialog(this);
  addDialog->hide();

  KySNMPRequest2Edits* b = AddBinding(tbl::IgmpMulticastVlanGroup, true, statusBar);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(groupList, true);
  b->AssociateEdits(0, "%i{n0x4094l4}", addDialog->vlanIdEdit);
  b->AssociateEdits(1, "%s", addDialog->fromIpEdit);
  b->AssociateEdits(2, "%s", addDialog->toIpEdit);
  b->AssociateControl(3, addDialog->stateCombo);
  connect(groupList, &QTreeWidget::itemSelectionChanged, this, &IgmpMulticastVlanGroupDialog::rowSelected);
  deleteButton->setEnabled(false);
}

void IgmpMulticastVlanGroupDialog::FirstRefresh() { refreshClicked(); }

void IgmpMulticastVlanGroupDialog::refreshClicked() {
  Editor()->request.enabled = true;
  if (Editor()->busy) return;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void IgmpMulticastVlanGroupDialog::rowSelected() { deleteButton->setEnabled(!groupList->selectedItems().isEmpty()); }

void IgmpMulticastVlanGroupDialog::addClicked() {
  // A running walk is not switched off (that would leave the request
  // disabled and the add writing nothing): the add waits for it.
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  addDialog->setWindowTitle(QStringLiteral("IGMP Multicast VLAN Group (Add): ") + agent_);
  addDialog->exec();
}

void IgmpMulticastVlanGroupDialog::deleteClicked() {
  if (groupList->selectedItems().isEmpty()) return;
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  addDialog->stateCombo->setCurrentIndex(addDialog->stateCombo->findText(QStringLiteral("destroy")));
  try {
    Editor()->Apply(true, true);
  } catch (const std::exception& e) {
    Editor()->statusKind = kSetStatus;
    Editor()->ShowStatus(ErrorText(e));
  }
}
