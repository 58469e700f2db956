#include "editors/LedBinding.h"

#include <QPainter>

#include "editors/Errors.h"
#include "snmp/Messages.h"

QColor ToQColor(KyColor colour) {
  const auto c = static_cast<uint32_t>(colour);
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

KyColor FromQColor(const QColor& colour) {
  return static_cast<KyColor>(static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8) |
                              (static_cast<uint32_t>(colour.blue()) << 16));
}

// ---------------------------------------------------------------------------
KySNMPLedColorMapList::KySNMPLedColorMapList(uint8_t colourMask, uint8_t blinkMask, KyColor baseColour,
                                             KyColor absentColour, std::span<const KyLedColorPair> table)
    : colourMask_(colourMask), blinkMask_(blinkMask), baseColour_(baseColour), absentColour_(absentColour) {
  for (const auto& pair : table) {
    if (pair.colour == kNoColor) break;
    entries_.push_back({pair.value, pair.colour});
  }
}

KyColor KySNMPLedColorMapList::Lookup(uint8_t v) const {
  for (const auto& e : entries_)
    if (static_cast<uint8_t>(e.value) == v) return e.colour;
  return kLedBlack;
}

KyLedState DecodeLed(const std::string& image, int position, const KySNMPLedColorMapList& map, int mode,
                     int threshold) {
  const auto byteAt = [&](int i) { return static_cast<uint8_t>(image[static_cast<size_t>(i)]); };
  const int size = static_cast<int>(image.size());
  const auto beyond = [&]() -> KyLedState {
    if (map.absentColour() == kNoColor) RaiseKySnmp(KyErr::AssocIndexOutOfRange);
    return {map.absentColour(), false};
  };
  if (position < 0 || position >= size) return beyond();

  if (mode != 2 || position < threshold) {
    const uint8_t b = byteAt(position);
    return {map.Lookup(b & map.colourMask()), (b & map.blinkMask()) != 0};
  }
  // A (status, colour) pair. Status 1: no LED there.
  const uint8_t s = byteAt(position);
  if (s == 1) return {map.absentColour() == kNoColor ? map.baseColour() : map.absentColour(), false};
  // A value that ends after the status byte has no colour for this LED.
  if (position + 1 >= size) return beyond();
  return {map.Lookup(byteAt(position + 1) & map.colourMask()), (s & map.blinkMask()) != 0};
}

// ---------------------------------------------------------------------------
KyLedShape::KyLedShape(QWidget* parent, Kind kind) : QWidget(parent), kind_(kind) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void KyLedShape::SetKind(Kind kind) {
  kind_ = kind;
  update();
}

void KyLedShape::SetColours(KyColor fill, KyColor outline) {
  if (fill == fill_ && outline == outline_) return;
  fill_ = fill;
  outline_ = outline;
  update();
}

void KyLedShape::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(ToQColor(outline_));
  p.setBrush(ToQColor(fill_));
  QRect r = rect().adjusted(0, 0, -1, -1);
  if (kind_ == Square || kind_ == RoundSquare || kind_ == Circle) {
    const int side = std::min(r.width(), r.height());
    r = QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
  }
  switch (kind_) {
    case Rectangle:
    case Square:
      p.drawRect(r);
      break;
    case RoundRect:
    case RoundSquare:
      p.setRenderHint(QPainter::Antialiasing);
      p.drawRoundedRect(r, 25, 25, Qt::RelativeSize);
      break;
    case Ellipse:
    case Circle:
      p.setRenderHint(QPainter::Antialiasing);
      p.drawEllipse(r);
      break;
  }
}
