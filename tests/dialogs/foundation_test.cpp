// What the dedicated dialogs share: the column exclusion guard, the field
// checks, the standard port grid and the global port numbers, the progress
// windows, the dialog base against the simulator, and the registration of
// the dialogs with the menu.
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <stdexcept>

#include "DialogTestSupport.h"
#include "dialogs/common/ProgressDialog.h"
#include "dialogs/common/StpVersionProgressDialog.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/PortGrid.h"
#include "tables/DefTables.h"

namespace {

using qrxtest::DialogTest;
using qrxtest::WaitFor;

// ---------------------------------------------------------------------------
// Column exclusion.

std::vector<int32_t> Accesses(const KySNMPVarList& list) {
  std::vector<int32_t> a;
  for (int i = 0; i < list.Count(); ++i) a.push_back(list.Item(i).access);
  return a;
}

TEST(ColumnExclusion, ExcludesWhileAliveAndRestoresOnEveryExit) {
  KySNMPVarList list(tbl::Dot1qVlanStatic);
  const auto original = Accesses(list);

  // A normal write: the chosen columns carry only the exclusion bit.
  {
    KyColumnExclusion guard(list);
    guard.Exclude({2, 3});
    EXPECT_EQ(list.Item(2).access, Access::Excluded);
    EXPECT_TRUE(list.IsExcluded(3));
    EXPECT_FALSE(list.IsExcluded(1));
    guard.Include(3);  // re-included for this write
    EXPECT_EQ(list.Item(3).access, original[3]);
  }
  EXPECT_EQ(Accesses(list), original);

  // A validation message that stops half way: an early return.
  auto validate = [&list]() {
    KyColumnExclusion guard(list);
    guard.ExcludeAllBut({0, 5});
    return false;
  };
  EXPECT_FALSE(validate());
  EXPECT_EQ(Accesses(list), original);

  // An exception on the way out.
  try {
    KyColumnExclusion guard(list);
    guard.ExcludeAllBut({5});
    EXPECT_TRUE(list.IsExcluded(0));
    throw std::runtime_error("write failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(Accesses(list), original);
}

// ---------------------------------------------------------------------------
// Field checks.

TEST(FieldChecks, Ipv4Text) {
  qrxtest::TestApp();
  struct Case {
    const char* text;
    bool ok;
  } cases[] = {
      {"192.168.1.1", true},   {"10.0.0.0", true},      {"01.2.3.4", true},      {"255.255.255.255", true},
      {"0.0.0.0", true},       {"", false},             {"10.1.1", false},       {"192.168.1", false},
      {"1.2.3.256", false},    {"1.2.3.00", false},     {".1.2.3", false},       {"1.2.3.4a", false},
      {"1..2.3", false},       {"1.2.3.", false},       {"1.2.3.4.5", false},    {"1.2.3.0001", false},
      {"1.2.3.000", false},    {"1 .2.3.4", false},     {"255.255.255.2551", false},  // longer than any address
  };
  for (const Case& c : cases) EXPECT_EQ(IsIpv4Text(c.text), c.ok) << c.text;

  qrxtest::BoxAnswers boxes;
  EXPECT_FALSE(CheckIpv4Text(nullptr, "10.1.1"));
  EXPECT_TRUE(CheckIpv4Text(nullptr, "10.1.1.1"));
  EXPECT_FALSE(CheckIpv4Text(nullptr, "x", "Invalid IP Address"));
  EXPECT_EQ(boxes.texts, (QStringList{"Please input a valid ip", "Invalid IP Address"}));
}

TEST(FieldChecks, HexField) {
  qrxtest::TestApp();
  qrxtest::BoxAnswers boxes;
  EXPECT_TRUE(CheckHexField(nullptr, "00aaBBccDD99", 12, "Invalid MAC Address"));
  EXPECT_FALSE(CheckHexField(nullptr, "00:aa:bb:cc:dd:ee", 12, "Invalid MAC Address"));
  EXPECT_FALSE(CheckHexField(nullptr, "00aabbccdd9", 12, "Invalid MAC Address"));
  EXPECT_FALSE(CheckHexField(nullptr, "00aabbccdd9G", 12, "Invalid MAC Address"));
  EXPECT_FALSE(CheckHexField(nullptr, "12345", 4, "Invalid Mask!"));
  EXPECT_TRUE(IsHexField("", 0));
  EXPECT_EQ(boxes.texts, (QStringList{"Invalid MAC Address", "Invalid MAC Address", "Invalid MAC Address",
                                      "Invalid Mask!"}));
}

// ---------------------------------------------------------------------------
// Port grid and global ports.

TEST(PortGrid, StandardGridShows52PortsAndBindsBitsMostSignificantFirst) {
  qrxtest::TestApp();
  QWidget host;
  PortGrid* grid = AddStandardPortGrid(&host);
  host.resize(600, 300);
  host.show();
  ASSERT_EQ(grid->CheckBoxes().size(), 64);
  for (int k = 0; k < 64; ++k) EXPECT_EQ(grid->CheckBox(k)->isVisible(), k < 52) << k;
  EXPECT_EQ(grid->UnitPageControl->tabText(0), "Unit1 QRX-900");
  // 12 per row: box 13 starts the second row under box 1.
  EXPECT_EQ(grid->CheckBox(12)->x(), grid->CheckBox(0)->x());
  EXPECT_GT(grid->CheckBox(12)->y(), grid->CheckBox(0)->y());

  KySNMPRequest2Edits binding(&host);
  binding.request.varList = KySNMPVarList(tbl::Dot1qVlanStatic);
  BindPortList(binding, 2, *grid);
  grid->CheckBox(0)->setChecked(true);  // port 1
  grid->CheckBox(8)->setChecked(true);  // port 9
  grid->CheckBox(63)->setChecked(true); // hidden, bound all the same
  binding.ReadControls(2);
  const std::string value = binding.request.varList.Item(2).value;
  EXPECT_EQ(value, "8080000000000001");

  // Back: a value fills the boxes.
  binding.request.varList.Item(2).value = "4000000000000000";
  binding.FillControls(2);
  EXPECT_TRUE(grid->CheckBox(1)->isChecked());
  EXPECT_FALSE(grid->CheckBox(0)->isChecked());
  EXPECT_FALSE(grid->CheckBox(8)->isChecked());
  grid->CheckBox(5)->setChecked(true);
  grid->ClearAll();
  EXPECT_FALSE(grid->CheckBox(5)->isChecked());
}

TEST(PortGrid, GlobalPortSplitAndJoin) {
  struct Case {
    int global, unit, port;
  } cases[] = {{65, 2, 1}, {64, 1, 64}, {0, 0, 0}, {1, 1, 1}, {52, 1, 52}, {128, 2, 64}, {129, 3, 1}};
  for (const Case& c : cases) {
    EXPECT_EQ(SplitGlobalPort(c.global), (UnitPort{c.unit, c.port})) << c.global;
    if (c.global > 0) {
      EXPECT_EQ(JoinGlobalPort(c.unit, c.port), c.global) << c.global;
    }
  }
}

// ---------------------------------------------------------------------------
// Progress windows.

TEST(ProgressWindows, CloseOnTheirThirtyFirstTickAndNeverFillTheBar) {
  qrxtest::TestApp();
  ProgressDialog::SetTickInterval(0);  // only the test's ticks
  for (int which = 0; which < 2; ++which) {
    std::unique_ptr<ProgressDialog> form;
    if (which == 0)
      form = std::make_unique<ProgressDialog>();
    else
      form = std::make_unique<StpVersionProgressDialog>();
    EXPECT_EQ(form->windowTitle(), "Progress");
    EXPECT_EQ(form->progressBar->maximum(), 76);
    EXPECT_FALSE(form->timer->isActive());
    form->promptLabel->setText("Send the mail is doing...");
    int ticks = 0;
    bool closedEarly = false;
    QTimer::singleShot(0, form.get(), [&] {
      while (form->isVisible() && ticks < 100) {
        form->tick();
        ++ticks;
        if (form->isVisible() && form->progressBar->value() >= 76) closedEarly = true;
      }
    });
    form->exec();
    EXPECT_EQ(ticks, 31) << which;
    EXPECT_EQ(form->progressBar->value(), 30);
    EXPECT_FALSE(closedEarly);
  }
  ProgressDialog::SetTickInterval(1000);
  ProgressDialog timed;
  EXPECT_TRUE(timed.timer->isActive());
  EXPECT_EQ(timed.timer->interval(), 1000);
}

// ---------------------------------------------------------------------------
// The dialog base against the simulator: a small table dialog on the 802.1Q
// static VLAN table.

class VlanProbe : public SnmpDialog {
 public:
  explicit VlanProbe(const DialogContext& context) : SnmpDialog(context.owner) {
    auto* layout = new QVBoxLayout(this);
    view = new QTreeWidget(this);
    name = new QLineEdit(this);
    status = new QStatusBar(this);
    layout->addWidget(view);
    layout->addWidget(name);
    counter = AddSamplesCounter(this, view);
    layout->addWidget(counter);
    layout->addWidget(status);
    binding = AddBinding(tbl::Dot1qVlanStatic, true, status);
    binding->AttachListView(view, true);
    binding->AssociateEdits(1, "%s", name);
    TrackReady(binding, [this] { ++readsDone; });
  }
  void FirstRefresh() override {
    ++firstRefreshes;
    binding->Refresh();
  }
  KySNMPRequest2Edits* binding;
  QTreeWidget* view;
  QLineEdit* name;
  QStatusBar* status;
  QLabel* counter;
  int firstRefreshes = 0;
  int readsDone = 0;
};

class DialogBase : public DialogTest {};

TEST_F(DialogBase, FirstReadDeferredReadyFlagCounterAndBusyGuard) {
  VlanProbe dialog(Context());
  EXPECT_EQ(dialog.firstRefreshes, 0) << "nothing is read before the dialog is shown";
  EXPECT_FALSE(dialog.Ready());
  dialog.show();
  ASSERT_TRUE(WaitFor([&] { return dialog.FirstRefreshDone() && !dialog.AnyBusy(); }));
  EXPECT_EQ(dialog.firstRefreshes, 1);
  EXPECT_TRUE(dialog.Ready());
  EXPECT_EQ(dialog.readsDone, 1);
  EXPECT_GT(dialog.view->topLevelItemCount(), 0);
  EXPECT_EQ(dialog.counter->text(), QString::number(dialog.view->topLevelItemCount()));
  dialog.view->clear();
  EXPECT_EQ(dialog.counter->text(), "0") << "the counter follows every change of the list";

  // While a read runs the guard refuses with its message.
  dialog.binding->Refresh();
  ASSERT_TRUE(dialog.binding->busy);
  EXPECT_TRUE(dialog.RefuseWhileBusy(dialog.binding, kRefreshNotComplete));
  EXPECT_EQ(boxes.texts, QStringList{"Refresh Not Complete"});
  ASSERT_TRUE(Settle(dialog));
  EXPECT_FALSE(dialog.RefuseWhileBusy(dialog.binding, kRefreshNotComplete));
  EXPECT_EQ(dialog.readsDone, 2);

  // Enter in an edit neither closes the dialog nor reads.
  dialog.name->setFocus();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(&dialog, &enter);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_FALSE(dialog.binding->busy);
}

TEST_F(DialogBase, ClosingStopsTheBindingsAndWaitsForTheRunningRead) {
  auto dialog = std::make_unique<VlanProbe>(Context());
  dialog->show();
  ASSERT_TRUE(WaitFor([&] { return dialog->binding->busy || dialog->FirstRefreshDone(); }));
  dialog->binding->request.enabled = true;
  if (!dialog->binding->busy) dialog->binding->Refresh();
  ASSERT_TRUE(dialog->binding->busy);
  dialog->close();
  EXPECT_FALSE(dialog->AnyBusy()) << "close returns once the chain has stopped";
  EXPECT_FALSE(dialog->binding->request.enabled);
  dialog.reset();  // freed without a completion left to arrive
  QApplication::processEvents();
}

}  // namespace
