// LED binding: one octet-string variable of the device carries the state of
// all front-panel LEDs, one or two bytes per LED. KySNMPRequest2Leds polls it
// on a timer, turns each LED's bytes into a colour and a blink state through
// a colour map, and paints small shapes, blinking them briefly after every
// reply.
#pragma once

#include <QColor>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "editors/ControlBinding.h"

class QFrame;

// A colour as the device tables write it: 0x00BBGGRR. -1 stands for none.
using KyColor = int32_t;
inline constexpr KyColor kNoColor = -1;
inline constexpr KyColor kLedBlack = 0x000000;
inline constexpr KyColor kLedGreen = 0x00FF00;
inline constexpr KyColor kLedBlue = 0xFF0000;
inline constexpr KyColor kLedRed = 0x0000FF;
inline constexpr KyColor kLedOrange = 0x4080FF;

QColor ToQColor(KyColor colour);
KyColor FromQColor(const QColor& colour);

// One entry of a static colour table; a table ends with a pair whose colour is -1.
struct KyLedColorPair {
  int32_t value;
  KyColor colour;
};

// A value-to-colour map of LEDs. Not owned by the LEDs that use it.
class KySNMPLedColorMapList {
 public:
  struct Entry {
    int32_t value;
    KyColor colour;
  };

  // Entries are taken from `table` up to (not including) the first pair whose
  // colour is -1, or to its end.
  KySNMPLedColorMapList(uint8_t colourMask, uint8_t blinkMask, KyColor baseColour, KyColor absentColour,
                        std::span<const KyLedColorPair> table);

  // The colour of the first entry whose value, as a byte, equals v; black
  // when there is none.
  KyColor Lookup(uint8_t v) const;

  uint8_t colourMask() const { return colourMask_; }
  uint8_t blinkMask() const { return blinkMask_; }
  KyColor baseColour() const { return baseColour_; }
  KyColor absentColour() const { return absentColour_; }  // -1: none
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  uint8_t colourMask_;
  uint8_t blinkMask_;
  KyColor baseColour_;
  KyColor absentColour_;
  std::vector<Entry> entries_;
};

// What the bytes of one LED say.
struct KyLedState {
  KyColor colour = kLedBlack;
  bool blink = false;
  bool operator==(const KyLedState&) const = default;
};

// Reads the LED at byte `position` of a value's bytes. Mode 1: one byte per
// LED. Mode 2: positions from `threshold` on are a (status, colour) pair, a
// status of 1 meaning the LED is absent. A position beyond the bytes gives
// the map's absent colour; without one it raises code -519.
KyLedState DecodeLed(const std::string& image, int position, const KySNMPLedColorMapList& map, int mode,
                     int threshold);

// ---------------------------------------------------------------------------
// A shape of the toolkit: a filled figure with an outline.
class KyLedShape : public QWidget {
  Q_OBJECT

 public:
  enum Kind { Rectangle = 0, Square = 1, RoundRect = 2, RoundSquare = 3, Ellipse = 4, Circle = 5 };

  explicit KyLedShape(QWidget* parent = nullptr, Kind kind = Rectangle);

  Kind kind() const { return kind_; }
  void SetKind(Kind kind);
  // Fill and outline.
  void SetColours(KyColor fill, KyColor outline);
  KyColor fill() const { return fill_; }
  KyColor outline() const { return outline_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_;
  KyColor fill_ = kLedBlack;
  KyColor outline_ = kLedBlack;
};

// ---------------------------------------------------------------------------
// The LED binding. Asynchronous by default; the blink timer runs from
// construction, the poll timer from StartPolling.
class KySNMPRequest2Leds : public KySNMPRequest2Controls {
 public:
  struct Led {
    int variable = 0;
    int position = 0;
    const KySNMPLedColorMapList* map = nullptr;  // not owned
    QPointer<KyLedShape> shape;                  // owned by the owner window
    bool blink = false;
    KyColor colour = kLedBlack;
  };

  static constexpr int kBlinkIntervalMs = 60;
  static constexpr int kDefaultBlinkLimit = 6;

  explicit KySNMPRequest2Leds(QWidget* owner);
  ~KySNMPRequest2Leds() override;

  // Appends an LED with blink off in its map's base colour and shows the shape.
  void AddLed(int variable, int position, const KySNMPLedColorMapList& map, KyLedShape* shape);
  // One shape per number of `positions` (comma-separated byte positions),
  // made on `panel` at left + i * (gap + width), top 1; the panel loses its
  // bevels. Raises -1 for a position that is not a number.
  void AddLedRow(int variable, const std::string& positions, const KySNMPLedColorMapList& map, QFrame* panel,
                 int left, int gap, KyLedShape::Kind kind, int width, int height);
  // Mode 1: one byte per LED; mode 2: positions from `threshold` on are
  // (status, colour) pairs. Values not above 0 give 1 and 4.
  void SetMode(int mode, int threshold);
  // Polls every interval * 10 ms, the first read at once. An error of that
  // first read resets the LEDs and is raised again.
  void StartPolling(int interval);
  // Both timers off, all LEDs reset.
  void StopPolling();
  // Every LED back to blink off and its map's base colour, painted at once.
  void ResetLeds();

  // One tick of the poll timer and of the blink timer (the timers call them).
  void PollTick();
  void BlinkTick() { PaintStep(); }

  const std::vector<Led>& Leds() const { return leds_; }
  int mode() const { return mode_; }
  int threshold() const { return threshold_; }
  int blinkTicks() const { return blinkTicks_; }
  int blinkLimit = kDefaultBlinkLimit;
  QTimer* PollTimer() const { return pollTimer_.get(); }
  QTimer* BlinkTimer() const { return blinkTimer_.get(); }

 protected:
  void RowReceived() override;
  void GetFailed(const KySNMPError& result) override;
  // Reads one LED's colour and blink state from its variable's value. An LED
  // beyond the value shows its map's absent colour, and the poll then fails
  // with -519 once every LED is painted.
  virtual void UpdateLed(Led& led);
  // Paints every LED once and counts a blink tick.
  void PaintStep();

 private:
  static void Paint(Led& led, KyColor colour);

  std::vector<Led> leds_;
  std::unique_ptr<QTimer> pollTimer_;
  std::unique_ptr<QTimer> blinkTimer_;
  int blinkTicks_ = 0;
  int mode_ = 1;
  int threshold_ = 4;
  bool valueTooShort_ = false;  // an LED of the last reply lay beyond the value
};
