#include "dialogs/basic/SummerTimeDialog.h"

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
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {

const QStringList kWeeks = {"last", "1st", "2nd", "3rd", "4th"};

const QStringList kWeekdays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

const QStringList kMonths = {"none", "Jan", "Feb", "Mar", "Apr", "May", "Jun",
                             "Jul",  "Aug", "Sep", "Oct", "Nov", "Dec"};

constexpr const char* kTimeError = "time error!!";

// A whole number typed into an edit; none when empty or not a number.
std::optional<int> Number(const QLineEdit* edit) {
  bool ok = false;
  const int n = edit->text().trimmed().toInt(&ok);
  if (!ok) return std::nullopt;
  return n;
}

// A combo box takes a decoded byte as its item index; a byte out of range
// leaves it without selection.
void SetIndex(QComboBox* combo, int index) { combo->setCurrentIndex(index < combo->count() ? index : -1); }

}  // namespace

// ===========================================================================
SummerTimeDialog::SummerTimeDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("frmSummerTime"));
  setWindowTitle(QStringLiteral("Summer Time"));

  auto combo = [this](const char* name, const QStringList& items) {
    QComboBox* c = MakeCombo(this, name);
    c->addItems(items);
    c->setCurrentIndex(-1);
    return c;
  };
  auto small = [this](const char* name) {
    QLineEdit* e = MakeEdit(this, name);
    e->setMaximumWidth(Px(this, 40));
    e->setMaxLength(2);
    return e;
  };
  cbxTimeStatus = MakeCombo(this, "cbxTimeStatus");
  edtTimeOffset = MakeEdit(this, "edtTimeOffset");
  CheckBox1 = MakeCheckBox(this, QString(), "CheckBox1");
  CheckBox2 = MakeCheckBox(this, QString(), "CheckBox2");
  CheckBox3 = MakeCheckBox(this, QString(), "CheckBox3");
  CheckBox4 = MakeCheckBox(this, QString(), "CheckBox4");
  CheckBox5 = MakeCheckBox(this, QString(), "CheckBox5");
  CheckBox6 = MakeCheckBox(this, QString(), "CheckBox6");
  cbxRepeatMonthS = combo("cbxRepeatMonthS", kMonths);
  cbxRepeatWeekS = combo("cbxRepeatWeekS", kWeeks);
  cbxRepeatWeekdayS = combo("cbxRepeatWeekdayS", kWeekdays);
  edtRepeatHourS = small("edtRepeatHourS");
  edtRepeatMinuteS = small("edtRepeatMinuteS");
  cbxRepeatMonthE = combo("cbxRepeatMonthE", kMonths);
  cbxRepeatWeekE = combo("cbxRepeatWeekE", kWeeks);
  cbxRepeatWeekdayE = combo("cbxRepeatWeekdayE", kWeekdays);
  edtRepeatHourE = small("edtRepeatHourE");
  edtRepeatMinuteE = small("edtRepeatMinuteE");
  edtAnnualDayS = small("edtAnnualDayS");
  cbxAnnualMonthS = combo("cbxAnnualMonthS", kMonths);
  edtAnnualHourS = small("edtAnnualHourS");
  edtAnnualMinuteS = small("edtAnnualMinuteS");
  edtAnnualDayE = small("edtAnnualDayE");
  cbxAnnualMonthE = combo("cbxAnnualMonthE", kMonths);
  edtAnnualHourE = small("edtAnnualHourE");
  edtAnnualMinuteE = small("edtAnnualMinuteE");
  edt_RepeatStart = MakeEdit(this, "edt_RepeatStart");
  edt_RepeatEnd = MakeEdit(this, "edt_RepeatEnd");
  edt_AnnualStart = MakeEdit(this, "edt_AnnualStart");
  edt_AnnualEnd = MakeEdit(this, "edt_AnnualEnd");
  for (QLineEdit* hidden : {edt_RepeatStart, edt_RepeatEnd, edt_AnnualStart, edt_AnnualEnd}) hidden->hide();
  Memo1 = MakeMemo(this, "Memo1");
  btnRefresh = MakeButton(this, QStringLiteral("Refresh"), "btnRefresh");
  btnSet = MakeButton(this, QStringLiteral("Set Checked"), "btnSet");
  btnCheckAll = MakeButton(this, QStringLiteral("Check All"), "btnCheckAll");
  btnClearChecks = MakeButton(this, QStringLiteral("Clear Checks"), "btnClearChecks");
  btnClose = MakeButton(this, QStringLiteral("Close"), "btnClose");

  // One row: use box, caption, then the fields.
  auto row = [this](const char* name, QCheckBox* use, const char* caption, std::initializer_list<QWidget*> fields,
                    int colon) {
    auto* w = new QWidget(this);
    w->setObjectName(QString::fromLatin1(name));
    auto* h = new QHBoxLayout(w);
    h->setContentsMargins(0, 0, 0, 0);
    use->setParent(w);
    h->addWidget(use);
    QLabel* label = MakeLabel(w, QString::fromLatin1(caption));
    label->setMinimumWidth(Px(this, 170));
    h->addWidget(label);
    int i = 0;
    for (QWidget* f : fields) {
      if (i++ == colon) h->addWidget(MakeLabel(w, QStringLiteral(":")));
      f->setParent(w);
      h->addWidget(f);
    }
    h->addStretch(1);
    return w;
  };
  QWidget* statusRow = row("StatusRow", CheckBox1, "Summer Time Status", {cbxTimeStatus}, -1);
  QWidget* offsetRow = row("OffsetRow", CheckBox2, "Summer Time Offset (30,60,90,120)", {edtTimeOffset}, -1);
  RepeatStartRow = row("RepeatStartRow", CheckBox3, "Repeat Summer Time Start",
                       {cbxRepeatMonthS, cbxRepeatWeekS, cbxRepeatWeekdayS, edtRepeatHourS, edtRepeatMinuteS}, 4);
  RepeatEndRow = row("RepeatEndRow", CheckBox4, "Repeat Summer Time End",
                     {cbxRepeatMonthE, cbxRepeatWeekE, cbxRepeatWeekdayE, edtRepeatHourE, edtRepeatMinuteE}, 4);
  AnnualStartRow = row("AnnualStartRow", CheckBox5, "Annual Summer Time Start",
                       {edtAnnualDayS, cbxAnnualMonthS, edtAnnualHourS, edtAnnualMinuteS}, 3);
  AnnualEndRow = row("AnnualEndRow", CheckBox6, "Annual Summer Time End",
                     {edtAnnualDayE, cbxAnnualMonthE, edtAnnualHourE, edtAnnualMinuteE}, 3);

  // The annual rows take the repeat rows' place: one of the two pairs shows.
  auto* grid = new QGridLayout;
  grid->addWidget(statusRow, 0, 0);
  grid->addWidget(offsetRow, 1, 0);
  grid->addWidget(RepeatStartRow, 2, 0);
  grid->addWidget(AnnualStartRow, 2, 0);
  grid->addWidget(RepeatEndRow, 3, 0);
  grid->addWidget(AnnualEndRow, 3, 0);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {btnRefresh, btnSet, btnCheckAll, btnClearChecks, btnClose}) buttons->addWidget(b);
  buttons->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addLayout(grid, 1);
  top->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(Memo1, 1);
  Memo1->setMinimumHeight(Px(this, 80));

  KySNMPRequest2Edits* status = AddBinding(tbl::SummerTimeStatus, false, Memo1);
  status->AssociateControl(0, cbxTimeStatus);
  status->AssociateEdits(1, "%i{n30x120l3}", edtTimeOffset);
  KySNMPRequest2Edits* repeat = AddBinding(tbl::SummerTimeRepeat, false, Memo1);
  repeat->AssociateEdits(0, "%s", edt_RepeatStart);
  repeat->AssociateEdits(1, "%s", edt_RepeatEnd);
  KySNMPRequest2Edits* annual = AddBinding(tbl::SummerTimeAnnual, false, Memo1);
  annual->AssociateEdits(0, "%s", edt_AnnualStart);
  annual->AssociateEdits(1, "%s", edt_AnnualEnd);

  connect(cbxTimeStatus, &QComboBox::activated, this, &SummerTimeDialog::cbxTimeStatusChange);
  connect(btnRefresh, &QPushButton::clicked, this, &SummerTimeDialog::btnRefreshClick);
  connect(btnSet, &QPushButton::clicked, this, &SummerTimeDialog::btnSetClick);
  connect(btnCheckAll, &QPushButton::clicked, this, &SummerTimeDialog::btnCheckAllClick);
  connect(btnClearChecks, &QPushButton::clicked, this, &SummerTimeDialog::btnClearChecksClick);
  connect(btnClose, &QPushButton::clicked, this, &SummerTimeDialog::btnCloseClick);
  cbxTimeStatusChange();
}

void SummerTimeDialog::FirstRefresh() { RefreshCycle(); }

void SummerTimeDialog::AppendMemo(const QString& text) { Memo1->appendPlainText(text); }

void SummerTimeDialog::RefreshCycle() {
  KySNMPRequest2Edits* current = StatusEditor();
  try {
    current->Refresh();
    cbxTimeStatusChange();
    const QString status = cbxTimeStatus->currentText();
    if (status == QLatin1String("disable")) return;
    if (status == QLatin1String("repeating")) {
      current = RepeatEditor();
      current->Refresh();
      DecodeRepeat();
    } else if (status == QLatin1String("annual")) {
      current = AnnualEditor();
      current->Refresh();
      DecodeAnnual();
    } else {
      AppendMemo(QStringLiteral("Get time status error!"));
    }
  } catch (const std::exception& e) {
    current->statusKind = kGetStatus;
    current->ShowStatus(ErrorText(e));
  }
}

void SummerTimeDialog::cbxTimeStatusChange() {
  const QString status = cbxTimeStatus->currentText();
  const bool repeating = status == QLatin1String("repeating");
  const bool annual = status == QLatin1String("annual");
  for (QWidget* r : {RepeatStartRow, RepeatEndRow}) r->setVisible(repeating);
  for (QWidget* r : {AnnualStartRow, AnnualEndRow}) r->setVisible(annual);
  for (QCheckBox* box : {CheckBox3, CheckBox4, CheckBox5, CheckBox6}) box->setChecked(false);
}

void SummerTimeDialog::DecodeRepeat() {
  const auto start = DecodeRepeatTime(edt_RepeatStart->text());
  const auto end = DecodeRepeatTime(edt_RepeatEnd->text());
  if (!start || !end) return;  // the visible fields stay as they are
  const std::pair<const RepeatTime*, std::array<QWidget*, 5>> rows[] = {
      {&*start, {cbxRepeatWeekS, cbxRepeatWeekdayS, cbxRepeatMonthS, edtRepeatHourS, edtRepeatMinuteS}},
      {&*end, {cbxRepeatWeekE, cbxRepeatWeekdayE, cbxRepeatMonthE, edtRepeatHourE, edtRepeatMinuteE}},
  };
  for (const auto& [t, w] : rows) {
    SetIndex(static_cast<QComboBox*>(w[0]), t->week);
    SetIndex(static_cast<QComboBox*>(w[1]), t->weekday);
    SetIndex(static_cast<QComboBox*>(w[2]), t->month);
    static_cast<QLineEdit*>(w[3])->setText(QString::number(t->hour));
    static_cast<QLineEdit*>(w[4])->setText(QString::number(t->minute));
  }
}

void SummerTimeDialog::DecodeAnnual() {
  const auto start = DecodeAnnualTime(edt_AnnualStart->text());
  const auto end = DecodeAnnualTime(edt_AnnualEnd->text());
  if (!start || !end) return;
  const std::pair<const AnnualTime*, std::array<QWidget*, 4>> rows[] = {
      {&*start, {edtAnnualDayS, cbxAnnualMonthS, edtAnnualHourS, edtAnnualMinuteS}},
      {&*end, {edtAnnualDayE, cbxAnnualMonthE, edtAnnualHourE, edtAnnualMinuteE}},
  };
  for (const auto& [t, w] : rows) {
    static_cast<QLineEdit*>(w[0])->setText(QString::number(t->day));
    SetIndex(static_cast<QComboBox*>(w[1]), t->month);
    static_cast<QLineEdit*>(w[2])->setText(QString::number(t->hour));
    static_cast<QLineEdit*>(w[3])->setText(QString::number(t->minute));
  }
}

std::optional<RepeatTime> SummerTimeDialog::RepeatFields(bool start) const {
  const auto hour = Number(start ? edtRepeatHourS : edtRepeatHourE);
  const auto minute = Number(start ? edtRepeatMinuteS : edtRepeatMinuteE);
  if (!hour || !minute) return std::nullopt;
  return RepeatTime{(start ? cbxRepeatWeekS : cbxRepeatWeekE)->currentIndex(),
                    (start ? cbxRepeatWeekdayS : cbxRepeatWeekdayE)->currentIndex(),
                    (start ? cbxRepeatMonthS : cbxRepeatMonthE)->currentIndex(), *hour, *minute};
}

std::optional<AnnualTime> SummerTimeDialog::AnnualFields(bool start) const {
  const auto day = Number(start ? edtAnnualDayS : edtAnnualDayE);
  const auto hour = Number(start ? edtAnnualHourS : edtAnnualHourE);
  const auto minute = Number(start ? edtAnnualMinuteS : edtAnnualMinuteE);
  if (!day || !hour || !minute) return std::nullopt;
  return AnnualTime{*day, (start ? cbxAnnualMonthS : cbxAnnualMonthE)->currentIndex(), *hour, *minute};
}

void SummerTimeDialog::btnSetClick() {
  const bool writeStatus = CheckBox1->isChecked() || CheckBox2->isChecked();
  const bool anyTime = CheckBox3->isChecked() || CheckBox4->isChecked() || CheckBox5->isChecked() ||
                       CheckBox6->isChecked();
  // Every check comes before the first write: a refused field sends nothing.
  if (CheckBox2->isChecked()) {
    const auto offset = Number(edtTimeOffset);
    if (!offset || (*offset != 30 && *offset != 60 && *offset != 90 && *offset != 120)) {
      ShowMessageBox(this, "Time Offset error!", ProgramCaption());
      return;
    }
  }
  KySNMPRequest2Edits* times = nullptr;
  if (anyTime) {
    if (!CheckBox3->isChecked() && !CheckBox4->isChecked()) {
      if (!CheckBox5->isChecked() || !CheckBox6->isChecked()) {
        ShowMessageBox(this, "The Annual Summer Time Start and Annual Summer Time End should be set together!",
                       ProgramCaption());
        return;
      }
      const auto start = AnnualFields(true);
      const auto end = AnnualFields(false);
      const auto startHex = start ? EncodeAnnualTime(*start) : std::nullopt;
      const auto endHex = end ? EncodeAnnualTime(*end) : std::nullopt;
      if (!startHex || !endHex || start->day > MonthLength(start->month) || end->day > MonthLength(end->month)) {
        ShowMessageBox(this, kTimeError, ProgramCaption());
        return;
      }
      edt_AnnualStart->setText(*startHex);
      edt_AnnualEnd->setText(*endHex);
      times = AnnualEditor();
    } else {
      if (!CheckBox3->isChecked() || !CheckBox4->isChecked()) {
        ShowMessageBox(this, "The Repeat Summer Time Start and Repeat Summer Time End should be set together!",
                       ProgramCaption());
        return;
      }
      const auto start = RepeatFields(true);
      const auto end = RepeatFields(false);
      const auto startHex = start ? EncodeRepeatTime(*start) : std::nullopt;
      const auto endHex = end ? EncodeRepeatTime(*end) : std::nullopt;
      if (!startHex || !endHex) {
        ShowMessageBox(this, kTimeError, ProgramCaption());
        return;
      }
      edt_RepeatStart->setText(*startHex);
      edt_RepeatEnd->setText(*endHex);
      times = RepeatEditor();
    }
  }

  KySNMPRequest2Edits* current = StatusEditor();
  try {
    if (writeStatus) {
      KyColumnExclusion exclusion(StatusEditor()->request.varList);
      if (!CheckBox1->isChecked()) exclusion.Exclude(0);
      if (!CheckBox2->isChecked()) exclusion.Exclude(1);
      StatusEditor()->Apply(false, true);
    }
    if (times != nullptr) {
      current = times;
      times->Apply(false, true);
    }
  } catch (const std::exception& e) {
    current->statusKind = kSetStatus;
    current->ShowStatus(ErrorText(e));
  }
}

void SummerTimeDialog::btnRefreshClick() { RefreshCycle(); }

void SummerTimeDialog::btnCheckAllClick() {
  for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6}) box->setChecked(true);
}

void SummerTimeDialog::btnClearChecksClick() {
  for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6}) box->setChecked(false);
}

void SummerTimeDialog::btnCloseClick() { close(); }
