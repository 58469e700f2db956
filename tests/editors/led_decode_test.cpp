// Colour maps and the reading of one LED from the bytes of the LED variable.
#include <gtest/gtest.h>

#include <string>

#include "editors/LedBinding.h"
#include "snmp/Messages.h"

namespace {

// The example map: colour mask 7, blink mask 0x80, base and absent black.
constexpr KyLedColorPair kExample[] = {
    {0, kLedBlack}, {1, kLedBlack}, {2, kLedGreen}, {3, kLedGreen}, {4, kLedBlue}, {5, kLedRed}, {0, kNoColor},
};

KySNMPLedColorMapList ExampleMap(KyColor absent = kLedBlack) {
  return KySNMPLedColorMapList(7, 0x80, kLedBlack, absent, kExample);
}

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s.push_back(static_cast<char>(b));
  return s;
}

TEST(LedColorMap, TableEndsAtTheFirstColourMinusOne) {
  const KyLedColorPair table[] = {{1, kLedRed}, {2, kNoColor}, {3, kLedGreen}};
  KySNMPLedColorMapList map(7, 0x80, kLedBlack, kNoColor, table);
  ASSERT_EQ(map.entries().size(), 1u);
  EXPECT_EQ(map.Lookup(1), kLedRed);
  EXPECT_EQ(map.Lookup(3), kLedBlack);  // after the end marker: not in the map
  EXPECT_EQ(map.absentColour(), kNoColor);
}

TEST(LedColorMap, LookupComparesTheEntryValueAsAByte) {
  const KyLedColorPair table[] = {{0x104, kLedBlue}, {4, kLedRed}, {0, kNoColor}};
  KySNMPLedColorMapList map(0xFF, 0, kLedBlack, kLedBlack, table);
  EXPECT_EQ(map.Lookup(4), kLedBlue);  // the first entry whose value is 4 as a byte
  EXPECT_EQ(map.Lookup(5), kLedBlack);
}

TEST(LedColour, ConvertsBetweenTheDeviceLayoutAndRgb) {
  EXPECT_EQ(ToQColor(kLedRed), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(kLedBlue), QColor(0, 0, 255));
  EXPECT_EQ(ToQColor(kLedOrange), QColor(0xFF, 0x80, 0x40));
  for (KyColor c : {kLedBlack, kLedGreen, kLedBlue, kLedRed, kLedOrange, 0x123456})
    EXPECT_EQ(FromQColor(ToQColor(c)), c) << std::hex << c;
}

TEST(DecodeLed, SingleByteLeds) {
  const auto map = ExampleMap();
  const struct {
    int byte;
    KyColor colour;
    bool blink;
  } cases[] = {
      {0x84, kLedBlue, true},   {0x02, kLedGreen, false}, {0x07, kLedBlack, false}, {0x05, kLedRed, false},
      {0x83, kLedGreen, true},  {0x0A, kLedGreen, false},  // 0x0A & 7 = 2
      {0x80, kLedBlack, true},  {0xFF, kLedBlack, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.byte);
    for (int mode : {1, 2}) {
      // Mode 2 below the threshold reads one byte as well.
      EXPECT_EQ(DecodeLed(Bytes({0, c.byte}), 1, map, mode, 4), (KyLedState{c.colour, c.blink}));
    }
  }
}

TEST(DecodeLed, PairLedsInModeTwo) {
  const auto map = ExampleMap(kLedRed);  // a visible absent colour
  const struct {
    int status, colour;
    KyLedState state;
  } cases[] = {
      {0x01, 0x03, {kLedRed, false}},    // status 1: absent, whatever the colour byte says
      {0x00, 0x02, {kLedGreen, false}},
      {0x82, 0x02, {kLedGreen, true}},
      {0x80, 0x05, {kLedRed, true}},
      {0x02, 0x84, {kLedBlue, false}},   // the colour byte's high bit does not blink
      {0x81, 0x02, {kLedGreen, true}},   // only exactly 1 means absent
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    EXPECT_EQ(DecodeLed(Bytes({0, 0, c.status, c.colour}), 2, map, 2, 2), c.state);
  }
}

TEST(DecodeLed, PositionsBeyondTheValue) {
  // With an absent colour: that colour, not blinking.
  EXPECT_EQ(DecodeLed(Bytes({2, 2}), 2, ExampleMap(kLedRed), 1, 4), (KyLedState{kLedRed, false}));
  EXPECT_EQ(DecodeLed("", 0, ExampleMap(kLedRed), 1, 4), (KyLedState{kLedRed, false}));
  // A pair whose colour byte is missing has no colour either.
  EXPECT_EQ(DecodeLed(Bytes({2, 2, 0x82}), 2, ExampleMap(kLedRed), 2, 2), (KyLedState{kLedRed, false}));
  // ... unless its status says absent.
  EXPECT_EQ(DecodeLed(Bytes({2, 2, 0x01}), 2, ExampleMap(kLedRed), 2, 2), (KyLedState{kLedRed, false}));

  // Without one: code -519.
  const auto noAbsent = ExampleMap(kNoColor);
  for (const auto& [image, position, mode] : {std::tuple{Bytes({2, 2}), 2, 1}, std::tuple{std::string(), 0, 1},
                                              std::tuple{Bytes({2, 2, 0x82}), 2, 2}, std::tuple{Bytes({2}), -1, 1}}) {
    try {
      DecodeLed(image, position, noAbsent, mode, 2);
      ADD_FAILURE() << "no error for position " << position;
    } catch (const KySNMPException& e) {
      EXPECT_EQ(e.code(), KyErr::AssocIndexOutOfRange);
      EXPECT_EQ(e.text(), "(KySNMP++) Out of range for the bit(byte) index of the associated SNMP variable's "
                          "(partial) data!");
    }
  }
}

}  // namespace
