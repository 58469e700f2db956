// Static variable-definition tables, one source file per menu. The table of a
// generated menu command is named after its handler without "Click"
// (`BasicInfo1Click` -> tbl::BasicInfo1) and carries the list kind and key
// count the command builds it with.
#pragma once

#include <span>

#include "snmp/VarList.h"

namespace tbl {
// Main window (hidden static texts).
extern const KyVarDefTable RmonState;
extern const KyVarDefTable StpVersion;

// "Basic Configuration" menu.
extern const KyVarDefTable BasicInfo1;
extern const KyVarDefTable MibCapabilities1;
extern const KyVarDefTable BasicConfigure1;
extern const KyVarDefTable CpuUtilization1;
extern const KyVarDefTable DRAMUtilization1;
extern const KyVarDefTable PortUtilization1;
extern const KyVarDefTable Multipleimagemanagement1;
extern const KyVarDefTable ConsoleModeControl1;
extern const KyVarDefTable ARPClearAllState1;
extern const KyVarDefTable GratuitousARPManagementInfomation1;
extern const KyVarDefTable GratuitousARPTable1;
extern const KyVarDefTable FDBClearAllState1;
extern const KyVarDefTable TrustHostTable1;
extern const KyVarDefTable DeleteAllState1;
extern const KyVarDefTable Time1;
extern const KyVarDefTable CurrentTime1;
extern const KyVarDefTable SystemLogState1;
extern const KyVarDefTable SMTPInformationTable1;
extern const KyVarDefTable SMTPMailReceiverTable1;
extern const KyVarDefTable CableDiagnostics1;
extern const KyVarDefTable IFXTable1;
extern const KyVarDefTable MaxConcurrentRequests1;
extern const KyVarDefTable PingControlTable1;
extern const KyVarDefTable PingResultsTable1;
extern const KyVarDefTable MaxConcurrentRequests2;
extern const KyVarDefTable TrouceControlTable1;
extern const KyVarDefTable TraceRouteResultTable1;
extern const KyVarDefTable SaveChanges1;

// "RMON" menu.
extern const KyVarDefTable RMONSetting1;

// "Bridge" menu.
extern const KyVarDefTable Information1;
extern const KyVarDefTable PortTable1;
extern const KyVarDefTable ConfigurationIdentification1;
extern const KyVarDefTable InstanceInformation1;
extern const KyVarDefTable PortStateInformation1;
extern const KyVarDefTable PortMSTPInformation1;

// "VLAN" menu.
extern const KyVarDefTable BasicConfigure2;
extern const KyVarDefTable DefaultUserPrioritiesofEachPort1;
extern const KyVarDefTable UserPrioritiesToTrafficClass1;
extern const KyVarDefTable UnicastForwardingInformation1;
extern const KyVarDefTable Databaseinformation1;
extern const KyVarDefTable Dot1qVlanStatic;
extern const KyVarDefTable QinQGlobalStateSettings1;
extern const KyVarDefTable QinQPortTable1;
extern const KyVarDefTable VLANAdvertisementTable1;
extern const KyVarDefTable VlLANMultiplyManagement1;

// "SNMP V3" menu.
extern const KyVarDefTable snmpEngine1;
extern const KyVarDefTable MessageProcessingandDispatching1;
extern const KyVarDefTable GeneralInformation1;
extern const KyVarDefTable CommunityTargetAddressTable;
extern const KyVarDefTable TargetParameters1;
extern const KyVarDefTable Statistics2;
extern const KyVarDefTable UserTable1;
extern const KyVarDefTable SecurityTable1;
extern const KyVarDefTable AccessTable1;
extern const KyVarDefTable ViewTable1;
extern const KyVarDefTable NotifyTable1;
extern const KyVarDefTable NotifyFilterProfileTale1;
extern const KyVarDefTable NotifyFilterEntryTable1;
extern const KyVarDefTable CommunityStringTable1;
extern const KyVarDefTable TargetAddressTable1;

// "Security Management" menu.
extern const KyVarDefTable Auth1;
extern const KyVarDefTable Configuration2;
extern const KyVarDefTable PAEPortTable1;
extern const KyVarDefTable PortAuthenticationConfiguration1;
extern const KyVarDefTable PortAuthStatistics1;
extern const KyVarDefTable Diagnostics1;
extern const KyVarDefTable PortSessionStatistics1;
extern const KyVarDefTable StateTable1;
extern const KyVarDefTable SessionInformation1;
extern const KyVarDefTable RADIUSControl1;
extern const KyVarDefTable RADUISCommand1;
extern const KyVarDefTable AuthenticationServer1;
extern const KyVarDefTable AuthenticationServerTable1;
extern const KyVarDefTable AccountingServerInformation1;
extern const KyVarDefTable AccountingServerTable1;
extern const KyVarDefTable ServiceTable1;
extern const KyVarDefTable TACACSControl1;
extern const KyVarDefTable TACACSInformation1;
extern const KyVarDefTable LoginInformation1;
extern const KyVarDefTable ServerGroup1;
extern const KyVarDefTable SSHManagement1;
extern const KyVarDefTable EncryptionAlgorithm1;
extern const KyVarDefTable AuthenticationMethod1;
extern const KyVarDefTable GlobalManagement1;
extern const KyVarDefTable IPMACBindingControl1;
extern const KyVarDefTable PortInformation3;
extern const KyVarDefTable BindingBlockedTable1;
extern const KyVarDefTable BindingDHCPSnoopTable1;
extern const KyVarDefTable DOSPreventionControl1;
extern const KyVarDefTable DOSPrevertionControlTable1;

// "Layer 2 Management" menu.
extern const KyVarDefTable DeviceControl2;
extern const KyVarDefTable PortInformation1;
extern const KyVarDefTable PortControl1;
extern const KyVarDefTable PortErrorTable1;
extern const KyVarDefTable PortSecurityTrapLogState1;
extern const KyVarDefTable PortSecurityControl1;
extern const KyVarDefTable TrunkBasicInformation1;
extern const KyVarDefTable TrunkLACPPortTable1;
extern const KyVarDefTable TrunkVLANTable1;
extern const KyVarDefTable QoSSchedulingMechanismControl1;
extern const KyVarDefTable BandwidthControlTable1;
extern const KyVarDefTable SchedulingTable1;
extern const KyVarDefTable N8021pUserPriorityTable1;
extern const KyVarDefTable N8021pDefaultPriorityTable1;
extern const KyVarDefTable IGMPGeneral1;
extern const KyVarDefTable IGMPControlTable1;
extern const KyVarDefTable IGMPQuery1;
extern const KyVarDefTable IGMPInformation1;
extern const KyVarDefTable IGMPAccessAuthenticationTable1;
extern const KyVarDefTable IGMPSnoopingGroupTable1;
extern const KyVarDefTable IGMPDynIPMultMaxEntry1;
extern const KyVarDefTable Management1;
extern const KyVarDefTable DHCPLocalRelayState1;
extern const KyVarDefTable DHCPLocalRelayVLANTable1;
extern const KyVarDefTable CoSPriorityTable1;
extern const KyVarDefTable CoSPortPRITable1;
extern const KyVarDefTable CosSMacBasePRITable1;
extern const KyVarDefTable CoSToSPRITable1;
extern const KyVarDefTable CoSDHCPPRITable1;
extern const KyVarDefTable MulticastFilterTable1;
extern const KyVarDefTable MulticastFilterPortInformationTable1;
extern const KyVarDefTable MulticastFilterPortTable1;
extern const KyVarDefTable MulticastFilterPortMaxGroupTable1;
extern const KyVarDefTable PacketStormControl1;
extern const KyVarDefTable PacketStormControlTable1;
extern const KyVarDefTable ACLMaskDeleteAllState1;
extern const KyVarDefTable CPUFilterControl1;
extern const KyVarDefTable TimeRangeACLTable1;
extern const KyVarDefTable TimeRangeCPUACLTable1;
extern const KyVarDefTable ConfigurationInformation1;
extern const KyVarDefTable AddressConfiguration1;
extern const KyVarDefTable StatisticsInformation1;
extern const KyVarDefTable TxPortTable1;
extern const KyVarDefTable RxPortTable1;
extern const KyVarDefTable PortTable4;
extern const KyVarDefTable ManagementAddressTable1;
extern const KyVarDefTable ManagementAddressTable2;
extern const KyVarDefTable UnknownTLVTable1;
extern const KyVarDefTable PortVLANTable1;
extern const KyVarDefTable LocalDataTable1;
extern const KyVarDefTable VLANNameTable2;
extern const KyVarDefTable ProtocolTable2;
extern const KyVarDefTable ProtocolTable3;
extern const KyVarDefTable RemoteDataTable1;
extern const KyVarDefTable VLANNameTable3;
extern const KyVarDefTable ProtocolVLANTable2;
extern const KyVarDefTable ProtocolTable4;
extern const KyVarDefTable PortTablle1;
extern const KyVarDefTable PowerTable2;
extern const KyVarDefTable MaxFrameSizeTable1;
extern const KyVarDefTable PortTable3;
extern const KyVarDefTable PowerTable3;
extern const KyVarDefTable MaxFrameSizeTable2;
extern const KyVarDefTable LoopDetectControl1;
extern const KyVarDefTable LoopDetectPortTable1;
extern const KyVarDefTable AggregatorTable1;
extern const KyVarDefTable AggregatorPortList1;
extern const KyVarDefTable MLDSnoopingManagement1;
extern const KyVarDefTable MLDSnoopingControl1;
extern const KyVarDefTable PoESystemControl1;
extern const KyVarDefTable PoESysteminformation1;
extern const KyVarDefTable PoEPortControl1;
extern const KyVarDefTable PoEPortInformation1;

// "Single IP" menu.
extern const KyVarDefTable SingleIPControl1;
extern const KyVarDefTable MyInformation1;
extern const KyVarDefTable CandidateSwitch1;
extern const KyVarDefTable GroupInformation1;
extern const KyVarDefTable NeighborSwitch1;

// Dedicated dialogs (named after what they hold, not after a command).
// "Basic Configuration" > "Time Management", "System Log Management", "SMTP Management".
extern const KyVarDefTable NetworkTime;
extern const KyVarDefTable SummerTimeStatus;
extern const KyVarDefTable SummerTimeRepeat;
extern const KyVarDefTable SummerTimeAnnual;
extern const KyVarDefTable SystemLogServer;
extern const KyVarDefTable SmtpControl;
// "Layer 2 Management" > "Time Range".
extern const KyVarDefTable TimeRange;
// ---- Port-list and spanning-tree dialogs (begin)
extern const KyVarDefTable Dot1qNextFreeLocalVlanIndex;
extern const KyVarDefTable Dot1qVlanNumDeletes;
extern const KyVarDefTable Dot1qVlanCurrent;
extern const KyVarDefTable Dot1qVlanGeneral;
extern const KyVarDefTable Dot1qPortVlan;
extern const KyVarDefTable PortMirror;
extern const KyVarDefTable TrunkGroup;
extern const KyVarDefTable LacpAggregationPort;
extern const KyVarDefTable TrafficSegmentation;
extern const KyVarDefTable IgmpRouterPortVlan;
extern const KyVarDefTable MldRouterPortVlan;
extern const KyVarDefTable PortSecurityDelete;
extern const KyVarDefTable GuestVlan;
extern const KyVarDefTable GuestVlanDelete;
extern const KyVarDefTable StpState;
extern const KyVarDefTable StpBridge;
extern const KyVarDefTable StpBridgeMstp;
// ---- Port-list and spanning-tree dialogs (end)
// ---- Hand-written dialogs of "Security Management" (authentication and security).
extern const KyVarDefTable LoginMethodList;
extern const KyVarDefTable EnableMethodList;
extern const KyVarDefTable AacServerHost;
extern const KyVarDefTable AacServerGroupMember;
extern const KyVarDefTable RadiusServer;
extern const KyVarDefTable SslManagement;
extern const KyVarDefTable SslCertificateFile;
extern const KyVarDefTable SafeguardControl;
extern const KyVarDefTable IpMacBinding;
// ---- Hand-written dialogs of "Layer 2 Management" (LLDP).
extern const KyVarDefTable LldpPortConfig;
extern const KyVarDefTable LldpDot3PortConfig;
extern const KyVarDefTable LldpLocSysData;
extern const KyVarDefTable LldpRemote;
extern const KyVarDefTable LldpDot3LinkAgg;
extern const KyVarDefTable LldpDot3RemoteLinkAgg;
extern const KyVarDefTable LldpConfigVlanName;
extern const KyVarDefTable LldpConfigProtocolVlan;
extern const KyVarDefTable LldpConfigProtocol;
// ---- end of the authentication, security and LLDP dialogs.
// ---- Hand-written dialogs: multicast and miscellaneous.
extern const KyVarDefTable Dot3ControlPorts;
extern const KyVarDefTable Dot3ControlCounters;
extern const KyVarDefTable Dot3PausePorts;
extern const KyVarDefTable Dot3PauseCounters;
extern const KyVarDefTable UpdateFiles;
extern const KyVarDefTable DhcpRelayServers;
extern const KyVarDefTable MemberSwitches;
extern const KyVarDefTable MemberSwitchAdd;
extern const KyVarDefTable MacEapolStatistics;
extern const KyVarDefTable MacAuthDiagnostics;
extern const KyVarDefTable PortCapabilities;
extern const KyVarDefTable IsmVlan;
extern const KyVarDefTable IgmpMulticastVlanGroup;
extern const KyVarDefTable IgmpClearDynamicIpMulticast;
extern const KyVarDefTable MldSnoopingGroups;
extern const KyVarDefTable StaticMulticastFilter;
extern const KyVarDefTable StaticUnicastFilter;
// ---- end of the multicast and miscellaneous dialogs.
}  // namespace tbl

// ---- Access profiles and rules (dedicated dialogs of "Access Control Information").
namespace tbl {
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
}  // namespace tbl
// ---- end of access profiles and rules

// Every definition table of the program, in menu order, for the simulator and
// the checks that span all tables.
std::span<const KyVarDefTable* const> AllDefinitionTables();
