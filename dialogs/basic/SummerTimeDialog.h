// "Summer Time": the switch's daylight-saving rule, either repeating (week,
// weekday, month, time) or annual (day, month, time). The device holds each
// start and end as a short octet string; the dialog codes and decodes them.
#pragma once

#include <QString>
#include <optional>

#include "dialogs/basic/SummerTimeCoding.h"
#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class SummerTimeDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit SummerTimeDialog(const DialogContext& context);

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
