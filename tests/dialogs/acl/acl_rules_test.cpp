// The access-rule dialogs against the simulator: what each Add and Delete
// sends, read back from the simulator's SET journal, and what each refuses.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "dialogs/acl/AclTestSupport.h"
#include "dialogs/acl/CpuPacketContentRuleDialog.h"
#include "dialogs/acl/EthernetRuleDialog.h"
#include "dialogs/acl/IpRuleDialog.h"
#include "dialogs/acl/PacketContentRuleDialog.h"
#include "editors/PortGrid.h"

namespace {
using namespace acltest;

const std::string kEthRuleEntry = "1.3.6.1.4.1.32473.12.9.3.1.1";
const std::string kCpuEthRuleEntry = "1.3.6.1.4.1.32473.12.9.5.1.1";
const std::string kIpRuleEntry = "1.3.6.1.4.1.32473.12.9.3.2.1";
const std::string kCpuIpRuleEntry = "1.3.6.1.4.1.32473.12.9.5.2.1";

class EthernetRule : public AclDialogTest {};

TEST_F(EthernetRule, OnlyTheRowStatusCheckedSendsIndexRowStatusAndPorts) {
  auto d = OpenRead<EthernetRuleDialog>();
  d->checkAll(true);
  d->vlanEdit->setText("10");  // filled but unchecked below: not sent
  d->checkAll(false);
  d->rowStatusBox->setChecked(true);
  d->maskIdEdit->setText("7");
  d->accessIdEdit->setText("1");
  d->portGrid->CheckBox(0)->setChecked(true);   // port 1
  d->portGrid->CheckBox(51)->setChecked(true);  // port 52
  d->addButton->click();
  ASSERT_TRUE(NoMessage()) << LastMessage();
  EXPECT_EQ(LastSet(kEthRuleEntry),
            (Sent{{"14.7.1", "OCTET_STRING 80 00 00 00 00 00 10"}, {"15.7.1", "INTEGER 4"}}));
  ASSERT_TRUE(HasRow(d->rowList, {"7", "1"}));
  EXPECT_EQ(d->rowCountLabel->text().toStdString(), std::to_string(d->rowList->topLevelItemCount()));

  // The row comes back with its ports; Delete sends the row status alone.
  ASSERT_TRUE(SelectRow(d->rowList, {"7", "1"}));
  EXPECT_TRUE(d->portGrid->CheckBox(51)->isChecked());
  EXPECT_FALSE(d->portGrid->CheckBox(1)->isChecked());
  EXPECT_FALSE(d->maskIdEdit->isEnabled());
  EXPECT_FALSE(d->accessIdEdit->isEnabled());
  EXPECT_FALSE(d->addButton->isEnabled());
  d->deleteButton->click();
  EXPECT_EQ(LastSet(kEthRuleEntry), (Sent{{"15.7.1", "INTEGER 6"}}));
  EXPECT_FALSE(HasRow(d->rowList, {"7", "1"}));
  EXPECT_TRUE(d->maskIdEdit->isEnabled());
}

TEST_F(EthernetRule, SameAccessIdUnderTwoProfilesButNotTheSamePairTwice) {
  auto d = OpenRead<EthernetRuleDialog>();
  for (const char* mask : {"8", "9", "8"}) {
    ClearMessages();
    d->maskIdEdit->setText(mask);
    d->accessIdEdit->setText("30");
    d->rowStatusBox->setChecked(true);
    d->addButton->click();
  }
  EXPECT_EQ(NewSets().size(), 2u);
  EXPECT_EQ(LastMessage(), "Has already a record with the same Mask ID and Access ID. Please change eithor of them.");
  EXPECT_TRUE(HasRow(d->rowList, {"8", "30"}));
  EXPECT_TRUE(HasRow(d->rowList, {"9", "30"}));
}

TEST_F(EthernetRule, FieldChecks) {
  struct Case {
    const char* what;
    std::function<void(EthernetRuleDialog&)> fill;
    const char* message;
  };
  const Case cases[] = {
      {"no mask ID", [](auto& d) { d.maskIdEdit->clear(); }, "Mask ID must be set."},
      {"no access ID", [](auto& d) { d.accessIdEdit->clear(); }, "Access ID must be set."},
      {"row status unchecked", [](auto& d) { d.rowStatusBox->setChecked(false); },
       "Row State must be checked and set to createAndGo."},
      {"row status active", [](auto& d) { Choose(d.rowStatusCombo, "active"); },
       "Row State must be checked and set to createAndGo."},
      {"checked, empty", [](auto& d) { d.destinationMacBox->setChecked(true); }, "Some check field is empty"},
      {"MAC with separators",
       [](auto& d) {
         d.sourceMacBox->setChecked(true);
         d.sourceMacEdit->setText("00:11:22");
       },
       "Invalid MAC Address"},
      {"Ethernet type",
       [](auto& d) {
         d.ethernetTypeBox->setChecked(true);
         d.ethernetTypeEdit->setText("8G00");
       },
       "Invalid Ethernet Type"},
      {"RX rate 156250",
       [](auto& d) {
         d.rxRateBox->setChecked(true);
         d.rxRateEdit->setText("156250");
       },
       "Rx Rate should between 0-156249"},
      {"mixed-case MAC and RX rate 156249",
       [](auto& d) {
         d.sourceMacBox->setChecked(true);
         d.sourceMacEdit->setText("aAbBcC001122");
         d.ethernetTypeBox->setChecked(true);
         d.ethernetTypeEdit->setText("88cc");
         d.rxRateBox->setChecked(true);
         d.rxRateEdit->setText("156249");
       },
       ""},
  };
  auto d = OpenRead<EthernetRuleDialog>();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearMessages();
    const size_t before = NewSets().size();
    d->checkAll(false);
    d->maskIdEdit->setText("11");
    d->accessIdEdit->setText("11");
    Choose(d->rowStatusCombo, "createAndGo");
    d->rowStatusBox->setChecked(true);
    c.fill(*d);
    d->addButton->click();
    EXPECT_EQ(LastMessage(), c.message);
    EXPECT_EQ(NewSets().size(), before + (*c.message ? 0 : 1));
    if (*c.message) {
      // Nothing excluded stays excluded.
      for (int i = 0; i < d->varList().Count(); ++i) EXPECT_EQ(d->varList().Item(i).access & Access::Excluded, 0) << i;
    }
  }
  const Sent sent = LastSet(kEthRuleEntry);
  EXPECT_EQ(sent.at("4.11.11"), "OCTET_STRING AA BB CC 00 11 22");
  EXPECT_EQ(sent.at("7.11.11"), "OCTET_STRING 88 CC");
  EXPECT_EQ(sent.at("17.11.11"), "INTEGER 156249");
}

// The edit's own range (64 to 1024000) holds as well: below 64 the value does
// not stay; above 156249 the Add refuses it. Together: 64 to 156249.
TEST_F(EthernetRule, RxRateBelowSixtyFourDoesNotStay) {
  auto d = OpenRead<EthernetRuleDialog>();
  d->activateWindow();
  d->rxRateEdit->setFocus();
  QApplication::processEvents();
  d->rxRateEdit->setText("63");
  d->priorityEdit->setFocus();
  QApplication::processEvents();
  EXPECT_EQ(LastMessage(), "Please enter a number between 64 and 1024000!");
  EXPECT_TRUE(d->rxRateEdit->text().isEmpty());
  EXPECT_TRUE(NewSets().empty());
}

TEST_F(EthernetRule, PortsFiftyThreeToSixtyFourAreHidden) {
  auto d = OpenRead<EthernetRuleDialog>(AclFilter::CpuInterface);
  ASSERT_NE(d->portGrid, nullptr);
  for (int k = 0; k < 64; ++k) EXPECT_EQ(d->portGrid->CheckBox(k)->isHidden(), k >= 52) << "port " << k + 1;
  EXPECT_EQ(d->enablePriorityCombo, nullptr);  // the CPU filter's rules have no priority
  d->maskIdEdit->setText("3");
  d->accessIdEdit->setText("5");
  d->checkAll(false);
  d->rowStatusBox->setChecked(true);
  d->permitBox->setChecked(true);
  Choose(d->permitCombo, "deny");
  d->addButton->click();
  ASSERT_TRUE(NoMessage()) << LastMessage();
  EXPECT_EQ(LastSet(kCpuEthRuleEntry), (Sent{{"8.3.5", "INTEGER 1"},
                                             {"9.3.5", "INTEGER 4"},
                                             {"10.3.5", "OCTET_STRING 00 00 00 00 00 00 00"}}));
}

// ---------------------------------------------------------------------------
class IpRule : public AclDialogTest {
 protected:
  // Every field checked and filled with a valid value.
  static void FillAll(IpRuleDialog& d) {
    d.checkAll(true);
    d.vlanEdit->setText("default");
    d.sourceIpEdit->setText("10.0.0.1");
    d.destinationIpEdit->setText("10.0.0.2");
    d.dscpEdit->setText("46");
    d.sourcePortEdit->setText("1024");
    d.destinationPortEdit->setText("80");
    d.flagBitsEdit->setText("2");
    d.protocolIdEdit->setText("17");
    if (d.icmpTypeEdit) d.icmpTypeEdit->setText("8");
    if (d.icmpCodeEdit) d.icmpCodeEdit->setText("0");
    if (d.userMaskEdit) d.userMaskEdit->setText("0000FFFF");
    if (d.enablePriorityCombo) Choose(d.enablePriorityCombo, "enabled");
    if (d.priorityEdit) d.priorityEdit->setText("5");
    if (d.replacePriorityCombo) Choose(d.replacePriorityCombo, "disabled");
    if (d.rxRateEdit) d.rxRateEdit->setText("1000");
    Choose(d.rowStatusCombo, "createAndGo");
  }
};

TEST_F(IpRule, ProtocolDecidesTheColumnsWhenItsBoxIsChecked) {
  struct Case {
    const char* protocol;
    bool protocolChecked;
    std::vector<int> normal;
    std::vector<int> cpu;
  };
  const Case cases[] = {
      {"none", true, {3, 4, 5, 6, 15, 16, 17, 20, 21, 22, 24}, {3, 4, 5, 6, 15, 16, 17}},
      {"icmp", true, {3, 4, 5, 6, 15, 16, 17, 20, 21, 22, 24}, {3, 4, 5, 6, 8, 9, 15, 16, 17}},
      {"igmp", true, {3, 4, 5, 6, 15, 16, 17, 20, 21, 22, 24}, {3, 4, 5, 6, 15, 16, 17}},
      {"tcp", true, {3, 4, 5, 6, 10, 11, 12, 15, 16, 17, 20, 21, 22, 24}, {3, 4, 5, 6, 10, 11, 12, 15, 16, 17}},
      {"udp", true, {3, 4, 5, 6, 10, 11, 15, 16, 17, 20, 21, 22, 24}, {3, 4, 5, 6, 10, 11, 15, 16, 17}},
      {"protocolId", true, {3, 4, 5, 6, 13, 15, 16, 17, 20, 21, 22, 24}, {3, 4, 5, 6, 13, 14, 15, 16, 17}},
      // Unchecked: nothing is left out on the protocol's account.
      {"tcp", false,
       {3, 4, 5, 6, 10, 11, 12, 13, 15, 16, 17, 20, 21, 22, 24},
       {3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}},
  };
  auto normal = OpenRead<IpRuleDialog>();
  auto cpu = OpenRead<IpRuleDialog>(AclFilter::CpuInterface);
  int access = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.protocol) + (c.protocolChecked ? "" : " (box unchecked)"));
    for (IpRuleDialog* d : {normal.get(), static_cast<IpRuleDialog*>(cpu.get())}) {
      const bool isCpu = d == cpu.get();
      ClearMessages();
      d->ruleIdEdit->setText("3");
      d->accessIdEdit->setText(QString::number(access));
      FillAll(*d);
      Choose(d->protocolCombo, c.protocol);
      d->protocolBox->setChecked(c.protocolChecked);
      const size_t before = NewSets().size();
      d->addButton->click();
      ASSERT_TRUE(NoMessage()) << LastMessage();
      ASSERT_EQ(NewSets().size(), before + 1);  // choosing the protocol sent nothing of its own
      EXPECT_EQ(Columns(LastSet(isCpu ? kCpuIpRuleEntry : kIpRuleEntry)), isCpu ? c.cpu : c.normal)
          << (isCpu ? "CPU" : "normal");
    }
    ++access;
  }
}

TEST_F(IpRule, FieldChecksAndTheSelectedRow) {
  auto d = OpenRead<IpRuleDialog>();
  struct Case {
    const char* what;
    std::function<void(IpRuleDialog&)> fill;
    const char* message;
  };
  const Case cases[] = {
      {"no rule ID", [](auto& d) { d.ruleIdEdit->clear(); }, "IP Rule ID must be set."},
      {"no access ID", [](auto& d) { d.accessIdEdit->clear(); }, "IP Rule Access ID must be set."},
      {"checked, empty", [](auto& d) { d.flagBitsEdit->clear(); }, "Some checked field is empty"},
      {"priority without choice", [](auto& d) { d.enablePriorityCombo->setCurrentIndex(-1); },
       "Some checked field is empty"},
      {"bad source IP", [](auto& d) { d.sourceIpEdit->setText("1.2.3"); }, "Please input a valid ip"},
      {"bad destination IP", [](auto& d) { d.destinationIpEdit->setText("1.2.3.256"); }, "Please input a valid ip"},
      {"RX rate 156250", [](auto& d) { d.rxRateEdit->setText("156250"); }, "Rx Rate should between 0-156249"},
      {"duplicate", [](auto& d) { d.ruleIdEdit->setText("1"), d.accessIdEdit->setText("1"); },
       "Has already a record with the same IP Rule ID and Access ID. Please change eithor of them."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClearMessages();
    d->ruleIdEdit->setText("20");
    d->accessIdEdit->setText("20");
    FillAll(*d);
    c.fill(*d);
    d->addButton->click();
    EXPECT_EQ(LastMessage(), c.message);
    EXPECT_TRUE(NewSets().empty());
  }
  // A selected rule's protocol belongs to its profile: not to be chosen.
  ASSERT_TRUE(SelectRow(d->rowList, {"1", "1"}));
  EXPECT_EQ(d->ruleIdEdit->text().toStdString(), "1");
  EXPECT_FALSE(d->protocolCombo->isEnabled());
  EXPECT_FALSE(d->protocolBox->isEnabled());
  EXPECT_FALSE(d->protocolBox->isChecked());
  d->rowList->clearSelection();
  EXPECT_TRUE(d->protocolCombo->isEnabled());
  EXPECT_TRUE(d->protocolBox->isEnabled());
  EXPECT_TRUE(d->ruleIdEdit->text().isEmpty());

  // Choosing a protocol does not start an Add.
  ClearMessages();
  Choose(d->protocolCombo, "udp");
  EXPECT_TRUE(NoMessage()) << LastMessage();
  EXPECT_TRUE(NewSets().empty());
}

TEST_F(IpRule, CpuUserMaskIsEightHexDigits) {
  auto d = OpenRead<IpRuleDialog>(AclFilter::CpuInterface);
  for (const char* mask : {"0000FFF", "0000FFFG", "0000FFFF0"}) {
    SCOPED_TRACE(mask);
    ClearMessages();
    d->ruleIdEdit->setText("2");
    d->accessIdEdit->setText("5");
    FillAll(*d);
    d->userMaskEdit->setText(mask);
    d->addButton->click();
    EXPECT_EQ(LastMessage(), "Invalid User Mask");
  }
  EXPECT_TRUE(NewSets().empty());
}

// ---------------------------------------------------------------------------
const std::string kPayloadRuleEntry = "1.3.6.1.4.1.32473.12.9.3.9.1";
const std::string kCpuPayloadRuleEntry = "1.3.6.1.4.1.32473.12.9.5.3.1";

class PacketContentRule : public AclDialogTest {};

TEST_F(PacketContentRule, DataValuesAreHexDigitsToTheLastCharacter) {
  struct Case {
    const char* data;
    bool accepted;
  };
  const Case cases[] = {{"1234567G", false}, {"G2345678", false}, {"12 4", false}, {"123456789", false},
                        {"12345", false},    {"a1b2c3d4", true}};
  auto d = OpenRead<PacketContentRuleDialog>();
  int access = 40;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.data);
    ClearMessages();
    const size_t before = NewSets().size();
    d->profileIdEdit->setText("1");
    d->accessIdEdit->setText(QString::number(++access));
    d->rowStatusBox->setChecked(true);
    d->offsetBoxes[1]->setChecked(true);
    d->offsetEdits[1]->setText("12");
    d->dataBoxes[1]->setChecked(true);
    d->dataEdits[1]->setText(c.data);
    d->addButton->click();
    if (c.accepted) {
      ASSERT_TRUE(NoMessage()) << LastMessage();
      const std::string id = "1." + std::to_string(access);
      EXPECT_EQ(LastSet(kPayloadRuleEntry), (Sent{{"11." + id, "INTEGER 12"},
                                                  {"13." + id, "OCTET_STRING A1 B2 C3 D4"},
                                                  {"30." + id, "OCTET_STRING 00 00 00 00 00 00 00"},
                                                  {"33." + id, "INTEGER 4"}}));
    } else {
      EXPECT_EQ(LastMessage(), "Packet(s) Offset can not contain invalid character(s).");
      EXPECT_EQ(NewSets().size(), before);
    }
  }
  // The row status: refused off createAndGo only while its box is checked.
  ClearMessages();
  d->profileIdEdit->setText("1");
  d->accessIdEdit->setText("41");
  d->rowStatusBox->setChecked(true);
  Choose(d->rowStatusCombo, "active");
  d->addButton->click();
  EXPECT_EQ(LastMessage(), "Row State must be createAndGo.");
  d->accessIdEdit->setText("1");
  Choose(d->rowStatusCombo, "createAndGo");
  d->addButton->click();
  EXPECT_EQ(LastMessage(), "There is already a record with the same Profile ID and Access ID. Please modified eithor of them.");
}

TEST_F(PacketContentRule, DenyRuleDisablesThePriorityFields) {
  auto d = OpenRead<PacketContentRuleDialog>();
  for (const char* permit : {"deny", "permit"}) {
    d->profileIdEdit->setText("2");
    d->accessIdEdit->setText(permit[0] == 'd' ? "61" : "62");
    d->rowStatusBox->setChecked(true);
    d->permitBox->setChecked(true);
    Choose(d->permitCombo, permit);
    d->addButton->click();
    ASSERT_TRUE(NoMessage()) << LastMessage();
  }
  QWidget* const priority[] = {d->priorityEdit, d->replacePriorityCombo, d->priorityBox, d->replacePriorityBox};
  ASSERT_TRUE(SelectRow(d->rowList, {"2", "61"}));
  EXPECT_EQ(d->permitCombo->currentText().toStdString(), "deny");
  for (QWidget* w : priority) EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  ASSERT_TRUE(SelectRow(d->rowList, {"2", "62"}));
  for (QWidget* w : priority) EXPECT_TRUE(w->isEnabled()) << w->objectName().toStdString();
  // The masks are the profile's: shown, never typed into.
  EXPECT_TRUE(d->maskEdits[0]->isReadOnly());
}

TEST_F(PacketContentRule, CpuAddEditAndEditWithDestroy) {
  auto d = OpenRead<CpuPacketContentRuleDialog>();
  EXPECT_FALSE(d->editButton->isEnabled());
  // No access ID: refused, nothing sent.
  d->profileIdEdit->setText("3");
  d->addButton->click();
  EXPECT_EQ(LastMessage(), "Access ID must be set.");
  // A bad chunk names its range.
  ClearMessages();
  d->accessIdEdit->setText("4");
  d->rowStatusBox->setChecked(true);
  d->chunkBoxes[1]->setChecked(true);
  d->chunkEdits[1]->setText("00112233x");
  d->addButton->click();
  EXPECT_EQ(LastMessage(), "Packet(s) Offset [16 to 31] can not contain invalid character(s).");
  EXPECT_TRUE(NewSets().empty());
  // No port checked: the port list is left out.
  ClearMessages();
  d->chunkEdits[1]->setText("0011aabb");
  d->addButton->click();
  ASSERT_TRUE(NoMessage()) << LastMessage();
  EXPECT_EQ(LastSet(kCpuPayloadRuleEntry), (Sent{{"4.3.4", "OCTET_STRING 00 11 AA BB"}, {"9.3.4", "INTEGER 4"}}));

  // Edit of the selected rule: the chunk and the ports, not the row status.
  ASSERT_TRUE(SelectRow(d->rowList, {"3", "4"}));
  EXPECT_TRUE(d->editButton->isEnabled());
  d->chunkBoxes[4]->setChecked(true);
  d->chunkEdits[4]->setText("ff");
  d->portGrid->CheckBox(2)->setChecked(true);
  d->editButton->click();
  ASSERT_TRUE(NoMessage()) << LastMessage();
  EXPECT_EQ(LastSet(kCpuPayloadRuleEntry),
            (Sent{{"7.3.4", "OCTET_STRING FF"}, {"10.3.4", "OCTET_STRING 20 00 00 00 00 00 00"}}));

  // Edit with an emptied access ID is refused.
  ASSERT_TRUE(SelectRow(d->rowList, {"3", "4"}));
  d->accessIdEdit->clear();
  const size_t before = NewSets().size();
  d->editButton->click();
  EXPECT_EQ(LastMessage(), "Access ID must be set.");
  EXPECT_EQ(NewSets().size(), before);

  // Edit with destroy and its box checked removes the rule.
  ASSERT_TRUE(SelectRow(d->rowList, {"1", "1"}));
  Choose(d->rowStatusCombo, "destroy");
  d->rowStatusBox->setChecked(true);
  d->editButton->click();
  EXPECT_EQ(LastSet(kCpuPayloadRuleEntry), (Sent{{"9.1.1", "INTEGER 6"}}));
  EXPECT_FALSE(HasRow(d->rowList, {"1", "1"}));
}

}  // namespace
