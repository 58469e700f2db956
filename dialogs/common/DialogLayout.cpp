#include "dialogs/common/DialogLayout.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QFormLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <algorithm>

#include "editors/ControlBinding.h"
#include "editors/PortGrid.h"
#include "editors/SnmpDialog.h"
#include "editors/UiSupport.h"

// ---------------------------------------------------------------------------
// Single widgets

QPushButton* MakeButton(QWidget* parent, const QString& text, const char* name) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  return b;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& text, const char* name) {
  auto* c = new QCheckBox(text, parent);
  c->setObjectName(QString::fromLatin1(name));
  return c;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, const char* name) {
  auto* l = new QLabel(text, parent);
  if (name) l->setObjectName(QString::fromLatin1(name));
  return l;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  return e;
}

QComboBox* MakeCombo(QWidget* parent, const char* name) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setEditable(false);
  return c;
}

QPlainTextEdit* MakeMemo(QWidget* parent, const char* name) {
  auto* m = new QPlainTextEdit(parent);
  m->setObjectName(QString::fromLatin1(name));
  m->setReadOnly(true);
  return m;
}

QStatusBar* MakeStatusBar(QWidget* parent, QLabel** panel0) {
  auto* bar = new QStatusBar(parent);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(false);
  auto* panel = new QLabel(bar);
  panel->setObjectName(QStringLiteral("StatusPanel0"));
  panel->setTextFormat(Qt::PlainText);
  bar->addWidget(panel, 1);
  if (panel0) *panel0 = panel;
  return bar;
}

QPlainTextEdit* MakeStatusMemo(QWidget* parent) {
  QPlainTextEdit* memo = MakeMemo(parent, "Memo1");
  memo->setMaximumHeight(Px(parent, 60));
  return memo;
}

QLabel* MakeStaticText(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return label;
}

QTreeWidget* MakeListView(QWidget* parent, const char* name, int minWidth, int minHeight) {
  auto* view = new QTreeWidget(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setMinimumSize(Px(parent, minWidth), Px(parent, minHeight));
  return view;
}

QHBoxLayout* RightAlignedButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* b : buttons) row->addWidget(b);
  return row;
}

QHBoxLayout* CaptionedRow(QWidget* parent, const QString& caption, const std::vector<QWidget*>& controls) {
  auto* row = new QHBoxLayout;
  row->addWidget(MakeLabel(parent, caption));
  for (QWidget* w : controls) row->addWidget(w);
  row->addStretch(1);
  return row;
}

// ---------------------------------------------------------------------------
// Port grids

QTabWidget* MakePortPages(QWidget* dialog, const char* name) {
  auto* pages = new QTabWidget(dialog);
  if (name) pages->setObjectName(QString::fromLatin1(name));
  return pages;
}

QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  button->setMinimumWidth(Px(parent, 75));
  return button;
}

PortGrid* AddPortGridGroup(QWidget* parent, QVBoxLayout* layout, const QString& title) {
  auto* group = new QGroupBox(title, parent);
  auto* host = new QWidget(group);
  host->setMinimumHeight(Px(parent, 110));
  (new QVBoxLayout(group))->addWidget(host);
  layout->addWidget(group);
  return AddStandardPortGrid(host);
}

PortGrid* AddPortGridPage(QTabWidget* pages, const QString& title) {
  auto* page = new QWidget(pages);
  page->setMinimumHeight(Px(pages, 150));
  pages->addTab(page, title);
  return AddStandardPortGrid(page);
}

QLabel* AddStatusPanel(QWidget* parent, QStatusBar** bar) {
  auto* status = new QStatusBar(parent);
  status->setObjectName(QStringLiteral("StatusBar1"));
  status->setSizeGripEnabled(false);
  auto* panel = new QLabel(status);
  panel->setObjectName(QStringLiteral("StatusPanel0"));
  panel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status->addWidget(panel, 1);
  if (bar) *bar = status;
  return panel;
}

UnitPortText SplitGlobalPortText(int global) {
  const UnitPort up = SplitGlobalPort(global);
  return {QString::number(up.unit), QString::number(up.port)};
}

// ---------------------------------------------------------------------------
// ButtonBar

ButtonBar::ButtonBar(QWidget* dialog, Direction direction) : dialog_(dialog) {
  if (direction == Direction::Row) {
    layout_ = new QHBoxLayout;
    layout_->addStretch(1);
  } else {
    layout_ = new QVBoxLayout;
    layout_->addStretch(1);  // below the buttons
  }
}

int ButtonBar::Rank(const QString& text) {
  const QString t = QString(text).remove(QLatin1Char('&')).trimmed();
  if (t == QLatin1String("Refresh") || t == QLatin1String("Get")) return 0;
  if (t == QLatin1String("Add")) return 1;
  if (t == QLatin1String("Set") || t == QLatin1String("Edit") || t == QLatin1String("Apply")) return 2;
  if (t == QLatin1String("Delete")) return 3;
  if (t == QLatin1String("Close")) return 5;
  return 4;
}

void ButtonBar::place(QPushButton* button) {
  if (button->parentWidget() == nullptr) button->setParent(dialog_);
  button->setAutoDefault(false);
  // After every button of the same or a lower rank, so that a dialog's own
  // actions keep the order they were added in.
  const int rank = Rank(button->text());
  const auto at = std::find_if(buttons_.begin(), buttons_.end(), [&](QPushButton* b) { return Rank(b->text()) > rank; });
  const int position = static_cast<int>(at - buttons_.begin());
  buttons_.insert(at, button);
  const bool row = qobject_cast<QHBoxLayout*>(layout_) != nullptr;
  // A row: counter items, stretch, buttons. A column: buttons, stretch.
  layout_->insertWidget(row ? counterItems_ + 1 + position : position, button);
}

QPushButton* ButtonBar::add(const QString& text, Name name, std::function<void()> clicked) {
  QPushButton* b = MakeButton(dialog_, text, name.value);
  if (clicked) QObject::connect(b, &QPushButton::clicked, b, std::move(clicked));
  place(b);
  return b;
}

QPushButton* ButtonBar::close(Name name, const QString& text) {
  QPushButton* b = MakeButton(dialog_, text, name.value);
  if (auto* dialog = qobject_cast<QDialog*>(dialog_)) QObject::connect(b, &QPushButton::clicked, dialog, &QDialog::close);
  place(b);
  return b;
}

void ButtonBar::placeCounter(QLabel* caption, QLabel* count) {
  const bool row = qobject_cast<QHBoxLayout*>(layout_) != nullptr;
  const int at = row ? counterItems_ : layout_->count();
  if (caption) {
    layout_->insertWidget(at, caption);
    ++counterItems_;
  }
  layout_->insertWidget(at + (caption ? 1 : 0), count);
  ++counterItems_;
}

QLabel* ButtonBar::samplesCounter(SnmpDialog* dialog, QTreeWidget* view) {
  QLabel* caption = nullptr;
  QLabel* count = dialog->AddSamplesCounter(dialog_, view, &caption);
  placeCounter(caption, count);
  return count;
}

// ---------------------------------------------------------------------------
// FieldGrid

FieldGrid::FieldGrid(QWidget* dialog, int columns) : dialog_(dialog), columns_(std::max(1, columns)) {
  if (columns == kForm)
    form_ = new QFormLayout;
  else if (columns > 0)
    grid_ = new QGridLayout;
}

QLayout* FieldGrid::arrangement() const {
  if (form_) return form_;
  return grid_;
}

void FieldGrid::place(const QString& caption, QWidget* control) {
  if (form_) {
    QLabel* label = MakeLabel(dialog_, caption);
    label->setBuddy(control);
    form_->addRow(label, control);
    return;
  }
  place(caption, control, nullptr);
}

QLabel* FieldGrid::display(const QString& caption, Name name) {
  QLabel* l = MakeStaticText(dialog_, name.value);
  place(caption, l);
  return l;
}

QLineEdit* FieldGrid::edit(const QString& caption, Name name) {
  QLineEdit* e = MakeEdit(dialog_, name.value);
  place(caption, e);
  return e;
}

QComboBox* FieldGrid::combo(const QString& caption, Name name) {
  QComboBox* c = MakeCombo(dialog_, name.value);
  place(caption, c);
  return c;
}

FieldGrid::FieldGrid(QWidget* dialog, int columns, UseBoxes) : FieldGrid(dialog, columns) { width_ = 3; }

void FieldGrid::place(const QString& caption, QWidget* control, QCheckBox* box) {
  const int line = next_ / columns_, first = (next_ % columns_) * width_;
  if (box) grid_->addWidget(box, line, first);
  QLabel* label = MakeLabel(dialog_, caption);
  label->setBuddy(control);
  grid_->addWidget(label, line, first + width_ - 2);
  grid_->addWidget(control, line, first + width_ - 1);
  ++next_;
}

QCheckBox* FieldGrid::useBox(Name name) {
  QCheckBox* box = MakeCheckBox(dialog_, QString(), name.value);
  boxes_.push_back(box);
  return box;
}

void FieldGrid::checkAll(bool checked) {
  for (QCheckBox* box : boxes_) box->setChecked(checked);
}

void FieldGrid::newLine() { next_ = (next_ + columns_ - 1) / columns_ * columns_; }

void FieldGrid::hide(QWidget* control) {
  const int at = grid_->indexOf(control);
  if (at < 0) return;
  int line = 0, column = 0, rows = 0, columns = 0;
  grid_->getItemPosition(at, &line, &column, &rows, &columns);
  // The caption and the use box stand just before the control.
  for (int c = column - width_ + 1; c <= column; ++c)
    if (QLayoutItem* item = grid_->itemAtPosition(line, c); item && item->widget()) item->widget()->hide();
}

QLineEdit* FieldGrid::edit(const QString& caption, Name name, QCheckBox* box) {
  QLineEdit* e = MakeEdit(dialog_, name.value);
  place(caption, e, box);
  return e;
}

QComboBox* FieldGrid::combo(const QString& caption, Name name, QCheckBox* box) {
  QComboBox* c = MakeCombo(dialog_, name.value);
  place(caption, c, box);
  return c;
}

QComboBox* FieldGrid::hiddenCombo(Name name) {
  QComboBox* c = MakeCombo(dialog_, name.value);
  c->hide();
  return c;
}

// ---------------------------------------------------------------------------
// BoundFields

BoundFields::BoundFields(QWidget* dialog, int columns, KySNMPRequest2Edits* binding)
    : FieldGrid(dialog, columns), binding_(binding) {}

QLineEdit* BoundFields::edit(int variable, const QString& caption, Name name, const char* format) {
  QLineEdit* e = FieldGrid::edit(caption, name);
  binding_->AssociateEdits(variable, format, e);
  return e;
}

QComboBox* BoundFields::combo(int variable, const QString& caption, Name name) {
  QComboBox* c = FieldGrid::combo(caption, name);
  binding_->AssociateControl(variable, c);
  return c;
}

// ---------------------------------------------------------------------------
// PlaceFieldsBesideButtons

void PlaceFieldsBesideButtons(QWidget* dialog, QLayout* fields, ButtonBar& column, QWidget* memo) {
  auto* top = new QHBoxLayout;
  top->addLayout(fields, 1);
  top->addLayout(column.layout());
  auto* layout = new QVBoxLayout(dialog);
  layout->addLayout(top);
  layout->addWidget(memo, 1);
  memo->setMinimumHeight(Px(dialog, 80));
}

// ---------------------------------------------------------------------------
// AddStatusBar

QLabel* AddStatusBar(QWidget* dialog, QBoxLayout* layout, QStatusBar** bar) {
  QLabel* panel = nullptr;
  QStatusBar* status = MakeStatusBar(dialog, &panel);
  layout->addWidget(status);
  if (bar) *bar = status;
  return panel;
}

// ---------------------------------------------------------------------------
// DialogLayout

DialogLayout::DialogLayout(QWidget* dialog, const List& list, int fieldColumns)
    : dialog_(dialog), main_(new QVBoxLayout(dialog)), fields_(dialog, fieldColumns), buttons_(dialog) {
  list_ = new QTreeWidget(dialog);
  list_->setObjectName(QString::fromLatin1(list.name.value));
  list_->setMinimumSize(Px(dialog, list.minimum.width()), Px(dialog, list.minimum.height()));
  main_->addWidget(list_, 1);
  if (fieldColumns != kNoFields)
    main_->addLayout(fields_.arrangement());
  else
    belowFields_ = -1;  // no fields layout: what goes below them comes right after the list
  main_->addLayout(buttons_.layout());
}

void DialogLayout::addBelowFields(QLayout* line) {
  main_->insertLayout(firstBelowFields_ + belowFields_, line);
  ++belowFields_;
}

void DialogLayout::addBelowButtons(QWidget* widget) { main_->addWidget(widget); }

DialogLayout::DialogLayout(QWidget* dialog, const List& list, int fieldColumns, FieldsBesideButtons)
    : dialog_(dialog),
      main_(new QVBoxLayout(dialog)),
      fields_(dialog, fieldColumns, FieldGrid::UseBoxes::Yes),
      buttons_(dialog, ButtonBar::Direction::Column) {
  auto* top = new QHBoxLayout;
  main_->addLayout(top);
  auto* fieldArea = new QWidget(dialog);
  fieldArea->setLayout(fields_.layout());
  fields_.layout()->setContentsMargins(0, 0, 0, 0);
  fields_.layout()->setHorizontalSpacing(Px(dialog, 6));
  top->addWidget(fieldArea, 1);
  auto* buttonColumn = new QWidget(dialog);
  buttonColumn->setLayout(buttons_.layout());
  buttons_.layout()->setContentsMargins(0, 0, 0, 0);
  top->addWidget(buttonColumn, 0);
  firstBelowFields_ = 1;

  list_ = new QTreeWidget(dialog);
  list_->setObjectName(QString::fromLatin1(list.name.value));
  list_->setMinimumSize(Px(dialog, list.minimum.width()), Px(dialog, list.minimum.height()));
  main_->addWidget(list_, 1);

  rowCountCaption_ = MakeLabel(dialog, QStringLiteral("Samples"), "SamplesLabel");
  rowCountCaption_->hide();
  rowCount_ = new QLabel(QStringLiteral("0"), dialog);
  rowCount_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  rowCount_->setMinimumWidth(Px(dialog, 40));
  rowCount_->hide();
  auto* count = new QHBoxLayout;
  count->addStretch(1);
  count->addWidget(rowCountCaption_);
  count->addWidget(rowCount_);
  main_->addLayout(count);
}

QLabel* DialogLayout::rowCount(QLabel** caption) {
  if (caption) *caption = rowCountCaption_;
  return rowCount_;
}

QLabel* DialogLayout::addStatusBar(QStatusBar** bar) {
  QLabel* panel = nullptr;
  QStatusBar* status = MakeStatusBar(dialog_, &panel);
  main_->addWidget(status);
  if (bar) *bar = status;
  return panel;
}

void DialogLayout::addBelowFields(QWidget* widget) {
  // The list, the fields, what went below them before, then this.
  main_->insertWidget(firstBelowFields_ + belowFields_, widget);
  ++belowFields_;
}

// ---------------------------------------------------------------------------
// EntryLayout

EntryLayout::EntryLayout(QWidget* window) : fields_(window, 1), buttons_(window) {
  auto* main = new QVBoxLayout(window);
  main->addLayout(fields_.layout());
  main->addLayout(buttons_.layout());
}

// ---------------------------------------------------------------------------
// FieldForm

FieldForm::FieldForm(QWidget* dialog) : dialog_(dialog), form_(new QFormLayout) {}

void FieldForm::place(const QString& caption, QWidget* control) { form_->addRow(caption, control); }

QLineEdit* FieldForm::edit(const QString& caption, Name name) {
  QLineEdit* e = MakeEdit(dialog_, name.value);
  place(caption, e);
  return e;
}

QComboBox* FieldForm::combo(const QString& caption, Name name) {
  QComboBox* c = MakeCombo(dialog_, name.value);
  place(caption, c);
  return c;
}

// ---------------------------------------------------------------------------
// SettingsLayout

SettingsLayout::SettingsLayout(QWidget* dialog, QLayout* fields)
    : dialog_(dialog), main_(new QVBoxLayout(dialog)), buttons_(dialog) {
  main_->addLayout(fields);
  main_->addLayout(buttons_.layout());
}

void SettingsLayout::addBelowFields(QWidget* widget) {
  main_->insertWidget(1 + belowFields_, widget);
  ++belowFields_;
}

QLabel* SettingsLayout::addStatusBar(QStatusBar** bar) {
  QLabel* panel = nullptr;
  QStatusBar* status = MakeStatusBar(dialog_, &panel);
  main_->addWidget(status);
  if (bar) *bar = status;
  return panel;
}

QPlainTextEdit* SettingsLayout::addMemo(Name name, int maxHeight) {
  QPlainTextEdit* memo = MakeMemo(dialog_, name.value);
  memo->setMaximumHeight(Px(dialog_, maxHeight));
  main_->addWidget(memo);
  return memo;
}
