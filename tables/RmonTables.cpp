// Definition tables of the "RMON" menu, one per generated command, in menu order.
#include "tables/DefTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

// "RMON Control": scalar group.
constexpr KyVarDefRow kRMONSetting1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.16", "RMON State", Integer, RW, &opt::DisabledEnabled23},
};
}  // namespace

const KyVarDefTable RMONSetting1{"RMONSetting1", 0, 0, kRMONSetting1};
}  // namespace tbl
