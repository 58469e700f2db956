// "Find Command...": a small window that finds any command of the menu bar by
// the words of its caption and of the menus that hold it ("vlan stat" finds
// VLAN > 802.1Q VLAN > Static Table). The arrow keys choose, Enter carries the
// command out exactly as its menu item would; commands that are disabled at
// the moment are listed greyed and cannot be run from here either.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenuBar;
class QTreeWidget;
class QTreeWidgetItem;

// One command of the menu bar.
struct KyFoundCommand {
  QString caption;    // without accelerator marks
  QStringList path;   // captions of the menus from the bar down
  bool enabled = true;
  QPointer<QAction> action;
};

// Every visible command of the bar in menu order, with its path and whether it
// can run now (the action and every menu above it enabled). `skip` is left out.
std::vector<KyFoundCommand> CollectCommands(QMenuBar* bar, const QAction* skip = nullptr);

// True when every word of `query` (blank-separated, case ignored) occurs in
// the command's path or caption. An empty query matches everything.
bool CommandMatches(const KyFoundCommand& command, const QString& query);

// The commands that match, those with more words in their own caption first,
// otherwise in menu order.
std::vector<const KyFoundCommand*> FilterCommands(const std::vector<KyFoundCommand>& commands, const QString& query);

class TFindCommandForm : public QDialog {
  Q_OBJECT

 public:
  TFindCommandForm(QWidget* owner, std::vector<KyFoundCommand> commands);

  QLineEdit* SearchEdit = nullptr;
  QTreeWidget* CommandList = nullptr;
  QLabel* HintLabel = nullptr;

  // The captions listed, top to bottom (for the list's current filter).
  QStringList ListedCaptions() const;
  // Runs the current command: closes the window, then triggers the action.
  // False (and a hint) when nothing is chosen or the command is disabled.
  bool RunCurrent();

 signals:
  // A command was chosen; its action is triggered once the window is closed.
  void commandChosen(QAction* action);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void UpdateList();
  void MoveCurrent(int step);

  std::vector<KyFoundCommand> commands_;
};

// Opens the window for the menu bar of `owner`, non-modal, deleted on close.
TFindCommandForm* OpenFindCommand(QWidget* owner, QMenuBar* bar, const QAction* skip = nullptr);
