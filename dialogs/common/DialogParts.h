// Small pieces the dedicated dialogs build their windows from.
#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
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
