// The menu catalogue: every menu, submenu, separator and command of the main
// window's menu bar, in menu order, as plain data. The menu bar is built from
// it and each command's handler carries it out by its pattern.
#pragma once

#include "app/LaunchParameters.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "snmp/VarList.h"

enum class MenuItemType : uint8_t {
  Menu,       // opens a submenu (level 0: a top-level menu of the bar)
  Command,    // a menu item with a click handler
  Separator,  // a line between groups, no behaviour
};

// How a command is carried out.
enum class CommandPattern : uint8_t {
  None,             // menus and separators
  GeneratedScalar,  // generic dialog with the scalar editor (SetEditor)
  GeneratedTable,   // generic dialog with the table editor (SetListView)
  Sibling,          // starts a sibling module of the host suite with a page switch
  Dedicated,        // opens a dedicated dialog class
  Special,          // carried out by the main window itself (reboot, help)
};

// How a dialog caption joins the title text and the device name.
enum class TitleForm : uint8_t {
  None,        // no dialog of the module's own (siblings, specials)
  A,           // title + " : " + device
  B,           // title + device
  C,           // title + ": " + device
  OwnCaption,  // the dialog keeps the caption of its own layout
};

// An input constraint on variable `var` of a generated dialog.
struct VarConstraint {
  int var;
  const char* text;
};

// The port grid of a generated dialog: 52 ports, 12 per line.
inline constexpr int kPortGridPorts = 52;
inline constexpr int kPortGridColumns = 12;
// The note under the rows of the QinQ port table.
inline constexpr const char* kTpidNoteText = "Warning:The TPID is a global setting!";
// Row creation and deletion through the RowStatus column.
inline constexpr const char* kCreateAndGo = "createAndGo";
inline constexpr const char* kDestroy = "destroy";
// Dialog height of the entries marked "height 450".
inline constexpr int kTallDialogHeight = 450;

struct MenuEntry {
  MenuItemType type = MenuItemType::Command;
  int level = 0;                  // 0 top-level menu, 1 its items, 2 a submenu's items, ...
  std::string_view caption;       // menu item caption, kept byte for byte
  std::string_view name;          // menu item object name ("BasicInfo1", "VACM1")
  std::string_view handler;       // click handler, the command's identity ("BasicInfo1Click")
  CommandPattern pattern = CommandPattern::None;
  std::string_view title;         // title text of the dialog
  TitleForm form = TitleForm::None;
  bool formChosen = false;        // the form was left open to us (see the catalogue)
  bool hidden = false;            // never shown (the " PoE" submenu)

  // Generated commands.
  // Its definition table (tbl::<handler without "Click">); the list kind,
  // key count and variable count below are taken from it.
  const KyVarDefTable* definition = nullptr;
  uint8_t kind = 0;               // list kind: 0 scalar group, 1 single instance, 2/3 table
  int32_t keyCount = 0;
  int varCount = 0;               // rows of the definition table
  std::string_view arcs;          // OIDs its variables lie under, ';'-separated
  int rowStatus = -1;             // RowStatus variable for "Add"/"Delete", -1 none
  std::span<const VarConstraint> constraints;
  bool noEditWindow = false;      // rows can be added and deleted but not edited
  int portGridVar = -1;           // variable edited through the 52-port grid, -1 none
  bool tpidNote = false;          // show kTpidNoteText under the rows
  int editWidth = 0;              // edit width in pixels, 0 the default
  int height = 0;                 // dialog height in pixels, 0 the layout's

  // Sibling commands.
  std::string_view siblingPage;   // page switch such as "/TMIB_Info"

  constexpr bool IsCommand() const { return type == MenuItemType::Command; }
  constexpr bool IsMenu() const { return type == MenuItemType::Menu; }
  constexpr bool IsSeparator() const { return type == MenuItemType::Separator; }
  constexpr bool IsGenerated() const {
    return pattern == CommandPattern::GeneratedScalar || pattern == CommandPattern::GeneratedTable;
  }
  constexpr bool HasRowEditing() const { return rowStatus >= 0; }

  // Modifiers used to write the catalogue.
  constexpr MenuEntry RowStatus(int var) const { auto e = *this; e.rowStatus = var; return e; }
  constexpr MenuEntry Constraints(std::span<const VarConstraint> c) const {
    auto e = *this;
    e.constraints = c;
    return e;
  }
  constexpr MenuEntry NoEditWindow() const { auto e = *this; e.noEditWindow = true; return e; }
  constexpr MenuEntry PortGrid(int var) const { auto e = *this; e.portGridVar = var; return e; }
  constexpr MenuEntry TpidNote() const { auto e = *this; e.tpidNote = true; return e; }
  constexpr MenuEntry EditWidth(int w) const { auto e = *this; e.editWidth = w; return e; }
  constexpr MenuEntry Height450() const { auto e = *this; e.height = kTallDialogHeight; return e; }
  constexpr MenuEntry FormChosen() const { auto e = *this; e.formChosen = true; return e; }
  constexpr MenuEntry Hidden() const { auto e = *this; e.hidden = true; return e; }
};

// The whole catalogue in menu order: menus, submenus, separators and commands.
std::span<const MenuEntry> MenuCatalogue();

// The command whose click handler is `handler`, or nullptr.
const MenuEntry* FindMenuEntry(std::string_view handler);
// The menu item (menu or command) with object name `name`, or nullptr.
const MenuEntry* FindMenuItem(std::string_view name);
// The menu that holds `entry` (nullptr for a top-level menu or an entry not in the catalogue).
const MenuEntry* ParentMenu(const MenuEntry& entry);
// Captions of the menus from the bar down to the one holding `entry`.
std::vector<std::string> MenuPath(const MenuEntry& entry);

// Dialog caption from a title text, its form and the device name.
std::string BuildCaption(std::string_view title, TitleForm form, std::string_view device);
// The caption of the dialog opened by `entry`; empty for entries that open
// none of their own or keep their layout's caption.
std::string EntryCaption(const MenuEntry& entry, std::string_view device);

// The sibling module's executable name from a page switch: SiblingExecutable
// of app/LaunchParameters.h.

// The definition table named `name` among all tables of the program, or nullptr.
const KyVarDefTable* FindDefinitionTable(std::string_view name);
// The definition table of a generated command (the entry's own), or nullptr.
const KyVarDefTable* DefinitionTableOf(const MenuEntry& entry);
// The variable list a generated command's dialog works on: its definition
// table with the catalogue's kind and key count. None when the entry is not
// generated or its table is not there.
std::optional<KySNMPVarList> VarListOf(const MenuEntry& entry);
