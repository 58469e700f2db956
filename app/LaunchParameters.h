// Launch parameters: the host suite's folders from the key store, the message
// files, the command-line switches and the device profile, and the start of
// sibling modules of the host suite with the same credentials.
//
// Plain C++: the main window shows the messages and ends the program.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class KyKeyStore;

// Text forms of the launch parameters, all empty at start. The main window's
// caption, the device name in dialog titles and the sibling command lines
// come from here; the SNMP exchanges use GlobalDevice, GlobalScope and
// GlobalSecurity instead.
struct LaunchTexts {
  std::string agent;            // "/I"
  std::string readCommunity;    // "/R"
  std::string writeCommunity;   // "/W"
  std::string port;             // profile "AgentPort", "/t"
  std::string version;          // profile "Version" only
  std::string securityModel;    // profile, "/m"
  std::string securityLevel;    // profile, "/l"
  std::string securityName;     // profile, "/n"
  std::string authProtocol;     // profile, "/a"
  std::string privProtocol;     // profile, "/p"
  std::string authPassword;     // profile, "/A"
  std::string privPassword;     // profile, "/P"
  std::string contextEngineId;  // profile, "/d"
  std::string contextName;      // profile, "/c"

  bool operator==(const LaunchTexts&) const = default;
};

// Keys of the host suite.
inline constexpr const char* kHelpPathKey = "\\SOFTWARE\\Norvane\\Modules\\HelpPath";
inline constexpr const char* kHelpPathValue = "1.3.6.1.4.1.32473.10.63.8";  // the switch model
inline constexpr const char* kExePathKey = "\\SOFTWARE\\Norvane\\Velmar5.1\\ExePath";
inline constexpr const char* kMibFileKey = "\\SOFTWARE\\Norvane\\Velmar5.1\\MibFile";
inline constexpr const char* kPathValue = "Path";
// Appended to the host suite's program folder to give the profile folder.
inline constexpr const char* kProfileSubfolder = "..\\Conf\\MBF\\";
// Section of the device profile.
inline constexpr const char* kProfileSection = "Program Information";

// Shown when the program is started without arguments.
inline constexpr const char* kNoParameterInput = "No parameter input";

// A number of a switch or of the profile that is not an integer:
// "'<text>' is not a valid integer value". A number of the profile adds a
// second line naming the profile file and the key; a port outside 1 to 65535
// or a timeout or retry count out of range says so and names the switch or
// the key in the same way.
class KyConvertError : public std::runtime_error {
 public:
  explicit KyConvertError(const std::string& text);
  // The whole message given.
  KyConvertError(const std::string& text, const std::string& message);
  const std::string& offendingText() const { return text_; }

 private:
  std::string text_;
};

// The integer a switch or profile text stands for: optional leading blanks,
// an optional sign and decimal digits, within the 32-bit signed range.
// Raises KyConvertError otherwise.
int32_t LaunchStrToInt(const std::string& text);

// Optional keys of the profile's section: the timeout of every exchange in
// hundredths of a second, the number of retries and the exchanges a table
// walk keeps in flight at once (1 to kMaxMaxInFlight). Absent or empty, the
// defaults stay.
inline constexpr const char* kProfileTimeoutKey = "Timeout";
inline constexpr const char* kProfileRetriesKey = "Retries";
inline constexpr const char* kProfileMaxInFlightKey = "MaxInFlight";
inline constexpr int32_t kMaxProfileTimeout = 360000;  // one hour
inline constexpr int32_t kMaxProfileRetries = 100;

// Whether arg holds the two characters of switch sw; value is what follows
// their first occurrence.
bool MatchSwitch(const std::string& arg, const char* sw, std::string& value);

// Where the inputs were found.
struct LaunchResult {
  bool hadArguments = false;    // false: show kNoParameterInput and end the program
  std::string messagePrefix;    // prefix handed to the message catalogue ("" = current folder)
  std::string profileFolder;    // folder in front of "<agent>.cfg" ("\" written as "/")
};

// Reads the launch parameters into texts and into GlobalDevice, GlobalScope
// and GlobalSecurity:
// 1. the message-file prefix from the HelpPath key (opened with creation),
//    its value less the last 12 characters, and the seven message files;
// 2. the profile folder from the ExePath key ("Path" + "..\Conf\MBF\"),
//    replaced by the MibFile key's "Path" when that key exists;
// 3. when arguments is empty: nothing more (hadArguments false);
// 4. every argument in turn: "/I" sets the agent; otherwise the profile
//    <folder><agent>.cfg is applied when it exists, then "/R", "/W", "/v" are
//    tried, then, while the SNMPv3 gate is open ("3" in texts.version or
//    GlobalSecurity.version 3), "/t", "/c", "/d", "/m", "/l", "/n", "/A",
//    "/P", "/a", "/p"; the first switch that matches is applied.
// Relative message and profile paths are taken from currentFolder ("" = the
// process's current folder). arguments are the program's arguments without
// the program name. Raises KyConvertError for a number that is not an integer.
LaunchResult ReadLaunchParameters(LaunchTexts& texts, const std::vector<std::string>& arguments, KyKeyStore& keys,
                                  const std::string& currentFolder = "");

// The same with this user's key store (KyKeyStore::Default) and the
// process's current folder: what the main window calls.
LaunchResult ReadLaunchParameters(LaunchTexts& texts, const std::vector<std::string>& arguments);

// The arguments of main without the program name.
std::vector<std::string> LaunchArguments(int argc, const char* const* argv);

// The executable a page switch names: the characters from the third up to
// the first "_" ("/TMIB_Info" -> "MIB"), or to the end when there is none.
std::string SiblingExecutable(const std::string& page);

// The command line that starts the sibling module of a page switch for this
// device: "<exe> /I<agent>", then for a profile "Version" of "3" " /t", " /v",
// " /d", " /m", " /n", " /l", " /a", " /p", " /A", " /P", " /c" each followed
// by its text, otherwise " /R<read community> /W<write community>"; then " "
// and the page.
std::string SiblingCommandLine(const LaunchTexts& texts, const std::string& page);

// The argument list of the same command, without the executable: each switch
// with its text is one argument, the page one more, and a non-empty extra
// text one more after it. No argument is ever split at blanks.
std::vector<std::string> SiblingArguments(const LaunchTexts& texts, const std::string& page,
                                          const std::string& extra = "");

// Starts the sibling module of a page switch for this device, without a
// shell: the executable is looked for in this program's folder first, then
// on PATH. Failures are not reported to the operator; the result only tells
// whether a process was started.
bool StartSiblingModule(const LaunchTexts& texts, const std::string& page, const std::string& extra = "");
