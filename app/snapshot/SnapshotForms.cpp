#include "app/snapshot/SnapshotForms.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/snapshot/SnapshotReader.h"
#include "editors/ListExport.h"
#include "editors/UiSupport.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

SnapshotOpenFileHook& OpenHook() {
  static SnapshotOpenFileHook hook;
  return hook;
}

constexpr int kDifferenceRole = Qt::UserRole + 1;

}  // namespace

void SetSnapshotOpenFileHook(SnapshotOpenFileHook hook) { OpenHook() = std::move(hook); }

QString AskSnapshotFileToOpen(QWidget* owner, const QString& caption) {
  if (OpenHook()) return OpenHook()(owner, caption);
  return QFileDialog::getOpenFileName(owner, caption, QString(), kSnapshotFileFilter);
}

// ---------------------------------------------------------------------------

TSnapshotProgressForm::TSnapshotProgressForm(QWidget* owner, const QString& caption)
    : QDialog(owner), reader_(std::make_unique<KySettingsSnapshotReader>()) {
  setObjectName("SnapshotProgressForm");
  setWindowTitle(caption);
  setModal(false);
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  commandLabel = new QLabel(this);
  commandLabel->setObjectName("commandLabel");
  rowsLabel = new QLabel(this);
  rowsLabel->setObjectName("rowsLabel");
  currentLabel = new QLabel(this);
  currentLabel->setObjectName("currentLabel");
  currentLabel->setTextFormat(Qt::PlainText);
  currentLabel->setMinimumWidth(420);
  progressBar = new QProgressBar(this);
  progressBar->setObjectName("progressBar");
  btnCancel = new QPushButton("Cancel", this);
  btnCancel->setObjectName("btnCancel");
  layout->addWidget(commandLabel);
  layout->addWidget(currentLabel);
  layout->addWidget(rowsLabel);
  layout->addWidget(progressBar);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);
  connect(btnCancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
}

TSnapshotProgressForm::~TSnapshotProgressForm() = default;

void TSnapshotProgressForm::Start() {
  QPointer<TSnapshotProgressForm> self(this);
  reader_->Start(
      [self](const KySettingsSnapshotReader::Progress& p) {
        if (!self) return;
        const int k = std::min(p.commandsDone + 1, p.commandsTotal);
        self->commandLabel->setText(QString("Reading command %1 of %2").arg(k).arg(p.commandsTotal));
        self->rowsLabel->setText(QString("Rows so far: %1").arg(p.rows));
        self->currentLabel->setText(Q(p.current));
        self->progressBar->setRange(0, std::max(1, p.commandsTotal));
        self->progressBar->setValue(p.commandsDone);
      },
      [self] {
        // From a completion: the rest happens from the event loop.
        QTimer::singleShot(0, self.data(), [self] {
          if (!self || self->ended_) return;
          self->ended_ = true;
          emit self->snapshotDone();
          self->close();
        });
      });
}

void TSnapshotProgressForm::btnCancelClick() {
  if (ended_) return;
  ended_ = true;
  reader_->Cancel();
  emit snapshotCancelled();
  close();
}

void TSnapshotProgressForm::reject() {
  // Escape and the window's close button cancel.
  if (!ended_) btnCancelClick();
  else QDialog::reject();
}

void TSnapshotProgressForm::closeEvent(QCloseEvent* event) {
  if (!ended_) {
    btnCancelClick();
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

// ---------------------------------------------------------------------------

QStringList TSettingsCompareForm::Captions() { return {"Setting", "Row", "Difference", "First", "Second"}; }

TSettingsCompareForm::TSettingsCompareForm(QWidget* owner, const SettingsSnapshot& first, const QString& firstName,
                                           const SettingsSnapshot& second, const QString& secondName,
                                           std::function<void(const MenuEntry&)> openCommand)
    : QWidget(owner, Qt::Window), differences_(CompareSnapshots(first, second)), openCommand_(std::move(openCommand)) {
  setObjectName("SettingsCompareForm");
  setAttribute(Qt::WA_DeleteOnClose);
  resize(900, 520);
  auto* layout = new QVBoxLayout(this);
  auto* sides = new QLabel(QString("First: %1\nSecond: %2").arg(firstName, secondName), this);
  sides->setObjectName("sidesLabel");
  sides->setTextFormat(Qt::PlainText);
  summaryLabel = new QLabel(this);
  summaryLabel->setObjectName("summaryLabel");
  filterEdit = new QLineEdit(this);
  filterEdit->setObjectName("filterEdit");
  filterEdit->setPlaceholderText("Filter");
  filterEdit->setClearButtonEnabled(true);
  differenceList = new QTreeWidget(this);
  differenceList->setObjectName("differenceList");
  differenceList->setHeaderLabels(Captions());
  differenceList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  differenceList->setContextMenuPolicy(Qt::CustomContextMenu);
  differenceList->setRootIsDecorated(true);
  differenceList->setUniformRowHeights(true);
  btnOpen = new QPushButton("Open", this);
  btnOpen->setObjectName("btnOpen");
  btnClose = new QPushButton("Close", this);
  btnClose->setObjectName("btnClose");
  layout->addWidget(sides);
  layout->addWidget(summaryLabel);
  layout->addWidget(filterEdit);
  layout->addWidget(differenceList, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnOpen);
  buttons->addWidget(btnClose);
  layout->addLayout(buttons);

  connect(filterEdit, &QLineEdit::textChanged, this, [this](const QString& text) { SetFilter(text); });
  connect(btnOpen, &QPushButton::clicked, this, [this] { btnOpenClick(); });
  connect(btnClose, &QPushButton::clicked, this, &QWidget::close);
  connect(differenceList, &QTreeWidget::currentItemChanged, this, [this] { UpdateButtons(); });
  connect(differenceList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    if (item != nullptr && item->parent() != nullptr) btnOpenClick();
  });
  connect(differenceList, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { ShowContextMenu(at); });
  Fill();
  UpdateButtons();
}

TSettingsCompareForm::~TSettingsCompareForm() = default;

void TSettingsCompareForm::Fill() {
  differenceList->clear();
  if (differences_.empty()) {
    summaryLabel->setText(kNoDifferencesText);
    return;
  }
  int commands = 0;
  QTreeWidgetItem* group = nullptr;
  for (size_t k = 0; k < differences_.size(); ++k) {
    const SnapshotDifference& d = differences_[k];
    if (group == nullptr || group->data(0, Qt::UserRole).toString() != Q(d.path)) {
      group = new QTreeWidgetItem(differenceList);
      group->setData(0, Qt::UserRole, Q(d.path));
      group->setFirstColumnSpanned(true);
      QFont bold = group->font(0);
      bold.setBold(true);
      group->setFont(0, bold);
      group->setExpanded(true);
      ++commands;
    }
    auto* line = new QTreeWidgetItem(group);
    line->setData(0, kDifferenceRole, static_cast<qulonglong>(k));
    const bool wholeRow = d.kind == SnapshotDiffKind::OnlyInBefore || d.kind == SnapshotDiffKind::OnlyInAfter;
    line->setText(0, d.kind == SnapshotDiffKind::NotRead ? QString("(command)")
                     : wholeRow                           ? QString("(row)")
                                                          : Q(d.label));
    line->setText(1, Q(d.index));
    line->setText(2, Q(d.KindText()));
    line->setText(3, Q(d.before));
    line->setText(4, Q(d.after));
    for (int c = 0; c < 5; ++c) line->setToolTip(c, line->text(c));
  }
  for (int i = 0; i < differenceList->topLevelItemCount(); ++i) differenceList->topLevelItem(i)->setExpanded(true);
  summaryLabel->setText(QString("%1 difference%2 in %3 command%4")
                            .arg(differences_.size())
                            .arg(differences_.size() == 1 ? "" : "s")
                            .arg(commands)
                            .arg(commands == 1 ? "" : "s"));
  SetFilter(filterEdit->text());
  differenceList->header()->resizeSections(QHeaderView::ResizeToContents);
  differenceList->setColumnWidth(0, std::max(differenceList->columnWidth(0), 260));
}

void TSettingsCompareForm::SetFilter(const QString& text) {
  if (filterEdit->text() != text) {
    filterEdit->setText(text);  // comes back here through textChanged
    return;
  }
  const QString needle = text.trimmed();
  for (int g = 0; g < differenceList->topLevelItemCount(); ++g) {
    QTreeWidgetItem* group = differenceList->topLevelItem(g);
    const QString path = group->data(0, Qt::UserRole).toString();
    const bool pathMatches = needle.isEmpty() || path.contains(needle, Qt::CaseInsensitive);
    int shown = 0;
    for (int c = 0; c < group->childCount(); ++c) {
      QTreeWidgetItem* line = group->child(c);
      bool match = pathMatches;
      for (int col = 0; col < 5 && !match; ++col) match = line->text(col).contains(needle, Qt::CaseInsensitive);
      line->setHidden(!match);
      if (match) ++shown;
    }
    group->setHidden(shown == 0);
    group->setText(0, QString("%1 (%2)").arg(path).arg(shown));
  }
  UpdateButtons();
}

const SnapshotDifference* TSettingsCompareForm::DifferenceOf(QTreeWidgetItem* item) const {
  if (item == nullptr) return nullptr;
  if (item->parent() == nullptr) item = item->childCount() > 0 ? item->child(0) : nullptr;
  if (item == nullptr) return nullptr;
  const qulonglong k = item->data(0, kDifferenceRole).toULongLong();
  return k < differences_.size() ? &differences_[k] : nullptr;
}

void TSettingsCompareForm::UpdateButtons() {
  const SnapshotDifference* d = DifferenceOf(differenceList->currentItem());
  btnOpen->setEnabled(openCommand_ && d != nullptr && FindMenuEntry(d->handler) != nullptr);
}

void TSettingsCompareForm::btnOpenClick() {
  const SnapshotDifference* d = DifferenceOf(differenceList->currentItem());
  if (d == nullptr || !openCommand_) return;
  if (const MenuEntry* entry = FindMenuEntry(d->handler)) openCommand_(*entry);
}

std::vector<QStringList> TSettingsCompareForm::ShownRows(bool selectedOnly) const {
  std::vector<QStringList> rows;
  bool anySelected = false;
  if (selectedOnly)
    for (QTreeWidgetItem* item : differenceList->selectedItems()) anySelected = anySelected || !item->isHidden();
  for (int g = 0; g < differenceList->topLevelItemCount(); ++g) {
    QTreeWidgetItem* group = differenceList->topLevelItem(g);
    if (group->isHidden()) continue;
    for (int c = 0; c < group->childCount(); ++c) {
      QTreeWidgetItem* line = group->child(c);
      if (line->isHidden()) continue;
      if (anySelected && !line->isSelected() && !group->isSelected()) continue;
      QStringList fields{group->data(0, Qt::UserRole).toString()};
      for (int col = 0; col < 5; ++col) fields << line->text(col);
      rows.push_back(fields);
    }
  }
  return rows;
}

QString TSettingsCompareForm::CopyText() const {
  return KyListExport::TableText(QStringList{"Menu"} + Captions(), ShownRows(true), QChar('\t'));
}

QString TSettingsCompareForm::CsvText() const {
  return KyListExport::TableText(QStringList{"Menu"} + Captions(), ShownRows(false), QChar(','));
}

void TSettingsCompareForm::Copy() { QApplication::clipboard()->setText(CopyText()); }

QString TSettingsCompareForm::ExportCsv() {
  const QString path =
      KyListExport::AskSaveFileName(this, KyListExport::kExportCaption, "settings-differences.csv", "CSV (*.csv)");
  if (path.isEmpty()) return {};
  QString error;
  if (!KyListExport::WriteTextFile(path, CsvText(), &error)) {
    ShowMessageBox(this, error, ProgramCaption(), QMessageBox::Ok, QMessageBox::Critical);
    return {};
  }
  return path;
}

void TSettingsCompareForm::ShowContextMenu(const QPoint& at) {
  QMenu menu(this);
  QAction* open = menu.addAction("Open");
  open->setEnabled(btnOpen->isEnabled());
  connect(open, &QAction::triggered, this, [this] { btnOpenClick(); });
  menu.addSeparator();
  connect(menu.addAction(KyListExport::kCopyCaption), &QAction::triggered, this, [this] { Copy(); });
  connect(menu.addAction(KyListExport::kExportCaption), &QAction::triggered, this, [this] { ExportCsv(); });
  menu.exec(differenceList->viewport()->mapToGlobal(at));
}
