// Definition tables of the "Layer 2 Management" menu, one per generated command, in menu order.
#include "tables/DefTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

// "Device Control": scalar group.
constexpr KyVarDefRow kDeviceControl2[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.1", "System Reboot", Integer, RW, &opt::SystemReboot},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.2", "System IP", IpAddress, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.3", "Subnet Mask", IpAddress, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.4", "Default Gateway", IpAddress, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.5", "Management VLAN ID", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.7", "IGMP Snooping", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.12", "Clean All Statistic Counter", Integer, RW, &opt::NormalActive},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.13", "SNMP Authenticate Trap", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.16", "RMON State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.17", "IP Auto Config", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.19", "MAC Notify State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.20", "MAC Notify History Size", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.21", "MAC Notify Interval", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.22", "LLDP State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.23", "LLDP Forward Message State", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.24", "Asymmetric VLAN State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.25", "IGMP Snooping Multicast VLAN State", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.26", "VLAN Trunk State", Integer, RW, &opt::EnabledDisabled12},
};

// "Port Information Table": table, 1 index column.
constexpr KyVarDefRow kPortInformation1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.2.1.1.1", "Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.1.1.2", "Link Status", Integer, RO, &opt::PortLinkStatus},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.1.1.3", "Nway Status", Integer, RO, &opt::PortNwayStatus},
};

// "Port Control Table": table, 2 index columns.
constexpr KyVarDefRow kPortControl1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.1", "Port Index", Integer, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.2", "Medium Type", Integer, RO, &opt::MediumType},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.3", "Admin State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.4", "Nway State", Integer, RW, &opt::NwayState},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.5", "Flow Control State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.6", "Description", DisplayString, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.7", "Address Learning", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.8", "MAC Notify State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.9", "Multicast filter", Integer, RW, &opt::MulticastFilter},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.10", "MDIX State", Integer, RW, &opt::MdixState},
};

// "Error Port Table": table, 1 index column.
constexpr KyVarDefRow kPortErrorTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.2.3.1.1", "Error Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.3.1.2", "Error Port State", Integer, RO, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.3.1.3", "Error Port Status", Integer, RO, &opt::ErrorPortStatus},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.3.1.4", "Error Port Reason", Integer, RO, &opt::ErrorPortReason},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.3.1.5", "Error Description", DisplayString, RO},
};

// "Port Security Trap Log State": scalar group.
// .1 is the port security table, .3 the delete group.
constexpr KyVarDefRow kPortSecurityTrapLogState1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.15.2", "Port Security Trap Log State", Integer, RW,
     &opt::DisabledEnabled23},
};

// "Port Security Control": table, 1 index column.
constexpr KyVarDefRow kPortSecurityControl1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.15.1.1.1", "Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.15.1.1.2", "Mode", Integer, RW, &opt::PortSecurityMode},
    {"1.3.6.1.4.1.32473.11.63.8.2.15.1.1.3", "Admin State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.15.1.1.4", "Max Learn Address", Integer, RW},
};

// "Trunk Basic Information": scalar group.
// .3 is the port trunk table.
constexpr KyVarDefRow kTrunkBasicInformation1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.4.1", "Port Trunk Max Entries", Integer, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.4.2", "Port Trunk Max Port Members", Integer, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.4.4", "Trunk Algorithm", Integer, RW, &opt::TrunkAlgorithm},
};

// "Trunk LACP Port Table": table, 1 index column.
constexpr KyVarDefRow kTrunkLACPPortTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.4.5.1.1", "Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.4.5.1.2", "Port State", Integer, RW, &opt::LacpMode},
};

// "Trunk VLAN Table": table, 1 index column.
constexpr KyVarDefRow kTrunkVLANTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.4.6.1.1", "Trunk VLAN Port", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.4.6.1.2", "Trunk VLAN State", Integer, RW, &opt::EnabledDisabled12},
};

// "QoS Scheduling Mechanism Control": scalar group.
// .1 to .4 are the QoS tables.
constexpr KyVarDefRow kQoSSchedulingMechanismControl1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.3.5", "QoS Scheduling Mechanism Control", Integer, RW,
     &opt::QosSchedulingMechanism},
};

// "Bandwidth Control Table": table, 1 index column.
constexpr KyVarDefRow kBandwidthControlTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.3.1.1.1", "QoS Bandwidth Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.3.1.1.2", "QoS Bandwidth RX Rate", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.3.1.1.3", "QoS Bandwidth TX Rate", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.3.1.1.4", "QoS Bandwidth RADIUS RX Rate", Integer, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.3.1.1.5", "QoS Bandwidth RADIUS TX Rate", Integer, RO},
};

// "Scheduling Table": table, 1 index column.
constexpr KyVarDefRow kSchedulingTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.3.2.1.1", "QoS Scheduling Class Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.3.2.1.2", "QoS Scheduling Max Weight", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.3.2.1.3", "QoS Scheduling Mechanism", Integer, RW,
     &opt::QosSchedulingMechanism},
};

// "802.1p User Priority Table": table, 1 index column.
constexpr KyVarDefRow kN8021pUserPriorityTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.3.3.1.1", "QoS 802.1p User Priority Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.3.3.1.2", "QoS 802.1p User Priority Class", Integer, RW},
};

// "802.1p Default Priority Table": table, 1 index column.
constexpr KyVarDefRow kN8021pDefaultPriorityTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.3.4.1.1", "QoS 802.1p Default Priority Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.3.4.1.2", "QoS 802.1p Default Priority", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.3.4.1.3", "QoS 802.1p RADIUS Priority", Integer, RO},
};

// "IGMP General Information": scalar group.
constexpr KyVarDefRow kIGMPGeneral1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.7.1", "Max Supported VLANs", Integer, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.2", "Max IP Group Number PerVLAN", Integer, RO},
};

// "IGMP Control Table": table, 1 index column.
constexpr KyVarDefRow kIGMPControlTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.1", "VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.2", "Query Interval", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.3", "Max Response Time", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.4", "Robustness", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.5", "Last Member Query Interval", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.6", "Host Timeout", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.7", "Route Timeout", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.8", "Leave Timer", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.9", "Query State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.10", "Current State", Integer, RO, &opt::QuerierNonQuerier23},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.11", "Control State", Integer, RW, &opt::DisableEnable23},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.12", "Fast Leave", Integer, RW, &opt::DisableEnable23},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.13", "Dynamic IP Multicast VLAN State", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.3.1.14", "Dynamic IP Multicast VLAN Age", Integer, RW,
     &opt::EnabledDisabled12},
};

// "IGMP Query Information": table, 1 index column.
constexpr KyVarDefRow kIGMPQuery1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.7.4.1.1", "VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.4.1.2", "Query Count", Counter32, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.4.1.3", "TX Query Count", Counter32, RO},
};

// "IGMP Information": table, 2 index columns.
constexpr KyVarDefRow kIGMPInformation1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.7.5.1.1", "VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.5.1.2", "Group IP Address", IpAddress, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.5.1.3", "MAC Address", MacAddress, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.5.1.4", "Port Map", Bits, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.5.1.5", "IP Group Report Count", Counter32, RO},
};

// "IGMP Access Authentication Table": table, 1 index column.
constexpr KyVarDefRow kIGMPAccessAuthenticationTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.7.7.1.1", "IGMP Router Port VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.7.1.2", "IGMP Access Auth Port", Integer, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.7.1.3", "IGMP Access Auth State", Integer, RW, &opt::DisabledEnabled23},
};

// "IGMP Snooping Group Table": table, 3 index columns.
constexpr KyVarDefRow kIGMPSnoopingGroupTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.7.11.1.1", "VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.11.1.2", "Group Address", IpAddress, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.11.1.3", "Source Address", IpAddress, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.11.1.4", "Include Port Map", Bits, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.11.1.5", "Exclude Port Map", Bits, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.11.1.6", "Report Count", Counter32, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.11.1.7", "Up Time", TimeTicks, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.11.1.8", "Expiry Time", TimeTicks, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.11.1.9", "RouterP orts", Bits, RO},
};

// "IGMP Dynamic IP Multicast Max Entry": scalar group.
constexpr KyVarDefRow kIGMPDynIPMultMaxEntry1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.7.12.1", "IGMP Dynamic IP Multicast Max Entry", Integer, RW},
};

// "DHCP Relay Management": scalar group.
constexpr KyVarDefRow kManagement1[] = {
    {"1.3.6.1.4.1.32473.12.42.1.1", "DHCP Relay State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.42.1.2", "DHCP Relay Hop Count", Integer, RW},
    {"1.3.6.1.4.1.32473.12.42.1.3", "DHCP Relay Time Threshold", Integer, RW},
    {"1.3.6.1.4.1.32473.12.42.3.2.1", "DHCP Relay Option 82 State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.42.3.2.2", "DHCP Relay Option 82 Check State", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.42.3.2.3", "DHCP Relay Option 82 Policy", Integer, RW, &opt::DhcpOption82Policy},
    {"1.3.6.1.4.1.32473.12.42.3.2.4", "DHCP Relay Option 82 Remote ID Type", Integer, RW,
     &opt::DhcpOption82RemoteIdType},
    {"1.3.6.1.4.1.32473.12.42.3.2.5", "DHCP Relay Option 82 Remote ID", DisplayString, RW},
};

// "DHCP Local Relay State": scalar group.
constexpr KyVarDefRow kDHCPLocalRelayState1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.24.1", "DHCP Local Relay State", Integer, RW, &opt::EnabledDisabled12},
};

// "DHCP Local Relay VLAN Table": table, 1 index column.
constexpr KyVarDefRow kDHCPLocalRelayVLANTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.24.2.1.1", "DHCP Local Relay VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.24.2.1.2", "DHCP Local Relay VLAN State", Integer, RW,
     &opt::EnabledDisabled12},
};

// "CoS Priority Table": table, 1 index column.
constexpr KyVarDefRow kCoSPriorityTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.1.1.1", "CoS Priority Port", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.1.1.2", "CoS Priority Port PRI", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.1.1.3", "CoS Priority Ether PRI", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.1.1.4", "CoS Priority IP PRI", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.1.1.5", "CoS Priority None", Integer, RW, &opt::EnabledDisabled12},
};

// "CoS Port PRI Table": table, 1 index column.
constexpr KyVarDefRow kCoSPortPRITable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.2.1.1", "CoS Port PRI Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.2.1.2", "CoS Port PRI Class", Integer, RW},
};

// "CoS MAC_Base PRI Table": table, 1 index column.
constexpr KyVarDefRow kCosSMacBasePRITable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.3.1.1", "CoS MAC_Base PRI Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.3.1.2", "CoS MAC_Base PRI Class", Integer, RW},
};

// "CoS ToS PRI Table": table, 1 index column.
constexpr KyVarDefRow kCoSToSPRITable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.4.1.1", "CoS ToS PRI Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.4.1.2", "CoS ToS PRI Class", Integer, RW},
};

// "CoS DSCP PRI Table": table, 1 index column.
constexpr KyVarDefRow kCoSDHCPPRITable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.5.1.1", "CoS DSCP PRI Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.17.3.5.1.2", "CoS DSCP PRI Class", Integer, RW},
};

// "Multicast Filter Table": table, 1 index column, rows created and destroyed through row 4.
constexpr KyVarDefRow kMulticastFilterTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.22.2.1.1", "Profile Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.22.2.1.2", "Profile Name", DisplayString, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.22.2.1.3", "Add Or Delete State", Integer, RW, &opt::OtherAddDelete},
    {"1.3.6.1.4.1.32473.11.63.8.2.22.2.1.4", "Group List", DisplayString, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.22.2.1.5", "Status", Integer, RW, &opt::RowStatus},
};

// "Multicast Filter Port Information Table": table, 1 index column.
constexpr KyVarDefRow kMulticastFilterPortInformationTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.22.5.1.1", "Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.22.5.1.2", "Profile ID", DisplayString, RO},
};

// "Multicast Filter Port Table": table, 1 index column.
constexpr KyVarDefRow kMulticastFilterPortTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.22.3.1.1", "GroupPort Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.22.3.1.2", "Profile Add Or Delete State", Integer, RW,
     &opt::OtherAddDelete},
    {"1.3.6.1.4.1.32473.11.63.8.2.22.3.1.3", "Profile ID", Integer, RW},
};

// "Multicast Filter Port Max Group Table": table, 1 index column.
constexpr KyVarDefRow kMulticastFilterPortMaxGroupTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.22.4.1.1", "Max Group Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.22.4.1.2", "Max Group", Integer, RW},
};

// "Packet Storm Control": scalar group.
constexpr KyVarDefRow kPacketStormControl1[] = {
    {"1.3.6.1.4.1.32473.12.25.1.1", "Packet Storm Trap Control", Integer, RW, &opt::StormTrapControl},
};

// "Packet Storm Control Table": table, 1 index column.
constexpr KyVarDefRow kPacketStormControlTable1[] = {
    {"1.3.6.1.4.1.32473.12.25.3.1.1.1", "Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.2", "threshold", Integer, RW},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.3", "Broadcast Status", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.4", "Multicast Status", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.5", "Unicast Status", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.6", "Action Status", Integer, RW, &opt::StormAction},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.7", "Count Down", Integer, RW},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.8", "Time Interval", Integer, RW},
};

// "ACL Mask Delete All State": scalar group.
// .1 to .3 are the access profile tables.
constexpr KyVarDefRow kACLMaskDeleteAllState1[] = {
    {"1.3.6.1.4.1.32473.12.9.2.4", "ACL Mask Delete All State", Integer, RW, &opt::NormalActive},
};

// "CPU Filter Control": scalar group.
constexpr KyVarDefRow kCPUFilterControl1[] = {
    {"1.3.6.1.4.1.32473.12.9.1.1", "CPU Interface Filtering State", Integer, RW, &opt::EnabledDisabled12},
};

// "Time Range ACL Table": table, 2 index columns.
constexpr KyVarDefRow kTimeRangeACLTable1[] = {
    {"1.3.6.1.4.1.32473.12.50.3.2.1.1", "Time Range ACL Profile ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.50.3.2.1.2", "Time Range ACL Acces sID", Integer, K},
    {"1.3.6.1.4.1.32473.12.50.3.2.1.3", "Time Range ACL Time Range Name", DisplayString, RW},
};

// "Time Range CPU ACL Table": table, 2 index columns.
constexpr KyVarDefRow kTimeRangeCPUACLTable1[] = {
    {"1.3.6.1.4.1.32473.12.50.3.3.1.1", "Time Range CPU ACL Profile ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.50.3.3.1.2", "Time Range CPU ACL AccessI D", Integer, K},
    {"1.3.6.1.4.1.32473.12.50.3.3.1.3", "Time Range CPU ACL Time Range Name", DisplayString, RW},
};

// "Configuration Information": scalar group.
constexpr KyVarDefRow kConfigurationInformation1[] = {
    {"1.0.8802.1.1.2.1.1.1", "Message TX Interval", Integer, RW},
    {"1.0.8802.1.1.2.1.1.2", "Message TX Hold Multiplier", Integer, RW},
    {"1.0.8802.1.1.2.1.1.3", "Re-Initialization Delay", Integer, RW},
    {"1.0.8802.1.1.2.1.1.4", "TX Delay", Integer, RW},
    {"1.0.8802.1.1.2.1.1.5", "Notification Interval", Integer, RW},
};

// "Address Configuration": table, 2 index columns.
// Subtype and address come from the instance suffix (the local management address).
constexpr KyVarDefRow kAddressConfiguration1[] = {
    {" ", "Management Address Subtype", Integer, K},
    {" ", "Management Address", OctetString, K},
    {"1.0.8802.1.1.2.1.1.7.1.1", "Management Address Ports TX Enable", Bits, RW},
};

// "Statistics Information": scalar group.
constexpr KyVarDefRow kStatisticsInformation1[] = {
    {"1.0.8802.1.1.2.1.2.1", "Statistics Remote Tables Last Change Time", TimeTicks, RO},
    {"1.0.8802.1.1.2.1.2.2", "Statistics Remote Tables Inserts", Gauge32, RO},
    {"1.0.8802.1.1.2.1.2.3", "Statistics Remote Tables Deletes", Gauge32, RO},
    {"1.0.8802.1.1.2.1.2.4", "Statistics Remote Tables Drops", Gauge32, RO},
    {"1.0.8802.1.1.2.1.2.5", "Statistics Remote Tables Ageouts", Gauge32, RO},
};

// "TX Port Table": table, 1 index column.
constexpr KyVarDefRow kTxPortTable1[] = {
    {"1.0.8802.1.1.2.1.2.6.1.1", "Statistics TX Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.2.6.1.2", "Statistics TX Port Total Frames", Counter32, RO},
};

// "RX Port Table": table, 1 index column.
constexpr KyVarDefRow kRxPortTable1[] = {
    {"1.0.8802.1.1.2.1.2.7.1.1", "Statistics RX Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.2.7.1.2", "Statistics RX Port Frames Discarded Total", Counter32, RO},
    {"1.0.8802.1.1.2.1.2.7.1.3", "Statistics RX Port Frames Errors", Counter32, RO},
    {"1.0.8802.1.1.2.1.2.7.1.4", "Statistics RX Port Frames Total", Counter32, RO},
    {"1.0.8802.1.1.2.1.2.7.1.5", "Statistics RX Port TLVs Discarded Total", Counter32, RO},
    {"1.0.8802.1.1.2.1.2.7.1.6", "Statistics RX Port TLVs Unrecognized Total", Counter32, RO},
    {"1.0.8802.1.1.2.1.2.7.1.7", "Statistics RX Port Ageouts Total", Gauge32, RO},
};

// "Port Table": table, 1 index column.
constexpr KyVarDefRow kPortTable4[] = {
    {"1.0.8802.1.1.2.1.3.7.1.1", "Local Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.3.7.1.2", "Local Port ID Subtype", Integer, RO, &opt::LldpPortIdSubtype},
    {"1.0.8802.1.1.2.1.3.7.1.3", "Local Port ID", OctetString, RO},
    {"1.0.8802.1.1.2.1.3.7.1.4", "Local Port Description", DisplayString, RO},
};

// "Management Address Table": table, 2 index columns.
constexpr KyVarDefRow kManagementAddressTable1[] = {
    {"1.0.8802.1.1.2.1.3.8.1.1", "Local Management Address Subtype", Integer, K, &opt::AddressFamily},
    {"1.0.8802.1.1.2.1.3.8.1.2", "Local Management Address", OctetString, K},
    {"1.0.8802.1.1.2.1.3.8.1.3", "Local Management Address Length", Integer, RO},
    {"1.0.8802.1.1.2.1.3.8.1.4", "Local Management Address If Subtype", Integer, RO,
     &opt::LldpManAddrIfSubtype},
    {"1.0.8802.1.1.2.1.3.8.1.5", "Local Management Address If ID", Integer, RO},
    {"1.0.8802.1.1.2.1.3.8.1.6", "Local Management Address OID", ObjectId, RO},
};

// "Management Address Table": table, 5 index columns.
constexpr KyVarDefRow kManagementAddressTable2[] = {
    {" ", "Time Mark", TimeTicks, K},
    {" ", "Local Port Number", Integer, K},
    {" ", "Index", Integer, K},
    {"1.0.8802.1.1.2.1.4.2.1.1", "Remote Management Address Subtype", Integer, K, &opt::AddressFamily},
    {"1.0.8802.1.1.2.1.4.2.1.2", "Remote Management Address", OctetString, K},
    {"1.0.8802.1.1.2.1.4.2.1.3", "Remote Management Address If Subtype", Integer, RO,
     &opt::LldpManAddrIfSubtype},
    {"1.0.8802.1.1.2.1.4.2.1.4", "Remote Management Address If ID", Integer, RO},
    {"1.0.8802.1.1.2.1.4.2.1.5", "Remote Management Address OID", ObjectId, RO},
};

// "Unknown TLV Table": table, 4 index columns.
constexpr KyVarDefRow kUnknownTLVTable1[] = {
    {" ", "Remote Time Mark", TimeTicks, K},
    {" ", "Remote Local Port Number", Integer, K},
    {" ", "Remote Index", Integer, K},
    {"1.0.8802.1.1.2.1.4.3.1.1", "Remote Unknown TLV Type", Integer, K},
    {"1.0.8802.1.1.2.1.4.3.1.2", "Remote Unknown TLV Information", OctetString, RO},
};

// "Port VLAN Table": table, 1 index column.
constexpr KyVarDefRow kPortVLANTable1[] = {
    {" ", "Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.1.1.1.1", "Port VLAN TX Enabled", Integer, RW, &opt::TrueFalse},
};

// "Local Data Table": table, 1 index column.
constexpr KyVarDefRow kLocalDataTable1[] = {
    {" ", "Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.2.1.1.1", "Port VLAN ID", Integer, RO},
};

// "VLAN Name Table": table, 2 index columns.
constexpr KyVarDefRow kVLANNameTable2[] = {
    {" ", "Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.1", "VLAN ID", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.2.3.1.2", "VLAN Name", DisplayString, RO},
};

// "Protocol VLAN Table": table, 2 index columns.
constexpr KyVarDefRow kProtocolTable2[] = {
    {" ", "Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.1", "Protocol VLAN ID", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.2", "Protocol VLAN Supported", Integer, RO, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.5.32962.1.2.2.1.3", "Protocol VLAN Enabled", Integer, RO, &opt::TrueFalse},
};

// "Protocol Table": table, 2 index columns.
constexpr KyVarDefRow kProtocolTable3[] = {
    {" ", "Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.1", "Protocol Index", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.2.4.1.2", "Protocol ID", OctetString, RO},
};

// "Remote Data Table": table, 3 index columns.
constexpr KyVarDefRow kRemoteDataTable1[] = {
    {" ", "Remote Time Mark", TimeTicks, K},
    {" ", "Remote Local Port Number", Integer, K},
    {" ", "Remote Index", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.3.1.1.1", "Remote Port VLAN ID", Integer, RO},
};

// "VLAN Name Table": table, 4 index columns.
constexpr KyVarDefRow kVLANNameTable3[] = {
    {" ", "Remote Time Mark", TimeTicks, K},
    {" ", "Remote Local Port Number", Integer, K},
    {" ", "Remote Index", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.1", "Remote VLAN ID", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.3.3.1.2", "Remote VLAN Name", DisplayString, RO},
};

// "Protocol VLAN Table": table, 4 index columns.
constexpr KyVarDefRow kProtocolVLANTable2[] = {
    {" ", "Remote Time Mark", TimeTicks, K},
    {" ", "Remote Local Port Number", Integer, K},
    {" ", "Remote Index", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.1", "Remote Protocol VLAN ID", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.2", "Remote Protocol VLAN Supported", Integer, RO, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.5.32962.1.3.2.1.3", "Remote Protocol VLAN Enabled", Integer, RO, &opt::TrueFalse},
};

// "Protocol Table": table, 4 index columns.
constexpr KyVarDefRow kProtocolTable4[] = {
    {" ", "Remote Time Mark", TimeTicks, K},
    {" ", "Remote Local Port Number", Integer, K},
    {" ", "Remote Index", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.1", "Remote Protocol Index", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.3.4.1.2", "Remote Protocol ID", OctetString, RO},
};

// "Port Tablle": table, 1 index column.
constexpr KyVarDefRow kPortTablle1[] = {
    {" ", "Local Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.1", "Port Auto-negotiation Supported", Integer, RO, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.2", "Port Auto-negotiation Enabled", Integer, RO, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.3", "Port Auto-negotiation Advertised Capability", OctetString, RO},
    {"1.0.8802.1.1.2.1.5.4623.1.2.1.1.4", "Port Operational MAU Type", Integer, RO},
};

// "Power Table": table, 1 index column.
constexpr KyVarDefRow kPowerTable2[] = {
    {" ", "Loccal Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.1", "Power Port Class", Integer, RO, &opt::LldpPowerPortClass},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.2", "Power MDI Supported", Integer, RO, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.3", "Power MDI Enabled", Integer, RO, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.4", "Power Pair Controlable", Integer, RO, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.5", "Power Pairs", Integer, RO, &opt::PowerPairs},
    {"1.0.8802.1.1.2.1.5.4623.1.2.2.1.6", "Power Class", Integer, RO, &opt::PowerClass},
};

// "Max Frame Size Table": table, 1 index column.
constexpr KyVarDefRow kMaxFrameSizeTable1[] = {
    {" ", "lldpLocPortNum", Integer, K},
    {"1.0.8802.1.1.2.1.5.4623.1.2.4.1.1", "MaxFrameSize", Integer, RO},
};

// "Port Table": table, 3 index columns.
constexpr KyVarDefRow kPortTable3[] = {
    {" ", "Remote TimeMark", TimeTicks, K},
    {" ", "Remote Local Port Number", Integer, K},
    {" ", "Remote Index", Integer, K},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.1", "Port Auto-negotiation Supported", Integer, RO, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.2", "Port Auto-negotiation Enabled", Integer, RO, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.3", "Port Auto-negotiation Advertised Capability", OctetString, RO},
    {"1.0.8802.1.1.2.1.5.4623.1.3.1.1.4", "Port Operational MAU Type", Integer, RO},
};

// "Power Table": table, 3 index columns.
constexpr KyVarDefRow kPowerTable3[] = {
    {" ", "Remote Time Mark", TimeTicks, K},
    {" ", "Remote Local Port Number", Integer, K},
    {" ", "Remote Index", Integer, K},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.1", "Power Port Class", Integer, RO, &opt::LldpPowerPortClass},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.2", "Power MDI Supported", Integer, RO, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.3", "Power MDI Enabled", Integer, RO, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.4", "Power Pair Controlable", Integer, RO, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.5", "Power Pairs", Integer, RO, &opt::PowerPairs},
    {"1.0.8802.1.1.2.1.5.4623.1.3.2.1.6", "Power Class", Integer, RO, &opt::PowerClass},
};

// "Max Frame Size Table": table, 3 index columns.
constexpr KyVarDefRow kMaxFrameSizeTable2[] = {
    {" ", "Remote Time Mark", TimeTicks, K},
    {" ", "Remote Local Port Number", Integer, K},
    {" ", "Remote Index", Integer, K},
    {"1.0.8802.1.1.2.1.5.4623.1.3.4.1.1", "Remote Max Frame Size", Integer, RO},
};

// "Loop Detect Control": scalar group.
constexpr KyVarDefRow kLoopDetectControl1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.21.1.1", "Loop Detect Admin State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.21.1.2", "Loop Detect Interval", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.21.1.3", "Loop Detect Recover Time", Integer, RW},
};

// "Loop Detect Port Table": table, 1 index column.
constexpr KyVarDefRow kLoopDetectPortTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.21.2.1.1.1", "Loop Detect Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.21.2.1.1.2", "Loop Detect Port State", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.21.2.1.1.3", "Loop Detect Port Loop Status", Integer, RO, &opt::LoopStatus},
};

// "Aggregator Table": table, 1 index column.
// Laid out like the 802.3ad aggregator table.
constexpr KyVarDefRow kAggregatorTable1[] = {
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.1", "Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.2", "MAC Address", MacAddress, RO},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.3", "Actor System Priority", Integer, RW},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.4", "Actor System ID", MacAddress, RO},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.5", "Aggregate Or Individual", Integer, RO, &opt::TrueFalse},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.6", "Actor Admin value Key", Integer, RW},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.7", "Actor Operational Value Key", Integer, RO},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.8", "Partner System ID", MacAddress, RO},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.9", "Partner System Priority", Integer, RO},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.10", "Partner Operational Value Key", Integer, RO},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.11", "Collector Max Delay", Integer, RW},
};

// "Aggregator Port List": table, 1 index column.
constexpr KyVarDefRow kAggregatorPortList1[] = {
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.1", "    Index ", Integer, K},
    {"1.3.6.1.4.1.32473.12.4.1.1.2.1.1", "     Ports    ", Bits, RO},
};

// "MLD Snooping Management": scalar group.
constexpr KyVarDefRow kMLDSnoopingManagement1[] = {
    {"1.3.6.1.4.1.32473.12.34.1.1", "MLD Snooping Global State", Integer, RW, &opt::EnabledDisabled12},
};

// "MLD Snooping Control": table, 1 index column.
constexpr KyVarDefRow kMLDSnoopingControl1[] = {
    {"1.3.6.1.4.1.32473.12.34.3.2.1.1", "MLD Snooping Control VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.2", "MLD Snooping Query Interval", Integer, RW},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.3", "MLD Snooping Max Response Time", Integer, RW},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.4", "MLD Snooping Robustness", Integer, RW},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.5", "MLD Snooping Last Member Query Interval", Integer, RW},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.6", "MLD Snooping Host Timeout", Integer, RW},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.7", "MLD Snooping Route Timeout", Integer, RW},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.8", "MLD Snooping Done Timer", Integer, RW},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.9", "MLD Snooping Query State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.10", "MLD Snooping Current State", Integer, RO,
     &opt::QuerierNonQuerier23},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.11", "MLD Snooping Control State", Integer, RW, &opt::DisableEnable23},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.12", "MLD Snooping Fast Done State", Integer, RW, &opt::DisableEnable23},
    {"1.3.6.1.4.1.32473.12.34.3.2.1.13", "MLD Snooping Version", Integer, RW, &opt::MldVersion},
};

// "PoE System Control": scalar group.
constexpr KyVarDefRow kPoESystemControl1[] = {
    {"1.3.6.1.4.1.32473.12.24.1.1", "PoE System Power Limit", Integer, RW},
    {"1.3.6.1.4.1.32473.12.24.1.2", "PoE System Power Disconnect Method", Integer, RW,
     &opt::PoeDisconnectMethod},
    {"1.3.6.1.4.1.32473.12.24.1.3", "PoE System LED Mode", Integer, RW, &opt::PoeLedMode},
};

// "PoE System information": scalar group.
constexpr KyVarDefRow kPoESysteminformation1[] = {
    {"1.3.6.1.4.1.32473.12.24.2.1", "PoE System Power Consumption", Integer, RO},
    {"1.3.6.1.4.1.32473.12.24.2.2", "PoE System Power Remained", Integer, RO},
};

// "PoE Port Control": table, 1 index column.
constexpr KyVarDefRow kPoEPortControl1[] = {
    {"1.3.6.1.4.1.32473.12.24.3.1.1.1", "Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.2", "State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.3", "Priority", Integer, RW, &opt::PoePriority},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.4", "Power Limit", Integer, RW, &opt::PoePowerLimit},
    {"1.3.6.1.4.1.32473.12.24.3.1.1.5", "User Defined", Integer, RW},
};

// "PoE Port information": table, 1 index column.
constexpr KyVarDefRow kPoEPortInformation1[] = {
    {"1.3.6.1.4.1.32473.12.24.4.1.1.1", "Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.2", "Class", Integer, RO},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.3", "Power", Integer, RO},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.4", "Voltage", Integer, RO},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.5", "Current", Integer, RO},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.6", "Status", Integer, RO, &opt::PoePortStatus},
    {"1.3.6.1.4.1.32473.12.24.4.1.1.7", "Led Status", Integer, RO, &opt::PoeLedStatus},
};
}  // namespace

const KyVarDefTable DeviceControl2{"DeviceControl2", 0, 0, kDeviceControl2};
const KyVarDefTable PortInformation1{"PortInformation1", 2, 1, kPortInformation1};
const KyVarDefTable PortControl1{"PortControl1", 3, 2, kPortControl1};
const KyVarDefTable PortErrorTable1{"PortErrorTable1", 2, 1, kPortErrorTable1};
const KyVarDefTable PortSecurityTrapLogState1{"PortSecurityTrapLogState1", 0, 0, kPortSecurityTrapLogState1};
const KyVarDefTable PortSecurityControl1{"PortSecurityControl1", 3, 1, kPortSecurityControl1};
const KyVarDefTable TrunkBasicInformation1{"TrunkBasicInformation1", 0, 0, kTrunkBasicInformation1};
const KyVarDefTable TrunkLACPPortTable1{"TrunkLACPPortTable1", 3, 1, kTrunkLACPPortTable1};
const KyVarDefTable TrunkVLANTable1{"TrunkVLANTable1", 3, 1, kTrunkVLANTable1};
const KyVarDefTable QoSSchedulingMechanismControl1{"QoSSchedulingMechanismControl1", 0, 0,
                                                   kQoSSchedulingMechanismControl1};
const KyVarDefTable BandwidthControlTable1{"BandwidthControlTable1", 3, 1, kBandwidthControlTable1};
const KyVarDefTable SchedulingTable1{"SchedulingTable1", 3, 1, kSchedulingTable1};
const KyVarDefTable N8021pUserPriorityTable1{"N8021pUserPriorityTable1", 3, 1, kN8021pUserPriorityTable1};
const KyVarDefTable N8021pDefaultPriorityTable1{"N8021pDefaultPriorityTable1", 3, 1,
                                                kN8021pDefaultPriorityTable1};
const KyVarDefTable IGMPGeneral1{"IGMPGeneral1", 0, 0, kIGMPGeneral1};
const KyVarDefTable IGMPControlTable1{"IGMPControlTable1", 3, 1, kIGMPControlTable1};
const KyVarDefTable IGMPQuery1{"IGMPQuery1", 3, 1, kIGMPQuery1};
const KyVarDefTable IGMPInformation1{"IGMPInformation1", 3, 2, kIGMPInformation1};
const KyVarDefTable IGMPAccessAuthenticationTable1{"IGMPAccessAuthenticationTable1", 3, 1,
                                                   kIGMPAccessAuthenticationTable1};
const KyVarDefTable IGMPSnoopingGroupTable1{"IGMPSnoopingGroupTable1", 2, 3, kIGMPSnoopingGroupTable1};
const KyVarDefTable IGMPDynIPMultMaxEntry1{"IGMPDynIPMultMaxEntry1", 0, 0, kIGMPDynIPMultMaxEntry1};
const KyVarDefTable Management1{"Management1", 0, 0, kManagement1};
const KyVarDefTable DHCPLocalRelayState1{"DHCPLocalRelayState1", 0, 0, kDHCPLocalRelayState1};
const KyVarDefTable DHCPLocalRelayVLANTable1{"DHCPLocalRelayVLANTable1", 3, 1, kDHCPLocalRelayVLANTable1};
const KyVarDefTable CoSPriorityTable1{"CoSPriorityTable1", 3, 1, kCoSPriorityTable1};
const KyVarDefTable CoSPortPRITable1{"CoSPortPRITable1", 3, 1, kCoSPortPRITable1};
const KyVarDefTable CosSMacBasePRITable1{"CosSMacBasePRITable1", 3, 1, kCosSMacBasePRITable1};
const KyVarDefTable CoSToSPRITable1{"CoSToSPRITable1", 3, 1, kCoSToSPRITable1};
const KyVarDefTable CoSDHCPPRITable1{"CoSDHCPPRITable1", 3, 1, kCoSDHCPPRITable1};
const KyVarDefTable MulticastFilterTable1{"MulticastFilterTable1", 3, 1, kMulticastFilterTable1};
const KyVarDefTable MulticastFilterPortInformationTable1{"MulticastFilterPortInformationTable1", 2, 1,
                                                         kMulticastFilterPortInformationTable1};
const KyVarDefTable MulticastFilterPortTable1{"MulticastFilterPortTable1", 3, 1, kMulticastFilterPortTable1};
const KyVarDefTable MulticastFilterPortMaxGroupTable1{"MulticastFilterPortMaxGroupTable1", 3, 1,
                                                      kMulticastFilterPortMaxGroupTable1};
const KyVarDefTable PacketStormControl1{"PacketStormControl1", 0, 0, kPacketStormControl1};
const KyVarDefTable PacketStormControlTable1{"PacketStormControlTable1", 3, 1, kPacketStormControlTable1};
const KyVarDefTable ACLMaskDeleteAllState1{"ACLMaskDeleteAllState1", 0, 0, kACLMaskDeleteAllState1};
const KyVarDefTable CPUFilterControl1{"CPUFilterControl1", 0, 0, kCPUFilterControl1};
const KyVarDefTable TimeRangeACLTable1{"TimeRangeACLTable1", 3, 2, kTimeRangeACLTable1};
const KyVarDefTable TimeRangeCPUACLTable1{"TimeRangeCPUACLTable1", 3, 2, kTimeRangeCPUACLTable1};
const KyVarDefTable ConfigurationInformation1{"ConfigurationInformation1", 0, 0, kConfigurationInformation1};
const KyVarDefTable AddressConfiguration1{"AddressConfiguration1", 3, 2, kAddressConfiguration1};
const KyVarDefTable StatisticsInformation1{"StatisticsInformation1", 0, 0, kStatisticsInformation1};
const KyVarDefTable TxPortTable1{"TxPortTable1", 2, 1, kTxPortTable1};
const KyVarDefTable RxPortTable1{"RxPortTable1", 2, 1, kRxPortTable1};
const KyVarDefTable PortTable4{"PortTable4", 2, 1, kPortTable4};
const KyVarDefTable ManagementAddressTable1{"ManagementAddressTable1", 2, 2, kManagementAddressTable1};
const KyVarDefTable ManagementAddressTable2{"ManagementAddressTable2", 2, 5, kManagementAddressTable2};
const KyVarDefTable UnknownTLVTable1{"UnknownTLVTable1", 2, 4, kUnknownTLVTable1};
const KyVarDefTable PortVLANTable1{"PortVLANTable1", 3, 1, kPortVLANTable1};
const KyVarDefTable LocalDataTable1{"LocalDataTable1", 2, 1, kLocalDataTable1};
const KyVarDefTable VLANNameTable2{"VLANNameTable2", 2, 2, kVLANNameTable2};
const KyVarDefTable ProtocolTable2{"ProtocolTable2", 2, 2, kProtocolTable2};
const KyVarDefTable ProtocolTable3{"ProtocolTable3", 2, 2, kProtocolTable3};
const KyVarDefTable RemoteDataTable1{"RemoteDataTable1", 2, 3, kRemoteDataTable1};
const KyVarDefTable VLANNameTable3{"VLANNameTable3", 2, 4, kVLANNameTable3};
const KyVarDefTable ProtocolVLANTable2{"ProtocolVLANTable2", 2, 4, kProtocolVLANTable2};
const KyVarDefTable ProtocolTable4{"ProtocolTable4", 2, 4, kProtocolTable4};
const KyVarDefTable PortTablle1{"PortTablle1", 2, 1, kPortTablle1};
const KyVarDefTable PowerTable2{"PowerTable2", 2, 1, kPowerTable2};
const KyVarDefTable MaxFrameSizeTable1{"MaxFrameSizeTable1", 2, 1, kMaxFrameSizeTable1};
const KyVarDefTable PortTable3{"PortTable3", 2, 3, kPortTable3};
const KyVarDefTable PowerTable3{"PowerTable3", 2, 3, kPowerTable3};
const KyVarDefTable MaxFrameSizeTable2{"MaxFrameSizeTable2", 2, 3, kMaxFrameSizeTable2};
const KyVarDefTable LoopDetectControl1{"LoopDetectControl1", 0, 0, kLoopDetectControl1};
const KyVarDefTable LoopDetectPortTable1{"LoopDetectPortTable1", 3, 1, kLoopDetectPortTable1};
const KyVarDefTable AggregatorTable1{"AggregatorTable1", 2, 1, kAggregatorTable1};
const KyVarDefTable AggregatorPortList1{"AggregatorPortList1", 2, 1, kAggregatorPortList1};
const KyVarDefTable MLDSnoopingManagement1{"MLDSnoopingManagement1", 0, 0, kMLDSnoopingManagement1};
const KyVarDefTable MLDSnoopingControl1{"MLDSnoopingControl1", 3, 1, kMLDSnoopingControl1};
const KyVarDefTable PoESystemControl1{"PoESystemControl1", 0, 0, kPoESystemControl1};
const KyVarDefTable PoESysteminformation1{"PoESysteminformation1", 0, 0, kPoESysteminformation1};
const KyVarDefTable PoEPortControl1{"PoEPortControl1", 3, 1, kPoEPortControl1};
const KyVarDefTable PoEPortInformation1{"PoEPortInformation1", 2, 1, kPoEPortInformation1};

}  // namespace tbl
