// Edit constraints: the format language, the typing filter and the
// validation on focus loss.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <cfloat>

#include "editors/EditConstraint.h"
#include "editors_test_support.h"
#include "snmp/Messages.h"

namespace {

// ---------------------------------------------------------------------------
struct ParseCase {
  const char* spec;
  char type;
  double minimum, maximum;
  int length;
  int flags;
  char delimiter;
  char exitChar;
  int width;
};

class ConstraintParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ConstraintParse, ReadsEveryOption) {
  const auto& c = GetParam();
  _EditConstraint_s r = KyEditConstraint::Parse(c.spec);
  EXPECT_EQ(r.type, c.type);
  EXPECT_EQ(r.minimum, c.minimum);
  EXPECT_EQ(r.maximum, c.maximum);
  EXPECT_EQ(r.length, c.length);
  EXPECT_EQ(r.flags, c.flags);
  EXPECT_EQ(r.delimiter, c.delimiter);
  EXPECT_EQ(r.exitChar, c.exitChar);
  EXPECT_EQ(r.width, c.width);
}

INSTANTIATE_TEST_SUITE_P(
    Specs, ConstraintParse,
    ::testing::Values(ParseCase{"%i", 'i', -2147483648.0, 2147483647.0, 0, 0, 0, 0, 0},
                      ParseCase{"%i{}", 'i', -2147483648.0, 2147483647.0, 0, 0, 0, 0, 0},
                      ParseCase{"%u", 'u', 0, 4294967295.0, 0, 0, 0, 0, 0},
                      ParseCase{"%f", 'f', -DBL_MAX, DBL_MAX, 0, 0, 0, 0, 0},
                      ParseCase{"%s{l32}", 's', 0, 0, 32, 0, 0, 0, 0},
                      ParseCase{"%i{n1x65535l5}", 'i', 1, 65535, 5, 0, 0, 0, 0},
                      ParseCase{"%i{n0x65535l5a}", 'i', 0, 65535, 5, 1, 0, 0, 0},
                      ParseCase{"%i{n600x4000l4a}", 'i', 600, 4000, 4, 1, 0, 0, 0},
                      ParseCase{"%n.{l4f}", 'n', 0, 4294967295.0, 4, 2, '.', 0, 0},
                      ParseCase{"%n:{x255l6fn}", 'n', 0, 255, 6, 6, ':', 0, 0},
                      ParseCase{"%s{l8afnn3}", 's', 3, 0, 8, 7, 0, 0, 0},  // at most three flags
                      ParseCase{"%f{n-1.5x2.25}", 'f', -1.5, 2.25, 0, 0, 0, 0, 0},
                      ParseCase{"%h{w80e/l12}", 'h', 0, 0, 12, 0, 0, '/', 80}));

class ConstraintMalformed : public ::testing::TestWithParam<const char*> {};

TEST_P(ConstraintMalformed, RaisesEntry2WithCodeMinus2) {
  try {
    KyEditConstraint::Parse(GetParam());
    FAIL() << "accepted " << GetParam();
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -2);
    EXPECT_EQ(e.text(), "Bad format specifier of edit's constraint!");
  }
}

INSTANTIATE_TEST_SUITE_P(Specs, ConstraintMalformed,
                         ::testing::Values("", "%", "i{n1}", "%q", "%q{l5}", "%i{l5n1}", "%i{n1x65535l5",
                                           "%i n1}", "%i{n}", "%i{x}", "%i{l}", "%i{w}", "%i{e}", "%n",
                                           "%i{z1}", "%i{n1-2}", "%s{l99999999999}", "%i}"));

TEST(ConstraintSplit, CutsBeforeEveryPercentButTheFirst) {
  EXPECT_EQ(KyEditConstraint::Split("%i{n1x4}%s{l8}%n.{l4f}"),
            (std::vector<std::string>{"%i{n1x4}", "%s{l8}", "%n.{l4f}"}));
  EXPECT_EQ(KyEditConstraint::CountConstraints("%i{n1x4}%s{l8}%n.{l4f}"), 3);
  EXPECT_EQ(KyEditConstraint::CountConstraints("%q%%s"), 1);
  // A separator between constraints ends up inside the one before it.
  QLineEdit a, b;
  KyEditConstraint set(nullptr, true);
  EXPECT_THROW(set.AddConstraints("%i{n1x4}, %s", {&a, &b}), KySNMPException);
  EXPECT_EQ(set.Count(), 0);  // nothing attached when one of them is malformed
}

// ---------------------------------------------------------------------------
// A small form with three edits, shown and active so that focus moves happen.
class ConstraintForm : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new QWidget;
    auto* layout = new QVBoxLayout(form);
    for (auto*& e : edits) {
      e = new QLineEdit(form);
      layout->addWidget(e);
    }
    form->show();
    QApplication::setActiveWindow(form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    set = std::make_unique<KyEditConstraint>(form, true);
  }
  void TearDown() override {
    set.reset();
    delete form;
  }
  // Focus on edit 0, then on edit 1: edit 0 is validated.
  void Leave(QLineEdit* edit, QLineEdit* next) {
    edit->setFocus();
    QApplication::processEvents();
    next->setFocus();
    QApplication::processEvents();
  }

  QWidget* form = nullptr;
  QLineEdit* edits[3] = {};
  std::unique_ptr<KyEditConstraint> set;
  BoxRecorder boxes;
};

struct TypingCase {
  const char* spec;
  const char* typed;
  const char* expected;
  int beeps;
};

class ConstraintTyping : public ConstraintForm, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(ConstraintTyping, StripsDisallowedCharactersWithABeep) {
  const auto& c = GetParam();
  set->AddConstraint(c.spec, edits[0]);
  edits[0]->setFocus();
  QTest::keyClicks(edits[0], c.typed);
  EXPECT_EQ(edits[0]->text().toStdString(), c.expected);
  EXPECT_EQ(boxes.beeps, c.beeps);
  EXPECT_TRUE(boxes.texts.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Cases, ConstraintTyping,
                         ::testing::Values(TypingCase{"%i{n1x65535l5}", "12a", "12", 1},
                                           TypingCase{"%i", "-12-3", "-123", 1},
                                           TypingCase{"%u", "-5x6", "56", 2},
                                           TypingCase{"%f", "-1.5.2", "-1.52", 1},
                                           TypingCase{"%f", "3-", "3", 1},
                                           TypingCase{"%h", "0aFg9Z", "0aF9", 2},
                                           TypingCase{"%s", "any thing-.!", "any thing-.!", 0},
                                           TypingCase{"%n.", ".1..2.3", "1.2.3", 2},
                                           TypingCase{"%n:{l6}", "00:1a:", "00:1:", 1},
                                           TypingCase{"%s{l32}", "0123456789012345678901234567890123456",
                                                      "01234567890123456789012345678901", 0}));

TEST_F(ConstraintForm, ProgramTextIsFilteredButNeverBecomesLastValid) {
  set->AddConstraint("%i{n1x100}", edits[0]);
  edits[0]->setText("4x2");
  EXPECT_EQ(edits[0]->text(), "42");
  EXPECT_EQ(boxes.beeps, 1);
  EXPECT_EQ(set->Find(edits[0])->lastValid, "");
  set->StoreValid(edits[0]);
  EXPECT_EQ(set->Find(edits[0])->lastValid, "42");
}

TEST_F(ConstraintForm, PlaceholdersAreNeitherFilteredNorValidated) {
  set->AddConstraint("%i{n1x10l2n}", edits[0]);
  edits[0]->setText("(NULL)");
  EXPECT_EQ(edits[0]->text(), "(NULL)");
  edits[0]->setText("(NOTDONE)");
  Leave(edits[0], edits[1]);
  EXPECT_EQ(edits[0]->text(), "(NOTDONE)");
  EXPECT_EQ(boxes.beeps, 0);
  EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(ConstraintForm, LengthLimitsTypingButNotTheProgram) {
  set->AddConstraint("%i{n1x4094l4}", edits[0]);
  edits[0]->setText("(NULL)");  // a placeholder written by the program stays whole
  EXPECT_EQ(edits[0]->text(), "(NULL)");
  edits[0]->setFocus();
  edits[0]->end(false);
  QTest::keyClicks(edits[0], "7");  // no room left: the key is refused
  EXPECT_EQ(edits[0]->text(), "(NULL)");
  edits[0]->clear();
  QTest::keyClicks(edits[0], "409412");
  EXPECT_EQ(edits[0]->text(), "4094");
  EXPECT_EQ(boxes.beeps, 0);
  // Delimited numbers: the length is a count of numbers.
  set->AddConstraint("%n.{l4f}", edits[1]);
  QTest::keyClicks(edits[1], "192.168.100.200");
  EXPECT_EQ(edits[1]->text(), "192.168.100.200");
  set->AddConstraint("%s{w150}", edits[2]);
  EXPECT_EQ(edits[2]->width(), 150);
}

// The length limits what the operator types as a maximum input length does:
// a key that does not fit is refused wherever the cursor stands, a paste is
// cut to what fits, and deleting is always possible, also in a longer text
// written by the program.
struct LimitCase {
  const char* spec;
  const char* programText;
  int cursor;        // -1: at the end
  const char* keys;  // '\b' stands for Backspace, '\x7f' for Delete
  const char* expected;
};

class ConstraintLimit : public ConstraintForm, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(ConstraintLimit, ActsLikeAMaximumInputLength) {
  const auto& c = GetParam();
  set->AddConstraint(c.spec, edits[0]);
  edits[0]->setText(c.programText);
  edits[0]->setFocus();
  QApplication::processEvents();
  edits[0]->setCursorPosition(c.cursor < 0 ? static_cast<int>(edits[0]->text().size()) : c.cursor);
  for (const char* k = c.keys; *k; ++k) {
    if (*k == '\b') QTest::keyClick(edits[0], Qt::Key_Backspace);
    else if (*k == '\x7f') QTest::keyClick(edits[0], Qt::Key_Delete);
    else QTest::keyClicks(edits[0], QString(QLatin1Char(*k)));
  }
  EXPECT_EQ(edits[0]->text().toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConstraintLimit,
    ::testing::Values(LimitCase{"%i{n1x4094l4}", "4094", 0, "1", "4094"},   // a full field takes no key
                      LimitCase{"%i{n1x4094l4}", "4094", 2, "17", "4094"},
                      LimitCase{"%s{l4}", "ab", 1, "xyz", "axyb"},          // the last key does not fit
                      LimitCase{"%s{l4}", "abcdef", -1, "\b", "abcde"},     // deleting from a longer text
                      LimitCase{"%s{l4}", "abcdef", 0, "\x7f\x7f", "cdef"},
                      LimitCase{"%s{l4}", "abcdef", -1, "\bx", "abcde"},    // but no typing into it
                      LimitCase{"%s{l4}", "abcd", -1, "\bxy", "abcx"}));

TEST_F(ConstraintForm, PasteIsCutToWhatFits) {
  set->AddConstraint("%s{l6}", edits[0]);
  edits[0]->setText("ab");
  edits[0]->setFocus();
  edits[0]->setCursorPosition(1);
  edits[0]->insert("123456");  // what a paste does
  EXPECT_EQ(edits[0]->text(), "a1234b");
}

TEST_F(ConstraintForm, AutoAdvanceMovesTheFocusAtTheLength) {
  set->AddConstraint("%i{n1x10l2a}", edits[0]);
  edits[0]->setFocus();
  QApplication::processEvents();
  QTest::keyClicks(edits[0], "1");
  QApplication::processEvents();
  EXPECT_TRUE(edits[0]->hasFocus());
  QTest::keyClicks(edits[0], "0");
  QApplication::processEvents();
  EXPECT_TRUE(edits[1]->hasFocus());
  EXPECT_TRUE(boxes.texts.isEmpty());  // 10 is valid
}

TEST_F(ConstraintForm, ExitCharacterIsRemovedAndMovesTheFocus) {
  set->AddConstraint("%n.{e/}", edits[0]);
  edits[0]->setFocus();
  QApplication::processEvents();
  QTest::keyClicks(edits[0], "10/");
  QApplication::processEvents();
  EXPECT_EQ(edits[0]->text(), "10");
  EXPECT_TRUE(edits[1]->hasFocus());
  EXPECT_EQ(boxes.beeps, 0);
}

struct ExitCase {
  const char* spec;
  const char* lastValid;
  const char* text;
  const char* message;  // "" = accepted
};

class ConstraintExit : public ConstraintForm, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ConstraintExit, ValidatesOnFocusLoss) {
  const auto& c = GetParam();
  set->AddConstraint(c.spec, edits[0]);
  edits[0]->setText(c.lastValid);
  set->StoreValid(edits[0]);
  edits[0]->setText(c.text);
  Leave(edits[0], edits[1]);
  if (*c.message == 0) {
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join("|").toStdString();
    EXPECT_EQ(edits[0]->text().toStdString(), c.text);
    // An empty value does not become the last valid value.
    EXPECT_EQ(set->Find(edits[0])->lastValid.toStdString(), *c.text ? c.text : c.lastValid);
  } else {
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_EQ(boxes.texts[0].toStdString(), c.message);
    EXPECT_EQ(boxes.captions[0], ProgramCaption());
    EXPECT_EQ(edits[0]->text().toStdString(), c.lastValid);
    QApplication::processEvents();
    EXPECT_TRUE(edits[0]->hasFocus());  // the edit takes the focus back
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConstraintExit,
    ::testing::Values(
        ExitCase{"%i{n1x65535l5}", "80", "0", "Please enter a number between 1 and 65535!"},
        ExitCase{"%i{n1x65535l5}", "80", "65536", "Please enter a number between 1 and 65535!"},
        ExitCase{"%i{n1x65535l5}", "80", "65535", ""},
        ExitCase{"%i{n1x65535l5}", "80", "", ""},
        ExitCase{"%i{n1x65535l5}", "80", "-", "Please enter a number between 1 and 65535!"},
        ExitCase{"%i", "", "-2147483648", ""},
        ExitCase{"%i", "", "2147483648", "Please enter a number between -2147483648 and 2147483647!"},
        ExitCase{"%f{n0.5x2.5}", "1", "2.75", "Please enter a number between 0.5 and 2.5!"},
        ExitCase{"%s{l4n}", "ab", "", "Empty value is not allowed!"},
        ExitCase{"%s{l4}", "ab", "abcd", ""},  // exactly the maximum passes
        ExitCase{"%s{l4f}", "abcd", "abc", "Please enter a string whose length is 4!"},
        ExitCase{"%h{l4f}", "AB12", "AB1", "Please enter a hex string whose length is 4!"},
        ExitCase{"%n.{l4f}", "1.2.3.4", "1.2.3",
                 "Please enter a delimited number string with delimiter '.'.\nHere,the count of the number is "
                 "equal to 4!"},
        ExitCase{"%n.{l2}", "1", "1.2.", "Please enter a delimited number string with delimiter '.'.\nHere,the "
                                         "count of the number is less than 2!"},
        ExitCase{"%n.{x255l4f}", "1.2.3.4", "10.0.0.256",
                 "Please enter a delimited number string with delimiter '.'.\nHere,each number is between 0 and "
                 "255!"},
        ExitCase{"%n.{x255l4f}", "1.2.3.4", "10.0.0.255", ""},
        // A number beyond 32 bits does not wrap into the range.
        ExitCase{"%n.{x255l4f}", "1.2.3.4", "10.0.0.4294967296",
                 "Please enter a delimited number string with delimiter '.'.\nHere,each number is between 0 and "
                 "255!"},
        ExitCase{"%n.", "1", "99999999999", "Please enter a delimited number string with delimiter '.'.\nHere,each "
                                            "number is between 0 and 4294967295!"},
        ExitCase{"%n.", "1", "4294967295", ""}));

TEST_F(ConstraintForm, FirstRefusedValueEmptiesTheEdit) {
  set->AddConstraint("%i{n1x10}", edits[0]);
  edits[0]->setText("11");
  Leave(edits[0], edits[1]);
  EXPECT_EQ(boxes.texts.size(), 1);
  EXPECT_EQ(edits[0]->text(), "");
}

TEST_F(ConstraintForm, CatalogueReplacesTheMessages) {
  CommonMessages.Replace({"Ok!", "x", "x", "x", "x", "x", "x", "x", "Zwischen [MIN] und [MAX], nicht [MIN]!"});
  set->AddConstraint("%i{n1x9}", edits[0]);
  edits[0]->setText("12");
  Leave(edits[0], edits[1]);
  ResetMessageTables();
  ASSERT_EQ(boxes.texts.size(), 1);
  EXPECT_EQ(boxes.texts[0], "Zwischen 1 und 9, nicht 1!");
}

TEST_F(ConstraintForm, OwnHandlersAreChainedAndCanVeto) {
  int changes = 0, exits = 0;
  SetChangeHandler(edits[0], [&](QWidget* w) {
    ++changes;
    SetControlTag(w, static_cast<QLineEdit*>(w)->text() == "5" ? -1 : 0);
  });
  SetExitHandler(edits[0], [&](QWidget* w) {
    ++exits;
    SetControlTag(w, static_cast<QLineEdit*>(w)->text() == "7" ? -1 : 0);
  });
  set->AddConstraint("%i{n1x9l1a}", edits[0]);

  // Tag -1 after the change handler stops the auto-advance.
  edits[0]->setFocus();
  QApplication::processEvents();
  QTest::keyClicks(edits[0], "5");
  QApplication::processEvents();
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(edits[0]->hasFocus());

  // A valid value passes to the own exit handler and is remembered.
  edits[1]->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(set->Find(edits[0])->lastValid, "5");

  // Tag -1 after the exit handler puts the last valid value back.
  edits[0]->setText("7");
  Leave(edits[0], edits[1]);
  EXPECT_EQ(exits, 2);
  EXPECT_EQ(edits[0]->text(), "5");
  EXPECT_TRUE(boxes.texts.isEmpty());

  // A refused value does not reach the own exit handler.
  edits[0]->setText("0");
  Leave(edits[0], edits[1]);
  EXPECT_EQ(exits, 2);

  // Removal puts the edit's own handlers back.
  set->RemoveConstraint(edits[0]);
  EXPECT_EQ(set->Find(edits[0]), nullptr);
  edits[0]->setText("x");
  EXPECT_EQ(edits[0]->text(), "x");  // no filter any more
  EXPECT_EQ(boxes.beeps, 0);
  EXPECT_EQ(changes, 6);  // "5", "7", "5" (reset), "0", "5" (refused), "x": the own handler again
  set->RemoveConstraint(edits[0]);  // no record: nothing happens
}

TEST_F(ConstraintForm, HandlersDoNothingOnceTheSetIsGone) {
  set->AddConstraint("%i{n1x9}", edits[0]);
  set.reset();
  edits[0]->setText("1a");
  EXPECT_EQ(edits[0]->text(), "1a");
  Leave(edits[0], edits[1]);
  EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(ConstraintForm, SetFormRedirectsFocusMoves) {
  QWidget other;
  auto* layout = new QVBoxLayout(&other);
  auto* a = new QLineEdit(&other);
  auto* b = new QLineEdit(&other);
  layout->addWidget(a);
  layout->addWidget(b);
  other.show();
  QApplication::setActiveWindow(&other);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  set->SetForm(&other);
  EXPECT_EQ(set->Form(), &other);
  set->AddConstraint("%i{l1a}", a);
  a->setFocus();
  QApplication::processEvents();
  QTest::keyClicks(a, "3");
  QApplication::processEvents();
  EXPECT_TRUE(b->hasFocus());
}

}  // namespace
