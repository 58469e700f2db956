#include "app/snapshot/SnapshotFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool WriteSnapshotFile(const QString& path, const SettingsSnapshot& snapshot, QString* error) {
  const std::string text = SnapshotToJson(snapshot);
  QSaveFile file(path);
  auto fail = [&](const QString& why) {
    if (error) *error = path + ": " + why;
    file.cancelWriting();
    return false;
  };
  if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
  if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
    return fail(file.errorString());
  if (!file.commit()) {
    if (error) *error = path + ": " + file.errorString();
    return false;
  }
  return true;
}

std::optional<SettingsSnapshot> ReadSnapshotFile(const QString& path, QString* error) {
  auto fail = [&](const QString& why) -> std::optional<SettingsSnapshot> {
    if (error) *error = path + ": " + why;
    return std::nullopt;
  };
  QFile file(path);
  if (QFileInfo(path).isDir()) return fail("is a folder, not a snapshot file");
  if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
  if (file.size() > kMaxSnapshotFileSize) return fail("too large for a settings snapshot");
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return fail(file.errorString());
  SnapshotParseError parseError;
  auto snapshot = SnapshotFromJson(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), parseError);
  if (!snapshot)
    return fail(QString::fromStdString(parseError.place) + ": " + QString::fromStdString(parseError.message));
  return snapshot;
}
