// Object identifiers of the simulator: plain vectors of sub-identifiers,
// ordered lexicographically, which is the order of a MIB walk.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

using Oid = std::vector<uint32_t>;

// "1.3.6.1" -> sub-identifiers, with the request layer's rules (ParseOidText);
// nullopt on an empty OID or anything that is not one.
std::optional<Oid> ParseOid(const std::string& text);
std::string OidToString(const Oid& oid);

bool IsPrefix(const Oid& prefix, const Oid& oid);
Oid Concat(const Oid& a, const Oid& b);
Oid Suffix(const Oid& oid, size_t from);

}  // namespace sim
