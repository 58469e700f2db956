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
  MaskIDEdit = AddEdit("MaskIDEdit", QStringLiteral("Mask ID"));
  AccessEdit = AddEdit("AccessEdit", QStringLiteral("Access ID"));
  NewFieldLine();
  BindIds(MaskIDEdit, cpu_ ? "%i{n1x3}" : "%i{n1x256l3}", AccessEdit, cpu_ ? "%i{n0x5}" : "%i{n0x65535l5}");
  VlanRuleEdit = UseEdit("VlanRuleEdit", QStringLiteral("VLAN"), "cbxVlan", &cbxVlan, kVlan, "%s{l32}");
  SourceMACEdit = UseEdit("SourceMACEdit", QStringLiteral("Source MAC"), "cbxSource", &cbxSource, kSourceMac, "%s{l12}");
  DestMACEdit = UseEdit("DestMACEdit", QStringLiteral("Destination MAC"), "cbxDestination", &cbxDestination, kDestMac,
                        "%s{l12}");
  IEEE8021pEdit = UseEdit("IEEE8021pEdit", QStringLiteral("802.1p"), "cbxIEEE802dot1P", &cbxIEEE802dot1P, k8021p,
                          "%i{n0x7}");
  EthTypeEdit = UseEdit("EthTypeEdit", QStringLiteral("Ethernet Type"), "cbxEtherType", &cbxEtherType, kEthType,
                        "%s{l4}");
  if (!cpu_) {
    EnablePriorityComboBox = UseCombo("EnablePriorityComboBox", QStringLiteral("Enable Priority"), "cbxEablePriority",
                                      &cbxEablePriority, kEnablePriority);
    PriorityEdit = UseEdit("PriorityEdit", QStringLiteral("Priority"), "cbxPriority", &cbxPriority, kPriority, "%i{n0x7}");
    ReplacePriorityComboBox = UseCombo("ReplacePriorityComboBox", QStringLiteral("Replace Priority"),
                                       "cbxReplacePriority", &cbxReplacePriority, kReplacePriority);
  }
  PermitComboBox = UseCombo("PermitComboBox", QStringLiteral("Permit"), "cbxPermit", &cbxPermit,
                            cpu_ ? kCpuPermit : kPermit, QStringLiteral("permit"));
  if (!cpu_)
    RxRateEdit = UseEdit("RxRateEdit", QStringLiteral("RX Rate"), "cbxRxRate", &cbxRxRate, kRxRate, "%i{n64x1024000}");
  RowComboBox = UseCombo("RowComboBox", QStringLiteral("Row Status"), "cbxRow", &cbxRow,
                         cpu_ ? kCpuRowStatus : kRowStatus, QStringLiteral("createAndGo"));
  rowCombo_ = RowComboBox;
  rowBox_ = cbxRow;
  FinishLayout(cpu_ ? kCpuPort : kPort, cpu_ ? kCpuRowStatus : kRowStatus);
}

bool EthernetRuleDialog::Validate() {
  if (!IdsSet(QStringLiteral("Mask ID must be set."), QStringLiteral("Access ID must be set."))) return false;
  if (!CheckedFieldsFilled(QStringLiteral("Some check field is empty"))) return false;
  for (QLineEdit* mac : {SourceMACEdit, DestMACEdit}) {
    if (IsFieldChecked(mac) && !CheckHexField(this, mac->text(), 12, QStringLiteral("Invalid MAC Address"))) {
      mac->setFocus();
      return false;
    }
  }
  if (IsFieldChecked(EthTypeEdit) && !CheckHexField(this, EthTypeEdit->text(), 4, QStringLiteral("Invalid Ethernet Type"))) {
    EthTypeEdit->setFocus();
    return false;
  }
  if (PriorityEdit && IsFieldChecked(PriorityEdit) && !IsIntIn(PriorityEdit->text(), 0, 7)) {
    Refuse(QStringLiteral("Priority value should between 0-7"), PriorityEdit);
    return false;
  }
  if (RxRateEdit && IsFieldChecked(RxRateEdit) && !IsIntIn(RxRateEdit->text(), 0, 156249)) {
    Refuse(QStringLiteral("Rx Rate should between 0-156249"), RxRateEdit);
    return false;
  }
  return true;
}
