#include "dialogs/common/StpVersionProgressDialog.h"

StpVersionProgressDialog::StpVersionProgressDialog(QWidget* parent) : ProgressDialog(parent) {
  setObjectName(QStringLiteral("ProgressForm2"));
}
