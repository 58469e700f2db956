#include "dialogs/acl/IpMaskDialog.h"

#include <QComboBox>
#include <QLineEdit>

#include "tables/DefTables.h"

IpMaskDialog::IpMaskDialog(const DialogContext& context, AclFilter filter)
    : AclTableDialog(context, filter == AclFilter::CpuInterface ? tbl::IPMaskCPUFilter1 : tbl::IPMaskInformation1, 2),
      cpu_(filter == AclFilter::CpuInterface) {
  Build();
}

void IpMaskDialog::Build() {
  NameButtons("BT_Get", "BT_Add", "BT_Delete");
  idEdit = AddEdit("IPIDEdit", QStringLiteral("IP Mask ID"));
  useVlanCombo = AddCombo("UseVLANComboBox", QStringLiteral("Use VLAN"));
  maskStateCombo = AddCombo("IpAddMaskStateComboBox", QStringLiteral("IP Address Mask State"));
  useDscpCombo = AddCombo("UseDSCPComBo", QStringLiteral("Use DSCP"));
  sourceMaskEdit = AddEdit("IpAddMaskSrcEdit", QStringLiteral("Source IP Address Mask"));
  destinationMaskEdit = AddEdit("IpAddMaskDstEdit", QStringLiteral("Destination IP Address Mask"));
  protocolTypeCombo = AddCombo("UseProTypeComBo", QStringLiteral("Use Protocol Type"));
  if (cpu_) {
    icmpOptionCombo = AddCombo("ICMPOpetionComboBo", QStringLiteral("ICMP Opetion"));
    igmpOptionCombo = AddCombo("IGMPOpetionComboBo", QStringLiteral("IGMP Opetion"));
  }
  tcpOptionCombo = AddCombo("TCPOptionComBo", QStringLiteral("TCP Option"));
  udpOptionCombo = AddCombo("UDPOptionComBo", QStringLiteral("UDP Option"));
  sourcePortMaskEdit = AddEdit("TCPUDPSrcMaskEdit", QStringLiteral("TCP or UDP Srouce Port Mask"));
  destinationPortMaskEdit = AddEdit("TCPUDPDstPortMaskEdit", QStringLiteral("TCP or UDP Destination Port Mask"));
  tcpFlagOptionCombo = AddCombo("TCPFlagBitOptionComBo", QStringLiteral("TCP Flag Bit Option"));
  tcpFlagMaskEdit = AddEdit("TCPFlagBitMaskEdit", QStringLiteral("TCP Flag Bit Mask (0-63)"));
  protocolIdOptionCombo = AddCombo("ProOptionComBo", QStringLiteral("Protocol ID Option"));
  protocolIdEdit = AddEdit("ProtoIDEdit", cpu_ ? QStringLiteral("Proto ID Mask(0-255)") : QStringLiteral("Proto ID (0-255)"));
  userMaskEdit = AddEdit("ProIDMaskEdit", QStringLiteral("User Mask"));
  rowStatusCombo = AddCombo("RowStatusComBo", QStringLiteral("Row Status"));

  BindIndexEdit(Var(kId), idEdit, cpu_ ? "%i{n1x3}" : "%i{n1x256l3}");
  BindCombo(Var(kUseVlan), useVlanCombo, QStringLiteral("enabled"));
  BindCombo(Var(kMaskState), maskStateCombo, QStringLiteral("other"));
  BindEdit(Var(kSourceIp), sourceMaskEdit, "%s");
  BindEdit(Var(kDestIp), destinationMaskEdit, "%s");
  BindCombo(Var(kUseDscp), useDscpCombo, QStringLiteral("disabled"));
  BindCombo(Var(kProtocol), protocolTypeCombo, QStringLiteral("none"));
  if (cpu_) {
    BindCombo(kCpuIcmpOption, icmpOptionCombo, QStringLiteral("none"));
    BindCombo(kCpuIgmpOption, igmpOptionCombo, QStringLiteral("enable"));
  }
  BindCombo(Var(kTcpOption), tcpOptionCombo, QStringLiteral("other"));
  BindCombo(Var(kUdpOption), udpOptionCombo, QStringLiteral("other"));
  BindEdit(Var(kSourcePortMask), sourcePortMaskEdit, "%s");
  BindEdit(Var(kDestPortMask), destinationPortMaskEdit, "%s");
  BindCombo(Var(kTcpFlag), tcpFlagOptionCombo, QStringLiteral("disable"));
  BindEdit(Var(kTcpFlagMask), tcpFlagMaskEdit, "%i");
  BindCombo(Var(kProtocolIdOption), protocolIdOptionCombo, QStringLiteral("disable"));
  if (cpu_) {
    BindEdit(kCpuProtocolIdMask, protocolIdEdit, "%i");
    BindEdit(kCpuUserMask, userMaskEdit, "%s{l8}");
  } else {
    // "Protocol ID" is an INTEGER entered as two hex digits: the hidden
    // protocolIdEdit carries it as a number, userMaskEdit shows it.
    BindEdit(kProtocolId, protocolIdEdit, "%i");
    fieldEdits_.push_back(userMaskEdit);
    userMaskEdit->setMaxLength(2);
    HideField(protocolIdEdit);
  }
  BindCombo(Var(kRowStatus), rowStatusCombo, QStringLiteral("active"));
  SetRowStatus(Var(kRowStatus), rowStatusCombo);
  ResetButtons();
}

// The variable of the current table for a column of the normal table.
int IpMaskDialog::Var(int normal) const {
  if (!cpu_) return normal;
  switch (normal) {
    case kTcpOption: return kCpuTcpOption;
    case kUdpOption: return kCpuUdpOption;
    case kSourcePortMask: return kCpuSourcePortMask;
    case kDestPortMask: return kCpuDestPortMask;
    case kTcpFlag: return kCpuTcpFlag;
    case kTcpFlagMask: return kCpuTcpFlagMask;
    case kProtocolIdOption: return kCpuProtocolIdOption;
    case kProtocolId: return kCpuProtocolIdMask;
    case kRowStatus: return kCpuRowStatus;
    default: return normal;  // the first seven are the same
  }
}

void IpMaskDialog::RowSelected(bool selected) {
  AclTableDialog::RowSelected(selected);
  if (selected && !cpu_) {
    bool ok = false;
    const int id = protocolIdEdit->text().toInt(&ok);
    userMaskEdit->setText(ok && id >= 0 ? QStringLiteral("%1").arg(id, 2, 16, QLatin1Char('0')).toUpper() : QString());
  }
}

namespace {
bool IsIntIn(const QString& text, int low, int high) {
  bool ok = false;
  const int v = text.toInt(&ok);
  return ok && v >= low && v <= high;
}
}  // namespace

bool IpMaskDialog::Validate() {
  if (idEdit->text().isEmpty()) {
    refuse(QStringLiteral("IP Mask ID must be set."), idEdit);
    return false;
  }
  const bool src = Is(maskStateCombo, "src-ip-addr") || Is(maskStateCombo, "dst-src-ip-addr");
  const bool dst = Is(maskStateCombo, "dst-ip-addr") || Is(maskStateCombo, "dst-src-ip-addr");
  for (auto [wanted, edit] : {std::pair{src, sourceMaskEdit}, std::pair{dst, destinationMaskEdit}}) {
    if (wanted && !edit->text().isEmpty() && !CheckIpv4Text(this, edit->text())) {
      edit->setFocus();
      return false;
    }
  }
  const QString invalidMask = QStringLiteral("Invalid Mask!");
  const bool protocolId = Is(protocolTypeCombo, "protocolId");
  if (!cpu_) {
    // The hex text becomes the column's number, so it is checked whenever
    // it would be written, not only with the option on enable.
    if (protocolId && !userMaskEdit->text().isEmpty() &&
        !CheckHexField(this, userMaskEdit->text(), 2, invalidMask)) {
      userMaskEdit->setFocus();
      return false;
    }
  } else {
    if (protocolId && Is(protocolIdOptionCombo, "enable") && !userMaskEdit->text().isEmpty() &&
        !CheckHexField(this, userMaskEdit->text(), 8, invalidMask)) {
      userMaskEdit->setFocus();
      return false;
    }
    if (protocolId && !protocolIdEdit->text().isEmpty() && !IsIntIn(protocolIdEdit->text(), 0, 255)) {
      refuse(QStringLiteral("Please input a valid value"), protocolIdEdit);
      return false;
    }
  }
  if (Is(protocolTypeCombo, "tcp") || Is(protocolTypeCombo, "udp")) {
    auto either = [&](const char* a, const char* b) {
      return Is(tcpOptionCombo, a) || Is(tcpOptionCombo, b) || Is(udpOptionCombo, a) || Is(udpOptionCombo, b);
    };
    const bool dstPort = either("dst-addr", "dst-src-addr");
    const bool srcPort = either("src-addr", "dst-src-addr");
    for (auto [wanted, edit] : {std::pair{dstPort, destinationPortMaskEdit}, std::pair{srcPort, sourcePortMaskEdit}}) {
      if (wanted && !edit->text().isEmpty() && !CheckHexField(this, edit->text(), 4, invalidMask)) {
        edit->setFocus();
        return false;
      }
    }
  }
  if (Is(protocolTypeCombo, "tcp") && Is(tcpFlagOptionCombo, "enable") && !tcpFlagMaskEdit->text().isEmpty() &&
      !IsIntIn(tcpFlagMaskEdit->text(), 0, 63)) {
    refuse(QStringLiteral("Please input a valid value"), tcpFlagMaskEdit);
    return false;
  }
  return true;
}

void IpMaskDialog::addClicked() {
  if (!Validate()) return;
  if (!CheckNewMask(idEdit, QStringLiteral("There is already a record with the same IP Mask ID. Please modified it."),
                    rowStatusCombo, QStringLiteral("Row Status must be createAndGo.")))
    return;
  if (!cpu_) {
    bool ok = false;
    const int id = userMaskEdit->text().toInt(&ok, 16);
    protocolIdEdit->setText(ok ? QString::number(id) : QString());
  }
  KyColumnExclusion exclusion(varList());
  if (cpu_)
    ExcludeCpu(exclusion);
  else
    ExcludeNormal(exclusion);
  const bool ok = Write();
  Finish(exclusion, ok, true);
}

void IpMaskDialog::ExcludeNormal(KyColumnExclusion& x) {
  // Address masks by the mask state.
  ExcludeByMaskState(x, maskStateCombo, "dst-ip-addr", "src-ip-addr", {kMaskState, kSourceIp, kDestIp});
  // Port masks by the TCP and UDP options.
  if (tcpOptionCombo->currentIndex() <= 0) x.Exclude({kTcpOption, kSourcePortMask, kDestPortMask});
  if (udpOptionCombo->currentIndex() <= 0) x.Exclude({kUdpOption, kSourcePortMask, kDestPortMask});
  for (QComboBox* option : {tcpOptionCombo, udpOptionCombo}) {
    if (Is(option, "dst-addr") || Is(option, "dst-src-addr")) x.Include(kDestPortMask);
    if (Is(option, "src-addr") || Is(option, "dst-src-addr")) x.Include(kSourcePortMask);
  }
  if (Is(tcpFlagOptionCombo, "disable")) x.Exclude(kTcpFlagMask);
  // By the protocol type.
  if (Is(protocolTypeCombo, "none"))
    x.Exclude({kProtocol, kTcpOption, kUdpOption, kSourcePortMask, kDestPortMask, kTcpFlag, kTcpFlagMask,
               kProtocolIdOption, kProtocolId});
  else if (Is(protocolTypeCombo, "icmp") || Is(protocolTypeCombo, "igmp"))
    x.Exclude({kTcpOption, kUdpOption, kSourcePortMask, kDestPortMask, kTcpFlag, kTcpFlagMask, kProtocolIdOption,
               kProtocolId});
  else if (Is(protocolTypeCombo, "tcp"))
    x.Exclude({kUdpOption, kProtocolIdOption, kProtocolId});
  else if (Is(protocolTypeCombo, "udp"))
    x.Exclude({kTcpOption, kTcpFlag, kTcpFlagMask, kProtocolIdOption, kProtocolId});
  else if (Is(protocolTypeCombo, "protocolId"))
    x.Exclude({kUdpOption, kSourcePortMask, kDestPortMask, kTcpFlag, kTcpFlagMask});
  if (Is(protocolTypeCombo, "tcp") && Is(tcpOptionCombo, "other")) x.Exclude(kTcpOption);
  if (Is(protocolTypeCombo, "udp") && Is(udpOptionCombo, "other")) x.Exclude(kUdpOption);
  // Empty edits.
  if (tcpFlagMaskEdit->text().isEmpty()) x.Exclude(kTcpFlagMask);
  if (sourceMaskEdit->text().isEmpty()) x.Exclude(kSourceIp);
  if (destinationMaskEdit->text().isEmpty()) x.Exclude(kDestIp);
  if (sourcePortMaskEdit->text().isEmpty()) x.Exclude(kSourcePortMask);
  if (destinationPortMaskEdit->text().isEmpty()) x.Exclude(kDestPortMask);
  if (userMaskEdit->text().isEmpty()) x.Exclude(kProtocolId);
}

void IpMaskDialog::ExcludeCpu(KyColumnExclusion& x) {
  ExcludeByMaskState(x, maskStateCombo, "dst-ip-addr", "src-ip-addr", {kCpuMaskState, kCpuSourceIp, kCpuDestIp});
  if (Is(icmpOptionCombo, "none")) x.Exclude(kCpuIcmpOption);
  if (tcpOptionCombo->currentIndex() <= 0) x.Exclude({kCpuSourcePortMask, kCpuDestPortMask});
  if (udpOptionCombo->currentIndex() <= 0) x.Exclude({kCpuSourcePortMask, kCpuDestPortMask});
  for (QComboBox* option : {tcpOptionCombo, udpOptionCombo}) {
    if (Is(option, "dst-addr") || Is(option, "dst-src-addr")) x.Include(kCpuDestPortMask);
    if (Is(option, "src-addr") || Is(option, "dst-src-addr")) x.Include(kCpuSourcePortMask);
  }
  if (Is(tcpFlagOptionCombo, "disable")) x.Exclude(kCpuTcpFlagMask);
  if (Is(protocolIdOptionCombo, "disable")) x.Exclude(kCpuUserMask);
  auto range = [&](int first, int last) {
    for (int i = first; i <= last; ++i) x.Exclude(i);
  };
  if (Is(protocolTypeCombo, "none")) {
    range(kCpuProtocol, kCpuUserMask);
  } else if (Is(protocolTypeCombo, "icmp")) {
    range(kCpuIgmpOption, kCpuUserMask);
  } else if (Is(protocolTypeCombo, "igmp")) {
    x.Exclude(kCpuIcmpOption);
    range(kCpuTcpOption, kCpuUserMask);
  } else if (Is(protocolTypeCombo, "tcp")) {
    x.Exclude({kCpuIcmpOption, kCpuIgmpOption, kCpuUdpOption, kCpuProtocolIdOption,
               kCpuProtocolIdMask, kCpuUserMask});
  } else if (Is(protocolTypeCombo, "udp")) {
    x.Exclude({kCpuIcmpOption, kCpuIgmpOption, kCpuTcpOption, kCpuTcpFlag, kCpuTcpFlagMask,
               kCpuProtocolIdOption, kCpuProtocolIdMask, kCpuUserMask});
  } else if (Is(protocolTypeCombo, "protocolId")) {
    range(kCpuIcmpOption, kCpuTcpFlagMask);
  }
  if (Is(protocolTypeCombo, "tcp") && Is(tcpOptionCombo, "other")) x.Exclude(kCpuTcpOption);
  if (Is(protocolTypeCombo, "udp") && Is(udpOptionCombo, "other")) x.Exclude(kCpuUdpOption);
  if (Is(protocolTypeCombo, "protocolId") && Is(protocolIdOptionCombo, "disable")) x.Exclude(kCpuUserMask);
  if (tcpFlagMaskEdit->text().isEmpty()) x.Exclude(kCpuTcpFlagMask);
  if (sourceMaskEdit->text().isEmpty()) x.Exclude(kCpuSourceIp);
  if (destinationMaskEdit->text().isEmpty()) x.Exclude(kCpuDestIp);
  if (sourcePortMaskEdit->text().isEmpty()) x.Exclude(kCpuSourcePortMask);
  if (destinationPortMaskEdit->text().isEmpty()) x.Exclude(kCpuDestPortMask);
  if (protocolIdEdit->text().isEmpty()) x.Exclude(kCpuProtocolIdMask);
  if (userMaskEdit->text().isEmpty()) x.Exclude(kCpuUserMask);
  SelectLabel(rowStatusCombo, QStringLiteral("createAndGo"));
}
