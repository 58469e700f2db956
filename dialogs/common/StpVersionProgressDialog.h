// The two timed progress windows that hold the operator while the switch
// carries out a long action (enabling spanning tree, changing its version,
// sending a mail). Each one-second tick advances the bar; the window closes
// itself once the bar has reached the stop position (30), i.e. on its 31st
// tick. The bar wraps from its maximum (76) to 0 and so never shows full.
#pragma once

#include <QDialog>
#include "dialogs/common/ProgressDialog.h"

class QLabel;
class QProgressBar;
class QTimer;

// The same window with a stop position of its own (set to 30 when made).
class StpVersionProgressDialog : public ProgressDialog {
  Q_OBJECT

 public:
  explicit StpVersionProgressDialog(QWidget* parent = nullptr);
  int StopPos = kStopPosition;
};
