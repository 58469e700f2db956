// What a dedicated dialog receives when its menu command creates it: the
// owner window, the device name for captions and the few things it uses of
// the main window, behind a small interface that a test can supply without a
// main window. Also the shape of the list of dedicated dialogs that the
// dialogs hand to the menu.
#pragma once

#include <QString>
#include <functional>
#include <string_view>

class KySNMPRequest2Edits;
class QDialog;
class QLabel;
class QWidget;

// The main window's services for dialogs.
class MainWindowServices {
 public:
  virtual ~MainWindowServices() = default;
  // The hidden text with the option label of the current STP version (`ST_Version`).
  virtual QLabel* VersionText() const = 0;
  // The binding that reads the STP version into VersionText(); may be null.
  virtual KySNMPRequest2Edits* VersionBinding() const = 0;
  // Panel 0 of the main window's status bar.
  virtual QLabel* StatusPanel0() const = 0;
};

struct DialogContext {
  QWidget* owner = nullptr;                 // parent of the dialog
  QString agent;                            // the device name of every caption ("" in tests)
  MainWindowServices* mainWindow = nullptr; // null: no main window
};

// Creates a dedicated dialog (not yet shown) with context.owner as parent;
// the caller shows it modally and frees it.
using DedicatedDialogFactory = std::function<QDialog*(const DialogContext& context)>;

// A dedicated dialog and the menu command that opens it, by the command's
// handler name ("SummerTime1Click").
struct DedicatedDialog {
  std::string_view handler;
  DedicatedDialogFactory factory;
};
