// "Safeguard Engine": the rising and falling CPU thresholds, the mode and the
// trap/log state, each written only when its use box is checked.
#pragma once

#include "dialogs/common/DialogBase.h"

class SafeguardControlDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit SafeguardControlDialog(const DialogContext& context);

  QLineEdit* risingEdit = nullptr;
  QLineEdit* fallingEdit = nullptr;
  QCheckBox* risingBox = nullptr;
  QCheckBox* fallingBox = nullptr;
  QCheckBox* modeBox = nullptr;
  QPushButton* setButton = nullptr;  // "Set Chekced"
  QLabel* fallingReadLabel = nullptr;  // hidden: the falling threshold last read

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void refreshClicked();
  void setClicked();
  void checkAll(bool checked);
  void updateSetButton();

  QCheckBox* alarmBox = nullptr;
  QLabel* statusLabel = nullptr;
  KySNMPRequest2Edits* binding_ = nullptr;
};
