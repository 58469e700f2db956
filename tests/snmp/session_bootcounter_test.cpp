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

// A file as found, what reading it gives, and the file after one start.
TEST_F(BootCounterTest, ReadAndCountedUpFromTheFileAsFound) {
  const std::string other = EncodeBootEngineId("other-engine");
  const std::string longer = EncodeBootEngineId(std::string(kLocalEngineId) + "2");
  const std::string max = std::to_string(kMaxEngineBoots);
  const struct Case {
    const char* what;
    std::string before;
    int read;
    uint32_t boots;
    uint32_t advanced;
    std::string after;
  } cases[] = {
      {"other lines stay in place",
       "# boots of the engines\n" + other + " 17\n" + Ours() + " 41\n\n# end\n" + other + "X 3\n",
       BootCounterResult::Ok, 41, 42,
       "# boots of the engines\n" + other + " 17\n" + Ours() + " 42\n\n# end\n" + other + "X 3\n"},
      {"a missing line is appended", "# only a comment", BootCounterResult::NoEntry, 0, 1,
       "# only a comment\n" + Ours() + " 1\n"},
      {"the first line of this engine counts, a second is dropped", Ours() + " 7\n# between\n" + Ours() + " 100\n",
       BootCounterResult::Ok, 7, 8, Ours() + " 8\n# between\n"},
      {"a longer engine ID is another engine", longer + " 9\n", BootCounterResult::NoEntry, 0, 1,
       longer + " 9\n" + Ours() + " 1\n"},
      {"carriage return and a count beyond the maximum", Ours() + " 99999999999999\r\n", BootCounterResult::Ok,
       kMaxEngineBoots, kMaxEngineBoots, Ours() + " " + max + "\n"},
      {"blanks around the count", Ours() + " \t 5 \n", BootCounterResult::Ok, 5, 6, Ours() + " 6\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteFile(c.before);
    uint32_t boots = 12345;
    EXPECT_EQ(GetBootCounter(path_, kLocalEngineId, boots), c.read);
    EXPECT_EQ(boots, c.boots);
    EXPECT_EQ(AdvanceBootCounter(dir_), c.advanced);
    EXPECT_EQ(ReadFile(), c.after);
    unlink(path_.c_str());
  }
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

// A folder in which the file cannot be made: its path runs through a regular
// file, which nobody can write under, root included.
TEST_F(BootCounterTest, UnwritableFolderIsASaveError) {
  const std::string file = dir_ + "/plain-file";
  std::ofstream(file) << "not a folder\n";
  const std::string folder = file + "/boots";
  uint32_t boots = 7;
  EXPECT_EQ(GetBootCounter(JoinPath(folder, kBootCounterFileName), kLocalEngineId, boots),
            BootCounterResult::FileOpen);
  EXPECT_EQ(boots, 0u);
  try {
    AdvanceBootCounter(folder);
    ADD_FAILURE() << "no error";
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -508);
    EXPECT_EQ(e.text(), "(KySNMP++) Error when saving SNMP engine boots counter!");
  }
  EXPECT_EQ(unlink(file.c_str()), 0) << "the file is still a plain file";
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

// What reading, saving and counting up make of the file in place.
struct Outcome {
  int read = 0;
  int save = 0;
  int code = 0;  // of the exception AdvanceBootCounter raised, 0 for none
  std::string text;
};

// SaveBootCounter is tried only where the file cannot be read at all: a
// damaged line is no reason for it to refuse (AdvanceBootCounter refuses).
Outcome Observe(const std::string& dir, const std::string& path, bool trySave) {
  Outcome o;
  uint32_t boots = 0;
  o.read = GetBootCounter(path, kLocalEngineId, boots);
  if (trySave) o.save = SaveBootCounter(path, kLocalEngineId, 1);
  try {
    AdvanceBootCounter(dir);
  } catch (const KySNMPException& e) {
    o.code = e.code();
    o.text = e.text();
  }
  return o;
}

// The same as a user without root's rights over files, in a child process
// (root opens any file whatever its mode).
Outcome ObserveAsNobody(const std::string& dir, const std::string& path) {
  int fds[2];
  if (pipe(fds) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
    const Outcome o = Observe(dir, path, true);
    const std::string out = std::to_string(o.read) + " " + std::to_string(o.save) + " " + std::to_string(o.code) +
                            "\n" + o.text;
    _exit(write(fds[1], out.data(), out.size()) == static_cast<ssize_t>(out.size()) ? 0 : 2);
  }
  close(fds[1]);
  std::string text;
  char buf[512];
  for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) text.append(buf, static_cast<size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child gave no outcome";
  Outcome o;
  std::istringstream in(text);
  in >> o.read >> o.save >> o.code;
  in.ignore(1);
  std::getline(in, o.text, '\0');
  return o;
}

// A file that is there but cannot be read, or whose line for this engine is
// damaged, is never replaced: other engines' lines and this engine's count
// would be lost, and a count started again at 1 is a replay to the agents.
TEST_F(BootCounterTest, DamagedOrUnreadableFileIsALoadErrorAndStaysAsItIs) {
  const std::string other = EncodeBootEngineId("other-engine") + " 17\n";
  enum class Put { File, Folder, LinkToItself };
  struct Case {
    const char* what;
    std::string content;
    mode_t mode;
    Put put;  // what stands where the file should be
  } cases[] = {
      {"count is no number", other + Ours() + " many\n", 0600, Put::File},
      {"count is missing", other + Ours() + " \n", 0600, Put::File},
      {"count followed by garbage", other + Ours() + " 12x\n", 0600, Put::File},
      {"cannot be read", other + Ours() + " 12\n", 0000, Put::File},
      {"a folder in its place", "", 0700, Put::Folder},
      {"a link to itself in its place", "", 0, Put::LinkToItself},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    switch (c.put) {
      case Put::File:
        WriteFile(c.content);
        chmod(path_.c_str(), c.mode);
        break;
      case Put::Folder: ASSERT_EQ(mkdir(path_.c_str(), c.mode), 0); break;
      case Put::LinkToItself: ASSERT_EQ(symlink(path_.c_str(), path_.c_str()), 0); break;
    }
    const bool unreadable = c.mode == 0000 || c.put != Put::File;
    Outcome o;
    if (c.mode == 0000 && c.put == Put::File && geteuid() == 0) {
      chmod(dir_.c_str(), 0755);  // the other user reaches the folder, not the file
      o = ObserveAsNobody(dir_, path_);
      chmod(dir_.c_str(), 0700);
    } else {
      o = Observe(dir_, path_, unreadable);
    }
    EXPECT_LT(o.read, BootCounterResult::FileOpen);
    if (unreadable) {
      EXPECT_NE(o.save, 0) << "not overwritten";
    }
    EXPECT_EQ(o.code, -507);
    EXPECT_EQ(o.text, "(KySNMP++) Error when loading SNMP engine boots counter!");
    struct stat st {};
    switch (c.put) {
      case Put::File:
        chmod(path_.c_str(), 0600);
        EXPECT_EQ(ReadFile(), c.content);
        unlink(path_.c_str());
        break;
      case Put::Folder:
        EXPECT_TRUE(lstat(path_.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
        rmdir(path_.c_str());
        break;
      case Put::LinkToItself:
        EXPECT_TRUE(lstat(path_.c_str(), &st) == 0 && S_ISLNK(st.st_mode));
        unlink(path_.c_str());
        break;
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

}  // namespace
