// "Summer Time": the switch's daylight-saving rule, either repeating (week,
// weekday, month, time) or annual (day, month, time). The device holds each
// start and end as a short octet string; the dialog codes and decodes them.
#pragma once

#include <optional>

#include "dialogs/common/DialogBase.h"

#include "dialogs/basic/SummerTimeCoding.h"

class SummerTimeDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit SummerTimeDialog(const DialogContext& context);

  void refreshClicked();
  void setCheckedClicked();  // "Set Checked"
  void statusChanged();

  QComboBox* statusCombo;
  QLineEdit* offsetEdit;
  QCheckBox* useOffsetBox;  // offset
  QCheckBox* useRepeatStartBox;  // repeat start
  QCheckBox* useRepeatEndBox;  // repeat end
  QCheckBox* useAnnualStartBox;  // annual start
  QCheckBox* useAnnualEndBox;  // annual end
  // Repeat rows: start (S) and end (E).
  QComboBox* repeatStartMonthCombo;
  QComboBox* repeatStartWeekCombo;
  QComboBox* repeatStartWeekdayCombo;
  QLineEdit* repeatStartHourEdit;
  QLineEdit* repeatStartMinuteEdit;
  QComboBox* repeatEndMonthCombo;
  QComboBox* repeatEndWeekCombo;
  QComboBox* repeatEndWeekdayCombo;
  QLineEdit* repeatEndHourEdit;
  QLineEdit* repeatEndMinuteEdit;
  // Annual rows.
  QLineEdit* annualStartDayEdit;
  QComboBox* annualStartMonthCombo;
  QLineEdit* annualStartHourEdit;
  QLineEdit* annualStartMinuteEdit;
  QComboBox* annualEndMonthCombo;
  QPlainTextEdit* memo;
  QPushButton* refreshButton;
  QPushButton* setCheckedButton;
  QPushButton* checkAllButton;
  QPushButton* closeButton;
  // The rows as laid out (use box, caption and fields), for the layout switch.
  QWidget* repeatStartRow;
  QWidget* annualStartRow;
  QWidget* annualEndRow;

 protected:
  void FirstRefresh() override;

 private:
  void checkAllClicked();
  void clearChecksClicked();
  void closeClicked();
  KySNMPRequest2Edits* StatusEditor() const { return Binding(0); }
  KySNMPRequest2Edits* RepeatEditor() const { return Binding(1); }
  KySNMPRequest2Edits* AnnualEditor() const { return Binding(2); }
  QCheckBox* useStatusBox;  // status
  QLineEdit* annualEndDayEdit;
  QLineEdit* annualEndHourEdit;
  QLineEdit* annualEndMinuteEdit;
  // The hidden edits that hold the values' hexadecimal text.
  QLineEdit* repeatStartValue;
  QLineEdit* repeatEndValue;
  QLineEdit* annualStartValue;
  QLineEdit* annualEndValue;
  QPushButton* clearChecksButton;
  QWidget* repeatEndRow;
  void RefreshCycle();
  void DecodeRepeat();
  void DecodeAnnual();
  void AppendMemo(const QString& text);
  std::optional<RepeatTime> RepeatFields(bool start) const;
  std::optional<AnnualTime> AnnualFields(bool start) const;
};
