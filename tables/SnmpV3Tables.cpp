// Definition tables of the "SNMP V3" menu, one per generated command, in menu order.
#include "tables/DefTables.h"
#include "tables/OptionTables.h"
#include "tables/RowShorthands.h"

namespace tbl {
namespace {
using namespace rows;

// "SNMP Engine": scalar group.
constexpr KyVarDefRow ksnmpEngine1[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", OctetString, RO},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", Integer, RO},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", Integer, RO},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", Integer, RO},
};

// "Message Processing and Dispatching": scalar group.
constexpr KyVarDefRow kMessageProcessingandDispatching1[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", Counter32, RO},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", Counter32, RO},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", Counter32, RO},
};

// "General Information": scalar group.
constexpr KyVarDefRow kGeneralInformation1[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", Integer, RW},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", Counter32, RO},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", Counter32, RO},
};

// "Target Address Table": table, 1 index column, rows created and destroyed through row 8.
constexpr KyVarDefRow kCommunityTargetAddressTable[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Address Name", DisplayString, KI},
    {"1.3.6.1.6.3.12.1.2.1.2", "Address TDomain", ObjectId, RW},
    {"1.3.6.1.6.3.12.1.2.1.3", "Address TAddress", Bits, RW},
    {"1.3.6.1.6.3.12.1.2.1.4", "Address Timeout", Integer, RW},
    {"1.3.6.1.6.3.12.1.2.1.5", "Address Retry Count", Integer, RW},
    {"1.3.6.1.6.3.12.1.2.1.6", "Address Tag List", DisplayString, RW},
    {"1.3.6.1.6.3.12.1.2.1.7", "Address Params", DisplayString, RW},
    {"1.3.6.1.6.3.12.1.2.1.8", "Address Storage Type", Integer, RW, &opt::StorageType},
    {"1.3.6.1.6.3.12.1.2.1.9", "Row Status", Integer, RW, &opt::RowStatus},
};

// "Target Parameters": table, 1 index column, rows created and destroyed through row 6.
constexpr KyVarDefRow kTargetParameters1[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Name", DisplayString, KI},
    {"1.3.6.1.6.3.12.1.3.1.2", "MP Model", Integer, RW, &opt::SnmpMessageProcessingModel},
    {"1.3.6.1.6.3.12.1.3.1.3", "Security Model", Integer, RW, &opt::SnmpSecurityModel},
    {"1.3.6.1.6.3.12.1.3.1.4", "Securit yName", DisplayString, RW},
    {"1.3.6.1.6.3.12.1.3.1.5", "Security Level", Integer, RW, &opt::SnmpSecurityLevel},
    {"1.3.6.1.6.3.12.1.3.1.6", "StorageType", Integer, RW, &opt::StorageType},
    {"1.3.6.1.6.3.12.1.3.1.7", "Row Status", Integer, RW, &opt::RowStatus},
};

// "Statistics": scalar group.
constexpr KyVarDefRow kStatistics2[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", Counter32, RO},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", Counter32, RO},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", Counter32, RO},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", Counter32, RO},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", Counter32, RO},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", Counter32, RO},
};

// "User Table": table, 2 index columns, rows created and destroyed through row 12.
constexpr KyVarDefRow kUserTable1[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", OctetString, K},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", DisplayString, K},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", DisplayString, RO},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", ObjectId, RW},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", ObjectId, RW, &opt::UsmAuthProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", OctetString, RW},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", OctetString, RW},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", ObjectId, RW, &opt::UsmPrivProtocol},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", OctetString, RW},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", OctetString, RW},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", OctetString, RW},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", Integer, RW, &opt::StorageType},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", Integer, RW, &opt::RowStatus},
};

// "Security Group Table": table, 2 index columns, rows created and destroyed through row 4.
constexpr KyVarDefRow kSecurityTable1[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", Integer, K, &opt::SnmpSecurityModel},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", DisplayString, K},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", DisplayString, RW},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", Integer, RW, &opt::StorageType},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", Integer, RW, &opt::RowStatus},
};

// "Access Table": table, 4 index columns, rows created and destroyed through row 9.
// The group name is the security-to-group table's column.
constexpr KyVarDefRow kAccessTable1[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", DisplayString, K},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", DisplayString, K},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", Integer, K, &opt::SnmpSecurityModel},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", Integer, K, &opt::SnmpSecurityLevel},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", Integer, RW, &opt::ExactPrefix},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", DisplayString, RW},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", DisplayString, RW},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", DisplayString, RW},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", Integer, RW, &opt::StorageType},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", Integer, RW, &opt::RowStatus},
};

// "View MIB Tree Family Table": table, 2 index columns, rows created and destroyed through row 5.
constexpr KyVarDefRow kViewTable1[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "VACM View Tree Family ViewName", DisplayString, K},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "VACM View Tree Family Subtree", ObjectId, K},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "VACM View Tree Family Mask", OctetString, RW},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "VACM View Tree Family Type", Integer, RW, &opt::IncludedExcluded},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "VACM View Tree Family Storage Type", Integer, RW, &opt::StorageType},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "VACM", Integer, RW, &opt::RowStatus},
};

// "Notify Table": table, 1 index column, rows created and destroyed through row 4.
constexpr KyVarDefRow kNotifyTable1[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", DisplayString, KI},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", DisplayString, RW},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", Integer, RW, &opt::TrapInform},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", Integer, RW, &opt::StorageType},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", Integer, RW, &opt::RowStatus},
};

// "Notify Filter Profile Table": table, 1 index column, rows created and destroyed through row 3.
// Indexed by the target parameters name.
constexpr KyVarDefRow kNotifyFilterProfileTale1[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", DisplayString, KI},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", DisplayString, RW},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Stor Type", Integer, RW, &opt::StorageType},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", Integer, RW, &opt::RowStatus},
};

// "Notify Filter Entry Table": table, 2 index columns, rows created and destroyed through row 5.
constexpr KyVarDefRow kNotifyFilterEntryTable1[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", DisplayString, K},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", ObjectId, KI},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", OctetString, RW},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", Integer, RW, &opt::IncludedExcluded},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", Integer, RW, &opt::StorageType},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", Integer, RW, &opt::RowStatus},
};

// "Community String Table": table, 1 index column, rows created and destroyed through row 7.
constexpr KyVarDefRow kCommunityStringTable1[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", DisplayString, KI},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", DisplayString, RW},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", DisplayString, RW},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", OctetString, RW},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", DisplayString, RW},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", DisplayString, RW},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", Integer, RW, &opt::StorageType},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", Integer, RW, &opt::RowStatus},
};

// "Target Address Table": table, 1 index column.
// The target address table's name, then its community extension columns.
constexpr KyVarDefRow kTargetAddressTable1[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Address Name", DisplayString, KI},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Address TMask", OctetString, RW},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Address MMS", Integer, RW},
};
}  // namespace

const KyVarDefTable snmpEngine1{"snmpEngine1", 0, 0, ksnmpEngine1};
const KyVarDefTable MessageProcessingandDispatching1{"MessageProcessingandDispatching1", 0, 0,
                                                     kMessageProcessingandDispatching1};
const KyVarDefTable GeneralInformation1{"GeneralInformation1", 0, 0, kGeneralInformation1};
const KyVarDefTable CommunityTargetAddressTable{"CommunityTargetAddressTable", 3, 1,
                                                kCommunityTargetAddressTable};
const KyVarDefTable TargetParameters1{"TargetParameters1", 3, 1, kTargetParameters1};
const KyVarDefTable Statistics2{"Statistics2", 0, 0, kStatistics2};
const KyVarDefTable UserTable1{"UserTable1", 3, 2, kUserTable1};
const KyVarDefTable SecurityTable1{"SecurityTable1", 3, 2, kSecurityTable1};
const KyVarDefTable AccessTable1{"AccessTable1", 3, 4, kAccessTable1};
const KyVarDefTable ViewTable1{"ViewTable1", 3, 2, kViewTable1};
const KyVarDefTable NotifyTable1{"NotifyTable1", 3, 1, kNotifyTable1};
const KyVarDefTable NotifyFilterProfileTale1{"NotifyFilterProfileTale1", 3, 1, kNotifyFilterProfileTale1};
const KyVarDefTable NotifyFilterEntryTable1{"NotifyFilterEntryTable1", 3, 2, kNotifyFilterEntryTable1};
const KyVarDefTable CommunityStringTable1{"CommunityStringTable1", 3, 1, kCommunityStringTable1};
const KyVarDefTable TargetAddressTable1{"TargetAddressTable1", 3, 1, kTargetAddressTable1};
}  // namespace tbl
