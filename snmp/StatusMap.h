// How every failure of an exchange over net-snmp becomes the SNMP++ status
// number that TranslateStatus turns into the catalogue code and text.
//
// All mappings live in one table (StatusMapTable) so that it can be read,
// printed and tested row by row.
#pragma once

#include <span>

enum class KyFailureSource {
  CallbackOp,    // the operation net-snmp hands to a request's callback
  LibraryError,  // a net-snmp error number (SNMPERR_*): local send failures, v3 reports
  ErrorStatus,   // the error-status of a reply PDU
  Local,         // checks of this layer before anything is sent (KyLocalFailure)
};

// Failures this layer finds itself, before anything is sent.
namespace KyLocalFailure {
constexpr int UnsupportedPrivProtocol = 1;   // IDEA, or a number no privacy protocol has
constexpr int UnsupportedAuthProtocol = 2;
constexpr int LevelWithoutProtocol = 3;      // authNoPriv/authPriv without the protocol for it
constexpr int UnsupportedSecurityModel = 4;  // SNMPv3 with a security model other than USM
constexpr int AuthKeyFailed = 5;             // no key from the authentication password (too short)
constexpr int PrivKeyFailed = 6;             // no key from the privacy password (too short)
constexpr int UserNotAdded = 7;              // the USM refused the user
constexpr int BadOid = 8;                    // an OID that is not dotted decimal
constexpr int BadVersion = 9;                // a version other than 0, 1 and 3
constexpr int NoSession = 10;                // InitGlobalSession has not run
constexpr int BadSecurityLevel = 11;         // a level other than 1, 2 and 3
}  // namespace KyLocalFailure

struct KyStatusMapRow {
  KyFailureSource source;
  int from;          // net-snmp number (callback op, SNMPERR_*, error-status) or KyLocalFailure
  int status;        // SNMP++ status given to TranslateStatus
  const char* what;  // what happened
};

// Every row; error-status 1..18 is one row per value.
std::span<const KyStatusMapRow> StatusMapTable();

// Lookups. Values without a row: a callback op or library error gives -1
// (operation failed), an error-status outside 1..18 gives -19 (the agent
// reports an error), an unknown local failure -1. Error-status 0 gives 0.
int MapFailure(KyFailureSource source, int from);
inline int MapCallbackOp(int op) { return MapFailure(KyFailureSource::CallbackOp, op); }
inline int MapLibraryError(int snmperr) { return MapFailure(KyFailureSource::LibraryError, snmperr); }
int MapErrorStatus(long errstat);
inline int MapLocalFailure(int reason) { return MapFailure(KyFailureSource::Local, reason); }
