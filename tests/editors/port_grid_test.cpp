// The port grid: units, visible boxes, layout and the model table.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include "editors/PortGrid.h"
#include "editors_test_support.h"

namespace {

class PortGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApp();
    ASSERT_TRUE(dir_.isValid());
    saved_ = QDir::currentPath();
    // A clean current folder: no "DeviceInfo.ini" unless a test writes one.
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
  }
  void TearDown() override { QDir::setCurrent(saved_); }

  void WriteDeviceInfo() {
    QFile f(dir_.filePath(kDeviceInfoFile));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  }

  QTemporaryDir dir_;
  QString saved_;
};

TEST_F(PortGridTest, Qrx900UnitShowsFiftyTwoBoxesInRowsOfTwelve) {
  PortGrid panel;
  panel.AddUnit("Unit1", 1, 64, 12);
  panel.ShowUnit("1", "QRX-900", ModelPortCount("QRX-900"));

  ASSERT_EQ(panel.CheckBoxes().size(), 64);
  const int s = panel.CheckBox(0)->font().pointSize();
  ASSERT_EQ(s, 8);
  const int rowHeight = panel.CheckBox(12)->y() - panel.CheckBox(0)->y();
  EXPECT_GT(rowHeight, 0);
  for (int i = 0; i < 64; ++i) {
    QCheckBox* cb = panel.CheckBox(i);
    SCOPED_TRACE(i);
    EXPECT_EQ(cb->text(), QString::number(i + 1));
    EXPECT_EQ(cb->isHidden(), i >= 52);
    EXPECT_EQ(cb->x(), (i % 12) * 40 + 20);
    EXPECT_EQ(cb->y(), (i / 12) * rowHeight + 4);
  }
  // Five rows of visible boxes, the last with four.
  EXPECT_EQ(panel.CheckBox(51)->y(), panel.CheckBox(48)->y());
  EXPECT_EQ(panel.CheckBox(48)->y(), 4 * rowHeight + 4);

  EXPECT_EQ(panel.UnitPageControl->tabText(0), "Unit1 QRX-900");
  EXPECT_TRUE(panel.UnitPageControl->tabBar()->isHidden());
  EXPECT_EQ(panel.UnitPageControl->currentWidget(), panel.UnitPages().at(0));
}

TEST_F(PortGridTest, DeviceInfoFileLaysTheBoxesOutTenPerRow) {
  WriteDeviceInfo();
  PortGrid panel;
  panel.AddUnit("Unit1", 1, 64, 12);
  panel.ShowUnit("1", "QRX-900", 52);
  EXPECT_EQ(panel.CheckBox(9)->x(), 9 * 40 + 20);
  EXPECT_EQ(panel.CheckBox(10)->x(), 20);
  EXPECT_GT(panel.CheckBox(10)->y(), panel.CheckBox(9)->y());
}

TEST_F(PortGridTest, ModelPortCountIsExactAndCaseSensitive) {
  const struct {
    const char* model;
    int ports;
  } cases[] = {
      {"QRX-700", 28}, {"QRX-900", 52}, {"QRX-700P", 28}, {"QRX-900P", 52}, {"QRX-700G", 28},
      {"qrx-900", 0},  {"QRX-900 ", 0}, {"", 0},          {"QRX-9000", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.model);
    EXPECT_EQ(ModelPortCount(c.model), c.ports);
    EXPECT_EQ(ModelPortCount(std::string(c.model)), c.ports);
    EXPECT_EQ(ModelPortCount(QString(c.model)), c.ports);
  }
}

// The unit to show is its number as text: any other text, or a unit that
// is not there, shows nothing and leaves the tab as it was; a unit with
// fewer boxes than the model has ports shows the boxes there are.
TEST_F(PortGridTest, ShowUnitShowsTheBoxesThereAreAndIgnoresBadUnitTexts) {
  const struct {
    const char* unit;
    int boxes;  // of the unit
    const char* tab;
    int shown;  // the first boxes shown, the others hidden
  } cases[] = {
      {"x", 64, "Unit1", 0},  {"", 64, "Unit1", 0},   {"0", 64, "Unit1", 0},
      {"2", 64, "Unit1", 0},  {"-1", 64, "Unit1", 0}, {"1x", 64, "Unit1", 0},
      {"1", 64, "Unit1 QRX-900", 52}, {"1", 10, "Unit1 QRX-900", 10},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("unit \"") + c.unit + "\", " + std::to_string(c.boxes) + " boxes");
    PortGrid panel;
    panel.AddUnit("Unit1", 1, c.boxes, 12);
    panel.ShowUnit(c.unit, "QRX-900", 52);
    EXPECT_EQ(panel.UnitPageControl->tabText(0), c.tab);
    ASSERT_EQ(panel.CheckBoxes().size(), c.boxes);
    for (int i = 0; i < c.boxes; ++i) EXPECT_EQ(panel.CheckBox(i)->isHidden(), i >= c.shown) << "box " << i;
  }
}

TEST_F(PortGridTest, SecondUnitUsesItsOwnSixtyFourBoxes) {
  PortGrid panel;
  panel.AddUnit("Unit1", 1, 64, 12);
  panel.AddUnit("Unit2", 65, 64, 12);
  panel.ShowUnit("2", "QRX-700", ModelPortCount("QRX-700"));
  ASSERT_EQ(panel.CheckBoxes().size(), 128);
  for (int i = 0; i < 128; ++i) EXPECT_EQ(panel.CheckBox(i)->isHidden(), !(i >= 64 && i < 64 + 28)) << i;
  EXPECT_EQ(panel.UnitPageControl->currentWidget(), panel.UnitPages().at(1));
  EXPECT_EQ(panel.UnitPageControl->tabText(1), "Unit2 QRX-700");
}

TEST_F(PortGridTest, ClearAllUnchecksEveryBoxHiddenOnesToo) {
  PortGrid panel;
  panel.AddUnit("Unit1", 1, 64, 12);
  panel.ShowUnit("1", "QRX-900", 52);
  for (int i : {0, 30, 51, 60}) panel.CheckBox(i)->setChecked(true);
  panel.ClearAll();
  for (QCheckBox* cb : panel.CheckBoxes()) EXPECT_FALSE(cb->isChecked());
}

}  // namespace
