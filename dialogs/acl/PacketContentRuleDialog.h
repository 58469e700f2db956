// Packet-content access rules: five offset/data pairs, each shown with the
// profile's byte mask for it; priority fields that a deny rule disables.
#pragma once

#include "dialogs/acl/AclRuleDialog.h"

class PacketContentRuleDialog : public AclRuleDialog {
  Q_OBJECT

 public:
  explicit PacketContentRuleDialog(const DialogContext& context);

  static constexpr int kGroups = 5;
  // Variables: group n (from 0) has its offset, mask and data at 2 + 3n, 3 + 3n, 4 + 3n.
  static constexpr int kEnablePriority = 17, kPriority = 18, kReplacePriority = 19, kRxRate = 20, kPermit = 21,
                       kPort = 22, kRowStatus = 23;
  static int OffsetVar(int n) { return 2 + 3 * n; }
  static int MaskVar(int n) { return 3 + 3 * n; }
  static int DataVar(int n) { return 4 + 3 * n; }

  QLineEdit* profileIdEdit = nullptr;
  QLineEdit* accessIdEdit = nullptr;
  QLineEdit* offsetEdits[kGroups] = {};  // OffsetIndex1Edit ... OffsetIndex5Edit
  QCheckBox* offsetBoxes[kGroups] = {};   // cbxOffsetIndex1First, cbxOffsetIndex2 ... 5
  QLineEdit* maskEdits[kGroups] = {};         // OffsetMask1Edit, Mask2Edit ... Mask5Edit (shown only)
  QLineEdit* dataEdits[kGroups] = {};         // OffsetData1Edit, Data2Edit ... Data5Edit
  QCheckBox* dataBoxes[kGroups] = {};          // cbxData1 ... cbxData5
  QComboBox* enablePriorityCombo = nullptr;
  QCheckBox* enablePriorityBox = nullptr;
  QLineEdit* priorityEdit = nullptr;
  QCheckBox* priorityBox = nullptr;
  QComboBox* replacePriorityCombo = nullptr;
  QCheckBox* replacePriorityBox = nullptr;
  QLineEdit* rxRateEdit = nullptr;
  QCheckBox* rxRateBox = nullptr;
  QComboBox* permitCombo = nullptr;
  QCheckBox* permitBox = nullptr;
  QComboBox* rowStatusCombo = nullptr;
  QCheckBox* rowStatusBox = nullptr;

  // A deny rule changes no priority: the priority fields are disabled.
  void applyDenyRule(bool deny);

 protected:
  bool Validate() override;
  bool CheckRowStatus() override;
  bool KindExclusions(KyColumnExclusion& exclusion) override;
  void RowSelected(bool selected) override;
  void AfterRefresh() override;
};
