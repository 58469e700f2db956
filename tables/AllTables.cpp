#include "tables/DefTables.h"

namespace {
// Keep in menu order; every table appears once.
const KyVarDefTable* const kAll[] = {
    &tbl::RmonState,
    &tbl::StpVersion,
    &tbl::L2DeviceControl,
    &tbl::PortControl,
    &tbl::Dot1qVlanStatic,
};
}  // namespace

std::span<const KyVarDefTable* const> AllDefinitionTables() { return kAll; }
