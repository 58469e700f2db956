// The one table from net-snmp outcomes to SNMP++ statuses, and what the
// catalogue makes of every row.
#include <gtest/gtest.h>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <set>

#include "snmp/Messages.h"
#include "snmp/StatusMap.h"

namespace {

// Every row lands in the catalogue range its kind belongs to, never on the
// "unknown error" text.
TEST(StatusMap, EveryRowHasACatalogueText) {
  for (const KyStatusMapRow& row : StatusMapTable()) {
    KyStatusText t = TranslateStatus(row.status);
    EXPECT_NE(t.code, KyErr::UnknownError) << row.what;
    EXPECT_LT(t.code, 0) << row.what;
    EXPECT_FALSE(t.text.empty()) << row.what;
    EXPECT_EQ(MapFailure(row.source, row.from), row.status) << row.what;
  }
}

TEST(StatusMap, RowsAreUnique) {
  std::set<std::pair<int, int>> seen;
  for (const KyStatusMapRow& row : StatusMapTable())
    EXPECT_TRUE(seen.insert({static_cast<int>(row.source), row.from}).second) << row.what;
}

TEST(StatusMap, KeyOutcomes) {
  struct Case {
    KyFailureSource source;
    int from;
    int code;
  } cases[] = {
      {KyFailureSource::CallbackOp, NETSNMP_CALLBACK_OP_TIMED_OUT, -405},
      {KyFailureSource::CallbackOp, NETSNMP_CALLBACK_OP_SEND_FAILED, -422},
      {KyFailureSource::LibraryError, SNMPERR_TIMEOUT, -405},
      {KyFailureSource::LibraryError, SNMPERR_UNKNOWN_ENG_ID, -310},
      {KyFailureSource::LibraryError, SNMPERR_UNKNOWN_USER_NAME, -304},
      {KyFailureSource::LibraryError, SNMPERR_UNSUPPORTED_SEC_LEVEL, -303},
      {KyFailureSource::LibraryError, SNMPERR_AUTHENTICATION_FAILURE, -308},
      {KyFailureSource::LibraryError, SNMPERR_NOT_IN_TIME_WINDOW, -311},
      {KyFailureSource::LibraryError, SNMPERR_DECRYPTION_ERR, -306},
      {KyFailureSource::LibraryError, SNMPERR_UNKNOWN_SEC_MODEL, -201},
      {KyFailureSource::LibraryError, SNMPERR_BAD_CONTEXT, -216},
      {KyFailureSource::Local, KyLocalFailure::UnsupportedPrivProtocol, -313},
      {KyFailureSource::Local, KyLocalFailure::UnsupportedAuthProtocol, -312},
      {KyFailureSource::Local, KyLocalFailure::BadOid, -417},
  };
  for (const Case& c : cases) EXPECT_EQ(TranslateStatus(MapFailure(c.source, c.from)).code, c.code) << c.from;
}

TEST(StatusMap, ErrorStatus) {
  EXPECT_EQ(MapErrorStatus(0), 0);
  for (int s = 1; s <= 18; ++s) EXPECT_EQ(TranslateStatus(MapErrorStatus(s)).code, -100 - s);
  // A status no agent should send still gets a text of its own.
  EXPECT_EQ(TranslateStatus(MapErrorStatus(19)).code, -419);
  EXPECT_EQ(TranslateStatus(MapErrorStatus(-5)).code, -419) << "never mistaken for a timeout";
}

TEST(StatusMap, UnknownNumbersAreOperationFailed) {
  EXPECT_EQ(MapLibraryError(-9999), SnmpStatus::ClassError);
  EXPECT_EQ(MapCallbackOp(99), SnmpStatus::ClassError);
}

}  // namespace
