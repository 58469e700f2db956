#include "dialogs/layer2/SmallPortListFormsUnit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/PortPanel.h"
#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* b : buttons) row->addWidget(b);
  return row;
}

QLineEdit* Edit(QWidget* parent, const char* name) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  return edit;
}

TPortUitForm* GridGroup(QWidget* parent, QVBoxLayout* layout, const QString& title) {
  auto* group = new QGroupBox(title, parent);
  auto* host = new QWidget(group);
  host->setMinimumHeight(Px(parent, 110));
  (new QVBoxLayout(group))->addWidget(host);
  layout->addWidget(group);
  return AddStandardPortGrid(host);
}
}  // namespace

// ---------------------------------------------------------------------------
TTrafficSegmentationForm::TTrafficSegmentationForm(const DialogContext& context) : TSnmpDialog(context.owner) {
  setObjectName(QStringLiteral("TrafficSegmentationForm"));
  setWindowTitle(QStringLiteral("Traffic Segmentation Table:") + context.Agent());
  resize(Px(this, 600), Px(this, 520));
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ST_Port = new QLabel(this);
  ST_Port->setObjectName(QStringLiteral("ST_Port"));
  ST_Port->hide();
  Combo_Unit = new QComboBox(this);
  Combo_Unit->setObjectName(QStringLiteral("Combo_Unit"));
  Combo_Unit->addItem(QStringLiteral("1"));
  Combo_Port = new QComboBox(this);
  Combo_Port->setObjectName(QStringLiteral("Combo_Port"));
  for (int p = 1; p <= ModelPortCount(kGridModel); ++p) Combo_Port->addItem(QString::number(p));
  Combo_Unit->setEnabled(false);
  Combo_Port->setEnabled(false);
  auto* fields = new QHBoxLayout;
  fields->addWidget(new QLabel(QStringLiteral("Unit"), this));
  fields->addWidget(Combo_Unit);
  fields->addWidget(new QLabel(QStringLiteral("Port"), this));
  fields->addWidget(Combo_Port);
  fields->addStretch(1);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addLayout(fields);
  ForwardPorts = GridGroup(this, layout, QStringLiteral("Forward Ports"));
  layout->addLayout(ButtonRow({BT_Get, BT_Set, BT_Close}));
  StatusPanel = AddStatusPanel(this);
  layout->addWidget(StatusPanel->parentWidget());

  segments_ = AddBinding(tbl::TrafficSegmentation, true, StatusPanel);
  SetBusyText(QString::fromLatin1(kRefreshNotCompleteLower));
  segments_->AttachListView(ListView1, true);
  segments_->AssociateControl(0, ST_Port);
  BindPortList(*segments_, 1, *ForwardPorts);
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TTrafficSegmentationForm::ListView1Click);
  connect(BT_Get, &QPushButton::clicked, this, &TTrafficSegmentationForm::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &TTrafficSegmentationForm::BT_SetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
  BT_Set->setEnabled(false);
}

void TTrafficSegmentationForm::ClearFields() {
  ForwardPorts->ClearAll();
  Combo_Unit->setCurrentIndex(-1);
  Combo_Port->setCurrentIndex(-1);
}

void TTrafficSegmentationForm::BT_GetClick() {
  if (RefuseWhileBusy(segments_, QString::fromLatin1(kRefreshNotCompleteLower))) return;
  try {
    segments_->Refresh();
  } catch (const std::exception& e) {
    segments_->ShowStatus(ErrorText(e));
  }
  ClearFields();
  BT_Set->setEnabled(false);
}

void TTrafficSegmentationForm::ListView1Click() {
  if (ListView1->selectedItems().isEmpty()) {
    BT_Set->setEnabled(false);
    return;
  }
  const UnitPortText up = SplitGlobalPortText(ST_Port->text().toInt());
  Combo_Unit->setCurrentIndex(Combo_Unit->findText(up.unit));
  Combo_Port->setCurrentIndex(Combo_Port->findText(up.port));
  BT_Set->setEnabled(true);
}

void TTrafficSegmentationForm::BT_SetClick() {
  if (RefuseWhileBusy(segments_, QString::fromLatin1(kRefreshNotCompleteLower))) return;
  try {
    segments_->Apply(true, true);
  } catch (const std::exception& e) {
    segments_->ShowStatus(ErrorText(e));
    return;  // a request error leaves the fields as they are
  }
  ClearFields();
  BT_Set->setEnabled(false);
}

// ---------------------------------------------------------------------------
TPrtSecDelCtrlForm::TPrtSecDelCtrlForm(const DialogContext& context) : TSnmpDialog(context.owner) {
  setObjectName(QStringLiteral("PrtSecDelCtrlForm"));
  setWindowTitle(QStringLiteral("Port Sercurity Delete Control Form"));
  resize(Px(this, 380), Px(this, 220));
  edtVlan = Edit(this, "edtVlan");
  edtPort = Edit(this, "edtPort");
  edtPort->hide();
  edtMac = Edit(this, "edtMac");
  cbxOper = new QComboBox(this);
  cbxOper->setObjectName(QStringLiteral("cbxOper"));
  cbxOper->hide();
  UnitEdit = Edit(this, "UnitEdit");
  UnitEdit->hide();
  PortEdit = Edit(this, "PortEdit");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN Name"), edtVlan);
  fields->addRow(QStringLiteral("Port"), PortEdit);
  fields->addRow(QStringLiteral("MAC Address"), edtMac);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addStretch(1);
  layout->addLayout(ButtonRow({BT_Get, BT_Set, BT_Close}));
  StatusPanel = AddStatusPanel(this);
  layout->addWidget(StatusPanel->parentWidget());

  delete_ = AddBinding(tbl::PortSecurityDelete, false, StatusPanel);
  delete_->AssociateEdits(0, "%s{l32}", edtVlan);
  delete_->AssociateEdits(1, "%i{n0x768l3}", edtPort);
  delete_->AssociateEdits(2, "%s{l12}", edtMac);
  delete_->AssociateControl(3, cbxOper);
  connect(BT_Get, &QPushButton::clicked, this, &TPrtSecDelCtrlForm::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &TPrtSecDelCtrlForm::BT_SetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrtSecDelCtrlForm::ShowUnitPort() {
  const UnitPortText up = SplitGlobalPortText(edtPort->text().toInt());
  UnitEdit->setText(up.unit);
  PortEdit->setText(up.port);
}

void TPrtSecDelCtrlForm::BT_GetClick() {
  try {
    delete_->Refresh();
  } catch (const std::exception& e) {
    delete_->ShowStatus(ErrorText(e));
  }
  ShowUnitPort();
}

void TPrtSecDelCtrlForm::BT_SetClick() {
  UnitEdit->setText(QStringLiteral("1"));
  if (edtVlan->text().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("You should input VLAN name."), ProgramCaption());
    return;
  }
  bool unitOk = false, portOk = false;
  const int unit = UnitEdit->text().toInt(&unitOk);
  const int port = PortEdit->text().toInt(&portOk);
  // Unit 1 is the one listed; another unit would allow 50 ports.
  const int ports = unit == 1 ? ModelPortCount(kGridModel) : 50;
  if (!unitOk || !portOk || unit < 1 || unit > 12 || port < 1 || port > ports) {
    UnitEdit->setText(QStringLiteral("0"));
    PortEdit->setText(QStringLiteral("0"));
    ShowMessageBox(this, QStringLiteral("You should input valid port."), ProgramCaption());
    return;
  }
  if (!CheckHexField(this, edtMac->text(), 12, QStringLiteral("You should input valid MAC address."))) return;
  edtPort->setText(QString::number(JoinGlobalPort(unit, port)));
  cbxOper->setCurrentIndex(1);  // start
  try {
    delete_->Apply(true, true);
  } catch (const std::exception& e) {
    delete_->ShowStatus(ErrorText(e));
  }
}

// ---------------------------------------------------------------------------
TGuestVlanForm::TGuestVlanForm(const DialogContext& context) : TSnmpDialog(context.owner) {
  setObjectName(QStringLiteral("GuestVlanForm"));
  setWindowTitle(QStringLiteral("Guest VLAN :") + context.Agent());
  resize(Px(this, 600), Px(this, 360));
  edtName = Edit(this, "edtName");
  cbxDel = new QComboBox(this);
  cbxDel->setObjectName(QStringLiteral("cbxDel"));
  cbxDel->hide();
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Guest VLAN Name"), edtName);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Delete = MakeDialogButton(this, "BT_Delete", QStringLiteral("Delete"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  Ports = GridGroup(this, layout, QStringLiteral("Port"));
  layout->addLayout(ButtonRow({BT_Get, BT_Set, BT_Delete, BT_Close}));
  StatusPanel = AddStatusPanel(this);
  layout->addWidget(StatusPanel->parentWidget());

  guest_ = AddBinding(tbl::GuestVlan, false, StatusPanel);
  guest_->request.timeout = 300;
  guest_->AssociateEdits(0, "%s", edtName);
  BindPortList(*guest_, 1, *Ports);
  delete_ = AddBinding(tbl::GuestVlanDelete, false, StatusPanel);
  delete_->request.timeout = 300;
  delete_->AssociateControl(0, cbxDel);
  connect(BT_Get, &QPushButton::clicked, this, &TGuestVlanForm::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &TGuestVlanForm::BT_SetClick);
  connect(BT_Delete, &QPushButton::clicked, this, &TGuestVlanForm::BT_DeleteClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void TGuestVlanForm::BT_GetClick() {
  if (AnyBusy()) return;
  try {
    guest_->Refresh();
    delete_->Refresh();
  } catch (const std::exception& e) {
    guest_->ShowStatus(ErrorText(e));
  }
}

void TGuestVlanForm::BT_SetClick() {
  try {
    guest_->Apply(true, true);
  } catch (const std::exception& e) {
    guest_->ShowStatus(ErrorText(e));
  }
}

void TGuestVlanForm::BT_DeleteClick() {
  cbxDel->setCurrentIndex(1);  // start
  try {
    delete_->Apply(true, true);
  } catch (const std::exception& e) {
    delete_->ShowStatus(ErrorText(e));
    return;
  }
  BT_GetClick();
}
