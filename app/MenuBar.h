// The main window's menu bar `MainMenu1`, built from the menu catalogue, and
// the registry of the dedicated dialogs its commands open.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "app/MenuCatalogue.h"
#include "editors/DialogContext.h"

class QAction;
class QDialog;
class QMenu;
class QMenuBar;
class QWidget;

// ---------------------------------------------------------------------------
// Dedicated dialogs. Before the main window is built, the program registers
// the list of dedicated dialogs it was built with, a factory per dialog under
// its command's handler name ("SummerTime1Click"). A dedicated command is
// enabled exactly when its dialog is registered; the others are present in
// the menu but disabled.

// Registers (or replaces) the factory for a command's handler name. An empty
// factory removes the registration.
void RegisterDedicatedDialog(std::string_view handler, DedicatedDialogFactory factory);
// Registers every dialog of the list.
void RegisterDedicatedDialogs(const std::vector<DedicatedDialog>& dialogs);
// The factory for a dedicated command, or nullptr.
const DedicatedDialogFactory* FindDedicatedDialogFactory(const MenuEntry& entry);
// Removes every registration.
void ClearDedicatedDialogs();

// Carries out a dedicated command: creates its dialog, sets the caption from
// the title text and form (unless the dialog keeps its own), shows it modally
// and frees it. False when the entry is not dedicated or no dialog is made.
bool RunDedicatedCommand(const MenuEntry& entry, const DialogContext& context);

// ---------------------------------------------------------------------------
// The menu bar.

// Receives every command chosen from the menu bar with its catalogue entry.
// The main window carries the entry out by its pattern: generated commands
// through the generic dialog, siblings through StartSiblingModule, dedicated
// ones through RunDedicatedCommand, and its own reboot and help.
using MenuCommandHandler = std::function<void(const MenuEntry& entry)>;

// Builds `MainMenu1` with every menu, submenu, separator and command of the
// catalogue. Menus and their menu actions carry the item's object name, each
// command's action carries its item name and the property "handler". The
// " PoE" submenu is hidden; dedicated commands without a registered dialog are
// disabled. Enabling "SNMP V3" (`VACM1`) and the RMON items is the main
// window's business.
QMenuBar* BuildMainMenu(QWidget* parent, MenuCommandHandler onCommand);

// Enables each dedicated command whose dialog is registered and disables the
// others (after registrations made once the bar exists).
void UpdateDedicatedCommands(QMenuBar* bar);

// The action of the command with this handler or menu item name, or nullptr.
QAction* FindCommandAction(QMenuBar* bar, std::string_view handlerOrName);
// The submenu or top-level menu with this object name, or nullptr.
QMenu* FindMenu(QMenuBar* bar, std::string_view name);
