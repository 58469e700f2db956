#include "snmp/StatusMap.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <array>

#include "snmp/Messages.h"

namespace {

using S = KyFailureSource;
namespace St = SnmpStatus;
namespace L = KyLocalFailure;

constexpr std::array kRows{
    // Outcome of an exchange.
    KyStatusMapRow{S::CallbackOp, NETSNMP_CALLBACK_OP_TIMED_OUT, St::Timeout,
                   "no reply after the retries"},
    KyStatusMapRow{S::CallbackOp, NETSNMP_CALLBACK_OP_SEND_FAILED, St::TransportFailed,
                   "the datagram could not be sent"},

    // net-snmp error numbers: send failures and SNMPv3 reports.
    KyStatusMapRow{S::LibraryError, SNMPERR_TIMEOUT, St::Timeout, "timeout"},
    KyStatusMapRow{S::LibraryError, SNMPERR_BAD_SENDTO, St::TransportFailed, "sendto failed"},
    KyStatusMapRow{S::LibraryError, SNMPERR_NO_SOCKET, St::TransportFailed, "no socket"},
    KyStatusMapRow{S::LibraryError, SNMPERR_ABORT, St::TransportFailed, "session aborted"},
    KyStatusMapRow{S::LibraryError, SNMPERR_BAD_ADDRESS, St::InvalidAddress, "bad address"},
    KyStatusMapRow{S::LibraryError, SNMPERR_TOO_LONG, St::InvalidPdu, "message too long"},
    KyStatusMapRow{S::LibraryError, SNMPERR_BAD_ASN1_BUILD, St::InvalidPdu, "PDU cannot be encoded"},
    KyStatusMapRow{S::LibraryError, SNMPERR_V2_IN_V1, St::InvalidPdu, "SNMPv2 type in an SNMPv1 PDU"},
    KyStatusMapRow{S::LibraryError, SNMPERR_V1_IN_V2, St::InvalidPdu, "SNMPv1 PDU in SNMPv2"},
    KyStatusMapRow{S::LibraryError, SNMPERR_BAD_VERSION, St::InvalidPdu, "bad version"},
    KyStatusMapRow{S::LibraryError, SNMPERR_BAD_SEC_NAME, St::UsmUnknownSecurityName, "bad security name"},
    KyStatusMapRow{S::LibraryError, SNMPERR_BAD_SEC_LEVEL, St::UsmUnsupportedSecurityLevel, "bad security level"},
    KyStatusMapRow{S::LibraryError, SNMPERR_UNKNOWN_SEC_MODEL, St::MpUnsupportedSecurityModel,
                   "report: unknown security model"},
    KyStatusMapRow{S::LibraryError, SNMPERR_INVALID_MSG, St::MpInvalidMessage, "report: invalid message"},
    KyStatusMapRow{S::LibraryError, SNMPERR_UNKNOWN_PDU, St::MpUnknownPduHandlers, "report: unknown PDU handler"},
    KyStatusMapRow{S::LibraryError, SNMPERR_BAD_CONTEXT, St::MpUnknownContext, "report: unknown context"},
    KyStatusMapRow{S::LibraryError, SNMPERR_UNKNOWN_ENG_ID, St::UsmUnknownEngineId, "report: unknown engine ID"},
    KyStatusMapRow{S::LibraryError, SNMPERR_UNKNOWN_USER_NAME, St::UsmUnknownSecurityName, "report: unknown user"},
    KyStatusMapRow{S::LibraryError, SNMPERR_UNSUPPORTED_SEC_LEVEL, St::UsmUnsupportedSecurityLevel,
                   "report: unsupported security level"},
    KyStatusMapRow{S::LibraryError, SNMPERR_AUTHENTICATION_FAILURE, St::UsmAuthenticationFailure,
                   "report: wrong digest (authentication failure)"},
    KyStatusMapRow{S::LibraryError, SNMPERR_NOT_IN_TIME_WINDOW, St::UsmNotInTimeWindow,
                   "report: not in time window after the retries"},
    KyStatusMapRow{S::LibraryError, SNMPERR_DECRYPTION_ERR, St::UsmDecryptionError, "report: decryption error"},
    KyStatusMapRow{S::LibraryError, SNMPERR_UNKNOWN_REPORT, St::MpUsmError, "report of an unknown kind"},
    KyStatusMapRow{S::LibraryError, SNMPERR_KT_NOT_AVAILABLE, St::UsmError, "no key for the user"},
    KyStatusMapRow{S::LibraryError, SNMPERR_USM_GENERICERROR, St::UsmError, "USM error"},
    KyStatusMapRow{S::LibraryError, SNMPERR_USM_UNKNOWNSECURITYNAME, St::UsmUnknownSecurityName,
                   "no local key for the user"},
    KyStatusMapRow{S::LibraryError, SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL, St::UsmUnsupportedSecurityLevel,
                   "level not supported by the user's keys"},
    KyStatusMapRow{S::LibraryError, SNMPERR_USM_ENCRYPTIONERROR, St::UsmEncryptionError, "encryption failed"},
    KyStatusMapRow{S::LibraryError, SNMPERR_USM_AUTHENTICATIONFAILURE, St::UsmAuthenticationFailure,
                   "reply failed authentication"},
    KyStatusMapRow{S::LibraryError, SNMPERR_USM_PARSEERROR, St::UsmParseError, "USM parse error"},
    KyStatusMapRow{S::LibraryError, SNMPERR_USM_UNKNOWNENGINEID, St::UsmUnknownEngineId, "unknown engine ID"},
    KyStatusMapRow{S::LibraryError, SNMPERR_USM_NOTINTIMEWINDOW, St::UsmNotInTimeWindow, "not in time window"},
    KyStatusMapRow{S::LibraryError, SNMPERR_USM_DECRYPTIONERROR, St::UsmDecryptionError, "decryption failed"},

    // Error-status of a reply (RFC 3416 numbering, the same in SNMP++).
    KyStatusMapRow{S::ErrorStatus, 1, 1, "tooBig"},
    KyStatusMapRow{S::ErrorStatus, 2, 2, "noSuchName"},
    KyStatusMapRow{S::ErrorStatus, 3, 3, "badValue"},
    KyStatusMapRow{S::ErrorStatus, 4, 4, "readOnly"},
    KyStatusMapRow{S::ErrorStatus, 5, 5, "genErr"},
    KyStatusMapRow{S::ErrorStatus, 6, 6, "noAccess"},
    KyStatusMapRow{S::ErrorStatus, 7, 7, "wrongType"},
    KyStatusMapRow{S::ErrorStatus, 8, 8, "wrongLength"},
    KyStatusMapRow{S::ErrorStatus, 9, 9, "wrongEncoding"},
    KyStatusMapRow{S::ErrorStatus, 10, 10, "wrongValue"},
    KyStatusMapRow{S::ErrorStatus, 11, 11, "noCreation"},
    KyStatusMapRow{S::ErrorStatus, 12, 12, "inconsistentValue"},
    KyStatusMapRow{S::ErrorStatus, 13, 13, "resourceUnavailable"},
    KyStatusMapRow{S::ErrorStatus, 14, 14, "commitFailed"},
    KyStatusMapRow{S::ErrorStatus, 15, 15, "undoFailed"},
    KyStatusMapRow{S::ErrorStatus, 16, 16, "authorizationError"},
    KyStatusMapRow{S::ErrorStatus, 17, 17, "notWritable"},
    KyStatusMapRow{S::ErrorStatus, 18, 18, "inconsistentName"},

    // Checks before sending.
    KyStatusMapRow{S::Local, L::UnsupportedPrivProtocol, St::UsmUnsupportedPrivProtocol,
                   "privacy protocol not available (IDEA, unknown number)"},
    KyStatusMapRow{S::Local, L::UnsupportedAuthProtocol, St::UsmUnsupportedAuthProtocol,
                   "authentication protocol not available"},
    KyStatusMapRow{S::Local, L::LevelWithoutProtocol, St::UsmUnsupportedSecurityLevel,
                   "security level needs a protocol that is 'none'"},
    KyStatusMapRow{S::Local, L::BadSecurityLevel, St::UsmUnsupportedSecurityLevel, "security level not 1, 2 or 3"},
    KyStatusMapRow{S::Local, L::UnsupportedSecurityModel, St::MpUnsupportedSecurityModel,
                   "SNMPv3 with a security model other than USM"},
    KyStatusMapRow{S::Local, L::AuthKeyFailed, St::UsmAuthenticationError,
                   "no key from the authentication password (shorter than 8 characters)"},
    KyStatusMapRow{S::Local, L::PrivKeyFailed, St::UsmEncryptionError,
                   "no key from the privacy password (shorter than 8 characters)"},
    KyStatusMapRow{S::Local, L::UserNotAdded, St::UsmError, "the USM refused the user"},
    KyStatusMapRow{S::Local, L::BadOid, St::InvalidOid, "OID that is not dotted decimal"},
    KyStatusMapRow{S::Local, L::BadVersion, St::InvalidTarget, "version other than 0, 1, 3"},
    KyStatusMapRow{S::Local, L::NoSession, St::ClassError, "no session (InitGlobalSession not run)"},
};

}  // namespace

std::span<const KyStatusMapRow> StatusMapTable() { return kRows; }

int MapFailure(KyFailureSource source, int from) {
  if (source == S::ErrorStatus) return MapErrorStatus(from);
  for (const KyStatusMapRow& row : kRows)
    if (row.source == source && row.from == from) return row.status;
  return St::ClassError;
}

int MapErrorStatus(long errstat) {
  if (errstat == 0) return St::Success;
  if (errstat >= 1 && errstat <= 18) return static_cast<int>(errstat);
  return St::ErrorStatus;
}
