// Three small port-list dialogs: traffic segmentation (the ports each port
// may forward to), the deletion of a learned port-security entry, and the
// guest VLAN of 802.1X.
#pragma once

#include "app/DialogContext.h"
#include "editors/SnmpDialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TPortUitForm;

class TTrafficSegmentationForm : public TSnmpDialog {
  Q_OBJECT

 public:
  explicit TTrafficSegmentationForm(const DialogContext& context);
  void BT_GetClick();
  void BT_SetClick();
  void ListView1Click();

  QTreeWidget* ListView1 = nullptr;
  QLabel* ST_Port = nullptr;  // hidden: the global port of the line
  QComboBox* Combo_Unit = nullptr;
  QComboBox* Combo_Port = nullptr;
  TPortUitForm* ForwardPorts = nullptr;
  QLabel* StatusPanel = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  void ClearFields();
  KySNMPRequest2Edits* segments_ = nullptr;
};

class TPrtSecDelCtrlForm : public TSnmpDialog {
  Q_OBJECT

 public:
  explicit TPrtSecDelCtrlForm(const DialogContext& context);
  void BT_GetClick();
  void BT_SetClick();

  QLineEdit* edtVlan = nullptr;
  QLineEdit* edtPort = nullptr;  // hidden: the global port
  QLineEdit* edtMac = nullptr;
  QComboBox* cbxOper = nullptr;  // hidden
  QLineEdit* UnitEdit = nullptr;  // hidden: always unit 1
  QLineEdit* PortEdit = nullptr;
  QLabel* StatusPanel = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  void ShowUnitPort();
  KySNMPRequest2Edits* delete_ = nullptr;
};

class TGuestVlanForm : public TSnmpDialog {
  Q_OBJECT

 public:
  explicit TGuestVlanForm(const DialogContext& context);
  void BT_GetClick();
  void BT_SetClick();
  void BT_DeleteClick();

  QLineEdit* edtName = nullptr;
  TPortUitForm* Ports = nullptr;
  QComboBox* cbxDel = nullptr;  // hidden
  QLabel* StatusPanel = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* BT_Delete = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override { BT_GetClick(); }

 private:
  KySNMPRequest2Edits* guest_ = nullptr;
  KySNMPRequest2Edits* delete_ = nullptr;
};
