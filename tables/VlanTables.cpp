#include "tables/DefTables.h"
#include "tables/OptionTables.h"

namespace tbl {
namespace {
using namespace Syntax;
constexpr int32_t RW = Access::Read | Access::Write;

// 802.1Q static VLAN table; the VLAN index comes from the row's instance suffix.
constexpr KyVarDefRow kDot1qVlanStatic[] = {
    {" ", "VLAN Index", Gauge32, Access::Key},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", DisplayString, RW},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};
}  // namespace

const KyVarDefTable Dot1qVlanStatic{"Dot1qVlanStatic", 3, 1, kDot1qVlanStatic};
}  // namespace tbl
