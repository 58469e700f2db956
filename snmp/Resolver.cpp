#include "snmp/Resolver.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cctype>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "snmp/SnmpPump.h"

namespace {

bool SystemResolve(const std::string& name, in_addr& out) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo* res = nullptr;
  if (getaddrinfo(name.c_str(), nullptr, &hints, &res) != 0 || !res) return false;
  out = reinterpret_cast<sockaddr_in*>(res->ai_addr)->sin_addr;
  freeaddrinfo(res);
  return true;
}

struct Entry {
  bool running = false;      // a worker is looking the name up
  bool known = false;        // an answer is kept (until `until`)
  bool ok = false;
  in_addr addr{};
  long long until = 0;
};

// Shared with the workers, which may outlive a change of hook: each worker
// holds the generation it was started in and drops its answer when the
// generation has moved on.
struct Cache {
  std::mutex mutex;
  std::map<std::string, Entry> entries;
  KyNameResolverHook hook;
  unsigned generation = 0;
};

std::shared_ptr<Cache>& TheCache() {
  static std::shared_ptr<Cache> cache = std::make_shared<Cache>();
  return cache;
}

constexpr size_t kMaxEntries = 64;

void StartWorker(const std::shared_ptr<Cache>& cache, const std::string& name, KyNameResolverHook hook,
                 unsigned generation) {
  std::thread([cache, name, hook = std::move(hook), generation] {
    in_addr addr{};
    bool ok = hook ? hook(name, addr) : SystemResolve(name, addr);
    std::lock_guard<std::mutex> lock(cache->mutex);
    if (cache->generation != generation) return;
    Entry& e = cache->entries[name];
    e.running = false;
    e.known = true;
    e.ok = ok;
    e.addr = addr;
    e.until = KySnmpNowMs() + (ok ? kKeepResolvedMs : kKeepFailedMs);
  }).detach();
}

// Letters, digits, '-', '_' and '.', and not only digits and dots (no
// top-level domain is numeric): anything else is no name worth asking about.
bool LooksLikeName(const std::string& text) {
  bool letter = false;
  for (unsigned char c : text) {
    if (std::isalpha(c) || c == '-' || c == '_') {
      letter = true;
    } else if (!std::isdigit(c) && c != '.') {
      return false;
    }
  }
  return letter;
}

}  // namespace

KyLookup KyLookupName(const std::string& text, in_addr& out) {
  out = in_addr{};
  if (text.empty() || text.size() > 253) return KyLookup::Failed;
  if (text.find_first_of(" \t\r\n") != std::string::npos || text.find('\0') != std::string::npos)
    return KyLookup::Failed;
  if (inet_pton(AF_INET, text.c_str(), &out) == 1) return KyLookup::Resolved;
  if (!LooksLikeName(text)) return KyLookup::Failed;

  std::shared_ptr<Cache> cache = TheCache();
  std::lock_guard<std::mutex> lock(cache->mutex);
  const long long now = KySnmpNowMs();
  auto it = cache->entries.find(text);
  if (it != cache->entries.end()) {
    Entry& e = it->second;
    if (e.known && e.until > now) {
      if (!e.ok) return KyLookup::Failed;
      out = e.addr;
      return KyLookup::Resolved;
    }
    if (e.running) return KyLookup::Pending;
  } else if (cache->entries.size() >= kMaxEntries) {
    // Drop the answers that have run out; names being looked up stay.
    for (auto i = cache->entries.begin(); i != cache->entries.end();)
      i = (!i->second.running && i->second.until <= now) ? cache->entries.erase(i) : std::next(i);
  }
  Entry& e = cache->entries[text];
  e.running = true;
  StartWorker(cache, text, cache->hook, cache->generation);
  return KyLookup::Pending;
}

void KyNameLookupGaveUp(const std::string& text) {
  std::shared_ptr<Cache> cache = TheCache();
  std::lock_guard<std::mutex> lock(cache->mutex);
  auto it = cache->entries.find(text);
  if (it == cache->entries.end() || !it->second.running) return;
  it->second.known = true;
  it->second.ok = false;
  it->second.until = KySnmpNowMs() + kKeepFailedMs;
}

void SetKyNameResolverHook(KyNameResolverHook hook) {
  std::shared_ptr<Cache> cache = TheCache();
  std::lock_guard<std::mutex> lock(cache->mutex);
  cache->hook = std::move(hook);
  cache->entries.clear();
  ++cache->generation;
}

void ForgetKyResolvedNames() {
  std::shared_ptr<Cache> cache = TheCache();
  std::lock_guard<std::mutex> lock(cache->mutex);
  cache->entries.clear();
  ++cache->generation;
}
