// "Member Switch": the member switches of the single-IP group, with the add
// window of a new member.
#pragma once

#include <QDialog>
#include <cstdint>

#include "app/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TMSInformationForm;

// The add window: made with the table window and owned by it; its four
// controls are bound to the table window's second binding, a single-instance
// list whose instance is the member switch ID of each write.
class TMSEditForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int32_t kAddMode = 2;

  explicit TMSEditForm(TMSInformationForm* table);

  void SetButtonClick();
  void CloseButtonClick() { close(); }

  int32_t mode = 0;
  QLineEdit* MSIDEdit;
  QLineEdit* KeyIDEdit;
  QLineEdit* MS_Password;
  QComboBox* Row_Status;
  QPushButton* SetButton;
  QPushButton* CloseButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TMSInformationForm* table_;
};

class TMSInformationForm : public TSnmpDialog {
  Q_OBJECT

 public:
  // Request timeout of the member table, in hundredths of a second.
  static constexpr int32_t kTableTimeout = 500;

  explicit TMSInformationForm(const DialogContext& context);

  void GetButtonClick();  // "Refresh"
  void DeleteButtonClick();
  void AddButtonClick();
  void ListView1Click();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }
  KySNMPRequest2Edits* AddEditor() const { return Binding(1); }
  // Appends an error text to the memo.
  void AppendError(const std::string& text);

  QTreeWidget* ListView1;
  QPlainTextEdit* Memo1;
  QPushButton* GetButton;
  QPushButton* DeleteButton;
  QPushButton* AddButton;
  QPushButton* CloseButton;
  TMSEditForm* MSEditForm;

 protected:
  void FirstRefresh() override;
};
