// Definition tables of the dedicated dialogs of one area:
// "Security Management": guest VLAN, method lists, authentication servers, RADIUS, SSL,
// safeguard, IP-MAC binding, MAC-based authentication.
#include "tables/DedicatedTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

constexpr KyVarDefRow kGuestVlan[] = {
    {"1.3.6.1.4.1.32473.12.30.1.1", "Guest VLAN Name", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.30.1.2", "Guest VLAN Port", Bits, RW},
};
// The delete state is the column after the name and the port.
constexpr KyVarDefRow kGuestVlanDelete[] = {
    {"1.3.6.1.4.1.32473.12.30.1.3", "Guest VLAN Delete State", Integer, RW, &opt::NoneStart},
};
// Login and enable method lists: name, four type and server-group pairs, status.
constexpr KyVarDefRow kLoginMethodList[] = {
    {"1.3.6.1.4.1.32473.12.5.3.1.1", "Method List Name", DisplayString, K},
    {"1.3.6.1.4.1.32473.12.5.3.1.2", "Method1 Type", Integer, RW, &opt::AacLoginMethodType},
    {"1.3.6.1.4.1.32473.12.5.3.1.3", "Method1 Server Group", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.3.1.4", "Method2 Type", Integer, RW, &opt::AacLoginMethodType},
    {"1.3.6.1.4.1.32473.12.5.3.1.5", "Method2 Server Group", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.3.1.6", "Method3 Type", Integer, RW, &opt::AacLoginMethodType},
    {"1.3.6.1.4.1.32473.12.5.3.1.7", "Method3 Server Group", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.3.1.8", "Method4 Type", Integer, RW, &opt::AacLoginMethodType},
    {"1.3.6.1.4.1.32473.12.5.3.1.9", "Method4 Server Group", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.3.1.10", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
constexpr KyVarDefRow kEnableMethodList[] = {
    {"1.3.6.1.4.1.32473.12.5.4.1.1", "Method List Name", DisplayString, K},
    {"1.3.6.1.4.1.32473.12.5.4.1.2", "Method1 Type", Integer, RW, &opt::AacEnableMethodType},
    {"1.3.6.1.4.1.32473.12.5.4.1.3", "Method1 Server Group", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.4.1.4", "Method2 Type", Integer, RW, &opt::AacEnableMethodType},
    {"1.3.6.1.4.1.32473.12.5.4.1.5", "Method2 Server Group", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.4.1.6", "Method3 Type", Integer, RW, &opt::AacEnableMethodType},
    {"1.3.6.1.4.1.32473.12.5.4.1.7", "Method3 Server Group", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.4.1.8", "Method4 Type", Integer, RW, &opt::AacEnableMethodType},
    {"1.3.6.1.4.1.32473.12.5.4.1.9", "Method4 Server Group", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.4.1.10", "Method List Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
// Authentication server hosts, indexed by address and protocol.
constexpr KyVarDefRow kAacServerHost[] = {
    {"1.3.6.1.4.1.32473.12.5.10.1.1", "IP Address", IpAddress, K},
    {"1.3.6.1.4.1.32473.12.5.10.1.2", "Auth Protocol", Integer, K, &opt::AacAuthProtocol},
    {"1.3.6.1.4.1.32473.12.5.10.1.3", "Auth Port", Integer, RW},
    {"1.3.6.1.4.1.32473.12.5.10.1.4", "Auth Key", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.10.1.5", "Timeout", Integer, RW},
    {"1.3.6.1.4.1.32473.12.5.10.1.6", "Retry Count", Integer, RW},
    {"1.3.6.1.4.1.32473.12.5.10.1.7", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
// Server-group members, indexed by group name, address and protocol.
constexpr KyVarDefRow kAacServerGroupMember[] = {
    {"1.3.6.1.4.1.32473.12.5.12.1.1", "Group Name", DisplayString, K},
    {"1.3.6.1.4.1.32473.12.5.12.1.2", "IP Address", IpAddress, K},
    {"1.3.6.1.4.1.32473.12.5.12.1.3", "Auth Protocol", Integer, K, &opt::AacAuthProtocol},
    {"1.3.6.1.4.1.32473.12.5.12.1.4", "Row State", Integer, RW, &opt::AddDelete12},
};
// RADIUS servers, at most three.
constexpr KyVarDefRow kRadiusServer[] = {
    {"1.3.6.1.4.1.32473.12.3.2.4.1.1", "RADIUS Server Index", Integer, K, &opt::RadiusServerIndex},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.2", "RADIUS Server IP Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.3", "RADIUS Server Key", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.4", "RADIUS Auth Port Number", Integer, RW},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.5", "RADIUS Accounting Table Port Number", Gauge32, RW},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.6", "RADIUS Server Status", Integer, RW, &opt::RowStatus},
};
// SSL service: scalar group.
constexpr KyVarDefRow kSslManagement[] = {
    {"1.3.6.1.4.1.32473.12.7.1.1", "Status Admin", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.7.1.2", "Cipher Suites", Bits, RW},
    {"1.3.6.1.4.1.32473.12.7.1.3", "Cache Timeout", Gauge32, RW},
};
// SSL certificate download: scalar group.
constexpr KyVarDefRow kSslCertificateFile[] = {
    {"1.3.6.1.4.1.32473.12.7.2.1", "Certificate File IP Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.7.2.2", "Certificate File Path", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.7.2.3", "Certificate Key File Path", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.7.2.4", "Certificate File Control", Integer, RW, &opt::CertificateFileControl},
    {"1.3.6.1.4.1.32473.12.7.2.5", "Certificate File Show Status", Integer, RO, &opt::CertificateShowStatus},
};
// CPU safeguard: scalar group.
constexpr KyVarDefRow kSafeguardControl[] = {
    {"1.3.6.1.4.1.32473.12.19.2.1", "Rising Threshold", Integer, RW},
    {"1.3.6.1.4.1.32473.12.19.2.2", "Falling Threshold", Integer, RW},
    {"1.3.6.1.4.1.32473.12.19.2.3", "Mode", Integer, RW, &opt::SafeguardMode},
    {"1.3.6.1.4.1.32473.12.19.2.4", "Alarm Admin State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.19.2.5", "Current Status", Integer, RO, &opt::SafeguardStatus},
    {"1.3.6.1.4.1.32473.12.19.2.6", "Interval", Integer, RO},
};
// IP-MAC bindings with their ports.
constexpr KyVarDefRow kIpMacBinding[] = {
    {"1.3.6.1.4.1.32473.12.23.4.1.1.1", "IP Index", IpAddress, K},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.2", "MAC", MacAddress, RW},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.3", "Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.4", "Ports", Bits, RW},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.5", "Action", Integer, RO, &opt::InactiveActive},
    {"1.3.6.1.4.1.32473.12.23.4.1.1.6", "Mode", Integer, RW, &opt::IpMacBindingMode},
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
}  // namespace

const KyVarDefTable GuestVlan{"GuestVlan", 0, 0, kGuestVlan};
const KyVarDefTable GuestVlanDelete{"GuestVlanDelete", 0, 0, kGuestVlanDelete};
const KyVarDefTable LoginMethodList{"LoginMethodList", 3, 1, kLoginMethodList};
const KyVarDefTable EnableMethodList{"EnableMethodList", 3, 1, kEnableMethodList};
const KyVarDefTable AacServerHost{"AacServerHost", 3, 2, kAacServerHost};
const KyVarDefTable AacServerGroupMember{"AacServerGroupMember", 3, 3, kAacServerGroupMember};
const KyVarDefTable RadiusServer{"RadiusServer", 3, 1, kRadiusServer};
const KyVarDefTable SslManagement{"SslManagement", 0, 0, kSslManagement};
const KyVarDefTable SslCertificateFile{"SslCertificateFile", 0, 0, kSslCertificateFile};
const KyVarDefTable SafeguardControl{"SafeguardControl", 0, 0, kSafeguardControl};
const KyVarDefTable IpMacBinding{"IpMacBinding", 3, 1, kIpMacBinding};
const KyVarDefTable MacEapolStatistics{"MacEapolStatistics", 2, 2, kMacEapolStatistics};
const KyVarDefTable MacAuthDiagnostics{"MacAuthDiagnostics", 2, 2, kMacAuthDiagnostics};

namespace {
// The area's tables, in the order its dialogs use them.
const KyVarDefTable* const kAreaTables[] = {
    &GuestVlan,
    &GuestVlanDelete,
    &LoginMethodList,
    &EnableMethodList,
    &AacServerHost,
    &AacServerGroupMember,
    &RadiusServer,
    &SslManagement,
    &SslCertificateFile,
    &SafeguardControl,
    &IpMacBinding,
    &MacEapolStatistics,
    &MacAuthDiagnostics,
};
}  // namespace
const std::span<const KyVarDefTable* const> area::kSecurity{kAreaTables};
}  // namespace tbl
