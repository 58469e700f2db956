// Grabs the pictures of the README and the operator's guide: the main window
// with its front panel once the LEDs have been read, then the dialogs listed
// in kDialogShots once each has read its values, the connect window of
// "qrx900 --connect" filled in for an SNMPv3 switch, the front panel's views
// (VLAN membership, spanning-tree state, load, errors), the find-command
// window, and the settings
// comparison window (a snapshot of the simulator against the same snapshot
// with a few settings changed). Run headless against a
// simulator by scripts/grab-windows:
//
//   qrx900-grab-windows <out-dir> /I127.0.0.1 /Rmenlak /Wtorvesk /v1
//
// (the key store and the device profile as for qrx900 itself). With
// --dialogs first, it grabs every dedicated dialog of the menu instead, once
// each has read its values, into <out-dir>/<handler>.png (scripts/grab-windows
// --dialogs runs it at 96 and at 144 dpi).
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <string>
#include <vector>

#include "app/ConnectForm.h"
#include "app/FindCommandForm.h"
#include "app/FrontPanel.h"
#include "app/LaunchParameters.h"
#include "app/MainWindow.h"
#include "app/MenuBar.h"
#include "app/PanelViews.h"
#include "app/MenuCatalogue.h"
#include "app/snapshot/SnapshotForms.h"
#include "app/snapshot/SnapshotReader.h"
#include "dialogs/RegisterDialogs.h"
#include "snmp/Session.h"

namespace {

// One dialog to grab: the menu command (its action's name) and the picture.
// A new dialog's picture is one more line here.
struct DialogShot {
  const char* command;
  const char* file;
};
constexpr DialogShot kDialogShots[] = {
    {"PortTable1Click", "table-dialog.png"},      // Bridge > 802.1d > Port Table
    {"StaticForm1Click", "vlan-static-dialog.png"},  // VLAN > 802.1Q > 802.1Q VLAN > Static Table
};

constexpr int kWaitMs = 20000;

bool Save(QWidget* window, const QString& path) {
  const bool saved = window->grab().save(path);
  std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "cannot write", qPrintable(path));
  return saved;
}

// A dialog has read its values once its message memo holds a status line.
bool HasRead(QWidget* dialog) {
  for (auto* memo : dialog->findChildren<QPlainTextEdit*>())
    if (memo->toPlainText().contains("Receive at")) return true;
  return false;
}

// The connect window as an operator fills it in for an SNMPv3 switch, with
// a history of its own (the user's is left alone).
bool GrabConnectWindow(const QString& out) {
  QTemporaryDir dir;
  ConnectHistory history(dir.filePath("connect-history.json"));
  ConnectEntry recent;
  for (const char* agent : {"sw-edge-2.example.net", "192.0.2.10"}) {
    recent.agent = agent;
    history.Use(recent);
  }
  TConnectForm form(nullptr, history.path());
  form.ED_Port->setText("161");
  form.CB_Version->setCurrentIndex(form.CB_Version->findData(3));
  form.ED_UserName->setText("qrxadmin");
  form.CB_SecurityLevel->setCurrentIndex(form.CB_SecurityLevel->findData(3));
  form.CB_AuthProtocol->setCurrentIndex(form.CB_AuthProtocol->findData(5));
  form.ED_AuthPassword->setText("qrxauthpass");
  form.CB_PrivProtocol->setCurrentIndex(form.CB_PrivProtocol->findData(19));
  form.ED_PrivPassword->setText("qrxprivpass");
  form.show();
  QTest::qWait(300);
  const bool saved = Save(&form, out + "/connect-window.png");
  form.close();
  return saved;
}

// The comparison window: what the switch was "last week" (its snapshot with
// a setting changed, a row it did not have yet and one it had) against the
// switch now.
bool GrabComparison(TMainForm& window, const QString& path) {
  KySettingsSnapshotReader reader;
  bool done = false;
  reader.Start(nullptr, [&done] { done = true; });
  if (!QTest::qWaitFor([&] { return done; }, 60000) || !reader.Failure().empty()) {
    std::fprintf(stderr, "no snapshot of the simulator: %s\n", reader.Failure().c_str());
    return false;
  }
  SettingsSnapshot now = reader.Result();
  SettingsSnapshot before = now;
  before.time = "2026-12-03T09:00:00Z";
  KyVb vb;
  for (SnapshotCommand& c : before.commands) {
    if (c.tables.empty() || c.tables[0].rows.empty()) continue;
    SnapshotTable& t = c.tables[0];
    if (c.handler == "ConsoleModeControl1Click" || c.handler == "SystemLogState1Click") {
      // The last setting one step away (the texts are made again from the bytes below).
      SnapshotValue& v = t.rows[0].values.back();
      if (DecodeValueBytes(v.bytes, vb) && vb.type == KyVbType::Integer) {
        vb.SetInteger(vb.integer == 1 ? 2 : 1);
        v.bytes = EncodeValueBytes(vb);
      }
    } else if (c.handler == "StaticForm1Click" && t.rows.size() > 1) {
      t.rows.pop_back();  // a VLAN added since
    } else if (c.handler == "TrustHostTable1Click") {
      SnapshotRow extra = t.rows.back();
      extra.index = "9";
      t.rows.push_back(extra);  // a trusted host removed since
    }
  }
  SnapshotParseError error;
  auto reread = SnapshotFromJson(SnapshotToJson(before), error);
  if (!reread) {
    std::fprintf(stderr, "the changed snapshot does not read back: %s: %s\n", error.place.c_str(),
                 error.message.c_str());
    return false;
  }
  auto* form = new TSettingsCompareForm(&window, *reread, "127.0.0.1-20261203-0900.json (127.0.0.1, 2026-12-03T09:00:00Z)",
                                        now, "the switch 127.0.0.1 now");
  form->setWindowTitle("Compare Settings : 127.0.0.1");
  form->resize(1060, 360);
  form->show();
  QTest::qWait(300);
  const bool saved = Save(form, path);
  delete form;
  return saved;
}

// The main window with each view of the front panel, once the view has
// answered (twice for the rates of the load and error views).
bool GrabPanelViews(TMainForm& window, const QString& out) {
  struct Shot {
    KyPanelView view;
    int vlan;
    int polls;
    const char* file;
  };
  const Shot shots[] = {
      {KyPanelView::Vlan, 1, 1, "panel-vlan.png"},
      {KyPanelView::SpanningTree, 0, 1, "panel-spanning-tree.png"},
      {KyPanelView::Load, 0, 2, "panel-load.png"},
      {KyPanelView::Errors, 0, 2, "panel-errors.png"},
  };
  TPanelQRX900Form* panel = window.FrontPanel();
  bool ok = true;
  for (const Shot& shot : shots) {
    panel->ShowView(shot.view, shot.vlan);
    TPanelViewer* viewer = panel->Viewer();
    const int start = viewer->PollsCompleted();
    if (!QTest::qWaitFor([&] { return viewer->PollsCompleted() >= start + shot.polls; }, kWaitMs)) {
      std::fprintf(stderr, "the %s view read nothing\n", qPrintable(ViewTitle(shot.view)));
      ok = false;
      continue;
    }
    QTest::qWait(200);
    ok = Save(&window, out + "/" + shot.file) && ok;
  }
  panel->ShowView(KyPanelView::Leds);
  return ok;
}

// The find-command window with a query typed.
bool GrabFindCommand(TMainForm& window, const QString& path) {
  TFindCommandForm* form = OpenFindCommand(&window, window.MainMenu1);
  form->SearchEdit->setText("vlan table");
  QTest::qWait(200);
  const bool saved = Save(form, path);
  form->close();
  return saved;
}

// Opens every dedicated dialog from the menu and grabs it once no exchange
// has been in flight for a moment.
bool GrabEveryDedicatedDialog(TMainForm& window, const QString& out) {
  bool ok = true;
  for (const MenuEntry& entry : MenuCatalogue()) {
    if (!entry.IsCommand() || entry.pattern != CommandPattern::Dedicated) continue;
    const std::string handler(entry.handler);
    QAction* action = FindCommandAction(window.MainMenu1, handler);
    if (!action || !action->isEnabled()) {
      std::fprintf(stderr, "no enabled command %s\n", handler.c_str());
      ok = false;
      continue;
    }
    bool saved = false;
    QTimer watch;
    QElapsedTimer clock, quiet;
    clock.start();
    quiet.start();
    QObject::connect(&watch, &QTimer::timeout, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog) return;
      if (GlobalSnmp != nullptr && GlobalSnmp->PendingCount() > 0) quiet.restart();
      if (quiet.elapsed() < 500 && clock.elapsed() < kWaitMs) return;
      watch.stop();
      saved = Save(dialog, out + "/" + QString::fromStdString(handler) + ".png");
      dialog->close();
    });
    watch.start(50);
    action->trigger();
    if (!saved) std::fprintf(stderr, "no picture of %s\n", handler.c_str());
    ok = ok && saved;
  }
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool everyDialog = argc > 1 && std::string(argv[1]) == "--dialogs";
  if (everyDialog) {
    --argc;
    ++argv;
  }
  if (argc < 3) {
    std::fprintf(stderr, "usage: qrx900-grab-windows [--dialogs] OUT-DIR SWITCHES...\n");
    return 2;
  }
  const QString out = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  QDir().mkpath(out);
  std::vector<std::string> switches = LaunchArguments(argc - 1, argv + 1);

  RegisterDedicatedDialogs(DedicatedDialogs());
  TMainForm window(switches);
  if (window.TerminateRequested()) return 2;
  window.show();
  const bool read = QTest::qWaitFor(
      [&] { return window.FrontPanel() && window.StatusPanel0()->text().contains("Led Status. Receive at"); },
      kWaitMs);
  if (!read) {
    std::fprintf(stderr, "the front panel read no LEDs: %s\n", qPrintable(window.StatusPanel0()->text()));
    return 1;
  }
  QTest::qWait(800);  // past the blinking that follows a reply
  if (everyDialog) return GrabEveryDedicatedDialog(window, out) ? 0 : 1;
  bool ok = Save(&window, out + "/main-window.png");

  for (const DialogShot& shot : kDialogShots) {
    QAction* action = FindCommandAction(window.MainMenu1, shot.command);
    if (!action || !action->isEnabled()) {
      std::fprintf(stderr, "no enabled command %s\n", shot.command);
      ok = false;
      continue;
    }
    bool saved = false;
    // The dialog runs modally inside trigger(): watch for it from a timer.
    QTimer watch;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&watch, &QTimer::timeout, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog) return;
      if (!HasRead(dialog) && clock.elapsed() < kWaitMs) return;
      watch.stop();
      QTest::qWait(300);
      saved = HasRead(dialog) && Save(dialog, out + "/" + shot.file);
      dialog->close();
    });
    watch.start(100);
    action->trigger();
    if (!saved) std::fprintf(stderr, "no picture of %s\n", shot.command);
    ok = ok && saved;
  }
  ok = GrabPanelViews(window, out) && ok;
  ok = GrabFindCommand(window, out + "/find-command.png") && ok;
  ok = GrabConnectWindow(out) && ok;
  ok = GrabComparison(window, out + "/settings-compare.png") && ok;
  return ok ? 0 : 1;
}
