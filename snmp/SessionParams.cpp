#include "snmp/SessionParams.h"

// Empty texts and zero numbers until InitGlobalSession assigns the defaults.
KySNMPDevice GlobalDevice{"", 0};
KySNMPScope GlobalScope{};
KySNMPSecurity GlobalSecurity{0, "", "", 0, 0, "", "", "", 0, 0};
int32_t GlobalTimeout = 0;
int32_t GlobalRetries = kDefaultRetries;  // every request starts with one retry
int32_t GlobalMaxInFlight = kDefaultMaxInFlight;

void AssignDefaultSessionParams() {
  GlobalDevice = KySNMPDevice{};
  GlobalScope = KySNMPScope{};
  GlobalSecurity = KySNMPSecurity{};
  GlobalTimeout = kDefaultTimeout;
  GlobalRetries = kDefaultRetries;
  GlobalMaxInFlight = kDefaultMaxInFlight;
}
