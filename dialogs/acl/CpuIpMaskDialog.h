// IPv4 access profiles of the CPU interface filter: with ICMP and IGMP
// options, a protocol ID mask and a user mask.
#pragma once

#include "dialogs/acl/IpMaskDialog.h"

class CpuIpMaskDialog : public IpMaskDialog {
  Q_OBJECT

 public:
  explicit CpuIpMaskDialog(const DialogContext& context);

  // Variables of the CPU table, in table order.
  enum CpuVar {
    kCpuId, kCpuUseVlan, kCpuMaskState, kCpuSourceIp, kCpuDestIp, kCpuUseDscp, kCpuProtocol, kCpuIcmpOption,
    kCpuIgmpOption, kCpuTcpOption, kCpuUdpOption, kCpuSourcePortMask, kCpuDestPortMask, kCpuTcpFlag,
    kCpuTcpFlagMask, kCpuProtocolIdOption, kCpuProtocolIdMask, kCpuUserMask, kCpuRowStatus
  };
};
