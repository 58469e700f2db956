// Settings snapshots: what a switch's settings are, as a file that can be
// kept, diffed and compared.
//
// Which objects count as settings comes from the definition tables: for every
// generated command and every dedicated dialog of the menu, in menu order, the
// readable and writable columns of its tables (counters and time ticks left
// out) and, for tables, the index columns of those rows. A command whose
// tables hold no setting is not part of a snapshot.
//
// A snapshot keeps per command (keyed by its menu path) per table per row (the
// instance suffix) per object the value as a dialog shows it and the exact
// bytes received (the value's BER encoding, type and length included), so
// that nothing is lost or re-encoded. Comparison goes by those bytes.
//
// Plain C++: the file is written through the toolkit elsewhere
// (SnapshotFiles.h); this part only makes and reads its text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/MenuCatalogue.h"
#include "snmp/Value.h"

// ---------------------------------------------------------------------------
// What a snapshot reads.

struct SnapshotTablePlan {
  const KyVarDefTable* table = nullptr;
  uint8_t kind = 0;          // list kind the table is read with
  int32_t keyCount = 0;
  std::vector<int> items;    // the table's rows recorded (settings and keys), ascending
};

struct SnapshotCommandPlan {
  const MenuEntry* entry = nullptr;
  std::string path;          // "Basic Configuration > Agent Management > Basic Management"
  std::vector<SnapshotTablePlan> tables;
};

// Every command with settings, in menu order (built once).
const std::vector<SnapshotCommandPlan>& SettingsPlan();
// The command of a menu path, or nullptr.
const SnapshotCommandPlan* FindSettingsCommand(std::string_view path);
// The menu path of a catalogue entry: its menus' and its own caption, blanks
// trimmed, joined with " > ".
std::string MenuPathText(const MenuEntry& entry);
// True when item i of a table is a setting by its definition.
bool IsSettingObject(const KyVarDefRow& row);
// The tables each dedicated dialog reads, by its handler; empty for a handler
// not known.
std::vector<const KyVarDefTable*> DedicatedDialogTables(std::string_view handler);
// The dedicated tables deliberately left out of snapshots (read-only views,
// counters, one-shot actions); every other table with settings must belong to
// a command.
bool IsTableLeftOut(const KyVarDefTable* table);

// ---------------------------------------------------------------------------
// A value's exact bytes: BER type, length and contents of the value part of a
// variable binding (the name is not part of it).
std::string EncodeValueBytes(const KyVb& vb);
// Back to a binding (name left empty); false when the bytes are not exactly
// one value this layer reads.
bool DecodeValueBytes(std::string_view bytes, KyVb& vb);

// ---------------------------------------------------------------------------
// The snapshot.

inline constexpr const char* kSnapshotFormat = "qrx900-settings-snapshot";
inline constexpr int kSnapshotVersion = 1;

struct SnapshotValue {
  std::string key;       // the column OID; "index N" for an index column that is only in the suffix
  std::string label;
  std::string shown;     // as the dialogs show it
  std::string bytes;     // EncodeValueBytes of what was received (empty for index-only columns)
  bool missing = false;  // the agent lacks the object
};

struct SnapshotRow {
  std::string index;     // instance suffix ("0" for a scalar group)
  std::vector<SnapshotValue> values;
};

struct SnapshotTable {
  std::string name;      // the definition table's name
  std::vector<SnapshotRow> rows;
};

struct SnapshotCommand {
  std::string path;
  std::string handler;
  bool read = true;      // false: the command could not be read (error says why)
  std::string error;
  std::vector<SnapshotTable> tables;
};

struct SettingsSnapshot {
  int version = kSnapshotVersion;
  std::string agent;
  std::string sysDescr;
  std::string sysObjectId;
  std::string sysUpTime;
  std::string time;      // UTC, ISO 8601
  std::string program;   // the program's version
  bool complete = true;  // every command was read
  std::vector<SnapshotCommand> commands;

  // Paths of the commands that were not read, in menu order.
  std::vector<std::string> NotRead() const;
  int RowCount() const;
};

// The JSON text: stable member order, one line per value.
std::string SnapshotToJson(const SettingsSnapshot& snapshot);

// Reading refuses anything that is not exactly a snapshot this program can
// hold: the message names the place (line and column for text that is no
// JSON, the JSON pointer and its line for a member that does not fit).
struct SnapshotParseError {
  std::string place;    // "line 12, column 5" or "/commands/.../hex (line 40)"
  std::string message;
};
std::optional<SettingsSnapshot> SnapshotFromJson(std::string_view text, SnapshotParseError& error);

// ---------------------------------------------------------------------------
// Comparison.

enum class SnapshotDiffKind {
  Changed,       // a value differs
  OnlyInBefore,  // a row that only the first side has
  OnlyInAfter,   // a row that only the second side has
  MissingBefore, // the object is missing on the first side only
  MissingAfter,  // the object is missing on the second side only
  NotRead,       // the command was not read on one side or both
};

struct SnapshotDifference {
  SnapshotDiffKind kind = SnapshotDiffKind::Changed;
  std::string path;     // the command's menu path
  std::string handler;
  std::string table;
  std::string index;
  std::string label;    // the object (empty for a whole row or command)
  std::string before;   // shown texts ("" where there is none)
  std::string after;

  // "changed", "only in first", ... for lists and text.
  std::string KindText() const;
  // One line: "[index] label: before -> after" and the like.
  std::string Describe() const;
};

// Differences from `before` to `after`, in the order of the menu (commands of
// the plan first, in plan order), rows and objects in their order.
std::vector<SnapshotDifference> CompareSnapshots(const SettingsSnapshot& before, const SettingsSnapshot& after);

// The differences as text, grouped by menu path with a count per command, or
// the one line "No differences: the settings are identical." when there are none.
std::string DifferencesText(const std::vector<SnapshotDifference>& differences);
inline constexpr const char* kNoDifferencesText = "No differences: the settings are identical.";
