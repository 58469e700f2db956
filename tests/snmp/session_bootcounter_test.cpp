// The engine-boots counter file.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <vector>
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
    chmod(path_.c_str(), 0600);
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
  const std::string target = path_ + ".real";
  {
    std::ofstream(target) << Ours() << " 4\n";
  }
  ASSERT_EQ(symlink(target.c_str(), path_.c_str()), 0);
  // The temporary file's place is taken by a folder: nothing can be written.
  mkdir((path_ + ".tmp").c_str(), 0700);
  EXPECT_NE(SaveBootCounter(path_, kLocalEngineId, 1), 0);
  try {
    AdvanceBootCounter(dir_);
    FAIL();
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -508);
    EXPECT_EQ(e.text(), "(KySNMP++) Error when saving SNMP engine boots counter!");
  }
  rmdir((path_ + ".tmp").c_str());
  unlink(target.c_str());
}

// A file that is there but cannot be read, or whose line for this engine is
// damaged, is never replaced: other engines' lines and this engine's count
// would be lost, and a count started again at 1 is a replay to the agents.
TEST_F(BootCounterTest, DamagedOrUnreadableFileIsALoadErrorAndStaysAsItIs) {
  const std::string other = EncodeBootEngineId("other-engine") + " 17\n";
  struct Case {
    const char* what;
    std::string content;
    mode_t mode;
    bool folder;  // a folder where the file should be
  } cases[] = {
      {"count is no number", other + Ours() + " many\n", 0600, false},
      {"count is missing", other + Ours() + " \n", 0600, false},
      {"count followed by garbage", other + Ours() + " 12x\n", 0600, false},
      {"cannot be read", other + Ours() + " 12\n", 0000, false},
      {"a folder in its place", "", 0700, true},
  };
  for (const Case& c : cases) {
    if (c.mode == 0000 && geteuid() == 0) continue;  // root reads anything
    if (c.folder) {
      mkdir(path_.c_str(), c.mode);
    } else {
      WriteFile(c.content);
      chmod(path_.c_str(), c.mode);
    }
    uint32_t boots = 0;
    EXPECT_LT(GetBootCounter(path_, kLocalEngineId, boots), BootCounterResult::FileOpen) << c.what;
    if (c.mode == 0000 || c.folder) {
      EXPECT_NE(SaveBootCounter(path_, kLocalEngineId, 1), 0) << c.what << ": not overwritten";
    }
    try {
      AdvanceBootCounter(dir_);
      ADD_FAILURE() << c.what;
    } catch (const KySNMPException& e) {
      EXPECT_EQ(e.code(), -507) << c.what;
      EXPECT_EQ(e.text(), "(KySNMP++) Error when loading SNMP engine boots counter!");
    }
    if (c.folder) {
      struct stat st {};
      EXPECT_TRUE(stat(path_.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) << c.what;
      rmdir(path_.c_str());
    } else {
      chmod(path_.c_str(), 0600);
      EXPECT_EQ(ReadFile(), c.content) << c.what;
      unlink(path_.c_str());
    }
  }
}

TEST_F(BootCounterTest, WriteKeepsTheFileMode) {
  WriteFile(Ours() + " 3\n");
  chmod(path_.c_str(), 0600);
  EXPECT_EQ(AdvanceBootCounter(dir_), 4u);
  struct stat st {};
  ASSERT_EQ(stat(path_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

// Programs started together: each gets a count of its own, none is lost.
TEST_F(BootCounterTest, ConcurrentStartsEachGetTheirOwnCount) {
  WriteFile("# shared\n" + Ours() + " 100\n");
  constexpr int kProcesses = 6, kRounds = 15;
  int pipes[2];
  ASSERT_EQ(pipe(pipes), 0);
  std::vector<pid_t> children;
  for (int p = 0; p < kProcesses; ++p) {
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      close(pipes[0]);
      for (int i = 0; i < kRounds; ++i) {
        uint32_t got = 0;
        try {
          got = AdvanceBootCounter(dir_);
        } catch (...) {
          got = 0;
        }
        if (write(pipes[1], &got, sizeof got) != sizeof got) _exit(2);
      }
      _exit(0);
    }
    children.push_back(pid);
  }
  close(pipes[1]);
  std::vector<uint32_t> counts;
  uint32_t got = 0;
  while (read(pipes[0], &got, sizeof got) == sizeof got) counts.push_back(got);
  close(pipes[0]);
  for (pid_t pid : children) {
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  std::sort(counts.begin(), counts.end());
  std::vector<uint32_t> expected;
  for (uint32_t i = 101; i <= 100 + kProcesses * kRounds; ++i) expected.push_back(i);
  EXPECT_EQ(counts, expected) << "every start has its own count";
  EXPECT_EQ(ReadFile(), "# shared\n" + Ours() + " " + std::to_string(100 + kProcesses * kRounds) + "\n");
}

TEST_F(BootCounterTest, CarriageReturnsAndHugeCounts) {
  WriteFile(Ours() + " 99999999999999\r\n");
  uint32_t boots = 0;
  EXPECT_EQ(GetBootCounter(path_, kLocalEngineId, boots), BootCounterResult::Ok);
  EXPECT_EQ(boots, kMaxEngineBoots);
  EXPECT_EQ(AdvanceBootCounter(dir_), kMaxEngineBoots) << "the count stops at its maximum";
}

}  // namespace
