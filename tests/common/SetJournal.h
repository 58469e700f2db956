// Test helper, header-only: reads the SET journal that qrx900-sim writes with
// "--journal FILE". The file holds one record per SET request the simulator
// received:
//
//   SET <number of varbinds>
//   <numeric oid> <TYPE> <value>      one line per varbind, in request order
//
// TYPE is INTEGER, OCTET_STRING, OBJECT_IDENTIFIER, IpAddress, Counter32,
// Gauge32, TimeTicks, Opaque, Counter64 or NULL; `value` is the rest of the
// line after the type and its single space (empty for NULL and empty octets).
//
//   qrxtest::SimProcess sim;
//   ASSERT_TRUE(sim.Start({"--journal", path})) << sim.error();
//   ... the manager sends a SET ...
//   auto records = qrxtest::ReadSetJournal(path);
#pragma once

#include <cstddef>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace qrxtest {

struct JournalVarbind {
  std::string oid, type, value;
};
struct JournalRecord {
  std::vector<JournalVarbind> varbinds;
};

namespace detail {
inline bool IsJournalType(const std::string& t) {
  static const char* const kTypes[] = {"INTEGER",   "OCTET_STRING", "OBJECT_IDENTIFIER", "IpAddress", "Counter32",
                                       "Gauge32",   "TimeTicks",    "Opaque",            "Counter64", "NULL"};
  for (const char* k : kTypes)
    if (t == k) return true;
  return false;
}

inline bool IsNumericOid(const std::string& s) {
  if (s.empty() || s.front() == '.' || s.back() == '.') return false;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '.' ? s[i + 1] == '.' : (s[i] < '0' || s[i] > '9')) return false;
  }
  return true;
}

[[noreturn]] inline void JournalError(const std::string& path, size_t line, const std::string& what) {
  throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
}
}  // namespace detail

// Every record in the file (empty when the file is missing); throws
// std::runtime_error on a malformed file.
inline std::vector<JournalRecord> ReadSetJournal(const std::string& path) {
  std::vector<JournalRecord> records;
  std::ifstream in(path, std::ios::binary);
  if (!in) return records;
  std::string line;
  size_t lineNo = 0;
  size_t pending = 0;  // varbind lines still expected by the current record
  while (std::getline(in, line)) {
    ++lineNo;
    if (pending == 0) {
      if (line.rfind("SET ", 0) != 0) detail::JournalError(path, lineNo, "expected \"SET <count>\": " + line);
      std::string count = line.substr(4);
      if (count.empty() || count.size() > 6 || count.find_first_not_of("0123456789") != std::string::npos)
        detail::JournalError(path, lineNo, "bad varbind count: " + line);
      pending = static_cast<size_t>(std::stoul(count));
      records.emplace_back();
      continue;
    }
    size_t sp1 = line.find(' ');
    if (sp1 == std::string::npos) detail::JournalError(path, lineNo, "expected \"<oid> <TYPE> [value]\": " + line);
    size_t sp2 = line.find(' ', sp1 + 1);
    JournalVarbind vb;
    vb.oid = line.substr(0, sp1);
    vb.type = line.substr(sp1 + 1, sp2 == std::string::npos ? std::string::npos : sp2 - sp1 - 1);
    if (sp2 != std::string::npos) vb.value = line.substr(sp2 + 1);
    if (!detail::IsNumericOid(vb.oid)) detail::JournalError(path, lineNo, "bad OID: " + vb.oid);
    if (!detail::IsJournalType(vb.type)) detail::JournalError(path, lineNo, "unknown type: " + vb.type);
    records.back().varbinds.push_back(std::move(vb));
    --pending;
  }
  if (pending != 0) detail::JournalError(path, lineNo, "record cut short: " + std::to_string(pending) + " varbind(s) missing");
  return records;
}

}  // namespace qrxtest
