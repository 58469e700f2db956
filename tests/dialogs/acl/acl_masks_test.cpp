// The access-profile (mask) dialogs against the simulator: what each Add and
// Delete sends, read back from the simulator's SET journal, and what each
// refuses.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "dialogs/acl/AclTestSupport.h"
#include "dialogs/acl/Cpuethernetinformationformunit.h"
#include "dialogs/acl/Ethernetmaskinformationformunit.h"

namespace {
using namespace acltest;

const std::string kEthEntry = "1.3.6.1.4.1.32473.12.9.2.1.1";
const std::string kCpuEthEntry = "1.3.6.1.4.1.32473.12.9.4.1.1";

class EthernetMask : public AclDialogTest {};

TEST_F(EthernetMask, AddWithDefaultsAsksForCreateAndGoAndSendsNothing) {
  auto d = Open<TEthernetMaskInformationForm>();
  d->IDEdit->setText("9");
  d->AddButton->click();
  EXPECT_EQ(LastMessage(), "Row Status must be createAndGo.");
  EXPECT_TRUE(Journal().empty());

  // The CPU filter's dialog opens on createAndGo.
  auto cpu = Open<TCPUEthernetInformationForm>();
  EXPECT_EQ(cpu->RowStatusComBo->currentText().toStdString(), "createAndGo");
}

TEST_F(EthernetMask, AddWritesTheChosenColumnsThenDeleteDestroysTheRow) {
  auto d = Open<TEthernetMaskInformationForm>();
  d->IDEdit->setText("9");
  Choose(d->MacMaskStateComBo, "dst-mac-addr");
  d->MacMaskDstEdit->setText("00aaBBccDDee");
  d->MacAddMaskSourceEdit->setText("001122334455");  // not used by dst-mac-addr
  Choose(d->RowStatusComBo, "createAndGo");
  d->AddButton->click();
  EXPECT_TRUE(messages_.empty()) << LastMessage();
  EXPECT_EQ(LastSet(kEthEntry), (Sent{{"2.9", "INTEGER 1"},
                                      {"3.9", "INTEGER 2"},
                                      {"5.9", "OCTET_STRING 00 AA BB CC DD EE"},
                                      {"6.9", "INTEGER 1"},
                                      {"7.9", "INTEGER 1"},
                                      {"8.9", "INTEGER 4"}}));
  ASSERT_TRUE(HasRow(d->ListView1, {"9"}));
  // Back in the no-selection state with the edits empty.
  EXPECT_TRUE(d->AddButton->isEnabled());
  EXPECT_FALSE(d->DeleteButton->isEnabled());
  EXPECT_TRUE(d->IDEdit->text().isEmpty());

  ASSERT_TRUE(SelectRow(d->ListView1, {"9"}));
  EXPECT_EQ(d->IDEdit->text().toStdString(), "9");
  EXPECT_FALSE(d->AddButton->isEnabled());
  EXPECT_FALSE(d->IDEdit->isEnabled());
  EXPECT_TRUE(d->DeleteButton->isEnabled());
  d->DeleteButton->click();
  EXPECT_EQ(LastSet(kEthEntry), (Sent{{"8.9", "INTEGER 6"}}));
  EXPECT_FALSE(HasRow(d->ListView1, {"9"}));
  EXPECT_TRUE(d->AddButton->isEnabled());
  EXPECT_FALSE(d->DeleteButton->isEnabled());
}

TEST_F(EthernetMask, MaskStateOtherOrAnEmptyMaskLeavesTheMasksOut) {
  auto d = Open<TCPUEthernetInformationForm>();
  d->IDEdit->setText("3");
  Choose(d->MacMaskStateComBo, "dst-mac-addr");  // destination empty: passes, not sent
  d->AddButton->click();
  EXPECT_TRUE(messages_.empty()) << LastMessage();
  EXPECT_EQ(Columns(LastSet(kCpuEthEntry)), (std::vector<int>{2, 3, 6, 7, 8}));
  ASSERT_TRUE(SelectRow(d->ListView1, {"3"}));
  d->DeleteButton->click();
  EXPECT_EQ(LastSet(kCpuEthEntry), (Sent{{"8.3", "INTEGER 6"}}));

  // Delete left the row status on destroy.
  EXPECT_EQ(d->RowStatusComBo->currentText().toStdString(), "destroy");
  Choose(d->RowStatusComBo, "createAndGo");
  d->IDEdit->setText("3");
  Choose(d->MacMaskStateComBo, "other");
  d->MacMaskDstEdit->setText("001122334455");
  d->MacAddMaskSourceEdit->setText("001122334455");
  d->AddButton->click();
  EXPECT_EQ(Columns(LastSet(kCpuEthEntry)), (std::vector<int>{2, 6, 7, 8}));
}

TEST_F(EthernetMask, DuplicateIdIsRefused) {
  auto d = Open<TEthernetMaskInformationForm>();
  ASSERT_TRUE(HasRow(d->ListView1, {"1"}));
  d->IDEdit->setText("1");
  Choose(d->RowStatusComBo, "createAndGo");
  Choose(d->UseVLanComBo, "disabled");  // differs from the row in the list
  d->AddButton->click();
  EXPECT_EQ(LastMessage(), "There is already a record with the same Ethernet Mask ID. Please modified it.");
  EXPECT_TRUE(Journal().empty());
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
  auto d = Open<TEthernetMaskInformationForm>();
  int id = 20;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.state) + " " + c.source + " / " + c.dest);
    messages_.clear();
    const size_t before = Journal().size();
    d->IDEdit->setText(QString::number(++id));
    Choose(d->MacMaskStateComBo, c.state);
    d->MacAddMaskSourceEdit->setText(c.source);
    d->MacMaskDstEdit->setText(c.dest);
    Choose(d->RowStatusComBo, "createAndGo");
    d->AddButton->click();
    if (*c.message) {
      EXPECT_EQ(LastMessage(), c.message);
      EXPECT_EQ(Journal().size(), before);
      // The entered values stay for correction.
      EXPECT_EQ(d->MacMaskDstEdit->text().toStdString(), c.dest);
    } else {
      EXPECT_TRUE(messages_.empty()) << LastMessage();
      EXPECT_EQ(Journal().size(), before + 1);
    }
  }
}

}  // namespace
