#include "dialogs/common/DialogLayout.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <algorithm>

#include "dialogs/common/DialogParts.h"
#include "editors/SnmpDialog.h"
#include "editors/UiSupport.h"

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

FieldGrid::FieldGrid(QWidget* dialog, int columns) : dialog_(dialog), grid_(new QGridLayout), columns_(std::max(1, columns)) {}

void FieldGrid::place(const QString& caption, QWidget* control) {
  QLabel* label = MakeLabel(dialog_, caption);
  label->setBuddy(control);
  grid_->addWidget(label, next_ / columns_, (next_ % columns_) * 2);
  grid_->addWidget(control, next_ / columns_, (next_ % columns_) * 2 + 1);
  ++next_;
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

QComboBox* FieldGrid::hiddenCombo(Name name) {
  QComboBox* c = MakeCombo(dialog_, name.value);
  c->hide();
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
  main_->addLayout(fields_.layout());
  main_->addLayout(buttons_.layout());
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
  main_->insertWidget(2 + belowFields_, widget);
  ++belowFields_;
}

// ---------------------------------------------------------------------------
// EntryLayout

EntryLayout::EntryLayout(QWidget* window) : fields_(window, 1), buttons_(window) {
  auto* main = new QVBoxLayout(window);
  main->addLayout(fields_.layout());
  main->addLayout(buttons_.layout());
}
