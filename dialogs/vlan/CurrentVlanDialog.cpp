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

#include "dialogs/common/DialogLayout.h"
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

  vlanList = new QTreeWidget(this);
  vlanList->setObjectName(QStringLiteral("LV_dot1qVlanCurrentEntry"));
  deletedCountLabel = MakeStaticText(this, "VlanNumDeletes");
  vlanIdLabel = MakeStaticText(this, "StaticText1");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN Number Deletes"), deletedCountLabel);
  fields->addRow(QStringLiteral("VLAN Index"), vlanIdLabel);
  auto* pages = new QTabWidget(this);
  egressPorts = AddPortGridPage(pages, QStringLiteral("Egress Port"));
  untaggedPorts = AddPortGridPage(pages, QStringLiteral("Untagged Port"));
  messages = MakeStatusMemo(this);
  ButtonBar buttons(this);
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  closeButton = buttons.close(Name{"BT_Close"});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(vlanList, 1);
  layout->addLayout(fields);
  layout->addWidget(pages);
  layout->addLayout(buttons.layout());
  layout->addWidget(messages);

  scalars_ = AddBinding(tbl::Dot1qVlanNumDeletes, true, messages);
  scalars_->AssociateControl(0, deletedCountLabel);
  table_ = AddBinding(tbl::Dot1qVlanCurrent, true, messages);
  table_->AttachListView(vlanList, true);
  table_->AssociateControl(1, vlanIdLabel);
  BindPortList(*table_, 3, *egressPorts);
  BindPortList(*table_, 4, *untaggedPorts);

  connect(vlanList, &QTreeWidget::itemSelectionChanged, this,
          &CurrentVlanDialog::selectionChanged);
}

void CurrentVlanDialog::ClearFields() {
  egressPorts->ClearAll();
  untaggedPorts->ClearAll();
  vlanIdLabel->clear();
}

void CurrentVlanDialog::refreshClicked() {
  try {
    scalars_->Refresh();
    table_->Refresh();
  } catch (const std::exception& e) {
    table_->ShowStatus(ErrorText(e));
  }
  ClearFields();
}

void CurrentVlanDialog::selectionChanged() {
  if (vlanList->selectedItems().isEmpty()) ClearFields();
}
