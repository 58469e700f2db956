// The Debian package, as an operator's machine gets it: built once with
// cpack from this build, unpacked into a temporary folder with dpkg-deb,
// and run from there. A file that the package lacks fails here.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app/Help.h"
#include "common/SimProcess.h"

namespace fs = std::filesystem;

namespace {

std::string Env(const char* name, const char* fallback = "") {
  const char* v = std::getenv(name);
  return v && *v ? v : fallback;
}

// The package, built and unpacked once for all the cases.
class Package : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string build = Env("QRX_BUILD_DIR", ".");
    char tmpl[] = "/tmp/qrx900-package-XXXXXX";
    if (!mkdtemp(tmpl)) {
      setupError_ = "mkdtemp failed";
      return;
    }
    dir_ = tmpl;
    const auto packed = qrxtest::RunCommand(
        {Env("QRX_CPACK", "cpack"), "--config", build + "/CPackConfig.cmake", "-G", "DEB", "-B", dir_}, 240000);
    if (packed.exitCode != 0) {
      setupError_ = "cpack failed:\n" + packed.out + packed.err;
      return;
    }
    const auto arch = qrxtest::RunCommand({"dpkg", "--print-architecture"});
    std::string machine = arch.out.substr(0, arch.out.find('\n'));
    deb_ = dir_ + "/qrx900_" + Env("QRX_VERSION") + "_" + machine + ".deb";
    if (!fs::is_regular_file(deb_)) {
      setupError_ = "cpack made no " + deb_ + ":\n" + packed.out;
      return;
    }
    root_ = dir_ + "/root";
    const auto unpacked = qrxtest::RunCommand({"dpkg-deb", "-x", deb_, root_});
    if (unpacked.exitCode != 0) setupError_ = "dpkg-deb -x failed:\n" + unpacked.err;
  }

  static void TearDownTestSuite() {
    if (!dir_.empty()) {
      std::error_code ignored;
      fs::remove_all(dir_, ignored);
    }
  }

  void SetUp() override { ASSERT_TRUE(setupError_.empty()) << setupError_; }

  static std::string Installed(const std::string& path) { return root_ + "/usr/" + path; }

  static inline std::string dir_, deb_, root_, setupError_;
};

TEST_F(Package, HoldsTheProgramsAndWhatTheDesktopAndTheOperatorNeed) {
  for (const char* exe : {"bin/qrx900", "bin/qrx900-sim"}) {
    struct stat st {};
    ASSERT_EQ(stat(Installed(exe).c_str(), &st), 0) << exe;
    EXPECT_TRUE(st.st_mode & S_IXOTH) << exe << " is not executable for everyone";
  }
  for (const char* file :
       {"share/applications/qrx900.desktop", "share/icons/hicolor/scalable/apps/qrx900.svg",
        "share/icons/hicolor/32x32/apps/qrx900.png", "share/man/man1/qrx900.1.gz", "share/man/man1/qrx900-sim.1.gz",
        "share/doc/qrx900/copyright", "share/doc/qrx900/changelog.gz"})
    EXPECT_TRUE(fs::is_regular_file(Installed(file))) << file;

  // The guide where the installed program looks for it, with its pictures.
  const fs::path guide = fs::weakly_canonical(fs::path(Installed("bin")) / kGuideRelativePath);
  ASSERT_TRUE(fs::is_regular_file(guide)) << guide;
  std::ifstream in(guide);
  std::stringstream html;
  html << in.rdbuf();
  const std::string text = html.str();
  const std::regex image("<img[^>]*src=\"([^\"]+)\"");
  int images = 0;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), image); it != std::sregex_iterator(); ++it, ++images)
    EXPECT_TRUE(fs::is_regular_file(guide.parent_path() / (*it)[1].str())) << (*it)[1].str();
  EXPECT_GT(images, 0);

  // The menu entry starts the installed program and names the installed icon.
  std::ifstream desktop(Installed("share/applications/qrx900.desktop"));
  std::stringstream entry;
  entry << desktop.rdbuf();
  EXPECT_NE(entry.str().find("\nExec=qrx900 "), std::string::npos) << entry.str();
  EXPECT_NE(entry.str().find("\nIcon=qrx900\n"), std::string::npos) << entry.str();
}

// The dependencies come from the binaries, so the libraries they link are
// named without anyone writing them down.
TEST_F(Package, DependsOnTheLibrariesTheBinariesLink) {
  const auto depends = qrxtest::RunCommand({"dpkg-deb", "-f", deb_, "Depends"});
  ASSERT_EQ(depends.exitCode, 0) << depends.err;
  std::vector<std::string> names;  // "libc6 (>= 2.34), libsnmp40 (>= 5.9)" -> libc6, libsnmp40
  std::stringstream list(depends.out);
  for (std::string item; std::getline(list, item, ',');) {
    std::stringstream words(item);
    std::string name;
    words >> name;
    names.push_back(name);
  }
  for (const char* package : {"libc6", "libstdc++6", "libqt6widgets6", "libqt6gui6", "libqt6core6", "libsnmp40"})
    EXPECT_NE(std::find(names.begin(), names.end(), package), names.end())
        << package << " missing from: " << depends.out;
}

TEST_F(Package, LintianFindsNoError) {
  const auto lintian = qrxtest::RunCommand({"lintian", "--fail-on", "error", deb_}, 120000);
  ASSERT_NE(lintian.exitCode, -1) << "lintian did not run (scripts/install-deps installs it)";
  EXPECT_EQ(lintian.exitCode, 0) << lintian.out << lintian.err;
}

TEST_F(Package, SimulatorRunsFromThePackage) {
  const auto help = qrxtest::RunCommand({Installed("bin/qrx900-sim"), "--help"});
  EXPECT_EQ(help.exitCode, 0) << help.err;
  EXPECT_NE(help.out.find("Usage: qrx900-sim"), std::string::npos) << help.out;
}

// The unpacked manager, headless, against the unpacked simulator: it starts,
// and its front panel reads the LEDs. The manager reports each new status
// text when asked to through Qt's logging rules.
TEST_F(Package, ManagerRunsFromThePackageToItsFirstLedRead) {
  qrxtest::SimProcess sim;
  sim.setExecutable(Installed("bin/qrx900-sim"));
  ASSERT_TRUE(sim.Start()) << sim.error();

  const fs::path work = fs::path(dir_) / "work";
  fs::create_directories(work / "velmar/bin");
  fs::create_directories(work / "velmar/Conf/MBF");
  std::ofstream(work / "keystore") << "[SOFTWARE\\Norvane\\Velmar5.1\\ExePath]\nPath=" << (work / "velmar/bin/").string()
                                   << "\n";
  std::ofstream(work / "velmar/Conf/MBF/127.0.0.1.cfg")
      << "[Program Information]\nAgentPort=" << sim.port()
      << "\nVersion=1\nSecurityModel=2\nSecurityLevel=0\nAuthProtocol=0\nPrivProtocol=0\n";

  int errPipe[2];
  ASSERT_EQ(pipe2(errPipe, O_CLOEXEC), 0);
  const std::vector<std::string> args{Installed("bin/qrx900"), "/I127.0.0.1",
                                      std::string("/R") + qrxtest::SimProcess::kReadCommunity,
                                      std::string("/W") + qrxtest::SimProcess::kWriteCommunity, "/v1"};
  auto argv = qrxtest::detail::Argv(args);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(errPipe[1], 2);
    if (chdir(work.c_str()) != 0) _exit(126);  // the engine-boots file goes here
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_LOGGING_RULES", "qrx900.status.info=true", 1);
    setenv("QRX_KEYSTORE", (work / "keystore").c_str(), 1);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(errPipe[1]);
  ASSERT_GT(pid, 0);

  std::string err;
  bool read = false, ended = false;
  const long long deadline = qrxtest::detail::NowMs() + 20000;
  while (!read && !ended && qrxtest::detail::NowMs() < deadline) {
    pollfd fd{errPipe[0], POLLIN, 0};
    if (poll(&fd, 1, 200) <= 0) continue;
    char buf[1024];
    const ssize_t got = ::read(errPipe[0], buf, sizeof buf);
    if (got <= 0) ended = true;
    else err.append(buf, static_cast<size_t>(got));
    read = err.find("qrx900.status: Get: Ok Request: Led Status. Receive at ") != std::string::npos;
  }
  const bool stillRunning = waitpid(pid, nullptr, WNOHANG) == 0;
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  close(errPipe[0]);
  EXPECT_TRUE(read) << "no LED read reported; the manager's standard error:\n" << err;
  EXPECT_TRUE(stillRunning || read) << err;
  EXPECT_TRUE(fs::is_regular_file(work / "KySNMP_PP_BootCounter"));
}

}  // namespace
