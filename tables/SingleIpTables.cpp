// Definition tables of the "Single IP" menu, one per generated command, in menu order.
#include "tables/DefTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

// "Single IP Control": scalar group.
constexpr KyVarDefRow kSingleIPControl1[] = {
    {"1.3.6.1.4.1.32473.12.8.1.2.1", "Admin", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.12.8.1.2.2", "Role State", Integer, RW, &opt::SingleIpRole},
    {"1.3.6.1.4.1.32473.12.8.1.2.3", "Hold Time", Integer, RW},
    {"1.3.6.1.4.1.32473.12.8.1.2.4", "Time Interval", Integer, RW},
};

// "My Information": scalar group.
constexpr KyVarDefRow kMyInformation1[] = {
    {"1.3.6.1.4.1.32473.12.8.1.1.1", "Version", Integer, RO},
    {"1.3.6.1.4.1.32473.12.8.1.1.2", "Capability", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.1.3", "Platform", DisplayString, RO},
};

// "Candidate Switch": table, 1 index column.
constexpr KyVarDefRow kCandidateSwitch1[] = {
    {"1.3.6.1.4.1.32473.12.8.1.4.1.1", "ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.2", "Device Name", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.3", "MAC Address", MacAddress, RO},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.4", "Firmware Version", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.5", "Capability", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.6", "Platform", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.7", "Hold Time", Integer, RO},
};

// "Group Information": table, 1 index column.
constexpr KyVarDefRow kGroupInformation1[] = {
    {"1.3.6.1.4.1.32473.12.8.1.5.1.1", "MAC Address", MacAddress, K},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.2", "Name", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.3", "Device Name", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.4", "MS Number", Integer, RO},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.5", "Firmware Version", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.6", "Capability", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.7", "Platform", DisplayString, RO},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.8", "Hold Time", Integer, RO},
};

// "Neighbor Switch": table, 2 index columns.
constexpr KyVarDefRow kNeighborSwitch1[] = {
    {"1.3.6.1.4.1.32473.12.8.1.6.1.1", "Received Port", Integer, K},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.2", "MAC Address", MacAddress, K},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.3", "Role State", Integer, RO, &opt::SingleIpRole},
};
}  // namespace

const KyVarDefTable SingleIPControl1{"SingleIPControl1", 0, 0, kSingleIPControl1};
const KyVarDefTable MyInformation1{"MyInformation1", 0, 0, kMyInformation1};
const KyVarDefTable CandidateSwitch1{"CandidateSwitch1", 2, 1, kCandidateSwitch1};
const KyVarDefTable GroupInformation1{"GroupInformation1", 2, 1, kGroupInformation1};
const KyVarDefTable NeighborSwitch1{"NeighborSwitch1", 2, 2, kNeighborSwitch1};
}  // namespace tbl
