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
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setMinimumSize(Px(this, 560), Px(this, 140));
  VIDEdit = MakeEdit(this, "VIDEdit");
  edtIPAddress = MakeEdit(this, "edtIPAddress");
  edtMAC = MakeEdit(this, "edtMAC");
  PortTabs = new QTabWidget(this);
  PortTabs->setObjectName(QStringLiteral("PortTabs"));
  auto* include = new QWidget(PortTabs);
  auto* exclude = new QWidget(PortTabs);
  PortTabs->addTab(include, QStringLiteral("Include Port"));
  PortTabs->addTab(exclude, QStringLiteral("Exclude Port"));
  IncludePorts = AddStandardPortGrid(include);
  ExcludePorts = AddStandardPortGrid(exclude);
  btnRefresh = MakeButton(this, QStringLiteral("Refresh"), "btnRefresh");
  btnClose = MakeButton(this, QStringLiteral("Close"), "btnClose");
  StatusBar1 = MakeStatusBar(this, &StatusPanel0);

  auto* fields = new QGridLayout;
  fields->addWidget(MakeLabel(this, QStringLiteral("VID")), 0, 0);
  fields->addWidget(VIDEdit, 0, 1);
  fields->addWidget(MakeLabel(this, QStringLiteral("Group Address")), 1, 0);
  fields->addWidget(edtIPAddress, 1, 1);
  fields->addWidget(MakeLabel(this, QStringLiteral("Source Address")), 2, 0);
  fields->addWidget(edtMAC, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnRefresh);
  buttons->addWidget(btnClose);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addLayout(fields);
  layout->addWidget(PortTabs);
  layout->addLayout(buttons);
  layout->addWidget(StatusBar1);

  KySNMPRequest2Edits* b = AddBinding(tbl::MldSnoopingGroups, true, StatusPanel0);
  b->AttachListView(ListView1, true);
  b->AssociateEdits(0, "%i", VIDEdit);
  b->AssociateEdits(1, "%s", edtIPAddress);
  b->AssociateEdits(2, "%s", edtMAC);
  BindPortList(*b, 3, *IncludePorts);
  BindPortList(*b, 4, *ExcludePorts);
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &MldSnoopingGroupDialog::ListView1Click);
  connect(btnRefresh, &QPushButton::clicked, this, &MldSnoopingGroupDialog::btnRefreshClick);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
}

void MldSnoopingGroupDialog::FirstRefresh() { btnRefreshClick(); }

void MldSnoopingGroupDialog::ClearFields() {
  for (QLineEdit* e : {VIDEdit, edtIPAddress, edtMAC}) e->clear();
  IncludePorts->ClearAll();
  ExcludePorts->ClearAll();
}

void MldSnoopingGroupDialog::btnRefreshClick() {
  if (Editor()->busy) return;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
  ClearFields();
}

void MldSnoopingGroupDialog::ListView1Click() {
  if (ListView1->selectedItems().isEmpty()) ClearFields();
}
