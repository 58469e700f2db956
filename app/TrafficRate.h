// Rates of a port's traffic from two readings of its interface counters.
//
// One poll reads, in one request, sysUpTime and for every port its octet,
// error and discard counters and its speed. Two answered polls in a row give
// the rates over the agent's own time between them (sysUpTime). A rate is
// never negative or beyond what the port can carry:
//   - a 32-bit counter that wrapped once is unwrapped;
//   - a counter that went backwards for any other reason (the agent
//     restarted, the counters were cleared), or jumped further than the port
//     could have counted, gives no rate: its series starts again;
//   - sysUpTime that did not advance (restart) gives no rate at all;
//   - a poll without answer gives no rate, nor does the poll after it.
// Plain C++, no toolkit.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// One counter as read: its value (none when the agent had none) and width.
struct KyCounterReading {
  std::optional<uint64_t> value;
  int bits = 32;  // 32 (Counter32) or 64 (Counter64)
};

struct KyPortReading {
  KyCounterReading inOctets, outOctets, inErrors, outErrors, inDiscards, outDiscards;
  uint64_t speed = 0;  // bit/s; 0 when unknown (link down, not answered)
};

struct KyTrafficPoll {
  bool answered = false;
  uint32_t upTime = 0;  // sysUpTime, hundredths of a second
  std::vector<KyPortReading> ports;
};

// Rates of one port over one interval; none where there is a gap.
struct KyPortRates {
  std::optional<double> rxBits;    // bit/s received
  std::optional<double> txBits;    // bit/s sent
  std::optional<double> errors;    // in + out errors per second
  std::optional<double> discards;  // in + out discards per second
};

// Highest plausible rates of a port of `speed` bit/s (0: unknown, the
// fastest port of the family is assumed): octets and frames per second.
double KyMaxOctetRate(uint64_t speed);
double KyMaxFrameRate(uint64_t speed);

// The increase of a counter between two readings, or none when it is no
// plausible increase: `maxDelta` is the most it could have grown.
std::optional<uint64_t> KyCounterDelta(const KyCounterReading& before, const KyCounterReading& now, double maxDelta);

class KyTrafficRates {
 public:
  // Takes one poll (answered or not) and returns the rates of each of its
  // ports since the previous poll.
  std::vector<KyPortRates> Add(const KyTrafficPoll& poll);
  // Forgets the previous poll: the next one starts the series again.
  void Reset() { last_.reset(); }

 private:
  std::optional<KyTrafficPoll> last_;
};
