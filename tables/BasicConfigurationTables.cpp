// Definition tables of the "Basic Configuration" menu, one per generated command, in menu order.
#include "tables/DefTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

// "Basic Information": scalar group.
// Column .2 of this group is the MIB capability table.
constexpr KyVarDefRow kBasicInfo1[] = {
    {"1.3.6.1.4.1.32473.12.1.1.1", "Protocol Capability", Bits, RO},
    {"1.3.6.1.4.1.32473.12.1.1.3", "Console In Use", Integer, RO, &opt::ConsoleInUse},
    {"1.3.6.1.4.1.32473.12.1.1.4", "Dual Image Status", Integer, RO, &opt::SupportedNotSupported},
    {"1.3.6.1.4.1.32473.12.1.1.5", "Serial Number", DisplayString, RO},
};

// "MIB Capabilities": table, 1 index column.
constexpr KyVarDefRow kMibCapabilities1[] = {
    {"1.3.6.1.4.1.32473.12.1.1.2.1.1", "Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.2", "Description", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.3", "Version", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.4", "Type", Integer, RO, &opt::MibType},
};

// "Basic Management": scalar group.
// .1 is the update-file table; .3 is the system reset that "Reboot" also writes.
constexpr KyVarDefRow kBasicConfigure1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.2", "RS232 Port", Integer, RW, &opt::Rs232PortMode},
    {"1.3.6.1.4.1.32473.12.1.2.3", "System Reset", Integer, RW, &opt::WarmStartNoReset},
    {"1.3.6.1.4.1.32473.12.1.2.4", "Save", Integer, RW, &opt::SaveConfig},
    {"1.3.6.1.4.1.32473.12.1.3.1", "Get IP From", Integer, RW, &opt::IpAddressSource},
};

// "CPU Utilization": scalar group.
constexpr KyVarDefRow kCpuUtilization1[] = {
    {"1.3.6.1.4.1.32473.12.1.1.6.1", "CPU Utilization In 5sec", Integer, RO},
    {"1.3.6.1.4.1.32473.12.1.1.6.2", "CPU Utilization In 1min", Integer, RO},
    {"1.3.6.1.4.1.32473.12.1.1.6.3", "CPU Utilization In 5min", Integer, RO},
};

// "DRAM Utilization": table, 1 index column.
constexpr KyVarDefRow kDRAMUtilization1[] = {
    {"1.3.6.1.4.1.32473.12.1.1.9.1.1", "Unit ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.1.1.9.1.2", "Total DRAM", Integer, RO},
    {"1.3.6.1.4.1.32473.12.1.1.9.1.3", "UsedD RAM", Integer, RO},
    {"1.3.6.1.4.1.32473.12.1.1.9.1.4", "Utilization", Integer, RO},
};

// "Port Utilization": table, 1 index column.
constexpr KyVarDefRow kPortUtilization1[] = {
    {"1.3.6.1.4.1.32473.12.1.1.8.1.1", "Port Utilization Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.2", "Port Utilization TX", Integer, RO},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.3", "Port Utilization RX", Integer, RO},
    {"1.3.6.1.4.1.32473.12.1.1.8.1.4", "Port Utilization Util", Integer, RO},
};

// "Multiple Image Management": table, 1 index column.
constexpr KyVarDefRow kMultipleimagemanagement1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.7.1.1", "Multiple Image Information ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.2", "Multiple Image Version", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.3", "Multiple Image Size", Integer, RO},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.4", "Multiple Image Update Time", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.5", "Multiple Image From", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.6", "Multiple Image Send User", DisplayString, RO},
};

// "Console Mode Control": scalar group.
constexpr KyVarDefRow kConsoleModeControl1[] = {
    {"1.3.6.1.4.1.32473.12.1.5.1", "Data Bits", Integer, RO},
    {"1.3.6.1.4.1.32473.12.1.5.2", "Stop Bits", Integer, RO},
    {"1.3.6.1.4.1.32473.12.1.5.3", "Parity", Integer, RO, &opt::ConsoleParity},
    {"1.3.6.1.4.1.32473.12.1.5.4", "Baud Rate", Integer, RW, &opt::ConsoleBaudRate},
    {"1.3.6.1.4.1.32473.12.1.5.5", "Logout Time", Integer, RW, &opt::ConsoleLogoutTime},
};

// "ARP Clear All State": scalar group.
constexpr KyVarDefRow kARPClearAllState1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.1", "ARP Clear All State", Integer, RW, &opt::NormalActive},
};

// "Gratuitous ARP Management Infomation": scalar group.
constexpr KyVarDefRow kGratuitousARPManagementInfomation1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.2.1", "Send Ipif Status UpState", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.2", "Send DupIp Detected State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.3", "Learning State", Integer, RW, &opt::EnabledDisabled12},
};

// "Gratuitous ARP Table": table, 1 index column.
constexpr KyVarDefRow kGratuitousARPTable1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.1", "Interface Name", DisplayString, K},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.2", "Periodical Send Interval", Integer, RW},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.3", "Trap State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.1.2.12.2.4.1.4", "Log State", Integer, RW, &opt::EnabledDisabled12},
};

// "FDB Clear All State": scalar group.
constexpr KyVarDefRow kFDBClearAllState1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.11.1", "FDB Clear All State", Integer, RW, &opt::NormalActive},
};

// "Trust Host Table": table, 1 index column, rows created and destroyed through row 3.
constexpr KyVarDefRow kTrustHostTable1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.1", "Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.2", "IP Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.3", "Subnet Mask", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.1.2.10.1.1.4", "Row Status", Integer, RW, &opt::RowStatus},
};

// "Delete All State": scalar group.
constexpr KyVarDefRow kDeleteAllState1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.10.2", "Trust Host Delete All", Integer, RW, &opt::NormalActive},
};

// "Current Time": scalar group.
constexpr KyVarDefRow kTime1[] = {
    {"1.3.6.1.4.1.32473.12.10.1", "Time Capacity", Bits, RO},
    {"1.3.6.1.4.1.32473.12.10.2", "Current Clock(Example 1992-5-26,13:30:15.0)", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.10.3", "Clock Reset On Reboot", Integer, RW, &opt::TrueFalse},
};

// "System Time": scalar group.
constexpr KyVarDefRow kCurrentTime1[] = {
    {"1.3.6.1.4.1.32473.12.10.3", "Clock Reset On Reboot", Integer, RW, &opt::TrueFalse},
    {"1.3.6.1.4.1.32473.12.10.10.1", "Current Time", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.10.10.2", "System Up Time", TimeTicks, RO},
    {"1.3.6.1.4.1.32473.12.10.10.3", "System Boot Time", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.10.10.4", "System Time Zone [ -779..839]", Integer, RW},
};

// "System Log Management": scalar group.
constexpr KyVarDefRow kSystemLogState1[] = {
    {"1.3.6.1.4.1.32473.12.12.1", "System Log Control State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.12.3.1", "Log Save Method", Integer, RW, &opt::LogSaveMethod},
    {"1.3.6.1.4.1.32473.12.12.3.2", "Log Save Time Interval", Integer, RW},
    {"1.3.6.1.4.1.32473.12.12.4.1", "System Log Control Clear Log", Integer, RW, &opt::NormalActive},
};

// "SMTP Information Table": scalar group.
constexpr KyVarDefRow kSMTPInformationTable1[] = {
    {"1.3.6.1.4.1.32473.12.29.2.1", "SMTP Send Test Status", Integer, RW, &opt::NormalActive},
};

// "SMTP Mail Receiver Table": table, 1 index column, rows created and destroyed through row 2.
constexpr KyVarDefRow kSMTPMailReceiverTable1[] = {
    {"1.3.6.1.4.1.32473.12.29.3.1.1.1", "SMTP Mail Receiver Address Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.29.3.1.1.2", "SMTP Mail Receiver Address", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.29.3.1.1.3", "SMTP Mail Receiver Address State", Integer, RW, &opt::RowStatus},
};

// "Cable Diagnostics": table, 1 index column.
constexpr KyVarDefRow kCableDiagnostics1[] = {
    {"1.3.6.1.4.1.32473.12.58.1.1.1.1", "Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.2", "Port Type", Integer, RO, &opt::CablePortType},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.3", "LinkS tatus", Integer, RO, &opt::LinkUpDown},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.4", "Pair1 Status", Integer, RO, &opt::CablePairStatus},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.5", "Pair2 Status", Integer, RO, &opt::CablePairStatus},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.6", "Pair3 Status", Integer, RO, &opt::CablePairStatus},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.7", "Pair4 Status", Integer, RO, &opt::CablePairStatus},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.8", "Pair1 Length", Integer, RO},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.9", "Pair2 Length", Integer, RO},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.10", "Pair3 Length", Integer, RO},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.11", "Pair4 Length", Integer, RO},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.12", "Action", Integer, RW, &opt::CableTestAction},
    {"1.3.6.1.4.1.32473.12.58.1.1.1.13", "Status", Integer, RO, &opt::CableTestStatus},
};

// "IfX Table": table, 1 index column.
// The ifTable's interface index, then the ifXTable columns.
constexpr KyVarDefRow kIFXTable1[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", Integer, K},
    {"1.3.6.1.2.1.31.1.1.1.1", "Name", DisplayString, RO},
    {"1.3.6.1.2.1.31.1.1.1.2", "Multicast Packets Received", Counter32, RO},
    {"1.3.6.1.2.1.31.1.1.1.3", "Broadcast Packets Received", Counter32, RO},
    {"1.3.6.1.2.1.31.1.1.1.4", "Multicast Packets Sended", Counter32, RO},
    {"1.3.6.1.2.1.31.1.1.1.5", "Broadcast Packets Sended", Counter32, RO},
    {"1.3.6.1.2.1.31.1.1.1.6", "Octets Received", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.7", "Unicast Packets Received", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.8", "Multicast Packets Received", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.9", "Broadcast Packets Received", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.10", "Octets Sended", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.11", "Unicast Packets Sended", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.12", "Multicast Packets Sended", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.13", "Broadcast Packets Sended", Counter64, RO},
    {"1.3.6.1.2.1.31.1.1.1.14", "Link Up Down Trap State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.2.1.31.1.1.1.15", "High Speed", Gauge32, RO},
    {"1.3.6.1.2.1.31.1.1.1.16", "Promiscuous Mode", Integer, RW, &opt::TrueFalse},
    {"1.3.6.1.2.1.31.1.1.1.17", "Connector Present", Integer, RO, &opt::TrueFalse},
    {"1.3.6.1.2.1.31.1.1.1.18", "Alias", DisplayString, RW},
    {"1.3.6.1.2.1.31.1.1.1.19", "Discontinuity Time Count", TimeTicks, RO},
};

// "Ping Max Concurrent Requests": scalar group.
constexpr KyVarDefRow kMaxConcurrentRequests1[] = {
    {"1.3.6.1.2.1.80.1.1", "Max Concurrent Requests", Gauge32, RW},
};

// "Ping Control Table": table, 2 index columns, rows created and destroyed through row 6.
constexpr KyVarDefRow kPingControlTable1[] = {
    {"1.3.6.1.2.1.80.1.2.1.1", "Owner Index", DisplayString, K},
    {"1.3.6.1.2.1.80.1.2.1.2", "Test Name", DisplayString, K},
    {"1.3.6.1.2.1.80.1.2.1.4", "Target Address", OctetString, RW},
    {"1.3.6.1.2.1.80.1.2.1.6", "Time Out", Gauge32, RW},
    {"1.3.6.1.2.1.80.1.2.1.7", "Probe Count", Gauge32, RW},
    {"1.3.6.1.2.1.80.1.2.1.8", "Admin Status", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.2.1.80.1.2.1.23", "Row Status", Integer, RW, &opt::RowStatus},
};

// "Ping Results Table": table, 2 index columns.
// Owner and test name come from the instance suffix (the control table's index).
constexpr KyVarDefRow kPingResultsTable1[] = {
    {" ", "Owner Index", DisplayString, K},
    {" ", "Test Name", DisplayString, K},
    {"1.3.6.1.2.1.80.1.3.1.1", "Operational Status", Integer, RO, &opt::EnabledDisabledCompleted},
    {"1.3.6.1.2.1.80.1.3.1.2", "IP Target Address Type", Integer, RO, &opt::InetAddressType},
    {"1.3.6.1.2.1.80.1.3.1.3", "IP Target Address", OctetString, RO},
    {"1.3.6.1.2.1.80.1.3.1.4", "Min RTT", Gauge32, RO},
    {"1.3.6.1.2.1.80.1.3.1.5", "Max RTT", Gauge32, RO},
    {"1.3.6.1.2.1.80.1.3.1.6", "Average Rtt", Gauge32, RO},
    {"1.3.6.1.2.1.80.1.3.1.7", "Probe Responses", Gauge32, RO},
    {"1.3.6.1.2.1.80.1.3.1.8", "Sent Probes", Gauge32, RO},
    {"1.3.6.1.2.1.80.1.3.1.9", "RTT Sum Of Squares", Gauge32, RO},
    {"1.3.6.1.2.1.80.1.3.1.10", "Last Good Probe", DateAndTime, RO},
};

// "Trace Route Max Concurrent Requests": scalar group.
constexpr KyVarDefRow kMaxConcurrentRequests2[] = {
    {"1.3.6.1.2.1.81.1.1", "Max Concurrent Requests", Gauge32, RW},
};

// "Trace Route Control Table": table, 2 index columns, rows created and destroyed through row 8.
constexpr KyVarDefRow kTrouceControlTable1[] = {
    {"1.3.6.1.2.1.81.1.2.1.1", "Owner Index", DisplayString, K},
    {"1.3.6.1.2.1.81.1.2.1.2", "Test Name", DisplayString, K},
    {"1.3.6.1.2.1.81.1.2.1.4", "Target Address", OctetString, RW},
    {"1.3.6.1.2.1.81.1.2.1.7", "Time Out", Gauge32, RW},
    {"1.3.6.1.2.1.81.1.2.1.8", "Probes Per Hop", Gauge32, RW},
    {"1.3.6.1.2.1.81.1.2.1.9", "Port", Gauge32, RW},
    {"1.3.6.1.2.1.81.1.2.1.10", "Max TTL", Gauge32, RW},
    {"1.3.6.1.2.1.81.1.2.1.21", "Admin Status", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.2.1.81.1.2.1.27", "Row Status", Integer, RW, &opt::RowStatus},
};

// "Trace Route Result Table": table, 2 index columns.
// Owner and test name come from the instance suffix (the control table's index).
constexpr KyVarDefRow kTraceRouteResultTable1[] = {
    {" ", "Owner Index", DisplayString, K},
    {" ", "Test Name", DisplayString, K},
    {"1.3.6.1.2.1.81.1.3.1.1", "Operational Status", Integer, RO, &opt::EnabledDisabledCompleted},
    {"1.3.6.1.2.1.81.1.3.1.2", "Current Hop Count", Gauge32, RO},
    {"1.3.6.1.2.1.81.1.3.1.3", "Current Probe Count", Gauge32, RO},
    {"1.3.6.1.2.1.81.1.3.1.4", "IP Target Address Type", Integer, RO, &opt::InetAddressType},
    {"1.3.6.1.2.1.81.1.3.1.5", "IP Target Address", OctetString, RO},
    {"1.3.6.1.2.1.81.1.3.1.6", "Test Attempts", Gauge32, RO},
    {"1.3.6.1.2.1.81.1.3.1.7", "Test Successes", Gauge32, RO},
    {"1.3.6.1.2.1.81.1.3.1.8", "Last Good Path", DateAndTime, RO},
};

// "Save Changes": scalar group.
// The "Save" of "Basic Management".
constexpr KyVarDefRow kSaveChanges1[] = {
    {"1.3.6.1.4.1.32473.12.1.2.4", "Save", Integer, RW, &opt::SaveConfig},
};
}  // namespace

const KyVarDefTable BasicInfo1{"BasicInfo1", 0, 0, kBasicInfo1};
const KyVarDefTable MibCapabilities1{"MibCapabilities1", 2, 1, kMibCapabilities1};
const KyVarDefTable BasicConfigure1{"BasicConfigure1", 0, 0, kBasicConfigure1};
const KyVarDefTable CpuUtilization1{"CpuUtilization1", 0, 0, kCpuUtilization1};
const KyVarDefTable DRAMUtilization1{"DRAMUtilization1", 2, 1, kDRAMUtilization1};
const KyVarDefTable PortUtilization1{"PortUtilization1", 2, 1, kPortUtilization1};
const KyVarDefTable Multipleimagemanagement1{"Multipleimagemanagement1", 3, 1, kMultipleimagemanagement1};
const KyVarDefTable ConsoleModeControl1{"ConsoleModeControl1", 0, 0, kConsoleModeControl1};
const KyVarDefTable ARPClearAllState1{"ARPClearAllState1", 0, 0, kARPClearAllState1};
const KyVarDefTable GratuitousARPManagementInfomation1{"GratuitousARPManagementInfomation1", 0, 0,
                                                       kGratuitousARPManagementInfomation1};
const KyVarDefTable GratuitousARPTable1{"GratuitousARPTable1", 3, 1, kGratuitousARPTable1};
const KyVarDefTable FDBClearAllState1{"FDBClearAllState1", 0, 0, kFDBClearAllState1};
const KyVarDefTable TrustHostTable1{"TrustHostTable1", 3, 1, kTrustHostTable1};
const KyVarDefTable DeleteAllState1{"DeleteAllState1", 0, 0, kDeleteAllState1};
const KyVarDefTable Time1{"Time1", 0, 0, kTime1};
const KyVarDefTable CurrentTime1{"CurrentTime1", 0, 0, kCurrentTime1};
const KyVarDefTable SystemLogState1{"SystemLogState1", 0, 0, kSystemLogState1};
const KyVarDefTable SMTPInformationTable1{"SMTPInformationTable1", 0, 0, kSMTPInformationTable1};
const KyVarDefTable SMTPMailReceiverTable1{"SMTPMailReceiverTable1", 3, 1, kSMTPMailReceiverTable1};
const KyVarDefTable CableDiagnostics1{"CableDiagnostics1", 2, 1, kCableDiagnostics1};
const KyVarDefTable IFXTable1{"IFXTable1", 3, 1, kIFXTable1};
const KyVarDefTable MaxConcurrentRequests1{"MaxConcurrentRequests1", 0, 0, kMaxConcurrentRequests1};
const KyVarDefTable PingControlTable1{"PingControlTable1", 3, 2, kPingControlTable1};
const KyVarDefTable PingResultsTable1{"PingResultsTable1", 3, 2, kPingResultsTable1};
const KyVarDefTable MaxConcurrentRequests2{"MaxConcurrentRequests2", 0, 0, kMaxConcurrentRequests2};
const KyVarDefTable TrouceControlTable1{"TrouceControlTable1", 3, 2, kTrouceControlTable1};
const KyVarDefTable TraceRouteResultTable1{"TraceRouteResultTable1", 3, 2, kTraceRouteResultTable1};
const KyVarDefTable SaveChanges1{"SaveChanges1", 0, 0, kSaveChanges1};
}  // namespace tbl
