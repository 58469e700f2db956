// The 802.1Q views beside the static table: the current VLAN table (read
// only, with its port lists on grids), the bridge's basic configuration and
// the per-port VLAN settings.
#pragma once

#include <QString>

#include "app/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TPortUitForm;

class TVLanCurrentTableForm : public TSnmpDialog {
  Q_OBJECT

 public:
  explicit TVLanCurrentTableForm(const DialogContext& context);
  void BT_GetClick();
  void LV_dot1qVlanCurrentEntryClick();

  QTreeWidget* LV_dot1qVlanCurrentEntry = nullptr;
  QLabel* VlanNumDeletes = nullptr;
  QLabel* StaticText1 = nullptr;  // the selected VLAN index
  TPortUitForm* EgressPorts = nullptr;
  TPortUitForm* UntaggedPorts = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;  // hidden
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  void ClearFields();
  KySNMPRequest2Edits* scalars_ = nullptr;
  KySNMPRequest2Edits* table_ = nullptr;
};

class TVLanGeneralInfoForm : public TSnmpDialog {
  Q_OBJECT

 public:
  explicit TVLanGeneralInfoForm(const DialogContext& context);
  void BT_GetClick();
  void BT_SetClick();

  QLabel* VlanVersionNumber = nullptr;
  QLabel* MaxVlanId = nullptr;
  QLabel* MaxSupportedVlans = nullptr;
  QLabel* NumVlans = nullptr;
  QComboBox* GvrpStatus = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  KySNMPRequest2Edits* general_ = nullptr;
};

class TVLanPortInfomationForm : public TSnmpDialog {
  Q_OBJECT

 public:
  explicit TVLanPortInfomationForm(const DialogContext& context);
  void BT_GetClick();
  void BT_SetClick();

  QTreeWidget* LV_dot1qPortVlanEntry = nullptr;
  QLineEdit* PortVLanID = nullptr;
  QComboBox* PortAcceptableFrameTypes = nullptr;
  QComboBox* PortIngressFiltering = nullptr;
  QComboBox* PortGvrpStatus = nullptr;
  QPlainTextEdit* Memo1 = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  KySNMPRequest2Edits* ports_ = nullptr;
  QString reselect_;  // the line to select again once the table is read after a write
};
