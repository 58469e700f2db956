#include "dialogs/acl/IpRuleDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "tables/DefTables.h"

namespace {
const QString kDuplicate =
    QStringLiteral("Has already a record with the same IP Rule ID and Access ID. Please change eithor of them.");
}

IpRuleDialog::IpRuleDialog(const DialogContext& context, AclFilter filter)
    : AclRuleDialog(context, filter == AclFilter::CpuInterface ? tbl::IPRuleCPUFilter1 : tbl::IPRule1, kDuplicate),
      cpu_(filter == AclFilter::CpuInterface) {
  Build();
}

void IpRuleDialog::Build() {
  IPRuleEdit = AddEdit("IPRuleEdit", QStringLiteral("IP Rule ID"));
  AccessIDEdit = AddEdit("AccessIDEdit", QStringLiteral("Access ID"));
  NewFieldLine();
  BindIds(IPRuleEdit, cpu_ ? "%i{n1x3}" : "%i{n1x256l3}", AccessIDEdit, cpu_ ? "%i{n0x5}" : "%i{n0x65535l5}");
  VlanEdit = UseEdit(cpu_ ? "VLANEdit" : "VlanEdit", QStringLiteral("VLAN"), "cbxVlan", &cbxVlan, kVlan,
                     cpu_ ? "%s{l32}" : "%s{l16}");
  SourceIPEdit = UseEdit("SourceIPEdit", QStringLiteral("Source IP"), "cbxSourceIP", &cbxSourceIP, kSourceIp, "%s{l16}");
  DestIPEdit = UseEdit("DestIPEdit", QStringLiteral("Destination IP"), "cbxDestIP", &cbxDestIP, kDestIp, "%s{l16}");
  DSCPEdit = UseEdit("DSCPEdit", QStringLiteral("DSCP"), "cbxDscp", &cbxDscp, kDscp, "%i{n0x63l2}");
  ProtocolComboBox = UseCombo("ProtocolComboBox", QStringLiteral("Protocol"), "cbxProtocol", &cbxProtocol, kProtocol,
                              QStringLiteral("none"));
  if (cpu_) {
    TypeEdit = UseEdit("TypeEdit", QStringLiteral("Type"), "cbxType", &cbxType, kCpuType, "%i{n0x255l3}");
    CodeEdit = UseEdit("CodeEdit", QStringLiteral("Code"), "cbxCode", &cbxCode, kCpuCode, "%i{n0x255l3}");
  }
  SourcePortEdit = UseEdit("SourcePortEdit", QStringLiteral("Source Port"), "cbxSourcePort", &cbxSourcePort,
                           cpu_ ? kCpuSourcePort : kSourcePort, "%i{n0x65535l5}");
  DestPortEdit = UseEdit("DestPortEdit", QStringLiteral("Destination Port"), "cbxDestPort", &cbxDestPort,
                         cpu_ ? kCpuDestPort : kDestPort, "%i{n0x65535l5}");
  FlagEdit = UseEdit("FlagEdit", QStringLiteral("Flag Bits"), "cbxFBs", &cbxFBs, cpu_ ? kCpuFlagBits : kFlagBits,
                     "%i{n0x63l2}");
  ProtocolIDEdit = UseEdit("ProtocolIDEdit", QStringLiteral("Protocol ID"), "cbxProtocolID", &cbxProtocolID,
                           cpu_ ? kCpuProtocolId : kProtocolId, "%i{n0x255l3}");
  if (cpu_) {
    UserMaskEdit = UseEdit("UserMaskEdit", QStringLiteral("User Mask"), "cbxUserMask", &cbxUserMask, kCpuUserMask, "%s");
  } else {
    EnablePriorityComboBox = UseCombo("EnablePriorityComboBox", QStringLiteral(" Enable Priority"),
                                      "cbxEnabledPriority", &cbxEnabledPriority, kEnablePriority);
    PriorityEdit =
        UseEdit("PriorityEdit", QStringLiteral("Priority"), "cbxPriority", &cbxPriority, kPriority, "%i{n0x7l1}");
    ReplaceComboBox = UseCombo("ReplaceComboBox", QStringLiteral("Replace Priority"), "cbxReplacePriority",
                               &cbxReplacePriority, kReplacePriority);
  }
  PermitComboBox = UseCombo("PermitComboBox", QStringLiteral("Permit"), "cbxPermit", &cbxPermit,
                            cpu_ ? kCpuPermit : kPermit, QStringLiteral("permit"));
  if (!cpu_)
    RxRateEdit = UseEdit("RxRateEdit", QStringLiteral("RX Rate"), "cbxRxRate", &cbxRxRate, kRxRate, "%i{n64x1024000}");
  RowComboBox = UseCombo(cpu_ ? "RowStatusComboBox" : "RowComboBox", QStringLiteral("Row Status"), "cbxRow", &cbxRow,
                         cpu_ ? kCpuRowStatus : kRowStatus, QStringLiteral("createAndGo"));
  rowCombo_ = RowComboBox;
  rowBox_ = cbxRow;
  // Choosing a protocol only chooses it: it does not start an Add.
  FinishLayout(cpu_ ? kCpuPort : kPort, cpu_ ? kCpuRowStatus : kRowStatus);
}

void IpRuleDialog::RowSelected(bool selected) {
  AclRuleDialog::RowSelected(selected);
  // The protocol is the profile's: it is shown, never written.
  ProtocolComboBox->setEnabled(!selected);
  cbxProtocol->setEnabled(!selected);
  if (selected) cbxProtocol->setChecked(false);
}

bool IpRuleDialog::Validate() {
  if (!IdsSet(QStringLiteral("IP Rule ID must be set."), QStringLiteral("IP Rule Access ID must be set."))) return false;
  if (!CheckedFieldsFilled(QStringLiteral("Some checked field is empty"))) return false;
  for (QLineEdit* ip : {SourceIPEdit, DestIPEdit}) {
    if (IsFieldChecked(ip) && !CheckIpv4Text(this, ip->text())) {
      ip->setFocus();
      return false;
    }
  }
  if (UserMaskEdit && IsFieldChecked(UserMaskEdit) &&
      !CheckHexField(this, UserMaskEdit->text(), 8, QStringLiteral("Invalid User Mask"))) {
    UserMaskEdit->setFocus();
    return false;
  }
  if (RxRateEdit && IsFieldChecked(RxRateEdit) && !IsIntIn(RxRateEdit->text(), 0, 156249)) {
    Refuse(QStringLiteral("Rx Rate should between 0-156249"), RxRateEdit);
    return false;
  }
  return true;
}

bool IpRuleDialog::KindExclusions(KyColumnExclusion& x) {
  if (!Checked(cbxProtocol)) return true;
  // The Protocol column itself is read-only: it is never written.
  const bool none = Is(ProtocolComboBox, "none"), icmp = Is(ProtocolComboBox, "icmp"),
             igmp = Is(ProtocolComboBox, "igmp"), tcp = Is(ProtocolComboBox, "tcp"), udp = Is(ProtocolComboBox, "udp"),
             protocolId = Is(ProtocolComboBox, "protocolId");
  if (!cpu_) {
    if (none || icmp || igmp) x.Exclude({kSourcePort, kDestPort, kFlagBits, kProtocolId});
    if (tcp) x.Exclude(kProtocolId);
    if (udp) x.Exclude({kFlagBits, kProtocolId});
    if (protocolId) x.Exclude({kSourcePort, kDestPort, kFlagBits});
    return true;
  }
  if (none || igmp) x.Exclude({kCpuType, kCpuCode, kCpuSourcePort, kCpuDestPort, kCpuFlagBits, kCpuProtocolId, kCpuUserMask});
  if (icmp) x.Exclude({kCpuSourcePort, kCpuDestPort, kCpuFlagBits, kCpuProtocolId, kCpuUserMask});
  if (tcp) x.Exclude({kCpuType, kCpuCode, kCpuProtocolId, kCpuUserMask});
  if (udp) x.Exclude({kCpuType, kCpuCode, kCpuFlagBits, kCpuProtocolId, kCpuUserMask});
  if (protocolId) x.Exclude({kCpuType, kCpuCode, kCpuSourcePort, kCpuDestPort, kCpuFlagBits});
  return true;
}
