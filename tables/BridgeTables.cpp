// Definition tables of the "Bridge" menu, one per generated command, in menu order.
#include "tables/DefTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

// "Information": scalar group.
constexpr KyVarDefRow kInformation1[] = {
    {"1.3.6.1.2.1.17.1.1", "Bridge Address", MacAddress, RO},
    {"1.3.6.1.2.1.17.1.2", "Number Ports", Integer, RO},
    {"1.3.6.1.2.1.17.1.3", "Bridge Type", Integer, RO, &opt::BridgeType},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", Counter32, RO},
    {"1.3.6.1.2.1.17.4.2", "MAC Address Aging Time (10-1000000 sec)", Integer, RW},
};

// "Port Table": table, 1 index column.
constexpr KyVarDefRow kPortTable1[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Index", Integer, K},
    {"1.3.6.1.2.1.17.1.4.1.2", "IF Index", Integer, RO},
    {"1.3.6.1.2.1.17.1.4.1.3", "Circuit", ObjectId, RO},
    {"1.3.6.1.2.1.17.1.4.1.4", "Delay Exceeded Discards", Counter32, RO},
    {"1.3.6.1.2.1.17.1.4.1.5", "Maximum Transmission Unit Exceeded Discards", Counter32, RO},
};

// "Configuration Identification": scalar group.
constexpr KyVarDefRow kConfigurationIdentification1[] = {
    {"1.3.6.1.4.1.32473.12.15.2.1", "Name", DisplayString, RW},
    {"1.3.6.1.4.1.32473.12.15.2.2", "Revision Level (0-65535)", Integer, RW},
};

// "MSTP Instance Control": table, 1 index column, rows created and destroyed through row 23.
constexpr KyVarDefRow kInstanceInformation1[] = {
    {"1.3.6.1.4.1.32473.12.15.2.3.1.1", "MSTP Instance ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.2", "VLAN Range [1-64]", Bits, RW},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.3", "VLAN Range [65-128]", Bits, RW},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.4", "VLAN Range [129-192]", Bits, RW},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.5", "VLAN Range [193-256]", Bits, RW},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.6", "VLAN Range [257-320]", Bits, RW},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.7", "VLAN Range [321-384]", Bits, RW},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.8", "VLAN Range [385-448]", Bits, RW},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.9", "VLAN Range [449-512]", Bits, RW},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.10", "Type", Integer, RO, &opt::MstiType},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.11", "Status", Integer, RO, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.12", "Priority", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.13", "Designated Root Bridge", OctetString, RO},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.14", "External Root Cost", Integer, RO},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.15", "Regional Root Bridge", OctetString, RO},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.16", "Internal Root Cost", Integer, RO},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.17", "Designated Bridge", OctetString, RO},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.18", "Root Port", Integer, RO},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.19", "Max Age", Integer, RO},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.20", "Forward Delay", Integer, RO},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.21", "Last Topology Change", TimeTicks, RO},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.22", "Topology Changes Count", Counter32, RO},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.23", "Remain Hops", Integer, RO},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.24", "Row Status", Integer, RW, &opt::RowStatus},
};

// "Port State Information": table, 1 index column.
constexpr KyVarDefRow kPortStateInformation1[] = {
    {"1.3.6.1.4.1.32473.12.15.2.4.1.1", "MST Port", Integer, K},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.2", "Operate Hello Time", Integer, RO},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.3", "Admin Hello Time", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.4", "STP Port Enable", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.5", "External Path Cost", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.6", "Migration", Integer, RW, &opt::TrueFalse},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.7", "Admin Edge Port", Integer, RW, &opt::TrueFalseAuto},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.8", "Operate Edge Port", Integer, RO, &opt::TrueFalse},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.9", "Admin P2P", Integer, RW, &opt::TrueFalseAuto},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.10", "Operate P2P", Integer, RO, &opt::TrueFalse},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.11", "Loop-back Detection", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.12", "BPDU Filtering", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.13", "Restricted Role", Integer, RW, &opt::TrueFalse},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.14", "Restricted TCN", Integer, RW, &opt::TrueFalse},
};

// "Port MSTP Information": table, 2 index columns.
constexpr KyVarDefRow kPortMSTPInformation1[] = {
    {"1.3.6.1.4.1.32473.12.15.2.5.1.1", "MST Port", Integer, K},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.2", "Instance ID", Integer, K},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.3", "Designated Bridge", OctetString, RO},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.4", "Internal Path Cost", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.5", "Priority", Integer, RW},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.6", "Status", Integer, RO, &opt::StpPortState},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.7", "Role", Integer, RO, &opt::StpPortRole},
};
}  // namespace

const KyVarDefTable Information1{"Information1", 0, 0, kInformation1};
const KyVarDefTable PortTable1{"PortTable1", 2, 1, kPortTable1};
const KyVarDefTable ConfigurationIdentification1{"ConfigurationIdentification1", 0, 0,
                                                 kConfigurationIdentification1};
const KyVarDefTable InstanceInformation1{"InstanceInformation1", 3, 1, kInstanceInformation1};
const KyVarDefTable PortStateInformation1{"PortStateInformation1", 3, 1, kPortStateInformation1};
const KyVarDefTable PortMSTPInformation1{"PortMSTPInformation1", 3, 2, kPortMSTPInformation1};

}  // namespace tbl
