// Test helper, header-only: every row of a table walk of the request engine,
// as text, so that two ways of walking the same table (GET-NEXT and GETBULK,
// synchronous and asynchronous) can be compared whole.
//
//   auto rows = qrxtest::WalkRows(request, /*async=*/true, 5000, waitFor);
//
// Each row lists every item's value and last OID; an error adds "code N";
// the last entry is "end " and the items where the walk stopped. `waitFor`
// runs the caller's event loop until its condition holds (asynchronous walks
// only) and says whether it did.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "snmp/Request.h"

namespace qrxtest {

inline std::vector<std::string> WalkRows(KySNMPRequest& r, bool async, size_t limit,
                                         const std::function<bool(const std::function<bool()>&)>& waitFor) {
  std::vector<std::string> rows;
  auto snapshot = [](const KySNMPVarList& l) {
    std::string s;
    for (const KySNMPVarDef& item : l.items) s += item.value + " @" + item.lastOid + " | ";
    return s;
  };
  if (!async) {
    try {
      for (bool more = r.Read(true); more && rows.size() < limit; more = r.Read(false)) rows.push_back(snapshot(r.varList));
    } catch (const KySNMPException& e) {
      rows.push_back("code " + std::to_string(e.code()));
    }
  } else {
    bool finished = false;
    RequestCallback cb = [&](void*, const KySNMPError& e, KySNMPVarList& list) {
      if (e.code != 0) rows.push_back("code " + std::to_string(e.code));
      if (e.code != 0 || e.finished || rows.size() >= limit) {
        finished = true;
        return;
      }
      rows.push_back(snapshot(list));
      r.ReadAsync(cb, nullptr, false);
    };
    r.ReadAsync(cb, nullptr, true);
    EXPECT_TRUE(waitFor([&] { return finished; }));
  }
  rows.push_back("end " + snapshot(r.varList));
  return rows;
}

}  // namespace qrxtest
