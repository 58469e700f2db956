// Message files come from the host suite's folder and may hold anything:
// arbitrary bytes go through the loader, then every status is translated and
// the status lines are built from whatever templates were loaded.
//
// Input: first byte chooses the table (low 3 bits) and whether the content
// also goes through a real file (bit 3); the rest is the file content.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "snmp/Messages.h"

namespace {

KyMessageTable* const kTables[] = {&CommonMessages,    &SnmpMessages,   &SnmpV3Messages, &UsmMessages,
                                   &SnmpClassMessages, &KySnmpMessages, &StatusTemplates};

void Check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "check failed: %s\n", what);
    std::abort();
  }
}

// One scratch file per process, removed at exit.
char gTempPath[] = "/tmp/fuzz_message_file_XXXXXX";

const char* TempPath() {
  static const bool made = [] {
    const int fd = mkstemp(gTempPath);
    if (fd < 0) return false;
    close(fd);
    std::atexit([] { unlink(gTempPath); });
    return true;
  }();
  return made ? gTempPath : nullptr;
}

std::vector<std::string> Snapshot(const KyMessageTable& table) {
  std::vector<std::string> texts;
  for (std::size_t i = 0; i < table.BuiltInCount() + 2; ++i) texts.push_back(table.Text(i));
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  ResetMessageTables();
  KyMessageTable& table = *kTables[(data[0] & 7) % 7];
  const bool viaFile = (data[0] & 8) != 0;
  const std::string_view content(reinterpret_cast<const char*>(data + 1), size - 1);

  const std::vector<std::string> before = Snapshot(table);
  const bool loaded = LoadMessageText(table, content);
  const std::vector<std::string> lines = SplitMessageLines(content);
  Check(loaded == !lines.empty(), "loaded exactly when there is a message line");
  if (!loaded) Check(Snapshot(table) == before, "nothing loaded keeps the table");
  for (const std::string& line : lines) {
    Check(!line.empty() && line.size() <= kMessageLineMax, "line length");
    Check(line.find('\n') == std::string::npos, "no line feed in a message");
    Check(line.find_first_not_of(" \t\n\v\f\r") != std::string::npos, "no blank message");
  }
  Check(table.LoadedCount() <= table.BuiltInCount(), "unused lines not kept");
  for (std::size_t i = 0; i < table.BuiltInCount(); ++i) {
    const std::string expected = i < lines.size() ? lines[i] : table.BuiltInText(i);
    Check(table.Text(i) == expected, "entry is the line or the built-in text");
  }

  if (viaFile) {
    // The file loader must read the same lines.
    const std::vector<std::string> fromMemory = Snapshot(table);
    ResetMessageTables();
    FILE* f = TempPath() ? std::fopen(TempPath(), "wb") : nullptr;
    if (f) {
      std::fwrite(content.data(), 1, content.size(), f);
      std::fclose(f);
      Check(LoadMessageFile(table, TempPath()) == loaded, "file and memory agree");
      Check(Snapshot(table) == fromMemory, "file and memory give the same table");
    }
  }

  for (int status = -1500; status <= 1500; ++status) {
    const KyStatusText t = TranslateStatus(status);
    Check(t.code <= 0 && t.code >= -528, "code in the code space");
    Check(t.text == MessageText(t.code), "text of the code");
  }
  for (int status : {INT32_MIN, INT32_MAX, -1419, 1415, 19, -24}) Check(TranslateStatus(status).code == -528, "unknown");

  std::tm at{};
  at.tm_hour = 14;
  at.tm_min = 5;
  at.tm_sec = 9;
  for (int n : {-1, 0, 1, 2}) {
    for (const char* name : {"", "Ports"}) {
      const std::string line = StatusLine(n, name, "Ok", at);
      // With a list name nothing is deleted, so the time shows.
      if (*name && StatusTemplates.Text(n).find("[TIME]") != std::string::npos)
        Check(line.find("02:05:09 PM") != std::string::npos, "time in the status line");
    }
  }
  (void)ReplaceAll(content, std::string_view(content).substr(0, size % 5), "[X]");
  return 0;
}
