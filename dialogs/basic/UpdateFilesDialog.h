// "Agent Supported Update Files": the firmware and configuration files the
// agent knows, edited one selected row at a time.
#pragma once

#include "dialogs/common/TableDialog.h"

class UpdateFilesDialog : public TableDialog {
  Q_OBJECT

 public:
  explicit UpdateFilesDialog(const DialogContext& context);

  void refreshClicked();
  void setClicked();

  QTreeWidget* fileList;
  QLineEdit* indexEdit;
  QLineEdit* addressEdit;
  QPushButton* setButton;

 protected:
  void FirstRefresh() override;

 private:
  QLabel* statusPanel_;
};
