// "Summer Time": the switch's daylight-saving rule, either repeating (week,
// weekday, month, time) or annual (day, month, time). The device holds each
// start and end as a short octet string; the dialog codes and decodes them.
#pragma once

#include <QString>
#include <optional>

#include "app/DialogContext.h"
#include "editors/SnmpDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The codings of the summer-time values, as hexadecimal text (two upper-case
// digits per byte).
struct RepeatTime {
  int week = 0;     // 0 "last", 1 "1st" .. 4 "4th"
  int weekday = 0;  // 0 "Sun" .. 6 "Sat"; two bytes, big-endian
  int month = 0;    // 0 "none", 1 "Jan" .. 12 "Dec"
  int hour = 0;
  int minute = 0;
};
struct AnnualTime {
  int day = 0;
  int month = 0;
  int hour = 0;
  int minute = 0;
};
// None when a part is out of range (negative, hour above 23, minute above 59,
// an annual day above 31).
std::optional<QString> EncodeRepeatTime(const RepeatTime& t);
std::optional<QString> EncodeAnnualTime(const AnnualTime& t);
// None unless the text is exactly 12 (repeat) or 8 (annual) hexadecimal digits.
std::optional<RepeatTime> DecodeRepeatTime(const QString& hex);
std::optional<AnnualTime> DecodeAnnualTime(const QString& hex);
// Days of a month by its index (0 for "none", February 28).
int MonthLength(int month);

class TfrmSummerTime : public TSnmpDialog {
  Q_OBJECT

 public:
  explicit TfrmSummerTime(const DialogContext& context);

  void btnRefreshClick();
  void btnSetClick();  // "Set Checked"
  void btnCheckAllClick();
  void btnClearChecksClick();
  void btnCloseClick();
  void cbxTimeStatusChange();

  KySNMPRequest2Edits* StatusEditor() const { return Binding(0); }
  KySNMPRequest2Edits* RepeatEditor() const { return Binding(1); }
  KySNMPRequest2Edits* AnnualEditor() const { return Binding(2); }

  QComboBox* cbxTimeStatus;
  QLineEdit* edtTimeOffset;
  QCheckBox* CheckBox1;  // status
  QCheckBox* CheckBox2;  // offset
  QCheckBox* CheckBox3;  // repeat start
  QCheckBox* CheckBox4;  // repeat end
  QCheckBox* CheckBox5;  // annual start
  QCheckBox* CheckBox6;  // annual end
  // Repeat rows: start (S) and end (E).
  QComboBox* cbxRepeatMonthS;
  QComboBox* cbxRepeatWeekS;
  QComboBox* cbxRepeatWeekdayS;
  QLineEdit* edtRepeatHourS;
  QLineEdit* edtRepeatMinuteS;
  QComboBox* cbxRepeatMonthE;
  QComboBox* cbxRepeatWeekE;
  QComboBox* cbxRepeatWeekdayE;
  QLineEdit* edtRepeatHourE;
  QLineEdit* edtRepeatMinuteE;
  // Annual rows.
  QLineEdit* edtAnnualDayS;
  QComboBox* cbxAnnualMonthS;
  QLineEdit* edtAnnualHourS;
  QLineEdit* edtAnnualMinuteS;
  QLineEdit* edtAnnualDayE;
  QComboBox* cbxAnnualMonthE;
  QLineEdit* edtAnnualHourE;
  QLineEdit* edtAnnualMinuteE;
  // The hidden edits that hold the values' hexadecimal text.
  QLineEdit* edt_RepeatStart;
  QLineEdit* edt_RepeatEnd;
  QLineEdit* edt_AnnualStart;
  QLineEdit* edt_AnnualEnd;
  QPlainTextEdit* Memo1;
  QPushButton* btnRefresh;
  QPushButton* btnSet;
  QPushButton* btnCheckAll;
  QPushButton* btnClearChecks;
  QPushButton* btnClose;
  // The rows as laid out (use box, caption and fields), for the layout switch.
  QWidget* RepeatStartRow;
  QWidget* RepeatEndRow;
  QWidget* AnnualStartRow;
  QWidget* AnnualEndRow;

 protected:
  void FirstRefresh() override;

 private:
  void RefreshCycle();
  void DecodeRepeat();
  void DecodeAnnual();
  void AppendMemo(const QString& text);
  std::optional<RepeatTime> RepeatFields(bool start) const;
  std::optional<AnnualTime> AnnualFields(bool start) const;
};
