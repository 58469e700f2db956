// What the panel's views make of one reading: VLAN membership, spanning-tree
// state, load and errors, bad and missing data included.
#include <gtest/gtest.h>

#include "app/PanelViews.h"

namespace {

KyVb Octets(const std::string& bytes) {
  KyVb vb;
  vb.SetOctets(KyVbType::OctetString, bytes);
  return vb;
}
KyVb Int(int64_t v) {
  KyVb vb;
  vb.SetInteger(v);
  return vb;
}
KyVb Typed(uint8_t type) {
  KyVb vb;
  vb.type = type;
  return vb;
}

// Ports 1-4 egress, 1-2 untagged, 5 forbidden (and egress: forbidden wins).
const std::string kEgress("\xF8\0\0\0\0\0\0", 7);
const std::string kUntagged("\xC0\0\0\0\0\0\0", 7);
const std::string kForbidden("\x08\0\0\0\0\0\0", 7);

TEST(PanelViewDecode, VlanMembershipFromTheStaticAndCurrentTables) {
  struct Case {
    const char* name;
    KyVb staticEgress, staticUntagged, forbidden, currentEgress, currentUntagged;
    std::vector<KyPortMark> ports1to6;
    bool reasonGiven;
  };
  using M = KyPortMark;
  const std::string none(7, '\0');
  const std::vector<M> expected{M::Untagged, M::Untagged, M::Tagged, M::Tagged, M::Forbidden, M::NotMember};
  const std::vector<M> unknown(6, M::Unknown);
  const Case cases[] = {
      {"static only", Octets(kEgress), Octets(kUntagged), Octets(kForbidden), Typed(KyVbType::NoSuchInstance),
       Typed(KyVbType::NoSuchInstance), expected, false},
      // The current table answers: it is what the switch does now.
      {"current wins", Octets(none), Octets(none), Octets(kForbidden), Octets(kEgress), Octets(kUntagged), expected,
       false},
      {"egress missing", Typed(KyVbType::NoSuchObject), Octets(kUntagged), Octets(kForbidden), Typed(KyVbType::Null),
       Typed(KyVbType::Null), unknown, true},
      {"egress of the wrong type", Int(5), Octets(kUntagged), Octets(kForbidden), Typed(KyVbType::Null),
       Typed(KyVbType::Null), unknown, true},
      {"untagged missing", Octets(kEgress), Typed(KyVbType::Null), Octets(kForbidden), Typed(KyVbType::Null),
       Typed(KyVbType::Null), unknown, true},
      // Without the forbidden list the members still show; the legend says what is missing.
      {"forbidden missing", Octets(kEgress), Octets(kUntagged), Typed(KyVbType::NoSuchObject), Typed(KyVbType::Null),
       Typed(KyVbType::Null), {M::Untagged, M::Untagged, M::Tagged, M::Tagged, M::Tagged, M::NotMember}, true},
      // A short list: the ports beyond it are no members.
      {"short list", Octets("\xF8"), Octets("\xC0"), Octets("\x08"), Typed(KyVbType::Null), Typed(KyVbType::Null),
       expected, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QString reason;
    const auto shades = VlanShades(c.staticEgress, c.staticUntagged, c.forbidden, c.currentEgress, c.currentUntagged,
                                   &reason);
    ASSERT_EQ(shades.size(), static_cast<size_t>(kPanelViewPorts));
    for (size_t p = 0; p < c.ports1to6.size(); ++p) EXPECT_EQ(shades[p].mark, c.ports1to6[p]) << "port " << p + 1;
    EXPECT_EQ(shades[51].mark, c.ports1to6 == unknown ? M::Unknown : M::NotMember);
    EXPECT_EQ(!reason.isEmpty(), c.reasonGiven) << reason.toStdString();
  }
}

TEST(PanelViewDecode, SpanningTreeStates) {
  using M = KyPortMark;
  struct Case {
    KyVb state;
    bool bridgeMib;
    M mark;
  };
  const Case cases[] = {
      {Int(1), false, M::Disabled},   {Int(2), false, M::Blocking},   {Int(3), false, M::Learning},
      {Int(4), false, M::Forwarding}, {Int(5), false, M::Broken},     {Int(6), false, M::Unknown},
      {Int(1), true, M::Disabled},    {Int(2), true, M::Blocking},    {Int(3), true, M::Listening},
      {Int(4), true, M::Learning},    {Int(5), true, M::Forwarding},  {Int(6), true, M::Broken},
      {Int(0), true, M::Unknown},     {Octets("\x04"), false, M::Unknown},
      {Typed(KyVbType::NoSuchInstance), false, M::Unknown},           {Typed(KyVbType::Null), true, M::Unknown},
  };
  for (const Case& c : cases) {
    const KyPortShade s = StpShade(c.state, c.bridgeMib);
    EXPECT_EQ(s.mark, c.mark) << "type " << int(c.state.type) << " value " << c.state.integer << " bridge " << c.bridgeMib;
    if (s.mark == M::Unknown) {
      EXPECT_FALSE(s.detail.isEmpty());
    }
  }
}

TEST(PanelViewDecode, LoadAndErrors) {
  using M = KyPortMark;
  KyPortRates r;
  r.rxBits = 250e6;
  r.txBits = 600e6;
  const KyPortShade full = LoadShade(r, 1000000000ull, 1, false);
  EXPECT_EQ(full.mark, M::Level);
  EXPECT_EQ(full.caption, "60%");
  EXPECT_DOUBLE_EQ(full.level, 0.6);
  EXPECT_EQ(LoadShade(r, 1000000000ull, 2, false).mark, M::NoLink);           // link down: grey
  EXPECT_EQ(LoadShade(r, 1000000000ull, std::nullopt, false).mark, M::Unknown);
  EXPECT_EQ(LoadShade(r, 0, 1, false).mark, M::Unknown);                     // no speed, no percentage
  EXPECT_EQ(LoadShade(KyPortRates{}, 1000000000ull, 1, true).mark, M::Unknown);  // one reading only
  KyPortRates quiet;
  quiet.rxBits = 1000;
  quiet.txBits = 0;
  EXPECT_EQ(LoadShade(quiet, 1000000000ull, 1, false).caption, "<1%");

  KyPortRates e;
  e.errors = 0;
  e.discards = 0;
  EXPECT_EQ(ErrorShade(e, false).mark, M::Level);
  EXPECT_EQ(ErrorShade(e, false).level, 0);
  e.errors = 40;
  EXPECT_EQ(ErrorShade(e, false).level, 1);
  EXPECT_EQ(ErrorShade(e, false).caption, "40");
  e.discards.reset();
  EXPECT_EQ(ErrorShade(e, false).mark, M::Unknown);
}

}  // namespace

// The load view fed readings as its polls deliver them: the rate over a
// 32-bit counter that wrapped, and no rate (unknown, not a stale or bogus
// colour) across a counter reset.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include "app/FrontPanel.h"
#include "mainwindow_test_support.h"
#include "snmp/SessionParams.h"

namespace {

KyVb Ticks(uint64_t t) {
  KyVb vb;
  vb.SetUnsigned(KyVbType::TimeTicks, t);
  return vb;
}
KyVb Counter(uint64_t v) {
  KyVb vb;
  vb.SetUnsigned(KyVbType::Counter32, v);
  return vb;
}
KyVb Gauge(uint64_t v) {
  KyVb vb;
  vb.SetUnsigned(KyVbType::Gauge32, v);
  return vb;
}

// One SNMPv1 reading of the load view: every port up at 1 Gbit/s, its in
// and out octets as given (port 1 from `in1`, the others standing still).
std::vector<KyVb> LoadReading(uint32_t upTime, uint64_t in1, uint64_t out1) {
  std::vector<KyVb> v{Ticks(upTime)};
  for (int p = 1; p <= kPanelViewPorts; ++p) {
    v.push_back(Counter(p == 1 ? in1 : 1000));
    v.push_back(Counter(p == 1 ? out1 : 1000));
    v.push_back(Gauge(1000000000));
    v.push_back(Int(1));
  }
  return v;
}

class PanelLoadView : public ::testing::Test {
 protected:
  void SetUp() override {
    AppForTests();
    saved_ = GlobalSecurity;
    GlobalSecurity.version = SnmpVersion::V1;  // 32-bit counters
    // The LED poll's status goes to a status panel, as in the main window
    // (without one, a failed poll would open a message box).
    panel = std::make_unique<TPanelQRX900Form>(nullptr, &status);
    panel->Viewer()->autoPoll = false;
    panel->ShowView(KyPanelView::Load);
  }
  void TearDown() override {
    panel.reset();
    GlobalSecurity = saved_;
  }
  QLabel status;
  std::unique_ptr<TPanelQRX900Form> panel;
  KySNMPSecurity saved_;
};

TEST_F(PanelLoadView, RatesOverAWrapAndNoneAcrossAReset) {
  TPanelViewer* v = panel->Viewer();
  ASSERT_EQ(v->PolledOids().size(), 1u + 4u * kPanelViewPorts);
  EXPECT_EQ(v->PolledOids()[1], "1.3.6.1.2.1.2.2.1.10.1");  // ifInOctets over SNMPv1
  EXPECT_EQ(v->PortShade(1).mark, KyPortMark::Unknown);      // nothing read yet

  // 12.5 MB/s in over 10 s (10% of 1 Gbit/s), the counter wrapping on the way; 5% out.
  const uint64_t start = 0xFFFFFFFFull - 50000000ull;
  v->TakeReading(LoadReading(1000, start, 0), QString());
  EXPECT_EQ(v->PortShade(1).mark, KyPortMark::Unknown);  // one reading gives no rate
  v->TakeReading(LoadReading(2000, (start + 125000000ull) & 0xFFFFFFFFull, 62500000ull), QString());
  EXPECT_EQ(v->PortShade(1).mark, KyPortMark::Level);
  EXPECT_EQ(v->PortShade(1).caption, "10%");
  EXPECT_EQ(v->PortShade(2).caption, "0%");
  EXPECT_EQ(v->Overlay(1)->Shade().caption, "10%");

  // The agent restarted: sysUpTime and the counters went back. No rate, and
  // the legend says why; the next reading has one again.
  v->TakeReading(LoadReading(300, 5000, 5000), QString());
  EXPECT_EQ(v->PortShade(1).mark, KyPortMark::Unknown);
  EXPECT_FALSE(v->LegendReason().isEmpty());
  v->TakeReading(LoadReading(1300, 5000 + 25000000ull, 5000), QString());
  EXPECT_EQ(v->PortShade(1).caption, "2%");

  // A failed poll: every port unknown, the error in the legend.
  v->TakeReading(std::vector<KyVb>(v->PolledOids().size()), "No response");
  for (int p : {1, 2, 52}) EXPECT_EQ(v->PortShade(p).mark, KyPortMark::Unknown) << p;
  EXPECT_EQ(v->LegendReason(), "No response");

  // Back to the LEDs: the overlays and the legend go, the panel is its old size.
  panel->ShowView(KyPanelView::Leds);
  EXPECT_FALSE(v->Overlay(1)->isVisibleTo(panel.get()));
  EXPECT_EQ(panel->size(), QSize(783, 96));
}

TEST_F(PanelLoadView, TheContextMenuAndEscapeChooseTheView) {
  std::unique_ptr<QMenu> menu(panel->ViewMenu());
  QStringList captions;
  QString checked;
  for (QAction* a : menu->actions()) {
    captions << a->text();
    if (a->isChecked()) checked = a->text();
  }
  EXPECT_EQ(captions, (QStringList{"Show: LEDs", "VLAN membership...", "Spanning Tree State", "Load", "Errors"}));
  EXPECT_EQ(checked, "Load");
  menu->findChild<QAction*>("actionShowErrors")->trigger();
  EXPECT_EQ(panel->CurrentView(), KyPanelView::Errors);
  EXPECT_EQ(panel->size(), QSize(783, 96 + TPanelViewer::kLegendHeight));
  EXPECT_EQ(panel->Viewer()->LegendTitle(), "Errors:");

  panel->show();
  panel->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
  QTest::keyClick(panel.get(), Qt::Key_Escape);
  EXPECT_EQ(panel->CurrentView(), KyPanelView::Leds);
  EXPECT_FALSE(panel->Viewer()->Legend()->isVisibleTo(panel.get()));
}

}  // namespace
