// The multicast dialogs against the simulator: what each writes is read back
// from the simulator's SET journal.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "DialogTestSupport.h"
#include "app/PortPanel.h"
#include "dialogs/layer2/IGMPSnoopingClearDnyIpMultUnit.h"
#include "dialogs/layer2/MLD_SnoopingGroupUnit.h"
#include "editors/ControlBinding.h"

namespace {

using qrxtest::DialogTest;
using qrxtest::Lines;
using qrxtest::WaitFor;
using Strings = std::vector<std::string>;

// ---------------------------------------------------------------------------
// Clear dynamic IP multicast

class ClearDynamic : public DialogTest {};

constexpr const char* kClear = "1.3.6.1.4.1.32473.11.63.8.2.7.12.2";

TEST_F(ClearDynamic, ChecksTheFieldsThenWritesTheThreeScalarsInOneSet) {
  auto form = Open<TIGMPSnoopingClearDnyIpMultForm>();
  struct Case {
    const char* vid;
    const char* ip;
    const char* message;  // null: accepted
  };
  const Case cases[] = {
      {"", "224.1.1.1", "VLAN ID can't be empty."},
      {"5", "", "Multicast IP Address can't be empty."},
      {"5", "224.1.1.300", "Please input a valid ip"},
      {"5", ".224.1.1", "Please input a valid IP"},
      {"5", "224..1.1", "Please input a valid IP"},
      {"5", "224.1.1.9", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.vid) + " " + c.ip);
    form->edtVID->setText(QString::fromLatin1(c.vid));
    form->edtIPAddr->setText(QString::fromLatin1(c.ip));
    form->cbMultAction->setCurrentIndex(form->cbMultAction->findText("group"));
    boxes.texts.clear();
    const size_t mark = JournalSize();
    form->btnSet->click();
    const auto sets = JournalSince(mark);
    if (c.message != nullptr) {
      EXPECT_EQ(boxes.texts, QStringList{c.message});
      EXPECT_TRUE(sets.empty());
      continue;
    }
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    ASSERT_EQ(sets.size(), 1u);
    const std::string k(kClear);
    EXPECT_EQ(Lines(sets[0]), (Strings{k + ".1.0 INTEGER 5", k + ".2.0 IpAddress 224.1.1.9", k + ".3.0 INTEGER 3"}));
  }
}

// ---------------------------------------------------------------------------
// MLD snooping groups

class MldGroups : public DialogTest {};

TEST_F(MldGroups, ReadsTheGroupsWithTheirIpv6IndexesAndShowsTheSelectedOne) {
  auto form = Open<TMLD_SnoopingGroupForm>();
  ASSERT_GT(form->ListView1->topLevelItemCount(), 0);
  EXPECT_TRUE(form->StatusPanel0->text().startsWith("Get: Ok")) << form->StatusPanel0->text().toStdString();
  QTreeWidgetItem* line = form->ListView1->topLevelItem(0);
  form->ListView1->setCurrentItem(line);
  EXPECT_EQ(form->VIDEdit->text(), line->text(0));
  EXPECT_FALSE(form->edtIPAddress->text().isEmpty());
  EXPECT_EQ(form->edtIPAddress->text(), line->text(1));
  EXPECT_EQ(form->edtMAC->text(), line->text(2));
  form->ListView1->clearSelection();
  EXPECT_TRUE(form->VIDEdit->text().isEmpty());
  for (QCheckBox* box : form->IncludePorts->CheckBoxes()) EXPECT_FALSE(box->isChecked());
}

}  // namespace
