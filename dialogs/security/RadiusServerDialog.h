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
class RadiusServerEditDialog;

class RadiusServerDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit RadiusServerDialog(QWidget* owner = nullptr);

  void RefreshClick();
  void AddClick();
  void EditClick();
  void DeleteClick();

  // The checks and the write of the edit window's "Set"; true when written.
  bool SetFromEditForm();
  // The address rule: "" when `ip` may be a RADIUS server, else the message.
  static QString AddressRuleMessage(const QString& ip);

  KySNMPRequest2Edits* binding = nullptr;
  QTreeWidget* ListView1 = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* RefreshButton = nullptr;
  QPushButton* AddButton = nullptr;
  QPushButton* DeleteButton = nullptr;
  QPushButton* EditButton = nullptr;
  QPushButton* CloseButton = nullptr;
  RadiusServerEditDialog* EditForm = nullptr;

 protected:
  void FirstRefresh() override { RefreshClick(); }

 private:
  bool CheckAddress();
  bool IsDuplicate() const;
  // Selects the line of the server `index` again after a read, leaving the
  // edit window's fields as they are.
  void SelectKeepingFields(const QString& index);
};
