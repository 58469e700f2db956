// The event pump's host on the GUI thread: a QTimer for the 20 ms tick and a
// QSocketNotifier on the session's socket, so that a reply is handled as soon
// as it arrives and completions run on the thread that owns the windows.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <memory>

#include "snmp/SnmpPump.h"

class KyQtPumpHost : public KySnmpPumpHost {
 public:
  KyQtPumpHost();
  ~KyQtPumpHost() override;

  void StartTimer(int intervalMs) override;
  void StopTimer() override;
  void WatchSocket(int fd) override;
  void EnableSocketWatch(bool on) override;
  // Processes pending Qt events, waiting at most maxWaitMs for one.
  void ProcessEvents(int maxWaitMs) override;

 private:
  QTimer timer_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

// Makes GlobalEventPump run on Qt's event loop. Call once on the GUI thread,
// before InitGlobalSession.
void InstallQtSnmpPump();
