// Test helper, header-only: reads the two journals qrx900-sim writes.
//
// The request journal ("--request-journal FILE") holds one record per
// request PDU the simulator received:
//
//   <GET|GETNEXT|GETBULK|SET> <number of varbinds> id=<request-id>[ nr=<n> mr=<m>]
//   <numeric oid>[ <TYPE> <value>]    one line per varbind, in request order
//
// nr= and mr= only for GETBULK; TYPE and value only for SET.
//
//   qrxtest::SimProcess sim;
//   ASSERT_TRUE(sim.Start({"--request-journal", path})) << sim.error();
//   ... the manager reads and writes ...
//   std::string asked = qrxtest::AskedFor(qrxtest::ReadRequestJournal(path));
//
// AskedFor keeps what the requester asked for and leaves out how the
// exchanges carried it (see there).
//
// The SET journal ("--journal FILE") holds one record per SET request:
//
//   SET <number of varbinds>
//   <numeric oid> <TYPE> <value>      one line per varbind, in request order
//
// In both, TYPE is INTEGER, OCTET_STRING, OBJECT_IDENTIFIER, IpAddress,
// Counter32, Gauge32, TimeTicks, Opaque, Counter64 or NULL; `value` is the
// rest of the line after the type and its single space (empty for NULL and
// empty octets).
//
//   auto records = qrxtest::ReadSetJournal(path);
#pragma once

#include <cstddef>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace qrxtest {

struct RequestVarbind {
  std::string oid, type, value;  // type and value: SET only
  bool operator==(const RequestVarbind&) const = default;
};
struct RequestRecord {
  std::string op;  // GET, GETNEXT, GETBULK, SET
  long id = 0;
  long nonRepeaters = 0, maxRepetitions = 0;  // GETBULK
  std::vector<RequestVarbind> varbinds;
};

namespace detail {
[[noreturn]] inline void JournalError(const std::string& path, size_t line, const std::string& what) {
  throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
}

inline bool IsNumericOid(const std::string& s) {
  if (s.empty() || s.front() == '.' || s.back() == '.') return false;
  for (size_t i = 0; i < s.size(); ++i)
    if (s[i] == '.' ? s[i + 1] == '.' : (s[i] < '0' || s[i] > '9')) return false;
  return true;
}

inline bool IsJournalType(const std::string& t) {
  static const char* const kTypes[] = {"INTEGER",   "OCTET_STRING", "OBJECT_IDENTIFIER", "IpAddress", "Counter32",
                                       "Gauge32",   "TimeTicks",    "Opaque",            "Counter64", "NULL"};
  for (const char* k : kTypes)
    if (t == k) return true;
  return false;
}

// A varbind line of a SET: "<oid> <TYPE> [value]".
inline RequestVarbind SetVarbind(const std::string& path, size_t lineNo, const std::string& line) {
  const size_t sp1 = line.find(' ');
  if (sp1 == std::string::npos) JournalError(path, lineNo, "expected \"<oid> <TYPE> [value]\": " + line);
  const size_t sp2 = line.find(' ', sp1 + 1);
  RequestVarbind vb;
  vb.oid = line.substr(0, sp1);
  vb.type = line.substr(sp1 + 1, sp2 == std::string::npos ? std::string::npos : sp2 - sp1 - 1);
  if (sp2 != std::string::npos) vb.value = line.substr(sp2 + 1);
  if (!IsNumericOid(vb.oid)) JournalError(path, lineNo, "bad OID: " + vb.oid);
  if (!IsJournalType(vb.type)) JournalError(path, lineNo, "unknown type: " + vb.type);
  return vb;
}

// The varbind count of a record's first line.
inline size_t VarbindCount(const std::string& path, size_t lineNo, const std::string& count, const std::string& line) {
  if (count.empty() || count.size() > 6 || count.find_first_not_of("0123456789") != std::string::npos)
    JournalError(path, lineNo, "bad varbind count: " + line);
  return static_cast<size_t>(std::stoul(count));
}

// The records of a journal: a first line that says how many varbind lines
// follow, then those. begin(record, line, lineNo) reads the first line into
// a new record and returns the count; varbind(record, line, lineNo) adds one
// varbind line. Empty when the file is missing.
template <typename Record, typename Begin, typename Varbind>
std::vector<Record> ReadRecords(const std::string& path, Begin begin, Varbind varbind) {
  std::vector<Record> records;
  std::ifstream in(path, std::ios::binary);
  if (!in) return records;
  std::string line;
  size_t lineNo = 0;
  size_t pending = 0;  // varbind lines still expected by the current record
  while (std::getline(in, line)) {
    ++lineNo;
    if (pending == 0) {
      records.emplace_back();
      pending = begin(records.back(), line, lineNo);
      continue;
    }
    varbind(records.back(), line, lineNo);
    --pending;
  }
  if (pending != 0) JournalError(path, lineNo, "record cut short: " + std::to_string(pending) + " varbind(s) missing");
  return records;
}

// "key=<number>" -> the number; false when the word is something else.
inline bool KeyNumber(const std::string& word, const std::string& key, long& out) {
  if (word.rfind(key + "=", 0) != 0) return false;
  const std::string digits = word.substr(key.size() + 1);
  if (digits.empty() || digits.size() > 11) return false;
  size_t at = digits[0] == '-' ? 1 : 0;
  if (at == digits.size() || digits.find_first_not_of("0123456789", at) != std::string::npos) return false;
  out = std::stol(digits);
  return true;
}

// Whether `oid` lies strictly inside the subtree named `root`.
inline bool StrictlyInside(const std::string& oid, const std::string& root) {
  return oid.size() > root.size() + 1 && oid.compare(0, root.size(), root) == 0 && oid[root.size()] == '.';
}
}  // namespace detail

// Every record in the file (empty when the file is missing); throws
// std::runtime_error on a malformed file.
inline std::vector<RequestRecord> ReadRequestJournal(const std::string& path) {
  auto begin = [&](RequestRecord& r, const std::string& line, size_t lineNo) {
    std::istringstream words(line);
    std::string count, id;
    words >> r.op >> count >> id;
    if (r.op != "GET" && r.op != "GETNEXT" && r.op != "GETBULK" && r.op != "SET")
      detail::JournalError(path, lineNo, "expected \"<GET|GETNEXT|GETBULK|SET> <count> id=<n>\": " + line);
    const size_t varbinds = detail::VarbindCount(path, lineNo, count, line);
    if (!detail::KeyNumber(id, "id", r.id)) detail::JournalError(path, lineNo, "bad request id: " + line);
    if (r.op == "GETBULK") {
      std::string nr, mr;
      words >> nr >> mr;
      if (!detail::KeyNumber(nr, "nr", r.nonRepeaters) || !detail::KeyNumber(mr, "mr", r.maxRepetitions))
        detail::JournalError(path, lineNo, "GETBULK without nr= and mr=: " + line);
    }
    std::string rest;
    if (words >> rest) detail::JournalError(path, lineNo, "unexpected words: " + line);
    return varbinds;
  };
  auto varbind = [&](RequestRecord& r, const std::string& line, size_t lineNo) {
    if (r.op == "SET") {
      r.varbinds.push_back(detail::SetVarbind(path, lineNo, line));
      return;
    }
    if (line.find(' ') != std::string::npos) detail::JournalError(path, lineNo, "expected an OID alone: " + line);
    if (!detail::IsNumericOid(line)) detail::JournalError(path, lineNo, "bad OID: " + line);
    r.varbinds.push_back({line, {}, {}});
  };
  return detail::ReadRecords<RequestRecord>(path, begin, varbind);
}

// What the requester asked for, one line per item, independent of how its
// walks were cut into exchanges:
//
//   GET                      a GET PDU, then its OIDs in PDU order, one per
//     <oid>                  line, indented by two blanks
//   SET                      a SET PDU, then "<oid> <TYPE> <value>" per
//     <oid> <TYPE> <value>   varbind in PDU order
//   WALK <oid>               a walk (or a single GET-NEXT) that begins at <oid>
//
// The rules:
// - GET and SET PDUs are kept whole, in order, with their varbind order.
// - Each name of a GETNEXT or GETBULK (non-repeaters too) either begins a
//   walk or continues one. It continues a walk when it lies strictly inside
//   the subtree of a name that began a walk earlier in the records given
//   (a walk goes on from the last instance it received, which lies in its
//   column); otherwise it begins a walk and gives a WALK line. So GET-NEXT or
//   GETBULK, the max-repetitions, how many exchanges a walk takes, how many
//   are in flight at once and which columns share a PDU do not show; the
//   columns walked and the order in which their walks begin do. A walk that
//   starts again at its column (a second Refresh) shows again.
// - A PDU without varbinds (an SNMPv3 discovery probe) is left out, and so is
//   a PDU equal to an earlier one with the same request id (a retransmission).
inline std::string AskedFor(const std::vector<RequestRecord>& records) {
  std::string out;
  std::vector<std::string> roots;  // names that began a walk
  std::set<std::tuple<long, std::string, std::string>> seen;  // (id, op, varbinds)
  for (const RequestRecord& r : records) {
    if (r.varbinds.empty()) continue;
    std::string body;
    for (const RequestVarbind& vb : r.varbinds) {
      body += "  " + vb.oid;
      if (r.op == "SET") body += " " + vb.type + (vb.value.empty() ? "" : " " + vb.value);
      body += "\n";
    }
    if (!seen.insert({r.id, r.op, body}).second) continue;
    if (r.op == "GET" || r.op == "SET") {
      out += r.op + "\n" + body;
      continue;
    }
    for (const RequestVarbind& vb : r.varbinds) {
      bool continues = false;
      for (const std::string& root : roots) {
        if (detail::StrictlyInside(vb.oid, root)) {
          continues = true;
          break;
        }
      }
      if (continues) continue;
      roots.push_back(vb.oid);
      out += "WALK " + vb.oid + "\n";
    }
  }
  return out;
}

// The SET journal: one record a SET request.
using JournalVarbind = RequestVarbind;
struct JournalRecord {
  std::vector<JournalVarbind> varbinds;
};

// Every record in the file (empty when the file is missing); throws
// std::runtime_error on a malformed file.
inline std::vector<JournalRecord> ReadSetJournal(const std::string& path) {
  auto begin = [&](JournalRecord&, const std::string& line, size_t lineNo) {
    if (line.rfind("SET ", 0) != 0) detail::JournalError(path, lineNo, "expected \"SET <count>\": " + line);
    return detail::VarbindCount(path, lineNo, line.substr(4), line);
  };
  auto varbind = [&](JournalRecord& r, const std::string& line, size_t lineNo) {
    r.varbinds.push_back(detail::SetVarbind(path, lineNo, line));
  };
  return detail::ReadRecords<JournalRecord>(path, begin, varbind);
}

}  // namespace qrxtest
