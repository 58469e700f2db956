#include "dialogs/vlan/StaticMulticastFilterDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/ComboChoice.h"
#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {

// Variables of both tables: 0 VLAN, 1 MAC, 2 receive port, 3 ports, 4 status.
constexpr int kVid = 0, kMac = 1, kReceivePort = 2, kPorts = 3, kStatus = 4;

const QString kPermanent = QStringLiteral("permanent");

const QString kInvalid = QStringLiteral("invalid");

void SetLocked(QWidget* w, bool locked) {
  w->setEnabled(!locked);
  w->setStyleSheet(locked ? QStringLiteral("background-color: palette(button);") : QString());
}

// The receive port index has no visible control: a hidden edit holds the
// selected entry's own, and 0 (frames from any port) for a new entry.
QLineEdit* BindReceivePort(QWidget* parent, KySNMPRequest2Edits* editor) {
  QLineEdit* edit = MakeEdit(parent, "ED_ReceivePort");
  edit->hide();
  editor->AssociateEdits(kReceivePort, "%i", edit);
  return edit;
}

}  // namespace

// ---------------------------------------------------------------------------
StaticMulticastFilterDialog::StaticMulticastFilterDialog(const DialogContext& context)
    : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("MulticastFilterInformationForm"));
  setWindowTitle(QStringLiteral("Multicast Filter Information") + context.agent);
  filterList = MakeListView(this, "LV_dot1qStaticMulticastEntry", 480, 150);
  vlanIdEdit = MakeEdit(this, "ED_MulticastVID");
  macEdit = MakeEdit(this, "ED_MACAddress");
  statusCombo = MakeCombo(this, "Status");
  portTabs = new QTabWidget(this);
  portTabs->setObjectName(QStringLiteral("PortTabs"));
  auto* egress = new QWidget(portTabs);
  portTabs->addTab(egress, QStringLiteral("Egress Ports"));
  portTabs->addTab(new QWidget(portTabs), QStringLiteral("Forbidden Ports"));
  portTabs->setTabVisible(1, false);
  egressPorts = AddStandardPortGrid(egress);
  messages = MakeStatusMemo(this);
  refreshButton = MakeButton(this, QStringLiteral("Refresh"), "RefreshBtn");
  setButton = MakeButton(this, QStringLiteral("Set"), "SetBtn");
  deleteButton = MakeButton(this, QStringLiteral("Delete"), "DeleteBtn");
  addButton = MakeButton(this, QStringLiteral("Add"), "AddBtn");
  closeButton = MakeButton(this, QStringLiteral("Close"), "CloseBtn");

  auto* fields = new QGridLayout;
  fields->addWidget(MakeLabel(this, QStringLiteral("VID")), 0, 0);
  fields->addWidget(vlanIdEdit, 0, 1);
  fields->addWidget(MakeLabel(this, QStringLiteral("MAC Address")), 0, 2);
  fields->addWidget(macEdit, 0, 3);
  fields->addWidget(MakeLabel(this, QStringLiteral("Status")), 1, 0);
  fields->addWidget(statusCombo, 1, 1);
  ButtonBar buttonBar(this);
  for (QPushButton* b : {refreshButton, setButton, deleteButton, addButton, closeButton}) buttonBar.place(b);
  countLabel = buttonBar.samplesCounter(this, filterList);
  QBoxLayout* buttons = buttonBar.layout();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(filterList, 1);
  layout->addLayout(fields);
  layout->addWidget(portTabs);
  layout->addWidget(messages);
  layout->addLayout(buttons);

  KySNMPRequest2Edits* b = AddBinding(tbl::StaticMulticastFilter, true, messages);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(filterList, true);
  b->AssociateEdits(kVid, "%i{n1x4094}", vlanIdEdit);
  b->AssociateEdits(kMac, "%h", macEdit);
  BindPortList(*b, kPorts, *egressPorts);
  b->AssociateControl(kStatus, statusCombo);
  receivePort_ = BindReceivePort(this, b);
  connect(filterList, &QTreeWidget::itemSelectionChanged, this,
          &StaticMulticastFilterDialog::selectionChanged);
  connect(refreshButton, &QPushButton::clicked, this, &StaticMulticastFilterDialog::refreshClicked);
  connect(setButton, &QPushButton::clicked, this, &StaticMulticastFilterDialog::setClicked);
  connect(deleteButton, &QPushButton::clicked, this, &StaticMulticastFilterDialog::deleteClicked);
  connect(addButton, &QPushButton::clicked, this, &StaticMulticastFilterDialog::addClicked);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  NoSelection();
}

void StaticMulticastFilterDialog::FirstRefresh() { refreshClicked(); }

void StaticMulticastFilterDialog::NoSelection() {
  for (QWidget* w : std::initializer_list<QWidget*>{vlanIdEdit, macEdit, statusCombo}) SetLocked(w, false);
  vlanIdEdit->clear();
  macEdit->clear();
  receivePort_->setText(QStringLiteral("0"));
  statusCombo->setCurrentIndex(-1);
  egressPorts->ClearAll();
  setButton->setEnabled(false);
  deleteButton->setEnabled(false);
  addButton->setEnabled(true);
  UpdateSamples();
}

void StaticMulticastFilterDialog::selectionChanged() {
  if (filterList->selectedItems().isEmpty()) {
    NoSelection();
    return;
  }
  for (QWidget* w : std::initializer_list<QWidget*>{vlanIdEdit, macEdit, statusCombo}) SetLocked(w, true);
  setButton->setEnabled(true);
  deleteButton->setEnabled(true);
  addButton->setEnabled(false);
}

void StaticMulticastFilterDialog::refreshClicked() {
  if (Editor()->busy) return;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
  NoSelection();
}

void StaticMulticastFilterDialog::Write(bool excludeStatus) {
  {
    KyColumnExclusion exclusion(Editor()->request.varList);
    if (excludeStatus) exclusion.Exclude(kStatus);
    try {
      Editor()->Apply(true, true);
    } catch (const std::exception& e) {
      Editor()->statusKind = kSetStatus;
      Editor()->ShowStatus(ErrorText(e));
    }
  }
  NoSelection();
}

void StaticMulticastFilterDialog::addClicked() {
  if (statusCombo->currentText() != kPermanent) {
    ShowMessageBox(this, QStringLiteral("Status should be set to permanent"), ProgramCaption());
    return;
  }
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  Write(false);
}

void StaticMulticastFilterDialog::setClicked() {
  if (filterList->selectedItems().isEmpty()) return;
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  setButton->setEnabled(false);
  Write(true);  // the egress ports of the selected entry; never its status
}

void StaticMulticastFilterDialog::deleteClicked() {
  if (filterList->selectedItems().isEmpty()) return;
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  SetComboText(statusCombo, kInvalid);
  Write(false);
}
