// IPv4 access profiles (masks), of the access-control list or of the CPU
// interface filter (with ICMP and IGMP options, a protocol ID mask and a user
// mask).
#pragma once

#include "dialogs/acl/AclFilter.h"
#include "dialogs/acl/AclTableDialog.h"

class IpMaskDialog : public AclTableDialog {
  Q_OBJECT

 public:
  explicit IpMaskDialog(const DialogContext& context, AclFilter filter = AclFilter::AccessList);

  // Variables of the normal table, in table order.
  enum Var {
    kId, kUseVlan, kMaskState, kSourceIp, kDestIp, kUseDscp, kProtocol, kTcpOption, kUdpOption,
    kSourcePortMask, kDestPortMask, kTcpFlag, kTcpFlagMask, kProtocolIdOption, kProtocolId, kRowStatus
  };
  // Variables of the CPU filter's table, in table order.
  enum CpuVar {
    kCpuId, kCpuUseVlan, kCpuMaskState, kCpuSourceIp, kCpuDestIp, kCpuUseDscp, kCpuProtocol, kCpuIcmpOption,
    kCpuIgmpOption, kCpuTcpOption, kCpuUdpOption, kCpuSourcePortMask, kCpuDestPortMask, kCpuTcpFlag,
    kCpuTcpFlagMask, kCpuProtocolIdOption, kCpuProtocolIdMask, kCpuUserMask, kCpuRowStatus
  };

  QLineEdit* idEdit = nullptr;
  QComboBox* useVlanCombo = nullptr;
  QComboBox* maskStateCombo = nullptr;
  QLineEdit* sourceMaskEdit = nullptr;
  QLineEdit* destinationMaskEdit = nullptr;
  QComboBox* useDscpCombo = nullptr;
  QComboBox* protocolTypeCombo = nullptr;
  QComboBox* icmpOptionCombo = nullptr;  // CPU filter only
  QComboBox* igmpOptionCombo = nullptr;  // CPU filter only
  QComboBox* tcpOptionCombo = nullptr;
  QComboBox* udpOptionCombo = nullptr;
  QLineEdit* sourcePortMaskEdit = nullptr;
  QLineEdit* destinationPortMaskEdit = nullptr;
  QComboBox* tcpFlagOptionCombo = nullptr;
  QLineEdit* tcpFlagMaskEdit = nullptr;
  QComboBox* protocolIdOptionCombo = nullptr;
  // Normal table: hidden, bound to "Protocol ID"; it carries the value of
  // userMaskEdit (two hex digits) as a number. CPU filter: shown, bound to
  // "Protocol ID Mask".
  QLineEdit* protocolIdEdit = nullptr;
  QLineEdit* userMaskEdit = nullptr;  // "User Mask"
  QComboBox* rowStatusCombo = nullptr;

  void addClicked() override;

 protected:
  void RowSelected(bool selected) override;

 private:
  void Build();
  bool Validate();
  void ExcludeNormal(KyColumnExclusion& exclusion);
  void ExcludeCpu(KyColumnExclusion& exclusion);
  int Var(int normal) const;

  bool cpu_ = false;
};
