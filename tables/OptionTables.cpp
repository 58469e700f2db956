#include "tables/OptionTables.h"

namespace opt {
namespace {
constexpr KyOptionPair kDisabledEnabled23[] = {{2, nullptr, "disabled"}, {3, nullptr, "enabled"}};
constexpr KyOptionPair kEnabledDisabled12[] = {{1, nullptr, "enabled"}, {2, nullptr, "disabled"}};
constexpr KyOptionPair kSystemReboot[] = {{1, nullptr, "other"},
                                          {2, nullptr, "reboot"},
                                          {3, nullptr, "save-config-and-reboot"},
                                          {4, nullptr, "reboot-and-load-factory-default-config"}};
constexpr KyOptionPair kNormalActive[] = {{1, nullptr, "normal"}, {2, nullptr, "active"}};
constexpr KyOptionPair kMediumType[] = {{100, nullptr, "copper"}, {101, nullptr, "fiber"}};
constexpr KyOptionPair kNwayState[] = {{1, nullptr, "nway-auto"},
                                       {2, nullptr, "nway-disabled-10Mbps-Half"},
                                       {3, nullptr, "nway-disabled-10Mbps-Full"},
                                       {4, nullptr, "nway-disabled-100Mbps-Half"},
                                       {5, nullptr, "nway-disabled-100Mbps-Full"},
                                       {7, nullptr, "nway-disabled-1Gigabps-Full"},
                                       {8, nullptr, "nway-disabled-1Gigabps-Full-Master"},
                                       {9, nullptr, "nway-disabled-1Gigabps-Full-Slave"}};
constexpr KyOptionPair kMulticastFilter[] = {{2, nullptr, "forward-unregistered-groups"},
                                             {3, nullptr, "filter-unregistered-groups"}};
constexpr KyOptionPair kMdixState[] = {
    {1, nullptr, "auto"}, {2, nullptr, "normal"}, {3, nullptr, "cross"}, {4, nullptr, "other"}};
constexpr KyOptionPair kRowStatusACD[] = {
    {1, nullptr, "active"}, {4, nullptr, "createAndGo"}, {6, nullptr, "destroy"}};
constexpr KyOptionPair kStpVersion[] = {{0, nullptr, "stp"}, {1, nullptr, "rstp"}, {2, nullptr, "mstp"}};
constexpr KyOptionPair kUsmAuthProtocol[] = {{0, "1.3.6.1.6.3.10.1.1.1", "None"},
                                             {0, "1.3.6.1.6.3.10.1.1.2", "MD5"},
                                             {0, "1.3.6.1.6.3.10.1.1.3", "SHA"}};
constexpr KyOptionPair kUsmPrivProtocol[] = {{0, "1.3.6.1.6.3.10.1.2.1", "None"},
                                             {0, "1.3.6.1.6.3.10.1.2.2", "DES"}};
constexpr KyOptionPair kEquipmentCapacity[] = {{0, "40", "Redundant Power"}};
}  // namespace

const KyOptionTable DisabledEnabled23{"DisabledEnabled23", 1, false, kDisabledEnabled23};
const KyOptionTable EnabledDisabled12{"EnabledDisabled12", 1, false, kEnabledDisabled12};
const KyOptionTable SystemReboot{"SystemReboot", 1, false, kSystemReboot};
const KyOptionTable NormalActive{"NormalActive", 1, false, kNormalActive};
const KyOptionTable MediumType{"MediumType", 1, false, kMediumType};
const KyOptionTable NwayState{"NwayState", 1, false, kNwayState};
const KyOptionTable MulticastFilter{"MulticastFilter", 1, false, kMulticastFilter};
const KyOptionTable MdixState{"MdixState", 1, false, kMdixState};
const KyOptionTable RowStatusActiveCreateDestroy{"RowStatusActiveCreateDestroy", 1, false, kRowStatusACD};
const KyOptionTable StpVersion{"StpVersion", 1, false, kStpVersion};
const KyOptionTable UsmAuthProtocol{"UsmAuthProtocol", 2, false, kUsmAuthProtocol};
const KyOptionTable UsmPrivProtocol{"UsmPrivProtocol", 2, false, kUsmPrivProtocol};
const KyOptionTable EquipmentCapacity{"EquipmentCapacity", 2, false, kEquipmentCapacity};
}  // namespace opt
