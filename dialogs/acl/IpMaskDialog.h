// IPv4 access profiles (masks), of the access-control list or of the CPU
// interface filter (with ICMP and IGMP options, a protocol ID mask and a user
// mask).
#pragma once

#include "dialogs/acl/AclFilter.h"
#include "dialogs/acl/AclTableDialog.h"

class QComboBox;
class QLineEdit;

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

  QLineEdit* IPIDEdit = nullptr;
  QComboBox* UseVLANComboBox = nullptr;
  QComboBox* IpAddMaskStateComboBox = nullptr;
  QLineEdit* IpAddMaskSrcEdit = nullptr;
  QLineEdit* IpAddMaskDstEdit = nullptr;
  QComboBox* UseDSCPComBo = nullptr;
  QComboBox* UseProTypeComBo = nullptr;
  QComboBox* ICMPOpetionComboBo = nullptr;  // CPU filter only
  QComboBox* IGMPOpetionComboBo = nullptr;  // CPU filter only
  QComboBox* TCPOptionComBo = nullptr;
  QComboBox* UDPOptionComBo = nullptr;
  QLineEdit* TCPUDPSrcMaskEdit = nullptr;
  QLineEdit* TCPUDPDstPortMaskEdit = nullptr;
  QComboBox* TCPFlagBitOptionComBo = nullptr;
  QLineEdit* TCPFlagBitMaskEdit = nullptr;
  QComboBox* ProOptionComBo = nullptr;
  // Normal table: hidden, bound to "Protocol ID"; it carries the value of
  // ProIDMaskEdit (two hex digits) as a number. CPU filter: shown, bound to
  // "Protocol ID Mask".
  QLineEdit* ProtoIDEdit = nullptr;
  QLineEdit* ProIDMaskEdit = nullptr;  // "User Mask"
  QComboBox* RowStatusComBo = nullptr;

  void Add() override;

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
