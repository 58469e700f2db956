// A fake agent serving a sorted table of variables, with knobs for the
// misbehaviours the engine has to survive.
#pragma once

#include <map>
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
  int delayMs = 0;
  bool silent = false;
  size_t truncateTo = static_cast<size_t>(-1);  // at most this many bindings in a reply

  Agent::Handler Handler() {
    return [this](const Request& req) { return Answer(req); };
  }

  Response Answer(const Request& req) {
    std::lock_guard<std::mutex> lock(mu_);
    Response r;
    r.drop = silent;
    r.delayMs = delayMs;
    size_t k = 0;
    for (const Vb& in : req.vbs) {
      ++k;
      if (req.pduType == 0xA3) {
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
      auto ov = nextOverride.find(in.oid);
      if (ov != nextOverride.end()) {
        r.vbs.push_back(ov->second);
        continue;
      }
      auto it = mib.upper_bound(in.oid);
      if (it != mib.end()) {
        r.vbs.push_back(it->second);
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
  Response NoSuchName(const Request& req, size_t index) {
    Response r;
    r.delayMs = delayMs;
    r.errorStatus = 2;
    r.errorIndex = static_cast<long>(index);
    r.vbs = req.vbs;  // an SNMPv1 agent returns the request's bindings
    return r;
  }
  std::mutex mu_;
};

}  // namespace fake
