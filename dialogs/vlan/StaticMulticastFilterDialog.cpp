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
  LV_dot1qStaticMulticastEntry = MakeListView(this, "LV_dot1qStaticMulticastEntry", 480, 150);
  ED_MulticastVID = MakeEdit(this, "ED_MulticastVID");
  ED_MACAddress = MakeEdit(this, "ED_MACAddress");
  Status = MakeCombo(this, "Status");
  PortTabs = new QTabWidget(this);
  PortTabs->setObjectName(QStringLiteral("PortTabs"));
  auto* egress = new QWidget(PortTabs);
  PortTabs->addTab(egress, QStringLiteral("Egress Ports"));
  PortTabs->addTab(new QWidget(PortTabs), QStringLiteral("Forbidden Ports"));
  PortTabs->setTabVisible(1, false);
  EgressPorts = AddStandardPortGrid(egress);
  Memo1 = MakeStatusMemo(this);
  RefreshBtn = MakeButton(this, QStringLiteral("Refresh"), "RefreshBtn");
  SetBtn = MakeButton(this, QStringLiteral("Set"), "SetBtn");
  DeleteBtn = MakeButton(this, QStringLiteral("Delete"), "DeleteBtn");
  AddBtn = MakeButton(this, QStringLiteral("Add"), "AddBtn");
  CloseBtn = MakeButton(this, QStringLiteral("Close"), "CloseBtn");

  auto* fields = new QGridLayout;
  fields->addWidget(MakeLabel(this, QStringLiteral("VID")), 0, 0);
  fields->addWidget(ED_MulticastVID, 0, 1);
  fields->addWidget(MakeLabel(this, QStringLiteral("MAC Address")), 0, 2);
  fields->addWidget(ED_MACAddress, 0, 3);
  fields->addWidget(MakeLabel(this, QStringLiteral("Status")), 1, 0);
  fields->addWidget(Status, 1, 1);
  ButtonBar buttonBar(this);
  for (QPushButton* b : {RefreshBtn, SetBtn, DeleteBtn, AddBtn, CloseBtn}) buttonBar.place(b);
  ST_Count = buttonBar.samplesCounter(this, LV_dot1qStaticMulticastEntry);
  QBoxLayout* buttons = buttonBar.layout();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LV_dot1qStaticMulticastEntry, 1);
  layout->addLayout(fields);
  layout->addWidget(PortTabs);
  layout->addWidget(Memo1);
  layout->addLayout(buttons);

  KySNMPRequest2Edits* b = AddBinding(tbl::StaticMulticastFilter, true, Memo1);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(LV_dot1qStaticMulticastEntry, true);
  b->AssociateEdits(kVid, "%i{n1x4094}", ED_MulticastVID);
  b->AssociateEdits(kMac, "%h", ED_MACAddress);
  BindPortList(*b, kPorts, *EgressPorts);
  b->AssociateControl(kStatus, Status);
  receivePort_ = BindReceivePort(this, b);
  connect(LV_dot1qStaticMulticastEntry, &QTreeWidget::itemSelectionChanged, this,
          &StaticMulticastFilterDialog::ListViewClick);
  connect(RefreshBtn, &QPushButton::clicked, this, &StaticMulticastFilterDialog::RefreshBtnClick);
  connect(SetBtn, &QPushButton::clicked, this, &StaticMulticastFilterDialog::SetBtnClick);
  connect(DeleteBtn, &QPushButton::clicked, this, &StaticMulticastFilterDialog::DeleteBtnClick);
  connect(AddBtn, &QPushButton::clicked, this, &StaticMulticastFilterDialog::AddBtnClick);
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
  NoSelection();
}

void StaticMulticastFilterDialog::FirstRefresh() { RefreshBtnClick(); }

void StaticMulticastFilterDialog::NoSelection() {
  for (QWidget* w : std::initializer_list<QWidget*>{ED_MulticastVID, ED_MACAddress, Status}) SetLocked(w, false);
  ED_MulticastVID->clear();
  ED_MACAddress->clear();
  receivePort_->setText(QStringLiteral("0"));
  Status->setCurrentIndex(-1);
  EgressPorts->ClearAll();
  SetBtn->setEnabled(false);
  DeleteBtn->setEnabled(false);
  AddBtn->setEnabled(true);
  UpdateSamples();
}

void StaticMulticastFilterDialog::ListViewClick() {
  if (LV_dot1qStaticMulticastEntry->selectedItems().isEmpty()) {
    NoSelection();
    return;
  }
  for (QWidget* w : std::initializer_list<QWidget*>{ED_MulticastVID, ED_MACAddress, Status}) SetLocked(w, true);
  SetBtn->setEnabled(true);
  DeleteBtn->setEnabled(true);
  AddBtn->setEnabled(false);
}

void StaticMulticastFilterDialog::RefreshBtnClick() {
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

void StaticMulticastFilterDialog::AddBtnClick() {
  if (Status->currentText() != kPermanent) {
    ShowMessageBox(this, QStringLiteral("Status should be set to permanent"), ProgramCaption());
    return;
  }
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  Write(false);
}

void StaticMulticastFilterDialog::SetBtnClick() {
  if (LV_dot1qStaticMulticastEntry->selectedItems().isEmpty()) return;
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  SetBtn->setEnabled(false);
  Write(true);  // the egress ports of the selected entry; never its status
}

void StaticMulticastFilterDialog::DeleteBtnClick() {
  if (LV_dot1qStaticMulticastEntry->selectedItems().isEmpty()) return;
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  SetComboText(Status, kInvalid);
  Write(false);
}
