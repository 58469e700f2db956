// The front-panel view without an agent: layout, hints and port selection.
#include <gtest/gtest.h>

#include <QFrame>
#include <QTest>
#include <QToolButton>

#include "app/FrontPanel.h"
#include "editors/LedBinding.h"
#include "mainwindow_test_support.h"

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
