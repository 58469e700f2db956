#include "dialogs/RegisterDialogs.h"

#include <QDialog>
#include <type_traits>
#include <vector>

#include "dialogs/acl/CpuPacketContentRuleDialog.h"
#include "dialogs/acl/EthernetMaskDialog.h"
#include "dialogs/acl/EthernetRuleDialog.h"
#include "dialogs/acl/IpMaskDialog.h"
#include "dialogs/acl/IpRuleDialog.h"
#include "dialogs/acl/PacketContentMaskDialog.h"
#include "dialogs/acl/PacketContentRuleDialog.h"
#include "dialogs/basic/Dot3ControlDialog.h"
#include "dialogs/basic/Dot3PauseDialog.h"
#include "dialogs/basic/NetworkTimeDialog.h"
#include "dialogs/basic/SmtpControlDialog.h"
#include "dialogs/basic/SummerTimeDialog.h"
#include "dialogs/basic/SystemLogHostDialog.h"
#include "dialogs/basic/UpdateFilesDialog.h"
#include "dialogs/bridge/SpanningTreeAlgorithmDialog.h"
#include "dialogs/bridge/StpControlDialog.h"
#include "dialogs/help/AboutDialog.h"
#include "dialogs/layer2/AggregatorPortDialog.h"
#include "dialogs/layer2/DhcpRelayDialog.h"
#include "dialogs/layer2/IgmpClearDynamicMulticastDialog.h"
#include "dialogs/layer2/IgmpMulticastVlanGroupDialog.h"
#include "dialogs/layer2/IgmpMulticastVlanTableDialog.h"
#include "dialogs/layer2/MldSnoopingGroupDialog.h"
#include "dialogs/layer2/PortMirrorDialog.h"
#include "dialogs/layer2/PortSecurityDeleteDialog.h"
#include "dialogs/layer2/PortTrunkDialog.h"
#include "dialogs/layer2/RouterPortsDialog.h"
#include "dialogs/layer2/TimeRangeDialog.h"
#include "dialogs/layer2/TrafficSegmentationDialog.h"
#include "dialogs/lldp/LldpLocalSystemDialog.h"
#include "dialogs/lldp/LldpNamesViewDialog.h"
#include "dialogs/lldp/LldpPortConfigDialog.h"
#include "dialogs/lldp/LldpTxSwitchDialog.h"
#include "dialogs/security/AacServerControlDialog.h"
#include "dialogs/security/AacServerHostDialog.h"
#include "dialogs/security/GuestVlanDialog.h"
#include "dialogs/security/IpMacBindingDialog.h"
#include "dialogs/security/MethodListDialog.h"
#include "dialogs/security/MacAuthDiagnosticsDialog.h"
#include "dialogs/security/MacEapolStatisticsDialog.h"
#include "dialogs/security/RadiusServerDialog.h"
#include "dialogs/security/SafeguardControlDialog.h"
#include "dialogs/security/SslCertificateFileDialog.h"
#include "dialogs/security/SslManagementDialog.h"
#include "dialogs/singleip/MemberSwitchDialog.h"
#include "dialogs/vlan/CurrentVlanDialog.h"
#include "dialogs/vlan/PortCapabilityDialog.h"
#include "dialogs/vlan/StaticMulticastFilterDialog.h"
#include "dialogs/vlan/StaticUnicastFilterDialog.h"
#include "dialogs/vlan/StaticVlanDialog.h"
#include "dialogs/vlan/VlanBasicConfigDialog.h"
#include "dialogs/vlan/VlanPortsDialog.h"

namespace {

// The factory of dialog class T: T(const DialogContext&) when it has that
// constructor, else T(QWidget* owner).
template <class T>
DedicatedDialogFactory Make() {
  return [](const DialogContext& context) -> QDialog* {
    if constexpr (std::is_constructible_v<T, const DialogContext&>)
      return new T(context);
    else
      return new T(context.owner);
  };
}

// The factory of dialog class T with a variant: T(const DialogContext&, variant).
template <class T, class Variant>
DedicatedDialogFactory Make(Variant variant) {
  return [variant](const DialogContext& context) -> QDialog* { return new T(context, variant); };
}

}  // namespace

// One line per dialog, grouped by menu, keyed by the command's click handler.
std::vector<DedicatedDialog> DedicatedDialogs() {
  return {
      // ---- "Basic Configuration"
      {"NetworkTime1Click", Make<NetworkTimeDialog>()},
      {"SummerTime1Click", Make<SummerTimeDialog>()},
      {"SystemLogServerTable1Click", Make<SystemLogHostDialog>()},
      {"SMTPControlTable1Click", Make<SmtpControlDialog>()},

      // ---- "Layer 2 Management"
      {"TimeRangeManagement1Click", Make<TimeRangeDialog>()},
      {"PortConfiguration1Click", Make<LldpPortConfigDialog>(LldpPortConfigDialog::Tlvs::Basic)},
      {"PortConfigurationTable1Click", Make<LldpPortConfigDialog>(LldpPortConfigDialog::Tlvs::Dot3)},
      {"SystemData1Click", Make<LldpLocalSystemDialog>()},
      {"RemoteTable2Click", Make<LldpNamesViewDialog>(LldpNamesViewDialog::Table::Remote)},
      {"LinkAggregationTable1Click", Make<LldpNamesViewDialog>(LldpNamesViewDialog::Table::LocalLinkAggregation)},
      {"LinkAggregationTable2Click", Make<LldpNamesViewDialog>(LldpNamesViewDialog::Table::RemoteLinkAggregation)},
      {"VLANNameTable1Click", Make<LldpTxSwitchDialog>(LldpTxSwitchDialog::Table::VlanName)},
      {"ProtocolVLANTable1Click", Make<LldpTxSwitchDialog>(LldpTxSwitchDialog::Table::ProtocolVlan)},
      {"ProtocolTable1Click", Make<LldpTxSwitchDialog>(LldpTxSwitchDialog::Table::Protocol)},

      // ---- "Bridge"
      {"SpanningTreeAlgorithm1Click", Make<SpanningTreeAlgorithmDialog>()},
      {"Information2Click", Make<StpControlDialog>()},
      // ---- "VLAN"
      {"BasicConfigureClick", Make<VlanBasicConfigDialog>()},
      {"PortsInfo1Click", Make<VlanPortsDialog>()},
      {"StaticForm1Click", Make<StaticVlanDialog>()},
      {"CurrentForm1Click", Make<CurrentVlanDialog>()},
      // ---- "Layer 2 Management"
      {"PortTrunk2Click", Make<PortTrunkDialog>()},
      {"PortMirrorTable1Click", Make<PortMirrorDialog>()},
      {"PortSecurityDeleteTable1Click", Make<PortSecurityDeleteDialog>()},
      {"IGMPRouterPort1Click", Make<RouterPortsDialog>(RouterPortsDialog::Protocol::Igmp)},
      {"TrafficSegmentationTable1Click", Make<TrafficSegmentationDialog>()},
      {"AggreatorPortTable1Click", Make<AggregatorPortDialog>()},
      {"MLDSnoopingRouterPort1Click", Make<RouterPortsDialog>(RouterPortsDialog::Protocol::Mld)},
      // ---- "Security Management"
      {"GuestVLAN1Click", Make<GuestVlanDialog>()},
      // ---- "Layer 2 Management" > "Access Control Information" and its "CPU Filter"
      {"EthernetMask1Click", Make<EthernetMaskDialog>()},
      {"RuleOfEthernetInformation1Click", Make<EthernetRuleDialog>()},
      {"IPMaskInformation1Click", Make<IpMaskDialog>()},
      {"IPRule1Click", Make<IpRuleDialog>()},
      {"PayloadMaskInformation1Click", Make<PacketContentMaskDialog>()},
      {"PayloadRule1Click", Make<PacketContentRuleDialog>()},
      {"EthernetMaskCPUFilter1Click", Make<EthernetMaskDialog>(AclFilter::CpuInterface)},
      {"EthernetRuleCPUFilter1Click", Make<EthernetRuleDialog>(AclFilter::CpuInterface)},
      {"IPMaskCPUFilter1Click", Make<IpMaskDialog>(AclFilter::CpuInterface)},
      {"IPRuleCPUFilter1Click", Make<IpRuleDialog>(AclFilter::CpuInterface)},
      {"PacketContentMaskCPUFilter1Click", Make<PacketContentMaskDialog>(AclFilter::CpuInterface)},
      {"PacketContentRuleCPUFilter1Click", Make<CpuPacketContentRuleDialog>()},

      // ---- "Security Management"
      {"LoginMethodControl1Click", Make<MethodListDialog>(MethodListDialog::Kind::Login)},
      {"EnableMethodControl1Click", Make<MethodListDialog>(MethodListDialog::Kind::Enable)},
      {"ServerInformation1Click", Make<AacServerHostDialog>()},
      {"ServerControl1Click", Make<AacServerControlDialog>()},
      {"RadiusServerTabl1Click", Make<RadiusServerDialog>()},
      {"SSLManagement1Click", Make<SslManagementDialog>()},
      {"SSLCertificateLevel1Click", Make<SslCertificateFileDialog>()},
      {"ProtectControl1Click", Make<SafeguardControlDialog>()},
      {"BindingTable1Click", Make<IpMacBindingDialog>()},
      // ---- Multicast and miscellaneous dialogs.
      {"dot3ControlTable1Click", Make<Dot3ControlDialog>()},
      {"dot3PauseTable1Click", Make<Dot3PauseDialog>()},
      {"AgentSuportedUpdateFiles1Click", Make<UpdateFilesDialog>()},
      {"IGMPMulticastVLANTable1Click", Make<IgmpMulticastVlanTableDialog>()},
      {"IGMPMulticastVLANGroup1Click", Make<IgmpMulticastVlanGroupDialog>()},
      {"IGMPSnoopingClearDynamicIPMulticastTable1Click", Make<IgmpClearDynamicMulticastDialog>()},
      {"MLDSnoopingGroupInformation1Click", Make<MldSnoopingGroupDialog>()},
      {"Control1Click", Make<DhcpRelayDialog>()},
      {"MemberSwitch1Click", Make<MemberSwitchDialog>()},
      {"MulticastInformation1Click", Make<StaticMulticastFilterDialog>()},
      {"UnicastInformation1Click", Make<StaticUnicastFilterDialog>()},
      {"PortCapbility1Click", Make<PortCapabilityDialog>()},
      {"DiagnosticsInformation1Click", Make<MacAuthDiagnosticsDialog>()},
      {"StatisticTable1Click", Make<MacEapolStatisticsDialog>()},
      // ---- end of the multicast and miscellaneous dialogs.

      // ---- "Help"
      {"About1Click", Make<AboutDialog>()},
  };
}
