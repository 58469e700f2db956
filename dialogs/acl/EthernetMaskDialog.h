// Ethernet access profiles (masks), of the access-control list or of the CPU
// interface filter.
#pragma once

#include "dialogs/acl/AclFilter.h"
#include "dialogs/acl/AclTableDialog.h"

class QComboBox;
class QLineEdit;

class EthernetMaskDialog : public AclTableDialog {
  Q_OBJECT

 public:
  explicit EthernetMaskDialog(const DialogContext& context, AclFilter filter = AclFilter::AccessList);

  // Variables of the table, in table order.
  enum Var { kId, kUseVlan, kMaskState, kSourceMask, kDestMask, kUse8021p, kUseEthType, kRowStatus };

  QLineEdit* IDEdit = nullptr;
  QComboBox* UseVLanComBo = nullptr;
  QComboBox* MacMaskStateComBo = nullptr;
  QLineEdit* MacAddMaskSourceEdit = nullptr;
  QLineEdit* MacMaskDstEdit = nullptr;
  QComboBox* Use8021pComBo = nullptr;
  QComboBox* UseEthTypeCombo = nullptr;
  QComboBox* RowStatusComBo = nullptr;

  void Add() override;

 private:
  bool Validate();
};
