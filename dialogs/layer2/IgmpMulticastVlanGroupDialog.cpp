#include "dialogs/layer2/IgmpMulticastVlanGroupDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/ComboChoice.h"
#include "dialogs/common/DialogParts.h"
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
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setMinimumSize(Px(this, 420), Px(this, 180));
  btnRefresh = MakeButton(this, QStringLiteral("Refresh"), "btnRefresh");
  btnAdd = MakeButton(this, QStringLiteral("Add"), "btnAdd");
  btnDelete = MakeButton(this, QStringLiteral("Delete"), "btnDelete");
  btnClose = MakeButton(this, QStringLiteral("Close"), "btnClose");
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {btnRefresh, btnAdd, btnDelete, btnClose}) buttons->addWidget(b);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addLayout(buttons);
  layout->addWidget(StatusBar1);
  AddForm = new IgmpMulticastVlanGroupAddDialog(this);
  AddForm->hide();

  KySNMPRequest2Edits* b = AddBinding(tbl::IgmpMulticastVlanGroup, true, StatusBar1);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(ListView1, true);
  b->AssociateEdits(0, "%i{n0x4094l4}", AddForm->vlanIdEdit);
  b->AssociateEdits(1, "%s", AddForm->fromIpEdit);
  b->AssociateEdits(2, "%s", AddForm->toIpEdit);
  b->AssociateControl(3, AddForm->stateCombo);
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &IgmpMulticastVlanGroupDialog::ListView1Click);
  connect(btnRefresh, &QPushButton::clicked, this, &IgmpMulticastVlanGroupDialog::btnRefreshClick);
  connect(btnAdd, &QPushButton::clicked, this, &IgmpMulticastVlanGroupDialog::btnAddClick);
  connect(btnDelete, &QPushButton::clicked, this, &IgmpMulticastVlanGroupDialog::btnDeleteClick);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
  btnDelete->setEnabled(false);
}

void IgmpMulticastVlanGroupDialog::FirstRefresh() { btnRefreshClick(); }

void IgmpMulticastVlanGroupDialog::btnRefreshClick() {
  Editor()->request.enabled = true;
  if (Editor()->busy) return;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void IgmpMulticastVlanGroupDialog::ListView1Click() { btnDelete->setEnabled(!ListView1->selectedItems().isEmpty()); }

void IgmpMulticastVlanGroupDialog::btnAddClick() {
  // A running walk is not switched off (that would leave the request
  // disabled and the add writing nothing): the add waits for it.
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  AddForm->setWindowTitle(QStringLiteral("IGMP Multicast VLAN Group (Add): ") + agent_);
  AddForm->exec();
}

void IgmpMulticastVlanGroupDialog::btnDeleteClick() {
  if (ListView1->selectedItems().isEmpty()) return;
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  SetComboText(AddForm->stateCombo, QStringLiteral("destroy"));
  try {
    Editor()->Apply(true, true);
  } catch (const std::exception& e) {
    Editor()->statusKind = kSetStatus;
    Editor()->ShowStatus(ErrorText(e));
  }
}
