#include "editors/GUIGenerator.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/ListExport.h"
#include "editors/UiSupport.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

bool IsShown(const QWidget* w) { return w != nullptr && !w->isHidden(); }

// The program's main window, when there is one.
QWidget* MainForm() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<QMainWindow*>(w) && w->isVisible()) return w;
  return nullptr;
}

void CenterOn(QWidget* window, QWidget* owner) {
  QRect area;
  if (owner != nullptr && owner->isVisible()) {
    area = owner->frameGeometry();
  } else if (QScreen* screen = QApplication::primaryScreen()) {
    area = screen->availableGeometry();
  } else {
    return;
  }
  QRect frame = window->frameGeometry();
  frame.moveCenter(area.center());
  window->move(frame.topLeft());
}

}  // namespace


// ===========================================================================
TEditsPanel::TEditsPanel(QWidget* owner, KySNMPRequest2Edits* editor)
    : QWidget(owner), editor_(editor), scroll_(new QScrollArea(this)), inner_(new QWidget), note_(nullptr) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(false);
  scroll_->setWidget(inner_);
  layout->addWidget(scroll_);
  note_ = new QLabel(inner_);
  note_->hide();
  if (editor_ == nullptr) return;

  auto& list = editor_->request.varList;
  rows_.resize(static_cast<size_t>(list.Count()));
  for (int i = 0; i < list.Count(); ++i) {
    UISnmpVar& row = rows_[static_cast<size_t>(i)];
    const auto& var = list.Item(i);
    const bool readOnly = IsVariableReadOnly(i);
    row.kind = var.options ? (readOnly ? 4 : 3) : (readOnly ? 1 : 2);
    row.format = "%s";
    row.check = new QCheckBox(inner_);
    row.check->setFixedWidth(Px(this, 20));
    row.check->setFocusPolicy(Qt::NoFocus);
    SetControlTag(row.check, i);
    connect(row.check, &QCheckBox::clicked, this, [this] { RowCheckClicked(); });
    row.label = new QLabel(Q(var.label), inner_);
    SetControlTag(row.label, i);
    if (row.kind == 3) {
      auto* combo = new QComboBox(inner_);
      SetControlTag(combo, i);
      row.editor = combo;
      editor_->AssociateControl(i, combo);
    } else {
      auto* edit = new QLineEdit(inner_);
      SetControlTag(edit, i);
      row.editor = edit;
      editor_->AssociateEdits(i, row.format, edit);
    }
  }
  readOnlyFont_ = Qt::black;
  readOnlyBackground_ = palette().color(QPalette::Button);
  ApplyAccess(false);
  Arrange(true);
}

TEditsPanel::~TEditsPanel() = default;

bool TEditsPanel::IsVariableReadOnly(int index) const {
  if (editor_ == nullptr) return true;
  const auto& list = editor_->request.varList;
  if (index < 0 || index >= list.Count()) return true;
  return !list.IsWritable(index) || (list.IsTable() && index < list.keyCount);
}

void TEditsPanel::SetEditorColors(QWidget* editor, const QColor& font, const QColor& background) {
  QPalette pal = editor->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(group, QPalette::Text, font);
    pal.setColor(group, QPalette::ButtonText, font);
    pal.setColor(group, QPalette::Base, background);
  }
  editor->setPalette(pal);
}

void TEditsPanel::SetRowReadOnly(int index) {
  if (index < 0 || index >= RowCount()) {
    ShowMessageBox(this, QStringLiteral("aIdx is overtop!\n you may define < %1").arg(RowCount()), ProgramCaption());
    return;
  }
  UISnmpVar& row = Row(index);
  row.check->setEnabled(false);
  row.check->hide();
  row.check->setChecked(false);
  if (auto* edit = qobject_cast<QLineEdit*>(row.editor)) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::ClickFocus);
  } else {
    row.editor->setEnabled(false);
  }
  SetEditorColors(row.editor, readOnlyFont_, readOnlyBackground_);
}

void TEditsPanel::SetRowEditable(int index) {
  if (index < 0 || index >= RowCount()) {
    ShowMessageBox(this, QStringLiteral("aIdx is overtop!\n you may define < %1").arg(RowCount()), ProgramCaption());
    return;
  }
  UISnmpVar& row = Row(index);
  row.check->setEnabled(true);
  if (!(editor_->request.varList.Item(index).access & Access::Hidden)) row.check->show();
  row.check->setChecked(defaultCheck_);
  if (auto* edit = qobject_cast<QLineEdit*>(row.editor)) {
    edit->setReadOnly(row.octetItem != nullptr);  // a port list is changed through its grid
    edit->setFocusPolicy(Qt::StrongFocus);
  } else {
    row.editor->setEnabled(true);
  }
  SetEditorColors(row.editor, Qt::black, Qt::white);
}

void TEditsPanel::ApplyAccess(bool defaultCheck) {
  defaultCheck_ = defaultCheck;
  for (int i = 0; i < RowCount(); ++i) {
    if (IsVariableReadOnly(i)) SetRowReadOnly(i);
    else SetRowEditable(i);
  }
}

void TEditsPanel::SetReadOnlyColors(const QColor& font, const QColor& background) {
  readOnlyFont_ = font;
  readOnlyBackground_ = background;
  for (int i = 0; i < RowCount(); ++i)
    if (IsVariableReadOnly(i)) SetRowReadOnly(i);
}

void TEditsPanel::Arrange(bool sizing) {
  const auto& list = editor_ ? editor_->request.varList : KySNMPVarList();
  const int width = Px(this, editWidth_);
  int widestLabel = 0;
  for (int i = 0; i < RowCount(); ++i) {
    if (list.Item(i).access & Access::Hidden) continue;
    widestLabel = std::max(widestLabel, Row(i).label->sizeHint().width());
  }
  const int checkLeft = Px(this, 20);
  const int checkWidth = Px(this, 20);
  const int labelLeft = checkLeft + checkWidth + Px(this, 5);
  const int editorLeft = labelLeft + widestLabel + Px(this, 5);
  int top = Px(this, 20);
  int right = editorLeft + width, bottom = top;
  bool first = true;
  for (int i = 0; i < RowCount(); ++i) {
    UISnmpVar& row = Row(i);
    const bool hidden = (list.Item(i).access & Access::Hidden) != 0;
    if (hidden) {
      row.editor->hide();
      row.check->hide();
      row.label->hide();
      continue;
    }
    row.editor->show();
    row.label->show();
    int h = row.editor->sizeHint().height();
    if (h < 20) h = 21;
    int w = width;
    if (auto* combo = qobject_cast<QComboBox*>(row.editor)) w = std::max(w, combo->sizeHint().width());
    if (!first) top += Px(this, 5);
    first = false;
    row.editor->setGeometry(editorLeft, top, w, h);
    const int checkH = row.check->sizeHint().height();
    row.check->setGeometry(checkLeft, top + (h - checkH) / 2, checkWidth, checkH);
    const QSize labelSize = row.label->sizeHint();
    row.label->setGeometry(labelLeft, top + (h - labelSize.height()) / 2, labelSize.width(), labelSize.height());
    right = std::max(right, editorLeft + w);
    top += h;
    bottom = top;
  }
  int innerW = right + Px(this, 40);
  int innerH = bottom + Px(this, 40);
  if (!note_->isHidden()) {
    const QSize ns = note_->sizeHint();
    innerH = std::max(innerH, bottom + Px(this, 5) + ns.height() + Px(this, 15));
    innerW = std::max(innerW, Px(this, 20) + ns.width() + Px(this, 20));
    note_->setGeometry(Px(this, 20), innerH - Px(this, 15) - ns.height(), ns.width(), ns.height());
  }
  inner_->resize(innerW, innerH);
  if (sizing) resize(innerW, innerH);
}

void TEditsPanel::SetEditWidth(int width) {
  editWidth_ = width;
  Arrange(true);
}

int TEditsPanel::EditableRowCount() const {
  int n = 0;
  for (const auto& row : rows_) n += (IsShown(row.check) && row.check->isEnabled()) ? 1 : 0;
  return n;
}

int TEditsPanel::CheckedRowCount() const {
  int n = 0;
  for (const auto& row : rows_) n += (IsShown(row.check) && row.check->isChecked()) ? 1 : 0;
  return n;
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* bar) {
  if (editor_ == nullptr) RaiseText("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
  if (bar == nullptr) return;
  bar_ = bar;
  for (QWidget* w : {static_cast<QWidget*>(bar->samplesLabel), static_cast<QWidget*>(bar->counter),
                     static_cast<QWidget*>(bar->btnEdit), static_cast<QWidget*>(bar->btnAdd),
                     static_cast<QWidget*>(bar->btnDelete)})
    w->hide();
  for (QWidget* w : {bar->btnRefresh, bar->btnSetChecked, bar->btnCheckAll, bar->btnClearChecks, bar->btnClose})
    w->show();
  // Read-only rows are those built read-only (kinds 1 and 4). Counting the
  // enabled check boxes instead would leave the add window of a table whose
  // only writable column is its RowStatus (key check boxes and the status
  // check box are checked and disabled there) without any button to write.
  const bool allReadOnly = std::all_of(rows_.begin(), rows_.end(),
                                       [](const UISnmpVar& row) { return row.kind == 1 || row.kind == 4; });
  const int editable = EditableRowCount();
  if (allReadOnly) {
    bar->btnSetChecked->hide();
    bar->btnCheckAll->hide();
    bar->btnClearChecks->hide();
  } else if (editable <= 1) {
    bar->btnCheckAll->hide();
    bar->btnClearChecks->hide();
    if (!bar->btnSetChecked->text().isEmpty()) bar->btnSetChecked->setText(QStringLiteral("Set"));
    bar->btnSetChecked->setEnabled(true);
    for (auto& row : rows_)
      if (IsShown(row.check) && row.check->isEnabled()) row.check->setChecked(true);
    if (CheckedRowCount() <= 1)
      for (auto& row : rows_) row.check->hide();
  } else {
    if (!bar->btnSetChecked->text().isEmpty()) bar->btnSetChecked->setText(QStringLiteral("Set Checked"));
    bar->btnSetChecked->setEnabled(CheckedRowCount() > 0);
  }
  bar->Arrange();
}

void TEditsPanel::RowCheckClicked() {
  if (bar_) bar_->btnSetChecked->setEnabled(CheckedRowCount() > 0);
  emit rowCheckChanged();
}

void TEditsPanel::HideRow(int index) {
  if (index < 0 || index >= RowCount()) return;
  editor_->request.varList.Item(index).access |= Access::Hidden;
  Row(index).editor->hide();
  Row(index).check->hide();
  Row(index).label->hide();
  Arrange(false);
}

void TEditsPanel::ShowRow(int index) {
  if (index < 0 || index >= RowCount()) return;
  editor_->request.varList.Item(index).access &= ~Access::Hidden;
  Row(index).editor->show();
  if (Row(index).check->isEnabled()) Row(index).check->show();
  Row(index).label->show();
  Arrange(false);
}

void TEditsPanel::ClearRow(int index) {
  if (index < 0 || index >= RowCount()) return;
  if (auto* edit = qobject_cast<QLineEdit*>(Row(index).editor)) edit->clear();
  else if (auto* combo = qobject_cast<QComboBox*>(Row(index).editor)) combo->setCurrentIndex(-1);
  editor_->request.varList.Item(index).value.clear();
}

void TEditsPanel::ClearRows() {
  for (int i = 0; i < RowCount(); ++i) ClearRow(i);
}

QString TEditsPanel::RowText(int index) const {
  if (index < 0 || index >= RowCount()) return {};
  if (auto* edit = qobject_cast<QLineEdit*>(Row(index).editor)) return edit->text();
  if (auto* combo = qobject_cast<QComboBox*>(Row(index).editor))
    return combo->currentIndex() >= 0 ? combo->currentText() : QString();
  return {};
}

void TEditsPanel::AssignOctetItem(int index, int columns, int count) {
  if (index < 0 || index >= RowCount() || (Row(index).kind != 1 && Row(index).kind != 2))
    RaiseText("You can only assign Octet Item to a Edit!");
  UISnmpVar& row = Row(index);
  row.octetItem = std::make_unique<OctetItem>(OctetItem{std::max(1, columns), std::max(0, count)});
  auto* edit = static_cast<QLineEdit*>(row.editor);
  edit->setReadOnly(true);
  SetClickHandler(edit, [this, index](QWidget*) { OpenPortGrid(index); });
  SetKeyPressHandler(edit, [this, index](QWidget*, int key) {
    switch (key) {
      case Qt::Key_Tab:
      case Qt::Key_Backtab:
      case Qt::Key_Escape:
      case Qt::Key_Shift:
      case Qt::Key_Control:
      case Qt::Key_Alt:
      case Qt::Key_Meta:
        return false;
      default:
        OpenPortGrid(index);
        return true;
    }
  });
}

void TEditsPanel::OpenPortGrid(int index) {
  if (index < 0 || index >= RowCount() || !Row(index).octetItem) return;
  UISnmpVar& row = Row(index);
  const OctetItem item = *row.octetItem;
  auto* edit = qobject_cast<QLineEdit*>(row.editor);
  auto& list = editor_->request.varList;
  // An error reading the controls back is reported, never swallowed: a grid
  // whose value is not read back would lose the operator's checks without
  // a word.
  bool reported = false;  // one message per opening
  auto report = [this, &reported](const std::exception& e) {
    if (reported) return;
    reported = true;
    ShowMessageBox(window(), Q(ErrorText(e)), ProgramCaption());
  };
  try {
    editor_->ReadControls(-1);
  } catch (const std::exception& e) {
    report(e);
  }
  const bool writable = list.IsWritable(index) && !(list.IsTable() && index < list.keyCount);

  QDialog grid(window(), Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  grid.setObjectName(QStringLiteral("PortGrid"));
  grid.setWindowTitle(Q(list.Item(index).label));
  std::vector<QCheckBox*> boxes;
  const int step = Px(this, 20);
  int lastBottom = Px(this, 10), lastRight = Px(this, 10);
  for (int i = 0; i < item.count; ++i) {
    auto* number = new QLabel(QString::number(i + 1), &grid);
    auto* box = new QCheckBox(&grid);
    box->setFocusPolicy(Qt::NoFocus);
    box->setEnabled(writable);
    const int boxH = box->sizeHint().height();
    const QSize ls = number->sizeHint();
    const int line = (i / item.columns) * (boxH + ls.height());
    const int left = (i % item.columns) * step + Px(this, 10);
    number->setGeometry(left, line + Px(this, 10), ls.width(), ls.height());
    box->setGeometry(left, ls.height() + line + Px(this, 10), step, boxH);
    lastBottom = std::max(lastBottom, box->geometry().bottom() + 1);
    lastRight = std::max(lastRight, left + std::max(step, ls.width()));
    boxes.push_back(box);
  }
  editor_->Disassociate(index);
  bool bound = false;
  if (!boxes.empty()) {
    std::string bits;
    for (int i = 0; i < item.count; ++i) bits += (i ? "," : "") + std::to_string(i);
    try {
      editor_->AssociatePortList(index, bits, boxes);
      bound = true;
      editor_->FillControls(index);
    } catch (const std::exception&) {
      // A value that cannot be read as a port list starts with every box
      // unchecked: nothing is lost.
      ClearRow(index);
      for (auto* b : boxes) b->setChecked(false);
    }
  }
  const int buttonsTop = lastBottom + Px(this, 10);
  int x = Px(this, 10);
  auto addButton = [&](const QString& text) {
    auto* b = new QPushButton(text, &grid);
    const QSize s = b->sizeHint();
    b->setGeometry(x, buttonsTop, s.width(), s.height());
    x += s.width() + Px(this, 10);
    return b;
  };
  auto* ok = addButton(QStringLiteral("OK"));
  ok->setObjectName(QStringLiteral("OK"));
  QObject::connect(ok, &QPushButton::clicked, &grid, &QDialog::accept);
  if (writable) {
    auto* cancel = addButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("Cancel"));
    QObject::connect(cancel, &QPushButton::clicked, &grid, &QDialog::reject);
    auto* all = addButton(QStringLiteral("Check All"));
    all->setObjectName(QStringLiteral("CheckAll"));
    QObject::connect(all, &QPushButton::clicked, &grid, [&boxes] {
      for (auto* b : boxes) b->setChecked(true);
    });
    auto* none = addButton(QStringLiteral("Clear Checks"));
    none->setObjectName(QStringLiteral("ClearChecks"));
    QObject::connect(none, &QPushButton::clicked, &grid, [&boxes] {
      for (auto* b : boxes) b->setChecked(false);
    });
  }
  const int width = std::max(lastRight + Px(this, 10), x);
  grid.setFixedSize(width, buttonsTop + ok->height() + Px(this, 10));
  CenterOn(&grid, window());
  const int result = grid.exec();
  if (result == QDialog::Accepted && bound) {
    try {
      editor_->ReadControls(-1);
    } catch (const std::exception& e) {
      report(e);
    }
  }
  editor_->Disassociate(index);
  if (edit != nullptr) {
    editor_->AssociateEdits(index, row.format, edit);
    try {
      editor_->FillControls(index);
    } catch (const std::exception&) {
      // The edit shows what it can; the value itself is kept.
    }
  }
  try {
    editor_->ReadControls(-1);
  } catch (const std::exception& e) {
    report(e);
  }
}

void TEditsPanel::ShowNote(const QString& text, const QColor& color, int size) {
  note_->setText(text);
  QPalette pal = note_->palette();
  pal.setColor(QPalette::WindowText, color);
  note_->setPalette(pal);
  QFont font = note_->font();
  font.setPointSize(size);
  note_->setFont(font);
  note_->show();
  Arrange(true);
}

// ===========================================================================
TListViewPanel::TListViewPanel(QWidget* owner, KySNMPRequest2Edits* editor)
    : QWidget(owner), editor_(editor), listView_(new QTreeWidget(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(listView_);
  listView_->setMouseTracking(true);
  if (editor_) editor_->AttachListView(listView_, false);
  KyListExport::Install(listView_);
  int chars = 0;
  if (QTreeWidgetItem* header = listView_->headerItem())
    for (int c = 0; c < listView_->columnCount(); ++c) chars += static_cast<int>(header->text(c).size());
  const int width = std::min(2 * listView_->frameWidth() + Px(this, 8) * chars, Px(this, 450));
  resize(width, Px(this, 350));
}

TListViewPanel::~TListViewPanel() {
  // Tearing the view down clears its model and selection: nobody is to hear of it.
  listView_->blockSignals(true);
  if (listView_->model()) listView_->model()->blockSignals(true);
  if (listView_->selectionModel()) listView_->selectionModel()->blockSignals(true);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* bar) {
  if (bar == nullptr) return;
  for (QWidget* w : {static_cast<QWidget*>(bar->samplesLabel), static_cast<QWidget*>(bar->counter),
                     static_cast<QWidget*>(bar->btnRefresh), static_cast<QWidget*>(bar->btnEdit),
                     static_cast<QWidget*>(bar->btnClose)})
    w->show();
  bar->btnEdit->setEnabled(false);
  bar->btnDelete->setEnabled(false);
  bar->btnAdd->setVisible(addIndex >= 0);
  bar->btnDelete->setVisible(deleteIndex >= 0);
  bar->btnSetChecked->hide();
  bar->btnCheckAll->hide();
  bar->btnClearChecks->hide();
  bar->Arrange();
}

// ===========================================================================
TCtrlBtnPanel::TCtrlBtnPanel(QWidget* owner) : QWidget(owner) {
  counter = new QLabel(QStringLiteral("0"), this);
  counter->setObjectName(QStringLiteral("counter"));
  counter->setAlignment(Qt::AlignCenter);
  counter->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  samplesLabel = new QLabel(QStringLiteral("Samples"), this);
  samplesLabel->setObjectName(QStringLiteral("samplesLabel"));
  samplesLabel->setAlignment(Qt::AlignCenter);
  auto make = [this](const char* name, const char* text, const char* glyph) {
    auto* b = new QPushButton(QString::fromLatin1(text), this);
    b->setObjectName(QString::fromLatin1(name));
    // Optional glyph in the working folder; the caption gives way to it.
    const QString file = QString::fromLatin1(glyph);
    if (QFile::exists(file)) {
      QPixmap pixmap(file);
      if (!pixmap.isNull()) {
        b->setText(QString());
        b->setIcon(QIcon(pixmap));
        b->setIconSize(pixmap.size());
        b->setToolTip(QString::fromLatin1(text));
      }
    }
    return b;
  };
  btnRefresh = make("btnRefresh", "Refresh", "Get.bmp");
  btnEdit = make("btnEdit", "Edit", "Set.bmp");
  btnSetChecked = make("btnSetChecked", "Set Checked", "SetCheck.bmp");
  btnAdd = make("btnAdd", "Add", "Add.bmp");
  btnDelete = make("btnDelete", "Delete", "Delete.bmp");
  btnCheckAll = make("btnCheckAll", "Check All", "SelectAll.bmp");
  btnClearChecks = make("btnClearChecks", "Clear Checks", "SelectNone.bmp");
  btnClose = make("btnClose", "Close", "Close.bmp");
  btnAdd->hide();
  btnDelete->hide();
  Arrange();
}

std::vector<QWidget*> TCtrlBtnPanel::Controls() const {
  return {counter, samplesLabel, btnRefresh, btnEdit, btnSetChecked, btnAdd, btnDelete, btnCheckAll, btnClearChecks,
          btnClose};
}

void TCtrlBtnPanel::Arrange() {
  // Wide enough for the longest caption at this font, at least the usual 96.
  int width = Px(this, 96);
  for (QWidget* w : Controls()) width = std::max(width, w->sizeHint().width());
  const int left = Px(this, 10);
  int top = Px(this, 10);
  for (QWidget* w : Controls()) {
    if (w->isHidden()) continue;
    const int h = w->sizeHint().height();
    w->setGeometry(left, top, width, h);
    top += h + Px(this, 5);
  }
  setFixedWidth(2 * left + width);
  setMinimumHeight(top + Px(this, 5));
}

// ===========================================================================
TMsgPanel::TMsgPanel(QWidget* owner) : QWidget(owner), memo_(new QPlainTextEdit(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(memo_);
  memo_->setReadOnly(true);
  memo_->setObjectName(QStringLiteral("memo"));
  resize(width(), Px(this, 50));
  setMinimumHeight(Px(this, 30));
}

// ===========================================================================
TSNMPPanel::TSNMPPanel(QWidget* owner, TMsgPanel* sharedMessages, KySNMPRequest2Edits* editor)
    : QWidget(owner), editor_(editor), ownMessages_(sharedMessages == nullptr) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  rightSplitter_ = new QSplitter(Qt::Horizontal, this);
  rightSplitter_->setChildrenCollapsible(false);
  layout->addWidget(rightSplitter_);
  client_ = new QSplitter(Qt::Vertical);
  client_->setChildrenCollapsible(false);
  bar_ = new TCtrlBtnPanel(nullptr);
  rightSplitter_->addWidget(client_);
  rightSplitter_->addWidget(bar_);
  rightSplitter_->setStretchFactor(0, 1);
  rightSplitter_->setStretchFactor(1, 0);
  messages_ = sharedMessages ? sharedMessages : new TMsgPanel(nullptr);
  if (ownMessages_) {
    client_->addWidget(messages_);
    client_->setStretchFactor(0, 0);
  }
  if (editor_) editor_->SetStatusTarget(messages_->Memo());
  connect(bar_->btnRefresh, &QPushButton::clicked, this, [this] { RefreshEditor(); });
  connect(bar_->btnClose, &QPushButton::clicked, this, [this] {
    if (form_) form_->close();
    else ShowMessageBox(this, QStringLiteral("Please initial close form"), ProgramCaption());
  });
}

void TSNMPPanel::RefreshEditor() {
  if (editor_ == nullptr) return;
  if (editor_->asynchronous && editor_->busy) return;  // a read is still running
  try {
    editor_->Refresh();
  } catch (const std::exception& e) {
    editor_->ShowStatus(ErrorText(e));
  }
}

void TSNMPPanel::SetContent(QWidget* content) {
  if (content_ && content_ != content) content_->hide();
  content_ = content;
  if (content == nullptr) return;
  const QSize size = content->size();
  client_->insertWidget(0, content);
  client_->setStretchFactor(0, 1);
  content->show();
  const int handle = rightSplitter_->handleWidth();
  const int msgHeight = ownMessages_ ? messages_->height() : 0;
  const int w = size.width() + bar_->width() + handle + 3;
  const int h = std::max(size.height() + msgHeight + (ownMessages_ ? client_->handleWidth() : 0),
                         bar_->minimumHeight());
  resize(w, h);
  rightSplitter_->setSizes({w - bar_->width() - handle, bar_->width()});
  if (ownMessages_) client_->setSizes({h - msgHeight - client_->handleWidth(), msgHeight});
}

void TSNMPPanel::FitForm(QWidget* form) {
  form_ = form;
  if (form == nullptr) return;
  if (form->layout() == nullptr) {
    auto* layout = new QVBoxLayout(form);
    layout->setContentsMargins(0, 0, 0, 0);
  }
  if (parentWidget() != form) setParent(form);
  if (form->layout()->indexOf(this) < 0) form->layout()->addWidget(this);
  const QSize wanted = size();
  const int w = std::min(std::max(form->width(), wanted.width()), Px(form, 800));
  const int h = std::min(std::max(form->height(), wanted.height()), Px(form, 550));
  form->resize(w, h);
  show();
  CenterOn(form, MainForm());
}

void TSNMPPanel::CheckRows(TEditsPanel* rows, TCtrlBtnPanel* bar, bool checked) {
  for (int i = 0; i < rows->RowCount(); ++i) {
    QCheckBox* box = rows->Row(i).check;
    if (IsShown(box) && box->isEnabled()) box->setChecked(checked);
  }
  if (bar) bar->btnSetChecked->setEnabled(rows->CheckedRowCount() > 0);
}

void TSNMPPanel::SetFlow(TEditsPanel* rows, TSNMPPanel* panel, bool closeAfter) {
  KySNMPRequest2Edits* editor = rows->Editor();
  if (editor == nullptr) return;
  auto& list = editor->request.varList;
  const bool savedAsync = editor->asynchronous;
  editor->asynchronous = false;
  std::vector<int> excluded;
  bool empty = false;
  try {
    editor->ControlsToValues();
    for (int i = 0; i < list.Count() && i < rows->RowCount(); ++i) {
      if (!rows->Row(i).check->isChecked() && !(list.Item(i).access & Access::Excluded)) {
        list.Item(i).access |= Access::Excluded;
        excluded.push_back(i);
      }
    }
    for (int i = 0; i < list.Count() && i < rows->RowCount(); ++i)
      if (!list.IsExcluded(i) && rows->RowText(i).isEmpty()) empty = true;
    if (empty) {
      ShowMessageBox(panel, QStringLiteral("Some items are empty!"), QStringLiteral("Warning"));
    } else {
      editor->Apply(false, false, std::string(), nullptr);
    }
  } catch (const std::exception& e) {
    editor->ShowStatus(ErrorText(e));
  }
  for (int i : excluded) list.Item(i).access &= ~Access::Excluded;
  editor->asynchronous = savedAsync;
  if (!empty && closeAfter && panel) {
    if (QWidget* w = panel->window()) w->close();
  }
}

// ===========================================================================
TSNMPEditorPanel::TSNMPEditorPanel(QWidget* owner, KySNMPRequest2Edits* editor)
    : TSNMPPanel(owner, nullptr, editor), edits_(new TEditsPanel(nullptr, editor)) {
  connect(bar_->btnSetChecked, &QPushButton::clicked, this,
          [this] { SetFlow(edits_, this, ControlTag(bar_->btnSetChecked) == 1); });
  bar_->btnSetChecked->setEnabled(false);
  connect(bar_->btnCheckAll, &QPushButton::clicked, this, [this] { CheckRows(edits_, bar_, true); });
  connect(bar_->btnClearChecks, &QPushButton::clicked, this, [this] { CheckRows(edits_, bar_, false); });
  edits_->ArrangeCtrlBtn(bar_);
  SetContent(edits_);
}

void TSNMPEditorPanel::SetVarFormat(int index, const std::string& constraint) {
  if (index < 0 || index >= edits_->RowCount()) RaiseText("Unknow UI Control type!");
  UISnmpVar& row = edits_->Row(index);
  if (row.kind == 3) RaiseText("Can not set Var format to a ComboBox!");
  if (row.kind != 1 && row.kind != 2) RaiseText("Unknow UI Control type!");
  KyEditConstraint::Parse(constraint);  // a malformed constraint leaves the row as it was
  editor_->Disassociate(index);
  editor_->AssociateEdits(index, constraint, static_cast<QLineEdit*>(row.editor));
  row.format = constraint;
}

void TSNMPEditorPanel::SetEditWidth(int width) {
  edits_->SetEditWidth(width);
  SetContent(content_);
  if (form_) FitForm(form_);
}

// ===========================================================================
TSNMPListViewPanel::TSNMPListViewPanel(QWidget* owner, KySNMPRequest2Edits* editor)
    : TSNMPEditorPanel(owner, editor), list_(new TListViewPanel(nullptr, editor)) {
  SetContent(list_);
  edits_->hide();
  disconnect(bar_->btnRefresh, nullptr, this, nullptr);
  connect(bar_->btnRefresh, &QPushButton::clicked, this, [this] { RefreshClick(); });
  connect(bar_->btnAdd, &QPushButton::clicked, this, [this] { AddClick(); });
  connect(bar_->btnEdit, &QPushButton::clicked, this, [this] { EditClick(); });
  connect(bar_->btnDelete, &QPushButton::clicked, this, [this] { DeleteClick(); });
  QTreeWidget* view = list_->ListView();
  connect(view, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionClicked(); });
  connect(view, &QTreeWidget::itemDoubleClicked, this, [this] {
    if (editWindow_ && !readOnly && !list_->ListView()->selectedItems().isEmpty()) EditClick();
  });
  auto count = [this] { bar_->counter->setText(QString::number(list_->ListView()->topLevelItemCount())); };
  connect(view->model(), &QAbstractItemModel::rowsInserted, this, count);
  connect(view->model(), &QAbstractItemModel::rowsRemoved, this, count);
  connect(view->model(), &QAbstractItemModel::modelReset, this, count);
  connect(view, &QTreeWidget::itemEntered, this, [this](QTreeWidgetItem* item) {
    if (item == nullptr) return;
    QTreeWidgetItem* header = list_->ListView()->headerItem();
    int longest = 0;
    for (int c = 0; c < header->columnCount(); ++c) longest = std::max(longest, static_cast<int>(header->text(c).size()));
    QString hint;
    for (int c = 0; c < header->columnCount(); ++c) {
      const QString caption = header->text(c);
      hint += caption + QString(longest - static_cast<int>(caption.size()), QLatin1Char('\t')) + QStringLiteral("  ") +
              item->text(c) + QLatin1Char('\n');
    }
    for (int c = 0; c < item->columnCount(); ++c) item->setToolTip(c, hint);
  });
  beforeAdd = [this] { edits_->ClearRows(); };
  list_->ArrangeCtrlBtn(bar_);
  bool anyWritable = false;
  for (int i = 0; i < edits_->RowCount(); ++i) anyWritable = anyWritable || !edits_->IsVariableReadOnly(i);
  if (!anyWritable) {
    bar_->btnEdit->hide();
    bar_->Arrange();
  }
}

TSNMPListViewPanel::~TSNMPListViewPanel() {
  QTreeWidget* view = list_->ListView();
  disconnect(view, nullptr, this, nullptr);
  if (view->model()) disconnect(view->model(), nullptr, this, nullptr);
}

void TSNMPListViewPanel::DisableEditWindow() {
  editWindow_ = false;
  bar_->btnEdit->hide();
  bar_->Arrange();
}

void TSNMPListViewPanel::SetAddStatus(int index, const std::string& text) {
  auto* combo = index >= 0 && index < edits_->RowCount() ? qobject_cast<QComboBox*>(edits_->Row(index).editor) : nullptr;
  if (combo == nullptr || combo->findText(Q(text), Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0)
    RaiseText("TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:" + text);
  addIndex_ = index;
  addStatus_ = text;
  list_->addIndex = index;
  bar_->btnAdd->show();
  bar_->Arrange();
}

void TSNMPListViewPanel::SetDeleteStatus(int index, const std::string& text) {
  auto* combo = index >= 0 && index < edits_->RowCount() ? qobject_cast<QComboBox*>(edits_->Row(index).editor) : nullptr;
  if (combo == nullptr || combo->findText(Q(text), Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0)
    RaiseText("TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:" + text);
  deleteIndex_ = index;
  deleteStatus_ = text;
  list_->deleteIndex = index;
  bar_->btnDelete->show();
  bar_->Arrange();
}

void TSNMPListViewPanel::SelectionClicked() {
  const bool selected = !list_->ListView()->selectedItems().isEmpty();
  bar_->btnEdit->setEnabled(selected && !readOnly);
  bar_->btnDelete->setEnabled(selected);
  if (!selected) edits_->ClearRows();
}

void TSNMPListViewPanel::RefreshClick() {
  if (editor_->asynchronous && editor_->busy) return;
  bar_->btnEdit->setEnabled(false);
  bar_->btnDelete->setEnabled(false);
  try {
    editor_->Refresh();
  } catch (const std::exception& e) {
    editor_->ShowStatus(ErrorText(e));
  }
}

void TSNMPListViewPanel::AddClick() {
  if (beforeAdd) beforeAdd();
  RunRowWindow(true);
  if (afterAdd) afterAdd();
}

void TSNMPListViewPanel::EditClick() {
  if (!editWindow_) return;
  if (beforeEdit) beforeEdit();
  RunRowWindow(false);
  if (afterEdit) afterEdit();
}

void TSNMPListViewPanel::RunRowWindow(bool add) {
  if (!add && editor_->asynchronous) {
    // A read still running stops before the edit window takes the values.
    editor_->StopAndWait(1000);
    editor_->request.enabled = true;
  }
  QWidget* owner = window();
  QDialog win(owner);
  win.setObjectName(add ? QStringLiteral("AddWindow") : QStringLiteral("EditWindow"));
  win.setWindowTitle(add ? owner->windowTitle() + QStringLiteral(" (Add)") : owner->windowTitle());
  editor_->SetConstraintForm(&win);
  auto* panel = new TSNMPPanel(&win, messages_, editor_);
  window_ = &win;
  windowPanel_ = panel;
  TCtrlBtnPanel* bar = panel->ButtonBar();
  SetControlTag(bar->btnSetChecked, 1);
  connect(bar->btnSetChecked, &QPushButton::clicked, panel, [this, panel] { SetFlow(edits_, panel, true); });
  connect(bar->btnCheckAll, &QPushButton::clicked, panel, [this, bar] { CheckRows(edits_, bar, true); });
  connect(bar->btnClearChecks, &QPushButton::clicked, panel, [this, bar] { CheckRows(edits_, bar, false); });
  auto& list = editor_->request.varList;

  struct Removed {
    QComboBox* combo;
    int position;
    QString label;
  };
  std::vector<Removed> removed;
  std::vector<int> hiddenRows;

  edits_->ApplyAccess(false);
  for (int i = 0; i < edits_->RowCount(); ++i)
    if (edits_->Row(i).octetItem) {
      if (auto* e = qobject_cast<QLineEdit*>(edits_->Row(i).editor)) e->setReadOnly(true);
    }
  if (add) {
    for (int k = 0; k < list.keyCount && k < edits_->RowCount(); ++k) {
      edits_->SetRowEditable(k);
      edits_->Row(k).check->setChecked(true);
      edits_->Row(k).check->setEnabled(false);
      if (edits_->Row(k).octetItem)
        if (auto* e = qobject_cast<QLineEdit*>(edits_->Row(k).editor)) e->setReadOnly(true);
    }
    if (addIndex_ >= 0 && addIndex_ < edits_->RowCount()) {
      UISnmpVar& row = edits_->Row(addIndex_);
      row.editor->setEnabled(false);
      row.check->setChecked(true);
      row.check->setEnabled(false);
      if (auto* combo = qobject_cast<QComboBox*>(row.editor))
        combo->setCurrentIndex(combo->findText(Q(addStatus_), Qt::MatchFixedString | Qt::MatchCaseSensitive));
    }
    edits_->ArrangeCtrlBtn(bar);
  } else {
    edits_->ArrangeCtrlBtn(bar);
    edits_->SetEditWidth(200);
    auto removeLabel = [&](int index, const std::string& status) {
      if (index < 0 || index >= edits_->RowCount()) return;
      auto* combo = qobject_cast<QComboBox*>(edits_->Row(index).editor);
      if (combo == nullptr) return;
      const int at = combo->findText(Q(status), Qt::MatchFixedString | Qt::MatchCaseSensitive);
      if (at < 0) return;
      const int current = combo->currentIndex();
      combo->removeItem(at);
      if (current == at) combo->setCurrentIndex(-1);
      removed.push_back({combo, at, Q(status)});
      if (combo->count() == 0 && std::find(hiddenRows.begin(), hiddenRows.end(), index) == hiddenRows.end()) {
        edits_->HideRow(index);
        hiddenRows.push_back(index);
      }
    };
    removeLabel(addIndex_, addStatus_);
    removeLabel(deleteIndex_, deleteStatus_);
  }
  bar->btnRefresh->hide();
  bar->Arrange();
  edits_->Arrange(true);
  panel->SetContent(edits_);
  panel->FitForm(&win);
  CenterOn(&win, owner);

  if (add) {
    list_->ListView()->clearSelection();
    bar_->btnEdit->setEnabled(false);
    bar_->btnDelete->setEnabled(false);
    // Clearing the selection emptied the rows again: show the add status once more.
    if (addIndex_ >= 0 && addIndex_ < edits_->RowCount())
      if (auto* combo = qobject_cast<QComboBox*>(edits_->Row(addIndex_).editor))
        combo->setCurrentIndex(combo->findText(Q(addStatus_), Qt::MatchFixedString | Qt::MatchCaseSensitive));
  }
  win.exec();

  for (int index : hiddenRows) edits_->ShowRow(index);
  for (auto it = removed.rbegin(); it != removed.rend(); ++it) it->combo->insertItem(it->position, it->label);
  edits_->hide();
  client_->insertWidget(0, edits_);
  edits_->hide();
  if (content_) content_->show();
  editor_->SetConstraintForm(window());
  window_ = nullptr;
  windowPanel_ = nullptr;
  RefreshClick();
}

void TSNMPListViewPanel::DeleteClick() {
  if (deleteIndex_ < 0) return;
  if (ShowMessageBox(this, QStringLiteral("Are you sure to delete ?"), QStringLiteral("Delete"),
                     QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  auto& list = editor_->request.varList;
  const bool savedAsync = editor_->asynchronous;
  editor_->asynchronous = false;
  std::vector<int> excluded;
  for (int i = list.keyCount; i < list.Count(); ++i) {
    if (i == deleteIndex_ || (list.Item(i).access & Access::Excluded)) continue;
    list.Item(i).access |= Access::Excluded;
    excluded.push_back(i);
  }
  try {
    editor_->ControlsToValues();
    list.Item(deleteIndex_).value = deleteStatus_;
    editor_->Apply(false, false, std::string(), nullptr);
  } catch (const std::exception& e) {
    editor_->ShowStatus(ErrorText(e));
  }
  for (int i : excluded) list.Item(i).access &= ~Access::Excluded;
  RefreshClick();
  editor_->asynchronous = savedAsync;
}
