// The rules every binding of a dialog keeps, whatever its mode, against the
// simulator: a completed read sets the dialog's ready flag.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/SimSession.h"
#include "editors/ControlBinding.h"
#include "editors/QtSnmpPump.h"
#include "editors/SnmpDialog.h"
#include "editors_test_support.h"
#include "tables/DefTables.h"

namespace {

bool WaitFor(const std::function<bool()>& done, int ms = 15000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

// A simulator started with the switches of the test.
class BindingFlow : public ::testing::Test {
 protected:
  void StartSim(const std::vector<std::string>& switches = {}) {
    TestApp();
    ASSERT_TRUE(session_.Start(true, switches, &InstallQtSnmpPump)) << session_.error();
  }
  void TearDown() override { session_.Stop(); }

  qrxtest::SimSession session_;
  BoxRecorder boxes;
};

// A dialog with one binding of the network time group, its ready flag tracked.
struct ReadyProbe {
  ReadyProbe(bool asynchronous, bool statusTarget) {
    status = new QLabel(&dialog);
    binding = dialog.AddBinding(tbl::NetworkTime, asynchronous, statusTarget ? status : nullptr);
    dialog.TrackReady(binding, [this] { ++readyCalls; });
  }
  TSnmpDialog dialog;
  QLabel* status = nullptr;
  KySNMPRequest2Edits* binding = nullptr;
  int readyCalls = 0;
};

TEST_F(BindingFlow, EveryCompletedReadSetsTheReadyFlag) {
  StartSim();
  struct Case {
    const char* name;
    bool asynchronous;
    bool statusTarget;
  };
  for (const Case& c : {Case{"asynchronous, status line", true, true}, Case{"asynchronous, no status line", true, false},
                        Case{"synchronous, status line", false, true}, Case{"synchronous, no status line", false, false}}) {
    SCOPED_TRACE(c.name);
    ReadyProbe probe(c.asynchronous, c.statusTarget);
    EXPECT_FALSE(probe.dialog.Ready());
    probe.binding->Refresh();
    ASSERT_TRUE(WaitFor([&] { return !probe.binding->busy; }));
    EXPECT_TRUE(probe.dialog.Ready());
    EXPECT_EQ(probe.readyCalls, 1);
    if (c.statusTarget) EXPECT_TRUE(probe.status->text().startsWith("Get: Ok")) << probe.status->text().toStdString();
  }
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('\n').toStdString();
}

}  // namespace
