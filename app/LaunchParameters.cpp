#include "app/LaunchParameters.h"
#include "app/LaunchSwitches.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <filesystem>

#include "platform/KeyStore.h"
#include "platform/KyIni.h"
#include "platform/Process.h"
#include "snmp/Messages.h"
#include "snmp/SessionParams.h"

namespace {

// Length of the help file name at the end of the HelpPath value.
constexpr std::size_t kHelpFileNameLength = 12;

std::string Slashes(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

// A relative path taken from the given folder ("" leaves it to the process's
// current folder).
std::string FromFolder(const std::string& folder, const std::string& path) {
  if (folder.empty() || (!path.empty() && path.front() == '/')) return path;
  return folder.back() == '/' ? folder + path : folder + "/" + path;
}

// The profile of an agent. ".." is resolved on the text, so that the host
// suite's "<program folder>..\Conf\MBF\" works whether or not every folder
// named on the way exists.
std::string ProfilePath(const std::string& currentFolder, const std::string& folder, const std::string& agent) {
  const std::string path = FromFolder(currentFolder, folder + agent + ".cfg");
  const std::string normal = std::filesystem::path(path).lexically_normal().string();
  return normal.empty() ? path : normal;
}

std::string Decimal(int32_t n) { return std::to_string(n); }

// Low 8 bits, as a narrowing assignment stores them.
uint8_t Low8(int32_t n) { return static_cast<uint8_t>(static_cast<uint32_t>(n) & 0xFFu); }

// n + 1 with 32-bit wrap-around.
int32_t PlusOne(int32_t n) { return static_cast<int32_t>(static_cast<uint32_t>(n) + 1u); }

std::string ReadKey(KyKeyStore& keys, const char* key, const char* name, bool create) {
  if (!keys.OpenKey(key, create)) return {};
  return keys.ReadString(key, name).value_or(std::string());
}

std::string MessagePrefix(KyKeyStore& keys) {
  const std::string value = ReadKey(keys, kHelpPathKey, kHelpPathValue, true);
  if (value.size() <= kHelpFileNameLength) return {};
  return value.substr(0, value.size() - kHelpFileNameLength);
}

std::string ProfileFolder(KyKeyStore& keys) {
  std::string folder;
  if (keys.OpenKey(kExePathKey, false))
    folder = keys.ReadString(kExePathKey, kPathValue).value_or(std::string()) + kProfileSubfolder;
  if (keys.OpenKey(kMibFileKey, false)) folder = keys.ReadString(kMibFileKey, kPathValue).value_or(std::string());
  return Slashes(folder);
}

// Where a number came from, for the second line of its error.
std::string SwitchPlace(const char* sw) { return std::string("Switch \"") + sw + "\""; }
std::string ProfilePlace(const std::string& profilePath, const char* key) {
  return std::string("Key \"") + key + "\" of [" + kProfileSection + "] in the device profile \"" + profilePath +
         "\"";
}

// LaunchStrToInt, its error naming the place.
int32_t PlacedInt(const std::string& text, const std::string& place) {
  try {
    return LaunchStrToInt(text);
  } catch (const KyConvertError& e) {
    throw KyConvertError(e.offendingText(), std::string(e.what()) + "\n" + place);
  }
}

// A number within [low, high]; a clear error naming the place otherwise.
int32_t RangedInt(const std::string& text, int32_t low, int32_t high, const char* what, const std::string& place) {
  const int32_t n = PlacedInt(text, place);
  if (n < low || n > high)
    throw KyConvertError(text, "'" + text + "' is not a valid " + what + " (" + std::to_string(low) + " to " +
                                   std::to_string(high) + ")\n" + place);
  return n;
}

uint16_t Port(const std::string& text, const std::string& place) {
  return static_cast<uint16_t>(RangedInt(text, 1, 65535, "port number", place));
}

// Every key of the profile, in this order.
void ApplyProfile(LaunchTexts& texts, const std::string& profilePath) {
  const KyIni ini(profilePath);
  auto read = [&ini](const char* key) { return ini.ReadString(kProfileSection, key, ""); };
  auto number = [&](const char* key, const std::string& text) {
    return PlacedInt(text, ProfilePlace(profilePath, key));
  };

  {
    const uint16_t port = Port(read("AgentPort"), ProfilePlace(profilePath, "AgentPort"));
    GlobalDevice.port = port;
    texts.port = std::to_string(port);
  }
  {
    const std::string version = read("Version");
    texts.version = version;
    GlobalSecurity.version = Low8(number("Version", version));
  }
  if (std::string name = read("ContextName"); !name.empty()) {
    GlobalScope.contextName = name;
    texts.contextName = name;
  }
  {
    const std::string engineId = read("ContextEngineID");
    GlobalScope.contextEngineId = engineId;
    texts.contextEngineId = engineId;
  }
  {
    const int32_t model = number("SecurityModel", read("SecurityModel"));
    GlobalSecurity.securityModel = model;
    texts.securityModel = Decimal(model);
  }
  if (const std::string level = read("SecurityLevel"); level != "0") {
    GlobalSecurity.securityLevel = PlusOne(number("SecurityLevel", level));
    texts.securityLevel = Decimal(GlobalSecurity.securityLevel);
  }
  {
    const std::string name = read("SecurityName");
    GlobalSecurity.securityName = name;
    texts.securityName = name;
  }
  if (const std::string auth = read("AuthProtocol"); auth != "0") {
    GlobalSecurity.authProtocol = PlusOne(number("AuthProtocol", auth));
    texts.authProtocol = Decimal(GlobalSecurity.authProtocol);
  }
  if (const std::string priv = read("PrivProtocol"); priv != "0") {
    GlobalSecurity.privProtocol = PlusOne(number("PrivProtocol", priv));
    texts.privProtocol = Decimal(GlobalSecurity.privProtocol);
  }
  if (const std::string password = read("AuthPassword"); !password.empty()) {
    GlobalSecurity.authPassword = password;
    texts.authPassword = password;
  }
  if (const std::string password = read("PrivPassword"); !password.empty()) {
    GlobalSecurity.privPassword = password;
    texts.privPassword = password;
  }
  // For a device behind a slow link.
  if (const std::string timeout = read(kProfileTimeoutKey); !timeout.empty())
    GlobalTimeout = RangedInt(timeout, 1, kMaxProfileTimeout, "timeout in hundredths of a second",
                              ProfilePlace(profilePath, kProfileTimeoutKey));
  if (const std::string retries = read(kProfileRetriesKey); !retries.empty())
    GlobalRetries = RangedInt(retries, 0, kMaxProfileRetries, "number of retries",
                              ProfilePlace(profilePath, kProfileRetriesKey));
  // For an agent that copes badly with several requests at once.
  if (const std::string inFlight = read(kProfileMaxInFlightKey); !inFlight.empty())
    GlobalMaxInFlight = RangedInt(inFlight, 1, kMaxMaxInFlight, "number of exchanges in flight",
                                  ProfilePlace(profilePath, kProfileMaxInFlightKey));
}

// Switches in the order they are tried after "/I": the first whose two
// characters occur in an argument is the one it holds.
constexpr const char* kCommonSwitches[] = {"/R", "/W", "/v"};
constexpr const char* kV3Switches[] = {"/t", "/c", "/d", "/m", "/l", "/n", "/A", "/P", "/a", "/p"};

// The parameter records the switches write: the global ones at start-up,
// private copies when switches are only checked.
struct SwitchTarget {
  KySNMPDevice& device;
  KySNMPScope& scope;
  KySNMPSecurity& security;
};

bool GateOpen(const LaunchTexts& texts, const KySNMPSecurity& security) {
  return texts.version == "3" || security.version == 3;
}

// Applies the switch sw (as LaunchSwitchOf found it) that arg holds.
void ApplySwitch(LaunchTexts& texts, SwitchTarget to, const std::string& arg, const std::string& sw) {
  std::string value;
  if (sw.empty() || !MatchSwitch(arg, sw.c_str(), value)) return;
  if (sw == "/R") {
    to.security.readCommunity = value;
    texts.readCommunity = value;
  } else if (sw == "/W") {
    to.security.writeCommunity = value;
    texts.writeCommunity = value;
  } else if (sw == "/v") {
    to.security.version = Low8(LaunchStrToInt(value));
  } else if (sw == "/t") {
    const uint16_t port = Port(value, SwitchPlace("/t"));
    to.device.port = port;
    texts.port = std::to_string(port);
  } else if (sw == "/c") {
    to.scope.contextName = value;
    if (!value.empty()) texts.contextName = value;
  } else if (sw == "/d") {
    to.scope.contextEngineId = value;
    texts.contextEngineId = value;
  } else if (sw == "/m") {
    const int32_t model = LaunchStrToInt(value);
    to.security.securityModel = model;
    texts.securityModel = Decimal(model);
  } else if (sw == "/l") {
    const int32_t level = LaunchStrToInt(value);
    to.security.securityLevel = level;
    if (level != 0) texts.securityLevel = Decimal(level);
  } else if (sw == "/n") {
    to.security.securityName = value;
    texts.securityName = value;
  } else if (sw == "/A") {
    to.security.authPassword = value;
    if (!value.empty()) texts.authPassword = value;
  } else if (sw == "/P") {
    to.security.privPassword = value;
    if (!value.empty()) texts.privPassword = value;
  } else if (sw == "/a") {
    const int32_t protocol = LaunchStrToInt(value);
    to.security.authProtocol = protocol;
    if (texts.authProtocol != "0") texts.authProtocol = Decimal(protocol);
  } else if (sw == "/p") {
    const int32_t protocol = LaunchStrToInt(value);
    to.security.privProtocol = protocol;
    if (texts.privProtocol != "0") texts.privProtocol = Decimal(protocol);
  }
}

// The pieces of the sibling command after the executable name.
std::vector<std::string> SiblingSwitches(const LaunchTexts& texts, const std::string& page) {
  std::vector<std::string> parts{"/I" + texts.agent};
  if (texts.version == "3") {
    parts.insert(parts.end(), {"/t" + texts.port, "/v" + texts.version, "/d" + texts.contextEngineId,
                               "/m" + texts.securityModel, "/n" + texts.securityName, "/l" + texts.securityLevel,
                               "/a" + texts.authProtocol, "/p" + texts.privProtocol, "/A" + texts.authPassword,
                               "/P" + texts.privPassword, "/c" + texts.contextName});
  } else {
    parts.insert(parts.end(), {"/R" + texts.readCommunity, "/W" + texts.writeCommunity});
  }
  parts.push_back(page);
  return parts;
}

}  // namespace

KyConvertError::KyConvertError(const std::string& text)
    : std::runtime_error("'" + text + "' is not a valid integer value"), text_(text) {}

KyConvertError::KyConvertError(const std::string& text, const std::string& message)
    : std::runtime_error(message), text_(text) {}

int32_t LaunchStrToInt(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) throw KyConvertError(text);
  int64_t n = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') throw KyConvertError(text);
    n = n * 10 + (text[i] - '0');
    if (n > int64_t{INT32_MAX} + 1) throw KyConvertError(text);
  }
  if (negative) n = -n;
  if (n > INT32_MAX || n < INT32_MIN) throw KyConvertError(text);
  return static_cast<int32_t>(n);
}

bool MatchSwitch(const std::string& arg, const char* sw, std::string& value) {
  const std::size_t pos = arg.find(sw, 0, 2);
  if (pos == std::string::npos) return false;
  value = arg.substr(pos + 2);
  return true;
}

LaunchResult ReadLaunchParameters(LaunchTexts& texts, const std::vector<std::string>& arguments, KyKeyStore& keys,
                                  const std::string& currentFolder) {
  LaunchResult result;
  result.messagePrefix = MessagePrefix(keys);
  LoadMessageFiles(FromFolder(currentFolder, Slashes(result.messagePrefix)));

  result.profileFolder = ProfileFolder(keys);

  result.hadArguments = !arguments.empty();
  for (const std::string& arg : arguments) {
    std::string value;
    if (MatchSwitch(arg, "/I", value)) {
      GlobalDevice.address = value;
      texts.agent = value;
      continue;
    }
    // Read again before every argument: a profile setting wins over the same
    // setting of an earlier argument.
    const std::string profilePath = ProfilePath(currentFolder, result.profileFolder, texts.agent);
    if (FileExists(profilePath)) ApplyProfile(texts, profilePath);

    ApplySwitch(texts, {GlobalDevice, GlobalScope, GlobalSecurity}, arg,
                LaunchSwitchOf(arg, GateOpen(texts, GlobalSecurity)));
  }
  return result;
}

LaunchSettings ReadLaunchSwitches(const std::vector<std::string>& arguments) {
  LaunchSettings settings;
  for (const std::string& arg : arguments) {
    std::string value;
    if (MatchSwitch(arg, "/I", value)) {
      settings.device.address = value;
      settings.texts.agent = value;
      continue;
    }
    ApplySwitch(settings.texts, {settings.device, settings.scope, settings.security}, arg,
                LaunchSwitchOf(arg, GateOpen(settings.texts, settings.security)));
  }
  return settings;
}

std::string LaunchSwitchOf(const std::string& arg, bool v3Gate) {
  std::string value;
  if (MatchSwitch(arg, "/I", value)) return "/I";
  for (const char* sw : kCommonSwitches)
    if (MatchSwitch(arg, sw, value)) return sw;
  if (v3Gate)
    for (const char* sw : kV3Switches)
      if (MatchSwitch(arg, sw, value)) return sw;
  return {};
}

LaunchResult ReadLaunchParameters(LaunchTexts& texts, const std::vector<std::string>& arguments) {
  KyKeyStore keys = KyKeyStore::Default();
  return ReadLaunchParameters(texts, arguments, keys, "");
}

std::vector<std::string> LaunchArguments(int argc, const char* const* argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc && argv; ++i)
    if (argv[i]) args.emplace_back(argv[i]);
  return args;
}

std::string SiblingExecutable(const std::string& page) {
  if (page.size() <= 2) return {};
  const std::size_t underscore = page.find('_', 2);
  return page.substr(2, underscore == std::string::npos ? std::string::npos : underscore - 2);
}

std::string SiblingCommandLine(const LaunchTexts& texts, const std::string& page) {
  std::string command = SiblingExecutable(page);
  for (const std::string& part : SiblingSwitches(texts, page)) command += " " + part;
  return command;
}

std::vector<std::string> SiblingArguments(const LaunchTexts& texts, const std::string& page, const std::string& extra) {
  std::vector<std::string> args = SiblingSwitches(texts, page);
  if (!extra.empty()) args.push_back(extra);
  return args;
}

bool StartSiblingModule(const LaunchTexts& texts, const std::string& page, const std::string& extra) {
  const std::string exe = SiblingExecutable(page);
  // The executable is a plain name: never a path into somewhere else.
  if (exe.empty() || exe.find('/') != std::string::npos) return false;
  try {
    return StartProgram(exe, SiblingArguments(texts, page, extra));
  } catch (...) {
    return false;  // a sibling that cannot be started is not reported
  }
}
