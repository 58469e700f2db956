// The event pump: lets the SNMP library process replies, retransmissions and
// timeouts on the thread that owns the windows, and runs the completion
// callbacks of asynchronous requests there.
//
// The pump itself knows nothing of a GUI toolkit. A host supplies a repeating
// timer and a watch on the session's socket (the Qt host lives with the
// editors); without a host the pump uses KyBlockingPumpHost, which waits on
// the socket itself whenever someone asks it to process events (tests,
// programs without a GUI).
//
// Re-entry: while the pump processes events, its timer and socket watch are
// off and any tick that still arrives is ignored, so a completion callback
// that runs a nested loop (a modal box, a progress window, a request
// destructor waiting for its replies) never starts a second round of
// completions.
#pragma once

#include <memory>

class _SnmpEventProcessor;

// What the pump drives: the session.
class KySnmpPumpClient {
 public:
  virtual ~KySnmpPumpClient() = default;
  // The socket to watch for replies (-1 when none).
  virtual int PumpSocket() const = 0;
  // Without blocking: handles every datagram that has arrived, every due
  // retransmission and timeout, then runs the completions that are ready.
  virtual void ProcessPendingEvents() = 0;
};

// The platform side of the pump: a timer and a socket watch on the GUI thread.
class KySnmpPumpHost {
 public:
  virtual ~KySnmpPumpHost() = default;
  // Called once when the host is installed.
  virtual void Attach(_SnmpEventProcessor* pump) { pump_ = pump; }
  // A repeating timer; every expiry calls pump->OnTick().
  virtual void StartTimer(int intervalMs) = 0;
  virtual void StopTimer() = 0;
  // Watch fd for readability; every time it is readable call
  // pump->OnReadable(). fd -1 ends the watch.
  virtual void WatchSocket(int fd) = 0;
  // Suspends or resumes the watch (it is suspended while the pump runs).
  virtual void EnableSocketWatch(bool on) = 0;
  // Processes pending platform events (and thus the pump's ticks), waiting
  // at most maxWaitMs for one to arrive.
  virtual void ProcessEvents(int maxWaitMs) = 0;

 protected:
  _SnmpEventProcessor* pump_ = nullptr;
};

// Host without a toolkit: the timer and the socket watch are honoured inside
// ProcessEvents only, which waits on the socket and fires due ticks.
class KyBlockingPumpHost : public KySnmpPumpHost {
 public:
  void StartTimer(int intervalMs) override;
  void StopTimer() override;
  void WatchSocket(int fd) override { fd_ = fd; }
  void EnableSocketWatch(bool on) override { socketOn_ = on; }
  void ProcessEvents(int maxWaitMs) override;

 private:
  int intervalMs_ = 0;    // 0: timer stopped
  long long nextTickMs_ = 0;
  int fd_ = -1;
  bool socketOn_ = true;
};

class _SnmpEventProcessor {
 public:
  static constexpr int kIntervalMs = 20;

  _SnmpEventProcessor();
  ~_SnmpEventProcessor();
  _SnmpEventProcessor(const _SnmpEventProcessor&) = delete;
  _SnmpEventProcessor& operator=(const _SnmpEventProcessor&) = delete;

  // Installs the platform host (before Start; the previous host is dropped).
  void SetHost(std::unique_ptr<KySnmpPumpHost> host);
  KySnmpPumpHost& host() { return *host_; }
  // The session the pump drives (set by InitGlobalSession).
  void SetClient(KySnmpPumpClient* client);

  // Enables the timer (20 ms) and the socket watch. Stop disables both.
  void Start();
  void Stop();
  bool started() const { return started_; }
  // True while the pump is processing events (completions are running).
  bool busy() const { return busy_; }

  // Timer handler: timer off, one round of processing, timer on again.
  void OnTick();
  // Socket handler: the same under the same guard.
  void OnReadable();

  // Lets the platform process events for up to maxWaitMs (returns earlier
  // once done() is true). For waits outside the GUI's own loop.
  template <typename Done>
  void RunUntil(Done done, int maxWaitMs);
  // Lets the platform process events, waiting at most maxWaitMs for one.
  void ProcessEvents(int maxWaitMs) { host_->ProcessEvents(maxWaitMs); }

 private:
  void Round();

  std::unique_ptr<KySnmpPumpHost> host_;
  KySnmpPumpClient* client_ = nullptr;
  bool started_ = false;
  bool busy_ = false;
};

// Milliseconds of a monotonic clock.
long long KySnmpNowMs();

template <typename Done>
void _SnmpEventProcessor::RunUntil(Done done, int maxWaitMs) {
  const long long end = KySnmpNowMs() + maxWaitMs;
  while (!done()) {
    long long left = end - KySnmpNowMs();
    if (left <= 0) break;
    host_->ProcessEvents(static_cast<int>(left < kIntervalMs ? left : kIntervalMs));
  }
}

// The process-wide pump (stopped until InitGlobalSession starts it).
extern _SnmpEventProcessor GlobalEventPump;
