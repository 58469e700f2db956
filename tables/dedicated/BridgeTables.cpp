// Definition tables of the dedicated dialogs of one area:
// "Bridge": the spanning tree.
#include "tables/DedicatedTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

constexpr KyVarDefRow kStpState[] = {
    {"1.3.6.1.4.1.32473.12.15.1.1", "STP State Control", Integer, RW, &opt::DisabledEnabled23},
};
constexpr KyVarDefRow kStpBridge[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", Integer, RW, &opt::StpVersion},
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.1.4", "Hello Time", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.1.5", "Forward Delay", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.1.6", "Max Hops", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.1.7", "TX Hold Count", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.1.8", "Forward BPDU", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.15.1.9", "Loop-back Detection", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.15.1.10", "Loop-back Detection Recover Time", Integer, RW},
};
// The same without Hello Time: what an MSTP bridge is written with.
constexpr KyVarDefRow kStpBridgeMstp[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", Integer, RW, &opt::StpVersion},
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.1.5", "Forward Delay", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.1.6", "Max Hops", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.1.7", "TX Hold Count", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.1.8", "Forward BPDU", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.15.1.9", "LBD", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.15.1.10", "LBD Recover Time", Integer, RW},
};
}  // namespace

const KyVarDefTable StpState{"StpState", 0, 0, kStpState};
const KyVarDefTable StpBridge{"StpBridge", 0, 0, kStpBridge};
const KyVarDefTable StpBridgeMstp{"StpBridgeMstp", 0, 0, kStpBridgeMstp};

namespace {
// The area's tables, in the order its dialogs use them.
const KyVarDefTable* const kAreaTables[] = {
    &StpState,
    &StpBridge,
    &StpBridgeMstp,
};
}  // namespace
const std::span<const KyVarDefTable* const> area::kBridge{kAreaTables};
}  // namespace tbl
