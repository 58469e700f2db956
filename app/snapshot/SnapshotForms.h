// The windows of the settings snapshots: the progress of a snapshot being
// read (command k of n, rows so far, Cancel), and the comparison window
// (differences grouped by menu path with a count per command, a filter box,
// "Open" for the command's dialog, and "Copy" and "Export CSV..." as every
// list has them).
#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "app/snapshot/SettingsSnapshot.h"

class KySettingsSnapshotReader;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// A snapshot read in the background: a window of its own that does not
// block the main window. Once the read has ended (or was cancelled) the
// window emits snapshotDone or snapshotCancelled, from the event loop, and
// closes; it frees itself.
class TSnapshotProgressForm : public QDialog {
  Q_OBJECT

 public:
  TSnapshotProgressForm(QWidget* owner, const QString& caption);
  ~TSnapshotProgressForm() override;

  // Starts reading; raises when the first request cannot be sent.
  void Start();
  KySettingsSnapshotReader& Reader() { return *reader_; }

  // Cancel: stops the reads; nothing is saved or compared.
  void btnCancelClick();

  QLabel* commandLabel = nullptr;  // "Reading command k of n"
  QLabel* rowsLabel = nullptr;     // "Rows so far: r"
  QLabel* currentLabel = nullptr;  // the command read last started
  QProgressBar* progressBar = nullptr;
  QPushButton* btnCancel = nullptr;

 signals:
  // The snapshot is read (Reader().Result(), or Reader().Failure()).
  void snapshotDone();
  void snapshotCancelled();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  std::unique_ptr<KySettingsSnapshotReader> reader_;
  bool ended_ = false;
};

// The differences between two sides ("first" and "second").
class TSettingsCompareForm : public QWidget {
  Q_OBJECT

 public:
  // `openCommand` opens a command's dialog on the live switch (null: "Open"
  // stays disabled). The sides are described by `firstName` and `secondName`.
  TSettingsCompareForm(QWidget* owner, const SettingsSnapshot& first, const QString& firstName,
                       const SettingsSnapshot& second, const QString& secondName,
                       std::function<void(const MenuEntry&)> openCommand = {});
  ~TSettingsCompareForm() override;

  const std::vector<SnapshotDifference>& Differences() const { return differences_; }
  // Shows only the lines that hold `text` (any case) in any column or in
  // their menu path.
  void SetFilter(const QString& text);
  // Opens the dialog of the command of the current line.
  void btnOpenClick();
  // The texts "Copy" puts on the clipboard and "Export CSV..." writes: the
  // menu path and the columns of the lines shown (the selected ones only for
  // Copy when some are selected).
  QString CopyText() const;
  QString CsvText() const;
  void Copy();
  QString ExportCsv();

  QLabel* summaryLabel = nullptr;
  QLineEdit* filterEdit = nullptr;
  QTreeWidget* differenceList = nullptr;
  QPushButton* btnOpen = nullptr;
  QPushButton* btnClose = nullptr;

  // Column captions of the list.
  static QStringList Captions();

 private:
  void Fill();
  void UpdateButtons();
  void ShowContextMenu(const QPoint& at);
  std::vector<QStringList> ShownRows(bool selectedOnly) const;
  const SnapshotDifference* DifferenceOf(QTreeWidgetItem* item) const;

  std::vector<SnapshotDifference> differences_;
  std::function<void(const MenuEntry&)> openCommand_;
};

// Asks for a snapshot file to open (owner, caption); empty when cancelled. A
// hook replaces the file dialog (tests); an empty function removes it.
using SnapshotOpenFileHook = std::function<QString(QWidget* owner, const QString& caption)>;
void SetSnapshotOpenFileHook(SnapshotOpenFileHook hook);
QString AskSnapshotFileToOpen(QWidget* owner, const QString& caption);

// The file filter of the snapshot file dialogs.
inline constexpr const char* kSnapshotFileFilter = "Settings snapshots (*.json);;All files (*)";
