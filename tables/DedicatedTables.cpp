// Definition tables of the dedicated dialogs, grouped by the dialog's menu.
#include "tables/DefTables.h"
#include "tables/OptionTables.h"

namespace tbl {
namespace {
using enum Syntax;
constexpr int32_t K = Access::Key;
constexpr int32_t RO = Access::Read;
constexpr int32_t RW = Access::Read | Access::Write;

// ---- "Basic Configuration" > "Time Management"
constexpr KyVarDefRow kNetworkTime[] = {
    {"1.3.6.1.4.1.32473.12.10.11.1", "Network Time State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.10.11.2", "Time Source", Integer, RO, &opt::TimeSource},
    {"1.3.6.1.4.1.32473.12.10.11.3", "Server1 IP Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.10.11.4", "Server2 IP Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.10.11.5", "Poll Interval[30....99999(sec)]", Integer, RW},
};
constexpr KyVarDefRow kSummerTimeStatus[] = {
    {"1.3.6.1.4.1.32473.12.10.12.1", "Summer Time Status", Integer, RW, &opt::SummerTimeStatus},
    {"1.3.6.1.4.1.32473.12.10.12.2", "Summer Time Offset", Integer, RW},
};
constexpr KyVarDefRow kSummerTimeRepeat[] = {
    {"1.3.6.1.4.1.32473.12.10.12.3", "Repeat Summer Time Start", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.10.12.4", "Repeat Summer Time End", OctetString, RW},
};
constexpr KyVarDefRow kSummerTimeAnnual[] = {
    {"1.3.6.1.4.1.32473.12.10.12.5", "Annual Summer Time Start", OctetString, RW},
    {"1.3.6.1.4.1.32473.12.10.12.6", "Annual Summer Time End", OctetString, RW},
};

// ---- "Basic Configuration" > "System Log Management"
constexpr KyVarDefRow kSystemLogServer[] = {
    {"1.3.6.1.4.1.32473.12.12.2.1.1", "System Log Server Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.12.2.1.2", "System Log Server IP Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.12.2.1.3", "System Log Server Facility", Integer, RW, &opt::SyslogFacility},
    {"1.3.6.1.4.1.32473.12.12.2.1.4", "System Log Server Severity", Integer, RW, &opt::SyslogSeverity},
    {"1.3.6.1.4.1.32473.12.12.2.1.5", "System Log Server UDP Port", Integer, RW},
    {"1.3.6.1.4.1.32473.12.12.2.1.6", "System Log Server State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.12.2.1.7", "System Log Server Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};

// ---- "Basic Configuration" > "SMTP Management"
constexpr KyVarDefRow kSmtpControl[] = {
    {"1.3.6.1.4.1.32473.12.29.1.1", "SMTP Status", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.29.1.2", "SMTP Server Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.29.1.3", "SMTP Server Port", Integer, RW},
    {"1.3.6.1.4.1.32473.12.29.1.4", "SMTP Self Mail Address", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.29.1.5", "SMTP Test Messsage Subject", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.29.1.6", "SMTP Test Message Content", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.29.1.7", "SMTP Send Test Message", Integer, RW, &opt::SmtpSendTest},
};

// ---- "Layer 2 Management" > "Time Range"
constexpr KyVarDefRow kTimeRange[] = {
    {"1.3.6.1.4.1.32473.12.50.3.1.1.1", "Range Name", DisplayString, K},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.2", "Select Days", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.3", "Start Time", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.4", "End Time", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.50.3.1.1.5", "Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};

// ---- Multicast and miscellaneous dialogs (802.3 MAC control, DHCP relay,
// member switches, update files, 802.1X statistics, port capabilities).
// "Basic Configuration" > "EtherLike-MIB": port tables, and their counters as
// single-instance lists read per port.
constexpr KyVarDefRow kDot3ControlPorts[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", Integer, K},
    {"1.3.6.1.2.1.10.7.9.1.1", "Function Supported", Bits, RO},
};
constexpr KyVarDefRow kDot3ControlCounters[] = {
    {"1.3.6.1.2.1.10.7.9.1.2", "Received Unknown Opcode", Counter32, RO},
};
constexpr KyVarDefRow kDot3PausePorts[] = {
    {"1.3.6.1.2.1.10.7.2.1.1", "Index", Integer, K},
    {"1.3.6.1.2.1.10.7.10.1.1", "Admin Mode", Integer, RW, &opt::Dot3PauseMode},
    {"1.3.6.1.2.1.10.7.10.1.2", "Operate Mode", Integer, RO, &opt::Dot3PauseMode},
};
constexpr KyVarDefRow kDot3PauseCounters[] = {
    {"1.3.6.1.2.1.10.7.10.1.3", "In Pause Frames", Counter32, RO},
    {"1.3.6.1.2.1.10.7.10.1.4", "Out Pause Frames", Counter32, RO},
};

// "Basic Configuration" > "Agent Management": update files; "File Control" start is an action.
constexpr KyVarDefRow kUpdateFiles[] = {
    {"1.3.6.1.4.1.32473.12.1.2.1.1.1", "File Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.2", "File Description", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.3", "File Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.4", "File Transfer Type", Integer, RW, &opt::FileTransferType},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.5", "File", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.6", "File Locate ID", Integer, RW},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.7", "File Load Type", Integer, RW, &opt::FileLoadType},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.8", "File Control", Integer, RW, &opt::FileControl},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.9", "File BIncrement", Integer, RW, &opt::TrueFalse},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.10", "Multiple Image Control ID", Integer, RW},
};

// "Layer 2 Management" > "DHCP Relay": servers per interface.
constexpr KyVarDefRow kDhcpRelayServers[] = {
    {"1.3.6.1.4.1.32473.12.42.3.1.1.1", "Interface Name", DisplayString, K},
    {"1.3.6.1.4.1.32473.12.42.3.1.1.2", "DHCP Server IP", IpAddress, K},
    {"1.3.6.1.4.1.32473.12.42.3.1.1.3", "Row Status", Integer, RW, &opt::RowStatus},
};

// "Single IP": member switches, and the add window's single-instance list of
// four of their columns (the instance is set before each write).
constexpr KyVarDefRow kMemberSwitches[] = {
    {"1.3.6.1.4.1.32473.12.8.1.3.1.1", "ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.2", "Device Name", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.3", "MAC Address", MacAddress, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.4", "Firmware Version", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.5", "Capability", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.6", "Platform", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.7", "Hold Time", Integer, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.8", "Member Candidate ID", Integer, RW},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.9", "Member Password", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.10", "Member Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
constexpr KyVarDefRow kMemberSwitchAdd[] = {
    {"1.3.6.1.4.1.32473.12.8.1.3.1.1", "ID", Integer, RO},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.8", "Member Candidate ID", Integer, RW},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.9", "Member Password", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.10", "Member Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};

// "Security Management" > "802.1X" > "MAC_Based Authentication": per-MAC
// statistics; both keys come from the row instance, the MAC as a
// length-prefixed DisplayString.
constexpr KyVarDefRow kMacEapolStatistics[] = {
    {" ", "PAE MAC Address", DisplayString, K},
    {" ", "PAE Port Number", Integer, K},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.1", "Auth EAPOL Frames RX", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.2", "Auth EAPOL Frames TX", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.3", "Auth EAPOL Start Frames RX", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.4", "Auth EAPOL Logoff Frames RX", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.5", "Auth EAPOL Resp ID Frames RX", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.6", "Auth EAPOL Resp Frames RX", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.7", "Auth EAPOL Req ID Frames TX", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.8", "Auth EAPOL Req Frames TX", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.9", "Auth Invalid EAPOL Frames RX", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.10", "Auth EAP Length Error Frames RX", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.11", "Auth Last EAPOL Frame Version", Gauge32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.12", "Auth Last EAPOL Frame Source", MacAddress, RO},
};
constexpr KyVarDefRow kMacAuthDiagnostics[] = {
    {" ", "PAE MAC Address", DisplayString, K},
    {" ", "PAE Port Number", Integer, K},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.1", "Enters Connecting", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.2", "Eap Logoffs While Connecting", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.3", "Enters Authenticating", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.4", "Auth Success While Authenticating", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.5", "Auth Timeouts While Authenticating", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.6", "Auth Fail While Authenticating", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.7", "Auth Reauths While Authenticating", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.8", "Auth Eap Starts While Authenticating", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.9", "Auth Eap Logoff While Authenticating", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.10", "Auth Reauths While Authenticated", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.11", "Auth Eap Starts While Authenticated", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.12", "Auth Eap Logoff While Authenticated", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.13", "Backend Responses", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.14", "Backend Access Challenges", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.15", "Backend Other Requests To Supplicant", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.16", "Backend NonNak Responses From Supplicant", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.17", "Backend Auth Successes", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.18", "Backend Auth Fails", Counter32, RO},
};

// "VLAN" > "802.1P": port capabilities (the port comes from the instance).
constexpr KyVarDefRow kPortCapabilities[] = {
    {" ", "Port", Integer, K},
    {"1.3.6.1.2.1.17.6.1.1.4.1.1", "Port Capabilities", OctetString, RO},
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
// ---- end of the multicast and miscellaneous dialogs.
}  // namespace

const KyVarDefTable NetworkTime{"NetworkTime", 0, 0, kNetworkTime};
const KyVarDefTable SummerTimeStatus{"SummerTimeStatus", 0, 0, kSummerTimeStatus};
const KyVarDefTable SummerTimeRepeat{"SummerTimeRepeat", 0, 0, kSummerTimeRepeat};
const KyVarDefTable SummerTimeAnnual{"SummerTimeAnnual", 0, 0, kSummerTimeAnnual};
const KyVarDefTable SystemLogServer{"SystemLogServer", 3, 1, kSystemLogServer};
const KyVarDefTable SmtpControl{"SmtpControl", 0, 0, kSmtpControl};
const KyVarDefTable TimeRange{"TimeRange", 3, 1, kTimeRange};
// ---- Multicast and miscellaneous dialogs.
const KyVarDefTable Dot3ControlPorts{"Dot3ControlPorts", 2, 1, kDot3ControlPorts};
const KyVarDefTable Dot3ControlCounters{"Dot3ControlCounters", 1, 0, kDot3ControlCounters};
const KyVarDefTable Dot3PausePorts{"Dot3PausePorts", 2, 1, kDot3PausePorts};
const KyVarDefTable Dot3PauseCounters{"Dot3PauseCounters", 1, 0, kDot3PauseCounters};
const KyVarDefTable UpdateFiles{"UpdateFiles", 3, 1, kUpdateFiles};
const KyVarDefTable DhcpRelayServers{"DhcpRelayServers", 2, 2, kDhcpRelayServers};
const KyVarDefTable MemberSwitches{"MemberSwitches", 3, 1, kMemberSwitches};
const KyVarDefTable MemberSwitchAdd{"MemberSwitchAdd", 1, 0, kMemberSwitchAdd};
const KyVarDefTable MacEapolStatistics{"MacEapolStatistics", 2, 2, kMacEapolStatistics};
const KyVarDefTable MacAuthDiagnostics{"MacAuthDiagnostics", 2, 2, kMacAuthDiagnostics};
const KyVarDefTable PortCapabilities{"PortCapabilities", 2, 1, kPortCapabilities};
const KyVarDefTable IsmVlan{"IsmVlan", 3, 1, kIsmVlan};
const KyVarDefTable IgmpMulticastVlanGroup{"IgmpMulticastVlanGroup", 2, 3, kIgmpMulticastVlanGroup};
const KyVarDefTable IgmpClearDynamicIpMulticast{"IgmpClearDynamicIpMulticast", 0, 0, kIgmpClearDynamicIpMulticast};
const KyVarDefTable MldSnoopingGroups{"MldSnoopingGroups", 3, 3, kMldSnoopingGroups};
const KyVarDefTable StaticMulticastFilter{"StaticMulticastFilter", 3, 3, kStaticMulticastFilter};
const KyVarDefTable StaticUnicastFilter{"StaticUnicastFilter", 3, 3, kStaticUnicastFilter};
// ---- end of the multicast and miscellaneous dialogs.
}  // namespace tbl
