// The multicast dialogs against the simulator: what each writes is read back
// from the simulator's SET journal.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "DialogTestSupport.h"
#include "dialogs/layer2/IgmpClearDynamicMulticastDialog.h"
#include "dialogs/layer2/IgmpMulticastVlanGroupAddDialog.h"
#include "dialogs/layer2/IgmpMulticastVlanGroupDialog.h"
#include "dialogs/layer2/IgmpMulticastVlanTableDialog.h"
#include "dialogs/layer2/MldSnoopingGroupDialog.h"
#include "dialogs/vlan/StaticMulticastFilterDialog.h"
#include "dialogs/vlan/StaticUnicastFilterDialog.h"
#include "editors/ControlBinding.h"
#include "editors/PortGrid.h"

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
  auto form = Open<IgmpClearDynamicMulticastDialog>();
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
    form->vlanIdEdit->setText(QString::fromLatin1(c.vid));
    form->ipEdit->setText(QString::fromLatin1(c.ip));
    form->actionCombo->setCurrentIndex(form->actionCombo->findText("group"));
    boxes.texts.clear();
    const size_t mark = JournalSize();
    form->setButton->click();
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
  auto form = Open<MldSnoopingGroupDialog>();
  ASSERT_GT(form->groupList->topLevelItemCount(), 0);
  EXPECT_TRUE(form->statusLabel->text().startsWith("Get: Ok")) << form->statusLabel->text().toStdString();
  QTreeWidgetItem* line = form->groupList->topLevelItem(0);
  form->groupList->setCurrentItem(line);
  EXPECT_EQ(form->vlanIdEdit->text(), line->text(0));
  EXPECT_FALSE(form->groupAddressEdit->text().isEmpty());
  EXPECT_EQ(form->groupAddressEdit->text(), line->text(1));
  EXPECT_EQ(form->sourceAddressEdit->text(), line->text(2));
  form->groupList->clearSelection();
  EXPECT_TRUE(form->vlanIdEdit->text().isEmpty());
  for (QCheckBox* box : form->includePorts->CheckBoxes()) EXPECT_FALSE(box->isChecked());
}

// ---------------------------------------------------------------------------
// Static multicast and unicast filters

class StaticFilters : public DialogTest {};

constexpr const char* kUnicast = "1.3.6.1.2.1.17.7.1.3.1.1";
constexpr const char* kMulticast = "1.3.6.1.2.1.17.7.1.3.2.1";

bool StartsWith(const std::string& text, const std::string& head) { return text.rfind(head, 0) == 0; }

TEST_F(StaticFilters, UnicastAddTakesNoneOrOnePortAndDeleteWritesInvalid) {
  auto form = Open<StaticUnicastFilterDialog>();
  auto fill = [&](const char* mac, std::initializer_list<int> ports) {
    form->vlanIdEdit->setText("7");
    form->macEdit->setText(QString::fromLatin1(mac));
    form->allowPorts->ClearAll();
    for (int p : ports) form->allowPorts->CheckBox(p - 1)->setChecked(true);
    form->statusCombo->setCurrentIndex(form->statusCombo->findText("permanent"));
  };
  // Two ports: refused, nothing sent.
  fill("001122334401", {1, 2});
  size_t mark = JournalSize();
  form->addButton->click();
  EXPECT_EQ(boxes.texts, QStringList{"Allow To Go To Port just for one Port."});
  EXPECT_TRUE(JournalSince(mark).empty());

  struct Case {
    const char* mac;
    std::initializer_list<int> ports;
    const char* portBytes;  // first byte of the port list sent
  };
  const Case accepted[] = {{"001122334402", {}, "00"}, {"001122334403", {3}, "20"}};
  for (const Case& c : accepted) {
    SCOPED_TRACE(c.mac);
    boxes.texts.clear();
    fill(c.mac, c.ports);
    mark = JournalSize();
    form->addButton->click();
    ASSERT_TRUE(Settle(*form));
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    const auto sets = JournalSince(mark);
    ASSERT_EQ(sets.size(), 1u) << form->messages->toPlainText().toStdString();
    const Strings lines = Lines(sets[0]);
    ASSERT_EQ(lines.size(), 2u) << testing::PrintToString(lines);
    EXPECT_TRUE(StartsWith(lines[0], std::string(kUnicast) + ".3.7.0.17.34.51.68.")) << lines[0];
    EXPECT_NE(lines[0].find("OCTET_STRING " + std::string(c.portBytes)), std::string::npos) << lines[0];
    EXPECT_TRUE(StartsWith(lines[1], std::string(kUnicast) + ".4.7.0.17.34.51.68.")) << lines[1];
    EXPECT_NE(lines[1].find("INTEGER 3"), std::string::npos) << lines[1];
  }

  // Delete without an entry: the warning; with the selected entry: status invalid only.
  boxes.texts.clear();
  form->filterList->clearSelection();
  mark = JournalSize();
  form->deleteButton->setEnabled(true);
  form->deleteButton->click();
  EXPECT_EQ(boxes.texts, QStringList{"Please select which entry you want to delete."});
  EXPECT_TRUE(JournalSince(mark).empty());
  ASSERT_GT(form->filterList->topLevelItemCount(), 0);
  form->filterList->setCurrentItem(form->filterList->topLevelItem(0));
  EXPECT_FALSE(form->vlanIdEdit->text().isEmpty());
  EXPECT_TRUE(form->vlanIdEdit->isReadOnly());
  mark = JournalSize();
  form->deleteButton->click();
  ASSERT_TRUE(Settle(*form));
  const auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  const Strings lines = Lines(sets[0]);
  ASSERT_EQ(lines.size(), 1u) << testing::PrintToString(lines);
  EXPECT_TRUE(StartsWith(lines[0], std::string(kUnicast) + ".4.")) << lines[0];
  EXPECT_NE(lines[0].find("INTEGER 2"), std::string::npos) << lines[0];
  EXPECT_FALSE(form->vlanIdEdit->isReadOnly());
}

TEST_F(StaticFilters, MulticastSetWritesTheEgressPortsNeverTheStatusAndDeleteWritesInvalid) {
  auto form = Open<StaticMulticastFilterDialog>();
  // A new entry first, so that there is one to change.
  form->vlanIdEdit->setText("9");
  form->macEdit->setText("01005E000009");
  form->addButton->click();  // status not chosen
  EXPECT_EQ(boxes.texts, QStringList{"Status should be set to permanent"});
  form->statusCombo->setCurrentIndex(form->statusCombo->findText("permanent"));
  form->egressPorts->CheckBox(0)->setChecked(true);
  size_t mark = JournalSize();
  form->addButton->click();
  ASSERT_TRUE(Settle(*form));
  ASSERT_EQ(JournalSince(mark).size(), 1u);
  const std::string index = "9.1.0.94.0.0.9.0";
  EXPECT_EQ(SnmpGet(std::string(kMulticast) + ".5." + index), "3");

  const auto found = form->filterList->findItems("9", Qt::MatchExactly, 0);
  ASSERT_FALSE(found.isEmpty());
  form->filterList->setCurrentItem(found.first());
  EXPECT_FALSE(form->macEdit->isEnabled());
  EXPECT_TRUE(form->setButton->isEnabled());
  EXPECT_FALSE(form->addButton->isEnabled());
  form->egressPorts->CheckBox(1)->setChecked(true);
  mark = JournalSize();
  form->setButton->click();
  ASSERT_TRUE(Settle(*form));
  auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]), Strings{std::string(kMulticast) + ".3." + index + " OCTET_STRING C0 00 00 00 00 00 00"});
  EXPECT_FALSE(form->setButton->isEnabled());
  EXPECT_TRUE(form->macEdit->isEnabled());

  form->filterList->setCurrentItem(
      form->filterList->findItems("9", Qt::MatchExactly, 0).first());
  mark = JournalSize();
  form->deleteButton->click();
  ASSERT_TRUE(Settle(*form));
  sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  const Strings lines = Lines(sets[0]);
  EXPECT_NE(std::find(lines.begin(), lines.end(), std::string(kMulticast) + ".5." + index + " INTEGER 2"), lines.end())
      << testing::PrintToString(lines);
  EXPECT_TRUE(form->filterList->findItems("9", Qt::MatchExactly, 0).isEmpty());
}

// ---------------------------------------------------------------------------
// Multicast VLAN group ranges

class VlanGroups : public DialogTest {};

constexpr const char* kGroup = "1.3.6.1.4.1.32473.11.63.8.2.7.9.1";

TEST_F(VlanGroups, AddWritesTheRangeWithoutReadingAgainAndDeleteDestroysIt) {
  auto form = Open<IgmpMulticastVlanGroupDialog>();
  const int before = form->groupList->topLevelItemCount();
  qrxtest::OnNextModal(
      [&](QWidget* window) {
        auto* add = qobject_cast<IgmpMulticastVlanGroupAddDialog*>(window);
        ASSERT_NE(add, nullptr);
        EXPECT_EQ(add->windowTitle(), QStringLiteral("IGMP Multicast VLAN Group (Add): qrx-sim"));
        EXPECT_FALSE(add->stateCombo->isEnabled());
        add->vlanIdEdit->setText("12");
        add->fromIpEdit->setText("239.0.0.300");  // refused first
        add->addButton->click();
        ASSERT_TRUE(add->isVisible());
        add->fromIpEdit->setText("239.1.1.1");
        add->toIpEdit->setText("239.1.1.9");
        add->addButton->click();
        if (add->isVisible()) add->closeButton->click();
      },
      form.get());
  size_t mark = JournalSize();
  form->addButton->click();
  ASSERT_TRUE(Settle(*form));
  EXPECT_EQ(boxes.texts, QStringList{"Please input a valid ip"});
  const std::string index = "12.239.1.1.1.239.1.1.9";
  auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]), Strings{std::string(kGroup) + ".4." + index + " INTEGER 4"});
  EXPECT_EQ(form->groupList->topLevelItemCount(), before);  // not read again
  EXPECT_TRUE(form->Editor()->request.enabled);

  form->refreshButton->click();
  ASSERT_TRUE(Settle(*form));
  const auto found = form->groupList->findItems("12", Qt::MatchExactly, 0);
  ASSERT_EQ(found.size(), 1);
  form->groupList->setCurrentItem(found.first());
  EXPECT_TRUE(form->deleteButton->isEnabled());
  mark = JournalSize();
  form->deleteButton->click();
  ASSERT_TRUE(Settle(*form));
  sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]), Strings{std::string(kGroup) + ".4." + index + " INTEGER 6"});
  EXPECT_TRUE(form->groupList->findItems("12", Qt::MatchExactly, 0).isEmpty());
}

// ---------------------------------------------------------------------------
// ISM VLANs

class IsmVlans : public DialogTest {};

constexpr const char* kIsm = "1.3.6.1.4.1.32473.11.63.8.2.7.8.1";

TEST_F(IsmVlans, RefreshTwiceStartsOneWalkAndClosingDuringItIsRefused) {
  auto form = std::make_unique<IgmpMulticastVlanTableDialog>(Context());
  form->show();
  ASSERT_TRUE(WaitFor([&] { return form->FirstRefreshDone(); }));
  ASSERT_TRUE(Settle(*form));
  ASSERT_TRUE(form->Ready());
  form->refreshButton->click();
  ASSERT_TRUE(form->Editor()->busy);
  form->vlanNameEdit->setText("kept");
  form->refreshButton->click();  // the walk runs: ignored, nothing cleared
  EXPECT_EQ(form->vlanNameEdit->text(), QStringLiteral("kept"));
  form->close();
  EXPECT_EQ(boxes.texts, QStringList{"Get data not complete"});
  EXPECT_TRUE(form->isVisible());
  ASSERT_TRUE(Settle(*form));
  EXPECT_TRUE(form->Ready());
  EXPECT_GT(form->vlanList->topLevelItemCount(), 0);
}

TEST_F(IsmVlans, RefusedAddsSendNothingAndKeepThePortListsInTheNextRead) {
  auto form = Open<IgmpMulticastVlanTableDialog>();
  struct Case {
    const char* vid;
    const char* name;
    const char* sourceIp;
    const char* message;
  };
  const Case cases[] = {
      {"", "v", "", "Please specify VLAN ID"},
      {"40", "", "", "Please specify VLAN Name"},
      {"40", "v40", "10.1.1.300", "Please input a valid ip"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    form->vlanIdEdit->setText(c.vid);
    form->vlanNameEdit->setText(c.name);
    form->sourceIpEdit->setText(c.sourceIp);
    boxes.texts.clear();
    const size_t mark = JournalSize();
    form->addButton->click();
    EXPECT_EQ(boxes.texts, QStringList{c.message});
    EXPECT_TRUE(JournalSince(mark).empty());
    for (int i : {2, 3, 4}) EXPECT_FALSE(form->Editor()->request.varList.IsExcluded(i)) << i;
  }
  // The next read shows the port lists again.
  form->refreshButton->click();
  ASSERT_TRUE(Settle(*form));
  ASSERT_GT(form->vlanList->topLevelItemCount(), 0);
  EXPECT_GE(form->vlanList->columnCount(), 5);
  EXPECT_FALSE(form->vlanList->topLevelItem(0)->text(2).isEmpty());
}

TEST_F(IsmVlans, AddThenSetWithPortsThenDelete) {
  auto form = Open<IgmpMulticastVlanTableDialog>();
  form->vlanIdEdit->setText("41");
  form->vlanNameEdit->setText("mv41");
  size_t mark = JournalSize();
  form->addButton->click();
  ASSERT_TRUE(Settle(*form));
  auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  const std::string k(kIsm);
  EXPECT_EQ(Lines(sets[0]), (Strings{k + ".2.41 OCTET_STRING 6D 76 34 31", k + ".8.41 INTEGER 4"}));
  ASSERT_TRUE(form->Ready());

  auto line = form->vlanList->findItems("41", Qt::MatchExactly, 0);
  ASSERT_EQ(line.size(), 1);
  form->vlanList->setCurrentItem(line.first());
  EXPECT_TRUE(form->setButton->isEnabled());
  EXPECT_TRUE(form->sourceIpEdit->isEnabled());
  EXPECT_FALSE(form->stateCombo->isEnabled());
  EXPECT_EQ(form->stateCombo->currentText(), QStringLiteral("enabled"));
  form->sourcePorts->CheckBox(0)->setChecked(true);
  form->memberPorts->CheckBox(1)->setChecked(true);
  form->taggedMemberPorts->CheckBox(2)->setChecked(true);
  form->sourceIpEdit->setText("10.0.0.41");
  mark = JournalSize();
  form->setButton->click();
  ASSERT_TRUE(Settle(*form));
  sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  const Strings lines = Lines(sets[0]);
  for (const std::string& want :
       {k + ".2.41 OCTET_STRING 6D 76 34 31", k + ".3.41 OCTET_STRING 80 00 00 00 00 00 00",
        k + ".4.41 OCTET_STRING 40 00 00 00 00 00 00", k + ".5.41 OCTET_STRING 20 00 00 00 00 00 00",
        k + ".6.41 INTEGER 1", k + ".7.41 IpAddress 10.0.0.41", k + ".8.41 INTEGER 1"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), want), lines.end()) << want << " in " << testing::PrintToString(lines);
  EXPECT_EQ(lines.size(), 7u) << testing::PrintToString(lines);  // the row status (active) with every other column

  line = form->vlanList->findItems("41", Qt::MatchExactly, 0);
  ASSERT_EQ(line.size(), 1);
  form->vlanList->setCurrentItem(line.first());
  mark = JournalSize();
  form->deleteButton->click();
  ASSERT_TRUE(Settle(*form));
  sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]), Strings{k + ".8.41 INTEGER 6"});
  EXPECT_TRUE(form->vlanList->findItems("41", Qt::MatchExactly, 0).isEmpty());
}

}  // namespace
