// Settings snapshots without an agent: which objects are settings, the exact
// bytes of a value, the JSON file both ways (bad files included) and the
// comparison.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/snapshot/JsonText.h"
#include "app/snapshot/SettingsSnapshot.h"
#include "tables/DefTables.h"

namespace {

// A value of the column's syntax as an agent would send it; `variant` makes
// different values.
KyVb SampleVb(Syntax syntax, int variant) {
  KyVb vb;
  switch (syntax) {
    case Syntax::Boolean:
    case Syntax::Integer:
      vb.SetInteger(1 + variant);
      break;
    case Syntax::IpAddress:
    case Syntax::Address:
      vb.SetOctets(KyVbType::IpAddress, std::string("\x0a\x00\x00", 3) + static_cast<char>(1 + variant));
      break;
    case Syntax::Gauge32:
    case Syntax::UInteger32:
      vb.SetUnsigned(KyVbType::Gauge32, 100u + static_cast<unsigned>(variant));
      break;
    case Syntax::ObjectId:
      vb.SetObjectId({1, 3, 6, 1, 4, 1, 32473, static_cast<uint32_t>(variant)});
      break;
    case Syntax::MacAddress:
      vb.SetOctets(KyVbType::OctetString, std::string("\x00\x11\x22\x33\x44", 5) + static_cast<char>(variant));
      break;
    case Syntax::DisplayString:
      vb.SetOctets(KyVbType::OctetString, "name-" + std::to_string(variant));
      break;
    default:
      vb.SetOctets(KyVbType::OctetString, std::string("\x00\xff\x80", 3) + static_cast<char>(variant));
      break;
  }
  return vb;
}

// A snapshot of the whole plan: every table with one row (two for tables),
// each value made by SampleVb and shown as StoreValue shows it.
SettingsSnapshot SampleSnapshot(int variant = 0) {
  SettingsSnapshot s;
  s.agent = "192.0.2.10";
  s.sysDescr = "QRX-900 \"52-port\"";
  s.sysObjectId = "1.3.6.1.4.1.32473.1";
  s.sysUpTime = "1 day 2:03:04.05";
  s.time = "2026-12-10T20:00:00Z";
  s.program = "0.1";
  for (const SnapshotCommandPlan& plan : SettingsPlan()) {
    SnapshotCommand command;
    command.path = plan.path;
    command.handler = std::string(plan.entry->handler);
    for (const SnapshotTablePlan& tp : plan.tables) {
      SnapshotTable table;
      table.name = tp.table->name;
      const bool isTable = tp.kind == 2 || tp.kind == 3;
      for (int r = 0; r < (isTable ? 2 : 1); ++r) {
        SnapshotRow row;
        row.index = isTable ? std::to_string(r + 1) : "0";
        for (int i : tp.items) {
          const KyVarDefRow& def = tp.table->rows[static_cast<size_t>(i)];
          SnapshotValue v;
          v.label = def.label;
          if (std::string(def.oid).find_first_not_of(' ') == std::string::npos) {
            v.key = "index " + std::to_string(i);
            v.shown = std::to_string(r + 1);
          } else {
            v.key = def.oid;
            KySNMPVarDef column;
            column.syntax = def.syntax;
            column.options = KyOptionList::Global(def.options);
            const KyVb vb = SampleVb(def.syntax, variant);
            StoreValue(column, vb);
            v.shown = column.value;
            v.bytes = EncodeValueBytes(vb);
          }
          row.values.push_back(std::move(v));
        }
        table.rows.push_back(std::move(row));
      }
      command.tables.push_back(std::move(table));
    }
    s.commands.push_back(std::move(command));
  }
  return s;
}

SnapshotCommand* Command(SettingsSnapshot& s, std::string_view path) {
  for (auto& c : s.commands)
    if (c.path == path) return &c;
  return nullptr;
}

constexpr std::string_view kScalarPath = "Basic Configuration > Agent Management > Console Mode Control";
constexpr std::string_view kTablePath = "Basic Configuration > Agent Management > Trust Host > Trust Host Table";

}  // namespace

// ---------------------------------------------------------------------------
// Which objects are settings.

TEST(SettingsPlan, CommandsInMenuOrderWithUniquePathsAndOnlySettings) {
  const auto& plan = SettingsPlan();
  ASSERT_GT(plan.size(), 60u);
  std::set<std::string> paths;
  const MenuEntry* previous = nullptr;
  for (const auto& c : plan) {
    EXPECT_TRUE(paths.insert(c.path).second) << "two commands with the path " << c.path;
    if (previous != nullptr) {
      EXPECT_LT(previous, c.entry) << c.path << " is out of menu order";
    }
    previous = c.entry;
    for (const auto& t : c.tables) {
      const bool isTable = t.kind == 2 || t.kind == 3;
      for (int i : t.items) {
        const KyVarDefRow& row = t.table->rows[static_cast<size_t>(i)];
        if (isTable && i < t.keyCount) continue;  // keys of rows with settings
        EXPECT_TRUE(IsSettingObject(row)) << c.path << " / " << row.label;
        EXPECT_NE(row.syntax, Syntax::Counter32) << row.label;
        EXPECT_NE(row.syntax, Syntax::TimeTicks) << row.label;
      }
    }
  }
  // Generated and dedicated commands both count; read-only views do not.
  EXPECT_NE(FindSettingsCommand(kScalarPath), nullptr);
  EXPECT_NE(FindSettingsCommand(kTablePath), nullptr);
  EXPECT_NE(FindSettingsCommand("VLAN > 802.1Q > 802.1Q VLAN > Static Table"), nullptr);
  EXPECT_EQ(FindSettingsCommand("Basic Configuration > Agent Management > CPU Utilization"), nullptr);
  // The running clock is written but is no setting.
  const auto* time = FindSettingsCommand("Basic Configuration > Time Management > Current Time");
  ASSERT_NE(time, nullptr);
  for (int i : time->tables.at(0).items) EXPECT_STRNE(time->tables[0].table->rows[static_cast<size_t>(i)].oid,
                                                      "1.3.6.1.4.1.32473.12.10.2");
  // A table keeps its keys first.
  const auto* trust = FindSettingsCommand(kTablePath);
  ASSERT_NE(trust, nullptr);
  EXPECT_EQ(trust->tables.at(0).items.at(0), 0);
}

TEST(SettingsPlan, EveryTableWithSettingsBelongsToACommandOrIsLeftOutOnPurpose) {
  std::set<const KyVarDefTable*> planned;
  for (const auto& c : SettingsPlan())
    for (const auto& t : c.tables) planned.insert(t.table);
  for (const KyVarDefTable* table : AllDefinitionTables()) {
    bool hasSetting = false;
    for (const auto& row : table->rows) hasSetting = hasSetting || IsSettingObject(row);
    if (!hasSetting || IsTableLeftOut(table)) continue;
    EXPECT_TRUE(planned.count(table)) << "the table " << table->name
                                      << " has settings but no snapshot command reads it";
  }
}

// ---------------------------------------------------------------------------
// Exact bytes of a value.

TEST(ValueBytes, RoundTripKeepsEveryValue) {
  const std::string longOctets(300, '\x5a');
  struct Case {
    const char* name;
    KyVb vb;
    std::string hex;  // expected encoding, "" to skip the check
  };
  auto integer = [](int64_t v) { KyVb vb; vb.SetInteger(v); return vb; };
  auto unsigned_ = [](uint8_t t, uint64_t v) { KyVb vb; vb.SetUnsigned(t, v); return vb; };
  auto octets = [](uint8_t t, std::string v) { KyVb vb; vb.SetOctets(t, std::move(v)); return vb; };
  KyVb oid;
  oid.SetObjectId({1, 3, 6, 1, 4, 1, 32473, 300});
  KyVb null;
  KyVb noSuch;
  noSuch.type = KyVbType::NoSuchObject;
  const Case cases[] = {
      {"zero", integer(0), "020100"},
      {"minus one", integer(-1), "0201FF"},
      {"128 needs a leading zero", integer(128), "02020080"},
      {"int32 min", integer(INT32_MIN), "020480000000"},
      {"gauge high bit", unsigned_(KyVbType::Gauge32, 0x80000000u), "42050080000000"},
      {"counter64 max", unsigned_(KyVbType::Counter64, UINT64_MAX), "460900FFFFFFFFFFFFFFFF"},
      {"octets with NUL", octets(KyVbType::OctetString, std::string("a\0b", 3)), "0403610062"},
      {"long octets", octets(KyVbType::OctetString, longOctets), ""},
      {"ip address", octets(KyVbType::IpAddress, std::string("\x0a\x00\x00\x01", 4)), "40040A000001"},
      {"object id", oid, "060A2B0601040181FD59822C"},
      {"null", null, "0500"},
      {"noSuchObject", noSuch, "8000"},
  };
  for (const Case& c : cases) {
    const std::string bytes = EncodeValueBytes(c.vb);
    if (!c.hex.empty()) {
      EXPECT_EQ(BytesToHex(bytes), c.hex) << c.name;
    }
    KyVb back;
    ASSERT_TRUE(DecodeValueBytes(bytes, back)) << c.name;
    EXPECT_EQ(back, c.vb) << c.name;
  }
}

TEST(ValueBytes, RefusesWhatIsNotExactlyOneValue) {
  const char* bad[] = {
      "",                    // nothing
      "02",                  // no length
      "020101FF",            // a byte after the value
      "0202FF",              // shorter than its length
      "02090102030405060708",  // INTEGER wider than 64 bits (and short)
      "0500FF",              // NULL with contents
      "0482FFFF",            // length beyond the bytes
      "1F0100",              // multi-byte tag
      "0601FF",              // OID whose last sub-identifier does not end
  };
  for (const char* hex : bad) {
    std::string bytes;
    ASSERT_TRUE(HexToBytes(hex, bytes));
    KyVb vb;
    EXPECT_FALSE(DecodeValueBytes(bytes, vb)) << hex;
  }
}

// ---------------------------------------------------------------------------
// The file.

TEST(SnapshotJson, RoundTripIsExactStableAndOneLinePerValue) {
  SettingsSnapshot s = SampleSnapshot();
  SnapshotCommand* scalar = Command(s, kScalarPath);
  ASSERT_NE(scalar, nullptr);
  scalar->tables[0].rows[0].values[0].missing = true;  // an object the agent lacks
  scalar->tables[0].rows[0].values[0].shown.clear();
  scalar->tables[0].rows[0].values[0].bytes.clear();
  const std::string text = SnapshotToJson(s);
  EXPECT_EQ(SnapshotToJson(s), text);

  // The header comes first, in this order.
  const char* order[] = {"\"format\"", "\"version\"", "\"agent\"", "\"sysDescr\"", "\"sysObjectID\"", "\"sysUpTime\"",
                         "\"time\"", "\"program\"", "\"complete\"", "\"notRead\"", "\"commands\""};
  size_t at = 0;
  for (const char* key : order) {
    const size_t found = text.find(key, at);
    ASSERT_NE(found, std::string::npos) << key;
    at = found;
  }
  // One line per value: every value line holds exactly one "label".
  size_t valueLines = 0;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find('\n', start);
    const std::string line = text.substr(start, end - start);
    const size_t labels = line.find("\"label\"");
    if (labels != std::string::npos) {
      ++valueLines;
      EXPECT_EQ(line.find("\"label\"", labels + 1), std::string::npos) << line;
    }
    start = end + 1;
  }
  size_t values = 0;
  for (const auto& c : s.commands)
    for (const auto& t : c.tables)
      for (const auto& r : t.rows) values += r.values.size();
  EXPECT_EQ(valueLines, values);

  SnapshotParseError error;
  auto back = SnapshotFromJson(text, error);
  ASSERT_TRUE(back) << error.place << ": " << error.message;
  EXPECT_EQ(SnapshotToJson(*back), text);
  EXPECT_TRUE(CompareSnapshots(s, *back).empty());
}

TEST(SnapshotJson, AnIncompleteSnapshotSaysWhichCommandsWereNotRead) {
  SettingsSnapshot s = SampleSnapshot();
  SnapshotCommand* table = Command(s, kTablePath);
  table->read = false;
  table->error = "(SNMPClass) SNMP request timed out!";
  table->tables.clear();
  s.complete = false;
  const std::string text = SnapshotToJson(s);
  EXPECT_NE(text.find("\"complete\": false"), std::string::npos);
  EXPECT_NE(text.find("\"notRead\": [\n    \"" + std::string(kTablePath) + "\""), std::string::npos) << text.substr(0, 600);
  SnapshotParseError error;
  auto back = SnapshotFromJson(text, error);
  ASSERT_TRUE(back) << error.place << ": " << error.message;
  EXPECT_FALSE(back->complete);
  EXPECT_EQ(back->NotRead(), std::vector<std::string>{std::string(kTablePath)});
}

TEST(SnapshotJson, BadFilesAreRefusedNamingThePlace) {
  const std::string good = SnapshotToJson(SampleSnapshot());
  auto replaced = [&](const std::string& from, const std::string& to) {
    std::string t = good;
    const size_t at = t.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) t.replace(at, from.size(), to);
    return t;
  };
  // The first value line of the scalar group, to damage it.
  const std::string scalarKey = "\"" + std::string(kScalarPath) + "\"";
  const size_t scalarAt = good.find(scalarKey);
  ASSERT_NE(scalarAt, std::string::npos);
  const size_t hexAt = good.find("\"hex\": \"", scalarAt);
  const size_t hexEnd = good.find('"', hexAt + 8);
  const std::string scalarHex = good.substr(hexAt, hexEnd + 1 - hexAt);

  struct Case {
    const char* name;
    std::string text;
    std::string place;    // part of the place named
    std::string message;  // part of the message
  };
  const Case cases[] = {
      {"empty file", "", "line 1", "empty"},
      {"not JSON", "hello", "line 1, column 1", "expected a JSON value"},
      {"truncated", good.substr(0, good.size() / 2), "line ", "truncated"},
      {"JSON but no snapshot", "{\"name\": 1}", "/ (line 1)", "not a settings snapshot"},
      {"later format", replaced("\"version\": 1", "\"version\": 7"), "/version (line 3)", "later snapshot format"},
      {"unknown command", replaced(scalarKey, "\"Basic Configuration > No Such Command\""),
       "/commands/Basic Configuration > No Such Command", "no command of the menu"},
      {"value of another type", replaced(scalarHex, "\"hex\": \"0403414243\""), "/hex (line ", "does not fit"},
      {"not hex", replaced(scalarHex, "\"hex\": \"02XY\""), "/hex", "not hex digits"},
      {"bytes that are no value", replaced(scalarHex, "\"hex\": \"020101FF\""), "/hex", "not the bytes of one"},
      {"incomplete without commands not read", replaced("\"complete\": true", "\"complete\": false"),
       "/complete (line 10)", "says incomplete"},
      {"value of an object the table does not have",
       replaced(scalarHex.substr(0, 0) + "\"" + std::string(kScalarPath) + "\": {",
                "\"" + std::string(kScalarPath) + "\": {\"handler\": \"ConsoleModeControl1Click\", \"tables\": "
                "{\"ConsoleModeControl1\": {\"0\": {\"1.2.3\": {\"label\": \"x\", \"missing\": true}}}}}, \"unused\": {"),
       "/ConsoleModeControl1/0/1.2.3", "not an object of this command"},
  };
  for (const Case& c : cases) {
    SnapshotParseError error;
    EXPECT_FALSE(SnapshotFromJson(c.text, error)) << c.name;
    EXPECT_NE(error.place.find(c.place), std::string::npos) << c.name << ": " << error.place;
    EXPECT_NE(error.message.find(c.message), std::string::npos) << c.name << ": " << error.message;
  }
}

TEST(Json, ParsesEscapesAndRefusesDuplicates) {
  KyJsonError error;
  auto v = ParseJson("{\"a\": \"x\\u00e9\\n\\ud83d\\ude00\", \"b\": [1, -2.5e3, true, null]}", error);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->Find("a")->text, "x\xc3\xa9\n\xf0\x9f\x98\x80");
  EXPECT_EQ(v->Find("b")->items.size(), 4u);
  EXPECT_FALSE(ParseJson("{\"a\": 1,\n \"a\": 2}", error));
  EXPECT_EQ(error.line, 2);
  EXPECT_EQ(JsonQuote(std::string("a\"\x01\xff", 4)), "\"a\\\"\\u0001\\ufffd\"");
}

// ---------------------------------------------------------------------------
// Comparison.

TEST(SnapshotCompare, FindsChangedRowsMissingAndNotRead) {
  const SettingsSnapshot before = SampleSnapshot();
  EXPECT_TRUE(CompareSnapshots(before, before).empty());
  EXPECT_EQ(DifferencesText({}), std::string(kNoDifferencesText) + "\n");

  SettingsSnapshot after = before;
  // A changed value, a row gone, a row added, a value missing and a command not read.
  const SettingsSnapshot other = SampleSnapshot(1);
  auto* scalar = Command(after, kScalarPath);
  scalar->tables[0].rows[0].values[1] = Command(const_cast<SettingsSnapshot&>(other), kScalarPath)->tables[0].rows[0].values[1];
  auto* table = Command(after, kTablePath);
  table->tables[0].rows.erase(table->tables[0].rows.begin());  // row 1 gone
  SnapshotRow added = table->tables[0].rows[0];
  added.index = "9";
  table->tables[0].rows.push_back(added);
  auto& lacking = after.commands.back().tables[0].rows[0].values.back();
  lacking.missing = true;
  after.commands[0].read = false;
  after.commands[0].error = "timed out";

  const auto diffs = CompareSnapshots(before, after);
  ASSERT_EQ(diffs.size(), 5u) << DifferencesText(diffs);
  EXPECT_EQ(diffs[0].kind, SnapshotDiffKind::NotRead);
  EXPECT_EQ(diffs[0].after, "timed out");
  std::multiset<SnapshotDiffKind> kinds;
  for (const auto& d : diffs) kinds.insert(d.kind);
  EXPECT_EQ(kinds.count(SnapshotDiffKind::Changed), 1u);
  EXPECT_EQ(kinds.count(SnapshotDiffKind::OnlyInBefore), 1u);
  EXPECT_EQ(kinds.count(SnapshotDiffKind::OnlyInAfter), 1u);
  EXPECT_EQ(kinds.count(SnapshotDiffKind::MissingAfter), 1u);
  for (const auto& d : diffs) {
    if (d.kind == SnapshotDiffKind::Changed) {
      EXPECT_EQ(d.path, kScalarPath);
      EXPECT_TRUE(d.index.empty());  // a scalar group has no row to name
      EXPECT_NE(d.before, d.after);
    }
    if (d.kind == SnapshotDiffKind::OnlyInBefore) {
      EXPECT_EQ(d.index, "1");
    }
    if (d.kind == SnapshotDiffKind::OnlyInAfter) {
      EXPECT_EQ(d.index, "9");
    }
  }
  const std::string text = DifferencesText(diffs);
  EXPECT_NE(text.find(std::string(kTablePath) + " (2)\n"), std::string::npos) << text;
  EXPECT_NE(text.find("5 differences."), std::string::npos) << text;
}
