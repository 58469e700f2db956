// "DHCP Relay Control": the DHCP servers the switch relays to, per
// interface (at most four each), with the entry window of a new server.
#pragma once

#include <QDialog>

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class DhcpRelayDialog;

// The entry window: made hidden with the table window and owned by it; its
// two edits are bound to the table window's binding.
class DhcpRelayAddDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kServersPerInterface = 4;

  explicit DhcpRelayAddDialog(DhcpRelayDialog* table);

  void SetButtonClick();
  void CloseButtonClick() { close(); }

  QLineEdit* Edit1;  // "Interface Name"
  QLineEdit* Edit2;  // "DHCP Server IP"
  QPushButton* SetButton;
  QPushButton* CloseButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  DhcpRelayDialog* table_;
};
