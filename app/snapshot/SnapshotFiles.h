// Snapshot files: written through QSaveFile (a failure leaves the old file,
// or none, never half a file) and read whole. Errors name the file and the
// place in it.
#pragma once

#include <QString>
#include <optional>

#include "app/snapshot/SettingsSnapshot.h"

// Largest file read as a snapshot.
inline constexpr qint64 kMaxSnapshotFileSize = 256 * 1024 * 1024;

// Writes the snapshot's JSON to `path`. False with `error` ("FILE: reason").
bool WriteSnapshotFile(const QString& path, const SettingsSnapshot& snapshot, QString* error);

// Reads and checks a snapshot file. None with `error`:
// "FILE: line 3, column 7: reason" or "FILE: /pointer (line 40): reason".
std::optional<SettingsSnapshot> ReadSnapshotFile(const QString& path, QString* error);
