// Definition tables of the dedicated dialogs of one area:
// 802.1Q VLANs: the static and current VLAN tables, the bridge and port settings, static filters,
// port capabilities.
#include "tables/DedicatedTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

constexpr KyVarDefRow kDot1qNextFreeLocalVlanIndex[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", Integer, RO},
};
constexpr KyVarDefRow kDot1qVlanNumDeletes[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Number Deletes", Counter32, RO},
};
// Time mark and VLAN index come from the instance suffix.
constexpr KyVarDefRow kDot1qVlanCurrent[] = {
    {" ", "VLAN Time Mark", TimeTicks, K},
    {" ", "VLAN Index", Gauge32, K},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "VLAM FDB ID", Gauge32, RO},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "VLAN Current Egress Ports", Bits, RO},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "VLAN Current Untagged Ports", Bits, RO},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN Status", Integer, RO, &opt::VlanCurrentStatus},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "VLAN Creation Time", TimeTicks, RO},
};
constexpr KyVarDefRow kDot1qVlanGeneral[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", Integer, RO},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", Integer, RO},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", Gauge32, RO},
    {"1.3.6.1.2.1.17.7.1.1.4", "Num VLANs", Gauge32, RO},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", Integer, RW, &opt::EnabledDisabled12},
};
// The bridge port comes from the instance suffix.
constexpr KyVarDefRow kDot1qPortVlan[] = {
    {" ", "Port", Integer, K},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "Port VLAN ID", Gauge32, RW},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Port Acceptable Frame Types", Integer, RW, &opt::AcceptableFrameTypes},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Port Ingress Filtering", Integer, RW, &opt::TrueFalse},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "Port GVRP Status", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "Port GVRP Failed Registrations", Counter32, RO},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "Port GVRP Last PDU Origin", MacAddress, RO},
};
// "VLAN" > "802.1P": port capabilities (the port comes from the instance).
constexpr KyVarDefRow kPortCapabilities[] = {
    {" ", "Port", Integer, K},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Port Capabilities", OctetString, RO},
};
// "VLAN" > "802.1Q" > "Static Filtering": the Q-BRIDGE static tables; the
// VLAN comes from the row instance, the receive port has no control.
constexpr KyVarDefRow kStaticMulticastFilter[] = {
    {" ", "VLAN Index", Integer, K},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "Address", MacAddress, K},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", Integer, K},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Static Egress Ports", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", Integer, RW, &opt::StaticFilterStatus},
};
constexpr KyVarDefRow kStaticUnicastFilter[] = {
    {" ", "VLAN ID", Integer, K},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", MacAddress, K},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", Integer, K},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Allowed To Go To", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", Integer, RW, &opt::StaticFilterStatus},
};
}  // namespace

const KyVarDefTable Dot1qNextFreeLocalVlanIndex{"Dot1qNextFreeLocalVlanIndex", 0, 0, kDot1qNextFreeLocalVlanIndex};
const KyVarDefTable Dot1qVlanNumDeletes{"Dot1qVlanNumDeletes", 0, 0, kDot1qVlanNumDeletes};
const KyVarDefTable Dot1qVlanCurrent{"Dot1qVlanCurrent", 3, 2, kDot1qVlanCurrent};
const KyVarDefTable Dot1qVlanGeneral{"Dot1qVlanGeneral", 0, 0, kDot1qVlanGeneral};
const KyVarDefTable Dot1qPortVlan{"Dot1qPortVlan", 2, 1, kDot1qPortVlan};
const KyVarDefTable PortCapabilities{"PortCapabilities", 2, 1, kPortCapabilities};
const KyVarDefTable StaticMulticastFilter{"StaticMulticastFilter", 3, 3, kStaticMulticastFilter};
const KyVarDefTable StaticUnicastFilter{"StaticUnicastFilter", 3, 3, kStaticUnicastFilter};

namespace {
// The area's tables, in the order its dialogs use them.
const KyVarDefTable* const kAreaTables[] = {
    &Dot1qNextFreeLocalVlanIndex,
    &Dot1qVlanNumDeletes,
    &Dot1qVlanCurrent,
    &Dot1qVlanGeneral,
    &Dot1qPortVlan,
    &PortCapabilities,
    &StaticMulticastFilter,
    &StaticUnicastFilter,
};
}  // namespace
const std::span<const KyVarDefTable* const> area::kVlan{kAreaTables};
}  // namespace tbl
