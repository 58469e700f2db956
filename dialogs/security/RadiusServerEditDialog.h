// The RADIUS servers (at most three): a list window and its edit window,
// which share one binding, so that the edit window shows the selected row.
#pragma once

#include <QDialog>

#include "editors/SnmpDialog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class RadiusServerDialog;

class RadiusServerEditDialog : public QDialog {
  Q_OBJECT

 public:
  explicit RadiusServerEditDialog(RadiusServerDialog* list);

  // Puts the window in add or edit mode, as its activation does.
  void Prepare(bool addMode);
  bool AddMode() const { return addMode_; }
  void SetClick();

  QComboBox* IndexComboBox = nullptr;
  QLineEdit* IpEdit = nullptr;
  QLineEdit* KeyEdit = nullptr;
  QLineEdit* PortIndexEdit = nullptr;
  QLineEdit* AccountPortEdit = nullptr;
  QComboBox* StatusComboBox = nullptr;
  QPushButton* SetButton = nullptr;
  QPushButton* CloseButton = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  RadiusServerDialog* list_;
  bool addMode_ = true;
};
