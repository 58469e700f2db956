#include "dialogs/basic/SummerTimeCoding.h"

#include <vector>

#include "editors/DialogHelpers.h"

namespace {

QString Hex(int value, int digits) { return QString::number(value, 16).toUpper().rightJustified(digits, '0'); }

// The bytes of a hexadecimal text of exactly `digits` digits.
std::optional<std::vector<int>> Bytes(const QString& hex, int digits) {
  if (hex.size() != digits || !IsHexField(hex, digits)) return std::nullopt;
  std::vector<int> bytes;
  for (int i = 0; i < digits; i += 2) bytes.push_back(hex.mid(i, 2).toInt(nullptr, 16));
  return bytes;
}

}  // namespace

std::optional<QString> EncodeRepeatTime(const RepeatTime& t) {
  if (t.week < 0 || t.weekday < 0 || t.month < 0 || t.hour < 0 || t.minute < 0) return std::nullopt;
  if (t.hour > 23 || t.minute >= 60 || t.week > 255 || t.weekday > 65535 || t.month > 255) return std::nullopt;
  return Hex(t.week, 2) + Hex(t.weekday, 4) + Hex(t.month, 2) + Hex(t.hour, 2) + Hex(t.minute, 2);
}

std::optional<QString> EncodeAnnualTime(const AnnualTime& t) {
  if (t.day < 0 || t.month < 0 || t.hour < 0 || t.minute < 0) return std::nullopt;
  if (t.day >= 32 || t.hour > 23 || t.minute >= 60 || t.month > 255) return std::nullopt;
  return Hex(t.day, 2) + Hex(t.month, 2) + Hex(t.hour, 2) + Hex(t.minute, 2);
}

std::optional<RepeatTime> DecodeRepeatTime(const QString& hex) {
  const auto b = Bytes(hex, 12);
  if (!b) return std::nullopt;
  const auto& v = *b;
  return RepeatTime{v[0], v[1] * 256 + v[2], v[3], v[4], v[5]};
}

std::optional<AnnualTime> DecodeAnnualTime(const QString& hex) {
  const auto b = Bytes(hex, 8);
  if (!b) return std::nullopt;
  const auto& v = *b;
  return AnnualTime{v[0], v[1], v[2], v[3]};
}

int MonthLength(int month) {
  switch (month) {
    case 0:
      return 0;
    case 2:
      return 28;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    default:
      return 31;
  }
}
