// The definition tables of the dedicated dialogs, one source file per area in
// tables/dedicated/. A table is named after what it holds, not after a
// command. Adding one: its declaration here; its rows, its definition and its
// place in the area's list in the area's file.
#pragma once

#include <span>

#include "snmp/VarList.h"

namespace tbl {
// "Basic Configuration": time, system log, SMTP, 802.3 MAC control and PAUSE, update files.
extern const KyVarDefTable NetworkTime;
extern const KyVarDefTable SummerTimeStatus;
extern const KyVarDefTable SummerTimeRepeat;
extern const KyVarDefTable SummerTimeAnnual;
extern const KyVarDefTable SystemLogServer;
extern const KyVarDefTable SmtpControl;
extern const KyVarDefTable Dot3ControlPorts;
extern const KyVarDefTable Dot3ControlCounters;
extern const KyVarDefTable Dot3PausePorts;
extern const KyVarDefTable Dot3PauseCounters;
extern const KyVarDefTable UpdateFiles;

// "Bridge": the spanning tree.
extern const KyVarDefTable StpState;
extern const KyVarDefTable StpBridge;
extern const KyVarDefTable StpBridgeMstp;

// 802.1Q VLANs: the static and current VLAN tables, the bridge and port settings, static filters,
// port capabilities.
extern const KyVarDefTable Dot1qNextFreeLocalVlanIndex;
extern const KyVarDefTable Dot1qVlanNumDeletes;
extern const KyVarDefTable Dot1qVlanCurrent;
extern const KyVarDefTable Dot1qVlanGeneral;
extern const KyVarDefTable Dot1qPortVlan;
extern const KyVarDefTable PortCapabilities;
extern const KyVarDefTable StaticMulticastFilter;
extern const KyVarDefTable StaticUnicastFilter;

// "Layer 2 Management": time ranges, port mirror, trunks, LACP, traffic segmentation, router
// ports, port security, DHCP relay, IGMP and MLD snooping.
extern const KyVarDefTable TimeRange;
extern const KyVarDefTable PortMirror;
extern const KyVarDefTable TrunkGroup;
extern const KyVarDefTable LacpAggregationPort;
extern const KyVarDefTable TrafficSegmentation;
extern const KyVarDefTable IgmpRouterPortVlan;
extern const KyVarDefTable MldRouterPortVlan;
extern const KyVarDefTable PortSecurityDelete;
extern const KyVarDefTable DhcpRelayServers;
extern const KyVarDefTable IsmVlan;
extern const KyVarDefTable IgmpMulticastVlanGroup;
extern const KyVarDefTable IgmpClearDynamicIpMulticast;
extern const KyVarDefTable MldSnoopingGroups;

// LLDP: port configuration, local and remote data, the TLVs sent.
extern const KyVarDefTable LldpPortConfig;
extern const KyVarDefTable LldpDot3PortConfig;
extern const KyVarDefTable LldpLocSysData;
extern const KyVarDefTable LldpRemote;
extern const KyVarDefTable LldpDot3LinkAgg;
extern const KyVarDefTable LldpDot3RemoteLinkAgg;
extern const KyVarDefTable LldpConfigVlanName;
extern const KyVarDefTable LldpConfigProtocolVlan;
extern const KyVarDefTable LldpConfigProtocol;

// "Security Management": guest VLAN, method lists, authentication servers, RADIUS, SSL,
// safeguard, IP-MAC binding, MAC-based authentication.
extern const KyVarDefTable GuestVlan;
extern const KyVarDefTable GuestVlanDelete;
extern const KyVarDefTable LoginMethodList;
extern const KyVarDefTable EnableMethodList;
extern const KyVarDefTable AacServerHost;
extern const KyVarDefTable AacServerGroupMember;
extern const KyVarDefTable RadiusServer;
extern const KyVarDefTable SslManagement;
extern const KyVarDefTable SslCertificateFile;
extern const KyVarDefTable SafeguardControl;
extern const KyVarDefTable IpMacBinding;
extern const KyVarDefTable MacEapolStatistics;
extern const KyVarDefTable MacAuthDiagnostics;

// Access profiles and rules, of the switch and of its CPU filter.
extern const KyVarDefTable EthernetMask1;
extern const KyVarDefTable IPMaskInformation1;
extern const KyVarDefTable PayloadMaskInformation1;
extern const KyVarDefTable EthernetMaskCPUFilter1;
extern const KyVarDefTable IPMaskCPUFilter1;
extern const KyVarDefTable PacketContentMaskCPUFilter1;
extern const KyVarDefTable RuleOfEthernetInformation1;
extern const KyVarDefTable IPRule1;
extern const KyVarDefTable PayloadRule1;
extern const KyVarDefTable EthernetRuleCPUFilter1;
extern const KyVarDefTable IPRuleCPUFilter1;
extern const KyVarDefTable PacketContentRuleCPUFilter1;

// "Single IP": member switches.
extern const KyVarDefTable MemberSwitches;
extern const KyVarDefTable MemberSwitchAdd;

// Each area's tables, in the order its dialogs use them: the list at the end
// of the area's file.
namespace area {
extern const std::span<const KyVarDefTable* const> kBasic, kBridge, kVlan, kLayer2, kLldp, kSecurity, kAcl, kSingleIp;
}  // namespace area
}  // namespace tbl

// Every dedicated table, area by area.
std::span<const KyVarDefTable* const> DedicatedTables();
