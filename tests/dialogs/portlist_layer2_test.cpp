// The LACP port table and the router-port dialogs against the simulator.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/layer2/AggregatorPortDialog.h"
#include "dialogs/layer2/RouterPortsDialog.h"
#include "sim_dialog_support.h"

namespace {

constexpr const char* kLacp = "1.3.6.1.4.1.32473.12.4.1.2.1.1.";

class Lacp : public qrxtest::DialogSimTest {};

TEST_F(Lacp, StateBitsGoBothWaysAndThePartnerIdMustBeTwelveHexDigits) {
  AggregatorPortDialog form(DialogContext{});
  Open(form);
  ASSERT_TRUE(form.Ready());
  ASSERT_EQ(form.portList->topLevelItemCount(), 52);
  EXPECT_FALSE(form.editButton->isEnabled());
  Select(form.portList, 3);
  EXPECT_TRUE(form.editButton->isEnabled());
  EXPECT_EQ(form.partnerIdEdit->text().size(), 12);
  // A2: lacpActivity, aggregation, defaulted.
  EXPECT_TRUE(form.actorStateBoxes[0]->isChecked());
  EXPECT_TRUE(form.actorStateBoxes[2]->isChecked());
  EXPECT_TRUE(form.actorStateBoxes[6]->isChecked());
  EXPECT_FALSE(form.actorStateBoxes[1]->isChecked());
  EXPECT_FALSE(form.messages->toPlainText().contains("KySNMP")) << form.messages->toPlainText().toStdString();

  for (const char* bad : {"0011223344A", "0011223344AB5", "0011223344AG"}) {
    SCOPED_TRACE(bad);
    messages.clear();
    MarkJournal();
    form.partnerIdEdit->setText(bad);
    form.editClicked();
    EXPECT_EQ(LastMessage(), "Invalid MAC address");
    EXPECT_TRUE(NewRecords().empty());
  }

  // lacpActivity and expired for the actor, aggregation and defaulted for the partner.
  for (QCheckBox* box : form.actorStateBoxes + form.partnerStateBoxes) box->setChecked(false);
  form.actorStateBoxes[0]->setChecked(true);
  form.actorStateBoxes[7]->setChecked(true);
  form.partnerStateBoxes[2]->setChecked(true);
  form.partnerStateBoxes[6]->setChecked(true);
  form.partnerIdEdit->setText("00a0c9fe0102");
  form.actorKeyEdit->setText("300");
  MarkJournal();
  form.editClicked();
  ASSERT_TRUE(qrxtest::WaitFor([&] { return form.Ready() && !form.AnyBusy(); }));
  auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  std::map<std::string, std::string> sent;
  for (const auto& vb : records[0].varbinds) sent[vb.oid] = vb.value;
  const std::string l = kLacp;
  EXPECT_EQ(sent[l + "20.4"], "81");
  EXPECT_EQ(sent[l + "22.4"], "22");
  EXPECT_EQ(sent[l + "8.4"], "00 A0 C9 FE 01 02");
  EXPECT_EQ(sent[l + "4.4"], "300");
  EXPECT_EQ(sent.count(l + "3.4"), 0u);  // read-only columns stay out

  // Read back: the bits come into the same boxes.
  Select(form.portList, 3);
  EXPECT_TRUE(form.actorStateBoxes[0]->isChecked());
  EXPECT_TRUE(form.actorStateBoxes[7]->isChecked());
  EXPECT_FALSE(form.actorStateBoxes[1]->isChecked());
  EXPECT_TRUE(form.partnerStateBoxes[2]->isChecked());
  EXPECT_TRUE(form.partnerStateBoxes[6]->isChecked());
  EXPECT_FALSE(form.partnerStateBoxes[0]->isChecked());
  EXPECT_EQ(form.partnerIdEdit->text(), "00A0C9FE0102");
}

class RouterPorts : public qrxtest::DialogSimTest {};

TEST_F(RouterPorts, IgmpWritesTheGridsAndReadsThemBack) {
  RouterPortsDialog form(DialogContext{}, RouterPortsDialog::Protocol::Igmp);
  Open(form);
  ASSERT_TRUE(form.Ready());
  ASSERT_GE(form.vlanList->topLevelItemCount(), 1);
  EXPECT_FALSE(form.setButton->isEnabled());
  Select(form.vlanList, 0);
  EXPECT_EQ(form.vlanIdLabel->text(), "1");
  EXPECT_TRUE(form.setButton->isEnabled());
  EXPECT_TRUE(form.staticPorts->CheckBox(0)->isEnabled());
  Check(form.staticPorts, {1, 9});
  Check(form.forbiddenPorts, {52});
  MarkJournal();
  form.setClicked();
  EXPECT_TRUE(Checked(form.staticPorts).empty());  // cleared at once
  ASSERT_TRUE(qrxtest::WaitFor([&] { return form.Ready() && !form.AnyBusy(); }));
  const auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].varbinds.size(), 2u);
  EXPECT_EQ(records[0].varbinds[0].oid, "1.3.6.1.4.1.32473.11.63.8.2.7.6.1.3.1");
  EXPECT_EQ(records[0].varbinds[0].value, "80 80 00 00 00 00 00");
  EXPECT_EQ(records[0].varbinds[1].value, "00 00 00 00 00 00 10");
  Select(form.vlanList, 0);
  EXPECT_EQ(Checked(form.staticPorts), (std::vector<int>{1, 9}));
  EXPECT_EQ(Checked(form.forbiddenPorts), (std::vector<int>{52}));
  Select(form.vlanList, -1);
  EXPECT_TRUE(Checked(form.staticPorts).empty());
  EXPECT_FALSE(form.setButton->isEnabled());
}

class SlowRouterPorts : public qrxtest::DialogSimTest {
 protected:
  std::vector<std::string> SimSwitches() const override { return {"--fault-delay", "300"}; }
};

TEST_F(SlowRouterPorts, MldRefusesWhileItsReadRunsThenWritesTheGrids) {
  RouterPortsDialog form(DialogContext{}, RouterPortsDialog::Protocol::Mld);
  form.show();
  ASSERT_TRUE(qrxtest::WaitFor([&] { return form.FirstRefreshDone(); }));
  ASSERT_TRUE(form.AnyBusy());
  form.setClicked();
  EXPECT_EQ(LastMessage(), "Get data not complete");
  messages.clear();
  form.reject();  // no closing while reading
  EXPECT_EQ(LastMessage(), "Get data not complete");
  EXPECT_TRUE(form.isVisible());
  form.refreshClicked();  // ignored while not ready
  ASSERT_TRUE(qrxtest::WaitFor([&] { return form.Ready() && !form.AnyBusy(); }));

  Select(form.vlanList, 0);
  EXPECT_EQ(form.vlanIdLabel->text(), "1");
  Check(form.staticPorts, {2});
  Check(form.forbiddenPorts, {3});
  MarkJournal();
  form.setClicked();
  ASSERT_TRUE(qrxtest::WaitFor([&] { return form.Ready() && !form.AnyBusy() && form.vlanList->topLevelItemCount() > 0; }));
  const auto records = NewRecords();
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].varbinds.size(), 2u);
  EXPECT_EQ(records[0].varbinds[0].oid, "1.3.6.1.4.1.32473.12.34.3.4.1.2.1");
  EXPECT_EQ(records[0].varbinds[0].value, "40 00 00 00 00 00 00");
  EXPECT_EQ(records[0].varbinds[1].value, "20 00 00 00 00 00 00");
  Select(form.vlanList, 0);
  EXPECT_EQ(Checked(form.staticPorts), (std::vector<int>{2}));
  form.reject();
  EXPECT_FALSE(form.isVisible());
}

TEST_F(SlowRouterPorts, MldStopEndsTheReadAndLeavesTheDialogUsable) {
  RouterPortsDialog form(DialogContext{}, RouterPortsDialog::Protocol::Mld);
  form.show();
  ASSERT_TRUE(qrxtest::WaitFor([&] { return form.FirstRefreshDone(); }));
  ASSERT_TRUE(form.AnyBusy());
  form.stopClicked();
  ASSERT_TRUE(Idle(form));
  EXPECT_TRUE(form.Ready());
  // Reading and writing work again.
  form.refreshClicked();
  ASSERT_TRUE(qrxtest::WaitFor([&] { return form.Ready() && !form.AnyBusy() && form.vlanList->topLevelItemCount() > 0; }));
  Select(form.vlanList, 0);
  Check(form.staticPorts, {4});
  MarkJournal();
  form.stopClicked();
  form.setClicked();
  ASSERT_TRUE(qrxtest::WaitFor([&] { return !NewRecords().empty(); }));
  EXPECT_EQ(NewRecords()[0].varbinds[0].value, "10 00 00 00 00 00 00");
  ASSERT_TRUE(qrxtest::WaitFor([&] { return form.Ready() && !form.AnyBusy(); }));
}

}  // namespace
