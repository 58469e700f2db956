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

// Objects of the switch that the dedicated windows use.
constexpr KyOptionPair kStaticStatus[] = {{1, nullptr, "other"},         {2, nullptr, "invalid"},
                                          {3, nullptr, "permanent"},     {4, nullptr, "deleteOnReset"},
                                          {5, nullptr, "deleteOnTimeout"}};
constexpr KyOptionPair kAacProtocol[] = {
    {1, nullptr, "tacacs"}, {2, nullptr, "xtacacs"}, {3, nullptr, "tacacs+"}, {4, nullptr, "radius"}};
constexpr KyOptionPair kAddDelete[] = {{1, nullptr, "add"}, {2, nullptr, "delete"}};
constexpr KyOptionPair kPauseMode[] = {{1, nullptr, "disabled"},
                                       {2, nullptr, "enabledXmit"},
                                       {3, nullptr, "enabledRcv"},
                                       {4, nullptr, "enabledXmitAndRcv"}};
constexpr KyOptionPair kMemberRowStatus[] = {
    {1, nullptr, "active"}, {4, nullptr, "createAndGo"}, {6, nullptr, "destroy"}};
constexpr KyOptionPair kDisabledEnabled23[] = {{2, nullptr, "disabled"}, {3, nullptr, "enabled"}};
constexpr KyOptionPair kSendNoAction[] = {{1, nullptr, "send"}, {2, nullptr, "noAction"}};
constexpr KyOptionPair kTransferType[] = {{2, nullptr, "network-load"}, {3, nullptr, "out-of-band-load"}};
constexpr KyOptionPair kLoadType[] = {{2, nullptr, "upload"}, {3, nullptr, "download"}};
constexpr KyOptionPair kFileControl[] = {
    {2, nullptr, "inactive"}, {3, nullptr, "start"}, {4, nullptr, "delete"}, {5, nullptr, "config-as-bootup-fw"}};
const KyOptionTable StaticStatus{"SimStaticStatus", 1, false, kStaticStatus};
const KyOptionTable AacProtocol{"SimAacProtocol", 1, false, kAacProtocol};
const KyOptionTable AddDelete{"SimAddDelete", 1, false, kAddDelete};
const KyOptionTable PauseMode{"SimPauseMode", 1, false, kPauseMode};
const KyOptionTable MemberRowStatus{"SimMemberRowStatus", 1, false, kMemberRowStatus};
const KyOptionTable DisabledEnabled23{"SimDisabledEnabled23", 1, false, kDisabledEnabled23};
const KyOptionTable SendNoAction{"SimSendNoAction", 1, false, kSendNoAction};
const KyOptionTable TransferType{"SimTransferType", 1, false, kTransferType};
const KyOptionTable LoadType{"SimLoadType", 1, false, kLoadType};
const KyOptionTable FileControl{"SimFileControl", 1, false, kFileControl};

// Q-BRIDGE static filters: rows without RowStatus (Status invalid removes).
constexpr KyVarDefRow kStaticUnicast[] = {
    {" ", "VLAN ID", Integer, KEY},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", MacAddress, KEY},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", Integer, KEY},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Allowed To Go To", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", Integer, RW, &StaticStatus},
};
constexpr KyVarDefRow kStaticMulticast[] = {
    {" ", "VLAN Index", Integer, KEY},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "Address", MacAddress, KEY},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", Integer, KEY},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Static Egress Ports", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.3.2.1.4", "Forbidden Egress Ports", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", Integer, RW, &StaticStatus},
};

// Authentication server-group members: "Row State" add / delete.
constexpr KyVarDefRow kServerGroupMembers[] = {
    {"1.3.6.1.4.1.32473.12.5.12.1.1", "Group Name", DisplayString, KEY},
    {"1.3.6.1.4.1.32473.12.5.12.1.2", "IP Address", IpAddress, KEY},
    {"1.3.6.1.4.1.32473.12.5.12.1.3", "Auth Protocol", Integer, KEY, &AacProtocol},
    {"1.3.6.1.4.1.32473.12.5.12.1.4", "Row State", Integer, RW, &AddDelete},
};

// EtherLike-MIB MAC control and PAUSE: port tables, and their counters as
// single-instance lists read per port.
constexpr KyVarDefRow kDot3Control[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", Integer, KEY},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", Bits, RO},
};
constexpr KyVarDefRow kDot3ControlCounters[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", Counter32, RO},
};
constexpr KyVarDefRow kDot3Pause[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", Integer, KEY},
    {"1.3.6.1.2.1.10.7.10.1.1", "Admin Mode", Integer, RW, &PauseMode},
    {"1.3.6.1.2.1.10.7.10.1.2", "Operate Mode", Integer, RO, &PauseMode},
};
constexpr KyVarDefRow kDot3PauseCounters[] = {
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames", Counter32, RO},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", Counter32, RO},
};

// Single-IP member switches, and the add window's list of four of its columns.
constexpr KyVarDefRow kMemberSwitchAdd[] = {
    {"1.3.6.1.4.1.32473.12.8.1.3.1.1", "ID", Integer, KEY},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.8", "Member Candidate ID", Integer, RW},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.9", "Member Password", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.10", "Member Row Status", Integer, RW, &MemberRowStatus},
};
constexpr KyVarDefRow kMemberSwitches[] = {
    {"1.3.6.1.4.1.32473.12.8.1.3.1.1", "ID", Integer, KEY},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.2", "Device Name", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.3", "MAC Address", MacAddress, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.4", "Firmware Version", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.5", "Capability", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.6", "Platform", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.7", "Hold Time", Integer, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.8", "Member Candidate ID", Integer, RW},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.9", "Member Password", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.10", "Member Row Status", Integer, RW, &MemberRowStatus},
};

// SMTP control: "SMTP Send Test Message" is an action.
constexpr KyVarDefRow kSmtp[] = {
    {"1.3.6.1.4.1.32473.12.29.1.1", "SMTP Status", Integer, RW, &DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.29.1.2", "SMTP Server Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.29.1.3", "SMTP Server Port", Integer, RW},
    {"1.3.6.1.4.1.32473.12.29.1.4", "SMTP Self Mail Address", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.29.1.5", "SMTP Test Messsage Subject", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.29.1.6", "SMTP Test Message Content", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.29.1.7", "SMTP Send Test Message", Integer, RW, &SendNoAction},
};

// Update files: "File Control" start is an action.
constexpr KyVarDefRow kUpdateFiles[] = {
    {"1.3.6.1.4.1.32473.12.1.2.1.1.1", "File Index", Integer, KEY},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.2", "File Description", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.3", "File Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.4", "File Transfer Type", Integer, RW, &TransferType},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.5", "File", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.6", "File Locate ID", Integer, RW},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.7", "File Load Type", Integer, RW, &LoadType},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.8", "File Control", Integer, RW, &FileControl},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.9", "File BIncrement", Integer, RW, &Truth},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.10", "Multiple Image Control ID", Integer, RW},
};

const KyVarDefTable Interfaces{"Interfaces", 0, 0, kInterfaces};
const KyVarDefTable IfTable{"IfTable", 3, 1, kIfTable};
const KyVarDefTable IfXTable{"IfXTable", 3, 1, kIfXTable};
const KyVarDefTable Community{"SnmpCommunity", 3, 1, kCommunity};
const KyVarDefTable Led{"FrontPanelLed", 1, 0, kLed};

const KyVarDefTable StaticUnicast{"Dot1qStaticUnicastTable", 3, 3, kStaticUnicast};
const KyVarDefTable StaticMulticast{"Dot1qStaticMulticastTable", 3, 3, kStaticMulticast};
const KyVarDefTable ServerGroupMembers{"AacServerGroupMemberTable", 3, 3, kServerGroupMembers};
const KyVarDefTable Dot3Control{"Dot3ControlPortTable", 2, 1, kDot3Control};
const KyVarDefTable Dot3ControlCounters{"Dot3ControlCounters", 1, 0, kDot3ControlCounters};
const KyVarDefTable Dot3Pause{"Dot3PausePortTable", 2, 1, kDot3Pause};
const KyVarDefTable Dot3PauseCounters{"Dot3PauseCounters", 1, 0, kDot3PauseCounters};
const KyVarDefTable MemberSwitchAdd{"MemberSwitchAdd", 1, 1, kMemberSwitchAdd};
const KyVarDefTable MemberSwitches{"MemberSwitchTable", 3, 1, kMemberSwitches};
const KyVarDefTable Smtp{"SmtpControl", 0, 0, kSmtp};
const KyVarDefTable UpdateFiles{"UpdateFileTable", 3, 1, kUpdateFiles};

// Lists before the tables they lie in: the model does not depend on the order.
const KyVarDefTable* const kStandard[] = {
    &Interfaces,    &IfTable,        &IfXTable,           &Community,         &Led,
    &StaticUnicast, &StaticMulticast, &ServerGroupMembers, &Dot3ControlCounters, &Dot3Control,
    &Dot3PauseCounters, &Dot3Pause,  &MemberSwitchAdd,    &MemberSwitches, &Smtp, &UpdateFiles};
}  // namespace

std::span<const KyVarDefTable* const> StandardTables() { return kStandard; }
}  // namespace sim
