// The rules every binding of a dialog keeps, whatever its mode, against the
// simulator: a completed read sets the dialog's ready flag; a read or write
// asked for while the dialog is busy is refused and sends nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/SetJournal.h"
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

  size_t SetCount() const { return qrxtest::ReadSetJournal(session_.journalPath()).size(); }
  QString LastLine(const QPlainTextEdit& memo) const { return memo.toPlainText().split(QLatin1Char('\n')).last(); }

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
    if (c.statusTarget) {
      EXPECT_TRUE(probe.status->text().startsWith("Get: Ok")) << probe.status->text().toStdString();
    }
  }
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('\n').toStdString();
}

// A dialog with two bindings: the 802.1Q static VLAN table (walked, slow)
// and the network time group.
struct TwoBindings {
  TwoBindings() {
    memo = new QPlainTextEdit(&dialog);
    view = new QTreeWidget(&dialog);
    table = dialog.AddBinding(tbl::Dot1qVlanStatic, true, memo);
    table->AttachListView(view, false);
    scalars = dialog.AddBinding(tbl::NetworkTime, true, memo);
  }
  TSnmpDialog dialog;
  QPlainTextEdit* memo = nullptr;
  QTreeWidget* view = nullptr;
  KySNMPRequest2Edits* table = nullptr;
  KySNMPRequest2Edits* scalars = nullptr;
};

const std::vector<std::string> kCreateVlan3000 = {"3000", "ten", "createAndGo"};

TEST_F(BindingFlow, AReadOrWriteAskedForWhileTheDialogIsBusyIsRefused) {
  StartSim({"--fault-delay", "300", "--rows", "Dot1qVlanStatic=30"});
  struct Case {
    const char* name;
    std::function<bool(TwoBindings&)> ask;
  };
  const Case cases[] = {
      {"the walking binding reads again", [](TwoBindings& d) { return d.table->Refresh(); }},
      {"another binding reads", [](TwoBindings& d) { return d.scalars->Refresh(); }},
      {"a row is added on the walking binding",
       [](TwoBindings& d) { return d.table->Apply(true, false, "0,1,5", &kCreateVlan3000); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TwoBindings d;
    d.dialog.SetBusyText(QStringLiteral("Get data not complete"));
    ASSERT_TRUE(d.table->Refresh());
    QApplication::processEvents();  // the operator's click comes in a later turn
    ASSERT_TRUE(d.table->busy);
    boxes.texts.clear();
    const size_t sets = SetCount();
    EXPECT_FALSE(c.ask(d));
    EXPECT_EQ(boxes.texts, QStringList{"Get data not complete"});
    ASSERT_TRUE(WaitFor([&] { return !d.dialog.AnyBusy(); }));
    EXPECT_EQ(d.view->topLevelItemCount(), 30) << "the walk went on to its end";
    EXPECT_TRUE(LastLine(*d.memo).startsWith("Get: Ok")) << LastLine(*d.memo).toStdString();
    EXPECT_EQ(SetCount(), sets) << "nothing written";
  }
}

TEST_F(BindingFlow, WhatABusyDialogsOwnWorkAsksForGoesOn) {
  StartSim({"--fault-delay", "300", "--rows", "Dot1qVlanStatic=30"});
  {
    SCOPED_TRACE("two reads started by one handler");
    TwoBindings d;
    EXPECT_TRUE(d.table->Refresh());
    EXPECT_TRUE(d.scalars->Refresh());
    ASSERT_TRUE(WaitFor([&] { return !d.dialog.AnyBusy(); }));
    EXPECT_EQ(d.view->topLevelItemCount(), 30);
  }
  {
    SCOPED_TRACE("a read started by another read's completion");
    TwoBindings d;
    bool followed = false;
    d.scalars->getDone = [&](void*, KySNMPRequest2Controls*, const KySNMPError&) { followed = d.table->Refresh(); };
    d.scalars->Refresh();
    // Made busy anew in a later turn: the completion still may read.
    QApplication::processEvents();
    ASSERT_TRUE(WaitFor([&] { return !d.dialog.AnyBusy() && followed; }));
    EXPECT_EQ(d.view->topLevelItemCount(), 30);
  }
  {
    SCOPED_TRACE("a write and its re-read");
    TwoBindings d;
    const size_t sets = SetCount();
    EXPECT_TRUE(d.table->Apply(true, false, "0,1,5", &kCreateVlan3000));
    ASSERT_TRUE(WaitFor([&] { return !d.dialog.AnyBusy() && d.view->topLevelItemCount() == 31; }));
    EXPECT_EQ(SetCount(), sets + 1);
  }
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('\n').toStdString();
}

}  // namespace
