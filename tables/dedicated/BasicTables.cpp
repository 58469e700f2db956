// Definition tables of the dedicated dialogs of one area:
// "Basic Configuration": time, system log, SMTP, 802.3 MAC control and PAUSE, update files.
#include "tables/DedicatedTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

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
constexpr KyVarDefRow kSystemLogServer[] = {
    {"1.3.6.1.4.1.32473.12.12.2.1.1", "System Log Server Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.12.2.1.2", "System Log Server IP Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.12.2.1.3", "System Log Server Facility", Integer, RW, &opt::SyslogFacility},
    {"1.3.6.1.4.1.32473.12.12.2.1.4", "System Log Server Severity", Integer, RW, &opt::SyslogSeverity},
    {"1.3.6.1.4.1.32473.12.12.2.1.5", "System Log Server UDP Port", Integer, RW},
    {"1.3.6.1.4.1.32473.12.12.2.1.6", "System Log Server State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.12.2.1.7", "System Log Server Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
constexpr KyVarDefRow kSmtpControl[] = {
    {"1.3.6.1.4.1.32473.12.29.1.1", "SMTP Status", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.29.1.2", "SMTP Server Address", IpAddress, RW},
    {"1.3.6.1.4.1.32473.12.29.1.3", "SMTP Server Port", Integer, RW},
    {"1.3.6.1.4.1.32473.12.29.1.4", "SMTP Self Mail Address", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.29.1.5", "SMTP Test Messsage Subject", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.29.1.6", "SMTP Test Message Content", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.29.1.7", "SMTP Send Test Message", Integer, RW, &opt::SmtpSendTest},
};
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
}  // namespace

const KyVarDefTable NetworkTime{"NetworkTime", 0, 0, kNetworkTime};
const KyVarDefTable SummerTimeStatus{"SummerTimeStatus", 0, 0, kSummerTimeStatus};
const KyVarDefTable SummerTimeRepeat{"SummerTimeRepeat", 0, 0, kSummerTimeRepeat};
const KyVarDefTable SummerTimeAnnual{"SummerTimeAnnual", 0, 0, kSummerTimeAnnual};
const KyVarDefTable SystemLogServer{"SystemLogServer", 3, 1, kSystemLogServer};
const KyVarDefTable SmtpControl{"SmtpControl", 0, 0, kSmtpControl};
const KyVarDefTable Dot3ControlPorts{"Dot3ControlPorts", 2, 1, kDot3ControlPorts};
const KyVarDefTable Dot3ControlCounters{"Dot3ControlCounters", 1, 0, kDot3ControlCounters};
const KyVarDefTable Dot3PausePorts{"Dot3PausePorts", 2, 1, kDot3PausePorts};
const KyVarDefTable Dot3PauseCounters{"Dot3PauseCounters", 1, 0, kDot3PauseCounters};
const KyVarDefTable UpdateFiles{"UpdateFiles", 3, 1, kUpdateFiles};

namespace {
// The area's tables, in the order its dialogs use them.
const KyVarDefTable* const kAreaTables[] = {
    &NetworkTime,
    &SummerTimeStatus,
    &SummerTimeRepeat,
    &SummerTimeAnnual,
    &SystemLogServer,
    &SmtpControl,
    &Dot3ControlPorts,
    &Dot3ControlCounters,
    &Dot3PausePorts,
    &Dot3PauseCounters,
    &UpdateFiles,
};
}  // namespace
const std::span<const KyVarDefTable* const> area::kBasic{kAreaTables};
}  // namespace tbl
