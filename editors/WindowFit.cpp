#include "editors/WindowFit.h"

#include <QAbstractItemModel>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <set>
#include <vector>

#include "editors/UiSupport.h"

namespace {

// Room a cell needs beside its text (margins, an item's decoration indent).
constexpr int kCellPadding = 16;
// What a title bar needs beside its caption: icon, buttons, margins (96 dpi).
constexpr int kTitleBarExtra = 130;
// What the window frame and title bar take from the screen (96 dpi).
constexpr int kFrameWidth = 4;
constexpr int kFrameHeight = 32;

}  // namespace

int CellTextWidth(const QTreeView* view, const QModelIndex& index) {
  const QString text = index.data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return 0;
  QFont font = view->font();
  const QVariant f = index.data(Qt::FontRole);
  if (f.canConvert<QFont>()) font = f.value<QFont>();
  int width = QFontMetrics(font).horizontalAdvance(text) + Px(view, kCellPadding);
  if (index.column() == 0 && index.parent().isValid()) width += view->indentation();
  if (!index.data(Qt::DecorationRole).isNull()) width += view->iconSize().width() + Px(view, 4);
  if (index.data(Qt::CheckStateRole).isValid()) width += Px(view, 20);
  return width;
}

namespace {

int TextWidth(const QTreeView* view, const QModelIndex& index) { return CellTextWidth(view, index); }

int HeaderWidth(const QTreeView* view, int column) {
  const QHeaderView* header = view->header();
  if (header->isHidden()) return 0;
  const QString text = view->model()->headerData(column, Qt::Horizontal).toString();
  return header->fontMetrics().horizontalAdvance(text) + Px(view, kCellPadding);
}

// Every row of `parent` and below, depth first.
template <typename Visit>
void ForEachRow(const QAbstractItemModel* model, const QModelIndex& parent, Visit visit) {
  const int rows = model->rowCount(parent);
  for (int r = 0; r < rows; ++r) {
    visit(r, parent);
    const QModelIndex first = model->index(r, 0, parent);
    if (model->hasChildren(first)) ForEachRow(model, first, visit);
  }
}

class ListFitter : public QObject {
 public:
  explicit ListFitter(QTreeView* view) : QObject(view), view_(view) {
    setObjectName(QStringLiteral("ListFitter"));
    timer_.setSingleShot(true);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { Update(); });
    view->viewport()->installEventFilter(this);
    view->installEventFilter(this);
    Watch();
  }

  void Schedule() { timer_.start(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Only these two; the events of a view being torn down (its viewport
    // goes before this filter) never reach the view's pointer.
    if (event->type() != QEvent::ToolTip && event->type() != QEvent::FocusIn) return false;
    if (!view_) return false;
    if (watched == view_->viewport() && event->type() == QEvent::ToolTip) return ShowTip(static_cast<QHelpEvent*>(event));
    if (watched == view_ && event->type() == QEvent::FocusIn) Schedule();  // focus makes row 1 current
    return false;
  }

 private:
  void Watch() {
    QAbstractItemModel* model = view_->model();
    if (model != model_) {
      if (model_) disconnect(model_, nullptr, this, nullptr);
      model_ = model;
      if (model) {
        for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
          connect(model, signal, this, &ListFitter::Schedule);
        connect(model, &QAbstractItemModel::modelReset, this, &ListFitter::Schedule);
        connect(model, &QAbstractItemModel::layoutChanged, this, &ListFitter::Schedule);
        connect(model, &QAbstractItemModel::dataChanged, this, &ListFitter::Schedule);
        connect(model, &QAbstractItemModel::headerDataChanged, this, &ListFitter::Schedule);
      }
    }
    QItemSelectionModel* selection = view_->selectionModel();
    if (selection != selection_) {
      if (selection_) disconnect(selection_, nullptr, this, nullptr);
      selection_ = selection;
      if (selection) {
        connect(selection, &QItemSelectionModel::currentChanged, this, &ListFitter::Schedule);
        connect(selection, &QItemSelectionModel::selectionChanged, this, &ListFitter::Schedule);
      }
    }
  }

  void Update() {
    if (!view_) return;
    Watch();
    FitListColumns(view_);
    // A current row that is not selected looks selected to the operator:
    // with nothing selected there is no current row.
    QItemSelectionModel* selection = view_->selectionModel();
    if (selection && !selection->hasSelection() && selection->currentIndex().isValid()) selection->clearCurrentIndex();
  }

  // The whole text of a cell that its column cuts.
  bool ShowTip(QHelpEvent* help) {
    const QModelIndex index = view_->indexAt(help->pos());
    if (!index.isValid()) return false;
    if (!index.data(Qt::ToolTipRole).toString().isEmpty()) return false;  // the model's own tooltip
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty() || TextWidth(view_, index) <= view_->visualRect(index).width()) {
      QToolTip::hideText();
      help->ignore();
      return true;
    }
    QToolTip::showText(help->globalPos(), text, view_->viewport(), view_->visualRect(index));
    return true;
  }

  QPointer<QTreeView> view_;
  QPointer<QAbstractItemModel> model_;
  QPointer<QItemSelectionModel> selection_;
  QTimer timer_;
};

}  // namespace

void FitListColumns(QTreeView* view) {
  const QAbstractItemModel* model = view->model();
  if (model == nullptr) return;
  QHeaderView* header = view->header();
  const int columns = model->columnCount();
  const int limit = Px(view, kListColumnLimit);
  for (int c = 0; c < columns; ++c) {
    if (view->isColumnHidden(c)) continue;
    int width = HeaderWidth(view, c);
    ForEachRow(model, QModelIndex(), [&](int row, const QModelIndex& parent) {
      width = std::max(width, std::min(limit, TextWidth(view, model->index(row, c, parent))));
    });
    // A column never gets narrower than its header, nor than it was set
    // wider by the dialog; a stretching last column takes the rest anyway.
    if (header->sectionResizeMode(c) == QHeaderView::Interactive && header->sectionSize(c) < width)
      header->resizeSection(c, width);
  }
  view->setTextElideMode(Qt::ElideRight);
}

void KeepListFitted(QTreeView* view) {
  if (view == nullptr || view->findChild<QObject*>(QStringLiteral("ListFitter"), Qt::FindDirectChildrenOnly)) return;
  (new ListFitter(view))->Schedule();
}

int CaptionWidth(const QWidget* window) {
  return window->fontMetrics().horizontalAdvance(window->windowTitle()) + Px(window, kTitleBarExtra);
}

void FitWindowToScreen(QDialog* dialog) {
  QLayout* layout = dialog->layout();
  if (layout == nullptr) return;
  QWidget* owner = dialog->parentWidget();
  QScreen* screen = owner != nullptr ? owner->screen() : dialog->screen();
  if (screen == nullptr) return;
  const QSize room = screen->availableGeometry().size() - QSize(Px(dialog, kFrameWidth), Px(dialog, kFrameHeight));
  if (room.width() <= 0 || room.height() <= 0) return;
  dialog->ensurePolished();
  layout->activate();

  const QSize needed = layout->totalMinimumSize().expandedTo(dialog->minimumSize());
  if (needed.width() > room.width() || needed.height() > room.height()) {
    // The body scrolls inside a window that fits.
    auto* body = new QWidget;
    body->setObjectName(QStringLiteral("DialogBody"));
    body->setLayout(layout);  // takes the layout, and its widgets, from the dialog
    auto* scroll = new QScrollArea(dialog);
    scroll->setObjectName(QStringLiteral("DialogScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);  // Tab goes to the fields, never to the frame around them
    scroll->setWidgetResizable(true);
    scroll->setWidget(body);
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    dialog->setMinimumSize(0, 0);
    const QSize bodySize = body->minimumSizeHint().expandedTo(body->sizeHint());
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    const QSize want(std::min(room.width(), bodySize.width() + bar), std::min(room.height(), bodySize.height() + bar));
    scroll->setMinimumSize(std::min(want.width(), room.width()), std::min(want.height(), room.height()));
    outer->activate();
  }
  const int captionWidth = std::min(CaptionWidth(dialog), room.width());
  if (dialog->minimumWidth() < captionWidth) dialog->setMinimumWidth(captionWidth);
  // A window that would open larger than the room gets the room.
  const QSize planned = dialog->testAttribute(Qt::WA_Resized)
                            ? dialog->size()
                            : dialog->sizeHint().expandedTo(dialog->minimumSize());
  if (planned.width() > room.width() || planned.height() > room.height())
    dialog->resize(planned.boundedTo(room).expandedTo(dialog->minimumSize()));
}

namespace {

// Widgets that take the focus as a whole: their own children are parts of
// them, never stops of their own.
bool TakesFocusWhole(const QWidget* w) {
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const QLineEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
         qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
         qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractSlider*>(w);
}

// Collects the Tab stops below a window in reading order.
class ReadingOrder {
 public:
  explicit ReadingOrder(QWidget* window) : window_(window) {}

  std::vector<QWidget*> Stops() {
    Children(window_);
    return stops_;
  }

 private:
  void Widget(QWidget* w) {
    if (w == nullptr || w->isWindow() || !seen_.insert(w).second) return;
    // A widget that hands its focus to a part of it (a tab widget to its
    // tab bar) is the stop for that part.
    if ((w->focusPolicy() & Qt::TabFocus) && !StandsInFor(w)) stops_.push_back(w);
    if (!TakesFocusWhole(w)) Children(w);
  }

  bool StandsInFor(const QWidget* w) const {
    for (const QWidget* p = w->parentWidget(); p != nullptr && p != window_; p = p->parentWidget())
      if (p->focusProxy() == w) return true;
    return false;
  }

  // The widget's layout first, then its children outside it, by position.
  void Children(QWidget* w) {
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      // The tab titles, then the pages.
      Widget(tabs->tabBar());
      for (int i = 0; i < tabs->count(); ++i) Widget(tabs->widget(i));
    }
    if (w->layout() != nullptr) Layout(w->layout());
    std::vector<QWidget*> free;
    for (QObject* o : w->children()) {
      auto* child = qobject_cast<QWidget*>(o);
      if (child != nullptr && !child->isWindow() && !seen_.count(child)) free.push_back(child);
    }
    std::stable_sort(free.begin(), free.end(), [](const QWidget* a, const QWidget* b) {
      return std::make_pair(a->y(), a->x()) < std::make_pair(b->y(), b->x());
    });
    for (QWidget* child : free) Widget(child);
  }

  void Item(QLayoutItem* item) {
    if (item == nullptr) return;
    if (item->widget() != nullptr) Widget(item->widget());
    else if (item->layout() != nullptr) Layout(item->layout());
  }

  void Layout(QLayout* layout) {
    struct Cell {
      int row, column;
      QLayoutItem* item;
    };
    std::vector<Cell> cells;
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
      for (int i = 0; i < grid->count(); ++i) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(i, &row, &column, &rows, &columns);
        cells.push_back({row, column, grid->itemAt(i)});
      }
    } else if (auto* form = qobject_cast<QFormLayout*>(layout)) {
      for (int i = 0; i < form->count(); ++i) {
        int row = 0;
        QFormLayout::ItemRole role = QFormLayout::LabelRole;
        form->getItemPosition(i, &row, &role);
        cells.push_back({row, role == QFormLayout::LabelRole ? 0 : role == QFormLayout::FieldRole ? 1 : 0, form->itemAt(i)});
      }
    } else {
      const auto* box = qobject_cast<QBoxLayout*>(layout);
      const bool backwards = box != nullptr && (box->direction() == QBoxLayout::RightToLeft ||
                                                box->direction() == QBoxLayout::BottomToTop);
      for (int i = 0; i < layout->count(); ++i) cells.push_back({backwards ? -i : i, 0, layout->itemAt(i)});
    }
    std::stable_sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
      return std::make_pair(a.row, a.column) < std::make_pair(b.row, b.column);
    });
    for (const Cell& cell : cells) Item(cell.item);
  }

  QWidget* window_;
  std::vector<QWidget*> stops_;
  std::set<QWidget*> seen_;
};

}  // namespace

void OrderTabsAsShown(QWidget* window) {
  const std::vector<QWidget*> stops = ReadingOrder(window).Stops();
  for (size_t i = 1; i < stops.size(); ++i) QWidget::setTabOrder(stops[i - 1], stops[i]);
}
