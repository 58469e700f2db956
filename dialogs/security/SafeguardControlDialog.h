// "Safeguard Engine": the rising and falling CPU thresholds, the mode and the
// trap/log state, each written only when its use box is checked.
#pragma once

#include "dialogs/common/DialogBase.h"

class SafeguardControlDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit SafeguardControlDialog(const DialogContext& context);

  void refreshClicked();
  void setClicked();
  void checkAll(bool checked);

  QLineEdit* risingEdit = nullptr;
  QLineEdit* fallingEdit = nullptr;
  QComboBox* modeCombo = nullptr;
  QComboBox* alarmCombo = nullptr;
  QComboBox* currentStateCombo = nullptr;
  QCheckBox* risingBox = nullptr;
  QCheckBox* fallingBox = nullptr;
  QCheckBox* alarmBox = nullptr;
  QCheckBox* modeBox = nullptr;
  QPushButton* refreshButton = nullptr;
  QPushButton* setButton = nullptr;  // "Set Chekced"
  QPushButton* checkAllButton = nullptr;
  QPushButton* clearChecksButton = nullptr;
  QPushButton* closeButton = nullptr;
  QLabel* statusLabel = nullptr;
  QLabel* fallingReadLabel = nullptr;  // hidden: the falling threshold last read

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void updateSetButton();
  KySNMPRequest2Edits* binding_ = nullptr;
};
