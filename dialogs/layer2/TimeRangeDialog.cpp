#include "dialogs/layer2/TimeRangeDialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

TimeRangeDialog::TimeRangeDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("TimeRangeForm"));
  setWindowTitle(QStringLiteral("Time Range"));

  // The list over the fields, the button column at their right.
  rangeList = new QTreeWidget(this);
  rangeList->setObjectName(QStringLiteral("ListView1"));
  rangeList->setMinimumSize(Px(this, 420), Px(this, 140));
  FieldGrid fields(this, 1);
  nameEdit = fields.edit(QStringLiteral("Range Name"), Name{"edtName"});
  weekdaysEdit = fields.edit(QStringLiteral("Weekdays"), Name{"edtweekdays"});
  startEdit = fields.edit(QStringLiteral("Daily Start Time"), Name{"edtStart"});
  endEdit = fields.edit(QStringLiteral("Daily End Time"), Name{"edtEnd"});
  statusCombo = fields.combo(QStringLiteral("Status"), Name{"cbxStatus"});
  ButtonBar buttons(this, ButtonBar::Direction::Column);
  buttons.add(QStringLiteral("Refresh"), Name{"btnGet"}, [this] { refreshClicked(); });
  addButton = buttons.add(QStringLiteral("Add"), Name{"btnAdd"}, [this] { addClicked(); });
  editButton = buttons.add(QStringLiteral("Edit"), Name{"btnSet"}, [this] { editClicked(); });
  deleteButton = buttons.add(QStringLiteral("Delete"), Name{"btnDelete"}, [this] { deleteClicked(); });
  buttons.close(Name{"btnClose"});
  auto* lower = new QHBoxLayout;
  lower->addLayout(fields.layout(), 1);
  lower->addLayout(buttons.layout());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(rangeList, 1);
  layout->addLayout(lower);
  statusLabel = AddStatusBar(this, layout);

  KySNMPRequest2Edits* b = AddBinding(tbl::TimeRange, true, statusLabel);
  b->AttachListView(rangeList, true);
  b->AssociateEdits(0, "%s", nameEdit);
  b->AssociateEdits(1, "%s", weekdaysEdit);
  b->AssociateEdits(2, "%s", startEdit);
  b->AssociateEdits(3, "%s", endEdit);
  b->AssociateControl(4, statusCombo);
  // Every completed read (the one at creation included) allows the next
  // "Refresh"; a failed one too, so that the operator can try again.
  TrackReady(b);
  b->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    if (result.code != 0) SetReady(true);  // no read follows a failed write
  };

  connect(rangeList, &QTreeWidget::itemSelectionChanged, this, &TimeRangeDialog::rowSelected);
  editButton->setEnabled(false);
  deleteButton->setEnabled(false);
}

void TimeRangeDialog::FirstRefresh() { Editor()->Refresh(); }

void TimeRangeDialog::clearFields() {
  editButton->setEnabled(false);
  deleteButton->setEnabled(false);
  addButton->setEnabled(true);
  nameEdit->setEnabled(true);
  statusCombo->setEnabled(true);
  statusCombo->setCurrentIndex(-1);
  for (QLineEdit* e : {nameEdit, weekdaysEdit, startEdit, endEdit}) e->clear();
}

void TimeRangeDialog::rowSelected() {
  if (rangeList->selectedItems().isEmpty()) {
    clearFields();
    return;
  }
  editButton->setEnabled(true);
  deleteButton->setEnabled(true);
  addButton->setEnabled(false);
  nameEdit->setEnabled(false);
  statusCombo->setEnabled(false);
}

void TimeRangeDialog::refreshClicked() {
  KySNMPRequest2Edits* b = Editor();
  if (!refreshAllowed() || b->busy) return;
  SetReady(false);
  try {
    b->Refresh();
  } catch (const std::exception& e) {
    SetReady(true);
    b->ShowStatus(ErrorText(e));
  }
}

namespace {

// "h:mm" or "hh:mm", hours 0 to 23, minutes 0 to 59.
bool IsTimeOfDay(const QString& text) {
  static const QRegularExpression form(QStringLiteral("^([0-9]{1,2}):([0-9]{2})$"));
  const QRegularExpressionMatch m = form.match(text);
  return m.hasMatch() && m.captured(1).toInt() <= 23 && m.captured(2).toInt() <= 59;
}

// Day names separated by commas, each at most once, in any case.
bool IsWeekdaySet(const QString& text) {
  static const QStringList days = {QStringLiteral("mon"), QStringLiteral("tue"), QStringLiteral("wed"),
                                   QStringLiteral("thu"), QStringLiteral("fri"), QStringLiteral("sat"),
                                   QStringLiteral("sun")};
  QStringList seen;
  for (const QString& part : text.split(QLatin1Char(','))) {
    const QString day = part.trimmed().toLower();
    if (!days.contains(day) || seen.contains(day)) return false;
    seen << day;
  }
  return true;
}

}  // namespace

bool TimeRangeDialog::checkTimes() {
  struct Field {
    QLineEdit* edit;
    const char* empty;
    bool (*valid)(const QString&);
    const char* invalid;
  };
  const Field fields[] = {
      {weekdaysEdit, "Please input the weekdays", IsWeekdaySet,
       "Please input valid weekdays (mon,tue,wed,thu,fri,sat,sun)"},
      {startEdit, "Please select the daily start time", IsTimeOfDay,
       "Please input a valid daily start time (hh:mm, hour 0-23, minute 0-59)"},
      {endEdit, "Please select the daily end time", IsTimeOfDay,
       "Please input a valid daily end time (hh:mm, hour 0-23, minute 0-59)"},
  };
  for (const Field& f : fields) {
    if (f.edit->text().isEmpty()) {
      ShowMessageBox(this, f.empty, ProgramCaption());
      return false;
    }
  }
  for (const Field& f : fields) {
    if (!f.valid(f.edit->text())) {
      ShowMessageBox(this, f.invalid, ProgramCaption());
      f.edit->setFocus();
      return false;
    }
  }
  return true;
}

void TimeRangeDialog::write() {
  KySNMPRequest2Edits* b = Editor();
  SetReady(false);  // the write reads the list again when it ends
  try {
    b->Apply(true, true);
  } catch (const std::exception& e) {
    b->statusKind = kSetStatus;
    b->ShowStatus(ErrorText(e));
  }
  if (!b->busy) SetReady(true);
}

void TimeRangeDialog::addClicked() {
  if (Editor()->busy) return;
  statusCombo->setCurrentIndex(statusCombo->findText(QStringLiteral("createAndGo")));
  if (!checkTimes()) return;
  write();
}

void TimeRangeDialog::editClicked() {
  if (Editor()->busy) return;
  if (!checkTimes()) return;
  write();
  clearFields();
}

void TimeRangeDialog::deleteClicked() {
  if (Editor()->busy) return;
  statusCombo->setCurrentIndex(statusCombo->findText(QStringLiteral("destroy")));
  write();
  clearFields();
}
