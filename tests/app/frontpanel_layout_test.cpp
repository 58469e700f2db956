// The front-panel view without an agent: layout, hints and port selection.
#include <gtest/gtest.h>

#include <QFrame>
#include <QTest>
#include <QToolButton>

#include "app/FrontPanel.h"
#include "editors/LedBinding.h"
#include "mainwindow_test_support.h"
#include "snmp/VarList.h"

namespace {

class FrontPanelLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    AppForTests();
    panel_ = std::make_unique<TPanelQRX900Form>(nullptr);
    panel_->show();
  }
  void TearDown() override { panel_.reset(); }

  void Click(int n) { QTest::mouseClick(panel_->SpeedButton(n), Qt::LeftButton); }
  // What a double click sends: a click, then a double-click press and its release.
  void DoubleClick(int n) {
    QToolButton* b = panel_->SpeedButton(n);
    QTest::mouseClick(b, Qt::LeftButton);
    QTest::mouseDClick(b, Qt::LeftButton);
    if (b->isDown()) QTest::mouseRelease(b, Qt::LeftButton);
  }
  std::vector<int> Pressed() const {
    std::vector<int> out;
    for (int n = 1; n <= TPanelQRX900Form::kPortButtons; ++n)
      if (panel_->SpeedButton(n)->isChecked()) out.push_back(n);
    return out;
  }

  std::unique_ptr<TPanelQRX900Form> panel_;
};

TEST_F(FrontPanelLayout, FormAndPictureAre783By96) {
  EXPECT_EQ(panel_->size(), QSize(783, 96));
  EXPECT_EQ(panel_->Image1->geometry(), QRect(0, 0, 783, 96));
  ASSERT_FALSE(panel_->Image1->pixmap().isNull());
  EXPECT_EQ(panel_->Image1->pixmap().size(), QSize(783, 96));
}

TEST_F(FrontPanelLayout, PortButtonsStandWhereThePictureHasItsPorts) {
  struct Case {
    int n, left, top, width, height;
    const char* hint;
  };
  const Case cases[] = {
      {1, 65, 25, 25, 23, "1.100"},    {2, 65, 51, 25, 24, "2.100"},    {3, 90, 25, 25, 23, "3.100"},
      {15, 240, 25, 25, 23, "15.100"}, {16, 240, 51, 25, 24, "16.100"}, {17, 280, 25, 25, 23, "17.100"},
      {32, 455, 51, 25, 24, "32.100"}, {33, 492, 25, 25, 23, "33.100"}, {46, 642, 51, 25, 24, "46.100"},
      {47, 668, 25, 25, 23, "47.100"}, {48, 668, 51, 25, 24, "48.100"}, {49, 698, 30, 21, 15, "49.101"},
      {50, 698, 56, 21, 15, "50.101"}, {51, 730, 26, 22, 23, "49.100"}, {52, 730, 51, 22, 23, "50.100"},
      {53, 756, 26, 22, 23, "51.100"}, {54, 756, 51, 22, 23, "52.100"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.n);
    QToolButton* b = panel_->SpeedButton(c.n);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->geometry(), QRect(c.left, c.top, c.width, c.height));
    EXPECT_EQ(b->toolTip(), c.hint);
    EXPECT_TRUE(b->isCheckable());
    EXPECT_FALSE(b->icon().isNull());
  }
  // Every button of the three blocks: odd above even, 25 pixels per column.
  for (int n = 1; n <= 46; ++n) {
    const int base = n <= 16 ? 65 : n <= 32 ? 280 : 492;
    const int first = n <= 16 ? 1 : n <= 32 ? 17 : 33;
    EXPECT_EQ(panel_->SpeedButton(n)->x(), base + 25 * ((n - first) / 2)) << n;
    EXPECT_EQ(panel_->SpeedButton(n)->y(), n % 2 ? 25 : 51) << n;
  }
}

TEST_F(FrontPanelLayout, LedPanelsAndTheirShapes) {
  const struct {
    QFrame* panel;
    QRect geometry;
  } panels[] = {
      {panel_->PowerLedPanel, {53, 59, 7, 7}},   {panel_->ConsoleLedPanel, {53, 75, 7, 7}},
      {panel_->LedPanel1, {67, 8, 201, 7}},      {panel_->LedPanel2, {280, 8, 201, 7}},
      {panel_->LedPanel3, {496, 8, 201, 7}},     {panel_->Port49LedPanel, {734, 8, 7, 7}},
      {panel_->Port50LedPanel, {747, 8, 7, 7}},  {panel_->Port51LedPanel, {760, 8, 7, 7}},
      {panel_->Port52LedPanel, {773, 8, 7, 7}},
  };
  for (const auto& p : panels) {
    SCOPED_TRACE(p.panel->objectName().toStdString());
    EXPECT_EQ(p.panel->geometry(), p.geometry);
    EXPECT_EQ(p.panel->frameShape(), QFrame::NoFrame);
  }
}

TEST_F(FrontPanelLayout, LedsFollowTheLedTable) {
  KySNMPRequest2Leds* leds = panel_->Leds();
  ASSERT_NE(leds, nullptr);
  EXPECT_EQ(leds->mode(), 2);
  EXPECT_EQ(leds->threshold(), 2);
  EXPECT_EQ(leds->PollTimer()->interval(), 3000);
  const KySNMPVarList& list = leds->request.varList;
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Item(0).oid, "1.3.6.1.4.1.32473.11.63.8.2.1.1.5");
  EXPECT_EQ(list.Item(0).label, "swL2DevInfoFrontPanelLedStatus");
  EXPECT_EQ(list.Item(0).syntax, Syntax::DisplayString);
  EXPECT_EQ(list.kind, 1);
  EXPECT_EQ(list.keyCount, 0);
  EXPECT_EQ(list.index, "0");
  EXPECT_EQ(list.name, " Led Status");

  ASSERT_EQ(leds->Leds().size(), 54u);
  for (size_t i = 0; i < 54; ++i) {
    const auto& led = leds->Leds()[i];
    SCOPED_TRACE(i);
    QFrame* panel = qobject_cast<QFrame*>(led.shape->parentWidget());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(led.variable, 0);
    EXPECT_EQ(led.shape->kind(), KyLedShape::Rectangle);
    if (i < 2) {  // power, console
      EXPECT_EQ(led.position, static_cast<int>(i));
      EXPECT_EQ(led.map, &SystemLedColorMap());
      EXPECT_EQ(panel, i == 0 ? panel_->PowerLedPanel : panel_->ConsoleLedPanel);
      EXPECT_EQ(led.shape->geometry(), QRect(1, 1, 5, 5));
    } else if (i < 50) {  // ports 1 to 48
      const int port = static_cast<int>(i) - 1;
      EXPECT_EQ(led.position, 2 * port);
      EXPECT_EQ(led.map, &PortLedColorMap());
      QFrame* rows[] = {panel_->LedPanel1, panel_->LedPanel2, panel_->LedPanel3};
      EXPECT_EQ(panel, rows[(port - 1) / 16]);
      EXPECT_EQ(led.shape->geometry(), QRect(1 + 13 * ((port - 1) % 16), 1, 6, 6));
    } else {  // ports 49 to 52
      const int port = static_cast<int>(i) - 1;
      EXPECT_EQ(led.position, 2 * port);
      EXPECT_EQ(led.map, &UplinkLedColorMap());
      QFrame* uplinks[] = {panel_->Port49LedPanel, panel_->Port50LedPanel, panel_->Port51LedPanel,
                           panel_->Port52LedPanel};
      EXPECT_EQ(panel, uplinks[port - 49]);
      EXPECT_EQ(led.shape->geometry(), QRect(1, 1, 6, 6));
    }
  }
}

TEST(FrontPanelColours, TheThreeMaps) {
  const KyColor k = kLedBlack, g = kLedGreen, b = kLedBlue, r = kLedRed, o = kLedOrange;
  const struct {
    const KySNMPLedColorMapList& map;
    KyColor colours[8];  // codes 0 to 7
  } maps[] = {
      {SystemLedColorMap(), {k, k, g, g, b, r, k, k}},
      {PortLedColorMap(), {o, o, g, g, g, r, k, k}},
      {UplinkLedColorMap(), {k, o, o, g, g, r, k, k}},
  };
  for (const auto& m : maps) {
    EXPECT_EQ(m.map.colourMask(), 7);
    EXPECT_EQ(m.map.blinkMask(), 0x80);
    EXPECT_EQ(m.map.baseColour(), kLedBlack);
    EXPECT_EQ(m.map.absentColour(), kLedBlack);
    for (uint8_t code = 0; code < 8; ++code) EXPECT_EQ(m.map.Lookup(code), m.colours[code]) << int(code);
  }
  // Port 49 with colour code 0 is dark, port 1 orange.
  const std::string bytes(106, '\0');
  EXPECT_EQ(DecodeLed(bytes, 98, UplinkLedColorMap(), 2, 2).colour, kLedBlack);
  EXPECT_EQ(DecodeLed(bytes, 2, PortLedColorMap(), 2, 2).colour, kLedOrange);
}

TEST_F(FrontPanelLayout, ClickingAPortSelectsItAlone) {
  Click(5);
  EXPECT_EQ(Pressed(), std::vector<int>{5});
  Click(7);
  EXPECT_EQ(Pressed(), std::vector<int>{7});
  EXPECT_EQ(panel_->SelectedButton(), panel_->SpeedButton(7));
  // Clicking the selected port again keeps it pressed.
  Click(7);
  EXPECT_EQ(Pressed(), std::vector<int>{7});
  Click(54);
  EXPECT_EQ(Pressed(), std::vector<int>{54});
}

TEST_F(FrontPanelLayout, ClickingThePictureReleasesTheSelection) {
  Click(5);
  Click(7);
  QTest::mouseClick(panel_->Image1, Qt::LeftButton, {}, QPoint(20, 90));
  EXPECT_TRUE(Pressed().empty());
  // The view still remembers port 7: releasing it again does no harm.
  EXPECT_EQ(panel_->SelectedButton(), panel_->SpeedButton(7));
  Click(9);
  EXPECT_EQ(Pressed(), std::vector<int>{9});
  QTest::mouseClick(panel_->Image1, Qt::LeftButton, {}, QPoint(20, 90));
  QTest::mouseClick(panel_->Image1, Qt::LeftButton, {}, QPoint(20, 90));
  EXPECT_TRUE(Pressed().empty());
}

TEST_F(FrontPanelLayout, DoubleClickIsTwoClicksAndNothingMore) {
  Click(3);
  DoubleClick(12);
  EXPECT_EQ(Pressed(), std::vector<int>{12});
  DoubleClick(12);
  EXPECT_EQ(Pressed(), std::vector<int>{12});
}

}  // namespace
