// Building blocks shared by the port-list dialogs: buttons, pages holding a
// port grid, a status bar whose panel 0 is a status target. Every size is
// written at 96 dpi and scaled with Px.
#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QVBoxLayout;
class QWidget;
class PortGrid;

QPushButton* MakeDialogButton(QWidget* parent, const char* name, const QString& text);
// A page titled `title` added to `pages`, filled with a standard port grid.
PortGrid* AddPortGridPage(QTabWidget* pages, const QString& title);
// A group box titled `title` added to `layout`, holding a standard port grid
// at least 110 px high (96 dpi).
PortGrid* AddPortGridGroup(QWidget* parent, QVBoxLayout* layout, const QString& title);
// A status bar with one stretching panel; returns panel 0 (the status target).
QLabel* AddStatusPanel(QWidget* parent, QStatusBar** bar = nullptr);
// Unit and port of a global port number as texts ("" for neither when n is 0).
struct UnitPortText {
  QString unit, port;
};
UnitPortText SplitGlobalPortText(int global);
