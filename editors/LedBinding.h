// LED binding: one octet-string variable of the device carries the state of
// all front-panel LEDs, one or two bytes per LED. KySNMPRequest2Leds polls it
// on a timer, turns each LED's bytes into a colour and a blink state through
// a colour map, and paints small shapes, blinking them briefly after every
// reply.
#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

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

// Polls the LED variable and paints the shapes (being completed).
class KySNMPRequest2Leds {};
