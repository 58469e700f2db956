// Definition tables of the "Security Management" menu, one per generated command, in menu order.
#include "tables/DefTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

// "Authentication Mode settings": scalar group.
constexpr KyVarDefRow kAuth1[] = {
    {"1.3.6.1.4.1.32473.12.3.1.1", "Auth Protocol", Integer, RW, &opt::Dot1xAuthProtocol},
    {"1.3.6.1.4.1.32473.12.3.1.2", "Auth Mode", Integer, RW, &opt::Dot1xAuthMode},
};

// "Configuration": scalar group.
constexpr KyVarDefRow kConfiguration2[] = {
    {"1.0.8802.1.1.1.1.1.1", "System Auth Control", Integer, RW, &opt::EnabledDisabled12},
};

// "Port Table": table, 1 index column.
constexpr KyVarDefRow kPAEPortTable1[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", Integer, K},
    {"1.0.8802.1.1.1.1.1.2.1.2", "Port Protocol Version", Gauge32, RO},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Port Capabilities", Bits, RO},
    {"1.0.8802.1.1.1.1.1.2.1.4", "Port Initialize", Integer, RW, &opt::TrueFalse},
    {"1.0.8802.1.1.1.1.1.2.1.5", "Port Reauthenticate", Integer, RW, &opt::TrueFalse},
};

// "Auth Configuration": table, 1 index column.
// The port comes from the instance suffix.
constexpr KyVarDefRow kPortAuthenticationConfiguration1[] = {
    {" ", "Port Number", Integer, K},
    {"1.0.8802.1.1.1.1.2.1.1.1", "PAE State", Integer, RO, &opt::AuthPaeState},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend Auth State", Integer, RO, &opt::AuthBackendState},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Admin Controlled Directions", Integer, RW, &opt::ControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operation Controlled Directions", Integer, RO, &opt::ControlledDirections},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", Integer, RO, &opt::ControlledPortStatus},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", Integer, RW, &opt::ControlledPortControl},
    {"1.0.8802.1.1.1.1.2.1.1.7", " Quiet Period", Gauge32, RW},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", Gauge32, RW},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supp Timeout", Gauge32, RW},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", Gauge32, RW},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Req", Gauge32, RW},
    {"1.0.8802.1.1.1.1.2.1.1.12", "Re Auth Period", Gauge32, RW},
    {"1.0.8802.1.1.1.1.2.1.1.13", "Re Auth Enabled", Integer, RW, &opt::TrueFalse},
};

// "Auth Statistics": table, 1 index column.
// The port comes from the instance suffix.
constexpr KyVarDefRow kPortAuthStatistics1[] = {
    {" ", "Port Number", Integer, K},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames RX", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames TX", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames RX", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames RX", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Resp/ID Frames RX", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames RX", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Req/ID Frames TX", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL ResponseFrames TX", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL Frames RX", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.2.1.10", "Eap Length Error Frames RX", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", Gauge32, RO},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOL Frame Source", MacAddress, RO},
};

// "Auth Diagnostics": table, 1 index column.
// The port comes from the instance suffix.
constexpr KyVarDefRow kDiagnostics1[] = {
    {" ", "Port Number", Integer, K},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.2", "Eap Logoffs While Connecting", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Auth Eap Starts While Authenticating", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Auth Eap Logoff While Authenticating", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Auth Eap Starts While Authenticated", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Auth Eap Logoff While Authenticated", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend Non Nak Responses From Supplicant", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", Counter32, RO},
};

// "Auth Session Statistics": table, 1 index column.
// The port comes from the instance suffix.
constexpr KyVarDefRow kPortSessionStatistics1[] = {
    {" ", "Port Number", Integer, K},
    {"1.0.8802.1.1.1.1.2.4.1.1", "Auth Session Octets RX", Counter64, RO},
    {"1.0.8802.1.1.1.1.2.4.1.2", "Auth Session Octets TX", Counter64, RO},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Auth Session Frames RX", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Auth Session Frames TX", Counter32, RO},
    {"1.0.8802.1.1.1.1.2.4.1.5", "Auth Session ID", DisplayString, RO},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Auth Session Authentic Method", Integer, RO, &opt::AuthSessionMethod},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Auth Session Time", TimeTicks, RO},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Auth Session Terminate Cause", Integer, RO,
     &opt::AuthSessionTerminateCause},
    {"1.0.8802.1.1.1.1.2.4.1.9", "Auth Session User Name", DisplayString, RO},
};

// "State Table": table, 2 index columns.
// MAC address and port come from the instance suffix, as in the other per-MAC 802.1X tables.
constexpr KyVarDefRow kStateTable1[] = {
    {" ", "PAE MAC Address", DisplayString, K},
    {" ", "PAE Port Number", Integer, K},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.1", "Auth PAE State", Integer, RO, &opt::AuthPaeState},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.2", "Auth Backend Auth State", Integer, RO, &opt::AuthBackendState},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.3", "Auth Controlled Port Status", Integer, RO,
     &opt::ControlledPortStatus},
};

// "Session Information": table, 2 index columns.
// MAC address and port come from the instance suffix, as in the other per-MAC 802.1X tables.
constexpr KyVarDefRow kSessionInformation1[] = {
    {" ", "PAE MAC Address", DisplayString, K},
    {" ", "PAE Port Number", Integer, K},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.1", "Auth Session Octets RX", Counter64, RO},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.2", "Auth Session Octets TX", Counter64, RO},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.3", "Auth Session Frames RX", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.4", "Auth Session Frames TX", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.5", "Auth Session ID", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.6", "Auth Session Authentic Method", Integer, RO, &opt::AuthSessionMethod},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.7", "Auth Session Time", TimeTicks, RO},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.8", "Auth Session Terminate Cause", Integer, RO,
     &opt::AuthSessionTerminateCause},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.9", "Auth Session User Name", DisplayString, RO},
};

// "RADIUS Control": scalar group.
constexpr KyVarDefRow kRADIUSControl1[] = {
    {"1.3.6.1.4.1.32473.12.3.2.1", "RADIUS Timeout", Integer, RW},
    {"1.3.6.1.4.1.32473.12.3.2.2", "RADIUS Retransmit Attempts", Integer, RW},
};

// "RADUIS Command": scalar group.
constexpr KyVarDefRow kRADUISCommand1[] = {
    {"1.3.6.1.4.1.32473.12.3.7.1", "RADIUS Force Down Port Number", Integer, RW},
    {"1.3.6.1.4.1.32473.12.3.7.2", "RADIUS Force Down MAC Address", MacAddress, RW},
};

// "Authentication Information": scalar group.
// Laid out like the RADIUS authentication client MIB: .1 invalid addresses, .2 identifier.
constexpr KyVarDefRow kAuthenticationServer1[] = {
    {"1.3.6.1.4.1.32473.12.3.3.2", "RADIUS Auth Client Identifier", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.3.3.1", "RADIUS Auth Client Invalid Server Addresses", Counter32, RO},
};

// "Authentication Table": table, 1 index column.
// Laid out like the RADIUS authentication client MIB's server table.
constexpr KyVarDefRow kAuthenticationServerTable1[] = {
    {"1.3.6.1.4.1.32473.12.3.3.3.1.1", "RADIUS Auth Server Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.2", "RADIUS Auth Server Address", IpAddress, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.3", "RADIUS Auth Client Server Port Number", Integer, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.4", "RADIUS Auth Client Round Trip Time", TimeTicks, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.5", "RADIUS Auth Client Access Requests", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.6", "RADIUS Auth Client Access Retransmissions", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.7", "RADIUS Auth Client Access Accepts", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.8", "RADIUS Auth Client Access Rejects", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.9", "RADIUS Auth Client Access Challenges", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.10", "RADIUS Auth Client Malformed Access Responses", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.11", "RADIUS Auth Client Bad Authenticators", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.12", "RADIUS Auth Client Pending Requests", Gauge32, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.13", "RADIUS Auth Client Timeouts", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.14", "RADIUS Auth Client Unknown Types", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.3.3.1.15", "RADIUS Auth Client Packets Dropped", Counter32, RO},
};

// "Basic Information": scalar group.
constexpr KyVarDefRow kAccountingServerInformation1[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.2", "RADIUS Accounting Table Client Identifier", DisplayString, RO},
    {"1.3.6.1.2.1.67.2.2.1.1.1", "RADIUS Accounting Table Client Invalid Server Addresses", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.4.1", "RADIUS Accounting Table Update Interval", Integer, RW},
    {"1.3.6.1.4.1.32473.12.3.4.2", "RADIUS Accounting Table Suppress Null User Name", Integer, RW,
     &opt::EnabledDisabled12},
};

// "Server Table": table, 1 index column.
// Laid out like the RADIUS accounting client MIB's server table.
constexpr KyVarDefRow kAccountingServerTable1[] = {
    {"1.3.6.1.4.1.32473.12.3.5.3.1.1", "RADIUS Accounting Table Server Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.2", "RADIUS Accounting Table Server Address", IpAddress, RO},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.3", "RADIUS Accounting Table Client Server Port Number", Integer, RO},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.4", "RADIUS Accounting Table Client Round Trip Time", TimeTicks, RO},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.5", "RADIUS Accounting Table Client Requests", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.6", "RADIUS Accounting Table Client Retransmissions", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.7", "RADIUS Accounting Table Client Responses", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.8", "RADIUS Accounting Table Client Malformed Responses", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.9", "RADIUS Accounting Table Client Bad Authenticators", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.10", "RADIUS Accounting Table Client Pending Requests", Gauge32, RO},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.11", "RADIUS Accounting Table Client Timeouts", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.12", "RADIUS Accounting Table Client Unknown Types", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.3.5.3.1.13", "RADIUS Accounting Table Client Packets Dropped", Counter32, RO},
};

// "Service Table": table, 1 index column.
constexpr KyVarDefRow kServiceTable1[] = {
    {"1.3.6.1.4.1.32473.12.3.4.3.1.1", "RADIUS Accounting Table Service Index", Integer, K,
     &opt::AccountingService},
    {"1.3.6.1.4.1.32473.12.3.4.3.1.2", "RADIUS Accounting Table Service Method", Integer, RW,
     &opt::AccountingMethod},
    {"1.3.6.1.4.1.32473.12.3.4.3.1.3", "RADIUS Accounting Table Service Mode", Integer, RW,
     &opt::EnabledDisabled12},
};

// "AAC Control": scalar group.
constexpr KyVarDefRow kTACACSControl1[] = {
    {"1.3.6.1.4.1.32473.12.5.1.1", "Admin State", Integer, RW, &opt::EnabledDisabled12},
};

// "AAC Information": scalar group.
constexpr KyVarDefRow kTACACSInformation1[] = {
    {"1.3.6.1.4.1.32473.12.5.2.1", "Max Login Method List", Integer, RO},
    {"1.3.6.1.4.1.32473.12.5.2.2", "Max Enable Method List", Integer, RO},
    {"1.3.6.1.4.1.32473.12.5.2.3", "Max Server Group", Integer, RO},
    {"1.3.6.1.4.1.32473.12.5.2.4", "Max Server", Integer, RO},
    {"1.3.6.1.4.1.32473.12.5.8.1", "AAC Response Timeout[1..255]", Integer, RW},
    {"1.3.6.1.4.1.32473.12.5.8.2", "AAC Attempt[1..255]", Integer, RW},
};

// "APP Auth Method Group": scalar group.
constexpr KyVarDefRow kLoginInformation1[] = {
    {"1.3.6.1.4.1.32473.12.5.7.1.1", "Console Login Method", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.7.2.1", "Console Enable Method", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.7.1.2", "Telnet Login Method", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.7.2.2", "Telnet Enable Method", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.7.1.3", "SSH Login Method", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.7.2.3", "SSH Enable Method", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.7.1.4", "HTTP Login Method", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.5.7.2.4", "HTTP Enable Method", DisplayString, RW},
};

// "Server Group": table, 1 index column, rows created and destroyed through row 17.
constexpr KyVarDefRow kServerGroup1[] = {
    {"1.3.6.1.4.1.32473.12.5.9.1.1", "Name", DisplayString, K},
    {"1.3.6.1.4.1.32473.12.5.9.1.2", "IP Address1", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.5.9.1.3", "Auth Protocol1", Integer, RW, &opt::AacServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.4", "IP Address2", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.5.9.1.5", "Auth Protocol2", Integer, RW, &opt::AacServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.6", "IP Address3", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.5.9.1.7", "Auth Protocol3", Integer, RW, &opt::AacServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.8", "IP Address4", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.5.9.1.9", "Auth Protocol4", Integer, RW, &opt::AacServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.10", "IP Address5", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.5.9.1.11", "Auth Protocol5", Integer, RW, &opt::AacServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.12", "IP Address6", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.5.9.1.13", "Auth Protocol6", Integer, RW, &opt::AacServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.14", "IP Address7", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.5.9.1.15", "Auth Protocol7", Integer, RW, &opt::AacServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.16", "IP Address8", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.5.9.1.17", "Auth Protocol8", Integer, RW, &opt::AacServerProtocol},
    {"1.3.6.1.4.1.32473.12.5.9.1.18", "Row Status", Integer, RW, &opt::RowStatus},
};

// "SSH Management": scalar group.
constexpr KyVarDefRow kSSHManagement1[] = {
    {"1.3.6.1.4.1.32473.12.6.1.1", "SSH Version", Integer, RO},
    {"1.3.6.1.4.1.32473.12.6.1.2", "SSH Admin", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.1.3", "SSH Max Auth Fail Attempts", Integer, RW},
    {"1.3.6.1.4.1.32473.12.6.1.4", "SSH Session Key Rekeying", Integer, RW, &opt::SshRekeying},
    {"1.3.6.1.4.1.32473.12.6.1.5", "SSH Max Session", Integer, RW},
    {"1.3.6.1.4.1.32473.12.6.1.6", "SSH Connection Timeout", Integer, RW},
    {"1.3.6.1.4.1.32473.12.6.1.7", "SSH Listened Port", Integer, RW},
};

// "Algorithm Control": scalar group.
constexpr KyVarDefRow kEncryptionAlgorithm1[] = {
    {"1.3.6.1.4.1.32473.12.6.2.1.1", "Encryption Algorithm 3DES Admin", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.1.2", "Encryption Algorithm Blowfish Admin", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.1.3", "Encryption Algorithm AES128 Admin", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.1.4", "Encryption Algorithm AES192 Admin", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.1.5", "Encryption Algorithm AES256 Admin", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.1.6", "Encryption Algorithm Arcfour Admin", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.1.7", "Encryption Algorithm CAST28 Admin", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.1.8", "Encryption Algorithm Twofish128 Admin", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.1.9", "Encryption Algorithm Twofish192 Admin", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.1.10", "Encryption Algorithm Twofish256 Admin", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.3.1", "Data Integrity Algorithm SHA1 Admin", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.3.2", "Data Integrity Algorithm MD5 Admin", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.4.1", "Public Key Algorithm RSA Admin", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.4.2", "Public Key Algorithm DSA Admin", Integer, RW, &opt::EnabledDisabled12},
};

// "Authentication Method": scalar group.
constexpr KyVarDefRow kAuthenticationMethod1[] = {
    {"1.3.6.1.4.1.32473.12.6.2.2.1", "Password Admin", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.2.2", "Public Key Admin", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.6.2.2.3", "Host Key Admin", Integer, RW, &opt::EnabledDisabled12},
};

// "Global Management": scalar group.
constexpr KyVarDefRow kGlobalManagement1[] = {
    {"1.3.6.1.4.1.32473.12.19.1.1", "Safeguard Admin State", Integer, RW, &opt::DisabledEnabled23},
};

// "IP-MAC Binding Control": scalar group.
constexpr KyVarDefRow kIPMACBindingControl1[] = {
    {"1.3.6.1.4.1.32473.12.23.1.1", "IP-MAC Binding Trap Log State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.23.1.2", "IP-MAC Binding DHCP Snooping State", Integer, RW,
     &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.23.1.3", "IP-MAC Binding DHCP Snoop Entry Clear All State", Integer, RW,
     &opt::NormalActive},
    {"1.3.6.1.4.1.32473.12.23.3.1", "IP-MAC Binding All Port State", Integer, RW, &opt::OtherEnabledDisabled},
};

// "IP-MAC Binding Port State Control": table, 1 index column.
constexpr KyVarDefRow kPortInformation3[] = {
    {"1.3.6.1.4.1.32473.12.23.3.2.1.1", "Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.2", "Port State", Integer, RW, &opt::IpMacBindingPortState},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.3", "Port Zero IP State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.4", "Port Forward DHCP Packet", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.5", "Port DHCP Snooping MAX Entry", Integer, RW},
    {"1.3.6.1.4.1.32473.12.23.3.2.1.6", "Port DHCP Snooping Entry Clear Action", Integer, RW,
     &opt::NormalActive},
};

// "IP-MAC Binding Blocked Table": table, 2 index columns, rows created and destroyed through row 5.
constexpr KyVarDefRow kBindingBlockedTable1[] = {
    {"1.3.6.1.4.1.32473.12.23.4.2.1.1", "Blocked VLAN ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.2", "Blocked MAC ", MacAddress, K},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.3", "Blocked VLAN Name", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.4", "Blocked Port", Integer, RO},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.5", "Blocked Type", Integer, RO, &opt::IpMacBlockedType},
    {"1.3.6.1.4.1.32473.12.23.4.2.1.6", "Blocked Status", Integer, RW, &opt::RowStatus},
};

// "IP-MAC Binding DHCP Snoop Table": table, 1 index column.
constexpr KyVarDefRow kBindingDHCPSnoopTable1[] = {
    {"1.3.6.1.4.1.32473.12.23.4.3.1.1", "DHCP Snoop IP Index", IpAddress, K},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.2", "DHCP Snoop MAC", MacAddress, RO},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.3", "DHCP Snoop Lease Time", Integer, RO},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.4", "DHCP Snoop Port", Integer, RO},
    {"1.3.6.1.4.1.32473.12.23.4.3.1.5", "DHCP Snoop Status", Integer, RO, &opt::InactiveActive},
};

// "DOS Prevention Management": scalar group.
constexpr KyVarDefRow kDOSPreventionControl1[] = {
    {"1.3.6.1.4.1.32473.12.59.1.1", "DOS Trap Log", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.59.1.2", "DOS Clear Counters", Integer, RW, &opt::NormalActive},
};

// "DOS Prevertion Control Table": table, 1 index column.
constexpr KyVarDefRow kDOSPrevertionControlTable1[] = {
    {"1.3.6.1.4.1.32473.12.59.1.3.1.1", "DOS Control Type", Integer, K, &opt::DosAttackType},
    {"1.3.6.1.4.1.32473.12.59.1.3.1.2", "DOS Control State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.59.1.3.1.3", "DOS Control Action Type", Integer, RW, &opt::DosActionType},
    {"1.3.6.1.4.1.32473.12.59.1.3.1.4", "DOS Control Mirror Port", Integer, RW},
    {"1.3.6.1.4.1.32473.12.59.1.3.1.5", "DOS Control Mirror Priority", Integer, RW},
    {"1.3.6.1.4.1.32473.12.59.1.3.1.6", "DOS Control Mirror RX Rate", Integer, RW},
    {"1.3.6.1.4.1.32473.12.59.1.3.1.7", "DOS Control Frame Count", Counter32, RO},
};
}  // namespace

const KyVarDefTable Auth1{"Auth1", 0, 0, kAuth1};
const KyVarDefTable Configuration2{"Configuration2", 0, 0, kConfiguration2};
const KyVarDefTable PAEPortTable1{"PAEPortTable1", 3, 1, kPAEPortTable1};
const KyVarDefTable PortAuthenticationConfiguration1{"PortAuthenticationConfiguration1", 3, 1,
                                                     kPortAuthenticationConfiguration1};
const KyVarDefTable PortAuthStatistics1{"PortAuthStatistics1", 3, 1, kPortAuthStatistics1};
const KyVarDefTable Diagnostics1{"Diagnostics1", 3, 1, kDiagnostics1};
const KyVarDefTable PortSessionStatistics1{"PortSessionStatistics1", 2, 1, kPortSessionStatistics1};
const KyVarDefTable StateTable1{"StateTable1", 2, 2, kStateTable1};
const KyVarDefTable SessionInformation1{"SessionInformation1", 2, 2, kSessionInformation1};
const KyVarDefTable RADIUSControl1{"RADIUSControl1", 0, 0, kRADIUSControl1};
const KyVarDefTable RADUISCommand1{"RADUISCommand1", 0, 0, kRADUISCommand1};
const KyVarDefTable AuthenticationServer1{"AuthenticationServer1", 0, 0, kAuthenticationServer1};
const KyVarDefTable AuthenticationServerTable1{"AuthenticationServerTable1", 2, 1,
                                               kAuthenticationServerTable1};
const KyVarDefTable AccountingServerInformation1{"AccountingServerInformation1", 0, 0,
                                                 kAccountingServerInformation1};
const KyVarDefTable AccountingServerTable1{"AccountingServerTable1", 2, 1, kAccountingServerTable1};
const KyVarDefTable ServiceTable1{"ServiceTable1", 2, 1, kServiceTable1};
const KyVarDefTable TACACSControl1{"TACACSControl1", 0, 0, kTACACSControl1};
const KyVarDefTable TACACSInformation1{"TACACSInformation1", 0, 0, kTACACSInformation1};
const KyVarDefTable LoginInformation1{"LoginInformation1", 0, 0, kLoginInformation1};
const KyVarDefTable ServerGroup1{"ServerGroup1", 2, 1, kServerGroup1};
const KyVarDefTable SSHManagement1{"SSHManagement1", 0, 0, kSSHManagement1};
const KyVarDefTable EncryptionAlgorithm1{"EncryptionAlgorithm1", 0, 0, kEncryptionAlgorithm1};
const KyVarDefTable AuthenticationMethod1{"AuthenticationMethod1", 0, 0, kAuthenticationMethod1};
const KyVarDefTable GlobalManagement1{"GlobalManagement1", 0, 0, kGlobalManagement1};
const KyVarDefTable IPMACBindingControl1{"IPMACBindingControl1", 0, 0, kIPMACBindingControl1};
const KyVarDefTable PortInformation3{"PortInformation3", 3, 1, kPortInformation3};
const KyVarDefTable BindingBlockedTable1{"BindingBlockedTable1", 3, 2, kBindingBlockedTable1};
const KyVarDefTable BindingDHCPSnoopTable1{"BindingDHCPSnoopTable1", 2, 1, kBindingDHCPSnoopTable1};
const KyVarDefTable DOSPreventionControl1{"DOSPreventionControl1", 0, 0, kDOSPreventionControl1};
const KyVarDefTable DOSPrevertionControlTable1{"DOSPrevertionControlTable1", 3, 1,
                                               kDOSPrevertionControlTable1};

}  // namespace tbl
