// Session parameters: where the agent is, the SNMPv3 context and the
// credentials. One process-wide instance of each is filled at start-up
// (defaults by InitGlobalSession, then the launch switches and the device
// profile); every request copies them when it is constructed.
#pragma once

#include <cstdint>
#include <string>

// Where the agent is.
struct KySNMPDevice {
  std::string address = "127.0.0.1";  // IP address or DNS name
  uint16_t port = 161;                // UDP port
};

// SNMPv3 context, stamped into every PDU whatever the version.
struct KySNMPScope {
  std::string contextEngineId;  // raw bytes of the context engine ID ("" = the agent's own)
  std::string contextName;
};

// Version codes (SNMP++ coding).
namespace SnmpVersion {
constexpr uint8_t V1 = 0;
constexpr uint8_t V2c = 1;
constexpr uint8_t V3 = 3;
}  // namespace SnmpVersion

// Security models (SNMP++ coding).
namespace SecurityModel {
constexpr int32_t V1 = 1;
constexpr int32_t V2c = 2;
constexpr int32_t Usm = 3;
}  // namespace SecurityModel

// Security levels.
namespace SecurityLevel {
constexpr int32_t NoAuthNoPriv = 1;
constexpr int32_t AuthNoPriv = 2;
constexpr int32_t AuthPriv = 3;
}  // namespace SecurityLevel

// Authentication protocols (SNMP++ coding).
namespace AuthProtocol {
constexpr int32_t None = 1;
constexpr int32_t HmacMd5 = 2;
constexpr int32_t HmacSha = 3;
constexpr int32_t HmacSha224 = 4;
constexpr int32_t HmacSha256 = 5;
constexpr int32_t HmacSha384 = 6;
constexpr int32_t HmacSha512 = 7;
}  // namespace AuthProtocol

// Privacy protocols (SNMP++ coding).
namespace PrivProtocol {
constexpr int32_t None = 1;
constexpr int32_t Des = 2;
constexpr int32_t TripleDes = 3;  // not supported by this build
constexpr int32_t Idea = 9;       // not supported: refused with a catalogue error
constexpr int32_t Aes128 = 19;
constexpr int32_t Aes192 = 20;    // not supported by this build
constexpr int32_t Aes256 = 21;    // not supported by this build
}  // namespace PrivProtocol

// Version and credentials.
struct KySNMPSecurity {
  uint8_t version = SnmpVersion::V1;  // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
  std::string readCommunity = "menlak";    // GET and GET-NEXT (v1, v2c)
  std::string writeCommunity = "torvesk";  // SET (v1, v2c)
  int32_t securityModel = SecurityModel::V1;
  int32_t securityLevel = SecurityLevel::NoAuthNoPriv;
  std::string securityName;   // USM user name
  std::string authPassword;
  std::string privPassword;
  int32_t authProtocol = AuthProtocol::None;
  int32_t privProtocol = PrivProtocol::None;
};

// Default request timeout in hundredths of a second, and default retries.
inline constexpr int32_t kDefaultTimeout = 100;
inline constexpr int32_t kDefaultRetries = 1;

// Process-wide parameters: every new request copies them. InitGlobalSession
// assigns the defaults above; the launch code overwrites them afterwards.
extern KySNMPDevice GlobalDevice;
extern KySNMPScope GlobalScope;
extern KySNMPSecurity GlobalSecurity;
extern int32_t GlobalTimeout;   // hundredths of a second
extern int32_t GlobalRetries;   // retransmissions of every new request (1)
// Exchanges one table walk keeps in flight at most (4; 1 to 16).
extern int32_t GlobalMaxInFlight;
inline constexpr int32_t kDefaultMaxInFlight = 4;
inline constexpr int32_t kMaxMaxInFlight = 16;

// Assigns the default values to the four global parameter records.
void AssignDefaultSessionParams();
