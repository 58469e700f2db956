// What every dialog window gets before it is first shown, whatever built it:
// list columns as wide as their texts (up to a limit; a longer text is elided
// and shown whole in its tooltip), no list row drawn as current unless it is
// selected, a Tab order that follows what is shown, and a window at least as
// wide as its caption and never larger than the screen it opens on (its body
// scrolls then).
#pragma once

class QDialog;
class QModelIndex;
class QTreeView;
class QWidget;

// The widest a list column grows to fit its texts, at 96 dpi.
inline constexpr int kListColumnLimit = 320;

// Keeps the columns of `view` fitted to their header and cell texts (at most
// kListColumnLimit each, at least the header), shows a cut cell's whole text
// as its tooltip, and keeps the current row cleared while no row is selected.
// Idempotent.
void KeepListFitted(QTreeView* view);
// The width a cell needs to show its whole text (with its icon and check box).
int CellTextWidth(const QTreeView* view, const QModelIndex& index);
// Fits the columns of `view` once, now.
void FitListColumns(QTreeView* view);

// The width the window's caption needs in a title bar: the text, the icon and
// the title bar's buttons.
int CaptionWidth(const QWidget* window);
// Makes `dialog` at least CaptionWidth wide and no larger than the available
// area of its screen; a body that does not fit is moved into a scroll area
// (the dialog's own layout then holds only that area). Call before the first
// show, once the dialog's layout is complete.
void FitWindowToScreen(QDialog* dialog);

// Sets the Tab chain of `window` in reading order: the items of each layout in
// the order they are shown (a box from its start, a grid and a form line by
// line, left to right), into group boxes, tab pages and other containers
// where they stand; widgets outside any layout by position, top then left.
// The widgets of a button row follow in the row's order. Call once the
// window's layout is complete, before it is shown.
void OrderTabsAsShown(QWidget* window);
