// Definition tables of the dedicated dialogs of one area:
// Access profiles and rules, of the switch and of its CPU filter.
#include "tables/DedicatedTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

// "Ethernet Mask ": table, 1 index column.
constexpr KyVarDefRow kEthernetMask1[] = {
    {"1.3.6.1.4.1.32473.12.9.2.1.1.1", "Ethernet Mask ID ", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.2", "Use VLAN", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.3", "MAC Address Mask State", Integer, RW, &opt::AclMacMaskState},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.4", "MAC Address Mask Sourcc", MacAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.5", "MAC Address Mask Destination", MacAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.6", "Use 802.1p", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.7", "Use Ethernet Type", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.8", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
// "IP Mask": table, 1 index column.
constexpr KyVarDefRow kIPMaskInformation1[] = {
    {"1.3.6.1.4.1.32473.12.9.2.2.1.1", "Profile ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.2", "Use VLAN", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.3", "Address Mask State", Integer, RW, &opt::AclIpMaskState},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.4", "Source IP Address Mask", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.5", "Destination IP Address Mask", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.6", "Use DSCP", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.7", "Use Protocol Type", Integer, RW, &opt::AclProtocolType},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.10", "TCP Option", Integer, RW, &opt::AclPortOption},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.11", "UDP Option", Integer, RW, &opt::AclPortOption},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.12", "TCP or UDP Source Port Mask", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.13", "TCP or UDP Destination Port Mask", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.14", "TCP Flag Bit", Integer, RW, &opt::AclEnableDisable12},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.15", "TCP Flag Bit Mask", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.16", "Protocol ID Option", Integer, RW, &opt::AclEnableDisable12},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.17", "Protocol ID", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.19", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
// "Packet Content Mask": table, 1 index column (the ID is never requested: it comes from the
// instance).
constexpr KyVarDefRow kPayloadMaskInformation1[] = {
    {" ", "Mask Entry ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.2", "Filtered Port(s) [0 to 15]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.3", "Filtered Port(s) [16 to 31]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.4", "Filtered Port(s) [32 to 47]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.5", "Filtered Port(s) [48 to 63]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.6", "Filtered Port(s) [64 to 79]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.7", "Mask Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
// "Ethernet Mask (CPU Filter)": table, 1 index column.
constexpr KyVarDefRow kEthernetMaskCPUFilter1[] = {
    {"1.3.6.1.4.1.32473.12.9.4.1.1.1", "CPU ACL Ethernet Profile ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.2", "CPU ACL Ethernet Use VLAN", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.3", "CPU ACL Ethernet MAC Address Mask State", Integer, RW, &opt::AclMacMaskState},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.4", "CPU ACL Ethernet Source MAC Address Mask", MacAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.5", "CPU ACL Ethernet Destination MAC Address Mask", MacAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.6", "CPU ACL Ethernet Use 8021P", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.7", "CPU ACL Ethernet Use Ethernet Type", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.8", "CPU ACL Ethernet Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
// "IP Mask (CPU Filter)": table, 1 index column.
constexpr KyVarDefRow kIPMaskCPUFilter1[] = {
    {"1.3.6.1.4.1.32473.12.9.4.2.1.1", "Profile ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.2", "Use VLAN", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.3", "IP Address Mask State", Integer, RW, &opt::AclIpMaskState},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.4", "IP Address Mask Source", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.5", "IP Address Mask Destination", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.6", "Use DSCP", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.7", "Use Protocol Type", Integer, RW, &opt::AclProtocolType},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.8", "ICMP Option", Integer, RW, &opt::AclIcmpOption},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.9", "IGMP Option", Integer, RW, &opt::AclEnableDisable12},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.10", "TCP Option", Integer, RW, &opt::AclPortOption},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.11", "UDP Option", Integer, RW, &opt::AclPortOption},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.12", "TCP or UDP Source Port Mask", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.13", "TCP or UDP Destination Port Mask", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.14", "TCP Flag Bit", Integer, RW, &opt::AclEnableDisable12},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.15", "TCP Flag Bit Mask", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.16", "Protocol ID Option", Integer, RW, &opt::AclEnableDisable12},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.17", "Protocol ID Mask", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.18", "User Mask", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.19", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
// "Packet Content Mask (CPU Filter)": table, 1 index column.
constexpr KyVarDefRow kPacketContentMaskCPUFilter1[] = {
    {"1.3.6.1.4.1.32473.12.9.4.3.1.1", "Profile ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.2", "Packet Content Offset Mask[1-15]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.3", "Packet Content Offset Mask[16-31]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.4", "Packet Content Offset Mask[32-47]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.5", "Packet Content Offset Mask[48-63]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.6", "Packet Content Offset Mask[64-79]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.7", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
// "Ethernet Rule": table, 2 index columns.
constexpr KyVarDefRow kRuleOfEthernetInformation1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.1.1.1", "Mask ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.2", "Access ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.3", "Rule VLAN", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.4", "Rule Source MAC Address", MacAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.5", "Rule Destination MAC Address", MacAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.6", "Rule 8021P", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.7", "Rule Ethernet Type", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.8", "Rule Enable Priority", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.9", "Rule Priority", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.10", "Rule Replace Priority", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.13", "Permit Rule", Integer, RW, &opt::AclPermit},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.14", "Rule Port", Bits, RW},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.15", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.17", "Rule RX Rate", Integer, RW},
};
// "IP Rule": table, 2 index columns.
constexpr KyVarDefRow kIPRule1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.2.1.1", "Profile ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.2", "Access ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.3", "Rule VLAN", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.4", "Source IP Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.5", "Destination IP Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.6", "DSCP", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.7", "Protocol", Integer, RO, &opt::AclProtocolType},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.10", "Source Port", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.11", "Destination Port", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.12", "Flag Bits", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.13", "Protocol ID", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.15", "Enable Priority", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.16", "Priority", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.17", "Replace Priority", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.20", "Permit", Integer, RW, &opt::AclPermit},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.21", "Port", Bits, RW},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.22", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.24", "RX Rate", Integer, RW},
};
// "Packet Content Rule": table, 2 index columns.
constexpr KyVarDefRow kPayloadRule1[] = {
    {"1.3.6.1.4.1.32473.12.9.3.9.1.1", "Profile ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.2", "Access ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.8", "Offset Index1", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.9", "Mask1", OctetString, RO},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.10", "Data1", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.11", "Offset Index2", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.12", "Mask2", OctetString, RO},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.13", "Data2", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.14", "Offset Index3", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.15", "Mask3", OctetString, RO},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.16", "Data3", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.17", "Offset Index4", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.18", "Mask4", OctetString, RO},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.19", "Data4", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.20", "Offset Index5", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.21", "Mask5", OctetString, RO},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.22", "Data5", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.23", "Enable Priority", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.24", "Priority", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.25", "Replace Priority", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.28", "RX Rate", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.29", "Permit", Integer, RW, &opt::AclPermit},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.30", "Port", Bits, RW},
    {"1.3.6.1.4.1.32473.12.9.3.9.1.33", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
// "Ethernet Rule (CPU Filter)": table, 2 index columns.
constexpr KyVarDefRow kEthernetRuleCPUFilter1[] = {
    {"1.3.6.1.4.1.32473.12.9.5.1.1.1", "Profile ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.2", "Access ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.3", "VLAN", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.4", "Rule Source MAC Address", MacAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.5", "Rule Destination MAC Address", MacAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.6", "8021P", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.7", "Ethernet Type", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.8", "Permit", Integer, RW, &opt::AclPermit},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.9", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.10", "Port", Bits, RW},
};
// "IP Rule (CPU Filter)": table, 2 index columns.
constexpr KyVarDefRow kIPRuleCPUFilter1[] = {
    {"1.3.6.1.4.1.32473.12.9.5.2.1.1", "Profile ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.2", "Access ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.3", "VLAN", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.4", "Source IP Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.5", "Destination IP address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.6", "DSCP", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.7", "Protocol", Integer, RO, &opt::AclProtocolType},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.8", "Type", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.9", "Code", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.10", "Source Port", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.11", "Destination Port", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.12", "Flag Bits", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.13", "Protocol ID", Integer, RW},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.14", "User Mask", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.15", "Permit", Integer, RW, &opt::AclPermit},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.16", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.17", "Port", Bits, RW},
};
// "Packet Content Rule (CPU Filter)": table, 2 index columns.
constexpr KyVarDefRow kPacketContentRuleCPUFilter1[] = {
    {"1.3.6.1.4.1.32473.12.9.5.3.1.1", "Profile ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.2", "Access ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.3", "Payload Offset [1-15]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.4", "Payload Offset [16-31]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.5", "Payload Offset [32-47]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.6", "Payload Offset [48-63]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.7", "Payload Offset [64-79]", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.8", "Permit", Integer, RW, &opt::AclPermit},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.9", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.10", "Port", Bits, RW},
};
}  // namespace

const KyVarDefTable EthernetMask1{"EthernetMask1", 3, 1, kEthernetMask1};
const KyVarDefTable IPMaskInformation1{"IPMaskInformation1", 3, 1, kIPMaskInformation1};
const KyVarDefTable PayloadMaskInformation1{"PayloadMaskInformation1", 3, 1, kPayloadMaskInformation1};
const KyVarDefTable EthernetMaskCPUFilter1{"EthernetMaskCPUFilter1", 3, 1, kEthernetMaskCPUFilter1};
const KyVarDefTable IPMaskCPUFilter1{"IPMaskCPUFilter1", 3, 1, kIPMaskCPUFilter1};
const KyVarDefTable PacketContentMaskCPUFilter1{"PacketContentMaskCPUFilter1", 3, 1, kPacketContentMaskCPUFilter1};
const KyVarDefTable RuleOfEthernetInformation1{"RuleOfEthernetInformation1", 3, 2, kRuleOfEthernetInformation1};
const KyVarDefTable IPRule1{"IPRule1", 3, 2, kIPRule1};
const KyVarDefTable PayloadRule1{"PayloadRule1", 3, 2, kPayloadRule1};
const KyVarDefTable EthernetRuleCPUFilter1{"EthernetRuleCPUFilter1", 3, 2, kEthernetRuleCPUFilter1};
const KyVarDefTable IPRuleCPUFilter1{"IPRuleCPUFilter1", 3, 2, kIPRuleCPUFilter1};
const KyVarDefTable PacketContentRuleCPUFilter1{"PacketContentRuleCPUFilter1", 3, 2, kPacketContentRuleCPUFilter1};

namespace {
// The area's tables, in the order its dialogs use them.
const KyVarDefTable* const kAreaTables[] = {
    &EthernetMask1,
    &IPMaskInformation1,
    &PayloadMaskInformation1,
    &EthernetMaskCPUFilter1,
    &IPMaskCPUFilter1,
    &PacketContentMaskCPUFilter1,
    &RuleOfEthernetInformation1,
    &IPRule1,
    &PayloadRule1,
    &EthernetRuleCPUFilter1,
    &IPRuleCPUFilter1,
    &PacketContentRuleCPUFilter1,
};
}  // namespace
const std::span<const KyVarDefTable* const> area::kAcl{kAreaTables};
}  // namespace tbl
