// The simulator's SNMP agent: net-snmp's master agent in this process, the
// SNMPv3 framework modules and the system group from net-snmp, every object
// of the model through one request handler of our own, and the faults.
#pragma once

#include <string>

#include "sim/SimModel.h"
#include "sim/SimOptions.h"

namespace sim {

// Subtrees that net-snmp's own modules serve here; the model leaves them out.
std::vector<Oid> NetSnmpSubtrees();

// The model as the options ask for it (communities, engine ID, row counts,
// seed), built from every definition table of the program.
std::unique_ptr<Model> BuildModel(const Options& o);

// "--list": one line per object served, then the counts of the definition
// tables (TableCountsLine) and the subtrees net-snmp's modules serve, each a
// line beginning with "#".
std::string ListObjects(const Model& m);

// "# definition tables: N, rows: R, option lists: O (P referenced), rows by
// syntax: 0x2=..." and a line feed.
std::string TableCountsLine();

// Runs the agent until SIGINT/SIGTERM; returns the process exit code.
int RunAgent(const Options& o);

}  // namespace sim
