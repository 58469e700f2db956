// Definition tables of the dedicated dialogs of one area:
// "Layer 2 Management": time ranges, port mirror, trunks, LACP, traffic segmentation, router
// ports, port security, DHCP relay, IGMP and MLD snooping.
#include "tables/DedicatedTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

constexpr KyVarDefRow kTimeRange[] = {
    {"1.3.6.1.4.1.32473.12.50.3.1.1.1", "Range Name", DisplayString, K},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.2", "Select Days", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.3", "Start Time", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.4", "End Time", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.5", "Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
constexpr KyVarDefRow kPortMirror[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.6.1", "RX Port List", Bits, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.6.2", "TX Port List", Bits, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.6.3", "Target Port", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.6.4", "State", Integer, RW, &opt::DisabledEnabled23},
};
constexpr KyVarDefRow kTrunkGroup[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.4.3.1.1", "Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.4.3.1.2", "Master Port", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.4.3.1.3", "Port List", Bits, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.4.3.1.4", "Type", Integer, RW, &opt::TrunkType},
    {"1.3.6.1.4.1.32473.11.63.8.2.4.3.1.5", "Active Port", Bits, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.4.3.1.6", "State", Integer, RW, &opt::RowStatusActiveNisCreateDestroy},
    {"1.3.6.1.4.1.32473.11.63.8.2.4.3.1.7", "Flooding Port", Integer, RO},
};
// The 802.3ad aggregation port table, columns in their standard order.
constexpr KyVarDefRow kLacpAggregationPort[] = {
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.1", "Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.2", "Actor System Priority", Integer, RW},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.3", "Actor System ID", MacAddress, RO},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.4", "Actor Admin Key", Integer, RW},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.5", "Actor Oper Key", Integer, RW},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.6", "Partner Admin System Priority", Integer, RW},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.7", "Partner Oper System Priority", Integer, RO},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.8", "Partner Admin System ID", MacAddress, RW},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.9", "Partner Oper System ID", MacAddress, RO},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.10", "Partner Admin Key", Integer, RW},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.11", "Partner Oper Key", Integer, RO},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.12", "Selected Agg ID", Integer, RO},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.13", "Attached Agg ID", Integer, RO},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.14", "Actor Port", Integer, RO},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.15", "Actor Port Priority", Integer, RW},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.16", "Partner Admin Port", Integer, RW},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.17", "Partner Oper Port", Integer, RO},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.18", "Partner Admin Port Priority", Integer, RW},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.19", "Partner Oper Port Priority", Integer, RO},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.20", "Actor Admin State", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.21", "Actor Oper State", OctetString, RO},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.22", "Partner Admin State", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.23", "Partner Oper State", OctetString, RO},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.24", "Aggregate Or Individual", Integer, RO, &opt::TrueFalse},
};
constexpr KyVarDefRow kTrafficSegmentation[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.12.1.1.1", "Traffic Segmentation Port", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.12.1.1.2", "Traffic Segmentation Forward Ports", Bits, RW},
};
constexpr KyVarDefRow kIgmpRouterPortVlan[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.7.6.1.1", "Port VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.6.1.2", "Port VLAN Name", DisplayString, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.6.1.3", "Port Static PortList", Bits, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.6.1.4", "Port Dynamic PortList", Bits, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.6.1.5", "Port Forbidden PortList", Bits, RW},
};
constexpr KyVarDefRow kMldRouterPortVlan[] = {
    {"1.3.6.1.4.1.32473.12.34.3.4.1.1", "Router Ports VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.2", "Router Static Port List", Bits, RW},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.3", "Dynamic Port List", Bits, RO},
    {"1.3.6.1.4.1.32473.12.34.3.4.1.4", "Router Forbidden Port List", Bits, RW},
};
constexpr KyVarDefRow kPortSecurityDelete[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.15.3.1", "VLAN Name", DisplayString, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.15.3.2", "Port", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.15.3.3", "MAC Address", MacAddress, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.15.3.4", "Activity", Integer, RW, &opt::NoneStart},
};
// "Layer 2 Management" > "DHCP Relay": servers per interface.
constexpr KyVarDefRow kDhcpRelayServers[] = {
    {"1.3.6.1.4.1.32473.12.42.3.1.1.1", "Interface Name", DisplayString, K},
    {"1.3.6.1.4.1.32473.12.42.3.1.1.2", "DHCP Server IP", IpAddress, K},
    {"1.3.6.1.4.1.32473.12.42.3.1.1.3", "Row Status", Integer, RW, &opt::RowStatus},
};
// "Layer 2 Management" > "IGMP Snooping Management": the multicast VLANs with
// their source, member and tagged member ports.
constexpr KyVarDefRow kIsmVlan[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.7.8.1.1", "VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.8.1.2", "VLAN Name", DisplayString, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.8.1.3", "Source Port", Bits, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.8.1.4", "Member Port", Bits, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.8.1.5", "Tag Member Port", Bits, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.8.1.6", "State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.8.1.7", "Replace Source IP", IpAddress, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.8.1.8", "Row Status", Integer, RW, &opt::RowStatus},
};
// Group address ranges of
// the multicast VLANs (the third index is the range's end), clearing of
// dynamically learned entries.
constexpr KyVarDefRow kIgmpMulticastVlanGroup[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.7.9.1.1", "VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.9.1.2", "From IP", IpAddress, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.9.1.3", "To IP", IpAddress, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.9.1.4", "Status", Integer, RW, &opt::RowStatus},
};
constexpr KyVarDefRow kIgmpClearDynamicIpMulticast[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.7.12.2.1", "IGMP Snooping Clear Dynamic IP Multicast VID", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.12.2.2", "IGMP Snooping Clear Dynamic IP Multicast IP", IpAddress, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.7.12.2.3", "IGMP Snooping Clear Dynamic IP Multicast Action", Integer, RW,
     &opt::IgmpClearAction},
};
// "Layer 2 Management" > "MLD Snooping": groups by VLAN, group and source address.
constexpr KyVarDefRow kMldSnoopingGroups[] = {
    {"1.3.6.1.4.1.32473.12.34.3.5.1.1", "MLD Snooping Group VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.2", "MLD Snooping Group Group Address", Ipv6Address, K},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.3", "MLD Snooping Group Source Address", Ipv6Address, K},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.4", "MLD Snooping Group Include Port Map", Bits, RO},
    {"1.3.6.1.4.1.32473.12.34.3.5.1.5", "MLD Snooping Group Exclude Port Map", Bits, RO},
};
}  // namespace

const KyVarDefTable TimeRange{"TimeRange", 3, 1, kTimeRange};
const KyVarDefTable PortMirror{"PortMirror", 0, 0, kPortMirror};
const KyVarDefTable TrunkGroup{"TrunkGroup", 3, 1, kTrunkGroup};
const KyVarDefTable LacpAggregationPort{"LacpAggregationPort", 2, 1, kLacpAggregationPort};
const KyVarDefTable TrafficSegmentation{"TrafficSegmentation", 3, 1, kTrafficSegmentation};
const KyVarDefTable IgmpRouterPortVlan{"IgmpRouterPortVlan", 2, 1, kIgmpRouterPortVlan};
const KyVarDefTable MldRouterPortVlan{"MldRouterPortVlan", 2, 1, kMldRouterPortVlan};
const KyVarDefTable PortSecurityDelete{"PortSecurityDelete", 0, 0, kPortSecurityDelete};
const KyVarDefTable DhcpRelayServers{"DhcpRelayServers", 2, 2, kDhcpRelayServers};
const KyVarDefTable IsmVlan{"IsmVlan", 3, 1, kIsmVlan};
const KyVarDefTable IgmpMulticastVlanGroup{"IgmpMulticastVlanGroup", 2, 3, kIgmpMulticastVlanGroup};
const KyVarDefTable IgmpClearDynamicIpMulticast{"IgmpClearDynamicIpMulticast", 0, 0, kIgmpClearDynamicIpMulticast};
const KyVarDefTable MldSnoopingGroups{"MldSnoopingGroups", 3, 3, kMldSnoopingGroups};

namespace {
// The area's tables, in the order its dialogs use them.
const KyVarDefTable* const kAreaTables[] = {
    &TimeRange,
    &PortMirror,
    &TrunkGroup,
    &LacpAggregationPort,
    &TrafficSegmentation,
    &IgmpRouterPortVlan,
    &MldRouterPortVlan,
    &PortSecurityDelete,
    &DhcpRelayServers,
    &IsmVlan,
    &IgmpMulticastVlanGroup,
    &IgmpClearDynamicIpMulticast,
    &MldSnoopingGroups,
};
}  // namespace
const std::span<const KyVarDefTable* const> area::kLayer2{kAreaTables};
}  // namespace tbl
