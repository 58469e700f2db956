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

  vlanList = new QTreeWidget(this);
  vlanList->setObjectName(QStringLiteral("LV_dot1qVlanStaticEntry"));
  vlanList->setMinimumHeight(Px(this, 120));

  vlanIdEdit = new QLineEdit(this);
  vlanIdEdit->setObjectName(QStringLiteral("ED_VLANID"));
  vlanNameEdit = new QLineEdit(this);
  vlanNameEdit->setObjectName(QStringLiteral("ED_VLANName"));
  statusCombo = new QComboBox(this);
  statusCombo->setObjectName(QStringLiteral("Status"));
  nextFreeIndexLabel = new QLabel(this);
  nextFreeIndexLabel->setObjectName(QStringLiteral("NextFreeLocalVlanIndex"));
  nextFreeIndexLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN ID"), vlanIdEdit);
  fields->addRow(QStringLiteral("VLAN Name"), vlanNameEdit);
  fields->addRow(QStringLiteral("Status"), statusCombo);
  fields->addRow(QStringLiteral("Next Free Local VLAN Index"), nextFreeIndexLabel);

  portTabs = new QTabWidget(this);
  portTabs->setObjectName(QStringLiteral("PageControl1"));
  egressPorts = AddPortGridPage(portTabs, QStringLiteral("Egress Ports"));
  forbiddenPorts = AddPortGridPage(portTabs, QStringLiteral("Forbidden Egress Ports"));
  untaggedPorts = AddPortGridPage(portTabs, QStringLiteral("Untagged Ports"));

  messages = new QPlainTextEdit(this);
  messages->setObjectName(QStringLiteral("Memo1"));
  messages->setReadOnly(true);
  messages->setMaximumHeight(Px(this, 60));

  ButtonBar buttonBar(this);
  buttonBar.samplesCounter(this, vlanList);
  refreshButton = buttonBar.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  setButton = buttonBar.add(QStringLiteral("Set"), Name{"BT_Set"}, [this] { setClicked(); });
  addButton = buttonBar.add(QStringLiteral("Add"), Name{"BT_Add"}, [this] { addClicked(); });
  deleteButton = buttonBar.add(QStringLiteral("Delete"), Name{"BT_Delete"}, [this] { deleteClicked(); });
  closeButton = buttonBar.close(Name{"BT_Close"});
  QBoxLayout* buttons = buttonBar.layout();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(vlanList, 1);
  layout->addLayout(fields);
  layout->addWidget(portTabs);
  layout->addLayout(buttons);
  layout->addWidget(messages);

  table_ = AddBinding(tbl::Dot1qVlanStatic, true, messages);
  table_->AttachListView(vlanList, true);
  table_->AssociateEdits(kIndex, "%i{n1x4094l4}", vlanIdEdit);
  table_->AssociateEdits(kName, "%s", vlanNameEdit);
  BindPortList(*table_, kEgress, *egressPorts);
  BindPortList(*table_, kForbidden, *forbiddenPorts);
  BindPortList(*table_, kUntagged, *untaggedPorts);
  table_->AssociateControl(kRowStatus, statusCombo);
  nextFree_ = AddBinding(tbl::Dot1qNextFreeLocalVlanIndex, true, messages);
  nextFree_->AssociateControl(0, nextFreeIndexLabel);

  // After the binding's own handler has filled the fields from the line.
  connect(vlanList, &QTreeWidget::itemSelectionChanged, this,
          &StaticVlanDialog::selectionChanged);
  ButtonsAfterRefresh();
}

void StaticVlanDialog::FirstRefresh() { refreshClicked(); }

void StaticVlanDialog::ClearFields() {
  egressPorts->ClearAll();
  forbiddenPorts->ClearAll();
  untaggedPorts->ClearAll();
  vlanIdEdit->clear();
  vlanNameEdit->clear();
  statusCombo->setCurrentIndex(-1);
}

void StaticVlanDialog::ButtonsAfterRefresh() {
  setButton->setEnabled(false);
  deleteButton->setEnabled(false);
  addButton->setEnabled(true);
}

void StaticVlanDialog::refreshClicked() {
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

void StaticVlanDialog::selectionChanged() {
  if (vlanList->selectedItems().isEmpty()) {
    ClearFields();
    ButtonsAfterRefresh();
    return;
  }
  setButton->setEnabled(true);
  deleteButton->setEnabled(true);
  addButton->setEnabled(false);
}

bool StaticVlanDialog::CheckVlanId() {
  const QString text = vlanIdEdit->text().trimmed();
  if (text.isEmpty()) {
    ShowMessageBox(this, QStringLiteral("VLAN ID must be set."), ProgramCaption());
    vlanIdEdit->setFocus();
    return false;
  }
  bool number = false;
  const int id = text.toInt(&number);
  if (!number || id < kFirstVlanId || id > kLastVlanId) {
    ShowMessageBox(this, QStringLiteral("VLAN ID should between 1-4094"), ProgramCaption());
    vlanIdEdit->setFocus();
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

void StaticVlanDialog::setClicked() {
  if (RefusedWhileBusy() || !CheckVlanId()) return;
  Write();
  ClearFields();
  ButtonsAfterRefresh();
}

void StaticVlanDialog::addClicked() {
  // A second click while the first Add is written (or the list read after
  // it) is refused before its fields, cleared by the first, are looked at.
  if (RefusedWhileBusy() || !CheckVlanId()) return;
  statusCombo->setCurrentIndex(1);  // createAndGo
  Write();
  ClearFields();
}

void StaticVlanDialog::deleteClicked() {
  if (RefusedWhileBusy() || !CheckVlanId()) return;
  statusCombo->setCurrentIndex(2);  // destroy
  Write();
  ClearFields();
  ButtonsAfterRefresh();
}
