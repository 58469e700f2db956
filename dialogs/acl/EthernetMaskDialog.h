// Ethernet access profiles (masks) of the access-control list, and the base
// of their CPU-interface-filter twin.
#pragma once

#include "dialogs/acl/AclTableDialog.h"

class QComboBox;
class QLineEdit;

class EthernetMaskDialog : public AclTableDialog {
  Q_OBJECT

 public:
  explicit EthernetMaskDialog(const DialogContext& context);

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

 protected:
  // The CPU filter's twin: its own table, ID range and initial row status.
  EthernetMaskDialog(const DialogContext& context, const KyVarDefTable& table, const char* idFormat,
                               const QString& initialRowStatus);

 private:
  void Build(const char* idFormat, const QString& initialRowStatus);
  bool Validate();
};
