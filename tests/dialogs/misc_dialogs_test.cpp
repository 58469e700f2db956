// The miscellaneous dialogs against the simulator: what each reads is
// compared with the simulator's rows, what each writes is read back from the
// simulator's SET journal.
#include <signal.h>

#include <QCheckBox>
#include <QComboBox>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "DialogTestSupport.h"
#include "dialogs/basic/Dot3ControlDialog.h"
#include "dialogs/basic/Dot3PauseDialog.h"
#include "dialogs/basic/Dot3PortsDialog.h"
#include "dialogs/basic/UpdateFilesDialog.h"
#include "dialogs/layer2/DhcpRelayAddDialog.h"
#include "dialogs/layer2/DhcpRelayDialog.h"
#include "dialogs/security/MacAuthDiagnosticsDialog.h"
#include "dialogs/security/MacEapolStatisticsDialog.h"
#include "dialogs/singleip/MemberSwitchAddDialog.h"
#include "dialogs/singleip/MemberSwitchDialog.h"
#include "dialogs/vlan/PortCapabilityDialog.h"
#include "editors/ControlBinding.h"
#include "snmp/SessionParams.h"

namespace {

using qrxtest::DialogTest;
using qrxtest::Lines;
using qrxtest::WaitFor;
using Strings = std::vector<std::string>;

QStringList Column(const QTreeWidget* view, int column) {
  QStringList texts;
  for (int i = 0; i < view->topLevelItemCount(); ++i) texts << view->topLevelItem(i)->text(column);
  return texts;
}

// ---------------------------------------------------------------------------
// Read-only views

class ReadOnlyViews : public DialogTest {
 protected:
  // How many rows the simulator has in a column (walked with net-snmp).
  static int SimRows(const std::string& column) {
    auto r = qrxtest::RunCommand({"snmpwalk", "-v2c", "-c", qrxtest::SimProcess::kReadCommunity, "-On",
                                  session_->sim().address(), column});
    int rows = 0;
    for (size_t at = r.out.find(column + "."); at != std::string::npos; at = r.out.find(column + ".", at + 1)) ++rows;
    return rows;
  }
};

TEST_F(ReadOnlyViews, EachViewListsTheSimulatorsRows) {
  {
    auto dialog = Open<MacEapolStatisticsDialog>();
    const int rows = SimRows("1.3.6.1.4.1.32473.12.3.6.2.1.1");
    ASSERT_GT(rows, 0);
    EXPECT_EQ(dialog->entryList->topLevelItemCount(), rows);
    EXPECT_TRUE(dialog->messages->toPlainText().startsWith("Get: Ok")) << dialog->messages->toPlainText().toStdString();
    // The MAC key is a length-prefixed text of the instance: it shows as text.
    const QString mac = dialog->entryList->topLevelItem(0)->text(0);
    EXPECT_FALSE(mac.isEmpty());
    // "Refresh" reads the same rows again, without doubling them.
    dialog->refreshButton->click();
    ASSERT_TRUE(Settle(*dialog));
    EXPECT_EQ(dialog->entryList->topLevelItemCount(), rows);
  }
  {
    auto dialog = Open<MacAuthDiagnosticsDialog>();
    const int rows = SimRows("1.3.6.1.4.1.32473.12.3.6.3.1.1");
    ASSERT_GT(rows, 0);
    EXPECT_EQ(dialog->entryList->topLevelItemCount(), rows);
  }
  {
    auto dialog = Open<PortCapabilityDialog>();
    const int rows = SimRows("1.3.6.1.2.1.17.6.1.1.4.1.1");
    ASSERT_GT(rows, 0);
    EXPECT_EQ(dialog->capabilityList->topLevelItemCount(), rows);
    EXPECT_EQ(dialog->countLabel->text(), QString::number(rows));
    EXPECT_EQ(Column(dialog->capabilityList, 0).first(), QStringLiteral("1"));
    dialog->refreshButton->click();
    dialog->refreshButton->click();  // while the walk runs: ignored
    ASSERT_TRUE(Settle(*dialog));
    EXPECT_EQ(dialog->countLabel->text(), QString::number(rows));
  }
}

TEST_F(ReadOnlyViews, AFailedFirstReadIsShownInTheOpenWindow) {
  GlobalSecurity.readCommunity = "not-the-community";
  GlobalTimeout = 30;
  GlobalRetries = 0;
  auto dialog = Open<MacEapolStatisticsDialog>();
  EXPECT_TRUE(dialog->isVisible());
  const QString memo = dialog->messages->toPlainText();
  EXPECT_FALSE(memo.isEmpty());
  EXPECT_FALSE(memo.contains("Ok")) << memo.toStdString();
  EXPECT_EQ(dialog->entryList->topLevelItemCount(), 0);
}

// ---------------------------------------------------------------------------
// Update files

class UpdateFiles : public DialogTest {};

TEST_F(UpdateFiles, SetChecksTheFileAddressAndWritesTheSelectedRow) {
  auto dialog = Open<UpdateFilesDialog>();
  ASSERT_GT(dialog->fileList->topLevelItemCount(), 0);
  EXPECT_FALSE(dialog->setButton->isEnabled());
  QTreeWidgetItem* line = dialog->fileList->topLevelItem(0);
  const std::string index = line->text(0).toStdString();
  dialog->fileList->setCurrentItem(line);
  EXPECT_TRUE(dialog->setButton->isEnabled());
  EXPECT_FALSE(dialog->indexEdit->isEnabled());
  EXPECT_EQ(dialog->indexEdit->text().toStdString(), index);

  struct Case {
    const char* address;
    bool accepted;
  };
  const Case cases[] = {{"10.1.1.300", false}, {"", false}, {"10.1", false}, {"10.90.90.9", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    dialog->fileList->setCurrentItem(dialog->fileList->topLevelItem(0));
    dialog->addressEdit->setText(QString::fromLatin1(c.address));
    boxes.texts.clear();
    const size_t mark = JournalSize();
    dialog->setButton->click();
    ASSERT_TRUE(Settle(*dialog));
    const auto sets = JournalSince(mark);
    if (!c.accepted) {
      EXPECT_EQ(boxes.texts, QStringList{"Please input a valid ip"});
      EXPECT_TRUE(sets.empty());
      continue;
    }
    EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
    ASSERT_EQ(sets.size(), 1u);
    const Strings lines = Lines(sets[0]);
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "1.3.6.1.4.1.32473.12.1.2.1.1.3." + index + " IpAddress 10.90.90.9"),
              lines.end())
        << testing::PrintToString(lines);
    // The index is the row's instance, never written as a column.
    for (const auto& l : lines) EXPECT_NE(l.rfind("1.3.6.1.4.1.32473.12.1.2.1.1.1.", 0), 0u) << l;
    EXPECT_EQ(SnmpGet("1.3.6.1.4.1.32473.12.1.2.1.1.3." + index), "10.90.90.9");
    // Read again, nothing selected, the fields empty.
    EXPECT_TRUE(dialog->addressEdit->text().isEmpty());
    EXPECT_FALSE(dialog->setButton->isEnabled());
  }
}

// ---------------------------------------------------------------------------
// DHCP relay servers

class DhcpRelay : public DialogTest {
 protected:
  // "Add", then the entry window filled and "Set" (its own message boxes
  // are answered by the fixture).
  void AddThroughEntryWindow(DhcpRelayDialog& form, const QString& name, const QString& ip) {
    qrxtest::OnNextModal(
        [&](QWidget* window) {
          auto* entry = qobject_cast<DhcpRelayAddDialog*>(window);
          ASSERT_NE(entry, nullptr);
          EXPECT_TRUE(entry->interfaceEdit->text().isEmpty());
          entry->interfaceEdit->setText(name);
          entry->serverIpEdit->setText(ip);
          entry->setButton->click();
          if (entry->isVisible()) entry->closeButton->click();
        },
        &form);
    form.addButton->click();
    ASSERT_TRUE(Settle(form));
  }
};

constexpr const char* kRelay = "1.3.6.1.4.1.32473.12.42.3.1.1";

// The instance of interface `name` and server `ip`: length-prefixed name, address.
std::string RelayIndex(const std::string& name, const std::string& ip) {
  std::string index = std::to_string(name.size());
  for (unsigned char c : name) index += "." + std::to_string(c);
  return index + "." + ip;
}

TEST_F(DhcpRelay, AnInterfaceTakesFourServersTheFifthIsRefused) {
  auto form = Open<DhcpRelayDialog>();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("DHCP Relay Control: qrx-sim"));
  const QString name = QStringLiteral("relay4");
  ASSERT_EQ(form->serversOf(name), 0);
  for (int i = 1; i <= 4; ++i) {
    const std::string ip = "10.4.0." + std::to_string(i);
    const size_t mark = JournalSize();
    AddThroughEntryWindow(*form, name, QString::fromStdString(ip));
    const auto sets = JournalSince(mark);
    ASSERT_EQ(sets.size(), 1u) << "server " << i;
    EXPECT_EQ(Lines(sets[0]), Strings{std::string(kRelay) + ".3." + RelayIndex("relay4", ip) + " INTEGER 4"});
    EXPECT_EQ(form->serversOf(name), i);
  }
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
  // A name differing only in case is another interface.
  EXPECT_EQ(form->serversOf(QStringLiteral("RELAY4")), 0);

  const size_t mark = JournalSize();
  AddThroughEntryWindow(*form, name, QStringLiteral("10.4.0.5"));
  EXPECT_EQ(boxes.texts, QStringList{"One interface can support four bootp servers at most."});
  EXPECT_TRUE(JournalSince(mark).empty());
  EXPECT_EQ(form->serversOf(name), 4);
}

TEST_F(DhcpRelay, EntryChecksComeBeforeAnyWrite) {
  auto form = Open<DhcpRelayDialog>();
  struct Case {
    const char* name;
    const char* ip;
    QStringList messages;
  };
  const Case cases[] = {
      {"", "10.0.0.1", {"Interface Name is needed."}},
      {"System", "10.0.0.300", {"Please input a valid ip", "Please input a valid IP address."}},
      {"System", "", {"Please input a valid ip", "Please input a valid IP address."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    boxes.texts.clear();
    const size_t mark = JournalSize();
    AddThroughEntryWindow(*form, QString::fromLatin1(c.name), QString::fromLatin1(c.ip));
    EXPECT_EQ(boxes.texts, c.messages);
    EXPECT_TRUE(JournalSince(mark).empty());
  }
}

TEST_F(DhcpRelay, DeleteWritesDestroyForTheSelectedLineOnly) {
  auto form = Open<DhcpRelayDialog>();
  AddThroughEntryWindow(*form, QStringLiteral("del1"), QStringLiteral("10.9.9.9"));
  size_t mark = JournalSize();
  form->serverList->clearSelection();
  form->deleteButton->click();  // nothing selected: nothing sent
  ASSERT_TRUE(Settle(*form));
  EXPECT_TRUE(JournalSince(mark).empty());

  const auto found = form->serverList->findItems(QStringLiteral("del1"), Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  form->serverList->setCurrentItem(found.first());
  mark = JournalSize();
  form->deleteButton->click();
  ASSERT_TRUE(Settle(*form));
  const auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]), Strings{std::string(kRelay) + ".3." + RelayIndex("del1", "10.9.9.9") + " INTEGER 6"});
  EXPECT_EQ(form->serversOf(QStringLiteral("del1")), 0);
}

// ---------------------------------------------------------------------------
// Member switches

class MemberSwitch : public DialogTest {
 protected:
  // "Add" with the add window filled by `fill`, then "Set".
  void AddThroughWindow(MemberSwitchDialog& form, const std::function<void(MemberSwitchAddDialog&)>& fill) {
    qrxtest::OnNextModal(
        [&](QWidget* window) {
          auto* add = qobject_cast<MemberSwitchAddDialog*>(window);
          ASSERT_NE(add, nullptr);
          EXPECT_TRUE(add->memberIdEdit->text().isEmpty());
          EXPECT_EQ(add->rowStatusCombo->currentText(), QStringLiteral("createAndGo"));
          fill(*add);
          add->setButton->click();
          if (add->isVisible()) add->closeButton->click();
        },
        &form);
    form.addButton->click();
    ASSERT_TRUE(Settle(form));
  }
};

constexpr const char* kMember = "1.3.6.1.4.1.32473.12.8.1.3.1";

TEST_F(MemberSwitch, AddChecksInOrderAndWritesTheThreeColumnsOfTheNewID) {
  auto form = Open<MemberSwitchDialog>();
  ASSERT_GT(form->memberList->topLevelItemCount(), 0);
  EXPECT_FALSE(form->deleteButton->isEnabled());
  const QString existing = form->memberList->topLevelItem(0)->text(0);

  struct Case {
    const char* what;
    QString id, candidate;
    const char* status;
    const char* message;
  };
  const Case refused[] = {
      // The duplicate comes before the empty candidate ID.
      {"duplicate", existing, "", "createAndGo",
       "There is already a record with the same Member Switch ID. Please modified it."},
      {"empty ID", "", "3", "createAndGo", "Member Siwitch ID is needed."},
      {"empty candidate", "21", "", "createAndGo", "Member Candidate ID is needed."},
      {"status", "21", "3", "active", "Member Row State must be createAndGo."},
  };
  for (const Case& c : refused) {
    SCOPED_TRACE(c.what);
    boxes.texts.clear();
    const size_t mark = JournalSize();
    AddThroughWindow(*form, [&](MemberSwitchAddDialog& add) {
      add.memberIdEdit->setText(c.id);
      add.candidateIdEdit->setText(c.candidate);
      add.rowStatusCombo->setCurrentIndex(add.rowStatusCombo->findText(QString::fromLatin1(c.status)));
    });
    EXPECT_EQ(boxes.texts, QStringList{c.message});
    EXPECT_TRUE(JournalSince(mark).empty());
  }

  boxes.texts.clear();
  const size_t mark = JournalSize();
  AddThroughWindow(*form, [&](MemberSwitchAddDialog& add) {
    add.memberIdEdit->setText("21");
    add.candidateIdEdit->setText("3");
    add.passwordEdit->setText("pw21");
  });
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('|').toStdString();
  const auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  const std::string m(kMember);
  EXPECT_EQ(Lines(sets[0]), (Strings{m + ".8.21 INTEGER 3", m + ".9.21 OCTET_STRING 70 77 32 31", m + ".10.21 INTEGER 4"}));
  // The list was read again: the new member is in it.
  EXPECT_EQ(form->memberList->findItems("21", Qt::MatchExactly, 0).size(), 1);
}

TEST_F(MemberSwitch, DeleteSendsOnlyTheRowStatusOfTheSelectedID) {
  auto form = Open<MemberSwitchDialog>();
  form->memberList->clearSelection();
  size_t mark = JournalSize();
  form->deleteButton->setEnabled(true);
  form->deleteButton->click();
  EXPECT_EQ(boxes.texts, QStringList{"Choose the item first."});
  EXPECT_TRUE(JournalSince(mark).empty());

  ASSERT_GT(form->memberList->topLevelItemCount(), 0);
  QTreeWidgetItem* line = form->memberList->topLevelItem(0);
  const std::string id = line->text(0).toStdString();
  form->memberList->setCurrentItem(line);
  EXPECT_TRUE(form->deleteButton->isEnabled());
  mark = JournalSize();
  form->deleteButton->click();
  ASSERT_TRUE(Settle(*form));
  const auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]), Strings{std::string(kMember) + ".10." + id + " INTEGER 6"});
  EXPECT_FALSE(form->deleteButton->isEnabled());
  EXPECT_TRUE(form->memberList->findItems(QString::fromStdString(id), Qt::MatchExactly, 0).isEmpty());
  // The two columns left out of the delete are written again by the next add.
  const auto& list = form->AddEditor()->request.varList;
  EXPECT_FALSE(list.IsExcluded(1));
  EXPECT_FALSE(list.IsExcluded(2));
}

// ---------------------------------------------------------------------------
// 802.3 MAC control and PAUSE

class Dot3Views : public DialogTest {
 protected:
  static QString Value(const Dot3PortsDialog& view, int row) { return view.counterList->topLevelItem(row)->text(1); }
  static void Choose(Dot3PortsDialog& view, const char* interval) {
    view.intervalCombo->setCurrentIndex(view.intervalCombo->findText(QString::fromLatin1(interval)));
    view.intervalChanged();
  }
};

TEST_F(Dot3Views, RefreshWhileTheFirstReadRunsDoesNothing) {
  // The simulator is held while the first read is on its way, so that the
  // read is certainly still running when Refresh is pressed.
  const pid_t sim = session_->sim().pid();
  ASSERT_GT(sim, 0);
  auto view = std::make_unique<Dot3ControlDialog>(Context());
  kill(sim, SIGSTOP);
  view->show();
  const bool started = WaitFor([&] { return view->FirstRefreshDone(); });
  const bool busy = view->PortEditor()->busy;
  const bool ready = view->Ready();
  view->counterList->topLevelItem(0)->setText(1, "kept");
  view->refreshButton->click();
  const QString kept = Value(*view, 0);
  kill(sim, SIGCONT);
  ASSERT_TRUE(started);
  ASSERT_TRUE(busy);
  EXPECT_FALSE(ready);
  EXPECT_EQ(kept, QStringLiteral("kept"));  // not cleared: nothing started
  ASSERT_TRUE(Settle(*view));
  EXPECT_TRUE(view->Ready());
  EXPECT_TRUE(view->functionBoxes[0]->isEnabled());
  EXPECT_GT(view->portList->topLevelItemCount(), 0);
  view->refreshButton->click();
  EXPECT_TRUE(Value(*view, 0).isEmpty());  // cleared: a new read started
  ASSERT_TRUE(Settle(*view));
}

TEST_F(Dot3Views, APortClickPollsItsCountersUntilStopped) {
  auto view = Open<Dot3PauseDialog>();
  ASSERT_GT(view->portList->topLevelItemCount(), 1);
  EXPECT_FALSE(view->pollTimer->isActive());
  EXPECT_FALSE(view->setButton->isEnabled());
  view->portList->setCurrentItem(view->portList->topLevelItem(1));
  EXPECT_EQ(view->intervalCombo->currentText(), QStringLiteral("5s"));
  EXPECT_TRUE(view->pollTimer->isActive());
  EXPECT_EQ(view->pollTimer->interval(), 5000);
  EXPECT_TRUE(view->setButton->isEnabled());
  const QString in1 = Value(*view, 0), out1 = Value(*view, 1);
  EXPECT_FALSE(in1.isEmpty());
  EXPECT_FALSE(out1.isEmpty());
  // The counter request reads the selected port's instance.
  EXPECT_EQ(view->CounterEditor()->request.varList.Item(0).oid,
            "1.3.6.1.2.1.10.7.10.1.3." + view->portList->topLevelItem(1)->text(0).toStdString());

  // The ticks, driven: the simulator's counters grow with time.
  EXPECT_TRUE(WaitFor(
      [&] {
        view->pollCounters();
        return Value(*view, 0) != in1 || Value(*view, 1) != out1;
      },
      4000))
      << "counters did not move";
  EXPECT_FALSE(Value(*view, 0).isEmpty());
  EXPECT_TRUE(view->pollTimer->isActive());

  Choose(*view, "30s");
  EXPECT_EQ(view->pollTimer->interval(), 30000);
  EXPECT_TRUE(view->pollTimer->isActive());
  Choose(*view, "none");
  EXPECT_FALSE(view->pollTimer->isActive());
}

TEST_F(Dot3Views, AnIntervalBeforeAnyPortReportsNoDataAndStops) {
  auto view = Open<Dot3ControlDialog>();
  Choose(*view, "2s");
  EXPECT_TRUE(view->pollTimer->isActive());
  EXPECT_EQ(view->pollTimer->interval(), 2000);
  view->pollCounters();
  EXPECT_TRUE(view->messages->toPlainText().contains(Dot3PortsDialog::kNoData));
  EXPECT_FALSE(view->pollTimer->isActive());
  EXPECT_EQ(view->intervalCombo->currentText(), QStringLiteral("none"));
  ASSERT_TRUE(Settle(*view));
}

TEST_F(Dot3Views, PauseSetWritesTheAdminModeOfTheSelectedPort) {
  auto view = Open<Dot3PauseDialog>();
  ASSERT_GT(view->portList->topLevelItemCount(), 0);
  view->setButton->click();  // no port selected: nothing
  QTreeWidgetItem* line = view->portList->topLevelItem(0);
  const std::string port = line->text(0).toStdString();
  view->portList->setCurrentItem(line);
  view->adminModeCombo->setCurrentIndex(view->adminModeCombo->findText("enabledXmit"));
  const size_t mark = JournalSize();
  view->setButton->click();
  EXPECT_FALSE(view->pollTimer->isActive());
  ASSERT_TRUE(Settle(*view));
  const auto sets = JournalSince(mark);
  ASSERT_EQ(sets.size(), 1u);
  EXPECT_EQ(Lines(sets[0]), Strings{"1.3.6.1.2.1.10.7.10.1.1." + port + " INTEGER 2"});
  EXPECT_TRUE(view->Ready());
  EXPECT_FALSE(view->setButton->isEnabled());
  EXPECT_EQ(SnmpGet("1.3.6.1.2.1.10.7.10.1.1." + port), "2");
}

}  // namespace
