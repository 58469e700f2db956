// Golden files of every dialog of the menu: what each one shows once its
// first read is done, and what it asks the agent for on the way.
//
// Every dedicated command (DedicatedDialogsMatchTheirGoldenFiles) and every
// generated command (GeneratedDialogsMatchTheirGoldenFiles) of the menu
// catalogue is carried out as the menu carries it out (RunMenuCommand with
// the catalogue entry, found by its handler name), one after the other
// against one simulator that writes a request journal; the "SNMP V3" menu
// over SNMPv3, the others over SNMPv2c. Once the dialog is on the screen and
// has settled (no exchange in flight and nothing new in the request journal
// for kQuietMs while the event loop runs) it is dumped and closed. Two files
// per command, in tests/app/golden/, named after its handler:
//
// <handler>.tree, the widget tree of every window the command opened:
//   - one line per widget, indented two blanks per level of nesting, in the
//     order of its parent's layout (nested layouts as "layout <class>" lines
//     with their items below; grid cells as "[row,column]", with "rows x
//     columns" when spanning; form rows as "[row label|field|span]"; "stretch"
//     and "spacer" items; a nonzero stretch factor as "stretch=N");
//     widgets outside any layout follow their parent's layout under "free",
//     in the order of their position (top, then left) — never a pixel size;
//   - each line: the Qt class the widget is made of (the nearest class of
//     Qt itself, never one of ours), its object name (or "#n", numbered in
//     order, when it has none), "hidden" and "disabled" when so, and what it
//     shows: texts and titles, check states, combo items with the current
//     one, the column headers and rows of item views (hidden columns named,
//     selected rows marked), memo texts, spin box and progress values;
//   - "tab order:" with the widgets that Tab reaches, one per line;
//   - the message boxes shown meanwhile, and "close refused" when closing the
//     window did not close it.
//   Times of day ("10:02:03 AM", as in "Receive at ...") read "hh:mm:ss".
//   The simulator runs --frozen (its counters do not grow); the few values
//   that still change with its running time (kVolatileValues) read
//   "<varies>".
//
// <handler>.requests, what the command asked the agent for, from the moment
// it was given until its windows had closed (qrxtest::AskedFor in
// tests/common/RequestJournal.h):
//   GET / SET        one record per PDU, its varbinds below in PDU order
//                    (SET with type and value);
//   WALK <oid>       a walk (or a single GET-NEXT) beginning at <oid>.
//   Walks are reduced to the names they begin at: a GETNEXT or GETBULK name
//   that lies strictly inside the subtree of a name that began a walk earlier
//   in the same command continues that walk and is left out. So whether a
//   walk goes by GET-NEXT or GETBULK, its max-repetitions, how many exchanges
//   it takes, how many of them are in flight at once and which columns share
//   a PDU do not show; which columns and subtrees are walked, in which order
//   their walks begin, and every GET and SET exactly, do. PDUs without
//   varbinds (SNMPv3 discovery) and retransmissions (same request id and
//   varbinds) are left out. The rule's limits: a walk that went on from a
//   name outside the subtree it began at would show that name as a new WALK,
//   and a GET-NEXT begun on purpose inside a subtree walked earlier by the
//   same command would not show. (Today's files read the same over SNMPv1,
//   GET-NEXT walks, as over SNMPv2c, GETBULK walks.)
//
// Each command reads the same whether it runs after the others or alone.
//
// A file that differs fails the command with a line diff (and the file as
// produced is written to golden-actual/ under the test's working folder).
// QRX_UPDATE_GOLDEN=1 rewrites the golden files instead (and passes); a
// commit that changes what a dialog shows or sends on purpose carries the
// rewritten files. QRX_GOLDEN_ONLY=<handler>[,<handler>...] opens only those
// commands (the others of the run are not compared).
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSet>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/CatalogueCommands.h"
#include "common/QtTestApp.h"
#include "common/RequestJournal.h"
#include "common/SimSession.h"
#include "dialogs/RegisterDialogs.h"
#include "editors/QtSnmpPump.h"
#include "editors/SnmpDialog.h"
#include "editors/UiSupport.h"
#include "snmp/Session.h"
#include "snmp/SessionParams.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kDevice = "qrx900-sim";
// How long a dialog must stay without exchanges and new requests to count as
// settled. Only a bound on waiting: a dialog that settles earlier is not
// waited for longer than this.
constexpr int kQuietMs = 100;
// The longest wait for a window to appear, to settle or to close.
constexpr int kLimitMs = 60000;

// Values that change with the time the simulator has been running even when
// it is --frozen (they come from the agent library itself): the widget of the
// handler's window, by its id in the dump, reads "<varies>".
struct VolatileValue {
  const char* handler;
  const char* widget;
  const char* what;
};
constexpr VolatileValue kVolatileValues[] = {
    {"snmpEngine1Click", "#14", "snmpEngineTime, the seconds since the agent started"},
};

// ---------------------------------------------------------------------------
// The widget tree.

// The nearest class of the widget that Qt itself defines: the first class
// of its meta-object chain whose meta-object lives in one of Qt's libraries.
QString QtClass(const QObject* object) {
  const QMetaObject* last = nullptr;
  for (const QMetaObject* mo = object->metaObject(); mo != nullptr; mo = mo->superClass()) {
    Dl_info info{};
    if (dladdr(static_cast<const void*>(mo), &info) != 0 && info.dli_fname != nullptr &&
        fs::path(info.dli_fname).filename().string().rfind("libQt", 0) == 0)
      return QString::fromLatin1(mo->className());
    last = mo;
  }
  return last != nullptr ? QString::fromLatin1(last->className()) : QStringLiteral("?");
}

// Times of day as the status lines write them.
QString MaskTimes(QString text) {
  static const QRegularExpression kTime(QStringLiteral("(?<![\\w:.])\\d{1,2}:\\d{2}:\\d{2}(?: ?[AP]M)?(?![\\w:])"));
  return text.replace(kTime, QStringLiteral("hh:mm:ss"));
}

std::string Quote(const QString& raw) {
  const QString text = MaskTimes(raw);
  QString out = QStringLiteral("\"");
  for (const QChar c : text) {
    if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
      out += QLatin1Char('\\');
      out += c;
    } else if (c == QLatin1Char('\n'))
      out += QLatin1String("\\n");
    else if (c == QLatin1Char('\t'))
      out += QLatin1String("\\t");
    else if (c == QLatin1Char('\r'))
      out += QLatin1String("\\r");
    else
      out += c;
  }
  return (out + QLatin1Char('"')).toStdString();
}

std::string QuoteList(const QStringList& items) {
  std::string out = "[";
  for (int i = 0; i < items.size(); ++i) out += (i ? "," : "") + Quote(items[i]);
  return out + "]";
}

// Widgets whose children we list: the plain containers. The children of
// other Qt widgets are their own parts (viewports, scroll bars, the line
// edit of a spin box), listed only when they carry an object name of ours.
bool IsContainer(const QString& qtClass) {
  static const QSet<QString> kContainers = {"QWidget", "QFrame",  "QGroupBox",      "QDialog",
                                            "QSplitter", "QToolBox", "QStackedWidget", "QMainWindow"};
  return kContainers.contains(qtClass);
}

class TreeDump {
 public:
  TreeDump(QWidget* top, const std::string& handler) : top_(top) {
    for (const VolatileValue& v : kVolatileValues)
      if (handler == v.handler) volatile_.insert(v.widget);
  }

  std::string Run() {
    Widget(top_, 0, "");
    for (size_t i = 0; i < windows_.size(); ++i) {
      out_ += "window:\n";
      Widget(windows_[i], 1, "");
    }
    out_ += "tab order:\n";
    std::set<QWidget*> listed;
    for (QWidget* w = top_->nextInFocusChain(); w != nullptr && w != top_; w = w->nextInFocusChain()) {
      QWidget* target = w->focusProxy() != nullptr ? w->focusProxy() : w;
      auto id = ids_.find(w);
      if (id == ids_.end() || listed.count(w)) continue;
      if (!(target->focusPolicy() & Qt::TabFocus) || !w->isVisibleTo(top_) || !w->isEnabled()) continue;
      listed.insert(w);
      out_ += "  " + id->second + "\n";
    }
    return out_;
  }

 private:
  std::string Id(QWidget* w) {
    if (!w->objectName().isEmpty()) return w->objectName().toStdString();
    return "#" + std::to_string(++unnamed_);
  }

  void Line(int depth, const std::string& text) { out_ += std::string(static_cast<size_t>(depth) * 2, ' ') + text + "\n"; }

  void Widget(QWidget* w, int depth, const std::string& position) {
    const QString cls = QtClass(w);
    const std::string id = Id(w);
    ids_[w] = id;
    std::string line = position + cls.toStdString() + " " + id;
    if (w == top_ ? !w->isVisible() : !w->isVisibleTo(top_)) line += " hidden";
    if (!w->isEnabled()) line += " disabled";
    std::vector<std::string> below;  // rows of item views
    line += volatile_.count(id) ? std::string(" <varies>") : Content(w, below);
    Line(depth, line);
    for (const std::string& b : below) Line(depth + 1, b);

    std::set<QWidget*> placed;
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) {
        placed.insert(tabs->widget(i));
        Widget(tabs->widget(i), depth + 1,
               "[tab " + Quote(tabs->tabText(i)) + (tabs->isTabEnabled(i) ? "" : " disabled") + "] ");
      }
      return;
    }
    if (auto* scroll = qobject_cast<QScrollArea*>(w)) {
      if (scroll->widget() != nullptr) Widget(scroll->widget(), depth + 1, "");
      return;
    }
    if (auto* stack = qobject_cast<QStackedWidget*>(w)) {
      for (int i = 0; i < stack->count(); ++i) {
        placed.insert(stack->widget(i));
        Widget(stack->widget(i), depth + 1, i == stack->currentIndex() ? "[current] " : "");
      }
    } else if (auto* splitter = qobject_cast<QSplitter*>(w)) {
      for (int i = 0; i < splitter->count(); ++i) {
        placed.insert(splitter->widget(i));
        Widget(splitter->widget(i), depth + 1, "");
      }
    }
    const bool container = IsContainer(cls);
    if (container && w->layout() != nullptr) {
      QLayout* own = w->layout();
      Line(depth + 1, "layout " + QtClass(own).toStdString() +
                          (own->objectName().isEmpty() ? "" : " " + own->objectName().toStdString()));
      Layout(own, depth + 2, placed);
    }

    // Children outside the layout, by position.
    std::vector<QWidget*> free;
    for (QObject* o : w->children()) {
      auto* child = qobject_cast<QWidget*>(o);
      if (child == nullptr || placed.count(child)) continue;
      if (child->isWindow()) {
        windows_.push_back(child);
        continue;
      }
      const QString name = child->objectName();
      if (!container && (name.isEmpty() || name.startsWith(QLatin1String("qt_")))) continue;
      if (name.startsWith(QLatin1String("qt_"))) continue;
      free.push_back(child);
    }
    std::stable_sort(free.begin(), free.end(), [](QWidget* a, QWidget* b) {
      const QPoint pa = a->pos(), pb = b->pos();
      return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    if (!free.empty()) {
      Line(depth + 1, "free");
      for (QWidget* child : free) Widget(child, depth + 2, "");
    }
  }

  void Layout(QLayout* layout, int depth, std::set<QWidget*>& placed) {
    auto* grid = qobject_cast<QGridLayout*>(layout);
    auto* form = qobject_cast<QFormLayout*>(layout);
    auto* box = qobject_cast<QBoxLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) {
      QLayoutItem* item = layout->itemAt(i);
      std::string position;
      if (grid != nullptr) {
        int row = 0, column = 0, rowSpan = 1, columnSpan = 1;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        position = "[" + std::to_string(row) + "," + std::to_string(column);
        if (rowSpan != 1 || columnSpan != 1) position += " " + std::to_string(rowSpan) + "x" + std::to_string(columnSpan);
        position += "] ";
      } else if (form != nullptr) {
        int row = 0;
        QFormLayout::ItemRole role{};
        form->getItemPosition(i, &row, &role);
        const char* roleText = role == QFormLayout::LabelRole ? "label" : role == QFormLayout::FieldRole ? "field" : "span";
        position = "[" + std::to_string(row) + " " + roleText + "] ";
      }
      if (box != nullptr && box->stretch(i) != 0) position += "stretch=" + std::to_string(box->stretch(i)) + " ";
      if (QWidget* child = item->widget()) {
        placed.insert(child);
        Widget(child, depth, position);
      } else if (QLayout* inner = item->layout()) {
        Line(depth, position + "layout " + QtClass(inner).toStdString() +
                        (inner->objectName().isEmpty() ? "" : " " + inner->objectName().toStdString()));
        Layout(inner, depth + 1, placed);
      } else if (QSpacerItem* spacer = item->spacerItem()) {
        const bool expands = (spacer->expandingDirections() & (Qt::Horizontal | Qt::Vertical)) != 0;
        Line(depth, position + (expands ? "stretch" : "spacer"));
      }
    }
  }

  // What the widget shows, as " key=value" words; rows of item views go to `below`.
  std::string Content(QWidget* w, std::vector<std::string>& below) {
    std::string out;
    if (w->isWindow()) {
      out += " title=" + Quote(w->windowTitle());
      if (w->isModal()) out += " modal";
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      out += " text=" + Quote(button->text());
      if (button->isCheckable()) out += button->isChecked() ? " checked" : " unchecked";
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
      out += " text=" + Quote(label->text());
      if (!label->pixmap().isNull()) out += " pixmap";
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      out += " text=" + Quote(edit->text());
      if (edit->isReadOnly()) out += " readonly";
      if (edit->echoMode() != QLineEdit::Normal) out += " masked";
      if (edit->maxLength() != 32767) out += " maxlength=" + std::to_string(edit->maxLength());
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      QStringList items;
      for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
      out += " items=" + QuoteList(items) + " current=" + std::to_string(combo->currentIndex());
      if (combo->isEditable()) out += " text=" + Quote(combo->currentText());
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
      out += " text=" + Quote(plain->toPlainText());
      if (plain->isReadOnly()) out += " readonly";
    } else if (auto* rich = qobject_cast<QTextEdit*>(w)) {
      out += " text=" + Quote(rich->toPlainText());
      if (rich->isReadOnly()) out += " readonly";
    } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
      out += " text=" + Quote(spin->text());
      if (spin->isReadOnly()) out += " readonly";
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      out += " title=" + Quote(group->title());
      if (group->isCheckable()) out += group->isChecked() ? " checked" : " unchecked";
    } else if (auto* progress = qobject_cast<QProgressBar*>(w)) {
      out += " value=" + std::to_string(progress->value()) + " range=" + std::to_string(progress->minimum()) + ".." +
             std::to_string(progress->maximum());
    } else if (auto* slider = qobject_cast<QAbstractSlider*>(w)) {
      out += " value=" + std::to_string(slider->value());
    } else if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      out += " current=" + std::to_string(tabs->currentIndex());
    } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
      ItemView(view, out, below);
    }
    return out;
  }

  void ItemView(QAbstractItemView* view, std::string& out, std::vector<std::string>& below) {
    QAbstractItemModel* model = view->model();
    if (model == nullptr) return;
    auto* tree = qobject_cast<QTreeView*>(view);
    auto* table = qobject_cast<QTableView*>(view);
    const int columns = model->columnCount();
    auto hidden = [&](int c) {
      return (tree != nullptr && tree->isColumnHidden(c)) || (table != nullptr && table->isColumnHidden(c));
    };
    if (tree != nullptr || table != nullptr) {
      QStringList headers;
      std::vector<int> hiddenColumns;
      for (int c = 0; c < columns; ++c) {
        headers << model->headerData(c, Qt::Horizontal).toString();
        if (hidden(c)) hiddenColumns.push_back(c);
      }
      out += " headers=" + QuoteList(headers);
      if (!hiddenColumns.empty()) {
        out += " hiddenColumns=[";
        for (size_t i = 0; i < hiddenColumns.size(); ++i) out += (i ? "," : "") + std::to_string(hiddenColumns[i]);
        out += "]";
      }
      if (tree != nullptr && tree->header() != nullptr && tree->header()->isHidden()) out += " headerHidden";
    }
    out += " rows=" + std::to_string(model->rowCount());
    QItemSelectionModel* selection = view->selectionModel();
    std::function<void(const QModelIndex&, int)> rows = [&](const QModelIndex& parent, int level) {
      for (int r = 0; r < model->rowCount(parent); ++r) {
        std::string row = std::string(static_cast<size_t>(level) * 2, ' ') + "row";
        const QModelIndex first = model->index(r, 0, parent);
        if (selection != nullptr && selection->isSelected(first)) row += " selected";
        for (int c = 0; c < columns; ++c) {
          const QModelIndex cell = model->index(r, c, parent);
          const QVariant check = model->data(cell, Qt::CheckStateRole);
          if (check.isValid())
            row += check.toInt() == Qt::Checked ? " [x]" : check.toInt() == Qt::PartiallyChecked ? " [-]" : " [ ]";
          row += " " + Quote(model->data(cell, Qt::DisplayRole).toString());
        }
        below.push_back(row);
        if (tree != nullptr) rows(first, level + 1);
      }
    };
    rows(QModelIndex(), 0);
  }

  QWidget* top_;
  std::string out_;
  std::map<QWidget*, std::string> ids_;
  std::vector<QWidget*> windows_;
  std::set<std::string> volatile_;
  int unnamed_ = 0;
};

// ---------------------------------------------------------------------------
// Golden files, in QRX_GOLDEN_DIR (the source folder's tests/app/golden).

bool Updating() {
  const char* v = std::getenv("QRX_UPDATE_GOLDEN");
  return v != nullptr && std::string(v) == "1";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::stringstream in(text);
  std::string line;
  while (std::getline(in, line)) lines.push_back(line);
  return lines;
}

// A line diff (longest common subsequence), the changes with two lines of
// context: "-" golden, "+" now.
std::string LineDiff(const std::string& golden, const std::string& now) {
  const auto a = Lines(golden), b = Lines(now);
  const size_t n = a.size(), m = b.size();
  std::vector<std::vector<unsigned>> lcs(n + 1, std::vector<unsigned>(m + 1, 0));
  for (size_t i = n; i-- > 0;)
    for (size_t j = m; j-- > 0;)
      lcs[i][j] = a[i] == b[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
  struct Op {
    char kind;
    size_t line;  // in the golden file (where a '+' line goes in)
    std::string text;
  };
  std::vector<Op> ops;
  size_t i = 0, j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && a[i] == b[j]) {
      ops.push_back({' ', i, a[i]});
      ++i, ++j;
    } else if (i < n && (j == m || lcs[i + 1][j] >= lcs[i][j + 1])) {
      ops.push_back({'-', i, a[i]});
      ++i;
    } else {
      ops.push_back({'+', i, b[j]});
      ++j;
    }
  }
  std::string out;
  constexpr size_t kContext = 2;
  size_t lastShown = SIZE_MAX;
  for (size_t k = 0; k < ops.size(); ++k) {
    bool near = false;
    for (size_t d = (k >= kContext ? k - kContext : 0); d <= std::min(ops.size() - 1, k + kContext) && !near; ++d)
      near = ops[d].kind != ' ';
    if (!near) continue;
    if (lastShown == SIZE_MAX || k != lastShown + 1) out += "@@ golden line " + std::to_string(ops[k].line + 1) + "\n";
    out += ops[k].kind + ops[k].text + "\n";
    lastShown = k;
  }
  return out;
}

std::string ReadFile(const fs::path& path, bool* found) {
  std::ifstream in(path, std::ios::binary);
  *found = static_cast<bool>(in);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

// ---------------------------------------------------------------------------
// The fixture: one simulator with a request journal for the whole suite.

class DialogGolden : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qrxtest::TestApp();
    session_ = new qrxtest::SimSession;
    journal_ = (fs::temp_directory_path() / ("qrx-golden-requests-" + std::to_string(getpid()) + ".txt")).string();
    if (!session_->Start(false, {"--frozen", "--request-journal", journal_}, &InstallQtSnmpPump)) startError_ = session_->error();
    goldenDir_ = QRX_GOLDEN_DIR;
  }
  static void TearDownTestSuite() {
    delete session_;
    session_ = nullptr;
    std::error_code ec;
    fs::remove(journal_, ec);
  }

  void SetUp() override {
    ASSERT_TRUE(startError_.empty()) << startError_;
    saved_ = {GlobalDevice, GlobalScope, GlobalSecurity, GlobalTimeout, GlobalRetries};
    GlobalScope = {};
    GlobalTimeout = 200;
    GlobalRetries = 2;
    SetMessageBoxHook([this](QWidget*, const QString& text, const QString&, QMessageBox::StandardButtons) {
      boxes_ << text;
      return QMessageBox::Ok;
    });
  }
  void TearDown() override {
    SetMessageBoxHook({});
    GlobalDevice = saved_.device;
    GlobalScope = saved_.scope;
    GlobalSecurity = saved_.security;
    GlobalTimeout = saved_.timeout;
    GlobalRetries = saved_.retries;
  }

  static uintmax_t JournalSize() {
    std::error_code ec;
    const uintmax_t size = fs::file_size(journal_, ec);
    return ec ? 0 : size;
  }
  // Runs the event loop until no exchange has been in flight and nothing new
  // has come into the request journal for kQuietMs.
  static bool Settle() {
    QElapsedTimer quiet;
    quiet.start();
    uintmax_t size = JournalSize();
    return qrxtest::RunSlicesUntil(
        [&] {
          const uintmax_t now = JournalSize();
          if (qrxtest::ExchangesInFlight() || now != size) {
            size = now;
            quiet.restart();
            return false;
          }
          return quiet.elapsed() >= kQuietMs;
        },
        kLimitMs);
  }

  // Of the windows the command opened, those not inside another one of
  // them; by object name.
  static std::vector<QWidget*> OuterWindows(const std::vector<QWidget*>& shown) {
    std::vector<QWidget*> windows;
    for (QWidget* w : shown) {
      bool inner = false;
      for (QWidget* p = w->parentWidget(); p != nullptr && !inner; p = p->parentWidget())
        inner = std::find(shown.begin(), shown.end(), p) != shown.end();
      if (!inner) windows.push_back(w);
    }
    std::stable_sort(windows.begin(), windows.end(),
                     [](QWidget* a, QWidget* b) { return a->objectName() < b->objectName(); });
    return windows;
  }

  struct Snapshot {
    std::string tree, requests;
    std::vector<std::string> problems;
  };

  // Carries out the command as the menu does, dumps its windows once settled
  // and closes them.
  Snapshot Run(const MenuEntry& entry) {
    Snapshot snap;
    boxes_.clear();
    qrxtest::UseSimFor(entry, session_->sim().host(), session_->sim().port());
    // Nothing of the last command is left over.
    if (!qrxtest::RunSlicesUntil([] { return !qrxtest::ExchangesInFlight(); }, kLimitMs))
      snap.problems.push_back("the last command's exchanges never ended");
    fs::resize_file(journal_, 0);

    const qrxtest::OpenedCommand opened = qrxtest::OpenCommandWindows(
        entry, kDevice, Settle,
        [&](const std::vector<QWidget*>& shown) {
          const std::vector<QWidget*> windows = OuterWindows(shown);
          for (QWidget* w : windows) snap.tree += TreeDump(w, std::string(entry.handler)).Run();
          for (const QString& box : boxes_) snap.tree += "message box: " + Quote(box) + "\n";
          return windows;
        },
        [&](QWidget*) { snap.tree += "close refused\n"; }, kLimitMs);
    if (opened.outcome != CommandOutcome::DialogShown)
      snap.problems.push_back(opened.passedOn ? "no dialog: passed on to the main window" : "no dialog shown");
    for (const std::string& problem : opened.problems) snap.problems.push_back(problem);
    snap.requests = qrxtest::AskedFor(qrxtest::ReadRequestJournal(journal_));
    return snap;
  }

  // Compares (or rewrites) one golden file; the failure message with the diff.
  static std::string Check(const std::string& handler, const char* suffix, const std::string& now) {
    const fs::path golden = goldenDir_ / (handler + suffix);
    if (Updating()) {
      WriteFile(golden, now);
      return {};
    }
    bool found = false;
    const std::string before = ReadFile(golden, &found);
    if (found && before == now) return {};
    const fs::path actual = fs::current_path() / "golden-actual" / (handler + suffix);
    WriteFile(actual, now);
    if (!found) return golden.string() + " is missing (QRX_UPDATE_GOLDEN=1 writes it); as produced: " + actual.string();
    return golden.string() + " differs (as produced: " + actual.string() +
           "; QRX_UPDATE_GOLDEN=1 rewrites it):\n" + LineDiff(before, now);
  }

  void RunAll(bool dedicated) {
    const std::set<std::string> only = qrxtest::HandlersNamedIn("QRX_GOLDEN_ONLY");
    int opened = 0;
    for (const MenuEntry* entry :
         qrxtest::CatalogueCommands(dedicated ? qrxtest::CommandKind::Dedicated : qrxtest::CommandKind::Generated, only)) {
      const std::string handler(entry->handler);
      SCOPED_TRACE(handler);
      const Snapshot snap = Run(*entry);
      ++opened;
      for (const std::string& p : snap.problems) ADD_FAILURE() << handler << ": " << p;
      if (!snap.problems.empty()) continue;
      for (const auto& [suffix, text] : {std::pair{".tree", &snap.tree}, std::pair{".requests", &snap.requests}}) {
        const std::string failure = Check(handler, suffix, *text);
        if (!failure.empty()) ADD_FAILURE() << handler << ": " << failure;
      }
    }
    std::cout << (dedicated ? "dedicated" : "generated") << " commands opened: " << opened
              << (Updating() ? " (golden files rewritten)" : "") << std::endl;
    if (only.empty()) {
      EXPECT_GT(opened, 0);
    }
  }

  static inline qrxtest::SimSession* session_ = nullptr;
  static inline std::string journal_;
  static inline std::string startError_;
  static inline fs::path goldenDir_;

  struct Saved {
    KySNMPDevice device;
    KySNMPScope scope;
    KySNMPSecurity security;
    int32_t timeout;
    int32_t retries;
  } saved_;
  QStringList boxes_;
};

TEST_F(DialogGolden, DedicatedDialogsMatchTheirGoldenFiles) {
  ClearDedicatedDialogs();
  RegisterDedicatedDialogs(DedicatedDialogs());
  RunAll(true);
  ClearDedicatedDialogs();
}

TEST_F(DialogGolden, GeneratedDialogsMatchTheirGoldenFiles) { RunAll(false); }

}  // namespace
