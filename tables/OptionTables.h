// Shared enumerations of the definition tables. One enumeration, one table:
// definitions that use the same choices refer to the same option table.
#pragma once

#include "snmp/VarList.h"

namespace opt {
extern const KyOptionTable DisabledEnabled23;   // 2 disabled, 3 enabled
extern const KyOptionTable EnabledDisabled12;   // 1 enabled, 2 disabled
extern const KyOptionTable SystemReboot;
extern const KyOptionTable NormalActive;
extern const KyOptionTable MediumType;
extern const KyOptionTable NwayState;
extern const KyOptionTable MulticastFilter;
extern const KyOptionTable MdixState;
extern const KyOptionTable RowStatusActiveCreateDestroy;  // 1 active, 4 createAndGo, 6 destroy
extern const KyOptionTable StpVersion;
// Kind 2 (text values) lists.
extern const KyOptionTable UsmAuthProtocol;
extern const KyOptionTable UsmPrivProtocol;
extern const KyOptionTable EquipmentCapacity;
}  // namespace opt
