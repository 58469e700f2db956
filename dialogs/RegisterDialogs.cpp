#include "dialogs/RegisterDialogs.h"

#include <QDialog>
#include <type_traits>

#include "app/MenuBar.h"
#include "dialogs/acl/CpuEthernetMaskDialog.h"
#include "dialogs/acl/CpuEthernetRuleDialog.h"
#include "dialogs/acl/CpuIpMaskDialog.h"
#include "dialogs/acl/CpuIpRuleDialog.h"
#include "dialogs/acl/CpuPacketContentMaskDialog.h"
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
#include "dialogs/layer2/IgmpRouterPortsDialog.h"
#include "dialogs/layer2/MldRouterPortsDialog.h"
#include "dialogs/layer2/MldSnoopingGroupDialog.h"
#include "dialogs/layer2/PortMirrorDialog.h"
#include "dialogs/layer2/PortSecurityDeleteDialog.h"
#include "dialogs/layer2/PortTrunkDialog.h"
#include "dialogs/layer2/TimeRangeDialog.h"
#include "dialogs/layer2/TrafficSegmentationDialog.h"
#include "dialogs/lldp/LldpDot3PortConfigDialog.h"
#include "dialogs/lldp/LldpLocalLinkAggDialog.h"
#include "dialogs/lldp/LldpLocalSystemDialog.h"
#include "dialogs/lldp/LldpPortConfigDialog.h"
#include "dialogs/lldp/LldpProtocolTxDialog.h"
#include "dialogs/lldp/LldpProtocolVlanTxDialog.h"
#include "dialogs/lldp/LldpRemoteLinkAggDialog.h"
#include "dialogs/lldp/LldpRemoteTableDialog.h"
#include "dialogs/lldp/LldpVlanNameTxDialog.h"
#include "dialogs/security/AacServerControlDialog.h"
#include "dialogs/security/AacServerHostDialog.h"
#include "dialogs/security/EnableMethodListDialog.h"
#include "dialogs/security/GuestVlanDialog.h"
#include "dialogs/security/IpMacBindingDialog.h"
#include "dialogs/security/LoginMethodListDialog.h"
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

}  // namespace

// One line per dialog, grouped by menu, keyed by the command's click handler.
void RegisterDedicatedDialogs() {
  // ---- "Basic Configuration"
  RegisterDedicatedDialog("NetworkTime1Click", Make<NetworkTimeDialog>());
  RegisterDedicatedDialog("SummerTime1Click", Make<SummerTimeDialog>());
  RegisterDedicatedDialog("SystemLogServerTable1Click", Make<SystemLogHostDialog>());
  RegisterDedicatedDialog("SMTPControlTable1Click", Make<SmtpControlDialog>());

  // ---- "Layer 2 Management"
  RegisterDedicatedDialog("TimeRangeManagement1Click", Make<TimeRangeDialog>());
  RegisterDedicatedDialog("PortConfiguration1Click", Make<LldpPortConfigDialog>());
  RegisterDedicatedDialog("PortConfigurationTable1Click", Make<LldpDot3PortConfigDialog>());
  RegisterDedicatedDialog("SystemData1Click", Make<LldpLocalSystemDialog>());
  RegisterDedicatedDialog("RemoteTable2Click", Make<LldpRemoteTableDialog>());
  RegisterDedicatedDialog("LinkAggregationTable1Click", Make<LldpLocalLinkAggDialog>());
  RegisterDedicatedDialog("LinkAggregationTable2Click", Make<LldpRemoteLinkAggDialog>());
  RegisterDedicatedDialog("VLANNameTable1Click", Make<LldpVlanNameTxDialog>());
  RegisterDedicatedDialog("ProtocolVLANTable1Click", Make<LldpProtocolVlanTxDialog>());
  RegisterDedicatedDialog("ProtocolTable1Click", Make<LldpProtocolTxDialog>());

  // ---- "Bridge"
  RegisterDedicatedDialog("SpanningTreeAlgorithm1Click", Make<SpanningTreeAlgorithmDialog>());
  RegisterDedicatedDialog("Information2Click", Make<StpControlDialog>());
  // ---- "VLAN"
  RegisterDedicatedDialog("BasicConfigureClick", Make<VlanBasicConfigDialog>());
  RegisterDedicatedDialog("PortsInfo1Click", Make<VlanPortsDialog>());
  RegisterDedicatedDialog("StaticForm1Click", Make<StaticVlanDialog>());
  RegisterDedicatedDialog("CurrentForm1Click", Make<CurrentVlanDialog>());
  // ---- "Layer 2 Management"
  RegisterDedicatedDialog("PortTrunk2Click", Make<PortTrunkDialog>());
  RegisterDedicatedDialog("PortMirrorTable1Click", Make<PortMirrorDialog>());
  RegisterDedicatedDialog("PortSecurityDeleteTable1Click", Make<PortSecurityDeleteDialog>());
  RegisterDedicatedDialog("IGMPRouterPort1Click", Make<IgmpRouterPortsDialog>());
  RegisterDedicatedDialog("TrafficSegmentationTable1Click", Make<TrafficSegmentationDialog>());
  RegisterDedicatedDialog("AggreatorPortTable1Click", Make<AggregatorPortDialog>());
  RegisterDedicatedDialog("MLDSnoopingRouterPort1Click", Make<MldRouterPortsDialog>());
  // ---- "Security Management"
  RegisterDedicatedDialog("GuestVLAN1Click", Make<GuestVlanDialog>());
  // ---- "Layer 2 Management" > "Access Control Information" and its "CPU Filter"
  RegisterDedicatedDialog("EthernetMask1Click", Make<EthernetMaskDialog>());
  RegisterDedicatedDialog("RuleOfEthernetInformation1Click", Make<EthernetRuleDialog>());
  RegisterDedicatedDialog("IPMaskInformation1Click", Make<IpMaskDialog>());
  RegisterDedicatedDialog("IPRule1Click", Make<IpRuleDialog>());
  RegisterDedicatedDialog("PayloadMaskInformation1Click", Make<PacketContentMaskDialog>());
  RegisterDedicatedDialog("PayloadRule1Click", Make<PacketContentRuleDialog>());
  RegisterDedicatedDialog("EthernetMaskCPUFilter1Click", Make<CpuEthernetMaskDialog>());
  RegisterDedicatedDialog("EthernetRuleCPUFilter1Click", Make<CpuEthernetRuleDialog>());
  RegisterDedicatedDialog("IPMaskCPUFilter1Click", Make<CpuIpMaskDialog>());
  RegisterDedicatedDialog("IPRuleCPUFilter1Click", Make<CpuIpRuleDialog>());
  RegisterDedicatedDialog("PacketContentMaskCPUFilter1Click", Make<CpuPacketContentMaskDialog>());
  RegisterDedicatedDialog("PacketContentRuleCPUFilter1Click", Make<CpuPacketContentRuleDialog>());

  // ---- "Security Management"
  RegisterDedicatedDialog("LoginMethodControl1Click", Make<LoginMethodListDialog>());
  RegisterDedicatedDialog("EnableMethodControl1Click", Make<EnableMethodListDialog>());
  RegisterDedicatedDialog("ServerInformation1Click", Make<AacServerHostDialog>());
  RegisterDedicatedDialog("ServerControl1Click", Make<AacServerControlDialog>());
  RegisterDedicatedDialog("RadiusServerTabl1Click", Make<RadiusServerDialog>());
  RegisterDedicatedDialog("SSLManagement1Click", Make<SslManagementDialog>());
  RegisterDedicatedDialog("SSLCertificateLevel1Click", Make<SslCertificateFileDialog>());
  RegisterDedicatedDialog("ProtectControl1Click", Make<SafeguardControlDialog>());
  RegisterDedicatedDialog("BindingTable1Click", Make<IpMacBindingDialog>());
  // ---- Multicast and miscellaneous dialogs.
  RegisterDedicatedDialog("dot3ControlTable1Click", Make<Dot3ControlDialog>());
  RegisterDedicatedDialog("dot3PauseTable1Click", Make<Dot3PauseDialog>());
  RegisterDedicatedDialog("AgentSuportedUpdateFiles1Click", Make<UpdateFilesDialog>());
  RegisterDedicatedDialog("IGMPMulticastVLANTable1Click", Make<IgmpMulticastVlanTableDialog>());
  RegisterDedicatedDialog("IGMPMulticastVLANGroup1Click", Make<IgmpMulticastVlanGroupDialog>());
  RegisterDedicatedDialog("IGMPSnoopingClearDynamicIPMulticastTable1Click", Make<IgmpClearDynamicMulticastDialog>());
  RegisterDedicatedDialog("MLDSnoopingGroupInformation1Click", Make<MldSnoopingGroupDialog>());
  RegisterDedicatedDialog("Control1Click", Make<DhcpRelayDialog>());
  RegisterDedicatedDialog("MemberSwitch1Click", Make<MemberSwitchDialog>());
  RegisterDedicatedDialog("MulticastInformation1Click", Make<StaticMulticastFilterDialog>());
  RegisterDedicatedDialog("UnicastInformation1Click", Make<StaticUnicastFilterDialog>());
  RegisterDedicatedDialog("PortCapbility1Click", Make<PortCapabilityDialog>());
  RegisterDedicatedDialog("DiagnosticsInformation1Click", Make<MacAuthDiagnosticsDialog>());
  RegisterDedicatedDialog("StatisticTable1Click", Make<MacEapolStatisticsDialog>());
  // ---- end of the multicast and miscellaneous dialogs.

  // ---- "Help"
  RegisterDedicatedDialog("About1Click", Make<AboutDialog>());
}
