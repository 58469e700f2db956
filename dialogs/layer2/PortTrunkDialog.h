// The port trunk table: trunk groups as lines; a group's index, master port,
// member ports, type and state; groups are added (createAndGo), changed and
// deleted (destroy alone). The member and master-port checks run before
// anything is written.
#pragma once

#include "dialogs/common/DialogBase.h"

class PortTrunkDialog : public SnmpDialog {
  Q_OBJECT

 public:
  static constexpr int kMaxMembers = 8;

  explicit PortTrunkDialog(const DialogContext& context);

  void BT_GetClick();
  void BT_SetClick();  // "Add"
  void SetBtnClick();  // "Set"
  void BT_DeleteClick();
  void LV_PortTrunkClick();

  QTreeWidget* LV_PortTrunk = nullptr;
  QLineEdit* ED_Index = nullptr;
  QLineEdit* ED_MasterPort = nullptr;  // hidden: the global master port
  QLineEdit* UnitEdit = nullptr;       // hidden: always unit 1
  QLineEdit* PortEdit = nullptr;
  QComboBox* Combo_Type = nullptr;
  QComboBox* Combo_State = nullptr;  // hidden
  QLabel* ST_FloodingPort = nullptr;
  QTabWidget* PageControl1 = nullptr;
  PortGrid* MemberPorts = nullptr;
  PortGrid* ActivePorts = nullptr;
  QLabel* StatusPanel = nullptr;
  QPushButton* BT_Get = nullptr;
  QPushButton* BT_Set = nullptr;
  QPushButton* SetBtn = nullptr;
  QPushButton* BT_Delete = nullptr;
  QPushButton* BT_Close = nullptr;

 protected:
  void FirstRefresh() override;

 private:
  void ClearFields();
  void ButtonsAfterRefresh();
  bool Fail(const QString& message, QWidget* focus);
  // Unit and port of the master port; false (after the message) when invalid.
  bool CheckMasterPort(int& global);
  // The member boxes of unit 1: at most eight (a ninth is unchecked again), at least two.
  bool CheckMembers();
  bool MasterPortChecked(int global) const;
  // Apply on the binding; a request error is shown and answers false.
  bool Write(bool refreshAfter);

  KySNMPRequest2Edits* trunk_ = nullptr;
};
