// The tooltip of a front-panel port: its number, description (ifAlias),
// link and speed/duplex, PVID and current in/out rates. The port is read
// when it is first hovered and the reading is kept for one poll interval;
// hovering again within it reads nothing, and nothing is read while nobody
// hovers. The rates come from the port's previous reading (a first hover
// has none yet).
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/TrafficRate.h"
#include "snmp/Value.h"

class KyRawReader;
class QWidget;

struct KyPortInfo {
  int port = 0;
  QString alias;
  QString link;       // "link-pass", "link-fail", ... ("" unknown)
  QString speed;      // "full-1Gigabps" ...
  QString pvid;
  std::optional<double> inBits, outBits;
  QString error;      // the read failed
};

// The tooltip text of a reading (`reading`: a read is under way).
QString PortInfoText(const KyPortInfo& info, bool reading);

class KyPortTooltips : public QObject {
  Q_OBJECT
 public:
  KyPortTooltips(QObject* parent, int intervalMs);
  ~KyPortTooltips() override;

  // The text to show for `port` now. Starts a read when there is no reading
  // of the last interval; `shown` is called with the new text when it ends.
  QString Text(int port, std::function<void(const QString&)> shown = {});
  // Reads started so far (tests count them).
  int Reads() const { return reads_; }
  bool Busy() const;
  // The clock, milliseconds (tests set their own).
  std::function<qint64()> clock;

  // The instances one read of `port` asks for, in order.
  static std::vector<std::string> Oids(int port, bool counters64);

 private:
  struct Entry {
    KyPortInfo info;
    qint64 readAt = -1;        // clock when read, -1 never
    KyTrafficRates rates;
    bool reading = false;
  };
  qint64 Now() const;
  void Done(int port, const std::vector<KyVb>& values, const QString& error);

  int intervalMs_;
  int reads_ = 0;
  bool counters64_ = true;
  std::map<int, Entry> entries_;
  std::unique_ptr<KyRawReader> reader_;
  int readingPort_ = 0;
  std::function<void(const QString&)> shown_;
};
