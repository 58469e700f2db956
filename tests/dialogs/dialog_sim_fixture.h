// A fixture for dedicated dialogs against the simulator: one simulator with
// its SET journal per test executable, the SNMP pump on Qt's loop, message
// boxes answered by the test (each text recorded), and the SETs sent since
// the test began.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QStringList>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "common/QtTestApp.h"
#include "common/SetJournal.h"
#include "common/SimSession.h"
#include "editors/QtSnmpPump.h"
#include "editors/UiSupport.h"

namespace qrxtest {

inline bool WaitUntil(const std::function<bool()>& done, int ms = 15000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

// The journal's form of an octet string: upper-case hex pairs with blanks.
inline std::string JournalOctets(const std::string& bytes) {
  static const char* const kDigits = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : bytes) {
    if (!out.empty()) out += ' ';
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

class DialogSimTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TestApp();
    session_ = new SimSession;
    started_ = session_->Start(/*journal=*/true, {}, &InstallQtSnmpPump);
  }
  static void TearDownTestSuite() {
    delete session_;
    session_ = nullptr;
  }
  void SetUp() override {
    if (!started_) GTEST_SKIP() << "simulator did not start: " << session_->error();
    mark_ = ReadSetJournal(session_->journalPath()).size();
    SetMessageBoxHook([this](QWidget*, const QString& text, const QString&, QMessageBox::StandardButtons buttons) {
      messages.push_back(text);
      if (!answers.empty()) {
        auto a = answers.front();
        answers.pop_front();
        return a;
      }
      return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
    });
  }
  void TearDown() override { SetMessageBoxHook({}); }

  // The SETs received since the test began (or since the last Mark()).
  std::vector<JournalRecord> NewSets() const {
    auto all = ReadSetJournal(session_->journalPath());
    return std::vector<JournalRecord>(all.begin() + static_cast<long>(std::min(mark_, all.size())), all.end());
  }
  void Mark() { mark_ = ReadSetJournal(session_->journalPath()).size(); }
  // The varbinds of the new SETs as "oid=value" lines, in order.
  std::vector<std::string> NewVarbinds() const {
    std::vector<std::string> out;
    for (const auto& r : NewSets())
      for (const auto& vb : r.varbinds) out.push_back(vb.oid + "=" + vb.value);
    return out;
  }
  static SimSession& Session() { return *session_; }

  QStringList messages;
  std::deque<QMessageBox::StandardButton> answers;

 private:
  static inline SimSession* session_ = nullptr;
  static inline bool started_ = false;
  size_t mark_ = 0;
};

}  // namespace qrxtest
