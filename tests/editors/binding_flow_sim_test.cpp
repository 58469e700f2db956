// The rules every binding of a dialog keeps, whatever its mode, against the
// simulator: a completed read sets the dialog's ready flag; a read or write
// asked for while the dialog is busy is refused and sends nothing; a
// synchronous exchange lets the event loop run while it waits, and a dialog
// closed meanwhile goes only once the waiting handler has returned; a failed
// write's error stays over the re-read that follows it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "common/RequestJournal.h"
#include "common/SimSession.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
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

// The longest pause between the ticks of a 10 ms timer while `work` runs.
qint64 LongestTickGap(const std::function<void()>& work) {
  QElapsedTimer clock;
  clock.start();
  qint64 last = 0, longest = 0;
  QTimer ticks;
  QObject::connect(&ticks, &QTimer::timeout, [&] {
    const qint64 now = clock.elapsed();
    longest = std::max(longest, now - last);
    last = now;
  });
  ticks.start(10);
  work();
  longest = std::max(longest, clock.elapsed() - last);
  return longest;
}

// A window that could not draw for this long while an exchange of 700 ms
// ran was held by it; one that keeps running pauses for a few ms.
constexpr qint64 kHeldLoopMs = 300;

// A dialog with one binding of the network time group, its ready flag tracked.
struct ReadyProbe {
  ReadyProbe(bool asynchronous, bool statusTarget) {
    status = new QLabel(&dialog);
    binding = dialog.AddBinding(tbl::NetworkTime, asynchronous, statusTarget ? status : nullptr);
    dialog.TrackReady(binding, [this] { ++readyCalls; });
  }
  SnmpDialog dialog;
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
  SnmpDialog dialog;
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

// Synchronous reads and writes keep the order of a blocking call (the
// caller's next statement sees the answer) while the window goes on
// drawing: the longest pause of the event loop stays far below the 700 ms
// the simulator takes to answer.
TEST_F(BindingFlow, SynchronousExchangesLetTheEventLoopRun) {
  StartSim({"--fault-delay", "700", "--rows", "Dot1qVlanStatic=30"});
  struct Case {
    const char* name;
    const KyVarDefTable* table;
    bool write;
  };
  for (const Case& c : {Case{"scalar read", &tbl::NetworkTime, false}, Case{"table walk", &tbl::Dot1qVlanStatic, false},
                        Case{"write and re-read", &tbl::Dot1qVlanStatic, true}}) {
    SCOPED_TRACE(c.name);
    SnmpDialog dialog;
    auto* memo = new QPlainTextEdit(&dialog);
    auto* view = new QTreeWidget(&dialog);
    KySNMPRequest2Edits* b = dialog.AddBinding(*c.table, false, memo);
    if (c.table == &tbl::Dot1qVlanStatic) b->AttachListView(view, false);
    dialog.show();
    const size_t sets = SetCount();
    bool answered = false;
    const qint64 gap = LongestTickGap([&] {
      if (c.write) b->Apply(true, false, "0,1,5", &kCreateVlan3000);
      else b->Refresh();
      // The caller goes on only once the exchange is over.
      answered = !b->busy && LastLine(*memo).startsWith("Get: Ok");
    });
    std::cout << "[ gap ] synchronous " << c.name << ": longest pause of the event loop " << gap << " ms\n";
    EXPECT_TRUE(answered) << LastLine(*memo).toStdString();
    EXPECT_LT(gap, kHeldLoopMs);
    if (c.table == &tbl::Dot1qVlanStatic) {
      EXPECT_EQ(view->topLevelItemCount(), c.write ? 31 : 30);
    }
    if (c.write) {
      EXPECT_EQ(SetCount(), sets + 1);
    }
  }
  EXPECT_TRUE(boxes.texts.isEmpty()) << boxes.texts.join('\n').toStdString();
}

// The operator closes a dialog (which deletes itself on close) while one of
// its handlers waits for a synchronous read: the read is stopped, the
// handler goes on with the dialog still there, and the dialog goes after.
TEST_F(BindingFlow, ADialogClosedWhileAHandlerWaitsGoesAfterTheHandler) {
  StartSim({"--fault-delay", "700", "--rows", "Dot1qVlanStatic=30"});
  QPointer<SnmpDialog> dialog = new SnmpDialog;
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  auto* view = new QTreeWidget(dialog);
  auto* button = new QPushButton(QStringLiteral("Refresh"), dialog);
  KySNMPRequest2Edits* b = dialog->AddBinding(tbl::Dot1qVlanStatic, false, nullptr);
  b->AttachListView(view, false);
  bool handlerEnded = false, dialogThereAfterWait = false;
  QObject::connect(button, &QPushButton::clicked, dialog, [&, d = dialog.data()] {
    d->Binding(0)->Refresh();
    // The dialog's own members, after the wait.
    dialogThereAfterWait = dialog != nullptr && d->Closed() && !d->Binding(0)->busy;
    d->setWindowTitle(QStringLiteral("still here"));
    handlerEnded = true;
  });
  dialog->show();
  QTimer::singleShot(100, dialog, [&] { dialog->close(); });
  button->click();
  EXPECT_TRUE(handlerEnded);
  EXPECT_TRUE(dialogThereAfterWait);
  ASSERT_TRUE(WaitFor([&] { return dialog.isNull(); })) << "the dialog went once the handler had returned";
}

TEST_F(BindingFlow, AFailedWritesErrorStaysOverTheReReadThatFollows) {
  StartSim({"--rows", "Dot1qVlanStatic=3"});
  // createAndGo for a VLAN that exists: the agent refuses it.
  const std::vector<std::string> createVlan1 = {"1", "createAndGo"};
  for (const bool async : {true, false}) {
    SCOPED_TRACE(async ? "asynchronous" : "synchronous");
    SnmpDialog dialog;
    auto* memo = new QPlainTextEdit(&dialog);
    auto* view = new QTreeWidget(&dialog);
    KySNMPRequest2Edits* b = dialog.AddBinding(tbl::Dot1qVlanStatic, async, memo);
    b->AttachListView(view, false);
    // The dialog reads the table again once the write's outcome is known.
    b->setDone = [&](void*, KySNMPRequest2Controls*, const KySNMPError&) { b->Refresh(); };
    try {
      b->Apply(false, false, "0,5", &createVlan1);
      ASSERT_TRUE(WaitFor([&] { return !dialog.AnyBusy(); }));
    } catch (const std::exception& e) {
      EXPECT_FALSE(async);
      b->ShowStatus(ErrorText(e));
      b->Refresh();
    }
    ASSERT_TRUE(WaitFor([&] { return !dialog.AnyBusy() && view->topLevelItemCount() == 3; }));
    EXPECT_TRUE(LastLine(*memo).startsWith("Set: ")) << memo->toPlainText().toStdString();
    EXPECT_FALSE(LastLine(*memo).startsWith("Set: Ok")) << memo->toPlainText().toStdString();
    // A read the operator asks for later says how it went.
    QApplication::processEvents();
    b->Refresh();
    ASSERT_TRUE(WaitFor([&] { return !dialog.AnyBusy(); }));
    EXPECT_TRUE(LastLine(*memo).startsWith("Get: Ok")) << memo->toPlainText().toStdString();
  }
}

}  // namespace
