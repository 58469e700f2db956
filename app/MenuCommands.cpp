#include "app/MenuCommands.h"

#include <QString>
#include <utility>

namespace {

std::string_view DeviceOf(const MenuCommandContext& context) {
  return context.texts != nullptr ? std::string_view(context.texts->agent) : std::string_view();
}

CommandOutcome PassOn(const MenuEntry& entry, const MenuCommandContext& context) {
  if (!context.special) return CommandOutcome::Unavailable;
  context.special(entry);
  return CommandOutcome::PassedOn;
}

}  // namespace

std::optional<GeneratedCommand> GeneratedCommandOf(const MenuEntry& entry, std::string_view device) {
  if (!entry.IsCommand() || !entry.IsGenerated()) return std::nullopt;
  const KyVarDefTable* table = DefinitionTableOf(entry);
  if (table == nullptr) return std::nullopt;
  const int rows = static_cast<int>(table->rows.size());

  GeneratedCommand c;
  c.table = table;
  c.kind = entry.kind;
  c.keyCount = entry.keyCount;
  const std::string caption = EntryCaption(entry, device);
  c.caption = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
  c.tableEditor = entry.pattern == CommandPattern::GeneratedTable;
  // Row creation and deletion only through a variable the table has.
  c.rowStatusIndex = c.tableEditor && entry.rowStatus >= 0 && entry.rowStatus < rows ? entry.rowStatus : -1;
  for (const VarConstraint& k : entry.constraints) {
    if (k.var < 0 || k.var >= rows || k.text == nullptr) continue;
    c.constraints.emplace_back(k.var, k.text);
  }
  c.noEditWindow = c.tableEditor && entry.noEditWindow && c.rowStatusIndex >= 0;
  c.portGridVariable = entry.portGridVar >= 0 && entry.portGridVar < rows ? entry.portGridVar : -1;
  c.tpidNote = entry.tpidNote;
  c.editWidth = entry.editWidth > 0 ? entry.editWidth : 0;
  c.height450 = entry.height == kTallDialogHeight;
  return c;
}

std::unique_ptr<GeneratedDialog> BuildCommandDialog(const MenuEntry& entry, std::string_view device, QWidget* owner) {
  const std::optional<GeneratedCommand> command = GeneratedCommandOf(entry, device);
  if (!command) return nullptr;
  return BuildGeneratedDialog(*command, owner);
}

CommandOutcome RunMenuCommand(const MenuEntry& entry, const MenuCommandContext& context) {
  if (!entry.IsCommand()) return CommandOutcome::Unavailable;
  switch (entry.pattern) {
    case CommandPattern::GeneratedScalar:
    case CommandPattern::GeneratedTable: {
      const std::optional<GeneratedCommand> command = GeneratedCommandOf(entry, DeviceOf(context));
      if (!command) return CommandOutcome::Unavailable;
      if (context.openGenerated)
        context.openGenerated(*command, context.owner);
      else
        OpenGeneratedDialog(*command, context.owner);
      return CommandOutcome::DialogShown;
    }
    case CommandPattern::Sibling: {
      static const LaunchTexts kNoTexts;
      const LaunchTexts& texts = context.texts != nullptr ? *context.texts : kNoTexts;
      const std::string page(entry.siblingPage);
      const bool started =
          context.startSibling ? context.startSibling(texts, page, std::string()) : StartSiblingModule(texts, page, "");
      return started ? CommandOutcome::SiblingStarted : CommandOutcome::SiblingNotStarted;
    }
    case CommandPattern::Dedicated: {
      const std::string_view device = DeviceOf(context);
      const QString agent = QString::fromLocal8Bit(device.data(), static_cast<qsizetype>(device.size()));
      if (RunDedicatedCommand(entry, DialogContext{context.owner, agent, context.mainWindow}))
        return CommandOutcome::DialogShown;
      return PassOn(entry, context);
    }
    case CommandPattern::Special:
      return PassOn(entry, context);
    case CommandPattern::None:
      break;
  }
  return CommandOutcome::Unavailable;
}
