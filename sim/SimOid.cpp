#include "sim/SimOid.h"

namespace sim {

std::optional<Oid> ParseOid(const std::string& text) {
  Oid out;
  size_t i = 0;
  if (!text.empty() && text[0] == '.') i = 1;
  if (i >= text.size()) return std::nullopt;
  while (i <= text.size()) {
    uint64_t v = 0;
    size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      v = v * 10 + static_cast<uint64_t>(text[i] - '0');
      if (v > 0xFFFFFFFFull) return std::nullopt;
      ++i;
    }
    if (i == start) return std::nullopt;
    out.push_back(static_cast<uint32_t>(v));
    if (i == text.size()) break;
    if (text[i] != '.') return std::nullopt;
    ++i;
    if (i == text.size()) return std::nullopt;
  }
  return out;
}

std::string OidToString(const Oid& oid) {
  std::string s;
  for (size_t i = 0; i < oid.size(); ++i) {
    if (i) s += '.';
    s += std::to_string(oid[i]);
  }
  return s;
}

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
