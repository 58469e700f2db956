#include "dialogs/security/SafeguardControlDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <vector>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
// Variables: 0 rising, 1 falling, 2 mode, 3 alarm state, 4 current status.
constexpr int kRising = 0, kFalling = 1, kMode = 2, kAlarm = 3, kCurrent = 4;

bool InRange(const QString& text) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok);
  return ok && v >= 20 && v <= 100;
}
}  // namespace

SafeguardControlDialog::SafeguardControlDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  FieldGrid grid(this, 1, FieldGrid::UseBoxes::Yes);
  risingBox = grid.useBox(Name{"ckRising"});
  risingEdit = grid.edit(QStringLiteral("Rising Threshold (20-100%)"), Name{"edtRising"}, risingBox);
  fallingBox = grid.useBox(Name{"ckFalling"});
  fallingEdit = grid.edit(QStringLiteral("Falling Threshold (20-100%)"), Name{"edtFalling"}, fallingBox);
  modeBox = grid.useBox(Name{"ckMode"});
  QComboBox* modeCombo = grid.combo(QStringLiteral("Mode"), Name{"cbxMode"}, modeBox);
  alarmBox = grid.useBox(Name{"ckAlarm"});
  QComboBox* alarmCombo = grid.combo(QStringLiteral("Trap / Log"), Name{"cbxAlarm"}, alarmBox);
  QComboBox* currentStateCombo = grid.combo(QStringLiteral("Current Status"), Name{"cbxCurrentState"});
  currentStateCombo->setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{risingEdit, fallingEdit, modeCombo, alarmCombo, currentStateCombo})
    w->setMinimumWidth(Px(this, 140));
  // The falling threshold last read, never shown.
  fallingReadLabel = new QLabel(this);
  fallingReadLabel->setObjectName(QStringLiteral("lbFalling"));
  fallingReadLabel->hide();
  SettingsLayout layout(this, grid.layout());
  ButtonBar& buttons = layout.buttons();
  buttons.add(QStringLiteral("Refresh"), Name{"btnRefresh"}, [this] { refreshClicked(); });
  setButton = buttons.add(QStringLiteral("Set Chekced"), Name{"btnSet"}, [this] { setClicked(); });
  buttons.add(QStringLiteral("Check All"), Name{"btnCheckAll"}, [this] { checkAll(true); });
  buttons.add(QStringLiteral("Clear Checks"), Name{"btnClearChecks"}, [this] { checkAll(false); });
  buttons.close(Name{"btnClose"});
  QStatusBar* bar = nullptr;
  statusLabel = layout.addStatusBar(&bar);
  bar->setObjectName(QStringLiteral("stbStatus"));

  binding_ = AddBinding(tbl::SafeguardControl, /*asynchronous=*/false, statusLabel);
  binding_->AssociateEdits(kRising, "%i{n20x100l3}", risingEdit);
  binding_->AssociateEdits(kFalling, "%i{n20x100l3}", fallingEdit);
  binding_->AssociateControl(kMode, modeCombo);
  binding_->AssociateControl(kAlarm, alarmCombo);
  binding_->AssociateControl(kCurrent, currentStateCombo);

  for (QCheckBox* box : {risingBox, fallingBox, modeBox, alarmBox})
    connect(box, &QCheckBox::toggled, this, [this] { updateSetButton(); });
  updateSetButton();
}

void SafeguardControlDialog::updateSetButton() {
  setButton->setEnabled(risingBox->isChecked() || fallingBox->isChecked() || modeBox->isChecked() || alarmBox->isChecked());
}

void SafeguardControlDialog::checkAll(bool checked) {
  for (QCheckBox* box : {risingBox, fallingBox, modeBox, alarmBox}) box->setChecked(checked);
}

void SafeguardControlDialog::refreshClicked() {
  if (binding_->busy) return;
  try {
    binding_->Refresh();
  } catch (const std::exception& e) {
    binding_->ShowStatus(ErrorText(e));
    return;
  }
  fallingReadLabel->setText(fallingEdit->text());
}

void SafeguardControlDialog::setClicked() {
  if (binding_->busy) return;
  if (risingBox->isChecked() && !InRange(risingEdit->text())) {
    ShowMessageBox(this, QStringLiteral("Rising Threshold should between 20-100"), ProgramCaption());
    return;
  }
  if (fallingBox->isChecked() && !InRange(fallingEdit->text())) {
    ShowMessageBox(this, QStringLiteral("Falling Threshold should between 20-100"), ProgramCaption());
    return;
  }
  // Lowering the falling threshold first keeps falling below rising at
  // every step when both go down; otherwise rising goes first.
  std::vector<int> order;
  const bool fallingFirst = risingBox->isChecked() && fallingBox->isChecked() &&
                            fallingEdit->text().trimmed().toInt() < fallingReadLabel->text().trimmed().toInt();
  if (fallingFirst) order = {kFalling, kRising};
  else order = {kRising, kFalling};
  order.push_back(kMode);
  order.push_back(kAlarm);
  const QCheckBox* boxes[] = {risingBox, fallingBox, modeBox, alarmBox};
  for (int var : order) {
    if (!boxes[var]->isChecked()) continue;
    KyColumnExclusion guard(binding_->request.varList);
    guard.ExcludeAllBut({var});
    try {
      binding_->Apply(/*refreshAfter=*/false, /*convert=*/true);
    } catch (const std::exception& e) {
      binding_->ShowStatus(ErrorText(e));
      return;  // the remaining requests are not sent
    }
  }
  refreshClicked();
}
