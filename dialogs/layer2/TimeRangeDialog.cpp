#include "dialogs/layer2/TimeRangeDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTreeWidget>

#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

TimeRangeDialog::TimeRangeDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("TimeRangeForm"));
  setWindowTitle(QStringLiteral("Time Range"));

  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setMinimumSize(Px(this, 420), Px(this, 140));
  edtName = MakeEdit(this, "edtName");
  edtweekdays = MakeEdit(this, "edtweekdays");
  edtStart = MakeEdit(this, "edtStart");
  edtEnd = MakeEdit(this, "edtEnd");
  cbxStatus = MakeCombo(this, "cbxStatus");
  btnGet = MakeButton(this, QStringLiteral("Refresh"), "btnGet");
  btnAdd = MakeButton(this, QStringLiteral("Add"), "btnAdd");
  btnSet = MakeButton(this, QStringLiteral("Edit"), "btnSet");
  btnDelete = MakeButton(this, QStringLiteral("Delete"), "btnDelete");
  btnClose = MakeButton(this, QStringLiteral("Close"), "btnClose");
  StatusBar1 = MakeStatusBar(this, &StatusPanel0);

  auto* grid = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {
      {"Range Name", edtName}, {"Weekdays", edtweekdays}, {"Daily Start Time", edtStart},
      {"Daily End Time", edtEnd}, {"Status", cbxStatus},
  };
  int r = 0;
  for (const auto& [label, field] : rows) {
    grid->addWidget(MakeLabel(this, QString::fromLatin1(label)), r, 0);
    grid->addWidget(field, r, 1);
    ++r;
  }
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {btnGet, btnAdd, btnSet, btnDelete, btnClose}) buttons->addWidget(b);
  buttons->addStretch(1);
  auto* lower = new QHBoxLayout;
  lower->addLayout(grid, 1);
  lower->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addLayout(lower);
  layout->addWidget(StatusBar1);

  KySNMPRequest2Edits* b = AddBinding(tbl::TimeRange, true, StatusPanel0);
  b->AttachListView(ListView1, true);
  b->AssociateEdits(0, "%s", edtName);
  b->AssociateEdits(1, "%s", edtweekdays);
  b->AssociateEdits(2, "%s", edtStart);
  b->AssociateEdits(3, "%s", edtEnd);
  b->AssociateControl(4, cbxStatus);
  // Every completed read (the one at creation included) allows the next
  // "Refresh"; a failed one too, so that the operator can try again.
  TrackReady(b);
  b->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    if (result.code != 0) SetReady(true);  // no read follows a failed write
  };

  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TimeRangeDialog::ListView1Click);
  connect(btnGet, &QPushButton::clicked, this, &TimeRangeDialog::btnGetClick);
  connect(btnAdd, &QPushButton::clicked, this, &TimeRangeDialog::btnAddClick);
  connect(btnSet, &QPushButton::clicked, this, &TimeRangeDialog::btnSetClick);
  connect(btnDelete, &QPushButton::clicked, this, &TimeRangeDialog::btnDeleteClick);
  connect(btnClose, &QPushButton::clicked, this, &TimeRangeDialog::btnCloseClick);
  btnSet->setEnabled(false);
  btnDelete->setEnabled(false);
}

void TimeRangeDialog::FirstRefresh() { Editor()->Refresh(); }

void TimeRangeDialog::ResetFields() {
  btnSet->setEnabled(false);
  btnDelete->setEnabled(false);
  btnAdd->setEnabled(true);
  edtName->setEnabled(true);
  cbxStatus->setEnabled(true);
  cbxStatus->setCurrentIndex(-1);
  for (QLineEdit* e : {edtName, edtweekdays, edtStart, edtEnd}) e->clear();
}

void TimeRangeDialog::ListView1Click() {
  if (ListView1->selectedItems().isEmpty()) {
    ResetFields();
    return;
  }
  btnSet->setEnabled(true);
  btnDelete->setEnabled(true);
  btnAdd->setEnabled(false);
  edtName->setEnabled(false);
  cbxStatus->setEnabled(false);
}

void TimeRangeDialog::btnGetClick() {
  KySNMPRequest2Edits* b = Editor();
  if (!RefreshAllowed() || b->busy) return;
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

bool TimeRangeDialog::CheckTimes() {
  struct Field {
    QLineEdit* edit;
    const char* empty;
    bool (*valid)(const QString&);
    const char* invalid;
  };
  const Field fields[] = {
      {edtweekdays, "Please input the weekdays", IsWeekdaySet,
       "Please input valid weekdays (mon,tue,wed,thu,fri,sat,sun)"},
      {edtStart, "Please select the daily start time", IsTimeOfDay,
       "Please input a valid daily start time (hh:mm, hour 0-23, minute 0-59)"},
      {edtEnd, "Please select the daily end time", IsTimeOfDay,
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

void TimeRangeDialog::Write() {
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

void TimeRangeDialog::btnAddClick() {
  if (Editor()->busy) return;
  cbxStatus->setCurrentIndex(cbxStatus->findText(QStringLiteral("createAndGo")));
  if (!CheckTimes()) return;
  Write();
}

void TimeRangeDialog::btnSetClick() {
  if (Editor()->busy) return;
  if (!CheckTimes()) return;
  Write();
  ResetFields();
}

void TimeRangeDialog::btnDeleteClick() {
  if (Editor()->busy) return;
  cbxStatus->setCurrentIndex(cbxStatus->findText(QStringLiteral("destroy")));
  Write();
  ResetFields();
}

void TimeRangeDialog::btnCloseClick() { close(); }
