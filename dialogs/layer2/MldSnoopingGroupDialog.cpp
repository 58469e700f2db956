#include "dialogs/layer2/MldSnoopingGroupDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

MldSnoopingGroupDialog::MldSnoopingGroupDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("MLD_SnoopingGroupForm"));
  setWindowTitle(QStringLiteral("MLD Snooping Group Information: ") + context.agent);
  groupList = new QTreeWidget(this);
  groupList->setObjectName(QStringLiteral("ListView1"));
  groupList->setMinimumSize(Px(this, 560), Px(this, 140));
  vlanIdEdit = MakeEdit(this, "VIDEdit");
  groupAddressEdit = MakeEdit(this, "edtIPAddress");
  sourceAddressEdit = MakeEdit(this, "edtMAC");
  portTabs = new QTabWidget(this);
  portTabs->setObjectName(QStringLiteral("PortTabs"));
  auto* include = new QWidget(portTabs);
  auto* exclude = new QWidget(portTabs);
  portTabs->addTab(include, QStringLiteral("Include Port"));
  portTabs->addTab(exclude, QStringLiteral("Exclude Port"));
  includePorts = AddStandardPortGrid(include);
  excludePorts = AddStandardPortGrid(exclude);
  refreshButton = MakeButton(this, QStringLiteral("Refresh"), "btnRefresh");
  closeButton = MakeButton(this, QStringLiteral("Close"), "btnClose");
  statusBar = MakeStatusBar(this, &statusLabel);

  auto* fields = new QGridLayout;
  fields->addWidget(MakeLabel(this, QStringLiteral("VID")), 0, 0);
  fields->addWidget(vlanIdEdit, 0, 1);
  fields->addWidget(MakeLabel(this, QStringLiteral("Group Address")), 1, 0);
  fields->addWidget(groupAddressEdit, 1, 1);
  fields->addWidget(MakeLabel(this, QStringLiteral("Source Address")), 2, 0);
  fields->addWidget(sourceAddressEdit, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(refreshButton);
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(groupList, 1);
  layout->addLayout(fields);
  layout->addWidget(portTabs);
  layout->addLayout(buttons);
  layout->addWidget(statusBar);

  KySNMPRequest2Edits* b = AddBinding(tbl::MldSnoopingGroups, true, statusLabel);
  b->AttachListView(groupList, true);
  b->AssociateEdits(0, "%i", vlanIdEdit);
  b->AssociateEdits(1, "%s", groupAddressEdit);
  b->AssociateEdits(2, "%s", sourceAddressEdit);
  BindPortList(*b, 3, *includePorts);
  BindPortList(*b, 4, *excludePorts);
  connect(groupList, &QTreeWidget::itemSelectionChanged, this, &MldSnoopingGroupDialog::rowSelected);
  connect(refreshButton, &QPushButton::clicked, this, &MldSnoopingGroupDialog::refreshClicked);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

void MldSnoopingGroupDialog::FirstRefresh() { refreshClicked(); }

void MldSnoopingGroupDialog::clearFields() {
  for (QLineEdit* e : {vlanIdEdit, groupAddressEdit, sourceAddressEdit}) e->clear();
  includePorts->ClearAll();
  excludePorts->ClearAll();
}

void MldSnoopingGroupDialog::refreshClicked() {
  if (Editor()->busy) return;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
  clearFields();
}

void MldSnoopingGroupDialog::rowSelected() {
  if (groupList->selectedItems().isEmpty()) clearFields();
}
