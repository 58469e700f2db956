// The timed progress window that holds the operator while the switch carries
// out a long action (enabling spanning tree, changing its version, sending a
// mail). Each one-second tick advances the bar; the window closes
// itself once the bar has reached the stop position (30), i.e. on its 31st
// tick. The bar wraps from its maximum (76) to 0 and so never shows full.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QTimer;

class ProgressDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kMaximum = 76;
  static constexpr int kStopPosition = 30;

  // Shown inside `parent` (the calling dialog). The caller sets the caption
  // and promptLabel, shows the window modally and frees it afterwards.
  explicit ProgressDialog(QWidget* parent = nullptr);

  // One tick of the timer; tests call it to drive the window.
  void tick();

  // The timer interval of windows made from now on, in milliseconds (1000
  // by default); 0 starts no timer, so that only driven ticks advance.
  static void SetTickInterval(int ms);
  static int TickInterval();

  QLabel* promptLabel = nullptr;
  QProgressBar* progressBar = nullptr;
  QTimer* timer = nullptr;

 protected:
  void startTicking();
  void stopTicking();
  void done(int result) override;
};
