#include "platform/Process.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <thread>

#include "platform/KyIni.h"

namespace {

class ProcessTest : public ::testing::Test {
 protected:
  ProcessTest() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qrx-process-XXXXXX").string();
    if (mkdtemp(pattern.data())) folder_ = pattern;
  }
  ~ProcessTest() override {
    std::error_code ec;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
  }
  std::string Make(const std::string& relative, const std::string& content, mode_t mode) {
    const std::string path = folder_ + "/" + relative;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << content;
    chmod(path.c_str(), mode);
    return path;
  }

  std::string folder_;
};

TEST_F(ProcessTest, ProgramFolderComesFirstThenPathInOrder) {
  Make("own/tool", "#!/bin/sh\n", 0755);
  Make("a/tool", "#!/bin/sh\n", 0755);
  Make("b/tool", "#!/bin/sh\n", 0755);
  Make("a/plain", "not executable", 0644);
  Make("b/plain", "#!/bin/sh\n", 0755);
  std::filesystem::create_directories(folder_ + "/a/dir");
  std::filesystem::create_directories(folder_ + "/b/dir");
  Make("b/dir/x", "", 0755);
  const std::string own = folder_ + "/own/";
  const std::string path = folder_ + "/a:" + folder_ + "/b";

  EXPECT_EQ(FindProgram("tool", own, path), folder_ + "/own/tool");
  EXPECT_EQ(FindProgram("tool", folder_ + "/own", path), folder_ + "/own/tool");
  EXPECT_EQ(FindProgram("tool", "", path), folder_ + "/a/tool");
  EXPECT_EQ(FindProgram("tool", folder_ + "/none/", path), folder_ + "/a/tool");
  EXPECT_EQ(FindProgram("plain", own, path), folder_ + "/b/plain");  // not executable in a: skipped
  EXPECT_EQ(FindProgram("dir", own, path), "");                     // folders are not programs
  EXPECT_EQ(FindProgram("missing", own, path), "");
  EXPECT_EQ(FindProgram("", own, path), "");
}

TEST_F(ProcessTest, EmptyPathEntriesDoNotSearchTheCurrentFolder) {
  Make("cwd/tool", "#!/bin/sh\n", 0755);
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(folder_ + "/cwd");
  const std::string found1 = FindProgram("tool", "", ":");
  const std::string found2 = FindProgram("tool", "", "");
  const std::string found3 = FindProgram("tool", "", "/nonexistent::/also-not");
  std::filesystem::current_path(old);
  EXPECT_EQ(found1, "");
  EXPECT_EQ(found2, "");
  EXPECT_EQ(found3, "");
}

TEST_F(ProcessTest, NameWithSlashIsUsedAsItIs) {
  const std::string tool = Make("x/tool", "#!/bin/sh\n", 0755);
  EXPECT_EQ(FindProgram(tool, "/elsewhere/", "/usr/bin"), tool);
  EXPECT_EQ(FindProgram(folder_ + "/x/none", "", "/usr/bin"), "");
}

TEST(RunningProgramFolderTest, HoldsThisTestProgram) {
  const std::string folder = RunningProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(FileExists(folder + "test_platform"));
}

// A program that writes its arguments, each ended by a NUL byte, to $QRX_PROBE_OUT.
const char* const kProbeScript =
    "#!/bin/sh\n"
    "out=\"$QRX_PROBE_OUT\"\n"
    ": > \"$out.part\"\n"
    "for a in \"$@\"; do printf '%s\\000' \"$a\" >> \"$out.part\"; done\n"
    "mv \"$out.part\" \"$out\"\n";

std::optional<std::string> WaitForFile(const std::string& path) {
  // Not a measurement: only a guard so that a program that never runs cannot hang the test.
  for (int i = 0; i < 3000; ++i) {
    if (std::filesystem::exists(path)) {
      std::ifstream in(path, std::ios::binary);
      std::ostringstream s;
      s << in.rdbuf();
      return s.str();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return std::nullopt;
}

TEST_F(ProcessTest, ArgumentsArriveLiterallyWithoutAShell) {
  const std::string probe = Make("bin/qrx-probe", kProbeScript, 0755);
  const std::string out = folder_ + "/argv.out";
  const std::string marker = folder_ + "/injected";
  ASSERT_EQ(setenv("QRX_PROBE_OUT", out.c_str(), 1), 0);
  const std::vector<std::string> args = {
      "/Ione two",
      "/R$(touch " + marker + ")",
      "/W`touch " + marker + "`; touch " + marker,
      "/A'\"*?[a]|&<>~\\",
      "",
      "/P\ttab\nnewline",
      "/TMIB_Info",
  };
  std::string error;
  ASSERT_TRUE(StartProgram(probe, args, &error)) << error;
  const auto content = WaitForFile(out);
  unsetenv("QRX_PROBE_OUT");
  ASSERT_TRUE(content.has_value());
  std::string expected;
  for (const std::string& a : args) expected += a + '\0';
  EXPECT_EQ(*content, expected);
  EXPECT_FALSE(std::filesystem::exists(marker));
}

TEST_F(ProcessTest, StartedProgramInheritsNoOpenFilesOfOurs) {
  const std::string probe = Make("bin/qrx-fd-probe",
                                 "#!/bin/sh\n"
                                 "if [ -e /proc/self/fd/$1 ]; then r=inherited; else r=closed; fi\n"
                                 "printf '%s' \"$r\" > \"$2.part\"\n"
                                 "mv \"$2.part\" \"$2\"\n",
                                 0755);
  const std::string out = folder_ + "/fd.out";
  // An open file without close-on-exec, as a library's socket may be.
  const int fd = ::open(probe.c_str(), O_RDONLY);
  ASSERT_GE(fd, 3);
  ASSERT_LT(fd, 10);  // below the numbers the shell uses for itself
  std::string error;
  const bool started = StartProgram(probe, {std::to_string(fd), out}, &error);
  ::close(fd);
  ASSERT_TRUE(started) << error;
  EXPECT_EQ(WaitForFile(out), "closed");
}

TEST_F(ProcessTest, MissingProgramIsReportedNotStarted) {
  std::string error;
  EXPECT_FALSE(StartProgram("qrx-no-such-program-here", {"/Ix"}, &error));
  EXPECT_NE(error.find("qrx-no-such-program-here"), std::string::npos);
  EXPECT_FALSE(StartProgram("", {}));
}

}  // namespace
