#include "dialogs/layer2/PortTrunkDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "dialogs/common/DialogLayout.h"
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

  DialogLayout layout(this, {Name{"LV_PortTrunk"}, {0, 110}}, FieldGrid::kForm);
  trunkList = layout.list();
  FieldGrid& fields = layout.fields();
  indexEdit = fields.edit(QStringLiteral("Index (1-6)"), Name{"ED_Index"});
  masterPortEdit = MakeEdit(this, "ED_MasterPort");
  masterPortEdit->hide();
  unitEdit = MakeEdit(this, "UnitEdit");
  unitEdit->setText(QStringLiteral("1"));
  unitEdit->hide();
  portEdit = fields.edit(QStringLiteral("Master Port"), Name{"PortEdit"});
  SetKeyPressHandler(unitEdit, DigitsOnly);
  SetKeyPressHandler(portEdit, DigitsOnly);
  typeCombo = fields.combo(QStringLiteral("Type"), Name{"Combo_Type"});
  stateCombo = MakeCombo(this, "Combo_State");
  stateCombo->hide();
  floodingPortLabel = fields.display(QStringLiteral("Flooding Port"), Name{"ST_FloodingPort"});

  QTabWidget* portTabs = MakePortPages(this, "PageControl1");
  memberPorts = AddPortGridPage(portTabs, QStringLiteral("Member Ports"));
  activePorts = AddPortGridPage(portTabs, QStringLiteral("Active Ports"));
  activePorts->setEnabled(false);
  layout.addBelowFields(portTabs);

  ButtonBar& buttons = layout.buttons();
  buttons.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  addButton = buttons.add(QStringLiteral("Add"), Name{"BT_Set"}, [this] { addClicked(); });
  setButton = buttons.add(QStringLiteral("Set"), Name{"SetBtn"}, [this] { setClicked(); });
  deleteButton = buttons.add(QStringLiteral("Delete"), Name{"BT_Delete"}, [this] { deleteClicked(); });
  buttons.close(Name{"BT_Close"});
  statusLabel = layout.addStatusBar();

  trunk_ = AddBinding(tbl::TrunkGroup, false, statusLabel);
  trunk_->request.timeout = 300;
  trunk_->AttachListView(trunkList, true);
  trunk_->AssociateEdits(kIndex, "%i{n1x6}", indexEdit);
  trunk_->AssociateEdits(kMaster, "%i", masterPortEdit);
  BindPortList(*trunk_, kMembers, *memberPorts);
  BindPortList(*trunk_, kActive, *activePorts);
  trunk_->AssociateControl(kType, typeCombo);
  trunk_->AssociateControl(kState, stateCombo);
  trunk_->AssociateControl(kFlooding, floodingPortLabel);

  connect(trunkList, &QTreeWidget::itemSelectionChanged, this, &PortTrunkDialog::rowSelected);
  showNoSelection();
}

void PortTrunkDialog::FirstRefresh() { refreshClicked(); }

void PortTrunkDialog::clearFields() {
  unitEdit->setText(QStringLiteral("1"));
  portEdit->clear();
  floodingPortLabel->clear();
  memberPorts->ClearAll();
  activePorts->ClearAll();
}

void PortTrunkDialog::showNoSelection() {
  SetEditable(indexEdit, true);
  indexEdit->clear();
  clearFields();
  setButton->setEnabled(false);
  deleteButton->setEnabled(false);
  addButton->setEnabled(true);
}

void PortTrunkDialog::refreshClicked() {
  try {
    trunk_->Refresh();
  } catch (const std::exception& e) {
    trunk_->ShowStatus(ErrorText(e));
  }
  showNoSelection();
}

void PortTrunkDialog::rowSelected() {
  if (trunkList->selectedItems().isEmpty()) {
    showNoSelection();
    return;
  }
  SetEditable(indexEdit, false);
  setButton->setEnabled(true);
  deleteButton->setEnabled(true);
  addButton->setEnabled(false);
  const UnitPort up = SplitGlobalPort(masterPortEdit->text().toInt());
  unitEdit->setText(QString::number(up.unit));
  portEdit->setText(QString::number(up.port));
}

bool PortTrunkDialog::fail(const QString& message, QWidget* focus) {
  ShowMessageBox(this, message, ProgramCaption());
  if (focus) focus->setFocus();
  return false;
}

bool PortTrunkDialog::checkMasterPort(int& global) {
  bool unitOk = false, portOk = false;
  const int unit = unitEdit->text().toInt(&unitOk);
  const int port = portEdit->text().toInt(&portOk);
  // One unit is listed: unit 1 with the ports of the QRX-900.
  if (!unitOk || unit != 1) return fail(QStringLiteral("set valid master port"), unitEdit);
  if (!portOk || port <= 0 || port > ModelPortCount(kGridModel))
    return fail(QStringLiteral("set valid master port"), portEdit);
  global = JoinGlobalPort(unit, port);
  return true;
}

bool PortTrunkDialog::checkMembers() {
  int checked = 0;
  for (int k = 0; k < PortGrid::kBoxesPerUnit; ++k) {
    QCheckBox* box = memberPorts->CheckBox(k);
    if (!box->isChecked()) continue;
    if (++checked > kMaxMembers) {
      box->setChecked(false);
      return fail(QStringLiteral("The trunk member can't over eight!"), nullptr);
    }
  }
  if (checked < 2) return fail(QStringLiteral("You must choose at least two members!"), nullptr);
  return true;
}

bool PortTrunkDialog::masterPortChecked(int global) const {
  const UnitPort up = SplitGlobalPort(global);
  QCheckBox* box = memberPorts->CheckBox((up.unit - 1) * PortGrid::kBoxesPerUnit + up.port - 1);
  return box != nullptr && box->isChecked();
}

bool PortTrunkDialog::write(bool refreshAfter) {
  try {
    trunk_->Apply(refreshAfter, true);
    return true;
  } catch (const std::exception& e) {
    trunk_->ShowStatus(ErrorText(e));
    return false;
  }
}

void PortTrunkDialog::addClicked() {
  unitEdit->setText(QStringLiteral("1"));
  const QString index = indexEdit->text().trimmed();
  if (index.isEmpty()) {
    fail(QStringLiteral("The index should not be empty."), indexEdit);
    return;
  }
  int masterColumn = -1;
  for (int c = 0; c < trunkList->columnCount(); ++c)
    if (trunk_->ColumnVariable(c) == kMaster) masterColumn = c;
  for (int i = 0; i < trunkList->topLevelItemCount(); ++i)
    if (trunkList->topLevelItem(i)->text(0) == index) {
      fail(QStringLiteral("The Index must be different!"), indexEdit);
      return;
    }
  int global = 0;
  if (!checkUnitPort(QStringLiteral("The Unit should not be empty."), QStringLiteral("The Port should not be empty."),
                     global))
    return;
  if (typeCombo->currentIndex() < 0) {
    fail(QStringLiteral("Please choose trunk type."), typeCombo);
    return;
  }
  for (int i = 0; masterColumn >= 0 && i < trunkList->topLevelItemCount(); ++i)
    if (trunkList->topLevelItem(i)->text(masterColumn) == QString::number(global)) {
      fail(QStringLiteral("The master port must be different!"), portEdit);
      return;
    }
  if (!masterPortChecked(global)) {
    fail(QStringLiteral("Master port must be checked."), nullptr);
    return;
  }
  masterPortEdit->setText(QString::number(global));
  stateCombo->setCurrentIndex(2);  // createAndGo
  if (!checkMembers()) return;
  if (write(false)) refreshClicked();
}

bool PortTrunkDialog::checkUnitPort(const QString& noUnit, const QString& noPort, int& global) {
  if (unitEdit->text().isEmpty()) {
    fail(noUnit, unitEdit);
    return false;
  }
  if (portEdit->text().isEmpty()) {
    fail(noPort, portEdit);
    return false;
  }
  return checkMasterPort(global);
}

void PortTrunkDialog::setClicked() {
  unitEdit->setText(QStringLiteral("1"));
  if (indexEdit->text().trimmed().isEmpty()) {
    fail(QStringLiteral("Please select trunk group."), nullptr);
    return;
  }
  int global = 0;
  if (!checkUnitPort(QStringLiteral("The Unit Edit should not be empty"), QStringLiteral("The Port Edit should not be empty"),
                     global))
    return;
  if (!masterPortChecked(global)) {
    fail(QStringLiteral("Master port must be checked."), nullptr);
    return;
  }
  if (!checkMembers()) return;
  masterPortEdit->setText(QString::number(global));
  if (write(false)) refreshClicked();
}

void PortTrunkDialog::deleteClicked() {
  if (indexEdit->text().trimmed().isEmpty()) {
    fail(QStringLiteral("Please select trunk group."), nullptr);
    return;
  }
  bool written = false;
  {
    KyColumnExclusion exclusion(trunk_->request.varList);
    exclusion.ExcludeAllBut({kIndex, kState});
    stateCombo->setCurrentIndex(3);  // destroy
    written = write(false);
  }
  if (written) refreshClicked();
}
