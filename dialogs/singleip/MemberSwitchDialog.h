// "Member Switch": the member switches of the single-IP group; Add opens the
// window that adds one, Delete removes the selected one.
#pragma once

#include <QDialog>
#include <cstdint>

#include "dialogs/common/DialogBase.h"

class MemberSwitchAddDialog;

class MemberSwitchDialog : public SnmpDialog {
  Q_OBJECT

 public:
  // Request timeout of the member table, in hundredths of a second.
  static constexpr int32_t kTableTimeout = 500;

  explicit MemberSwitchDialog(const DialogContext& context);

  void refresh();  // "Refresh"
  void deleteClicked();
  void addClicked();
  void selectionChanged();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }
  KySNMPRequest2Edits* AddEditor() const { return Binding(1); }
  // Appends an error text to the memo.
  void AppendError(const std::string& text);

  QTreeWidget* memberList;
  QPlainTextEdit* memo;
  QPushButton* refreshButton;
  QPushButton* deleteButton;
  QPushButton* addButton;
  QPushButton* closeButton;
  MemberSwitchAddDialog* addDialog;

 protected:
  void FirstRefresh() override;
};
