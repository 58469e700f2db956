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
