// The edit window of the RADIUS server list: the fields of one server, in
// add mode or edit mode, and "Set", which the list window checks and writes.
#pragma once

#include <QDialog>

#include "dialogs/common/DialogBase.h"

class RadiusServerDialog;

class RadiusServerEditDialog : public QDialog {
  Q_OBJECT

 public:
  explicit RadiusServerEditDialog(RadiusServerDialog* list);

  // Puts the window in add or edit mode, as its activation does.
  void Prepare(bool addMode);
  bool AddMode() const { return addMode_; }
  void setClicked();

  QComboBox* indexCombo = nullptr;
  QLineEdit* ipEdit = nullptr;
  QLineEdit* keyEdit = nullptr;
  QLineEdit* authPortEdit = nullptr;
  QLineEdit* accountingPortEdit = nullptr;
  QComboBox* statusCombo = nullptr;
  QPushButton* setButton = nullptr;
  QPushButton* closeButton = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  RadiusServerDialog* list_;
  bool addMode_ = true;
};
