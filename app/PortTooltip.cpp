#include "app/PortTooltip.h"

#include <QDateTime>
#include <QElapsedTimer>

#include "app/RawReader.h"
#include "app/TrafficGraphForm.h"
#include "tables/OptionTables.h"

namespace {

constexpr const char* kSysUpTime = "1.3.6.1.2.1.1.3.0";
// Rates come from the previous reading when it is at most this many
// intervals old.
constexpr int kRateSpanIntervals = 20;

QString OptionLabel(const KyOptionTable& table, const KyVb& vb) {
  if (vb.type != KyVbType::Integer) return {};
  for (const KyOptionPair& p : table.pairs)
    if (p.value == vb.integer) return QString::fromUtf8(p.label);
  return QString::number(vb.integer);
}

std::optional<uint64_t> Number(const KyVb& vb, uint8_t type) {
  if (vb.type != type) return std::nullopt;
  return vb.uinteger;
}

}  // namespace

QString PortInfoText(const KyPortInfo& info, bool reading) {
  QStringList lines;
  lines << QStringLiteral("Port %1").arg(info.port);
  if (!info.error.isEmpty()) {
    lines << QStringLiteral("Not read: %1").arg(info.error);
    return lines.join(QLatin1Char('\n'));
  }
  if (reading && info.link.isEmpty() && info.alias.isEmpty()) {
    lines << QStringLiteral("Reading...");
    return lines.join(QLatin1Char('\n'));
  }
  auto orUnknown = [](const QString& s) { return s.isEmpty() ? QStringLiteral("unknown") : s; };
  lines << QStringLiteral("Description: %1").arg(info.alias.isEmpty() ? QStringLiteral("-") : info.alias);
  lines << QStringLiteral("Link: %1, %2").arg(orUnknown(info.link), orUnknown(info.speed));
  lines << QStringLiteral("PVID: %1").arg(orUnknown(info.pvid));
  if (info.inBits && info.outBits)
    lines << QStringLiteral("In: %1, out: %2")
                 .arg(TTrafficGraphForm::BitsText(*info.inBits), TTrafficGraphForm::BitsText(*info.outBits));
  else
    lines << QStringLiteral("In/out: measured from the next reading");
  return lines.join(QLatin1Char('\n'));
}

KyPortTooltips::KyPortTooltips(QObject* parent, int intervalMs) : QObject(parent), intervalMs_(intervalMs) {}

KyPortTooltips::~KyPortTooltips() { reader_.reset(); }

qint64 KyPortTooltips::Now() const {
  if (clock) return clock();
  static QElapsedTimer since;
  if (!since.isValid()) since.start();
  return since.elapsed();
}

bool KyPortTooltips::Busy() const { return reader_ && reader_->Busy(); }

std::vector<std::string> KyPortTooltips::Oids(int port, bool counters64) {
  const std::string n = "." + std::to_string(port);
  return {kSysUpTime,
          "1.3.6.1.2.1.31.1.1.1.18" + n,                // ifAlias
          "1.3.6.1.4.1.32473.11.63.8.2.2.1.1.2" + n,    // link status
          "1.3.6.1.4.1.32473.11.63.8.2.2.1.1.3" + n,    // speed and duplex
          "1.3.6.1.2.1.17.7.1.4.5.1.1" + n,             // PVID
          (counters64 ? "1.3.6.1.2.1.31.1.1.1.6" : "1.3.6.1.2.1.2.2.1.10") + n,
          (counters64 ? "1.3.6.1.2.1.31.1.1.1.10" : "1.3.6.1.2.1.2.2.1.16") + n,
          (counters64 ? "1.3.6.1.2.1.31.1.1.1.15" : "1.3.6.1.2.1.2.2.1.5") + n};
}

QString KyPortTooltips::Text(int port, std::function<void(const QString&)> shown) {
  Entry& e = entries_[port];
  e.info.port = port;
  const bool fresh = e.readAt >= 0 && Now() - e.readAt < intervalMs_;
  if (fresh || e.reading) {
    if (e.reading) shown_ = std::move(shown);
    return PortInfoText(e.info, e.reading);
  }
  if (Busy()) return PortInfoText(e.info, true);  // another port's read is still out
  // Rates over a long gap would be no current rates: start again.
  if (e.readAt >= 0 && Now() - e.readAt > kRateSpanIntervals * static_cast<qint64>(intervalMs_)) e.rates.Reset();
  {
    KySNMPRequest probe;
    counters64_ = probe.security.version != SnmpVersion::V1;
  }
  reader_ = std::make_unique<KyRawReader>(std::vector<std::vector<std::string>>{Oids(port, counters64_)});
  readingPort_ = port;
  shown_ = std::move(shown);
  e.reading = true;
  e.readAt = Now();
  ++reads_;
  if (!reader_->Poll([this, port](const std::vector<KyVb>& values, const QString& error) { Done(port, values, error); })) {
    e.reading = false;
    e.info.error = QStringLiteral("the read could not be sent");
  }
  return PortInfoText(e.info, e.reading);
}

void KyPortTooltips::Done(int port, const std::vector<KyVb>& values, const QString& error) {
  Entry& e = entries_[port];
  e.reading = false;
  KyPortInfo& info = e.info;
  info = KyPortInfo{};
  info.port = port;
  auto at = [&](size_t i) -> const KyVb& {
    static const KyVb none;
    return i < values.size() ? values[i] : none;
  };
  if (!error.isEmpty() && at(0).type == KyVbType::Null) {
    info.error = error;
    e.rates.Reset();
  } else {
    if (at(1).type == KyVbType::OctetString) info.alias = QString::fromUtf8(at(1).octets.data(), static_cast<qsizetype>(at(1).octets.size()));
    info.link = OptionLabel(opt::PortLinkStatus, at(2));
    info.speed = OptionLabel(opt::PortNwayStatus, at(3));
    if (auto pvid = Number(at(4), KyVbType::Gauge32)) info.pvid = QString::number(*pvid);
    KyTrafficPoll poll;
    const auto up = Number(at(0), KyVbType::TimeTicks);
    poll.answered = up.has_value();
    poll.upTime = static_cast<uint32_t>(up.value_or(0));
    KyPortReading r;
    const uint8_t octetType = counters64_ ? KyVbType::Counter64 : KyVbType::Counter32;
    r.inOctets = {Number(at(5), octetType), counters64_ ? 64 : 32};
    r.outOctets = {Number(at(6), octetType), counters64_ ? 64 : 32};
    if (auto speed = Number(at(7), KyVbType::Gauge32)) r.speed = counters64_ ? *speed * 1000000ull : *speed;
    poll.ports.push_back(r);
    const auto rates = e.rates.Add(poll);
    if (!rates.empty()) {
      info.inBits = rates[0].rxBits;
      info.outBits = rates[0].txBits;
    }
  }
  if (readingPort_ == port && shown_) {
    auto shown = std::move(shown_);
    shown_ = nullptr;
    shown(PortInfoText(info, false));
  }
}
