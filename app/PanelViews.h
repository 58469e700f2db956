// Views of the front panel beyond its LEDs: the ports coloured by their
// membership of one VLAN, by their spanning-tree state, by their load or by
// their error rate, with a legend strip under the picture. A view reads what
// it needs through the request engine (asynchronous GETs, in groups of a
// size every agent takes) at the panel's poll interval, and only while it is
// shown. A port whose data is missing, of the wrong type or not yet read is
// shown "unknown" (hatched), with the reason in the legend: a colour always
// stands for the last reading.
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/TrafficRate.h"
#include "snmp/Value.h"

class QLabel;
class QSpinBox;
class QTimer;
class TPanelQRX900Form;
class KyRawReader;

enum class KyPanelView { Leds, Vlan, SpanningTree, Load, Errors };

// What a port is shown as.
enum class KyPortMark {
  Unknown,     // no usable reading (hatched)
  NoLink,      // grey: the port has no link (load view)
  Untagged,    // VLAN: untagged member
  Tagged,      // VLAN: tagged member
  Forbidden,   // VLAN: forbidden
  NotMember,   // VLAN: not a member
  Forwarding,  // spanning tree
  Learning,
  Listening,
  Blocking,    // blocking or discarding
  Disabled,
  Broken,
  Level,       // load or error rate on the colour scale (`level`)
};

struct KyPortShade {
  KyPortMark mark = KyPortMark::Unknown;
  double level = 0;  // Level: 0 (none) to 1 (full, or the scale's top)
  QString caption;   // drawn on the port ("37%")
  QString detail;    // the figure, or why the port is unknown
};

// The number of ports a view colours.
inline constexpr int kPanelViewPorts = 52;

QColor ShadeColour(const KyPortShade& shade);
QString MarkName(KyPortMark mark);
// The title of a view as the legend names it.
QString ViewTitle(KyPanelView view);

// ---------------------------------------------------------------------------
// Decoding of one reading (pure functions, tested without an agent).

// VLAN membership from the static table's egress, untagged and forbidden
// port lists and the current table's egress and untagged ones (either may be
// missing: a value of another type than OCTET STRING counts as missing). The
// current table wins where it answered. `reason` tells why ports are unknown.
std::vector<KyPortShade> VlanShades(const KyVb& staticEgress, const KyVb& staticUntagged, const KyVb& forbidden,
                                    const KyVb& currentEgress, const KyVb& currentUntagged, QString* reason);

// Spanning-tree state of a port from the switch's own MSTP port table
// (1 disabled, 2 discarding, 3 learning, 4 forwarding, 5 broken) or the
// bridge MIB (1 disabled, 2 blocking, 3 listening, 4 learning, 5 forwarding,
// 6 broken).
KyPortShade StpShade(const KyVb& state, bool bridgeMib);

// Load of a port: the larger of in and out over the interval against its
// speed. `link`: ifOperStatus (none when not read).
KyPortShade LoadShade(const KyPortRates& rates, uint64_t speed, std::optional<int64_t> link, bool first);
// Errors plus discards per second, in and out.
KyPortShade ErrorShade(const KyPortRates& rates, bool first);

// ---------------------------------------------------------------------------

// One port drawn over its button: the colour, hatched when unknown, and the
// caption.
class KyPortShadeWidget : public QWidget {
  Q_OBJECT
 public:
  explicit KyPortShadeWidget(QWidget* parent);
  void SetShade(const KyPortShade& shade);
  const KyPortShade& Shade() const { return shade_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  KyPortShade shade_;
};

class TPanelViewer : public QObject {
  Q_OBJECT
 public:
  // `panel` holds the port buttons; `legendParent` gets the legend strip.
  TPanelViewer(TPanelQRX900Form* panel, int intervalMs);
  ~TPanelViewer() override;

  // Shows a view; `vlan` for the VLAN view. The LED view hides the overlays
  // and the legend. Polls at once, then every interval.
  void Show(KyPanelView view, int vlan = 0);
  KyPanelView View() const { return view_; }
  int Vlan() const { return vlan_; }
  // The MST instance of the spanning-tree view.
  void SetInstance(int instance);
  int Instance() const { return instance_; }

  // One poll now (the timer calls it); false while the previous one is out.
  bool PollNow();
  QTimer* PollTimer() const { return timer_; }
  int PollsCompleted() const { return polls_; }
  bool Busy() const;

  // Takes one reading as a poll delivers it: the values of the view's
  // instances in order, and the error text of a failed exchange (empty
  // when all answered). Tests feed their own.
  void TakeReading(const std::vector<KyVb>& values, const QString& error);
  // The instances one poll of the current view reads, in order.
  std::vector<std::string> PolledOids() const;

  // The shade of port p (1 to 52), the legend's texts.
  const KyPortShade& PortShade(int port) const { return shades_.at(static_cast<size_t>(port - 1)); }
  QString LegendTitle() const;
  QString LegendReason() const;
  QWidget* Legend() const { return legend_; }
  // The overlay drawn over port button n (1 to 54).
  KyPortShadeWidget* Overlay(int button) const { return overlays_.value(button - 1); }

  static constexpr int kLegendHeight = 22;
  // Show polls at once and then every interval; tests that feed their own
  // readings turn this off.
  bool autoPoll = true;

 signals:
  void polled();

 private:
  void BuildLegend();
  void UpdateLegend();
  void Apply();
  void SetAllUnknown(const QString& reason);
  std::vector<std::vector<std::string>> Groups() const;

  QPointer<TPanelQRX900Form> panel_;
  KyPanelView view_ = KyPanelView::Leds;
  int vlan_ = 1;
  int instance_ = 1;
  bool bridgeMib_ = false;   // the switch lacks its MSTP port table: the bridge MIB's
  bool counters64_ = true;
  std::unique_ptr<KyRawReader> reader_;
  // Readers of earlier views whose last poll is still out: freed once it
  // ended, so that changing the view never waits for an agent.
  std::vector<std::unique_ptr<KyRawReader>> retired_;
  void RetireReader();
  KyTrafficRates rates_;
  bool firstRates_ = true;
  std::vector<KyPortShade> shades_;
  QString reason_;
  int polls_ = 0;
  QTimer* timer_ = nullptr;
  QList<KyPortShadeWidget*> overlays_;
  QWidget* legend_ = nullptr;
  QLabel* title_ = nullptr;
  QLabel* swatches_ = nullptr;
  QLabel* reasonLabel_ = nullptr;
  QSpinBox* instanceBox_ = nullptr;
};

// Asks for a VLAN among the switch's VLANs (read from the static VLAN table,
// with their names); 0 when cancelled.
int ChooseVlan(QWidget* owner, int current);
