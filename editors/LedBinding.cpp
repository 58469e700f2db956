#include "editors/LedBinding.h"

#include <QFrame>
#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "editors/ByteImage.h"
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

// ---------------------------------------------------------------------------
KySNMPRequest2Leds::KySNMPRequest2Leds(QWidget* owner)
    : KySNMPRequest2Controls(owner), pollTimer_(std::make_unique<QTimer>()), blinkTimer_(std::make_unique<QTimer>()) {
  QObject::connect(pollTimer_.get(), &QTimer::timeout, [this] { PollTick(); });
  QObject::connect(blinkTimer_.get(), &QTimer::timeout, [this] { BlinkTick(); });
  blinkTimer_->start(kBlinkIntervalMs);
}

KySNMPRequest2Leds::~KySNMPRequest2Leds() {
  StopPolling();
  Detach();
}

void KySNMPRequest2Leds::Paint(Led& led, KyColor colour) {
  if (!led.shape) return;
  led.shape->SetColours(colour, colour);
  led.shape->show();
}

void KySNMPRequest2Leds::AddLed(int variable, int position, const KySNMPLedColorMapList& map, KyLedShape* shape) {
  Led led;
  led.variable = variable;
  led.position = position;
  led.map = &map;
  led.shape = shape;
  led.blink = false;
  led.colour = map.baseColour();
  Paint(led, led.colour);
  leds_.push_back(led);
}

void KySNMPRequest2Leds::AddLedRow(int variable, const std::string& positions, const KySNMPLedColorMapList& map,
                                   QFrame* panel, int left, int gap, KyLedShape::Kind kind, int width, int height) {
  const QStringList parts = QString::fromStdString(positions).split(',');
  int i = 0;
  for (const QString& part : parts) {
    bool ok = false;
    const int position = part.trimmed().toInt(&ok);
    if (!ok) RaiseCommon(-KyErr::BadLogicOperand);
    auto* shape = new KyLedShape(panel, kind);
    shape->setObjectName(QString("%1Led%2").arg(panel ? panel->objectName() : QString()).arg(i + 1));
    shape->setGeometry(left + i * (gap + width), 1, width, height);
    shape->show();
    AddLed(variable, position, map, shape);
    ++i;
  }
  if (panel) panel->setFrameShape(QFrame::NoFrame);
}

void KySNMPRequest2Leds::SetMode(int mode, int threshold) {
  mode_ = mode > 0 ? mode : 1;
  threshold_ = threshold > 0 ? threshold : 4;
}

void KySNMPRequest2Leds::StartPolling(int interval) {
  pollTimer_->setInterval(std::max(1, interval) * 10);
  pollTimer_->start();
  try {
    Refresh();
  } catch (...) {
    ResetLeds();
    throw;
  }
}

void KySNMPRequest2Leds::StopPolling() {
  pollTimer_->stop();
  blinkTimer_->stop();
  ResetLeds();
}

void KySNMPRequest2Leds::ResetLeds() {
  for (Led& led : leds_) {
    led.blink = false;
    led.colour = led.map->baseColour();
    Paint(led, led.colour);
  }
}

void KySNMPRequest2Leds::PollTick() {
  try {
    Refresh();
  } catch (const std::exception& e) {
    ResetLeds();
    statusKind = kGetStatus;
    if (StatusTarget())
      ShowStatus(ErrorText(e));
    else
      ShowMessageBox(Owner(), QString::fromStdString(ErrorText(e)), ProgramCaption());
  }
}

void KySNMPRequest2Leds::RowReceived() {
  blinkTicks_ = 0;
  valueTooShort_ = false;
  try {
    for (Led& led : leds_) UpdateLed(led);
  } catch (...) {
    // A value that does not fit the LEDs is a failed poll.
    ResetLeds();
    throw;
  }
  PaintStep();
  // The LEDs the value covers are shown; that it does not cover them all is
  // still a fault of the device, never an "Ok".
  if (valueTooShort_) RaiseKySnmp(KyErr::AssocIndexOutOfRange);
}

void KySNMPRequest2Leds::GetFailed(const KySNMPError& result) {
  ResetLeds();
  KySNMPRequest2Controls::GetFailed(result);
}

void KySNMPRequest2Leds::UpdateLed(Led& led) {
  const KySNMPVarList& list = request.varList;
  if (led.variable < 0 || led.variable >= list.Count()) RaiseKySnmp(KyErr::AssocIndexOutOfRange);
  const KySNMPVarDef& var = list.Item(led.variable);
  std::string text = var.value;
  if (var.options) text = var.options->LabelToValue(text);
  const std::string image = TextToImage(text, var.syntax);
  const int size = static_cast<int>(image.size());
  const bool pair = mode_ == 2 && led.position >= threshold_;
  if (led.position < 0 || led.position >= size ||
      (pair && static_cast<uint8_t>(image[static_cast<size_t>(led.position)]) != 1 && led.position + 1 >= size))
    valueTooShort_ = true;
  const KyLedState state = DecodeLed(image, led.position, *led.map, mode_, threshold_);
  led.colour = state.colour;
  led.blink = state.blink;
}

void KySNMPRequest2Leds::PaintStep() {
  bool anyBlinks = false;
  for (Led& led : leds_) {
    if (!led.blink) {
      Paint(led, led.colour);
      continue;
    }
    anyBlinks = true;
    const bool showsBase = !led.shape || led.shape->fill() == led.map->baseColour();
    Paint(led, showsBase || blinkTicks_ > blinkLimit ? led.colour : led.map->baseColour());
  }
  if (anyBlinks) ++blinkTicks_;
}
