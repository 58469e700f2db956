// Checks of the static definition and option tables: the shape every user of
// the tables relies on, the reference tables row by row, and each generated menu
// command's table against its catalogue entry.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "snmp/VarList.h"
#include "tables/DefTables.h"
#include "tables/OptionTables.h"

namespace {

constexpr int32_t K = Access::Key;
constexpr int32_t KI = Access::Key | Access::Implied;
constexpr int32_t RO = Access::Read;
constexpr int32_t RW = Access::Read | Access::Write;

bool IsNumericOid(const std::string& oid) {
  static const std::regex kDotted("^[0-9]+(\\.[0-9]+)+$");
  return std::regex_match(oid, kDotted);
}

bool IsKnownSyntax(Syntax s) {
  static const std::set<Syntax> kKnown = {
      Syntax::Boolean,    Syntax::Integer,     Syntax::Bits,      Syntax::OctetString,   Syntax::Null,
      Syntax::ObjectId,   Syntax::IpAddress,   Syntax::Counter32, Syntax::Gauge32,       Syntax::TimeTicks,
      Syntax::Opaque,     Syntax::Address,     Syntax::Counter64, Syntax::UInteger32,    Syntax::Real,
      Syntax::MacAddress, Syntax::DateAndTime, Syntax::DateTime,  Syntax::DisplayString, Syntax::Ipv6Address};
  return kKnown.count(s) != 0;
}

// "1=other|2=reboot" for kind-1 lists, "text=label|..." for kinds 2 and 3.
std::string OptionsText(const KyOptionTable* options) {
  if (options == nullptr) return "";
  std::string text;
  for (const KyOptionPair& pair : options->pairs) {
    if (!text.empty()) text += "|";
    text += options->kind == 1 ? std::to_string(pair.value) : std::string(pair.text ? pair.text : "");
    text += "=";
    text += pair.label ? pair.label : "";
  }
  return text;
}

std::string Where(const KyVarDefTable& table, size_t row) {
  return std::string(table.name) + " row " + std::to_string(row);
}

// ---------------------------------------------------------------------------
// Every table.

TEST(DefinitionTables, NamesAreUniqueAndTablesNonEmpty) {
  std::set<std::string> names;
  for (const KyVarDefTable* table : AllDefinitionTables()) {
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->name, nullptr);
    EXPECT_TRUE(names.insert(table->name).second) << "duplicate table name " << table->name;
    EXPECT_FALSE(table->rows.empty()) << table->name;
    EXPECT_LE(table->rows.size(), 24u) << table->name;
  }
}

// The private modules of the system log (…12.12), spanning tree (…12.15) and
// safeguard engine (…12.19) code every on/off object as disabled(2)/enabled(3);
// a row using enabled(1)/disabled(2) there would show a real switch's 3 as a
// raw number and write 1 for "enabled".
TEST(DefinitionTables, OnOffRowsFollowTheirModulesCoding) {
  const std::string modules[] = {"1.3.6.1.4.1.32473.12.12.", "1.3.6.1.4.1.32473.12.15.",
                                 "1.3.6.1.4.1.32473.12.19."};
  int seen = 0;
  for (const KyVarDefTable* table : AllDefinitionTables()) {
    for (size_t i = 0; i < table->rows.size(); ++i) {
      const KyVarDefRow& row = table->rows[i];
      const std::string oid = row.oid;
      for (const std::string& module : modules) {
        if (oid.rfind(module, 0) != 0) continue;
        if (row.options == &opt::DisabledEnabled23) ++seen;
        EXPECT_NE(row.options, &opt::EnabledDisabled12) << Where(*table, i) << " " << row.label;
      }
    }
  }
  EXPECT_GE(seen, 6);
}

TEST(DefinitionTables, RowsAreWellFormed) {
  for (const KyVarDefTable* table : AllDefinitionTables()) {
    std::set<std::string> oids;
    bool anyReadable = false;
    for (size_t i = 0; i < table->rows.size(); ++i) {
      const KyVarDefRow& row = table->rows[i];
      const std::string where = Where(*table, i);
      ASSERT_NE(row.oid, nullptr) << where;
      ASSERT_NE(row.label, nullptr) << where;
      const std::string oid = row.oid;
      EXPECT_TRUE(oid == " " || IsNumericOid(oid)) << where << ": bad OID \"" << oid << "\"";
      if (oid != " ") {
        EXPECT_TRUE(oids.insert(oid).second) << where << ": OID " << oid << " twice";
      }
      EXPECT_TRUE(IsKnownSyntax(row.syntax)) << where;
      EXPECT_TRUE(row.access == K || row.access == KI || row.access == RO || row.access == RW)
          << where << ": access " << row.access;
      if (oid == " ") {
        EXPECT_EQ(row.access & ~Access::Implied, K) << where << ": a \" \" row is a key only";
      }
      if ((row.access & Access::Read) != 0) anyReadable = true;
      if (row.options != nullptr) {
        EXPECT_FALSE(row.options->pairs.empty()) << where;
        // Integer enumerations belong to integer rows, text ones to text-valued rows.
        if (row.options->kind == 1) {
          EXPECT_TRUE(row.syntax == Syntax::Integer || row.syntax == Syntax::Gauge32) << where;
        } else {
          EXPECT_TRUE(row.syntax == Syntax::ObjectId || row.syntax == Syntax::Bits ||
                      row.syntax == Syntax::OctetString || row.syntax == Syntax::DisplayString)
              << where;
        }
      }
    }
    EXPECT_TRUE(anyReadable) << table->name << " has nothing to read";
  }
}

TEST(DefinitionTables, KeyColumnsLeadAndMatchKeyCount) {
  for (const KyVarDefTable* table : AllDefinitionTables()) {
    const size_t keys = static_cast<size_t>(table->keyCount);
    if (table->kind == 0 || table->kind == 1) {
      EXPECT_EQ(table->keyCount, 0) << table->name;
    } else {
      ASSERT_TRUE(table->kind == 2 || table->kind == 3) << table->name << " kind " << int(table->kind);
      EXPECT_GE(table->keyCount, 1) << table->name;
      EXPECT_LE(table->keyCount, 5) << table->name;
      ASSERT_LT(keys, table->rows.size()) << table->name << " has no column besides its keys";
    }
    for (size_t i = 0; i < table->rows.size(); ++i) {
      const KyVarDefRow& row = table->rows[i];
      const bool key = (row.access & Access::Key) != 0;
      if (i < keys) {
        // An index column is a key, or a readable column whose value is also the index.
        EXPECT_TRUE(key || row.access == RO) << Where(*table, i) << " should be an index column";
        if ((row.access & Access::Implied) != 0) {
          EXPECT_EQ(i + 1, keys) << Where(*table, i) << ": only the last index may be implied";
        }
      } else {
        EXPECT_FALSE(key) << Where(*table, i) << " is a key beyond the key count";
        EXPECT_STRNE(row.oid, " ") << Where(*table, i);
      }
    }
  }
}

// The same object is read with the same syntax and enumeration wherever it
// appears, and no object lies inside another (a scalar cannot be a subtree).
TEST(DefinitionTables, ObjectsAgreeAcrossTables) {
  struct Seen {
    const KyVarDefTable* table;
    const KyVarDefRow* row;
  };
  std::map<std::string, Seen> objects;
  for (const KyVarDefTable* table : AllDefinitionTables()) {
    for (const KyVarDefRow& row : table->rows) {
      if (std::strcmp(row.oid, " ") == 0) continue;
      auto [it, inserted] = objects.emplace(row.oid, Seen{table, &row});
      if (!inserted) {
        EXPECT_EQ(it->second.row->syntax, row.syntax)
            << row.oid << " in " << table->name << " and " << it->second.table->name;
        if ((row.access & Access::Key) == 0 && (it->second.row->access & Access::Key) == 0) {
          EXPECT_EQ(it->second.row->options, row.options)
              << row.oid << " in " << table->name << " and " << it->second.table->name;
        }
      }
    }
  }
  for (auto it = objects.begin(); it != objects.end(); ++it) {
    auto next = std::next(it);
    if (next == objects.end()) break;
    const std::string prefix = it->first + ".";
    EXPECT_NE(next->first.compare(0, prefix.size(), prefix), 0)
        << it->first << " (" << it->second.table->name << ") contains " << next->first << " ("
        << next->second.table->name << ")";
  }
}

// ---------------------------------------------------------------------------
// Option tables.

TEST(OptionTables, WellFormedAndUniquelyNamed) {
  std::set<std::string> names;
  for (const KyOptionTable* options : AllOptionTables()) {
    ASSERT_NE(options, nullptr);
    ASSERT_NE(options->name, nullptr);
    EXPECT_TRUE(names.insert(options->name).second) << "duplicate option table " << options->name;
    EXPECT_FALSE(options->pairs.empty()) << options->name;
    EXPECT_TRUE(options->kind >= 1 && options->kind <= 3) << options->name;
    std::set<std::string> values;
    std::set<std::string> labels;
    for (const KyOptionPair& pair : options->pairs) {
      ASSERT_NE(pair.label, nullptr) << options->name;
      EXPECT_NE(pair.label[0], '\0') << options->name;
      std::string value;
      if (options->kind == 1) {
        EXPECT_EQ(pair.text, nullptr) << options->name;
        value = std::to_string(pair.value);
      } else {
        ASSERT_NE(pair.text, nullptr) << options->name;
        value = pair.text;
      }
      EXPECT_TRUE(values.insert(value).second) << options->name << ": value " << value << " twice";
      // Labels are looked up without regard to case.
      std::string folded = pair.label;
      for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_TRUE(labels.insert(folded).second) << options->name << ": label " << pair.label << " twice";
    }
  }
}

TEST(OptionTables, EveryReferencedListIsRegisteredAndNoEnumerationIsRepeated) {
  std::set<const KyOptionTable*> registered(AllOptionTables().begin(), AllOptionTables().end());
  for (const KyVarDefTable* table : AllDefinitionTables()) {
    for (size_t i = 0; i < table->rows.size(); ++i) {
      if (table->rows[i].options != nullptr) {
        EXPECT_EQ(registered.count(table->rows[i].options), 1u) << Where(*table, i);
      }
    }
  }
  // One enumeration, one table.
  std::map<std::string, std::string> byContent;
  for (const KyOptionTable* options : AllOptionTables()) {
    const std::string content = std::to_string(options->kind) + ":" + OptionsText(options);
    auto [it, inserted] = byContent.emplace(content, options->name);
    EXPECT_TRUE(inserted) << options->name << " repeats " << it->second;
  }
}

// ---------------------------------------------------------------------------
// The reference tables, row by row.

struct RowCase {
  const KyVarDefTable* table;
  size_t index;
  const char* oid;
  const char* label;
  Syntax syntax;
  int32_t access;
  const char* options;  // "value=label|..." or "" for none
};

const RowCase kReferenceRows[] = {
    {&tbl::DeviceControl2, 0, "1.3.6.1.4.1.32473.11.63.8.2.1.2.1", "System Reboot", Syntax::Integer, RW,
     "1=other|2=reboot|3=save-config-and-reboot|4=reboot-and-load-factory-default-config"},
    {&tbl::DeviceControl2, 1, "1.3.6.1.4.1.32473.11.63.8.2.1.2.2", "System IP", Syntax::IpAddress, RW, ""},
    {&tbl::DeviceControl2, 2, "1.3.6.1.4.1.32473.11.63.8.2.1.2.3", "Subnet Mask", Syntax::IpAddress, RW, ""},
    {&tbl::DeviceControl2, 3, "1.3.6.1.4.1.32473.11.63.8.2.1.2.4", "Default Gateway", Syntax::IpAddress, RW,
     ""},
    {&tbl::DeviceControl2, 4, "1.3.6.1.4.1.32473.11.63.8.2.1.2.5", "Management VLAN ID", Syntax::Integer, RW,
     ""},
    {&tbl::DeviceControl2, 5, "1.3.6.1.4.1.32473.11.63.8.2.1.2.7", "IGMP Snooping", Syntax::Integer, RW,
     "2=disabled|3=enabled"},
    {&tbl::DeviceControl2, 6, "1.3.6.1.4.1.32473.11.63.8.2.1.2.12", "Clean All Statistic Counter",
     Syntax::Integer, RW, "1=normal|2=active"},
    {&tbl::DeviceControl2, 7, "1.3.6.1.4.1.32473.11.63.8.2.1.2.13", "SNMP Authenticate Trap", Syntax::Integer,
     RW, "1=enabled|2=disabled"},
    {&tbl::DeviceControl2, 8, "1.3.6.1.4.1.32473.11.63.8.2.1.2.16", "RMON State", Syntax::Integer, RW,
     "2=disabled|3=enabled"},
    {&tbl::DeviceControl2, 9, "1.3.6.1.4.1.32473.11.63.8.2.1.2.17", "IP Auto Config", Syntax::Integer, RW,
     "2=disabled|3=enabled"},
    {&tbl::DeviceControl2, 10, "1.3.6.1.4.1.32473.11.63.8.2.1.2.19", "MAC Notify State", Syntax::Integer, RW,
     "2=disabled|3=enabled"},
    {&tbl::DeviceControl2, 11, "1.3.6.1.4.1.32473.11.63.8.2.1.2.20", "MAC Notify History Size",
     Syntax::Integer, RW, ""},
    {&tbl::DeviceControl2, 12, "1.3.6.1.4.1.32473.11.63.8.2.1.2.21", "MAC Notify Interval", Syntax::Integer,
     RW, ""},
    {&tbl::DeviceControl2, 13, "1.3.6.1.4.1.32473.11.63.8.2.1.2.22", "LLDP State", Syntax::Integer, RW,
     "1=enabled|2=disabled"},
    {&tbl::DeviceControl2, 14, "1.3.6.1.4.1.32473.11.63.8.2.1.2.23", "LLDP Forward Message State",
     Syntax::Integer, RW, "1=enabled|2=disabled"},
    {&tbl::DeviceControl2, 15, "1.3.6.1.4.1.32473.11.63.8.2.1.2.24", "Asymmetric VLAN State", Syntax::Integer,
     RW, "2=disabled|3=enabled"},
    {&tbl::DeviceControl2, 16, "1.3.6.1.4.1.32473.11.63.8.2.1.2.25", "IGMP Snooping Multicast VLAN State",
     Syntax::Integer, RW, "1=enabled|2=disabled"},
    {&tbl::DeviceControl2, 17, "1.3.6.1.4.1.32473.11.63.8.2.1.2.26", "VLAN Trunk State", Syntax::Integer, RW,
     "1=enabled|2=disabled"},
    {&tbl::PortControl1, 0, "1.3.6.1.4.1.32473.11.63.8.2.2.2.1.1", "Port Index", Syntax::Integer, RO, ""},
    {&tbl::PortControl1, 1, "1.3.6.1.4.1.32473.11.63.8.2.2.2.1.2", "Medium Type", Syntax::Integer, RO,
     "100=copper|101=fiber"},
    {&tbl::PortControl1, 2, "1.3.6.1.4.1.32473.11.63.8.2.2.2.1.3", "Admin State", Syntax::Integer, RW,
     "2=disabled|3=enabled"},
    {&tbl::PortControl1, 3, "1.3.6.1.4.1.32473.11.63.8.2.2.2.1.4", "Nway State", Syntax::Integer, RW,
     "1=nway-auto|2=nway-disabled-10Mbps-Half|3=nway-disabled-10Mbps-Full|4=nway-disabled-100Mbps-Half|5="
     "nway-disabled-100Mbps-Full|7=nway-disabled-1Gigabps-Full|8=nway-disabled-1Gigabps-Full-Master|9=nway-"
     "disabled-1Gigabps-Full-Slave"},
    {&tbl::PortControl1, 4, "1.3.6.1.4.1.32473.11.63.8.2.2.2.1.5", "Flow Control State", Syntax::Integer, RW,
     "2=disabled|3=enabled"},
    {&tbl::PortControl1, 5, "1.3.6.1.4.1.32473.11.63.8.2.2.2.1.6", "Description", Syntax::DisplayString, RW,
     ""},
    {&tbl::PortControl1, 6, "1.3.6.1.4.1.32473.11.63.8.2.2.2.1.7", "Address Learning", Syntax::Integer, RW,
     "2=disabled|3=enabled"},
    {&tbl::PortControl1, 7, "1.3.6.1.4.1.32473.11.63.8.2.2.2.1.8", "MAC Notify State", Syntax::Integer, RW,
     "2=disabled|3=enabled"},
    {&tbl::PortControl1, 8, "1.3.6.1.4.1.32473.11.63.8.2.2.2.1.9", "Multicast filter", Syntax::Integer, RW,
     "2=forward-unregistered-groups|3=filter-unregistered-groups"},
    {&tbl::PortControl1, 9, "1.3.6.1.4.1.32473.11.63.8.2.2.2.1.10", "MDIX State", Syntax::Integer, RW,
     "1=auto|2=normal|3=cross|4=other"},
    {&tbl::Dot1qVlanStatic, 0, " ", "VLAN Index", Syntax::Gauge32, K, ""},
    {&tbl::Dot1qVlanStatic, 1, "1.3.6.1.2.1.17.7.1.4.3.1.1", "Name", Syntax::DisplayString, RW, ""},
    {&tbl::Dot1qVlanStatic, 2, "1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", Syntax::Bits, RW, ""},
    {&tbl::Dot1qVlanStatic, 3, "1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", Syntax::Bits, RW, ""},
    {&tbl::Dot1qVlanStatic, 4, "1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", Syntax::Bits, RW, ""},
    {&tbl::Dot1qVlanStatic, 5, "1.3.6.1.2.1.17.7.1.4.3.1.5", "Row Status", Syntax::Integer, RW,
     "1=active|4=createAndGo|6=destroy"},
    {&tbl::CommunityTargetAddressTable, 0, "1.3.6.1.6.3.12.1.2.1.1", "Address Name", Syntax::DisplayString,
     KI, ""},
    {&tbl::CommunityTargetAddressTable, 1, "1.3.6.1.6.3.12.1.2.1.2", "Address TDomain", Syntax::ObjectId, RW,
     ""},
    {&tbl::CommunityTargetAddressTable, 2, "1.3.6.1.6.3.12.1.2.1.3", "Address TAddress", Syntax::Bits, RW,
     ""},
    {&tbl::CommunityTargetAddressTable, 3, "1.3.6.1.6.3.12.1.2.1.4", "Address Timeout", Syntax::Integer, RW,
     ""},
    {&tbl::CommunityTargetAddressTable, 4, "1.3.6.1.6.3.12.1.2.1.5", "Address Retry Count", Syntax::Integer,
     RW, ""},
    {&tbl::CommunityTargetAddressTable, 5, "1.3.6.1.6.3.12.1.2.1.6", "Address Tag List",
     Syntax::DisplayString, RW, ""},
    {&tbl::CommunityTargetAddressTable, 6, "1.3.6.1.6.3.12.1.2.1.7", "Address Params", Syntax::DisplayString,
     RW, ""},
    {&tbl::CommunityTargetAddressTable, 7, "1.3.6.1.6.3.12.1.2.1.8", "Address Storage Type", Syntax::Integer,
     RW, "1=other|2=volatile|3=nonVolatile|4=permanent|5=readOnly"},
    {&tbl::CommunityTargetAddressTable, 8, "1.3.6.1.6.3.12.1.2.1.9", "Row Status", Syntax::Integer, RW,
     "1=active|2=notInService|3=notReady|4=createAndGo|5=createAndWait|6=destroy"},
    {&tbl::IGMPControlTable1, 0, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.1", "VLAN ID", Syntax::Integer, K, ""},
    {&tbl::IGMPControlTable1, 1, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.2", "Query Interval", Syntax::Integer, RW,
     ""},
    {&tbl::IGMPControlTable1, 2, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.3", "Max Response Time", Syntax::Integer,
     RW, ""},
    {&tbl::IGMPControlTable1, 3, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.4", "Robustness", Syntax::Integer, RW,
     ""},
    {&tbl::IGMPControlTable1, 4, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.5", "Last Member Query Interval",
     Syntax::Integer, RW, ""},
    {&tbl::IGMPControlTable1, 5, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.6", "Host Timeout", Syntax::Integer, RW,
     ""},
    {&tbl::IGMPControlTable1, 6, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.7", "Route Timeout", Syntax::Integer, RW,
     ""},
    {&tbl::IGMPControlTable1, 7, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.8", "Leave Timer", Syntax::Integer, RW,
     ""},
    {&tbl::IGMPControlTable1, 8, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.9", "Query State", Syntax::Integer, RW,
     "2=disabled|3=enabled"},
    {&tbl::IGMPControlTable1, 9, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.10", "Current State", Syntax::Integer, RO,
     "2=querier|3=non-querier"},
    {&tbl::IGMPControlTable1, 10, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.11", "Control State", Syntax::Integer,
     RW, "2=disable|3=enable"},
    {&tbl::IGMPControlTable1, 11, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.12", "Fast Leave", Syntax::Integer, RW,
     "2=disable|3=enable"},
    {&tbl::IGMPControlTable1, 12, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.13", "Dynamic IP Multicast VLAN State",
     Syntax::Integer, RW, "1=enabled|2=disabled"},
    {&tbl::IGMPControlTable1, 13, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1.14", "Dynamic IP Multicast VLAN Age",
     Syntax::Integer, RW, "1=enabled|2=disabled"},
};

TEST(ReferenceTables, RowsAsDocumented) {
  for (const RowCase& c : kReferenceRows) {
    ASSERT_LT(c.index, c.table->rows.size()) << c.table->name;
    const KyVarDefRow& row = c.table->rows[c.index];
    const std::string where = Where(*c.table, c.index);
    EXPECT_STREQ(row.oid, c.oid) << where;
    EXPECT_STREQ(row.label, c.label) << where;
    EXPECT_EQ(row.syntax, c.syntax) << where;
    EXPECT_EQ(row.access, c.access) << where;
    EXPECT_EQ(OptionsText(row.options), c.options) << where;
  }
}

// Each reference table has exactly the rows documented above, no more.
TEST(ReferenceTables, ShapesAsDocumented) {
  struct Shape {
    const KyVarDefTable* table;
    uint8_t kind;
    int32_t keyCount;
  };
  const Shape shapes[] = {{&tbl::DeviceControl2, 0, 0},
                          {&tbl::PortControl1, 3, 2},
                          {&tbl::Dot1qVlanStatic, 3, 1},
                          {&tbl::CommunityTargetAddressTable, 3, 1},
                          {&tbl::IGMPControlTable1, 3, 1}};
  for (const Shape& s : shapes) {
    EXPECT_EQ(s.table->kind, s.kind) << s.table->name;
    EXPECT_EQ(s.table->keyCount, s.keyCount) << s.table->name;
    std::set<size_t> documented;
    for (const RowCase& c : kReferenceRows)
      if (c.table == s.table) documented.insert(c.index);
    ASSERT_FALSE(documented.empty()) << s.table->name;
    EXPECT_EQ(*documented.rbegin() + 1, documented.size()) << s.table->name << ": a row is left out above";
    EXPECT_EQ(s.table->rows.size(), documented.size()) << s.table->name;
  }
}

// ---------------------------------------------------------------------------
// Every generated menu command against its catalogue entry.

struct CommandCase {
  const KyVarDefTable* table;
  const char* name;  // handler without "Click"
  uint8_t kind;
  int32_t keyCount;
  size_t rows;
  int rowStatus;  // row that creates and destroys, -1 for none
  const char* firstLabel;
  const char* lastLabel;
  const char* formats;  // constrained rows: "4i 11i" (%i integer, %s text)
  int portGrid;         // row edited through the port grid, -1 for none
  const char* arcs;     // the identifiers its objects lie under, separated by ";"
};

const CommandCase kCommands[] = {
    {&tbl::BasicInfo1, "BasicInfo1", 0, 0, 4, -1, "Protocol Capability", "Serial Number", "", -1,
     "1.3.6.1.4.1.32473.12.1.1"},
    {&tbl::MibCapabilities1, "MibCapabilities1", 2, 1, 4, -1, "Index", "Type", "", -1,
     "1.3.6.1.4.1.32473.12.1.1.2.1"},
    {&tbl::BasicConfigure1, "BasicConfigure1", 0, 0, 4, -1, "RS232 Port", "Get IP From", "", -1,
     "1.3.6.1.4.1.32473.12.1.2;1.3.6.1.4.1.32473.12.1.3"},
    {&tbl::CpuUtilization1, "CpuUtilization1", 0, 0, 3, -1, "CPU Utilization In 5sec",
     "CPU Utilization In 5min", "", -1, "1.3.6.1.4.1.32473.12.1.1.6"},
    {&tbl::DRAMUtilization1, "DRAMUtilization1", 2, 1, 4, -1, "Unit ID", "Utilization", "", -1,
     "1.3.6.1.4.1.32473.12.1.1.9.1"},
    {&tbl::PortUtilization1, "PortUtilization1", 2, 1, 4, -1, "Port Utilization Port Index",
     "Port Utilization Util", "", -1, "1.3.6.1.4.1.32473.12.1.1.8.1"},
    {&tbl::Multipleimagemanagement1, "Multipleimagemanagement1", 3, 1, 6, -1, "Multiple Image Information ID",
     "Multiple Image Send User", "", -1, "1.3.6.1.4.1.32473.12.1.2.7.1"},
    {&tbl::ConsoleModeControl1, "ConsoleModeControl1", 0, 0, 5, -1, "Data Bits", "Logout Time", "", -1,
     "1.3.6.1.4.1.32473.12.1.5"},
    {&tbl::ARPClearAllState1, "ARPClearAllState1", 0, 0, 1, -1, "ARP Clear All State", "ARP Clear All State",
     "", -1, "1.3.6.1.4.1.32473.12.1.2.12"},
    {&tbl::GratuitousARPManagementInfomation1, "GratuitousARPManagementInfomation1", 0, 0, 3, -1,
     "Send Ipif Status UpState", "Learning State", "", -1, "1.3.6.1.4.1.32473.12.1.2.12.2"},
    {&tbl::GratuitousARPTable1, "GratuitousARPTable1", 3, 1, 4, -1, "Interface Name", "Log State", "", -1,
     "1.3.6.1.4.1.32473.12.1.2.12.2.4.1"},
    {&tbl::FDBClearAllState1, "FDBClearAllState1", 0, 0, 1, -1, "FDB Clear All State", "FDB Clear All State",
     "", -1, "1.3.6.1.4.1.32473.12.1.2.11"},
    {&tbl::TrustHostTable1, "TrustHostTable1", 3, 1, 4, 3, "Index", "Row Status", "", -1,
     "1.3.6.1.4.1.32473.12.1.2.10.1.1"},
    {&tbl::DeleteAllState1, "DeleteAllState1", 0, 0, 1, -1, "Trust Host Delete All", "Trust Host Delete All",
     "", -1, "1.3.6.1.4.1.32473.12.1.2.10"},
    {&tbl::Time1, "Time1", 0, 0, 3, -1, "Time Capacity", "Clock Reset On Reboot", "1s", -1,
     "1.3.6.1.4.1.32473.12.10"},
    {&tbl::CurrentTime1, "CurrentTime1", 0, 0, 5, -1, "Clock Reset On Reboot",
     "System Time Zone [ -779..839]", "", -1, "1.3.6.1.4.1.32473.12.10;1.3.6.1.4.1.32473.12.10.10"},
    {&tbl::SystemLogState1, "SystemLogState1", 0, 0, 4, -1, "System Log Control State",
     "System Log Control Clear Log", "2i", -1,
     "1.3.6.1.4.1.32473.12.12;1.3.6.1.4.1.32473.12.12.3;1.3.6.1.4.1.32473.12.12.4"},
    {&tbl::SMTPInformationTable1, "SMTPInformationTable1", 0, 0, 1, -1, "SMTP Send Test Status",
     "SMTP Send Test Status", "", -1, "1.3.6.1.4.1.32473.12.29.2"},
    {&tbl::SMTPMailReceiverTable1, "SMTPMailReceiverTable1", 3, 1, 3, 2, "SMTP Mail Receiver Address Index",
     "SMTP Mail Receiver Address State", "", -1, "1.3.6.1.4.1.32473.12.29.3.1.1"},
    {&tbl::CableDiagnostics1, "CableDiagnostics1", 2, 1, 13, -1, "Port Index", "Status", "", -1,
     "1.3.6.1.4.1.32473.12.58.1.1.1"},
    {&tbl::IFXTable1, "IFXTable1", 3, 1, 20, -1, "IF Index", "Discontinuity Time Count", "", -1,
     "1.3.6.1.2.1.2.2.1;1.3.6.1.2.1.31.1.1.1"},
    {&tbl::MaxConcurrentRequests1, "MaxConcurrentRequests1", 0, 0, 1, -1, "Max Concurrent Requests",
     "Max Concurrent Requests", "", -1, "1.3.6.1.2.1.80.1"},
    {&tbl::PingControlTable1, "PingControlTable1", 3, 2, 7, 6, "Owner Index", "Row Status", "", -1,
     "1.3.6.1.2.1.80.1.2.1"},
    {&tbl::PingResultsTable1, "PingResultsTable1", 3, 2, 12, -1, "Owner Index", "Last Good Probe", "", -1,
     "1.3.6.1.2.1.80.1.3.1"},
    {&tbl::MaxConcurrentRequests2, "MaxConcurrentRequests2", 0, 0, 1, -1, "Max Concurrent Requests",
     "Max Concurrent Requests", "", -1, "1.3.6.1.2.1.81.1"},
    {&tbl::TrouceControlTable1, "TrouceControlTable1", 3, 2, 9, 8, "Owner Index", "Row Status", "", -1,
     "1.3.6.1.2.1.81.1.2.1"},
    {&tbl::TraceRouteResultTable1, "TraceRouteResultTable1", 3, 2, 10, -1, "Owner Index", "Last Good Path",
     "", -1, "1.3.6.1.2.1.81.1.3.1"},
    {&tbl::SaveChanges1, "SaveChanges1", 0, 0, 1, -1, "Save", "Save", "", -1, "1.3.6.1.4.1.32473.12.1.2"},
    {&tbl::RMONSetting1, "RMONSetting1", 0, 0, 1, -1, "RMON State", "RMON State", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.1.2"},
    {&tbl::Information1, "Information1", 0, 0, 5, -1, "Bridge Address",
     "MAC Address Aging Time (10-1000000 sec)", "4i", -1, "1.3.6.1.2.1.17.1;1.3.6.1.2.1.17.4"},
    {&tbl::PortTable1, "PortTable1", 2, 1, 5, -1, "Index", "Maximum Transmission Unit Exceeded Discards", "",
     -1, "1.3.6.1.2.1.17.1.4.1"},
    {&tbl::ConfigurationIdentification1, "ConfigurationIdentification1", 0, 0, 2, -1, "Name",
     "Revision Level (0-65535)", "0s 1i", -1, "1.3.6.1.4.1.32473.12.15.2"},
    {&tbl::InstanceInformation1, "InstanceInformation1", 3, 1, 24, 23, "MSTP Instance ID", "Row Status",
     "1s 2s 3s 4s 5s 6s 7s 8s 11i", -1, "1.3.6.1.4.1.32473.12.15.2.3.1"},
    {&tbl::PortStateInformation1, "PortStateInformation1", 3, 1, 14, -1, "MST Port", "Restricted TCN", "", -1,
     "1.3.6.1.4.1.32473.12.15.2.4.1"},
    {&tbl::PortMSTPInformation1, "PortMSTPInformation1", 3, 2, 7, -1, "MST Port", "Role", "", -1,
     "1.3.6.1.4.1.32473.12.15.2.5.1"},
    {&tbl::BasicConfigure2, "BasicConfigure2", 0, 0, 2, -1, "Device Capabilities", "Traffic Classes Enabled",
     "", -1, "1.3.6.1.2.1.17.6.1.1"},
    {&tbl::DefaultUserPrioritiesofEachPort1, "DefaultUserPrioritiesofEachPort1", 2, 1, 3, -1, "Port",
     "Number Traffic Classes", "1i", -1, "1.3.6.1.2.1.17.6.1.2.1.1"},
    {&tbl::UserPrioritiesToTrafficClass1, "UserPrioritiesToTrafficClass1", 2, 2, 3, -1, "Port",
     "Traffic Class", "2i", -1, "1.3.6.1.2.1.17.6.1.2.3.1"},
    {&tbl::UnicastForwardingInformation1, "UnicastForwardingInformation1", 3, 2, 4, -1, "FDB ID", "Status",
     "", -1, "1.3.6.1.2.1.17.7.1.2.2.1"},
    {&tbl::Databaseinformation1, "Databaseinformation1", 2, 1, 2, -1, "FDB ID", "FDB Dynamic Count", "", -1,
     "1.3.6.1.2.1.17.7.1.2.1.1"},
    {&tbl::QinQGlobalStateSettings1, "QinQGlobalStateSettings1", 0, 0, 1, -1, "QinQ State", "QinQ State", "",
     -1, "1.3.6.1.4.1.32473.12.57.1"},
    {&tbl::QinQPortTable1, "QinQPortTable1", 3, 1, 3, -1, "QinQ Port Index", "QinQ Port TPID [HEX]", "", -1,
     "1.3.6.1.4.1.32473.12.57.3.1.1"},
    {&tbl::VLANAdvertisementTable1, "VLANAdvertisementTable1", 3, 1, 3, -1, "VLAN Index",
     "VLAN Advertise State", "", -1, "1.3.6.1.4.1.32473.11.63.8.2.23.1.1"},
    {&tbl::VlLANMultiplyManagement1, "VlLANMultiplyManagement1", 0, 0, 5, -1, "VLAN List", "Action", "", 2,
     "1.3.6.1.4.1.32473.11.63.8.2.23.2"},
    {&tbl::snmpEngine1, "snmpEngine1", 0, 0, 4, -1, "Engine ID", "Engine Max Message Size", "", -1,
     "1.3.6.1.6.3.10.2.1"},
    {&tbl::MessageProcessingandDispatching1, "MessageProcessingandDispatching1", 0, 0, 3, -1,
     "Unknown Security Models", "Unknown PDU Handlers", "", -1, "1.3.6.1.6.3.11.2.1"},
    {&tbl::GeneralInformation1, "GeneralInformation1", 0, 0, 3, -1, "Target Spin Lock", "Unknown Contexts",
     "", -1, "1.3.6.1.6.3.12.1"},
    {&tbl::CommunityTargetAddressTable, "CommunityTargetAddressTable", 3, 1, 9, 8, "Address Name",
     "Row Status", "4i", -1, "1.3.6.1.6.3.12.1.2.1"},
    {&tbl::TargetParameters1, "TargetParameters1", 3, 1, 7, 6, "Name", "Row Status", "", -1,
     "1.3.6.1.6.3.12.1.3.1"},
    {&tbl::Statistics2, "Statistics2", 0, 0, 6, -1, "Unsupported Security Level Packets",
     "Decryption Error Packets", "", -1, "1.3.6.1.6.3.15.1.1"},
    {&tbl::UserTable1, "UserTable1", 3, 2, 13, 12, "Engine ID", "Status", "", -1, "1.3.6.1.6.3.15.1.2.2.1"},
    {&tbl::SecurityTable1, "SecurityTable1", 3, 2, 5, 4, "Security Model", "Security Group Status", "", -1,
     "1.3.6.1.6.3.16.1.2.1"},
    {&tbl::AccessTable1, "AccessTable1", 3, 4, 10, 9, "Group Name", "Access Status", "", -1,
     "1.3.6.1.6.3.16.1.2.1;1.3.6.1.6.3.16.1.4.1"},
    {&tbl::ViewTable1, "ViewTable1", 3, 2, 6, 5, "VACM View Tree Family ViewName", "VACM", "", -1,
     "1.3.6.1.6.3.16.1.5.2.1"},
    {&tbl::NotifyTable1, "NotifyTable1", 3, 1, 5, 4, "Name", "Row Status", "", -1, "1.3.6.1.6.3.13.1.1.1"},
    {&tbl::NotifyFilterProfileTale1, "NotifyFilterProfileTale1", 3, 1, 4, 3, "Target Params Name",
     "Notify Filter Profile Row Status", "", -1, "1.3.6.1.6.3.12.1.3.1;1.3.6.1.6.3.13.1.2.1"},
    {&tbl::NotifyFilterEntryTable1, "NotifyFilterEntryTable1", 3, 2, 6, 5, "Notify Filter Profile Name",
     "Notify Filter Row Status", "", -1, "1.3.6.1.6.3.13.1.2.1;1.3.6.1.6.3.13.1.3.1"},
    {&tbl::CommunityStringTable1, "CommunityStringTable1", 3, 1, 8, 7, "Index", "Status", "", -1,
     "1.3.6.1.6.3.18.1.1.1"},
    {&tbl::TargetAddressTable1, "TargetAddressTable1", 3, 1, 3, -1, "Target Address Name",
     "Target Address MMS", "", -1, "1.3.6.1.6.3.12.1.2.1;1.3.6.1.6.3.18.1.2.1"},
    {&tbl::Auth1, "Auth1", 0, 0, 2, -1, "Auth Protocol", "Auth Mode", "", -1, "1.3.6.1.4.1.32473.12.3.1"},
    {&tbl::Configuration2, "Configuration2", 0, 0, 1, -1, "System Auth Control", "System Auth Control", "",
     -1, "1.0.8802.1.1.1.1.1"},
    {&tbl::PAEPortTable1, "PAEPortTable1", 3, 1, 5, -1, "Port Number", "Port Reauthenticate", "", -1,
     "1.0.8802.1.1.1.1.1.2.1"},
    {&tbl::PortAuthenticationConfiguration1, "PortAuthenticationConfiguration1", 3, 1, 14, -1, "Port Number",
     "Re Auth Enabled", "7i 8i 9i 10i 11i 12i", -1, "1.0.8802.1.1.1.1.2.1.1"},
    {&tbl::PortAuthStatistics1, "PortAuthStatistics1", 3, 1, 13, -1, "Port Number", "Last EAPOL Frame Source",
     "", -1, "1.0.8802.1.1.1.1.2.2.1"},
    {&tbl::Diagnostics1, "Diagnostics1", 3, 1, 19, -1, "Port Number", "Backend Auth Fails", "", -1,
     "1.0.8802.1.1.1.1.2.3.1"},
    {&tbl::PortSessionStatistics1, "PortSessionStatistics1", 2, 1, 10, -1, "Port Number",
     "Auth Session User Name", "", -1, "1.0.8802.1.1.1.1.2.4.1"},
    {&tbl::StateTable1, "StateTable1", 2, 2, 5, -1, "PAE MAC Address", "Auth Controlled Port Status", "", -1,
     "1.3.6.1.4.1.32473.12.3.6.1.1"},
    {&tbl::SessionInformation1, "SessionInformation1", 2, 2, 11, -1, "PAE MAC Address",
     "Auth Session User Name", "", -1, "1.3.6.1.4.1.32473.12.3.6.4.1"},
    {&tbl::RADIUSControl1, "RADIUSControl1", 0, 0, 2, -1, "RADIUS Timeout", "RADIUS Retransmit Attempts",
     "0i 1i", -1, "1.3.6.1.4.1.32473.12.3.2"},
    {&tbl::RADUISCommand1, "RADUISCommand1", 0, 0, 2, -1, "RADIUS Force Down Port Number",
     "RADIUS Force Down MAC Address", "", -1, "1.3.6.1.4.1.32473.12.3.7"},
    {&tbl::AuthenticationServer1, "AuthenticationServer1", 0, 0, 2, -1, "RADIUS Auth Client Identifier",
     "RADIUS Auth Client Invalid Server Addresses", "", -1, "1.3.6.1.4.1.32473.12.3.3"},
    {&tbl::AuthenticationServerTable1, "AuthenticationServerTable1", 2, 1, 15, -1, "RADIUS Auth Server Index",
     "RADIUS Auth Client Packets Dropped", "", -1, "1.3.6.1.4.1.32473.12.3.3.3.1"},
    {&tbl::AccountingServerInformation1, "AccountingServerInformation1", 0, 0, 4, -1,
     "RADIUS Accounting Table Client Identifier", "RADIUS Accounting Table Suppress Null User Name", "2i", -1,
     "1.3.6.1.2.1.67.2.2.1.1;1.3.6.1.4.1.32473.12.3.4"},
    {&tbl::AccountingServerTable1, "AccountingServerTable1", 2, 1, 13, -1,
     "RADIUS Accounting Table Server Index", "RADIUS Accounting Table Client Packets Dropped", "", -1,
     "1.3.6.1.4.1.32473.12.3.5.3.1"},
    {&tbl::ServiceTable1, "ServiceTable1", 2, 1, 3, -1, "RADIUS Accounting Table Service Index",
     "RADIUS Accounting Table Service Mode", "", -1, "1.3.6.1.4.1.32473.12.3.4.3.1"},
    {&tbl::TACACSControl1, "TACACSControl1", 0, 0, 1, -1, "Admin State", "Admin State", "", -1,
     "1.3.6.1.4.1.32473.12.5.1"},
    {&tbl::TACACSInformation1, "TACACSInformation1", 0, 0, 6, -1, "Max Login Method List",
     "AAC Attempt[1..255]", "4i 5i", -1, "1.3.6.1.4.1.32473.12.5.2;1.3.6.1.4.1.32473.12.5.8"},
    {&tbl::LoginInformation1, "LoginInformation1", 0, 0, 8, -1, "Console Login Method", "HTTP Enable Method",
     "", -1, "1.3.6.1.4.1.32473.12.5.7.1;1.3.6.1.4.1.32473.12.5.7.2"},
    {&tbl::ServerGroup1, "ServerGroup1", 2, 1, 18, 17, "Name", "Row Status", "", -1,
     "1.3.6.1.4.1.32473.12.5.9.1"},
    {&tbl::SSHManagement1, "SSHManagement1", 0, 0, 7, -1, "SSH Version", "SSH Listened Port", "2i", -1,
     "1.3.6.1.4.1.32473.12.6.1"},
    {&tbl::EncryptionAlgorithm1, "EncryptionAlgorithm1", 0, 0, 14, -1, "Encryption Algorithm 3DES Admin",
     "Public Key Algorithm DSA Admin", "", -1,
     "1.3.6.1.4.1.32473.12.6.2.1;1.3.6.1.4.1.32473.12.6.2.3;1.3.6.1.4.1.32473.12.6.2.4"},
    {&tbl::AuthenticationMethod1, "AuthenticationMethod1", 0, 0, 3, -1, "Password Admin", "Host Key Admin",
     "", -1, "1.3.6.1.4.1.32473.12.6.2.2"},
    {&tbl::GlobalManagement1, "GlobalManagement1", 0, 0, 1, -1, "Safeguard Admin State",
     "Safeguard Admin State", "", -1, "1.3.6.1.4.1.32473.12.19.1"},
    {&tbl::IPMACBindingControl1, "IPMACBindingControl1", 0, 0, 4, -1, "IP-MAC Binding Trap Log State",
     "IP-MAC Binding All Port State", "", -1, "1.3.6.1.4.1.32473.12.23.1;1.3.6.1.4.1.32473.12.23.3"},
    {&tbl::PortInformation3, "PortInformation3", 3, 1, 6, -1, "Port Index",
     "Port DHCP Snooping Entry Clear Action", "", -1, "1.3.6.1.4.1.32473.12.23.3.2.1"},
    {&tbl::BindingBlockedTable1, "BindingBlockedTable1", 3, 2, 6, 5, "Blocked VLAN ID", "Blocked Status", "",
     -1, "1.3.6.1.4.1.32473.12.23.4.2.1"},
    {&tbl::BindingDHCPSnoopTable1, "BindingDHCPSnoopTable1", 2, 1, 5, -1, "DHCP Snoop IP Index",
     "DHCP Snoop Status", "", -1, "1.3.6.1.4.1.32473.12.23.4.3.1"},
    {&tbl::DOSPreventionControl1, "DOSPreventionControl1", 0, 0, 2, -1, "DOS Trap Log", "DOS Clear Counters",
     "", -1, "1.3.6.1.4.1.32473.12.59.1"},
    {&tbl::DOSPrevertionControlTable1, "DOSPrevertionControlTable1", 3, 1, 7, -1, "DOS Control Type",
     "DOS Control Frame Count", "", -1, "1.3.6.1.4.1.32473.12.59.1.3.1"},
    {&tbl::DeviceControl2, "DeviceControl2", 0, 0, 18, -1, "System Reboot", "VLAN Trunk State", "4i 11i 12i",
     -1, "1.3.6.1.4.1.32473.11.63.8.2.1.2"},
    {&tbl::PortInformation1, "PortInformation1", 2, 1, 3, -1, "Port Index", "Nway Status", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.2.1.1"},
    {&tbl::PortControl1, "PortControl1", 3, 2, 10, -1, "Port Index", "MDIX State", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.2.2.1"},
    {&tbl::PortErrorTable1, "PortErrorTable1", 2, 1, 5, -1, "Error Port Index", "Error Description", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.2.3.1"},
    {&tbl::PortSecurityTrapLogState1, "PortSecurityTrapLogState1", 0, 0, 1, -1,
     "Port Security Trap Log State", "Port Security Trap Log State", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.15"},
    {&tbl::PortSecurityControl1, "PortSecurityControl1", 3, 1, 4, -1, "Port Index", "Max Learn Address", "",
     -1, "1.3.6.1.4.1.32473.11.63.8.2.15.1.1"},
    {&tbl::TrunkBasicInformation1, "TrunkBasicInformation1", 0, 0, 3, -1, "Port Trunk Max Entries",
     "Trunk Algorithm", "", -1, "1.3.6.1.4.1.32473.11.63.8.2.4"},
    {&tbl::TrunkLACPPortTable1, "TrunkLACPPortTable1", 3, 1, 2, -1, "Port Index", "Port State", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.4.5.1"},
    {&tbl::TrunkVLANTable1, "TrunkVLANTable1", 3, 1, 2, -1, "Trunk VLAN Port", "Trunk VLAN State", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.4.6.1"},
    {&tbl::QoSSchedulingMechanismControl1, "QoSSchedulingMechanismControl1", 0, 0, 1, -1,
     "QoS Scheduling Mechanism Control", "QoS Scheduling Mechanism Control", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.3"},
    {&tbl::BandwidthControlTable1, "BandwidthControlTable1", 3, 1, 5, -1, "QoS Bandwidth Port Index",
     "QoS Bandwidth RADIUS TX Rate", "", -1, "1.3.6.1.4.1.32473.11.63.8.2.3.1.1"},
    {&tbl::SchedulingTable1, "SchedulingTable1", 3, 1, 3, -1, "QoS Scheduling Class Index",
     "QoS Scheduling Mechanism", "", -1, "1.3.6.1.4.1.32473.11.63.8.2.3.2.1"},
    {&tbl::N8021pUserPriorityTable1, "N8021pUserPriorityTable1", 3, 1, 2, -1,
     "QoS 802.1p User Priority Index", "QoS 802.1p User Priority Class", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.3.3.1"},
    {&tbl::N8021pDefaultPriorityTable1, "N8021pDefaultPriorityTable1", 3, 1, 3, -1,
     "QoS 802.1p Default Priority Index", "QoS 802.1p RADIUS Priority", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.3.4.1"},
    {&tbl::IGMPGeneral1, "IGMPGeneral1", 0, 0, 2, -1, "Max Supported VLANs", "Max IP Group Number PerVLAN",
     "", -1, "1.3.6.1.4.1.32473.11.63.8.2.7"},
    {&tbl::IGMPControlTable1, "IGMPControlTable1", 3, 1, 14, -1, "VLAN ID", "Dynamic IP Multicast VLAN Age",
     "1i 2i 3i 4i 5i 6i 7i", -1, "1.3.6.1.4.1.32473.11.63.8.2.7.3.1"},
    {&tbl::IGMPQuery1, "IGMPQuery1", 3, 1, 3, -1, "VLAN ID", "TX Query Count", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.7.4.1"},
    {&tbl::IGMPInformation1, "IGMPInformation1", 3, 2, 5, -1, "VLAN ID", "IP Group Report Count", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.7.5.1"},
    {&tbl::IGMPAccessAuthenticationTable1, "IGMPAccessAuthenticationTable1", 3, 1, 3, -1,
     "IGMP Router Port VLAN ID", "IGMP Access Auth State", "", -1, "1.3.6.1.4.1.32473.11.63.8.2.7.7.1"},
    {&tbl::IGMPSnoopingGroupTable1, "IGMPSnoopingGroupTable1", 2, 3, 9, -1, "VLAN ID", "RouterP orts", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.7.11.1"},
    {&tbl::IGMPDynIPMultMaxEntry1, "IGMPDynIPMultMaxEntry1", 0, 0, 1, -1,
     "IGMP Dynamic IP Multicast Max Entry", "IGMP Dynamic IP Multicast Max Entry", "0i", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.7.12"},
    {&tbl::Management1, "Management1", 0, 0, 8, -1, "DHCP Relay State", "DHCP Relay Option 82 Remote ID",
     "1i 2i", -1, "1.3.6.1.4.1.32473.12.42.1;1.3.6.1.4.1.32473.12.42.3.2"},
    {&tbl::DHCPLocalRelayState1, "DHCPLocalRelayState1", 0, 0, 1, -1, "DHCP Local Relay State",
     "DHCP Local Relay State", "", -1, "1.3.6.1.4.1.32473.11.63.8.2.24"},
    {&tbl::DHCPLocalRelayVLANTable1, "DHCPLocalRelayVLANTable1", 3, 1, 2, -1, "DHCP Local Relay VLAN ID",
     "DHCP Local Relay VLAN State", "", -1, "1.3.6.1.4.1.32473.11.63.8.2.24.2.1"},
    {&tbl::CoSPriorityTable1, "CoSPriorityTable1", 3, 1, 5, -1, "CoS Priority Port", "CoS Priority None", "",
     -1, "1.3.6.1.4.1.32473.11.63.8.2.17.3.1.1"},
    {&tbl::CoSPortPRITable1, "CoSPortPRITable1", 3, 1, 2, -1, "CoS Port PRI Index", "CoS Port PRI Class", "",
     -1, "1.3.6.1.4.1.32473.11.63.8.2.17.3.2.1"},
    {&tbl::CosSMacBasePRITable1, "CosSMacBasePRITable1", 3, 1, 2, -1, "CoS MAC_Base PRI Index",
     "CoS MAC_Base PRI Class", "", -1, "1.3.6.1.4.1.32473.11.63.8.2.17.3.3.1"},
    {&tbl::CoSToSPRITable1, "CoSToSPRITable1", 3, 1, 2, -1, "CoS ToS PRI Index", "CoS ToS PRI Class", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.17.3.4.1"},
    {&tbl::CoSDHCPPRITable1, "CoSDHCPPRITable1", 3, 1, 2, -1, "CoS DSCP PRI Index", "CoS DSCP PRI Class", "",
     -1, "1.3.6.1.4.1.32473.11.63.8.2.17.3.5.1"},
    {&tbl::MulticastFilterTable1, "MulticastFilterTable1", 3, 1, 5, 4, "Profile Index", "Status", "", -1,
     "1.3.6.1.4.1.32473.11.63.8.2.22.2.1"},
    {&tbl::MulticastFilterPortInformationTable1, "MulticastFilterPortInformationTable1", 2, 1, 2, -1,
     "Port Index", "Profile ID", "", -1, "1.3.6.1.4.1.32473.11.63.8.2.22.5.1"},
    {&tbl::MulticastFilterPortTable1, "MulticastFilterPortTable1", 3, 1, 3, -1, "GroupPort Index",
     "Profile ID", "", -1, "1.3.6.1.4.1.32473.11.63.8.2.22.3.1"},
    {&tbl::MulticastFilterPortMaxGroupTable1, "MulticastFilterPortMaxGroupTable1", 3, 1, 2, -1,
     "Max Group Port Index", "Max Group", "", -1, "1.3.6.1.4.1.32473.11.63.8.2.22.4.1"},
    {&tbl::PacketStormControl1, "PacketStormControl1", 0, 0, 1, -1, "Packet Storm Trap Control",
     "Packet Storm Trap Control", "", -1, "1.3.6.1.4.1.32473.12.25.1"},
    {&tbl::PacketStormControlTable1, "PacketStormControlTable1", 3, 1, 8, -1, "Port Index", "Time Interval",
     "", -1, "1.3.6.1.4.1.32473.12.25.3.1.1"},
    {&tbl::ACLMaskDeleteAllState1, "ACLMaskDeleteAllState1", 0, 0, 1, -1, "ACL Mask Delete All State",
     "ACL Mask Delete All State", "", -1, "1.3.6.1.4.1.32473.12.9.2"},
    {&tbl::CPUFilterControl1, "CPUFilterControl1", 0, 0, 1, -1, "CPU Interface Filtering State",
     "CPU Interface Filtering State", "", -1, "1.3.6.1.4.1.32473.12.9.1"},
    {&tbl::TimeRangeACLTable1, "TimeRangeACLTable1", 3, 2, 3, -1, "Time Range ACL Profile ID",
     "Time Range ACL Time Range Name", "", -1, "1.3.6.1.4.1.32473.12.50.3.2.1"},
    {&tbl::TimeRangeCPUACLTable1, "TimeRangeCPUACLTable1", 3, 2, 3, -1, "Time Range CPU ACL Profile ID",
     "Time Range CPU ACL Time Range Name", "", -1, "1.3.6.1.4.1.32473.12.50.3.3.1"},
    {&tbl::ConfigurationInformation1, "ConfigurationInformation1", 0, 0, 5, -1, "Message TX Interval",
     "Notification Interval", "0i 1i 2i 3i 4i", -1, "1.0.8802.1.1.2.1.1"},
    {&tbl::AddressConfiguration1, "AddressConfiguration1", 3, 2, 3, -1, "Management Address Subtype",
     "Management Address Ports TX Enable", "0i", 2, "1.0.8802.1.1.2.1.1.7.1"},
    {&tbl::StatisticsInformation1, "StatisticsInformation1", 0, 0, 5, -1,
     "Statistics Remote Tables Last Change Time", "Statistics Remote Tables Ageouts", "", -1,
     "1.0.8802.1.1.2.1.2"},
    {&tbl::TxPortTable1, "TxPortTable1", 2, 1, 2, -1, "Statistics TX Port Number",
     "Statistics TX Port Total Frames", "", -1, "1.0.8802.1.1.2.1.2.6.1"},
    {&tbl::RxPortTable1, "RxPortTable1", 2, 1, 7, -1, "Statistics RX Port Number",
     "Statistics RX Port Ageouts Total", "", -1, "1.0.8802.1.1.2.1.2.7.1"},
    {&tbl::PortTable4, "PortTable4", 2, 1, 4, -1, "Local Port Number", "Local Port Description", "", -1,
     "1.0.8802.1.1.2.1.3.7.1"},
    {&tbl::ManagementAddressTable1, "ManagementAddressTable1", 2, 2, 6, -1,
     "Local Management Address Subtype", "Local Management Address OID", "", -1, "1.0.8802.1.1.2.1.3.8.1"},
    {&tbl::ManagementAddressTable2, "ManagementAddressTable2", 2, 5, 8, -1, "Time Mark",
     "Remote Management Address OID", "", -1, "1.0.8802.1.1.2.1.4.2.1"},
    {&tbl::UnknownTLVTable1, "UnknownTLVTable1", 2, 4, 5, -1, "Remote Time Mark",
     "Remote Unknown TLV Information", "", -1, "1.0.8802.1.1.2.1.4.3.1"},
    {&tbl::PortVLANTable1, "PortVLANTable1", 3, 1, 2, -1, "Port Number", "Port VLAN TX Enabled", "", -1,
     "1.0.8802.1.1.2.1.5.32962.1.1.1.1"},
    {&tbl::LocalDataTable1, "LocalDataTable1", 2, 1, 2, -1, "Port Number", "Port VLAN ID", "", -1,
     "1.0.8802.1.1.2.1.5.32962.1.2.1.1"},
    {&tbl::VLANNameTable2, "VLANNameTable2", 2, 2, 3, -1, "Port Number", "VLAN Name", "", -1,
     "1.0.8802.1.1.2.1.5.32962.1.2.3.1"},
    {&tbl::ProtocolTable2, "ProtocolTable2", 2, 2, 4, -1, "Port Number", "Protocol VLAN Enabled", "", -1,
     "1.0.8802.1.1.2.1.5.32962.1.2.2.1"},
    {&tbl::ProtocolTable3, "ProtocolTable3", 2, 2, 3, -1, "Port Number", "Protocol ID", "", -1,
     "1.0.8802.1.1.2.1.5.32962.1.2.4.1"},
    {&tbl::RemoteDataTable1, "RemoteDataTable1", 2, 3, 4, -1, "Remote Time Mark", "Remote Port VLAN ID", "",
     -1, "1.0.8802.1.1.2.1.5.32962.1.3.1.1"},
    {&tbl::VLANNameTable3, "VLANNameTable3", 2, 4, 5, -1, "Remote Time Mark", "Remote VLAN Name", "", -1,
     "1.0.8802.1.1.2.1.5.32962.1.3.3.1"},
    {&tbl::ProtocolVLANTable2, "ProtocolVLANTable2", 2, 4, 6, -1, "Remote Time Mark",
     "Remote Protocol VLAN Enabled", "", -1, "1.0.8802.1.1.2.1.5.32962.1.3.2.1"},
    {&tbl::ProtocolTable4, "ProtocolTable4", 2, 4, 5, -1, "Remote Time Mark", "Remote Protocol ID", "", -1,
     "1.0.8802.1.1.2.1.5.32962.1.3.4.1"},
    {&tbl::PortTablle1, "PortTablle1", 2, 1, 5, -1, "Local Port Number", "Port Operational MAU Type", "", -1,
     "1.0.8802.1.1.2.1.5.4623.1.2.1.1"},
    {&tbl::PowerTable2, "PowerTable2", 2, 1, 7, -1, "Loccal Port Number", "Power Class", "", -1,
     "1.0.8802.1.1.2.1.5.4623.1.2.2.1"},
    {&tbl::MaxFrameSizeTable1, "MaxFrameSizeTable1", 2, 1, 2, -1, "lldpLocPortNum", "MaxFrameSize", "", -1,
     "1.0.8802.1.1.2.1.5.4623.1.2.4.1"},
    {&tbl::PortTable3, "PortTable3", 2, 3, 7, -1, "Remote TimeMark", "Port Operational MAU Type", "", -1,
     "1.0.8802.1.1.2.1.5.4623.1.3.1.1"},
    {&tbl::PowerTable3, "PowerTable3", 2, 3, 9, -1, "Remote Time Mark", "Power Class", "", -1,
     "1.0.8802.1.1.2.1.5.4623.1.3.2.1"},
    {&tbl::MaxFrameSizeTable2, "MaxFrameSizeTable2", 2, 3, 4, -1, "Remote Time Mark", "Remote Max Frame Size",
     "", -1, "1.0.8802.1.1.2.1.5.4623.1.3.4.1"},
    {&tbl::LoopDetectControl1, "LoopDetectControl1", 0, 0, 3, -1, "Loop Detect Admin State",
     "Loop Detect Recover Time", "1i 2i", -1, "1.3.6.1.4.1.32473.11.63.8.2.21.1"},
    {&tbl::LoopDetectPortTable1, "LoopDetectPortTable1", 3, 1, 3, -1, "Loop Detect Port Index",
     "Loop Detect Port Loop Status", "", -1, "1.3.6.1.4.1.32473.11.63.8.2.21.2.1.1"},
    {&tbl::AggregatorTable1, "AggregatorTable1", 2, 1, 11, -1, "Index", "Collector Max Delay", "", -1,
     "1.3.6.1.4.1.32473.12.4.1.1.1.1"},
    {&tbl::AggregatorPortList1, "AggregatorPortList1", 2, 1, 2, -1, "    Index ", "     Ports    ", "", -1,
     "1.3.6.1.4.1.32473.12.4.1.1.1.1;1.3.6.1.4.1.32473.12.4.1.1.2.1"},
    {&tbl::MLDSnoopingManagement1, "MLDSnoopingManagement1", 0, 0, 1, -1, "MLD Snooping Global State",
     "MLD Snooping Global State", "", -1, "1.3.6.1.4.1.32473.12.34.1"},
    {&tbl::MLDSnoopingControl1, "MLDSnoopingControl1", 3, 1, 13, -1, "MLD Snooping Control VLAN ID",
     "MLD Snooping Version", "1i 2i 3i 4i 5i 6i 7i", -1, "1.3.6.1.4.1.32473.12.34.3.2.1"},
    {&tbl::PoESystemControl1, "PoESystemControl1", 0, 0, 3, -1, "PoE System Power Limit",
     "PoE System LED Mode", "0i", -1, "1.3.6.1.4.1.32473.12.24.1"},
    {&tbl::PoESysteminformation1, "PoESysteminformation1", 0, 0, 2, -1, "PoE System Power Consumption",
     "PoE System Power Remained", "", -1, "1.3.6.1.4.1.32473.12.24.2"},
    {&tbl::PoEPortControl1, "PoEPortControl1", 3, 1, 5, -1, "Port Index", "User Defined", "4i", -1,
     "1.3.6.1.4.1.32473.12.24.3.1.1"},
    {&tbl::PoEPortInformation1, "PoEPortInformation1", 2, 1, 7, -1, "Port Index", "Led Status", "", -1,
     "1.3.6.1.4.1.32473.12.24.4.1.1"},
    {&tbl::SingleIPControl1, "SingleIPControl1", 0, 0, 4, -1, "Admin", "Time Interval", "2i 3i", -1,
     "1.3.6.1.4.1.32473.12.8.1.2"},
    {&tbl::MyInformation1, "MyInformation1", 0, 0, 3, -1, "Version", "Platform", "", -1,
     "1.3.6.1.4.1.32473.12.8.1.1"},
    {&tbl::CandidateSwitch1, "CandidateSwitch1", 2, 1, 7, -1, "ID", "Hold Time", "", -1,
     "1.3.6.1.4.1.32473.12.8.1.4.1"},
    {&tbl::GroupInformation1, "GroupInformation1", 2, 1, 8, -1, "MAC Address", "Hold Time", "", -1,
     "1.3.6.1.4.1.32473.12.8.1.5.1"},
    {&tbl::NeighborSwitch1, "NeighborSwitch1", 2, 2, 3, -1, "Received Port", "Role State", "", -1,
     "1.3.6.1.4.1.32473.12.8.1.6.1"},
};

TEST(CommandTables, MatchTheCatalogue) {
  std::set<const KyVarDefTable*> all(AllDefinitionTables().begin(), AllDefinitionTables().end());
  for (const CommandCase& c : kCommands) {
    const KyVarDefTable& t = *c.table;
    EXPECT_EQ(all.count(c.table), 1u) << c.name << " is not registered";
    EXPECT_STREQ(t.name, c.name);
    EXPECT_EQ(t.kind, c.kind) << c.name;
    EXPECT_EQ(t.keyCount, c.keyCount) << c.name;
    ASSERT_EQ(t.rows.size(), c.rows) << c.name;
    EXPECT_STREQ(t.rows.front().label, c.firstLabel) << c.name;
    EXPECT_STREQ(t.rows.back().label, c.lastLabel) << c.name;
    if (c.rowStatus >= 0) {
      const KyVarDefRow& status = t.rows[static_cast<size_t>(c.rowStatus)];
      ASSERT_NE(status.options, nullptr) << c.name;
      EXPECT_EQ(status.access, RW) << c.name;
      const KyOptionList& list = *KyOptionList::Global(status.options);
      EXPECT_EQ(list.LabelToValue("createAndGo"), "4") << c.name;
      EXPECT_EQ(list.LabelToValue("destroy"), "6") << c.name;
    }
    const std::string formats = c.formats;
    for (size_t pos = 0; pos < formats.size();) {
      size_t end = formats.find(' ', pos);
      if (end == std::string::npos) end = formats.size();
      const std::string item = formats.substr(pos, end - pos);
      pos = end + 1;
      const size_t i = std::stoul(item);
      ASSERT_LT(i, t.rows.size()) << c.name;
      const Syntax s = t.rows[i].syntax;
      // A constraint binds an edit; a row with an option list would be a combo box.
      EXPECT_EQ(t.rows[i].options, nullptr) << Where(t, i) << " is typed in, not chosen";
      if (item.back() == 'i') {
        EXPECT_TRUE(s == Syntax::Integer || s == Syntax::Gauge32) << Where(t, i) << " takes an integer";
      } else {
        EXPECT_TRUE(s == Syntax::DisplayString || s == Syntax::OctetString || s == Syntax::Bits)
            << Where(t, i) << " takes a text";
      }
    }
    std::vector<std::string> arcs;
    for (std::string rest = c.arcs; !rest.empty();) {
      const size_t semi = rest.find(';');
      arcs.push_back(rest.substr(0, semi) + ".");
      rest = semi == std::string::npos ? "" : rest.substr(semi + 1);
    }
    for (size_t i = 0; i < t.rows.size(); ++i) {
      const std::string oid = t.rows[i].oid;
      if (oid == " ") continue;
      bool under = false;
      for (const std::string& arc : arcs) under = under || oid.compare(0, arc.size(), arc) == 0;
      EXPECT_TRUE(under) << Where(t, i) << ": " << oid << " lies outside " << c.arcs;
    }
    if (c.portGrid >= 0) {
      EXPECT_EQ(t.rows[static_cast<size_t>(c.portGrid)].syntax, Syntax::Bits) << c.name;
      EXPECT_EQ(t.rows[static_cast<size_t>(c.portGrid)].options, nullptr) << c.name;
    }
  }
}

TEST(CommandTables, EachCommandHasItsOwnTable) {
  std::set<const KyVarDefTable*> seen;
  for (const CommandCase& c : kCommands) EXPECT_TRUE(seen.insert(c.table).second) << c.name;
}

}  // namespace
