// Small pieces the dedicated dialogs build their windows from.
#pragma once

#include <QString>

#include <initializer_list>

class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
class QWidget;

// A push button with its object name.
QPushButton* MakeButton(QWidget* parent, const QString& text, const char* name);
// A check box, label, edit, combo box (drop-down list) or memo with its object name.
QCheckBox* MakeCheckBox(QWidget* parent, const QString& text, const char* name);
QLabel* MakeLabel(QWidget* parent, const QString& text, const char* name = nullptr);
QLineEdit* MakeEdit(QWidget* parent, const char* name);
QComboBox* MakeCombo(QWidget* parent, const char* name);
QPlainTextEdit* MakeMemo(QWidget* parent, const char* name);
// A status bar `StatusBar1` with one panel filling it; *panel0 receives the
// panel (the status target of the dialog's bindings).
QStatusBar* MakeStatusBar(QWidget* parent, QLabel** panel0);
// The read-only message memo `Memo1` under a dialog's lists, 60 px high at most.
QPlainTextEdit* MakeStatusMemo(QWidget* parent);
// A sunken panel label showing a value read from the switch.
QLabel* MakeStaticText(QWidget* parent, const char* name);
// A list view with its object name and its minimum size at 96 dpi.
QTreeWidget* MakeListView(QWidget* parent, const char* name, int minWidth, int minHeight);
// A row of buttons pushed to the right.
QHBoxLayout* RightAlignedButtonRow(std::initializer_list<QPushButton*> buttons);
