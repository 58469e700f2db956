// Message catalogue and error reporting of the SNMP layer.
//
// Every error that the module reports carries a negative code and a text from
// one of seven message tables. Each table has built-in English texts and may
// be replaced once, at start-up, by a message file of the host suite
// (LoadMessageFiles), so that the texts can be reworded or translated.
//
// Code space: 0 success; -1 to -18 common facilities; -101 to -118 SNMP
// error-status; -201 to -217 SNMPv3 message processing; -301 to -314 USM;
// -401 to -423 the SNMP library; -501 to -528 this layer.
//
// Synchronous operations raise KySNMPException (text and code); asynchronous
// ones hand a KySNMPError record to their completion callback.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// ---------------------------------------------------------------------------
// Error codes.
namespace KyErr {
constexpr int32_t Ok = 0;

// Common facilities (CommonMessages entry n is code -n).
constexpr int32_t BadLogicOperand = -1;
constexpr int32_t BadConstraintFormat = -2;   // bad format specifier of an edit constraint
constexpr int32_t EmptyValue = -3;
constexpr int32_t StringTooLong = -4;         // [MAXLEN]
constexpr int32_t StringLength = -5;          // [LEN]
constexpr int32_t HexTooLong = -6;            // [MAXLEN]
constexpr int32_t HexLength = -7;             // [LEN]
constexpr int32_t NumberRange = -8;           // [MIN] [MAX]
constexpr int32_t NumListTooMany = -9;        // [DELIMITER] [MAXCOUNT]
constexpr int32_t NumListCount = -10;         // [DELIMITER] [COUNT]
constexpr int32_t NumListRange = -11;         // [DELIMITER] [MIN] [MAX]
constexpr int32_t IndexOutOfRange = -12;
constexpr int32_t BufferUndersize = -13;
constexpr int32_t NotEncrypted = -14;
constexpr int32_t FileRead = -15;             // [FILENAME]
constexpr int32_t FileWrite = -16;            // [FILENAME]
constexpr int32_t IniWrite = -17;             // [FILENAME]
constexpr int32_t OptionFileRead = -18;       // [FILENAME]

// Ranges of the translated statuses (see TranslateStatus).
constexpr int32_t SnmpFirst = -101, SnmpLast = -118;          // error-status 1..18: -100 - status
constexpr int32_t SnmpV3First = -201, SnmpV3Last = -217;      // SNMPv3 message processing
constexpr int32_t UsmFirst = -301, UsmLast = -314;            // user-based security
constexpr int32_t SnmpClassFirst = -401, SnmpClassLast = -423;  // the SNMP library

// Frequently used translated codes.
constexpr int32_t SnmpNoSuchName = -102;      // error-status 2
constexpr int32_t SnmpGenErr = -105;          // error-status 5
constexpr int32_t ClassError = -401;
constexpr int32_t ClassTimeout = -405;
constexpr int32_t ClassInvalidPdu = -411;
constexpr int32_t ClassInvalidTarget = -412;
constexpr int32_t ClassInvalidOid = -417;
constexpr int32_t ClassInvalidAddress = -418;
constexpr int32_t ClassTransportFailed = -422;

// This layer (KySnmpMessages entry n is code -(500 + n)).
constexpr int32_t VarFileRead = -501;         // never raised
constexpr int32_t VarFileFormat = -502;       // never raised
constexpr int32_t VarFileItemType = -503;     // never raised
constexpr int32_t VarFileSyntax = -504;       // never raised
constexpr int32_t VarFileAccess = -505;       // never raised
constexpr int32_t CreateSession = -506;
constexpr int32_t LoadBootCounter = -507;
constexpr int32_t SaveBootCounter = -508;
constexpr int32_t BadAddress = -509;          // invalid IP address or DNS name
constexpr int32_t GetNextSingle = -510;       // get-next for a list with a single value
constexpr int32_t BadSyntax = -511;
constexpr int32_t NullInExpression = -512;
constexpr int32_t BadSyntaxInExpression = -513;
constexpr int32_t BadKeyCount = -514;
constexpr int32_t BadItemType = -515;
constexpr int32_t BadAssocItemType = -516;
constexpr int32_t BadAssocSyntax = -517;
constexpr int32_t BadAssocValue = -518;
constexpr int32_t AssocIndexOutOfRange = -519;
constexpr int32_t NoOptionList = -520;
constexpr int32_t BadControlType = -521;
constexpr int32_t TooFewControls = -522;
constexpr int32_t NoStartTime = -523;         // never raised
constexpr int32_t TooFewHistoryValues = -524;
constexpr int32_t LogDbNotConnected = -525;   // never raised
constexpr int32_t LogDbFieldNotFound = -526;  // never raised
constexpr int32_t BadLogChartSyntax = -527;   // never raised
constexpr int32_t UnknownError = -528;        // also: any status without a translation
}  // namespace KyErr

// SNMP++ status numbers that TranslateStatus understands (the adapter over
// net-snmp produces these).
namespace SnmpStatus {
constexpr int Success = 0;
// Library (class) statuses -1 .. -23 map to -401 .. -423.
constexpr int ClassError = -1;
constexpr int ResourceUnavailable = -2;
constexpr int InternalError = -3;
constexpr int Unsupported = -4;
constexpr int Timeout = -5;
constexpr int AsyncResponse = -6;
constexpr int NotifyEvent = -7;
constexpr int SessionDestroyed = -8;
constexpr int UnknownError = -9;
constexpr int InvalidClass = -10;
constexpr int InvalidPdu = -11;
constexpr int InvalidTarget = -12;
constexpr int InvalidCallback = -13;
constexpr int InvalidRequestId = -14;
constexpr int InvalidNotifyId = -15;
constexpr int InvalidOperation = -16;
constexpr int InvalidOid = -17;
constexpr int InvalidAddress = -18;
constexpr int ErrorStatus = -19;
constexpr int TransportNotSupported = -20;
constexpr int TransportInUse = -21;
constexpr int TransportFailed = -22;
constexpr int BlockedShutdown = -23;
// SNMPv3 message processing: -1401 success, -1402 .. -1418 map to -201 .. -217.
constexpr int MpOk = -1401;
constexpr int MpUnsupportedSecurityModel = -1402;
constexpr int MpNotInTimeWindow = -1403;
constexpr int MpDoubledMessage = -1404;
constexpr int MpInvalidMessage = -1405;
constexpr int MpInvalidEngineId = -1406;
constexpr int MpNotInitialized = -1407;
constexpr int MpParseError = -1408;
constexpr int MpUnknownMsgId = -1409;
constexpr int MpMatchError = -1410;
constexpr int MpCommunityError = -1411;
constexpr int MpUnknownUserName = -1412;
constexpr int MpBuildError = -1413;
constexpr int MpUsmError = -1414;
constexpr int MpUnknownPduHandlers = -1415;
constexpr int MpUnavailableContext = -1416;
constexpr int MpUnknownContext = -1417;
constexpr int MpReportSent = -1418;
// User-based security: 1400 success, 1401 .. 1414 map to -301 .. -314.
constexpr int UsmSuccess = 1400;
constexpr int UsmError = 1401;
constexpr int UsmConfigWriteError = 1402;
constexpr int UsmUnsupportedSecurityLevel = 1403;
constexpr int UsmUnknownSecurityName = 1404;
constexpr int UsmEncryptionError = 1405;
constexpr int UsmDecryptionError = 1406;
constexpr int UsmAuthenticationError = 1407;
constexpr int UsmAuthenticationFailure = 1408;
constexpr int UsmParseError = 1409;
constexpr int UsmUnknownEngineId = 1410;
constexpr int UsmNotInTimeWindow = 1411;
constexpr int UsmUnsupportedAuthProtocol = 1412;
constexpr int UsmUnsupportedPrivProtocol = 1413;
constexpr int UsmAddressError = 1414;
}  // namespace SnmpStatus

// ---------------------------------------------------------------------------
// One message table: built-in texts, possibly replaced by the lines of a
// message file. Entry n of a loaded table is the n-th non-blank line of the
// file; an entry that the file does not reach keeps its built-in text.
class KyMessageTable {
 public:
  constexpr explicit KyMessageTable(std::span<const char* const> builtIn) : builtIn_(builtIn) {}
  KyMessageTable(const KyMessageTable&) = delete;
  KyMessageTable& operator=(const KyMessageTable&) = delete;

  // Current text of entry n; "" only when n is beyond both the built-in and
  // the loaded texts.
  std::string Text(std::ptrdiff_t n) const;
  std::string operator[](std::ptrdiff_t n) const { return Text(n); }
  // Built-in text of entry n ("" when beyond).
  std::string BuiltInText(std::ptrdiff_t n) const;

  std::size_t BuiltInCount() const { return builtIn_.size(); }
  std::size_t LoadedCount() const { return loaded_.size(); }
  bool IsLoaded() const { return !loaded_.empty(); }

  // Replaces the table by these lines (an empty list restores the built-in texts).
  void Replace(std::vector<std::string> lines) { loaded_ = std::move(lines); }
  // Back to the built-in texts.
  void Reset() { loaded_.clear(); }

 private:
  std::span<const char* const> builtIn_;
  std::vector<std::string> loaded_;
};

// The seven process-wide tables (used from the GUI thread only).
extern KyMessageTable CommonMessages;     // "errmsg\common.err", 19 entries, code -n
extern KyMessageTable SnmpMessages;       // "errmsg\snmp.err", 18 entries, code -(101 + n)
extern KyMessageTable SnmpV3Messages;     // "errmsg\snmpv3.err", 17 entries, code -(201 + n)
extern KyMessageTable UsmMessages;        // "errmsg\snmpusm.err", 14 entries, code -(301 + n)
extern KyMessageTable SnmpClassMessages;  // "errmsg\snmpclass.err", 23 entries, code -(401 + n)
extern KyMessageTable KySnmpMessages;     // "errmsg\kysnmp.err", 29 entries, code -(500 + n)
extern KyMessageTable StatusTemplates;    // "errmsg\snmp.msg", 0 = Get, 1 = Set

// Puts every table back to its built-in texts (tests).
void ResetMessageTables();

// ---------------------------------------------------------------------------
// Message files.

// Longest piece of a line; a longer line is read as several lines.
constexpr std::size_t kMessageLineMax = 1023;
// A file larger than this is not a message file and is ignored.
constexpr std::size_t kMessageFileMaxBytes = 16u * 1024u * 1024u;

// Splits file content into message lines: CR LF and LF end a line, a line
// longer than kMessageLineMax is cut into pieces of that length, lines that
// are blank once white space is ignored are dropped, all other bytes
// (leading and trailing spaces included) are kept.
std::vector<std::string> SplitMessageLines(std::string_view content);

// Replaces the table by the message lines of the content when there is at
// least one; otherwise the table stays. Lines beyond the table's built-in
// entries have no use and are not kept. Returns whether the table changed.
bool LoadMessageText(KyMessageTable& table, std::string_view content);

// Same for a file. A missing, unreadable, non-regular, oversized or blank
// file keeps the table; nothing is reported.
bool LoadMessageFile(KyMessageTable& table, const std::string& path);

// Loads the seven tables, in catalogue order, from prefix + "errmsg\common.err",
// "errmsg\snmp.err", "errmsg\snmpv3.err", "errmsg\snmpusm.err",
// "errmsg\snmpclass.err", "errmsg\kysnmp.err" and "errmsg\snmp.msg" (plain
// concatenation; every "\" in the path becomes "/"). An empty prefix looks in
// the current folder. Returns how many tables were replaced.
int LoadMessageFiles(const std::string& prefix);

// The path LoadMessageFiles uses for one file name such as "errmsg\snmp.err".
std::string MessageFilePath(const std::string& prefix, const std::string& name);

// ---------------------------------------------------------------------------
// Translation and texts.

struct KyStatusText {
  int32_t code = 0;
  std::string text;
};

// Maps an SNMP++ status or a reply's error-status to the module's code and
// the current catalogue text: 0/1400/-1401 -> 0; 1401..1414 -> -301..-314;
// -1418..-1402 -> -217..-201; 1..18 -> -101..-118; -23..-1 -> -423..-401;
// anything else -> -528.
KyStatusText TranslateStatus(int status);

// Current catalogue text of a code of the code space (0 gives "Ok"); a code
// outside every table gives the text of -528.
std::string MessageText(int32_t code);

// Replaces every occurrence of placeholder, scanning from the left; an
// inserted value is never rescanned. An empty placeholder changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view placeholder, std::string_view value);

// Template numbers of StatusTemplates.
constexpr int kGetStatus = 0;
constexpr int kSetStatus = 1;

// The status line after a Get (0) or a Set (1): "[ERROR]" becomes errorText,
// "[VARLIST]" listName (with an empty listName the part from after "[ERROR]"
// through "[VARLIST]" is dropped), "[TIME]" the local time "hh:nn:ss AM/PM".
// Inserted texts are never rescanned for placeholders.
std::string StatusLine(int templateNumber, const std::string& listName, const std::string& errorText);
// Same at a given local time.
std::string StatusLine(int templateNumber, const std::string& listName, const std::string& errorText,
                       const std::tm& localTime);
// "hh:nn:ss" with hours 01..12 followed by a space and the locale's morning
// or afternoon marker ("AM"/"PM" when the locale has none).
std::string StatusTime(const std::tm& localTime);

// ---------------------------------------------------------------------------
// Errors.

// Outcome of one asynchronous exchange, handed to its completion callback.
struct KySNMPError {
  int32_t code = 0;        // 0 success, else a catalogue code
  int32_t errorIndex = 0;  // error index of the reply PDU (1-based, 0 when none)
  std::string message;     // catalogue text of code
  std::string agentAddress;  // IP address of the agent that answered (or was waited for)
  uint16_t agentPort = 0;  // its UDP port
  bool finished = false;   // the exchange, or the whole table walk, is complete
};

// Raised by synchronous operations: the catalogue text and the code.
class KySNMPException : public std::exception {
 public:
  KySNMPException(std::string text, int32_t code) : text_(std::move(text)), code_(code) {}
  const std::string& text() const noexcept { return text_; }
  int32_t code() const noexcept { return code_; }
  const char* what() const noexcept override { return text_.c_str(); }

 private:
  std::string text_;
  int32_t code_;
};

// Raise the exception for a catalogue code with its current text.
[[noreturn]] void ThrowKySNMPError(int32_t code);
// Raise with a text already prepared (placeholders filled).
[[noreturn]] void ThrowKySNMPError(int32_t code, const std::string& text);
// Raise the translation of an SNMP++ status (does nothing for a success status).
void ThrowIfStatusError(int status);
