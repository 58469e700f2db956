// Rates from two polls of a port's counters: ordinary increases, a 32-bit
// wrap, counters and sysUpTime going backwards, implausible jumps, missed
// polls and values the agent did not have.
#include <gtest/gtest.h>

#include "app/TrafficRate.h"

namespace {

constexpr uint64_t k32 = 0x100000000ull;

KyTrafficPoll Poll(uint32_t upTime, uint64_t inOctets, uint64_t outOctets, uint64_t errors, int octetBits = 64,
                   uint64_t speed = 1000000000ull) {
  KyTrafficPoll p;
  p.answered = true;
  p.upTime = upTime;
  KyPortReading r;
  r.inOctets = {inOctets, octetBits};
  r.outOctets = {outOctets, octetBits};
  r.inErrors = {errors, 32};
  r.outErrors = {0, 32};
  r.inDiscards = {7, 32};
  r.outDiscards = {7, 32};
  r.speed = speed;
  p.ports.push_back(r);
  return p;
}

// A poll that got no answer.
KyTrafficPoll Silent() {
  KyTrafficPoll p = Poll(0, 0, 0, 0);
  p.answered = false;
  return p;
}

struct RateCase {
  const char* name;
  KyTrafficPoll before, after;
  std::optional<double> rx, errors;
};

class RateTable : public ::testing::TestWithParam<RateCase> {};

TEST_P(RateTable, SecondPollGivesTheExpectedRates) {
  const RateCase& c = GetParam();
  KyTrafficRates rates;
  auto first = rates.Add(c.before);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_FALSE(first[0].rxBits) << "a first poll has nothing to compare with";
  auto r = rates.Add(c.after);
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].rxBits.has_value(), c.rx.has_value()) << c.name;
  if (c.rx && r[0].rxBits) {
    EXPECT_DOUBLE_EQ(*r[0].rxBits, *c.rx) << c.name;
    EXPECT_GE(*r[0].rxBits, 0) << c.name;
  }
  EXPECT_EQ(r[0].errors.has_value(), c.errors.has_value()) << c.name;
  if (c.errors && r[0].errors) {
    EXPECT_DOUBLE_EQ(*r[0].errors, *c.errors) << c.name;
  }
  if (r[0].discards) {
    EXPECT_DOUBLE_EQ(*r[0].discards, 0) << c.name;
  }
}

// 2 s apart (200 hundredths) unless said otherwise.
INSTANTIATE_TEST_SUITE_P(
    Cases, RateTable,
    ::testing::Values(
        RateCase{"steady", Poll(1000, 1000, 0, 10), Poll(1200, 251000, 0, 30), 1000000.0, 10.0},
        RateCase{"idle", Poll(1000, 5, 5, 5), Poll(1200, 5, 5, 5), 0.0, 0.0},
        RateCase{"32-bit octets wrap once", Poll(1000, k32 - 1000, 0, 0, 32), Poll(1200, 24000, 0, 0, 32),
                 (1000.0 + 24000.0) * 8 / 2, 0.0},
        RateCase{"32-bit error counter wraps", Poll(1000, 0, 0, k32 - 4), Poll(1200, 0, 0, 6), 0.0, 5.0},
        RateCase{"32-bit counter cleared (far too much for a wrap)", Poll(1000, 3000000000ull, 0, 0, 32),
                 Poll(1200, 100, 0, 0, 32), std::nullopt, 0.0},
        RateCase{"error counter cleared", Poll(1000, 0, 0, 3000000000ull), Poll(1200, 0, 0, 2), 0.0, std::nullopt},
        RateCase{"64-bit counter goes backwards", Poll(1000, 500000, 0, 0), Poll(1200, 400000, 0, 0), std::nullopt,
                 0.0},
        RateCase{"jump beyond the port's speed", Poll(1000, 0, 0, 0, 64, 100000000ull),
                 Poll(1200, 40000000ull, 0, 0, 64, 100000000ull), std::nullopt, 0.0},
        RateCase{"speed unknown: up to the fastest port", Poll(1000, 0, 0, 0, 64, 0), Poll(1200, 2000000000ull, 0, 0, 64, 0),
                 8e9, 0.0},
        RateCase{"sysUpTime goes back (agent restarted)", Poll(90000, 1000, 0, 0), Poll(300, 2000, 0, 1), std::nullopt,
                 std::nullopt},
        RateCase{"sysUpTime did not advance", Poll(1000, 1000, 0, 0), Poll(1000, 2000, 0, 1), std::nullopt,
                 std::nullopt},
        RateCase{"agent silent", Poll(1000, 1000, 0, 0), Silent(), std::nullopt, std::nullopt}),
    [](const ::testing::TestParamInfo<RateCase>& info) {
      std::string n;
      for (const char* p = info.param.name; *p; ++p) n += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
      return n;
    });

// After a gap the series starts again: the poll after a silent one or a
// reset is only a new base, the one after that has a rate again.
TEST(TrafficRates, SeriesStartAgainAfterGaps) {
  KyTrafficRates rates;
  rates.Add(Poll(1000, 0, 0, 0));
  EXPECT_TRUE(rates.Add(Poll(1200, 250, 0, 0))[0].rxBits);
  EXPECT_FALSE(rates.Add(Silent())[0].rxBits);  // missed
  EXPECT_FALSE(rates.Add(Poll(1600, 1250, 0, 0))[0].rxBits);  // new base
  auto r = rates.Add(Poll(1800, 1500, 0, 0));
  ASSERT_TRUE(r[0].rxBits);
  EXPECT_DOUBLE_EQ(*r[0].rxBits, 1000);
  // A counter cleared: no rate for it, the others go on.
  KyTrafficPoll cleared = Poll(2000, 10, 0, 0);
  r = rates.Add(cleared);
  EXPECT_FALSE(r[0].rxBits);
  EXPECT_TRUE(r[0].txBits);
  r = rates.Add(Poll(2200, 260, 0, 0));
  ASSERT_TRUE(r[0].rxBits);
  EXPECT_DOUBLE_EQ(*r[0].rxBits, 1000);
}

TEST(TrafficRates, MissingValueGivesGapForItsSeriesOnly) {
  KyTrafficRates rates;
  KyTrafficPoll a = Poll(1000, 0, 0, 0), b = Poll(1200, 250, 500, 0);
  b.ports[0].outErrors.value.reset();  // noSuchInstance
  rates.Add(a);
  auto r = rates.Add(b);
  EXPECT_TRUE(r[0].rxBits);
  ASSERT_TRUE(r[0].txBits);
  EXPECT_DOUBLE_EQ(*r[0].txBits, 2000);
  EXPECT_FALSE(r[0].errors);
  EXPECT_TRUE(r[0].discards);
}

}  // namespace
