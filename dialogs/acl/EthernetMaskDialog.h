// Ethernet access profiles (masks), of the access-control list or of the CPU
// interface filter.
#pragma once

#include "dialogs/acl/AclFilter.h"
#include "dialogs/acl/AclTableDialog.h"

class EthernetMaskDialog : public AclTableDialog {
  Q_OBJECT

 public:
  explicit EthernetMaskDialog(const DialogContext& context, AclFilter filter = AclFilter::AccessList);

  // Variables of the table, in table order.
  enum Var { kId, kUseVlan, kMaskState, kSourceMask, kDestMask, kUse8021p, kUseEthType, kRowStatus };

  QLineEdit* idEdit = nullptr;
  QComboBox* useVlanCombo = nullptr;
  QComboBox* maskStateCombo = nullptr;
  QLineEdit* sourceMaskEdit = nullptr;
  QLineEdit* destinationMaskEdit = nullptr;
  QComboBox* use8021pCombo = nullptr;
  QComboBox* useEthernetTypeCombo = nullptr;
  QComboBox* rowStatusCombo = nullptr;

  void addClicked() override;

 private:
  bool Validate();
};
