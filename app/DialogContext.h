// What a dedicated dialog receives when its menu command creates it: the
// owner window, the launch texts (the agent text for captions) and the few
// things it uses of the main window, behind a small interface that a test can
// supply without a main window.
#pragma once

#include <QString>

#include "app/LaunchParameters.h"

class KySNMPRequest2Edits;
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
  const LaunchTexts* texts = nullptr;       // null: no launch texts (tests)
  MainWindowServices* mainWindow = nullptr; // null: no main window

  // The device name of every caption ("" without launch texts).
  QString Agent() const { return texts != nullptr ? QString::fromLocal8Bit(texts->agent) : QString(); }
};
