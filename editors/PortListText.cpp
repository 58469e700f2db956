#include "editors/PortListText.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>
#include <algorithm>
#include <cctype>

#include "editors/ByteImage.h"

std::string PortRangeText(std::string_view bytes) {
  std::string text;
  const int bits = static_cast<int>(bytes.size()) * 8;
  auto set = [&](int n) { return (static_cast<unsigned char>(bytes[static_cast<size_t>(n / 8)]) >> (7 - n % 8)) & 1; };
  for (int n = 0; n < bits;) {
    if (!set(n)) {
      ++n;
      continue;
    }
    int end = n;
    while (end + 1 < bits && set(end + 1)) ++end;
    if (!text.empty()) text += ", ";
    text += std::to_string(n + 1);
    if (end > n) text += "-" + std::to_string(end + 1);
    n = end + 1;
  }
  return text.empty() ? "none" : text;
}

QString PortListCellText(const QString& valueText) {
  const std::string text = valueText.toStdString();
  if (text.empty()) return QStringLiteral("none");
  // Only a whole hex text is a value: placeholders and anything else show as they are.
  const bool hex = text.size() % 2 == 0 &&
                   std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; });
  if (!hex) return valueText;
  try {
    return QString::fromStdString(PortRangeText(TextToImage(text, Syntax::Bits)));
  } catch (const std::exception&) {
    return valueText;
  }
}

bool IsPortListVariable(Syntax syntax, std::string_view label) {
  if (syntax != Syntax::Bits) return false;
  std::string lower(label);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  // The static unicast table's "Allowed To Go To" is a port list by name only.
  if (lower.find("allowed to go to") != std::string::npos) return true;
  return lower.find("port") != std::string::npos && lower.find("capabilit") == std::string::npos;
}

QString KyPortListDelegate::Text(const QModelIndex& index) const {
  return PortListCellText(index.data(Qt::DisplayRole).toString());
}

QString KyPortListDelegate::ToolTip(const QModelIndex& index) { return index.data(Qt::DisplayRole).toString(); }

bool KyPortListDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) {
  if (event != nullptr && event->type() == QEvent::ToolTip && index.isValid()) {
    QToolTip::showText(event->globalPos(), ToolTip(index), view);
    return true;
  }
  return QStyledItemDelegate::helpEvent(event, view, option, index);
}

void KyPortListDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  option->text = Text(index);
}
