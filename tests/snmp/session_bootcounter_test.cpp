// The engine-boots counter file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "snmp/BootCounter.h"
#include "snmp/Messages.h"

namespace {

class BootCounterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/qrx-boots-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    path_ = dir_ + "/" + kBootCounterFileName;
  }
  void TearDown() override {
    unlink(path_.c_str());
    unlink((path_ + ".tmp").c_str());
    chmod(dir_.c_str(), 0700);
    rmdir(dir_.c_str());
  }
  void WriteFile(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
  std::string ReadFile() {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  std::string Ours() const { return EncodeBootEngineId(kLocalEngineId); }

  std::string dir_, path_;
};

TEST(BootCounterCoding, NibblesOr0x40HighFirst) {
  EXPECT_EQ(EncodeBootEngineId(std::string("\x00\x1a\xff", 3)), "@@AJOO");
  EXPECT_EQ(EncodeBootEngineId("K"), "DK");  // 0x4B
  EXPECT_EQ(EncodeBootEngineId(kLocalEngineId).size(), 42u);
}

TEST(BootCounterCoding, JoinPath) {
  EXPECT_EQ(JoinPath("", "F"), "F");
  EXPECT_EQ(JoinPath("a\\b\\", "F"), "a/b/F");
  EXPECT_EQ(JoinPath("a/b/", "F"), "a/b/F");
  EXPECT_EQ(JoinPath("a\\b", "F"), "a/b/F");
  EXPECT_EQ(JoinPath("/x", "F"), "/x/F");
}

TEST_F(BootCounterTest, FirstRunWritesOneThenTwo) {
  uint32_t boots = 99;
  EXPECT_EQ(GetBootCounter(path_, kLocalEngineId, boots), BootCounterResult::FileOpen);
  EXPECT_EQ(boots, 0u);
  EXPECT_EQ(AdvanceBootCounter(dir_), 1u);
  EXPECT_EQ(ReadFile(), Ours() + " 1\n");
  EXPECT_EQ(AdvanceBootCounter(dir_ + "/"), 2u);
  EXPECT_EQ(ReadFile(), Ours() + " 2\n");
  EXPECT_NE(access((path_ + ".tmp").c_str(), F_OK), 0) << "the temporary file is renamed away";
}

TEST_F(BootCounterTest, OtherLinesStayInPlace) {
  const std::string other = EncodeBootEngineId("other-engine");
  WriteFile("# boots of the engines\n" + other + " 17\n" + Ours() + " 41\n\n# end\n" + other + "X 3\n");
  EXPECT_EQ(AdvanceBootCounter(dir_), 42u);
  EXPECT_EQ(ReadFile(), "# boots of the engines\n" + other + " 17\n" + Ours() + " 42\n\n# end\n" + other + "X 3\n");
}

TEST_F(BootCounterTest, MissingLineIsAppended) {
  WriteFile("# only a comment");
  uint32_t boots = 5;
  EXPECT_EQ(GetBootCounter(path_, kLocalEngineId, boots), BootCounterResult::NoEntry);
  EXPECT_EQ(boots, 0u);
  EXPECT_EQ(AdvanceBootCounter(dir_), 1u);
  EXPECT_EQ(ReadFile(), "# only a comment\n" + Ours() + " 1\n");
}

TEST_F(BootCounterTest, SecondLineOfThisEngineIsDropped) {
  WriteFile(Ours() + " 7\n# between\n" + Ours() + " 100\n");
  uint32_t boots = 0;
  EXPECT_EQ(GetBootCounter(path_, kLocalEngineId, boots), BootCounterResult::Ok);
  EXPECT_EQ(boots, 7u) << "the first line counts";
  EXPECT_EQ(AdvanceBootCounter(dir_), 8u);
  EXPECT_EQ(ReadFile(), Ours() + " 8\n# between\n");
}

TEST_F(BootCounterTest, LongerEngineIdIsAnotherEngine) {
  const std::string longer = EncodeBootEngineId(std::string(kLocalEngineId) + "2");
  WriteFile(longer + " 9\n");
  uint32_t boots = 0;
  EXPECT_EQ(GetBootCounter(path_, kLocalEngineId, boots), BootCounterResult::NoEntry);
  EXPECT_EQ(AdvanceBootCounter(dir_), 1u);
  EXPECT_EQ(ReadFile(), longer + " 9\n" + Ours() + " 1\n");
}

TEST_F(BootCounterTest, LineWithoutSpaceIsALoadError) {
  WriteFile(Ours() + "\n");
  uint32_t boots = 0;
  EXPECT_LT(GetBootCounter(path_, kLocalEngineId, boots), BootCounterResult::FileOpen);
  try {
    AdvanceBootCounter(dir_);
    FAIL();
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -507);
    EXPECT_EQ(e.text(), "(KySNMP++) Error when loading SNMP engine boots counter!");
  }
  EXPECT_EQ(ReadFile(), Ours() + "\n") << "nothing is written after a load error";
}

TEST_F(BootCounterTest, TooLongEngineId) {
  uint32_t boots = 0;
  EXPECT_EQ(GetBootCounter(path_, std::string(33, 'x'), boots), BootCounterResult::TooLong);
  EXPECT_NE(SaveBootCounter(path_, std::string(33, 'x'), 1), 0);
}

TEST_F(BootCounterTest, UnwritableFolderIsASaveError) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
  chmod(dir_.c_str(), 0500);
  try {
    AdvanceBootCounter(dir_);
    FAIL();
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -508);
  }
}

TEST_F(BootCounterTest, FileThatCannotBeReplacedIsASaveError) {
  mkdir(path_.c_str(), 0700);  // a folder where the file should be: the rename fails
  EXPECT_NE(SaveBootCounter(path_, kLocalEngineId, 1), 0);
  EXPECT_NE(access((path_ + ".tmp").c_str(), F_OK), 0) << "no temporary file is left behind";
  try {
    AdvanceBootCounter(dir_);
    FAIL();
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -508);
    EXPECT_EQ(e.text(), "(KySNMP++) Error when saving SNMP engine boots counter!");
  }
  rmdir(path_.c_str());
}

TEST_F(BootCounterTest, CarriageReturnsAndHugeCounts) {
  WriteFile(Ours() + " 99999999999999\r\n");
  uint32_t boots = 0;
  EXPECT_EQ(GetBootCounter(path_, kLocalEngineId, boots), BootCounterResult::Ok);
  EXPECT_EQ(boots, kMaxEngineBoots);
  EXPECT_EQ(AdvanceBootCounter(dir_), kMaxEngineBoots) << "the count stops at its maximum";
}

}  // namespace
