#include "snmp/SnmpPump.h"

#include <poll.h>

#include <cerrno>
#include <chrono>

long long KySnmpNowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

// ---------------------------------------------------------------------------
void KyBlockingPumpHost::StartTimer(int intervalMs) {
  intervalMs_ = intervalMs > 0 ? intervalMs : 1;
  nextTickMs_ = KySnmpNowMs() + intervalMs_;
}

void KyBlockingPumpHost::StopTimer() { intervalMs_ = 0; }

void KyBlockingPumpHost::ProcessEvents(int maxWaitMs) {
  if (maxWaitMs < 0) maxWaitMs = 0;
  long long now = KySnmpNowMs();
  long long wait = maxWaitMs;
  if (intervalMs_ > 0) {
    long long toTick = nextTickMs_ - now;
    if (toTick < 0) toTick = 0;
    if (toTick < wait) wait = toTick;
  }
  bool readable = false;
  if (fd_ >= 0 && socketOn_) {
    pollfd p{fd_, POLLIN, 0};
    int rc = poll(&p, 1, static_cast<int>(wait));
    readable = rc > 0 && (p.revents & (POLLIN | POLLERR)) != 0;
  } else if (wait > 0) {
    poll(nullptr, 0, static_cast<int>(wait));
  }
  if (readable && pump_) pump_->OnReadable();
  if (intervalMs_ > 0 && KySnmpNowMs() >= nextTickMs_) {
    nextTickMs_ = KySnmpNowMs() + intervalMs_;
    if (pump_) pump_->OnTick();
  }
}

// ---------------------------------------------------------------------------
_SnmpEventProcessor GlobalEventPump;

_SnmpEventProcessor::_SnmpEventProcessor() { SetHost(nullptr); }

_SnmpEventProcessor::~_SnmpEventProcessor() {
  Stop();
  client_ = nullptr;
}

void _SnmpEventProcessor::SetHost(std::unique_ptr<KySnmpPumpHost> host) {
  bool wasStarted = started_;
  if (host_) {
    host_->StopTimer();
    host_->WatchSocket(-1);
  }
  host_ = host ? std::move(host) : std::make_unique<KyBlockingPumpHost>();
  host_->Attach(this);
  started_ = false;
  if (wasStarted) Start();
}

void _SnmpEventProcessor::SetClient(KySnmpPumpClient* client) {
  client_ = client;
  if (started_) host_->WatchSocket(client_ ? client_->PumpSocket() : -1);
}

void _SnmpEventProcessor::Start() {
  started_ = true;
  host_->WatchSocket(client_ ? client_->PumpSocket() : -1);
  host_->EnableSocketWatch(!busy_);
  if (!busy_) host_->StartTimer(kIntervalMs);
}

void _SnmpEventProcessor::Stop() {
  started_ = false;
  if (host_) {
    host_->StopTimer();
    host_->WatchSocket(-1);
  }
}

void _SnmpEventProcessor::OnTick() { Round(); }
void _SnmpEventProcessor::OnReadable() { Round(); }

void _SnmpEventProcessor::Round() {
  if (busy_ || !started_) return;
  busy_ = true;
  host_->StopTimer();
  host_->EnableSocketWatch(false);
  try {
    if (client_) client_->ProcessPendingEvents();
  } catch (...) {
    // A callback's exception must not stop the pump for good.
  }
  busy_ = false;
  if (started_) {
    host_->EnableSocketWatch(true);
    host_->StartTimer(kIntervalMs);
  }
}
