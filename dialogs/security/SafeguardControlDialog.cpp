#include "dialogs/security/SafeguardControlDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <vector>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/DialogParts.h"
#include "dialogs/security/CheckedFieldGrid.h"
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
  risingEdit = MakeEdit(this, "edtRising");
  fallingEdit = MakeEdit(this, "edtFalling");
  modeCombo = MakeCombo(this, "cbxMode");
  alarmCombo = MakeCombo(this, "cbxAlarm");
  currentStateCombo = MakeCombo(this, "cbxCurrentState");
  risingBox = MakeCheckBox(this, QString(), "ckRising");
  fallingBox = MakeCheckBox(this, QString(), "ckFalling");
  modeBox = MakeCheckBox(this, QString(), "ckMode");
  alarmBox = MakeCheckBox(this, QString(), "ckAlarm");
  fallingReadLabel = MakeLabel(this, QString(), "lbFalling");
  fallingReadLabel->hide();
  currentStateCombo->setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{risingEdit, fallingEdit, modeCombo, alarmCombo, currentStateCombo})
    w->setMinimumWidth(Px(this, 140));
  QGridLayout* grid = CheckedFieldGrid(this, {{"Rising Threshold (20-100%)", risingBox, risingEdit},
                                              {"Falling Threshold (20-100%)", fallingBox, fallingEdit},
                                              {"Mode", modeBox, modeCombo},
                                              {"Trap / Log", alarmBox, alarmCombo},
                                              {"Current Status", nullptr, currentStateCombo}});
  ButtonBar buttons(this);
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"btnRefresh"}, [this] { refreshClicked(); });
  setButton = buttons.add(QStringLiteral("Set Chekced"), Name{"btnSet"}, [this] { setClicked(); });
  checkAllButton = buttons.add(QStringLiteral("Check All"), Name{"btnCheckAll"}, [this] { checkAll(true); });
  clearChecksButton =
      buttons.add(QStringLiteral("Clear Checks"), Name{"btnClearChecks"}, [this] { checkAll(false); });
  closeButton = buttons.close(Name{"btnClose"});
  QStatusBar* bar = MakeStatusBar(this, &statusLabel);
  bar->setObjectName(QStringLiteral("stbStatus"));
  statusLabel->setObjectName(QString());
  auto* top = new QVBoxLayout(this);
  top->addLayout(grid);
  top->addLayout(buttons.layout());
  top->addWidget(bar);

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
