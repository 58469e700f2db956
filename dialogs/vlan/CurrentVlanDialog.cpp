#include "dialogs/vlan/CurrentVlanDialog.h"

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

#include "dialogs/common/DialogParts.h"
#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
CurrentVlanDialog::CurrentVlanDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("VLanCurrentTableForm"));
  setWindowTitle(QStringLiteral("VLAN Current Table"));
  resize(Px(this, 640), Px(this, 520));

  LV_dot1qVlanCurrentEntry = new QTreeWidget(this);
  LV_dot1qVlanCurrentEntry->setObjectName(QStringLiteral("LV_dot1qVlanCurrentEntry"));
  VlanNumDeletes = MakeStaticText(this, "VlanNumDeletes");
  StaticText1 = MakeStaticText(this, "StaticText1");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN Number Deletes"), VlanNumDeletes);
  fields->addRow(QStringLiteral("VLAN Index"), StaticText1);
  auto* pages = new QTabWidget(this);
  EgressPorts = AddPortGridPage(pages, QStringLiteral("Egress Port"));
  UntaggedPorts = AddPortGridPage(pages, QStringLiteral("Untagged Port"));
  Memo1 = MakeStatusMemo(this);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Set->hide();
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LV_dot1qVlanCurrentEntry, 1);
  layout->addLayout(fields);
  layout->addWidget(pages);
  layout->addLayout(RightAlignedButtonRow({BT_Get, BT_Set, BT_Close}));
  layout->addWidget(Memo1);

  scalars_ = AddBinding(tbl::Dot1qVlanNumDeletes, true, Memo1);
  scalars_->AssociateControl(0, VlanNumDeletes);
  table_ = AddBinding(tbl::Dot1qVlanCurrent, true, Memo1);
  table_->AttachListView(LV_dot1qVlanCurrentEntry, true);
  table_->AssociateControl(1, StaticText1);
  BindPortList(*table_, 3, *EgressPorts);
  BindPortList(*table_, 4, *UntaggedPorts);

  connect(LV_dot1qVlanCurrentEntry, &QTreeWidget::itemSelectionChanged, this,
          &CurrentVlanDialog::LV_dot1qVlanCurrentEntryClick);
  connect(BT_Get, &QPushButton::clicked, this, &CurrentVlanDialog::BT_GetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void CurrentVlanDialog::ClearFields() {
  EgressPorts->ClearAll();
  UntaggedPorts->ClearAll();
  StaticText1->clear();
}

void CurrentVlanDialog::BT_GetClick() {
  try {
    scalars_->Refresh();
    table_->Refresh();
  } catch (const std::exception& e) {
    table_->ShowStatus(ErrorText(e));
  }
  ClearFields();
}

void CurrentVlanDialog::LV_dot1qVlanCurrentEntryClick() {
  if (LV_dot1qVlanCurrentEntry->selectedItems().isEmpty()) ClearFields();
}
