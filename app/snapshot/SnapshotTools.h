// "Save Settings Snapshot..." and "Compare Settings..." of the "Tools" menu.
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "app/MenuCatalogue.h"

class QWidget;
class TSnapshotProgressForm;
class TSettingsCompareForm;

// What the two commands need of the main window.
struct SnapshotToolsContext {
  QWidget* owner = nullptr;
  std::string agent;                                 // the device name of captions and file names
  std::function<void(const MenuEntry&)> openCommand;  // opens a command's dialog on the live switch
  std::function<void(const QString&)> showStatus;     // a line for the status bar (may be empty)
};

// Asks for the file, then reads the switch in a progress window and writes
// the snapshot when the read has ended; a failure, or commands not read, is
// reported in a message box. Returns the progress window (null when
// cancelled before reading).
TSnapshotProgressForm* SaveSettingsSnapshot(const SnapshotToolsContext& context);

// Asks for a snapshot file, then whether to compare it with the switch as it
// is now (read in a progress window) or with a second snapshot file, and
// opens the comparison window. Returns the comparison window when it opened
// at once (two files), else null.
TSettingsCompareForm* CompareSettings(const SnapshotToolsContext& context);

// Message texts.
inline constexpr const char* kSaveSnapshotCaption = "Save Settings Snapshot";
inline constexpr const char* kCompareCaption = "Compare Settings";
inline constexpr const char* kCompareWithSwitchQuestion =
    "Compare this snapshot with the switch as it is now?\n\n"
    "Yes: read the switch now.\nNo: choose a second snapshot file.";
