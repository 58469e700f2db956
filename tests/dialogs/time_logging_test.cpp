// The time and logging dialogs against the simulator: what each writes is
// read back from the simulator's SET journal.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include "DialogTestSupport.h"
#include "dialogs/basic/NetworkTimeDialog.h"
#include "dialogs/basic/SmtpControlDialog.h"
#include "dialogs/basic/SummerTimeDialog.h"
#include "dialogs/basic/SystemLogHostDialog.h"
#include "dialogs/common/ProgressDialog.h"
#include "dialogs/layer2/TimeRangeDialog.h"
#include "editors/ControlBinding.h"

namespace {

using qrxtest::DialogTest;
using qrxtest::JournalRecord;
using qrxtest::Lines;
using qrxtest::WaitFor;
using Strings = std::vector<std::string>;

constexpr const char* kNtp = "1.3.6.1.4.1.32473.12.10.11";
constexpr const char* kSummer = "1.3.6.1.4.1.32473.12.10.12";
constexpr const char* kSyslog = "1.3.6.1.4.1.32473.12.12.2.1";
constexpr const char* kSmtp = "1.3.6.1.4.1.32473.12.29.1";
constexpr const char* kRange = "1.3.6.1.4.1.32473.12.50.3.1.1";

std::string O(const char* base, const std::string& rest) { return std::string(base) + "." + rest; }

// Lines of the memo (or the text of a status panel) that report an error.
QStringList MemoLines(const QPlainTextEdit* memo) { return memo->toPlainText().split('\n', Qt::SkipEmptyParts); }

// Every visible control of a dialog lies inside it and shows its whole text.
void ExpectLaidOut(QWidget* dialog) {
  dialog->adjustSize();
  QApplication::processEvents();
  const QRect inside = dialog->rect();
  for (QWidget* w : dialog->findChildren<QWidget*>()) {
    if (!w->isVisible() || w->window() != dialog) continue;
    const QRect r(w->mapTo(dialog, QPoint(0, 0)), w->size());
    EXPECT_TRUE(inside.contains(r)) << w->objectName().toStdString() << " lies outside the dialog";
    QString text;
    if (auto* b = qobject_cast<QPushButton*>(w)) text = b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
    if (text.isEmpty()) continue;
    EXPECT_GE(w->width(), w->fontMetrics().horizontalAdvance(text)) << text.toStdString() << " is cut";
  }
}

// ---------------------------------------------------------------------------
class NetworkTime : public DialogTest {};

TEST_F(NetworkTime, OnlyTheCheckedPollIntervalIsSentThenEverythingIsReadAgain) {
  auto d = Open<NetworkTimeDialog>();
  EXPECT_FALSE(d->timeSourceEdit->isEnabled());
  EXPECT_EQ(d->server1Edit->text(), QString::fromStdString(SnmpGet(O(kNtp, "3.0"))));
  const int readsBefore = MemoLines(d->memo).filter("Get: ").size();

  d->clearAllClicked();
  d->usePollIntervalBox->setChecked(true);
  d->pollIntervalEdit->setText("45");
  const size_t mark = JournalSize();
  d->setCheckedClicked();
  ASSERT_TRUE(WaitFor([&] { return MemoLines(d->memo).filter("Get: ").size() > readsBefore && !d->AnyBusy(); }));

  const auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]), Strings{O(kNtp, "5.0") + " INTEGER 45"});
  EXPECT_EQ(SnmpGet(O(kNtp, "5.0")), "45");
  EXPECT_EQ(d->pollIntervalEdit->text(), "45");
  for (QCheckBox* box : {d->useStateBox, d->useServer1Box, d->useServer2Box, d->usePollIntervalBox})
    EXPECT_FALSE(box->isChecked());
  for (int i : {0, 2, 3, 4}) EXPECT_EQ(d->Editor()->request.varList.Item(i).access, 0x06) << i;
  for (const QString& line : MemoLines(d->memo)) EXPECT_TRUE(line.contains(" Ok ") || line.contains(": Ok")) << line.toStdString();
}

TEST_F(NetworkTime, BadServerAddressSendsNothingAndTheNextRefreshReadsEverything) {
  auto d = Open<NetworkTimeDialog>();
  ASSERT_TRUE(SnmpSet({O(kNtp, "4.0"), "a", "198.51.100.7"}));
  d->useServer1Box->setChecked(true);
  d->useServer2Box->setChecked(true);
  d->server1Edit->setText("10.1.1");
  const size_t mark = JournalSize();
  d->setCheckedClicked();
  EXPECT_EQ(boxes.texts, QStringList{"Please input a valid ip"});
  EXPECT_TRUE(d->server1Edit->hasFocus() || !d->isActiveWindow());
  QApplication::processEvents();
  EXPECT_TRUE(JournalSince(mark).empty()) << "nothing is written";
  for (int i : {0, 2, 3, 4}) EXPECT_EQ(d->Editor()->request.varList.Item(i).access, 0x06) << i;

  d->refreshClicked();
  ASSERT_TRUE(Settle(*d));
  EXPECT_EQ(d->server2Edit->text(), "198.51.100.7") << "every variable read again";
  EXPECT_EQ(d->server1Edit->text(), QString::fromStdString(SnmpGet(O(kNtp, "3.0"))));
  EXPECT_FALSE(d->useServer1Box->isChecked());
  EXPECT_TRUE(JournalSince(mark).empty());
}

// ---------------------------------------------------------------------------
class SummerTime : public DialogTest {};

TEST(SummerTimeCoding, RepeatAndAnnualValuesByteForByte) {
  EXPECT_EQ(EncodeRepeatTime({2, 0, 3, 2, 0}), QString("020000030200"));
  EXPECT_EQ(EncodeRepeatTime({0, 0, 10, 3, 0}), QString("0000000A0300"));
  EXPECT_EQ(EncodeRepeatTime({4, 6, 12, 23, 59}), QString("040006" "0C173B"));
  EXPECT_FALSE(EncodeRepeatTime({1, 1, 1, 24, 0}));
  EXPECT_FALSE(EncodeRepeatTime({1, 1, 1, 0, 60}));
  EXPECT_FALSE(EncodeRepeatTime({-1, 1, 1, 0, 0}));
  EXPECT_EQ(EncodeAnnualTime({31, 12, 23, 59}), QString("1F0C173B"));
  EXPECT_FALSE(EncodeAnnualTime({32, 1, 0, 0}));

  const auto a = DecodeAnnualTime("1f0c173b");
  ASSERT_TRUE(a);
  EXPECT_EQ((std::array{a->day, a->month, a->hour, a->minute}), (std::array{31, 12, 23, 59}));
  const auto r = DecodeRepeatTime("010102050A1E");  // weekday is two bytes: 0x0102
  ASSERT_TRUE(r);
  EXPECT_EQ((std::array{r->week, r->weekday, r->month, r->hour, r->minute}), (std::array{1, 258, 5, 10, 30}));
  EXPECT_FALSE(DecodeAnnualTime("1F0C173"));
  EXPECT_FALSE(DecodeRepeatTime("1F0C173B"));
  EXPECT_FALSE(DecodeAnnualTime("1F0C17XB"));
  EXPECT_EQ(MonthLength(0), 0);
  EXPECT_EQ(MonthLength(2), 28);
  EXPECT_EQ(MonthLength(4), 30);
  EXPECT_EQ(MonthLength(12), 31);
}

void Choose(QComboBox* combo, const QString& text) {
  combo->setCurrentIndex(combo->findText(text));
}

TEST_F(SummerTime, RepeatingValuesAreWrittenByteForByte) {
  ASSERT_TRUE(SnmpSet({O(kSummer, "1.0"), "i", "1"}));
  auto d = Open<SummerTimeDialog>();
  EXPECT_EQ(d->statusCombo->currentText(), "repeating");
  EXPECT_TRUE(d->repeatStartRow->isVisible());
  EXPECT_FALSE(d->annualStartRow->isVisible());

  Choose(d->repeatStartWeekCombo, "2nd");
  Choose(d->repeatStartWeekdayCombo, "Sun");
  Choose(d->repeatStartMonthCombo, "Mar");
  d->repeatStartHourEdit->setText("2");
  d->repeatStartMinuteEdit->setText("0");
  Choose(d->repeatEndWeekCombo, "last");
  Choose(d->repeatEndWeekdayCombo, "Sun");
  Choose(d->repeatEndMonthCombo, "Oct");
  d->repeatEndHourEdit->setText("3");
  d->repeatEndMinuteEdit->setText("0");

  // One box alone is refused.
  d->useRepeatStartBox->setChecked(true);
  size_t mark = JournalSize();
  d->setCheckedClicked();
  EXPECT_EQ(boxes.texts,
            QStringList{"The Repeat Summer Time Start and Repeat Summer Time End should be set together!"});
  EXPECT_TRUE(JournalSince(mark).empty());

  d->useRepeatEndBox->setChecked(true);
  d->setCheckedClicked();
  const auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]), (Strings{O(kSummer, "3.0") + " OCTET_STRING 02 00 00 03 02 00",
                                     O(kSummer, "4.0") + " OCTET_STRING 00 00 00 0A 03 00"}));

  // An hour that is not a number is refused before anything is sent.
  d->repeatEndHourEdit->setText("");
  boxes.texts.clear();
  mark = JournalSize();
  d->setCheckedClicked();
  EXPECT_EQ(boxes.texts, QStringList{"time error!!"});
  EXPECT_TRUE(JournalSince(mark).empty());
}

TEST_F(SummerTime, AnnualValuesReadBackAndDaysBeyondTheMonthAreRefused) {
  ASSERT_TRUE(SnmpSet({O(kSummer, "1.0"), "i", "2", O(kSummer, "5.0"), "x", "1F0C173B", O(kSummer, "6.0"), "x",
                       "01030200"}));
  auto d = Open<SummerTimeDialog>();
  EXPECT_EQ(d->statusCombo->currentText(), "annual");
  EXPECT_TRUE(d->annualStartRow->isVisible());
  EXPECT_FALSE(d->repeatStartRow->isVisible());
  EXPECT_EQ(d->annualStartDayEdit->text(), "31");
  EXPECT_EQ(d->annualStartMonthCombo->currentText(), "Dec");
  EXPECT_EQ(d->annualStartHourEdit->text(), "23");
  EXPECT_EQ(d->annualStartMinuteEdit->text(), "59");
  EXPECT_EQ(d->annualEndMonthCombo->currentText(), "Mar");
  const QRect annualPlace = d->annualStartRow->geometry();

  d->annualStartDayEdit->setText("31");
  Choose(d->annualStartMonthCombo, "Apr");
  d->useAnnualStartBox->setChecked(true);
  d->useAnnualEndBox->setChecked(true);
  d->useOffsetBox->setChecked(true);  // the offset would be written first: it is not either
  d->offsetEdit->setText("60");
  const size_t mark = JournalSize();
  d->setCheckedClicked();
  EXPECT_EQ(boxes.texts, QStringList{"time error!!"});
  EXPECT_TRUE(JournalSince(mark).empty());

  d->annualStartDayEdit->setText("30");
  boxes.texts.clear();
  d->setCheckedClicked();
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(';').toStdString();
  const auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(Lines(sets[0]), Strings{O(kSummer, "2.0") + " INTEGER 60"});
  EXPECT_EQ(Lines(sets[1]), (Strings{O(kSummer, "5.0") + " OCTET_STRING 1E 04 17 3B",
                                     O(kSummer, "6.0") + " OCTET_STRING 01 03 02 00"}));

  // The layout switch: the repeat rows come, their boxes cleared.
  d->useAnnualStartBox->setChecked(true);
  Choose(d->statusCombo, "repeating");
  d->statusChanged();
  EXPECT_TRUE(d->repeatStartRow->isVisible());
  EXPECT_FALSE(d->annualEndRow->isVisible());
  EXPECT_FALSE(d->useAnnualStartBox->isChecked());
  QApplication::processEvents();
  EXPECT_EQ(d->repeatStartRow->geometry().topLeft(), annualPlace.topLeft())
      << "the annual rows stand where the repeat rows stand";
  Choose(d->statusCombo, "disable");
  d->statusChanged();
  EXPECT_FALSE(d->repeatStartRow->isVisible());
  EXPECT_FALSE(d->annualStartRow->isVisible());
  d->useRepeatStartBox->setChecked(true);
  d->useRepeatEndBox->setChecked(true);
  // A bad offset stops the whole set.
  d->offsetEdit->setText("45");
  boxes.texts.clear();
  const size_t mark2 = JournalSize();
  d->setCheckedClicked();
  EXPECT_EQ(boxes.texts, QStringList{"Time Offset error!"});
  EXPECT_TRUE(JournalSince(mark2).empty());
}

// ---------------------------------------------------------------------------
class TimeRange : public DialogTest {};

QTreeWidgetItem* Line(QTreeWidget* view, const QString& key) {
  for (int i = 0; i < view->topLevelItemCount(); ++i)
    if (view->topLevelItem(i)->text(0) == key) return view->topLevelItem(i);
  return nullptr;
}

TEST_F(TimeRange, AddEditAndDeleteAddressTheRowByItsName) {
  auto d = Open<TimeRangeDialog>();
  EXPECT_TRUE(d->refreshAllowed()) << "the read at creation allows Refresh";
  EXPECT_FALSE(d->editButton->isEnabled());
  EXPECT_FALSE(d->deleteButton->isEnabled());
  const std::string index = "5.110.105.103.104.116";  // "night", length first

  // Missing fields are refused one by one.
  d->nameEdit->setText("night");
  size_t mark = JournalSize();
  d->addClicked();
  d->weekdaysEdit->setText("mon,tue");
  d->addClicked();
  d->startEdit->setText("22:00");
  d->addClicked();
  EXPECT_EQ(boxes.texts, (QStringList{"Please input the weekdays", "Please select the daily start time",
                                      "Please select the daily end time"}));
  EXPECT_TRUE(JournalSince(mark).empty());

  d->endEdit->setText("23:59");
  d->addClicked();
  ASSERT_TRUE(WaitFor([&] { return !d->AnyBusy() && Line(d->rangeList, "night") != nullptr; }));
  auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]), (Strings{O(kRange, "2." + index) + " OCTET_STRING 6D 6F 6E 2C 74 75 65",
                                     O(kRange, "3." + index) + " OCTET_STRING 32 32 3A 30 30",
                                     O(kRange, "4." + index) + " OCTET_STRING 32 33 3A 35 39",
                                     O(kRange, "5." + index) + " INTEGER 4"}));
  EXPECT_TRUE(d->refreshAllowed());

  // Edit: the selected row, its name no longer editable.
  Line(d->rangeList, "night")->setSelected(true);
  EXPECT_TRUE(d->editButton->isEnabled());
  EXPECT_FALSE(d->addButton->isEnabled());
  EXPECT_FALSE(d->nameEdit->isEnabled());
  EXPECT_EQ(d->weekdaysEdit->text(), "mon,tue");
  d->weekdaysEdit->setText("sat");
  mark = JournalSize();
  d->editClicked();
  EXPECT_TRUE(d->nameEdit->isEnabled());
  EXPECT_TRUE(d->weekdaysEdit->text().isEmpty());
  ASSERT_TRUE(Settle(*d));
  sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]).front(), O(kRange, "2." + index) + " OCTET_STRING 73 61 74");
  EXPECT_EQ(SnmpGet(O(kRange, "2." + index)), "sat");

  // Delete.
  ASSERT_NE(Line(d->rangeList, "night"), nullptr);
  Line(d->rangeList, "night")->setSelected(true);
  mark = JournalSize();
  d->deleteClicked();
  ASSERT_TRUE(WaitFor([&] { return !d->AnyBusy() && Line(d->rangeList, "night") == nullptr; }));
  sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]).back(), O(kRange, "5." + index) + " INTEGER 6");
  EXPECT_TRUE(d->statusLabel->text().startsWith("Get: Ok")) << d->statusLabel->text().toStdString();

  // Refresh runs (once the last read has completed) and is refused while one runs.
  ASSERT_TRUE(d->refreshAllowed());
  d->refreshClicked();
  EXPECT_FALSE(d->refreshAllowed());
  ASSERT_TRUE(WaitFor([&] { return d->refreshAllowed() && !d->AnyBusy(); }));
}

// The weekdays and the two times are checked before anything is written, by
// Add and by Edit alike; a refused field is named in the message.
TEST_F(TimeRange, AddAndEditSendOnlyValidWeekdaysAndTimes) {
  const char* const kStartMessage = "Please input a valid daily start time (hh:mm, hour 0-23, minute 0-59)";
  const char* const kEndMessage = "Please input a valid daily end time (hh:mm, hour 0-23, minute 0-59)";
  const char* const kDaysMessage = "Please input valid weekdays (mon,tue,wed,thu,fri,sat,sun)";
  const struct {
    const char* days;
    const char* start;
    const char* end;
    const char* message;  // "" when written
  } cases[] = {
      {"mon,tue", "25:99", "23:00", kStartMessage},
      {"mon", "24:00", "23:00", kStartMessage},
      {"mon", "08:60", "23:00", kStartMessage},
      {"mon", "8", "23:00", kStartMessage},
      {"mon", "-1:00", "23:00", kStartMessage},
      {"mon", "08:00", "23:5", kEndMessage},
      {"mon", "08:00", "ab:cd", kEndMessage},
      {"xyz", "08:00", "09:00", kDaysMessage},
      {"mon,,tue", "08:00", "09:00", kDaysMessage},
      {"mon,mon", "08:00", "09:00", kDaysMessage},
      {"mon;tue", "08:00", "09:00", kDaysMessage},
      {"Sun,sat", "0:00", "23:59", ""},
      {"mon,tue,wed,thu,fri", "08:30", "17:45", ""},
  };
  auto d = Open<TimeRangeDialog>();
  for (bool edit : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(edit ? "Edit " : "Add ") + c.days + " " + c.start + "-" + c.end);
      const std::string name = edit ? "r" : "a" + std::to_string(&c - cases);
      if (edit) {
        ASSERT_TRUE(WaitFor([&] { return Line(d->rangeList, "r") != nullptr; }));
        Line(d->rangeList, "r")->setSelected(true);
      } else {
        d->nameEdit->setText(QString::fromStdString(name));
      }
      d->weekdaysEdit->setText(c.days);
      d->startEdit->setText(c.start);
      d->endEdit->setText(c.end);
      boxes.texts.clear();
      const size_t mark = JournalSize();
      if (edit) d->editClicked();
      else d->addClicked();
      ASSERT_TRUE(Settle(*d));
      const auto sets = JournalSince(mark);
      if (*c.message) {
        EXPECT_EQ(boxes.texts, QStringList{c.message});
        EXPECT_TRUE(sets.empty());
        if (edit) d->rangeList->clearSelection();
        continue;
      }
      EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join(" | ").toStdString();
      ASSERT_EQ(sets.size(), 1u);
      std::string index = std::to_string(name.size());  // the name as the row's index, length first
      for (char ch : name) index += "." + std::to_string(static_cast<unsigned char>(ch));
      EXPECT_EQ(SnmpGet(O(kRange, "3." + index)), c.start);
    }
    if (!edit) {
      // The row Edit works on.
      d->nameEdit->setText("r");
      d->weekdaysEdit->setText("mon");
      d->startEdit->setText("01:00");
      d->endEdit->setText("02:00");
      d->addClicked();
      ASSERT_TRUE(Settle(*d));
    }
  }
}

// ---------------------------------------------------------------------------
class SystemLog : public DialogTest {};

TEST_F(SystemLog, AddChecksIndexAndPortAndLeavesAnEmptyPortOut) {
  auto d = Open<SystemLogHostDialog>();
  ASSERT_NE(Line(d->hostList, "2"), nullptr);
  EXPECT_EQ(d->countLabel->text(), QString::number(d->hostList->topLevelItemCount()));
  EXPECT_FALSE(d->setButton->isEnabled());

  size_t mark = JournalSize();
  d->indexEdit->setText("2");
  d->ipEdit->setText("192.0.2.50");
  d->addClicked();
  d->indexEdit->setText("4");
  d->ipEdit->setText("192.0.2");
  d->addClicked();
  d->ipEdit->setText("192.0.2.50");
  d->portEdit->setText("600");
  d->addClicked();
  EXPECT_EQ(boxes.texts, (QStringList{"This Index has already existed. Please Change Server Index.",
                                      "Please input a valid ip",
                                      "The range of Server UDP Port for syslog is 514 or 6000-65535."}));
  EXPECT_TRUE(JournalSince(mark).empty());

  d->portEdit->clear();
  Choose(d->facilityCombo, "local3");
  Choose(d->stateCombo, "enabled");
  d->addClicked();
  EXPECT_TRUE(d->indexEdit->text().isEmpty()) << "the fields are reset";
  ASSERT_TRUE(WaitFor([&] { return !d->AnyBusy() && Line(d->hostList, "4") != nullptr; }));
  auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]), (Strings{O(kSyslog, "2.4") + " IpAddress 192.0.2.50", O(kSyslog, "3.4") + " INTEGER 3",
                                     O(kSyslog, "6.4") + " INTEGER 3", O(kSyslog, "7.4") + " INTEGER 4"}));
  EXPECT_EQ(d->countLabel->text(), QString::number(d->hostList->topLevelItemCount()));
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(d->Editor()->request.varList.Item(i).access, 0x06) << i;

  // "Set" on the new row: an empty port stays out as well; a bad one is refused.
  Line(d->hostList, "4")->setSelected(true);
  EXPECT_TRUE(d->setButton->isEnabled());
  EXPECT_FALSE(d->indexEdit->isEnabled());
  d->portEdit->setText("70000");
  boxes.texts.clear();
  mark = JournalSize();
  d->setClicked();
  EXPECT_EQ(boxes.texts, QStringList{"The range of Server UDP Port for syslog is 514 or 6000-65535."});
  d->portEdit->setText("514");
  d->ipEdit->setText("192.0.2.51");
  d->setClicked();
  ASSERT_TRUE(Settle(*d));
  sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0])[0], O(kSyslog, "2.4") + " IpAddress 192.0.2.51");
  EXPECT_EQ(SnmpGet(O(kSyslog, "5.4")), "514");

  // Delete carries only the row status.
  ASSERT_NE(Line(d->hostList, "4"), nullptr);
  Line(d->hostList, "4")->setSelected(true);
  mark = JournalSize();
  d->deleteClicked();
  ASSERT_TRUE(WaitFor([&] { return !d->AnyBusy() && Line(d->hostList, "4") == nullptr; }));
  sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]), Strings{O(kSyslog, "7.4") + " INTEGER 6"});
}

// ---------------------------------------------------------------------------
class Smtp : public DialogTest {};

TEST_F(Smtp, SendNeedsSmtpEnabledAndRunsTheProgressWindowWhileItWrites) {
  ASSERT_TRUE(SnmpSet({O(kSmtp, "1.0"), "i", "2"}));
  auto d = Open<SmtpControlDialog>();
  EXPECT_EQ(d->windowTitle(), "SMTP Control Table :qrx-sim");
  EXPECT_EQ(d->stateCombo->currentText(), "disabled");
  Choose(d->sendTestCombo, "send");
  size_t mark = JournalSize();
  d->setClicked();
  EXPECT_EQ(boxes.texts, QStringList{"Enable SMTP first if you want send a mail"});
  EXPECT_TRUE(JournalSince(mark).empty());

  // Confirmed: the progress window runs (driven here) while the write goes out.
  Choose(d->stateCombo, "enabled");
  Choose(d->sendTestCombo, "send");
  boxes.texts.clear();
  boxes.okCancel = QMessageBox::Ok;
  ProgressDialog::SetTickInterval(0);
  QString caption, prompt;
  int ticks = 0;
  qrxtest::OnNextModal([&](QWidget* modal) {
    auto* progress = qobject_cast<ProgressDialog*>(modal);
    if (progress == nullptr) {
      modal->close();
      return;
    }
    caption = progress->windowTitle();
    prompt = progress->promptLabel->text();
    WaitFor([&] { return !d->Editor()->busy; });  // the write is answered meanwhile
    while (progress->isVisible() && ticks < 100) {
      progress->tick();
      ++ticks;
    }
  }, d.get());
  d->setClicked();
  ProgressDialog::SetTickInterval(1000);
  EXPECT_EQ(boxes.texts, QStringList{"To Send the mail may take a long time. Do you want to go on?"});
  EXPECT_EQ(caption, "Send the mail Progress");
  EXPECT_EQ(prompt, "Send the mail is doing...");
  EXPECT_EQ(ticks, 31);
  ASSERT_TRUE(Settle(*d));
  auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]).front(), O(kSmtp, "1.0") + " INTEGER 3");
  EXPECT_EQ(Lines(sets[0]).back(), O(kSmtp, "7.0") + " INTEGER 1");

  // Cancel: nothing is written.
  Choose(d->sendTestCombo, "send");
  boxes.okCancel = QMessageBox::Cancel;
  mark = JournalSize();
  d->setClicked();
  ASSERT_TRUE(Settle(*d));
  EXPECT_TRUE(JournalSince(mark).empty());

  // "noAction" leaves the send variable out.
  Choose(d->sendTestCombo, "noAction");
  d->subjectEdit->setText("hello");
  mark = JournalSize();
  d->setClicked();
  ASSERT_TRUE(Settle(*d));
  sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  for (const std::string& line : Lines(sets[0])) EXPECT_EQ(line.find(O(kSmtp, "7.0")), std::string::npos) << line;
  EXPECT_EQ(Lines(sets[0]).size(), 6u);
  EXPECT_EQ(d->Editor()->request.varList.Item(6).access, 0x06);

  // Empty server fields: a note in the status panel, nothing written.
  d->serverPortEdit->clear();
  mark = JournalSize();
  d->setClicked();
  EXPECT_EQ(d->statusPanel->text(), "Please Input Value!");
  EXPECT_TRUE(JournalSince(mark).empty());
}

// ---------------------------------------------------------------------------
// Every dialog lays out at the screen's dpi (the executable runs again at 144 dpi).
class Layout : public DialogTest {};

TEST_F(Layout, EveryDialogShowsItsControlsWhole) {
  ExpectLaidOut(Open<NetworkTimeDialog>().get());
  ExpectLaidOut(Open<SummerTimeDialog>().get());
  ExpectLaidOut(Open<TimeRangeDialog>().get());
  ExpectLaidOut(Open<SystemLogHostDialog>().get());
  ExpectLaidOut(Open<SmtpControlDialog>().get());
}

}  // namespace
