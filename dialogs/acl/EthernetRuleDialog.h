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

  QLineEdit* maskIdEdit = nullptr;
  QLineEdit* accessIdEdit = nullptr;
  QLineEdit* vlanEdit = nullptr;
  QCheckBox* vlanBox = nullptr;
  QLineEdit* sourceMacEdit = nullptr;
  QCheckBox* sourceMacBox = nullptr;
  QLineEdit* destinationMacEdit = nullptr;
  QCheckBox* destinationMacBox = nullptr;
  QLineEdit* priority8021pEdit = nullptr;
  QCheckBox* priority8021pBox = nullptr;
  QLineEdit* ethernetTypeEdit = nullptr;
  QCheckBox* ethernetTypeBox = nullptr;
  QComboBox* enablePriorityCombo = nullptr;  // normal table only
  QCheckBox* enablePriorityBox = nullptr;
  QLineEdit* priorityEdit = nullptr;
  QCheckBox* priorityBox = nullptr;
  QComboBox* replacePriorityCombo = nullptr;
  QCheckBox* replacePriorityBox = nullptr;
  QComboBox* permitCombo = nullptr;
  QCheckBox* permitBox = nullptr;
  QComboBox* rowStatusCombo = nullptr;
  QCheckBox* rowStatusBox = nullptr;
  QLineEdit* rxRateEdit = nullptr;  // normal table only
  QCheckBox* rxRateBox = nullptr;

 protected:
  bool Validate() override;

 private:
  void Build();
  bool cpu_ = false;
};
