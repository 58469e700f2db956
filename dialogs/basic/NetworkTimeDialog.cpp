#include "dialogs/basic/NetworkTimeDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/common/DialogLayout.h"
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

  useStateBox = MakeCheckBox(this, QString(), "CheckBox_TimeState");
  useServer1Box = MakeCheckBox(this, QString(), "CheckBox_Server1IP");
  useServer2Box = MakeCheckBox(this, QString(), "CheckBox_Server2IP");
  usePollIntervalBox = MakeCheckBox(this, QString(), "CheckBox_PollInterval");
  stateCombo = MakeCombo(this, "CBox_TimeSate");
  timeSourceEdit = MakeEdit(this, "ED_TimeSource");
  server1Edit = MakeEdit(this, "ED_Server1IPAddress");
  server2Edit = MakeEdit(this, "ED_ServerIPAddress2");
  pollIntervalEdit = MakeEdit(this, "ED_PollInterval");
  memo = MakeMemo(this, "Memo1");
  ButtonBar buttons(this, ButtonBar::Direction::Column);
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"Button_Refresh"}, [this] { refreshClicked(); });
  setCheckedButton = buttons.add(QStringLiteral("Set Checked "), Name{"Button_SetChecked"}, [this] { setCheckedClicked(); });
  checkAllButton = buttons.add(QStringLiteral("Check All"), Name{"Button_CheckAll"}, [this] { checkAllClicked(); });
  clearAllButton = buttons.add(QStringLiteral("Clear All"), Name{"Button_ClearAll"}, [this] { clearAllClicked(); });
  closeButton = buttons.add(QStringLiteral("Close"), Name{"Button_Close"}, [this] { closeClicked(); });

  auto* grid = new QGridLayout;
  struct Row {
    QCheckBox* use;
    const char* label;
    QWidget* field;
  } rows[] = {
      {useStateBox, "Network Time State", stateCombo},
      {nullptr, "Time Source", timeSourceEdit},
      {useServer1Box, "Server1 IP Address", server1Edit},
      {useServer2Box, "Server2 IP Address", server2Edit},
      {usePollIntervalBox, "Poll Interval[30....99999(sec)]", pollIntervalEdit},
  };
  int r = 0;
  for (const Row& row : rows) {
    if (row.use) grid->addWidget(row.use, r, 0);
    grid->addWidget(MakeLabel(this, QString::fromLatin1(row.label)), r, 1);
    grid->addWidget(row.field, r, 2);
    ++r;
  }
  grid->setColumnMinimumWidth(2, Px(this, 140));
  PlaceFieldsBesideButtons(this, grid, buttons, memo);

  KySNMPRequest2Edits* b = AddBinding(tbl::NetworkTime, true, memo);
  b->AssociateControl(kState, stateCombo);
  b->AssociateEdits(kSource, "%s", timeSourceEdit);
  b->AssociateEdits(kServer1, "%s{l16}", server1Edit);
  b->AssociateEdits(kServer2, "%s{l16}", server2Edit);
  b->AssociateEdits(kPoll, "%i{n30x99999l5}", pollIntervalEdit);
  // After a write everything is read again and the use boxes are cleared.
  b->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    if (result.code != 0 || Closed()) return;
    Refresh();
  };

}

void NetworkTimeDialog::FirstRefresh() {
  timeSourceEdit->setEnabled(false);
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

void NetworkTimeDialog::refreshClicked() { Refresh(); }

void NetworkTimeDialog::setCheckedClicked() {
  KySNMPRequest2Edits* b = Editor();
  if (b->busy) return;  // a read or write still runs; its end refreshes the fields
  const std::pair<QCheckBox*, int> uses[] = {
      {useStateBox, kState}, {useServer1Box, kServer1}, {useServer2Box, kServer2},
      {usePollIntervalBox, kPoll}};
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
  for (const auto& [box, edit] : {std::pair{useServer1Box, server1Edit},
                                  std::pair{useServer2Box, server2Edit}}) {
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
  for (QCheckBox* box : {useStateBox, useServer1Box, useServer2Box, usePollIntervalBox})
    box->setChecked(checked);
}

void NetworkTimeDialog::checkAllClicked() { SetUseBoxes(true); }
void NetworkTimeDialog::clearAllClicked() { SetUseBoxes(false); }
void NetworkTimeDialog::closeClicked() { close(); }
