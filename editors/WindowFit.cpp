#include "editors/WindowFit.h"

#include <QAbstractItemModel>
#include <QDialog>
#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

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
