#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <locale>
#include <memory>
#include <string>
#include <vector>

#include "snmp/Messages.h"
#include "snmp/Value.h"

// Failure messages name a syntax by its number.
static std::ostream& operator<<(std::ostream& os, Syntax s) { return os << static_cast<int>(s); }

namespace {

std::string Bytes(std::initializer_list<int> b) {
  std::string s;
  for (int v : b) s += static_cast<char>(v);
  return s;
}

std::string AllBytes() {
  std::string s;
  for (int v = 0; v < 256; ++v) s += static_cast<char>(v);
  return s;
}

KyVb IntVb(int64_t v) {
  KyVb vb;
  vb.SetInteger(v);
  return vb;
}
KyVb UVb(uint8_t type, uint64_t v) {
  KyVb vb;
  vb.SetUnsigned(type, v);
  return vb;
}
KyVb OctVb(std::string bytes, uint8_t type = KyVbType::OctetString) {
  KyVb vb;
  vb.SetOctets(type, std::move(bytes));
  return vb;
}
KyVb OidVb(KyOid oid) {
  KyVb vb;
  vb.SetObjectId(std::move(oid));
  return vb;
}
KyVb TypeOnly(uint8_t type) {
  KyVb vb;
  vb.type = type;
  return vb;
}

KySNMPVarDef Item(Syntax syntax, std::string value = {}, const KyOptionList* options = nullptr) {
  KySNMPVarDef d;
  d.oid = "1.3.6.1.4.1.32473.1";
  d.label = "Test Value";
  d.syntax = syntax;
  d.access = Access::Read | Access::Write;
  d.options = options;
  d.value = std::move(value);
  return d;
}

std::string Stored(Syntax syntax, const KyVb& vb) {
  KySNMPVarDef item = Item(syntax, "previous");
  StoreValue(item, vb);
  return item.value;
}

KyVb Loaded(Syntax syntax, const std::string& text) {
  KyVb vb;
  vb.oid = {1, 3, 6, 1, 4, 1, 32473, 1, 0};
  LoadValue(Item(syntax, text), vb);
  return vb;
}

// The code of the KySNMPException that f raises, or 0 when it raises none.
template <typename F>
int32_t CodeOf(F&& f) {
  try {
    f();
  } catch (const KySNMPException& e) {
    return e.code();
  }
  return 0;
}

const KyOptionList& DisabledEnabled() {
  static const KyOptionList list = [] {
    KyOptionList l(1, false);
    l.AppendOption(2, "disabled");
    l.AppendOption(3, "enabled");
    return l;
  }();
  return list;
}

// ---------------------------------------------------------------------------
// Received binding -> text

struct StoreCase {
  const char* name;
  Syntax syntax;
  KyVb vb;
  std::string text;
};

class StoreValueTest : public ::testing::TestWithParam<StoreCase> {};

TEST_P(StoreValueTest, GivesTextForm) {
  const StoreCase& c = GetParam();
  EXPECT_EQ(Stored(c.syntax, c.vb), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StoreValueTest,
    ::testing::Values(
        StoreCase{"BooleanTrue", Syntax::Boolean, IntVb(2), "true"},
        StoreCase{"BooleanFalse", Syntax::Boolean, IntVb(0), "false"},
        StoreCase{"IntegerNegative", Syntax::Integer, IntVb(-5), "-5"},
        StoreCase{"IntegerMin", Syntax::Integer, IntVb(-2147483648LL), "-2147483648"},
        StoreCase{"IntegerFromGauge", Syntax::Integer, UVb(KyVbType::Gauge32, 7), "7"},
        StoreCase{"Counter32Max", Syntax::Counter32, UVb(KyVbType::Counter32, 4294967295u), "4294967295"},
        StoreCase{"Gauge32", Syntax::Gauge32, UVb(KyVbType::Gauge32, 100), "100"},
        StoreCase{"UInteger32", Syntax::UInteger32, UVb(KyVbType::Gauge32, 1), "1"},
        StoreCase{"UInteger32Wire", Syntax::Gauge32, UVb(KyVbType::UInteger32, 5), "5"},
        StoreCase{"Counter64IntoCounter32", Syntax::Counter32, UVb(KyVbType::Counter64, 5000000000ull),
                  "5000000000"},
        StoreCase{"OctetString", Syntax::OctetString, OctVb(Bytes({0x00, 0x1a, 0xff})), "001AFF"},
        StoreCase{"OctetStringEmpty", Syntax::OctetString, OctVb(""), ""},
        StoreCase{"PortList", Syntax::Bits, OctVb(Bytes({0x80, 0x01})), "8001"},
        StoreCase{"Opaque", Syntax::Opaque, OctVb(Bytes({0x9f, 0x78}), KyVbType::Opaque), "9F78"},
        StoreCase{"Mac", Syntax::MacAddress, OctVb(Bytes({0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e})), "001A2B3C4D5E"},
        StoreCase{"Ipv6", Syntax::Ipv6Address,
                  OctVb(Bytes({0xfe, 0x80, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1})),
                  "FE800000000000000000000000000001"},
        StoreCase{"Null", Syntax::Null, KyVb{}, "(NULL)"},
        StoreCase{"Oid", Syntax::ObjectId, OidVb({1, 3, 6, 1, 2, 1, 1}), "1.3.6.1.2.1.1"},
        StoreCase{"OidLargeSubId", Syntax::ObjectId, OidVb({1, 3, 4294967295u}), "1.3.4294967295"},
        StoreCase{"IpAddress", Syntax::IpAddress, OctVb(Bytes({10, 90, 90, 90}), KyVbType::IpAddress),
                  "10.90.90.90"},
        StoreCase{"Address", Syntax::Address, OctVb(Bytes({192, 168, 0, 255}), KyVbType::IpAddress),
                  "192.168.0.255"},
        StoreCase{"TimeTicksHour", Syntax::TimeTicks, UVb(KyVbType::TimeTicks, 360000), "1:00:00.00"},
        StoreCase{"TimeTicksOneDay", Syntax::TimeTicks, UVb(KyVbType::TimeTicks, 8640000), "1 day 0:00:00.00"},
        StoreCase{"TimeTicksTwoDays", Syntax::TimeTicks, UVb(KyVbType::TimeTicks, 17280000),
                  "2 days, 0:00:00.00"},
        StoreCase{"TimeTicksMixed", Syntax::TimeTicks, UVb(KyVbType::TimeTicks, 27390607), "3 days, 4:05:06.07"},
        StoreCase{"TimeTicksZero", Syntax::TimeTicks, UVb(KyVbType::TimeTicks, 0), "0:00:00.00"},
        StoreCase{"TimeTicksMax", Syntax::TimeTicks, UVb(KyVbType::TimeTicks, 4294967295u),
                  "497 days, 2:27:52.95"},
        StoreCase{"Counter64", Syntax::Counter64, UVb(KyVbType::Counter64, 5000000000ull), "5000000000"},
        StoreCase{"Counter64Max", Syntax::Counter64, UVb(KyVbType::Counter64, 18446744073709551615ull),
                  "18446744073709551615"},
        StoreCase{"Real", Syntax::Real, OctVb(Bytes({0, 0, 0, 0, 0, 0, 0x04, 0x40})), "2.5"},
        StoreCase{"RealExtraBytesIgnored", Syntax::Real, OctVb(Bytes({0, 0, 0, 0, 0, 0, 0x04, 0x40, 0xff})),
                  "2.5"},
        StoreCase{"DateAndTime", Syntax::DateAndTime,
                  OctVb(Bytes({0x07, 0xd8, 0x0c, 0x05, 0x0d, 0x1e, 0x0f, 0x00, 0x2b, 0x08, 0x00})),
                  "2008-12-5,13:30:15.0,+8:0"},
        StoreCase{"DateAndTimeUtc", Syntax::DateAndTime,
                  OctVb(Bytes({0x07, 0xd8, 0x0c, 0x05, 0x0d, 0x1e, 0x0f, 0x00, 0x2b, 0x00, 0x00})),
                  "2008-12-5,13:30:15.0"},
        StoreCase{"DateAndTimeWest", Syntax::DateAndTime,
                  OctVb(Bytes({0x07, 0xd8, 0x0c, 0x05, 0x0d, 0x1e, 0x0f, 0x03, '-', 0x05, 0x1e})),
                  "2008-12-5,13:30:15.3,-5:30"},
        StoreCase{"DateAndTimeEightOctets", Syntax::DateAndTime,
                  OctVb(Bytes({0x07, 0xd8, 0x0c, 0x05, 0x0d, 0x1e, 0x0f, 0x00})), "2008-12-5,13:30:15.0"},
        StoreCase{"DateTimeAfternoon", Syntax::DateTime, OctVb(Bytes({0, 0, 0, 0, 0x72, 0x6d, 0xe3, 0x40})),
                  "2008/12/05 01:30:00 pm"},
        StoreCase{"DisplayString", Syntax::DisplayString, OctVb("Port 1"), "Port 1"},
        StoreCase{"DisplayStringEmpty", Syntax::DisplayString, OctVb(""), ""}),
    [](const ::testing::TestParamInfo<StoreCase>& info) { return std::string(info.param.name); });

// Comparing OID texts in place orders them as their parsed forms do, and
// refuses exactly the texts that the parser refuses.
TEST(OidTexts, CompareAsParsed) {
  const std::vector<std::string> texts = {
      "",           "1",          "1.3",         "1.3.6.1.2.1", ".1.3.6.1.2.1", " 1.3.6 ",     "1.10",
      "1.9",        "1.9.0",      "0",           "0.0",         "4294967295",   "1.4294967295", "2.1",
      "4294967296", "1..3",       "1.3.",        ".",           "a.1",          "1.-3",        "1 .3",
      "01.3",       "1.3.6.1.2.1.17.7.1.4.3.1.1.100"};
  for (const std::string& a : texts)
    for (const std::string& b : texts) {
      SCOPED_TRACE("\"" + a + "\" vs \"" + b + "\"");
      KyOid x, y;
      const bool both = ParseOidText(a, x) && ParseOidText(b, y);
      const std::optional<int> order = CompareOidTexts(a, b);
      ASSERT_EQ(order.has_value(), both);
      if (both) {
        EXPECT_EQ(*order, x < y ? -1 : (y < x ? 1 : 0));
      }
    }
}

TEST(StoreValue, DateTimeTextsOfTheDay) {
  struct {
    double days;
    const char* text;
  } cases[] = {
      {0.0, "1899/12/30 12:00:00 am"},           // origin, midnight
      {0.5, "1899/12/30 12:00:00 pm"},           // noon
      {39787.0 + 23.0 / 24, "2008/12/05 11:00:00 pm"},
      {-1.25, "1899/12/29 06:00:00 am"},         // before the origin the fraction counts forward
      {39787.0 + 0.99999999999, "2008/12/06 12:00:00 am"},  // rounds into the next day
  };
  for (const auto& c : cases) EXPECT_EQ(Stored(Syntax::DateTime, OctVb(DoubleToBytes(c.days))), c.text) << c.days;
}

// A binding without value, of the wrong type, or too short for its syntax
// gives a clear text and never reads past its data.
TEST(StoreValue, NoValueWrongTypeAndShortData) {
  struct {
    Syntax syntax;
    KyVb vb;
    const char* text;
  } cases[] = {
      // Absent variable: "(NULL)", except DisplayString (empty) and the hex syntaxes (empty).
      {Syntax::Integer, TypeOnly(KyVbType::NoSuchInstance), "(NULL)"},
      {Syntax::Counter64, TypeOnly(KyVbType::NoSuchObject), "(NULL)"},
      {Syntax::TimeTicks, TypeOnly(KyVbType::EndOfMibView), "(NULL)"},
      {Syntax::ObjectId, TypeOnly(KyVbType::Null), "(NULL)"},
      {Syntax::IpAddress, TypeOnly(KyVbType::NoSuchInstance), "(NULL)"},
      {Syntax::DisplayString, TypeOnly(KyVbType::NoSuchInstance), ""},
      {Syntax::OctetString, TypeOnly(KyVbType::NoSuchInstance), ""},
      {Syntax::MacAddress, TypeOnly(KyVbType::Null), ""},
      // The right type without a printable value.
      {Syntax::TimeTicks, IntVb(-1), "(NULL)"},
      // Short or odd octets.
      {Syntax::IpAddress, OctVb(Bytes({10, 1, 2}), KyVbType::IpAddress), "10.1.2"},
      {Syntax::IpAddress, OctVb(Bytes({10, 1, 2, 3, 4}), KyVbType::IpAddress), "10.1.2.3.4"},
      {Syntax::IpAddress, OctVb("", KyVbType::IpAddress), "(NULL)"},
      {Syntax::Real, OctVb(""), "(NULL)"},
      {Syntax::Real, OctVb(Bytes({0, 0, 0, 0, 0, 0, 0x04})), "(NULL)"},
      {Syntax::DateAndTime, OctVb(Bytes({0x07, 0xd8, 0x0c, 0x05, 0x0d, 0x1e, 0x0f})), "(NULL)"},
      {Syntax::DateAndTime, OctVb(""), "(NULL)"},
      {Syntax::DateTime, OctVb(Bytes({1, 2, 3})), "(NULL)"},
      // Values that are no date: NaN, infinity, beyond the year 9999.
      {Syntax::DateTime, OctVb(DoubleToBytes(std::numeric_limits<double>::quiet_NaN())), "(NULL)"},
      {Syntax::DateTime, OctVb(DoubleToBytes(std::numeric_limits<double>::infinity())), "(NULL)"},
      {Syntax::DateTime, OctVb(DoubleToBytes(1e300)), "(NULL)"},
      {Syntax::DateTime, OctVb(DoubleToBytes(-1e300)), "(NULL)"},
      // Out-of-range octets of a DateAndTime are shown as received.
      {Syntax::DateAndTime, OctVb(std::string(11, '\xff')), "65535-255-255,255:255:255.255"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Stored(c.syntax, c.vb), c.text) << "syntax " << c.syntax << " type " << int(c.vb.type);
  }
}

// A value of another type than the syntax is the agent's fault: -511 with
// the item's label, and the item keeps what it showed.
TEST(StoreValue, WrongTypeIsBadSyntaxAndKeepsTheValue) {
  struct {
    Syntax syntax;
    KyVb vb;
  } cases[] = {
      {Syntax::Integer, OctVb("12")},        {Syntax::ObjectId, IntVb(5)},
      {Syntax::IpAddress, IntVb(5)},         {Syntax::DisplayString, IntVb(5)},
      {Syntax::Boolean, OidVb({1, 3})},      {Syntax::Real, IntVb(2)},
      {Syntax::OctetString, IntVb(5)},       {Syntax::Integer, TypeOnly(0x99)},
      {Syntax::MacAddress, OidVb({1, 3})},   {Syntax::Counter32, OctVb("\x01", KyVbType::IpAddress)},
  };
  for (const auto& c : cases) {
    KySNMPVarDef item = Item(c.syntax, "previous");
    try {
      StoreValue(item, c.vb);
      ADD_FAILURE() << "syntax " << c.syntax << " type " << int(c.vb.type);
    } catch (const KySNMPException& e) {
      EXPECT_EQ(e.code(), -511);
      EXPECT_EQ(e.text(), "(KySNMP++) Bad SNMP syntax! (Test Value)");
    }
    EXPECT_EQ(item.value, "previous");
  }
}

TEST(StoreValue, HugeValuesAreKeptWhole) {
  const std::string big(1 << 20, '\xa5');
  const std::string hex = Stored(Syntax::OctetString, OctVb(big));
  ASSERT_EQ(hex.size(), big.size() * 2);
  EXPECT_EQ(hex.substr(0, 4), "A5A5");
  EXPECT_EQ(Stored(Syntax::DisplayString, OctVb(big)), big);
  KyOid longOid(4096, 4294967295u);
  EXPECT_EQ(Stored(Syntax::ObjectId, OidVb(longOid)).size(), 4096u * 11 - 1);
}

TEST(StoreValue, DisplayStringKeepsEveryByte) {
  // Zero bytes included: a value read and written back is byte-identical.
  std::string padded = std::string("abc") + std::string(5, '\0');
  EXPECT_EQ(Stored(Syntax::DisplayString, OctVb(padded)), padded);
}

TEST(StoreValue, OptionLabelReplacesValue) {
  KySNMPVarDef item = Item(Syntax::Integer, {}, &DisabledEnabled());
  StoreValue(item, IntVb(3));
  EXPECT_EQ(item.value, "enabled");
  StoreValue(item, IntVb(7));  // no option: the number stays
  EXPECT_EQ(item.value, "7");
  StoreValue(item, TypeOnly(KyVbType::NoSuchInstance));
  EXPECT_EQ(item.value, "(NULL)");
}

TEST(StoreValue, ListFormUsesTheItem) {
  KySNMPVarList list;
  list.AppendItem("1.2.3", "A", Syntax::Integer, Access::Read);
  list.AppendItem("1.2.4", "B", Syntax::DisplayString, Access::Read);
  StoreValue(list, 1, OctVb("name"));
  EXPECT_EQ(list.Item(0).value, "");
  EXPECT_EQ(list.Item(1).value, "name");
}

// ---------------------------------------------------------------------------
// Text -> binding to send

TEST(LoadValue, NumbersAndAddresses) {
  struct {
    Syntax syntax;
    const char* text;
    uint8_t type;
    int64_t integer;
    uint64_t uinteger;
  } cases[] = {
      {Syntax::Boolean, "true", KyVbType::Integer, 1, 0},
      {Syntax::Boolean, "False", KyVbType::Integer, 0, 0},
      {Syntax::Boolean, "1", KyVbType::Integer, 1, 0},
      {Syntax::Integer, "-5", KyVbType::Integer, -5, 0},
      {Syntax::Integer, " +42 ", KyVbType::Integer, 42, 0},
      {Syntax::Integer, "2147483647", KyVbType::Integer, 2147483647, 0},
      {Syntax::Integer, "-2147483648", KyVbType::Integer, -2147483648LL, 0},
      // Counter32 and the unsigned syntaxes travel as Gauge32.
      {Syntax::Counter32, "4294967295", KyVbType::Gauge32, 0, 4294967295u},
      {Syntax::Gauge32, "0", KyVbType::Gauge32, 0, 0},
      {Syntax::UInteger32, "17", KyVbType::Gauge32, 0, 17},
      {Syntax::Counter64, "18446744073709551615", KyVbType::Counter64, 0, 18446744073709551615ull},
      {Syntax::TimeTicks, "1 day 0:00:00.00", KyVbType::TimeTicks, 0, 8640000},
      {Syntax::TimeTicks, "5:30", KyVbType::TimeTicks, 0, 1800000},  // minutes without ":" are not counted
      {Syntax::TimeTicks, "3 days, 4:05:06.07", KyVbType::TimeTicks, 0, 27390607},
      {Syntax::TimeTicks, "2 days, 0:00:00.00", KyVbType::TimeTicks, 0, 17280000},
      {Syntax::TimeTicks, "1:00:00.00", KyVbType::TimeTicks, 0, 360000},
      {Syntax::TimeTicks, "497 days, 2:27:52.95", KyVbType::TimeTicks, 0, 4294967295u},
      {Syntax::TimeTicks, "1 day", KyVbType::TimeTicks, 0, 8640000},
      {Syntax::TimeTicks, "0:01:02", KyVbType::TimeTicks, 0, 6000},  // seconds without "." are not counted
      {Syntax::TimeTicks, "0:00:01.5", KyVbType::TimeTicks, 0, 105},
  };
  for (const auto& c : cases) {
    KyVb vb = Loaded(c.syntax, c.text);
    EXPECT_EQ(vb.type, c.type) << c.text;
    EXPECT_EQ(vb.integer, c.integer) << c.text;
    EXPECT_EQ(vb.uinteger, c.uinteger) << c.text;
    EXPECT_EQ(vb.OidText(), "1.3.6.1.4.1.32473.1.0") << "the name stays";
  }
}

TEST(LoadValue, OctetsAndObjects) {
  struct {
    Syntax syntax;
    const char* text;
    uint8_t type;
    std::string octets;
  } cases[] = {
      {Syntax::OctetString, "abc", KyVbType::OctetString, Bytes({0x0a, 0xbc})},
      {Syntax::OctetString, "1aff", KyVbType::OctetString, Bytes({0x1a, 0xff})},
      {Syntax::OctetString, "00 1A ff", KyVbType::OctetString, Bytes({0x00, 0x1a, 0xff})},
      {Syntax::OctetString, "", KyVbType::OctetString, ""},
      {Syntax::Bits, "F0000001", KyVbType::OctetString, Bytes({0xf0, 0, 0, 1})},
      {Syntax::Opaque, "9F", KyVbType::OctetString, Bytes({0x9f})},
      {Syntax::MacAddress, "001A2B3C4D5E", KyVbType::OctetString, Bytes({0, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e})},
      {Syntax::Ipv6Address, "FE80", KyVbType::OctetString, Bytes({0xfe, 0x80})},
      {Syntax::IpAddress, "10.90.90.90", KyVbType::IpAddress, Bytes({10, 90, 90, 90})},
      {Syntax::Address, " 0.0.0.0 ", KyVbType::IpAddress, Bytes({0, 0, 0, 0})},
      {Syntax::Real, "2.5", KyVbType::OctetString, Bytes({0, 0, 0, 0, 0, 0, 0x04, 0x40})},
      {Syntax::Real, "-0", KyVbType::OctetString, Bytes({0, 0, 0, 0, 0, 0, 0, 0x80})},
      {Syntax::DateAndTime, "2008-12-5,13:30:15.0,+8:0", KyVbType::OctetString,
       Bytes({0x07, 0xd8, 0x0c, 0x05, 0x0d, 0x1e, 0x0f, 0x00, 0x2b, 0x08, 0x00})},
      {Syntax::DateAndTime, "2008-12-5,13:30:15.3,-5:30", KyVbType::OctetString,
       Bytes({0x07, 0xd8, 0x0c, 0x05, 0x0d, 0x1e, 0x0f, 0x03, '-', 0x05, 0x1e})},
      {Syntax::DateAndTime, "2008-12-5,13:30:15.0", KyVbType::OctetString,
       Bytes({0x07, 0xd8, 0x0c, 0x05, 0x0d, 0x1e, 0x0f, 0x00, '+', 0x00, 0x00})},
      {Syntax::DateTime, "2008/12/05 01:30:00 pm", KyVbType::OctetString, DoubleToBytes(39787.5625)},
      {Syntax::DateTime, "2008/12/5 13:30", KyVbType::OctetString, DoubleToBytes(39787.5625)},
      {Syntax::DateTime, "1899/12/30 12:00:00 AM", KyVbType::OctetString, DoubleToBytes(0.0)},
      {Syntax::DisplayString, "Port 1", KyVbType::OctetString, "Port 1"},
      {Syntax::DisplayString, "", KyVbType::OctetString, ""},
  };
  for (const auto& c : cases) {
    KyVb vb = Loaded(c.syntax, c.text);
    EXPECT_EQ(vb.type, c.type) << c.text;
    EXPECT_EQ(BytesToHex(vb.octets), BytesToHex(c.octets)) << c.text;
  }
  KyVb oid = Loaded(Syntax::ObjectId, "1.3.6.1.2.1.1");
  EXPECT_EQ(oid.type, KyVbType::ObjectId);
  EXPECT_EQ(oid.objectId, (KyOid{1, 3, 6, 1, 2, 1, 1}));
  EXPECT_EQ(Loaded(Syntax::ObjectId, ".1.3.6.4294967295").objectId, (KyOid{1, 3, 6, 4294967295u}));
}

TEST(LoadValue, NullTextSendsNullForEverySyntax) {
  const Syntax syntaxes[] = {
      Syntax::Boolean,    Syntax::Integer,     Syntax::Bits,      Syntax::OctetString,   Syntax::Null,
      Syntax::ObjectId,   Syntax::IpAddress,   Syntax::Counter32, Syntax::Gauge32,       Syntax::TimeTicks,
      Syntax::Opaque,     Syntax::Address,     Syntax::Counter64, Syntax::UInteger32,    Syntax::Real,
      Syntax::MacAddress, Syntax::DateAndTime, Syntax::DateTime,  Syntax::DisplayString, Syntax::Ipv6Address};
  for (Syntax s : syntaxes) {
    KyVb vb = Loaded(s, "(NULL)");
    EXPECT_EQ(vb.type, KyVbType::Null) << s;
    EXPECT_TRUE(vb.octets.empty());
  }
  EXPECT_EQ(Loaded(Syntax::Null, "anything").type, KyVbType::Null);
}

// Nothing malformed is ever sent: a text that cannot be coded raises -518.
TEST(LoadValue, MalformedTextsRaiseBadValue) {
  struct {
    Syntax syntax;
    const char* text;
  } cases[] = {
      {Syntax::Boolean, "maybe"},
      {Syntax::Integer, "abc"},
      {Syntax::Integer, ""},
      {Syntax::Integer, "12abc"},
      {Syntax::Integer, "2147483648"},
      {Syntax::Integer, "-2147483649"},
      {Syntax::Integer, "+-5"},
      {Syntax::Integer, "1.5"},
      {Syntax::Counter32, "-1"},
      {Syntax::Gauge32, "4294967296"},
      {Syntax::UInteger32, " "},
      {Syntax::Counter64, "18446744073709551616"},
      {Syntax::Counter64, "-1"},
      {Syntax::OctetString, "xyz"},
      {Syntax::OctetString, "00-1A"},
      {Syntax::MacAddress, "00:1A:2B:3C:4D:5E"},
      {Syntax::Ipv6Address, "fe80::1"},
      {Syntax::Bits, "0x80"},
      {Syntax::ObjectId, ""},
      {Syntax::ObjectId, "1..3"},
      {Syntax::ObjectId, "1.3.x"},
      {Syntax::ObjectId, "1.3.4294967296"},
      {Syntax::ObjectId, "5.1"},   // not codable in BER
      {Syntax::ObjectId, "1.40"},  // not codable in BER
      {Syntax::ObjectId, "1"},
      {Syntax::IpAddress, "10.90.90"},
      {Syntax::IpAddress, "256.1.1.1"},
      {Syntax::IpAddress, "10.90.90.90.1"},
      {Syntax::IpAddress, "localhost"},
      {Syntax::IpAddress, "1.2.3.-4"},
      {Syntax::Address, ""},
      {Syntax::TimeTicks, "90"},
      {Syntax::TimeTicks, ""},
      {Syntax::TimeTicks, "abc"},
      {Syntax::TimeTicks, "-1:00:00.00"},
      {Syntax::TimeTicks, "1:00:00.000"},
      {Syntax::TimeTicks, "1 week 0:00:00.00"},
      {Syntax::TimeTicks, "498 days, 0:00:00.00"},  // beyond 32 bits
      {Syntax::TimeTicks, "1:00:00.00 extra"},
      {Syntax::TimeTicks, "5:99999999999"},
      {Syntax::TimeTicks, "0:00:00.100"},
      {Syntax::TimeTicks, "99999999999 days, 0:00:00.00"},
      {Syntax::Real, "2,5"},
      {Syntax::Real, ""},
      {Syntax::Real, "1e999"},
      {Syntax::Real, "two"},
      {Syntax::DateAndTime, "2008-12-5"},
      {Syntax::DateAndTime, "2008-12-5,13:30:15.0,*8:0"},
      {Syntax::DateAndTime, "2008-256-5,13:30:15.0"},
      {Syntax::DateAndTime, "65536-12-5,13:30:15.0"},
      {Syntax::DateAndTime, "2008-12-5,13:30:15.0,+8:0 junk"},
      {Syntax::DateAndTime, "2008-12--5,13:30:15.0"},
      {Syntax::DateTime, "2008/02/30 01:00:00 pm"},
      {Syntax::DateTime, "2008/12/05 13:00:00 pm"},
      {Syntax::DateTime, "2008/12/05 00:30:00 am"},
      {Syntax::DateTime, "2008-12-05 13:00:00"},
      {Syntax::DateTime, "10000/01/01"},
      {Syntax::DateTime, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CodeOf([&] { Loaded(c.syntax, c.text); }), KyErr::BadAssocValue)
        << "syntax " << c.syntax << " text \"" << c.text << "\"";
  }
  try {
    Loaded(Syntax::Integer, "abc");
  } catch (const KySNMPException& e) {
    EXPECT_NE(e.text().find("Bad value"), std::string::npos) << e.text();
    EXPECT_NE(e.text().find("Test Value"), std::string::npos) << "names the variable: " << e.text();
  }
}

TEST(LoadValue, OptionLabelIsSentAsItsValue) {
  KyVb vb;
  LoadValue(Item(Syntax::Integer, "ENABLED", &DisabledEnabled()), vb);
  EXPECT_EQ(vb.type, KyVbType::Integer);
  EXPECT_EQ(vb.integer, 3);
  LoadValue(Item(Syntax::Integer, "2", &DisabledEnabled()), vb);  // a raw value passes unchanged
  EXPECT_EQ(vb.integer, 2);
}

TEST(Conversions, UnsupportedSyntaxRaisesBadSyntax) {
  for (int32_t n : {0x00, 0x07, 0x3f, 0x4e, 0x80, 0xc1, 0xc6, -1}) {
    const auto s = static_cast<Syntax>(n);  // a number that is no code
    KySNMPVarDef item = Item(s, "1");
    KyVb vb;
    EXPECT_EQ(CodeOf([&] { StoreValue(item, IntVb(1)); }), KyErr::BadSyntax) << s;
    EXPECT_EQ(CodeOf([&] { LoadValue(item, vb); }), KyErr::BadSyntax) << s;
    EXPECT_EQ(CodeOf([&] { LoadValue(Item(s, "(NULL)"), vb); }), KyErr::BadSyntax) << s;
    EXPECT_EQ(CodeOf([&] { DecodeIndexPart(item, false, "1.2"); }), KyErr::BadSyntax) << s;
    EXPECT_EQ(CodeOf([&] { EncodeIndexPart(item, false); }), KyErr::BadSyntax) << s;
    EXPECT_FALSE(IsSupportedSyntax(s));
  }
  try {
    LoadValue(Item(static_cast<Syntax>(0x4e), "1"), *std::make_unique<KyVb>());
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.text(), "(KySNMP++) Bad SNMP syntax!");
  }
}

// ---------------------------------------------------------------------------
// Round trips: received -> text -> sent gives back the same bytes.

TEST(RoundTrip, EveryByteValueThroughOctetSyntaxes) {
  const std::string all = AllBytes();
  std::string reversed(all.rbegin(), all.rend());
  for (Syntax s : {Syntax::OctetString, Syntax::Bits, Syntax::Opaque, Syntax::MacAddress, Syntax::Ipv6Address,
                    Syntax::DisplayString}) {
    for (const std::string& bytes : {all, reversed, std::string(1, '\0'), std::string()}) {
      KySNMPVarDef item = Item(s);
      StoreValue(item, OctVb(bytes));
      KyVb vb;
      LoadValue(item, vb);
      EXPECT_EQ(vb.type, KyVbType::OctetString);
      EXPECT_EQ(vb.octets, bytes) << "syntax " << s;
    }
  }
}

TEST(RoundTrip, EveryByteValueThroughStringIndexes) {
  const std::string all = AllBytes();
  for (Syntax s : {Syntax::OctetString, Syntax::DisplayString, Syntax::Bits, Syntax::Opaque}) {
    for (bool implied : {false, true}) {
      KySNMPVarDef item = Item(s);
      std::string suffix;
      if (!implied) suffix = "256.";
      for (int v = 0; v < 256; ++v) suffix += std::to_string(v) + (v < 255 ? "." : "");
      EXPECT_EQ(DecodeIndexPart(item, implied, suffix + (implied ? "" : ".9")), implied ? "" : "9");
      EXPECT_EQ(EncodeIndexPart(item, implied), suffix) << "syntax " << s;
    }
  }
}

TEST(RoundTrip, RealsKeepEveryBit) {
  const double values[] = {0.0, -0.0, 2.5, 0.1, 1.0 / 3, 0.1 + 0.2, 1e300, -1e-300,
                           std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::infinity(), 123456789012345678.0};
  for (double v : values) {
    const std::string bytes = DoubleToBytes(v);
    KySNMPVarDef item = Item(Syntax::Real);
    StoreValue(item, OctVb(bytes));
    KyVb vb;
    LoadValue(item, vb);
    EXPECT_EQ(BytesToHex(vb.octets), BytesToHex(bytes)) << item.value;
    // And through an index.
    KySNMPVarDef key = Item(Syntax::Real);
    const uint64_t bits = std::bit_cast<uint64_t>(v);
    const std::string suffix = std::to_string(bits & 0xffffffffu) + "." + std::to_string(bits >> 32);
    DecodeIndexPart(key, false, suffix);
    EXPECT_EQ(EncodeIndexPart(key, false), suffix) << key.value;
  }
  EXPECT_EQ(FormatReal(0.1 + 0.2), "0.30000000000000004");  // 15 digits would lose the last bit
  EXPECT_EQ(FormatReal(1.0 / 3), "0.3333333333333333");
  EXPECT_EQ(FormatReal(1e20), "1e+20");
}

TEST(RoundTrip, DateAndTimeOctets) {
  const std::string cases[] = {
      Bytes({0x07, 0xd8, 0x0c, 0x05, 0x0d, 0x1e, 0x0f, 0x00, '+', 0x08, 0x00}),
      Bytes({0x07, 0xd8, 0x0c, 0x05, 0x0d, 0x1e, 0x0f, 0x09, '-', 0x00, 0x00}),  // "-0:0" stays "-"
      Bytes({0x07, 0xd8, 0x0c, 0x05, 0x0d, 0x1e, 0x0f, 0x09, '+', 0x00, 0x00}),
      Bytes({0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff, '-', 0xff, 0xff}),
      Bytes({0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, '+', 0x00, 0x00}),
  };
  for (const std::string& bytes : cases) {
    KySNMPVarDef item = Item(Syntax::DateAndTime);
    StoreValue(item, OctVb(bytes));
    KyVb vb;
    LoadValue(item, vb);
    EXPECT_EQ(BytesToHex(vb.octets), BytesToHex(bytes)) << item.value;
  }
}

TEST(RoundTrip, TimeTicksTexts) {
  for (uint32_t t : {0u, 1u, 99u, 100u, 5999u, 359999u, 360000u, 8639999u, 8640000u, 8640001u, 17280000u,
                     27390607u, 4294967295u}) {
    uint32_t back = 0;
    ASSERT_TRUE(ParseTimeTicks(FormatTimeTicks(t), back)) << FormatTimeTicks(t);
    EXPECT_EQ(back, t) << FormatTimeTicks(t);
  }
}

TEST(RoundTrip, DateTimeTextsToTheSecond) {
  for (const char* text : {"2008/12/05 01:30:15 pm", "1899/12/30 12:00:00 am", "0001/01/01 12:00:00 am",
                           "9999/12/31 11:59:59 pm", "1800/02/28 06:07:08 am", "2000/02/29 12:00:01 pm"}) {
    double v = 0;
    ASSERT_TRUE(ParseDateTimeValue(text, v)) << text;
    EXPECT_EQ(FormatDateTimeValue(v).value_or("none"), text);
  }
}

// ---------------------------------------------------------------------------
// Instance suffixes

struct DecodeCase {
  const char* name;
  Syntax syntax;
  bool implied;
  const char* suffix;
  const char* text;
  const char* rest;
};

class DecodeIndexTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeIndexTest, SetsTextAndReturnsRest) {
  const DecodeCase& c = GetParam();
  KySNMPVarDef item = Item(c.syntax);
  EXPECT_EQ(DecodeIndexPart(item, c.implied, c.suffix), c.rest);
  EXPECT_EQ(item.value, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Suffixes, DecodeIndexTest,
    ::testing::Values(
        DecodeCase{"Boolean", Syntax::Boolean, false, "2.5", "true", "5"},
        DecodeCase{"BooleanFalse", Syntax::Boolean, false, "0", "false", ""},
        DecodeCase{"Integer", Syntax::Integer, false, "7.1", "7", "1"},
        DecodeCase{"IntegerNegative", Syntax::Integer, false, "4294967295", "-1", ""},
        DecodeCase{"Gauge", Syntax::Gauge32, false, "4294967295.3", "4294967295", "3"},
        DecodeCase{"DisplayString", Syntax::DisplayString, false, "3.97.98.99", "abc", ""},
        DecodeCase{"DisplayStringThenMore", Syntax::DisplayString, false, "3.97.98.99.5.6", "abc", "5.6"},
        DecodeCase{"DisplayStringImplied", Syntax::DisplayString, true, "97.98.99", "abc", ""},
        DecodeCase{"DisplayStringEmpty", Syntax::DisplayString, false, "0.4", "", "4"},
        DecodeCase{"DisplayStringImpliedEmpty", Syntax::DisplayString, true, "", "", ""},
        DecodeCase{"OctetString", Syntax::OctetString, false, "2.0.255.9", "00FF", "9"},
        DecodeCase{"OctetStringImplied", Syntax::OctetString, true, "0.26.255", "001AFF", ""},
        DecodeCase{"Null", Syntax::Null, false, "1.2", "(NULL)", "1.2"},
        DecodeCase{"Oid", Syntax::ObjectId, false, "3.1.3.6.8", "1.3.6", "8"},
        DecodeCase{"OidImplied", Syntax::ObjectId, true, "1.3.6.8", "1.3.6.8", ""},
        DecodeCase{"IpAddress", Syntax::IpAddress, false, "10.1.2.3.7", "10.1.2.3", "7"},
        DecodeCase{"Address", Syntax::Address, false, "0.0.0.0", "0.0.0.0", ""},
        DecodeCase{"TimeTicks", Syntax::TimeTicks, false, "8640000.1", "1 day 0:00:00.00", "1"},
        DecodeCase{"Counter64", Syntax::Counter64, false, "1.705032704", "5000000000", ""},
        DecodeCase{"Real", Syntax::Real, false, "0.1074003968", "2.5", ""},
        DecodeCase{"Mac", Syntax::MacAddress, false, "0.26.43.60.77.94.3", "001A2B3C4D5E", "3"},
        DecodeCase{"DateAndTime", Syntax::DateAndTime, false, "7.216.12.5.13.30.15.0.43.8.0.1",
                   "2008-12-5,13:30:15.0,+8:0", "1"},
        DecodeCase{"DateTime", Syntax::DateTime, false, "0.1088646514", "2008/12/05 01:30:00 pm", ""},
        DecodeCase{"Ipv6", Syntax::Ipv6Address, false, "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.9",
                   "FE800000000000000000000000000001", "9"},
        DecodeCase{"Ipv6Implied", Syntax::Ipv6Address, true, "254.128", "FE80", ""}),
    [](const ::testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

// A hostile or truncated suffix never reads past its end and never yields a
// value that would address another row.
TEST(DecodeIndexPart, HostileSuffixes) {
  struct {
    Syntax syntax;
    bool implied;
    const char* suffix;
    int32_t code;
  } cases[] = {
      {Syntax::Integer, false, "", KyErr::BadKeyCount},
      {Syntax::DisplayString, false, "", KyErr::BadKeyCount},
      {Syntax::DisplayString, false, "5.97.98", KyErr::BadKeyCount},
      {Syntax::DisplayString, false, "4294967295.1", KyErr::BadKeyCount},
      {Syntax::OctetString, false, "1", KyErr::BadKeyCount},
      {Syntax::ObjectId, false, "9.1.3", KyErr::BadKeyCount},
      {Syntax::IpAddress, false, "10.1.2", KyErr::BadKeyCount},
      {Syntax::Counter64, false, "1", KyErr::BadKeyCount},
      {Syntax::Real, false, "1", KyErr::BadKeyCount},
      {Syntax::MacAddress, false, "0.26.43.60.77", KyErr::BadKeyCount},
      {Syntax::DateAndTime, false, "7.216.12.5", KyErr::BadKeyCount},
      {Syntax::Ipv6Address, false, "254.128", KyErr::BadKeyCount},
      {Syntax::Integer, false, "1..2", KyErr::BadKeyCount},
      {Syntax::Integer, false, "x", KyErr::BadKeyCount},
      {Syntax::Integer, false, "4294967296", KyErr::BadKeyCount},
      {Syntax::DisplayString, false, "2.97.300", KyErr::BadAssocValue},
      {Syntax::DisplayString, true, "97.256", KyErr::BadAssocValue},
      {Syntax::IpAddress, false, "10.1.2.256", KyErr::BadAssocValue},
      {Syntax::MacAddress, false, "0.26.43.60.77.1000", KyErr::BadAssocValue},
      {Syntax::DateAndTime, false, "7.216.12.5.13.30.15.0.43.8.256", KyErr::BadAssocValue},
  };
  for (const auto& c : cases) {
    KySNMPVarDef item = Item(c.syntax, "unchanged");
    EXPECT_EQ(CodeOf([&] { DecodeIndexPart(item, c.implied, c.suffix); }), c.code)
        << "syntax " << c.syntax << " suffix " << c.suffix;
    EXPECT_EQ(item.value, "unchanged");
  }
}

struct EncodeCase {
  const char* name;
  Syntax syntax;
  bool implied;
  const char* text;
  const char* suffix;
};

class EncodeIndexTest : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodeIndexTest, GivesSubIdentifiers) {
  const EncodeCase& c = GetParam();
  EXPECT_EQ(EncodeIndexPart(Item(c.syntax, c.text), c.implied), c.suffix);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EncodeIndexTest,
    ::testing::Values(
        EncodeCase{"BooleanTrue", Syntax::Boolean, false, "true", "1"},
        EncodeCase{"BooleanFalse", Syntax::Boolean, false, "false", "0"},
        EncodeCase{"Integer", Syntax::Integer, false, "7", "7"},
        EncodeCase{"IntegerNegative", Syntax::Integer, false, "-1", "4294967295"},
        EncodeCase{"Gauge", Syntax::Gauge32, false, "4294967295", "4294967295"},
        EncodeCase{"Counter32", Syntax::Counter32, false, "12", "12"},
        EncodeCase{"OctetString", Syntax::OctetString, false, "abc", "2.10.188"},
        EncodeCase{"OctetStringImplied", Syntax::OctetString, true, "001AFF", "0.26.255"},
        EncodeCase{"OctetStringEmpty", Syntax::OctetString, false, "", "0"},
        EncodeCase{"DisplayString", Syntax::DisplayString, false, "abc", "3.97.98.99"},
        EncodeCase{"DisplayStringImplied", Syntax::DisplayString, true, "abc", "97.98.99"},
        EncodeCase{"DisplayStringImpliedEmpty", Syntax::DisplayString, true, "", ""},
        EncodeCase{"Null", Syntax::Null, false, "(NULL)", ""},
        EncodeCase{"Oid", Syntax::ObjectId, false, "1.3.6", "3.1.3.6"},
        EncodeCase{"OidImplied", Syntax::ObjectId, true, "1.3.6", "1.3.6"},
        EncodeCase{"IpAddress", Syntax::IpAddress, false, "10.1.2.3", "10.1.2.3"},
        EncodeCase{"TimeTicks", Syntax::TimeTicks, false, "1 day 0:00:00.00", "8640000"},
        EncodeCase{"Counter64", Syntax::Counter64, false, "5000000000", "1.705032704"},
        EncodeCase{"Real", Syntax::Real, false, "2.5", "0.1074003968"},
        EncodeCase{"Mac", Syntax::MacAddress, false, "001A2B3C4D5E", "0.26.43.60.77.94"},
        EncodeCase{"DateAndTime", Syntax::DateAndTime, false, "2008-12-5,13:30:15.0,+8:0",
                   "7.216.12.5.13.30.15.0.43.8.0"},
        EncodeCase{"DateTime", Syntax::DateTime, false, "2008/12/05 01:30:00 pm", "0.1088646514"},
        EncodeCase{"Ipv6", Syntax::Ipv6Address, false, "FE800000000000000000000000000001",
                   "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
        EncodeCase{"Ipv6Implied", Syntax::Ipv6Address, true, "FE80", "254.128"}),
    [](const ::testing::TestParamInfo<EncodeCase>& info) { return std::string(info.param.name); });

// An index text that cannot be coded raises instead of addressing the wrong row.
TEST(EncodeIndexPart, MalformedTextsRaise) {
  struct {
    Syntax syntax;
    const char* text;
  } cases[] = {
      {Syntax::MacAddress, "001A2B3C4D"},      // too short: would drop the index
      {Syntax::MacAddress, "001A2B3C4D5E6F"},  // too long
      {Syntax::Ipv6Address, "FE80"},
      {Syntax::Integer, "abc"},
      {Syntax::Integer, "(NULL)"},
      {Syntax::DisplayString, "(NULL)"},
      {Syntax::Gauge32, "-1"},
      {Syntax::IpAddress, "10.1.2"},
      {Syntax::OctetString, "zz"},
      {Syntax::ObjectId, "1..2"},
      {Syntax::TimeTicks, "90"},
      {Syntax::DateAndTime, "yesterday"},
      {Syntax::Boolean, "yes"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CodeOf([&] { EncodeIndexPart(Item(c.syntax, c.text), false); }), KyErr::BadAssocValue)
        << "syntax " << c.syntax << " text " << c.text;
  }
}

TEST(IndexParts, OptionsAreAppliedBothWays) {
  KySNMPVarDef item = Item(Syntax::Integer, {}, &DisabledEnabled());
  EXPECT_EQ(DecodeIndexPart(item, false, "3.9"), "9");
  EXPECT_EQ(item.value, "enabled");
  EXPECT_EQ(EncodeIndexPart(item, false), "3");
}

// Multi-column keys through the list forms: the implied flag only counts on
// the last key column.
TEST(IndexParts, ListFormsDecodeAndEncodeKeyColumns) {
  KySNMPVarList list;
  list.kind = 3;
  list.keyCount = 2;
  list.AppendItem(" ", "IP", Syntax::IpAddress, Access::Key);
  list.AppendItem(" ", "Port", Syntax::Integer, Access::Key);
  list.AppendItem("1.2.3", "Name", Syntax::DisplayString, Access::Read | Access::Write);
  std::string rest = DecodeIndexPart(list, 0, "10.1.2.3.7");
  EXPECT_EQ(list.Item(0).value, "10.1.2.3");
  EXPECT_EQ(rest, "7");
  EXPECT_EQ(DecodeIndexPart(list, 1, rest), "");
  EXPECT_EQ(list.Item(1).value, "7");
  EXPECT_EQ(EncodeIndexPart(list, 0) + "." + EncodeIndexPart(list, 1), "10.1.2.3.7");

  KySNMPVarList names;
  names.kind = 3;
  names.keyCount = 2;
  names.AppendItem(" ", "Group", Syntax::DisplayString, Access::Key | Access::Implied);
  names.AppendItem(" ", "User", Syntax::DisplayString, Access::Key | Access::Implied);
  rest = DecodeIndexPart(names, 0, "2.97.98.99.100");
  EXPECT_EQ(names.Item(0).value, "ab") << "not the last key: carries its length";
  EXPECT_EQ(rest, "99.100");
  EXPECT_EQ(DecodeIndexPart(names, 1, rest), "");
  EXPECT_EQ(names.Item(1).value, "cd") << "last key, implied: takes the rest";
  EXPECT_EQ(EncodeIndexPart(names, 0), "2.97.98");
  EXPECT_EQ(EncodeIndexPart(names, 1), "99.100");

  // A single DisplayString key without the implied flag.
  KySNMPVarList single;
  single.kind = 3;
  single.keyCount = 1;
  single.AppendItem(" ", "Name", Syntax::DisplayString, Access::Key);
  EXPECT_EQ(DecodeIndexPart(single, 0, "3.97.98.99"), "");
  EXPECT_EQ(single.Item(0).value, "abc");
  single.Item(0).access |= Access::Implied;
  EXPECT_EQ(DecodeIndexPart(single, 0, "97.98.99"), "");
  EXPECT_EQ(single.Item(0).value, "abc");
}

// ---------------------------------------------------------------------------
// KyDateTime

TEST(KyDateTime, ParsesTheThreeForms) {
  KyDateTime plus("2008-12-5,13:30:15.0,+8:0");
  EXPECT_TRUE(plus.valid());
  EXPECT_EQ(plus.year, 2008);
  EXPECT_EQ(plus.month, 12);
  EXPECT_EQ(plus.day, 5);
  EXPECT_EQ(plus.hour, 13);
  EXPECT_EQ(plus.minutes, 30);
  EXPECT_EQ(plus.seconds, 15);
  EXPECT_EQ(plus.deciSeconds, 0);
  EXPECT_EQ(plus.direction, '+');
  EXPECT_EQ(plus.utcHours, 8);
  EXPECT_EQ(plus.utcMinutes, 0);

  KyDateTime minus("2008-12-5,13:30:15.0,-5:30");
  EXPECT_EQ(minus.direction, '-');
  EXPECT_EQ(minus.utcHours, 5);
  EXPECT_EQ(minus.utcMinutes, 30);
  EXPECT_EQ(minus.Format(), "2008-12-5,13:30:15.0,-5:30");

  KyDateTime local("2008-12-05,01:02:03.4");
  EXPECT_TRUE(local.valid());
  EXPECT_EQ(local.direction, '+');
  EXPECT_EQ(local.utcHours, 0);
  EXPECT_EQ(local.Format(), "2008-12-5,1:2:3.4");  // no leading zeros
}

TEST(KyDateTime, UnmatchedTextLeavesZeroFields) {
  for (const char* text : {"", "2008-12-5", "13:30", "2008-12-5,13:30:15", "garbage"}) {
    KyDateTime t(text);
    EXPECT_FALSE(t.valid()) << text;
    EXPECT_EQ(t.year, 0);
    EXPECT_EQ(t.month, 0);
    EXPECT_EQ(t.day, 0);
    EXPECT_EQ(t.direction, '+');
    EXPECT_EQ(t.utcHours, 0);
    EXPECT_EQ(t.utcMinutes, 0);
  }
}

TEST(KyDateTime, NowAndSwapYear) {
  KyDateTime now;
  EXPECT_TRUE(now.valid());
  EXPECT_GE(now.year, 2024);
  EXPECT_EQ(now.deciSeconds, 0);
  EXPECT_EQ(now.direction, '+');
  EXPECT_EQ(now.utcHours, 0);
  KyDateTime t("2008-12-5,13:30:15.0");
  t.SwapYear();
  EXPECT_EQ(t.year, 0xd807);
  t.SwapYear();
  EXPECT_EQ(t.year, 2008);
  EXPECT_EQ(BytesToHex(t.ToOctets()), "07D80C050D1E0F002B0000");
  EXPECT_FALSE(KyDateTime::FromOctets(Bytes({1, 2, 3, 4, 5, 6, 7})).has_value());
}

// ---------------------------------------------------------------------------
// KyNumList

TEST(KyNumList, ParsesDelimitedNumbers) {
  struct {
    char delimiter;
    const char* text;
    std::vector<int> items;
  } cases[] = {
      {',', "1,3,12", {1, 3, 12}},
      {',', "1,2,", {1, 2, 0}},
      {',', "4.7", {4}},
      {',', "4.7,5", {4, 5}},
      {',', "", {}},
      {',', ",", {0, 0}},
      {'.', "10.90.1.255", {10, 90, 1, 255}},
      {',', "99999999999", {2147483647}},  // too large: stays at the maximum
  };
  for (const auto& c : cases) {
    KyNumList<int> list(c.delimiter);
    list.Parse(c.text);
    EXPECT_EQ(list.items, c.items) << c.text;
    EXPECT_EQ(list.count(), c.items.size());
    EXPECT_EQ(list.CountItems(c.text), c.items.size());
  }
  KyNumList<int> list(',');
  EXPECT_EQ(list.CountItems(static_cast<const char*>(nullptr)), 0u);
  EXPECT_TRUE(list.Parse("1,3,12"));
  EXPECT_FALSE(list.Parse("1,-3"));  // no sign: the "-" is ignored but reported
  EXPECT_EQ(list.items, (std::vector<int>{1, 3}));
  list.Parse("1,3,12,3");
  EXPECT_EQ(list.IndexOf(3), 1);
  EXPECT_EQ(list.IndexOf(4), -1);
}

TEST(KyNumList, UnsignedRangeCheckRefusesOverflow) {
  KyNumList<unsigned int> list;
  EXPECT_EQ(list.delimiter, '.');
  list.Parse("1.4096");
  EXPECT_TRUE(list.AllWithin(1, 4094) == false);
  EXPECT_TRUE(list.AllWithin(1, 4096));
  // 4294967297 must not wrap round to 1 and pass a range check.
  EXPECT_FALSE(list.Parse("4294967297"));
  EXPECT_EQ(list[0], 4294967295u);
  EXPECT_FALSE(list.AllWithin(0, 65535));
  list.Parse("");
  EXPECT_TRUE(list.AllWithin(5, 6));
}

// ---------------------------------------------------------------------------
// KyBinaryString

TEST(KyBinaryString, BitsAndBytes) {
  KyBinaryString b;
  EXPECT_EQ(b.length(), 0);
  EXPECT_TRUE(b.empty());
  b.SetBit(0, true);  // port 1: most significant bit of byte 0
  b.SetBit(9, true);  // port 10
  EXPECT_EQ(b.length(), 2);
  EXPECT_EQ(b.ToHex(), "8040");
  EXPECT_TRUE(b.Bit(0));
  EXPECT_FALSE(b.Bit(1));
  EXPECT_FALSE(b.Bit(1000));
  EXPECT_FALSE(b.Bit(-1));
  b.SetBit(0, false);
  EXPECT_EQ(b.ToHex(), "0040");
  b.SetLength(4);
  EXPECT_EQ(b.ToHex(), "00400000");
  EXPECT_FALSE(b.FromHex("zz"));
  EXPECT_EQ(b.ToHex(), "00400000") << "unchanged after a failed parse";
  EXPECT_TRUE(b.FromHex("abc"));
  EXPECT_EQ(b.bytes(), Bytes({0x0a, 0xbc}));
  b.SetLength(-3);
  EXPECT_EQ(b.length(), 0);
  KyBinaryString all(AllBytes());
  EXPECT_EQ(all.length(), 256);
  EXPECT_EQ(all.Byte(255), 255);
  EXPECT_EQ(all.Byte(256), 0);
}

// ---------------------------------------------------------------------------
// The texts do not depend on the process locale.

struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(Locale, TextsIgnoreTheGlobalLocale) {
  const std::locale saved = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  EXPECT_EQ(FormatReal(2.5), "2.5");
  double v = 0;
  EXPECT_TRUE(ParseReal("2.5", v));
  EXPECT_EQ(v, 2.5);
  EXPECT_FALSE(ParseReal("2,5", v));
  EXPECT_EQ(Stored(Syntax::Counter64, UVb(KyVbType::Counter64, 5000000000ull)), "5000000000");
  EXPECT_EQ(FormatDateTimeValue(39787.5625).value_or(""), "2008/12/05 01:30:00 pm");
  std::locale::global(saved);
}

}  // namespace
