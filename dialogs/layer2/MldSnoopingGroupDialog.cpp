#include "dialogs/layer2/MldSnoopingGroupDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

MldSnoopingGroupDialog::MldSnoopingGroupDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("MLD_SnoopingGroupForm"));
  setWindowTitle(QStringLiteral("MLD Snooping Group Information: ") + context.agent);
  DialogLayout layout(this, {Name{"ListView1"}, {560, 140}}, 1);
  groupList = layout.list();
  vlanIdEdit = layout.fields().edit(QStringLiteral("VID"), Name{"VIDEdit"});
  groupAddressEdit = layout.fields().edit(QStringLiteral("Group Address"), Name{"edtIPAddress"});
  sourceAddressEdit = layout.fields().edit(QStringLiteral("Source Address"), Name{"edtMAC"});
  auto* pages = new QTabWidget(this);
  pages->setObjectName(QStringLiteral("PortTabs"));
  auto* include = new QWidget(pages);
  auto* exclude = new QWidget(pages);
  pages->addTab(include, QStringLiteral("Include Port"));
  pages->addTab(exclude, QStringLiteral("Exclude Port"));
  includePorts = AddStandardPortGrid(include);
  excludePorts = AddStandardPortGrid(exclude);
  layout.addBelowFields(pages);
  layout.buttons().add(QStringLiteral("Refresh"), Name{"btnRefresh"}, [this] { refreshClicked(); });
  layout.buttons().close(Name{"btnClose"});
  statusLabel = layout.addStatusBar();

  KySNMPRequest2Edits* b = AddBinding(tbl::MldSnoopingGroups, true, statusLabel);
  b->AttachListView(groupList, true);
  b->AssociateEdits(0, "%i", vlanIdEdit);
  b->AssociateEdits(1, "%s", groupAddressEdit);
  b->AssociateEdits(2, "%s", sourceAddressEdit);
  BindPortList(*b, 3, *includePorts);
  BindPortList(*b, 4, *excludePorts);
  connect(groupList, &QTreeWidget::itemSelectionChanged, this, &MldSnoopingGroupDialog::rowSelected);
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
