// "Traffic Graph...": a window with a live chart of the traffic of one or
// more ports: bit/s received and sent, errors and discards per second, polled
// every few seconds through the request engine (one asynchronous GET per
// poll), the last 10 minutes kept. Several may be open at once; each one's
// requests end when it closes.
#pragma once

#include <QDateTime>
#include <QPointer>
#include <QWidget>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/TrafficRate.h"

class QComboBox;
class QTreeWidget;
class QLabel;
class QLineSeries;
class QPushButton;
class QTimer;
class QChart;
class QChartView;
class QDateTimeAxis;
class QValueAxis;
class KyTrafficRequest;
struct KySNMPError;
class KySNMPVarList;

class TTrafficGraphForm : public QWidget {
  Q_OBJECT

 public:
  // Poll intervals offered, seconds; the default is the second.
  static constexpr int kIntervals[] = {1, 2, 5, 10, 30};
  static constexpr int kDefaultInterval = 2;
  // How long samples are kept, milliseconds.
  static constexpr qint64 kKeepMs = 10 * 60 * 1000;
  // Series per port: received, sent, errors, discards.
  static constexpr int kSeriesPerPort = 4;

  // `ports`: port numbers (ifIndex) 1 to 52. The window is built without
  // polling: Start begins.
  TTrafficGraphForm(QWidget* owner, std::vector<int> ports);
  ~TTrafficGraphForm() override;

  // Polls once at once, then every interval.
  void Start();
  // One poll now (the timer calls it); false when the previous one is still
  // outstanding or the request cannot be sent.
  bool PollNow();
  // The poll timer (tests stop it and drive PollNow).
  QTimer* PollTimer() const { return timer_; }
  // Sets the interval in seconds (one of kIntervals).
  void SetInterval(int seconds);
  int Interval() const;

  const std::vector<int>& Ports() const { return ports_; }
  bool Busy() const;
  int PollsCompleted() const { return polls_; }
  // The readings of the last completed poll.
  const KyTrafficPoll& LastPoll() const { return lastPoll_; }

  // One kept sample: its local time and the rates of each port.
  struct Sample {
    QDateTime time;
    std::vector<KyPortRates> rates;
  };
  const std::deque<Sample>& Samples() const { return samples_; }

  // Series s of port p (0 received, 1 sent, 2 errors, 3 discards): name,
  // and current (last sample), average and peak of the kept values.
  QString SeriesName(int port, int series) const;
  struct Stats {
    std::optional<double> current;
    double average = 0, peak = 0;
    int count = 0;
  };
  Stats SeriesStats(int port, int series) const;
  // The legend text of a series.
  QString LegendText(int port, int series) const;

  // The picture of the chart as PNG; the samples as CSV. False with `error`.
  bool SavePicture(const QString& path, QString* error = nullptr);
  bool ExportCsv(const QString& path, QString* error = nullptr) const;
  QString CsvText() const;

  // Handlers of "Save Picture..." and "Export CSV...".
  void SavePictureClick();
  void ExportCsvClick();

  QLabel* StatusLine() const { return status_; }
  // The legend: one line per series with its current, average and peak.
  QTreeWidget* Legend() const { return legend_; }
  QChart* Chart() const { return chart_; }
  QComboBox* IntervalBox() const { return interval_; }
  QPushButton* btnSavePicture = nullptr;
  QPushButton* btnExportCsv = nullptr;

  // Text of a rate: bit/s with k, M, G; per second with one decimal.
  static QString BitsText(double bitsPerSecond);
  // The unit of a bit rate axis up to `peak`: its divisor and name.
  static std::pair<double, QString> BitsUnit(double peak);
  static QString PerSecondText(double perSecond);

 signals:
  void polled();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Line {
    std::vector<QLineSeries*> segments;  // one per run without gap
  };
  void BuildRequest();
  void PollDone(const KySNMPError& error);
  KyTrafficPoll ReadingsOf(bool answered) const;
  void AddSample(const KyTrafficPoll& poll);
  void UpdateChart();
  void StopPolling();
  std::optional<double> Value(const Sample& s, int port, int series) const;

  std::vector<int> ports_;
  bool counters64_ = false;
  std::unique_ptr<KyTrafficRequest> request_;
  KyTrafficRates rates_;
  KyTrafficPoll lastPoll_;
  std::deque<Sample> samples_;
  std::vector<Line> lines_;
  int polls_ = 0;
  bool closing_ = false;

  QTimer* timer_ = nullptr;
  QComboBox* interval_ = nullptr;
  QLabel* status_ = nullptr;
  QChart* chart_ = nullptr;
  QChartView* view_ = nullptr;
  QDateTimeAxis* timeAxis_ = nullptr;
  QValueAxis* bitsAxis_ = nullptr;
  QValueAxis* countAxis_ = nullptr;
  QTreeWidget* legend_ = nullptr;
  QWidget* picture_ = nullptr;
};
