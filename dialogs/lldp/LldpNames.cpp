#include "dialogs/lldp/LldpNames.h"

#include <cctype>
#include <cstdio>

namespace lldp {
namespace {
constexpr LldpBitName kBasic[] = {
    {0x80, "Port Description"}, {0x40, "System Name"}, {0x20, "System Description"}, {0x10, "System Capabilities"}};
constexpr LldpBitName kDot3[] = {
    {0x80, "macPhyConfigStatus"}, {0x40, "powerViaMDI"}, {0x20, "linkAggregation"}, {0x10, "maxFrameSize"}};
constexpr LldpBitName kAgg[] = {{0x80, "aggCapable"}, {0x40, "aggEnabled"}};
constexpr LldpBitName kCaps[] = {{0x80, "other"},     {0x40, "repeater"},  {0x20, "bridge"},
                                 {0x10, "wlanAccessPoint"}, {0x08, "router"}, {0x04, "telephone"},
                                 {0x02, "docsisCableDevice"}, {0x01, "stationOnly"}};
}  // namespace
const std::span<const LldpBitName> kBasicTlvs = kBasic;
const std::span<const LldpBitName> kDot3Tlvs = kDot3;
const std::span<const LldpBitName> kLinkAggStatus = kAgg;
const std::span<const LldpBitName> kCapabilities = kCaps;
}  // namespace lldp

namespace {
// The leading hexadecimal digits of a text.
size_t HexDigits(const std::string& text) {
  size_t n = 0;
  while (n < text.size() && std::isxdigit(static_cast<unsigned char>(text[n]))) ++n;
  return n;
}
}  // namespace

std::string LldpHexToNames(const std::string& hex, std::span<const LldpBitName> table) {
  const size_t digits = HexDigits(hex);
  // The first octet: its two digits, or the single digit of a one-digit text.
  const unsigned octet = digits == 0 ? 0 : static_cast<unsigned>(std::stoul(hex.substr(0, digits >= 2 ? 2 : 1), nullptr, 16));
  std::string out = " ";
  for (const LldpBitName& b : table) {
    if ((octet & b.bit) == 0) continue;
    if (out != " ") out += ',';
    out += b.name;
  }
  return out;
}

std::string LldpNamesToHex(const std::string& names, std::span<const LldpBitName> table,
                           const std::string& previousHex) {
  unsigned octet = 0;
  for (const LldpBitName& b : table)
    if (names.find(b.name) != std::string::npos) octet |= b.bit;
  char buf[8];
  const size_t digits = HexDigits(previousHex);
  if (digits > 2) {
    std::snprintf(buf, sizeof buf, "%02X", octet);
    return buf + previousHex.substr(2, digits - 2);
  }
  std::snprintf(buf, sizeof buf, "%X", octet);
  return buf;
}
