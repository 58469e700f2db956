// Definition tables of the dedicated dialogs of one area:
// "Single IP": member switches.
#include "tables/DedicatedTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

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
}  // namespace

const KyVarDefTable MemberSwitches{"MemberSwitches", 3, 1, kMemberSwitches};
const KyVarDefTable MemberSwitchAdd{"MemberSwitchAdd", 1, 0, kMemberSwitchAdd};

namespace {
// The area's tables, in the order its dialogs use them.
// MemberSwitchAdd, four columns of MemberSwitches, is served with that table.
const KyVarDefTable* const kAreaTables[] = {
    &MemberSwitches,
};
}  // namespace
const std::span<const KyVarDefTable* const> area::kSingleIp{kAreaTables};
}  // namespace tbl
