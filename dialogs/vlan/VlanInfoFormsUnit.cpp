#include "dialogs/vlan/VlanInfoFormsUnit.h"

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

#include "app/PortPanel.h"
#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
QLabel* StaticText(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return label;
}

QComboBox* Combo(QWidget* parent, const char* name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  return combo;
}

QPlainTextEdit* Memo(QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QStringLiteral("Memo1"));
  memo->setReadOnly(true);
  memo->setMaximumHeight(Px(parent, 60));
  return memo;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* b : buttons) row->addWidget(b);
  return row;
}
}  // namespace

// ---------------------------------------------------------------------------
TVLanCurrentTableForm::TVLanCurrentTableForm(const DialogContext& context) : TSnmpDialog(context.owner) {
  setObjectName(QStringLiteral("VLanCurrentTableForm"));
  setWindowTitle(QStringLiteral("VLAN Current Table"));
  resize(Px(this, 640), Px(this, 520));

  LV_dot1qVlanCurrentEntry = new QTreeWidget(this);
  LV_dot1qVlanCurrentEntry->setObjectName(QStringLiteral("LV_dot1qVlanCurrentEntry"));
  VlanNumDeletes = StaticText(this, "VlanNumDeletes");
  StaticText1 = StaticText(this, "StaticText1");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN Number Deletes"), VlanNumDeletes);
  fields->addRow(QStringLiteral("VLAN Index"), StaticText1);
  auto* pages = new QTabWidget(this);
  EgressPorts = AddPortGridPage(pages, QStringLiteral("Egress Port"));
  UntaggedPorts = AddPortGridPage(pages, QStringLiteral("Untagged Port"));
  Memo1 = Memo(this);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Set->hide();
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LV_dot1qVlanCurrentEntry, 1);
  layout->addLayout(fields);
  layout->addWidget(pages);
  layout->addLayout(ButtonRow({BT_Get, BT_Set, BT_Close}));
  layout->addWidget(Memo1);

  scalars_ = AddBinding(tbl::Dot1qVlanNumDeletes, true, Memo1);
  scalars_->AssociateControl(0, VlanNumDeletes);
  table_ = AddBinding(tbl::Dot1qVlanCurrent, true, Memo1);
  table_->AttachListView(LV_dot1qVlanCurrentEntry, true);
  table_->AssociateControl(1, StaticText1);
  BindPortList(*table_, 3, *EgressPorts);
  BindPortList(*table_, 4, *UntaggedPorts);

  connect(LV_dot1qVlanCurrentEntry, &QTreeWidget::itemSelectionChanged, this,
          &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick);
  connect(BT_Get, &QPushButton::clicked, this, &TVLanCurrentTableForm::BT_GetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void TVLanCurrentTableForm::ClearFields() {
  EgressPorts->ClearAll();
  UntaggedPorts->ClearAll();
  StaticText1->clear();
}

void TVLanCurrentTableForm::BT_GetClick() {
  try {
    scalars_->Refresh();
    table_->Refresh();
  } catch (const std::exception& e) {
    table_->ShowStatus(ErrorText(e));
  }
  ClearFields();
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick() {
  if (LV_dot1qVlanCurrentEntry->selectedItems().isEmpty()) ClearFields();
}

// ---------------------------------------------------------------------------
TVLanGeneralInfoForm::TVLanGeneralInfoForm(const DialogContext& context) : TSnmpDialog(context.owner) {
  setObjectName(QStringLiteral("VLanGeneralInfoForm"));
  setWindowTitle(QStringLiteral("802.1Q Basic Configure"));
  resize(Px(this, 380), Px(this, 300));
  VlanVersionNumber = StaticText(this, "VlanVersionNumber");
  MaxVlanId = StaticText(this, "MaxVlanId");
  MaxSupportedVlans = StaticText(this, "MaxSupportedVlans");
  NumVlans = StaticText(this, "NumVlans");
  GvrpStatus = Combo(this, "GvrpStatus");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN Version Number"), VlanVersionNumber);
  fields->addRow(QStringLiteral("Max VLAN ID"), MaxVlanId);
  fields->addRow(QStringLiteral("Max Supported VLANs"), MaxSupportedVlans);
  fields->addRow(QStringLiteral("Num VLANs"), NumVlans);
  fields->addRow(QStringLiteral("GVRP Status"), GvrpStatus);
  Memo1 = Memo(this);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addStretch(1);
  layout->addLayout(ButtonRow({BT_Get, BT_Set, BT_Close}));
  layout->addWidget(Memo1);

  general_ = AddBinding(tbl::Dot1qVlanGeneral, true, Memo1);
  general_->AssociateControl(0, VlanVersionNumber);
  general_->AssociateControl(1, MaxVlanId);
  general_->AssociateControl(2, MaxSupportedVlans);
  general_->AssociateControl(3, NumVlans);
  general_->AssociateControl(4, GvrpStatus);
  connect(BT_Get, &QPushButton::clicked, this, &TVLanGeneralInfoForm::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &TVLanGeneralInfoForm::BT_SetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void TVLanGeneralInfoForm::BT_GetClick() {
  if (general_->busy) return;
  try {
    general_->Refresh();
  } catch (const std::exception& e) {
    general_->ShowStatus(ErrorText(e));
  }
}

void TVLanGeneralInfoForm::BT_SetClick() {
  if (general_->busy) return;
  try {
    general_->ControlsToValues();
    general_->Apply(true, false);
  } catch (const std::exception& e) {
    general_->ShowStatus(ErrorText(e));
  }
}

// ---------------------------------------------------------------------------
TVLanPortInfomationForm::TVLanPortInfomationForm(const DialogContext& context) : TSnmpDialog(context.owner) {
  setObjectName(QStringLiteral("VLanPortInfomationForm"));
  setWindowTitle(QStringLiteral("VLAN Port Information Form"));
  resize(Px(this, 620), Px(this, 480));
  LV_dot1qPortVlanEntry = new QTreeWidget(this);
  LV_dot1qPortVlanEntry->setObjectName(QStringLiteral("LV_dot1qPortVlanEntry"));
  PortVLanID = new QLineEdit(this);
  PortVLanID->setObjectName(QStringLiteral("PortVLanID"));
  PortAcceptableFrameTypes = Combo(this, "PortAcceptableFrameTypes");
  PortIngressFiltering = Combo(this, "PortIngressFiltering");
  PortGvrpStatus = Combo(this, "PortGvrpStatus");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Port VLAN ID"), PortVLanID);
  fields->addRow(QStringLiteral("Port Acceptable Frame Types"), PortAcceptableFrameTypes);
  fields->addRow(QStringLiteral("Port Ingress Filtering"), PortIngressFiltering);
  fields->addRow(QStringLiteral("Port GVRP Status"), PortGvrpStatus);
  Memo1 = Memo(this);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LV_dot1qPortVlanEntry, 1);
  layout->addLayout(fields);
  layout->addLayout(ButtonRow({BT_Get, BT_Set, BT_Close}));
  layout->addWidget(Memo1);

  ports_ = AddBinding(tbl::Dot1qPortVlan, true, Memo1);
  ports_->AttachListView(LV_dot1qPortVlanEntry, true);
  ports_->AssociateEdits(1, "%i{}", PortVLanID);
  ports_->AssociateControl(2, PortAcceptableFrameTypes);
  ports_->AssociateControl(3, PortIngressFiltering);
  ports_->AssociateControl(4, PortGvrpStatus);
  ports_->getDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) {
    const QString caption = reselect_;
    reselect_.clear();
    if (caption.isEmpty()) return;
    for (int i = 0; i < LV_dot1qPortVlanEntry->topLevelItemCount(); ++i)
      if (LV_dot1qPortVlanEntry->topLevelItem(i)->text(0) == caption) {
        LV_dot1qPortVlanEntry->topLevelItem(i)->setSelected(true);
        LV_dot1qPortVlanEntry->scrollToItem(LV_dot1qPortVlanEntry->topLevelItem(i));
        break;
      }
  };
  connect(BT_Get, &QPushButton::clicked, this, &TVLanPortInfomationForm::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &TVLanPortInfomationForm::BT_SetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void TVLanPortInfomationForm::BT_GetClick() {
  if (RefuseWhileBusy(ports_, QString::fromLatin1(kRefreshNotComplete))) return;
  try {
    ports_->Refresh();
  } catch (const std::exception& e) {
    ports_->ShowStatus(ErrorText(e));
  }
}

void TVLanPortInfomationForm::BT_SetClick() {
  if (RefuseWhileBusy(ports_, QString::fromLatin1(kRefreshNotComplete))) return;
  const auto selected = LV_dot1qPortVlanEntry->selectedItems();
  reselect_ = selected.isEmpty() ? QString() : selected.first()->text(0);
  try {
    ports_->ControlsToValues();
    ports_->Apply(true, false);
  } catch (const std::exception& e) {
    reselect_.clear();
    ports_->ShowStatus(ErrorText(e));
  }
}
