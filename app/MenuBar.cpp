#include "app/MenuBar.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

namespace {

std::map<std::string, DedicatedDialogFactory, std::less<>>& Registry() {
  static std::map<std::string, DedicatedDialogFactory, std::less<>> registry;
  return registry;
}

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Captions are shown as written: an ampersand is a character, not a mnemonic.
QString MenuText(std::string_view caption) { return ToQString(caption).replace(QLatin1Char('&'), QLatin1String("&&")); }

const char kHandlerProperty[] = "handler";

}  // namespace

void RegisterDedicatedDialog(std::string_view handler, DedicatedDialogFactory factory) {
  auto& registry = Registry();
  if (!factory) {
    auto it = registry.find(handler);
    if (it != registry.end()) registry.erase(it);
    return;
  }
  registry.insert_or_assign(std::string(handler), std::move(factory));
}

void RegisterDedicatedDialogs(const std::vector<DedicatedDialog>& dialogs) {
  for (const DedicatedDialog& dialog : dialogs) RegisterDedicatedDialog(dialog.handler, dialog.factory);
}

const DedicatedDialogFactory* FindDedicatedDialogFactory(const MenuEntry& entry) {
  if (entry.pattern != CommandPattern::Dedicated) return nullptr;
  const auto& registry = Registry();
  auto it = registry.find(entry.handler);
  return it != registry.end() && it->second ? &it->second : nullptr;
}

void ClearDedicatedDialogs() { Registry().clear(); }

bool RunDedicatedCommand(const MenuEntry& entry, const DialogContext& context) {
  const DedicatedDialogFactory* factory = FindDedicatedDialogFactory(entry);
  if (factory == nullptr) return false;
  QPointer<QDialog> dialog = (*factory)(context);
  if (dialog.isNull()) return false;
  if (entry.form != TitleForm::OwnCaption) {
    const std::string device = context.agent.toLocal8Bit().toStdString();
    dialog->setWindowTitle(QString::fromStdString(EntryCaption(entry, device)));
  }
  dialog->exec();
  // A dialog that deletes itself on close may already be gone.
  delete dialog.data();
  return true;
}

QMenuBar* BuildMainMenu(QWidget* parent, MenuCommandHandler onCommand) {
  auto* bar = new QMenuBar(parent);
  bar->setObjectName(QStringLiteral("MainMenu1"));

  // open[n] is the menu that takes the entries of level n + 1.
  std::vector<QMenu*> open;
  for (const MenuEntry& entry : MenuCatalogue()) {
    const size_t level = static_cast<size_t>(entry.level);
    if (level > open.size()) continue;  // no menu to hold it; the catalogue checks rule this out
    open.resize(level);
    QMenu* holder = level == 0 ? nullptr : open[level - 1];

    switch (entry.type) {
      case MenuItemType::Menu: {
        const QString text = MenuText(entry.caption);
        QMenu* menu = holder == nullptr ? bar->addMenu(text) : holder->addMenu(text);
        const QString name = ToQString(entry.name);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        if (entry.hidden) menu->menuAction()->setVisible(false);
        open.push_back(menu);
        break;
      }
      case MenuItemType::Separator:
        if (holder != nullptr) holder->addSeparator();
        break;
      case MenuItemType::Command: {
        const QString text = MenuText(entry.caption);
        QAction* action = holder == nullptr ? bar->addAction(text) : holder->addAction(text);
        action->setObjectName(ToQString(entry.name));
        action->setProperty(kHandlerProperty, ToQString(entry.handler));
        if (entry.pattern == CommandPattern::Dedicated)
          action->setEnabled(FindDedicatedDialogFactory(entry) != nullptr);
        const MenuEntry* e = &entry;  // the catalogue is static
        QObject::connect(action, &QAction::triggered, bar, [onCommand, e]() {
          if (onCommand) onCommand(*e);
        });
        break;
      }
    }
  }
  return bar;
}

void UpdateDedicatedCommands(QMenuBar* bar) {
  if (bar == nullptr) return;
  for (const MenuEntry& entry : MenuCatalogue()) {
    if (entry.pattern != CommandPattern::Dedicated) continue;
    if (QAction* action = FindCommandAction(bar, entry.handler))
      action->setEnabled(FindDedicatedDialogFactory(entry) != nullptr);
  }
}

QAction* FindCommandAction(QMenuBar* bar, std::string_view handlerOrName) {
  if (bar == nullptr || handlerOrName.empty()) return nullptr;
  const MenuEntry* entry = FindMenuEntry(handlerOrName);
  if (entry == nullptr) entry = FindMenuItem(handlerOrName);
  if (entry == nullptr || !entry->IsCommand()) return nullptr;
  return bar->findChild<QAction*>(ToQString(entry->name));
}

QMenu* FindMenu(QMenuBar* bar, std::string_view name) {
  if (bar == nullptr || name.empty()) return nullptr;
  return bar->findChild<QMenu*>(ToQString(name));
}
