// The layout rules every dialog gets from DialogLayout (button order, Close,
// the counter) and from its base before it is shown (editors/WindowFit.h:
// fitted list columns, no current row without a selection, Tab in reading
// order, window width and screen, port grids that never scroll).
#include <gtest/gtest.h>

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <vector>

#include "common/QtTestApp.h"
#include "dialogs/common/DialogLayout.h"
#include "editors/PortGrid.h"
#include "editors/SnmpDialog.h"
#include "editors/UiSupport.h"
#include "editors/WindowFit.h"

namespace {

QStringList Shown(QBoxLayout* layout) {
  QStringList texts;
  for (int i = 0; i < layout->count(); ++i) {
    QWidget* w = layout->itemAt(i)->widget();
    if (auto* b = qobject_cast<QPushButton*>(w)) texts << b->text();
    else if (auto* l = qobject_cast<QLabel*>(w)) texts << "[" + l->text() + "]";
    else if (layout->itemAt(i)->spacerItem()) texts << "~";
  }
  return texts;
}

struct OrderCase {
  const char* what;
  ButtonBar::Direction direction;
  QStringList added;
  QStringList shown;  // "~" the stretch
};

TEST(ButtonBarTest, ShowsButtonsInTheOneOrderWhateverTheyAreAddedIn) {
  const OrderCase cases[] = {
      {"a list dialog's row", ButtonBar::Direction::Row, {"Close", "Delete", "Set", "Add", "Refresh"},
       {"~", "Refresh", "Add", "Set", "Delete", "Close"}},
      {"own actions after Delete, in their order, before Close", ButtonBar::Direction::Row,
       {"Refresh", "Close", "Stop", "Set", "Add", "Delete", "Check All"},
       {"~", "Refresh", "Add", "Set", "Delete", "Stop", "Check All", "Close"}},
      {"Edit stands where Set does", ButtonBar::Direction::Row, {"Refresh", "Add", "Delete", "Edit"},
       {"~", "Refresh", "Add", "Edit", "Delete"}},
      {"a button column, from the top", ButtonBar::Direction::Column, {"Refresh", "Add", "Delete", "Close", "Check All", "Edit"},
       {"Refresh", "Add", "Edit", "Delete", "Check All", "Close", "~"}},
  };
  for (const OrderCase& c : cases) {
    SCOPED_TRACE(c.what);
    QDialog dialog;
    ButtonBar bar(&dialog, c.direction);
    std::vector<QPushButton*> buttons;
    for (const QString& text : c.added) buttons.push_back(bar.add(text, Name{"b"}));
    EXPECT_EQ(Shown(bar.layout()), c.shown);
    // Enter typed into a field clicks none of them.
    for (QPushButton* b : buttons) EXPECT_FALSE(b->autoDefault()) << b->text().toStdString();
    dialog.setLayout(bar.layout());  // the dialog owns the bar's layout, as in a dialog
  }
}

TEST(ButtonBarTest, CloseClosesTheDialogAsEscapeDoesAndTheCounterStandsAtTheLeft) {
  for (const bool byKey : {false, true}) {
    SCOPED_TRACE(byKey ? "Escape" : "Close");
    SnmpDialog dialog;
    auto* list = new QTreeWidget(&dialog);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(list);
    ButtonBar bar(&dialog);
    bar.add(QStringLiteral("Refresh"), Name{"RefreshButton"});
    QPushButton* close = bar.close(Name{"CloseButton"});
    QLabel* count = bar.samplesCounter(&dialog, list);
    layout->addLayout(bar.layout());
    EXPECT_EQ(Shown(bar.layout()), (QStringList{"[Samples]", "[0]", "~", "Refresh", "Close"}));
    new QTreeWidgetItem(list, QStringList{"1"});
    EXPECT_EQ(count->text(), "1");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    if (byKey)
      QTest::keyClick(&dialog, Qt::Key_Escape);
    else
      close->click();
    EXPECT_FALSE(dialog.isVisible());
  }
}

TEST(EntryLayoutTest, FieldsOneALineOverTheButtonRow) {
  QDialog window;
  EntryLayout entry(&window);
  QLineEdit* first = entry.fields().edit(QStringLiteral("VLAN ID"), Name{"first"});
  QComboBox* second = entry.fields().combo(QStringLiteral("Status"), Name{"second"});
  entry.buttons().close(Name{"CloseButton"});
  entry.buttons().add(QStringLiteral("Add"), Name{"AddButton"});
  auto* main = qobject_cast<QVBoxLayout*>(window.layout());
  ASSERT_NE(main, nullptr);
  ASSERT_EQ(main->count(), 2);
  EXPECT_EQ(main->itemAt(0)->layout(), entry.fields().layout());
  EXPECT_EQ(main->itemAt(1)->layout(), entry.buttons().layout());
  const struct {
    int row;
    QWidget* field;
    const char* caption;
  } lines[] = {{0, first, "VLAN ID"}, {1, second, "Status"}};
  QGridLayout* grid = entry.fields().layout();
  for (const auto& line : lines) {
    SCOPED_TRACE(line.caption);
    auto* label = qobject_cast<QLabel*>(grid->itemAtPosition(line.row, 0)->widget());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), line.caption);
    EXPECT_EQ(label->buddy(), line.field);
    EXPECT_EQ(grid->itemAtPosition(line.row, 1)->widget(), line.field);
  }
  EXPECT_EQ(Shown(entry.buttons().layout()), (QStringList{"~", "Add", "Close"}));
}

// A caption left out by a caller of AddSamplesCounter is placed just before
// its counter when the dialog is shown.
TEST(WindowFitTest, SamplesCaptionJoinsItsCounter) {
  SnmpDialog dialog;
  auto* list = new QTreeWidget(&dialog);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(list);
  auto* row = new QHBoxLayout;
  QLabel* count = dialog.AddSamplesCounter(&dialog, list);
  row->addStretch(1);
  row->addWidget(count);
  layout->addLayout(row);
  dialog.show();
  ASSERT_EQ(row->count(), 3);
  auto* caption = qobject_cast<QLabel*>(row->itemAt(1)->widget());
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->text(), "Samples");
  EXPECT_TRUE(caption->isVisible());
}

TEST(WindowFitTest, ColumnsFitTheirTextsUpToTheLimitAndNoRowIsCurrentWithoutASelection) {
  SnmpDialog dialog;
  auto* list = new QTreeWidget(&dialog);
  list->setHeaderLabels({"Index", "Name", "Note"});
  (new QVBoxLayout(&dialog))->addWidget(list);
  const QString name = QStringLiteral("a name wider than its header");
  const QString note = QString(400, QLatin1Char('x'));
  new QTreeWidgetItem(list, QStringList{"1", name, "short"});
  new QTreeWidgetItem(list, QStringList{"2", "b", note});
  list->header()->setStretchLastSection(false);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  list->setFocus();
  QTest::qWait(1);
  QApplication::processEvents();
  const QModelIndex nameCell = list->model()->index(0, 1);
  EXPECT_GE(list->columnWidth(1), CellTextWidth(list, nameCell));
  EXPECT_EQ(list->columnWidth(2), Px(list, kListColumnLimit));  // the note is cut, at the limit
  EXPECT_FALSE(list->currentIndex().isValid()) << "row 1 looks current with nothing selected";
  list->setCurrentItem(list->topLevelItem(1));
  QApplication::processEvents();
  EXPECT_TRUE(list->currentIndex().isValid());
  list->clearSelection();
  QTest::qWait(1);
  QApplication::processEvents();
  EXPECT_FALSE(list->currentIndex().isValid());
}

TEST(WindowFitTest, WindowIsAsWideAsItsCaptionAndNoLargerThanItsScreen) {
  {
    SnmpDialog narrow;
    narrow.setWindowTitle(QStringLiteral("IGMP Snooping Clear Dynamic IP Multicast : a-switch.example.net"));
    (new QVBoxLayout(&narrow))->addWidget(new QPushButton(QStringLiteral("Close")));
    narrow.show();
    EXPECT_GE(narrow.width(), CaptionWidth(&narrow));
  }
  {
    SnmpDialog wide;
    const QSize screen = wide.screen()->availableGeometry().size();
    auto* body = new QWidget;
    body->setMinimumSize(screen.width() + 300, 100);
    auto* layout = new QVBoxLayout(&wide);
    layout->addWidget(body);
    layout->addWidget(new QPushButton(QStringLiteral("Close")));
    wide.show();
    EXPECT_LE(wide.frameGeometry().width(), screen.width());
    auto* scroll = wide.findChild<QScrollArea*>(QStringLiteral("DialogScroll"));
    ASSERT_NE(scroll, nullptr) << "the body scrolls in a window that fits";
    EXPECT_TRUE(scroll->widget()->isAncestorOf(body));
  }
}

template <class W>
W* Named(QWidget* parent, const char* name) {
  auto* w = new W(parent);
  w->setObjectName(QString::fromLatin1(name));
  return w;
}

// A dialog's widgets are made in an order of their own (the buttons first,
// a grid column by column, a page before its tab widget); Tab goes through
// them as they are shown.
struct TabCase {
  const char* what;
  std::function<void(SnmpDialog&)> build;
  QStringList chain;  // from the first stop, back to it
};

TEST(WindowFitTest, TabFollowsTheShownOrder) {
  const TabCase cases[] = {
      {"a list, fields two a line and a button row under them",
       [](SnmpDialog& d) {
         ButtonBar bar(&d);
         bar.close(Name{"close"});
         bar.add(QStringLiteral("Delete"), Name{"delete"});
         bar.add(QStringLiteral("Refresh"), Name{"refresh"});
         FieldGrid fields(&d, 2);
         fields.edit(QStringLiteral("Index"), Name{"index"});
         fields.combo(QStringLiteral("State"), Name{"state"});
         fields.edit(QStringLiteral("Port"), Name{"port"});
         auto* layout = new QVBoxLayout(&d);
         layout->addWidget(Named<QTreeWidget>(&d, "list"));
         layout->addLayout(fields.layout());
         layout->addLayout(bar.layout());
       },
       {"list", "index", "state", "port", "refresh", "delete", "close"}},
      {"use boxes at the left of their fields, a button column at the right",
       [](SnmpDialog& d) {
         auto* grid = new QGridLayout;
         QLineEdit* edits[] = {Named<QLineEdit>(&d, "server"), Named<QLineEdit>(&d, "interval")};
         QCheckBox* boxes[] = {Named<QCheckBox>(&d, "useServer"), Named<QCheckBox>(&d, "useInterval")};
         for (int row = 0; row < 2; ++row) {
           grid->addWidget(edits[row], row, 2);
           grid->addWidget(new QLabel(QStringLiteral("caption"), &d), row, 1);
           grid->addWidget(boxes[row], row, 0);
         }
         ButtonBar column(&d, ButtonBar::Direction::Column);
         column.close(Name{"close"});
         column.add(QStringLiteral("Set Checked"), Name{"setChecked"});
         column.add(QStringLiteral("Refresh"), Name{"refresh"});
         auto* layout = new QHBoxLayout(&d);
         layout->addLayout(grid);
         layout->addLayout(column.layout());
       },
       {"useServer", "server", "useInterval", "interval", "refresh", "setChecked", "close"}},
      {"a form, tab pages and a group box",
       [](SnmpDialog& d) {
         auto* group = new QGroupBox(QStringLiteral("Mode"), &d);
         (new QVBoxLayout(group))->addWidget(Named<QComboBox>(group, "mode"));
         auto* page = new QWidget;
         auto* pageLayout = new QHBoxLayout(page);
         pageLayout->addWidget(Named<QCheckBox>(page, "port1"));
         pageLayout->addWidget(Named<QCheckBox>(page, "port2"));
         auto* tabs = Named<QTabWidget>(&d, "pages");
         tabs->addTab(page, QStringLiteral("Ports"));
         auto* form = new QFormLayout;
         form->addRow(QStringLiteral("Name"), Named<QLineEdit>(&d, "name"));
         ButtonBar bar(&d);
         bar.add(QStringLiteral("Set"), Name{"set"});
         auto* layout = new QVBoxLayout(&d);
         layout->addLayout(form);
         layout->addWidget(tabs);
         layout->addWidget(group);
         layout->addLayout(bar.layout());
       },
       {"name", "pages", "port1", "port2", "mode", "set"}},
  };
  for (const TabCase& c : cases) {
    SCOPED_TRACE(c.what);
    SnmpDialog dialog;
    c.build(dialog);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto* first = dialog.findChild<QWidget*>(c.chain.first());
    ASSERT_NE(first, nullptr);
    first->setFocus(Qt::TabFocusReason);
    // A tab widget's stop is its tab bar.
    auto focused = [] {
      QWidget* w = QApplication::focusWidget();
      if (w == nullptr) return QString();
      if (qobject_cast<QTabBar*>(w) && w->parentWidget()) w = w->parentWidget();
      return w->objectName();
    };
    QStringList reached{focused()};
    for (qsizetype i = 0; i < c.chain.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      reached << focused();
    }
    EXPECT_EQ(reached.join(' ').toStdString(), (c.chain + QStringList{c.chain.first()}).join(' ').toStdString());
  }
}

TEST(WindowFitTest, PortGridNeverScrolls) {
  QWidget host;
  PortGrid* grid = AddStandardPortGrid(&host);
  host.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
  const auto* scroll = grid->findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  EXPECT_EQ(scroll->horizontalScrollBar()->maximum(), 0);
  EXPECT_EQ(scroll->verticalScrollBar()->maximum(), 0);
  for (QCheckBox* box : grid->CheckBoxes()) {
    if (!box->isVisibleTo(&host)) continue;
    EXPECT_TRUE(scroll->viewport()->rect().contains(QRect(box->mapTo(scroll->viewport(), QPoint(0, 0)), box->size())))
        << box->text().toStdString();
  }
}

}  // namespace
