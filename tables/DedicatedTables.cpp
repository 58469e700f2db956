// Definition tables of the dedicated dialogs, grouped by the dialog's menu.
#include "tables/DefTables.h"
#include "tables/OptionTables.h"

namespace tbl {
namespace {
using namespace Syntax;
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
}  // namespace

const KyVarDefTable NetworkTime{"NetworkTime", 0, 0, kNetworkTime};
const KyVarDefTable SummerTimeStatus{"SummerTimeStatus", 0, 0, kSummerTimeStatus};
const KyVarDefTable SummerTimeRepeat{"SummerTimeRepeat", 0, 0, kSummerTimeRepeat};
const KyVarDefTable SummerTimeAnnual{"SummerTimeAnnual", 0, 0, kSummerTimeAnnual};
const KyVarDefTable SystemLogServer{"SystemLogServer", 3, 1, kSystemLogServer};
const KyVarDefTable SmtpControl{"SmtpControl", 0, 0, kSmtpControl};
const KyVarDefTable TimeRange{"TimeRange", 3, 1, kTimeRange};
}  // namespace tbl
