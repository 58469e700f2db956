// The port trunk dialog against the simulator: its checks, as a table of
// cases, and what Add, Set and Delete write.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/layer2/PortTrunkDialog.h"
#include "sim_dialog_support.h"

namespace {

constexpr const char* kTrunk = "1.3.6.1.4.1.32473.11.63.8.2.4.3.1.";

class PortTrunk : public qrxtest::DialogSimTest {};

struct AddCase {
  const char* name;
  const char* index;
  const char* port;
  int type;                   // combo index, -1 none
  std::vector<int> members;   // checked boxes
  const char* message;        // "" for a valid Add
};

TEST_F(PortTrunk, AddChecksItsFieldsInOrderAndWritesOnlyAValidGroup) {
  const AddCase cases[] = {
      {"empty index", "", "5", 0, {5, 6}, "The index should not be empty."},
      {"listed index", "1", "5", 0, {5, 6}, "The Index must be different!"},
      {"empty port", "3", "", 0, {5, 6}, "The Port should not be empty."},
      {"port 0", "3", "0", 0, {5, 6}, "set valid master port"},
      {"port 53", "3", "53", 0, {5, 6}, "set valid master port"},
      {"port 60", "3", "60", 0, {5, 6}, "set valid master port"},
      {"no type", "3", "5", -1, {5, 6}, "Please choose trunk type."},
      {"listed master port", "3", "45", 0, {45, 46}, "The master port must be different!"},
      {"master unchecked", "3", "5", 0, {6, 7}, "Master port must be checked."},
      {"one member", "3", "5", 0, {5}, "You must choose at least two members!"},
      {"nine members", "3", "5", 0, {5, 6, 7, 8, 9, 10, 11, 12, 13}, "The trunk member can't over eight!"},
      {"valid", "3", "5", 1, {5, 6, 7}, ""},
  };
  PortTrunkDialog form(DialogContext{});
  Open(form);
  ASSERT_EQ(form.trunkList->topLevelItemCount(), 2);
  for (const AddCase& c : cases) {
    SCOPED_TRACE(c.name);
    form.refreshClicked();
    form.indexEdit->setText(c.index);
    form.portEdit->setText(c.port);
    form.typeCombo->setCurrentIndex(c.type);
    for (int p : c.members) form.memberPorts->CheckBox(p - 1)->setChecked(true);
    messages.clear();
    MarkJournal();
    form.addClicked();
    ASSERT_TRUE(Idle(form));
    if (*c.message) {
      EXPECT_EQ(LastMessage(), c.message);
      EXPECT_TRUE(NewRecords().empty());
      if (c.members.size() == 9) {  // the ninth box is unchecked again, the eight stay
        EXPECT_FALSE(form.memberPorts->CheckBox(c.members.back() - 1)->isChecked());
        EXPECT_EQ(Checked(form.memberPorts).size(), 8u);
      }
      continue;
    }
    EXPECT_TRUE(messages.empty()) << LastMessage();
    const auto records = NewRecords();
    ASSERT_EQ(records.size(), 1u);
    const auto& vbs = records[0].varbinds;
    ASSERT_EQ(vbs.size(), 4u);
    const std::string t = kTrunk;
    EXPECT_EQ(vbs[0].oid, t + "2.3");
    EXPECT_EQ(vbs[0].value, "5");
    EXPECT_EQ(vbs[1].oid, t + "3.3");
    EXPECT_EQ(vbs[1].value, "0E 00 00 00 00 00 00");  // ports 5, 6, 7
    EXPECT_EQ(vbs[2].oid, t + "4.3");
    EXPECT_EQ(vbs[2].value, "2");  // lacp
    EXPECT_EQ(vbs[3].oid, t + "6.3");
    EXPECT_EQ(vbs[3].value, "4");  // createAndGo
    EXPECT_EQ(form.trunkList->topLevelItemCount(), 3);
    EXPECT_TRUE(form.indexEdit->text().isEmpty());
  }
}

TEST_F(PortTrunk, SetWritesTheSelectedGroupAndDeleteWritesOnlyDestroy) {
  PortTrunkDialog form(DialogContext{});
  Open(form);
  Select(form.trunkList, 0);
  EXPECT_FALSE(form.indexEdit->isEnabled());
  EXPECT_EQ(form.indexEdit->text(), "1");
  EXPECT_EQ(form.portEdit->text(), "45");  // the first of members 45, 46
  EXPECT_EQ(Checked(form.memberPorts), (std::vector<int>{45, 46}));
  EXPECT_TRUE(form.setButton->isEnabled());
  EXPECT_FALSE(form.addButton->isEnabled());

  // The master port must be among the members.
  messages.clear();
  form.memberPorts->ClearAll();
  Check(form.memberPorts, {2, 3});
  form.setClicked();
  EXPECT_EQ(LastMessage(), "Master port must be checked.");

  form.portEdit->setText("2");
  MarkJournal();
  form.setClicked();
  ASSERT_TRUE(Idle(form));
  auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].varbinds.size(), 4u);
  EXPECT_EQ(records[0].varbinds[0].oid, std::string(kTrunk) + "2.1");
  EXPECT_EQ(records[0].varbinds[0].value, "2");
  EXPECT_EQ(records[0].varbinds[1].value, "60 00 00 00 00 00 00");
  EXPECT_EQ(records[0].varbinds[3].value, "1");  // active
  EXPECT_TRUE(form.indexEdit->isEnabled());
  EXPECT_TRUE(form.indexEdit->text().isEmpty());

  messages.clear();
  form.deleteClicked();
  EXPECT_EQ(LastMessage(), "Please select trunk group.");

  Select(form.trunkList, 1);
  MarkJournal();
  form.deleteClicked();
  ASSERT_TRUE(Idle(form));
  records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].varbinds.size(), 1u);
  EXPECT_EQ(records[0].varbinds[0].oid, std::string(kTrunk) + "6.2");
  EXPECT_EQ(records[0].varbinds[0].value, "6");
  EXPECT_EQ(form.trunkList->topLevelItemCount(), 1);
  // Every column is part of the exchanges again.
  for (QTreeWidgetItem* line = form.trunkList->topLevelItem(0); line != nullptr; line = nullptr)
    for (int c = 0; c < line->columnCount(); ++c) EXPECT_FALSE(line->text(c).isEmpty()) << "column " << c;
}

TEST_F(PortTrunk, PortFieldsTakeOnlyDigits) {
  PortTrunkDialog form(DialogContext{});
  Open(form);
  form.portEdit->setFocus();
  QTest::keyClicks(form.portEdit, "4a2");
  EXPECT_EQ(form.portEdit->text(), "42");
  EXPECT_EQ(beeps, 1);
  QTest::keyClick(form.portEdit, Qt::Key_Backspace);
  EXPECT_EQ(form.portEdit->text(), "4");
  EXPECT_EQ(beeps, 1);
}

// The device refuses the state of a new group 3; reading is not affected.
class RefusingTrunk : public qrxtest::DialogSimTest {
 protected:
  std::vector<std::string> SimSwitches() const override {
    return {"--fault-error", std::string(kTrunk) + "6.3=genErr"};
  }
};

TEST_F(RefusingTrunk, ARequestErrorLeavesTheFieldsAsTheyAre) {
  PortTrunkDialog form(DialogContext{});
  Open(form);
  ASSERT_EQ(form.trunkList->topLevelItemCount(), 2);
  form.indexEdit->setText("3");
  form.portEdit->setText("5");
  form.typeCombo->setCurrentIndex(0);
  Check(form.memberPorts, {5, 6});
  MarkJournal();
  form.addClicked();
  EXPECT_TRUE(messages.empty()) << LastMessage();
  ASSERT_EQ(NewRecords().size(), 1u);  // sent, and refused
  EXPECT_TRUE(form.statusLabel->text().startsWith("Set:")) << form.statusLabel->text().toStdString();
  EXPECT_FALSE(form.statusLabel->text().contains("Ok"));
  EXPECT_EQ(form.indexEdit->text(), "3");
  EXPECT_EQ(form.portEdit->text(), "5");
  EXPECT_EQ(Checked(form.memberPorts), (std::vector<int>{5, 6}));
  EXPECT_EQ(form.trunkList->topLevelItemCount(), 2);
}

}  // namespace
