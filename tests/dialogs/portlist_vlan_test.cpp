// The VLAN dialogs against the simulator: what they list and what they write.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <csignal>

#include "dialogs/vlan/CurrentVlanDialog.h"
#include "dialogs/vlan/StaticVlanDialog.h"
#include "dialogs/vlan/VlanBasicConfigDialog.h"
#include "dialogs/vlan/VlanPortsDialog.h"
#include "sim_dialog_support.h"

namespace {

using qrxtest::JournalVarbind;

constexpr const char* kStatic = "1.3.6.1.2.1.17.7.1.4.3.1.";

class VlanStatic : public qrxtest::DialogSimTest {
 protected:
  std::vector<std::string> SimSwitches() const override { return {"--rows", "Dot1qVlanStatic=3"}; }
};

TEST_F(VlanStatic, ListsEveryVlanAndFillsTheFieldsFromALine) {
  StaticVlanDialog form(DialogContext{});
  Open(form);
  ASSERT_EQ(form.vlanList->topLevelItemCount(), 3);
  EXPECT_EQ(form.findChild<QLabel*>("ST_Count")->text(), "3");
  EXPECT_FALSE(form.nextFreeIndexLabel->text().isEmpty());
  EXPECT_FALSE(form.setButton->isEnabled());
  EXPECT_TRUE(form.addButton->isEnabled());

  Select(form.vlanList, 0);
  EXPECT_EQ(form.vlanIdEdit->text(), "1");
  EXPECT_EQ(form.vlanNameEdit->text(), "default");
  const std::vector<int> egress = Checked(form.egressPorts);
  ASSERT_EQ(egress.size(), 52u);  // VLAN 1 holds every port
  EXPECT_EQ(egress.back(), 52);
  EXPECT_TRUE(Checked(form.forbiddenPorts).empty());
  EXPECT_EQ(form.statusCombo->currentText(), "active");
  EXPECT_TRUE(form.setButton->isEnabled());
  EXPECT_TRUE(form.deleteButton->isEnabled());
  EXPECT_FALSE(form.addButton->isEnabled());

  Select(form.vlanList, 1);
  EXPECT_EQ(form.vlanIdEdit->text(), "2");
  EXPECT_TRUE(Checked(form.egressPorts).empty());

  Select(form.vlanList, -1);  // no line: fields cleared
  EXPECT_TRUE(form.vlanIdEdit->text().isEmpty());
  EXPECT_TRUE(Checked(form.egressPorts).empty());
  EXPECT_FALSE(form.setButton->isEnabled());
  EXPECT_TRUE(form.addButton->isEnabled());
}

TEST_F(VlanStatic, AddWritesNameAndPortListsByteForByte) {
  StaticVlanDialog form(DialogContext{});
  Open(form);
  form.vlanIdEdit->setText("10");
  form.vlanNameEdit->setText("ten");
  Check(form.egressPorts, {1, 9});
  Check(form.forbiddenPorts, {2, 52});
  Check(form.untaggedPorts, {9});
  MarkJournal();
  form.addClicked();
  ASSERT_TRUE(Idle(form));
  ASSERT_TRUE(qrxtest::WaitFor([&] { return form.vlanList->topLevelItemCount() == 4; }));

  const auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  const auto& vbs = records[0].varbinds;
  ASSERT_EQ(vbs.size(), 5u);
  const std::string s = kStatic;
  EXPECT_EQ(vbs[0].oid, s + "1.10");
  EXPECT_EQ(vbs[0].value, "74 65 6E");  // "ten"
  EXPECT_EQ(vbs[1].oid, s + "2.10");
  EXPECT_EQ(vbs[1].value, "80 80 00 00 00 00 00");
  EXPECT_EQ(vbs[2].value, "40 00 00 00 00 00 10");
  EXPECT_EQ(vbs[3].value, "00 80 00 00 00 00 00");
  EXPECT_EQ(vbs[4].oid, s + "5.10");
  EXPECT_EQ(vbs[4].type, "INTEGER");
  EXPECT_EQ(vbs[4].value, "4");
  // Fields cleared after the write.
  EXPECT_TRUE(form.vlanIdEdit->text().isEmpty());
  EXPECT_TRUE(Checked(form.egressPorts).empty());
}

TEST_F(VlanStatic, SetWritesTheSelectedVlanAndDeleteWritesDestroyAndReadsAgain) {
  StaticVlanDialog form(DialogContext{});
  Open(form);
  Select(form.vlanList, 1);
  form.vlanNameEdit->setText("two");
  Check(form.untaggedPorts, {3});
  MarkJournal();
  form.setClicked();
  ASSERT_TRUE(Idle(form));
  auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].varbinds.size(), 5u);
  EXPECT_EQ(records[0].varbinds[0].oid, std::string(kStatic) + "1.2");
  EXPECT_EQ(records[0].varbinds[0].value, "74 77 6F");
  EXPECT_EQ(records[0].varbinds[3].value, "20 00 00 00 00 00 00");
  EXPECT_EQ(records[0].varbinds[4].value, "1");  // active
  EXPECT_FALSE(form.setButton->isEnabled());

  ASSERT_TRUE(qrxtest::WaitFor([&] { return form.vlanList->topLevelItemCount() == 3; }));
  Select(form.vlanList, 2);
  MarkJournal();
  form.deleteClicked();
  ASSERT_TRUE(qrxtest::WaitFor([&] { return !form.AnyBusy() && form.vlanList->topLevelItemCount() == 2; }));
  records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].varbinds.back().oid, std::string(kStatic) + "5.3");
  EXPECT_EQ(records[0].varbinds.back().value, "6");
  EXPECT_FALSE(form.deleteButton->isEnabled());
  EXPECT_TRUE(form.vlanIdEdit->text().isEmpty());
}

// Add sends a VLAN ID only from 1 to 4094; anything else is refused with a
// message naming the field before anything goes to the switch.
TEST_F(VlanStatic, AddSendsOnlyAVlanIdFromOneTo4094) {
  const struct {
    const char* id;
    const char* message;  // "" when the row is created
  } cases[] = {
      {"5000", "VLAN ID should between 1-4094"}, {"4095", "VLAN ID should between 1-4094"},
      {"0", "VLAN ID should between 1-4094"},    {"-5", "VLAN ID should between 1-4094"},
      {"abc", "VLAN ID must be set."},           {"", "VLAN ID must be set."},
      {"4094", ""},                              {"1", ""},
  };
  StaticVlanDialog form(DialogContext{});
  Open(form);
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("VLAN ID '") + c.id + "'");
    messages.clear();
    form.vlanIdEdit->setText(QString::fromLatin1(c.id));
    form.vlanNameEdit->setText("v");
    MarkJournal();
    form.addClicked();
    ASSERT_TRUE(Idle(form));
    const auto records = NewRecords();
    if (*c.message) {
      EXPECT_EQ(messages, std::vector<std::string>{c.message});
      EXPECT_TRUE(records.empty());
      continue;
    }
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].varbinds.back().oid, std::string(kStatic) + "5." + c.id);
    EXPECT_EQ(records[0].varbinds.back().value, "4");
  }
}

// A second Add while the first one is written (held by the switch until
// released) is refused: one SET, one new row.
class VlanStaticHeldWrite : public VlanStatic {
 protected:
  std::vector<std::string> SimSwitches() const override {
    return {"--rows", "Dot1qVlanStatic=3", "--fault-hold-after", "0"};
  }
};

TEST_F(VlanStaticHeldWrite, ASecondAddWhileTheFirstIsWrittenSendsNothing) {
  StaticVlanDialog form(DialogContext{});
  Open(form);
  form.vlanIdEdit->setText("10");
  form.vlanNameEdit->setText("ten");
  MarkJournal();
  form.addButton->click();
  // The second click of a double click comes in a later turn of the event loop.
  ASSERT_TRUE(qrxtest::WaitFor([&] { return form.Bindings().refuses(); }));
  form.addButton->click();
  EXPECT_EQ(messages, std::vector<std::string>{"Refresh Not Complete"});
  ASSERT_EQ(kill(session_.sim().pid(), SIGUSR1), 0);
  ASSERT_TRUE(qrxtest::WaitFor([&] { return !form.AnyBusy() && form.vlanList->topLevelItemCount() == 4; }));
  const auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].varbinds.back().oid, std::string(kStatic) + "5.10");
}

class VlanViews : public qrxtest::DialogSimTest {};

TEST_F(VlanViews, CurrentTableShowsALineOnItsGridsAndClearsWithoutOne) {
  CurrentVlanDialog form(DialogContext{});
  Open(form);
  EXPECT_FALSE(form.deletedCountLabel->text().isEmpty());
  ASSERT_GE(form.vlanList->topLevelItemCount(), 1);
  Select(form.vlanList, 0);
  EXPECT_EQ(form.vlanIdLabel->text(), "1");
  EXPECT_EQ(Checked(form.egressPorts).size(), 52u);
  Select(form.vlanList, -1);
  EXPECT_TRUE(form.vlanIdLabel->text().isEmpty());
  EXPECT_TRUE(Checked(form.egressPorts).empty());
  EXPECT_FALSE(form.messages->toPlainText().contains("ERROR", Qt::CaseInsensitive));
}

TEST_F(VlanViews, BasicConfigureWritesOnlyTheGvrpStatus) {
  VlanBasicConfigDialog form(DialogContext{});
  Open(form);
  EXPECT_FALSE(form.maxVlanIdLabel->text().isEmpty());
  form.gvrpCombo->setCurrentIndex(form.gvrpCombo->findText("disabled"));
  MarkJournal();
  form.setClicked();
  ASSERT_TRUE(Idle(form));
  const auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].varbinds.size(), 1u);
  EXPECT_EQ(records[0].varbinds[0].oid, "1.3.6.1.2.1.17.7.1.1.5.0");
  EXPECT_EQ(records[0].varbinds[0].value, "2");
}

TEST_F(VlanViews, PortInformationWritesTheSelectedPortAndSelectsItAgain) {
  VlanPortsDialog form(DialogContext{});
  Open(form);
  ASSERT_EQ(form.portList->topLevelItemCount(), 52);
  Select(form.portList, 6);
  form.pvidEdit->setText("20");
  form.frameTypesCombo->setCurrentIndex(form.frameTypesCombo->findText("admitOnlyVlanTagged"));
  MarkJournal();
  form.setClicked();
  EXPECT_EQ(LastMessage(), "");
  form.refreshClicked();  // while the write and its read run
  EXPECT_EQ(LastMessage(), "Refresh Not Complete");
  ASSERT_TRUE(Idle(form));
  const auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].varbinds.size(), 4u);
  EXPECT_EQ(records[0].varbinds[0].oid, "1.3.6.1.2.1.17.7.1.4.5.1.1.7");
  EXPECT_EQ(records[0].varbinds[0].value, "20");
  EXPECT_EQ(records[0].varbinds[1].value, "2");
  ASSERT_TRUE(qrxtest::WaitFor([&] { return !form.portList->selectedItems().isEmpty(); }));
  EXPECT_EQ(form.portList->selectedItems().first()->text(0), "7");
  EXPECT_EQ(form.pvidEdit->text(), "20");
}

}  // namespace
