// "Member Switch": the member switches of the single-IP group; Add opens the
// window that adds one, Delete removes the selected one.
#pragma once

#include <cstdint>

#include "dialogs/common/TableDialog.h"

class MemberSwitchAddDialog;

class MemberSwitchDialog : public TableDialog {
  Q_OBJECT

 public:
  // Request timeout of the member table, in hundredths of a second.
  static constexpr int32_t kTableTimeout = 500;

  explicit MemberSwitchDialog(const DialogContext& context);

  void refreshClicked();
  void deleteClicked();
  void addClicked();

  // The add window's binding, a single-instance list whose instance is the
  // member switch ID of each write.
  KySNMPRequest2Edits* AddEditor() const { return Binding(1); }

  QTreeWidget* memberList;
  QPlainTextEdit* messages;
  QPushButton* refreshButton;
  QPushButton* deleteButton;
  QPushButton* addButton;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void AppendError(const std::string& text);

  MemberSwitchAddDialog* addDialog_;
};
