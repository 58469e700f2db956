#include "app/snapshot/SnapshotTools.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

#include "app/snapshot/SnapshotFiles.h"
#include "app/snapshot/SnapshotForms.h"
#include "app/snapshot/SnapshotReader.h"
#include "editors/ListExport.h"
#include "editors/UiSupport.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString WithAgent(const char* caption, const std::string& agent) {
  return agent.empty() ? QString(caption) : QString("%1 : %2").arg(caption, Q(agent));
}

// The commands not read, one per line, at most a screenful.
QString NotReadList(const SettingsSnapshot& s) {
  QStringList lines;
  for (const auto& c : s.commands) {
    if (c.read) continue;
    if (lines.size() == 15) {
      lines << "...";
      break;
    }
    lines << Q(c.path) + ": " + Q(c.error);
  }
  return lines.join('\n');
}

void Report(QWidget* owner, const QString& text, QMessageBox::Icon icon) {
  ShowMessageBox(owner, text, ProgramCaption(), QMessageBox::Ok, icon);
}

// Reads the switch in a progress window; `done` gets the snapshot.
TSnapshotProgressForm* ReadLive(const SnapshotToolsContext& context, const char* caption,
                                std::function<void(const SettingsSnapshot&)> done) {
  auto* progress = new TSnapshotProgressForm(context.owner, WithAgent(caption, context.agent));
  QPointer<QWidget> owner(context.owner);
  const std::string agent = context.agent;
  QObject::connect(progress, &TSnapshotProgressForm::snapshotDone, progress, [progress, owner, agent, done] {
    KySettingsSnapshotReader& reader = progress->Reader();
    if (!reader.Failure().empty()) {
      Report(owner, "The switch's settings could not be read: " + Q(reader.Failure()), QMessageBox::Critical);
      return;
    }
    SettingsSnapshot snapshot = reader.Result();
    if (!agent.empty()) snapshot.agent = agent;
    done(snapshot);
  });
  progress->show();
  try {
    progress->Start();
  } catch (const std::exception& e) {
    Report(owner, Q(e.what()), QMessageBox::Critical);
    progress->Reader().Cancel();
    delete progress;
    return nullptr;
  }
  return progress;
}

}  // namespace

TSnapshotProgressForm* SaveSettingsSnapshot(const SnapshotToolsContext& context) {
  const QString suggested =
      QString("%1-%2.json").arg(Q(context.agent.empty() ? "switch" : context.agent),
                                QDateTime::currentDateTime().toString("yyyyMMdd-HHmm"));
  const QString path =
      KyListExport::AskSaveFileName(context.owner, kSaveSnapshotCaption, suggested, kSnapshotFileFilter);
  if (path.isEmpty()) return nullptr;
  QPointer<QWidget> owner(context.owner);
  auto status = context.showStatus;
  return ReadLive(context, kSaveSnapshotCaption, [owner, path, status](const SettingsSnapshot& snapshot) {
    QString error;
    if (!WriteSnapshotFile(path, snapshot, &error)) {
      Report(owner, "The snapshot was not saved: " + error, QMessageBox::Critical);
      return;
    }
    if (!snapshot.complete) {
      Report(owner,
             QString("The snapshot was saved to %1 but is not complete: %2 of %3 commands were not read.\n\n%4")
                 .arg(path)
                 .arg(snapshot.NotRead().size())
                 .arg(snapshot.commands.size())
                 .arg(NotReadList(snapshot)),
             QMessageBox::Warning);
      return;
    }
    if (status)
      status(QString("Settings snapshot saved to %1: %2 commands, %3 rows.")
                 .arg(path)
                 .arg(snapshot.commands.size())
                 .arg(snapshot.RowCount()));
  });
}

TSettingsCompareForm* CompareSettings(const SnapshotToolsContext& context) {
  const QString firstPath = AskSnapshotFileToOpen(context.owner, kCompareCaption);
  if (firstPath.isEmpty()) return nullptr;
  QString error;
  auto first = ReadSnapshotFile(firstPath, &error);
  if (!first) {
    Report(context.owner, error, QMessageBox::Critical);
    return nullptr;
  }
  const QString firstName = QFileInfo(firstPath).fileName() + " (" + Q(first->agent) + ", " + Q(first->time) + ")";
  const auto answer = ShowMessageBox(context.owner, kCompareWithSwitchQuestion, kCompareCaption,
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question);
  if (answer == QMessageBox::Yes) {
    QPointer<QWidget> owner(context.owner);
    auto open = context.openCommand;
    const std::string agent = context.agent;
    ReadLive(context, kCompareCaption, [owner, first = *first, firstName, open, agent](const SettingsSnapshot& live) {
      auto* form = new TSettingsCompareForm(owner, first, firstName, live,
                                            "the switch " + Q(agent) + " now", open);
      form->setWindowTitle(WithAgent(kCompareCaption, agent));
      form->show();
    });
    return nullptr;
  }
  if (answer != QMessageBox::No) return nullptr;
  const QString secondPath = AskSnapshotFileToOpen(context.owner, kCompareCaption);
  if (secondPath.isEmpty()) return nullptr;
  auto second = ReadSnapshotFile(secondPath, &error);
  if (!second) {
    Report(context.owner, error, QMessageBox::Critical);
    return nullptr;
  }
  const QString secondName =
      QFileInfo(secondPath).fileName() + " (" + Q(second->agent) + ", " + Q(second->time) + ")";
  auto* form = new TSettingsCompareForm(context.owner, *first, firstName, *second, secondName, context.openCommand);
  form->setWindowTitle(WithAgent(kCompareCaption, context.agent));
  form->show();
  return form;
}
