// The SNMP engine-boots counter file.
//
// Plain text, one line per engine: the engine ID with every byte written as
// two characters (high nibble first, each nibble value OR 0x40, so 0..15
// becomes '@'..'O'), one space, the boots count in decimal, a line feed.
// Lines beginning with '#' are comments. Saving keeps every other line as it
// was, replaces this engine's first line in place (or appends one) and drops
// further lines of this engine; the file is written as name + ".tmp" and then
// renamed over the old one.
#pragma once

#include <cstdint>
#include <string>

// File name of the counter and the local engine ID of this program.
inline constexpr const char* kBootCounterFileName = "KySNMP_PP_BootCounter";
inline constexpr const char* kLocalEngineId = "KySNMP_PP_Application";

// Longest engine ID (RFC 3411).
constexpr std::size_t kMaxEngineIdLength = 32;
// The boots count stops at this value (RFC 3414).
constexpr uint32_t kMaxEngineBoots = 2147483647u;

// Results of GetBootCounter / SaveBootCounter.
namespace BootCounterResult {
constexpr int Ok = 0;
constexpr int NoEntry = -1;      // the file has no line for the engine (boots is 0)
constexpr int FileOpen = -2;     // the file cannot be opened (absent, unreadable, cannot be created)
constexpr int TooLong = -3;      // engine ID longer than kMaxEngineIdLength
constexpr int FileError = -4;    // a line of the engine without its space or count, or the rename failed
constexpr int Unreadable = -5;   // the file exists but cannot be read (it is never overwritten then)
}  // namespace BootCounterResult

// The engine ID in the file's nibble coding.
std::string EncodeBootEngineId(const std::string& engineId);

// Reads the boots count of engineId; boots is 0 unless the result is Ok.
int GetBootCounter(const std::string& path, const std::string& engineId, uint32_t& boots);

// Writes the boots count of engineId (see above). 0 on success.
int SaveBootCounter(const std::string& path, const std::string& engineId, uint32_t boots);

// directory + name: the bare name for an empty directory, directly appended
// after a trailing '\' or '/', else joined with '/'. Every '\' becomes '/'.
std::string JoinPath(const std::string& directory, const std::string& name);

// Reads the count of kLocalEngineId from JoinPath(directory, kBootCounterFileName),
// adds 1 and saves it, all under an exclusive lock of the folder, so that
// programs started together each get their own count; returns the new count.
// Raises -507 when the file exists but cannot be read or its line for the
// engine is damaged (the file is then left as it is), and -508 when it cannot
// be written.
uint32_t AdvanceBootCounter(const std::string& directory);
