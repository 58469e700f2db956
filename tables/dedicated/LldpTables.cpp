// Definition tables of the dedicated dialogs of one area:
// LLDP: port configuration, local and remote data, the TLVs sent.
#include "tables/DedicatedTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

// Port configuration; the TLV set is shown by name.
constexpr KyVarDefRow kLldpPortConfig[] = {
    {" ", "Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.1.6.1.2", "Administration Status", Integer, RW, &opt::LldpAdminStatus},
    {"1.0.8802.1.1.2.1.1.6.1.3", "Notification Enable", Integer, RW, &opt::TrueFalse},
    {"1.0.8802.1.1.2.1.1.6.1.4", "TLVs TX Enable", Bits, RW},
};
// 802.3 port configuration.
constexpr KyVarDefRow kLldpDot3PortConfig[] = {
    {" ", "Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.5.4623.1.1.1.1.1", "TLVs TX Enable", Bits, RW},
};
// Local system data: scalar group.
constexpr KyVarDefRow kLldpLocSysData[] = {
    {"1.0.8802.1.1.2.1.3.1", "Local Chassis ID Subtype", Integer, RO, &opt::LldpChassisIdSubtype},
    {"1.0.8802.1.1.2.1.3.2", "Local Chassis ID", OctetString, RO},
    {"1.0.8802.1.1.2.1.3.3", "Local System Name", DisplayString, RO},
    {"1.0.8802.1.1.2.1.3.4", "Local System Description", DisplayString, RO},
    {"1.0.8802.1.1.2.1.3.5", "Local System Capabilities Supported", Bits, RO},
    {"1.0.8802.1.1.2.1.3.6", "Local System Capabilities Enabled", Bits, RO},
};
// Neighbours.
constexpr KyVarDefRow kLldpRemote[] = {
    {" ", "Remote Time Mark", TimeTicks, K},
    {" ", "Remote Local Port Number", Integer, K},
    {" ", "Remote Index", Integer, K},
    {"1.0.8802.1.1.2.1.4.1.1.4", "Remote Chassis ID Subtype", Integer, RO, &opt::LldpChassisIdSubtype},
    {"1.0.8802.1.1.2.1.4.1.1.5", "Remote Chassis ID", OctetString, RO},
    {"1.0.8802.1.1.2.1.4.1.1.6", "Remote Port ID Subtype", Integer, RO, &opt::LldpPortIdSubtype},
    {"1.0.8802.1.1.2.1.4.1.1.7", "Remote Port ID", OctetString, RO},
    {"1.0.8802.1.1.2.1.4.1.1.8", "Remote Port Description", DisplayString, RO},
    {"1.0.8802.1.1.2.1.4.1.1.9", "Remote System Name", DisplayString, RO},
    {"1.0.8802.1.1.2.1.4.1.1.10", "Remote System Description", DisplayString, RO},
    {"1.0.8802.1.1.2.1.4.1.1.11", "Remote System Capabilities Supported", Bits, RO},
    {"1.0.8802.1.1.2.1.4.1.1.12", "Remote System Capabilities Enabled", Bits, RO},
};
// 802.3 link aggregation, local and remote.
constexpr KyVarDefRow kLldpDot3LinkAgg[] = {
    {" ", "Local Port Number", Integer, K},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.1", "Link Aggregation Status", Bits, RO},
    {"1.0.8802.1.1.2.1.5.4623.1.2.3.1.2", "Link Aggregation Port ID", Integer, RO},
};
constexpr KyVarDefRow kLldpDot3RemoteLinkAgg[] = {
    {" ", "Remote Time Mark", TimeTicks, K},
    {" ", "Remote Local Port Number", Integer, K},
    {" ", "Remote Index", Integer, K},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.1", "Link Aggregation Status", Bits, RO},
    {"1.0.8802.1.1.2.1.5.4623.1.3.3.1.2", "Link Aggregation Port ID", Integer, RO},
};
// 802.1 transmit switches per port and VLAN or protocol.
constexpr KyVarDefRow kLldpConfigVlanName[] = {
    {" ", "Port Number", Integer, K},
    {" ", "VLAN ID", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.1.2.1.1", "VLAN Name TX", Integer, RW, &opt::TrueFalse},
};
constexpr KyVarDefRow kLldpConfigProtocolVlan[] = {
    {" ", "Port Number", Integer, K},
    {" ", "VLAN ID", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.1.3.1.1", "Protocol VLAN TX", Integer, RW, &opt::TrueFalse},
};
constexpr KyVarDefRow kLldpConfigProtocol[] = {
    {" ", "Port Number", Integer, K},
    {" ", "Protocol Index", Integer, K},
    {"1.0.8802.1.1.2.1.5.32962.1.1.4.1.1", "Protocol TX", Integer, RW, &opt::TrueFalse},
};
}  // namespace

const KyVarDefTable LldpPortConfig{"LldpPortConfig", 3, 1, kLldpPortConfig};
const KyVarDefTable LldpDot3PortConfig{"LldpDot3PortConfig", 3, 1, kLldpDot3PortConfig};
const KyVarDefTable LldpLocSysData{"LldpLocSysData", 0, 0, kLldpLocSysData};
const KyVarDefTable LldpRemote{"LldpRemote", 2, 3, kLldpRemote};
const KyVarDefTable LldpDot3LinkAgg{"LldpDot3LinkAgg", 2, 1, kLldpDot3LinkAgg};
const KyVarDefTable LldpDot3RemoteLinkAgg{"LldpDot3RemoteLinkAgg", 2, 3, kLldpDot3RemoteLinkAgg};
const KyVarDefTable LldpConfigVlanName{"LldpConfigVlanName", 3, 2, kLldpConfigVlanName};
const KyVarDefTable LldpConfigProtocolVlan{"LldpConfigProtocolVlan", 3, 2, kLldpConfigProtocolVlan};
const KyVarDefTable LldpConfigProtocol{"LldpConfigProtocol", 3, 2, kLldpConfigProtocol};

namespace {
// The area's tables, in the order its dialogs use them.
const KyVarDefTable* const kAreaTables[] = {
    &LldpPortConfig,
    &LldpDot3PortConfig,
    &LldpLocSysData,
    &LldpRemote,
    &LldpDot3LinkAgg,
    &LldpDot3RemoteLinkAgg,
    &LldpConfigVlanName,
    &LldpConfigProtocolVlan,
    &LldpConfigProtocol,
};
}  // namespace
const std::span<const KyVarDefTable* const> area::kLldp{kAreaTables};
}  // namespace tbl
