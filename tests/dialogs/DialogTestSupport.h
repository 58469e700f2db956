// What the tests of the dedicated dialogs share: the Qt application, one
// simulator with its SET journal and the program's session for the whole
// executable, a dialog context with a stand-in main window, a message-box
// answer hook, and a driver for nested modal windows.
//
// A test file of one menu area:
//
//   class NetworkTime : public DialogTest {};
//   TEST_F(NetworkTime, ...) {
//     auto dialog = Open<NetworkTimeDialog>();       // shown, first read done
//     const size_t mark = JournalSize();
//     dialog->Button_SetCheckedClick();
//     auto sets = JournalSince(mark);              // the SETs it sent
//   }
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "common/FakeMainWindow.h"
#include "common/QtTestApp.h"
#include "common/RequestJournal.h"
#include "common/SimSession.h"
#include "editors/DialogContext.h"
#include "editors/QtSnmpPump.h"
#include "editors/SnmpDialog.h"
#include "editors/UiSupport.h"

namespace qrxtest {

// Lets the GUI loop (and with it the SNMP pump) run until `done` or the limit.
inline bool WaitFor(const std::function<bool()>& done, int limitMs = 15000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > limitMs) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

// Answers every message box for the operator and records its text. Answers
// queued with Queue() are used first, in order; after them a box with Yes
// gets `yesNo`, one with Cancel gets `okCancel`, any other OK.
class BoxAnswers {
 public:
  BoxAnswers() {
    SetMessageBoxHook([this](QWidget*, const QString& text, const QString&, QMessageBox::StandardButtons buttons) {
      texts << text;
      if (!queued_.empty()) {
        const auto a = queued_.front();
        queued_.pop_front();
        return a;
      }
      if (buttons & QMessageBox::Yes) return yesNo;
      if (buttons & QMessageBox::Cancel) return okCancel;
      return QMessageBox::Ok;
    });
    SetBeepHook([this] { ++beeps; });
  }
  ~BoxAnswers() {
    SetMessageBoxHook({});
    SetBeepHook({});
  }
  void Queue(QMessageBox::StandardButton answer) { queued_.push_back(answer); }

  QStringList texts;
  int beeps = 0;
  QMessageBox::StandardButton yesNo = QMessageBox::Yes;
  QMessageBox::StandardButton okCancel = QMessageBox::Ok;

 private:
  std::deque<QMessageBox::StandardButton> queued_;
};

// Runs `action` on the next modal window that opens other than `skip` (a
// window shown with exec from inside a handler): polls every 10 ms, gives up
// after `limitMs` so that a test never hangs on a window that does not come.
inline void OnNextModal(std::function<void(QWidget*)> action, QWidget* skip = nullptr, int limitMs = 10000) {
  auto* timer = new QTimer;
  auto left = std::make_shared<int>(limitMs / 10);
  QPointer<QWidget> skipped(skip);
  QObject::connect(timer, &QTimer::timeout, [timer, action, left, skipped] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != skipped.data() && modal->isVisible()) {
      timer->stop();
      timer->deleteLater();
      action(modal);
      return;
    }
    if (--*left <= 0) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start(10);
}

// The fixture: one simulator with its journal for the whole executable.
class DialogTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TestApp();
    if (session_ == nullptr) {
      // Made once, stopped at the program's exit (the simulator is a child
      // process: it would outlive the test otherwise).
      static SimSession session;
      session_ = &session;
      started_ = session_->Start(true, {}, &InstallQtSnmpPump);
    }
  }
  void SetUp() override {
    ASSERT_TRUE(started_) << "the simulator did not start: " << session_->error();
    UseSimCommunities(session_->sim().host(), session_->sim().port());
    GlobalTimeout = 200;
    GlobalRetries = 1;
  }
  void TearDown() override { SetMessageBoxHook({}); }

  // The context a menu command gives a dialog.
  DialogContext Context() { return DialogContext{nullptr, QStringLiteral("qrx-sim"), &mainWindow_}; }

  // A dialog of class T made from the context (or from its owner, for a
  // dialog that needs nothing else), shown (without a modal loop, so that
  // the test can drive it) and left to finish its first read.
  template <class T>
  std::unique_ptr<T> Open() {
    std::unique_ptr<T> dialog;
    if constexpr (std::is_constructible_v<T, const DialogContext&>)
      dialog = std::make_unique<T>(Context());
    else
      dialog = std::make_unique<T>(Context().owner);
    dialog->show();
    EXPECT_TRUE(WaitFor([&] { return dialog->FirstRefreshDone() && !dialog->AnyBusy(); }))
        << "first read did not finish";
    return dialog;
  }

  // Lets the dialog's running requests finish.
  static bool Settle(const SnmpDialog& dialog, int limitMs = 15000) {
    return WaitFor([&] { return !dialog.AnyBusy(); }, limitMs);
  }

  // The SET journal: every record so far, the count, those after a mark.
  static std::vector<JournalRecord> Journal() { return ReadSetJournal(session_->journalPath()); }
  static size_t JournalSize() { return Journal().size(); }
  static std::vector<JournalRecord> JournalSince(size_t mark) {
    auto all = Journal();
    if (mark >= all.size()) return {};
    return std::vector<JournalRecord>(all.begin() + static_cast<std::ptrdiff_t>(mark), all.end());
  }

  // net-snmp's tools against the simulator: the value of one instance
  // (-Oqv), and a SET with (oid, type letter, value) triples.
  static std::string SnmpGet(const std::string& oid) {
    auto r = RunCommand({"snmpget", "-v2c", "-c", SimProcess::kReadCommunity, "-Oqv", session_->sim().address(), oid});
    std::string out = r.out;
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    if (out.size() >= 2 && out.front() == '"' && out.back() == '"') out = out.substr(1, out.size() - 2);
    return out;
  }
  static bool SnmpSet(const std::vector<std::string>& triples) {
    std::vector<std::string> args{"snmpset", "-v2c", "-c", SimProcess::kWriteCommunity, session_->sim().address()};
    args.insert(args.end(), triples.begin(), triples.end());
    return RunCommand(args).exitCode == 0;
  }

  BoxAnswers boxes;
  FakeMainWindow mainWindow_;

  static inline SimSession* session_ = nullptr;
  static inline bool started_ = false;
};

// The varbinds of a journal record as "oid TYPE value" lines.
inline std::vector<std::string> Lines(const JournalRecord& record) {
  std::vector<std::string> lines;
  for (const auto& vb : record.varbinds) lines.push_back(vb.oid + " " + vb.type + (vb.value.empty() ? "" : " " + vb.value));
  return lines;
}

}  // namespace qrxtest
