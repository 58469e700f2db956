// The access-profile (mask) dialogs against the simulator: what each Add and
// Delete sends, read back from the simulator's SET journal, and what each
// refuses.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "dialogs/acl/AclTestSupport.h"
#include "dialogs/acl/EthernetMaskDialog.h"

namespace {
using namespace acltest;

const std::string kEthEntry = "1.3.6.1.4.1.32473.12.9.2.1.1";
const std::string kCpuEthEntry = "1.3.6.1.4.1.32473.12.9.4.1.1";

class EthernetMask : public AclDialogTest {};

TEST_F(EthernetMask, AddWithDefaultsAsksForCreateAndGoAndSendsNothing) {
  auto d = OpenRead<EthernetMaskDialog>();
  d->idEdit->setText("9");
  d->addButton->click();
  EXPECT_EQ(LastMessage(), "Row Status must be createAndGo.");
  EXPECT_TRUE(NewSets().empty());

  // The CPU filter's dialog opens on createAndGo.
  auto cpu = OpenRead<EthernetMaskDialog>(AclFilter::CpuInterface);
  EXPECT_EQ(cpu->rowStatusCombo->currentText().toStdString(), "createAndGo");
}

TEST_F(EthernetMask, AddWritesTheChosenColumnsThenDeleteDestroysTheRow) {
  auto d = OpenRead<EthernetMaskDialog>();
  d->idEdit->setText("9");
  Choose(d->maskStateCombo, "dst-mac-addr");
  d->destinationMaskEdit->setText("00aaBBccDDee");
  d->sourceMaskEdit->setText("001122334455");  // not used by dst-mac-addr
  Choose(d->rowStatusCombo, "createAndGo");
  d->addButton->click();
  EXPECT_TRUE(NoMessage()) << LastMessage();
  EXPECT_EQ(LastSet(kEthEntry), (Sent{{"2.9", "INTEGER 1"},
                                      {"3.9", "INTEGER 2"},
                                      {"5.9", "OCTET_STRING 00 AA BB CC DD EE"},
                                      {"6.9", "INTEGER 1"},
                                      {"7.9", "INTEGER 1"},
                                      {"8.9", "INTEGER 4"}}));
  ASSERT_TRUE(HasRow(d->rowList, {"9"}));
  // Back in the no-selection state with the edits empty.
  EXPECT_TRUE(d->addButton->isEnabled());
  EXPECT_FALSE(d->deleteButton->isEnabled());
  EXPECT_TRUE(d->idEdit->text().isEmpty());

  ASSERT_TRUE(SelectRow(d->rowList, {"9"}));
  EXPECT_EQ(d->idEdit->text().toStdString(), "9");
  EXPECT_FALSE(d->addButton->isEnabled());
  EXPECT_FALSE(d->idEdit->isEnabled());
  EXPECT_TRUE(d->deleteButton->isEnabled());
  d->deleteButton->click();
  EXPECT_EQ(LastSet(kEthEntry), (Sent{{"8.9", "INTEGER 6"}}));
  EXPECT_FALSE(HasRow(d->rowList, {"9"}));
  EXPECT_TRUE(d->addButton->isEnabled());
  EXPECT_FALSE(d->deleteButton->isEnabled());
}

TEST_F(EthernetMask, MaskStateOtherOrAnEmptyMaskLeavesTheMasksOut) {
  auto d = OpenRead<EthernetMaskDialog>(AclFilter::CpuInterface);
  d->idEdit->setText("3");
  Choose(d->maskStateCombo, "dst-mac-addr");  // destination empty: passes, not sent
  d->addButton->click();
  EXPECT_TRUE(NoMessage()) << LastMessage();
  EXPECT_EQ(Columns(LastSet(kCpuEthEntry)), (std::vector<int>{2, 3, 6, 7, 8}));
  ASSERT_TRUE(SelectRow(d->rowList, {"3"}));
  d->deleteButton->click();
  EXPECT_EQ(LastSet(kCpuEthEntry), (Sent{{"8.3", "INTEGER 6"}}));

  // Delete left the row status on destroy.
  EXPECT_EQ(d->rowStatusCombo->currentText().toStdString(), "destroy");
  Choose(d->rowStatusCombo, "createAndGo");
  d->idEdit->setText("3");
  Choose(d->maskStateCombo, "other");
  d->destinationMaskEdit->setText("001122334455");
  d->sourceMaskEdit->setText("001122334455");
  d->addButton->click();
  EXPECT_EQ(Columns(LastSet(kCpuEthEntry)), (std::vector<int>{2, 6, 7, 8}));
  ASSERT_TRUE(SelectRow(d->rowList, {"3"}));
  d->deleteButton->click();
}

// A write that the agent refuses (the row was made behind the dialog's back,
// so createAndGo is inconsistent) is reported on the status line; the flags
// come back and the window returns to the no-selection state.
TEST_F(EthernetMask, AFailedWriteIsReportedAndLeavesNothingExcluded) {
  auto d = OpenRead<EthernetMaskDialog>(AclFilter::CpuInterface);
  const std::string status3 = kCpuEthEntry + ".8.3";
  ASSERT_TRUE(SnmpSet({status3, "i", "4"}));
  d->idEdit->setText("3");
  d->addButton->click();
  EXPECT_TRUE(NoMessage()) << LastMessage();
  const std::string status = d->statusLabel->text().toStdString();
  EXPECT_EQ(status.rfind("Set: ", 0), 0u) << status;
  EXPECT_EQ(status.find("Set: Ok"), std::string::npos) << status;
  for (int i = 0; i < d->varList().Count(); ++i) EXPECT_EQ(d->varList().Item(i).access & Access::Excluded, 0) << i;
  EXPECT_TRUE(d->addButton->isEnabled());
  EXPECT_TRUE(d->idEdit->text().isEmpty());
  EXPECT_TRUE(SnmpSet({status3, "i", "6"}));
}

TEST_F(EthernetMask, DuplicateIdIsRefused) {
  auto d = OpenRead<EthernetMaskDialog>();
  ASSERT_TRUE(HasRow(d->rowList, {"1"}));
  d->idEdit->setText("1");
  Choose(d->rowStatusCombo, "createAndGo");
  Choose(d->useVlanCombo, "disabled");  // differs from the row in the list
  d->addButton->click();
  EXPECT_EQ(LastMessage(), "There is already a record with the same Ethernet Mask ID. Please modified it.");
  EXPECT_TRUE(NewSets().empty());
}

TEST_F(EthernetMask, MacMasksAreTwelveHexDigits) {
  struct Case {
    const char* state;
    const char* source;
    const char* dest;
    const char* message;  // "" accepted
  };
  const Case cases[] = {
      {"dst-mac-addr", "", "00:11:22:33:44:55", "Invalid MAC Address"},
      {"src-mac-addr", "00-11-22-33-44-55", "", "Invalid MAC Address"},
      {"dst-src-mac-addr", "0011223344", "aAbBcCdDeEfF", "Invalid MAC Address"},
      {"dst-src-mac-addr", "aAbBcCdDeEfF", "00112233445G", "Invalid MAC Address"},
      {"src-mac-addr", "aAbBcCdDeEfF", "not looked at", ""},
      {"dst-src-mac-addr", "0123456789ab", "ABCDEF012345", ""},
  };
  auto d = OpenRead<EthernetMaskDialog>();
  int id = 20;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.state) + " " + c.source + " / " + c.dest);
    ClearMessages();
    const size_t before = NewSets().size();
    d->idEdit->setText(QString::number(++id));
    Choose(d->maskStateCombo, c.state);
    d->sourceMaskEdit->setText(c.source);
    d->destinationMaskEdit->setText(c.dest);
    Choose(d->rowStatusCombo, "createAndGo");
    d->addButton->click();
    if (*c.message) {
      EXPECT_EQ(LastMessage(), c.message);
      EXPECT_EQ(NewSets().size(), before);
      // The entered values stay for correction.
      EXPECT_EQ(d->destinationMaskEdit->text().toStdString(), c.dest);
    } else {
      EXPECT_TRUE(NoMessage()) << LastMessage();
      EXPECT_EQ(NewSets().size(), before + 1);
    }
  }
}

}  // namespace

// ---------------------------------------------------------------------------
#include "dialogs/acl/IpMaskDialog.h"
#include "dialogs/acl/PacketContentMaskDialog.h"

namespace {
using namespace acltest;

const std::string kIpEntry = "1.3.6.1.4.1.32473.12.9.2.2.1";
const std::string kCpuIpEntry = "1.3.6.1.4.1.32473.12.9.4.2.1";
const std::string kPayloadEntry = "1.3.6.1.4.1.32473.12.9.2.3.1";
const std::string kCpuPayloadEntry = "1.3.6.1.4.1.32473.12.9.4.3.1";

class IpMask : public AclDialogTest {};

TEST_F(IpMask, AddWithDefaultsAsksForCreateAndGo) {
  auto d = OpenRead<IpMaskDialog>();
  d->idEdit->setText("9");
  d->addButton->click();
  EXPECT_EQ(LastMessage(), "Row Status must be createAndGo.");
  d->idEdit->setText("1");
  Choose(d->rowStatusCombo, "createAndGo");
  d->addButton->click();
  EXPECT_EQ(LastMessage(), "There is already a record with the same IP Mask ID. Please modified it.");
  EXPECT_TRUE(NewSets().empty());
}

TEST_F(IpMask, Ipv4MasksAreChecked) {
  struct Case {
    const char* text;
    bool accepted;
  };
  const Case cases[] = {{"192.168.1.1", true}, {"10.0.0.0", true},   {"192.168.1", false}, {"1.2.3.256", false},
                        {"1.2.3.00", false},   {".1.2.3", false},    {"1.2.3.4a", false}};
  auto d = OpenRead<IpMaskDialog>();
  int id = 30;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ClearMessages();
    const size_t before = NewSets().size();
    d->idEdit->setText(QString::number(++id));
    Choose(d->maskStateCombo, "dst-src-ip-addr");
    d->sourceMaskEdit->setText("255.255.255.0");
    d->destinationMaskEdit->setText(c.text);
    Choose(d->rowStatusCombo, "createAndGo");
    d->addButton->click();
    if (c.accepted) {
      EXPECT_TRUE(NoMessage()) << LastMessage();
      const Sent sent = LastSet(kIpEntry);
      EXPECT_EQ(sent.at("5." + std::to_string(id)), std::string("IpAddress ") + c.text);
      EXPECT_EQ(sent.at("4." + std::to_string(id)), "IpAddress 255.255.255.0");
    } else {
      EXPECT_EQ(LastMessage(), "Please input a valid ip");
      EXPECT_EQ(NewSets().size(), before);
    }
  }
}

TEST_F(IpMask, PortAndProtocolIdMasks) {
  struct Case {
    const char* protocol;
    const char* tcpOption;
    const char* srcPort;
    const char* dstPort;
    const char* protoMask;
    const char* message;
  };
  const Case cases[] = {
      {"tcp", "dst-addr", "", "FFF", "", "Invalid Mask!"},
      {"tcp", "src-addr", "FFFG", "", "", "Invalid Mask!"},
      {"udp", "dst-src-addr", "00ff", "12345", "", "Invalid Mask!"},
      {"protocolId", "other", "", "", "1", "Invalid Mask!"},
      {"protocolId", "other", "", "", "G1", "Invalid Mask!"},
      {"tcp", "dst-src-addr", "00ff", "FF00", "", ""},
      {"protocolId", "other", "", "", "1f", ""},
  };
  auto d = OpenRead<IpMaskDialog>();
  int id = 40;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.protocol) + " " + c.srcPort + " " + c.dstPort + " " + c.protoMask);
    ClearMessages();
    const size_t before = NewSets().size();
    d->idEdit->setText(QString::number(++id));
    Choose(d->protocolTypeCombo, c.protocol);
    Choose(d->tcpOptionCombo, c.tcpOption);
    Choose(d->protocolIdOptionCombo, "enable");
    d->sourcePortMaskEdit->setText(c.srcPort);
    d->destinationPortMaskEdit->setText(c.dstPort);
    d->userMaskEdit->setText(c.protoMask);
    Choose(d->rowStatusCombo, "createAndGo");
    d->addButton->click();
    EXPECT_EQ(LastMessage(), c.message);
    EXPECT_EQ(NewSets().size(), before + (*c.message ? 0 : 1));
  }
}

// The protocol ID is entered as two hex digits and is an INTEGER column:
// "1F" goes out as 31 and comes back as "1F".
TEST_F(IpMask, ProtocolIdTravelsAsItsHexValue) {
  auto d = OpenRead<IpMaskDialog>();
  d->idEdit->setText("50");
  Choose(d->protocolTypeCombo, "protocolId");
  Choose(d->protocolIdOptionCombo, "enable");
  d->userMaskEdit->setText("1F");
  Choose(d->rowStatusCombo, "createAndGo");
  d->addButton->click();
  ASSERT_TRUE(NoMessage()) << LastMessage();
  EXPECT_EQ(LastSet(kIpEntry).at("17.50"), "INTEGER 31");
  ASSERT_TRUE(SelectRow(d->rowList, {"50"}));
  EXPECT_EQ(d->userMaskEdit->text().toStdString(), "1F");
  d->deleteButton->click();
  EXPECT_EQ(LastSet(kIpEntry), (Sent{{"19.50", "INTEGER 6"}}));
  EXPECT_FALSE(HasRow(d->rowList, {"50"}));
}

// The write of each protocol type, straight from the exclusion rules:
// TCP and UDP options on dst-addr (neither is "other", so neither port mask
// is left out on their account), every edit filled.
TEST_F(IpMask, ProtocolTypeDecidesTheColumns) {
  struct Case {
    const char* protocol;
    std::vector<int> normal;
    std::vector<int> cpu;
  };
  const Case cases[] = {
      {"none", {2, 3, 4, 5, 6, 19}, {2, 3, 4, 5, 6, 19}},
      {"icmp", {2, 3, 4, 5, 6, 7, 19}, {2, 3, 4, 5, 6, 7, 8, 19}},
      {"igmp", {2, 3, 4, 5, 6, 7, 19}, {2, 3, 4, 5, 6, 7, 9, 19}},
      {"tcp", {2, 3, 4, 5, 6, 7, 10, 12, 13, 14, 15, 19}, {2, 3, 4, 5, 6, 7, 10, 12, 13, 14, 15, 19}},
      {"udp", {2, 3, 4, 5, 6, 7, 11, 12, 13, 19}, {2, 3, 4, 5, 6, 7, 11, 12, 13, 19}},
      {"protocolId", {2, 3, 4, 5, 6, 7, 10, 16, 17, 19}, {2, 3, 4, 5, 6, 7, 16, 17, 18, 19}},
  };
  auto normal = OpenRead<IpMaskDialog>();
  auto cpu = OpenRead<IpMaskDialog>(AclFilter::CpuInterface);
  int id = 60;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.protocol);
    for (IpMaskDialog* d : {normal.get(), static_cast<IpMaskDialog*>(cpu.get())}) {
      const bool isCpu = d == cpu.get();
      ClearMessages();
      const QString id_ = isCpu ? QStringLiteral("3") : QString::number(++id);
      d->idEdit->setText(id_);
      Choose(d->maskStateCombo, "dst-src-ip-addr");
      d->sourceMaskEdit->setText("255.0.0.0");
      d->destinationMaskEdit->setText("255.255.0.0");
      Choose(d->protocolTypeCombo, c.protocol);
      Choose(d->tcpOptionCombo, "dst-addr");
      Choose(d->udpOptionCombo, "dst-addr");
      d->sourcePortMaskEdit->setText("FF00");
      d->destinationPortMaskEdit->setText("00FF");
      Choose(d->tcpFlagOptionCombo, "enable");
      d->tcpFlagMaskEdit->setText("63");
      Choose(d->protocolIdOptionCombo, "enable");
      if (isCpu) {
        Choose(d->icmpOptionCombo, "type");
        Choose(d->igmpOptionCombo, "enable");
        d->protocolIdEdit->setText("17");
        d->userMaskEdit->setText("0000FFFF");
      } else {
        d->userMaskEdit->setText("11");
      }
      Choose(d->rowStatusCombo, "createAndGo");
      d->addButton->click();
      ASSERT_TRUE(NoMessage()) << LastMessage();
      EXPECT_EQ(Columns(LastSet(isCpu ? kCpuIpEntry : kIpEntry)), isCpu ? c.cpu : c.normal) << (isCpu ? "CPU" : "normal");
      if (isCpu) {  // make room for the next case: ID 3 is the only free one
        ASSERT_TRUE(SelectRow(d->rowList, {"3"}));
        d->deleteButton->click();
        Choose(d->rowStatusCombo, "createAndGo");
      }
    }
  }
}

class PacketContentMask : public AclDialogTest {};

TEST_F(PacketContentMask, AddWritesTheFilledChunksAndDeleteRemovesTheRow) {
  for (bool isCpu : {false, true}) {
    SCOPED_TRACE(isCpu ? "CPU" : "normal");
    std::unique_ptr<PacketContentMaskDialog> d;
    if (isCpu)
      d = OpenRead<PacketContentMaskDialog>(AclFilter::CpuInterface);
    else
      d = OpenRead<PacketContentMaskDialog>();
    const std::string entry = isCpu ? kCpuPayloadEntry : kPayloadEntry;
    EXPECT_EQ(d->rowStatusCombo->currentText().toStdString(), "createAndGo");
    d->addButton->click();
    EXPECT_EQ(LastMessage(), "Payload Entry ID must be set.");
    d->idEdit->setText("1");
    d->addButton->click();
    EXPECT_EQ(LastMessage(), "Payload Entry ID must be different.");
    ClearMessages();
    d->idEdit->setText("3");
    d->chunkEdits[0]->setText("ffff0000");
    d->chunkEdits[3]->setText("00112233445566778899AABBCCDDEEFF");
    d->addButton->click();
    ASSERT_TRUE(NoMessage()) << LastMessage();
    EXPECT_EQ(LastSet(entry), (Sent{{"2.3", "OCTET_STRING FF FF 00 00"},
                                    {"5.3", "OCTET_STRING 00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF"},
                                    {"7.3", "INTEGER 4"}}));
    EXPECT_EQ(d->rowCountLabel->text().toStdString(), "3");
    ASSERT_TRUE(SelectRow(d->rowList, {"3"}));
    d->deleteButton->click();
    EXPECT_EQ(LastSet(entry), (Sent{{"7.3", "INTEGER 6"}}));
    EXPECT_EQ(d->rowCountLabel->text().toStdString(), "2");
  }
}

TEST_F(PacketContentMask, ABadChunkIsRefusedWithItsRangeAndTheNextRefreshReadsEverything) {
  struct Case {
    int chunk;
    const char* text;
    const char* range;
  };
  const Case cases[] = {{0, "00G0", "0 to 15"},
                        {2, "0011223344556677889900112233445566", "32 to 47"},
                        {4, "ABC", "64 to 79"},
                        {1, "12 34", "16 to 31"}};
  auto d = OpenRead<PacketContentMaskDialog>();
  QLineEdit* chunks[] = {d->chunkEdits[0], d->chunkEdits[1], d->chunkEdits[2], d->chunkEdits[3], d->chunkEdits[4]};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    for (QLineEdit* e : chunks) e->setText("00");
    d->idEdit->setText("9");
    chunks[c.chunk]->setText(c.text);
    d->addButton->click();
    EXPECT_EQ(LastMessage(), "Filtered Port(s) [" + std::string(c.range) + "] can not contain invalid character(s).");
    EXPECT_TRUE(NewSets().empty());
    EXPECT_TRUE(chunks[c.chunk]->hasFocus() || !d->isActiveWindow());
  }
  // Every column still belongs to the read: a line shows all five chunks.
  for (int i = 0; i < d->varList().Count(); ++i) EXPECT_EQ(d->varList().Item(i).access & Access::Excluded, 0) << i;
  d->refreshButton->click();
  ASSERT_GE(d->rowList->topLevelItemCount(), 1);
  EXPECT_EQ(d->rowList->columnCount(), 7);
  EXPECT_EQ(d->rowList->topLevelItem(0)->text(6).toStdString(), "active");
}

}  // namespace
