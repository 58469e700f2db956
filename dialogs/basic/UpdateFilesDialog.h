// "Agent Supported Update Files": the firmware and configuration files the
// agent knows, edited one selected row at a time.
#pragma once

#include "dialogs/common/DialogBase.h"

class UpdateFilesDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit UpdateFilesDialog(const DialogContext& context);

  void refreshClicked();   // "Refresh"
  void setClicked();  // "Set"
  void fileSelected();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* fileList;
  QLineEdit* indexEdit;
  QLineEdit* descriptionEdit;
  QLineEdit* addressEdit;
  QComboBox* transferTypeCombo;
  QLineEdit* nameEdit;
  QLineEdit* locateIdEdit;
  QComboBox* loadTypeCombo;
  QComboBox* controlCombo;
  QComboBox* incrementCombo;
  QLineEdit* multipleImageControlIdEdit;
  QLabel* samplesLabel;
  QPushButton* refreshButton;
  QPushButton* setButton;
  QPushButton* closeButton;  // "Close"
  QStatusBar* statusBar;
  QLabel* statusPanel;

 protected:
  void FirstRefresh() override;

 private:
  void ClearControls();
};
