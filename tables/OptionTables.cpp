#include "tables/OptionTables.h"

namespace opt {
namespace {
constexpr KyOptionPair kDisabledEnabled23[] = {{2, nullptr, "disabled"}, {3, nullptr, "enabled"}};
constexpr KyOptionPair kEnabledDisabled12[] = {{1, nullptr, "enabled"}, {2, nullptr, "disabled"}};
constexpr KyOptionPair kSystemReboot[] = {
    {1, nullptr, "other"},
    {2, nullptr, "reboot"},
    {3, nullptr, "save-config-and-reboot"},
    {4, nullptr, "reboot-and-load-factory-default-config"},
};
constexpr KyOptionPair kNormalActive[] = {{1, nullptr, "normal"}, {2, nullptr, "active"}};
constexpr KyOptionPair kMediumType[] = {{100, nullptr, "copper"}, {101, nullptr, "fiber"}};
constexpr KyOptionPair kNwayState[] = {
    {1, nullptr, "nway-auto"},
    {2, nullptr, "nway-disabled-10Mbps-Half"},
    {3, nullptr, "nway-disabled-10Mbps-Full"},
    {4, nullptr, "nway-disabled-100Mbps-Half"},
    {5, nullptr, "nway-disabled-100Mbps-Full"},
    {7, nullptr, "nway-disabled-1Gigabps-Full"},
    {8, nullptr, "nway-disabled-1Gigabps-Full-Master"},
    {9, nullptr, "nway-disabled-1Gigabps-Full-Slave"},
};
constexpr KyOptionPair kMulticastFilter[] = {
    {2, nullptr, "forward-unregistered-groups"},
    {3, nullptr, "filter-unregistered-groups"},
};
constexpr KyOptionPair kMdixState[] = {
    {1, nullptr, "auto"},
    {2, nullptr, "normal"},
    {3, nullptr, "cross"},
    {4, nullptr, "other"},
};
constexpr KyOptionPair kRowStatusActiveCreateDestroy[] = {
    {1, nullptr, "active"},
    {4, nullptr, "createAndGo"},
    {6, nullptr, "destroy"},
};
constexpr KyOptionPair kTimeSource[] = {{0, nullptr, "system"}, {1, nullptr, "server1"}, {2, nullptr, "server2"}};
constexpr KyOptionPair kSummerTimeStatus[] = {
    {0, nullptr, "disable"}, {1, nullptr, "repeating"}, {2, nullptr, "annual"}};
constexpr KyOptionPair kSyslogFacility[] = {
    {0, nullptr, "local0"}, {1, nullptr, "local1"}, {2, nullptr, "local2"}, {3, nullptr, "local3"},
    {4, nullptr, "local4"}, {5, nullptr, "local5"}, {6, nullptr, "local6"}, {7, nullptr, "local7"}};
constexpr KyOptionPair kSyslogSeverity[] = {{1, nullptr, "all"}, {2, nullptr, "warning"}, {3, nullptr, "informational"}};
constexpr KyOptionPair kSmtpSendTest[] = {{1, nullptr, "send"}, {2, nullptr, "noAction"}};
constexpr KyOptionPair kStpVersion[] = {{0, nullptr, "stp"}, {1, nullptr, "rstp"}, {2, nullptr, "mstp"}};
constexpr KyOptionPair kRowStatus[] = {
    {1, nullptr, "active"},      {2, nullptr, "notInService"},  {3, nullptr, "notReady"},
    {4, nullptr, "createAndGo"}, {5, nullptr, "createAndWait"}, {6, nullptr, "destroy"},
};
constexpr KyOptionPair kStorageType[] = {
    {1, nullptr, "other"},     {2, nullptr, "volatile"}, {3, nullptr, "nonVolatile"},
    {4, nullptr, "permanent"}, {5, nullptr, "readOnly"},
};
constexpr KyOptionPair kTrueFalse[] = {{1, nullptr, "true"}, {2, nullptr, "false"}};
constexpr KyOptionPair kInetAddressType[] = {
    {0, nullptr, "unknown"}, {1, nullptr, "ipv4"},  {2, nullptr, "ipv6"},
    {3, nullptr, "ipv4z"},   {4, nullptr, "ipv6z"}, {16, nullptr, "dns"},
};
constexpr KyOptionPair kEnabledDisabledCompleted[] = {
    {1, nullptr, "enabled"},
    {2, nullptr, "disabled"},
    {3, nullptr, "completed"},
};
constexpr KyOptionPair kBridgeType[] = {
    {1, nullptr, "unknown"},
    {2, nullptr, "transparent-only"},
    {3, nullptr, "sourceroute-only"},
    {4, nullptr, "srt"},
};
constexpr KyOptionPair kFdbStatus[] = {
    {1, nullptr, "other"}, {2, nullptr, "invalid"}, {3, nullptr, "learned"},
    {4, nullptr, "self"},  {5, nullptr, "mgmt"},
};
constexpr KyOptionPair kSnmpMessageProcessingModel[] = {
    {0, nullptr, "SNMPv1"},
    {1, nullptr, "SNMPv2c"},
    {2, nullptr, "SNMPv2u"},
    {3, nullptr, "SNMPv3"},
};
constexpr KyOptionPair kSnmpSecurityModel[] = {
    {0, nullptr, "any"},
    {1, nullptr, "SNMPv1"},
    {2, nullptr, "SNMPv2c"},
    {3, nullptr, "USM"},
};
constexpr KyOptionPair kSnmpSecurityLevel[] = {
    {1, nullptr, "noAuthNoPriv"},
    {2, nullptr, "authNoPriv"},
    {3, nullptr, "authPriv"},
};
constexpr KyOptionPair kIncludedExcluded[] = {{1, nullptr, "included"}, {2, nullptr, "excluded"}};
constexpr KyOptionPair kExactPrefix[] = {{1, nullptr, "exact"}, {2, nullptr, "prefix"}};
constexpr KyOptionPair kTrapInform[] = {{1, nullptr, "trap"}, {2, nullptr, "inform"}};
constexpr KyOptionPair kAuthPaeState[] = {
    {1, nullptr, "initialize"},     {2, nullptr, "disconnected"},  {3, nullptr, "connecting"},
    {4, nullptr, "authenticating"}, {5, nullptr, "authenticated"}, {6, nullptr, "aborting"},
    {7, nullptr, "held"},           {8, nullptr, "forceAuth"},     {9, nullptr, "forceUnauth"},
    {10, nullptr, "restart"},
};
constexpr KyOptionPair kAuthBackendState[] = {
    {1, nullptr, "request"}, {2, nullptr, "response"}, {3, nullptr, "success"},    {4, nullptr, "fail"},
    {5, nullptr, "timeout"}, {6, nullptr, "idle"},     {7, nullptr, "initialize"}, {8, nullptr, "ignore"},
};
constexpr KyOptionPair kControlledDirections[] = {{0, nullptr, "both"}, {1, nullptr, "in"}};
constexpr KyOptionPair kControlledPortStatus[] = {{1, nullptr, "authorized"}, {2, nullptr, "unauthorized"}};
constexpr KyOptionPair kControlledPortControl[] = {
    {1, nullptr, "forceUnauthorized"},
    {2, nullptr, "auto"},
    {3, nullptr, "forceAuthorized"},
};
constexpr KyOptionPair kAuthSessionMethod[] = {
    {1, nullptr, "remoteAuthServer"},
    {2, nullptr, "localAuthServer"},
};
constexpr KyOptionPair kAuthSessionTerminateCause[] = {
    {1, nullptr, "supplicantLogoff"},       {2, nullptr, "portFailure"},
    {3, nullptr, "supplicantRestart"},      {4, nullptr, "reauthFailed"},
    {5, nullptr, "authControlForceUnauth"}, {6, nullptr, "portReInit"},
    {7, nullptr, "portAdminDisabled"},      {999, nullptr, "notTerminatedYet"},
};
constexpr KyOptionPair kAddressFamily[] = {
    {0, nullptr, "other"},         {1, nullptr, "ipV4"},      {2, nullptr, "ipV6"},
    {3, nullptr, "nsap"},          {4, nullptr, "hdlc"},      {5, nullptr, "bbn1822"},
    {6, nullptr, "all802"},        {7, nullptr, "e163"},      {8, nullptr, "e164"},
    {9, nullptr, "f69"},           {10, nullptr, "x121"},     {11, nullptr, "ipx"},
    {12, nullptr, "appleTalk"},    {13, nullptr, "decnetIV"}, {14, nullptr, "banyanVines"},
    {15, nullptr, "e164withNsap"}, {16, nullptr, "dns"},      {17, nullptr, "distinguishedName"},
    {18, nullptr, "asNumber"},
};
constexpr KyOptionPair kLldpPortIdSubtype[] = {
    {1, nullptr, "interfaceAlias"}, {2, nullptr, "portComponent"}, {3, nullptr, "macAddress"},
    {4, nullptr, "networkAddress"}, {5, nullptr, "interfaceName"}, {6, nullptr, "agentCircuitId"},
    {7, nullptr, "local"},
};
constexpr KyOptionPair kLldpManAddrIfSubtype[] = {
    {1, nullptr, "unknown"},
    {2, nullptr, "ifIndex"},
    {3, nullptr, "systemPortNumber"},
};
constexpr KyOptionPair kLldpPowerPortClass[] = {{1, nullptr, "pClassPSE"}, {2, nullptr, "pClassPD"}};
constexpr KyOptionPair kPowerPairs[] = {{1, nullptr, "signal"}, {2, nullptr, "spare"}};
constexpr KyOptionPair kPowerClass[] = {
    {1, nullptr, "class0"}, {2, nullptr, "class1"}, {3, nullptr, "class2"},
    {4, nullptr, "class3"}, {5, nullptr, "class4"},
};
constexpr KyOptionPair kConsoleInUse[] = {
    {1, nullptr, "other"},
    {2, nullptr, "in-use"},
    {3, nullptr, "not-in-use"},
};
constexpr KyOptionPair kSupportedNotSupported[] = {{1, nullptr, "supported"}, {2, nullptr, "not-supported"}};
constexpr KyOptionPair kMibType[] = {{1, nullptr, "standard"}, {2, nullptr, "proprietary"}};
constexpr KyOptionPair kRs232PortMode[] = {{1, nullptr, "console"}, {2, nullptr, "slip"}};
constexpr KyOptionPair kWarmStartNoReset[] = {{3, nullptr, "warm-start"}, {4, nullptr, "no-reset"}};
constexpr KyOptionPair kSaveConfig[] = {
    {1, nullptr, "other"},
    {2, nullptr, "save-config"},
    {3, nullptr, "save-log"},
    {4, nullptr, "save-all"},
};
constexpr KyOptionPair kIpAddressSource[] = {
    {1, nullptr, "manual"},
    {2, nullptr, "bootp"},
    {3, nullptr, "dhcp"},
};
constexpr KyOptionPair kConsoleParity[] = {{1, nullptr, "none"}, {2, nullptr, "odd"}, {3, nullptr, "even"}};
constexpr KyOptionPair kConsoleBaudRate[] = {
    {1, nullptr, "baudrate2400"},  {2, nullptr, "baudrate9600"},   {3, nullptr, "baudrate19200"},
    {4, nullptr, "baudrate38400"}, {5, nullptr, "baudrate115200"},
};
constexpr KyOptionPair kConsoleLogoutTime[] = {
    {1, nullptr, "never"},     {2, nullptr, "minutes2"},  {3, nullptr, "minutes5"},
    {4, nullptr, "minutes10"}, {5, nullptr, "minutes15"},
};
constexpr KyOptionPair kLogSaveMethod[] = {
    {1, nullptr, "time-interval"},
    {2, nullptr, "on-demand"},
    {3, nullptr, "log-trigger"},
};
constexpr KyOptionPair kCablePortType[] = {
    {1, nullptr, "fastEthernet"},
    {2, nullptr, "gigabitEthernet"},
    {3, nullptr, "other"},
};
constexpr KyOptionPair kLinkUpDown[] = {{1, nullptr, "link-up"}, {2, nullptr, "link-down"}};
constexpr KyOptionPair kCablePairStatus[] = {
    {0, nullptr, "ok"},         {1, nullptr, "open"},      {2, nullptr, "short"},
    {3, nullptr, "open-short"}, {4, nullptr, "crosstalk"}, {5, nullptr, "unknown"},
    {6, nullptr, "count"},      {7, nullptr, "no-cable"},  {8, nullptr, "other"},
};
constexpr KyOptionPair kCableTestAction[] = {
    {1, nullptr, "action"},
    {2, nullptr, "processing"},
    {3, nullptr, "other"},
};
constexpr KyOptionPair kCableTestStatus[] = {
    {1, nullptr, "notDone"},
    {2, nullptr, "success"},
    {3, nullptr, "failed"},
};
constexpr KyOptionPair kMstiType[] = {{1, nullptr, "cist"}, {2, nullptr, "msti"}};
constexpr KyOptionPair kTrueFalseAuto[] = {{1, nullptr, "true"}, {2, nullptr, "false"}, {3, nullptr, "auto"}};
constexpr KyOptionPair kStpPortState[] = {
    {1, nullptr, "disabled"},   {2, nullptr, "discarding"}, {3, nullptr, "learning"},
    {4, nullptr, "forwarding"}, {5, nullptr, "broken"},
};
constexpr KyOptionPair kStpPortRole[] = {
    {1, nullptr, "disabled"}, {2, nullptr, "alternate"},  {3, nullptr, "backup"},
    {4, nullptr, "root"},     {5, nullptr, "designated"}, {6, nullptr, "master"},
};
constexpr KyOptionPair kQinQPortRole[] = {{1, nullptr, "nni"}, {2, nullptr, "uni"}};
constexpr KyOptionPair kVlanPortListAction[] = {
    {1, nullptr, "other"},         {2, nullptr, "add-tagged"}, {3, nullptr, "add-untagged"},
    {4, nullptr, "add-forbidden"}, {5, nullptr, "delete"},
};
constexpr KyOptionPair kVlanMultiplyAction[] = {
    {1, nullptr, "other"},
    {2, nullptr, "create"},
    {3, nullptr, "config"},
    {4, nullptr, "delete"},
};
constexpr KyOptionPair kDot1xAuthProtocol[] = {{1, nullptr, "local"}, {2, nullptr, "radius-eap"}};
constexpr KyOptionPair kDot1xAuthMode[] = {{1, nullptr, "port-based"}, {2, nullptr, "mac-based"}};
constexpr KyOptionPair kAccountingService[] = {
    {1, nullptr, "network"},
    {2, nullptr, "shell"},
    {3, nullptr, "system"},
};
constexpr KyOptionPair kAccountingMethod[] = {
    {1, nullptr, "none"},
    {2, nullptr, "radius-only"},
    {3, nullptr, "method-list"},
};
constexpr KyOptionPair kAacServerProtocol[] = {
    {1, nullptr, "tacacs"},
    {2, nullptr, "xtacacs"},
    {3, nullptr, "tacacs+"},
    {4, nullptr, "radius"},
};
constexpr KyOptionPair kSshRekeying[] = {
    {1, nullptr, "never"},
    {2, nullptr, "ten-min"},
    {3, nullptr, "thirty-min"},
    {4, nullptr, "sixty-min"},
};
constexpr KyOptionPair kOtherEnabledDisabled[] = {
    {1, nullptr, "other"},
    {2, nullptr, "enabled"},
    {3, nullptr, "disabled"},
};
constexpr KyOptionPair kIpMacBindingPortState[] = {
    {1, nullptr, "disabled"},
    {2, nullptr, "strict"},
    {3, nullptr, "loose"},
};
constexpr KyOptionPair kIpMacBlockedType[] = {
    {1, nullptr, "other"},
    {2, nullptr, "block-by-address-binding"},
    {3, nullptr, "delete"},
};
constexpr KyOptionPair kInactiveActive[] = {{1, nullptr, "inactive"}, {2, nullptr, "active"}};
constexpr KyOptionPair kDosAttackType[] = {
    {1, nullptr, "land-attack"},
    {2, nullptr, "blat-attack"},
    {3, nullptr, "smurf-attack"},
    {4, nullptr, "tcp-null-scan"},
    {5, nullptr, "tcp-xmascan"},
    {6, nullptr, "tcp-synfin"},
    {7, nullptr, "tcp-syn-srcport-less-1024"},
    {8, nullptr, "ping-death-attack"},
    {9, nullptr, "tcp-tiny-frag-attack"},
    {10, nullptr, "all-types"},
};
constexpr KyOptionPair kDosActionType[] = {{1, nullptr, "drop"}, {2, nullptr, "mirror"}};
constexpr KyOptionPair kPortLinkStatus[] = {
    {1, nullptr, "other"},
    {2, nullptr, "link-pass"},
    {3, nullptr, "link-fail"},
};
constexpr KyOptionPair kPortNwayStatus[] = {
    {1, nullptr, "other"},           {2, nullptr, "empty"},         {3, nullptr, "link-down"},
    {4, nullptr, "half-10Mbps"},     {5, nullptr, "full-10Mbps"},   {6, nullptr, "half-100Mbps"},
    {7, nullptr, "full-100Mbps"},    {8, nullptr, "half-1Gigabps"}, {9, nullptr, "full-1Gigabps"},
    {10, nullptr, "full-10Gigabps"},
};
constexpr KyOptionPair kErrorPortStatus[] = {{1, nullptr, "other"}, {2, nullptr, "err-disabled"}};
constexpr KyOptionPair kErrorPortReason[] = {
    {1, nullptr, "none"},
    {2, nullptr, "storm-control"},
    {3, nullptr, "loop-detect"},
};
constexpr KyOptionPair kPortSecurityMode[] = {
    {1, nullptr, "other"},
    {2, nullptr, "permanent"},
    {3, nullptr, "delete-on-timeout"},
    {4, nullptr, "delete-on-reset"},
};
constexpr KyOptionPair kTrunkAlgorithm[] = {
    {1, nullptr, "other"},           {2, nullptr, "mac-source"}, {3, nullptr, "mac-destination"},
    {4, nullptr, "mac-source-dest"}, {5, nullptr, "ip-source"},  {6, nullptr, "ip-destination"},
    {7, nullptr, "ip-source-dest"},
};
constexpr KyOptionPair kLacpMode[] = {{1, nullptr, "active"}, {2, nullptr, "passive"}};
constexpr KyOptionPair kQosSchedulingMechanism[] = {
    {1, nullptr, "strict"},
    {2, nullptr, "round-robin"},
    {3, nullptr, "weight-fair"},
};
constexpr KyOptionPair kQuerierNonQuerier23[] = {{2, nullptr, "querier"}, {3, nullptr, "non-querier"}};
constexpr KyOptionPair kDisableEnable23[] = {{2, nullptr, "disable"}, {3, nullptr, "enable"}};
constexpr KyOptionPair kDhcpOption82Policy[] = {
    {1, nullptr, "replace"},
    {2, nullptr, "drop"},
    {3, nullptr, "keep"},
};
constexpr KyOptionPair kDhcpOption82RemoteIdType[] = {{1, nullptr, "default"}, {2, nullptr, "user-define"}};
constexpr KyOptionPair kOtherAddDelete[] = {
    {1, nullptr, "other"},
    {2, nullptr, "add"},
    {3, nullptr, "delete"},
};
constexpr KyOptionPair kStormTrapControl[] = {
    {1, nullptr, "none"},
    {2, nullptr, "storm-occurred"},
    {3, nullptr, "storm-cleared"},
    {4, nullptr, "both"},
};
constexpr KyOptionPair kStormAction[] = {{1, nullptr, "shutdown"}, {2, nullptr, "drop"}};
constexpr KyOptionPair kLoopStatus[] = {
    {1, nullptr, "normal"},
    {2, nullptr, "loop"},
    {3, nullptr, "error"},
    {4, nullptr, "none"},
};
constexpr KyOptionPair kMldVersion[] = {{1, nullptr, "version1"}, {2, nullptr, "version2"}};
constexpr KyOptionPair kPoeDisconnectMethod[] = {
    {1, nullptr, "deny-next-port"},
    {2, nullptr, "deny-low-priority-port"},
};
constexpr KyOptionPair kPoeLedMode[] = {{1, nullptr, "link-act"}, {2, nullptr, "poe"}};
constexpr KyOptionPair kPoePriority[] = {{1, nullptr, "critical"}, {2, nullptr, "high"}, {3, nullptr, "low"}};
constexpr KyOptionPair kPoePowerLimit[] = {
    {1, nullptr, "class-0"}, {2, nullptr, "class-1"},     {3, nullptr, "class-2"},
    {4, nullptr, "class-3"}, {5, nullptr, "user-define"},
};
constexpr KyOptionPair kPoePortStatus[] = {
    {1, nullptr, "other"},     {2, nullptr, "disabled"},
    {3, nullptr, "searching"}, {4, nullptr, "delivering-power"},
    {5, nullptr, "fault"},     {6, nullptr, "test"},
    {7, nullptr, "denied"},
};
constexpr KyOptionPair kPoeLedStatus[] = {
    {1, nullptr, "other"},
    {2, nullptr, "on"},
    {3, nullptr, "off"},
    {4, nullptr, "blinking"},
};
constexpr KyOptionPair kSingleIpRole[] = {
    {1, nullptr, "candidate"},
    {2, nullptr, "member"},
    {3, nullptr, "commander"},
};
constexpr KyOptionPair kUsmAuthProtocol[] = {
    {0, "1.3.6.1.6.3.10.1.1.1", "None"},
    {0, "1.3.6.1.6.3.10.1.1.2", "MD5"},
    {0, "1.3.6.1.6.3.10.1.1.3", "SHA"},
    {0, "1.3.6.1.6.3.10.1.1.4", "SHA-224"},
    {0, "1.3.6.1.6.3.10.1.1.5", "SHA-256"},
    {0, "1.3.6.1.6.3.10.1.1.6", "SHA-384"},
    {0, "1.3.6.1.6.3.10.1.1.7", "SHA-512"},
};
constexpr KyOptionPair kUsmPrivProtocol[] = {
    {0, "1.3.6.1.6.3.10.1.2.1", "None"},
    {0, "1.3.6.1.6.3.10.1.2.2", "DES"},
    {0, "1.3.6.1.6.3.10.1.2.4", "AES-128"},
};
constexpr KyOptionPair kEquipmentCapacity[] = {{0, "40", "Redundant Power"}};
constexpr KyOptionPair kAacLoginMethodType[] = {
    {1, nullptr, "tacacs"}, {2, nullptr, "xtacacs"}, {3, nullptr, "tacacs-plus"}, {4, nullptr, "radius"},
    {5, nullptr, "server-group"}, {6, nullptr, "local"}, {8, nullptr, "none"}, {9, nullptr, "other"},
};
constexpr KyOptionPair kAacEnableMethodType[] = {
    {1, nullptr, "tacacs"}, {2, nullptr, "xtacacs"}, {3, nullptr, "tacacs-plus"}, {4, nullptr, "radius"},
    {5, nullptr, "server-group"}, {7, nullptr, "local-enable"}, {8, nullptr, "none"}, {9, nullptr, "other"},
};
constexpr KyOptionPair kAacAuthProtocol[] = {
    {1, nullptr, "tacacs"}, {2, nullptr, "xtacacs"}, {3, nullptr, "tacacs-plus"}, {4, nullptr, "radius"}};
constexpr KyOptionPair kAddDelete12[] = {{1, nullptr, "add"}, {2, nullptr, "delete"}};
constexpr KyOptionPair kRadiusServerIndex[] = {{1, nullptr, "swRadiusServerIndex-first"},
                                               {2, nullptr, "swRadiusServerIndex-second"},
                                               {3, nullptr, "swRadiusServerIndex-third"}};
constexpr KyOptionPair kCertificateFileControl[] = {
    {1, nullptr, "other"}, {2, nullptr, "inactive"}, {3, nullptr, "start"}, {4, nullptr, "delete"}};
constexpr KyOptionPair kCertificateShowStatus[] = {{1, nullptr, "none"}, {2, nullptr, "rsa"}, {3, nullptr, "dsa"}};
constexpr KyOptionPair kSafeguardMode[] = {{1, nullptr, "strict"}, {2, nullptr, "fuzzy"}};
constexpr KyOptionPair kSafeguardStatus[] = {{1, nullptr, "normal"}, {2, nullptr, "exhausted"}};
constexpr KyOptionPair kIpMacBindingMode[] = {{1, nullptr, "arp"}, {3, nullptr, "auto"}};
constexpr KyOptionPair kLldpAdminStatus[] = {
    {1, nullptr, "txOnly"}, {2, nullptr, "rxOnly"}, {3, nullptr, "txAndRx"}, {4, nullptr, "disabled"}};
constexpr KyOptionPair kLldpChassisIdSubtype[] = {
    {1, nullptr, "chassisComponent"}, {2, nullptr, "interfaceAlias"}, {3, nullptr, "portComponent"},
    {4, nullptr, "macAddress"},       {5, nullptr, "networkAddress"}, {6, nullptr, "interfaceName"},
    {7, nullptr, "local"},
};
constexpr KyOptionPair kDot3PauseMode[] = {
    {1, nullptr, "disabled"}, {2, nullptr, "enabledXmit"}, {3, nullptr, "enabledRcv"}, {4, nullptr, "enabledXmitAndRcv"}};
constexpr KyOptionPair kFileTransferType[] = {{2, nullptr, "network-load"}, {3, nullptr, "out-of-band-load"}};
constexpr KyOptionPair kFileLoadType[] = {{2, nullptr, "upload"}, {3, nullptr, "download"}};
constexpr KyOptionPair kFileControl[] = {
    {2, nullptr, "inactive"}, {3, nullptr, "start"}, {4, nullptr, "delete"}, {5, nullptr, "config-as-bootup-fw"}};
constexpr KyOptionPair kIgmpClearAction[] = {{1, nullptr, "all"}, {2, nullptr, "vlan"}, {3, nullptr, "group"}, {4, nullptr, "other"}};
constexpr KyOptionPair kStaticFilterStatus[] = {{2, nullptr, "invalid"}, {3, nullptr, "permanent"}};
}  // namespace

const KyOptionTable DisabledEnabled23{"DisabledEnabled23", 1, false, kDisabledEnabled23};
const KyOptionTable EnabledDisabled12{"EnabledDisabled12", 1, false, kEnabledDisabled12};
const KyOptionTable SystemReboot{"SystemReboot", 1, false, kSystemReboot};
const KyOptionTable NormalActive{"NormalActive", 1, false, kNormalActive};
const KyOptionTable MediumType{"MediumType", 1, false, kMediumType};
const KyOptionTable NwayState{"NwayState", 1, false, kNwayState};
const KyOptionTable MulticastFilter{"MulticastFilter", 1, false, kMulticastFilter};
const KyOptionTable MdixState{"MdixState", 1, false, kMdixState};
const KyOptionTable RowStatusActiveCreateDestroy{"RowStatusActiveCreateDestroy", 1, false,
                                                 kRowStatusActiveCreateDestroy};
const KyOptionTable StpVersion{"StpVersion", 1, false, kStpVersion};
const KyOptionTable TimeSource{"TimeSource", 1, false, kTimeSource};
const KyOptionTable SummerTimeStatus{"SummerTimeStatus", 1, false, kSummerTimeStatus};
const KyOptionTable SyslogFacility{"SyslogFacility", 1, false, kSyslogFacility};
const KyOptionTable SyslogSeverity{"SyslogSeverity", 1, false, kSyslogSeverity};
const KyOptionTable SmtpSendTest{"SmtpSendTest", 1, false, kSmtpSendTest};
const KyOptionTable RowStatus{"RowStatus", 1, false, kRowStatus};
const KyOptionTable StorageType{"StorageType", 1, false, kStorageType};
const KyOptionTable TrueFalse{"TrueFalse", 1, false, kTrueFalse};
const KyOptionTable InetAddressType{"InetAddressType", 1, false, kInetAddressType};
const KyOptionTable EnabledDisabledCompleted{"EnabledDisabledCompleted", 1, false, kEnabledDisabledCompleted};
const KyOptionTable BridgeType{"BridgeType", 1, false, kBridgeType};
const KyOptionTable FdbStatus{"FdbStatus", 1, false, kFdbStatus};
const KyOptionTable SnmpMessageProcessingModel{"SnmpMessageProcessingModel", 1, false,
                                               kSnmpMessageProcessingModel};
const KyOptionTable SnmpSecurityModel{"SnmpSecurityModel", 1, false, kSnmpSecurityModel};
const KyOptionTable SnmpSecurityLevel{"SnmpSecurityLevel", 1, false, kSnmpSecurityLevel};
const KyOptionTable IncludedExcluded{"IncludedExcluded", 1, false, kIncludedExcluded};
const KyOptionTable ExactPrefix{"ExactPrefix", 1, false, kExactPrefix};
const KyOptionTable TrapInform{"TrapInform", 1, false, kTrapInform};
const KyOptionTable AuthPaeState{"AuthPaeState", 1, false, kAuthPaeState};
const KyOptionTable AuthBackendState{"AuthBackendState", 1, false, kAuthBackendState};
const KyOptionTable ControlledDirections{"ControlledDirections", 1, false, kControlledDirections};
const KyOptionTable ControlledPortStatus{"ControlledPortStatus", 1, false, kControlledPortStatus};
const KyOptionTable ControlledPortControl{"ControlledPortControl", 1, false, kControlledPortControl};
const KyOptionTable AuthSessionMethod{"AuthSessionMethod", 1, false, kAuthSessionMethod};
const KyOptionTable AuthSessionTerminateCause{"AuthSessionTerminateCause", 1, false,
                                              kAuthSessionTerminateCause};
const KyOptionTable AddressFamily{"AddressFamily", 1, false, kAddressFamily};
const KyOptionTable LldpPortIdSubtype{"LldpPortIdSubtype", 1, false, kLldpPortIdSubtype};
const KyOptionTable LldpManAddrIfSubtype{"LldpManAddrIfSubtype", 1, false, kLldpManAddrIfSubtype};
const KyOptionTable LldpPowerPortClass{"LldpPowerPortClass", 1, false, kLldpPowerPortClass};
const KyOptionTable PowerPairs{"PowerPairs", 1, false, kPowerPairs};
const KyOptionTable PowerClass{"PowerClass", 1, false, kPowerClass};
const KyOptionTable ConsoleInUse{"ConsoleInUse", 1, false, kConsoleInUse};
const KyOptionTable SupportedNotSupported{"SupportedNotSupported", 1, false, kSupportedNotSupported};
const KyOptionTable MibType{"MibType", 1, false, kMibType};
const KyOptionTable Rs232PortMode{"Rs232PortMode", 1, false, kRs232PortMode};
const KyOptionTable WarmStartNoReset{"WarmStartNoReset", 1, false, kWarmStartNoReset};
const KyOptionTable SaveConfig{"SaveConfig", 1, false, kSaveConfig};
const KyOptionTable IpAddressSource{"IpAddressSource", 1, false, kIpAddressSource};
const KyOptionTable ConsoleParity{"ConsoleParity", 1, false, kConsoleParity};
const KyOptionTable ConsoleBaudRate{"ConsoleBaudRate", 1, false, kConsoleBaudRate};
const KyOptionTable ConsoleLogoutTime{"ConsoleLogoutTime", 1, false, kConsoleLogoutTime};
const KyOptionTable LogSaveMethod{"LogSaveMethod", 1, false, kLogSaveMethod};
const KyOptionTable CablePortType{"CablePortType", 1, false, kCablePortType};
const KyOptionTable LinkUpDown{"LinkUpDown", 1, false, kLinkUpDown};
const KyOptionTable CablePairStatus{"CablePairStatus", 1, false, kCablePairStatus};
const KyOptionTable CableTestAction{"CableTestAction", 1, false, kCableTestAction};
const KyOptionTable CableTestStatus{"CableTestStatus", 1, false, kCableTestStatus};
const KyOptionTable MstiType{"MstiType", 1, false, kMstiType};
const KyOptionTable TrueFalseAuto{"TrueFalseAuto", 1, false, kTrueFalseAuto};
const KyOptionTable StpPortState{"StpPortState", 1, false, kStpPortState};
const KyOptionTable StpPortRole{"StpPortRole", 1, false, kStpPortRole};
const KyOptionTable QinQPortRole{"QinQPortRole", 1, false, kQinQPortRole};
const KyOptionTable VlanPortListAction{"VlanPortListAction", 1, false, kVlanPortListAction};
const KyOptionTable VlanMultiplyAction{"VlanMultiplyAction", 1, false, kVlanMultiplyAction};
const KyOptionTable Dot1xAuthProtocol{"Dot1xAuthProtocol", 1, false, kDot1xAuthProtocol};
const KyOptionTable Dot1xAuthMode{"Dot1xAuthMode", 1, false, kDot1xAuthMode};
const KyOptionTable AccountingService{"AccountingService", 1, false, kAccountingService};
const KyOptionTable AccountingMethod{"AccountingMethod", 1, false, kAccountingMethod};
const KyOptionTable AacServerProtocol{"AacServerProtocol", 1, false, kAacServerProtocol};
const KyOptionTable SshRekeying{"SshRekeying", 1, false, kSshRekeying};
const KyOptionTable OtherEnabledDisabled{"OtherEnabledDisabled", 1, false, kOtherEnabledDisabled};
const KyOptionTable IpMacBindingPortState{"IpMacBindingPortState", 1, false, kIpMacBindingPortState};
const KyOptionTable IpMacBlockedType{"IpMacBlockedType", 1, false, kIpMacBlockedType};
const KyOptionTable InactiveActive{"InactiveActive", 1, false, kInactiveActive};
const KyOptionTable DosAttackType{"DosAttackType", 1, false, kDosAttackType};
const KyOptionTable DosActionType{"DosActionType", 1, false, kDosActionType};
const KyOptionTable PortLinkStatus{"PortLinkStatus", 1, false, kPortLinkStatus};
const KyOptionTable PortNwayStatus{"PortNwayStatus", 1, false, kPortNwayStatus};
const KyOptionTable ErrorPortStatus{"ErrorPortStatus", 1, false, kErrorPortStatus};
const KyOptionTable ErrorPortReason{"ErrorPortReason", 1, false, kErrorPortReason};
const KyOptionTable PortSecurityMode{"PortSecurityMode", 1, false, kPortSecurityMode};
const KyOptionTable TrunkAlgorithm{"TrunkAlgorithm", 1, false, kTrunkAlgorithm};
const KyOptionTable LacpMode{"LacpMode", 1, false, kLacpMode};
const KyOptionTable QosSchedulingMechanism{"QosSchedulingMechanism", 1, false, kQosSchedulingMechanism};
const KyOptionTable QuerierNonQuerier23{"QuerierNonQuerier23", 1, false, kQuerierNonQuerier23};
const KyOptionTable DisableEnable23{"DisableEnable23", 1, false, kDisableEnable23};
const KyOptionTable DhcpOption82Policy{"DhcpOption82Policy", 1, false, kDhcpOption82Policy};
const KyOptionTable DhcpOption82RemoteIdType{"DhcpOption82RemoteIdType", 1, false, kDhcpOption82RemoteIdType};
const KyOptionTable OtherAddDelete{"OtherAddDelete", 1, false, kOtherAddDelete};
const KyOptionTable StormTrapControl{"StormTrapControl", 1, false, kStormTrapControl};
const KyOptionTable StormAction{"StormAction", 1, false, kStormAction};
const KyOptionTable LoopStatus{"LoopStatus", 1, false, kLoopStatus};
const KyOptionTable MldVersion{"MldVersion", 1, false, kMldVersion};
const KyOptionTable PoeDisconnectMethod{"PoeDisconnectMethod", 1, false, kPoeDisconnectMethod};
const KyOptionTable PoeLedMode{"PoeLedMode", 1, false, kPoeLedMode};
const KyOptionTable PoePriority{"PoePriority", 1, false, kPoePriority};
const KyOptionTable PoePowerLimit{"PoePowerLimit", 1, false, kPoePowerLimit};
const KyOptionTable PoePortStatus{"PoePortStatus", 1, false, kPoePortStatus};
const KyOptionTable PoeLedStatus{"PoeLedStatus", 1, false, kPoeLedStatus};
const KyOptionTable SingleIpRole{"SingleIpRole", 1, false, kSingleIpRole};
const KyOptionTable UsmAuthProtocol{"UsmAuthProtocol", 2, false, kUsmAuthProtocol};
const KyOptionTable UsmPrivProtocol{"UsmPrivProtocol", 2, false, kUsmPrivProtocol};
const KyOptionTable EquipmentCapacity{"EquipmentCapacity", 2, false, kEquipmentCapacity};

namespace {
constexpr KyOptionPair kTrunkType[] = {{1, nullptr, "static"}, {2, nullptr, "lacp"}};
constexpr KyOptionPair kRowStatusActiveNisCreateDestroy[] = {
    {1, nullptr, "active"}, {2, nullptr, "notInService"}, {4, nullptr, "createAndGo"}, {6, nullptr, "destroy"}};
constexpr KyOptionPair kVlanCurrentStatus[] = {{1, nullptr, "other"}, {2, nullptr, "permanent"}, {3, nullptr, "dynamicGvrp"}};
constexpr KyOptionPair kAcceptableFrameTypes[] = {{1, nullptr, "admitAll"}, {2, nullptr, "admitOnlyVlanTagged"}};
constexpr KyOptionPair kNoneStart[] = {{1, nullptr, "none"}, {2, nullptr, "start"}};
}  // namespace
const KyOptionTable TrunkType{"TrunkType", 1, false, kTrunkType};
const KyOptionTable RowStatusActiveNisCreateDestroy{"RowStatusActiveNisCreateDestroy", 1, false,
                                                    kRowStatusActiveNisCreateDestroy};
const KyOptionTable VlanCurrentStatus{"VlanCurrentStatus", 1, false, kVlanCurrentStatus};
const KyOptionTable AcceptableFrameTypes{"AcceptableFrameTypes", 1, false, kAcceptableFrameTypes};
const KyOptionTable NoneStart{"NoneStart", 1, false, kNoneStart};
const KyOptionTable AacLoginMethodType{"AacLoginMethodType", 1, false, kAacLoginMethodType};
const KyOptionTable AacEnableMethodType{"AacEnableMethodType", 1, false, kAacEnableMethodType};
const KyOptionTable AacAuthProtocol{"AacAuthProtocol", 1, false, kAacAuthProtocol};
const KyOptionTable AddDelete12{"AddDelete12", 1, false, kAddDelete12};
const KyOptionTable RadiusServerIndex{"RadiusServerIndex", 1, false, kRadiusServerIndex};
const KyOptionTable CertificateFileControl{"CertificateFileControl", 1, false, kCertificateFileControl};
const KyOptionTable CertificateShowStatus{"CertificateShowStatus", 1, false, kCertificateShowStatus};
const KyOptionTable SafeguardMode{"SafeguardMode", 1, false, kSafeguardMode};
const KyOptionTable SafeguardStatus{"SafeguardStatus", 1, false, kSafeguardStatus};
const KyOptionTable IpMacBindingMode{"IpMacBindingMode", 1, false, kIpMacBindingMode};
const KyOptionTable LldpAdminStatus{"LldpAdminStatus", 1, false, kLldpAdminStatus};
const KyOptionTable LldpChassisIdSubtype{"LldpChassisIdSubtype", 1, false, kLldpChassisIdSubtype};
const KyOptionTable Dot3PauseMode{"Dot3PauseMode", 1, false, kDot3PauseMode};
const KyOptionTable FileTransferType{"FileTransferType", 1, false, kFileTransferType};
const KyOptionTable FileLoadType{"FileLoadType", 1, false, kFileLoadType};
const KyOptionTable FileControl{"FileControl", 1, false, kFileControl};
const KyOptionTable IgmpClearAction{"IgmpClearAction", 1, false, kIgmpClearAction};
const KyOptionTable StaticFilterStatus{"StaticFilterStatus", 1, false, kStaticFilterStatus};
}  // namespace opt

namespace {
const KyOptionTable* const kAllOptions[] = {
    &opt::DisabledEnabled23,
    &opt::EnabledDisabled12,
    &opt::SystemReboot,
    &opt::NormalActive,
    &opt::MediumType,
    &opt::NwayState,
    &opt::MulticastFilter,
    &opt::MdixState,
    &opt::RowStatusActiveCreateDestroy,
    &opt::StpVersion,
    &opt::TimeSource,
    &opt::SummerTimeStatus,
    &opt::SyslogFacility,
    &opt::SyslogSeverity,
    &opt::SmtpSendTest,
    &opt::RowStatus,
    &opt::StorageType,
    &opt::TrueFalse,
    &opt::InetAddressType,
    &opt::EnabledDisabledCompleted,
    &opt::BridgeType,
    &opt::FdbStatus,
    &opt::SnmpMessageProcessingModel,
    &opt::SnmpSecurityModel,
    &opt::SnmpSecurityLevel,
    &opt::IncludedExcluded,
    &opt::ExactPrefix,
    &opt::TrapInform,
    &opt::AuthPaeState,
    &opt::AuthBackendState,
    &opt::ControlledDirections,
    &opt::ControlledPortStatus,
    &opt::ControlledPortControl,
    &opt::AuthSessionMethod,
    &opt::AuthSessionTerminateCause,
    &opt::AddressFamily,
    &opt::LldpPortIdSubtype,
    &opt::LldpManAddrIfSubtype,
    &opt::LldpPowerPortClass,
    &opt::PowerPairs,
    &opt::PowerClass,
    &opt::ConsoleInUse,
    &opt::SupportedNotSupported,
    &opt::MibType,
    &opt::Rs232PortMode,
    &opt::WarmStartNoReset,
    &opt::SaveConfig,
    &opt::IpAddressSource,
    &opt::ConsoleParity,
    &opt::ConsoleBaudRate,
    &opt::ConsoleLogoutTime,
    &opt::LogSaveMethod,
    &opt::CablePortType,
    &opt::LinkUpDown,
    &opt::CablePairStatus,
    &opt::CableTestAction,
    &opt::CableTestStatus,
    &opt::MstiType,
    &opt::TrueFalseAuto,
    &opt::StpPortState,
    &opt::StpPortRole,
    &opt::QinQPortRole,
    &opt::VlanPortListAction,
    &opt::VlanMultiplyAction,
    &opt::Dot1xAuthProtocol,
    &opt::Dot1xAuthMode,
    &opt::AccountingService,
    &opt::AccountingMethod,
    &opt::AacServerProtocol,
    &opt::SshRekeying,
    &opt::OtherEnabledDisabled,
    &opt::IpMacBindingPortState,
    &opt::IpMacBlockedType,
    &opt::InactiveActive,
    &opt::DosAttackType,
    &opt::DosActionType,
    &opt::PortLinkStatus,
    &opt::PortNwayStatus,
    &opt::ErrorPortStatus,
    &opt::ErrorPortReason,
    &opt::PortSecurityMode,
    &opt::TrunkAlgorithm,
    &opt::LacpMode,
    &opt::QosSchedulingMechanism,
    &opt::QuerierNonQuerier23,
    &opt::DisableEnable23,
    &opt::DhcpOption82Policy,
    &opt::DhcpOption82RemoteIdType,
    &opt::OtherAddDelete,
    &opt::StormTrapControl,
    &opt::StormAction,
    &opt::LoopStatus,
    &opt::MldVersion,
    &opt::PoeDisconnectMethod,
    &opt::PoeLedMode,
    &opt::PoePriority,
    &opt::PoePowerLimit,
    &opt::PoePortStatus,
    &opt::PoeLedStatus,
    &opt::SingleIpRole,
    &opt::UsmAuthProtocol,
    &opt::UsmPrivProtocol,
    &opt::EquipmentCapacity,
    &opt::TrunkType,
    &opt::RowStatusActiveNisCreateDestroy,
    &opt::VlanCurrentStatus,
    &opt::AcceptableFrameTypes,
    &opt::NoneStart,
    &opt::AclEnableDisable12,
    &opt::AclMacMaskState,
    &opt::AclIpMaskState,
    &opt::AclProtocolType,
    &opt::AclPortOption,
    &opt::AclIcmpOption,
    &opt::AclPermit,
    &opt::AacLoginMethodType,
    &opt::AacEnableMethodType,
    &opt::AacAuthProtocol,
    &opt::AddDelete12,
    &opt::RadiusServerIndex,
    &opt::CertificateFileControl,
    &opt::CertificateShowStatus,
    &opt::SafeguardMode,
    &opt::SafeguardStatus,
    &opt::IpMacBindingMode,
    &opt::LldpAdminStatus,
    &opt::LldpChassisIdSubtype,
    &opt::Dot3PauseMode,
    &opt::FileTransferType,
    &opt::FileLoadType,
    &opt::FileControl,
    &opt::IgmpClearAction,
    &opt::StaticFilterStatus,
};
}  // namespace

std::span<const KyOptionTable* const> AllOptionTables() { return kAllOptions; }

namespace opt {
namespace {
constexpr KyOptionPair kAclEnableDisable12[] = {{1, nullptr, "enable"}, {2, nullptr, "disable"}};
constexpr KyOptionPair kAclMacMaskState[] = {
    {1, nullptr, "other"}, {2, nullptr, "dst-mac-addr"}, {3, nullptr, "src-mac-addr"}, {4, nullptr, "dst-src-mac-addr"}};
constexpr KyOptionPair kAclIpMaskState[] = {
    {1, nullptr, "other"}, {2, nullptr, "dst-ip-addr"}, {3, nullptr, "src-ip-addr"}, {4, nullptr, "dst-src-ip-addr"}};
constexpr KyOptionPair kAclProtocolType[] = {{1, nullptr, "none"}, {2, nullptr, "icmp"}, {3, nullptr, "igmp"},
                                             {4, nullptr, "tcp"},  {5, nullptr, "udp"},  {6, nullptr, "protocolId"}};
constexpr KyOptionPair kAclPortOption[] = {
    {1, nullptr, "other"}, {2, nullptr, "dst-addr"}, {3, nullptr, "src-addr"}, {4, nullptr, "dst-src-addr"}};
constexpr KyOptionPair kAclIcmpOption[] = {
    {1, nullptr, "none"}, {2, nullptr, "type"}, {3, nullptr, "code"}, {4, nullptr, "type-code"}};
constexpr KyOptionPair kAclPermit[] = {{1, nullptr, "deny"}, {2, nullptr, "permit"}};
}  // namespace
const KyOptionTable AclEnableDisable12{"AclEnableDisable12", 1, false, kAclEnableDisable12};
const KyOptionTable AclMacMaskState{"AclMacMaskState", 1, false, kAclMacMaskState};
const KyOptionTable AclIpMaskState{"AclIpMaskState", 1, false, kAclIpMaskState};
const KyOptionTable AclProtocolType{"AclProtocolType", 1, false, kAclProtocolType};
const KyOptionTable AclPortOption{"AclPortOption", 1, false, kAclPortOption};
const KyOptionTable AclIcmpOption{"AclIcmpOption", 1, false, kAclIcmpOption};
const KyOptionTable AclPermit{"AclPermit", 1, false, kAclPermit};
}  // namespace opt
