#include "dialogs/common/ProgressForm.h"

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

void TProgressForm::SetTickInterval(int ms) { Interval() = ms; }
int TProgressForm::TickInterval() { return Interval(); }

TProgressForm::TProgressForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint) {
  setObjectName(QStringLiteral("ProgressForm"));
  setWindowTitle(QStringLiteral("Progress"));
  setModal(true);
  setFixedSize(Px(this, 300), Px(this, 90));

  LB_Prompt = new QLabel(this);
  LB_Prompt->setObjectName(QStringLiteral("LB_Prompt"));
  QFont bold = LB_Prompt->font();
  bold.setBold(true);
  LB_Prompt->setFont(bold);
  LB_Prompt->setGeometry(Px(this, 16), Px(this, 12), Px(this, 268), Px(this, 20));

  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  ProgressBar->setRange(0, kMaximum);
  ProgressBar->setValue(0);
  ProgressBar->setTextVisible(false);
  ProgressBar->setGeometry(Px(this, 16), Px(this, 44), Px(this, 268), Px(this, 20));

  ProgressTimer = new QTimer(this);
  ProgressTimer->setObjectName(QStringLiteral("ProgressTimer"));
  connect(ProgressTimer, &QTimer::timeout, this, &TProgressForm::ProgressTimerTimer);
  FormCreate();
}

void TProgressForm::FormCreate() {
  if (TickInterval() <= 0) return;
  ProgressTimer->setInterval(TickInterval());
  ProgressTimer->start();
}

void TProgressForm::ProgressTimerTimer() {
  if (ProgressBar->value() >= stopPosition_) {
    close();
    return;
  }
  int position = ProgressBar->value() + 1;
  if (position == ProgressBar->maximum()) position = ProgressBar->minimum();
  ProgressBar->setValue(position);
}

void TProgressForm::FormClose() { ProgressTimer->stop(); }

void TProgressForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

TProgressForm2::TProgressForm2(QWidget* parent) : TProgressForm(parent) {
  setObjectName(QStringLiteral("ProgressForm2"));
  StopPos = kStopPosition;
  stopPosition_ = StopPos;
}
