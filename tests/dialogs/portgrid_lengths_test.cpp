// Every dedicated dialog with a port grid against a switch that sends its
// port lists in 7 octets (the 52 ports) and one that sends 8 (a unit of 64):
// it opens without an error, shows a selected line's ports, adds, changes
// and deletes, and every port list it writes has the length the switch uses.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <functional>
#include <type_traits>

#include "common/FakeMainWindow.h"
#include "dialogs/acl/EthernetRuleDialog.h"
#include "dialogs/layer2/IgmpMulticastVlanTableDialog.h"
#include "dialogs/layer2/MldSnoopingGroupDialog.h"
#include "dialogs/layer2/PortMirrorDialog.h"
#include "dialogs/layer2/PortTrunkDialog.h"
#include "dialogs/layer2/RouterPortsDialog.h"
#include "dialogs/layer2/TrafficSegmentationDialog.h"
#include "dialogs/security/GuestVlanDialog.h"
#include "dialogs/security/IpMacBindingDialog.h"
#include "dialogs/vlan/CurrentVlanDialog.h"
#include "dialogs/vlan/StaticMulticastFilterDialog.h"
#include "dialogs/vlan/StaticVlanDialog.h"
#include "sim_dialog_support.h"

namespace {

using qrxtest::JournalRecord;
using qrxtest::WaitFor;

// The IGMP router ports dialog, made from the context alone as Show makes dialogs.
struct IgmpRouterPortsDialog : RouterPortsDialog {
  explicit IgmpRouterPortsDialog(const DialogContext& context) : RouterPortsDialog(context, Protocol::Igmp) {}
};

class PortGridLengths;

// One dialog: what the operator does with it; `lists` are the port-list
// columns (OIDs without instance) whose writes are checked.
struct DialogCase {
  const char* name;
  std::vector<std::string> lists;
  std::function<void(PortGridLengths&)> run;
};

void PrintTo(const DialogCase& c, std::ostream* os) { *os << c.name; }

class PortGridLengths : public qrxtest::DialogSimTest,
                        public ::testing::WithParamInterface<std::tuple<DialogCase, int>> {
 public:
  int Octets() const { return std::get<1>(GetParam()); }

  // The dialog as its menu command makes it, shown, after its first read.
  template <class T>
  std::unique_ptr<T> Show() {
    std::unique_ptr<T> dialog;
    if constexpr (std::is_constructible_v<T, const DialogContext&>)
      dialog = std::make_unique<T>(DialogContext{nullptr, QStringLiteral("qrx-sim"), &mainWindow_});
    else
      dialog = std::make_unique<T>(nullptr);
    Open(*dialog);
    return dialog;
  }
  bool Idle(SnmpDialog& dialog) { return DialogSimTest::Idle(dialog); }
  static void Select(QTreeWidget* view, int row) { DialogSimTest::Select(view, row); }
  static void Check(PortGrid* grid, std::initializer_list<int> ports) { DialogSimTest::Check(grid, ports); }
  static std::vector<int> Checked(PortGrid* grid) { return DialogSimTest::Checked(grid); }
  // Selects the line with `first` in its first column; false when none.
  static bool SelectLine(QTreeWidget* view, const QString& first) {
    const auto found = view->findItems(first, Qt::MatchExactly, 0);
    if (found.isEmpty()) return false;
    view->clearSelection();
    view->setCurrentItem(found.first());
    found.first()->setSelected(true);
    return true;
  }
  // A read of the switch shows every port of a full port list (VLAN 1's
  // egress ports) however long the list is.
  static void ExpectAllPorts(PortGrid* grid) {
    const auto ports = Checked(grid);
    ASSERT_EQ(ports.size(), 52u);
    EXPECT_EQ(ports.back(), 52);
  }

 protected:
  std::vector<std::string> SimSwitches() const override {
    return {"--port-list-octets", std::to_string(Octets())};
  }

  qrxtest::FakeMainWindow mainWindow_;
};

// The octets of a journal value ("80 00 0F").
size_t OctetCount(const std::string& value) { return value.empty() ? 0 : (value.size() + 1) / 3; }

TEST_P(PortGridLengths, OpensSelectsAddsDeletesAndWritesTheSwitchsLength) {
  const DialogCase& c = std::get<0>(GetParam());
  MarkJournal();
  c.run(*this);
  EXPECT_TRUE(messages.empty()) << LastMessage();
  size_t written = 0;
  for (const JournalRecord& record : NewRecords()) {
    for (const auto& vb : record.varbinds) {
      for (const std::string& list : c.lists) {
        if (vb.oid.rfind(list + ".", 0) != 0) continue;
        ++written;
        EXPECT_EQ(vb.type, "OCTET_STRING") << vb.oid;
        EXPECT_EQ(OctetCount(vb.value), static_cast<size_t>(Octets())) << vb.oid << " " << vb.value;
      }
    }
  }
  if (!c.lists.empty()) {
    EXPECT_GT(written, 0u) << "no port list written";
  }
}

const std::string kStatic = "1.3.6.1.2.1.17.7.1.4.3.1.";
const std::string kTrunk = "1.3.6.1.4.1.32473.11.63.8.2.4.3.1.";
const std::string kMirror = "1.3.6.1.4.1.32473.11.63.8.2.6.";
const std::string kIgmpRouter = "1.3.6.1.4.1.32473.11.63.8.2.7.6.1.";
const std::string kSegmentation = "1.3.6.1.4.1.32473.11.63.8.2.12.1.1.2";
const std::string kGuestPorts = "1.3.6.1.4.1.32473.12.30.1.2";
const std::string kIsm = "1.3.6.1.4.1.32473.11.63.8.2.7.8.1.";
const std::string kMulticastFilter = "1.3.6.1.2.1.17.7.1.3.2.1.3";
const std::string kIpMac = "1.3.6.1.4.1.32473.12.23.4.1.1.4";
const std::string kEthRule = "1.3.6.1.4.1.32473.12.9.3.1.1.14";

const DialogCase kDialogs[] = {
    {"StaticVlans",
     {kStatic + "2", kStatic + "3", kStatic + "4"},
     [](PortGridLengths& t) {
       auto form = t.Show<StaticVlanDialog>();
       ASSERT_TRUE(t.SelectLine(form->vlanList, "1"));
       t.ExpectAllPorts(form->egressPorts);
       t.Select(form->vlanList, -1);
       form->vlanIdEdit->setText("10");
       form->vlanNameEdit->setText("ten");
       t.Check(form->egressPorts, {1, 52});
       t.Check(form->untaggedPorts, {52});
       form->addClicked();
       ASSERT_TRUE(WaitFor([&] { return !form->AnyBusy() && form->vlanList->findItems("10", Qt::MatchExactly, 0).size() == 1; }));
       ASSERT_TRUE(t.SelectLine(form->vlanList, "10"));
       EXPECT_EQ(t.Checked(form->egressPorts), (std::vector<int>{1, 52}));
       t.Check(form->forbiddenPorts, {2});
       form->setClicked();
       ASSERT_TRUE(t.Idle(*form));
       ASSERT_TRUE(WaitFor([&] { return t.SelectLine(form->vlanList, "10"); }));
       form->deleteClicked();
       ASSERT_TRUE(WaitFor([&] { return !form->AnyBusy() && form->vlanList->findItems("10", Qt::MatchExactly, 0).isEmpty(); }));
       EXPECT_FALSE(form->messages->toPlainText().contains("ERROR", Qt::CaseInsensitive)) << form->messages->toPlainText().toStdString();
     }},
    {"CurrentVlans",
     {},
     [](PortGridLengths& t) {
       auto form = t.Show<CurrentVlanDialog>();
       ASSERT_GE(form->vlanList->topLevelItemCount(), 1);
       t.Select(form->vlanList, 0);
       t.ExpectAllPorts(form->egressPorts);
       EXPECT_FALSE(form->messages->toPlainText().contains("ERROR", Qt::CaseInsensitive)) << form->messages->toPlainText().toStdString();
     }},
    {"PortTrunks",
     {kTrunk + "3"},
     [](PortGridLengths& t) {
       auto form = t.Show<PortTrunkDialog>();
       ASSERT_TRUE(t.SelectLine(form->trunkList, "1"));
       EXPECT_EQ(t.Checked(form->memberPorts), (std::vector<int>{45, 46}));
       form->refreshClicked();
       ASSERT_TRUE(t.Idle(*form));
       form->indexEdit->setText("3");
       form->portEdit->setText("5");
       form->typeCombo->setCurrentIndex(0);
       t.Check(form->memberPorts, {5, 6});
       form->addClicked();
       ASSERT_TRUE(t.Idle(*form));
       ASSERT_TRUE(t.SelectLine(form->trunkList, "3"));
       EXPECT_EQ(t.Checked(form->memberPorts), (std::vector<int>{5, 6}));
       t.Check(form->memberPorts, {52});
       form->setClicked();
       ASSERT_TRUE(t.Idle(*form));
       ASSERT_TRUE(t.SelectLine(form->trunkList, "3"));
       form->deleteClicked();
       ASSERT_TRUE(t.Idle(*form));
       EXPECT_TRUE(form->trunkList->findItems("3", Qt::MatchExactly, 0).isEmpty());
     }},
    {"PortMirror",
     {kMirror + "1", kMirror + "2"},
     [](PortGridLengths& t) {
       auto form = t.Show<PortMirrorDialog>();
       t.Check(form->ingressPorts, {1, 9});
       t.Check(form->egressPorts, {52});
       form->targetPortEdit->setText("3");
       form->setMemberClicked();
       ASSERT_TRUE(t.Idle(*form));
       EXPECT_EQ(t.Checked(form->ingressPorts), (std::vector<int>{1, 9}));
       EXPECT_EQ(t.Checked(form->egressPorts), (std::vector<int>{52}));
     }},
    {"IgmpRouterPorts",
     {kIgmpRouter + "3", kIgmpRouter + "5"},
     [](PortGridLengths& t) {
       auto form = t.Show<IgmpRouterPortsDialog>();
       ASSERT_TRUE(WaitFor([&] { return form->Ready(); }));
       t.Select(form->vlanList, 0);
       t.Check(form->staticPorts, {1, 52});
       t.Check(form->forbiddenPorts, {9});
       form->setClicked();
       ASSERT_TRUE(WaitFor([&] { return form->Ready() && !form->AnyBusy(); }));
       t.Select(form->vlanList, 0);
       EXPECT_EQ(t.Checked(form->staticPorts), (std::vector<int>{1, 52}));
     }},
    {"MldSnoopingGroups",
     {},
     [](PortGridLengths& t) {
       auto form = t.Show<MldSnoopingGroupDialog>();
       ASSERT_GT(form->groupList->topLevelItemCount(), 0);
       form->groupList->setCurrentItem(form->groupList->topLevelItem(0));
       EXPECT_TRUE(form->statusLabel->text().startsWith("Get: Ok")) << form->statusLabel->text().toStdString();
     }},
    {"TrafficSegmentation",
     {kSegmentation},
     [](PortGridLengths& t) {
       auto form = t.Show<TrafficSegmentationDialog>();
       t.Select(form->segmentList, 4);
       t.Check(form->forwardPorts, {1, 9, 52});
       form->setClicked();
       ASSERT_TRUE(t.Idle(*form));
       ASSERT_TRUE(WaitFor([&] { return form->segmentList->topLevelItemCount() == 52; }));
       t.Select(form->segmentList, 4);
       EXPECT_EQ(t.Checked(form->forwardPorts), (std::vector<int>{1, 9, 52}));
     }},
    {"GuestVlan",
     {kGuestPorts},
     [](PortGridLengths& t) {
       auto form = t.Show<GuestVlanDialog>();
       form->nameEdit->setText("guests");
       t.Check(form->portGrid, {1, 52});
       form->setClicked();
       form->deleteClicked();
       ASSERT_TRUE(t.Idle(*form));
       EXPECT_TRUE(form->statusLabel->text().contains("Ok")) << form->statusLabel->text().toStdString();
     }},
    {"MulticastVlans",
     {kIsm + "3", kIsm + "4", kIsm + "5"},
     [](PortGridLengths& t) {
       auto form = t.Show<IgmpMulticastVlanTableDialog>();
       form->vlanIdEdit->setText("41");
       form->vlanNameEdit->setText("mv41");
       form->addButton->click();
       ASSERT_TRUE(t.Idle(*form));
       ASSERT_TRUE(WaitFor([&] { return form->Ready() && t.SelectLine(form->vlanList, "41"); }));
       t.Check(form->sourcePorts, {1});
       t.Check(form->memberPorts, {2, 52});
       t.Check(form->taggedMemberPorts, {3});
       form->sourceIpEdit->setText("10.0.0.41");
       form->setButton->click();
       ASSERT_TRUE(t.Idle(*form));
       ASSERT_TRUE(WaitFor([&] { return form->Ready() && t.SelectLine(form->vlanList, "41"); }));
       EXPECT_EQ(t.Checked(form->memberPorts), (std::vector<int>{2, 52}));
       form->deleteButton->click();
       ASSERT_TRUE(t.Idle(*form));
       EXPECT_TRUE(form->vlanList->findItems("41", Qt::MatchExactly, 0).isEmpty());
     }},
    {"StaticMulticastFilters",
     {kMulticastFilter},
     [](PortGridLengths& t) {
       auto form = t.Show<StaticMulticastFilterDialog>();
       form->vlanIdEdit->setText("9");
       form->macEdit->setText("01005E000009");
       form->statusCombo->setCurrentIndex(form->statusCombo->findText("permanent"));
       t.Check(form->egressPorts, {1});
       form->addButton->click();
       ASSERT_TRUE(t.Idle(*form));
       ASSERT_TRUE(WaitFor([&] { return t.SelectLine(form->filterList, "9"); }));
       EXPECT_EQ(t.Checked(form->egressPorts), (std::vector<int>{1}));
       t.Check(form->egressPorts, {52});
       form->setButton->click();
       ASSERT_TRUE(t.Idle(*form));
       ASSERT_TRUE(WaitFor([&] { return t.SelectLine(form->filterList, "9"); }));
       form->deleteButton->click();
       ASSERT_TRUE(t.Idle(*form));
       EXPECT_TRUE(form->filterList->findItems("9", Qt::MatchExactly, 0).isEmpty());
     }},
    {"IpMacBinding",
     {kIpMac},
     [](PortGridLengths& t) {
       auto form = t.Show<IpMacBindingDialog>();
       form->ipEdit->setText("10.5.5.5");
       form->macEdit->setText("001122334455");
       t.Check(form->portGrid, {1, 52});
       form->addButton->click();
       ASSERT_TRUE(t.Idle(*form));
       ASSERT_TRUE(WaitFor([&] { return t.SelectLine(form->list(), "10.5.5.5"); }));
       EXPECT_EQ(t.Checked(form->portGrid), (std::vector<int>{1, 52}));
       form->deleteButton->click();
       ASSERT_TRUE(t.Idle(*form));
       EXPECT_TRUE(form->list()->findItems("10.5.5.5", Qt::MatchExactly, 0).isEmpty());
     }},
    {"EthernetAccessRules",
     {kEthRule},
     [](PortGridLengths& t) {
       auto form = t.Show<EthernetRuleDialog>();
       form->checkAll(false);
       form->rowStatusBox->setChecked(true);
       form->maskIdEdit->setText("7");
       form->accessIdEdit->setText("1");
       t.Check(form->portGrid, {1, 52});
       form->addButton->click();
       ASSERT_TRUE(t.Idle(*form));
       QTreeWidgetItem* added = nullptr;
       for (int i = 0; i < form->rowList->topLevelItemCount(); ++i) {
         QTreeWidgetItem* line = form->rowList->topLevelItem(i);
         if (line->text(0) == "7" && line->text(1) == "1") added = line;
       }
       ASSERT_NE(added, nullptr);
       form->rowList->setCurrentItem(added);
       EXPECT_EQ(t.Checked(form->portGrid), (std::vector<int>{1, 52}));
       form->deleteButton->click();
       ASSERT_TRUE(t.Idle(*form));
     }},
};

INSTANTIATE_TEST_SUITE_P(DialogsByLength, PortGridLengths,
                         ::testing::Combine(::testing::ValuesIn(kDialogs), ::testing::Values(7, 8)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + "_" +
                                  std::to_string(std::get<1>(info.param)) + "Octets";
                         });

}  // namespace
