// The short names the table sources write their rows with: each syntax by its
// own name (Integer, DisplayString, ...) and the access of a column as K, KI,
// RO or RW. A table source says `using namespace rows;` inside its own
// unnamed namespace; nothing else includes this header.
#pragma once

#include <cstdint>

#include "snmp/VarList.h"

namespace tbl::rows {
using enum Syntax;
inline constexpr int32_t K = Access::Key;                     // index column
inline constexpr int32_t KI = Access::Key | Access::Implied;  // IMPLIED last index
inline constexpr int32_t RO = Access::Read;
inline constexpr int32_t RW = Access::Read | Access::Write;
}  // namespace tbl::rows
