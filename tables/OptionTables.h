// Shared enumerations of the definition tables. One enumeration, one table:
// definitions that use the same choices refer to the same option table.
#pragma once

#include <span>

#include "snmp/VarList.h"

namespace opt {
extern const KyOptionTable DisabledEnabled23;  // 2 disabled, 3 enabled
extern const KyOptionTable EnabledDisabled12;  // 1 enabled, 2 disabled
extern const KyOptionTable SystemReboot;
extern const KyOptionTable NormalActive;
extern const KyOptionTable MediumType;
extern const KyOptionTable NwayState;
extern const KyOptionTable MulticastFilter;
extern const KyOptionTable MdixState;
extern const KyOptionTable RowStatusActiveCreateDestroy;  // 1 active, 4 createAndGo, 6 destroy
extern const KyOptionTable StpVersion;
extern const KyOptionTable TimeSource;        // 0 system, 1 server1, 2 server2
extern const KyOptionTable SummerTimeStatus;  // 0 disable, 1 repeating, 2 annual
extern const KyOptionTable SyslogFacility;    // 0 local0 .. 7 local7
extern const KyOptionTable SyslogSeverity;    // 1 all, 2 warning, 3 informational
extern const KyOptionTable SmtpSendTest;      // 1 send, 2 noAction
extern const KyOptionTable RowStatus;  // SNMPv2-TC RowStatus, all six values
extern const KyOptionTable StorageType;
extern const KyOptionTable TrueFalse;  // SNMPv2-TC TruthValue
extern const KyOptionTable InetAddressType;
extern const KyOptionTable EnabledDisabledCompleted;
extern const KyOptionTable BridgeType;
extern const KyOptionTable FdbStatus;
extern const KyOptionTable SnmpMessageProcessingModel;
extern const KyOptionTable SnmpSecurityModel;
extern const KyOptionTable SnmpSecurityLevel;
extern const KyOptionTable IncludedExcluded;
extern const KyOptionTable ExactPrefix;
extern const KyOptionTable TrapInform;
extern const KyOptionTable AuthPaeState;
extern const KyOptionTable AuthBackendState;
extern const KyOptionTable ControlledDirections;
extern const KyOptionTable ControlledPortStatus;
extern const KyOptionTable ControlledPortControl;
extern const KyOptionTable AuthSessionMethod;
extern const KyOptionTable AuthSessionTerminateCause;
extern const KyOptionTable AddressFamily;  // IANA AddressFamilyNumbers
extern const KyOptionTable LldpPortIdSubtype;
extern const KyOptionTable LldpManAddrIfSubtype;
extern const KyOptionTable LldpPowerPortClass;
extern const KyOptionTable PowerPairs;
extern const KyOptionTable PowerClass;
extern const KyOptionTable ConsoleInUse;
extern const KyOptionTable SupportedNotSupported;
extern const KyOptionTable MibType;
extern const KyOptionTable Rs232PortMode;
extern const KyOptionTable WarmStartNoReset;
extern const KyOptionTable SaveConfig;
extern const KyOptionTable IpAddressSource;
extern const KyOptionTable ConsoleParity;
extern const KyOptionTable ConsoleBaudRate;
extern const KyOptionTable ConsoleLogoutTime;
extern const KyOptionTable LogSaveMethod;
extern const KyOptionTable CablePortType;
extern const KyOptionTable LinkUpDown;
extern const KyOptionTable CablePairStatus;
extern const KyOptionTable CableTestAction;
extern const KyOptionTable CableTestStatus;
extern const KyOptionTable MstiType;
extern const KyOptionTable TrueFalseAuto;
extern const KyOptionTable StpPortState;
extern const KyOptionTable StpPortRole;
extern const KyOptionTable QinQPortRole;
extern const KyOptionTable VlanPortListAction;
extern const KyOptionTable VlanMultiplyAction;
extern const KyOptionTable Dot1xAuthProtocol;
extern const KyOptionTable Dot1xAuthMode;
extern const KyOptionTable AccountingService;
extern const KyOptionTable AccountingMethod;
extern const KyOptionTable AacServerProtocol;
extern const KyOptionTable SshRekeying;
extern const KyOptionTable OtherEnabledDisabled;
extern const KyOptionTable IpMacBindingPortState;
extern const KyOptionTable IpMacBlockedType;
extern const KyOptionTable InactiveActive;
extern const KyOptionTable DosAttackType;
extern const KyOptionTable DosActionType;
extern const KyOptionTable PortLinkStatus;
extern const KyOptionTable PortNwayStatus;
extern const KyOptionTable ErrorPortStatus;
extern const KyOptionTable ErrorPortReason;
extern const KyOptionTable PortSecurityMode;
extern const KyOptionTable TrunkAlgorithm;
extern const KyOptionTable LacpMode;
extern const KyOptionTable QosSchedulingMechanism;
extern const KyOptionTable QuerierNonQuerier23;
extern const KyOptionTable DisableEnable23;  // 2 disable, 3 enable
extern const KyOptionTable DhcpOption82Policy;
extern const KyOptionTable DhcpOption82RemoteIdType;
extern const KyOptionTable OtherAddDelete;
extern const KyOptionTable StormTrapControl;
extern const KyOptionTable StormAction;
extern const KyOptionTable LoopStatus;
extern const KyOptionTable MldVersion;
extern const KyOptionTable PoeDisconnectMethod;
extern const KyOptionTable PoeLedMode;
extern const KyOptionTable PoePriority;
extern const KyOptionTable PoePowerLimit;
extern const KyOptionTable PoePortStatus;
extern const KyOptionTable PoeLedStatus;
extern const KyOptionTable SingleIpRole;
// Kind 2 (text values) lists.
extern const KyOptionTable UsmAuthProtocol;
extern const KyOptionTable UsmPrivProtocol;
extern const KyOptionTable EquipmentCapacity;

// Lists of the dedicated dialogs.
extern const KyOptionTable TrunkType;                      // 1 static, 2 lacp
extern const KyOptionTable RowStatusActiveNisCreateDestroy;  // 1 active, 2 notInService, 4 createAndGo, 6 destroy
extern const KyOptionTable VlanCurrentStatus;              // 1 other, 2 permanent, 3 dynamicGvrp
extern const KyOptionTable AcceptableFrameTypes;           // 1 admitAll, 2 admitOnlyVlanTagged
extern const KyOptionTable NoneStart;                      // 1 none, 2 start
extern const KyOptionTable AclEnableDisable12;  // 1 enable, 2 disable
extern const KyOptionTable AclMacMaskState;
extern const KyOptionTable AclIpMaskState;
extern const KyOptionTable AclProtocolType;
extern const KyOptionTable AclPortOption;
extern const KyOptionTable AclIcmpOption;
extern const KyOptionTable AclPermit;  // 1 deny, 2 permit
extern const KyOptionTable AacLoginMethodType;
extern const KyOptionTable AacEnableMethodType;
extern const KyOptionTable AacAuthProtocol;  // "tacacs-plus", unlike AacServerProtocol
extern const KyOptionTable AddDelete12;
extern const KyOptionTable RadiusServerIndex;
extern const KyOptionTable CertificateFileControl;
extern const KyOptionTable CertificateShowStatus;
extern const KyOptionTable SafeguardMode;
extern const KyOptionTable SafeguardStatus;
extern const KyOptionTable IpMacBindingMode;
extern const KyOptionTable LldpAdminStatus;
extern const KyOptionTable LldpChassisIdSubtype;
extern const KyOptionTable Dot3PauseMode;
extern const KyOptionTable FileTransferType;
extern const KyOptionTable FileLoadType;
extern const KyOptionTable FileControl;
extern const KyOptionTable IgmpClearAction;
extern const KyOptionTable StaticFilterStatus;
}  // namespace opt

// Every static option table, for the checks that span all of them.
std::span<const KyOptionTable* const> AllOptionTables();
