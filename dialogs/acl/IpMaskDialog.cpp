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
  IPIDEdit = AddEdit("IPIDEdit", QStringLiteral("IP Mask ID"));
  UseVLANComboBox = AddCombo("UseVLANComboBox", QStringLiteral("Use VLAN"));
  IpAddMaskStateComboBox = AddCombo("IpAddMaskStateComboBox", QStringLiteral("IP Address Mask State"));
  UseDSCPComBo = AddCombo("UseDSCPComBo", QStringLiteral("Use DSCP"));
  IpAddMaskSrcEdit = AddEdit("IpAddMaskSrcEdit", QStringLiteral("Source IP Address Mask"));
  IpAddMaskDstEdit = AddEdit("IpAddMaskDstEdit", QStringLiteral("Destination IP Address Mask"));
  UseProTypeComBo = AddCombo("UseProTypeComBo", QStringLiteral("Use Protocol Type"));
  if (cpu_) {
    ICMPOpetionComboBo = AddCombo("ICMPOpetionComboBo", QStringLiteral("ICMP Opetion"));
    IGMPOpetionComboBo = AddCombo("IGMPOpetionComboBo", QStringLiteral("IGMP Opetion"));
  }
  TCPOptionComBo = AddCombo("TCPOptionComBo", QStringLiteral("TCP Option"));
  UDPOptionComBo = AddCombo("UDPOptionComBo", QStringLiteral("UDP Option"));
  TCPUDPSrcMaskEdit = AddEdit("TCPUDPSrcMaskEdit", QStringLiteral("TCP or UDP Srouce Port Mask"));
  TCPUDPDstPortMaskEdit = AddEdit("TCPUDPDstPortMaskEdit", QStringLiteral("TCP or UDP Destination Port Mask"));
  TCPFlagBitOptionComBo = AddCombo("TCPFlagBitOptionComBo", QStringLiteral("TCP Flag Bit Option"));
  TCPFlagBitMaskEdit = AddEdit("TCPFlagBitMaskEdit", QStringLiteral("TCP Flag Bit Mask (0-63)"));
  ProOptionComBo = AddCombo("ProOptionComBo", QStringLiteral("Protocol ID Option"));
  ProtoIDEdit = AddEdit("ProtoIDEdit", cpu_ ? QStringLiteral("Proto ID Mask(0-255)") : QStringLiteral("Proto ID (0-255)"));
  ProIDMaskEdit = AddEdit("ProIDMaskEdit", QStringLiteral("User Mask"));
  RowStatusComBo = AddCombo("RowStatusComBo", QStringLiteral("Row Status"));

  BindIndexEdit(Var(kId), IPIDEdit, cpu_ ? "%i{n1x3}" : "%i{n1x256l3}");
  BindCombo(Var(kUseVlan), UseVLANComboBox, QStringLiteral("enabled"));
  BindCombo(Var(kMaskState), IpAddMaskStateComboBox, QStringLiteral("other"));
  BindEdit(Var(kSourceIp), IpAddMaskSrcEdit, "%s");
  BindEdit(Var(kDestIp), IpAddMaskDstEdit, "%s");
  BindCombo(Var(kUseDscp), UseDSCPComBo, QStringLiteral("disabled"));
  BindCombo(Var(kProtocol), UseProTypeComBo, QStringLiteral("none"));
  if (cpu_) {
    BindCombo(kCpuIcmpOption, ICMPOpetionComboBo, QStringLiteral("none"));
    BindCombo(kCpuIgmpOption, IGMPOpetionComboBo, QStringLiteral("enable"));
  }
  BindCombo(Var(kTcpOption), TCPOptionComBo, QStringLiteral("other"));
  BindCombo(Var(kUdpOption), UDPOptionComBo, QStringLiteral("other"));
  BindEdit(Var(kSourcePortMask), TCPUDPSrcMaskEdit, "%s");
  BindEdit(Var(kDestPortMask), TCPUDPDstPortMaskEdit, "%s");
  BindCombo(Var(kTcpFlag), TCPFlagBitOptionComBo, QStringLiteral("disable"));
  BindEdit(Var(kTcpFlagMask), TCPFlagBitMaskEdit, "%i");
  BindCombo(Var(kProtocolIdOption), ProOptionComBo, QStringLiteral("disable"));
  if (cpu_) {
    BindEdit(kCpuProtocolIdMask, ProtoIDEdit, "%i");
    BindEdit(kCpuUserMask, ProIDMaskEdit, "%s{l8}");
  } else {
    // "Protocol ID" is an INTEGER entered as two hex digits: the hidden
    // ProtoIDEdit carries it as a number, ProIDMaskEdit shows it.
    BindEdit(kProtocolId, ProtoIDEdit, "%i");
    fieldEdits_.push_back(ProIDMaskEdit);
    ProIDMaskEdit->setMaxLength(2);
    HideField(ProtoIDEdit);
  }
  BindCombo(Var(kRowStatus), RowStatusComBo, QStringLiteral("active"));
  SetRowStatus(Var(kRowStatus), RowStatusComBo);
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
    const int id = ProtoIDEdit->text().toInt(&ok);
    ProIDMaskEdit->setText(ok && id >= 0 ? QStringLiteral("%1").arg(id, 2, 16, QLatin1Char('0')).toUpper() : QString());
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
  if (IPIDEdit->text().isEmpty()) {
    Refuse(QStringLiteral("IP Mask ID must be set."), IPIDEdit);
    return false;
  }
  const bool src = Is(IpAddMaskStateComboBox, "src-ip-addr") || Is(IpAddMaskStateComboBox, "dst-src-ip-addr");
  const bool dst = Is(IpAddMaskStateComboBox, "dst-ip-addr") || Is(IpAddMaskStateComboBox, "dst-src-ip-addr");
  for (auto [wanted, edit] : {std::pair{src, IpAddMaskSrcEdit}, std::pair{dst, IpAddMaskDstEdit}}) {
    if (wanted && !edit->text().isEmpty() && !CheckIpv4Text(this, edit->text())) {
      edit->setFocus();
      return false;
    }
  }
  const QString invalidMask = QStringLiteral("Invalid Mask!");
  const bool protocolId = Is(UseProTypeComBo, "protocolId");
  if (!cpu_) {
    // The hex text becomes the column's number, so it is checked whenever
    // it would be written, not only with the option on enable.
    if (protocolId && !ProIDMaskEdit->text().isEmpty() &&
        !CheckHexField(this, ProIDMaskEdit->text(), 2, invalidMask)) {
      ProIDMaskEdit->setFocus();
      return false;
    }
  } else {
    if (protocolId && Is(ProOptionComBo, "enable") && !ProIDMaskEdit->text().isEmpty() &&
        !CheckHexField(this, ProIDMaskEdit->text(), 8, invalidMask)) {
      ProIDMaskEdit->setFocus();
      return false;
    }
    if (protocolId && !ProtoIDEdit->text().isEmpty() && !IsIntIn(ProtoIDEdit->text(), 0, 255)) {
      Refuse(QStringLiteral("Please input a valid value"), ProtoIDEdit);
      return false;
    }
  }
  if (Is(UseProTypeComBo, "tcp") || Is(UseProTypeComBo, "udp")) {
    auto either = [&](const char* a, const char* b) {
      return Is(TCPOptionComBo, a) || Is(TCPOptionComBo, b) || Is(UDPOptionComBo, a) || Is(UDPOptionComBo, b);
    };
    const bool dstPort = either("dst-addr", "dst-src-addr");
    const bool srcPort = either("src-addr", "dst-src-addr");
    for (auto [wanted, edit] : {std::pair{dstPort, TCPUDPDstPortMaskEdit}, std::pair{srcPort, TCPUDPSrcMaskEdit}}) {
      if (wanted && !edit->text().isEmpty() && !CheckHexField(this, edit->text(), 4, invalidMask)) {
        edit->setFocus();
        return false;
      }
    }
  }
  if (Is(UseProTypeComBo, "tcp") && Is(TCPFlagBitOptionComBo, "enable") && !TCPFlagBitMaskEdit->text().isEmpty() &&
      !IsIntIn(TCPFlagBitMaskEdit->text(), 0, 63)) {
    Refuse(QStringLiteral("Please input a valid value"), TCPFlagBitMaskEdit);
    return false;
  }
  return true;
}

void IpMaskDialog::Add() {
  if (!Validate()) return;
  if (HasRow({IPIDEdit->text()})) {
    Refuse(QStringLiteral("There is already a record with the same IP Mask ID. Please modified it."), IPIDEdit);
    return;
  }
  if (!Is(RowStatusComBo, "createAndGo")) {
    Refuse(QStringLiteral("Row Status must be createAndGo."), RowStatusComBo);
    return;
  }
  if (!cpu_) {
    bool ok = false;
    const int id = ProIDMaskEdit->text().toInt(&ok, 16);
    ProtoIDEdit->setText(ok ? QString::number(id) : QString());
  }
  KyColumnExclusion exclusion(list());
  if (cpu_)
    ExcludeCpu(exclusion);
  else
    ExcludeNormal(exclusion);
  const bool ok = Write();
  Finish(exclusion, ok, true);
}

void IpMaskDialog::ExcludeNormal(KyColumnExclusion& x) {
  // Address masks by the mask state.
  if (IpAddMaskStateComboBox->currentText().isEmpty() || Is(IpAddMaskStateComboBox, "other"))
    x.Exclude({kMaskState, kSourceIp, kDestIp});
  else if (Is(IpAddMaskStateComboBox, "dst-ip-addr"))
    x.Exclude(kSourceIp);
  else if (Is(IpAddMaskStateComboBox, "src-ip-addr"))
    x.Exclude(kDestIp);
  // Port masks by the TCP and UDP options.
  if (TCPOptionComBo->currentIndex() <= 0) x.Exclude({kTcpOption, kSourcePortMask, kDestPortMask});
  if (UDPOptionComBo->currentIndex() <= 0) x.Exclude({kUdpOption, kSourcePortMask, kDestPortMask});
  for (QComboBox* option : {TCPOptionComBo, UDPOptionComBo}) {
    if (Is(option, "dst-addr") || Is(option, "dst-src-addr")) x.Include(kDestPortMask);
    if (Is(option, "src-addr") || Is(option, "dst-src-addr")) x.Include(kSourcePortMask);
  }
  if (Is(TCPFlagBitOptionComBo, "disable")) x.Exclude(kTcpFlagMask);
  // By the protocol type.
  if (Is(UseProTypeComBo, "none"))
    x.Exclude({kProtocol, kTcpOption, kUdpOption, kSourcePortMask, kDestPortMask, kTcpFlag, kTcpFlagMask,
               kProtocolIdOption, kProtocolId});
  else if (Is(UseProTypeComBo, "icmp") || Is(UseProTypeComBo, "igmp"))
    x.Exclude({kTcpOption, kUdpOption, kSourcePortMask, kDestPortMask, kTcpFlag, kTcpFlagMask, kProtocolIdOption,
               kProtocolId});
  else if (Is(UseProTypeComBo, "tcp"))
    x.Exclude({kUdpOption, kProtocolIdOption, kProtocolId});
  else if (Is(UseProTypeComBo, "udp"))
    x.Exclude({kTcpOption, kTcpFlag, kTcpFlagMask, kProtocolIdOption, kProtocolId});
  else if (Is(UseProTypeComBo, "protocolId"))
    x.Exclude({kUdpOption, kSourcePortMask, kDestPortMask, kTcpFlag, kTcpFlagMask});
  if (Is(UseProTypeComBo, "tcp") && Is(TCPOptionComBo, "other")) x.Exclude(kTcpOption);
  if (Is(UseProTypeComBo, "udp") && Is(UDPOptionComBo, "other")) x.Exclude(kUdpOption);
  // Empty edits.
  if (TCPFlagBitMaskEdit->text().isEmpty()) x.Exclude(kTcpFlagMask);
  if (IpAddMaskSrcEdit->text().isEmpty()) x.Exclude(kSourceIp);
  if (IpAddMaskDstEdit->text().isEmpty()) x.Exclude(kDestIp);
  if (TCPUDPSrcMaskEdit->text().isEmpty()) x.Exclude(kSourcePortMask);
  if (TCPUDPDstPortMaskEdit->text().isEmpty()) x.Exclude(kDestPortMask);
  if (ProIDMaskEdit->text().isEmpty()) x.Exclude(kProtocolId);
}

void IpMaskDialog::ExcludeCpu(KyColumnExclusion& x) {
  if (IpAddMaskStateComboBox->currentText().isEmpty() || Is(IpAddMaskStateComboBox, "other"))
    x.Exclude({kCpuMaskState, kCpuSourceIp, kCpuDestIp});
  else if (Is(IpAddMaskStateComboBox, "dst-ip-addr"))
    x.Exclude(kCpuSourceIp);
  else if (Is(IpAddMaskStateComboBox, "src-ip-addr"))
    x.Exclude(kCpuDestIp);
  if (Is(ICMPOpetionComboBo, "none")) x.Exclude(kCpuIcmpOption);
  if (TCPOptionComBo->currentIndex() <= 0) x.Exclude({kCpuSourcePortMask, kCpuDestPortMask});
  if (UDPOptionComBo->currentIndex() <= 0) x.Exclude({kCpuSourcePortMask, kCpuDestPortMask});
  for (QComboBox* option : {TCPOptionComBo, UDPOptionComBo}) {
    if (Is(option, "dst-addr") || Is(option, "dst-src-addr")) x.Include(kCpuDestPortMask);
    if (Is(option, "src-addr") || Is(option, "dst-src-addr")) x.Include(kCpuSourcePortMask);
  }
  if (Is(TCPFlagBitOptionComBo, "disable")) x.Exclude(kCpuTcpFlagMask);
  if (Is(ProOptionComBo, "disable")) x.Exclude(kCpuUserMask);
  auto range = [&](int first, int last) {
    for (int i = first; i <= last; ++i) x.Exclude(i);
  };
  if (Is(UseProTypeComBo, "none")) {
    range(kCpuProtocol, kCpuUserMask);
  } else if (Is(UseProTypeComBo, "icmp")) {
    range(kCpuIgmpOption, kCpuUserMask);
  } else if (Is(UseProTypeComBo, "igmp")) {
    x.Exclude(kCpuIcmpOption);
    range(kCpuTcpOption, kCpuUserMask);
  } else if (Is(UseProTypeComBo, "tcp")) {
    x.Exclude({kCpuIcmpOption, kCpuIgmpOption, kCpuUdpOption, kCpuProtocolIdOption,
               kCpuProtocolIdMask, kCpuUserMask});
  } else if (Is(UseProTypeComBo, "udp")) {
    x.Exclude({kCpuIcmpOption, kCpuIgmpOption, kCpuTcpOption, kCpuTcpFlag, kCpuTcpFlagMask,
               kCpuProtocolIdOption, kCpuProtocolIdMask, kCpuUserMask});
  } else if (Is(UseProTypeComBo, "protocolId")) {
    range(kCpuIcmpOption, kCpuTcpFlagMask);
  }
  if (Is(UseProTypeComBo, "tcp") && Is(TCPOptionComBo, "other")) x.Exclude(kCpuTcpOption);
  if (Is(UseProTypeComBo, "udp") && Is(UDPOptionComBo, "other")) x.Exclude(kCpuUdpOption);
  if (Is(UseProTypeComBo, "protocolId") && Is(ProOptionComBo, "disable")) x.Exclude(kCpuUserMask);
  if (TCPFlagBitMaskEdit->text().isEmpty()) x.Exclude(kCpuTcpFlagMask);
  if (IpAddMaskSrcEdit->text().isEmpty()) x.Exclude(kCpuSourceIp);
  if (IpAddMaskDstEdit->text().isEmpty()) x.Exclude(kCpuDestIp);
  if (TCPUDPSrcMaskEdit->text().isEmpty()) x.Exclude(kCpuSourcePortMask);
  if (TCPUDPDstPortMaskEdit->text().isEmpty()) x.Exclude(kCpuDestPortMask);
  if (ProtoIDEdit->text().isEmpty()) x.Exclude(kCpuProtocolIdMask);
  if (ProIDMaskEdit->text().isEmpty()) x.Exclude(kCpuUserMask);
  SelectLabel(RowStatusComBo, QStringLiteral("createAndGo"));
}
