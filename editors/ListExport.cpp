#include "editors/ListExport.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QSaveFile>
#include <QTableView>
#include <QTreeView>
#include <set>

#include "editors/UiSupport.h"

namespace KyListExport {

namespace {

SaveFileHook& Hook() {
  static SaveFileHook hook;
  return hook;
}

const QHeaderView* ColumnHeader(const QAbstractItemView* view) {
  if (auto* tree = qobject_cast<const QTreeView*>(view)) return tree->header();
  if (auto* table = qobject_cast<const QTableView*>(view)) return table->horizontalHeader();
  return nullptr;
}

bool RowHidden(const QAbstractItemView* view, int row) {
  if (auto* tree = qobject_cast<const QTreeView*>(view)) return tree->isRowHidden(row, tree->rootIndex());
  if (auto* table = qobject_cast<const QTableView*>(view)) return table->isRowHidden(row);
  if (auto* list = qobject_cast<const QListView*>(view)) return list->isRowHidden(row);
  return false;
}

// A file name from the window's caption: characters that file systems refuse
// become "_".
QString SuggestedName(const QAbstractItemView* view) {
  QString name = view->window() ? view->window()->windowTitle().trimmed() : QString();
  if (name.isEmpty()) name = QStringLiteral("list");
  for (QChar& c : name)
    if (QStringLiteral("/\\:*?\"<>|").contains(c) || c.unicode() < 0x20) c = QLatin1Char('_');
  return name + QStringLiteral(".csv");
}

}  // namespace

void Install(QAbstractItemView* view) {
  if (view == nullptr || view->property("kyListExport").toBool()) return;
  view->setProperty("kyListExport", true);
  view->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(view, &QWidget::customContextMenuRequested, view, [view](const QPoint& pos) {
    QMenu menu(view);
    AddActions(&menu, view);
    menu.exec(view->viewport()->mapToGlobal(pos));
  });
}

void AddActions(QMenu* menu, QAbstractItemView* view) {
  if (menu == nullptr || view == nullptr) return;
  QAction* copy = menu->addAction(QString::fromLatin1(kCopyCaption));
  copy->setObjectName(QStringLiteral("actionListCopy"));
  QObject::connect(copy, &QAction::triggered, view, [view] { Copy(view); });
  QAction* exportCsv = menu->addAction(QString::fromLatin1(kExportCaption));
  exportCsv->setObjectName(QStringLiteral("actionListExportCsv"));
  QObject::connect(exportCsv, &QAction::triggered, view, [view] { ExportCsv(view); });
}

std::vector<int> ShownColumns(const QAbstractItemView* view) {
  std::vector<int> columns;
  const QAbstractItemModel* model = view ? view->model() : nullptr;
  if (model == nullptr) return columns;
  if (auto* list = qobject_cast<const QListView*>(view)) {
    if (list->modelColumn() < model->columnCount(list->rootIndex())) columns.push_back(list->modelColumn());
    return columns;
  }
  const int count = model->columnCount(view->rootIndex());
  const QHeaderView* header = ColumnHeader(view);
  if (header == nullptr) {
    for (int c = 0; c < count; ++c) columns.push_back(c);
    return columns;
  }
  for (int visual = 0; visual < header->count(); ++visual) {
    const int logical = header->logicalIndex(visual);
    if (logical < 0 || logical >= count) continue;
    // A zero-width section is a hidden column as much as a hidden section.
    if (header->isSectionHidden(logical) || header->sectionSize(logical) == 0) continue;
    columns.push_back(logical);
  }
  return columns;
}

QStringList Captions(const QAbstractItemView* view) {
  QStringList captions;
  if (view == nullptr || view->model() == nullptr) return captions;
  for (int c : ShownColumns(view))
    captions << view->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
  return captions;
}

QString CellText(const QAbstractItemView* view, const QModelIndex& index) {
  if (view != nullptr)
    if (const auto* shown = dynamic_cast<const ShownText*>(view->itemDelegateForIndex(index)))
      return shown->Text(index);
  return index.data(Qt::DisplayRole).toString();
}

std::vector<QStringList> Rows(const QAbstractItemView* view, bool selectedOnly) {
  std::vector<QStringList> rows;
  const QAbstractItemModel* model = view ? view->model() : nullptr;
  if (model == nullptr) return rows;
  const QModelIndex root = view->rootIndex();
  std::set<int> selected;
  if (selectedOnly && view->selectionModel())
    for (const QModelIndex& index : view->selectionModel()->selectedIndexes())
      if (index.parent() == root) selected.insert(index.row());
  const std::vector<int> columns = ShownColumns(view);
  for (int r = 0; r < model->rowCount(root); ++r) {
    if (RowHidden(view, r)) continue;
    if (!selected.empty() && !selected.count(r)) continue;
    QStringList cells;
    for (int c : columns) cells << CellText(view, model->index(r, c, root));
    rows.push_back(cells);
  }
  return rows;
}

QString JoinLine(const QStringList& fields, QChar separator) {
  QString line;
  for (qsizetype i = 0; i < fields.size(); ++i) {
    if (i > 0) line += separator;
    const QString& f = fields[i];
    if (f.contains(separator) || f.contains(QLatin1Char('"')) || f.contains(QLatin1Char('\r')) ||
        f.contains(QLatin1Char('\n'))) {
      QString quoted = f;
      quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
      line += QLatin1Char('"') + quoted + QLatin1Char('"');
    } else {
      line += f;
    }
  }
  return line + QStringLiteral("\r\n");
}

QString TableText(const QStringList& captions, const std::vector<QStringList>& rows, QChar separator) {
  QString text = JoinLine(captions, separator);
  for (const QStringList& row : rows) text += JoinLine(row, separator);
  return text;
}

QString CopyText(const QAbstractItemView* view) {
  return TableText(Captions(view), Rows(view, true), QLatin1Char('\t'));
}

void Copy(QAbstractItemView* view) {
  if (view == nullptr) return;
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(CopyText(view));
}

bool WriteTextFile(const QString& path, const QString& text, QString* error) {
  QSaveFile file(path);
  const QByteArray bytes = text.toUtf8();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = QStringLiteral("Cannot write %1: %2").arg(path, file.errorString());
    return false;
  }
  return true;
}

bool WriteCsv(const QAbstractItemView* view, const QString& path, QString* error) {
  return WriteTextFile(path, TableText(Captions(view), Rows(view, false), QLatin1Char(',')), error);
}

QString ExportCsv(QAbstractItemView* view) {
  if (view == nullptr) return {};
  const QString path = AskSaveFileName(view->window(), QString::fromLatin1(kExportCaption).remove(QStringLiteral("...")),
                                       SuggestedName(view), QStringLiteral("CSV files (*.csv);;All files (*)"));
  if (path.isEmpty()) return {};
  QString error;
  if (!WriteCsv(view, path, &error)) {
    ShowMessageBox(view->window(), error, ProgramCaption(), QMessageBox::Ok, QMessageBox::Warning);
    return {};
  }
  return path;
}

void SetSaveFileHook(SaveFileHook hook) { Hook() = std::move(hook); }

QString AskSaveFileName(QWidget* owner, const QString& caption, const QString& suggested, const QString& filter) {
  if (Hook()) return Hook()(owner, caption, suggested, filter);
  return QFileDialog::getSaveFileName(owner, caption, suggested, filter);
}

}  // namespace KyListExport
