#include "dialogs/vlan/StaticUnicastFilterDialog.h"

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

// The receive port index has no visible control: a hidden edit holds the
// selected entry's own, and 0 (frames from any port) for a new entry.
QLineEdit* BindReceivePort(QWidget* parent, KySNMPRequest2Edits* editor) {
  QLineEdit* edit = MakeEdit(parent, "ED_ReceivePort");
  edit->hide();
  editor->AssociateEdits(kReceivePort, "%i", edit);
  return edit;
}

int CheckedCount(const PortGrid& ports) {
  int count = 0;
  for (const QCheckBox* box : ports.CheckBoxes()) count += box->isChecked() ? 1 : 0;
  return count;
}

}  // namespace

// ---------------------------------------------------------------------------
StaticUnicastFilterDialog::StaticUnicastFilterDialog(const DialogContext& context)
    : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("UnicastFilterInformationForm"));
  setWindowTitle(QStringLiteral("Unicast Filter Information: ") + context.agent);
  LV_dot1qStaticUnicastEntry = MakeListView(this, "LV_dot1qStaticUnicastEntry", 480, 150);
  ED_UnicastVID = MakeEdit(this, "ED_UnicastVID");
  UnicastAddress = MakeEdit(this, "UnicastAddress");
  UStatus = MakeCombo(this, "UStatus");
  AllowGroup = new QGroupBox(QStringLiteral("Allow To Go To Port"), this);
  AllowGroup->setObjectName(QStringLiteral("AllowGroup"));
  auto* host = new QWidget(AllowGroup);
  (new QVBoxLayout(AllowGroup))->addWidget(host);
  AllowPorts = AddStandardPortGrid(host);
  Memo1 = MakeStatusMemo(this);
  RefreshBtn = MakeButton(this, QStringLiteral("Refresh"), "RefreshBtn");
  SetBtn = MakeButton(this, QStringLiteral("Add"), "SetBtn");
  DeleteBtn = MakeButton(this, QStringLiteral("Delete"), "DeleteBtn");
  CloseBtn = MakeButton(this, QStringLiteral("Close"), "CloseBtn");

  auto* fields = new QGridLayout;
  fields->addWidget(MakeLabel(this, QStringLiteral("VLAN ID")), 0, 0);
  fields->addWidget(ED_UnicastVID, 0, 1);
  fields->addWidget(MakeLabel(this, QStringLiteral("MAC  Address")), 0, 2);
  fields->addWidget(UnicastAddress, 0, 3);
  fields->addWidget(MakeLabel(this, QStringLiteral("Status")), 1, 0);
  fields->addWidget(UStatus, 1, 1);
  ButtonBar buttonBar(this);
  for (QPushButton* b : {RefreshBtn, SetBtn, DeleteBtn, CloseBtn}) buttonBar.place(b);
  ST_Count = buttonBar.samplesCounter(this, LV_dot1qStaticUnicastEntry);
  QBoxLayout* buttons = buttonBar.layout();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LV_dot1qStaticUnicastEntry, 1);
  layout->addLayout(fields);
  layout->addWidget(AllowGroup);
  layout->addWidget(Memo1);
  layout->addLayout(buttons);

  KySNMPRequest2Edits* b = AddBinding(tbl::StaticUnicastFilter, true, Memo1);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(LV_dot1qStaticUnicastEntry, true);
  b->AssociateEdits(kVid, "%i{n1x4094}", ED_UnicastVID);
  b->AssociateEdits(kMac, "%h", UnicastAddress);
  BindPortList(*b, kPorts, *AllowPorts);
  b->AssociateControl(kStatus, UStatus);
  receivePort_ = BindReceivePort(this, b);
  connect(LV_dot1qStaticUnicastEntry, &QTreeWidget::itemSelectionChanged, this,
          &StaticUnicastFilterDialog::ListViewClick);
  connect(RefreshBtn, &QPushButton::clicked, this, &StaticUnicastFilterDialog::RefreshBtnClick);
  connect(SetBtn, &QPushButton::clicked, this, &StaticUnicastFilterDialog::SetBtnClick);
  connect(DeleteBtn, &QPushButton::clicked, this, &StaticUnicastFilterDialog::DeleteBtnClick);
  connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
  NoSelection();
}

void StaticUnicastFilterDialog::FirstRefresh() { RefreshBtnClick(); }

void StaticUnicastFilterDialog::NoSelection() {
  for (QLineEdit* e : {ED_UnicastVID, UnicastAddress}) {
    e->clear();
    e->setReadOnly(false);
    e->setStyleSheet(QString());
  }
  UStatus->setCurrentIndex(-1);
  receivePort_->setText(QStringLiteral("0"));
  AllowPorts->ClearAll();
  DeleteBtn->setEnabled(false);
  SetBtn->setEnabled(true);
  UpdateSamples();
}

void StaticUnicastFilterDialog::ListViewClick() {
  if (LV_dot1qStaticUnicastEntry->selectedItems().isEmpty()) {
    NoSelection();
    return;
  }
  for (QLineEdit* e : {ED_UnicastVID, UnicastAddress}) {
    e->setReadOnly(true);
    e->setStyleSheet(QStringLiteral("background-color: palette(button);"));
  }
  DeleteBtn->setEnabled(true);
  SetBtn->setEnabled(false);
}

void StaticUnicastFilterDialog::RefreshBtnClick() {
  if (Editor()->busy) return;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Memo1->appendPlainText(QString::fromStdString(ErrorText(e)));
  }
  NoSelection();
}

void StaticUnicastFilterDialog::Write(bool excludePorts) {
  {
    KyColumnExclusion exclusion(Editor()->request.varList);
    if (excludePorts) exclusion.Exclude(kPorts);
    try {
      Editor()->Apply(true, true);
    } catch (const std::exception& e) {
      Memo1->appendPlainText(QString::fromStdString(ErrorText(e)));
    }
  }
  NoSelection();
}

void StaticUnicastFilterDialog::SetBtnClick() {
  if (ED_UnicastVID->text().trimmed().isEmpty() || UnicastAddress->text().trimmed().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Please input VID and MAC Address!"), ProgramCaption());
    return;
  }
  if (CheckedCount(*AllowPorts) > 1) {
    ShowMessageBox(this, QStringLiteral("Allow To Go To Port just for one Port."), ProgramCaption());
    return;
  }
  if (UStatus->currentText() != kPermanent) {
    ShowMessageBox(this, QStringLiteral("Status Should be permanent"), ProgramCaption());
    return;
  }
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  Write(false);
}

void StaticUnicastFilterDialog::DeleteBtnClick() {
  if (ED_UnicastVID->text().trimmed().isEmpty() || UnicastAddress->text().trimmed().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Please select which entry you want to delete."), ProgramCaption(),
                   QMessageBox::Ok, QMessageBox::Warning);
    return;
  }
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  SetComboText(UStatus, kInvalid);
  Write(true);
}
