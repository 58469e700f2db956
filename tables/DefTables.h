// Static variable-definition tables, one source file per menu.
#pragma once

#include <span>

#include "snmp/VarList.h"

namespace tbl {
// Main window (hidden static texts).
extern const KyVarDefTable RmonState;
extern const KyVarDefTable StpVersion;

// Layer 2 Management menu.
extern const KyVarDefTable L2DeviceControl;
extern const KyVarDefTable PortControl;

// VLAN menu.
extern const KyVarDefTable Dot1qVlanStatic;
}  // namespace tbl

// Every definition table of the program, for the simulator and the checks
// that span all tables.
std::span<const KyVarDefTable* const> AllDefinitionTables();
