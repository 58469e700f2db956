// Agent names are looked up off the calling thread; exchanges wait for the
// answer, failures and successes are kept for a while.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

#include "snmp/Messages.h"
#include "snmp/Request.h"
#include "snmp/Resolver.h"
#include "snmp/Session.h"
#include "snmp/agent/TestSession.h"

namespace {

// A name server that answers only when told to (or never).
struct StuckResolver {
  std::mutex mutex;
  std::condition_variable cv;
  bool release = false;
  bool answer = false;
  in_addr addr{};
  std::atomic<int> calls{0};

  // The look-ups hold the resolver: they may end after the test.
  static KyNameResolverHook Hook(const std::shared_ptr<StuckResolver>& self) {
    return [self](const std::string&, in_addr& out) {
      ++self->calls;
      std::unique_lock<std::mutex> lock(self->mutex);
      self->cv.wait(lock, [&] { return self->release; });
      out = self->addr;
      return self->answer;
    };
  }
  void Release(bool ok) {
    std::lock_guard<std::mutex> lock(mutex);
    release = true;
    answer = ok;
    cv.notify_all();
  }
};

class ResolverTest : public ::testing::Test {
 protected:
  void SetUp() override { testsession::Ensure(); }
  void TearDown() override {
    resolver_->Release(false);  // lets the blocked workers end
    SetKyNameResolverHook({});
  }

  std::unique_ptr<KySNMPRequest> NewRequest(const std::string& address, uint16_t port) {
    auto r = std::make_unique<KySNMPRequest>();
    r->device = KySNMPDevice{address, port};
    r->security.version = 1;
    r->timeout = 20;  // 0.2 s a try
    r->retries = 1;
    r->varList.kind = 0;
    r->varList.AppendItem("1.3.6.1.2.1.1.5", "sysName", Syntax::DisplayString, Access::Read);
    return r;
  }

  std::shared_ptr<StuckResolver> resolver_ = std::make_shared<StuckResolver>();
};

int CodeOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const KySNMPException& e) {
    return e.code();
  }
  return 0;
}

TEST_F(ResolverTest, NameServerThatNeverAnswersBlocksNothing) {
  SetKyNameResolverHook(StuckResolver::Hook(resolver_));
  auto r = NewRequest("switch.example", 161);
  KySNMPError seen;
  int completions = 0;
  // Returns at once although the look-up never ends.
  r->ReadAsync(
      [&](void*, const KySNMPError& e, KySNMPVarList&) {
        seen = e;
        ++completions;
      },
      nullptr, true);
  EXPECT_EQ(r->outstanding, 1);
  // The pump keeps running its rounds while the exchange waits.
  int rounds = 0;
  testsession::Pump([&] {
    ++rounds;
    return completions > 0;
  });
  ASSERT_EQ(completions, 1);
  EXPECT_GT(rounds, 5);
  EXPECT_EQ(seen.code, -509);
  EXPECT_EQ(seen.message, "(KySNMP++) Invalid IP Address or DNS name!");
  EXPECT_TRUE(seen.finished);
  EXPECT_EQ(r->outstanding, 0);

  // The failure is kept: the next exchanges fail at once, without asking again.
  EXPECT_EQ(CodeOf([&] { r->ReadAsync(nullptr, nullptr, true); }), -509);
  EXPECT_EQ(CodeOf([&] { r->Read(true); }), -509);
  EXPECT_EQ(CodeOf([&] { r->Write(); }), -509);
  EXPECT_EQ(resolver_->calls.load(), 1);
}

TEST_F(ResolverTest, SynchronousExchangeWaitsItsTimeOnlyThenFails) {
  SetKyNameResolverHook(StuckResolver::Hook(resolver_));
  auto r = NewRequest("slow.example", 161);
  r->retries = 0;
  const long long start = KySnmpNowMs();
  try {
    r->Read(true);
    ADD_FAILURE() << "no failure";
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -509);
    EXPECT_EQ(e.text(), "(KySNMP++) Invalid IP Address or DNS name!");
  }
  EXPECT_LT(KySnmpNowMs() - start, 5000) << "bounded by the exchange's own timeout, not the name server's";
}

TEST_F(ResolverTest, ExchangeWaitsForTheLookUpAndIsThenSent) {
  // A UDP socket stands in for the agent: the request must reach it.
  int fd = socket(AF_INET, SOCK_DGRAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
  socklen_t len = sizeof a;
  ASSERT_EQ(getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len), 0);

  resolver_->addr.s_addr = htonl(INADDR_LOOPBACK);
  SetKyNameResolverHook(StuckResolver::Hook(resolver_));
  auto r = NewRequest("agent.example", ntohs(a.sin_port));
  r->timeout = 100;  // waits up to 2 s for the name
  int completions = 0;
  r->ReadAsync([&](void*, const KySNMPError&, KySNMPVarList&) { ++completions; }, nullptr, true);
  testsession::Pump([] { return false; }, 100);
  char buf[2048];
  EXPECT_LT(recv(fd, buf, sizeof buf, MSG_DONTWAIT), 0) << "nothing is sent before the name is known";

  resolver_->Release(true);
  ssize_t got = -1;
  testsession::Pump([&] { return (got = recv(fd, buf, sizeof buf, MSG_DONTWAIT)) > 0; });
  EXPECT_GT(got, 0) << "sent once the look-up answered";

  // The answer is kept: a second request goes out without a second look-up.
  auto r2 = NewRequest("agent.example", ntohs(a.sin_port));
  KySnmpTarget t = BuildTarget(r2->device, r2->security, 100, 1);
  EXPECT_TRUE(t.resolved);
  EXPECT_EQ(t.addressText, "127.0.0.1");
  EXPECT_EQ(resolver_->calls.load(), 1);
  r.reset();
  r2.reset();
  close(fd);
}

}  // namespace
