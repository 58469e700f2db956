// Arbitrary instance suffixes decoded into layouts of key columns and encoded
// again. A suffix is either refused with the layer's exception or decoded;
// what is decoded encodes back to the same sub-identifiers (except for the
// few syntaxes whose text is coarser than the wire: boolean, the DateTime
// days, a NaN real, a DateAndTime with a direction other than + or -).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "snmp/Messages.h"
#include "snmp/Value.h"

namespace {

// Every code, in the order of their numbers (an input byte picks one).
const Syntax kSyntaxes[] = {
    Syntax::Boolean,    Syntax::Integer,     Syntax::Bits,      Syntax::OctetString,   Syntax::Null,
    Syntax::ObjectId,   Syntax::IpAddress,   Syntax::Counter32, Syntax::Gauge32,       Syntax::TimeTicks,
    Syntax::Opaque,     Syntax::Address,     Syntax::Counter64, Syntax::UInteger32,    Syntax::Real,
    Syntax::MacAddress, Syntax::DateAndTime, Syntax::DateTime,  Syntax::DisplayString, Syntax::Ipv6Address};
constexpr size_t kSyntaxCount = sizeof kSyntaxes / sizeof kSyntaxes[0];

bool IsLossy(Syntax syntax, const KyOid& ids) {
  switch (syntax) {
    case Syntax::Boolean:
    case Syntax::DateTime:
      return true;
    case Syntax::Real: {
      if (ids.size() < 2) return true;
      const uint64_t bits = static_cast<uint64_t>(ids[1]) << 32 | ids[0];
      return (bits & 0x7ff0000000000000ull) == 0x7ff0000000000000ull && (bits & 0x000fffffffffffffull) != 0;
    }
    case Syntax::DateAndTime:
      return ids.size() < 9 || (ids[8] != '+' && ids[8] != '-');
    case Syntax::Integer:
    case Syntax::Bits:
    case Syntax::OctetString:
    case Syntax::Null:
    case Syntax::ObjectId:
    case Syntax::IpAddress:
    case Syntax::Counter32:
    case Syntax::Gauge32:
    case Syntax::TimeTicks:
    case Syntax::Opaque:
    case Syntax::Address:
    case Syntax::Counter64:
    case Syntax::UInteger32:
    case Syntax::MacAddress:
    case Syntax::DisplayString:
    case Syntax::Ipv6Address:
      return false;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  // Layout: 1 to 3 key columns, their syntaxes, the implied flag on the last.
  const size_t keys = 1 + data[0] % 3;
  if (size < 1 + keys) return 0;
  KySNMPVarList list;
  list.kind = 3;
  list.keyCount = static_cast<int32_t>(keys);
  for (size_t k = 0; k < keys; ++k) {
    const uint8_t b = data[1 + k];
    int32_t access = Access::Key;
    if (b & 0x80) access |= Access::Implied;
    list.AppendItem(" ", "Key", kSyntaxes[b % kSyntaxCount], access);
  }
  const uint8_t* p = data + 1 + keys;
  const size_t n = size - 1 - keys;

  // The suffix: raw text, or sub-identifiers built from the bytes (0xff
  // escapes a 32-bit value) so that most inputs are well-formed.
  std::string suffix;
  if (data[0] & 0x80) {
    // Raw text straight into the first column; then go on with its canonical form.
    suffix.assign(reinterpret_cast<const char*>(p), n);
    try {
      DecodeIndexPart(list, 0, suffix);
    } catch (const KySNMPException& e) {
      if (e.code() != KyErr::BadKeyCount && e.code() != KyErr::BadAssocValue) std::abort();
    }
    KyOid ids;
    if (!ParseOidText(suffix, ids)) return 0;
    suffix = OidToText(ids);
  } else {
    KyOid ids;
    for (size_t k = 0; k < n; ++k) {
      if (p[k] == 0xff && k + 4 < n) {
        ids.push_back(static_cast<uint32_t>(p[k + 1]) << 24 | static_cast<uint32_t>(p[k + 2]) << 16 |
                      static_cast<uint32_t>(p[k + 3]) << 8 | p[k + 4]);
        k += 4;
      } else {
        ids.push_back(p[k]);
      }
    }
    suffix = OidToText(ids);
  }

  std::vector<std::string> consumed(keys);
  std::string rest = suffix;
  try {
    for (size_t k = 0; k < keys; ++k) {
      const std::string before = rest;
      rest = DecodeIndexPart(list, static_cast<int>(k), rest);
      // The rest is a tail of what was given.
      if (rest.size() > before.size()) std::abort();
      if (!rest.empty() && before.compare(before.size() - rest.size(), rest.size(), rest) != 0) std::abort();
      consumed[k] = before.substr(0, before.size() - rest.size());
      if (!consumed[k].empty() && !rest.empty()) consumed[k].pop_back();  // the joining "."
    }
  } catch (const KySNMPException& e) {
    if (e.code() != KyErr::BadKeyCount && e.code() != KyErr::BadAssocValue) std::abort();
    return 0;
  }

  for (size_t k = 0; k < keys; ++k) {
    const KySNMPVarDef& item = list.Item(static_cast<int>(k));
    std::string encoded;
    try {
      encoded = EncodeIndexPart(list, static_cast<int>(k));
    } catch (const KySNMPException& e) {
      if (e.code() != KyErr::BadAssocValue) std::abort();
      // Only a text that does not represent its wire form may be refused.
      KyOid ids;
      ParseOidText(consumed[k], ids);
      // A text index that reads as the no-value placeholder is sent as NULL
      // by design, never as its characters.
      if (item.syntax != Syntax::DateTime && !IsLossy(item.syntax, ids) && item.value != kNullText) std::abort();
      continue;
    }
    KyOid ids;
    if (!ParseOidText(consumed[k], ids)) std::abort();
    if (encoded != OidToText(ids) && !IsLossy(item.syntax, ids)) std::abort();
  }
  return 0;
}
