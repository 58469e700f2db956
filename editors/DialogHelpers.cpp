#include "editors/DialogHelpers.h"

#include <algorithm>

#include "editors/UiSupport.h"

KyColumnExclusion::KyColumnExclusion(KySNMPVarList& list) : list_(list) {
  saved_.reserve(static_cast<size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i) saved_.push_back(list.Item(i).access);
}

KyColumnExclusion::~KyColumnExclusion() { Restore(); }

void KyColumnExclusion::Exclude(int index) {
  if (index < 0 || index >= list_.Count()) return;
  list_.Item(index).access = Access::Excluded;
}

void KyColumnExclusion::Exclude(std::initializer_list<int> indexes) {
  for (int i : indexes) Exclude(i);
}

void KyColumnExclusion::ExcludeAllBut(std::initializer_list<int> keep) {
  for (int i = 0; i < list_.Count(); ++i)
    if (std::find(keep.begin(), keep.end(), i) == keep.end()) Exclude(i);
}

void KyColumnExclusion::Include(int index) {
  if (index < 0 || index >= list_.Count() || index >= static_cast<int>(saved_.size())) return;
  list_.Item(index).access = saved_[static_cast<size_t>(index)];
}

void KyColumnExclusion::Restore() {
  const int n = std::min(list_.Count(), static_cast<int>(saved_.size()));
  for (int i = 0; i < n; ++i) list_.Item(i).access = saved_[static_cast<size_t>(i)];
}

int32_t KyColumnExclusion::SavedAccess(int index) const {
  if (index < 0 || index >= static_cast<int>(saved_.size())) return 0;
  return saved_[static_cast<size_t>(index)];
}

// ---------------------------------------------------------------------------
bool IsIpv4Text(const QString& text) {
  if (text.isEmpty() || text.size() > 15) return false;
  int dots = 0;
  QString octet;
  auto octetOk = [](const QString& o) {
    if (o.isEmpty() || o.size() > 3) return false;
    const int value = o.toInt();
    if (value > 255) return false;
    if (value == 0 && o.contains(QLatin1String("00"))) return false;
    return true;
  };
  for (int i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char('.')) {
      if (i == 0 || i + 1 >= text.size() || !text[i + 1].isDigit()) return false;
      if (!octetOk(octet)) return false;
      octet.clear();
      ++dots;
    } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      octet += c;
    } else {
      return false;
    }
  }
  return dots == 3 && octetOk(octet);
}

bool CheckIpv4Text(QWidget* owner, const QString& text, const QString& message) {
  if (IsIpv4Text(text)) return true;
  ShowMessageBox(owner, message, ProgramCaption());
  return false;
}

bool IsHexField(const QString& text, int digits) {
  if (text.size() != digits) return false;
  for (const QChar c : text) {
    const bool hex = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f')) ||
                     (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    if (!hex) return false;
  }
  return true;
}

bool CheckHexField(QWidget* owner, const QString& text, int digits, const QString& message) {
  if (IsHexField(text, digits)) return true;
  ShowMessageBox(owner, message, ProgramCaption());
  return false;
}
