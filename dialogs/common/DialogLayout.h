// Builds a dialog window from a declaration: a list, a grid of captioned
// fields, a button row and a status bar, one under the other. What every
// dialog built with it shares:
//   - one button order: Refresh, Add, Set or Edit, Delete, then the dialog's
//     own actions, then Close, pushed to the right (a button column keeps the
//     same order from the top);
//   - a Close button that closes the window, as Escape does;
//   - a counter's caption ("Samples") placed just before its count, at the
//     left of the button row.
// Sizes are written at 96 dpi and scaled with Px.
#pragma once

#include <QString>
#include <QSize>
#include <functional>
#include <vector>

class QBoxLayout;
class QComboBox;
class QGridLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QVBoxLayout;
class QWidget;
class SnmpDialog;

// An object name: a distinct type, so that it cannot be swapped with a text.
struct Name {
  const char* value;
};

// The row (or column) of a dialog's buttons, kept in the one order whatever
// order they are added in.
class ButtonBar {
 public:
  enum class Direction { Row, Column };
  ButtonBar(QWidget* dialog, Direction direction = Direction::Row);

  // Where a button of this text goes: Refresh, Add, Set/Edit, Delete, the
  // dialog's own, Close.
  static int Rank(const QString& text);

  QBoxLayout* layout() const { return layout_; }
  // A button (no default button: Enter typed into a field clicks nothing).
  QPushButton* add(const QString& text, Name name, std::function<void()> clicked = {});
  // A button made elsewhere, put in its place.
  void place(QPushButton* button);
  // The Close button: closes the dialog, as Escape does.
  QPushButton* close(Name name, const QString& text = QStringLiteral("Close"));
  // The "Samples" caption and its count of the lines of `view`, at the start
  // of the bar. Returns the count.
  QLabel* samplesCounter(SnmpDialog* dialog, QTreeWidget* view);
  // A caption and a sunken count box made elsewhere, at the start of the bar.
  void placeCounter(QLabel* caption, QLabel* count);

 private:
  QWidget* dialog_;
  QBoxLayout* layout_;
  std::vector<QPushButton*> buttons_;
  int counterItems_ = 0;
};

// Caption and control pairs, `columns` pairs a line, filled line by line.
class FieldGrid {
 public:
  FieldGrid(QWidget* dialog, int columns);
  QGridLayout* layout() const { return grid_; }
  QLineEdit* edit(const QString& caption, Name name);
  QComboBox* combo(const QString& caption, Name name);
  // A hidden combo box (a row status set by the dialog itself), not in the grid.
  QComboBox* hiddenCombo(Name name);
  void place(const QString& caption, QWidget* control);

 private:
  QWidget* dialog_;
  QGridLayout* grid_;
  int columns_;
  int next_ = 0;
};

// The arrangement of the dialogs that write checked fields: the fields at the
// left, the button column at their right, and the memo under both, taking the
// height left (at least 80 px at 96 dpi). Gives the dialog its layout.
void PlaceFieldsBesideButtons(QWidget* dialog, QLayout* fields, ButtonBar& column, QWidget* memo);

// The status bar `StatusBar1` added at the end of `layout`; returns its
// panel 0 (for the dialogs not arranged by DialogLayout).
QLabel* AddStatusBar(QWidget* dialog, QBoxLayout* layout, QStatusBar** bar = nullptr);

// The vertical arrangement: list, fields, buttons, status bar.
class DialogLayout {
 public:
  struct List {
    Name name;
    QSize minimum;  // at 96 dpi
  };
  DialogLayout(QWidget* dialog, const List& list, int fieldColumns);

  QTreeWidget* list() const { return list_; }
  FieldGrid& fields() { return fields_; }
  ButtonBar& buttons() { return buttons_; }
  // The status bar `StatusBar1` under everything; returns its panel 0.
  QLabel* addStatusBar(QStatusBar** bar = nullptr);
  // A widget between the fields and the buttons (below those placed there before).
  void addBelowFields(QWidget* widget);

 private:
  QWidget* dialog_;
  QVBoxLayout* main_;
  QTreeWidget* list_;
  FieldGrid fields_;
  ButtonBar buttons_;
  int belowFields_ = 0;
};

// A small window of a list dialog that enters a new row: its captioned
// fields, one a line, over its button row (the action and Close).
class EntryLayout {
 public:
  explicit EntryLayout(QWidget* window);

  FieldGrid& fields() { return fields_; }
  ButtonBar& buttons() { return buttons_; }

 private:
  FieldGrid fields_;
  ButtonBar buttons_;
};
