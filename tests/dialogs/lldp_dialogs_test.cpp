// The LLDP dialogs: bit sets shown by name and written back as hexadecimal,
// the port configuration through its setting window, the transmit switches
// with their ready flag, and the read-only views, against the simulator.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>
#include <type_traits>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "DialogTestSupport.h"
#include "dialogs/lldp/LldpLocalSystemDialog.h"
#include "dialogs/lldp/LldpNames.h"
#include "dialogs/lldp/LldpNamesBinding.h"
#include "dialogs/lldp/LldpNamesViewDialog.h"
#include "dialogs/lldp/LldpPortConfigDialog.h"
#include "dialogs/lldp/LldpTlvPickerDialog.h"
#include "dialogs/lldp/LldpTxSwitchDialog.h"

namespace {

using qrxtest::WaitFor;

// ---------------------------------------------------------------------------
// Names and hexadecimal.

TEST(LldpNames, BetweenHexAndNames) {
  const auto basic = lldp::kBasicTlvs, caps = lldp::kCapabilities, dot3 = lldp::kDot3Tlvs;
  struct ToNames {
    const char* hex;
    std::span<const LldpBitName> table;
    const char* names;
  } toNames[] = {
      {"F0", basic, " Port Description,System Name,System Description,System Capabilities"},
      {"00", basic, " "},
      {"", basic, " "},
      {"C0", basic, " Port Description,System Name"},
      {"f0", basic, " Port Description,System Name,System Description,System Capabilities"},
      {"40zz", basic, " System Name"},       // reading stops at the first non-digit
      {"4080", basic, " System Name"},       // the names are the first octet's
      {"28", caps, " bridge,router"},
      {"C0", caps, " other,repeater"},
      {"FF", caps, " other,repeater,bridge,wlanAccessPoint,router,telephone,docsisCableDevice,stationOnly"},
      {"30", dot3, " linkAggregation,maxFrameSize"},
  };
  for (const auto& c : toNames) EXPECT_EQ(LldpHexToNames(c.hex, c.table), c.names) << c.hex;
  struct ToHex {
    const char* names;
    std::span<const LldpBitName> table;
    const char* previous;
    const char* hex;
  } toHex[] = {
      {" System Name", basic, "", "40"},
      {" ", basic, "", "0"},
      {" Port Description,System Name,System Description,System Capabilities", basic, "F0", "F0"},
      {" Port Description", basic, "00", "80"},
      {" System Name", basic, "F080", "4080"},  // further octets kept
      {" ", basic, "F08001", "008001"},
      {" powerViaMDI,maxFrameSize", dot3, "", "50"},
  };
  for (const auto& c : toHex) EXPECT_EQ(LldpNamesToHex(c.names, c.table, c.previous), c.hex) << c.names;
}

// ---------------------------------------------------------------------------
// Against the simulator.

class LldpDialogs : public qrxtest::DialogTest {
 protected:
  static int Column(QTreeWidget* view, const QString& caption) {
    for (int c = 0; c < view->columnCount(); ++c)
      if (view->headerItem()->text(c) == caption) return c;
    return -1;
  }
  static QTreeWidgetItem* Line(QTreeWidget* view, const QString& first) {
    for (int i = 0; i < view->topLevelItemCount(); ++i)
      if (view->topLevelItem(i)->text(0) == first) return view->topLevelItem(i);
    return nullptr;
  }
  // A dialog of table `variant`, shown, once its first read is done.
  template <class T, class Variant>
  std::unique_ptr<T> OpenTable(Variant variant) {
    auto dialog = std::make_unique<T>(Context(), variant);
    dialog->show();
    EXPECT_TRUE(WaitFor([&] { return dialog->FirstRefreshDone() && !dialog->AnyBusy(); }))
        << "first read did not finish";
    return dialog;
  }
};

TEST_F(LldpDialogs, PortConfigurationRoundTripThroughThetlvPicker) {
  const std::string tlvs = "1.0.8802.1.1.2.1.1.6.1.4";
  ASSERT_TRUE(SnmpSet({tlvs + ".3", "x", "C0"}));
  auto form = OpenTable<LldpPortConfigDialog>(LldpPortConfigDialog::Tlvs::Basic);
  QTreeWidgetItem* line = Line(form->portList, "3");
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->text(Column(form->portList, "TLVs TX Enable")), " Port Description,System Name");
  EXPECT_FALSE(form->editButton->isEnabled());
  form->portList->setCurrentItem(line);
  EXPECT_TRUE(form->editButton->isEnabled());
  EXPECT_EQ(form->portText->text(), "3");
  EXPECT_EQ(form->tlvsEdit->text(), " Port Description,System Name");

  QString caption;
  std::vector<bool> ticked;
  qrxtest::OnNextModal(
      [&](QWidget* modal) {
        auto* setting = qobject_cast<LldpTlvPickerDialog*>(modal);
        ASSERT_NE(setting, nullptr);
        caption = setting->windowTitle();
        for (QCheckBox* b : setting->boxes) ticked.push_back(b->isChecked());
        setting->findChild<QCheckBox*>("portDescCBX")->setChecked(false);
        setting->findChild<QCheckBox*>("sysCapCBX")->setChecked(true);
        setting->setCheckedButton->click();
      },
      form.get());
  form->pickTlvs();
  EXPECT_EQ(caption, "Port Configuration Table Setting: qrx-sim");
  EXPECT_EQ(ticked, (std::vector<bool>{true, true, false, false}));
  EXPECT_EQ(form->tlvsEdit->text(), " System Name,System Capabilities");
  for (QCheckBox* b : form->tlvPicker->boxes) EXPECT_FALSE(b->isChecked());

  const size_t mark = JournalSize();
  form->editButton->click();
  auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  ASSERT_EQ(sets[0].varbinds.size(), 3u);
  EXPECT_EQ(sets[0].varbinds[2].oid, tlvs + ".3");
  EXPECT_EQ(sets[0].varbinds[2].value, "50");
  line = Line(form->portList, "3");
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->text(Column(form->portList, "TLVs TX Enable")), " System Name,System Capabilities");
}

TEST_F(LldpDialogs, Dot3PortConfigurationKeepsFurtherOctets) {
  const std::string tlvs = "1.0.8802.1.1.2.1.5.4623.1.1.1.1.1";
  ASSERT_TRUE(SnmpSet({tlvs + ".2", "x", "F081"}));
  auto form = OpenTable<LldpPortConfigDialog>(LldpPortConfigDialog::Tlvs::Dot3);
  QTreeWidgetItem* line = Line(form->portList, "2");
  ASSERT_NE(line, nullptr);
  form->portList->setCurrentItem(line);
  EXPECT_EQ(form->tlvsEdit->text(), " macPhyConfigStatus,powerViaMDI,linkAggregation,maxFrameSize");
  form->tlvsEdit->setText(" powerViaMDI");
  const size_t mark = JournalSize();
  form->editButton->click();
  auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(qrxtest::Lines(sets[0]), std::vector<std::string>{tlvs + ".2 OCTET_STRING 40 81"});
  // The caption of its setting window.
  form->tlvPicker->prepare(form->tlvsEdit, "dev");
  EXPECT_EQ(form->tlvPicker->windowTitle(), "LLDP Dot3 Port Configuration Table Setting:dev");
}

TEST_F(LldpDialogs, TransmitSwitchWaitsForItsWriteAndReadsAgain) {
  auto form = OpenTable<LldpTxSwitchDialog>(LldpTxSwitchDialog::Table::VlanName);
  ASSERT_TRUE(WaitFor([&] { return form->Ready(); }));
  ASSERT_GT(form->switchList->topLevelItemCount(), 4);
  QTreeWidgetItem* line = form->switchList->topLevelItem(4);
  const QString port = line->text(0), vlan = line->text(1);
  form->switchList->setCurrentItem(line);
  EXPECT_TRUE(form->setButton->isEnabled());
  EXPECT_EQ(form->portText->text(), port);

  // While a read runs: both refused, nothing sent.
  const size_t mark = JournalSize();
  form->SetReady(false);
  form->setClicked();
  form->refreshClicked();
  EXPECT_EQ(boxes.texts, (QStringList{"Get data not complete", LldpTxSwitchDialog::kNotReadyRefresh}));
  EXPECT_TRUE(JournalSince(mark).empty());
  form->SetReady(true);

  const QString now = form->transmitCombo->currentText();
  const QString other = now == "true" ? "false" : "true";
  form->transmitCombo->setCurrentIndex(form->transmitCombo->findText(other));
  form->setClicked();  // returns once the write is answered
  auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  const std::string oid = "1.0.8802.1.1.2.1.5.32962.1.1.2.1.1." + port.toStdString() + "." + vlan.toStdString();
  EXPECT_EQ(qrxtest::Lines(sets[0]),
            std::vector<std::string>{oid + " INTEGER " + (other == "true" ? "1" : "2")});
  EXPECT_TRUE(form->portText->text().isEmpty());
  // Read again.
  ASSERT_TRUE(WaitFor([&] { return form->Ready() && !form->AnyBusy(); }));
  QTreeWidgetItem* again = nullptr;
  for (int i = 0; i < form->switchList->topLevelItemCount(); ++i) {
    auto* l = form->switchList->topLevelItem(i);
    if (l->text(0) == port && l->text(1) == vlan) again = l;
  }
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->text(2), other);
}

// A port where a datagram is received and never answered.
class SilentPort {
 public:
  SilentPort() {
    fd_ = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    if (fd_ >= 0 && bind(fd_, reinterpret_cast<sockaddr*>(&a), len) == 0 &&
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len) == 0)
      port_ = ntohs(a.sin_port);
  }
  ~SilentPort() {
    if (fd_ >= 0) close(fd_);
  }
  uint16_t port() const { return port_; }

 private:
  int fd_ = -1;
  uint16_t port_ = 0;
};

TEST_F(LldpDialogs, TransmitSwitchWaitEndsWhenTheWriteIsNotAnswered) {
  auto form = OpenTable<LldpTxSwitchDialog>(LldpTxSwitchDialog::Table::Protocol);
  ASSERT_TRUE(WaitFor([&] { return form->Ready(); }));
  ASSERT_GT(form->switchList->topLevelItemCount(), 0);
  form->switchList->setCurrentItem(form->switchList->topLevelItem(0));
  SilentPort silent;
  ASSERT_NE(silent.port(), 0);
  form->binding->request.device.address = "127.0.0.1";
  form->binding->request.device.port = silent.port();
  form->statusLabel->clear();
  form->setClicked();  // must come back: the write times out
  EXPECT_TRUE(form->Ready());
  EXPECT_FALSE(form->AnyBusy());
  EXPECT_FALSE(form->statusLabel->text().isEmpty());
  EXPECT_TRUE(form->statusLabel->text().startsWith("Set:")) << form->statusLabel->text().toStdString();
}

TEST_F(LldpDialogs, ViewsShowBitSetsByName) {
  {
    auto form = OpenTable<LldpNamesViewDialog>(LldpNamesViewDialog::Table::Remote);
    ASSERT_GT(form->tableList->topLevelItemCount(), 0);
    auto* line = form->tableList->topLevelItem(0);
    EXPECT_EQ(line->text(Column(form->tableList, "Remote System Capabilities Supported")), " bridge,router");
    EXPECT_EQ(line->text(Column(form->tableList, "Remote System Capabilities Enabled")), " bridge");
  }
  {
    auto form = OpenTable<LldpNamesViewDialog>(LldpNamesViewDialog::Table::LocalLinkAggregation);
    ASSERT_GT(form->tableList->topLevelItemCount(), 0);
    EXPECT_EQ(form->tableList->topLevelItem(0)->text(Column(form->tableList, "Link Aggregation Status")),
              " aggCapable");
  }
  {
    auto form = OpenTable<LldpNamesViewDialog>(LldpNamesViewDialog::Table::RemoteLinkAggregation);
    ASSERT_GT(form->tableList->topLevelItemCount(), 0);
    EXPECT_EQ(form->tableList->topLevelItem(0)->text(Column(form->tableList, "Link Aggregation Status")),
              " aggCapable,aggEnabled");
  }
  {
    auto form = Open<LldpLocalSystemDialog>();
    EXPECT_EQ(form->capabilitiesSupportedEdit->text(), " bridge,router");
    EXPECT_EQ(form->capabilitiesEnabledEdit->text(), " bridge");
    EXPECT_FALSE(form->systemNameText->text().isEmpty());
  }
}

}  // namespace
