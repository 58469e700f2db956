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
  connect(ProgressTimer, &QTimer::timeout, this, &ProgressDialog::ProgressTimerTimer);
  FormCreate();
}

void ProgressDialog::FormCreate() {
  if (TickInterval() <= 0) return;
  ProgressTimer->setInterval(TickInterval());
  ProgressTimer->start();
}

void ProgressDialog::ProgressTimerTimer() {
  if (ProgressBar->value() >= stopPosition_) {
    close();
    return;
  }
  int position = ProgressBar->value() + 1;
  if (position == ProgressBar->maximum()) position = ProgressBar->minimum();
  ProgressBar->setValue(position);
}

void ProgressDialog::FormClose() { ProgressTimer->stop(); }

void ProgressDialog::done(int result) {
  FormClose();
  QDialog::done(result);
}
