#include "dialogs/common/ProgressDialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "editors/UiSupport.h"

namespace {

int& Interval() {
  static int interval = 1000;
  return interval;
}

}  // namespace

void ProgressDialog::SetTickInterval(int ms) { Interval() = ms; }

int ProgressDialog::TickInterval() { return Interval(); }

ProgressDialog::ProgressDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
  setObjectName(QStringLiteral("ProgressForm"));
  setWindowTitle(QStringLiteral("Progress"));
  setModal(true);
  setFixedSize(Px(this, 300), Px(this, 90));

  promptLabel = new QLabel(this);
  promptLabel->setObjectName(QStringLiteral("LB_Prompt"));
  QFont bold = promptLabel->font();
  bold.setBold(true);
  promptLabel->setFont(bold);
  promptLabel->setGeometry(Px(this, 16), Px(this, 12), Px(this, 268), Px(this, 20));

  progressBar = new QProgressBar(this);
  progressBar->setObjectName(QStringLiteral("ProgressBar"));
  progressBar->setRange(0, kMaximum);
  progressBar->setValue(0);
  progressBar->setTextVisible(false);
  progressBar->setGeometry(Px(this, 16), Px(this, 44), Px(this, 268), Px(this, 20));

  timer = new QTimer(this);
  timer->setObjectName(QStringLiteral("ProgressTimer"));
  connect(timer, &QTimer::timeout, this, &ProgressDialog::tick);
  startTicking();
}

void ProgressDialog::startTicking() {
  if (TickInterval() <= 0) return;
  timer->setInterval(TickInterval());
  timer->start();
}

void ProgressDialog::tick() {
  if (progressBar->value() >= kStopPosition) {
    close();
    return;
  }
  int position = progressBar->value() + 1;
  if (position == progressBar->maximum()) position = progressBar->minimum();
  progressBar->setValue(position);
}

void ProgressDialog::stopTicking() { timer->stop(); }

void ProgressDialog::done(int result) {
  stopTicking();
  QDialog::done(result);
}
