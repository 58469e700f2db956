#include "sim/SimStandardTables.h"

namespace sim {
namespace {
using enum Syntax;
constexpr int32_t RO = Access::Read;
constexpr int32_t RW = Access::Read | Access::Write;
constexpr int32_t KEY = Access::Key;

constexpr KyOptionPair kUpDown[] = {{1, nullptr, "up"}, {2, nullptr, "down"}, {3, nullptr, "testing"}};
constexpr KyOptionPair kEnabledDisabled[] = {{1, nullptr, "enabled"}, {2, nullptr, "disabled"}};
constexpr KyOptionPair kTruth[] = {{1, nullptr, "true"}, {2, nullptr, "false"}};
constexpr KyOptionPair kStorage[] = {{1, nullptr, "other"},       {2, nullptr, "volatile"},
                                     {3, nullptr, "nonVolatile"}, {4, nullptr, "permanent"},
                                     {5, nullptr, "readOnly"}};
constexpr KyOptionPair kRowStatus[] = {{1, nullptr, "active"},      {2, nullptr, "notInService"},
                                       {3, nullptr, "notReady"},    {4, nullptr, "createAndGo"},
                                       {5, nullptr, "createAndWait"}, {6, nullptr, "destroy"}};
const KyOptionTable UpDown{"SimUpDown", 1, false, kUpDown};
const KyOptionTable EnabledDisabled{"SimEnabledDisabled", 1, false, kEnabledDisabled};
const KyOptionTable Truth{"SimTruth", 1, false, kTruth};
const KyOptionTable Storage{"SimStorage", 1, false, kStorage};
const KyOptionTable RowStatusAll{"SimRowStatus", 1, false, kRowStatus};

constexpr KyVarDefRow kInterfaces[] = {
    {"1.3.6.1.2.1.2.1", "Number", Integer, RO},
};

constexpr KyVarDefRow kIfTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", Integer, RO},
    {"1.3.6.1.2.1.2.2.1.2", "Description", DisplayString, RO},
    {"1.3.6.1.2.1.2.2.1.3", "Type", Integer, RO},
    {"1.3.6.1.2.1.2.2.1.4", "MTU", Integer, RO},
    {"1.3.6.1.2.1.2.2.1.5", "Speed", Gauge32, RO},
    {"1.3.6.1.2.1.2.2.1.6", "Physical Address", MacAddress, RO},
    {"1.3.6.1.2.1.2.2.1.7", "Admin Status", Integer, RW, &UpDown},
    {"1.3.6.1.2.1.2.2.1.8", "Oper Status", Integer, RO, &UpDown},
    {"1.3.6.1.2.1.2.2.1.9", "Last Change", TimeTicks, RO},
    {"1.3.6.1.2.1.2.2.1.10", "In Octets", Counter32, RO},
    {"1.3.6.1.2.1.2.2.1.11", "In Unicast Packets", Counter32, RO},
    {"1.3.6.1.2.1.2.2.1.12", "In Non-Unicast Packets", Counter32, RO},
    {"1.3.6.1.2.1.2.2.1.13", "In Discards", Counter32, RO},
    {"1.3.6.1.2.1.2.2.1.14", "In Errors", Counter32, RO},
    {"1.3.6.1.2.1.2.2.1.15", "In Unknown Protocols", Counter32, RO},
    {"1.3.6.1.2.1.2.2.1.16", "Out Octets", Counter32, RO},
    {"1.3.6.1.2.1.2.2.1.17", "Out Unicast Packets", Counter32, RO},
    {"1.3.6.1.2.1.2.2.1.18", "Out Non-Unicast Packets", Counter32, RO},
    {"1.3.6.1.2.1.2.2.1.19", "Out Discards", Counter32, RO},
    {"1.3.6.1.2.1.2.2.1.20", "Out Errors", Counter32, RO},
    {"1.3.6.1.2.1.2.2.1.21", "Out Queue Length", Gauge32, RO},
    {"1.3.6.1.2.1.2.2.1.22", "Specific", ObjectId, RO},
};

constexpr KyVarDefRow kIfXTable[] = {
    {" ", "IF Index", Integer, KEY},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", DisplayString, RO},
    {"1.3.6.1.2.1.31.1.1.1.2", "In Multicast Packets", Counter32, RO},
    {"1.3.6.1.2.1.31.1.1.1.3", "In Broadcast Packets", Counter32, RO},
    {"1.3.6.1.2.1.31.1.1.1.4", "Out Multicast Packets", Counter32, RO},
    {"1.3.6.1.2.1.31.1.1.1.5", "Out Broadcast Packets", Counter32, RO},
    {"1.3.6.1.2.1.31.1.1.1.6", "HC In Octets", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.7", "HC In Unicast Packets", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.8", "HC In Multicast Packets", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.9", "HC In Broadcast Packets", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.10", "HC Out Octets", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.11", "HC Out Unicast Packets", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.12", "HC Out Multicast Packets", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.13", "HC Out Broadcast Packets", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up Down Trap State", Integer, RW, &EnabledDisabled},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", Gauge32, RO},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", Integer, RW, &Truth},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", Integer, RO, &Truth},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", DisplayString, RW},
    {"1.3.6.1.2.1.31.1.1.1.19", "Counter Discontinuity Time", TimeTicks, RO},
};

constexpr KyVarDefRow kCommunity[] = {
    {" ", "Index", DisplayString, KEY | Access::Implied},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", OctetString, RW},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", DisplayString, RW},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", OctetString, RW},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", DisplayString, RW},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", DisplayString, RW},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", Integer, RW, &Storage},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", Integer, RW, &RowStatusAll},
};

constexpr KyVarDefRow kLed[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.1.1.5", "swL2DevInfoFrontPanelLedStatus", DisplayString, RO},
};

// EtherLike-MIB statistics: only the port index, by which the MAC control and
// PAUSE tables of the program are indexed.
constexpr KyVarDefRow kDot3StatsIndex[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", Integer, KEY},
};

// Static multicast filters: the forbidden egress ports, which the program's
// multicast filter window neither shows nor reads (adding the column to its
// table would add it to the window's reads and writes). Served here so that
// the filter rows are whole, as a switch has them.
constexpr KyOptionPair kStaticStatus[] = {{1, nullptr, "other"},         {2, nullptr, "invalid"},
                                          {3, nullptr, "permanent"},     {4, nullptr, "deleteOnReset"},
                                          {5, nullptr, "deleteOnTimeout"}};
const KyOptionTable StaticStatus{"SimStaticStatus", 1, false, kStaticStatus};
constexpr KyVarDefRow kStaticMulticast[] = {
    {" ", "VLAN Index", Integer, KEY},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "Address", MacAddress, KEY},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", Integer, KEY},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Static Egress Ports", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.3.2.1.4", "Forbidden Egress Ports", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", Integer, RW, &StaticStatus},
};

const KyVarDefTable Interfaces{"Interfaces", 0, 0, kInterfaces};
const KyVarDefTable IfTable{"IfTable", 3, 1, kIfTable};
const KyVarDefTable IfXTable{"IfXTable", 3, 1, kIfXTable};
const KyVarDefTable Community{"SnmpCommunity", 3, 1, kCommunity};
const KyVarDefTable Led{"FrontPanelLed", 1, 0, kLed};

const KyVarDefTable StaticMulticast{"Dot1qStaticMulticastTable", 3, 3, kStaticMulticast};
const KyVarDefTable Dot3StatsIndex{"Dot3StatsIndex", 3, 1, kDot3StatsIndex};

// Lists before the tables they lie in: the model does not depend on the order.
const KyVarDefTable* const kStandard[] = {&Interfaces, &IfTable, &IfXTable, &Community, &Led, &StaticMulticast, &Dot3StatsIndex};
}  // namespace

std::span<const KyVarDefTable* const> StandardTables() { return kStandard; }
}  // namespace sim
