// Definition tables the simulator serves in addition to the project's own:
// the interfaces of a 52-port switch (IF-MIB), the community table
// (SNMP-COMMUNITY-MIB), the front-panel LED variable, and the tables and
// variables of the switch that only the dedicated windows use (static
// filters, server-group members, 802.3 MAC control, member switches, SMTP,
// update files). A project table that defines the same objects takes
// precedence.
#pragma once

#include <span>

#include "snmp/VarList.h"

namespace sim {
std::span<const KyVarDefTable* const> StandardTables();
}  // namespace sim
