#include "app/TrafficRate.h"

#include <algorithm>

namespace {

// The fastest port of the family, assumed when the speed is unknown.
constexpr double kFastestPort = 10e9;
// Room above the nominal speed for the agent's clock and for counters that
// are updated in bursts.
constexpr double kSlack = 1.25;
// The shortest frame on the wire: 64 octets, preamble and inter-frame gap.
constexpr double kMinFrameBits = 84 * 8;

}  // namespace

double KyMaxOctetRate(uint64_t speed) {
  const double bps = speed > 0 ? static_cast<double>(speed) : kFastestPort;
  return bps * kSlack / 8;
}

double KyMaxFrameRate(uint64_t speed) {
  const double bps = speed > 0 ? static_cast<double>(speed) : kFastestPort;
  return bps * kSlack / kMinFrameBits;
}

std::optional<uint64_t> KyCounterDelta(const KyCounterReading& before, const KyCounterReading& now, double maxDelta) {
  if (!before.value || !now.value || before.bits != now.bits) return std::nullopt;
  const uint64_t a = *before.value, b = *now.value;
  uint64_t delta;
  if (b >= a) {
    delta = b - a;
  } else if (now.bits == 32 && a <= 0xFFFFFFFFull && b <= 0xFFFFFFFFull) {
    delta = (0x100000000ull - a) + b;  // wrapped once
  } else {
    return std::nullopt;  // a 64-bit counter never wraps in practice: reset
  }
  if (static_cast<double>(delta) > maxDelta) return std::nullopt;
  return delta;
}

std::vector<KyPortRates> KyTrafficRates::Add(const KyTrafficPoll& poll) {
  std::vector<KyPortRates> rates(poll.ports.size());
  if (!poll.answered) {
    last_.reset();
    return rates;
  }
  const bool usable = last_ && poll.upTime > last_->upTime && last_->ports.size() == poll.ports.size();
  if (!usable) {
    last_ = poll;
    return rates;
  }
  const double seconds = static_cast<double>(poll.upTime - last_->upTime) / 100.0;
  for (size_t p = 0; p < poll.ports.size(); ++p) {
    const KyPortReading& a = last_->ports[p];
    const KyPortReading& b = poll.ports[p];
    // The faster of the two speeds: a port may have come up meanwhile.
    const uint64_t speed = std::max(a.speed, b.speed);
    const double maxOctets = KyMaxOctetRate(speed) * seconds;
    const double maxFrames = KyMaxFrameRate(speed) * seconds;
    KyPortRates& r = rates[p];
    if (auto d = KyCounterDelta(a.inOctets, b.inOctets, maxOctets)) r.rxBits = static_cast<double>(*d) * 8 / seconds;
    if (auto d = KyCounterDelta(a.outOctets, b.outOctets, maxOctets)) r.txBits = static_cast<double>(*d) * 8 / seconds;
    auto in = KyCounterDelta(a.inErrors, b.inErrors, maxFrames);
    auto out = KyCounterDelta(a.outErrors, b.outErrors, maxFrames);
    if (in && out) r.errors = static_cast<double>(*in + *out) / seconds;
    in = KyCounterDelta(a.inDiscards, b.inDiscards, maxFrames);
    out = KyCounterDelta(a.outDiscards, b.outDiscards, maxFrames);
    if (in && out) r.discards = static_cast<double>(*in + *out) / seconds;
  }
  last_ = poll;
  return rates;
}
