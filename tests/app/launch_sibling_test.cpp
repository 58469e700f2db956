// Sibling modules: the command line and the start without a shell.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "app/LaunchParameters.h"

namespace {

LaunchTexts CommunityTexts() {
  LaunchTexts t;
  t.agent = "192.0.2.10";
  t.readCommunity = "public";
  t.writeCommunity = "private";
  t.version = "1";
  t.port = "161";
  t.securityName = "ignored";
  return t;
}

LaunchTexts V3Texts() {
  LaunchTexts t;
  t.agent = "192.0.2.10";
  t.readCommunity = "public";
  t.writeCommunity = "private";
  t.port = "1161";
  t.version = "3";
  t.contextEngineId = "8000";
  t.securityModel = "3";
  t.securityName = "admin";
  t.securityLevel = "3";
  t.authProtocol = "2";
  t.privProtocol = "2";
  t.authPassword = "authpass";
  t.privPassword = "privpass";
  t.contextName = "ctx";
  return t;
}

TEST(SiblingCommandLineTest, CommunityAndV3Forms) {
  struct Case {
    const char* what;
    LaunchTexts texts;
    const char* page;
    const char* expected;
  };
  LaunchTexts v3Empty;
  v3Empty.agent = "sw1";
  v3Empty.version = "3";
  LaunchTexts notExactly3 = V3Texts();
  notExactly3.version = "03";
  LaunchTexts noVersion = V3Texts();
  noVersion.version = "";  // "/v3" on the command line alone never sets the text
  const Case cases[] = {
      {"community form", CommunityTexts(), "/TMIB_Info", "MIB /I192.0.2.10 /Rpublic /Wprivate /TMIB_Info"},
      {"v3 form", V3Texts(), "/TRMON_Statistics",
       "RMON /I192.0.2.10 /t1161 /v3 /d8000 /m3 /nadmin /l3 /a2 /p2 /Aauthpass /Pprivpass /cctx /TRMON_Statistics"},
      {"v3 form with empty texts", v3Empty, "/TMIB_Info", "MIB /Isw1 /t /v3 /d /m /n /l /a /p /A /P /c /TMIB_Info"},
      {"version text other than 3", notExactly3, "/TMIB_Info", "MIB /I192.0.2.10 /Rpublic /Wprivate /TMIB_Info"},
      {"no version text", noVersion, "/TMIB_Info", "MIB /I192.0.2.10 /Rpublic /Wprivate /TMIB_Info"},
      {"empty texts", LaunchTexts{}, "/TMIB_Info", "MIB /I /R /W /TMIB_Info"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SiblingCommandLine(c.texts, c.page), c.expected);
  }
}

TEST(SiblingCommandLineTest, ExecutableComesFromThePageSwitch) {
  EXPECT_EQ(SiblingExecutable("/TMIB_Info"), "MIB");
  EXPECT_EQ(SiblingExecutable("/TRMON_Statistics_History"), "RMON");
  EXPECT_EQ(SiblingExecutable("/TNoUnderscore"), "NoUnderscore");
  EXPECT_EQ(SiblingExecutable("/T_Info"), "");
  EXPECT_EQ(SiblingExecutable("/T"), "");
  EXPECT_EQ(SiblingExecutable(""), "");
}

TEST(SiblingCommandLineTest, ArgumentsArePiecesOfTheSameCommand) {
  const LaunchTexts t = V3Texts();
  const std::vector<std::string> expected = {"/I192.0.2.10", "/t1161",     "/v3",       "/d8000",
                                             "/m3",          "/nadmin",    "/l3",       "/a2",
                                             "/p2",          "/Aauthpass", "/Pprivpass", "/cctx",
                                             "/TMIB_Info"};
  EXPECT_EQ(SiblingArguments(t, "/TMIB_Info"), expected);
  std::vector<std::string> withExtra = expected;
  withExtra.push_back("extra text");
  EXPECT_EQ(SiblingArguments(t, "/TMIB_Info", "extra text"), withExtra);

  // Joined with blanks, the arguments are the command line.
  std::string joined = "MIB";
  for (const std::string& a : SiblingArguments(CommunityTexts(), "/TMIB_Info")) joined += " " + a;
  EXPECT_EQ(joined, SiblingCommandLine(CommunityTexts(), "/TMIB_Info"));
}

// A sibling module that writes its arguments, each ended by a NUL byte, to $QRX_PROBE_OUT.
const char* const kProbeScript =
    "#!/bin/sh\n"
    "out=\"$QRX_PROBE_OUT\"\n"
    ": > \"$out.part\"\n"
    "for a in \"$@\"; do printf '%s\\000' \"$a\" >> \"$out.part\"; done\n"
    "mv \"$out.part\" \"$out\"\n";

class SiblingStartTest : public ::testing::Test {
 protected:
  SiblingStartTest() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qrx-sibling-XXXXXX").string();
    if (mkdtemp(pattern.data())) folder_ = pattern;
    std::filesystem::create_directories(folder_ + "/bin");
    const std::string probe = folder_ + "/bin/QrxProbeSibling";
    std::ofstream(probe, std::ios::binary) << kProbeScript;
    chmod(probe.c_str(), 0755);
    if (const char* path = getenv("PATH")) oldPath_ = path;
    setenv("PATH", (folder_ + "/bin:" + oldPath_.value_or("/usr/bin:/bin")).c_str(), 1);
    setenv("QRX_PROBE_OUT", Out().c_str(), 1);
  }
  ~SiblingStartTest() override {
    if (oldPath_)
      setenv("PATH", oldPath_->c_str(), 1);
    else
      unsetenv("PATH");
    unsetenv("QRX_PROBE_OUT");
    std::error_code ec;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
  }
  std::string Out() const { return folder_ + "/argv.out"; }

  // The arguments the sibling received.
  std::optional<std::vector<std::string>> Received() const {
    // Not a measurement: only a guard so that a sibling that never runs cannot hang the test.
    for (int i = 0; i < 3000; ++i) {
      if (std::filesystem::exists(Out())) {
        std::ifstream in(Out(), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        const std::string content = s.str();
        std::vector<std::string> args;
        std::size_t start = 0;
        for (std::size_t nul; (nul = content.find('\0', start)) != std::string::npos; start = nul + 1)
          args.push_back(content.substr(start, nul - start));
        return args;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return std::nullopt;
  }

  std::string folder_;
  std::optional<std::string> oldPath_;
};

TEST_F(SiblingStartTest, HostileTextsReachTheSiblingAsOneLiteralArgumentEach) {
  const std::string marker = folder_ + "/injected";
  LaunchTexts t = V3Texts();
  t.agent = "192.0.2.10 ; touch " + marker;
  t.securityName = "admin user";
  t.authPassword = "pa ss$(touch " + marker + ")";
  t.privPassword = "`touch " + marker + "` && echo \"x\" | cat > " + marker;
  t.contextName = "";
  t.contextEngineId = "'*?[]~\\\n";
  ASSERT_TRUE(StartSiblingModule(t, "/TQrxProbeSibling_Info"));
  const auto received = Received();
  ASSERT_TRUE(received.has_value());
  EXPECT_EQ(*received, SiblingArguments(t, "/TQrxProbeSibling_Info"));
  EXPECT_EQ(received->front(), "/I192.0.2.10 ; touch " + marker);
  EXPECT_FALSE(std::filesystem::exists(marker));
}

TEST_F(SiblingStartTest, CommunityFormIsStartedToo) {
  LaunchTexts t = CommunityTexts();
  t.readCommunity = "read community";
  ASSERT_TRUE(StartSiblingModule(t, "/TQrxProbeSibling_Ports"));
  const auto received = Received();
  ASSERT_TRUE(received.has_value());
  EXPECT_EQ(*received,
            (std::vector<std::string>{"/I192.0.2.10", "/Rread community", "/Wprivate", "/TQrxProbeSibling_Ports"}));
}

TEST_F(SiblingStartTest, MissingOrUnsafeSiblingStartsNothingAndRaisesNothing) {
  EXPECT_FALSE(StartSiblingModule(V3Texts(), "/TQrxNoSuchSibling_Info"));
  EXPECT_FALSE(StartSiblingModule(V3Texts(), "/T_Info"));
  EXPECT_FALSE(StartSiblingModule(V3Texts(), ""));
  // A page naming a path is never taken as a program to run.
  EXPECT_FALSE(StartSiblingModule(V3Texts(), "/T" + folder_ + "/bin/QrxProbeSibling_Info"));
  EXPECT_FALSE(std::filesystem::exists(Out()));
}

}  // namespace
