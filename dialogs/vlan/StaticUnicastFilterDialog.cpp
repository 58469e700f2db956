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
  filterList = MakeListView(this, "LV_dot1qStaticUnicastEntry", 480, 150);
  vlanIdEdit = MakeEdit(this, "ED_UnicastVID");
  macEdit = MakeEdit(this, "UnicastAddress");
  statusCombo = MakeCombo(this, "UStatus");
  allowGroup = new QGroupBox(QStringLiteral("Allow To Go To Port"), this);
  allowGroup->setObjectName(QStringLiteral("AllowGroup"));
  auto* host = new QWidget(allowGroup);
  (new QVBoxLayout(allowGroup))->addWidget(host);
  allowPorts = AddStandardPortGrid(host);
  messages = MakeStatusMemo(this);
  refreshButton = MakeButton(this, QStringLiteral("Refresh"), "RefreshBtn");
  addButton = MakeButton(this, QStringLiteral("Add"), "SetBtn");
  deleteButton = MakeButton(this, QStringLiteral("Delete"), "DeleteBtn");
  closeButton = MakeButton(this, QStringLiteral("Close"), "CloseBtn");

  auto* fields = new QGridLayout;
  fields->addWidget(MakeLabel(this, QStringLiteral("VLAN ID")), 0, 0);
  fields->addWidget(vlanIdEdit, 0, 1);
  fields->addWidget(MakeLabel(this, QStringLiteral("MAC  Address")), 0, 2);
  fields->addWidget(macEdit, 0, 3);
  fields->addWidget(MakeLabel(this, QStringLiteral("Status")), 1, 0);
  fields->addWidget(statusCombo, 1, 1);
  ButtonBar buttonBar(this);
  for (QPushButton* b : {refreshButton, addButton, deleteButton, closeButton}) buttonBar.place(b);
  countLabel = buttonBar.samplesCounter(this, filterList);
  QBoxLayout* buttons = buttonBar.layout();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(filterList, 1);
  layout->addLayout(fields);
  layout->addWidget(allowGroup);
  layout->addWidget(messages);
  layout->addLayout(buttons);

  KySNMPRequest2Edits* b = AddBinding(tbl::StaticUnicastFilter, true, messages);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(filterList, true);
  b->AssociateEdits(kVid, "%i{n1x4094}", vlanIdEdit);
  b->AssociateEdits(kMac, "%h", macEdit);
  BindPortList(*b, kPorts, *allowPorts);
  b->AssociateControl(kStatus, statusCombo);
  receivePort_ = BindReceivePort(this, b);
  connect(filterList, &QTreeWidget::itemSelectionChanged, this,
          &StaticUnicastFilterDialog::selectionChanged);
  connect(refreshButton, &QPushButton::clicked, this, &StaticUnicastFilterDialog::refreshClicked);
  connect(addButton, &QPushButton::clicked, this, &StaticUnicastFilterDialog::addClicked);
  connect(deleteButton, &QPushButton::clicked, this, &StaticUnicastFilterDialog::deleteClicked);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  NoSelection();
}

void StaticUnicastFilterDialog::FirstRefresh() { refreshClicked(); }

void StaticUnicastFilterDialog::NoSelection() {
  for (QLineEdit* e : {vlanIdEdit, macEdit}) {
    e->clear();
    e->setReadOnly(false);
    e->setStyleSheet(QString());
  }
  statusCombo->setCurrentIndex(-1);
  receivePort_->setText(QStringLiteral("0"));
  allowPorts->ClearAll();
  deleteButton->setEnabled(false);
  addButton->setEnabled(true);
  UpdateSamples();
}

void StaticUnicastFilterDialog::selectionChanged() {
  if (filterList->selectedItems().isEmpty()) {
    NoSelection();
    return;
  }
  for (QLineEdit* e : {vlanIdEdit, macEdit}) {
    e->setReadOnly(true);
    e->setStyleSheet(QStringLiteral("background-color: palette(button);"));
  }
  deleteButton->setEnabled(true);
  addButton->setEnabled(false);
}

void StaticUnicastFilterDialog::refreshClicked() {
  if (Editor()->busy) return;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    messages->appendPlainText(QString::fromStdString(ErrorText(e)));
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
      messages->appendPlainText(QString::fromStdString(ErrorText(e)));
    }
  }
  NoSelection();
}

void StaticUnicastFilterDialog::addClicked() {
  if (vlanIdEdit->text().trimmed().isEmpty() || macEdit->text().trimmed().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Please input VID and MAC Address!"), ProgramCaption());
    return;
  }
  if (CheckedCount(*allowPorts) > 1) {
    ShowMessageBox(this, QStringLiteral("Allow To Go To Port just for one Port."), ProgramCaption());
    return;
  }
  if (statusCombo->currentText() != kPermanent) {
    ShowMessageBox(this, QStringLiteral("Status Should be permanent"), ProgramCaption());
    return;
  }
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  Write(false);
}

void StaticUnicastFilterDialog::deleteClicked() {
  if (vlanIdEdit->text().trimmed().isEmpty() || macEdit->text().trimmed().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Please select which entry you want to delete."), ProgramCaption(),
                   QMessageBox::Ok, QMessageBox::Warning);
    return;
  }
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  SetComboText(statusCombo, kInvalid);
  Write(true);
}
