#include "app/snapshot/SnapshotCommandLine.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <exception>

#include "app/LaunchParameters.h"
#include "app/snapshot/SnapshotFiles.h"
#include "app/snapshot/SnapshotReader.h"
#include "editors/QtSnmpPump.h"
#include "snmp/Session.h"

namespace {

constexpr const char* kProgram = "qrx900";

void PrintError(const std::string& text) { std::fprintf(stderr, "%s: %s\n", kProgram, text.c_str()); }

std::string Usage() {
  return std::string("usage: ") + kProgram + " --snapshot FILE <switches> | " + kProgram + " --compare A B";
}

}  // namespace

bool IsSnapshotCommandLine(int argc, char** argv) {
  if (argc < 2 || argv[1] == nullptr) return false;
  const std::string first = argv[1];
  return first == kSnapshotSwitch || first == kCompareSwitch;
}

int RunSnapshotCommandLine(int argc, char** argv) {
  const std::vector<std::string> args = LaunchArguments(argc, argv);
  if (args.empty()) return 2;
  if (args[0] == kCompareSwitch) {
    if (args.size() != 3) {
      PrintError(Usage());
      return 2;
    }
    return CompareFilesCommand(args[1], args[2]);
  }
  if (args.size() < 2 || args[1].empty()) {
    PrintError(Usage());
    return 2;
  }
  QCoreApplication app(argc, argv);
  return SnapshotToFileCommand(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
}

int SnapshotToFileCommand(const std::string& file, const std::vector<std::string>& switches) {
  const QString path = QString::fromLocal8Bit(file.c_str());
  LaunchTexts texts;
  try {
    InstallQtSnmpPump();
    InitGlobalSession("");
    const LaunchResult launch = ReadLaunchParameters(texts, switches);
    if (!launch.hadArguments || texts.agent.empty()) {
      PrintError(file + " not written: no switch given (at least /I with the agent)");
      return 1;
    }
  } catch (const std::exception& e) {
    PrintError(file + " not written: " + e.what());
    return 1;
  }

  KySettingsSnapshotReader reader;
  QEventLoop loop;
  try {
    reader.Start(nullptr, [&loop] { QTimer::singleShot(0, &loop, [&loop] { loop.quit(); }); });
  } catch (const std::exception& e) {
    PrintError(file + " not written: " + e.what());
    return 1;
  }
  loop.exec();
  if (!reader.Failure().empty()) {
    PrintError(file + " not written: " + reader.Failure());
    return 1;
  }
  SettingsSnapshot snapshot = reader.Result();
  snapshot.agent = texts.agent;
  QString error;
  if (!WriteSnapshotFile(path, snapshot, &error)) {
    PrintError(error.toStdString());
    return 1;
  }
  if (!snapshot.complete) {
    const auto notRead = snapshot.NotRead();
    std::string reason;
    for (const auto& c : snapshot.commands)
      if (!c.read) {
        reason = c.path + ": " + c.error;
        break;
      }
    PrintError(file + " written incomplete: " + std::to_string(notRead.size()) + " of " +
               std::to_string(snapshot.commands.size()) + " commands not read (first " + reason + ")");
    return 1;
  }
  return 0;
}

int CompareFilesCommand(const std::string& before, const std::string& after) {
  QString error;
  auto a = ReadSnapshotFile(QString::fromLocal8Bit(before.c_str()), &error);
  if (!a) {
    PrintError(error.toStdString());
    return 2;
  }
  auto b = ReadSnapshotFile(QString::fromLocal8Bit(after.c_str()), &error);
  if (!b) {
    PrintError(error.toStdString());
    return 2;
  }
  const auto differences = CompareSnapshots(*a, *b);
  const std::string text = DifferencesText(differences);
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
  return differences.empty() ? 0 : 1;
}
