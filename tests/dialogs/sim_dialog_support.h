// Shared by the dialog tests that run against the simulator: one simulator
// with a SET journal per test, the pump on Qt's loop, waiting, the message
// boxes and beeps a dialog shows, and the journal's records.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

#include "common/QtTestApp.h"
#include "common/RequestJournal.h"
#include "common/SimSession.h"
#include "editors/PortGrid.h"
#include "editors/QtSnmpPump.h"
#include "editors/SnmpDialog.h"
#include "editors/UiSupport.h"

namespace qrxtest {

inline bool WaitFor(const std::function<bool()>& done, int ms = 15000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

class DialogSimTest : public ::testing::Test {
 protected:
  // Switches for the simulator of every test of the fixture.
  virtual std::vector<std::string> SimSwitches() const { return {}; }

  void SetUp() override {
    TestApp();
    ASSERT_TRUE(session_.Start(true, SimSwitches(), &InstallQtSnmpPump)) << session_.error();
    SetMessageBoxHook([this](QWidget*, const QString& text, const QString&, QMessageBox::StandardButtons) {
      messages.push_back(text.toStdString());
      return answer;
    });
    SetBeepHook([this] { ++beeps; });
  }
  void TearDown() override {
    SetMessageBoxHook({});
    SetBeepHook({});
    session_.Stop();
  }

  // Shows the dialog and waits until its first read has finished.
  void Open(SnmpDialog& dialog) {
    dialog.show();
    ASSERT_TRUE(WaitFor([&] { return dialog.FirstRefreshDone() && !dialog.AnyBusy(); }));
  }
  bool Idle(SnmpDialog& dialog) {
    return WaitFor([&] { return !dialog.AnyBusy(); });
  }
  std::vector<JournalRecord> Journal() const { return ReadSetJournal(session_.journalPath()); }
  // The records written from now on.
  void MarkJournal() { mark_ = Journal().size(); }
  std::vector<JournalRecord> NewRecords() const {
    auto all = Journal();
    return std::vector<JournalRecord>(all.begin() + static_cast<long>(std::min(mark_, all.size())), all.end());
  }
  std::string LastMessage() const { return messages.empty() ? std::string() : messages.back(); }

  static void Select(QTreeWidget* view, int row) {
    view->clearSelection();
    if (row >= 0) view->topLevelItem(row)->setSelected(true);
  }
  static void Check(PortGrid* grid, std::initializer_list<int> ports, bool on = true) {
    for (int p : ports) grid->CheckBox(p - 1)->setChecked(on);
  }
  static std::vector<int> Checked(PortGrid* grid) {
    std::vector<int> ports;
    for (int k = 0; k < PortGrid::kBoxesPerUnit; ++k)
      if (grid->CheckBox(k)->isChecked()) ports.push_back(k + 1);
    return ports;
  }

  SimSession session_;
  std::vector<std::string> messages;
  QMessageBox::StandardButton answer = QMessageBox::Ok;
  int beeps = 0;
  size_t mark_ = 0;
};

}  // namespace qrxtest
