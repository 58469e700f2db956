#include "app/ToolsMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolButton>

#include "app/FrontPanel.h"
#include "app/MainWindow.h"
#include "app/MenuBar.h"
#include "app/snapshot/SnapshotTools.h"

namespace {

SnapshotToolsContext SnapshotContext(TMainForm& window) {
  SnapshotToolsContext context;
  context.owner = &window;
  context.agent = window.Texts().agent;
  QPointer<TMainForm> w(&window);
  context.openCommand = [w](const MenuEntry& entry) {
    if (w) w->MenuCommand(entry);
  };
  context.showStatus = [w](const QString& text) {
    if (w) w->StatusPanel0()->setText(text);
  };
  return context;
}

void SaveSnapshot(TMainForm& window) { SaveSettingsSnapshot(SnapshotContext(window)); }
void Compare(TMainForm& window) { CompareSettings(SnapshotContext(window)); }

void TrafficGraph(TMainForm& window) {
  const int port = SelectedPort(window);
  if (port > 0 && window.FrontPanel() != nullptr) window.FrontPanel()->OpenTrafficGraph({port});
}
bool HasSelectedPort(TMainForm& window) { return SelectedPort(window) > 0; }

const ToolsMenuItem kItems[] = {
    {"Save Settings Snapshot...", "SaveSettingsSnapshot1", &SaveSnapshot, nullptr},
    {"Compare Settings...", "CompareSettings1", &Compare, nullptr},
    {"Traffic Graph...", "TrafficGraph1", &TrafficGraph, &HasSelectedPort},
};

}  // namespace

std::span<const ToolsMenuItem> ToolsMenuItems() { return kItems; }

int SelectedPort(TMainForm& window) {
  TPanelQRX900Form* panel = window.FrontPanel();
  if (panel == nullptr) return 0;
  QToolButton* selected = panel->SelectedButton();
  if (selected == nullptr || !selected->isChecked()) return 0;
  for (int n = 1; n <= TPanelQRX900Form::kPortButtons; ++n)
    if (panel->SpeedButton(n) == selected) return TPanelQRX900Form::ButtonPort(n);
  return 0;
}

QMenu* BuildToolsMenu(TMainForm& window) {
  QMenuBar* bar = window.MainMenu1;
  auto* tools = new QMenu(QStringLiteral("Tools"), bar);
  tools->setObjectName(QStringLiteral("Tools1"));
  tools->menuAction()->setObjectName(QStringLiteral("Tools1"));
  QPointer<TMainForm> w(&window);
  for (const ToolsMenuItem& item : ToolsMenuItems()) {
    QAction* action = tools->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(QString::fromUtf8(item.name));
    const ToolsMenuItem* it = &item;  // the list is static
    QObject::connect(action, &QAction::triggered, tools, [w, it] {
      if (w) it->run(*w);
    });
  }
  QObject::connect(tools, &QMenu::aboutToShow, tools, [w, tools] {
    if (!w) return;
    const auto actions = tools->actions();
    for (const ToolsMenuItem& item : ToolsMenuItems())
      for (QAction* a : actions)
        if (a->objectName() == QString::fromUtf8(item.name)) a->setEnabled(!item.enabled || item.enabled(*w));
  });
  QMenu* help = FindMenu(bar, "Help1");
  if (help != nullptr) bar->insertMenu(help->menuAction(), tools);
  else bar->addMenu(tools);
  return tools;
}
