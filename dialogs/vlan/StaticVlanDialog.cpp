#include "dialogs/vlan/StaticVlanDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
enum { kIndex = 0, kName = 1, kEgress = 2, kForbidden = 3, kUntagged = 4, kRowStatus = 5 };
constexpr int kFirstVlanId = 1;
constexpr int kLastVlanId = 4094;
}

StaticVlanDialog::StaticVlanDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("VlanStaticForm"));
  setWindowTitle(QStringLiteral("VLAN Static Form"));
  resize(Px(this, 640), Px(this, 600));

  LV_dot1qVlanStaticEntry = new QTreeWidget(this);
  LV_dot1qVlanStaticEntry->setObjectName(QStringLiteral("LV_dot1qVlanStaticEntry"));
  LV_dot1qVlanStaticEntry->setMinimumHeight(Px(this, 120));

  ED_VLANID = new QLineEdit(this);
  ED_VLANID->setObjectName(QStringLiteral("ED_VLANID"));
  ED_VLANName = new QLineEdit(this);
  ED_VLANName->setObjectName(QStringLiteral("ED_VLANName"));
  Status = new QComboBox(this);
  Status->setObjectName(QStringLiteral("Status"));
  NextFreeLocalVlanIndex = new QLabel(this);
  NextFreeLocalVlanIndex->setObjectName(QStringLiteral("NextFreeLocalVlanIndex"));
  NextFreeLocalVlanIndex->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN ID"), ED_VLANID);
  fields->addRow(QStringLiteral("VLAN Name"), ED_VLANName);
  fields->addRow(QStringLiteral("Status"), Status);
  fields->addRow(QStringLiteral("Next Free Local VLAN Index"), NextFreeLocalVlanIndex);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  EgressPorts = AddPortGridPage(PageControl1, QStringLiteral("Egress Ports"));
  ForbiddenEgressPorts = AddPortGridPage(PageControl1, QStringLiteral("Forbidden Egress Ports"));
  UntaggedPorts = AddPortGridPage(PageControl1, QStringLiteral("Untagged Ports"));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  Memo1->setReadOnly(true);
  Memo1->setMaximumHeight(Px(this, 60));

  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Add = MakeDialogButton(this, "BT_Add", QStringLiteral("Add"));
  BT_Delete = MakeDialogButton(this, "BT_Delete", QStringLiteral("Delete"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  ButtonBar buttonBar(this);
  buttonBar.samplesCounter(this, LV_dot1qVlanStaticEntry);
  for (QPushButton* b : {BT_Get, BT_Set, BT_Add, BT_Delete, BT_Close}) buttonBar.place(b);
  QBoxLayout* buttons = buttonBar.layout();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LV_dot1qVlanStaticEntry, 1);
  layout->addLayout(fields);
  layout->addWidget(PageControl1);
  layout->addLayout(buttons);
  layout->addWidget(Memo1);

  table_ = AddBinding(tbl::Dot1qVlanStatic, true, Memo1);
  table_->AttachListView(LV_dot1qVlanStaticEntry, true);
  table_->AssociateEdits(kIndex, "%i{n1x4094l4}", ED_VLANID);
  table_->AssociateEdits(kName, "%s", ED_VLANName);
  BindPortList(*table_, kEgress, *EgressPorts);
  BindPortList(*table_, kForbidden, *ForbiddenEgressPorts);
  BindPortList(*table_, kUntagged, *UntaggedPorts);
  table_->AssociateControl(kRowStatus, Status);
  nextFree_ = AddBinding(tbl::Dot1qNextFreeLocalVlanIndex, true, Memo1);
  nextFree_->AssociateControl(0, NextFreeLocalVlanIndex);

  // After the binding's own handler has filled the fields from the line.
  connect(LV_dot1qVlanStaticEntry, &QTreeWidget::itemSelectionChanged, this,
          &StaticVlanDialog::LV_dot1qVlanStaticEntryClick);
  connect(BT_Get, &QPushButton::clicked, this, &StaticVlanDialog::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &StaticVlanDialog::BT_SetClick);
  connect(BT_Add, &QPushButton::clicked, this, &StaticVlanDialog::BT_AddClick);
  connect(BT_Delete, &QPushButton::clicked, this, &StaticVlanDialog::BT_DeleteClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
  ButtonsAfterRefresh();
}

void StaticVlanDialog::FirstRefresh() { BT_GetClick(); }

void StaticVlanDialog::ClearFields() {
  EgressPorts->ClearAll();
  ForbiddenEgressPorts->ClearAll();
  UntaggedPorts->ClearAll();
  ED_VLANID->clear();
  ED_VLANName->clear();
  Status->setCurrentIndex(-1);
}

void StaticVlanDialog::ButtonsAfterRefresh() {
  BT_Set->setEnabled(false);
  BT_Delete->setEnabled(false);
  BT_Add->setEnabled(true);
}

void StaticVlanDialog::BT_GetClick() {
  try {
    table_->Refresh();
    nextFree_->Refresh();
  } catch (const std::exception& e) {
    table_->ShowStatus(ErrorText(e));
  }
  UpdateSamples();
  ClearFields();
  ButtonsAfterRefresh();
}

void StaticVlanDialog::LV_dot1qVlanStaticEntryClick() {
  if (LV_dot1qVlanStaticEntry->selectedItems().isEmpty()) {
    ClearFields();
    ButtonsAfterRefresh();
    return;
  }
  BT_Set->setEnabled(true);
  BT_Delete->setEnabled(true);
  BT_Add->setEnabled(false);
}

bool StaticVlanDialog::CheckVlanId() {
  const QString text = ED_VLANID->text().trimmed();
  if (text.isEmpty()) {
    ShowMessageBox(this, QStringLiteral("VLAN ID must be set."), ProgramCaption());
    ED_VLANID->setFocus();
    return false;
  }
  bool number = false;
  const int id = text.toInt(&number);
  if (!number || id < kFirstVlanId || id > kLastVlanId) {
    ShowMessageBox(this, QStringLiteral("VLAN ID should between 1-4094"), ProgramCaption());
    ED_VLANID->setFocus();
    return false;
  }
  return true;
}

bool StaticVlanDialog::RefusedWhileBusy() {
  if (!Bindings().refuses()) return false;
  ShowMessageBox(this, Bindings().busyText, ProgramCaption());
  return true;
}

void StaticVlanDialog::Write() {
  try {
    table_->Apply(true, true);
  } catch (const std::exception& e) {
    table_->ShowStatus(ErrorText(e));
  }
}

void StaticVlanDialog::BT_SetClick() {
  if (RefusedWhileBusy() || !CheckVlanId()) return;
  Write();
  ClearFields();
  ButtonsAfterRefresh();
}

void StaticVlanDialog::BT_AddClick() {
  // A second click while the first Add is written (or the list read after
  // it) is refused before its fields, cleared by the first, are looked at.
  if (RefusedWhileBusy() || !CheckVlanId()) return;
  Status->setCurrentIndex(1);  // createAndGo
  Write();
  ClearFields();
}

void StaticVlanDialog::BT_DeleteClick() {
  if (RefusedWhileBusy() || !CheckVlanId()) return;
  Status->setCurrentIndex(2);  // destroy
  Write();
  ClearFields();
  ButtonsAfterRefresh();
}
