// "DHCP Relay Control": the DHCP servers the switch relays to, per
// interface (at most four each), with the entry window of a new server.
#pragma once

#include <QDialog>

#include "app/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TBOOTCtrlTableForm;

// The entry window: made hidden with the table window and owned by it; its
// two edits are bound to the table window's binding.
class TNewBootpCtrlForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kServersPerInterface = 4;

  explicit TNewBootpCtrlForm(TBOOTCtrlTableForm* table);

  void SetButtonClick();
  void CloseButtonClick() { close(); }

  QLineEdit* Edit1;  // "Interface Name"
  QLineEdit* Edit2;  // "DHCP Server IP"
  QPushButton* SetButton;
  QPushButton* CloseButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TBOOTCtrlTableForm* table_;
};

class TBOOTCtrlTableForm : public TSnmpDialog {
  Q_OBJECT

 public:
  explicit TBOOTCtrlTableForm(const DialogContext& context);

  void RefreshBtnClick();
  void DeleteBtnClick();
  void AddBtnClick();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }
  // Rows of the list whose interface name is exactly `name`.
  int ServersOf(const QString& name) const;

  QTreeWidget* ListView1;
  QComboBox* ComboBox1;  // hidden: "Row Status"
  QPlainTextEdit* Memo1;
  QPushButton* RefreshBtn;
  QPushButton* DeleteBtn;
  QPushButton* AddBtn;
  QPushButton* CloseBtn;
  TNewBootpCtrlForm* NewBootpCtrlForm;

 protected:
  void FirstRefresh() override;

 private:
  QString agent_;
};
