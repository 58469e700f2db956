#include "tables/DefTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

constexpr KyVarDefRow kRmonState[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.16", "RMON State", Integer, RW, &opt::DisabledEnabled23},
};
constexpr KyVarDefRow kStpVersion[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", Integer, RW, &opt::StpVersion},
};
}  // namespace

const KyVarDefTable RmonState{"RmonState", 0, 0, kRmonState};
const KyVarDefTable StpVersion{"StpVersion", 0, 0, kStpVersion};
}  // namespace tbl
