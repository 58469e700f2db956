#include "app/PanelViews.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/FrontPanel.h"
#include "app/RawReader.h"
#include "editors/ControlBinding.h"
#include "snmp/Request.h"

// ---------------------------------------------------------------------------
// Decoding

namespace {

bool IsOctets(const KyVb& vb) { return vb.type == KyVbType::OctetString; }

bool PortBit(const std::string& bytes, int port) {
  const size_t n = static_cast<size_t>(port - 1);
  if (n / 8 >= bytes.size()) return false;
  return (static_cast<unsigned char>(bytes[n / 8]) >> (7 - n % 8)) & 1;
}

QString Missing(const KyVb& vb) {
  switch (vb.type) {
    case KyVbType::Null: return QStringLiteral("not answered");
    case KyVbType::NoSuchObject: return QStringLiteral("the switch lacks it");
    case KyVbType::NoSuchInstance: return QStringLiteral("no such instance");
    case KyVbType::EndOfMibView: return QStringLiteral("end of the MIB view");
    default: return QStringLiteral("wrong type (0x%1)").arg(vb.type, 2, 16, QLatin1Char('0'));
  }
}

KyPortShade Unknown(const QString& why) { return {KyPortMark::Unknown, 0, QString(), why}; }

QColor Blend(const QColor& a, const QColor& b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QString Percent(double p) {
  if (p > 0 && p < 1) return QStringLiteral("<1%");
  return QStringLiteral("%1%").arg(static_cast<int>(std::lround(p)));
}

QString PerSecond(double v) {
  if (v >= 1000) return QStringLiteral("%1k").arg(v / 1000, 0, 'f', 1);
  if (v >= 10 || v == 0) return QString::number(static_cast<int>(std::lround(v)));
  return QString::number(v, 'f', 1);
}

// The top of the error scale: this many errors and discards a second is red.
constexpr double kErrorScaleTop = 10;

}  // namespace

QColor ShadeColour(const KyPortShade& s) {
  switch (s.mark) {
    case KyPortMark::Unknown: return QColor(0x80, 0x80, 0x80);
    case KyPortMark::NoLink: return QColor(0x9a, 0x9a, 0x9a);
    case KyPortMark::Untagged: return QColor(0x2c, 0xa0, 0x2c);
    case KyPortMark::Tagged: return QColor(0x1f, 0x77, 0xb4);
    case KyPortMark::Forbidden: return QColor(0xd6, 0x27, 0x28);
    case KyPortMark::NotMember: return QColor(0xe8, 0xe8, 0xe8);
    case KyPortMark::Forwarding: return QColor(0x2c, 0xa0, 0x2c);
    case KyPortMark::Learning: return QColor(0xe6, 0xc2, 0x1a);
    case KyPortMark::Listening: return QColor(0x9e, 0xca, 0xe1);
    case KyPortMark::Blocking: return QColor(0xff, 0x7f, 0x0e);
    case KyPortMark::Disabled: return QColor(0xc8, 0xc8, 0xc8);
    case KyPortMark::Broken: return QColor(0xd6, 0x27, 0x28);
    case KyPortMark::Level: {
      const QColor green(0x2c, 0xa0, 0x2c), yellow(0xf0, 0xd0, 0x20), red(0xd6, 0x27, 0x28);
      return s.level < 0.5 ? Blend(green, yellow, s.level * 2) : Blend(yellow, red, (s.level - 0.5) * 2);
    }
  }
  return QColor();
}

QString MarkName(KyPortMark mark) {
  switch (mark) {
    case KyPortMark::Unknown: return QStringLiteral("unknown");
    case KyPortMark::NoLink: return QStringLiteral("no link");
    case KyPortMark::Untagged: return QStringLiteral("untagged member");
    case KyPortMark::Tagged: return QStringLiteral("tagged member");
    case KyPortMark::Forbidden: return QStringLiteral("forbidden");
    case KyPortMark::NotMember: return QStringLiteral("not a member");
    case KyPortMark::Forwarding: return QStringLiteral("forwarding");
    case KyPortMark::Learning: return QStringLiteral("learning");
    case KyPortMark::Listening: return QStringLiteral("listening");
    case KyPortMark::Blocking: return QStringLiteral("blocking/discarding");
    case KyPortMark::Disabled: return QStringLiteral("disabled");
    case KyPortMark::Broken: return QStringLiteral("broken");
    case KyPortMark::Level: return QStringLiteral("level");
  }
  return {};
}

QString ViewTitle(KyPanelView view) {
  switch (view) {
    case KyPanelView::Leds: return QStringLiteral("LEDs");
    case KyPanelView::Vlan: return QStringLiteral("VLAN membership");
    case KyPanelView::SpanningTree: return QStringLiteral("Spanning Tree State");
    case KyPanelView::Load: return QStringLiteral("Load");
    case KyPanelView::Errors: return QStringLiteral("Errors");
  }
  return {};
}

std::vector<KyPortShade> VlanShades(const KyVb& staticEgress, const KyVb& staticUntagged, const KyVb& forbidden,
                                    const KyVb& currentEgress, const KyVb& currentUntagged, QString* reason) {
  std::vector<KyPortShade> out(kPanelViewPorts);
  const bool current = IsOctets(currentEgress) && IsOctets(currentUntagged);
  const KyVb& egress = current ? currentEgress : staticEgress;
  const KyVb& untagged = current ? currentUntagged : staticUntagged;
  QString why;
  if (!IsOctets(egress)) {
    why = QStringLiteral("member ports: %1").arg(Missing(staticEgress));
  } else if (!IsOctets(untagged)) {
    why = QStringLiteral("untagged ports: %1").arg(Missing(staticUntagged));
  }
  if (!why.isEmpty()) {
    for (KyPortShade& s : out) s = Unknown(why);
    if (reason) *reason = why;
    return out;
  }
  const bool haveForbidden = IsOctets(forbidden);
  for (int p = 1; p <= kPanelViewPorts; ++p) {
    KyPortShade& s = out[static_cast<size_t>(p - 1)];
    if (haveForbidden && PortBit(forbidden.octets, p)) s.mark = KyPortMark::Forbidden;
    else if (PortBit(egress.octets, p)) s.mark = PortBit(untagged.octets, p) ? KyPortMark::Untagged : KyPortMark::Tagged;
    else s.mark = KyPortMark::NotMember;
    s.detail = MarkName(s.mark);
  }
  if (reason) *reason = haveForbidden ? QString() : QStringLiteral("forbidden ports: %1").arg(Missing(forbidden));
  return out;
}

KyPortShade StpShade(const KyVb& state, bool bridgeMib) {
  if (state.type != KyVbType::Integer) return Unknown(QStringLiteral("port state: %1").arg(Missing(state)));
  KyPortMark mark = KyPortMark::Unknown;
  if (bridgeMib) {
    switch (state.integer) {
      case 1: mark = KyPortMark::Disabled; break;
      case 2: mark = KyPortMark::Blocking; break;
      case 3: mark = KyPortMark::Listening; break;
      case 4: mark = KyPortMark::Learning; break;
      case 5: mark = KyPortMark::Forwarding; break;
      case 6: mark = KyPortMark::Broken; break;
      default: break;
    }
  } else {
    switch (state.integer) {
      case 1: mark = KyPortMark::Disabled; break;
      case 2: mark = KyPortMark::Blocking; break;
      case 3: mark = KyPortMark::Learning; break;
      case 4: mark = KyPortMark::Forwarding; break;
      case 5: mark = KyPortMark::Broken; break;
      default: break;
    }
  }
  if (mark == KyPortMark::Unknown) return Unknown(QStringLiteral("port state %1 is no known state").arg(state.integer));
  return {mark, 0, QString(), MarkName(mark)};
}

KyPortShade LoadShade(const KyPortRates& rates, uint64_t speed, std::optional<int64_t> link, bool first) {
  if (!link) return Unknown(QStringLiteral("link state not read"));
  if (*link != 1) return {KyPortMark::NoLink, 0, QString(), MarkName(KyPortMark::NoLink)};
  if (speed == 0) return Unknown(QStringLiteral("speed not read"));
  if (!rates.rxBits || !rates.txBits)
    return Unknown(first ? QStringLiteral("waiting for a second reading")
                         : QStringLiteral("no plausible rate for this interval (counters not read, reset, or beyond the port's speed)"));
  const double percent = std::max(*rates.rxBits, *rates.txBits) * 100.0 / static_cast<double>(speed);
  KyPortShade s{KyPortMark::Level, std::clamp(percent / 100.0, 0.0, 1.0), Percent(percent), QString()};
  s.detail = QStringLiteral("%1 of %2 Mbit/s").arg(Percent(percent)).arg(static_cast<double>(speed) / 1e6);
  return s;
}

KyPortShade ErrorShade(const KyPortRates& rates, bool first) {
  if (!rates.errors || !rates.discards)
    return Unknown(first ? QStringLiteral("waiting for a second reading")
                         : QStringLiteral("no plausible rate for this interval (counters not read, reset, or beyond the port's speed)"));
  const double perSecond = *rates.errors + *rates.discards;
  // A logarithmic scale: one a second is a third of the way, ten is the top.
  const double level = perSecond <= 0 ? 0 : std::clamp((std::log10(perSecond) + 0.5) / 1.5, 0.05, 1.0);
  KyPortShade s{KyPortMark::Level, level, perSecond > 0 ? PerSecond(perSecond) : QString(), QString()};
  s.detail = QStringLiteral("%1 errors and discards a second").arg(PerSecond(perSecond));
  return s;
}

// ---------------------------------------------------------------------------

KyPortShadeWidget::KyPortShadeWidget(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
}

void KyPortShadeWidget::SetShade(const KyPortShade& shade) {
  shade_ = shade;
  update();
}

void KyPortShadeWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect().adjusted(1, 1, -1, -1);
  QColor fill = ShadeColour(shade_);
  if (shade_.mark == KyPortMark::Unknown) {
    p.fillRect(r, QColor(0xd0, 0xd0, 0xd0, 200));
    p.fillRect(r, QBrush(QColor(0x40, 0x40, 0x40), Qt::BDiagPattern));
  } else {
    fill.setAlpha(210);
    p.fillRect(r, fill);
  }
  p.setPen(QColor(0, 0, 0, 160));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  if (!shade_.caption.isEmpty()) {
    QFont f = font();
    f.setPixelSize(std::max(7, height() / 3));
    f.setBold(true);
    p.setFont(f);
    p.setPen(shade_.mark == KyPortMark::Level && shade_.level > 0.35 && shade_.level < 0.75 ? Qt::black : Qt::white);
    p.drawText(rect(), Qt::AlignCenter, shade_.caption);
  }
}

// ---------------------------------------------------------------------------

namespace {

// The instances one poll of a view reads.
constexpr const char* kSysUpTime = "1.3.6.1.2.1.1.3.0";
constexpr const char* kStaticEgress = "1.3.6.1.2.1.17.7.1.4.3.1.2";
constexpr const char* kStaticForbidden = "1.3.6.1.2.1.17.7.1.4.3.1.3";
constexpr const char* kStaticUntagged = "1.3.6.1.2.1.17.7.1.4.3.1.4";
constexpr const char* kCurrentEgress = "1.3.6.1.2.1.17.7.1.4.2.1.4";
constexpr const char* kCurrentUntagged = "1.3.6.1.2.1.17.7.1.4.2.1.5";
constexpr const char* kMstPortState = "1.3.6.1.4.1.32473.12.15.2.5.1.6";
constexpr const char* kBridgePortState = "1.3.6.1.2.1.17.2.15.1.3";
constexpr const char* kIfOperStatus = "1.3.6.1.2.1.2.2.1.8";
constexpr const char* kIfSpeed = "1.3.6.1.2.1.2.2.1.5";
constexpr const char* kIfHighSpeed = "1.3.6.1.2.1.31.1.1.1.15";
constexpr const char* kIfInOctets = "1.3.6.1.2.1.2.2.1.10";
constexpr const char* kIfOutOctets = "1.3.6.1.2.1.2.2.1.16";
constexpr const char* kIfHcInOctets = "1.3.6.1.2.1.31.1.1.1.6";
constexpr const char* kIfHcOutOctets = "1.3.6.1.2.1.31.1.1.1.10";
constexpr const char* kIfInErrors = "1.3.6.1.2.1.2.2.1.14";
constexpr const char* kIfOutErrors = "1.3.6.1.2.1.2.2.1.20";
constexpr const char* kIfInDiscards = "1.3.6.1.2.1.2.2.1.13";
constexpr const char* kIfOutDiscards = "1.3.6.1.2.1.2.2.1.19";

// Per port in the load view: in and out octets, speed, link; in the error
// view: in and out errors, in and out discards.
constexpr int kLoadItems = 4;
constexpr int kErrorItems = 4;

std::string At(const char* column, int port) { return std::string(column) + "." + std::to_string(port); }

std::vector<std::vector<std::string>> Chunks(const std::vector<std::string>& oids) {
  std::vector<std::vector<std::string>> groups;
  for (size_t i = 0; i < oids.size(); i += kRawGroupSize)
    groups.emplace_back(oids.begin() + static_cast<long>(i),
                        oids.begin() + static_cast<long>(std::min(oids.size(), i + kRawGroupSize)));
  return groups;
}

std::optional<uint64_t> Number(const KyVb& vb, uint8_t type) {
  if (vb.type != type) return std::nullopt;
  return vb.uinteger;
}

}  // namespace

TPanelViewer::TPanelViewer(TPanelQRX900Form* panel, int intervalMs)
    : QObject(panel), panel_(panel), shades_(kPanelViewPorts) {
  timer_ = new QTimer(this);
  timer_->setInterval(intervalMs);
  connect(timer_, &QTimer::timeout, this, [this] { PollNow(); });
  for (int n = 1; n <= TPanelQRX900Form::kPortButtons; ++n) {
    auto* overlay = new KyPortShadeWidget(panel);
    overlay->setObjectName(QStringLiteral("PortShade%1").arg(n));
    overlay->setGeometry(panel->SpeedButton(n)->geometry());
    overlay->hide();
    overlays_.append(overlay);
  }
  BuildLegend();
}

TPanelViewer::~TPanelViewer() { reader_.reset(); }

void TPanelViewer::BuildLegend() {
  legend_ = new QWidget(panel_);
  legend_->setObjectName(QStringLiteral("PanelLegend"));
  legend_->setGeometry(0, 96, 783, kLegendHeight);
  legend_->setAutoFillBackground(true);
  auto* row = new QHBoxLayout(legend_);
  row->setContentsMargins(4, 1, 4, 1);
  row->setSpacing(6);
  title_ = new QLabel(legend_);
  title_->setObjectName(QStringLiteral("LegendTitle"));
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  swatches_ = new QLabel(legend_);
  swatches_->setObjectName(QStringLiteral("LegendColours"));
  swatches_->setTextFormat(Qt::RichText);
  instanceBox_ = new QSpinBox(legend_);
  instanceBox_->setObjectName(QStringLiteral("InstanceBox"));
  instanceBox_->setRange(0, 4094);
  instanceBox_->setPrefix(QStringLiteral("MSTI "));
  instanceBox_->setToolTip(QStringLiteral("The MST instance whose port states are shown"));
  instanceBox_->setValue(instance_);
  connect(instanceBox_, &QSpinBox::valueChanged, this, [this](int v) { SetInstance(v); });
  reasonLabel_ = new QLabel(legend_);
  reasonLabel_->setObjectName(QStringLiteral("LegendReason"));
  reasonLabel_->setStyleSheet(QStringLiteral("color: #b00000;"));
  row->addWidget(title_);
  row->addWidget(instanceBox_);
  row->addWidget(swatches_);
  row->addWidget(reasonLabel_, 1);
  legend_->hide();
}

QString TPanelViewer::LegendTitle() const { return title_->text(); }
QString TPanelViewer::LegendReason() const { return reasonLabel_->text(); }

void TPanelViewer::UpdateLegend() {
  QString title = ViewTitle(view_);
  if (view_ == KyPanelView::Vlan) title = QStringLiteral("VLAN %1").arg(vlan_);
  title_->setText(title + QLatin1Char(':'));
  instanceBox_->setVisible(view_ == KyPanelView::SpanningTree && !bridgeMib_);
  std::vector<std::pair<QColor, QString>> items;
  auto add = [&](KyPortMark m) { items.emplace_back(ShadeColour({m, 0, {}, {}}), MarkName(m)); };
  switch (view_) {
    case KyPanelView::Vlan:
      for (KyPortMark m : {KyPortMark::Untagged, KyPortMark::Tagged, KyPortMark::Forbidden, KyPortMark::NotMember}) add(m);
      break;
    case KyPanelView::SpanningTree:
      for (KyPortMark m : {KyPortMark::Forwarding, KyPortMark::Learning, KyPortMark::Listening, KyPortMark::Blocking,
                           KyPortMark::Disabled, KyPortMark::Broken})
        add(m);
      break;
    case KyPanelView::Load:
      items.emplace_back(ShadeColour({KyPortMark::Level, 0, {}, {}}), QStringLiteral("0%"));
      items.emplace_back(ShadeColour({KyPortMark::Level, 0.5, {}, {}}), QStringLiteral("50%"));
      items.emplace_back(ShadeColour({KyPortMark::Level, 1, {}, {}}), QStringLiteral("100%"));
      add(KyPortMark::NoLink);
      break;
    case KyPanelView::Errors:
      items.emplace_back(ShadeColour({KyPortMark::Level, 0, {}, {}}), QStringLiteral("none"));
      items.emplace_back(ShadeColour({KyPortMark::Level, 1.0 / 3, {}, {}}), QStringLiteral("1/s"));
      items.emplace_back(ShadeColour({KyPortMark::Level, 1, {}, {}}), QStringLiteral("10/s"));
      break;
    case KyPanelView::Leds: break;
  }
  QString html;
  for (const auto& [colour, name] : items)
    html += QStringLiteral("<span style=\"background:%1\">&nbsp;&nbsp;&nbsp;</span>&nbsp;%2&nbsp; ")
                .arg(colour.name(), name.toHtmlEscaped());
  html += QStringLiteral("<span style=\"background:#c0c0c0\">&nbsp;/&nbsp;</span>&nbsp;unknown");
  swatches_->setText(html);
  reasonLabel_->setText(reason_);
  reasonLabel_->setToolTip(reason_);
}

std::vector<std::vector<std::string>> TPanelViewer::Groups() const {
  switch (view_) {
    case KyPanelView::Vlan: {
      const std::string v = std::to_string(vlan_);
      // The current table on its own: an agent without it still answers the static one.
      return {{At(kStaticEgress, vlan_), At(kStaticUntagged, vlan_), At(kStaticForbidden, vlan_)},
              {std::string(kCurrentEgress) + ".0." + v, std::string(kCurrentUntagged) + ".0." + v}};
    }
    case KyPanelView::SpanningTree: {
      std::vector<std::string> oids;
      for (int p = 1; p <= kPanelViewPorts; ++p)
        oids.push_back(bridgeMib_ ? At(kBridgePortState, p) : At(kMstPortState, p) + "." + std::to_string(instance_));
      return Chunks(oids);
    }
    case KyPanelView::Load:
    case KyPanelView::Errors: {
      std::vector<std::string> oids{kSysUpTime};
      for (int p = 1; p <= kPanelViewPorts; ++p) {
        if (view_ == KyPanelView::Load) {
          oids.push_back(At(counters64_ ? kIfHcInOctets : kIfInOctets, p));
          oids.push_back(At(counters64_ ? kIfHcOutOctets : kIfOutOctets, p));
          oids.push_back(At(counters64_ ? kIfHighSpeed : kIfSpeed, p));
          oids.push_back(At(kIfOperStatus, p));
        } else {
          oids.push_back(At(kIfInErrors, p));
          oids.push_back(At(kIfOutErrors, p));
          oids.push_back(At(kIfInDiscards, p));
          oids.push_back(At(kIfOutDiscards, p));
        }
      }
      return Chunks(oids);
    }
    case KyPanelView::Leds: break;
  }
  return {};
}

void TPanelViewer::RetireReader() {
  std::erase_if(retired_, [](const std::unique_ptr<KyRawReader>& r) { return !r->Busy(); });
  if (!reader_) return;
  if (reader_->Busy()) {
    reader_->Discard();
    retired_.push_back(std::move(reader_));
  }
  reader_.reset();
}

void TPanelViewer::Show(KyPanelView view, int vlan) {
  timer_->stop();
  RetireReader();
  rates_.Reset();
  firstRates_ = true;
  view_ = view;
  if (vlan > 0) vlan_ = vlan;
  if (view == KyPanelView::Leds) {
    for (auto* o : overlays_) o->hide();
    legend_->hide();
    return;
  }
  {
    // The 64-bit counters where the version has them.
    KySNMPRequest probe;
    counters64_ = probe.security.version != SnmpVersion::V1;
  }
  reader_ = std::make_unique<KyRawReader>(Groups());
  SetAllUnknown(QStringLiteral("reading..."));
  for (auto* o : overlays_) {
    o->show();
    o->raise();
  }
  legend_->show();
  legend_->raise();
  if (!autoPoll) return;
  timer_->start();
  PollNow();
}

void TPanelViewer::SetInstance(int instance) {
  if (instance == instance_) return;
  instance_ = instance;
  if (instanceBox_->value() != instance) instanceBox_->setValue(instance);
  if (view_ == KyPanelView::SpanningTree) Show(view_);
}

bool TPanelViewer::Busy() const { return reader_ && reader_->Busy(); }

bool TPanelViewer::PollNow() {
  std::erase_if(retired_, [](const std::unique_ptr<KyRawReader>& r) { return !r->Busy(); });
  if (!reader_ || reader_->Busy()) return false;
  return reader_->Poll([this](const std::vector<KyVb>& values, const QString& error) { TakeReading(values, error); });
}

void TPanelViewer::SetAllUnknown(const QString& reason) {
  for (KyPortShade& s : shades_) s = Unknown(reason);
  reason_ = reason;
  Apply();
}

void TPanelViewer::Apply() {
  for (int n = 1; n <= TPanelQRX900Form::kPortButtons; ++n) {
    const int port = TPanelQRX900Form::ButtonPort(n);
    if (port >= 1 && port <= kPanelViewPorts) overlays_[n - 1]->SetShade(shades_[static_cast<size_t>(port - 1)]);
  }
  UpdateLegend();
}

std::vector<std::string> TPanelViewer::PolledOids() const {
  std::vector<std::string> oids;
  for (const auto& group : Groups()) oids.insert(oids.end(), group.begin(), group.end());
  return oids;
}

void TPanelViewer::TakeReading(const std::vector<KyVb>& values, const QString& error) {
  ++polls_;
  QString reason;
  auto valueAt = [&](size_t i) -> const KyVb& {
    static const KyVb none;
    return i < values.size() ? values[i] : none;
  };
  switch (view_) {
    case KyPanelView::Vlan:
      shades_ = VlanShades(valueAt(0), valueAt(1), valueAt(2), valueAt(3), valueAt(4), &reason);
      if (!IsOctets(valueAt(0)) && !IsOctets(valueAt(3)) && valueAt(0).type == KyVbType::NoSuchInstance)
        reason = QStringLiteral("VLAN %1 does not exist on the switch").arg(vlan_);
      break;
    case KyPanelView::SpanningTree: {
      bool anyState = false;
      for (int p = 1; p <= kPanelViewPorts; ++p) {
        shades_[static_cast<size_t>(p - 1)] = StpShade(valueAt(static_cast<size_t>(p - 1)), bridgeMib_);
        anyState = anyState || valueAt(static_cast<size_t>(p - 1)).type == KyVbType::Integer;
        if (shades_[static_cast<size_t>(p - 1)].mark == KyPortMark::Unknown && reason.isEmpty())
          reason = QStringLiteral("port %1: %2").arg(p).arg(shades_[static_cast<size_t>(p - 1)].detail);
      }
      // A switch without its own MSTP port table: the bridge MIB's port
      // state from the next poll on.
      if (!anyState && !bridgeMib_ && error.isEmpty() && valueAt(0).type == KyVbType::NoSuchObject) {
        bridgeMib_ = true;
        // Not from inside the reader's own callback: once it has returned.
        QTimer::singleShot(0, this, [this] {
          if (view_ != KyPanelView::SpanningTree || !bridgeMib_) return;
          RetireReader();
          reader_ = std::make_unique<KyRawReader>(Groups());
        });
      }
      break;
    }
    case KyPanelView::Load:
    case KyPanelView::Errors: {
      KyTrafficPoll poll;
      const auto up = Number(valueAt(0), KyVbType::TimeTicks);
      poll.answered = up.has_value();
      poll.upTime = static_cast<uint32_t>(up.value_or(0));
      std::vector<std::optional<int64_t>> link(kPanelViewPorts);
      const uint8_t octetType = counters64_ ? KyVbType::Counter64 : KyVbType::Counter32;
      const int octetBits = counters64_ ? 64 : 32;
      for (int p = 0; p < kPanelViewPorts; ++p) {
        const size_t b = 1 + static_cast<size_t>(p) * (view_ == KyPanelView::Load ? kLoadItems : kErrorItems);
        KyPortReading r;
        if (view_ == KyPanelView::Load) {
          r.inOctets = {Number(valueAt(b), octetType), octetBits};
          r.outOctets = {Number(valueAt(b + 1), octetType), octetBits};
          if (auto speed = Number(valueAt(b + 2), KyVbType::Gauge32))
            r.speed = counters64_ ? *speed * 1000000ull : *speed;
          if (valueAt(b + 3).type == KyVbType::Integer) link[static_cast<size_t>(p)] = valueAt(b + 3).integer;
        } else {
          r.inErrors = {Number(valueAt(b), KyVbType::Counter32), 32};
          r.outErrors = {Number(valueAt(b + 1), KyVbType::Counter32), 32};
          r.inDiscards = {Number(valueAt(b + 2), KyVbType::Counter32), 32};
          r.outDiscards = {Number(valueAt(b + 3), KyVbType::Counter32), 32};
        }
        poll.ports.push_back(r);
      }
      std::vector<KyPortRates> rates = rates_.Add(poll);
      rates.resize(kPanelViewPorts);
      for (int p = 0; p < kPanelViewPorts; ++p) {
        const size_t i = static_cast<size_t>(p);
        shades_[i] = view_ == KyPanelView::Load ? LoadShade(rates[i], poll.ports[i].speed, link[i], firstRates_)
                                                : ErrorShade(rates[i], firstRates_);
        if (shades_[i].mark == KyPortMark::Unknown && reason.isEmpty())
          reason = QStringLiteral("port %1: %2").arg(p + 1).arg(shades_[i].detail);
      }
      if (!poll.answered && error.isEmpty()) reason = QStringLiteral("sysUpTime: %1").arg(Missing(valueAt(0)));
      firstRates_ = !poll.answered;
      break;
    }
    case KyPanelView::Leds: return;
  }
  if (!error.isEmpty()) reason = error;
  reason_ = reason;
  Apply();
  emit polled();
}

// ---------------------------------------------------------------------------

int ChooseVlan(QWidget* owner, int current) {
  QDialog dialog(owner);
  dialog.setObjectName(QStringLiteral("ChooseVlanForm"));
  dialog.setWindowTitle(QStringLiteral("VLAN membership"));
  auto* list = new QTreeWidget(&dialog);
  list->setObjectName(QStringLiteral("VlanList"));
  list->setRootIsDecorated(false);
  auto* status = new QLabel(&dialog);
  status->setObjectName(QStringLiteral("StatusLine"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QStringLiteral("Show the members of:"), &dialog));
  layout->addWidget(list, 1);
  layout->addWidget(status);
  layout->addWidget(buttons);
  dialog.resize(320, 360);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(list, &QTreeWidget::itemDoubleClicked, &dialog, &QDialog::accept);

  KySNMPRequest2Edits editor(&dialog);
  KySNMPVarList vars;
  vars.kind = 3;
  vars.keyCount = 1;
  vars.name = " VLAN";
  vars.AppendItem(" ", "VLAN", Syntax::Gauge32, Access::Key);
  vars.AppendItem("1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", Syntax::DisplayString, Access::Read);
  editor.request.varList = vars;
  editor.AttachListView(list, false);
  editor.SetStatusTarget(status);
  editor.getDone = [list, current](void*, KySNMPRequest2Controls*, const KySNMPError&) {
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      if (list->topLevelItem(i)->text(0).toInt() == current) list->setCurrentItem(list->topLevelItem(i));
    if (!list->currentItem() && list->topLevelItemCount() > 0) list->setCurrentItem(list->topLevelItem(0));
  };
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  try {
    editor.Refresh();
  } catch (const std::exception& e) {
    status->setText(QString::fromLocal8Bit(e.what()));
  }
  const int result = dialog.exec();
  int vlan = 0;
  if (result == QDialog::Accepted && list->currentItem()) vlan = list->currentItem()->text(0).toInt();
  // A walk still running ends before the editor goes.
  editor.StopAndWait();
  return vlan;
}
