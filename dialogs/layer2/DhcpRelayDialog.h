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

  KySNMPRequest2Edits* Editor() const { return Binding(0); }
  // Rows of the list whose interface name is exactly `name`.
  int serversOf(const QString& name) const;

  QTreeWidget* serverList;
  QComboBox* rowStatusCombo;  // hidden: "Row Status", set by the entry window too
  QPushButton* addButton;
  QPushButton* deleteButton;

 protected:
  void FirstRefresh() override;

 private:
  void refreshClicked();
  void deleteClicked();
  void addClicked();

  QString agent_;
  QPlainTextEdit* messages;
  DhcpRelayAddDialog* addDialog;
};
