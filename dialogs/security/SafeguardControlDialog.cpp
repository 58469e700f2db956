#include "dialogs/security/SafeguardControlDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <vector>

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

SafeguardControlDialog::SafeguardControlDialog(QWidget* owner) : SnmpDialog(owner) {
  auto named = [](QWidget* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
  };
  edtRising = new QLineEdit(this);
  edtFalling = new QLineEdit(this);
  cbxMode = new QComboBox(this);
  cbxAlarm = new QComboBox(this);
  cbxCurrentState = new QComboBox(this);
  ckRising = new QCheckBox(this);
  ckFalling = new QCheckBox(this);
  ckMode = new QCheckBox(this);
  ckAlarm = new QCheckBox(this);
  lbFalling = new QLabel(this);
  lbFalling->hide();
  named(edtRising, "edtRising");
  named(edtFalling, "edtFalling");
  named(cbxMode, "cbxMode");
  named(cbxAlarm, "cbxAlarm");
  named(cbxCurrentState, "cbxCurrentState");
  named(ckRising, "ckRising");
  named(ckFalling, "ckFalling");
  named(ckMode, "ckMode");
  named(ckAlarm, "ckAlarm");
  named(lbFalling, "lbFalling");
  cbxCurrentState->setEnabled(false);

  auto* grid = new QGridLayout;
  const std::pair<const char*, std::pair<QCheckBox*, QWidget*>> rows[] = {
      {"Rising Threshold (20-100%)", {ckRising, edtRising}},
      {"Falling Threshold (20-100%)", {ckFalling, edtFalling}},
      {"Mode", {ckMode, cbxMode}},
      {"Trap / Log", {ckAlarm, cbxAlarm}},
      {"Current Status", {nullptr, cbxCurrentState}},
  };
  int r = 0;
  for (const auto& [caption, controls] : rows) {
    if (controls.first) grid->addWidget(controls.first, r, 0);
    grid->addWidget(new QLabel(QString::fromLatin1(caption), this), r, 1);
    controls.second->setMinimumWidth(Px(this, 140));
    grid->addWidget(controls.second, r, 2);
    ++r;
  }
  auto button = [this](const char* text, const char* name) {
    auto* b = new QPushButton(QString::fromLatin1(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  btnRefresh = button("Refresh", "btnRefresh");
  btnSet = button("Set Chekced", "btnSet");
  btnCheckAll = button("Check All", "btnCheckAll");
  btnClearChecks = button("Clear Checks", "btnClearChecks");
  btnClose = button("Close", "btnClose");
  stbStatus = new QStatusBar(this);
  stbStatus->setObjectName(QStringLiteral("stbStatus"));
  stbStatus->setSizeGripEnabled(false);
  StatusPanel0 = new QLabel(stbStatus);
  stbStatus->addWidget(StatusPanel0, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {btnRefresh, btnSet, btnCheckAll, btnClearChecks, btnClose}) buttons->addWidget(b);
  auto* top = new QVBoxLayout(this);
  top->addLayout(grid);
  top->addLayout(buttons);
  top->addWidget(stbStatus);

  binding_ = AddBinding(tbl::SafeguardControl, /*asynchronous=*/false, StatusPanel0);
  binding_->AssociateEdits(kRising, "%i{n20x100l3}", edtRising);
  binding_->AssociateEdits(kFalling, "%i{n20x100l3}", edtFalling);
  binding_->AssociateControl(kMode, cbxMode);
  binding_->AssociateControl(kAlarm, cbxAlarm);
  binding_->AssociateControl(kCurrent, cbxCurrentState);

  for (QCheckBox* box : {ckRising, ckFalling, ckMode, ckAlarm})
    connect(box, &QCheckBox::toggled, this, [this] { UpdateSetButton(); });
  connect(btnRefresh, &QPushButton::clicked, this, [this] { btnRefreshClick(); });
  connect(btnSet, &QPushButton::clicked, this, [this] { btnSetClick(); });
  connect(btnCheckAll, &QPushButton::clicked, this, [this] { CheckAllClick(true); });
  connect(btnClearChecks, &QPushButton::clicked, this, [this] { CheckAllClick(false); });
  connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
  UpdateSetButton();
}

void SafeguardControlDialog::UpdateSetButton() {
  btnSet->setEnabled(ckRising->isChecked() || ckFalling->isChecked() || ckMode->isChecked() || ckAlarm->isChecked());
}

void SafeguardControlDialog::CheckAllClick(bool checked) {
  for (QCheckBox* box : {ckRising, ckFalling, ckMode, ckAlarm}) box->setChecked(checked);
}

void SafeguardControlDialog::btnRefreshClick() {
  if (binding_->busy) return;
  try {
    binding_->Refresh();
  } catch (const std::exception& e) {
    binding_->ShowStatus(ErrorText(e));
    return;
  }
  lbFalling->setText(edtFalling->text());
}

void SafeguardControlDialog::btnSetClick() {
  if (binding_->busy) return;
  if (ckRising->isChecked() && !InRange(edtRising->text())) {
    ShowMessageBox(this, QStringLiteral("Rising Threshold should between 20-100"), ProgramCaption());
    return;
  }
  if (ckFalling->isChecked() && !InRange(edtFalling->text())) {
    ShowMessageBox(this, QStringLiteral("Falling Threshold should between 20-100"), ProgramCaption());
    return;
  }
  // Lowering the falling threshold first keeps falling below rising at
  // every step when both go down; otherwise rising goes first.
  std::vector<int> order;
  const bool fallingFirst = ckRising->isChecked() && ckFalling->isChecked() &&
                            edtFalling->text().trimmed().toInt() < lbFalling->text().trimmed().toInt();
  if (fallingFirst) order = {kFalling, kRising};
  else order = {kRising, kFalling};
  order.push_back(kMode);
  order.push_back(kAlarm);
  const QCheckBox* boxes[] = {ckRising, ckFalling, ckMode, ckAlarm};
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
  btnRefreshClick();
}
