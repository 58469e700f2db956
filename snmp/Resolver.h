// Agent names to IPv4 addresses without blocking the caller.
//
// A dotted IPv4 address is taken as it is. A name is looked up on a worker
// thread (one per name at a time); the caller asks again later (the session
// does so on every pump round) until the answer is there. Answers are kept:
// an address for kKeepResolvedMs, a failure for kKeepFailedMs, so a name
// server that never answers costs one wait, not one per exchange.
#pragma once

#include <netinet/in.h>

#include <functional>
#include <string>

enum class KyLookup { Resolved, Failed, Pending };

// The look-up itself; runs on a worker thread and may block. True with the
// address on success. The default uses the system's resolver (getaddrinfo).
using KyNameResolverHook = std::function<bool(const std::string& name, in_addr& out)>;

constexpr long long kKeepResolvedMs = 60000;
constexpr long long kKeepFailedMs = 30000;

// Resolved: out holds the address. Failed: the text is no address and no
// name, or its look-up failed (recently). Pending: a look-up runs; ask again.
KyLookup KyLookupName(const std::string& text, in_addr& out);

// Records that the exchanges waiting for the name gave up: it counts as
// failed for kKeepFailedMs unless its look-up answers first.
void KyNameLookupGaveUp(const std::string& text);

// Replaces the look-up (empty: the system's) and forgets every kept answer.
// Look-ups already running finish into the void.
void SetKyNameResolverHook(KyNameResolverHook hook);
// Forgets every kept answer.
void ForgetKyResolvedNames();
