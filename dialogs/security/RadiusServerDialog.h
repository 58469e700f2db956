// "RADIUS Server": the RADIUS servers (at most three) in a list, added and
// edited in an edit window that shares the list's binding, so that it shows
// the selected row.
#pragma once

#include "dialogs/common/DialogBase.h"

class RadiusServerEditDialog;

class RadiusServerDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit RadiusServerDialog(QWidget* owner = nullptr);

  void refreshClicked();
  void addClicked();
  void editClicked();
  void deleteClicked();

  // The checks and the write of the edit window's "Set"; true when written.
  bool setFromEditWindow();
  // The address rule: "" when `ip` may be a RADIUS server, else the message.
  static QString AddressRuleMessage(const QString& ip);

  KySNMPRequest2Edits* binding = nullptr;
  QTreeWidget* serverList = nullptr;
  QPlainTextEdit* messages = nullptr;
  QPushButton* refreshButton = nullptr;
  QPushButton* addButton = nullptr;
  QPushButton* deleteButton = nullptr;
  QPushButton* editButton = nullptr;
  QPushButton* closeButton = nullptr;
  RadiusServerEditDialog* editWindow = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  bool CheckAddress();
  bool IsDuplicate() const;
  // Selects the line of the server `index` again after a read, leaving the
  // edit window's fields as they are.
  void SelectKeepingFields(const QString& index);
};
