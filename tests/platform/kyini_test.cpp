#include "platform/KyIni.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace {

class KyIniTest : public ::testing::Test {
 protected:
  KyIniTest() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qrx-ini-XXXXXX").string();
    if (mkdtemp(pattern.data())) folder_ = pattern;
  }
  ~KyIniTest() override {
    std::error_code ec;
    if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
  }
  std::string Write(const std::string& content, const std::string& name = "device.cfg") {
    const std::string path = folder_ + "/" + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  std::string folder_;
};

const char* const kProfile =
    "; device profile\r\n"
    "[Other]\r\n"
    "AgentPort=1\r\n"
    "\r\n"
    "[ program information ]\r\n"
    "  AgentPort   =   1161   \r\n"
    "Version=3\r\n"
    "SecurityName=\t user one \t\r\n"
    "AuthPassword=\"  quoted secret  \"\r\n"
    "PrivPassword='single'\r\n"
    "ContextName=\"unbalanced\r\n"
    "ContextEngineID=\"\r\n"
    "Empty=\r\n"
    "NoEqualSign\r\n"
    ";SecurityModel=3\r\n"
    "version=2\r\n"
    "Control=\x01\x02value\x03\r\n"
    "Tail=a=b=c\r\n"
    "High=\xe4\xf6\xfc\r\n"
    "[Program Information]\r\n"
    "SecurityModel=3\r\n";

TEST_F(KyIniTest, ReadsValuesWithTheProfileRules) {
  const KyIni ini(Write(kProfile));
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"Program Information", "AgentPort", "1161"},       // blanks around key and value
      {"PROGRAM INFORMATION", "agentport", "1161"},       // names without regard to case
      {"Other", "AgentPort", "1"},                        // the section decides
      {"Program Information", "Version", "3"},            // the first of two equal keys
      {"Program Information", "SecurityName", "user one"},
      {"Program Information", "AuthPassword", "quoted secret"},  // quotes go, then the blanks inside
      {"Program Information", "PrivPassword", "single"},
      {"Program Information", "ContextName", "\"unbalanced"},
      {"Program Information", "ContextEngineID", "\""},
      {"Program Information", "Empty", "dflt"},          // no characters: the default
      {"Program Information", "NoEqualSign", "dflt"},
      {"Program Information", ";SecurityModel", "dflt"},  // a comment, not a key
      {"Program Information", "SecurityModel", "dflt"},   // only the first section of a name counts
      {"Program Information", "Control", "value"},         // control characters trimmed
      {"Program Information", "Tail", "a=b=c"},
      {"Program Information", "High", "\xe4\xf6\xfc"},      // bytes unchanged
      {"Program Information", "Missing", "dflt"},
      {"Missing Section", "AgentPort", "dflt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    EXPECT_EQ(ini.ReadString(c.section, c.key, "dflt"), c.expected);
  }
}

TEST_F(KyIniTest, MissingFileGivesTheDefault) {
  EXPECT_EQ(KyIni(folder_ + "/absent.cfg").ReadString("Program Information", "AgentPort", ""), "");
  EXPECT_EQ(KyIni(folder_ + "/absent.cfg").ReadString("Program Information", "AgentPort", "x"), "x");
  EXPECT_EQ(KyIni(folder_).ReadString("Program Information", "AgentPort", "folder"), "folder");
}

// A FIFO with no writer would block the open for ever; it reads as missing.
TEST_F(KyIniTest, FifoReadsAsMissingWithoutBlocking) {
  const std::string fifo = folder_ + "/fifo.cfg";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(KyIni(fifo).ReadString("Program Information", "AgentPort", "none"), "none");
}

TEST_F(KyIniTest, ValuesAreCutToTheBuffer) {
  const std::string longValue(5000, 'v');
  const KyIni ini(Write("[S]\nLong=" + longValue + "\nFits=" + std::string(4095, 'f') +
                        "\nCutBeforeBlank=" + std::string(4094, 'c') + " z\n"));
  EXPECT_EQ(ini.ReadString("S", "Long", ""), std::string(kIniBufferSize - 1, 'v'));
  EXPECT_EQ(ini.ReadString("S", "Fits", ""), std::string(4095, 'f'));
  // The cut comes first, then the trimming.
  EXPECT_EQ(ini.ReadString("S", "CutBeforeBlank", ""), std::string(4094, 'c'));
}

TEST_F(KyIniTest, PlatformLookupKeepsInnerControlCharactersAndHonoursTheBufferSize) {
  const std::string path = Write("[S]\nK=\x01 abc \x01\n");
  EXPECT_EQ(PrivateProfileString("S", "K", "", path), "\x01 abc \x01");
  EXPECT_EQ(PrivateProfileString("S", "K", "", path, 3), "\x01 ");
  EXPECT_EQ(PrivateProfileString("S", "Missing", "def  ", path), "def");
  EXPECT_EQ(PrivateProfileString("S", "K", "", path, 0), "");
}

TEST_F(KyIniTest, BinaryGarbageNeitherCrashesNorInventsValues) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage.push_back(static_cast<char>((i * 131 + 7) & 0xFF));
  const KyIni ini(Write(garbage + "\n[S]\nK=ok\n" + garbage));
  EXPECT_EQ(ini.ReadString("S", "K", ""), "ok");
  EXPECT_EQ(ini.ReadString("S", "Nothing", ""), "");
}

TEST(FileExistsTest, FilesOnly) {
  EXPECT_FALSE(FileExists(""));
  EXPECT_FALSE(FileExists("/nonexistent/qrx/file"));
  EXPECT_FALSE(FileExists(std::filesystem::temp_directory_path().string()));
  EXPECT_TRUE(FileExists("/proc/self/exe"));
}

}  // namespace
