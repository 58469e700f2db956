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

  QLineEdit* IPRuleEdit = nullptr;
  QLineEdit* AccessIDEdit = nullptr;
  QLineEdit* VlanEdit = nullptr;  // "VLANEdit" in the CPU filter's layout
  QCheckBox* cbxVlan = nullptr;
  QLineEdit* SourceIPEdit = nullptr;
  QCheckBox* cbxSourceIP = nullptr;
  QLineEdit* DestIPEdit = nullptr;
  QCheckBox* cbxDestIP = nullptr;
  QLineEdit* DSCPEdit = nullptr;
  QCheckBox* cbxDscp = nullptr;
  QComboBox* ProtocolComboBox = nullptr;
  QCheckBox* cbxProtocol = nullptr;
  QLineEdit* TypeEdit = nullptr;  // CPU filter only
  QCheckBox* cbxType = nullptr;
  QLineEdit* CodeEdit = nullptr;  // CPU filter only
  QCheckBox* cbxCode = nullptr;
  QLineEdit* SourcePortEdit = nullptr;
  QCheckBox* cbxSourcePort = nullptr;
  QLineEdit* DestPortEdit = nullptr;
  QCheckBox* cbxDestPort = nullptr;
  QLineEdit* FlagEdit = nullptr;
  QCheckBox* cbxFBs = nullptr;
  QLineEdit* ProtocolIDEdit = nullptr;
  QCheckBox* cbxProtocolID = nullptr;
  QLineEdit* UserMaskEdit = nullptr;  // CPU filter only
  QCheckBox* cbxUserMask = nullptr;
  QComboBox* EnablePriorityComboBox = nullptr;  // normal table only
  QCheckBox* cbxEnabledPriority = nullptr;
  QLineEdit* PriorityEdit = nullptr;
  QCheckBox* cbxPriority = nullptr;
  QComboBox* ReplaceComboBox = nullptr;
  QCheckBox* cbxReplacePriority = nullptr;
  QComboBox* PermitComboBox = nullptr;
  QCheckBox* cbxPermit = nullptr;
  QComboBox* RowComboBox = nullptr;  // "RowStatusComboBox" in the CPU filter's layout
  QCheckBox* cbxRow = nullptr;
  QLineEdit* RxRateEdit = nullptr;  // normal table only
  QCheckBox* cbxRxRate = nullptr;

 protected:
  bool Validate() override;
  bool KindExclusions(KyColumnExclusion& exclusion) override;
  void RowSelected(bool selected) override;

 private:
  void Build();
  bool cpu_ = false;
};
