// The router ports of IGMP or MLD snooping (the variant): the static,
// dynamic and forbidden router ports of each VLAN on three port grids. A
// ready flag, cleared while the table is read, gates the writes.
#pragma once

#include "dialogs/common/DialogBase.h"

class RouterPortsDialog : public SnmpDialog {
  Q_OBJECT

 public:
  enum class Protocol { Igmp, Mld };

  RouterPortsDialog(const DialogContext& context, Protocol protocol);

  void refreshClicked();
  void setClicked();
  // MLD only: ends the running read after the reply in flight.
  void stopClicked();
  // MLD refuses to close while its read runs.
  void reject() override;

  QTreeWidget* vlanList = nullptr;
  QLabel* vlanIdLabel = nullptr;
  PortGrid* staticPorts = nullptr;
  PortGrid* dynamicPorts = nullptr;
  PortGrid* forbiddenPorts = nullptr;
  QPushButton* setButton = nullptr;

 protected:
  void FirstRefresh() override { refreshClicked(); }

 private:
  void rowSelected();
  void clearFields();

  Protocol protocol_;
  KySNMPRequest2Edits* ports_ = nullptr;
  QList<QLabel*> texts_;
};
