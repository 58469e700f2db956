// The authentication and security dialogs against the simulator: what each
// sends is read back from the simulator's SET journal.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <memory>

#include "DialogTestSupport.h"
#include "dialogs/common/ComboChoice.h"
#include "dialogs/security/AacServerControlDialog.h"
#include "dialogs/security/AacServerHostDialog.h"
#include "dialogs/security/IpMacBindingDialog.h"
#include "dialogs/security/MethodListDialog.h"
#include "dialogs/security/RadiusServerDialog.h"
#include "dialogs/security/RadiusServerEditDialog.h"
#include "dialogs/security/SafeguardControlDialog.h"
#include "dialogs/security/SslCertificateFileDialog.h"
#include "dialogs/security/SslManagementDialog.h"
#include "editors/PortGrid.h"

namespace {


// The instance suffix of a DisplayString index: its length, then its bytes.
std::string TextIndex(const std::string& text) {
  std::string out = std::to_string(text.size());
  for (unsigned char c : text) out += "." + std::to_string(c);
  return out;
}

QTreeWidgetItem* FindLine(QTreeWidget* view, const QString& first) {
  for (int i = 0; i < view->topLevelItemCount(); ++i)
    if (view->topLevelItem(i)->text(0) == first) return view->topLevelItem(i);
  return nullptr;
}

// The dedicated-dialog fixture with a mark in the SET journal: what a step
// sent is read from the mark on.
class SecurityDialogTest : public qrxtest::DialogTest {
 protected:
  void SetUp() override {
    qrxtest::DialogTest::SetUp();
    Mark();
  }
  void Mark() { mark_ = JournalSize(); }
  std::vector<qrxtest::JournalRecord> NewSets() const { return JournalSince(mark_); }
  // The varbinds sent since the mark as "oid=value", in order.
  std::vector<std::string> NewVarbinds() const {
    std::vector<std::string> out;
    for (const auto& r : NewSets())
      for (const auto& vb : r.varbinds) out.push_back(vb.oid + "=" + vb.value);
    return out;
  }

 private:
  size_t mark_ = 0;
};

// The journal's form of an octet string: upper-case hex pairs with blanks.
std::string JournalOctets(const std::string& bytes) {
  static const char* const kDigits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if (!out.empty()) out += ' ';
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

// ---------------------------------------------------------------------------
// Method lists.

constexpr const char* kLoginEntry = "1.3.6.1.4.1.32473.12.5.3.1";

class MethodLists : public SecurityDialogTest {
 protected:
  // The list of `kind` as its menu command makes it, after its first read.
  std::unique_ptr<MethodListDialog> OpenList(MethodListDialog::Kind kind) {
    auto dialog = std::make_unique<MethodListDialog>(Context(), kind);
    dialog->show();
    EXPECT_TRUE(qrxtest::WaitFor([&] { return dialog->FirstRefreshDone() && !dialog->AnyBusy(); }))
        << "first read did not finish";
    return dialog;
  }
};

struct SlotCase {
  const char* what;
  const char* types[4];
  const char* groups[4];
  QMessageBox::StandardButton answer;  // to the ineffective-method question
  bool asked;
  std::vector<std::string> written;  // column=value, in order
};

TEST_F(MethodLists, AddWritesOnlyTheEffectiveSlots) {
  const SlotCase cases[] = {
      {"local stops the list, No", {"radius", "local", "tacacs", ""}, {"", "", "", ""}, QMessageBox::No, true,
       {"2=4", "4=6", "10=4"}},
      {"local stops the list, Yes", {"radius", "local", "tacacs", ""}, {"", "", "", ""}, QMessageBox::Yes, true, {}},
      {"none first, No", {"none", "radius", "", ""}, {"", "", "", ""}, QMessageBox::No, true, {"2=8", "10=4"}},
      {"other is never written", {"server-group", "other", "radius", ""}, {"grp1", "x", "", ""}, QMessageBox::No,
       false, {"2=5", "3=" + JournalOctets("grp1"), "6=4", "10=4"}},
      {"local last asks nothing", {"tacacs-plus", "local", "", ""}, {"", "", "", ""}, QMessageBox::No, false,
       {"2=3", "4=6", "10=4"}},
  };
  int n = 0;
  for (const SlotCase& c : cases) {
    SCOPED_TRACE(c.what);
    auto form = OpenList(MethodListDialog::Kind::Login);
    const std::string name = "ops" + std::to_string(++n);
    form->nameEdit->setText(QString::fromStdString(name));
    for (int k = 0; k < 4; ++k) {
      SetComboText(form->typeCombos[k], QString::fromLatin1(c.types[k]));
      if (form->serverEdits[k]->isEnabled()) form->serverEdits[k]->setText(QString::fromLatin1(c.groups[k]));
    }
    EXPECT_FALSE(form->serverEdits[1]->isEnabled() && std::string(c.types[1]) == "other");
    Mark();
    boxes.texts.clear();
    if (c.asked) boxes.Queue(c.answer);
    form->addButton->click();
    EXPECT_EQ(boxes.texts.contains(QString::fromLatin1(MethodListDialog::kIneffectiveQuestion)), c.asked);
    std::vector<std::string> expected;
    for (const std::string& w : c.written) {
      const size_t eq = w.find('=');
      expected.push_back(std::string(kLoginEntry) + "." + w.substr(0, eq) + "." + TextIndex(name) + w.substr(eq));
    }
    EXPECT_EQ(NewVarbinds(), expected);
    EXPECT_EQ(FindLine(form->list(), QString::fromStdString(name)) != nullptr, !c.written.empty());
  }
}

TEST_F(MethodLists, AddRefusesBadInputWithoutSending) {
  auto form = OpenList(MethodListDialog::Kind::Login);
  ASSERT_NE(FindLine(form->list(), "default"), nullptr);
  struct Case {
    const char* name;
    const char* status;
    const char* message;
  } cases[] = {
      {"", "createAndGo", "AAC Login Method List Name must be set."},
      {"default", "createAndGo",
       "Has already a record with the same Login Method List Name. Please Change Login Method List Name."},
      {"fresh", "active", "Row State must be createAndGo."},
  };
  for (const Case& c : cases) {
    form->nameEdit->setText(QString::fromLatin1(c.name));
    SetComboText(form->rowStatusCombo, QString::fromLatin1(c.status));
    SetComboText(form->typeCombos[0], "radius");
    boxes.texts.clear();
    form->addButton->click();
    EXPECT_EQ(boxes.texts, QStringList{QString::fromLatin1(c.message)}) << c.name;
  }
  EXPECT_TRUE(NewSets().empty());
}

TEST_F(MethodLists, DefaultListIsNeverDeleted) {
  auto form = OpenList(MethodListDialog::Kind::Enable);
  QTreeWidgetItem* line = FindLine(form->list(), "default");
  ASSERT_NE(line, nullptr);
  form->list()->setCurrentItem(line);
  EXPECT_EQ(form->nameEdit->text(), "default");
  EXPECT_TRUE(form->editButton->isEnabled());
  EXPECT_FALSE(form->deleteButton->isEnabled());
  EXPECT_FALSE(form->nameEdit->isEnabled());
  form->deleteClicked();  // even when called past the disabled button
  SetComboText(form->rowStatusCombo, "destroy");
  form->editButton->click();
  EXPECT_EQ(boxes.texts.count(QString::fromLatin1(MethodListDialog::kDefaultNotDeleted)), 2);
  EXPECT_TRUE(NewSets().empty());
  EXPECT_NE(FindLine(form->list(), "default"), nullptr);
}

TEST_F(MethodLists, EditSkipsTheStatusAndDeleteSendsDestroy) {
  constexpr const char* kEnableEntry = "1.3.6.1.4.1.32473.12.5.4.1";
  auto form = OpenList(MethodListDialog::Kind::Enable);
  // A list of its own, so that the test does not depend on the seeded rows.
  form->nameEdit->setText("adm");
  SetComboText(form->typeCombos[0], "radius");
  form->addButton->click();
  QTreeWidgetItem* line = FindLine(form->list(), "adm");
  ASSERT_NE(line, nullptr);
  form->list()->setCurrentItem(line);
  EXPECT_EQ(form->typeCombos[0]->currentText(), "radius");
  EXPECT_FALSE(form->addButton->isEnabled());
  Mark();
  SetComboText(form->typeCombos[0], "local-enable");
  SetComboText(form->typeCombos[1], "");
  SetComboText(form->typeCombos[2], "");
  SetComboText(form->typeCombos[3], "");
  form->editButton->click();
  const std::string suffix = "." + TextIndex("adm");
  EXPECT_EQ(NewVarbinds(), std::vector<std::string>{std::string(kEnableEntry) + ".2" + suffix + "=7"});
  EXPECT_EQ(form->list()->selectedItems().size(), 0);

  line = FindLine(form->list(), "adm");
  ASSERT_NE(line, nullptr);
  form->list()->setCurrentItem(line);
  Mark();
  form->deleteButton->click();
  EXPECT_EQ(NewVarbinds(), std::vector<std::string>{std::string(kEnableEntry) + ".10" + suffix + "=6"});
  EXPECT_EQ(FindLine(form->list(), "adm"), nullptr);
}

// ---------------------------------------------------------------------------
// Server hosts and server-group members.

constexpr const char* kHostEntry = "1.3.6.1.4.1.32473.12.5.10.1";

class ServerHosts : public SecurityDialogTest {};

TEST_F(ServerHosts, ProtocolDecidesKeyAndRetry) {
  auto form = Open<AacServerHostDialog>();
  struct Case {
    const char* protocol;
    bool key, retry;
    std::vector<std::string> written;  // column=value after the index
  } cases[] = {
      {"xtacacs", false, true, {"3=49", "5=5", "6=2", "7=4"}},
      {"tacacs-plus", true, false, {"3=49", "4=" + JournalOctets("k1"), "5=5", "7=4"}},
      {"radius", true, true, {"3=49", "4=" + JournalOctets("k1"), "5=5", "6=2", "7=4"}},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.protocol);
    const std::string ip = "10.9.9." + std::to_string(++n);
    form->ipEdit->setText(QString::fromStdString(ip));
    // Filled first: choosing the protocol empties what it does not use.
    form->keyEdit->setText("k1");
    form->retryEdit->setText("2");
    SetComboText(form->protocolCombo, QString::fromLatin1(c.protocol));
    EXPECT_EQ(form->keyEdit->isEnabled(), c.key);
    EXPECT_EQ(form->retryEdit->isEnabled(), c.retry);
    form->portEdit->setText("49");
    form->timeoutEdit->setText("5");
    Mark();
    form->addButton->click();
    const int protocol = form->protocolCombo->findText(QString::fromLatin1(c.protocol)) + 1;
    std::vector<std::string> expected;
    for (const std::string& w : c.written) {
      const size_t eq = w.find('=');
      expected.push_back(std::string(kHostEntry) + "." + w.substr(0, eq) + "." + ip + "." + std::to_string(protocol) +
                         w.substr(eq));
    }
    EXPECT_EQ(NewVarbinds(), expected);
    // Without a row both edits are open again.
    EXPECT_TRUE(form->keyEdit->isEnabled());
    EXPECT_TRUE(form->retryEdit->isEnabled());
  }
}

TEST_F(ServerHosts, DuplicateRefusedThenDeleteByBothIndexes) {
  auto form = Open<AacServerHostDialog>();
  form->ipEdit->setText("10.8.8.8");
  SetComboText(form->protocolCombo, "radius");
  form->addButton->click();
  ASSERT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join("|").toStdString();
  // The same address and protocol again.
  form->ipEdit->setText("10.8.8.8");
  SetComboText(form->protocolCombo, "radius");
  Mark();
  form->addButton->click();
  EXPECT_EQ(boxes.texts, QStringList{"Has already a record with the same Server IP and Protocol. Please change Server "
                                  "IP or Protocol."});
  EXPECT_TRUE(NewSets().empty());
  // A bad address is refused as well.
  boxes.texts.clear();
  form->ipEdit->setText("10.8.8");
  form->addButton->click();
  EXPECT_EQ(boxes.texts, QStringList{"Please input a valid ip"});
  EXPECT_TRUE(NewSets().empty());

  QTreeWidgetItem* line = nullptr;
  for (int i = 0; i < form->list()->topLevelItemCount(); ++i) {
    auto* l = form->list()->topLevelItem(i);
    if (l->text(0) == "10.8.8.8" && l->text(1) == "radius") line = l;
  }
  ASSERT_NE(line, nullptr);
  form->list()->setCurrentItem(line);
  EXPECT_FALSE(form->ipEdit->isEnabled());
  form->deleteButton->click();
  EXPECT_EQ(NewVarbinds(), std::vector<std::string>{std::string(kHostEntry) + ".7.10.8.8.8.4=6"});
  EXPECT_EQ(form->list()->findItems("10.8.8.8", Qt::MatchExactly).size(), 0);
}

class ServerGroupMember : public SecurityDialogTest {};

TEST_F(ServerGroupMember, AddThenDeleteByThreeIndexes) {
  auto form = std::make_unique<AacServerControlDialog>(DialogContext{});
  form->show();
  const std::string oid = "1.3.6.1.4.1.32473.12.5.12.1.4." + TextIndex("grp1") + ".10.0.0.5.3";
  // Nothing is sent while a field is empty.
  form->groupNameEdit->setText("grp1");
  form->setButton->click();
  EXPECT_EQ(form->statusLabel->text(), AacServerControlDialog::kEmptyFields);
  form->ipEdit->setText("10.0.0.5");
  SetComboText(form->protocolCombo, "tacacs-plus");
  SetComboText(form->rowStateCombo, "add");
  form->setButton->click();
  EXPECT_TRUE(form->statusLabel->text().startsWith("Set: Ok!. Receive at ")) << form->statusLabel->text().toStdString();
  // What was entered stays on screen.
  EXPECT_EQ(form->groupNameEdit->text(), "grp1");
  EXPECT_EQ(form->rowStateCombo->currentText(), "add");
  SetComboText(form->rowStateCombo, "delete");
  form->setButton->click();
  EXPECT_TRUE(boxes.texts.isEmpty());
  EXPECT_EQ(NewVarbinds(), (std::vector<std::string>{oid + "=1", oid + "=2"}));
  // The membership is gone: deleting it again fails.
  form->setButton->click();
  EXPECT_EQ(boxes.texts, QStringList{AacServerControlDialog::kSetFailed});
}

// ---------------------------------------------------------------------------
// RADIUS servers.

constexpr const char* kRadiusEntry = "1.3.6.1.4.1.32473.12.3.2.4.1";

class RadiusServers : public SecurityDialogTest {};

TEST_F(RadiusServers, AddressRulesAndDefaultPorts) {
  auto form = Open<RadiusServerDialog>();
  RadiusServerEditDialog& edit = *form->editWindow;
  const QString third = "swRadiusServerIndex-third";
  ASSERT_TRUE(form->serverList->findItems(third, Qt::MatchExactly).isEmpty());
  struct Case {
    const char* ip;
    const char* message;
  } refused[] = {
      {"239.1.1.1", "Ip address can not in class d"},  {"224.0.0.1", "Ip address can not in class d"},
      {"240.1.1.1", "Ip address can not in class e"},  {"247.1.1.1", "Ip address can not in class e"},
      {"127.0.0.1", "you can't input ip address like 127.*.*.*"},
      {"255.255.255.255", "you can't input this ip address"}, {"10.1.1", "Please input a valid ip!"},
      {".1.2.3", "Please input a valid ip"},
  };
  for (const Case& c : refused) {
    edit.Prepare(true);
    SetComboText(edit.indexCombo, third);
    edit.ipEdit->setText(QString::fromLatin1(c.ip));
    boxes.texts.clear();
    edit.setClicked();
    EXPECT_EQ(boxes.texts, QStringList{QString::fromLatin1(c.message)}) << c.ip;
  }
  EXPECT_TRUE(NewSets().empty());

  // 248.1.1.1 passes; the empty ports become the standard ones.
  edit.Prepare(true);
  EXPECT_FALSE(edit.statusCombo->isEnabled());
  EXPECT_EQ(edit.statusCombo->currentText(), "createAndGo");
  EXPECT_EQ(edit.windowTitle(), form->windowTitle() + " (Add)");
  SetComboText(edit.indexCombo, third);
  edit.ipEdit->setText("248.1.1.1");
  edit.keyEdit->setText("k");
  boxes.texts.clear();
  edit.setClicked();
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join("|").toStdString();
  const std::string e = kRadiusEntry;
  EXPECT_EQ(NewVarbinds(), (std::vector<std::string>{e + ".2.3=248.1.1.1", e + ".3.3=" + JournalOctets("k"),
                                                     e + ".4.3=1812", e + ".5.3=1813", e + ".6.3=4"}));
  ASSERT_EQ(form->serverList->findItems(third, Qt::MatchExactly).size(), 1);

  // The same index again is refused; Delete writes destroy only.
  edit.Prepare(true);
  SetComboText(edit.indexCombo, third);
  boxes.texts.clear();
  edit.setClicked();
  EXPECT_EQ(boxes.texts, QStringList{"Index is already exist!"});
  form->serverList->setCurrentItem(form->serverList->findItems(third, Qt::MatchExactly).first());
  Mark();
  form->deleteButton->click();
  EXPECT_EQ(NewVarbinds(), std::vector<std::string>{e + ".6.3=6"});
  EXPECT_TRUE(form->serverList->findItems(third, Qt::MatchExactly).isEmpty());

  // All fields empty equal a seeded server (no address, no key, the
  // standard ports): the duplicate rule refuses it.
  edit.Prepare(true);
  SetComboText(edit.indexCombo, third);
  boxes.texts.clear();
  Mark();
  edit.setClicked();
  EXPECT_EQ(boxes.texts, QStringList{"the variable is already exist"});
  EXPECT_TRUE(NewSets().empty());
  // An empty address skips the checks and is not sent.
  edit.keyEdit->setText("k2");
  edit.setClicked();
  EXPECT_EQ(NewVarbinds(), (std::vector<std::string>{e + ".3.3=" + JournalOctets("k2"), e + ".4.3=1812",
                                                     e + ".5.3=1813", e + ".6.3=4"}));
  form->serverList->setCurrentItem(form->serverList->findItems(third, Qt::MatchExactly).first());
  form->deleteClicked();
  form->serverList->clearSelection();
  boxes.texts.clear();
  form->deleteClicked();
  EXPECT_EQ(boxes.texts, QStringList{"Choose the item first."});
}

TEST_F(RadiusServers, AddButtonOpensTheEditWindowWhichClosesAfterSet) {
  auto form = Open<RadiusServerDialog>();
  const QString third = "swRadiusServerIndex-third";
  QString caption;
  bool statusEnabled = true;
  qrxtest::OnNextModal(
      [&](QWidget* modal) {
        auto* edit = qobject_cast<RadiusServerEditDialog*>(modal);
        ASSERT_NE(edit, nullptr);
        caption = edit->windowTitle();
        statusEnabled = edit->statusCombo->isEnabled();
        SetComboText(edit->indexCombo, third);
        edit->ipEdit->setText("10.2.2.2");
        edit->setButton->click();
      },
      form.get());
  form->addButton->click();  // returns when the edit window has closed
  EXPECT_EQ(caption, form->windowTitle() + " (Add)");
  EXPECT_FALSE(statusEnabled);
  EXPECT_FALSE(form->editWindow->isVisible());
  auto found = form->serverList->findItems(third, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  form->serverList->setCurrentItem(found.first());
  form->deleteButton->click();
  EXPECT_TRUE(form->serverList->findItems(third, Qt::MatchExactly).isEmpty());
}

TEST_F(RadiusServers, EditOfTheKeyWritesKeyAndStatus) {
  auto form = Open<RadiusServerDialog>();
  ASSERT_GT(form->serverList->topLevelItemCount(), 0);
  form->serverList->setCurrentItem(form->serverList->topLevelItem(0));
  RadiusServerEditDialog& edit = *form->editWindow;
  edit.Prepare(false);
  EXPECT_FALSE(edit.indexCombo->isEnabled());
  EXPECT_EQ(edit.indexCombo->currentText(), "swRadiusServerIndex-first");
  edit.keyEdit->setText("secret2");
  edit.setClicked();
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join("|").toStdString();
  const std::string e = kRadiusEntry;
  EXPECT_EQ(NewVarbinds(), (std::vector<std::string>{e + ".3.1=" + JournalOctets("secret2"), e + ".6.1=1"}));
}

// ---------------------------------------------------------------------------
// SSL, certificate file, safeguard.

class SecurityScalars : public SecurityDialogTest {
 protected:
  static bool SimSet(const std::string& oid, const char* type, const std::string& value) {
    return SnmpSet({oid, type, value});
  }
};

TEST_F(SecurityScalars, SslCipherSuitesFromAndToTheOctet) {
  ASSERT_TRUE(SimSet("1.3.6.1.4.1.32473.12.7.1.2.0", "x", "A0"));
  ASSERT_TRUE(SimSet("1.3.6.1.4.1.32473.12.7.1.3.0", "u", "600"));
  Mark();
  auto form = Open<SslManagementDialog>();
  EXPECT_EQ(form->cipherSuitesEdit->text(), "A0");
  const char* shown[] = {"enabled", "disabled", "enabled", "disabled"};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(form->cipherCombos[k]->currentText(), shown[k]) << k;
  // Only the fourth suite.
  for (int k = 0; k < 4; ++k) form->cipherCombos[k]->setCurrentIndex(k == 3 ? 1 : 0);
  form->setButton->click();
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join("|").toStdString();
  auto sets = NewSets();
  ASSERT_EQ(sets.size(), 1u);
  ASSERT_EQ(sets[0].varbinds.size(), 3u);
  EXPECT_EQ(sets[0].varbinds[1].oid, "1.3.6.1.4.1.32473.12.7.1.2.0");
  EXPECT_EQ(sets[0].varbinds[1].value, "10");
  EXPECT_EQ(form->cipherCombos[3]->currentText(), "enabled");
  EXPECT_EQ(form->cipherCombos[0]->currentText(), "disabled");
  // An empty field stops the write.
  form->cacheTimeoutEdit->clear();
  Mark();
  form->setButton->click();
  EXPECT_EQ(boxes.texts, QStringList{SslManagementDialog::kSomeItemsEmpty});
  EXPECT_TRUE(NewSets().empty());
}

TEST_F(SecurityScalars, CertificateFileWritesTheCheckedFields) {
  auto form = Open<SslCertificateFileDialog>();
  form->ipEdit->setText("10.1.2.3");
  form->filePathEdit->setText("cert.pem");
  form->keyFilePathEdit->setText("key.pem");
  SetComboText(form->fileControlCombo, "start");
  form->filePathBox->setChecked(true);
  form->fileControlBox->setChecked(true);
  form->setCheckedButton->click();
  EXPECT_EQ(NewVarbinds(), (std::vector<std::string>{"1.3.6.1.4.1.32473.12.7.2.2.0=" + JournalOctets("cert.pem"),
                                                     "1.3.6.1.4.1.32473.12.7.2.4.0=3"}));
  EXPECT_FALSE(form->filePathBox->isChecked());
  EXPECT_EQ(form->filePathEdit->text(), "cert.pem");  // read back
  // A checked bad address stops everything.
  Mark();
  form->ipEdit->setText("10.1.2.300");
  form->checkAllButton->click();
  form->setCheckedButton->click();
  EXPECT_EQ(boxes.texts, QStringList{"Please input a valid ip"});
  EXPECT_TRUE(NewSets().empty());
  // The address alone.
  form->clearAllButton->click();
  form->ipEdit->setText("10.1.2.3");
  form->ipBox->setChecked(true);
  form->setCheckedButton->click();
  EXPECT_EQ(NewVarbinds(), std::vector<std::string>{"1.3.6.1.4.1.32473.12.7.2.1.0=10.1.2.3"});
}

TEST_F(SecurityScalars, SafeguardWriteOrderFollowsTheFallingThreshold) {
  const std::string rising = "1.3.6.1.4.1.32473.12.19.2.1.0", falling = "1.3.6.1.4.1.32473.12.19.2.2.0";
  struct Case {
    const char* what;
    const char* newRising;
    const char* newFalling;
    std::vector<std::string> order;
  } cases[] = {
      {"both lower: falling first", "40", "30", {falling + "=30", rising + "=40"}},
      {"falling higher: rising first", "90", "60", {rising + "=90", falling + "=60"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(SimSet(rising, "i", "80"));
    ASSERT_TRUE(SimSet(falling, "i", "50"));
    auto form = Open<SafeguardControlDialog>();
    EXPECT_EQ(form->fallingReadLabel->text(), "50");
    EXPECT_FALSE(form->setButton->isEnabled());
    form->risingEdit->setText(QString::fromLatin1(c.newRising));
    form->fallingEdit->setText(QString::fromLatin1(c.newFalling));
    form->risingBox->setChecked(true);
    form->fallingBox->setChecked(true);
    EXPECT_TRUE(form->setButton->isEnabled());
    Mark();
    form->setButton->click();
    auto sets = NewSets();
    ASSERT_EQ(sets.size(), 2u);  // one variable per request
    EXPECT_EQ(NewVarbinds(), c.order);
    EXPECT_EQ(form->fallingReadLabel->text(), QString::fromLatin1(c.newFalling));
  }
  // Out of range: nothing sent.
  auto form = Open<SafeguardControlDialog>();
  form->risingEdit->setText("101");
  form->risingBox->setChecked(true);
  form->modeBox->setChecked(true);
  Mark();
  form->setButton->click();
  EXPECT_EQ(boxes.texts, QStringList{"Rising Threshold should between 20-100"});
  EXPECT_TRUE(NewSets().empty());
}

// ---------------------------------------------------------------------------
// IP-MAC binding.

class IpMacBinding : public SecurityDialogTest {};

TEST_F(IpMacBinding, AddWithPortsThenDelete) {
  constexpr const char* kEntry = "1.3.6.1.4.1.32473.12.23.4.1.1";
  auto form = Open<IpMacBindingDialog>();
  EXPECT_EQ(form->modeCombo->currentText(), "arp");
  EXPECT_FALSE(form->actionCombo->isEnabled());
  form->ipEdit->setText("10.5.5.5");
  for (const char* mac : {"00-11-22-33-44-55", "00:11:22:33:44:55", "0011223344", "00112233445G"}) {
    form->macEdit->setText(QString::fromLatin1(mac));
    boxes.texts.clear();
    form->addButton->click();
    EXPECT_EQ(boxes.texts, QStringList{IpMacBindingDialog::kInvalidMac}) << mac;
  }
  EXPECT_TRUE(NewSets().empty());
  form->macEdit->setText("001122334455");
  form->portGrid->CheckBox(0)->setChecked(true);   // port 1
  form->portGrid->CheckBox(9)->setChecked(true);   // port 10
  boxes.texts.clear();
  form->addButton->click();
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join("|").toStdString();
  const std::string e = std::string(kEntry);
  EXPECT_EQ(NewVarbinds(),
            (std::vector<std::string>{e + ".2.10.5.5.5=00 11 22 33 44 55", e + ".3.10.5.5.5=4",
                                      e + ".4.10.5.5.5=80 40 00 00 00 00 00", e + ".6.10.5.5.5=1"}));
  auto found = form->list()->findItems("10.5.5.5", Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1);
  form->list()->setCurrentItem(found.first());
  EXPECT_TRUE(form->portGrid->CheckBox(9)->isChecked());
  EXPECT_FALSE(form->ipEdit->isEnabled());
  Mark();
  form->deleteButton->click();
  // Ports and mode stay out; the address, MAC and status go.
  EXPECT_EQ(NewVarbinds(),
            (std::vector<std::string>{e + ".2.10.5.5.5=00 11 22 33 44 55", e + ".3.10.5.5.5=6"}));
  EXPECT_TRUE(form->list()->findItems("10.5.5.5", Qt::MatchExactly).isEmpty());
  EXPECT_FALSE(form->portGrid->CheckBox(9)->isChecked());
}

TEST_F(IpMacBinding, RefusedAddReadsAgainAndShowsTheError) {
  auto form = Open<IpMacBindingDialog>();
  ASSERT_GT(form->list()->topLevelItemCount(), 0);
  // A binding that exists already: the agent refuses to create it again.
  const QString existing = form->list()->topLevelItem(0)->text(0);
  form->ipEdit->setText(existing);
  form->macEdit->setText("001122334466");
  form->addButton->click();
  EXPECT_EQ(NewSets().size(), 1u);
  auto* status = form->findChild<QLabel*>("StatusPanel0");
  ASSERT_NE(status, nullptr);
  EXPECT_TRUE(status->text().startsWith("Set:")) << status->text().toStdString();
  EXPECT_FALSE(status->text().contains("Ok")) << status->text().toStdString();
  EXPECT_TRUE(form->ipEdit->text().isEmpty());
  EXPECT_TRUE(form->macEdit->text().isEmpty());
  EXPECT_TRUE(form->ipEdit->isEnabled());
  EXPECT_FALSE(form->editButton->isEnabled());
  EXPECT_EQ(form->list()->findItems(existing, Qt::MatchExactly).size(), 1);
}

}  // namespace
