// Object identifiers of the simulator: plain vectors of sub-identifiers,
// ordered lexicographically, which is the order of a MIB walk.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

using Oid = std::vector<uint32_t>;

// "1.3.6.1" (an optional leading dot is accepted) -> sub-identifiers; nullopt
// on an empty text, an empty component, a non-digit or a value above 2^32-1.
std::optional<Oid> ParseOid(const std::string& text);
std::string OidToString(const Oid& oid);

bool IsPrefix(const Oid& prefix, const Oid& oid);
Oid Concat(const Oid& a, const Oid& b);
Oid Suffix(const Oid& oid, size_t from);

}  // namespace sim
