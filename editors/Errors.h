// Catalogue texts and raising of the layer's errors, as the editors use them.
#pragma once

#include <exception>
#include <string>

// Text of an entry of the common message table (code -entry).
std::string CommonText(int entry);
// Text of the layer's own message table for code -(500 + entry) (entry 0: "Ok").
std::string KySnmpText(int entry);

// Raise the layer's exception.
[[noreturn]] void RaiseCommon(int entry);       // common table, code -entry
[[noreturn]] void RaiseKySnmp(int code);        // -501 .. -528 with the catalogue text
[[noreturn]] void RaiseText(const std::string& text, int code = -1);

// Text and code of a caught exception (the layer's own, or any other).
std::string ErrorText(const std::exception& e);
int ErrorCode(const std::exception& e);
