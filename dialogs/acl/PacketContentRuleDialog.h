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

  QLineEdit* ProfileIDEdit = nullptr;
  QLineEdit* AccessIDEdit = nullptr;
  QLineEdit* OffsetIndexEdit[kGroups] = {};  // OffsetIndex1Edit ... OffsetIndex5Edit
  QCheckBox* cbxOffsetIndex[kGroups] = {};   // cbxOffsetIndex1First, cbxOffsetIndex2 ... 5
  QLineEdit* MaskEdit[kGroups] = {};         // OffsetMask1Edit, Mask2Edit ... Mask5Edit (shown only)
  QLineEdit* DataEdit[kGroups] = {};         // OffsetData1Edit, Data2Edit ... Data5Edit
  QCheckBox* cbxData[kGroups] = {};          // cbxData1 ... cbxData5
  QComboBox* EnablePriorityComboBox = nullptr;
  QCheckBox* cbxEnablePriority = nullptr;
  QLineEdit* PriorityEdit = nullptr;
  QCheckBox* cbxPriority = nullptr;
  QComboBox* ReplPriyComboBox = nullptr;
  QCheckBox* cbxReplace = nullptr;
  QLineEdit* RXRateEdit = nullptr;
  QCheckBox* cbxRXRate = nullptr;
  QComboBox* PermitComboBox = nullptr;
  QCheckBox* cbxPermit = nullptr;
  QComboBox* RowComboBox = nullptr;
  QCheckBox* cbxRow = nullptr;

  // A deny rule changes no priority: the priority fields are disabled.
  void ApplyDenyRule(bool deny);

 protected:
  bool Validate() override;
  bool CheckRowStatus() override;
  bool KindExclusions(KyColumnExclusion& exclusion) override;
  void RowSelected(bool selected) override;
  void AfterRefresh() override;
};
