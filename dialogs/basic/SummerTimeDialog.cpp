#include "dialogs/basic/SummerTimeDialog.h"

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
  statusCombo = MakeCombo(this, "cbxTimeStatus");
  offsetEdit = MakeEdit(this, "edtTimeOffset");
  useStatusBox = MakeCheckBox(this, QString(), "CheckBox1");
  useOffsetBox = MakeCheckBox(this, QString(), "CheckBox2");
  useRepeatStartBox = MakeCheckBox(this, QString(), "CheckBox3");
  useRepeatEndBox = MakeCheckBox(this, QString(), "CheckBox4");
  useAnnualStartBox = MakeCheckBox(this, QString(), "CheckBox5");
  useAnnualEndBox = MakeCheckBox(this, QString(), "CheckBox6");
  repeatStartMonthCombo = combo("cbxRepeatMonthS", kMonths);
  repeatStartWeekCombo = combo("cbxRepeatWeekS", kWeeks);
  repeatStartWeekdayCombo = combo("cbxRepeatWeekdayS", kWeekdays);
  repeatStartHourEdit = small("edtRepeatHourS");
  repeatStartMinuteEdit = small("edtRepeatMinuteS");
  repeatEndMonthCombo = combo("cbxRepeatMonthE", kMonths);
  repeatEndWeekCombo = combo("cbxRepeatWeekE", kWeeks);
  repeatEndWeekdayCombo = combo("cbxRepeatWeekdayE", kWeekdays);
  repeatEndHourEdit = small("edtRepeatHourE");
  repeatEndMinuteEdit = small("edtRepeatMinuteE");
  annualStartDayEdit = small("edtAnnualDayS");
  annualStartMonthCombo = combo("cbxAnnualMonthS", kMonths);
  annualStartHourEdit = small("edtAnnualHourS");
  annualStartMinuteEdit = small("edtAnnualMinuteS");
  annualEndDayEdit = small("edtAnnualDayE");
  annualEndMonthCombo = combo("cbxAnnualMonthE", kMonths);
  annualEndHourEdit = small("edtAnnualHourE");
  annualEndMinuteEdit = small("edtAnnualMinuteE");
  repeatStartValue = MakeEdit(this, "edt_RepeatStart");
  repeatEndValue = MakeEdit(this, "edt_RepeatEnd");
  annualStartValue = MakeEdit(this, "edt_AnnualStart");
  annualEndValue = MakeEdit(this, "edt_AnnualEnd");
  for (QLineEdit* hidden : {repeatStartValue, repeatEndValue, annualStartValue, annualEndValue}) hidden->hide();
  memo = MakeMemo(this, "Memo1");
  ButtonBar buttons(this, ButtonBar::Direction::Column);
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"btnRefresh"}, [this] { refreshClicked(); });
  setCheckedButton = buttons.add(QStringLiteral("Set Checked"), Name{"btnSet"}, [this] { setCheckedClicked(); });
  checkAllButton = buttons.add(QStringLiteral("Check All"), Name{"btnCheckAll"}, [this] { checkAllClicked(); });
  clearChecksButton = buttons.add(QStringLiteral("Clear Checks"), Name{"btnClearChecks"}, [this] { clearChecksClicked(); });
  closeButton = buttons.add(QStringLiteral("Close"), Name{"btnClose"}, [this] { closeClicked(); });

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
  QWidget* statusRow = row("StatusRow", useStatusBox, "Summer Time Status", {statusCombo}, -1);
  QWidget* offsetRow = row("OffsetRow", useOffsetBox, "Summer Time Offset (30,60,90,120)", {offsetEdit}, -1);
  repeatStartRow = row("RepeatStartRow", useRepeatStartBox, "Repeat Summer Time Start",
                       {repeatStartMonthCombo, repeatStartWeekCombo, repeatStartWeekdayCombo, repeatStartHourEdit, repeatStartMinuteEdit}, 4);
  repeatEndRow = row("RepeatEndRow", useRepeatEndBox, "Repeat Summer Time End",
                     {repeatEndMonthCombo, repeatEndWeekCombo, repeatEndWeekdayCombo, repeatEndHourEdit, repeatEndMinuteEdit}, 4);
  annualStartRow = row("AnnualStartRow", useAnnualStartBox, "Annual Summer Time Start",
                       {annualStartDayEdit, annualStartMonthCombo, annualStartHourEdit, annualStartMinuteEdit}, 3);
  annualEndRow = row("AnnualEndRow", useAnnualEndBox, "Annual Summer Time End",
                     {annualEndDayEdit, annualEndMonthCombo, annualEndHourEdit, annualEndMinuteEdit}, 3);

  // The annual rows take the repeat rows' place: one of the two pairs shows.
  auto* grid = new QGridLayout;
  grid->addWidget(statusRow, 0, 0);
  grid->addWidget(offsetRow, 1, 0);
  grid->addWidget(repeatStartRow, 2, 0);
  grid->addWidget(annualStartRow, 2, 0);
  grid->addWidget(repeatEndRow, 3, 0);
  grid->addWidget(annualEndRow, 3, 0);
  PlaceFieldsBesideButtons(this, grid, buttons, memo);

  KySNMPRequest2Edits* status = AddBinding(tbl::SummerTimeStatus, false, memo);
  status->AssociateControl(0, statusCombo);
  status->AssociateEdits(1, "%i{n30x120l3}", offsetEdit);
  KySNMPRequest2Edits* repeat = AddBinding(tbl::SummerTimeRepeat, false, memo);
  repeat->AssociateEdits(0, "%s", repeatStartValue);
  repeat->AssociateEdits(1, "%s", repeatEndValue);
  KySNMPRequest2Edits* annual = AddBinding(tbl::SummerTimeAnnual, false, memo);
  annual->AssociateEdits(0, "%s", annualStartValue);
  annual->AssociateEdits(1, "%s", annualEndValue);

  connect(statusCombo, &QComboBox::activated, this, &SummerTimeDialog::statusChanged);
  statusChanged();
}

void SummerTimeDialog::FirstRefresh() { RefreshCycle(); }

void SummerTimeDialog::AppendMemo(const QString& text) { memo->appendPlainText(text); }

void SummerTimeDialog::RefreshCycle() {
  KySNMPRequest2Edits* current = StatusEditor();
  try {
    current->Refresh();
    statusChanged();
    const QString status = statusCombo->currentText();
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

void SummerTimeDialog::statusChanged() {
  const QString status = statusCombo->currentText();
  const bool repeating = status == QLatin1String("repeating");
  const bool annual = status == QLatin1String("annual");
  for (QWidget* r : {repeatStartRow, repeatEndRow}) r->setVisible(repeating);
  for (QWidget* r : {annualStartRow, annualEndRow}) r->setVisible(annual);
  for (QCheckBox* box : {useRepeatStartBox, useRepeatEndBox, useAnnualStartBox, useAnnualEndBox}) box->setChecked(false);
}

void SummerTimeDialog::DecodeRepeat() {
  const auto start = DecodeRepeatTime(repeatStartValue->text());
  const auto end = DecodeRepeatTime(repeatEndValue->text());
  if (!start || !end) return;  // the visible fields stay as they are
  const std::pair<const RepeatTime*, std::array<QWidget*, 5>> rows[] = {
      {&*start, {repeatStartWeekCombo, repeatStartWeekdayCombo, repeatStartMonthCombo, repeatStartHourEdit, repeatStartMinuteEdit}},
      {&*end, {repeatEndWeekCombo, repeatEndWeekdayCombo, repeatEndMonthCombo, repeatEndHourEdit, repeatEndMinuteEdit}},
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
  const auto start = DecodeAnnualTime(annualStartValue->text());
  const auto end = DecodeAnnualTime(annualEndValue->text());
  if (!start || !end) return;
  const std::pair<const AnnualTime*, std::array<QWidget*, 4>> rows[] = {
      {&*start, {annualStartDayEdit, annualStartMonthCombo, annualStartHourEdit, annualStartMinuteEdit}},
      {&*end, {annualEndDayEdit, annualEndMonthCombo, annualEndHourEdit, annualEndMinuteEdit}},
  };
  for (const auto& [t, w] : rows) {
    static_cast<QLineEdit*>(w[0])->setText(QString::number(t->day));
    SetIndex(static_cast<QComboBox*>(w[1]), t->month);
    static_cast<QLineEdit*>(w[2])->setText(QString::number(t->hour));
    static_cast<QLineEdit*>(w[3])->setText(QString::number(t->minute));
  }
}

std::optional<RepeatTime> SummerTimeDialog::RepeatFields(bool start) const {
  const auto hour = Number(start ? repeatStartHourEdit : repeatEndHourEdit);
  const auto minute = Number(start ? repeatStartMinuteEdit : repeatEndMinuteEdit);
  if (!hour || !minute) return std::nullopt;
  return RepeatTime{(start ? repeatStartWeekCombo : repeatEndWeekCombo)->currentIndex(),
                    (start ? repeatStartWeekdayCombo : repeatEndWeekdayCombo)->currentIndex(),
                    (start ? repeatStartMonthCombo : repeatEndMonthCombo)->currentIndex(), *hour, *minute};
}

std::optional<AnnualTime> SummerTimeDialog::AnnualFields(bool start) const {
  const auto day = Number(start ? annualStartDayEdit : annualEndDayEdit);
  const auto hour = Number(start ? annualStartHourEdit : annualEndHourEdit);
  const auto minute = Number(start ? annualStartMinuteEdit : annualEndMinuteEdit);
  if (!day || !hour || !minute) return std::nullopt;
  return AnnualTime{*day, (start ? annualStartMonthCombo : annualEndMonthCombo)->currentIndex(), *hour, *minute};
}

void SummerTimeDialog::setCheckedClicked() {
  const bool writeStatus = useStatusBox->isChecked() || useOffsetBox->isChecked();
  const bool anyTime = useRepeatStartBox->isChecked() || useRepeatEndBox->isChecked() || useAnnualStartBox->isChecked() ||
                       useAnnualEndBox->isChecked();
  // Every check comes before the first write: a refused field sends nothing.
  if (useOffsetBox->isChecked()) {
    const auto offset = Number(offsetEdit);
    if (!offset || (*offset != 30 && *offset != 60 && *offset != 90 && *offset != 120)) {
      ShowMessageBox(this, "Time Offset error!", ProgramCaption());
      return;
    }
  }
  KySNMPRequest2Edits* times = nullptr;
  if (anyTime) {
    if (!useRepeatStartBox->isChecked() && !useRepeatEndBox->isChecked()) {
      if (!useAnnualStartBox->isChecked() || !useAnnualEndBox->isChecked()) {
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
      annualStartValue->setText(*startHex);
      annualEndValue->setText(*endHex);
      times = AnnualEditor();
    } else {
      if (!useRepeatStartBox->isChecked() || !useRepeatEndBox->isChecked()) {
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
      repeatStartValue->setText(*startHex);
      repeatEndValue->setText(*endHex);
      times = RepeatEditor();
    }
  }

  KySNMPRequest2Edits* current = StatusEditor();
  try {
    if (writeStatus) {
      KyColumnExclusion exclusion(StatusEditor()->request.varList);
      if (!useStatusBox->isChecked()) exclusion.Exclude(0);
      if (!useOffsetBox->isChecked()) exclusion.Exclude(1);
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

void SummerTimeDialog::refreshClicked() { RefreshCycle(); }

void SummerTimeDialog::checkAllClicked() {
  for (QCheckBox* box : {useStatusBox, useOffsetBox, useRepeatStartBox, useRepeatEndBox, useAnnualStartBox, useAnnualEndBox}) box->setChecked(true);
}

void SummerTimeDialog::clearChecksClicked() {
  for (QCheckBox* box : {useStatusBox, useOffsetBox, useRepeatStartBox, useRepeatEndBox, useAnnualStartBox, useAnnualEndBox}) box->setChecked(false);
}

void SummerTimeDialog::closeClicked() { close(); }
