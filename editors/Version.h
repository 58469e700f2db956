#pragma once

// Program name and version shown by the about dialog and --version.
inline constexpr const char* kProgramName = "QRX-900 Device Manager";
const char* ProgramVersion();
