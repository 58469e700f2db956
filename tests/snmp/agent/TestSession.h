// The process-wide session for tests: created once, with the engine-boots
// file in a private temporary folder.
#pragma once

#include <cstdlib>
#include <string>

#include "snmp/Session.h"
#include "snmp/SnmpPump.h"

namespace testsession {

inline const std::string& Folder() {
  static std::string dir = [] {
    char tmpl[] = "/tmp/qrx-snmp-test-XXXXXX";
    const char* d = mkdtemp(tmpl);
    return std::string(d ? d : "/tmp");
  }();
  return dir;
}

inline void Ensure() {
  static bool done = false;
  if (done) return;
  done = true;
  InitGlobalSession(Folder());
}

// Lets the pump run until done() or maxMs.
template <typename Done>
void Pump(Done done, int maxMs = 5000) {
  GlobalEventPump.RunUntil(done, maxMs);
}

}  // namespace testsession
