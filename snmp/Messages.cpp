// Message catalogue: built-in texts, message files, status translation and
// the status line.
#include "snmp/Messages.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <system_error>

namespace {

// Built-in texts, entry n at index n.
constexpr const char* kCommonMessagesBuiltIn[] = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Empty value is not allowed!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is less than [MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is equal to [COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,each number is between [MIN] and [MAX]!",
    "Out of range at index of array or list!",
    "Destination buffer is undersize!",
    "The source to dncrypt is not encrypted!",
    "Fail to read data from file([FILENAME])!",
    "Fail to write data to file([FILENAME])!",
    "Fail to write value in ini file([FILENAME])!",
    "Fail to read option data from file([FILENAME])!",
};

constexpr const char* kSnmpMessagesBuiltIn[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
};

constexpr const char* kSnmpV3MessagesBuiltIn[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};

constexpr const char* kUsmMessagesBuiltIn[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};

constexpr const char* kSnmpClassMessagesBuiltIn[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};

constexpr const char* kKySnmpMessagesBuiltIn[] = {
    "Ok",
    "(KySNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(KySNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(KySNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(KySNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(KySNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(KySNMP++) Cannot create the global KySNMP++ session!",
    "(KySNMP++) Error when loading SNMP engine boots counter!",
    "(KySNMP++) Error when saving SNMP engine boots counter!",
    "(KySNMP++) Invalid IP Address or DNS name!",
    "(KySNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(KySNMP++) Bad SNMP syntax!",
    "(KySNMP++) Null value in the expression!",
    "(KySNMP++) Bad SNMP syntax in the expression!",
    "(KySNMP++) Bad key count of SNMP variable list!",
    "(KySNMP++) Bad item type of SNMP variable list!",
    "(KySNMP++) Bad item type of associated SNMP variable list!",
    "(KySNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(KySNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(KySNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(KySNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "(KySNMP++) Bad type of the associated visual control!",
    "(KySNMP++) Count of the associated visual controls is not enough!",
    "(KySNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data with syntax timeticks!",
    "(KySNMP++) Count of the value items for the chart's history data is not enough!",
    "(KySNMP++) Log database is not connected!",
    "(KySNMP++) Log database field not found!",
    "(KySNMP++) Bad syntax for the history chart of log!",
    "(KySNMP++) Unknown error code!",
};

constexpr const char* kStatusTemplatesBuiltIn[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};


bool IsBlank(std::string_view line) {
  return line.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos;
}

// Lines of a message file, at most maxLines of them (see SplitMessageLines).
std::vector<std::string> SplitLines(std::string_view content, std::size_t maxLines) {
  std::vector<std::string> lines;
  if (maxLines == 0) return lines;
  std::string piece;
  auto finish = [&] {
    if (!IsBlank(piece)) lines.push_back(piece);
    piece.clear();
    return lines.size() >= maxLines;
  };
  const std::size_t n = content.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char c = content[i];
    // A line break is LF or CR LF; a lone CR is an ordinary byte.
    const bool lineBreak = c == '\n' || (c == '\r' && i + 1 < n && content[i + 1] == '\n');
    if (lineBreak) {
      if (c == '\r') ++i;
      if (finish()) return lines;
      continue;
    }
    piece.push_back(c);
    if (piece.size() == kMessageLineMax && finish()) return lines;
  }
  if (!piece.empty()) finish();
  return lines;
}

bool ReadRegularFile(const std::string& path, std::string& content) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path p(path);
  // Only regular files: a FIFO or a device could block or never end.
  if (!fs::is_regular_file(p, ec) || ec) return false;
  const auto size = fs::file_size(p, ec);
  if (ec || size > kMessageFileMaxBytes) return false;
  std::ifstream in(p, std::ios::binary);
  if (!in) return false;
  content.clear();
  content.reserve(static_cast<std::size_t>(size));
  // Read at most one byte beyond the limit, in case the file grew meanwhile.
  char buffer[64 * 1024];
  while (in && content.size() <= kMessageFileMaxBytes) {
    in.read(buffer, sizeof buffer);
    content.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return false;
  return content.size() <= kMessageFileMaxBytes;
}

// Puts the three values into a status-line template in one pass.
std::string Substitute(std::string_view tmpl, std::string_view listName, std::string_view errorText,
                       std::string_view timeText) {
  static constexpr std::string_view kError = "[ERROR]";
  static constexpr std::string_view kVarList = "[VARLIST]";
  static constexpr std::string_view kTime = "[TIME]";
  std::string out;
  out.reserve(tmpl.size() + listName.size() + errorText.size() + timeText.size());
  std::size_t i = 0;
  while (i < tmpl.size()) {
    const std::string_view rest = tmpl.substr(i);
    if (rest.starts_with(kError)) {
      out += errorText;
      i += kError.size();
    } else if (rest.starts_with(kVarList)) {
      out += listName;
      i += kVarList.size();
    } else if (rest.starts_with(kTime)) {
      out += timeText;
      i += kTime.size();
    } else {
      out.push_back(tmpl[i]);
      ++i;
    }
  }
  return out;
}

}  // namespace

// ---------------------------------------------------------------------------
// Tables.

std::string KyMessageTable::Text(std::ptrdiff_t n) const {
  if (n < 0) return {};
  const auto i = static_cast<std::size_t>(n);
  if (i < loaded_.size()) return loaded_[i];
  return BuiltInText(n);
}

std::string KyMessageTable::BuiltInText(std::ptrdiff_t n) const {
  if (n < 0) return {};
  const auto i = static_cast<std::size_t>(n);
  return i < builtIn_.size() ? std::string(builtIn_[i]) : std::string();
}

constinit KyMessageTable CommonMessages{kCommonMessagesBuiltIn};
constinit KyMessageTable SnmpMessages{kSnmpMessagesBuiltIn};
constinit KyMessageTable SnmpV3Messages{kSnmpV3MessagesBuiltIn};
constinit KyMessageTable UsmMessages{kUsmMessagesBuiltIn};
constinit KyMessageTable SnmpClassMessages{kSnmpClassMessagesBuiltIn};
constinit KyMessageTable KySnmpMessages{kKySnmpMessagesBuiltIn};
constinit KyMessageTable StatusTemplates{kStatusTemplatesBuiltIn};

void ResetMessageTables() {
  for (KyMessageTable* t : {&CommonMessages, &SnmpMessages, &SnmpV3Messages, &UsmMessages,
                            &SnmpClassMessages, &KySnmpMessages, &StatusTemplates})
    t->Reset();
}

// ---------------------------------------------------------------------------
// Message files.

std::vector<std::string> SplitMessageLines(std::string_view content) {
  return SplitLines(content, std::numeric_limits<std::size_t>::max());
}

bool LoadMessageText(KyMessageTable& table, std::string_view content) {
  // Entries beyond the built-in ones are never looked up: not kept.
  std::vector<std::string> lines = SplitLines(content, table.BuiltInCount());
  if (lines.empty()) return false;
  table.Replace(std::move(lines));
  return true;
}

bool LoadMessageFile(KyMessageTable& table, const std::string& path) {
  std::string content;
  if (!ReadRegularFile(path, content)) return false;
  return LoadMessageText(table, content);
}

std::string MessageFilePath(const std::string& prefix, const std::string& name) {
  std::string path = prefix + name;
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

int LoadMessageFiles(const std::string& prefix) {
  struct File {
    KyMessageTable* table;
    const char* name;
  };
  const File files[] = {
      {&CommonMessages, "errmsg\\common.err"},     {&SnmpMessages, "errmsg\\snmp.err"},
      {&SnmpV3Messages, "errmsg\\snmpv3.err"},     {&UsmMessages, "errmsg\\snmpusm.err"},
      {&SnmpClassMessages, "errmsg\\snmpclass.err"}, {&KySnmpMessages, "errmsg\\kysnmp.err"},
      {&StatusTemplates, "errmsg\\snmp.msg"},
  };
  int loaded = 0;
  for (const File& f : files)
    if (LoadMessageFile(*f.table, MessageFilePath(prefix, f.name))) ++loaded;
  return loaded;
}

// ---------------------------------------------------------------------------
// Translation.

KyStatusText TranslateStatus(int status) {
  if (status == SnmpStatus::Success || status == SnmpStatus::UsmSuccess || status == SnmpStatus::MpOk)
    return {KyErr::Ok, KySnmpMessages.Text(0)};
  if (status >= 1401 && status <= 1414) return {1100 - status, UsmMessages.Text(status - 1401)};
  if (status >= -1418 && status <= -1402) return {status + 1201, SnmpV3Messages.Text(-1402 - status)};
  if (status >= 1 && status <= 18) return {-100 - status, SnmpMessages.Text(status - 1)};
  if (status >= -23 && status <= -1) return {status - 400, SnmpClassMessages.Text(-1 - status)};
  return {KyErr::UnknownError, KySnmpMessages.Text(28)};
}

std::string MessageText(int32_t code) {
  if (code == 0) return KySnmpMessages.Text(0);
  if (code >= -18 && code <= -1) return CommonMessages.Text(-code);
  if (code >= -118 && code <= -101) return SnmpMessages.Text(-101 - code);
  if (code >= -217 && code <= -201) return SnmpV3Messages.Text(-201 - code);
  if (code >= -314 && code <= -301) return UsmMessages.Text(-301 - code);
  if (code >= -423 && code <= -401) return SnmpClassMessages.Text(-401 - code);
  if (code >= -528 && code <= -501) return KySnmpMessages.Text(-500 - code);
  return KySnmpMessages.Text(28);
}

std::string ReplaceAll(std::string_view text, std::string_view placeholder, std::string_view value) {
  if (placeholder.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t from = 0;
  for (std::size_t at; (at = text.find(placeholder, from)) != std::string_view::npos;
       from = at + placeholder.size()) {
    out.append(text.substr(from, at - from));
    out.append(value);
  }
  out.append(text.substr(from));
  return out;
}

// ---------------------------------------------------------------------------
// Status line.

std::string StatusTime(const std::tm& localTime) {
  const int hour24 = ((localTime.tm_hour % 24) + 24) % 24;
  const int hour12 = hour24 % 12 == 0 ? 12 : hour24 % 12;
  const int minute = ((localTime.tm_min % 60) + 60) % 60;
  const int second = ((localTime.tm_sec % 61) + 61) % 61;  // 60: leap second
  std::tm t{};
  t.tm_hour = hour24;
  char marker[32] = "";
  if (std::strftime(marker, sizeof marker, "%p", &t) == 0 || marker[0] == '\0')
    std::snprintf(marker, sizeof marker, "%s", hour24 < 12 ? "AM" : "PM");
  char text[64];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d %s", hour12, minute, second, marker);
  return text;
}

std::string StatusLine(int templateNumber, const std::string& listName, const std::string& errorText,
                       const std::tm& localTime) {
  std::string tmpl = StatusTemplates.Text(templateNumber);
  if (tmpl.empty()) return errorText;  // no such template
  if (listName.empty()) {
    // Without a list name the "Request:[VARLIST]" part goes.
    const std::size_t e = tmpl.find("[ERROR]");
    const std::size_t v = tmpl.find("[VARLIST]");
    if (e != std::string::npos && v != std::string::npos && v >= e) {
      const std::size_t from = e + 7;
      tmpl.erase(from, v + 9 - from);
    }
  }
  // One pass, so that texts put in are shown as they are.
  return Substitute(tmpl, listName, errorText, StatusTime(localTime));
}

std::string StatusLine(int templateNumber, const std::string& listName, const std::string& errorText) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return StatusLine(templateNumber, listName, errorText, local);
}

// ---------------------------------------------------------------------------
// Errors.

void ThrowKySNMPError(int32_t code) { throw KySNMPException(MessageText(code), code); }

void ThrowKySNMPError(int32_t code, const std::string& text) { throw KySNMPException(text, code); }

void ThrowIfStatusError(int status) {
  KyStatusText t = TranslateStatus(status);
  if (t.code != KyErr::Ok) throw KySNMPException(std::move(t.text), t.code);
}
