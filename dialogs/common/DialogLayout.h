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
#include <initializer_list>
#include <vector>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTreeWidget;
class QVBoxLayout;
class QWidget;
class KySNMPRequest2Edits;
class PortGrid;
class SnmpDialog;

// An object name: a distinct type, so that it cannot be swapped with a text.
struct Name {
  const char* value;
};

// ---------------------------------------------------------------------------
// Single widgets, each with its object name

// A push button (no default button).
QPushButton* MakeButton(QWidget* parent, const QString& text, const char* name);
// The same, at least 75 px wide (96 dpi).
QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& text);
// A check box, label, edit, combo box (drop-down list) or read-only memo.
QCheckBox* MakeCheckBox(QWidget* parent, const QString& text, const char* name);
QLabel* MakeLabel(QWidget* parent, const QString& text, const char* name = nullptr);
QLineEdit* MakeEdit(QWidget* parent, const char* name);
QComboBox* MakeCombo(QWidget* parent, const char* name);
QPlainTextEdit* MakeMemo(QWidget* parent, const char* name);
// A status bar `StatusBar1` with one panel filling it; *panel0 receives the
// panel (the status target of the dialog's bindings).
QStatusBar* MakeStatusBar(QWidget* parent, QLabel** panel0);
// The same with a panel whose text can be selected; returns the panel.
QLabel* AddStatusPanel(QWidget* parent, QStatusBar** bar = nullptr);
// The read-only message memo `Memo1` under a dialog's lists, 60 px high at most.
QPlainTextEdit* MakeStatusMemo(QWidget* parent);
// A sunken panel label showing a value read from the switch.
QLabel* MakeStaticText(QWidget* parent, const char* name);
// A list view with its minimum size at 96 dpi.
QTreeWidget* MakeListView(QWidget* parent, const char* name, int minWidth, int minHeight);
// A row of buttons pushed to the right.
QHBoxLayout* RightAlignedButtonRow(std::initializer_list<QPushButton*> buttons);
// A caption, then `controls`, then a stretch: one line of a dialog.
QHBoxLayout* CaptionedRow(QWidget* parent, const QString& caption, const std::vector<QWidget*>& controls);

// Port grids: tab pages each holding a standard port grid (the tab widget,
// `name` may be nullptr for none; a page titled `title`, at least 150 px
// high at 96 dpi), or a group box titled `title` added to `layout`, holding
// a grid at least 110 px high.
QTabWidget* MakePortPages(QWidget* dialog, const char* name);
PortGrid* AddPortGridPage(QTabWidget* pages, const QString& title);
PortGrid* AddPortGridGroup(QWidget* parent, QVBoxLayout* layout, const QString& title);
// Unit and port of a global port number as texts ("" for neither when n is 0).
struct UnitPortText {
  QString unit, port;
};
UnitPortText SplitGlobalPortText(int global);

// ---------------------------------------------------------------------------
// Arrangements

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

// Caption and control pairs, `columns` pairs a line, filled line by line;
// with kForm, one pair a line in a form (caption column and field column);
// with 0 columns, none at all.
class FieldGrid {
 public:
  static constexpr int kForm = -1;

  FieldGrid(QWidget* dialog, int columns);
  // The grid (nullptr for a form).
  // Groups of [use box] caption control, `columns` groups a line: the use
  // box of a field says whether the field is written.
  enum class UseBoxes { Yes };
  FieldGrid(QWidget* dialog, int columns, UseBoxes);
  QGridLayout* layout() const { return grid_; }
  // The grid or the form.
  QLayout* arrangement() const;
  QLineEdit* edit(const QString& caption, Name name);
  QComboBox* combo(const QString& caption, Name name);
  // A sunken label showing a value read from the switch.
  QLabel* display(const QString& caption, Name name);
  // A field with its use box (none when `box` is null).
  QLineEdit* edit(const QString& caption, Name name, QCheckBox* box);
  QComboBox* combo(const QString& caption, Name name, QCheckBox* box);
  // A hidden combo box (a row status set by the dialog itself), not in the grid.
  QComboBox* hiddenCombo(Name name);
  void place(const QString& caption, QWidget* control);
  // `control` with its use box (none when `box` is null) in the next place.
  void place(const QString& caption, QWidget* control, QCheckBox* box);
  // A use box named `name`, checked or not by checkAll.
  QCheckBox* useBox(Name name);
  const std::vector<QCheckBox*>& useBoxes() const { return boxes_; }
  void checkAll(bool checked);
  // The next field starts a new line.
  void newLine();
  // Hides a placed control with its caption and use box.
  void hide(QWidget* control);

 private:
  QWidget* dialog_;
  QGridLayout* grid_ = nullptr;
  QFormLayout* form_ = nullptr;
  int columns_;
  int next_ = 0;
  int width_ = 2;  // grid columns a group takes
  std::vector<QCheckBox*> boxes_;
};

// Captioned fields bound to the columns of one binding as they are made
// (a scalar group or a one-row view): `variable` is the column, `format` the
// edit's format (as KySNMPRequest2Edits::AssociateEdits takes it).
class BoundFields : public FieldGrid {
 public:
  BoundFields(QWidget* dialog, int columns, KySNMPRequest2Edits* binding);
  QLineEdit* edit(int variable, const QString& caption, Name name, const char* format);
  QComboBox* combo(int variable, const QString& caption, Name name);

 private:
  KySNMPRequest2Edits* binding_;
};

// The arrangement of the dialogs that write checked fields: the fields at the
// left, the button column at their right, and the memo under both, taking the
// height left (at least 80 px at 96 dpi). Gives the dialog its layout.
void PlaceFieldsBesideButtons(QWidget* dialog, QLayout* fields, ButtonBar& column, QWidget* memo);

// The status bar `StatusBar1` added at the end of `layout`; returns its
// panel 0 (for the dialogs not arranged by DialogLayout).
QLabel* AddStatusBar(QWidget* dialog, QBoxLayout* layout, QStatusBar** bar = nullptr);

// The vertical arrangement: list, fields, what goes below them (port pages,
// a memo), buttons, and a memo or status bar below the buttons.
class DialogLayout {
 public:
  struct List {
    Name name;
    QSize minimum;  // at 96 dpi
  };
  // Fields: `fieldColumns` pairs a line, FieldGrid::kForm for a form, or
  // kNoFields for a dialog that is only a list.
  static constexpr int kNoFields = 0;
  DialogLayout(QWidget* dialog, const List& list, int fieldColumns);
  // The other arrangement: the fields (in use-box groups) with the button
  // column at their right, the widgets placed below the fields, the list,
  // its row count at the right, the status bar.
  struct FieldsBesideButtons {};
  DialogLayout(QWidget* dialog, const List& list, int fieldColumns, FieldsBesideButtons);

  QTreeWidget* list() const { return list_; }
  FieldGrid& fields() { return fields_; }
  ButtonBar& buttons() { return buttons_; }
  // The status bar `StatusBar1` under everything; returns its panel 0.
  QLabel* addStatusBar(QStatusBar** bar = nullptr);
  // A widget or a line of widgets between the fields and the buttons (below
  // those placed there before).
  void addBelowFields(QWidget* widget);
  void addBelowFields(QLayout* line);
  // A widget under everything placed so far.
  void addBelowButtons(QWidget* widget);
  // FieldsBesideButtons: the row count under the list, at the right, with
  // its caption "Samples" (`SamplesLabel`), both hidden until shown.
  QLabel* rowCount(QLabel** caption = nullptr);

 private:
  QWidget* dialog_;
  QVBoxLayout* main_;
  QTreeWidget* list_;
  FieldGrid fields_;
  ButtonBar buttons_;
  int belowFields_ = 0;
  int firstBelowFields_ = 2;
  QLabel* rowCount_ = nullptr;
  QLabel* rowCountCaption_ = nullptr;
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

// Captioned controls one a line, in a form.
class FieldForm {
 public:
  explicit FieldForm(QWidget* dialog);
  QFormLayout* layout() const { return form_; }
  QLineEdit* edit(const QString& caption, Name name);
  QComboBox* combo(const QString& caption, Name name);
  void place(const QString& caption, QWidget* control);

 private:
  QWidget* dialog_;
  QFormLayout* form_;
};

// A dialog of single values (no list): its fields, the widgets placed below
// them, the button row, and a status bar or memo, one under the other.
class SettingsLayout {
 public:
  SettingsLayout(QWidget* dialog, QLayout* fields);

  ButtonBar& buttons() { return buttons_; }
  // A widget between the fields and the buttons (below those placed there before).
  void addBelowFields(QWidget* widget);
  // The status bar `StatusBar1` under everything; returns its panel 0.
  QLabel* addStatusBar(QStatusBar** bar = nullptr);
  // A read-only memo under everything, at most `maxHeight` px high (96 dpi).
  QPlainTextEdit* addMemo(Name name, int maxHeight);

 private:
  QWidget* dialog_;
  QVBoxLayout* main_;
  ButtonBar buttons_;
  int belowFields_ = 0;
};
