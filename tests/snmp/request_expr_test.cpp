// Expressions and conditions of the request engine.
#include <gtest/gtest.h>

#include "snmp/Messages.h"
#include "snmp/Request.h"

namespace {

int CodeOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const KySNMPException& e) {
    return e.code();
  }
  return 0;
}

TEST(ExprNumber, Operators) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"42", 42},       {"1+2*3", 7},       {"(1+2)*3", 9},  {"8/2", 4},         {"2*(3+4)", 14},
      {" 7 ", 7},       {"((2))", 2},       {"10-4", 6},     {"-5+2", -3},       {"1.5*2", 3},
      {"junk", 0},      {"(1+2", 3},        {"", 0},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(KyEvaluateNumber(c.text), c.value) << c.text;
  EXPECT_GT(KyEvaluateNumber("NOW"), 45000.0);  // days since 1899-12-30
  EXPECT_GT(KyEvaluateNumber("now+1"), KyEvaluateNumber("NOW"));
}

// Chains of "-" and "/" group from the left, and a negative number (an item's
// value, or a parenthesis already worked out) keeps its sign after "*" or "/".
TEST(ExprNumber, LeftToRightAndNegativeOperands) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"5-2-1", 2},     {"8/4/2", 1},      {"8/2*2", 8},       {"3*(1-4)", -9},  {"10/(3-5)", -5},
      {"3*-5", -15},    {"10/-2", -5},     {"2-3*4", -10},     {"2*3-4", 2},     {"-5*2", -10},
      {"1-2+3", 2},     {"(2-5)-1", -4},   {"1.5e-1*2", 0.3},
      {"- 3", -3},      {"--3", 3},        {"2 * - 3", -6},    {"-(1+1)", -2},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(KyEvaluateNumber(c.text), c.value) << c.text;
  EXPECT_LT(KyEvaluateNumber("NOW-1"), KyEvaluateNumber("NOW"));
}

TEST(ExprNumber, DeepNestingIsRefusedNotACrash) {
  std::string deep(100000, '(');
  EXPECT_NE(CodeOf([&] { KyEvaluateNumber(deep + "1"); }), 0);
  std::string plus;
  for (int i = 0; i < 5000; ++i) plus += "1+";
  EXPECT_NE(CodeOf([&] { KyEvaluateNumber(plus + "1"); }), 0);
}

TEST(ExprLogic, Operators) {
  struct Case {
    const char* text;
    bool value;
  } cases[] = {
      {"true", true},
      {"FALSE", false},
      {"a=a", true},
      {"a<>b", true},
      {"abc>=abd", false},
      {"10<9", true},  // texts, compared character by character
      {"\"a b\" = a b", true},
      {"true&false", false},
      {"false|true", true},
      {"!false", true},
      {"(a=a)&(b=b)", true},
      {"(a=b)|(c<>c)", false},
      {"\"x|y\"<>x", true},  // an operator inside the first quoted string is text
  };
  for (const Case& c : cases) EXPECT_EQ(KyEvaluateLogic(c.text), c.value) << c.text;
  for (const char* bad : {"maybe", "", "1"}) {
    try {
      KyEvaluateLogic(bad);
      ADD_FAILURE() << bad;
    } catch (const KySNMPException& e) {
      EXPECT_EQ(e.code(), -1);
      EXPECT_EQ(e.text(), "Bad logic operand!");
    }
  }
}

class ExprRequest : public ::testing::Test {
 protected:
  void SetUp() override {
    options_.AppendOption(1, "enabled");
    options_.AppendOption(2, "disabled");
    auto& l = r_.varList;
    l.kind = 0;
    l.AppendItem("1.3.6.1.4.1.32473.1.1", "Int", Syntax::Integer, Access::Read);
    l.AppendItem("1.3.6.1.4.1.32473.1.2", "Flag", Syntax::Boolean, Access::Read);
    l.AppendItem("1.3.6.1.4.1.32473.1.3", "Text", Syntax::DisplayString, Access::Read);
    l.AppendItem("1.3.6.1.4.1.32473.1.4", "State", Syntax::Integer, Access::Read, &options_);
    l.AppendItem("1.3.6.1.4.1.32473.1.5", "Ticks", Syntax::TimeTicks, Access::Read);
    l.Item(0).value = "5";
    l.Item(1).value = "true";
    l.Item(2).value = "abc";
    l.Item(3).value = "disabled";
    l.Item(4).value = "0:00:01.50";
  }
  KyOptionList options_;
  KySNMPRequest r_;
};

TEST_F(ExprRequest, SubstituteValues) {
  EXPECT_EQ(r_.SubstituteValues("$0+$1", false, '$'), "5+1");
  EXPECT_EQ(r_.SubstituteValues("$3*$4", false, '$'), "2*150") << "option label back to its value; ticks";
  EXPECT_EQ(r_.SubstituteValues("$2=abc", true, '$'), "\"abc\"=abc");
  EXPECT_EQ(r_.SubstituteValues("cost $ only", false, '$'), "cost $ only");
  EXPECT_EQ(CodeOf([&] { r_.SubstituteValues("$2", false, '$'); }), -513);
  EXPECT_EQ(CodeOf([&] { r_.SubstituteValues("$9", false, '$'); }), -12);
  r_.varList.Item(0).value = "(NULL)";
  EXPECT_EQ(CodeOf([&] { r_.SubstituteValues("$0", false, '$'); }), -512);
}

TEST_F(ExprRequest, InsertedValuesAreNotSearchedAgain) {
  r_.varList.Item(2).value = "$2";  // a value that looks like a reference to itself
  EXPECT_EQ(r_.SubstituteValues("$2", true, '$'), "\"$2\"");
}

TEST_F(ExprRequest, EvaluateExpressionStoresBySyntax) {
  r_.varList.Item(0).readExpr = "$0*3";
  r_.EvaluateExpression(0, true);
  EXPECT_EQ(r_.varList.Item(0).value, "15");
  r_.varList.Item(1).writeExpr = "$0-15";
  r_.EvaluateExpression(1, false);
  EXPECT_EQ(r_.varList.Item(1).value, "false");
  r_.varList.Item(3).readExpr = "0+1";
  r_.EvaluateExpression(3, true);
  EXPECT_EQ(r_.varList.Item(3).value, "enabled") << "stored as the option label";
  r_.varList.Item(4).readExpr = "360000";
  r_.EvaluateExpression(4, true);
  EXPECT_EQ(r_.varList.Item(4).value, "1:00:00.00");
  r_.varList.Item(2).readExpr = "1";
  EXPECT_EQ(CodeOf([&] { r_.EvaluateExpression(2, true); }), -513);
  r_.varList.Item(0).readExpr = "1/0";
  EXPECT_EQ(CodeOf([&] { r_.EvaluateExpression(0, true); }), -513) << "no integer from infinity";
  EXPECT_EQ(r_.varList.Item(0).value, "15");
}

// A code converted from a number: the codes of byte pieces stand for their
// values, any other number for text; no computed number is stored into one.
TEST_F(ExprRequest, CodesFromNumbersInExpressions) {
  struct Case {
    int32_t code;
    const char* value;
    const char* operand;
  } cases[] = {
      {0xc1, "true", "1"},  {0xc4, "false", "0"}, {0xc2, "-7", "-7"},        {0xc3, "7", "7"},
      {0xc5, "300", "300"}, {0xc6, "9", "9"},     {0x77, "abc", "\"abc\""}, {0x00, "x", "\"x\""},
  };
  KySNMPVarDef& item = r_.varList.Item(2);
  for (const Case& c : cases) {
    item.syntax = static_cast<Syntax>(c.code);
    item.value = c.value;
    EXPECT_EQ(r_.SubstituteValues("$2", true, '$'), c.operand) << c.code;
    item.readExpr = "1";
    EXPECT_EQ(CodeOf([&] { r_.EvaluateExpression(2, true); }), -513) << c.code;
    EXPECT_EQ(item.value, c.value) << c.code;
  }
  EXPECT_EQ(CodeOf([&] { r_.SubstituteValues("$2", false, '$'); }), -513) << "text needs quotes";
}

TEST_F(ExprRequest, Conditions) {
  EXPECT_TRUE(r_.CheckCondition()) << "empty condition";
  r_.condition = "$0=5&$2=abc";
  EXPECT_TRUE(r_.CheckCondition());
  EXPECT_FALSE(r_.CheckFilter("$3<>2"));
  EXPECT_TRUE(r_.CheckFilter("!$1=0"));
}

TEST_F(ExprRequest, IndexEncodingAndDecoding) {
  KySNMPRequest t;
  t.varList.kind = 3;
  t.varList.keyCount = 2;
  t.varList.AppendItem("1.3.6.1.4.1.32473.3.1.1", "Addr", Syntax::IpAddress, Access::Key);
  t.varList.AppendItem("1.3.6.1.4.1.32473.3.1.2", "Port", Syntax::Integer, Access::Key | Access::Read);
  t.varList.AppendItem("1.3.6.1.4.1.32473.3.1.3", "Name", Syntax::DisplayString, Access::Read);
  t.DecodeIndex("10.1.2.3.7");
  EXPECT_EQ(t.varList.Item(0).value, "10.1.2.3");
  EXPECT_EQ(t.varList.Item(1).value, "7");
  EXPECT_EQ(t.varList.Item(0).lastOid, "1.3.6.1.4.1.32473.3.1.1.10.1.2.3.7") << "index-only column";
  EXPECT_EQ(t.EncodeIndex(), "10.1.2.3.7");
  EXPECT_EQ(CodeOf([&] { t.DecodeIndex("10.1.2.3"); }), -514);
  t.varList.index = "9";
  EXPECT_EQ(t.RequestOid(2), "1.3.6.1.4.1.32473.3.1.3.9");
}

TEST(OutOfScope, ColumnsAndOrder) {
  KySNMPRequest r;
  r.varList.kind = 2;
  const std::string base = "1.3.6.1.4.1.32473.9.1.2";
  EXPECT_FALSE(r.IsOutOfScope(base, "", base + ".1"));
  EXPECT_FALSE(r.IsOutOfScope(base, base + ".1", base + ".2"));
  EXPECT_TRUE(r.IsOutOfScope(base, base + ".2", base + ".2")) << "equal: end of the MIB view";
  EXPECT_TRUE(r.IsOutOfScope(base, base + ".2", base + ".1")) << "backwards";
  EXPECT_TRUE(r.IsOutOfScope(base, base + ".1.5", base + ".1.4.9"));
  EXPECT_TRUE(r.IsOutOfScope(base, base + ".1", "1.3.6.1.4.1.32473.9.1.3.1"));
  EXPECT_TRUE(r.IsOutOfScope(base, base + ".1", "1.3.6.1.4.1.32473.9.1.20.1")) << "column 20 is not column 2";
  EXPECT_TRUE(r.IsOutOfScope(base, "", base));
  EXPECT_FALSE(r.IsOutOfScope(base, base + ".9", base + ".10")) << "numeric, not textual order";
  r.varList.kind = 0;
  EXPECT_FALSE(r.IsOutOfScope(base, "", "9.9"));
}

}  // namespace
