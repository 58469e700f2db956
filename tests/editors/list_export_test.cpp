// "Copy" and "Export CSV..." of a generated table dialog's list view: cells
// with separators, quotes, tabs, line breaks and non-ASCII bytes, the hidden
// column left out, the selection taken when there is one and left as it was.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/GUIConfigForm.h"
#include "editors/GUIGenerator.h"
#include "editors/ListExport.h"
#include "editors_test_support.h"
#include "snmp/VarList.h"

namespace {

using enum Syntax;

constexpr KyVarDefRow kRows[] = {
    {"1.3.6.1.4.1.32473.98.1.1", "Index", Integer, Access::Key | Access::Read},
    {"1.3.6.1.4.1.32473.98.1.2", "Name", DisplayString, Access::Read | Access::Write},
    {"1.3.6.1.4.1.32473.98.1.3", "Secret", DisplayString, Access::Read | Access::Hidden},
    {"1.3.6.1.4.1.32473.98.1.4", "Note, \"quoted\"", DisplayString, Access::Read},
};

// Cell texts as the agent would send them (bytes), one row per line.
const std::vector<std::vector<std::string>> kCells = {
    {"1", "plain", "s1", "a,b"},
    {"2", "say \"hi\"", "s2", "tab\there"},
    {"3", "Z\xc3\xbcrich \xe2\x82\xac", "s3", "two\nlines"},
    {"4", "bad \xff byte", "s4", ""},
};

class ListExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto editor = std::make_unique<KySNMPRequest2Edits>(&form);
    editor->request.varList = KySNMPVarList(kRows, 2, 1);
    KySNMPRequest2Edits* e = editor.get();
    panel = form.SetListView(std::move(editor), -1, "", -1, "");
    ASSERT_NE(panel, nullptr);
    for (const auto& row : kCells) {
      for (int i = 0; i < 4; ++i) e->request.varList.Item(i).value = row[static_cast<size_t>(i)];
      e->AddRow();
    }
    view = panel->ListPanel()->ListView();
    ASSERT_EQ(view->topLevelItemCount(), 4);
    form.setWindowTitle("Things : sw1");
  }
  void TearDown() override { KyListExport::SetSaveFileHook({}); }

  QAction* Action(const char* name) {
    if (menu.actions().isEmpty()) KyListExport::AddActions(&menu, view);
    return menu.findChild<QAction*>(name);
  }

  GeneratedDialog form;
  TSNMPListViewPanel* panel = nullptr;
  QTreeWidget* view = nullptr;
  QMenu menu;
};

TEST_F(ListExportTest, MenuIsInstalledOnTheTableDialogsList) {
  EXPECT_EQ(view->contextMenuPolicy(), Qt::CustomContextMenu);
  QAction* copy = Action("actionListCopy");
  QAction* exportCsv = Action("actionListExportCsv");
  ASSERT_NE(copy, nullptr);
  ASSERT_NE(exportCsv, nullptr);
  EXPECT_EQ(copy->text(), "Copy");
  EXPECT_EQ(exportCsv->text(), "Export CSV...");
}

TEST_F(ListExportTest, CopyGivesAllRowsTabSeparatedWithoutTheHiddenColumn) {
  Action("actionListCopy")->trigger();
  const QString expected = QStringLiteral("Index\tName\t\"Note, \"\"quoted\"\"\"\r\n") +
                           QStringLiteral("1\tplain\ta,b\r\n") +
                           QStringLiteral("2\t\"say \"\"hi\"\"\"\t\"tab\there\"\r\n") +
                           QStringLiteral("3\tZ\u00fcrich \u20ac\t\"two\nlines\"\r\n") +
                           QStringLiteral("4\tbad \ufffd byte\t\r\n");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), expected);
}

TEST_F(ListExportTest, CopyTakesTheSelectedRowAndLeavesTheSelection) {
  int selectionSignals = 0;
  QObject::connect(view, &QTreeWidget::itemSelectionChanged, [&] { ++selectionSignals; });
  view->topLevelItem(1)->setSelected(true);
  selectionSignals = 0;
  Action("actionListCopy")->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("Index\tName\t\"Note, \"\"quoted\"\"\"\r\n2\t\"say \"\"hi\"\"\"\t\"tab\there\"\r\n"));
  EXPECT_EQ(selectionSignals, 0);
  ASSERT_EQ(view->selectedItems().size(), 1);
  EXPECT_EQ(view->selectedItems().front(), view->topLevelItem(1));
  // The selection still reaches the variables as before.
  EXPECT_EQ(form.Editor()->request.varList.Item(1).value, "say \"hi\"");
}

TEST_F(ListExportTest, ExportWritesRfc4180Utf8) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("out.csv");
  QString suggested;
  KyListExport::SetSaveFileHook([&](QWidget*, const QString&, const QString& name, const QString&) {
    suggested = name;
    return path;
  });
  view->topLevelItem(0)->setSelected(true);  // the export takes every row anyway
  Action("actionListExportCsv")->trigger();
  EXPECT_EQ(suggested, "Things _ sw1.csv");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray expected =
      "Index,Name,\"Note, \"\"quoted\"\"\"\r\n"
      "1,plain,\"a,b\"\r\n"
      "2,\"say \"\"hi\"\"\",tab\there\r\n"
      "3,Z\xc3\xbcrich \xe2\x82\xac,\"two\nlines\"\r\n"
      "4,bad \xef\xbf\xbd byte,\r\n";
  EXPECT_EQ(f.readAll(), expected);
}

TEST_F(ListExportTest, ExportCancelledOrRefusedWritesNothingAndSaysWhy) {
  KyListExport::SetSaveFileHook([](QWidget*, const QString&, const QString&, const QString&) { return QString(); });
  EXPECT_TRUE(KyListExport::ExportCsv(view).isEmpty());

  BoxRecorder boxes;
  const QString bad = QDir::tempPath() + "/no-such-folder-qrx/sub/out.csv";
  KyListExport::SetSaveFileHook([&](QWidget*, const QString&, const QString&, const QString&) { return bad; });
  EXPECT_TRUE(KyListExport::ExportCsv(view).isEmpty());
  ASSERT_EQ(boxes.texts.size(), 1);
  EXPECT_TRUE(boxes.texts.front().startsWith("Cannot write " + bad)) << boxes.texts.front().toStdString();
  EXPECT_FALSE(QFile::exists(bad));
}

// The same piece on a plain one-column list and on an empty list.
TEST(ListExport, OtherViewsAndEmptyLists) {
  QListWidget list;
  list.addItems({"a", "b\tc"});
  KyListExport::Install(&list);
  EXPECT_EQ(list.contextMenuPolicy(), Qt::CustomContextMenu);
  EXPECT_EQ(KyListExport::Rows(&list, false).size(), 2u);
  EXPECT_EQ(KyListExport::TableText({}, KyListExport::Rows(&list, false), QLatin1Char('\t')),
            QStringLiteral("\r\na\r\n\"b\tc\"\r\n"));

  QTreeWidget tree;
  tree.setHeaderLabels({"A", "B", "C"});
  tree.setColumnHidden(1, true);
  EXPECT_EQ(KyListExport::CopyText(&tree), QStringLiteral("A\tC\r\n"));
}

}  // namespace
