#include "editors/QtSnmpPump.h"

#include <QCoreApplication>
#include <QEventLoop>

KyQtPumpHost::KyQtPumpHost() {
  timer_.setSingleShot(false);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (pump_) pump_->OnTick();
  });
}

KyQtPumpHost::~KyQtPumpHost() {
  timer_.stop();
  notifier_.reset();
}

void KyQtPumpHost::StartTimer(int intervalMs) { timer_.start(intervalMs); }

void KyQtPumpHost::StopTimer() { timer_.stop(); }

void KyQtPumpHost::WatchSocket(int fd) {
  notifier_.reset();
  if (fd < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
    if (pump_) pump_->OnReadable();
  });
}

void KyQtPumpHost::EnableSocketWatch(bool on) {
  if (notifier_) notifier_->setEnabled(on);
}

void KyQtPumpHost::ProcessEvents(int maxWaitMs) {
  // A single-shot timer bounds the wait even when nothing else happens (the
  // pump's own timer is off while a completion runs).
  QTimer wake;
  wake.setSingleShot(true);
  wake.start(maxWaitMs > 0 ? maxWaitMs : 0);
  QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void InstallQtSnmpPump() { GlobalEventPump.SetHost(std::make_unique<KyQtPumpHost>()); }
