// LLDP bit sets shown as names: which TLVs a port sends, link aggregation
// status, system capabilities. The names stand for the bits of the value's
// first octet, most significant bit first.
#pragma once

#include <span>
#include <string>

struct LldpBitName {
  unsigned bit;
  const char* name;
};

namespace lldp {
extern const std::span<const LldpBitName> kBasicTlvs;
extern const std::span<const LldpBitName> kDot3Tlvs;
extern const std::span<const LldpBitName> kLinkAggStatus;
extern const std::span<const LldpBitName> kCapabilities;
}  // namespace lldp

// The names of the bits set in the first octet of a hexadecimal value text,
// each after a comma except the first, all after one leading space: " " for
// none, " Port Description,System Name" for C0. The text is read up to its
// first character that is no hexadecimal digit.
std::string LldpHexToNames(const std::string& hex, std::span<const LldpBitName> table);

// The hexadecimal value text of the names found in `names`: upper case
// without leading zeros ("F0", "80", "0"). When `previousHex` held more than
// one octet, the first octet is written with two digits and the further
// octets of `previousHex` follow unchanged.
std::string LldpNamesToHex(const std::string& names, std::span<const LldpBitName> table,
                           const std::string& previousHex = {});
