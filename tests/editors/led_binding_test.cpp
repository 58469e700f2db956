// The LED binding: shapes, modes, the blink sequence after a reply and the
// reset on failures. Replies are handed in directly; no agent is involved.
#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QWidget>

#include "editors/LedBinding.h"
#include "editors_test_support.h"
#include "snmp/Messages.h"

namespace {

constexpr KyLedColorPair kExample[] = {
    {0, kLedBlack}, {1, kLedBlack}, {2, kLedGreen}, {3, kLedGreen}, {4, kLedBlue}, {5, kLedRed}, {0, kNoColor},
};

// The binding with its reply and failure entries opened for the test.
class TestLeds : public KySNMPRequest2Leds {
 public:
  using KySNMPRequest2Leds::KySNMPRequest2Leds;
  using KySNMPRequest2Leds::GetFailed;
  using KySNMPRequest2Leds::RowReceived;

  // A reply carrying these bytes.
  void Reply(const std::string& bytes) {
    request.varList.Item(0).value = bytes;
    RowReceived();
  }
};

std::string Bytes(std::initializer_list<int> bytes) {
  std::string s;
  for (int b : bytes) s.push_back(static_cast<char>(b));
  return s;
}

class LedBindingTest : public ::testing::Test {
 protected:
  LedBindingTest()
      : map_(7, 0x80, kLedBlack, kLedBlack, kExample), strictMap_(7, 0x80, kLedBlack, kNoColor, kExample) {
    TestApp();
    form_ = std::make_unique<QWidget>();
    panel_ = new QFrame(form_.get());
    panel_->setFrameShape(QFrame::Panel);
    panel_->setGeometry(0, 0, 201, 7);
    status_ = new QLabel(form_.get());
    leds_ = std::make_unique<TestLeds>(form_.get());
    leds_->BlinkTimer()->stop();  // the test ticks by hand
    KySNMPVarList list;
    list.AppendItem("1.3.6.1.4.1.32473.11.63.8.2.1.1.5", "swL2DevInfoFrontPanelLedStatus", Syntax::DisplayString,
                    Access::Read);
    list.kind = 1;
    list.name = " Led Status";
    leds_->request.varList = list;
    leds_->request.varList.index = "0";
  }

  KyColor Shown(int i) const { return leds_->Leds()[static_cast<size_t>(i)].shape->fill(); }

  KySNMPLedColorMapList map_;
  KySNMPLedColorMapList strictMap_;
  std::unique_ptr<QWidget> form_;
  QFrame* panel_ = nullptr;
  QLabel* status_ = nullptr;
  std::unique_ptr<TestLeds> leds_;
};

TEST_F(LedBindingTest, AddLedRowPlacesOneShapePerPosition) {
  const KySNMPLedColorMapList base(7, 0x80, kLedRed, kLedBlack, kExample);
  leds_->AddLedRow(0, "2,4,6,8,10,12,14,16,18,20,22,24,26,28,30,32", base, panel_, 1, 7, KyLedShape::Rectangle, 6,
                   6);
  ASSERT_EQ(leds_->Leds().size(), 16u);
  EXPECT_EQ(panel_->frameShape(), QFrame::NoFrame);
  for (int i = 0; i < 16; ++i) {
    SCOPED_TRACE(i);
    const auto& led = leds_->Leds()[static_cast<size_t>(i)];
    EXPECT_EQ(led.position, 2 + 2 * i);
    EXPECT_EQ(led.variable, 0);
    EXPECT_EQ(led.shape->parentWidget(), panel_);
    EXPECT_EQ(led.shape->geometry(), QRect(1 + 13 * i, 1, 6, 6));
    EXPECT_EQ(led.shape->kind(), KyLedShape::Rectangle);
    EXPECT_FALSE(led.shape->isHidden());
    EXPECT_EQ(led.shape->fill(), kLedRed);  // the base colour until the first reply
    EXPECT_EQ(led.shape->outline(), kLedRed);
    EXPECT_FALSE(led.blink);
  }
  try {
    leds_->AddLedRow(0, "1,x", base, panel_, 1, 7, KyLedShape::Rectangle, 6, 6);
    ADD_FAILURE() << "a position that is no number was taken";
  } catch (const KySNMPException&) {
  }
}

TEST_F(LedBindingTest, SetModeFallsBackForValuesNotAboveZero) {
  const struct {
    int mode, threshold, wantMode, wantThreshold;
  } cases[] = {{2, 2, 2, 2}, {0, 0, 1, 4}, {-1, 5, 1, 5}, {2, -3, 2, 4}, {1, 4, 1, 4}};
  for (const auto& c : cases) {
    leds_->SetMode(c.mode, c.threshold);
    EXPECT_EQ(leds_->mode(), c.wantMode) << c.mode;
    EXPECT_EQ(leds_->threshold(), c.wantThreshold) << c.threshold;
  }
}

TEST_F(LedBindingTest, BlinkingLedAlternatesForSevenTicksThenStaysLit) {
  leds_->AddLedRow(0, "0,1", map_, panel_, 1, 10, KyLedShape::Rectangle, 5, 5);
  leds_->Reply(Bytes({0x84, 0x02}));  // blue blinking, green steady
  std::vector<KyColor> power{Shown(0)};
  for (int tick = 0; tick < 9; ++tick) {
    leds_->BlinkTick();
    power.push_back(Shown(0));
    EXPECT_EQ(Shown(1), kLedGreen) << tick;
  }
  const KyColor B = kLedBlue, o = kLedBlack;
  EXPECT_EQ(power, (std::vector<KyColor>{B, o, B, o, B, o, B, B, B, B}));

  // The next reply blinks again from its start: lit as it is, it goes dark first.
  leds_->Reply(Bytes({0x84, 0x02}));
  EXPECT_EQ(leds_->blinkTicks(), 1);
  EXPECT_EQ(Shown(0), kLedBlack);
  leds_->BlinkTick();
  EXPECT_EQ(Shown(0), kLedBlue);

  // Without blinking LEDs the tick count stands still.
  leds_->Reply(Bytes({0x04, 0x02}));
  for (int tick = 0; tick < 3; ++tick) leds_->BlinkTick();
  EXPECT_EQ(leds_->blinkTicks(), 0);
  EXPECT_EQ(Shown(0), kLedBlue);
}

TEST_F(LedBindingTest, PairModeReadsStatusAndColourBytes) {
  leds_->SetMode(2, 2);
  leds_->AddLedRow(0, "0,1", map_, panel_, 1, 10, KyLedShape::Rectangle, 5, 5);
  leds_->AddLedRow(0, "2,4,6", map_, panel_, 30, 7, KyLedShape::Rectangle, 6, 6);
  leds_->Reply(Bytes({0x02, 0x05, 0x01, 0x03, 0x82, 0x02, 0x00, 0x04}));
  for (int tick = 0; tick < 8; ++tick) leds_->BlinkTick();
  EXPECT_EQ(Shown(0), kLedGreen);
  EXPECT_EQ(Shown(1), kLedRed);
  EXPECT_EQ(Shown(2), kLedBlack);  // status 1 wins over its colour byte
  EXPECT_EQ(Shown(3), kLedGreen);
  EXPECT_TRUE(leds_->Leds()[3].blink);
  EXPECT_EQ(Shown(4), kLedBlue);
  EXPECT_FALSE(leds_->Leds()[4].blink);

  // The same bytes one per LED.
  leds_->SetMode(1, 2);
  leds_->Reply(Bytes({0x02, 0x05, 0x01, 0x03, 0x82, 0x02, 0x00, 0x04}));
  const auto& l = leds_->Leds();
  EXPECT_EQ((KyLedState{l[2].colour, l[2].blink}), (KyLedState{kLedBlack, false}));  // byte 2 = 1
  EXPECT_EQ((KyLedState{l[3].colour, l[3].blink}), (KyLedState{kLedGreen, true}));   // byte 4 = 0x82
  EXPECT_EQ((KyLedState{l[4].colour, l[4].blink}), (KyLedState{kLedBlack, false}));  // byte 6 = 0
}

TEST_F(LedBindingTest, ShortValueShowsTheAbsentColourOrFailsThePoll) {
  leds_->SetMode(2, 2);
  leds_->AddLedRow(0, "0,2", map_, panel_, 1, 10, KyLedShape::Rectangle, 5, 5);
  // The LEDs the value covers are shown, the others in the absent colour, and
  // the poll still fails: the device sent less than the panel needs.
  for (const std::string& bytes : {Bytes({0x04}), Bytes({0x04, 0x00, 0x02})}) {
    try {
      leds_->Reply(bytes);
      ADD_FAILURE() << "no error for " << bytes.size() << " bytes";
    } catch (const KySNMPException& e) {
      EXPECT_EQ(e.code(), -519);
      EXPECT_EQ(e.text(), "(KySNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!");
    }
    EXPECT_EQ(Shown(0), kLedBlue);
    EXPECT_EQ(Shown(1), kLedBlack);
  }
  leds_->Reply(Bytes({0x04, 0x00, 0x02, 0x03}));  // long enough
  EXPECT_EQ(Shown(1), kLedGreen);
  leds_->Reply(Bytes({0x04, 0x00, 0x01}));  // status 1: no LED there, nothing missing
  EXPECT_EQ(Shown(1), kLedBlack);

  // A map without an absent colour: the whole poll fails and every LED goes
  // back to its base colour.
  leds_->AddLedRow(0, "4", strictMap_, panel_, 40, 10, KyLedShape::Rectangle, 5, 5);
  leds_->Reply(Bytes({0x04, 0, 0x00, 0x02, 0x00, 0x02}));
  ASSERT_EQ(Shown(2), kLedGreen);
  try {
    leds_->Reply(Bytes({0x04, 0, 0x00, 0x02}));
    ADD_FAILURE() << "no error";
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), KyErr::AssocIndexOutOfRange);
  }
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Shown(i), kLedBlack) << i;
}

TEST_F(LedBindingTest, FailedPollResetsEveryLedAndReportsTheError) {
  leds_->AddLedRow(0, "0,1", map_, panel_, 1, 10, KyLedShape::Rectangle, 5, 5);
  leds_->Reply(Bytes({0x84, 0x05}));
  ASSERT_EQ(Shown(1), kLedRed);

  leds_->SetStatusTarget(status_);
  KySNMPError failure;
  failure.code = KyErr::ClassTimeout;
  failure.message = MessageText(KyErr::ClassTimeout);
  leds_->GetFailed(failure);
  EXPECT_EQ(Shown(0), kLedBlack);
  EXPECT_EQ(Shown(1), kLedBlack);
  EXPECT_FALSE(leds_->Leds()[0].blink);
  EXPECT_TRUE(status_->text().startsWith(QString::fromStdString("Get: " + failure.message +
                                                                " Request: Led Status. Receive at ")))
      << status_->text().toStdString();
  for (int tick = 0; tick < 3; ++tick) leds_->BlinkTick();
  EXPECT_EQ(Shown(0), kLedBlack);

  // Without a status target the text goes to a message box.
  BoxRecorder boxes;
  leds_->SetStatusTarget(nullptr);
  leds_->Reply(Bytes({0x02, 0x02}));
  leds_->GetFailed(failure);
  EXPECT_EQ(boxes.texts, QStringList{QString::fromStdString(failure.message)});
  EXPECT_EQ(Shown(0), kLedBlack);
}

TEST_F(LedBindingTest, StopPollingStopsBothTimersAndResets) {
  leds_->AddLedRow(0, "0", map_, panel_, 1, 10, KyLedShape::Rectangle, 5, 5);
  leds_->request.enabled = false;  // no exchange: the first read does nothing
  leds_->BlinkTimer()->start();
  leds_->StartPolling(300);
  EXPECT_TRUE(leds_->PollTimer()->isActive());
  EXPECT_EQ(leds_->PollTimer()->interval(), 3000);
  leds_->Reply(Bytes({0x05}));
  ASSERT_EQ(Shown(0), kLedRed);
  leds_->StopPolling();
  EXPECT_FALSE(leds_->PollTimer()->isActive());
  EXPECT_FALSE(leds_->BlinkTimer()->isActive());
  EXPECT_EQ(Shown(0), kLedBlack);
}

TEST(LedShape, PaintsItsFillAndOutline) {
  TestApp();
  const struct {
    KyLedShape::Kind kind;
  } kinds[] = {{KyLedShape::Rectangle}, {KyLedShape::Square}, {KyLedShape::Circle}, {KyLedShape::Ellipse}};
  for (const auto& k : kinds) {
    KyLedShape shape(nullptr, k.kind);
    shape.resize(9, 9);
    shape.SetColours(kLedGreen, kLedRed);
    const QImage img = shape.grab().toImage();
    EXPECT_EQ(img.pixelColor(4, 4), QColor(0, 255, 0)) << k.kind;
  }
  KyLedShape rect;
  rect.resize(6, 6);
  rect.SetColours(kLedBlue, kLedRed);
  const QImage img = rect.grab().toImage();
  EXPECT_EQ(img.pixelColor(0, 0), QColor(255, 0, 0));
  EXPECT_EQ(img.pixelColor(3, 3), QColor(0, 0, 255));
}

}  // namespace
