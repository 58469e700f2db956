// Ethernet access rules, of the access-control list or of the CPU interface
// filter (which has no priority fields and no RX rate).
#pragma once

#include "dialogs/acl/AclFilter.h"
#include "dialogs/acl/AclRuleDialog.h"

class EthernetRuleDialog : public AclRuleDialog {
  Q_OBJECT

 public:
  explicit EthernetRuleDialog(const DialogContext& context, AclFilter filter = AclFilter::AccessList);

  // Variables of the normal table.
  enum Var {
    kMaskId, kAccessId, kVlan, kSourceMac, kDestMac, k8021p, kEthType, kEnablePriority, kPriority,
    kReplacePriority, kPermit, kPort, kRowStatus, kRxRate
  };
  // Variables of the CPU filter's table.
  static constexpr int kCpuVlan = 2, kCpuSourceMac = 3, kCpuDestMac = 4, kCpu8021p = 5, kCpuEthType = 6,
                       kCpuPermit = 7, kCpuRowStatus = 8, kCpuPort = 9;

  QLineEdit* MaskIDEdit = nullptr;
  QLineEdit* AccessEdit = nullptr;
  QLineEdit* VlanRuleEdit = nullptr;
  QCheckBox* cbxVlan = nullptr;
  QLineEdit* SourceMACEdit = nullptr;
  QCheckBox* cbxSource = nullptr;
  QLineEdit* DestMACEdit = nullptr;
  QCheckBox* cbxDestination = nullptr;
  QLineEdit* IEEE8021pEdit = nullptr;
  QCheckBox* cbxIEEE802dot1P = nullptr;
  QLineEdit* EthTypeEdit = nullptr;
  QCheckBox* cbxEtherType = nullptr;
  QComboBox* EnablePriorityComboBox = nullptr;  // normal table only
  QCheckBox* cbxEablePriority = nullptr;
  QLineEdit* PriorityEdit = nullptr;
  QCheckBox* cbxPriority = nullptr;
  QComboBox* ReplacePriorityComboBox = nullptr;
  QCheckBox* cbxReplacePriority = nullptr;
  QComboBox* PermitComboBox = nullptr;
  QCheckBox* cbxPermit = nullptr;
  QComboBox* RowComboBox = nullptr;
  QCheckBox* cbxRow = nullptr;
  QLineEdit* RxRateEdit = nullptr;  // normal table only
  QCheckBox* cbxRxRate = nullptr;

 protected:
  bool Validate() override;

 private:
  void Build();
  bool cpu_ = false;
};
