// The window that adds a member switch to the single-IP group: its ID, the
// candidate's ID and the password, written with createAndGo.
#pragma once

#include <QDialog>

#include "dialogs/common/DialogBase.h"

class MemberSwitchDialog;

// The add window: made with the table window and owned by it; its four
// controls are bound to the table window's second binding, a single-instance
// list whose instance is the member switch ID of each write.
class MemberSwitchAddDialog : public QDialog {
  Q_OBJECT

 public:
  explicit MemberSwitchAddDialog(MemberSwitchDialog* table);

  void setClicked();

  QLineEdit* memberIdEdit;
  QLineEdit* candidateIdEdit;
  QLineEdit* passwordEdit;
  QComboBox* rowStatusCombo;
  QPushButton* setButton;
  QPushButton* closeButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  MemberSwitchDialog* table_;
};
