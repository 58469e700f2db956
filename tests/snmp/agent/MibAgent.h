// A fake agent serving a sorted table of variables, with knobs for the
// misbehaviours the engine has to survive.
#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <mutex>

#include "snmp/agent/FakeAgent.h"

namespace fake {

class MibAgent {
 public:
  std::map<Oid, Vb> mib;
  // GET-NEXT answers for particular request OIDs (overriding the MIB order).
  std::map<Oid, Vb> nextOverride;
  bool v1Style = false;     // noSuchName at the end instead of endOfMibView
  long setError = 0;        // error-status for every SET
  // SET: bindings under these names are answered noError with this
  // exception type (0x80, 0x81, 0x82) and not written.
  std::map<Oid, uint8_t> setException;
  // GET-NEXT and GET-BULK whose answer would be one of these names fail
  // with its error-status (an object that cannot be read).
  std::map<Oid, long> errorAt;
  int delayMs = 0;
  bool silent = false;
  size_t truncateTo = static_cast<size_t>(-1);  // at most this many bindings in a reply
  // GET-BULK: refused with this error-status (0: served), or not answered.
  long bulkError = 0;
  bool bulkSilent = false;
  // GET-BULK: tooBig when more than this many bindings would be sent.
  size_t bulkTooBigAbove = static_cast<size_t>(-1);
  // GET-BULK: only so many are answered, the later ones not.
  size_t bulkAnswers = static_cast<size_t>(-1);
  size_t bulkSeen = 0;
  // Every dropEvery-th datagram (of any kind) is not answered, as on a
  // lossy link (0: none).
  size_t dropEvery = 0;
  size_t datagramsSeen = 0;

  Agent::Handler Handler() {
    return [this](const Request& req) { return Answer(req); };
  }

  Response Answer(const Request& req) {
    std::lock_guard<std::mutex> lock(mu_);
    Response r;
    if (dropEvery != 0 && ++datagramsSeen % dropEvery == 0) {
      r.drop = true;
      return r;
    }
    r.drop = silent;
    r.delayMs = delayMs;
    if (req.pduType == 0xA5) return Bulk(req, r);
    size_t k = 0;
    for (const Vb& in : req.vbs) {
      ++k;
      if (req.pduType == 0xA3) {
        auto ex = std::find_if(setException.begin(), setException.end(), [&](const auto& e) {
          return in.oid.size() >= e.first.size() && std::equal(e.first.begin(), e.first.end(), in.oid.begin());
        });
        if (ex != setException.end()) {
          r.vbs.push_back(Vb{in.oid, ex->second, {}});
          continue;
        }
        if (setError == 0) mib[in.oid] = in;
        r.vbs.push_back(in);
        continue;
      }
      if (req.pduType == 0xA0) {
        auto it = mib.find(in.oid);
        if (it != mib.end()) {
          r.vbs.push_back(it->second);
        } else if (v1Style) {
          return NoSuchName(req, k);
        } else {
          r.vbs.push_back(Vb{in.oid, 0x81, {}});
        }
        continue;
      }
      std::optional<Vb> next = Next(in.oid);
      if (next && errorAt.count(next->oid)) return Error(req, errorAt[next->oid], k);
      if (next) {
        r.vbs.push_back(*next);
      } else if (v1Style) {
        return NoSuchName(req, k);
      } else {
        r.vbs.push_back(EndOfMib(in.oid));
      }
    }
    if (req.pduType == 0xA3 && setError != 0) {
      r.errorStatus = setError;
      r.errorIndex = 1;
    }
    if (r.vbs.size() > truncateTo) r.vbs.resize(truncateTo);
    return r;
  }

 private:
  // The GET-NEXT answer for a name (none at the end of the MIB).
  std::optional<Vb> Next(const Oid& oid) {
    auto ov = nextOverride.find(oid);
    if (ov != nextOverride.end()) return ov->second;
    auto it = mib.upper_bound(oid);
    if (it != mib.end()) return it->second;
    return std::nullopt;
  }

  // GET-BULK with non-repeaters 0: max-repetitions rounds of GET-NEXT over
  // every binding, each from the previous round's answer.
  Response Bulk(const Request& req, Response& r) {
    if (bulkSilent || bulkSeen++ >= bulkAnswers) r.drop = true;
    if (bulkError != 0) {
      r.errorStatus = bulkError;
      r.errorIndex = 0;
      r.vbs = req.vbs;
      return r;
    }
    const size_t n = req.vbs.size();
    const size_t reps = static_cast<size_t>(std::max(0L, req.maxRepetitions));
    if (n * reps > bulkTooBigAbove) {
      r.errorStatus = 1;
      return r;
    }
    std::vector<Oid> at;
    std::vector<bool> ended(n, false);
    for (const Vb& in : req.vbs) at.push_back(in.oid);
    for (size_t rep = 0; rep < reps; ++rep) {
      for (size_t k = 0; k < n; ++k) {
        if (ended[k]) {
          r.vbs.push_back(EndOfMib(at[k]));
          continue;
        }
        std::optional<Vb> next = Next(at[k]);
        if (!next) {
          ended[k] = true;
          r.vbs.push_back(EndOfMib(at[k]));
          continue;
        }
        if (errorAt.count(next->oid)) return Error(req, errorAt[next->oid], k + 1);
        r.vbs.push_back(*next);
        at[k] = next->oid;
      }
    }
    if (r.vbs.size() > truncateTo) r.vbs.resize(truncateTo);
    return r;
  }

  Response NoSuchName(const Request& req, size_t index) { return Error(req, 2, index); }

  Response Error(const Request& req, long status, size_t index) {
    Response r;
    r.delayMs = delayMs;
    r.errorStatus = status;
    r.errorIndex = static_cast<long>(index);
    r.vbs = req.vbs;  // an SNMPv1 agent returns the request's bindings
    return r;
  }
  std::mutex mu_;
};

}  // namespace fake
