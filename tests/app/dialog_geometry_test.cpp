// Every dedicated dialog of the menu, opened against the simulator as the
// menu opens it, on a 1280x1024 screen at the font resolution the run is
// given (QT_FONT_DPI; the test list runs it at 96 and at 144 dpi): once it
// has read its values,
//   - no visible widget lies outside the window (widgets scrolled inside a
//     scroll area or list are the area's business),
//   - the window, title bar and frame included, fits the screen,
//   - every visible push button is wholly visible (not scrolled away, not
//     clipped), and one of them closes the window ("Close"),
//   - the buttons of a row (or a column) come in the one order: Refresh,
//     Add, Set or Edit, Delete, the dialog's own actions, Close,
//   - no list column cuts a cell's text while the column is below the
//     width limit of list columns (the window would have had room).
// QRX_GEOMETRY_ONLY=<handler>[,<handler>...] opens only those commands.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QHeaderView>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/CatalogueCommands.h"
#include "common/QtTestApp.h"
#include "common/SimSession.h"
#include "dialogs/RegisterDialogs.h"
#include "editors/QtSnmpPump.h"
#include "editors/SnmpDialog.h"
#include "editors/UiSupport.h"
#include "editors/WindowFit.h"
#include "snmp/Session.h"

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;
// The longest wait for a window to appear or to read its values.
constexpr int kLimitMs = 60000;
// How long a dialog must stay without exchanges to count as settled.
constexpr int kQuietMs = 100;

using qrxtest::ExchangesInFlight;

bool Settle() {
  QElapsedTimer quiet;
  quiet.start();
  return qrxtest::RunSlicesUntil(
      [&] {
        if (ExchangesInFlight()) {
          quiet.restart();
          return false;
        }
        return quiet.elapsed() >= kQuietMs;
      },
      kLimitMs);
}

std::string Name(const QWidget* w) {
  const QString name = w->objectName();
  return (name.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : name).toStdString();
}

// Whether `w` lies inside the viewport of a scroll area or list below `window`.
bool Scrolled(const QWidget* w, const QWidget* window) {
  for (const QWidget* p = w->parentWidget(); p != nullptr && p != window; p = p->parentWidget())
    if (auto* area = qobject_cast<const QAbstractScrollArea*>(p->parentWidget()); area && area->viewport() == p)
      return true;
  return false;
}

// What is wrong with the geometry of `window`, one line per fault.
// Where a button's text puts it in a row: Refresh, Add, Set or Edit, Delete,
// the dialog's own actions, Close.
int ButtonRank(const QString& caption) {
  const QString t = QString(caption).remove(QLatin1Char('&')).trimmed();
  static const std::pair<const char*, int> kRanks[] = {{"Refresh", 0}, {"Get", 0}, {"Add", 1},    {"Set", 2},
                                                       {"Edit", 2},    {"Apply", 2}, {"Delete", 3}, {"Close", 5}};
  for (const auto& [text, rank] : kRanks)
    if (t == QLatin1String(text)) return rank;
  return 4;
}

// The visible buttons that share a parent and a line (a row: the same
// middle height; a column: the same left edge), each line in the order it is
// shown, must keep the one order.
std::vector<std::string> ButtonOrderFaults(QWidget* window) {
  std::vector<std::string> faults;
  std::vector<QPushButton*> buttons;
  for (QPushButton* b : window->findChildren<QPushButton*>())
    if (b->isVisibleTo(window) && !b->text().isEmpty()) buttons.push_back(b);
  auto check = [&](std::vector<QPushButton*> line, bool row) {
    if (line.size() < 2) return;
    std::sort(line.begin(), line.end(), [row](QPushButton* a, QPushButton* b) { return row ? a->x() < b->x() : a->y() < b->y(); });
    for (size_t i = 1; i < line.size(); ++i)
      if (ButtonRank(line[i]->text()) < ButtonRank(line[i - 1]->text())) {
        std::string shown;
        for (QPushButton* b : line) shown += (shown.empty() ? "" : " ") + b->text().remove(QLatin1Char('&')).toStdString();
        faults.push_back(std::string(row ? "button row" : "button column") + " \"" + shown + "\" is out of order");
        return;
      }
  };
  std::map<std::pair<QWidget*, int>, std::vector<QPushButton*>> rows, columns;
  for (QPushButton* b : buttons) {
    rows[{b->parentWidget(), b->geometry().center().y()}].push_back(b);
    columns[{b->parentWidget(), b->x()}].push_back(b);
  }
  for (auto& [key, line] : rows) check(line, true);
  for (auto& [key, line] : columns) check(line, false);
  return faults;
}

std::vector<std::string> GeometryFaults(QWidget* window) {
  std::vector<std::string> faults;
  // In the screen's own units: at 144 dpi the 1280x1024 pixels are 853x683
  // of them.
  const QRect frame = window->frameGeometry();
  const QSize screen = window->screen()->geometry().size();
  if (frame.width() > screen.width() || frame.height() > screen.height()) {
    std::ostringstream s;
    s << "window " << frame.width() << "x" << frame.height() << " does not fit the screen's " << screen.width() << "x"
      << screen.height();
    faults.push_back(s.str());
  }
  if (window->width() < std::min(CaptionWidth(window), screen.width()))
    faults.push_back("window narrower than its caption \"" + window->windowTitle().toStdString() + "\"");
  // A scroll area inside the window (the port grids among them) never
  // scrolls sideways; only the body of a window too large for its screen may.
  for (QScrollArea* area : window->findChildren<QScrollArea*>()) {
    if (!area->isVisibleTo(window) || area->objectName() == QLatin1String("DialogScroll")) continue;
    if (area->horizontalScrollBar()->maximum() > 0 || area->verticalScrollBar()->maximum() > 0)
      faults.push_back("scroll area " + Name(area) + " scrolls");
  }
  const QRect inside = window->rect();
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (w->isWindow() || !w->isVisibleTo(window)) continue;
    // A button scrolled out of sight is not visible, whatever holds it.
    if (auto* button = qobject_cast<QPushButton*>(w); button && button->visibleRegion() != QRegion(button->rect()))
      faults.push_back("button " + button->text().toStdString() + " (" + Name(w) + ") is not wholly visible");
    if (Scrolled(w, window)) continue;
    const QRect at(w->mapTo(window, QPoint(0, 0)), w->size());
    if (!inside.contains(at)) faults.push_back("widget " + Name(w) + " lies outside the window");
  }
  // A way to close the window beside its title bar: a "Close" button (a
  // message window's "OK").
  bool closable = false;
  for (QPushButton* button : window->findChildren<QPushButton*>())
    if (button->isVisibleTo(window) && (button->text() == QLatin1String("Close") || button->text() == QLatin1String("OK")))
      closable = true;
  if (!closable) faults.push_back("no Close button");
  for (const std::string& fault : ButtonOrderFaults(window)) faults.push_back(fault);
  const int limit = Px(window, kListColumnLimit);
  for (QTreeView* view : window->findChildren<QTreeView*>()) {
    if (!view->isVisibleTo(window) || view->model() == nullptr) continue;
    const QAbstractItemModel* model = view->model();
    for (int c = 0; c < model->columnCount(); ++c) {
      if (view->isColumnHidden(c)) continue;
      const int width = view->columnWidth(c);
      if (width >= limit) continue;
      for (int r = 0; r < model->rowCount(); ++r) {
        const QModelIndex index = model->index(r, c);
        if (CellTextWidth(view, index) <= width) continue;
        faults.push_back("list " + Name(view) + " column " + std::to_string(c) + " cuts \"" +
                         index.data().toString().toStdString() + "\"");
        break;
      }
    }
  }
  return faults;
}

class DialogGeometry : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qrxtest::TestApp();
    session_ = new qrxtest::SimSession;
    if (!session_->Start(false, {"--frozen"}, &InstallQtSnmpPump)) startError_ = session_->error();
  }
  static void TearDownTestSuite() {
    delete session_;
    session_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(startError_.empty()) << startError_;
    SetMessageBoxHook([](QWidget*, const QString&, const QString&, QMessageBox::StandardButtons) { return QMessageBox::Ok; });
  }
  void TearDown() override { SetMessageBoxHook({}); }

  // Opens the command's windows, checks each once settled and closes it.
  std::vector<std::string> Check(const MenuEntry& entry) {
    std::vector<std::string> faults;
    qrxtest::UseSimFor(entry, session_->sim().host(), session_->sim().port());
    qrxtest::RunSlicesUntil([] { return !ExchangesInFlight(); }, kLimitMs);
    const qrxtest::OpenedCommand opened = qrxtest::OpenCommandWindows(
        entry, "qrx900-sim", Settle,
        [&](const std::vector<QWidget*>& windows) {
          for (QWidget* w : windows)
            for (const std::string& f : GeometryFaults(w)) faults.push_back(Name(w) + ": " + f);
          return windows;
        },
        nullptr, kLimitMs);
    for (const std::string& problem : opened.problems) faults.push_back(problem);
    return faults;
  }

  static inline qrxtest::SimSession* session_ = nullptr;
  static inline std::string startError_;
};

TEST_F(DialogGeometry, EveryDedicatedDialogFitsItsScreenAndShowsItsTexts) {
  QScreen* screen = QGuiApplication::primaryScreen();
  ASSERT_NE(screen, nullptr);
  const QSizeF pixels = QSizeF(screen->geometry().size()) * screen->devicePixelRatio();
  ASSERT_LE(std::abs(pixels.width() - kScreenWidth), 2.0) << "run on the offscreen platform with tests/common/screen-1280x1024.json";
  ASSERT_LE(std::abs(pixels.height() - kScreenHeight), 2.0);
  ClearDedicatedDialogs();
  RegisterDedicatedDialogs(DedicatedDialogs());
  const char* dpi = std::getenv("QT_FONT_DPI");
  for (const MenuEntry* entry :
       qrxtest::CatalogueCommands(qrxtest::CommandKind::Dedicated, qrxtest::HandlersNamedIn("QRX_GEOMETRY_ONLY"))) {
    for (const std::string& fault : Check(*entry))
      ADD_FAILURE() << entry->handler << " at " << (dpi ? dpi : "96") << " dpi: " << fault;
  }
  ClearDedicatedDialogs();
}

}  // namespace
