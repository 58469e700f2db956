// The "Tools" menu: our own commands, in a menu of the bar just before
// "Help" (the module's own menus stay as they are). Each item is one line of
// the list in ToolsMenu.cpp: caption, object name, what it does and, when it
// is not always available, when it is enabled.
#pragma once

#include <span>

class QMenu;
class TMainForm;

struct ToolsMenuItem {
  const char* caption;                  // "Save Settings Snapshot..."
  const char* name;                     // object name of its action
  void (*run)(TMainForm& window);
  bool (*enabled)(TMainForm& window);   // null: always enabled
};

// Every item, in menu order.
std::span<const ToolsMenuItem> ToolsMenuItems();

// Adds "Tools" (`Tools1`) to the window's menu bar before "Help"; the items'
// enabled state is brought up to date each time the menu opens.
QMenu* BuildToolsMenu(TMainForm& window);

// The port (ifIndex) of the port button selected on the front panel, 0 when
// none is selected.
int SelectedPort(TMainForm& window);
