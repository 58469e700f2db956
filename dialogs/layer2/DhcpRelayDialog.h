// "DHCP Relay Control": the DHCP servers the switch relays to, per
// interface (at most four each), with the entry window of a new server.
#pragma once

#include <QDialog>

#include "dialogs/common/DialogBase.h"

class DhcpRelayAddDialog;

class DhcpRelayDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit DhcpRelayDialog(const DialogContext& context);

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
  DhcpRelayAddDialog* NewBootpCtrlForm;

 protected:
  void FirstRefresh() override;

 private:
  QString agent_;
};
