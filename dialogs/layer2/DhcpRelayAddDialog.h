// The entry window of "DHCP Relay Control": a new DHCP server of an
// interface (at most four each).
#pragma once

#include <QDialog>

#include "dialogs/common/DialogBase.h"

class DhcpRelayDialog;

// The entry window: made hidden with the table window and owned by it; its
// two edits are bound to the table window's binding.
class DhcpRelayAddDialog : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kServersPerInterface = 4;

  explicit DhcpRelayAddDialog(DhcpRelayDialog* table);

  void setClicked();
  void closeClicked() { close(); }

  QLineEdit* interfaceEdit;  // "Interface Name"
  QLineEdit* serverIpEdit;  // "DHCP Server IP"
  QPushButton* setButton;
  QPushButton* closeButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  DhcpRelayDialog* table_;
};
