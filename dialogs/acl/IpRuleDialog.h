// IPv4 access rules, of the access-control list or of the CPU interface
// filter (with ICMP type and code and a user mask, without priorities).
#pragma once

#include "dialogs/acl/AclFilter.h"
#include "dialogs/acl/AclRuleDialog.h"

class IpRuleDialog : public AclRuleDialog {
  Q_OBJECT

 public:
  explicit IpRuleDialog(const DialogContext& context, AclFilter filter = AclFilter::AccessList);

  // Variables of the normal table.
  enum Var {
    kRuleId, kAccessId, kVlan, kSourceIp, kDestIp, kDscp, kProtocol, kSourcePort, kDestPort, kFlagBits,
    kProtocolId, kEnablePriority, kPriority, kReplacePriority, kPermit, kPort, kRowStatus, kRxRate
  };
  // Variables of the CPU filter's table.
  static constexpr int kCpuType = 7, kCpuCode = 8, kCpuSourcePort = 9, kCpuDestPort = 10, kCpuFlagBits = 11,
                       kCpuProtocolId = 12, kCpuUserMask = 13, kCpuPermit = 14, kCpuRowStatus = 15, kCpuPort = 16;

  QLineEdit* ruleIdEdit = nullptr;
  QLineEdit* accessIdEdit = nullptr;
  QLineEdit* vlanEdit = nullptr;  // "VLANEdit" in the CPU filter's layout
  QCheckBox* vlanBox = nullptr;
  QLineEdit* sourceIpEdit = nullptr;
  QCheckBox* sourceIpBox = nullptr;
  QLineEdit* destinationIpEdit = nullptr;
  QCheckBox* destinationIpBox = nullptr;
  QLineEdit* dscpEdit = nullptr;
  QCheckBox* dscpBox = nullptr;
  QComboBox* protocolCombo = nullptr;
  QCheckBox* protocolBox = nullptr;
  QLineEdit* icmpTypeEdit = nullptr;  // CPU filter only
  QCheckBox* icmpTypeBox = nullptr;
  QLineEdit* icmpCodeEdit = nullptr;  // CPU filter only
  QCheckBox* icmpCodeBox = nullptr;
  QLineEdit* sourcePortEdit = nullptr;
  QCheckBox* sourcePortBox = nullptr;
  QLineEdit* destinationPortEdit = nullptr;
  QCheckBox* destinationPortBox = nullptr;
  QLineEdit* flagBitsEdit = nullptr;
  QCheckBox* flagBitsBox = nullptr;
  QLineEdit* protocolIdEdit = nullptr;
  QCheckBox* protocolIdBox = nullptr;
  QLineEdit* userMaskEdit = nullptr;  // CPU filter only
  QCheckBox* userMaskBox = nullptr;
  QComboBox* enablePriorityCombo = nullptr;  // normal table only
  QCheckBox* enablePriorityBox = nullptr;
  QLineEdit* priorityEdit = nullptr;
  QCheckBox* priorityBox = nullptr;
  QComboBox* replacePriorityCombo = nullptr;
  QCheckBox* replacePriorityBox = nullptr;
  QComboBox* permitCombo = nullptr;
  QCheckBox* permitBox = nullptr;
  QComboBox* rowStatusCombo = nullptr;  // "RowStatusComboBox" in the CPU filter's layout
  QCheckBox* rowStatusBox = nullptr;
  QLineEdit* rxRateEdit = nullptr;  // normal table only
  QCheckBox* rxRateBox = nullptr;

 protected:
  bool Validate() override;
  bool KindExclusions(KyColumnExclusion& exclusion) override;
  void RowSelected(bool selected) override;

 private:
  void Build();
  bool cpu_ = false;
};
