#include "app/TrafficGraphForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QHeaderView>
#include <QPixmap>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QDateTimeAxis>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>

#include "editors/ListExport.h"
#include "editors/UiSupport.h"
#include "snmp/Messages.h"
#include "snmp/Request.h"

// The request of one window: the readings of the last reply are kept as
// received (numbers, not texts).
class KyTrafficRequest : public KySNMPRequest {
 public:
  void StoreValue(int i, const KyVb& vb) override {
    if (i >= 0 && static_cast<size_t>(i) < raw.size()) raw[static_cast<size_t>(i)] = vb;
  }
  std::vector<KyVb> raw;
};

namespace {

constexpr const char* kSysUpTime = "1.3.6.1.2.1.1.3.0";
// Per port, after sysUpTime: in and out octets, in and out errors, in and
// out discards, speed.
constexpr int kItemsPerPort = 7;
constexpr const char* kSeriesTitle[] = {"Rx", "Tx", "errors", "discards"};
// Colours of the four series of a port, a darker pair for every next port.
const QColor kSeriesColour[] = {QColor(0x1f, 0x77, 0xb4), QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
                                QColor(0xff, 0x7f, 0x0e)};

std::optional<uint64_t> Number(const KyVb& vb, uint8_t type) {
  if (vb.type != type) return std::nullopt;
  return vb.uinteger;
}

QString Caption(const std::vector<int>& ports) {
  QStringList names;
  for (int p : ports) names << QString::number(p);
  return QStringLiteral("Traffic Graph - Port %1").arg(names.join(QStringLiteral(", ")));
}

}  // namespace

TTrafficGraphForm::TTrafficGraphForm(QWidget* owner, std::vector<int> ports)
    : QWidget(owner, Qt::Window), ports_(std::move(ports)) {
  setObjectName(QStringLiteral("TrafficGraphForm"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Caption(ports_));

  chart_ = new QChart;
  // The legend is the table below the chart: the chart's own one has no
  // room for the figures.
  chart_->legend()->hide();
  chart_->setMargins(QMargins(4, 4, 4, 4));
  timeAxis_ = new QDateTimeAxis;
  timeAxis_->setFormat(QStringLiteral("hh:mm:ss"));
  timeAxis_->setTitleText(QStringLiteral("local time"));
  timeAxis_->setTickCount(6);
  bitsAxis_ = new QValueAxis;
  bitsAxis_->setTitleText(QStringLiteral("bit/s"));
  bitsAxis_->setLabelFormat(QStringLiteral("%.1f"));
  countAxis_ = new QValueAxis;
  countAxis_->setTitleText(QStringLiteral("errors, discards per second"));
  countAxis_->setLabelFormat(QStringLiteral("%.1f"));
  chart_->addAxis(timeAxis_, Qt::AlignBottom);
  chart_->addAxis(bitsAxis_, Qt::AlignLeft);
  chart_->addAxis(countAxis_, Qt::AlignRight);
  const QDateTime now = QDateTime::currentDateTime();
  timeAxis_->setRange(now.addSecs(-60), now);
  bitsAxis_->setRange(0, 1000);
  countAxis_->setRange(0, 10);

  legend_ = new QTreeWidget(this);
  legend_->setObjectName(QStringLiteral("legend"));
  legend_->setRootIsDecorated(false);
  legend_->setHeaderLabels({QStringLiteral("Series"), QStringLiteral("Current"), QStringLiteral("Average"),
                            QStringLiteral("Peak")});
  legend_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  legend_->header()->setStretchLastSection(false);
  legend_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  KyListExport::Install(legend_);

  lines_.resize(ports_.size() * kSeriesPerPort);
  for (size_t p = 0; p < ports_.size(); ++p)
    for (int s = 0; s < kSeriesPerPort; ++s) {
      // The first segment carries the legend entry, even while empty.
      auto* series = new QLineSeries;
      QColor colour = kSeriesColour[s].darker(100 + 40 * static_cast<int>(p % 4));
      series->setPen(QPen(colour, 1.5));
      chart_->addSeries(series);
      series->attachAxis(timeAxis_);
      series->attachAxis(s < 2 ? bitsAxis_ : countAxis_);
      lines_[p * kSeriesPerPort + static_cast<size_t>(s)].segments.push_back(series);
      series->setName(SeriesName(static_cast<int>(p), s));
      QPixmap swatch(12, 12);
      swatch.fill(colour);
      auto* row = new QTreeWidgetItem(legend_, {SeriesName(static_cast<int>(p), s), QStringLiteral("-"),
                                                QStringLiteral("-"), QStringLiteral("-")});
      row->setIcon(0, QIcon(swatch));
      for (int c = 1; c < 4; ++c) row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
  const int legendRows = static_cast<int>(ports_.size()) * kSeriesPerPort;
  legend_->setFixedHeight(legend_->header()->sizeHint().height() + 2 * legend_->frameWidth() +
                          std::min(legendRows, 8) * (legend_->fontMetrics().height() + 4));

  view_ = new QChartView(chart_, this);
  view_->setObjectName(QStringLiteral("chartView"));
  view_->setRenderHint(QPainter::Antialiasing);
  view_->setMinimumSize(640, 360);

  interval_ = new QComboBox(this);
  interval_->setObjectName(QStringLiteral("intervalBox"));
  for (int s : kIntervals) interval_->addItem(QStringLiteral("%1 s").arg(s), s);
  interval_->setCurrentIndex(1);
  btnSavePicture = new QPushButton(QStringLiteral("Save Picture..."), this);
  btnSavePicture->setObjectName(QStringLiteral("btnSavePicture"));
  btnExportCsv = new QPushButton(QStringLiteral("Export CSV..."), this);
  btnExportCsv->setObjectName(QStringLiteral("btnExportCsv"));
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("btnClose"));
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("statusLine"));
  status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* bar = new QHBoxLayout;
  bar->addWidget(new QLabel(QStringLiteral("Poll interval:"), this));
  bar->addWidget(interval_);
  bar->addStretch(1);
  bar->addWidget(btnSavePicture);
  bar->addWidget(btnExportCsv);
  bar->addWidget(close);
  // The picture: the chart with its legend.
  picture_ = new QWidget(this);
  picture_->setObjectName(QStringLiteral("picture"));
  picture_->setAutoFillBackground(true);
  auto* pictureLayout = new QVBoxLayout(picture_);
  pictureLayout->setContentsMargins(0, 0, 0, 0);
  view_->setParent(picture_);
  legend_->setParent(picture_);
  pictureLayout->addWidget(view_, 1);
  pictureLayout->addWidget(legend_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture_, 1);
  layout->addLayout(bar);
  layout->addWidget(status_);

  timer_ = new QTimer(this);
  timer_->setInterval(kDefaultInterval * 1000);
  connect(timer_, &QTimer::timeout, this, [this] { PollNow(); });
  connect(interval_, &QComboBox::currentIndexChanged, this,
          [this](int i) { timer_->setInterval(interval_->itemData(i).toInt() * 1000); });
  connect(btnSavePicture, &QPushButton::clicked, this, &TTrafficGraphForm::SavePictureClick);
  connect(btnExportCsv, &QPushButton::clicked, this, &TTrafficGraphForm::ExportCsvClick);
  connect(close, &QPushButton::clicked, this, &QWidget::close);

  BuildRequest();
}

TTrafficGraphForm::~TTrafficGraphForm() { StopPolling(); }

void TTrafficGraphForm::BuildRequest() {
  request_ = std::make_unique<KyTrafficRequest>();
  // The 64-bit octet counters where the version has them.
  counters64_ = request_->security.version != SnmpVersion::V1;
  KySNMPVarList list;
  list.kind = 1;
  list.keyCount = 0;
  list.name = " Traffic";
  list.AppendItem(kSysUpTime, "sysUpTime", Syntax::TimeTicks, Access::Read);
  for (int port : ports_) {
    const std::string n = "." + std::to_string(port);
    const Syntax octets = counters64_ ? Syntax::Counter64 : Syntax::Counter32;
    list.AppendItem((counters64_ ? "1.3.6.1.2.1.31.1.1.1.6" : "1.3.6.1.2.1.2.2.1.10") + n, "ifInOctets", octets,
                    Access::Read);
    list.AppendItem((counters64_ ? "1.3.6.1.2.1.31.1.1.1.10" : "1.3.6.1.2.1.2.2.1.16") + n, "ifOutOctets", octets,
                    Access::Read);
    list.AppendItem("1.3.6.1.2.1.2.2.1.14" + n, "ifInErrors", Syntax::Counter32, Access::Read);
    list.AppendItem("1.3.6.1.2.1.2.2.1.20" + n, "ifOutErrors", Syntax::Counter32, Access::Read);
    list.AppendItem("1.3.6.1.2.1.2.2.1.13" + n, "ifInDiscards", Syntax::Counter32, Access::Read);
    list.AppendItem("1.3.6.1.2.1.2.2.1.19" + n, "ifOutDiscards", Syntax::Counter32, Access::Read);
    // ifHighSpeed (Mbit/s) where ifXTable is read, else ifSpeed (bit/s).
    list.AppendItem((counters64_ ? "1.3.6.1.2.1.31.1.1.1.15" : "1.3.6.1.2.1.2.2.1.5") + n, "ifSpeed", Syntax::Gauge32,
                    Access::Read);
  }
  request_->varList = list;
  request_->raw.assign(static_cast<size_t>(list.Count()), KyVb{});
}

void TTrafficGraphForm::Start() {
  timer_->start();
  PollNow();
}

bool TTrafficGraphForm::Busy() const { return request_ && request_->outstanding > 0; }

void TTrafficGraphForm::SetInterval(int seconds) {
  const int i = interval_->findData(seconds);
  if (i >= 0) interval_->setCurrentIndex(i);
}

int TTrafficGraphForm::Interval() const { return interval_->currentData().toInt(); }

bool TTrafficGraphForm::PollNow() {
  if (closing_ || !request_ || Busy()) return false;
  std::fill(request_->raw.begin(), request_->raw.end(), KyVb{});
  try {
    request_->ReadAsync(
        [this](void*, const KySNMPError& error, KySNMPVarList&) {
          if (!closing_) PollDone(error);
        },
        nullptr, true);
  } catch (const KySNMPException& e) {
    KySNMPError error;
    error.code = e.code();
    error.message = e.text();
    PollDone(error);
    return false;
  }
  return true;
}

KyTrafficPoll TTrafficGraphForm::ReadingsOf(bool answered) const {
  KyTrafficPoll poll;
  poll.answered = answered;
  const std::vector<KyVb>& raw = request_->raw;
  if (!answered || raw.empty()) return poll;
  auto up = Number(raw[0], KyVbType::TimeTicks);
  if (!up) {
    poll.answered = false;  // no time base: the readings cannot be used
    return poll;
  }
  poll.upTime = static_cast<uint32_t>(*up);
  const uint8_t octetType = counters64_ ? KyVbType::Counter64 : KyVbType::Counter32;
  const int octetBits = counters64_ ? 64 : 32;
  for (size_t p = 0; p < ports_.size(); ++p) {
    const KyVb* v = &raw[1 + p * kItemsPerPort];
    KyPortReading r;
    r.inOctets = {Number(v[0], octetType), octetBits};
    r.outOctets = {Number(v[1], octetType), octetBits};
    r.inErrors = {Number(v[2], KyVbType::Counter32), 32};
    r.outErrors = {Number(v[3], KyVbType::Counter32), 32};
    r.inDiscards = {Number(v[4], KyVbType::Counter32), 32};
    r.outDiscards = {Number(v[5], KyVbType::Counter32), 32};
    if (auto speed = Number(v[6], KyVbType::Gauge32)) r.speed = counters64_ ? *speed * 1000000ull : *speed;
    poll.ports.push_back(r);
  }
  return poll;
}

void TTrafficGraphForm::PollDone(const KySNMPError& error) {
  lastPoll_ = ReadingsOf(error.code == 0);
  AddSample(lastPoll_);
  if (error.code != 0)
    status_->setText(QString::fromStdString(::StatusLine(kGetStatus, std::string(), error.message)));
  else if (!lastPoll_.answered)
    status_->setText(QString::fromStdString(::StatusLine(kGetStatus, std::string(), "sysUpTime not answered")));
  else
    status_->setText(QString::fromStdString(::StatusLine(kGetStatus, std::string(), MessageText(0))));
  ++polls_;
  emit polled();
}

void TTrafficGraphForm::AddSample(const KyTrafficPoll& poll) {
  Sample s;
  s.time = QDateTime::currentDateTime();
  s.rates = rates_.Add(poll);
  s.rates.resize(ports_.size());
  samples_.push_back(std::move(s));
  const QDateTime oldest = samples_.back().time.addMSecs(-kKeepMs);
  while (!samples_.empty() && samples_.front().time < oldest) samples_.pop_front();
  UpdateChart();
}

std::optional<double> TTrafficGraphForm::Value(const Sample& s, int port, int series) const {
  if (port < 0 || static_cast<size_t>(port) >= s.rates.size()) return std::nullopt;
  const KyPortRates& r = s.rates[static_cast<size_t>(port)];
  switch (series) {
    case 0: return r.rxBits;
    case 1: return r.txBits;
    case 2: return r.errors;
    case 3: return r.discards;
    default: return std::nullopt;
  }
}

QString TTrafficGraphForm::SeriesName(int port, int series) const {
  return QStringLiteral("Port %1 %2").arg(ports_[static_cast<size_t>(port)]).arg(QLatin1String(kSeriesTitle[series]));
}

TTrafficGraphForm::Stats TTrafficGraphForm::SeriesStats(int port, int series) const {
  Stats st;
  double sum = 0;
  for (const Sample& s : samples_)
    if (auto v = Value(s, port, series)) {
      sum += *v;
      st.peak = std::max(st.peak, *v);
      ++st.count;
    }
  if (st.count > 0) st.average = sum / st.count;
  if (!samples_.empty()) st.current = Value(samples_.back(), port, series);
  return st;
}

QString TTrafficGraphForm::BitsText(double v) {
  const char* units[] = {"bit/s", "kbit/s", "Mbit/s", "Gbit/s"};
  int u = 0;
  while (u < 3 && v >= 1000) {
    v /= 1000;
    ++u;
  }
  return QStringLiteral("%1 %2").arg(QString::number(v, 'f', u == 0 ? 0 : 2), QLatin1String(units[u]));
}

QString TTrafficGraphForm::PerSecondText(double v) { return QStringLiteral("%1/s").arg(QString::number(v, 'f', 1)); }

QString TTrafficGraphForm::LegendText(int port, int series) const {
  const Stats st = SeriesStats(port, series);
  auto text = [series](double v) { return series < 2 ? BitsText(v) : PerSecondText(v); };
  return QStringLiteral("%1: %2 (avg %3, peak %4)")
      .arg(SeriesName(port, series), st.current ? text(*st.current) : QStringLiteral("-"),
           st.count ? text(st.average) : QStringLiteral("-"), st.count ? text(st.peak) : QStringLiteral("-"));
}

std::pair<double, QString> TTrafficGraphForm::BitsUnit(double peak) {
  if (peak >= 1e9) return {1e9, QStringLiteral("Gbit/s")};
  if (peak >= 1e6) return {1e6, QStringLiteral("Mbit/s")};
  if (peak >= 1e3) return {1e3, QStringLiteral("kbit/s")};
  return {1, QStringLiteral("bit/s")};
}

void TTrafficGraphForm::UpdateChart() {
  double bitsPeak = 0, countPeak = 0;
  for (const Sample& sample : samples_)
    for (size_t p = 0; p < ports_.size(); ++p)
      for (int s = 0; s < kSeriesPerPort; ++s)
        if (auto v = Value(sample, static_cast<int>(p), s)) (s < 2 ? bitsPeak : countPeak) = std::max(s < 2 ? bitsPeak : countPeak, *v);
  // Bit rates are drawn in the unit that suits the peak.
  const auto [divisor, unit] = BitsUnit(bitsPeak);
  for (size_t p = 0; p < ports_.size(); ++p)
    for (int s = 0; s < kSeriesPerPort; ++s) {
      Line& line = lines_[p * kSeriesPerPort + static_cast<size_t>(s)];
      // Runs of samples without gap, one segment each.
      std::vector<QList<QPointF>> runs(1);
      for (const Sample& sample : samples_) {
        auto v = Value(sample, static_cast<int>(p), s);
        if (!v) {
          if (!runs.back().isEmpty()) runs.emplace_back();
          continue;
        }
        runs.back().append(QPointF(static_cast<qreal>(sample.time.toMSecsSinceEpoch()), s < 2 ? *v / divisor : *v));
      }
      while (line.segments.size() < runs.size()) {
        auto* segment = new QLineSeries;
        segment->setPen(line.segments.front()->pen());
        chart_->addSeries(segment);
        segment->attachAxis(timeAxis_);
        segment->attachAxis(s < 2 ? bitsAxis_ : countAxis_);
        line.segments.push_back(segment);
      }
      for (size_t i = 0; i < line.segments.size(); ++i) {
        QLineSeries* segment = line.segments[i];
        if (i < runs.size()) {
          segment->replace(runs[i]);
          segment->setPointsVisible(runs[i].size() == 1);  // a lone point still shows
        } else {
          segment->clear();
        }
      }
      if (QTreeWidgetItem* row = legend_->topLevelItem(static_cast<int>(p) * kSeriesPerPort + s)) {
        const Stats st = SeriesStats(static_cast<int>(p), s);
        auto text = [s](double v) { return s < 2 ? BitsText(v) : PerSecondText(v); };
        row->setText(1, st.current ? text(*st.current) : QStringLiteral("-"));
        row->setText(2, st.count ? text(st.average) : QStringLiteral("-"));
        row->setText(3, st.count ? text(st.peak) : QStringLiteral("-"));
      }
    }
  if (!samples_.empty()) {
    QDateTime last = samples_.back().time;
    QDateTime first = samples_.front().time;
    if (first.msecsTo(last) < 60 * 1000) first = last.addSecs(-60);
    timeAxis_->setRange(first, last);
  }
  bitsAxis_->setTitleText(unit);
  bitsAxis_->setRange(0, bitsPeak > 0 ? bitsPeak / divisor * 1.1 : 1);
  countAxis_->setRange(0, countPeak > 0 ? countPeak * 1.1 : 10);
}

QString TTrafficGraphForm::CsvText() const {
  QStringList captions{QStringLiteral("Time")};
  for (size_t p = 0; p < ports_.size(); ++p)
    for (int s = 0; s < kSeriesPerPort; ++s)
      captions << SeriesName(static_cast<int>(p), s) + (s < 2 ? QStringLiteral(" (bit/s)") : QStringLiteral(" (/s)"));
  std::vector<QStringList> rows;
  for (const Sample& sample : samples_) {
    QStringList row{sample.time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"))};
    for (size_t p = 0; p < ports_.size(); ++p)
      for (int s = 0; s < kSeriesPerPort; ++s) {
        auto v = Value(sample, static_cast<int>(p), s);
        row << (v ? QString::number(*v, 'f', 3) : QString());
      }
    rows.push_back(row);
  }
  return KyListExport::TableText(captions, rows, QLatin1Char(','));
}

bool TTrafficGraphForm::ExportCsv(const QString& path, QString* error) const {
  return KyListExport::WriteTextFile(path, CsvText(), error);
}

bool TTrafficGraphForm::SavePicture(const QString& path, QString* error) {
  if (!picture_->testAttribute(Qt::WA_WState_Polished) || picture_->size().isEmpty()) {
    // Never shown: lay it out at its natural size first.
    ensurePolished();
    resize(sizeHint());
    layout()->activate();
  }
  const QPixmap picture = picture_->grab();
  if (picture.isNull() || !picture.save(path, "PNG")) {
    if (error) *error = QStringLiteral("Cannot write %1").arg(path);
    return false;
  }
  return true;
}

void TTrafficGraphForm::SavePictureClick() {
  const QString path = KyListExport::AskSaveFileName(this, QStringLiteral("Save Picture"),
                                                     QStringLiteral("traffic.png"), QStringLiteral("PNG images (*.png)"));
  QString error;
  if (!path.isEmpty() && !SavePicture(path, &error))
    ShowMessageBox(this, error, ProgramCaption(), QMessageBox::Ok, QMessageBox::Warning);
}

void TTrafficGraphForm::ExportCsvClick() {
  const QString path = KyListExport::AskSaveFileName(this, QStringLiteral("Export CSV"), QStringLiteral("traffic.csv"),
                                                     QStringLiteral("CSV files (*.csv);;All files (*)"));
  QString error;
  if (!path.isEmpty() && !ExportCsv(path, &error))
    ShowMessageBox(this, error, ProgramCaption(), QMessageBox::Ok, QMessageBox::Warning);
}

void TTrafficGraphForm::StopPolling() {
  if (closing_) return;
  closing_ = true;
  if (timer_) timer_->stop();
  if (!request_) return;
  request_->enabled = false;
  // A read in flight ends with its reply or its timeout; its completion then
  // touches nothing of this window.
  request_.reset();
}

void TTrafficGraphForm::closeEvent(QCloseEvent* event) {
  StopPolling();
  event->accept();
}
