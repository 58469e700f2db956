// The event pump: timer off while it runs, no re-entry, the socket watch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "snmp/SnmpPump.h"

namespace {

class RecordingHost : public KySnmpPumpHost {
 public:
  void StartTimer(int ms) override {
    timerOn = true;
    interval = ms;
    log.push_back("start");
  }
  void StopTimer() override {
    timerOn = false;
    log.push_back("stop");
  }
  void WatchSocket(int fd) override { watched = fd; }
  void EnableSocketWatch(bool on) override { socketOn = on; }
  void ProcessEvents(int) override {}
  _SnmpEventProcessor* pump() { return pump_; }

  bool timerOn = false;
  bool socketOn = false;
  int interval = 0;
  int watched = -2;
  std::vector<std::string> log;
};

class NestingClient : public KySnmpPumpClient {
 public:
  int PumpSocket() const override { return 42; }
  void ProcessPendingEvents() override {
    ++rounds;
    timerOnInside = host->timerOn;
    socketOnInside = host->socketOn;
    // A completion that runs a nested loop delivers more ticks.
    pump->OnTick();
    pump->OnReadable();
  }
  RecordingHost* host = nullptr;
  _SnmpEventProcessor* pump = nullptr;
  int rounds = 0;
  bool timerOnInside = true;
  bool socketOnInside = true;
};

TEST(SnmpPump, TimerIsOffWhileTheLibraryRunsAndNestedTicksAreIgnored) {
  _SnmpEventProcessor pump;
  auto owned = std::make_unique<RecordingHost>();
  RecordingHost* host = owned.get();
  pump.SetHost(std::move(owned));
  NestingClient client;
  client.host = host;
  client.pump = &pump;
  pump.SetClient(&client);
  EXPECT_FALSE(host->timerOn) << "created stopped";

  pump.Start();
  EXPECT_TRUE(host->timerOn);
  EXPECT_EQ(host->interval, 20);
  EXPECT_EQ(host->watched, 42);
  EXPECT_TRUE(host->socketOn);

  host->log.clear();
  pump.OnTick();
  EXPECT_EQ(client.rounds, 1) << "the nested ticks did not start a second round";
  EXPECT_FALSE(client.timerOnInside);
  EXPECT_FALSE(client.socketOnInside);
  EXPECT_TRUE(host->timerOn) << "enabled again afterwards";
  EXPECT_TRUE(host->socketOn);
  EXPECT_EQ(host->log, (std::vector<std::string>{"stop", "start"}));
  EXPECT_FALSE(pump.busy());

  pump.OnReadable();
  EXPECT_EQ(client.rounds, 2);

  pump.Stop();
  EXPECT_FALSE(host->timerOn);
  pump.OnTick();
  EXPECT_EQ(client.rounds, 2) << "a stopped pump does nothing";
}

TEST(SnmpPump, ThrowingRoundDoesNotStopThePump) {
  struct Thrower : KySnmpPumpClient {
    int PumpSocket() const override { return -1; }
    void ProcessPendingEvents() override {
      ++rounds;
      throw 1;
    }
    int rounds = 0;
  } client;
  _SnmpEventProcessor pump;
  auto owned = std::make_unique<RecordingHost>();
  RecordingHost* host = owned.get();
  pump.SetHost(std::move(owned));
  pump.SetClient(&client);
  pump.Start();
  pump.OnTick();
  pump.OnTick();
  EXPECT_EQ(client.rounds, 2);
  EXPECT_TRUE(host->timerOn);
  EXPECT_FALSE(pump.busy());
}

TEST(SnmpPump, BlockingHostFiresTicks) {
  struct Counter : KySnmpPumpClient {
    int PumpSocket() const override { return -1; }
    void ProcessPendingEvents() override { ++rounds; }
    int rounds = 0;
  } client;
  _SnmpEventProcessor pump;  // default host: KyBlockingPumpHost
  pump.SetClient(&client);
  pump.Start();
  pump.RunUntil([&] { return client.rounds >= 3; }, 5000);
  EXPECT_GE(client.rounds, 3);
  pump.Stop();
}

}  // namespace
