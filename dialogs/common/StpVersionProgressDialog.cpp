#include "dialogs/common/StpVersionProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "editors/UiSupport.h"

StpVersionProgressDialog::StpVersionProgressDialog(QWidget* parent) : ProgressDialog(parent) {
  setObjectName(QStringLiteral("ProgressForm2"));
  StopPos = kStopPosition;
  stopPosition_ = StopPos;
}
