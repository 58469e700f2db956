#include "sim/SimOid.h"

#include <algorithm>

#include "snmp/Value.h"

namespace sim {

std::optional<Oid> ParseOid(const std::string& text) {
  Oid out;
  if (!ParseOidText(text, out) || out.empty()) return std::nullopt;
  return out;
}

std::string OidToString(const Oid& oid) { return OidToText(oid); }

bool IsPrefix(const Oid& prefix, const Oid& oid) {
  return prefix.size() <= oid.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

Oid Concat(const Oid& a, const Oid& b) {
  Oid r = a;
  r.insert(r.end(), b.begin(), b.end());
  return r;
}

Oid Suffix(const Oid& oid, size_t from) {
  if (from >= oid.size()) return {};
  return Oid(oid.begin() + static_cast<long>(from), oid.end());
}

}  // namespace sim
