#include "dialogs/layer2/PortTrunkDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
enum { kIndex = 0, kMaster = 1, kMembers = 2, kType = 3, kActive = 4, kState = 5, kFlooding = 6 };

// Digits and backspace pass; any other character is dropped with a beep.
bool DigitsOnly(QWidget*, int key) {
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Backspace) return false;
  if (key >= Qt::Key_Space && key <= Qt::Key_ydiaeresis) {
    Beep();
    return true;
  }
  return false;
}

// Enabled on the window colour, or disabled on the button face.
void SetEditable(QLineEdit* edit, bool on) {
  edit->setEnabled(on);
  QPalette p = edit->palette();
  p.setColor(QPalette::Base, on ? QColor(Qt::white) : p.color(QPalette::Button));
  edit->setPalette(p);
}
}  // namespace

PortTrunkDialog::PortTrunkDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("PortTrunkForm"));
  setWindowTitle(QStringLiteral("Port Trunk Table :") + context.agent);
  resize(Px(this, 640), Px(this, 560));

  LV_PortTrunk = new QTreeWidget(this);
  LV_PortTrunk->setObjectName(QStringLiteral("LV_PortTrunk"));
  LV_PortTrunk->setMinimumHeight(Px(this, 110));

  ED_Index = new QLineEdit(this);
  ED_Index->setObjectName(QStringLiteral("ED_Index"));
  ED_MasterPort = new QLineEdit(this);
  ED_MasterPort->setObjectName(QStringLiteral("ED_MasterPort"));
  ED_MasterPort->hide();
  UnitEdit = new QLineEdit(QStringLiteral("1"), this);
  UnitEdit->setObjectName(QStringLiteral("UnitEdit"));
  UnitEdit->hide();
  PortEdit = new QLineEdit(this);
  PortEdit->setObjectName(QStringLiteral("PortEdit"));
  SetKeyPressHandler(UnitEdit, DigitsOnly);
  SetKeyPressHandler(PortEdit, DigitsOnly);
  Combo_Type = new QComboBox(this);
  Combo_Type->setObjectName(QStringLiteral("Combo_Type"));
  Combo_State = new QComboBox(this);
  Combo_State->setObjectName(QStringLiteral("Combo_State"));
  Combo_State->hide();
  ST_FloodingPort = new QLabel(this);
  ST_FloodingPort->setObjectName(QStringLiteral("ST_FloodingPort"));
  ST_FloodingPort->setFrameStyle(QFrame::Panel | QFrame::Sunken);

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Index (1-6)"), ED_Index);
  fields->addRow(QStringLiteral("Master Port"), PortEdit);
  fields->addRow(QStringLiteral("Type"), Combo_Type);
  fields->addRow(QStringLiteral("Flooding Port"), ST_FloodingPort);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  MemberPorts = AddPortGridPage(PageControl1, QStringLiteral("Member Ports"));
  ActivePorts = AddPortGridPage(PageControl1, QStringLiteral("Active Ports"));
  ActivePorts->setEnabled(false);

  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Add"));
  SetBtn = MakeDialogButton(this, "SetBtn", QStringLiteral("Set"));
  BT_Delete = MakeDialogButton(this, "BT_Delete", QStringLiteral("Delete"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {BT_Get, BT_Set, SetBtn, BT_Delete, BT_Close}) buttons->addWidget(b);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LV_PortTrunk, 1);
  layout->addLayout(fields);
  layout->addWidget(PageControl1);
  layout->addLayout(buttons);
  StatusPanel = AddStatusPanel(this);
  layout->addWidget(StatusPanel->parentWidget());

  trunk_ = AddBinding(tbl::TrunkGroup, false, StatusPanel);
  trunk_->request.timeout = 300;
  trunk_->AttachListView(LV_PortTrunk, true);
  trunk_->AssociateEdits(kIndex, "%i{n1x6}", ED_Index);
  trunk_->AssociateEdits(kMaster, "%i", ED_MasterPort);
  BindPortList(*trunk_, kMembers, *MemberPorts);
  BindPortList(*trunk_, kActive, *ActivePorts);
  trunk_->AssociateControl(kType, Combo_Type);
  trunk_->AssociateControl(kState, Combo_State);
  trunk_->AssociateControl(kFlooding, ST_FloodingPort);

  connect(LV_PortTrunk, &QTreeWidget::itemSelectionChanged, this, &PortTrunkDialog::LV_PortTrunkClick);
  connect(BT_Get, &QPushButton::clicked, this, &PortTrunkDialog::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &PortTrunkDialog::BT_SetClick);
  connect(SetBtn, &QPushButton::clicked, this, &PortTrunkDialog::SetBtnClick);
  connect(BT_Delete, &QPushButton::clicked, this, &PortTrunkDialog::BT_DeleteClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
  ButtonsAfterRefresh();
}

void PortTrunkDialog::FirstRefresh() { BT_GetClick(); }

void PortTrunkDialog::ClearFields() {
  UnitEdit->setText(QStringLiteral("1"));
  PortEdit->clear();
  ST_FloodingPort->clear();
  MemberPorts->ClearAll();
  ActivePorts->ClearAll();
}

void PortTrunkDialog::ButtonsAfterRefresh() {
  SetEditable(ED_Index, true);
  ED_Index->clear();
  ClearFields();
  SetBtn->setEnabled(false);
  BT_Delete->setEnabled(false);
  BT_Set->setEnabled(true);
}

void PortTrunkDialog::BT_GetClick() {
  try {
    trunk_->Refresh();
  } catch (const std::exception& e) {
    trunk_->ShowStatus(ErrorText(e));
  }
  ButtonsAfterRefresh();
}

void PortTrunkDialog::LV_PortTrunkClick() {
  if (LV_PortTrunk->selectedItems().isEmpty()) {
    ButtonsAfterRefresh();
    return;
  }
  SetEditable(ED_Index, false);
  SetBtn->setEnabled(true);
  BT_Delete->setEnabled(true);
  BT_Set->setEnabled(false);
  const UnitPortText up = SplitGlobalPortText(ED_MasterPort->text().toInt());
  UnitEdit->setText(up.unit);
  PortEdit->setText(up.port);
}

bool PortTrunkDialog::Fail(const QString& message, QWidget* focus) {
  ShowMessageBox(this, message, ProgramCaption());
  if (focus) focus->setFocus();
  return false;
}

bool PortTrunkDialog::CheckMasterPort(int& global) {
  bool unitOk = false, portOk = false;
  const int unit = UnitEdit->text().toInt(&unitOk);
  const int port = PortEdit->text().toInt(&portOk);
  // One unit is listed: unit 1 with the ports of the QRX-900.
  if (!unitOk || unit != 1) return Fail(QStringLiteral("set valid master port"), UnitEdit);
  if (!portOk || port <= 0 || port > ModelPortCount(kGridModel))
    return Fail(QStringLiteral("set valid master port"), PortEdit);
  global = JoinGlobalPort(unit, port);
  return true;
}

bool PortTrunkDialog::CheckMembers() {
  int checked = 0;
  for (int k = 0; k < PortGrid::kBoxesPerUnit; ++k) {
    QCheckBox* box = MemberPorts->CheckBox(k);
    if (!box->isChecked()) continue;
    if (++checked > kMaxMembers) {
      box->setChecked(false);
      return Fail(QStringLiteral("The trunk member can't over eight!"), nullptr);
    }
  }
  if (checked < 2) return Fail(QStringLiteral("You must choose at least two members!"), nullptr);
  return true;
}

bool PortTrunkDialog::MasterPortChecked(int global) const {
  const UnitPort up = SplitGlobalPort(global);
  QCheckBox* box = MemberPorts->CheckBox((up.unit - 1) * PortGrid::kBoxesPerUnit + up.port - 1);
  return box != nullptr && box->isChecked();
}

bool PortTrunkDialog::Write(bool refreshAfter) {
  try {
    trunk_->Apply(refreshAfter, true);
    return true;
  } catch (const std::exception& e) {
    trunk_->ShowStatus(ErrorText(e));
    return false;
  }
}

void PortTrunkDialog::BT_SetClick() {
  UnitEdit->setText(QStringLiteral("1"));
  const QString index = ED_Index->text().trimmed();
  if (index.isEmpty()) {
    Fail(QStringLiteral("The index should not be empty."), ED_Index);
    return;
  }
  int masterColumn = -1;
  for (int c = 0; c < LV_PortTrunk->columnCount(); ++c)
    if (trunk_->ColumnVariable(c) == kMaster) masterColumn = c;
  for (int i = 0; i < LV_PortTrunk->topLevelItemCount(); ++i)
    if (LV_PortTrunk->topLevelItem(i)->text(0) == index) {
      Fail(QStringLiteral("The Index must be different!"), ED_Index);
      return;
    }
  if (UnitEdit->text().isEmpty()) {
    Fail(QStringLiteral("The Unit should not be empty."), UnitEdit);
    return;
  }
  if (PortEdit->text().isEmpty()) {
    Fail(QStringLiteral("The Port should not be empty."), PortEdit);
    return;
  }
  int global = 0;
  if (!CheckMasterPort(global)) return;
  if (Combo_Type->currentIndex() < 0) {
    Fail(QStringLiteral("Please choose trunk type."), Combo_Type);
    return;
  }
  for (int i = 0; masterColumn >= 0 && i < LV_PortTrunk->topLevelItemCount(); ++i)
    if (LV_PortTrunk->topLevelItem(i)->text(masterColumn) == QString::number(global)) {
      Fail(QStringLiteral("The master port must be different!"), PortEdit);
      return;
    }
  if (!MasterPortChecked(global)) {
    Fail(QStringLiteral("Master port must be checked."), nullptr);
    return;
  }
  ED_MasterPort->setText(QString::number(global));
  Combo_State->setCurrentIndex(2);  // createAndGo
  if (!CheckMembers()) return;
  if (Write(false)) BT_GetClick();
}

void PortTrunkDialog::SetBtnClick() {
  UnitEdit->setText(QStringLiteral("1"));
  if (ED_Index->text().trimmed().isEmpty()) {
    Fail(QStringLiteral("Please select trunk group."), nullptr);
    return;
  }
  if (UnitEdit->text().isEmpty()) {
    Fail(QStringLiteral("The Unit Edit should not be empty"), UnitEdit);
    return;
  }
  if (PortEdit->text().isEmpty()) {
    Fail(QStringLiteral("The Port Edit should not be empty"), PortEdit);
    return;
  }
  int global = 0;
  if (!CheckMasterPort(global)) return;
  if (!MasterPortChecked(global)) {
    Fail(QStringLiteral("Master port must be checked."), nullptr);
    return;
  }
  if (!CheckMembers()) return;
  ED_MasterPort->setText(QString::number(global));
  if (Write(false)) BT_GetClick();
}

void PortTrunkDialog::BT_DeleteClick() {
  if (ED_Index->text().trimmed().isEmpty()) {
    Fail(QStringLiteral("Please select trunk group."), nullptr);
    return;
  }
  bool written = false;
  {
    KyColumnExclusion exclusion(trunk_->request.varList);
    exclusion.ExcludeAllBut({kIndex, kState});
    Combo_State->setCurrentIndex(3);  // destroy
    written = Write(false);
  }
  if (written) BT_GetClick();
}
