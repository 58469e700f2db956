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
  ruleIdEdit = AddEdit("IPRuleEdit", QStringLiteral("IP Rule ID"));
  accessIdEdit = AddEdit("AccessIDEdit", QStringLiteral("Access ID"));
  NewFieldLine();
  BindIds(ruleIdEdit, cpu_ ? "%i{n1x3}" : "%i{n1x256l3}", accessIdEdit, cpu_ ? "%i{n0x5}" : "%i{n0x65535l5}");
  vlanEdit = UseEdit(cpu_ ? "VLANEdit" : "VlanEdit", QStringLiteral("VLAN"), "cbxVlan", &vlanBox, kVlan,
                     cpu_ ? "%s{l32}" : "%s{l16}");
  sourceIpEdit = UseEdit("SourceIPEdit", QStringLiteral("Source IP"), "cbxSourceIP", &sourceIpBox, kSourceIp, "%s{l16}");
  destinationIpEdit = UseEdit("DestIPEdit", QStringLiteral("Destination IP"), "cbxDestIP", &destinationIpBox, kDestIp, "%s{l16}");
  dscpEdit = UseEdit("DSCPEdit", QStringLiteral("DSCP"), "cbxDscp", &dscpBox, kDscp, "%i{n0x63l2}");
  protocolCombo = UseCombo("ProtocolComboBox", QStringLiteral("Protocol"), "cbxProtocol", &protocolBox, kProtocol,
                              QStringLiteral("none"));
  if (cpu_) {
    icmpTypeEdit = UseEdit("TypeEdit", QStringLiteral("Type"), "cbxType", &icmpTypeBox, kCpuType, "%i{n0x255l3}");
    icmpCodeEdit = UseEdit("CodeEdit", QStringLiteral("Code"), "cbxCode", &icmpCodeBox, kCpuCode, "%i{n0x255l3}");
  }
  sourcePortEdit = UseEdit("SourcePortEdit", QStringLiteral("Source Port"), "cbxSourcePort", &sourcePortBox,
                           cpu_ ? kCpuSourcePort : kSourcePort, "%i{n0x65535l5}");
  destinationPortEdit = UseEdit("DestPortEdit", QStringLiteral("Destination Port"), "cbxDestPort", &destinationPortBox,
                         cpu_ ? kCpuDestPort : kDestPort, "%i{n0x65535l5}");
  flagBitsEdit = UseEdit("FlagEdit", QStringLiteral("Flag Bits"), "cbxFBs", &flagBitsBox, cpu_ ? kCpuFlagBits : kFlagBits,
                     "%i{n0x63l2}");
  protocolIdEdit = UseEdit("ProtocolIDEdit", QStringLiteral("Protocol ID"), "cbxProtocolID", &protocolIdBox,
                           cpu_ ? kCpuProtocolId : kProtocolId, "%i{n0x255l3}");
  if (cpu_) {
    userMaskEdit = UseEdit("UserMaskEdit", QStringLiteral("User Mask"), "cbxUserMask", &userMaskBox, kCpuUserMask, "%s");
  } else {
    enablePriorityCombo = UseCombo("EnablePriorityComboBox", QStringLiteral(" Enable Priority"),
                                      "cbxEnabledPriority", &enablePriorityBox, kEnablePriority);
    priorityEdit =
        UseEdit("PriorityEdit", QStringLiteral("Priority"), "cbxPriority", &priorityBox, kPriority, "%i{n0x7l1}");
    replacePriorityCombo = UseCombo("ReplaceComboBox", QStringLiteral("Replace Priority"), "cbxReplacePriority",
                               &replacePriorityBox, kReplacePriority);
  }
  permitCombo = UseCombo("PermitComboBox", QStringLiteral("Permit"), "cbxPermit", &permitBox,
                            cpu_ ? kCpuPermit : kPermit, QStringLiteral("permit"));
  if (!cpu_)
    rxRateEdit = UseEdit("RxRateEdit", QStringLiteral("RX Rate"), "cbxRxRate", &rxRateBox, kRxRate, "%i{n64x1024000}");
  rowStatusCombo = UseCombo(cpu_ ? "RowStatusComboBox" : "RowComboBox", QStringLiteral("Row Status"), "cbxRow", &rowStatusBox,
                         cpu_ ? kCpuRowStatus : kRowStatus, QStringLiteral("createAndGo"));
  rowCombo_ = rowStatusCombo;
  rowBox_ = rowStatusBox;
  // Choosing a protocol only chooses it: it does not start an Add.
  FinishLayout(cpu_ ? kCpuPort : kPort, cpu_ ? kCpuRowStatus : kRowStatus);
}

void IpRuleDialog::RowSelected(bool selected) {
  AclRuleDialog::RowSelected(selected);
  // The protocol is the profile's: it is shown, never written.
  protocolCombo->setEnabled(!selected);
  protocolBox->setEnabled(!selected);
  if (selected) protocolBox->setChecked(false);
}

bool IpRuleDialog::Validate() {
  if (!IdsSet(QStringLiteral("IP Rule ID must be set."), QStringLiteral("IP Rule Access ID must be set."))) return false;
  if (!CheckedFieldsFilled(QStringLiteral("Some checked field is empty"))) return false;
  for (QLineEdit* ip : {sourceIpEdit, destinationIpEdit}) {
    if (IsFieldChecked(ip) && !CheckIpv4Text(this, ip->text())) {
      ip->setFocus();
      return false;
    }
  }
  if (userMaskEdit && IsFieldChecked(userMaskEdit) &&
      !CheckHexField(this, userMaskEdit->text(), 8, QStringLiteral("Invalid User Mask"))) {
    userMaskEdit->setFocus();
    return false;
  }
  if (rxRateEdit && IsFieldChecked(rxRateEdit) && !IsIntIn(rxRateEdit->text(), 0, 156249)) {
    refuse(QStringLiteral("Rx Rate should between 0-156249"), rxRateEdit);
    return false;
  }
  return true;
}

bool IpRuleDialog::KindExclusions(KyColumnExclusion& x) {
  if (!Checked(protocolBox)) return true;
  // The Protocol column itself is read-only: it is never written.
  const bool none = Is(protocolCombo, "none"), icmp = Is(protocolCombo, "icmp"),
             igmp = Is(protocolCombo, "igmp"), tcp = Is(protocolCombo, "tcp"), udp = Is(protocolCombo, "udp"),
             protocolId = Is(protocolCombo, "protocolId");
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
