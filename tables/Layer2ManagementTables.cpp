#include "tables/DefTables.h"
#include "tables/OptionTables.h"

namespace tbl {
namespace {
using namespace Syntax;
constexpr int32_t RO = Access::Read;
constexpr int32_t RW = Access::Read | Access::Write;

constexpr KyVarDefRow kL2DeviceControl[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.1", "System Reboot", Integer, RW, &opt::SystemReboot},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.2", "System IP", IpAddress, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.3", "Subnet Mask", IpAddress, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.4", "Default Gateway", IpAddress, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.5", "Management VLAN ID", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.7", "IGMP Snooping", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.12", "Clean All Statistic Counter", Integer, RW, &opt::NormalActive},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.13", "SNMP Authenticate Trap", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.16", "RMON State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.17", "IP Auto Config", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.19", "MAC Notify State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.20", "MAC Notify History Size", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.21", "MAC Notify Interval", Integer, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.22", "LLDP State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.23", "LLDP Forward Message State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.24", "Asymmetric VLAN State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.25", "IGMP Snooping Multicast VLAN State", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.1.2.26", "VLAN Trunk State", Integer, RW, &opt::EnabledDisabled12},
};

// The port and the medium type are index columns and readable columns.
constexpr KyVarDefRow kPortControl[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.1", "Port Index", Integer, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.2", "Medium Type", Integer, RO, &opt::MediumType},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.3", "Admin State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.4", "Nway State", Integer, RW, &opt::NwayState},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.5", "Flow Control State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.6", "Description", DisplayString, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.7", "Address Learning", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.8", "MAC Notify State", Integer, RW, &opt::DisabledEnabled23},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.9", "Multicast filter", Integer, RW, &opt::MulticastFilter},
    {"1.3.6.1.4.1.32473.11.63.8.2.2.2.1.10", "MDIX State", Integer, RW, &opt::MdixState},
};
}  // namespace

const KyVarDefTable L2DeviceControl{"L2DeviceControl", 0, 0, kL2DeviceControl};
const KyVarDefTable PortControl{"PortControl", 3, 2, kPortControl};
}  // namespace tbl
