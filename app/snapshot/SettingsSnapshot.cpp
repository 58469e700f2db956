#include "app/snapshot/SettingsSnapshot.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "app/snapshot/JsonText.h"
#include "snmp/Messages.h"
#include "tables/DefTables.h"

namespace {

// ---------------------------------------------------------------------------
// The tables behind each dedicated dialog.

struct DedicatedTables {
  std::string_view handler;
  std::vector<const KyVarDefTable*> tables;
};

const std::vector<DedicatedTables>& DedicatedTableList() {
  using namespace tbl;
  static const std::vector<DedicatedTables> list = {
      {"NetworkTime1Click", {&NetworkTime}},
      {"SummerTime1Click", {&SummerTimeStatus, &SummerTimeRepeat, &SummerTimeAnnual}},
      {"SystemLogServerTable1Click", {&SystemLogServer}},
      {"SMTPControlTable1Click", {&SmtpControl}},
      {"AgentSuportedUpdateFiles1Click", {&UpdateFiles}},
      {"dot3ControlTable1Click", {&Dot3ControlPorts}},
      {"dot3PauseTable1Click", {&Dot3PausePorts}},
      {"SpanningTreeAlgorithm1Click", {&StpState}},
      {"Information2Click", {&StpBridge, &StpBridgeMstp}},
      {"PortCapbility1Click", {&PortCapabilities}},
      {"BasicConfigureClick", {&Dot1qVlanGeneral}},
      {"PortsInfo1Click", {&Dot1qPortVlan}},
      {"StaticForm1Click", {&Dot1qVlanStatic}},
      {"CurrentForm1Click", {&Dot1qVlanCurrent}},
      {"UnicastInformation1Click", {&StaticUnicastFilter}},
      {"MulticastInformation1Click", {&StaticMulticastFilter}},
      {"LoginMethodControl1Click", {&LoginMethodList}},
      {"EnableMethodControl1Click", {&EnableMethodList}},
      {"ServerInformation1Click", {&AacServerHost}},
      {"ServerControl1Click", {&AacServerGroupMember}},
      {"RadiusServerTabl1Click", {&RadiusServer}},
      {"SSLManagement1Click", {&SslManagement}},
      {"SSLCertificateLevel1Click", {&SslCertificateFile}},
      {"ProtectControl1Click", {&SafeguardControl}},
      {"BindingTable1Click", {&IpMacBinding}},
      {"EthernetMask1Click", {&EthernetMask1}},
      {"RuleOfEthernetInformation1Click", {&RuleOfEthernetInformation1}},
      {"IPMaskInformation1Click", {&IPMaskInformation1}},
      {"IPRule1Click", {&IPRule1}},
      {"PayloadMaskInformation1Click", {&PayloadMaskInformation1}},
      {"PayloadRule1Click", {&PayloadRule1}},
      {"EthernetMaskCPUFilter1Click", {&EthernetMaskCPUFilter1}},
      {"EthernetRuleCPUFilter1Click", {&EthernetRuleCPUFilter1}},
      {"IPMaskCPUFilter1Click", {&IPMaskCPUFilter1}},
      {"IPRuleCPUFilter1Click", {&IPRuleCPUFilter1}},
      {"PacketContentMaskCPUFilter1Click", {&PacketContentMaskCPUFilter1}},
      {"PacketContentRuleCPUFilter1Click", {&PacketContentRuleCPUFilter1}},
      {"TimeRangeManagement1Click", {&TimeRange}},
      {"PortMirrorTable1Click", {&PortMirror}},
      {"PortTrunk2Click", {&TrunkGroup}},
      {"AggreatorPortTable1Click", {&LacpAggregationPort}},
      {"TrafficSegmentationTable1Click", {&TrafficSegmentation}},
      {"IGMPRouterPort1Click", {&IgmpRouterPortVlan}},
      {"MLDSnoopingRouterPort1Click", {&MldRouterPortVlan}},
      {"GuestVLAN1Click", {&GuestVlan}},
      {"IGMPMulticastVLANTable1Click", {&IsmVlan}},
      {"IGMPMulticastVLANGroup1Click", {&IgmpMulticastVlanGroup}},
      {"MLDSnoopingGroupInformation1Click", {&MldSnoopingGroups}},
      {"Control1Click", {&DhcpRelayServers}},
      {"PortConfiguration1Click", {&LldpPortConfig}},
      {"PortConfigurationTable1Click", {&LldpDot3PortConfig}},
      {"SystemData1Click", {&LldpLocSysData}},
      {"VLANNameTable1Click", {&LldpConfigVlanName}},
      {"ProtocolVLANTable1Click", {&LldpConfigProtocolVlan}},
      {"ProtocolTable1Click", {&LldpConfigProtocol}},
      {"MemberSwitch1Click", {&MemberSwitches}},
  };
  return list;
}

// Tables with writable objects that are not settings: one-shot actions
// (delete, clear, add-a-member forms), the main window's hidden texts and
// counters.
const std::set<const KyVarDefTable*>& LeftOutTables() {
  using namespace tbl;
  static const std::set<const KyVarDefTable*> set = {
      &RmonState,           &StpVersion,          &Dot1qNextFreeLocalVlanIndex, &Dot1qVlanNumDeletes,
      &PortSecurityDelete,  &GuestVlanDelete,     &MemberSwitchAdd,             &IgmpClearDynamicIpMulticast,
      &Dot3ControlCounters, &Dot3PauseCounters,   &MacEapolStatistics,          &MacAuthDiagnostics,
      &LldpRemote,          &LldpDot3LinkAgg,     &LldpDot3RemoteLinkAgg,
  };
  return set;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool IsIndexOnly(const KyVarDefRow& row) { return row.oid == nullptr || Trim(row.oid).empty(); }

std::optional<SnapshotTablePlan> PlanTable(const KyVarDefTable& table, uint8_t kind, int32_t keyCount) {
  SnapshotTablePlan plan;
  plan.table = &table;
  plan.kind = kind;
  plan.keyCount = keyCount;
  const bool isTable = kind == 2 || kind == 3;
  const int n = static_cast<int>(table.rows.size());
  for (int i = 0; i < n; ++i) {
    if (isTable && i < keyCount) continue;
    if (IsSettingObject(table.rows[static_cast<size_t>(i)])) plan.items.push_back(i);
  }
  if (plan.items.empty()) return std::nullopt;
  if (isTable) {
    std::vector<int> keys;
    for (int i = 0; i < keyCount && i < n; ++i) keys.push_back(i);
    plan.items.insert(plan.items.begin(), keys.begin(), keys.end());
  }
  return plan;
}

std::vector<SnapshotCommandPlan> BuildPlan() {
  std::vector<SnapshotCommandPlan> plan;
  for (const MenuEntry& entry : MenuCatalogue()) {
    if (!entry.IsCommand() || entry.hidden) continue;
    SnapshotCommandPlan command;
    command.entry = &entry;
    command.path = MenuPathText(entry);
    if (entry.IsGenerated()) {
      if (const KyVarDefTable* table = DefinitionTableOf(entry))
        if (auto t = PlanTable(*table, entry.kind, entry.keyCount)) command.tables.push_back(std::move(*t));
    } else if (entry.pattern == CommandPattern::Dedicated) {
      for (const KyVarDefTable* table : DedicatedDialogTables(entry.handler))
        if (auto t = PlanTable(*table, table->kind, table->keyCount)) command.tables.push_back(std::move(*t));
    }
    if (!command.tables.empty()) plan.push_back(std::move(command));
  }
  return plan;
}

// ---------------------------------------------------------------------------
// BER of a value.

void AppendLength(std::string& out, size_t n) {
  if (n < 0x80) {
    out += static_cast<char>(n);
    return;
  }
  std::string bytes;
  while (n > 0) {
    bytes.insert(bytes.begin(), static_cast<char>(n & 0xFF));
    n >>= 8;
  }
  out += static_cast<char>(0x80 | bytes.size());
  out += bytes;
}

std::string SignedContent(int64_t v) {
  std::string out;
  // Big-endian two's complement, shortest form.
  for (int shift = 56; shift >= 0; shift -= 8) out += static_cast<char>((static_cast<uint64_t>(v) >> shift) & 0xFF);
  size_t start = 0;
  while (start + 1 < out.size()) {
    const auto b0 = static_cast<unsigned char>(out[start]);
    const auto b1 = static_cast<unsigned char>(out[start + 1]);
    if ((b0 == 0x00 && (b1 & 0x80) == 0) || (b0 == 0xFF && (b1 & 0x80) != 0)) ++start;
    else break;
  }
  return out.substr(start);
}

std::string UnsignedContent(uint64_t v) {
  std::string out;
  for (int shift = 56; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
  size_t start = 0;
  while (start + 1 < out.size() && out[start] == 0) ++start;
  out = out.substr(start);
  if ((static_cast<unsigned char>(out[0]) & 0x80) != 0) out.insert(out.begin(), '\0');
  return out;
}

void AppendBase128(std::string& out, uint64_t v) {
  std::string bytes(1, static_cast<char>(v & 0x7F));
  v >>= 7;
  while (v > 0) {
    bytes.insert(bytes.begin(), static_cast<char>(0x80 | (v & 0x7F)));
    v >>= 7;
  }
  out += bytes;
}

bool IsUnsignedType(uint8_t t) {
  return t == KyVbType::Counter32 || t == KyVbType::Gauge32 || t == KyVbType::TimeTicks ||
         t == KyVbType::Counter64 || t == KyVbType::UInteger32;
}

}  // namespace

// ---------------------------------------------------------------------------

bool IsSettingObject(const KyVarDefRow& row) {
  if ((row.access & Access::Read) == 0 || (row.access & Access::Write) == 0) return false;
  if (IsIndexOnly(row)) return false;
  // Writable, but running: the switch's clock is set, not kept, and reads
  // differently every second.
  static constexpr std::string_view kRunning[] = {
      "1.3.6.1.4.1.32473.12.10.2",  // "Current Clock" of "Current Time"
  };
  for (std::string_view oid : kRunning)
    if (Trim(row.oid) == oid) return false;
  switch (row.syntax) {
    case Syntax::Counter32:
    case Syntax::Counter64:
    case Syntax::TimeTicks:
      return false;
    default:
      return true;
  }
}

std::vector<const KyVarDefTable*> DedicatedDialogTables(std::string_view handler) {
  for (const auto& d : DedicatedTableList())
    if (d.handler == handler) return d.tables;
  return {};
}

bool IsTableLeftOut(const KyVarDefTable* table) { return LeftOutTables().count(table) != 0; }

std::string MenuPathText(const MenuEntry& entry) {
  std::string text;
  for (const std::string& menu : MenuPath(entry)) {
    text += Trim(menu);
    text += " > ";
  }
  text += Trim(entry.caption);
  return text;
}

const std::vector<SnapshotCommandPlan>& SettingsPlan() {
  static const std::vector<SnapshotCommandPlan> plan = BuildPlan();
  return plan;
}

const SnapshotCommandPlan* FindSettingsCommand(std::string_view path) {
  for (const auto& c : SettingsPlan())
    if (c.path == path) return &c;
  return nullptr;
}

std::string EncodeValueBytes(const KyVb& vb) {
  std::string content;
  if (vb.type == KyVbType::Integer) {
    content = SignedContent(vb.integer);
  } else if (IsUnsignedType(vb.type)) {
    content = UnsignedContent(vb.uinteger);
  } else if (vb.type == KyVbType::ObjectId) {
    const KyOid& oid = vb.objectId;
    if (!oid.empty()) {
      const uint64_t first = oid.size() >= 2 ? uint64_t{oid[0]} * 40 + oid[1] : uint64_t{oid[0]} * 40;
      AppendBase128(content, first);
      for (size_t k = 2; k < oid.size(); ++k) AppendBase128(content, oid[k]);
    }
  } else if (vb.HasNoValue()) {
    // NULL and the exceptions carry nothing.
  } else {
    content = vb.octets;
  }
  std::string out(1, static_cast<char>(vb.type));
  AppendLength(out, content.size());
  out += content;
  return out;
}

bool DecodeValueBytes(std::string_view bytes, KyVb& vb) {
  vb = KyVb{};
  if (bytes.size() < 2) return false;
  const auto at = [&](size_t k) { return static_cast<unsigned char>(bytes[k]); };
  const uint8_t type = at(0);
  if ((type & 0x1F) == 0x1F) return false;  // multi-byte tags are no SNMP value
  size_t pos = 1;
  size_t length = at(pos++);
  if (length & 0x80) {
    const size_t n = length & 0x7F;
    if (n == 0 || n > 4 || pos + n > bytes.size()) return false;
    length = 0;
    for (size_t k = 0; k < n; ++k) length = (length << 8) | at(pos++);
  }
  if (pos + length != bytes.size()) return false;
  const std::string_view content = bytes.substr(pos);
  vb.type = type;
  if (type == KyVbType::Integer) {
    if (content.empty() || content.size() > 8) return false;
    int64_t v = (static_cast<unsigned char>(content[0]) & 0x80) ? -1 : 0;
    for (char c : content) v = static_cast<int64_t>((static_cast<uint64_t>(v) << 8) | static_cast<unsigned char>(c));
    vb.integer = v;
  } else if (IsUnsignedType(type)) {
    if (content.empty() || content.size() > 9 || (content.size() == 9 && content[0] != 0)) return false;
    uint64_t v = 0;
    for (char c : content) v = (v << 8) | static_cast<unsigned char>(c);
    vb.uinteger = v;
  } else if (type == KyVbType::ObjectId) {
    KyOid oid;
    uint64_t v = 0;
    int count = 0;
    for (char c : content) {
      const auto b = static_cast<unsigned char>(c);
      if (++count > 10) return false;
      v = (v << 7) | (b & 0x7F);
      if (b & 0x80) continue;
      if (oid.empty()) {
        const uint64_t first = v < 80 ? v / 40 : 2;
        const uint64_t second = v - first * 40;
        if (second > 0xFFFFFFFFu) return false;
        oid.push_back(static_cast<uint32_t>(first));
        oid.push_back(static_cast<uint32_t>(second));
      } else {
        if (v > 0xFFFFFFFFu) return false;
        oid.push_back(static_cast<uint32_t>(v));
      }
      v = 0;
      count = 0;
    }
    if (count != 0) return false;
    vb.objectId = std::move(oid);
  } else if (type == KyVbType::Null || (type >= KyVbType::NoSuchObject && type <= KyVbType::EndOfMibView)) {
    if (!content.empty()) return false;
  } else {
    vb.octets = std::string(content);
  }
  return true;
}

// ---------------------------------------------------------------------------

std::vector<std::string> SettingsSnapshot::NotRead() const {
  std::vector<std::string> paths;
  for (const auto& c : commands)
    if (!c.read) paths.push_back(c.path);
  return paths;
}

int SettingsSnapshot::RowCount() const {
  int n = 0;
  for (const auto& c : commands)
    for (const auto& t : c.tables) n += static_cast<int>(t.rows.size());
  return n;
}

std::string SnapshotToJson(const SettingsSnapshot& s) {
  std::string out;
  auto line = [&out](int indent, std::string_view text) {
    out.append(static_cast<size_t>(indent) * 2, ' ');
    out += text;
    out += '\n';
  };
  auto member = [](std::string_view name, std::string_view valueText) {
    return JsonQuote(name) + ": " + std::string(valueText);
  };
  line(0, "{");
  line(1, member("format", JsonQuote(kSnapshotFormat)) + ",");
  line(1, member("version", std::to_string(s.version)) + ",");
  line(1, member("agent", JsonQuote(s.agent)) + ",");
  line(1, member("sysDescr", JsonQuote(s.sysDescr)) + ",");
  line(1, member("sysObjectID", JsonQuote(s.sysObjectId)) + ",");
  line(1, member("sysUpTime", JsonQuote(s.sysUpTime)) + ",");
  line(1, member("time", JsonQuote(s.time)) + ",");
  line(1, member("program", JsonQuote(s.program)) + ",");
  line(1, member("complete", s.complete ? "true" : "false") + ",");
  const std::vector<std::string> notRead = s.NotRead();
  if (notRead.empty()) {
    line(1, member("notRead", "[]") + ",");
  } else {
    line(1, member("notRead", "["));
    for (size_t k = 0; k < notRead.size(); ++k) line(2, JsonQuote(notRead[k]) + (k + 1 < notRead.size() ? "," : ""));
    line(1, "],");
  }
  if (s.commands.empty()) {
    line(1, member("commands", "{}"));
  } else {
    line(1, member("commands", "{"));
    for (size_t c = 0; c < s.commands.size(); ++c) {
      const SnapshotCommand& command = s.commands[c];
      const char* commandEnd = c + 1 < s.commands.size() ? "}," : "}";
      line(2, member(command.path, "{"));
      if (!command.read) {
        line(3, member("handler", JsonQuote(command.handler)) + ",");
        line(3, member("notRead", JsonQuote(command.error)));
        line(2, commandEnd);
        continue;
      }
      line(3, member("handler", JsonQuote(command.handler)) + ",");
      if (command.tables.empty()) {
        line(3, member("tables", "{}"));
      } else {
        line(3, member("tables", "{"));
        for (size_t t = 0; t < command.tables.size(); ++t) {
          const SnapshotTable& table = command.tables[t];
          const char* tableEnd = t + 1 < command.tables.size() ? "}," : "}";
          if (table.rows.empty()) {
            line(4, member(table.name, tableEnd[1] ? "{}," : "{}"));
            continue;
          }
          line(4, member(table.name, "{"));
          for (size_t r = 0; r < table.rows.size(); ++r) {
            const SnapshotRow& row = table.rows[r];
            const char* rowEnd = r + 1 < table.rows.size() ? "}," : "}";
            line(5, member(row.index, "{"));
            for (size_t v = 0; v < row.values.size(); ++v) {
              const SnapshotValue& value = row.values[v];
              std::string body = "{" + member("label", JsonQuote(value.label));
              if (value.missing) {
                body += ", " + member("missing", "true");
              } else {
                body += ", " + member("shown", JsonQuote(value.shown));
                if (!value.bytes.empty()) body += ", " + member("hex", JsonQuote(BytesToHex(value.bytes)));
              }
              body += "}";
              if (v + 1 < row.values.size()) body += ",";
              line(6, member(value.key, body));
            }
            line(5, rowEnd);
          }
          line(4, tableEnd);
        }
        line(3, "}");
      }
      line(2, commandEnd);
    }
    line(1, "}");
  }
  line(0, "}");
  return out;
}

// ---------------------------------------------------------------------------
// Reading.

namespace {

class SnapshotLoader {
 public:
  explicit SnapshotLoader(SnapshotParseError& error) : error_(error) {}

  std::optional<SettingsSnapshot> Load(const KyJson& root) {
    SettingsSnapshot s;
    if (!root.IsObject()) return Fail("", root, "not a settings snapshot (the file holds no JSON object)");
    const KyJson* format = root.Find("format");
    if (format == nullptr || !format->IsString() || format->text != kSnapshotFormat)
      return Fail(format ? "/format" : "", format ? *format : root,
                  std::string("not a settings snapshot (\"format\" is not \"") + kSnapshotFormat + "\")");
    const KyJson* version = root.Find("version");
    if (version == nullptr || version->type != KyJson::Type::Number)
      return Fail("/version", version ? *version : root, "\"version\" is missing or not a number");
    if (version->text != std::to_string(kSnapshotVersion)) {
      int v = 0;
      try {
        v = std::stoi(version->text);
      } catch (...) {
        v = 0;
      }
      if (v > kSnapshotVersion)
        return Fail("/version", *version,
                    "written in a later snapshot format (" + version->text + "); this program reads format " +
                        std::to_string(kSnapshotVersion));
      return Fail("/version", *version, "unknown snapshot format " + version->text);
    }
    static const std::set<std::string_view> kKnown = {"format",  "version",  "agent",    "sysDescr",
                                                      "sysObjectID", "sysUpTime", "time", "program",
                                                      "complete", "notRead", "commands"};
    for (const auto& m : root.members)
      if (!kKnown.count(m.first)) return Fail("/" + JsonPointerToken(m.first), m.second, "unknown member");
    if (!Text(root, "agent", s.agent) || !Text(root, "sysDescr", s.sysDescr) ||
        !Text(root, "sysObjectID", s.sysObjectId) || !Text(root, "sysUpTime", s.sysUpTime) ||
        !Text(root, "time", s.time) || !Text(root, "program", s.program))
      return std::nullopt;
    const KyJson* complete = root.Find("complete");
    if (complete == nullptr || complete->type != KyJson::Type::Bool)
      return Fail("/complete", complete ? *complete : root, "\"complete\" is missing or not true/false");
    s.complete = complete->boolean;
    const KyJson* notRead = root.Find("notRead");
    if (notRead == nullptr || !notRead->IsArray())
      return Fail("/notRead", notRead ? *notRead : root, "\"notRead\" is missing or not a list");
    std::vector<std::string> notReadPaths;
    for (size_t k = 0; k < notRead->items.size(); ++k) {
      const KyJson& item = notRead->items[k];
      if (!item.IsString()) return Fail("/notRead/" + std::to_string(k), item, "not a text");
      notReadPaths.push_back(item.text);
    }
    const KyJson* commands = root.Find("commands");
    if (commands == nullptr || !commands->IsObject())
      return Fail("/commands", commands ? *commands : root, "\"commands\" is missing or not an object");
    size_t lastPlanIndex = 0;
    for (const auto& [path, body] : commands->members) {
      const std::string where = "/commands/" + JsonPointerToken(path);
      const SnapshotCommandPlan* plan = FindSettingsCommand(path);
      if (plan == nullptr) return Fail(where, body, "no command of the menu has this path");
      const size_t planIndex = static_cast<size_t>(plan - SettingsPlan().data());
      if (planIndex < lastPlanIndex) return Fail(where, body, "the command is out of menu order");
      lastPlanIndex = planIndex;
      auto command = LoadCommand(*plan, where, body);
      if (!command) return std::nullopt;
      s.commands.push_back(std::move(*command));
    }
    if (s.NotRead() != notReadPaths)
      return Fail("/notRead", *notRead, "does not list exactly the commands marked \"notRead\"");
    if (s.complete != notReadPaths.empty())
      return Fail("/complete", *complete,
                  s.complete ? "says complete, but commands were not read" : "says incomplete, but every command was read");
    return s;
  }

 private:
  std::nullopt_t Fail(const std::string& pointer, const KyJson& at, std::string message) {
    error_.place = (pointer.empty() ? std::string("/") : pointer) + " (line " + std::to_string(at.line) + ")";
    error_.message = std::move(message);
    return std::nullopt;
  }

  bool Text(const KyJson& object, std::string_view name, std::string& out) {
    const KyJson* v = object.Find(name);
    if (v == nullptr || !v->IsString()) {
      Fail("/" + std::string(name), v ? *v : object, "\"" + std::string(name) + "\" is missing or not a text");
      return false;
    }
    out = v->text;
    return true;
  }

  std::optional<SnapshotCommand> LoadCommand(const SnapshotCommandPlan& plan, const std::string& where,
                                             const KyJson& body) {
    if (!body.IsObject()) return Fail(where, body, "a command must be an object");
    SnapshotCommand command;
    command.path = plan.path;
    const KyJson* handler = body.Find("handler");
    if (handler == nullptr || !handler->IsString() || handler->text != plan.entry->handler)
      return Fail(where + "/handler", handler ? *handler : body,
                  "the handler does not belong to this menu path (expected \"" + std::string(plan.entry->handler) +
                      "\")");
    command.handler = handler->text;
    if (const KyJson* notRead = body.Find("notRead")) {
      if (!notRead->IsString()) return Fail(where + "/notRead", *notRead, "not a text");
      if (body.members.size() != 2) return Fail(where, body, "a command not read holds only its handler and why");
      command.read = false;
      command.error = notRead->text;
      return command;
    }
    const KyJson* tables = body.Find("tables");
    if (tables == nullptr || !tables->IsObject())
      return Fail(where + "/tables", tables ? *tables : body, "\"tables\" is missing or not an object");
    if (body.members.size() != 2) return Fail(where, body, "unknown member in a command");
    for (const auto& [name, rows] : tables->members) {
      const std::string tableWhere = where + "/tables/" + JsonPointerToken(name);
      const SnapshotTablePlan* tablePlan = nullptr;
      for (const auto& t : plan.tables)
        if (name == t.table->name) tablePlan = &t;
      if (tablePlan == nullptr) return Fail(tableWhere, rows, "this command reads no table of this name");
      auto table = LoadTable(*tablePlan, tableWhere, rows);
      if (!table) return std::nullopt;
      command.tables.push_back(std::move(*table));
    }
    return command;
  }

  std::optional<SnapshotTable> LoadTable(const SnapshotTablePlan& plan, const std::string& where, const KyJson& rows) {
    if (!rows.IsObject()) return Fail(where, rows, "a table must be an object of rows");
    SnapshotTable table;
    table.name = plan.table->name;
    const bool scalar = plan.kind == 0 || plan.kind == 1;
    for (const auto& [index, values] : rows.members) {
      const std::string rowWhere = where + "/" + JsonPointerToken(index);
      KyOid suffix;
      if (!ParseOidText(index, suffix) || suffix.empty() || OidToText(suffix) != index)
        return Fail(rowWhere, values, "a row index must be an instance suffix such as \"0\" or \"1.5\"");
      if (scalar && plan.kind == 0 && index != "0") return Fail(rowWhere, values, "a scalar group has only the row \"0\"");
      if (!values.IsObject()) return Fail(rowWhere, values, "a row must be an object of values");
      SnapshotRow row;
      row.index = index;
      for (const auto& [key, value] : values.members) {
        auto v = LoadValue(plan, rowWhere + "/" + JsonPointerToken(key), key, value);
        if (!v) return std::nullopt;
        row.values.push_back(std::move(*v));
      }
      table.rows.push_back(std::move(row));
    }
    return table;
  }

  std::optional<SnapshotValue> LoadValue(const SnapshotTablePlan& plan, const std::string& where,
                                         const std::string& key, const KyJson& value) {
    int item = -1;
    for (int i : plan.items) {
      const KyVarDefRow& row = plan.table->rows[static_cast<size_t>(i)];
      const std::string k = IsIndexOnly(row) ? "index " + std::to_string(i) : std::string(Trim(row.oid));
      if (k == key) item = i;
    }
    if (item < 0) return Fail(where, value, "not an object of this command's table");
    if (!value.IsObject()) return Fail(where, value, "a value must be an object");
    const KyVarDefRow& def = plan.table->rows[static_cast<size_t>(item)];
    SnapshotValue v;
    v.key = key;
    for (const auto& [name, member] : value.members) {
      const std::string at = where + "/" + JsonPointerToken(name);
      if (name == "label" || name == "shown" || name == "hex") {
        if (!member.IsString()) return Fail(at, member, "not a text");
      } else if (name == "missing") {
        if (member.type != KyJson::Type::Bool || !member.boolean) return Fail(at, member, "\"missing\" can only be true");
        v.missing = true;
      } else {
        return Fail(at, member, "unknown member of a value");
      }
    }
    const KyJson* label = value.Find("label");
    if (label == nullptr) return Fail(where, value, "the value has no \"label\"");
    v.label = label->text;
    const KyJson* shown = value.Find("shown");
    const KyJson* hex = value.Find("hex");
    if (v.missing) {
      if (shown || hex) return Fail(where, value, "a missing object has no \"shown\" or \"hex\"");
      return v;
    }
    if (shown == nullptr) return Fail(where, value, "the value has no \"shown\"");
    v.shown = shown->text;
    if (IsIndexOnly(def)) {
      if (hex) return Fail(where + "/hex", *hex, "an index column has no bytes of its own");
      return v;
    }
    if (hex == nullptr) return Fail(where, value, "the value has no \"hex\"");
    std::string bytes;
    KyVb vb;
    if (!HexToBytes(hex->text, bytes) || hex->text.find(' ') != std::string::npos || hex->text.size() % 2 != 0)
      return Fail(where + "/hex", *hex, "not hex digits (two per byte)");
    if (!DecodeValueBytes(bytes, vb)) return Fail(where + "/hex", *hex, "not the bytes of one SNMP value");
    // The value must read as the column reads it: its shown text is made
    // again from the bytes, so that both agree.
    KySNMPVarDef column;
    column.oid = def.oid;
    column.label = def.label;
    column.syntax = def.syntax;
    column.access = def.access;
    column.options = KyOptionList::Global(def.options);
    if (!TypeFitsSyntax(def.syntax, vb) || vb.IsException())
      return Fail(where + "/hex", *hex, "the value's type does not fit the column \"" + std::string(def.label) + "\"");
    try {
      ::StoreValue(column, vb);
    } catch (const std::exception& e) {
      return Fail(where + "/hex", *hex, "the value does not fit the column: " + std::string(e.what()));
    }
    v.bytes = std::move(bytes);
    v.shown = column.value;
    return v;
  }

  SnapshotParseError& error_;
};

}  // namespace

std::optional<SettingsSnapshot> SnapshotFromJson(std::string_view text, SnapshotParseError& error) {
  KyJsonError jsonError;
  std::optional<KyJson> root = ParseJson(text, jsonError);
  if (!root) {
    error.place = "line " + std::to_string(jsonError.line) + ", column " + std::to_string(jsonError.column);
    error.message = jsonError.message;
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
      error.place = "line 1";
      error.message = "the file is empty";
    }
    return std::nullopt;
  }
  return SnapshotLoader(error).Load(*root);
}

// ---------------------------------------------------------------------------
// Comparison.

namespace {

std::string RowSummary(const SnapshotRow& row) {
  std::string text;
  for (const auto& v : row.values) {
    if (!text.empty()) text += ", ";
    text += v.label + "=" + (v.missing ? std::string("(missing)") : v.shown);
  }
  return text;
}

bool SameValue(const SnapshotValue& a, const SnapshotValue& b) {
  if (a.missing || b.missing) return a.missing == b.missing;
  if (a.bytes.empty() && b.bytes.empty()) return a.shown == b.shown;
  return a.bytes == b.bytes;
}

bool IsScalarTable(std::string_view path, std::string_view table) {
  if (const SnapshotCommandPlan* plan = FindSettingsCommand(path))
    for (const auto& t : plan->tables)
      if (table == t.table->name) return t.kind == 0;
  return false;
}

void CompareTables(const SnapshotCommand& command, const SnapshotTable* a, const SnapshotTable* b,
                   std::vector<SnapshotDifference>& out) {
  static const SnapshotTable kEmpty;
  if (a == nullptr) a = &kEmpty;
  if (b == nullptr) b = &kEmpty;
  const std::string tableName = !a->name.empty() ? a->name : b->name;
  const bool scalar = IsScalarTable(command.path, tableName);
  auto base = [&](SnapshotDiffKind kind, const std::string& index) {
    SnapshotDifference d;
    d.kind = kind;
    d.path = command.path;
    d.handler = command.handler;
    d.table = tableName;
    d.index = scalar ? std::string() : index;
    return d;
  };
  std::map<std::string, const SnapshotRow*> rowsB;
  for (const auto& r : b->rows) rowsB[r.index] = &r;
  std::set<std::string> seen;
  for (const auto& ra : a->rows) {
    seen.insert(ra.index);
    auto it = rowsB.find(ra.index);
    if (it == rowsB.end()) {
      auto d = base(SnapshotDiffKind::OnlyInBefore, ra.index);
      d.before = RowSummary(ra);
      out.push_back(std::move(d));
      continue;
    }
    const SnapshotRow& rb = *it->second;
    std::map<std::string, const SnapshotValue*> valuesB;
    for (const auto& v : rb.values) valuesB[v.key] = &v;
    std::set<std::string> keysA;
    for (const auto& va : ra.values) {
      keysA.insert(va.key);
      auto vb = valuesB.find(va.key);
      const SnapshotValue* other = vb == valuesB.end() ? nullptr : vb->second;
      if (other != nullptr && SameValue(va, *other)) continue;
      SnapshotDifference d;
      if (other == nullptr || other->missing) {
        if (va.missing) continue;
        d = base(SnapshotDiffKind::MissingAfter, ra.index);
        d.before = va.shown;
      } else if (va.missing) {
        d = base(SnapshotDiffKind::MissingBefore, ra.index);
        d.after = other->shown;
      } else {
        d = base(SnapshotDiffKind::Changed, ra.index);
        d.before = va.shown;
        d.after = other->shown;
      }
      d.label = va.label;
      out.push_back(std::move(d));
    }
    for (const auto& vbv : rb.values) {
      if (keysA.count(vbv.key) || vbv.missing) continue;
      auto d = base(SnapshotDiffKind::MissingBefore, ra.index);
      d.label = vbv.label;
      d.after = vbv.shown;
      out.push_back(std::move(d));
    }
  }
  for (const auto& rb : b->rows) {
    if (seen.count(rb.index)) continue;
    auto d = base(SnapshotDiffKind::OnlyInAfter, rb.index);
    d.after = RowSummary(rb);
    out.push_back(std::move(d));
  }
}

}  // namespace

std::string SnapshotDifference::KindText() const {
  switch (kind) {
    case SnapshotDiffKind::Changed: return "changed";
    case SnapshotDiffKind::OnlyInBefore: return "row only in the first";
    case SnapshotDiffKind::OnlyInAfter: return "row only in the second";
    case SnapshotDiffKind::MissingBefore: return "missing in the first";
    case SnapshotDiffKind::MissingAfter: return "missing in the second";
    case SnapshotDiffKind::NotRead: return "not read";
  }
  return {};
}

std::string SnapshotDifference::Describe() const {
  std::string where = index.empty() ? std::string() : "[" + index + "] ";
  switch (kind) {
    case SnapshotDiffKind::Changed:
      return where + label + ": " + before + " -> " + after;
    case SnapshotDiffKind::OnlyInBefore:
      return where + "row only in the first: " + before;
    case SnapshotDiffKind::OnlyInAfter:
      return where + "row only in the second: " + after;
    case SnapshotDiffKind::MissingBefore:
      return where + label + ": missing in the first, " + after + " in the second";
    case SnapshotDiffKind::MissingAfter:
      return where + label + ": " + before + " in the first, missing in the second";
    case SnapshotDiffKind::NotRead:
      return "not read: " + (before.empty() ? std::string() : "first: " + before) +
             (before.empty() || after.empty() ? "" : "; ") + (after.empty() ? std::string() : "second: " + after);
  }
  return {};
}

std::vector<SnapshotDifference> CompareSnapshots(const SettingsSnapshot& before, const SettingsSnapshot& after) {
  std::vector<std::string> order;
  for (const auto& c : SettingsPlan()) order.push_back(c.path);
  for (const auto* s : {&before, &after})
    for (const auto& c : s->commands)
      if (std::find(order.begin(), order.end(), c.path) == order.end()) order.push_back(c.path);
  auto find = [](const SettingsSnapshot& s, const std::string& path) -> const SnapshotCommand* {
    for (const auto& c : s.commands)
      if (c.path == path) return &c;
    return nullptr;
  };
  std::vector<SnapshotDifference> out;
  for (const std::string& path : order) {
    const SnapshotCommand* a = find(before, path);
    const SnapshotCommand* b = find(after, path);
    if (a == nullptr && b == nullptr) continue;
    const bool aRead = a != nullptr && a->read;
    const bool bRead = b != nullptr && b->read;
    if (!aRead || !bRead) {
      SnapshotDifference d;
      d.kind = SnapshotDiffKind::NotRead;
      d.path = path;
      d.handler = a != nullptr ? a->handler : b->handler;
      if (!aRead) d.before = a != nullptr ? (a->error.empty() ? "not read" : a->error) : "not in the snapshot";
      if (!bRead) d.after = b != nullptr ? (b->error.empty() ? "not read" : b->error) : "not in the snapshot";
      out.push_back(std::move(d));
      continue;
    }
    std::vector<std::string> tables;
    for (const auto* c : {a, b})
      for (const auto& t : c->tables)
        if (std::find(tables.begin(), tables.end(), t.name) == tables.end()) tables.push_back(t.name);
    for (const std::string& name : tables) {
      const SnapshotTable* ta = nullptr;
      const SnapshotTable* tb = nullptr;
      for (const auto& t : a->tables)
        if (t.name == name) ta = &t;
      for (const auto& t : b->tables)
        if (t.name == name) tb = &t;
      CompareTables(*a, ta, tb, out);
    }
  }
  return out;
}

std::string DifferencesText(const std::vector<SnapshotDifference>& differences) {
  if (differences.empty()) return std::string(kNoDifferencesText) + "\n";
  std::string out;
  for (size_t k = 0; k < differences.size();) {
    size_t end = k;
    while (end < differences.size() && differences[end].path == differences[k].path) ++end;
    out += differences[k].path + " (" + std::to_string(end - k) + ")\n";
    for (size_t j = k; j < end; ++j) out += "  " + differences[j].Describe() + "\n";
    k = end;
  }
  out += std::to_string(differences.size()) + (differences.size() == 1 ? " difference.\n" : " differences.\n");
  return out;
}
