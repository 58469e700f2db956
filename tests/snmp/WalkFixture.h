// A table for walk tests on the fake agent, and the two ways a window walks
// it (synchronously, one Read per row; asynchronously, one ReadAsync per row
// from the completions), each recording what the walk handed on.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "snmp/Messages.h"
#include "snmp/Request.h"
#include "snmp/Session.h"
#include "snmp/agent/MibAgent.h"
#include "snmp/agent/TestSession.h"

namespace walkfixture {

using fake::Cat;
using fake::Oid;

// The table's entry; column 1 is its index, 2 a text, 3 and 4 gauges.
inline const Oid kEntry = {1, 3, 6, 1, 4, 1, 32473, 9, 1};
inline const std::string kEntryText = "1.3.6.1.4.1.32473.9.1";
// The object that follows the table in the agent's MIB.
inline const Oid kAfterTable = {1, 3, 6, 1, 4, 1, 32473, 9, 2, 1};
// A runaway walk stops after this many rows.
constexpr size_t kRowLimit = 20000;

// Sets the cell of `column` at the instance `index` (one or more sub-identifiers).
inline void PutAt(fake::MibAgent& a, uint32_t column, const Oid& index) {
  Oid o = Cat(Cat(kEntry, {column}), index);
  std::string label;
  for (uint32_t s : index) label += (label.empty() ? "" : ".") + std::to_string(s);
  if (column == 2) a.mib[o] = fake::Str(o, "name" + label);
  else a.mib[o] = fake::Gauge(o, static_cast<uint32_t>(index.back() * 10 + column + index.size()));
}

inline void Put(fake::MibAgent& a, uint32_t column, uint32_t index) {
  Oid o = Cat(kEntry, {column, index});
  if (column == 2) a.mib[o] = fake::Str(o, "name" + std::to_string(index));
  else a.mib[o] = fake::Gauge(o, index * 10 + column);
}

inline void Rows(fake::MibAgent& a, uint32_t first, uint32_t last, std::vector<uint32_t> columns = {2, 3, 4}) {
  for (uint32_t i = first; i <= last; ++i)
    for (uint32_t c : columns) Put(a, c, i);
}

inline void AfterTable(fake::MibAgent& a) { a.mib[kAfterTable] = fake::Int(kAfterTable, 1); }

// What a walk leaves: every row as it was handed on, then the items where
// the walk stopped, and the status.
struct Walk {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> endValues;
  std::vector<std::string> endLastOids;
  int code = 0;
  bool partial = false;

  bool operator==(const Walk&) const = default;
};

inline void PrintTo(const Walk& w, std::ostream* os) {
  *os << "code " << w.code << ", " << w.rows.size() << " rows:";
  for (size_t k = 0; k < w.rows.size() && k < 40; ++k) {
    *os << "\n   ";
    for (const auto& v : w.rows[k]) *os << " " << v;
  }
  *os << "\n  end:";
  for (size_t i = 0; i < w.endValues.size(); ++i) *os << " " << w.endValues[i] << " @" << w.endLastOids[i];
}

inline void Snapshot(const KySNMPVarList& l, std::vector<std::string>& values, std::vector<std::string>* lastOids) {
  values.clear();
  if (lastOids) lastOids->clear();
  for (const KySNMPVarDef& item : l.items) {
    values.push_back(item.value);
    if (lastOids) lastOids->push_back(item.lastOid);
  }
}

inline Walk WalkSync(KySNMPRequest& r) {
  Walk w;
  try {
    for (bool more = r.Read(true); more && w.rows.size() < kRowLimit; more = r.Read(false)) {
      w.rows.emplace_back();
      Snapshot(r.varList, w.rows.back(), nullptr);
    }
  } catch (const KySNMPException& e) {
    w.code = e.code();
  }
  Snapshot(r.varList, w.endValues, &w.endLastOids);
  w.partial = r.partialValues;
  return w;
}

// mostInFlight: the most exchanges of the session seen waiting for the
// agent at once.
inline Walk WalkAsync(KySNMPRequest& r, size_t* mostInFlight = nullptr) {
  Walk w;
  bool done = false;
  size_t most = 0;
  auto look = [&] { most = std::max(most, GlobalSnmp->WaitingCount()); };
  RequestCallback next = [&](void*, const KySNMPError& e, KySNMPVarList& list) {
    if (e.code != 0 || e.finished || w.rows.size() >= kRowLimit) {
      w.code = e.code;
      done = true;
      return;
    }
    w.rows.emplace_back();
    Snapshot(list, w.rows.back(), nullptr);
    r.ReadAsync(next, nullptr, false);
  };
  r.ReadAsync(next, nullptr, true);
  look();
  testsession::Pump(
      [&] {
        look();
        return done;
      },
      120000);
  EXPECT_TRUE(done) << "the walk ended";
  Snapshot(r.varList, w.endValues, &w.endLastOids);
  w.partial = r.partialValues;
  if (mostInFlight) *mostInFlight = most;
  return w;
}

}  // namespace walkfixture
