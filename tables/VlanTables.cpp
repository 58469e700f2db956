// Definition tables of the "VLAN" menu, one per generated command, in menu order.
#include "tables/DefTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

// "Basic Configure": scalar group.
constexpr KyVarDefRow kBasicConfigure2[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", Bits, RO},
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", Integer, RW, &opt::TrueFalse},
};

// "Default User Priorities of Each Port": table, 1 index column.
// The bridge port comes from the instance suffix.
constexpr KyVarDefRow kDefaultUserPrioritiesofEachPort1[] = {
    {" ", "Port", Integer, K},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", Integer, RW},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Number Traffic Classes", Integer, RW},
};

// "User Priorities To Traffic Class": table, 2 index columns.
// The bridge port comes from the instance suffix.
constexpr KyVarDefRow kUserPrioritiesToTrafficClass1[] = {
    {" ", "Port", Integer, K},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", Integer, K},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Traffic Class", Integer, RW},
};

// "Unicast Forwarding Information": table, 2 index columns.
// The filtering database comes from the instance suffix.
constexpr KyVarDefRow kUnicastForwardingInformation1[] = {
    {" ", "FDB ID", Gauge32, K},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "Address", MacAddress, K},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port", Integer, RO},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", Integer, RO, &opt::FdbStatus},
};

// "Filtering Database": table, 1 index column.
constexpr KyVarDefRow kDatabaseinformation1[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", Gauge32, K},
    {"1.3.6.1.2.1.17.7.1.2.1.1.2", "FDB Dynamic Count", Counter32, RO},
};

// 802.1Q static VLAN table of the "Static Table" dialog; the VLAN index comes from the
// row's instance suffix.
constexpr KyVarDefRow kDot1qVlanStatic[] = {
    {" ", "VLAN Index", Gauge32, K},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", DisplayString, RW},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", Bits, RW},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", Integer, RW, &opt::RowStatusActiveCreateDestroy},
};

// "QinQ  Global State Settings": scalar group.
constexpr KyVarDefRow kQinQGlobalStateSettings1[] = {
    {"1.3.6.1.4.1.32473.12.57.1.1", "QinQ State", Integer, RW, &opt::EnabledDisabled12},
};

// "QinQ Port Table": table, 1 index column.
constexpr KyVarDefRow kQinQPortTable1[] = {
    {"1.3.6.1.4.1.32473.12.57.3.1.1.1", "QinQ Port Index", Integer, K},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.2", "QinQ Port Role", Integer, RW, &opt::QinQPortRole},
    {"1.3.6.1.4.1.32473.12.57.3.1.1.3", "QinQ Port TPID [HEX]", OctetString, RW},
};

// "VLAN Advertisement Table": table, 1 index column.
constexpr KyVarDefRow kVLANAdvertisementTable1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.23.1.1.1", "VLAN Index", Integer, K},
    {"1.3.6.1.4.1.32473.11.63.8.2.23.1.1.2", "VLAN Name", DisplayString, RO},
    {"1.3.6.1.4.1.32473.11.63.8.2.23.1.1.3", "VLAN Advertise State", Integer, RW, &opt::EnabledDisabled12},
};

// "VLAN Multiply Management": scalar group.
constexpr KyVarDefRow kVlLANMultiplyManagement1[] = {
    {"1.3.6.1.4.1.32473.11.63.8.2.23.2.1", "VLAN List", DisplayString, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.23.2.2", "Advertisement", Integer, RW, &opt::EnabledDisabled12},
    {"1.3.6.1.4.1.32473.11.63.8.2.23.2.3", "Port List", Bits, RW},
    {"1.3.6.1.4.1.32473.11.63.8.2.23.2.4", "Port List Action", Integer, RW, &opt::VlanPortListAction},
    {"1.3.6.1.4.1.32473.11.63.8.2.23.2.5", "Action", Integer, RW, &opt::VlanMultiplyAction},
};
}  // namespace

const KyVarDefTable BasicConfigure2{"BasicConfigure2", 0, 0, kBasicConfigure2};
const KyVarDefTable DefaultUserPrioritiesofEachPort1{"DefaultUserPrioritiesofEachPort1", 2, 1,
                                                     kDefaultUserPrioritiesofEachPort1};
const KyVarDefTable UserPrioritiesToTrafficClass1{"UserPrioritiesToTrafficClass1", 2, 2,
                                                  kUserPrioritiesToTrafficClass1};
const KyVarDefTable UnicastForwardingInformation1{"UnicastForwardingInformation1", 3, 2,
                                                  kUnicastForwardingInformation1};
const KyVarDefTable Databaseinformation1{"Databaseinformation1", 2, 1, kDatabaseinformation1};
const KyVarDefTable Dot1qVlanStatic{"Dot1qVlanStatic", 3, 1, kDot1qVlanStatic};
const KyVarDefTable QinQGlobalStateSettings1{"QinQGlobalStateSettings1", 0, 0, kQinQGlobalStateSettings1};
const KyVarDefTable QinQPortTable1{"QinQPortTable1", 3, 1, kQinQPortTable1};
const KyVarDefTable VLANAdvertisementTable1{"VLANAdvertisementTable1", 3, 1, kVLANAdvertisementTable1};
const KyVarDefTable VlLANMultiplyManagement1{"VlLANMultiplyManagement1", 0, 0, kVlLANMultiplyManagement1};

}  // namespace tbl
