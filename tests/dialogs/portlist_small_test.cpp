// Traffic segmentation, port-security delete and guest VLAN against the
// simulator.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/layer2/PortSecurityDeleteDialog.h"
#include "dialogs/layer2/TrafficSegmentationDialog.h"
#include "dialogs/security/GuestVlanDialog.h"
#include "sim_dialog_support.h"

namespace {

class SmallPortLists : public qrxtest::DialogSimTest {};

TEST_F(SmallPortLists, TrafficSegmentationWritesTheForwardPortsOfTheSelectedPort) {
  TrafficSegmentationDialog form(DialogContext{});
  Open(form);
  ASSERT_EQ(form.segmentList->topLevelItemCount(), 52);
  EXPECT_FALSE(form.setButton->isEnabled());
  Select(form.segmentList, 4);
  EXPECT_EQ(form.unitCombo->currentText(), "1");
  EXPECT_EQ(form.portCombo->currentText(), "5");
  EXPECT_TRUE(form.setButton->isEnabled());
  Check(form.forwardPorts, {1, 9, 52});
  MarkJournal();
  form.setClicked();
  EXPECT_TRUE(Checked(form.forwardPorts).empty());
  form.refreshClicked();  // the read after the write is running
  EXPECT_EQ(LastMessage(), "Refresh not complete");
  ASSERT_TRUE(Idle(form));
  const auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].varbinds.size(), 1u);
  EXPECT_EQ(records[0].varbinds[0].oid, "1.3.6.1.4.1.32473.11.63.8.2.12.1.1.2.5");
  EXPECT_EQ(records[0].varbinds[0].value, "80 80 00 00 00 00 10");
  ASSERT_TRUE(qrxtest::WaitFor([&] { return form.segmentList->topLevelItemCount() == 52; }));
  Select(form.segmentList, 4);
  EXPECT_EQ(Checked(form.forwardPorts), (std::vector<int>{1, 9, 52}));
}

TEST_F(SmallPortLists, PortSecurityDeleteChecksItsFieldsAndWritesTheGlobalPort) {
  PortSecurityDeleteDialog form(DialogContext{});
  Open(form);
  EXPECT_EQ(form.unitEdit->text(), "1");
  EXPECT_FALSE(form.portEdit->text().isEmpty());
  struct Case {
    const char* vlan;
    const char* port;
    const char* mac;
    const char* message;
  } cases[] = {
      {"", "5", "001122334455", "You should input VLAN name."},
      {"v10", "0", "001122334455", "You should input valid port."},
      {"v10", "53", "001122334455", "You should input valid port."},
      {"v10", "x", "001122334455", "You should input valid port."},
      {"v10", "5", "0011223344", "You should input valid MAC address."},
      {"v10", "5", "00112233445G", "You should input valid MAC address."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    form.vlanNameEdit->setText(c.vlan);
    form.portEdit->setText(c.port);
    form.macEdit->setText(c.mac);
    messages.clear();
    MarkJournal();
    form.setClicked();
    EXPECT_EQ(LastMessage(), c.message);
    EXPECT_TRUE(NewRecords().empty());
    if (std::string(c.message) == "You should input valid port.") {
      EXPECT_EQ(form.portEdit->text(), "0");
    }
  }
  for (int port : {1, 17, 52}) {
    SCOPED_TRACE(port);
    form.vlanNameEdit->setText("v10");
    form.portEdit->setText(QString::number(port));
    form.macEdit->setText("001122aabbcc");
    messages.clear();
    MarkJournal();
    form.setClicked();
    EXPECT_TRUE(messages.empty()) << LastMessage();
    const auto records = NewRecords();
    ASSERT_EQ(records.size(), 1u);
    ASSERT_EQ(records[0].varbinds.size(), 4u);
    EXPECT_EQ(records[0].varbinds[0].value, "76 31 30");
    EXPECT_EQ(records[0].varbinds[1].oid, "1.3.6.1.4.1.32473.11.63.8.2.15.3.2.0");
    EXPECT_EQ(records[0].varbinds[1].value, std::to_string(port));  // unit 1: the global port is the port
    EXPECT_EQ(records[0].varbinds[2].value, "00 11 22 AA BB CC");
    EXPECT_EQ(records[0].varbinds[3].value, "2");  // start
  }
}

TEST_F(SmallPortLists, GuestVlanSetWritesNameAndPortsThenDeleteWritesStart) {
  GuestVlanDialog form(DialogContext{});
  Open(form);
  form.nameEdit->setText("guests");
  Check(form.portGrid, {1, 9});
  MarkJournal();
  form.setClicked();
  auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].varbinds.size(), 2u);
  EXPECT_EQ(records[0].varbinds[0].oid, "1.3.6.1.4.1.32473.12.30.1.1.0");
  EXPECT_EQ(records[0].varbinds[1].oid, "1.3.6.1.4.1.32473.12.30.1.2.0");
  EXPECT_EQ(records[0].varbinds[1].value, "80 80 00 00 00 00 00");

  MarkJournal();
  form.deleteClicked();
  records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].varbinds.size(), 1u);
  EXPECT_EQ(records[0].varbinds[0].oid, "1.3.6.1.4.1.32473.12.30.1.3.0");
  EXPECT_EQ(records[0].varbinds[0].value, "2");
  EXPECT_TRUE(form.statusLabel->text().contains("Ok")) << form.statusLabel->text().toStdString();
}

}  // namespace
