// "Copy" and "Export CSV..." for any list view: one call installs a context
// menu on a QTreeWidget, QTreeView, QListView or QTableView that copies the
// selected rows (all rows when none is selected) as tab-separated text with
// the column captions as first line, or writes every row to a CSV file
// (RFC 4180 quoting, UTF-8, the captions as header).
//
// The texts are the cells as shown (the display role, or what the
// column's delegate draws instead); columns that are
// hidden or shrunk to zero width are left out. Nothing else of the list
// changes: its selection, its signals and its model are only read.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QAbstractItemView;
class QModelIndex;
class QMenu;
class QWidget;

namespace KyListExport {

// A delegate that draws cells with a text other than their display role
// (a port list as ranges) tells through this what it shows; Copy and Export
// CSV take that text.
class ShownText {
 public:
  virtual ~ShownText() = default;
  virtual QString Text(const QModelIndex& index) const = 0;
};

// The text a view shows in the cell at `index`.
QString CellText(const QAbstractItemView* view, const QModelIndex& index);

// Captions of the context menu.
inline constexpr const char* kCopyCaption = "Copy";
inline constexpr const char* kExportCaption = "Export CSV...";

// Installs the context menu (the view's context-menu policy becomes custom).
// The view's keys stay as they are. A dialog with a context menu of its own
// calls AddActions instead.
void Install(QAbstractItemView* view);
// Appends "Copy" and "Export CSV..." for `view` to `menu`.
void AddActions(QMenu* menu, QAbstractItemView* view);

// The shown columns of the view, in view order (logical column numbers).
std::vector<int> ShownColumns(const QAbstractItemView* view);
// The captions of the shown columns.
QStringList Captions(const QAbstractItemView* view);
// The shown cells of every row (selectedOnly: of the selected rows only, all
// rows when none is selected), in view order.
std::vector<QStringList> Rows(const QAbstractItemView* view, bool selectedOnly);

// One line of fields: separated by `separator`, a field holding the
// separator, a double quote, CR or LF enclosed in double quotes with its
// quotes doubled. Lines end with CR LF.
QString JoinLine(const QStringList& fields, QChar separator);
// Captions and rows as text: tab-separated for the clipboard, comma-separated
// for CSV.
QString TableText(const QStringList& captions, const std::vector<QStringList>& rows, QChar separator);
// The clipboard text of "Copy".
QString CopyText(const QAbstractItemView* view);
// "Copy": puts CopyText on the clipboard.
void Copy(QAbstractItemView* view);
// Writes the whole list as CSV to `path` (UTF-8, no byte order mark). False
// with `error` set when the file cannot be written.
bool WriteCsv(const QAbstractItemView* view, const QString& path, QString* error = nullptr);
// Writes `text` to `path` as UTF-8, replacing the file only once everything
// is written. False with `error` set otherwise.
bool WriteTextFile(const QString& path, const QString& text, QString* error = nullptr);
// "Export CSV...": asks for the file, writes it, reports a failure in a
// message box. Returns the path written (empty when cancelled or failed).
QString ExportCsv(QAbstractItemView* view);

// Asks for the name of a file to save (owner, caption, suggested name,
// filter); empty when cancelled. A hook replaces the file dialog (tests); an
// empty function removes it.
using SaveFileHook = std::function<QString(QWidget* owner, const QString& caption, const QString& suggested,
                                           const QString& filter)>;
void SetSaveFileHook(SaveFileHook hook);
QString AskSaveFileName(QWidget* owner, const QString& caption, const QString& suggested, const QString& filter);

}  // namespace KyListExport
