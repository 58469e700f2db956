#include "app/MenuCatalogue.h"

#include <iterator>

#include "tables/DefTables.h"

namespace {
constexpr TitleForm A = TitleForm::A;
constexpr TitleForm B = TitleForm::B;
constexpr TitleForm C = TitleForm::C;

// A command's menu item is named after its handler without "Click", and so is
// the definition table of a generated command.
constexpr std::string_view WithoutClick(std::string_view handler) {
  constexpr std::string_view kSuffix = "Click";
  return handler.ends_with(kSuffix) ? handler.substr(0, handler.size() - kSuffix.size()) : handler;
}

constexpr MenuEntry Menu(int level, std::string_view caption, std::string_view name) {
  MenuEntry e;
  e.type = MenuItemType::Menu;
  e.level = level;
  e.caption = caption;
  e.name = name;
  return e;
}

constexpr MenuEntry Separator(int level) {
  MenuEntry e;
  e.type = MenuItemType::Separator;
  e.level = level;
  return e;
}

constexpr MenuEntry Command(int level, std::string_view caption, std::string_view handler, CommandPattern pattern) {
  MenuEntry e;
  e.type = MenuItemType::Command;
  e.level = level;
  e.caption = caption;
  e.handler = handler;
  e.name = WithoutClick(handler);
  e.pattern = pattern;
  return e;
}

// A generated command over its definition table: the list kind, key count
// and variable count are the table's own.
MenuEntry Generated(int level, std::string_view caption, std::string_view handler, CommandPattern pattern,
                    const KyVarDefTable& table, std::string_view title, TitleForm form, std::string_view arcs) {
  MenuEntry e = Command(level, caption, handler, pattern);
  e.title = title;
  e.form = form;
  e.definition = &table;
  e.kind = table.kind;
  e.keyCount = table.keyCount;
  e.varCount = static_cast<int>(table.rows.size());
  e.arcs = arcs;
  return e;
}

// Scalar editor over a scalar group.
MenuEntry Scalar(int level, std::string_view caption, std::string_view handler, const KyVarDefTable& table,
                 std::string_view title, TitleForm form, std::string_view arcs) {
  return Generated(level, caption, handler, CommandPattern::GeneratedScalar, table, title, form, arcs);
}

// Table editor over a list of the table's kind and key count.
MenuEntry Table(int level, std::string_view caption, std::string_view handler, const KyVarDefTable& table,
                std::string_view title, TitleForm form, std::string_view arcs) {
  return Generated(level, caption, handler, CommandPattern::GeneratedTable, table, title, form, arcs);
}

constexpr MenuEntry Sibling(int level, std::string_view caption, std::string_view handler, std::string_view page) {
  MenuEntry e = Command(level, caption, handler, CommandPattern::Sibling);
  e.siblingPage = page;
  return e;
}

constexpr MenuEntry Dedicated(int level, std::string_view caption, std::string_view handler, std::string_view title,
                              TitleForm form) {
  MenuEntry e = Command(level, caption, handler, CommandPattern::Dedicated);
  e.title = title;
  e.form = form;
  return e;
}

// A dedicated dialog that keeps the caption of its own layout.
constexpr MenuEntry Dedicated(int level, std::string_view caption, std::string_view handler) {
  return Dedicated(level, caption, handler, {}, TitleForm::OwnCaption);
}

constexpr MenuEntry Special(int level, std::string_view caption, std::string_view handler) {
  return Command(level, caption, handler, CommandPattern::Special);
}

// Input constraints, named after the command's menu item.
constexpr VarConstraint kTime1[] = {{1, "%s{l21}"}};
constexpr VarConstraint kSystemLogState1[] = {{2, "%i{n1x65535l5}"}};
constexpr VarConstraint kInformation1[] = {{4, "%i{n10x1000000l7}"}};
constexpr VarConstraint kConfigurationIdentification1[] = {{0, "%s{l32}"}, {1, "%i{n0x65535l5}"}};
constexpr VarConstraint kInstanceInformation1[] = {{1, "%s{l128}"}, {2, "%s{l128}"}, {3, "%s{l128}"}, {4, "%s{l128}"}, {5, "%s{l128}"}, {6, "%s{l128}"}, {7, "%s{l128}"}, {8, "%s{l128}"}, {11, "%i{n0x61440l5}"}};
constexpr VarConstraint kDefaultUserPrioritiesofEachPort1[] = {{1, "%i{n0x7l1}"}};
constexpr VarConstraint kUserPrioritiesToTrafficClass1[] = {{2, "%i{n0x7l1}"}};
constexpr VarConstraint kCommunityTargetAddressTable[] = {{4, "%i{n0x255l3}"}};
constexpr VarConstraint kPortAuthenticationConfiguration1[] = {{7, "%i{n0x65535l5}"}, {8, "%i{n1x65535l5}"}, {9, "%i{n1x65535l5}"}, {10, "%i{n1x65535l5}"}, {11, "%i{n1x10l2}"}, {12, "%i{n1x65535l5}"}};
constexpr VarConstraint kRADIUSControl1[] = {{0, "%i{n1x255l3}"}, {1, "%i{n1x255l3}"}};
constexpr VarConstraint kAccountingServerInformation1[] = {{2, "%i{n1x65535l5}"}};
constexpr VarConstraint kTACACSInformation1[] = {{4, "%i{n1x255l3}"}, {5, "%i{n1x255l3}"}};
constexpr VarConstraint kSSHManagement1[] = {{2, "%i{n1x99l2}"}};
constexpr VarConstraint kDeviceControl2[] = {{4, "%i{n1x4094l4}"}, {11, "%i{n1x500l3}"}, {12, "%i{n1x2147483647l10}"}};
constexpr VarConstraint kIGMPControlTable1[] = {{1, "%i{n1x65535l5}"}, {2, "%i{n1x25l2}"}, {3, "%i{n1x255l3}"}, {4, "%i{n1x65535l5}"}, {5, "%i{n1x16711450l8}"}, {6, "%i{n1x16711450l8}"}, {7, "%i{n0x16711450l8}"}};
constexpr VarConstraint kIGMPDynIPMultMaxEntry1[] = {{0, "%i{n1x256l3}"}};
constexpr VarConstraint kManagement1[] = {{1, "%i{n1x16l2}"}, {2, "%i{n0x165535l5}"}};
constexpr VarConstraint kConfigurationInformation1[] = {{0, "%i{n5x32768l5}"}, {1, "%i{n2x10l2}"}, {2, "%i{n1x10l2}"}, {3, "%i{n1x8192l4}"}, {4, "%i{n5x3600l4}"}};
constexpr VarConstraint kAddressConfiguration1[] = {{0, "%i{n0x512l3}"}};
constexpr VarConstraint kLoopDetectControl1[] = {{1, "%i{n1x32767l5}"}, {2, "%i{n0x1000000l7}"}};
constexpr VarConstraint kMLDSnoopingControl1[] = {{1, "%i{n1x65535l5}"}, {2, "%i{n1x25l2}"}, {3, "%i{n1x25l2}"}, {4, "%i{n1x25l2}"}, {5, "%i{n1x16711450l8}"}, {6, "%i{n1x16711450l8}"}, {7, "%i{n1x16711450l8}"}};
constexpr VarConstraint kPoESystemControl1[] = {{0, "%i{n37x370l3}"}};
constexpr VarConstraint kPoEPortControl1[] = {{4, "%i{n1000x16800l5}"}};
constexpr VarConstraint kSingleIPControl1[] = {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"}};

// The menu bar, in menu order. Captions and titles are the program's own texts
// and are kept exactly, odd spellings and spaces included. FormChosen() marks
// the six titles whose joining is ours to pick: those ending in ": " are joined
// directly (B), the others with " : " (A), so each caption has one separator.
// Built at start-up (the definition tables live in their own files); every
// entry refers to its definition table directly.
const MenuEntry kCatalogue[] = {
    // ---- menu "Basic Configuration"
    Menu(0, "Basic Configuration", "Configuration1"),
      Menu(1, "Agent Management", "AgentManagement1"),
        Scalar(2, "Basic Information", "BasicInfo1Click", tbl::BasicInfo1, "Basic Information", A, "1.3.6.1.4.1.32473.12.1.1"),
        Table(2, "MIB Capabilities", "MibCapabilities1Click", tbl::MibCapabilities1, "MIB Capabilities", A, "1.3.6.1.4.1.32473.12.1.1.2.1").Height450(),
        Scalar(2, "Basic Management", "BasicConfigure1Click", tbl::BasicConfigure1, "Basic Management", A, "1.3.6.1.4.1.32473.12.1.2;1.3.6.1.4.1.32473.12.1.3"),
        Scalar(2, "CPU Utilization", "CpuUtilization1Click", tbl::CpuUtilization1, "CPU Utilization", A, "1.3.6.1.4.1.32473.12.1.1.6"),
        Table(2, "DRAM Utilization", "DRAMUtilization1Click", tbl::DRAMUtilization1, "DRAM Utilization Table", A, "1.3.6.1.4.1.32473.12.1.1.9.1"),
        Table(2, "Port Utilization", "PortUtilization1Click", tbl::PortUtilization1, "Port Utilization Table", A, "1.3.6.1.4.1.32473.12.1.1.8.1"),
        Dedicated(2, "Agent Supported Update Files", "AgentSuportedUpdateFiles1Click", "Agent Supported Update Files: ", B),
        Table(2, "Multiple Image Management", "Multipleimagemanagement1Click", tbl::Multipleimagemanagement1, "Multiple Image Management", A, "1.3.6.1.4.1.32473.12.1.2.7.1").Height450(),
        Scalar(2, "Console Mode Control", "ConsoleModeControl1Click", tbl::ConsoleModeControl1, "Console Mode Control", A, "1.3.6.1.4.1.32473.12.1.5"),
        Scalar(2, "ARP Clear All State", "ARPClearAllState1Click", tbl::ARPClearAllState1, "ARP Clear All State: ", B, "1.3.6.1.4.1.32473.12.1.2.12"),
        Menu(2, "Gratuitous ARP Management", "GratuitousARPManagement1"),
          Scalar(3, "Gratuitous ARP Management Infomation", "GratuitousARPManagementInfomation1Click", tbl::GratuitousARPManagementInfomation1, "Gratuitous ARP Management Infomation: ", B, "1.3.6.1.4.1.32473.12.1.2.12.2"),
          Table(3, "Gratuitous ARP Table", "GratuitousARPTable1Click", tbl::GratuitousARPTable1, "Gratuitous ARP Management Table", A, "1.3.6.1.4.1.32473.12.1.2.12.2.4.1"),
        Scalar(2, "FDB Clear All State", "FDBClearAllState1Click", tbl::FDBClearAllState1, "FDB Clear All State: ", B, "1.3.6.1.4.1.32473.12.1.2.11"),
        Menu(2, "Trust Host", "TrustHost1"),
          Table(3, "Trust Host Table", "TrustHostTable1Click", tbl::TrustHostTable1, "Trust Host Table", A, "1.3.6.1.4.1.32473.12.1.2.10.1.1").RowStatus(3).NoEditWindow(),
          Scalar(3, "Delete All State", "DeleteAllState1Click", tbl::DeleteAllState1, "Delete All Trust Host: ", B, "1.3.6.1.4.1.32473.12.1.2.10"),
      Menu(1, "Time Management", "TimeManagement1"),
        Scalar(2, "Current Time", "Time1Click", tbl::Time1, "Current Time", A, "1.3.6.1.4.1.32473.12.10").Constraints(kTime1),
        Scalar(2, "System Time", "CurrentTime1Click", tbl::CurrentTime1, "System Time", A, "1.3.6.1.4.1.32473.12.10;1.3.6.1.4.1.32473.12.10.10"),
        Dedicated(2, "Network Time", "NetworkTime1Click", "Network Time: ", B),
        Dedicated(2, "Summer Time", "SummerTime1Click", "Summer Time : ", B),
      Menu(1, "System Log Management", "SystemLogManagement1"),
        Scalar(2, "System Log Management", "SystemLogState1Click", tbl::SystemLogState1, "System Log Mangement", A, "1.3.6.1.4.1.32473.12.12;1.3.6.1.4.1.32473.12.12.3;1.3.6.1.4.1.32473.12.12.4").Constraints(kSystemLogState1),
        Dedicated(2, "System Log Host Table", "SystemLogServerTable1Click", "System Log Host Table : ", B),
      Menu(1, "SMTP Management", "SMTPManagement1"),
        Dedicated(2, "SMTP Control Table", "SMTPControlTable1Click"),
        Scalar(2, "SMTP Information Table", "SMTPInformationTable1Click", tbl::SMTPInformationTable1, "SMTP Information Table", A, "1.3.6.1.4.1.32473.12.29.2"),
        Table(2, "SMTP Mail Receiver Table", "SMTPMailReceiverTable1Click", tbl::SMTPMailReceiverTable1, "SMTP Mail Receiver Table", A, "1.3.6.1.4.1.32473.12.29.3.1.1").RowStatus(2).NoEditWindow(),
      Table(1, "Cable Diagnostics", "CableDiagnostics1Click", tbl::CableDiagnostics1, "Cable Diagnostics Table", A, "1.3.6.1.4.1.32473.12.58.1.1.1"),
      Separator(1),
      Menu(1, "IF-MIB", "IFMIB1"),
        Sibling(2, "General Table", "GeneralTable1Click", "/TIFMib_LastChangeTable"),
        Table(2, "IfX Table", "IFXTable1Click", tbl::IFXTable1, "IfX Table: ", B, "1.3.6.1.2.1.2.2.1;1.3.6.1.2.1.31.1.1.1").Height450(),
      Menu(1, "MIB II", "MIBII1"),
        Sibling(2, "System Information", "Information3Click", "/TMIB_Info"),
        Sibling(2, "IF Table", "IfTable1Click", "/TMIB_IFTable"),
        Sibling(2, "IF Counters", "IFCounter1Click", "/TMIB_IFCounters"),
        Sibling(2, "IP Counters", "IPCounters1Click", "/TMIB_IPCounters"),
        Sibling(2, "IP Routing", "IPRouting1Click", "/TMIB_IPRouting"),
        Sibling(2, "IP Address Table", "IPAddressTable1Click", "/TMIB_IPAddress"),
        Sibling(2, "ICMP Counters", "ICMPCounters1Click", "/TMIB_ICMPCounters"),
        Sibling(2, "UDP Counters", "UDPCounters1Click", "/TMIB_UDPCounters"),
        Sibling(2, "SNMP Counters", "SNMPCounters1Click", "/TMIB_SNMPCounters"),
        Sibling(2, "ARP Table", "ARPTable1Click", "/TMIB_ARP"),
      Menu(1, "EtherLike-MIB", "EtherLikeMIB1"),
        Sibling(2, "Dot3 Statistics", "dot3Statistics1Click", "/TEthernetLike_dot3StatsTable"),
        Dedicated(2, "Dot3 Control Table", "dot3ControlTable1Click", "Dot3 Control Table: ", B),
        Dedicated(2, "Dot3 Pause Table", "dot3PauseTable1Click", "Dot3 Pause Table: ", B),
      Menu(1, "Ping", "Ping1"),
        Scalar(2, "Ping Max Concurrent Requests", "MaxConcurrentRequests1Click", tbl::MaxConcurrentRequests1, "Ping Max Concurrent Requests", A, "1.3.6.1.2.1.80.1"),
        Table(2, "Ping Control Table", "PingControlTable1Click", tbl::PingControlTable1, "Ping Control Table", A, "1.3.6.1.2.1.80.1.2.1").RowStatus(6).NoEditWindow(),
        Table(2, "Ping Results Table", "PingResultsTable1Click", tbl::PingResultsTable1, "Ping Results Table", A, "1.3.6.1.2.1.80.1.3.1"),
      Menu(1, "Trace Route", "TraceRoute1"),
        Scalar(2, "Trace Route Max Concurrent Requests", "MaxConcurrentRequests2Click", tbl::MaxConcurrentRequests2, "Trace Route Max Concurrent Requests", A, "1.3.6.1.2.1.81.1"),
        Table(2, "Trace Route Control Table", "TrouceControlTable1Click", tbl::TrouceControlTable1, "Trace Route Control Table", A, "1.3.6.1.2.1.81.1.2.1").RowStatus(8).NoEditWindow(),
        Table(2, "Trace Route Result Table", "TraceRouteResultTable1Click", tbl::TraceRouteResultTable1, "Trace Route Results Table", A, "1.3.6.1.2.1.81.1.3.1"),
      Separator(1),
      Scalar(1, "Save Changes", "SaveChanges1Click", tbl::SaveChanges1, "Save Changes", A, "1.3.6.1.4.1.32473.12.1.2"),
      Special(1, "Reboot", "RefreshPanel2Click"),

    // ---- menu "RMON"
    Menu(0, "RMON", "Menu_RMON"),
      Scalar(1, "RMON Control", "RMONSetting1Click", tbl::RMONSetting1, "RMON State", A, "1.3.6.1.4.1.32473.11.63.8.2.1.2"),
      Separator(1),
      Sibling(1, "Statistics", "Statistics1Click", "/TRmon_Statistics"),
      Sibling(1, "History", "History1Click", "/TRmon_History"),
      Sibling(1, "Alarm/Event", "AlarmEvent1Click", "/TRmon_AlarmEvent"),

    // ---- menu "Bridge"
    Menu(0, "Bridge", "Bridge1"),
      Dedicated(1, "Spanning Tree Algorithm", "SpanningTreeAlgorithm1Click", "Spanning Tree Algorithm: ", B),
      Menu(1, "802.1d ", "N8021d1"),
        Scalar(2, "Information", "Information1Click", tbl::Information1, "Information: ", B, "1.3.6.1.2.1.17.1;1.3.6.1.2.1.17.4").Constraints(kInformation1),
        Table(2, "Port Table", "PortTable1Click", tbl::PortTable1, "Port Table", A, "1.3.6.1.2.1.17.1.4.1").Height450(),
      Menu(1, "Spanning Tree", "SpanningTree1"),
        Dedicated(2, "STP Control ", "Information2Click", "STP Control: ", B),
        Scalar(2, "Configuration Identification", "ConfigurationIdentification1Click", tbl::ConfigurationIdentification1, "Configuration Identification", A, "1.3.6.1.4.1.32473.12.15.2").Constraints(kConfigurationIdentification1),
        Table(2, "MSTP Instance Control", "InstanceInformation1Click", tbl::InstanceInformation1, "MSTP Instance Control: ", B, "1.3.6.1.4.1.32473.12.15.2.3.1").RowStatus(23).Constraints(kInstanceInformation1),
        Table(2, "Port State Information", "PortStateInformation1Click", tbl::PortStateInformation1, "Port State Information", A, "1.3.6.1.4.1.32473.12.15.2.4.1"),
        Table(2, "Port MSTP Information", "PortMSTPInformation1Click", tbl::PortMSTPInformation1, "Port MSTP Information", A, "1.3.6.1.4.1.32473.12.15.2.5.1"),
      Menu(1, "Transparent Bridge", "TransparentBridge1"),
        Sibling(2, "Forwarding Table", "ForwardingTable1Click", "/TBridge_Forwarding"),
        Sibling(2, "Port Counters", "PortCounters1Click", "/TBridge_TpPortInfo"),

    // ---- menu "VLAN"
    Menu(0, "VLAN", "VLAN1"),
      Menu(1, "802.1P", "N8021P1"),
        Scalar(2, "Basic Configure", "BasicConfigure2Click", tbl::BasicConfigure2, "802.1P Basic Configure: ", B, "1.3.6.1.2.1.17.6.1.1"),
        Menu(2, "Priority Information", "PriorityInformation1"),
          Table(3, "Default User Priorities of Each Port", "DefaultUserPrioritiesofEachPort1Click", tbl::DefaultUserPrioritiesofEachPort1, "Default User Priorities of Each Port: ", B, "1.3.6.1.2.1.17.6.1.2.1.1").Constraints(kDefaultUserPrioritiesofEachPort1),
          Table(3, "User Priorities To Traffic Class", "UserPrioritiesToTrafficClass1Click", tbl::UserPrioritiesToTrafficClass1, "User Priorities To Traffic Class: ", B, "1.3.6.1.2.1.17.6.1.2.3.1").Constraints(kUserPrioritiesToTrafficClass1),
        Dedicated(2, "Port Capability", "PortCapbility1Click", "Port Capability Form: ", B),
      Menu(1, "802.1Q", "N8021Q1"),
        Menu(2, "802.1Q Bridge", "N8021QBridge1"),
          Dedicated(3, "Basic Configure", "BasicConfigureClick", "802.1Q Basic Configure: ", B),
          Dedicated(3, "Ports Information", "PortsInfo1Click", "VLAN Port Information Form: ", B),
        Menu(2, "Forwarding/Filtering", "ForwardingFiltering1"),
          Table(3, "Unicast Forwarding Information", "UnicastForwardingInformation1Click", tbl::UnicastForwardingInformation1, "Unicast Forwarding Information : ", B, "1.3.6.1.2.1.17.7.1.2.2.1"),
          Table(3, "Filtering Database", "Databaseinformation1Click", tbl::Databaseinformation1, "Filtering Database: ", B, "1.3.6.1.2.1.17.7.1.2.1.1"),
        Menu(2, "802.1Q VLAN ", "N8021QVLAN1"),
          Dedicated(3, "Static Table", "StaticForm1Click", "VLAN Static: ", B),
          Dedicated(3, "Current Table", "CurrentForm1Click", "VLAN Current: ", B),
        Menu(2, "Static Filtering ", "StaticFiltering1"),
          Dedicated(3, "Unicast Information", "UnicastInformation1Click", "Unicast Filter Information: ", B),
          Dedicated(3, "Multicast Information", "MulticastInformation1Click", "Multicast Filter Information", C),
      Menu(1, "QinQ", "QinQ1"),
        Scalar(2, "QinQ  Global State Settings", "QinQGlobalStateSettings1Click", tbl::QinQGlobalStateSettings1, "QinQ Global State Settings: ", B, "1.3.6.1.4.1.32473.12.57.1"),
        Table(2, "QinQ Port Table", "QinQPortTable1Click", tbl::QinQPortTable1, "QinQ Port Table", A, "1.3.6.1.4.1.32473.12.57.3.1.1").TpidNote(),
      Table(1, "VLAN Advertisement Table", "VLANAdvertisementTable1Click", tbl::VLANAdvertisementTable1, "VLAN Advertisement Table", A, "1.3.6.1.4.1.32473.11.63.8.2.23.1.1").FormChosen(),
      Scalar(1, "VLAN Multiply Management", "VlLANMultiplyManagement1Click", tbl::VlLANMultiplyManagement1, "VLAN Multiply Management :", B, "1.3.6.1.4.1.32473.11.63.8.2.23.2").PortGrid(2),

    // ---- menu "SNMP V3"
    Menu(0, "SNMP V3", "VACM1"),
      Scalar(1, "SNMP Engine", "snmpEngine1Click", tbl::snmpEngine1, "SNMP Engine: ", B, "1.3.6.1.6.3.10.2.1").EditWidth(150),
      Scalar(1, "Message Processing and Dispatching", "MessageProcessingandDispatching1Click", tbl::MessageProcessingandDispatching1, "Message Processingand Dispatching: ", B, "1.3.6.1.6.3.11.2.1"),
      Menu(1, "SNMP Target MIB", "SNMPTargetMIB1"),
        Scalar(2, "General Information", "GeneralInformation1Click", tbl::GeneralInformation1, "General Information: ", B, "1.3.6.1.6.3.12.1"),
        Table(2, "Target Address Table", "CommunityTargetAddressTableClick", tbl::CommunityTargetAddressTable, "Target Address Table: ", B, "1.3.6.1.6.3.12.1.2.1").RowStatus(8).Constraints(kCommunityTargetAddressTable),
        Table(2, "Target Parameters", "TargetParameters1Click", tbl::TargetParameters1, "Target Parameters", C, "1.3.6.1.6.3.12.1.3.1").RowStatus(6),
      Menu(1, "User-based Security Model", "UserbasedSecurityModel1"),
        Scalar(2, "Statistics", "Statistics2Click", tbl::Statistics2, "Statistics", C, "1.3.6.1.6.3.15.1.1"),
        Table(2, "User Table", "UserTable1Click", tbl::UserTable1, "User Table", C, "1.3.6.1.6.3.15.1.2.2.1").RowStatus(12),
      Menu(1, "View-base Access Control Mode", "ViewbaseAccessControlMode1"),
        Table(2, "Security Group Table", "SecurityTable1Click", tbl::SecurityTable1, "Security Group Table", C, "1.3.6.1.6.3.16.1.2.1").RowStatus(4),
        Table(2, "Access Table", "AccessTable1Click", tbl::AccessTable1, "Access Table", C, "1.3.6.1.6.3.16.1.2.1;1.3.6.1.6.3.16.1.4.1").RowStatus(9),
        Table(2, "View MIB Tree Family Table", "ViewTable1Click", tbl::ViewTable1, "View MIB Tree Family Table", C, "1.3.6.1.6.3.16.1.5.2.1").RowStatus(5),
      Menu(1, "Notifications", "Notifications1"),
        Table(2, "Notify Table", "NotifyTable1Click", tbl::NotifyTable1, "Notify Table", C, "1.3.6.1.6.3.13.1.1.1").RowStatus(4),
        Table(2, "Notify Filter Profile Table", "NotifyFilterProfileTale1Click", tbl::NotifyFilterProfileTale1, "Notify Filter Profile Table", C, "1.3.6.1.6.3.12.1.3.1;1.3.6.1.6.3.13.1.2.1").RowStatus(3),
        Table(2, "Notify Filter Entry Table", "NotifyFilterEntryTable1Click", tbl::NotifyFilterEntryTable1, "Notify Filter Table", C, "1.3.6.1.6.3.13.1.2.1;1.3.6.1.6.3.13.1.3.1").RowStatus(5),
      Menu(1, "Community", "Community1"),
        Table(2, "Community String Table", "CommunityStringTable1Click", tbl::CommunityStringTable1, "SNMP Community Table", C, "1.3.6.1.6.3.18.1.1.1").RowStatus(7),
        Table(2, "Target Address Table", "TargetAddressTable1Click", tbl::TargetAddressTable1, "Target Address Table", C, "1.3.6.1.6.3.12.1.2.1;1.3.6.1.6.3.18.1.2.1"),

    // ---- menu "Security Management"
    Menu(0, "Security Management", "SecurityManagement1"),
      Scalar(1, "Authentication Mode settings", "Auth1Click", tbl::Auth1, "Authentication Mode settings: ", B, "1.3.6.1.4.1.32473.12.3.1"),
      Menu(1, "802.1X", "N8021X1"),
        Scalar(2, "Configuration", "Configuration2Click", tbl::Configuration2, "802.1X Configuration: ", B, "1.0.8802.1.1.1.1.1"),
        Table(2, "Port Table", "PAEPortTable1Click", tbl::PAEPortTable1, "Port Table", A, "1.0.8802.1.1.1.1.1.2.1"),
        Table(2, "Auth Configuration", "PortAuthenticationConfiguration1Click", tbl::PortAuthenticationConfiguration1, "802.1X Auth Configuration", A, "1.0.8802.1.1.1.1.2.1.1").Constraints(kPortAuthenticationConfiguration1),
        Table(2, "Auth Statistics", "PortAuthStatistics1Click", tbl::PortAuthStatistics1, "802.1X Auth Statistics", A, "1.0.8802.1.1.1.1.2.2.1"),
        Table(2, "Auth Diagnostics", "Diagnostics1Click", tbl::Diagnostics1, "802.1X Auth Diagnostics: ", B, "1.0.8802.1.1.1.1.2.3.1"),
        Table(2, "Auth Session Statistics", "PortSessionStatistics1Click", tbl::PortSessionStatistics1, "802.1X Auth Session Statistics", A, "1.0.8802.1.1.1.1.2.4.1"),
        Menu(2, "MAC_Based Authentication", "MACBasedAuthentication1"),
          Table(3, "State Table", "StateTable1Click", tbl::StateTable1, "802.1X State Table: ", B, "1.3.6.1.4.1.32473.12.3.6.1.1"),
          Dedicated(3, "Diagnostics Information", "DiagnosticsInformation1Click", "Diagnostics Information: ", B),
          Dedicated(3, "Eap Over Land  Frames Statistic Table", "StatisticTable1Click", "MAC Statistic: ", B),
          Table(3, "Session Information", "SessionInformation1Click", tbl::SessionInformation1, "Session Information", A, "1.3.6.1.4.1.32473.12.3.6.4.1"),
        Dedicated(2, "Guest VLAN", "GuestVLAN1Click", "Guest VLAN: ", B),
      Menu(1, "RADIUS Management", "RADIUSManagement1"),
        Scalar(2, "RADIUS Control", "RADIUSControl1Click", tbl::RADIUSControl1, "RADUIS Control: ", B, "1.3.6.1.4.1.32473.12.3.2").Constraints(kRADIUSControl1),
        Scalar(2, "RADUIS Command", "RADUISCommand1Click", tbl::RADUISCommand1, "RADUIS Command: ", B, "1.3.6.1.4.1.32473.12.3.7"),
        Dedicated(2, "RADIUS Server Table", "RadiusServerTabl1Click", "RADIUS Server: ", B),
        Scalar(2, "Authentication Information", "AuthenticationServer1Click", tbl::AuthenticationServer1, "Authentication Information: ", B, "1.3.6.1.4.1.32473.12.3.3"),
        Table(2, "Authentication Table", "AuthenticationServerTable1Click", tbl::AuthenticationServerTable1, "Authentication Table: ", B, "1.3.6.1.4.1.32473.12.3.3.3.1"),
        Menu(2, "Accounting Management", "AccountingManagement1"),
          Scalar(3, "Basic Information", "AccountingServerInformation1Click", tbl::AccountingServerInformation1, "Accounting Basic Information: ", B, "1.3.6.1.2.1.67.2.2.1.1;1.3.6.1.4.1.32473.12.3.4").Constraints(kAccountingServerInformation1),
          Table(3, "Server Table", "AccountingServerTable1Click", tbl::AccountingServerTable1, "Accounting Server Table: ", B, "1.3.6.1.4.1.32473.12.3.5.3.1"),
          Table(3, "Service Table", "ServiceTable1Click", tbl::ServiceTable1, "Accounting Service Table: ", B, "1.3.6.1.4.1.32473.12.3.4.3.1"),
      Menu(1, "AAC ", "AAC1"),
        Scalar(2, "AAC Control", "TACACSControl1Click", tbl::TACACSControl1, "AAC Control Table", A, "1.3.6.1.4.1.32473.12.5.1"),
        Scalar(2, "AAC Information", "TACACSInformation1Click", tbl::TACACSInformation1, "AAC Information Table", A, "1.3.6.1.4.1.32473.12.5.2;1.3.6.1.4.1.32473.12.5.8").Constraints(kTACACSInformation1),
        Dedicated(2, "Login Method Control", "LoginMethodControl1Click", "Login Method Control", C),
        Dedicated(2, "Enable Method Control", "EnableMethodControl1Click", "Enable Method: ", B),
        Scalar(2, "APP Auth Method Group", "LoginInformation1Click", tbl::LoginInformation1, "APP Auth Method Group: ", B, "1.3.6.1.4.1.32473.12.5.7.1;1.3.6.1.4.1.32473.12.5.7.2"),
        Table(2, "Server Group", "ServerGroup1Click", tbl::ServerGroup1, "AAC Server Table", C, "1.3.6.1.4.1.32473.12.5.9.1").RowStatus(17).NoEditWindow(),
        Dedicated(2, "Server Information", "ServerInformation1Click", "Server Information: ", B),
        Dedicated(2, "Server Control", "ServerControl1Click", "AAC Server Control Table: ", B),
      Menu(1, "SSH", "SSH1"),
        Scalar(2, "SSH Management", "SSHManagement1Click", tbl::SSHManagement1, "SSH Management Table: ", B, "1.3.6.1.4.1.32473.12.6.1").Constraints(kSSHManagement1),
        Scalar(2, "Algorithm Control", "EncryptionAlgorithm1Click", tbl::EncryptionAlgorithm1, "Algorithm Control: ", B, "1.3.6.1.4.1.32473.12.6.2.1;1.3.6.1.4.1.32473.12.6.2.3;1.3.6.1.4.1.32473.12.6.2.4"),
        Scalar(2, "Authentication Method", "AuthenticationMethod1Click", tbl::AuthenticationMethod1, "Authentication Method Control: ", B, "1.3.6.1.4.1.32473.12.6.2.2"),
      Menu(1, "SSL", "SSL1"),
        Dedicated(2, "SSL Management", "SSLManagement1Click", "SSL Management: ", B),
        Dedicated(2, "SSL Certificate File", "SSLCertificateLevel1Click", "SSL Certificate File : ", B),
      Menu(1, "Safeguard_Engine", "SafeguardEngine1"),
        Scalar(2, "Global Management", "GlobalManagement1Click", tbl::GlobalManagement1, "Safeguard Global Management: ", B, "1.3.6.1.4.1.32473.12.19.1"),
        Dedicated(2, "Safeguard Control", "ProtectControl1Click", "Safeguard Control: ", B),
      Menu(1, "IP-MAC Binding", "IPMACBinding1"),
        Scalar(2, "IP-MAC Binding Control", "IPMACBindingControl1Click", tbl::IPMACBindingControl1, "IP-MAC Binding Control: ", B, "1.3.6.1.4.1.32473.12.23.1;1.3.6.1.4.1.32473.12.23.3"),
        Table(2, "IP-MAC Binding Port State Control", "PortInformation3Click", tbl::PortInformation3, "IP-MAC Binding Port Table: ", B, "1.3.6.1.4.1.32473.12.23.3.2.1"),
        Dedicated(2, "IP-MAC Binding Table", "BindingTable1Click", "IP-MAC Binding: ", B),
        Table(2, "IP-MAC Binding Blocked Table", "BindingBlockedTable1Click", tbl::BindingBlockedTable1, "IP-MAC Binding Blocked Table", A, "1.3.6.1.4.1.32473.12.23.4.2.1").RowStatus(5),
        Table(2, "IP-MAC Binding DHCP Snoop Table", "BindingDHCPSnoopTable1Click", tbl::BindingDHCPSnoopTable1, "IP-MAC Binding DHCP Snoop Table", A, "1.3.6.1.4.1.32473.12.23.4.3.1"),
      Menu(1, "DOS Prevention", "DOSPrevention1"),
        Scalar(2, "DOS Prevention Management", "DOSPreventionControl1Click", tbl::DOSPreventionControl1, "DOS Prevention Management: ", B, "1.3.6.1.4.1.32473.12.59.1"),
        Table(2, "DOS Prevertion Control Table", "DOSPrevertionControlTable1Click", tbl::DOSPrevertionControlTable1, "DOS Prevertion Control Table", A, "1.3.6.1.4.1.32473.12.59.1.3.1"),

    // ---- menu "Layer 2 Management"
    Menu(0, "Layer 2 Management", "Layer2Management2"),
      Scalar(1, "Device Control", "DeviceControl2Click", tbl::DeviceControl2, "Layer 2 Device Control", A, "1.3.6.1.4.1.32473.11.63.8.2.1.2").Constraints(kDeviceControl2),
      Menu(1, "Port Management", "PortManagement1"),
        Table(2, "Port Information Table", "PortInformation1Click", tbl::PortInformation1, "Port Information Table", A, "1.3.6.1.4.1.32473.11.63.8.2.2.1.1"),
        Table(2, "Port Control Table", "PortControl1Click", tbl::PortControl1, "Port Control Table", A, "1.3.6.1.4.1.32473.11.63.8.2.2.2.1"),
        Table(2, "Error Port Table", "PortErrorTable1Click", tbl::PortErrorTable1, "Error Port Table: ", B, "1.3.6.1.4.1.32473.11.63.8.2.2.3.1"),
        Menu(2, "Port Security Table", "PortSecurityTable1"),
          Scalar(3, "Port Security Trap Log State", "PortSecurityTrapLogState1Click", tbl::PortSecurityTrapLogState1, "Port Security Trap Log State: ", B, "1.3.6.1.4.1.32473.11.63.8.2.15"),
          Dedicated(3, "Port Security Delete Table", "PortSecurityDeleteTable1Click", "Port Security Delete: ", B),
          Table(3, "Port Security Control", "PortSecurityControl1Click", tbl::PortSecurityControl1, "Port Security Control: ", B, "1.3.6.1.4.1.32473.11.63.8.2.15.1.1"),
        Scalar(2, "Trunk Basic Information", "TrunkBasicInformation1Click", tbl::TrunkBasicInformation1, "Trunk Information", A, "1.3.6.1.4.1.32473.11.63.8.2.4"),
        Dedicated(2, "Port Trunk Table", "PortTrunk2Click", "Port Trunk: ", B),
        Table(2, "Trunk LACP Port Table", "TrunkLACPPortTable1Click", tbl::TrunkLACPPortTable1, "Trunk LACP Port Table", A, "1.3.6.1.4.1.32473.11.63.8.2.4.5.1"),
        Table(2, "Trunk VLAN Table", "TrunkVLANTable1Click", tbl::TrunkVLANTable1, "Trunk VLAN Table", A, "1.3.6.1.4.1.32473.11.63.8.2.4.6.1"),
        Dedicated(2, "Port Mirror Table", "PortMirrorTable1Click", "Port Mirror: ", B),
      Menu(1, "QoS Management", "QoSManagement1"),
        Scalar(2, "QoS Scheduling Mechanism Control", "QoSSchedulingMechanismControl1Click", tbl::QoSSchedulingMechanismControl1, "QoS Scheduling Mechanism Control: ", B, "1.3.6.1.4.1.32473.11.63.8.2.3"),
        Table(2, "Bandwidth Control Table", "BandwidthControlTable1Click", tbl::BandwidthControlTable1, "Bandwidth Control Table", A, "1.3.6.1.4.1.32473.11.63.8.2.3.1.1"),
        Table(2, "Scheduling Table", "SchedulingTable1Click", tbl::SchedulingTable1, "Scheduling Table", A, "1.3.6.1.4.1.32473.11.63.8.2.3.2.1"),
        Table(2, "802.1p User Priority Table", "N8021pUserPriorityTable1Click", tbl::N8021pUserPriorityTable1, "802.1p User Priority Table", A, "1.3.6.1.4.1.32473.11.63.8.2.3.3.1"),
        Table(2, "802.1p Default Priority Table", "N8021pDefaultPriorityTable1Click", tbl::N8021pDefaultPriorityTable1, "802.1p Default Priority Table", A, "1.3.6.1.4.1.32473.11.63.8.2.3.4.1"),
      Menu(1, "IGMP Snooping Management", "IGMPSnoopingManagement1"),
        Scalar(2, "IGMP General Information", "IGMPGeneral1Click", tbl::IGMPGeneral1, "IGMP Management Information", A, "1.3.6.1.4.1.32473.11.63.8.2.7"),
        Table(2, "IGMP Control Table", "IGMPControlTable1Click", tbl::IGMPControlTable1, "IGMP Control", A, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1").Constraints(kIGMPControlTable1),
        Table(2, "IGMP Query Information", "IGMPQuery1Click", tbl::IGMPQuery1, "IGMP Query Information", A, "1.3.6.1.4.1.32473.11.63.8.2.7.4.1"),
        Table(2, "IGMP Information ", "IGMPInformation1Click", tbl::IGMPInformation1, "IGMP Information", A, "1.3.6.1.4.1.32473.11.63.8.2.7.5.1"),
        Dedicated(2, "IGMP Router Port", "IGMPRouterPort1Click", "IGMP Router Ports: ", B),
        Table(2, "IGMP Access Authentication Table", "IGMPAccessAuthenticationTable1Click", tbl::IGMPAccessAuthenticationTable1, "IGMP Access Authentication Table", A, "1.3.6.1.4.1.32473.11.63.8.2.7.7.1"),
        Dedicated(2, "IGMP Multicast VLAN Table", "IGMPMulticastVLANTable1Click", "IGMP Multicast VLAN Table: ", B),
        Dedicated(2, "IGMP Multicast VLAN Group", "IGMPMulticastVLANGroup1Click", "IGMP Multicast VLAN Group: ", B),
        Table(2, "IGMP Snooping Group Table", "IGMPSnoopingGroupTable1Click", tbl::IGMPSnoopingGroupTable1, "IGMP Snooping Group Table", A, "1.3.6.1.4.1.32473.11.63.8.2.7.11.1"),
        Scalar(2, "IGMP Dynamic IP Multicast Max Entry", "IGMPDynIPMultMaxEntry1Click", tbl::IGMPDynIPMultMaxEntry1, "IGMP Dynamic IP Multicast Max Entry: ", B, "1.3.6.1.4.1.32473.11.63.8.2.7.12").Constraints(kIGMPDynIPMultMaxEntry1),
        Dedicated(2, "IGMP Snooping Clear Dynamic IP Multicast", "IGMPSnoopingClearDynamicIPMulticastTable1Click", "IGMP Snooping Clear Dynamic IP Multicast: ", B),
      Menu(1, "DHCP Relay", "DHCPRelay1"),
        Scalar(2, "DHCP Relay Management", "Management1Click", tbl::Management1, "DHCP Relay Management", A, "1.3.6.1.4.1.32473.12.42.1;1.3.6.1.4.1.32473.12.42.3.2").Constraints(kManagement1),
        Dedicated(2, "DHCP Relay Control", "Control1Click", "DHCP Relay Control: ", B),
        Scalar(2, "DHCP Local Relay State", "DHCPLocalRelayState1Click", tbl::DHCPLocalRelayState1, "DHCP Local Relay State: ", B, "1.3.6.1.4.1.32473.11.63.8.2.24"),
        Table(2, "DHCP Local Relay VLAN Table", "DHCPLocalRelayVLANTable1Click", tbl::DHCPLocalRelayVLANTable1, "DHCP Local Relay VLAN Table ", A, "1.3.6.1.4.1.32473.11.63.8.2.24.2.1").FormChosen(),
      Menu(1, "CoS Management", "CoSManagement1"),
        Table(2, "CoS Priority Table", "CoSPriorityTable1Click", tbl::CoSPriorityTable1, "CoS Priority Table: ", B, "1.3.6.1.4.1.32473.11.63.8.2.17.3.1.1"),
        Table(2, "CoS Port PRI Table", "CoSPortPRITable1Click", tbl::CoSPortPRITable1, "CoS Port PRI Table: ", B, "1.3.6.1.4.1.32473.11.63.8.2.17.3.2.1"),
        Table(2, "CoS MAC_Base PRI Table", "CosSMacBasePRITable1Click", tbl::CosSMacBasePRITable1, "CoS MAC_Base PRI Table: ", B, "1.3.6.1.4.1.32473.11.63.8.2.17.3.3.1"),
        Table(2, "CoS ToS PRI Table", "CoSToSPRITable1Click", tbl::CoSToSPRITable1, "CoS ToS PRI Table: ", B, "1.3.6.1.4.1.32473.11.63.8.2.17.3.4.1"),
        Table(2, "CoS DSCP PRI Table", "CoSDHCPPRITable1Click", tbl::CoSDHCPPRITable1, "CoS DSCP PRI Table: ", B, "1.3.6.1.4.1.32473.11.63.8.2.17.3.5.1"),
      Menu(1, "Multicast Filter", "MulticastFilter1"),
        Table(2, "Multicast Filter Table", "MulticastFilterTable1Click", tbl::MulticastFilterTable1, "Multicast Filter Table ", A, "1.3.6.1.4.1.32473.11.63.8.2.22.2.1").FormChosen().RowStatus(4),
        Table(2, "Multicast Filter Port Information Table", "MulticastFilterPortInformationTable1Click", tbl::MulticastFilterPortInformationTable1, "Multicast Filter Port Information Table", A, "1.3.6.1.4.1.32473.11.63.8.2.22.5.1"),
        Table(2, "Multicast Filter Port Table", "MulticastFilterPortTable1Click", tbl::MulticastFilterPortTable1, "Multicast Filter Port Table: ", B, "1.3.6.1.4.1.32473.11.63.8.2.22.3.1").FormChosen(),
        Table(2, "Multicast Filter Port Max Group Table", "MulticastFilterPortMaxGroupTable1Click", tbl::MulticastFilterPortMaxGroupTable1, "Multicast Filter Port Max Group Table", A, "1.3.6.1.4.1.32473.11.63.8.2.22.4.1").FormChosen(),
      Dedicated(1, "Traffic Segmentation Table ", "TrafficSegmentationTable1Click", "Traffic Segmentation Table: ", B),
      Menu(1, "Packet Storm Management", "PacketStormManagement1"),
        Scalar(2, "Packet Storm Control", "PacketStormControl1Click", tbl::PacketStormControl1, "Packet Storm Control", C, "1.3.6.1.4.1.32473.12.25.1"),
        Table(2, "Packet Storm Control Table", "PacketStormControlTable1Click", tbl::PacketStormControlTable1, "Packet Storm Control Table", A, "1.3.6.1.4.1.32473.12.25.3.1.1"),
      Menu(1, "Access Control Information", "AccessControlInformation1"),
        Scalar(2, "ACL Mask Delete All State", "ACLMaskDeleteAllState1Click", tbl::ACLMaskDeleteAllState1, "ACL Mask Delete All State: ", B, "1.3.6.1.4.1.32473.12.9.2"),
        Dedicated(2, "Ethernet Mask ", "EthernetMask1Click", "Ethernet Mask : ", B),
        Dedicated(2, "Ethernet Rule", "RuleOfEthernetInformation1Click", "Ethernet Rule: ", B),
        Dedicated(2, "IP Mask", "IPMaskInformation1Click", "IP Mask : ", B),
        Dedicated(2, "IP Rule", "IPRule1Click", "IP Rule: ", B),
        Dedicated(2, "Packet Content Mask", "PayloadMaskInformation1Click", "Packet Content Mask: ", B),
        Dedicated(2, "Packet Content Rule", "PayloadRule1Click", "Packet Content Rule: ", B),
      Menu(1, "CPU Filter", "CPUFilter1"),
        Scalar(2, "CPU Filter Control", "CPUFilterControl1Click", tbl::CPUFilterControl1, "CPU Filtering Control", C, "1.3.6.1.4.1.32473.12.9.1"),
        Dedicated(2, "Ethernet Mask (CPU Filter)", "EthernetMaskCPUFilter1Click", "Ethernet Mask (CPU Filter): ", B),
        Dedicated(2, "Ethernet Rule (CPU Filter)", "EthernetRuleCPUFilter1Click", "Ethernet Rule (CPU Filter):: ", B),
        Dedicated(2, "IP Mask (CPU Filter)", "IPMaskCPUFilter1Click", "IP Mask (CPU Filter): ", B),
        Dedicated(2, "IP Rule (CPU Filter)", "IPRuleCPUFilter1Click", "IP Rule (CPU Filter): ", B),
        Dedicated(2, "Packet Content Mask (CPU Filter)", "PacketContentMaskCPUFilter1Click", "User Mask Information(CPU Filter): ", B),
        Dedicated(2, "Packet Content Rule (CPU Filter)", "PacketContentRuleCPUFilter1Click", "Packet Content Rule (CPU Filter): ", B),
      Menu(1, "Time Range", "TimeRange1"),
        Dedicated(2, "Time Range Management", "TimeRangeManagement1Click", "Time Range: ", B),
        Table(2, "Time Range ACL Table", "TimeRangeACLTable1Click", tbl::TimeRangeACLTable1, "Time Range ACL Table", A, "1.3.6.1.4.1.32473.12.50.3.2.1"),
        Table(2, "Time Range CPU ACL Table", "TimeRangeCPUACLTable1Click", tbl::TimeRangeCPUACLTable1, "Time Range CPU ACL Table", A, "1.3.6.1.4.1.32473.12.50.3.3.1"),
      Menu(1, "LLDP", "LLDP1"),
        Menu(2, "Configuration", "Configuration3"),
          Scalar(3, "Configuration Information", "ConfigurationInformation1Click", tbl::ConfigurationInformation1, "LLDP Basic Configuration: ", B, "1.0.8802.1.1.2.1.1").Constraints(kConfigurationInformation1),
          Dedicated(3, "Port Configuration", "PortConfiguration1Click", "Port Configuration Table: ", B),
          Table(3, "Address Configuration", "AddressConfiguration1Click", tbl::AddressConfiguration1, "Configuration Management Address Table: ", B, "1.0.8802.1.1.2.1.1.7.1").Constraints(kAddressConfiguration1).PortGrid(2),
        Menu(2, "LLDP Statistics", "LLDPStatistics1"),
          // A scalar group shown through the table editor.
          Table(3, "Statistics Information", "StatisticsInformation1Click", tbl::StatisticsInformation1, "Statistics Information ", A, "1.0.8802.1.1.2.1.2"),
          Table(3, "TX Port Table", "TxPortTable1Click", tbl::TxPortTable1, "TX Port Table ", A, "1.0.8802.1.1.2.1.2.6.1"),
          Table(3, "RX Port Table", "RxPortTable1Click", tbl::RxPortTable1, "RX Port Table ", A, "1.0.8802.1.1.2.1.2.7.1"),
        Menu(2, "LLDP System Data", "LLDPSystemData1"),
          Dedicated(3, "System Data", "SystemData1Click", "Local System Data: ", B),
          Table(3, "Port Table", "PortTable4Click", tbl::PortTable4, "Port Table", A, "1.0.8802.1.1.2.1.3.7.1"),
          Table(3, "Management Address Table", "ManagementAddressTable1Click", tbl::ManagementAddressTable1, "Management Address Table", A, "1.0.8802.1.1.2.1.3.8.1"),
        Menu(2, "Remote System Data", "RemoteSystemData1"),
          Dedicated(3, "Remote Table", "RemoteTable2Click", "LLDP Remote Table: ", B),
          Table(3, "Management Address Table", "ManagementAddressTable2Click", tbl::ManagementAddressTable2, "Management Address Table", A, "1.0.8802.1.1.2.1.4.2.1"),
          Table(3, "Unknown TLV Table", "UnknownTLVTable1Click", tbl::UnknownTLVTable1, "Remote Unknown TLV Table", A, "1.0.8802.1.1.2.1.4.3.1"),
        Menu(2, "LLDP-Dot1", "LLDPDot11"),
          Menu(3, "Configuration", "Configuration4"),
            Table(4, "Port VLAN Table", "PortVLANTable1Click", tbl::PortVLANTable1, "Port VLAN Status: ", B, "1.0.8802.1.1.2.1.5.32962.1.1.1.1").FormChosen(),
            Dedicated(4, "VLAN Name Table", "VLANNameTable1Click", "Configuration VLAN Name Table: ", B),
            Dedicated(4, "Protocol VLAN Table", "ProtocolVLANTable1Click", "Configuration Protocol VLAN  Table: ", B),
            Dedicated(4, "Protocol Table", "ProtocolTable1Click", "Configuration Protocol Table: ", B),
          Menu(3, "Local Data", "LocalData1"),
            Table(4, "Local Data Table", "LocalDataTable1Click", tbl::LocalDataTable1, "Local Port VLAN ID ", A, "1.0.8802.1.1.2.1.5.32962.1.2.1.1"),
            Table(4, "VLAN Name Table", "VLANNameTable2Click", tbl::VLANNameTable2, "Local VLAN Name", A, "1.0.8802.1.1.2.1.5.32962.1.2.3.1"),
            Table(4, "Protocol VLAN Table", "ProtocolTable2Click", tbl::ProtocolTable2, "Local Protocol VLAN Table", A, "1.0.8802.1.1.2.1.5.32962.1.2.2.1"),
            Table(4, "Protocol Table", "ProtocolTable3Click", tbl::ProtocolTable3, "Local Protocol Table", A, "1.0.8802.1.1.2.1.5.32962.1.2.4.1"),
          Menu(3, "Remote Data", "RemoteData1"),
            Table(4, "Remote Data Table", "RemoteDataTable1Click", tbl::RemoteDataTable1, "Remote Port VLAN ID ", A, "1.0.8802.1.1.2.1.5.32962.1.3.1.1"),
            Table(4, "VLAN Name Table", "VLANNameTable3Click", tbl::VLANNameTable3, "Remote VLAN Name", A, "1.0.8802.1.1.2.1.5.32962.1.3.3.1"),
            Table(4, "Protocol VLAN Table", "ProtocolVLANTable2Click", tbl::ProtocolVLANTable2, "Remote Protocol VLAN Table", A, "1.0.8802.1.1.2.1.5.32962.1.3.2.1"),
            Table(4, "Protocol Table", "ProtocolTable4Click", tbl::ProtocolTable4, "Remote Protocol Table", A, "1.0.8802.1.1.2.1.5.32962.1.3.4.1"),
        Menu(2, "LLDP-Dot3", "LLDPDot31"),
          Dedicated(3, "Port Configuration Table", "PortConfigurationTable1Click", "LLDP Dot3 Port Configuration Table: ", B),
          Menu(3, "Local Data Table", "LocalDataTable2"),
            Table(4, "Port Tablle", "PortTablle1Click", tbl::PortTablle1, "Local Port Table", A, "1.0.8802.1.1.2.1.5.4623.1.2.1.1"),
            Table(4, "Power Table", "PowerTable2Click", tbl::PowerTable2, "Local Power Table", A, "1.0.8802.1.1.2.1.5.4623.1.2.2.1"),
            Dedicated(4, "Link Aggregation Table", "LinkAggregationTable1Click", "Local Link Aggregation Table: ", B),
            Table(4, "Max Frame Size Table", "MaxFrameSizeTable1Click", tbl::MaxFrameSizeTable1, "Local Max Frame Size Table", A, "1.0.8802.1.1.2.1.5.4623.1.2.4.1"),
          Menu(3, "Remote Table", "RemoteTable1"),
            Table(4, "Port Table", "PortTable3Click", tbl::PortTable3, "Remote Port Table", A, "1.0.8802.1.1.2.1.5.4623.1.3.1.1"),
            Table(4, "Power Table", "PowerTable3Click", tbl::PowerTable3, "Remote Power Table", A, "1.0.8802.1.1.2.1.5.4623.1.3.2.1"),
            Dedicated(4, "Link Aggregation Table", "LinkAggregationTable2Click", "Remote Link Aggregation Table: ", B),
            Table(4, "Max Frame Size Table", "MaxFrameSizeTable2Click", tbl::MaxFrameSizeTable2, "Remote Max Frame Size Table", A, "1.0.8802.1.1.2.1.5.4623.1.3.4.1"),
      Menu(1, "Loop Detect ", "LoopDetect1"),
        Scalar(2, "Loop Detect Control", "LoopDetectControl1Click", tbl::LoopDetectControl1, "Loop Detect Control: ", B, "1.3.6.1.4.1.32473.11.63.8.2.21.1").Constraints(kLoopDetectControl1),
        Table(2, "Loop Detect Port Table", "LoopDetectPortTable1Click", tbl::LoopDetectPortTable1, "Loop Detect Port Table", A, "1.3.6.1.4.1.32473.11.63.8.2.21.2.1.1"),
      Menu(1, "802.3 ad", "N8023ad1"),
        Table(2, "Aggregator Table", "AggregatorTable1Click", tbl::AggregatorTable1, "Aggregator Table: ", B, "1.3.6.1.4.1.32473.12.4.1.1.1.1"),
        Table(2, "Aggregator Port List", "AggregatorPortList1Click", tbl::AggregatorPortList1, "Aggregator Port List Table: ", B, "1.3.6.1.4.1.32473.12.4.1.1.1.1;1.3.6.1.4.1.32473.12.4.1.1.2.1"),
        Dedicated(2, "Aggregator Port Table", "AggreatorPortTable1Click", "Aggregator Port: ", B),
      Menu(1, "MLD Snooping", "MLDSnooping1"),
        Scalar(2, "MLD Snooping Management", "MLDSnoopingManagement1Click", tbl::MLDSnoopingManagement1, "MLD Snooping Management: ", B, "1.3.6.1.4.1.32473.12.34.1"),
        Table(2, "MLD Snooping Control", "MLDSnoopingControl1Click", tbl::MLDSnoopingControl1, "MLD Snooping Control: ", B, "1.3.6.1.4.1.32473.12.34.3.2.1").Constraints(kMLDSnoopingControl1),
        Dedicated(2, "MLD Snooping Group Information", "MLDSnoopingGroupInformation1Click", "MLD Snooping Group Information: ", B),
        Dedicated(2, "MLD Snooping Router Port", "MLDSnoopingRouterPort1Click", "MLD Snooping Router Ports: ", B),
      Menu(1, " PoE", "PoE1").Hidden(),
        Scalar(2, "PoE System Control", "PoESystemControl1Click", tbl::PoESystemControl1, "PoE System Control: ", B, "1.3.6.1.4.1.32473.12.24.1").Constraints(kPoESystemControl1),
        Scalar(2, "PoE System information", "PoESysteminformation1Click", tbl::PoESysteminformation1, "PoE System information: ", B, "1.3.6.1.4.1.32473.12.24.2"),
        Table(2, "PoE Port Control", "PoEPortControl1Click", tbl::PoEPortControl1, "PoE Port Control: ", B, "1.3.6.1.4.1.32473.12.24.3.1.1").Constraints(kPoEPortControl1),
        Table(2, "PoE Port information", "PoEPortInformation1Click", tbl::PoEPortInformation1, "PoE Port information: ", B, "1.3.6.1.4.1.32473.12.24.4.1.1"),

    // ---- menu "Single IP"
    Menu(0, "Single IP", "SingleIP1"),
      Scalar(1, "Single IP Control", "SingleIPControl1Click", tbl::SingleIPControl1, "Single IP Control: ", B, "1.3.6.1.4.1.32473.12.8.1.2").Constraints(kSingleIPControl1),
      Scalar(1, "My Information", "MyInformation1Click", tbl::MyInformation1, "My Information", A, "1.3.6.1.4.1.32473.12.8.1.1"),
      Dedicated(1, "Member Switch", "MemberSwitch1Click", "Member Switch Information: ", B),
      Table(1, "Candidate Switch", "CandidateSwitch1Click", tbl::CandidateSwitch1, "Single IP Candidate Switch Management : ", B, "1.3.6.1.4.1.32473.12.8.1.4.1"),
      Table(1, "Group Information", "GroupInformation1Click", tbl::GroupInformation1, "Single IP Group Management ", B, "1.3.6.1.4.1.32473.12.8.1.5.1"),
      Table(1, "Neighbor Switch", "NeighborSwitch1Click", tbl::NeighborSwitch1, "Neighbor Switch", C, "1.3.6.1.4.1.32473.12.8.1.6.1"),

    // ---- menu "Help"
    Menu(0, "Help", "Help1"),
      Special(1, "Help", "Help2Click"),
      Dedicated(1, "About", "About1Click"),
};
}  // namespace

std::span<const MenuEntry> MenuCatalogue() { return kCatalogue; }

const MenuEntry* FindMenuEntry(std::string_view handler) {
  if (handler.empty()) return nullptr;
  for (const MenuEntry& e : kCatalogue) {
    if (e.IsCommand() && e.handler == handler) return &e;
  }
  return nullptr;
}

const MenuEntry* FindMenuItem(std::string_view name) {
  if (name.empty()) return nullptr;
  for (const MenuEntry& e : kCatalogue) {
    if (!e.IsSeparator() && e.name == name) return &e;
  }
  return nullptr;
}

const MenuEntry* ParentMenu(const MenuEntry& entry) {
  const MenuEntry* begin = std::begin(kCatalogue);
  const MenuEntry* end = std::end(kCatalogue);
  const MenuEntry* p = &entry;
  if (p < begin || p >= end || entry.level == 0) return nullptr;
  while (p != begin) {
    --p;
    if (p->IsMenu() && p->level == entry.level - 1) return p;
  }
  return nullptr;
}

std::vector<std::string> MenuPath(const MenuEntry& entry) {
  std::vector<std::string> path;
  for (const MenuEntry* m = ParentMenu(entry); m != nullptr; m = ParentMenu(*m)) {
    path.insert(path.begin(), std::string(m->caption));
  }
  return path;
}

std::string BuildCaption(std::string_view title, TitleForm form, std::string_view device) {
  std::string caption(title);
  switch (form) {
    case TitleForm::A:
      caption += " : ";
      break;
    case TitleForm::B:
      break;
    case TitleForm::C:
      caption += ": ";
      break;
    case TitleForm::None:
    case TitleForm::OwnCaption:
      return {};
  }
  caption += device;
  return caption;
}

std::string EntryCaption(const MenuEntry& entry, std::string_view device) {
  if (!entry.IsCommand()) return {};
  return BuildCaption(entry.title, entry.form, device);
}

const KyVarDefTable* FindDefinitionTable(std::string_view name) {
  if (name.empty()) return nullptr;
  for (const KyVarDefTable* t : AllDefinitionTables()) {
    if (t != nullptr && t->name != nullptr && name == t->name) return t;
  }
  return nullptr;
}

const KyVarDefTable* DefinitionTableOf(const MenuEntry& entry) {
  if (!entry.IsGenerated()) return nullptr;
  return entry.definition;
}

std::optional<KySNMPVarList> VarListOf(const MenuEntry& entry) {
  const KyVarDefTable* table = DefinitionTableOf(entry);
  if (table == nullptr) return std::nullopt;
  return KySNMPVarList(*table, entry.kind, entry.keyCount);
}
