// The find-command window over the program's own menu bar.
#include <gtest/gtest.h>

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <string>

#include "app/FindCommandForm.h"
#include "app/MenuBar.h"
#include "mainwindow_test_support.h"

namespace {

class FindCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    AppForTests();
    ClearDedicatedDialogs();
    bar.reset(BuildMainMenu(nullptr, [this](const MenuEntry& e) { ran.push_back(std::string(e.handler)); }));
  }
  void TearDown() override { bar.reset(); }

  std::unique_ptr<TFindCommandForm> Form() {
    return std::make_unique<TFindCommandForm>(nullptr, CollectCommands(bar.get()));
  }

  std::unique_ptr<QMenuBar> bar;
  std::vector<std::string> ran;
};

TEST_F(FindCommand, FilterFindsCommandsByCaptionAndMenuPath) {
  const std::vector<KyFoundCommand> all = CollectCommands(bar.get());
  struct Case {
    const char* query;
    const char* first;  // the first caption listed, "" for none
    std::vector<const char*> among;  // captions that must be listed
    std::vector<const char*> absent;
  };
  const Case cases[] = {
      {"vlan stat", "Static Table", {"Static Table"}, {"Current Table", "Reboot"}},
      {"  VLAN   STATIC ", "Static Table", {"Static Table"}, {"Current Table"}},
      {"ip-mac", "IP-MAC Binding Control",
       {"IP-MAC Binding Control", "IP-MAC Binding Table", "IP-MAC Binding DHCP Snoop Table"}, {"Static Table"}},
      // Path words alone: every command of the submenu.
      {"802.1q", "", {"Static Table", "Current Table"}, {"Reboot"}},
      // A word of the caption ranks the command before those that match by path.
      {"trunk table", "Port Trunk Table", {"Trunk VLAN Table", "Trunk LACP Port Table"}, {"Port Mirror Table"}},
      {"mirror", "Port Mirror Table", {}, {"Port Trunk Table"}},
      {"reboot", "Reboot", {}, {}},
      {"no such command", "", {}, {"Reboot"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    const auto found = FilterCommands(all, QString::fromUtf8(c.query));
    QStringList captions;
    for (const KyFoundCommand* f : found) captions << f->caption;
    if (*c.first) {
      ASSERT_FALSE(captions.isEmpty());
      EXPECT_EQ(captions.front(), QString::fromUtf8(c.first));
    }
    if (std::string(c.query) == "no such command") {
      EXPECT_TRUE(captions.isEmpty());
    }
    for (const char* a : c.among) EXPECT_TRUE(captions.contains(QString::fromUtf8(a))) << a;
    for (const char* a : c.absent) EXPECT_FALSE(captions.contains(QString::fromUtf8(a))) << a;
  }
  // The empty query lists every command, in menu order.
  EXPECT_EQ(FilterCommands(all, QString()).size(), all.size());
  EXPECT_EQ(all.front().path.front(), "Basic Configuration");
}

TEST_F(FindCommand, ArrowsChooseAndEnterRunsThroughTheMenuHandler) {
  auto form = Form();
  form->show();
  QTest::keyClicks(form->SearchEdit, "802.1q vlan table");
  ASSERT_EQ(form->ListedCaptions(), (QStringList{"Static Table", "Current Table"}));
  QTest::keyClick(form->SearchEdit, Qt::Key_Up);
  EXPECT_EQ(form->CommandList->currentItem()->text(0), "Static Table");
  QTest::keyClick(form->SearchEdit, Qt::Key_Down);
  QTest::keyClick(form->SearchEdit, Qt::Key_Down);
  EXPECT_EQ(form->CommandList->currentItem()->text(0), "Current Table");
  // The dedicated dialogs are not registered here: the commands are disabled.
  QTest::keyClick(form->SearchEdit, Qt::Key_Return);
  QTest::qWait(0);
  EXPECT_TRUE(ran.empty());
  EXPECT_TRUE(form->isVisible());
  EXPECT_TRUE(form->HintLabel->text().contains("not available"));
  EXPECT_NE(form->CommandList->currentItem()->foreground(0).color(), form->palette().color(QPalette::Text));

  // A generated command runs as its menu item does, after the window closed.
  form->SearchEdit->setText("trunk basic");
  ASSERT_EQ(form->ListedCaptions(), QStringList{"Trunk Basic Information"});
  QTest::keyClick(form->SearchEdit, Qt::Key_Return);
  EXPECT_FALSE(form->isVisible());
  ASSERT_TRUE(QTest::qWaitFor([&] { return !ran.empty(); }, 5000));
  EXPECT_EQ(ran, std::vector<std::string>{"TrunkBasicInformation1Click"});
}

TEST_F(FindCommand, CommandsUnderADisabledOrHiddenMenuCannotRun) {
  QMenu* v3 = FindMenu(bar.get(), "VACM1");
  ASSERT_NE(v3, nullptr);
  v3->menuAction()->setEnabled(false);
  const auto all = CollectCommands(bar.get());
  bool sawV3 = false;
  for (const KyFoundCommand& c : all) {
    EXPECT_NE(c.path.value(1), "PoE") << "hidden submenu listed: " << c.caption.toStdString();
    if (c.path.value(0) == "SNMP V3") {
      sawV3 = true;
      EXPECT_FALSE(c.enabled) << c.caption.toStdString();
    }
  }
  EXPECT_TRUE(sawV3);
  auto form = std::make_unique<TFindCommandForm>(nullptr, all);
  form->SearchEdit->setText("snmp v3");
  ASSERT_FALSE(form->ListedCaptions().isEmpty());
  EXPECT_FALSE(form->RunCurrent());
  QTest::qWait(0);
  EXPECT_TRUE(ran.empty());
}

}  // namespace
