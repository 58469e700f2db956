// The progress window of a change of the spanning tree version: a
// ProgressDialog under its own object name.
#pragma once

#include "dialogs/common/ProgressDialog.h"

class StpVersionProgressDialog : public ProgressDialog {
  Q_OBJECT

 public:
  explicit StpVersionProgressDialog(QWidget* parent = nullptr);
};
