#include "dialogs/acl/EthernetRuleDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "tables/DefTables.h"

namespace {
const QString kDuplicate =
    QStringLiteral("Has already a record with the same Mask ID and Access ID. Please change eithor of them.");
}

EthernetRuleDialog::EthernetRuleDialog(const DialogContext& context, AclFilter filter)
    : AclRuleDialog(context,
                    filter == AclFilter::CpuInterface ? tbl::EthernetRuleCPUFilter1 : tbl::RuleOfEthernetInformation1,
                    kDuplicate),
      cpu_(filter == AclFilter::CpuInterface) {
  Build();
}

void EthernetRuleDialog::Build() {
  maskIdEdit = AddEdit("MaskIDEdit", QStringLiteral("Mask ID"));
  accessIdEdit = AddEdit("AccessEdit", QStringLiteral("Access ID"));
  NewFieldLine();
  BindIds(maskIdEdit, cpu_ ? "%i{n1x3}" : "%i{n1x256l3}", accessIdEdit, cpu_ ? "%i{n0x5}" : "%i{n0x65535l5}");
  vlanEdit = UseEdit("VlanRuleEdit", QStringLiteral("VLAN"), "cbxVlan", &vlanBox, kVlan, "%s{l32}");
  sourceMacEdit = UseEdit("SourceMACEdit", QStringLiteral("Source MAC"), "cbxSource", &sourceMacBox, kSourceMac, "%s{l12}");
  destinationMacEdit = UseEdit("DestMACEdit", QStringLiteral("Destination MAC"), "cbxDestination", &destinationMacBox, kDestMac,
                        "%s{l12}");
  priority8021pEdit = UseEdit("IEEE8021pEdit", QStringLiteral("802.1p"), "cbxIEEE802dot1P", &priority8021pBox, k8021p,
                          "%i{n0x7}");
  ethernetTypeEdit = UseEdit("EthTypeEdit", QStringLiteral("Ethernet Type"), "cbxEtherType", &ethernetTypeBox, kEthType,
                        "%s{l4}");
  if (!cpu_) {
    enablePriorityCombo = UseCombo("EnablePriorityComboBox", QStringLiteral("Enable Priority"), "cbxEablePriority",
                                      &enablePriorityBox, kEnablePriority);
    priorityEdit = UseEdit("PriorityEdit", QStringLiteral("Priority"), "cbxPriority", &priorityBox, kPriority, "%i{n0x7}");
    replacePriorityCombo = UseCombo("ReplacePriorityComboBox", QStringLiteral("Replace Priority"),
                                       "cbxReplacePriority", &replacePriorityBox, kReplacePriority);
  }
  permitCombo = UseCombo("PermitComboBox", QStringLiteral("Permit"), "cbxPermit", &permitBox,
                            cpu_ ? kCpuPermit : kPermit, QStringLiteral("permit"));
  if (!cpu_)
    rxRateEdit = UseEdit("RxRateEdit", QStringLiteral("RX Rate"), "cbxRxRate", &rxRateBox, kRxRate, "%i{n64x1024000}");
  rowStatusCombo = UseCombo("RowComboBox", QStringLiteral("Row Status"), "cbxRow", &rowStatusBox,
                         cpu_ ? kCpuRowStatus : kRowStatus, QStringLiteral("createAndGo"));
  rowCombo_ = rowStatusCombo;
  rowBox_ = rowStatusBox;
  FinishLayout(cpu_ ? kCpuPort : kPort, cpu_ ? kCpuRowStatus : kRowStatus);
}

bool EthernetRuleDialog::Validate() {
  if (!IdsSet(QStringLiteral("Mask ID must be set."), QStringLiteral("Access ID must be set."))) return false;
  if (!CheckedFieldsFilled(QStringLiteral("Some check field is empty"))) return false;
  for (QLineEdit* mac : {sourceMacEdit, destinationMacEdit}) {
    if (IsFieldChecked(mac) && !CheckHexField(this, mac->text(), 12, QStringLiteral("Invalid MAC Address"))) {
      mac->setFocus();
      return false;
    }
  }
  if (IsFieldChecked(ethernetTypeEdit) && !CheckHexField(this, ethernetTypeEdit->text(), 4, QStringLiteral("Invalid Ethernet Type"))) {
    ethernetTypeEdit->setFocus();
    return false;
  }
  if (priorityEdit && IsFieldChecked(priorityEdit) && !IsIntIn(priorityEdit->text(), 0, 7)) {
    refuse(QStringLiteral("Priority value should between 0-7"), priorityEdit);
    return false;
  }
  if (rxRateEdit && IsFieldChecked(rxRateEdit) && !IsIntIn(rxRateEdit->text(), 0, 156249)) {
    refuse(QStringLiteral("Rx Rate should between 0-156249"), rxRateEdit);
    return false;
  }
  return true;
}
