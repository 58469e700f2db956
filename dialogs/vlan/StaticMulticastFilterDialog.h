// The Q-BRIDGE static forwarding tables: "Multicast Information" (static
// multicast entries with their egress ports) and "Unicast Information"
// (static unicast entries with the one port they may go to).
#pragma once

#include "editors/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class PortGrid;

class StaticMulticastFilterDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit StaticMulticastFilterDialog(const DialogContext& context);

  void RefreshBtnClick();
  void SetBtnClick();
  void DeleteBtnClick();
  void AddBtnClick();
  void ListViewClick();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* LV_dot1qStaticMulticastEntry;
  QLineEdit* ED_MulticastVID;
  QLineEdit* ED_MACAddress;
  QComboBox* Status;
  QTabWidget* PortTabs;  // "Egress Ports", and the hidden "Forbidden Ports"
  PortGrid* EgressPorts;
  QPlainTextEdit* Memo1;
  QLabel* ST_Count;
  QPushButton* RefreshBtn;
  QPushButton* SetBtn;
  QPushButton* DeleteBtn;
  QPushButton* AddBtn;
  QPushButton* CloseBtn;

 protected:
  void FirstRefresh() override;

 private:
  void NoSelection();
  void Write(bool excludeStatus);

  QLineEdit* receivePort_ = nullptr;
};
