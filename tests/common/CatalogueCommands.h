// Test helper, header-only: the runs over every command of the menu
// catalogue that several tests make.
//
//   CatalogueCommands(kind, only)   the dedicated or the generated commands, in
//                                   menu order, narrowed to the handlers of
//                                   `only` (HandlersNamedIn reads them from an
//                                   environment variable) when it names any;
//   UseSimFor(entry, host, port)    the session set up as the command's menu
//                                   reads the agent;
//   OpenCommandWindows(entry, ...)  carries the command out as the menu does,
//                                   hands the windows it opened, once they
//                                   have settled, to the caller and closes
//                                   them.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "app/MenuBar.h"
#include "app/MenuCatalogue.h"
#include "app/MenuCommands.h"
#include "common/FakeMainWindow.h"
#include "common/SimSession.h"
#include "editors/SnmpDialog.h"
#include "snmp/Session.h"

namespace qrxtest {

enum class CommandKind { Dedicated, Generated };

// The commands of that kind, in menu order; those of the handlers in `only`
// when it names any.
inline std::vector<const MenuEntry*> CatalogueCommands(CommandKind kind, const std::set<std::string>& only = {}) {
  std::vector<const MenuEntry*> commands;
  for (const MenuEntry& entry : MenuCatalogue()) {
    if (!entry.IsCommand()) continue;
    if (kind == CommandKind::Dedicated ? entry.pattern != CommandPattern::Dedicated : !entry.IsGenerated()) continue;
    if (!only.empty() && !only.count(std::string(entry.handler))) continue;
    commands.push_back(&entry);
  }
  return commands;
}

// The handlers named, comma-separated, in the environment variable; none
// when it is not set.
inline std::set<std::string> HandlersNamedIn(const char* variable) {
  std::set<std::string> only;
  if (const char* env = std::getenv(variable))
    for (const QString& h : QString::fromLocal8Bit(env).split(',', Qt::SkipEmptyParts))
      only.insert(h.trimmed().toStdString());
  return only;
}

inline bool InSnmpV3Menu(const MenuEntry& entry) {
  const auto path = MenuPath(entry);
  return !path.empty() && path.front() == "SNMP V3";
}

// The "SNMP V3" menu over SNMPv3 (it is open to SNMPv3 runs only), the
// others over communities (SNMPv1 with `v1`, else SNMPv2c).
inline void UseSimFor(const MenuEntry& entry, const std::string& host, int port, bool v1 = false) {
  if (InSnmpV3Menu(entry))
    UseSimV3(host, port);
  else
    UseSimCommunities(host, port, v1);
}

inline bool ExchangesInFlight() { return GlobalSnmp != nullptr && GlobalSnmp->PendingCount() > 0; }

// Runs the event loop in 5 ms slices until done(), at most limitMs.
template <typename Done>
bool RunSlicesUntil(Done done, int limitMs) {
  QElapsedTimer total;
  total.start();
  while (!done()) {
    if (total.elapsed() > limitMs) return false;
    QEventLoop slice;
    QTimer::singleShot(5, &slice, &QEventLoop::quit);
    slice.exec();
  }
  return true;
}

// What became of a command carried out by OpenCommandWindows.
struct OpenedCommand {
  CommandOutcome outcome{};
  bool passedOn = false;  // handed to the main window's own commands
  bool visited = false;   // its windows were handed to the caller
  std::vector<std::string> problems;
};

// Carries out the command as the menu does (RunMenuCommand, the modal loops
// included). Inside the dialog's modal loop, once no synchronous exchange of
// a dialog is waiting, the windows it opened have appeared and settle() has
// returned (false: a problem "did not settle"), visit() gets them: new,
// visible top-level windows, in the order the toolkit lists them. It returns
// those to close, in order (a window closes what it holds); one that does
// not close is passed to closeRefused() and made to go (rejected, or
// hidden). limitMs bounds each wait.
inline OpenedCommand OpenCommandWindows(const MenuEntry& entry, const char* device,
                                        const std::function<bool()>& settle,
                                        const std::function<std::vector<QWidget*>(const std::vector<QWidget*>&)>& visit,
                                        const std::function<void(QWidget*)>& closeRefused, int limitMs) {
  OpenedCommand opened;
  FakeMainWindow mainWindow;
  LaunchTexts texts;
  texts.agent = device;
  MenuCommandContext context;
  context.owner = mainWindow.Window();
  context.texts = &texts;
  context.mainWindow = &mainWindow;
  context.special = [&](const MenuEntry&) { opened.passedOn = true; };

  QSet<QWidget*> before;
  for (QWidget* w : QApplication::topLevelWidgets()) before.insert(w);
  auto newWindows = [&] {
    std::vector<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (!before.contains(w) && w->isVisible()) windows.push_back(w);
    return windows;
  };
  QTimer watcher;
  watcher.setSingleShot(true);
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    // Inside the dialog's modal loop, not inside the wait of a synchronous
    // exchange that the dialog's opening started (its handler goes on only
    // once the timer's call has returned).
    for (QWidget* w : QApplication::allWidgets()) {
      auto* dialog = qobject_cast<SnmpDialog*>(w);
      if (dialog != nullptr && dialog->Bindings().waiting()) {
        watcher.start(10);
        return;
      }
    }
    if (!RunSlicesUntil([&] { return !newWindows().empty(); }, limitMs)) {
      opened.problems.push_back("no window appeared");
      return;
    }
    if (!settle()) opened.problems.push_back("did not settle");
    opened.visited = true;
    const std::vector<QWidget*> toClose = visit(newWindows());
    std::vector<QPointer<QWidget>> closing(toClose.begin(), toClose.end());
    for (const QPointer<QWidget>& window : closing) {
      if (!window) continue;
      window->close();
      if (window && window->isVisible()) {
        if (closeRefused) closeRefused(window);
        if (auto* dialog = qobject_cast<QDialog*>(window.data()))
          dialog->done(QDialog::Rejected);
        else
          window->hide();
      }
    }
  });
  watcher.start(0);
  opened.outcome = RunMenuCommand(entry, context);
  watcher.stop();
  if (!opened.visited) opened.problems.push_back("no window was visited");
  if (!RunSlicesUntil([] { return !ExchangesInFlight(); }, limitMs))
    opened.problems.push_back("exchanges still running after close");
  return opened;
}

}  // namespace qrxtest
