// The one handler behind every command of the menu bar: it carries out a
// catalogue entry by its pattern (generated dialog, sibling module, dedicated
// dialog, or the main window's own commands).
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/LaunchParameters.h"
#include "app/MenuBar.h"
#include "app/MenuCatalogue.h"
#include "editors/DialogContext.h"
#include "editors/GUIConfigForm.h"

class QWidget;

// What became of a command.
enum class CommandOutcome {
  DialogShown,        // a generated or dedicated dialog was shown and has closed
  SiblingStarted,     // the sibling module's process was started
  SiblingNotStarted,  // the sibling module is missing or could not start (not reported to the operator)
  PassedOn,           // handed to the main window's own handler (reboot, help, about)
  Unavailable,        // nothing to carry it out with (no table, no dialog, no handler, not a command)
};

// What a command needs from the main window.
struct MenuCommandContext {
  QWidget* owner = nullptr;             // parent of the dialogs
  const LaunchTexts* texts = nullptr;   // device name (`agent`) and the sibling modules' credentials
  MainWindowServices* mainWindow = nullptr;  // what dedicated dialogs use of the main window
  // The main window's own commands ("Reboot", "Help"), and dedicated ones
  // whose dialog is not registered.
  std::function<void(const MenuEntry&)> special;
  // Starts a sibling module; StartSiblingModule when empty.
  std::function<bool(const LaunchTexts&, const std::string& page, const std::string& extra)> startSibling;
  // Shows a generated dialog modally; OpenGeneratedDialog when empty.
  std::function<int(const GeneratedCommand&, QWidget* owner)> openGenerated;
};

// The description of a generated command's dialog for the editors: its
// definition table with the catalogue's kind and key count, the caption with
// the device name, the editor (scalar or table), the RowStatus variable and
// the extras. None when the entry is not a generated command or its table is
// not there.
std::optional<GeneratedCommand> GeneratedCommandOf(const MenuEntry& entry, std::string_view device);

// Builds the dialog of a generated command without showing it (the caller
// shows it and frees it); nullptr when the entry is not a generated command
// or its table is not there. Raises the editors' exception on a bad definition.
std::unique_ptr<GeneratedDialog> BuildCommandDialog(const MenuEntry& entry, std::string_view device,
                                                QWidget* owner = nullptr);

// Carries out a command of the catalogue:
// - generated scalar or table: the generic dialog, shown modally and freed;
// - sibling: the sibling module with the entry's page and no extra text;
// - dedicated: its registered dialog (RunDedicatedCommand), else the special handler;
// - special: the special handler.
CommandOutcome RunMenuCommand(const MenuEntry& entry, const MenuCommandContext& context);
