// Draws the images of the front-panel view and the about box:
//   front-panel.png      783 x 96, the QRX-900 front panel behind the port buttons
//   port-rj45-up.png     21 x 17, a copper port of the upper row (latch at the top)
//   port-rj45-down.png   21 x 17, a copper port of the lower row (latch at the bottom)
//   port-sfp.png         17 x 11, a fibre (SFP) slot
//   model-<name>.png     32 x 32, the model icons of the about box
// Usage: draw-front-panel <output folder>. Built and run by scripts/draw-front-panel.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

QString out;

void Save(const QImage& img, const QString& name) {
  const QString path = out + "/" + name;
  if (!img.save(path, "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
  std::printf("%s %dx%d\n", qPrintable(path), img.width(), img.height());
}

QFont Font(int pixelSize, bool bold = false) {
  QFont f("DejaVu Sans");
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setStyleStrategy(QFont::PreferAntialias);
  return f;
}

// A recess in the chassis: darker than the chassis, light lower-right edge.
void Recess(QPainter& p, const QRect& r) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1b, 0x1e, 0x22));
  p.drawRect(r);
  p.setPen(QColor(0x0e, 0x10, 0x12));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(QColor(0x6a, 0x72, 0x7a));
  p.drawLine(r.bottomLeft() + QPoint(1, 0), r.bottomRight());
  p.drawLine(r.topRight() + QPoint(0, 1), r.bottomRight());
}

// The window of an LED: a small dark square.
void LedWindow(QPainter& p, const QRect& r) {
  p.setPen(QColor(0x10, 0x10, 0x10));
  p.setBrush(QColor(0x26, 0x26, 0x26));
  p.drawRect(r.adjusted(0, 0, -1, -1));
}

void Text(QPainter& p, const QRect& r, int flags, const QString& text, const QFont& font,
          const QColor& colour = QColor(0xe4, 0xe8, 0xec)) {
  p.setFont(font);
  p.setPen(colour);
  p.drawText(r, flags, text);
}

QImage FrontPanel() {
  QImage img(783, 96, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setRenderHint(QPainter::TextAntialiasing, true);

  // Chassis: brushed dark grey, light top edge, dark bottom edge, rack ears.
  QLinearGradient g(0, 0, 0, 96);
  g.setColorAt(0.0, QColor(0x5c, 0x64, 0x6c));
  g.setColorAt(0.08, QColor(0x4a, 0x51, 0x58));
  g.setColorAt(0.9, QColor(0x3b, 0x41, 0x47));
  g.setColorAt(1.0, QColor(0x2a, 0x2e, 0x32));
  p.fillRect(img.rect(), g);
  for (int y = 3; y < 93; y += 2) {  // faint brushing
    p.setPen(QColor(255, 255, 255, (y / 2) % 3 == 0 ? 7 : 3));
    p.drawLine(2, y, 780, y);
  }
  p.setPen(QColor(0x8a, 0x93, 0x9c));
  p.drawLine(0, 0, 782, 0);
  p.drawLine(0, 0, 0, 95);
  p.setPen(QColor(0x1c, 0x1f, 0x22));
  p.drawLine(0, 95, 782, 95);
  p.drawLine(782, 0, 782, 95);

  // Maker's badge and model at the left.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x1d, 0x5c, 0xa8));
  p.drawRect(5, 6, 44, 13);
  Text(p, QRect(5, 6, 44, 13), Qt::AlignCenter, "Norvane", Font(8, true), Qt::white);
  Text(p, QRect(3, 22, 50, 12), Qt::AlignCenter, "QRX-900", Font(9, true));
  Text(p, QRect(3, 34, 50, 9), Qt::AlignCenter, "52-Port GbE", Font(6));
  Text(p, QRect(3, 42, 50, 9), Qt::AlignCenter, "Managed", Font(6));

  // Power and console LEDs with their labels.
  LedWindow(p, QRect(53, 59, 7, 7));
  LedWindow(p, QRect(53, 75, 7, 7));
  Text(p, QRect(8, 57, 43, 10), Qt::AlignRight | Qt::AlignVCenter, "Power", Font(7));
  Text(p, QRect(8, 73, 43, 10), Qt::AlignRight | Qt::AlignVCenter, "Console", Font(7));

  // The three blocks of 16 copper ports: LEDs in port order along the top,
  // the ports below them in two rows, odd ports above even ones.
  const int blockLeft[3] = {65, 280, 492};
  const int ledLeft[3] = {67, 280, 496};
  for (int b = 0; b < 3; ++b) {
    for (int i = 0; i < 16; ++i) {
      const int x = ledLeft[b] + 1 + 13 * i;
      LedWindow(p, QRect(x - 1, 8, 8, 8));
      Text(p, QRect(x - 4, 16, 14, 8), Qt::AlignCenter, QString::number(b * 16 + i + 1), Font(6),
           QColor(0xc8, 0xce, 0xd4));
    }
    for (int c = 0; c < 8; ++c) {
      int x = blockLeft[b] + 25 * c;
      if (b == 2 && c == 7) x = 668;  // the last column of the third block
      Recess(p, QRect(x, 25, 25, 23));
      Recess(p, QRect(x, 51, 25, 24));
    }
    // Block frame and its range below the ports.
    const int left = blockLeft[b] - 2;
    const int right = (b == 2 ? 668 + 25 : blockLeft[b] + 200) + 1;
    p.setPen(QColor(0xa8, 0xb0, 0xb8));
    p.setBrush(Qt::NoBrush);
    p.drawLine(left, 80, left, 84);
    p.drawLine(right, 80, right, 84);
    p.drawLine(left, 84, right, 84);
    const QString range = QString("%1 - %2").arg(b * 16 + 1).arg(b * 16 + 16);
    const int mid = (left + right) / 2;
    p.fillRect(QRect(mid - 20, 80, 40, 9), QColor(0x3d, 0x43, 0x49));
    Text(p, QRect(mid - 20, 79, 40, 10), Qt::AlignCenter, range, Font(7));
  }
  Text(p, QRect(65, 86, 300, 9), Qt::AlignLeft | Qt::AlignVCenter,
       "10/100/1000BASE-T    Link/Act: green 1000M, orange 10/100M", Font(6), QColor(0xb4, 0xbc, 0xc4));

  // Combo ports 49 to 52: two SFP slots, four copper ports, their LEDs.
  Recess(p, QRect(696, 28, 25, 19));
  Recess(p, QRect(696, 54, 25, 19));
  Text(p, QRect(694, 17, 29, 9), Qt::AlignCenter, "SFP", Font(6, true));
  for (int i = 0; i < 2; ++i) {
    Recess(p, QRect(730 + 26 * i, 26, 22, 23));
    Recess(p, QRect(730 + 26 * i, 51, 22, 23));
  }
  const int uplinkLed[4] = {734, 747, 760, 773};
  for (int i = 0; i < 4; ++i) {
    LedWindow(p, QRect(uplinkLed[i], 8, 7, 7));
    Text(p, QRect(uplinkLed[i] - 3, 16, 13, 8), Qt::AlignCenter, QString::number(49 + i), Font(6),
         QColor(0xc8, 0xce, 0xd4));
  }
  p.setPen(QColor(0xa8, 0xb0, 0xb8));
  p.drawLine(694, 84, 780, 84);
  p.fillRect(QRect(707, 80, 62, 9), QColor(0x3d, 0x43, 0x49));
  Text(p, QRect(707, 79, 62, 10), Qt::AlignCenter, "49 - 52 combo", Font(7));
  return img;
}

// A copper port seen from the front: a dark socket with its contacts, the
// latch notch at the top (up) or at the bottom (down).
QImage Rj45(bool latchUp) {
  QImage img(21, 17, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  // Metal shield.
  p.setPen(QColor(0x80, 0x86, 0x8c));
  p.setBrush(QColor(0xb8, 0xbe, 0xc4));
  p.drawRect(0, 0, 20, 16);
  // Socket opening with the latch notch.
  QPainterPath hole;
  hole.addRect(3, 3, 15, 11);
  if (latchUp)
    hole.addRect(7, 1, 7, 2);
  else
    hole.addRect(7, 14, 7, 2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x14, 0x14, 0x16));
  p.drawPath(hole.simplified());
  // Eight gold contacts on the side away from the latch.
  p.setPen(QColor(0xd4, 0xaa, 0x3c));
  const int y0 = latchUp ? 11 : 4;
  const int y1 = latchUp ? 13 : 6;
  for (int i = 0; i < 8; ++i) p.drawLine(4 + 2 * i - (i > 3 ? 1 : 0), y0, 4 + 2 * i - (i > 3 ? 1 : 0), y1);
  return img;
}

// An SFP cage seen from the front, with its dust plug.
QImage Sfp() {
  QImage img(17, 11, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setPen(QColor(0x70, 0x76, 0x7c));
  p.setBrush(QColor(0xc4, 0xca, 0xd0));
  p.drawRect(0, 0, 16, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x18, 0x18, 0x1a));
  p.drawRect(2, 2, 13, 7);
  p.setBrush(QColor(0x2c, 0x2c, 0x30));
  p.drawRect(4, 4, 9, 3);
  return img;
}

// A model icon: a small switch with ports, the model's number below.
QImage ModelIcon(const QString& label, const QColor& accent, bool poe) {
  QImage img(32, 32, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setPen(QColor(0x22, 0x26, 0x2a));
  p.setBrush(QColor(0x4a, 0x51, 0x58));
  p.drawRect(1, 6, 29, 12);
  p.setPen(Qt::NoPen);
  p.setBrush(accent);
  p.drawRect(2, 7, 5, 10);
  p.setBrush(QColor(0x14, 0x14, 0x16));
  for (int i = 0; i < 5; ++i) {
    p.drawRect(9 + 4 * i, 8, 3, 3);
    p.drawRect(9 + 4 * i, 13, 3, 3);
  }
  if (poe) {
    p.setBrush(QColor(0xf0, 0xc0, 0x20));
    p.drawRect(26, 2, 4, 4);
  }
  p.setFont(Font(8, true));
  p.setPen(QColor(0x20, 0x30, 0x48));
  p.drawText(QRect(0, 19, 32, 12), Qt::AlignCenter, label);
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
    return 2;
  }
  out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(out);
  Save(FrontPanel(), "front-panel.png");
  Save(Rj45(true), "port-rj45-up.png");
  Save(Rj45(false), "port-rj45-down.png");
  Save(Sfp(), "port-sfp.png");
  Save(ModelIcon("700", QColor(0x1d, 0x5c, 0xa8), false), "model-QRX-700.png");
  Save(ModelIcon("700P", QColor(0x1d, 0x5c, 0xa8), true), "model-QRX-700P.png");
  Save(ModelIcon("900", QColor(0x2a, 0x8c, 0x4a), false), "model-QRX-900.png");
  Save(ModelIcon("900P", QColor(0x2a, 0x8c, 0x4a), true), "model-QRX-900P.png");
  Save(ModelIcon("700G", QColor(0xa8, 0x5c, 0x1d), false), "model-QRX-700G.png");
  return 0;
}
