// Static variable-definition tables, one source file per menu. The table of a
// generated menu command is named after its handler without "Click"
// (`BasicInfo1Click` -> tbl::BasicInfo1) and carries the list kind and key
// count the command builds it with.
#pragma once

#include <span>

#include "snmp/VarList.h"
#include "tables/DedicatedTables.h"

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

}  // namespace tbl

// Every definition table of the program, for the simulator and the checks
// that span all tables: the generated commands' in menu order, then the
// dedicated tables.
std::span<const KyVarDefTable* const> AllDefinitionTables();
