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

class StaticUnicastFilterDialog : public SnmpDialog {
  Q_OBJECT

 public:
  explicit StaticUnicastFilterDialog(const DialogContext& context);

  void RefreshBtnClick();
  void SetBtnClick();  // "Add"
  void DeleteBtnClick();
  void ListViewClick();

  KySNMPRequest2Edits* Editor() const { return Binding(0); }

  QTreeWidget* LV_dot1qStaticUnicastEntry;
  QLineEdit* ED_UnicastVID;
  QLineEdit* UnicastAddress;
  QComboBox* UStatus;
  QGroupBox* AllowGroup;  // "Allow To Go To Port"
  PortGrid* AllowPorts;
  QPlainTextEdit* Memo1;
  QLabel* ST_Count;
  QPushButton* RefreshBtn;
  QPushButton* SetBtn;
  QPushButton* DeleteBtn;
  QPushButton* CloseBtn;

 protected:
  void FirstRefresh() override;

 private:
  void NoSelection();
  void Write(bool excludePorts);

  QLineEdit* receivePort_ = nullptr;
};
