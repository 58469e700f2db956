#include "dialogs/basic/NetworkTimeDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "tables/DefTables.h"

namespace {
// Variables of the network time list that a use box governs.
constexpr int kState = 0;
constexpr int kSource = 1;
constexpr int kServer1 = 2;
constexpr int kServer2 = 3;
constexpr int kPoll = 4;
}  // namespace

NetworkTimeDialog::NetworkTimeDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("frmNetwroktime"));
  setWindowTitle(QStringLiteral("Network Time"));

  CheckBox_TimeState = MakeCheckBox(this, QString(), "CheckBox_TimeState");
  CheckBox_Server1IP = MakeCheckBox(this, QString(), "CheckBox_Server1IP");
  CheckBox_Server2IP = MakeCheckBox(this, QString(), "CheckBox_Server2IP");
  CheckBox_PollInterval = MakeCheckBox(this, QString(), "CheckBox_PollInterval");
  CBox_TimeSate = MakeCombo(this, "CBox_TimeSate");
  ED_TimeSource = MakeEdit(this, "ED_TimeSource");
  ED_Server1IPAddress = MakeEdit(this, "ED_Server1IPAddress");
  ED_ServerIPAddress2 = MakeEdit(this, "ED_ServerIPAddress2");
  ED_PollInterval = MakeEdit(this, "ED_PollInterval");
  Memo1 = MakeMemo(this, "Memo1");
  Button_Refresh = MakeButton(this, QStringLiteral("Refresh"), "Button_Refresh");
  Button_SetChecked = MakeButton(this, QStringLiteral("Set Checked "), "Button_SetChecked");
  Button_CheckAll = MakeButton(this, QStringLiteral("Check All"), "Button_CheckAll");
  Button_ClearAll = MakeButton(this, QStringLiteral("Clear All"), "Button_ClearAll");
  Button_Close = MakeButton(this, QStringLiteral("Close"), "Button_Close");

  auto* grid = new QGridLayout;
  struct Row {
    QCheckBox* use;
    const char* label;
    QWidget* field;
  } rows[] = {
      {CheckBox_TimeState, "Network Time State", CBox_TimeSate},
      {nullptr, "Time Source", ED_TimeSource},
      {CheckBox_Server1IP, "Server1 IP Address", ED_Server1IPAddress},
      {CheckBox_Server2IP, "Server2 IP Address", ED_ServerIPAddress2},
      {CheckBox_PollInterval, "Poll Interval[30....99999(sec)]", ED_PollInterval},
  };
  int r = 0;
  for (const Row& row : rows) {
    if (row.use) grid->addWidget(row.use, r, 0);
    grid->addWidget(MakeLabel(this, QString::fromLatin1(row.label)), r, 1);
    grid->addWidget(row.field, r, 2);
    ++r;
  }
  grid->setColumnMinimumWidth(2, Px(this, 140));
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {Button_Refresh, Button_SetChecked, Button_CheckAll, Button_ClearAll, Button_Close})
    buttons->addWidget(b);
  buttons->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addLayout(grid, 1);
  top->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Memo1, 1);
  Memo1->setMinimumHeight(Px(this, 80));

  KySNMPRequest2Edits* b = AddBinding(tbl::NetworkTime, true, Memo1);
  b->AssociateControl(kState, CBox_TimeSate);
  b->AssociateEdits(kSource, "%s", ED_TimeSource);
  b->AssociateEdits(kServer1, "%s{l16}", ED_Server1IPAddress);
  b->AssociateEdits(kServer2, "%s{l16}", ED_ServerIPAddress2);
  b->AssociateEdits(kPoll, "%i{n30x99999l5}", ED_PollInterval);
  // After a write everything is read again and the use boxes are cleared.
  b->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    if (result.code != 0 || Closed()) return;
    Refresh();
  };

  connect(Button_Refresh, &QPushButton::clicked, this, &NetworkTimeDialog::Button_RefreshClick);
  connect(Button_SetChecked, &QPushButton::clicked, this, &NetworkTimeDialog::Button_SetCheckedClick);
  connect(Button_CheckAll, &QPushButton::clicked, this, &NetworkTimeDialog::Button_CheckAllClick);
  connect(Button_ClearAll, &QPushButton::clicked, this, &NetworkTimeDialog::Button_ClearAllClick);
  connect(Button_Close, &QPushButton::clicked, this, &NetworkTimeDialog::Button_CloseClick);
}

void NetworkTimeDialog::FirstRefresh() {
  ED_TimeSource->setEnabled(false);
  Editor()->Refresh();
}

void NetworkTimeDialog::Refresh() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
  SetUseBoxes(false);
}

void NetworkTimeDialog::Button_RefreshClick() { Refresh(); }

void NetworkTimeDialog::Button_SetCheckedClick() {
  KySNMPRequest2Edits* b = Editor();
  if (b->busy) return;  // a read or write still runs; its end refreshes the fields
  const std::pair<QCheckBox*, int> uses[] = {
      {CheckBox_TimeState, kState}, {CheckBox_Server1IP, kServer1}, {CheckBox_Server2IP, kServer2},
      {CheckBox_PollInterval, kPoll}};
  // The exclusions hold for this write only, whichever way it ends.
  KyColumnExclusion exclusion(b->request.varList);
  bool any = false;
  for (const auto& [box, item] : uses) {
    if (box->isChecked())
      any = true;
    else
      exclusion.Exclude(item);
  }
  exclusion.Exclude(kSource);  // read-only: never written
  if (!any) return;
  for (const auto& [box, edit] : {std::pair{CheckBox_Server1IP, ED_Server1IPAddress},
                                  std::pair{CheckBox_Server2IP, ED_ServerIPAddress2}}) {
    if (box->isChecked() && !CheckIpv4Text(this, edit->text())) {
      if (edit->isEnabled()) edit->setFocus();
      return;
    }
  }
  try {
    b->Apply(false, true);
  } catch (const std::exception& e) {
    b->statusKind = kSetStatus;
    b->ShowStatus(ErrorText(e));
  }
}

void NetworkTimeDialog::SetUseBoxes(bool checked) {
  for (QCheckBox* box : {CheckBox_TimeState, CheckBox_Server1IP, CheckBox_Server2IP, CheckBox_PollInterval})
    box->setChecked(checked);
}

void NetworkTimeDialog::Button_CheckAllClick() { SetUseBoxes(true); }
void NetworkTimeDialog::Button_ClearAllClick() { SetUseBoxes(false); }
void NetworkTimeDialog::Button_CloseClick() { close(); }
