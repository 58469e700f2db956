// The codings of the summer-time values: the switch holds each start and end
// of its daylight-saving rule as a short octet string, shown as hexadecimal
// text.
#pragma once

#include <QString>
#include <optional>

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
