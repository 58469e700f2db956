#include "platform/KeyStore.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qrx-keystore-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

// Sets an environment variable for the lifetime of the object and restores it.
class EnvVar {
 public:
  EnvVar(const char* name, const char* value) : name_(name) {
    if (const char* old = getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~EnvVar() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

class KeyStoreTest : public ::testing::Test {
 protected:
  TempFolder tmp;
  std::string storePath = tmp.File("sub/dir/keystore");
  KyKeyStore store{storePath};
};

TEST_F(KeyStoreTest, EveryByteStringSurvivesAWriteAndARead) {
  struct Case {
    const char* what;
    std::string name;
    std::string value;
  };
  const Case cases[] = {
      {"plain path", "Path", "/opt/velmar/bin/"},
      {"empty value", "Path", ""},
      {"leading and trailing blanks", "Path", "  two spaces before, a tab after\t"},
      {"percent signs and escapes", "Path", "%41 %% %zz 100%"},
      {"line breaks", "Path", "one\ntwo\r\nthree\r"},
      {"equal signs and brackets", "Path", "a=b [x] #y ;z"},
      {"NUL and high bytes", "Path", std::string("a\0b\xff\x80\x7f", 6)},
      {"value name with = and leading [", "[odd=name", "v"},
      {"value name that looks like a comment", "#name", "v"},
      {"value name with blanks", " spaced name ", "v"},
      {"OID as value name", "1.3.6.1.4.1.32473.10.63.8", "C:\\Host\\Modules\\module01.hlp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(store.WriteString("\\SOFTWARE\\Test", c.name, c.value));
    EXPECT_EQ(store.ReadString("\\SOFTWARE\\Test", c.name), c.value);
    // A second store on the same file sees the same.
    EXPECT_EQ(KyKeyStore(storePath).ReadString("\\SOFTWARE\\Test", c.name), c.value);
  }
}

TEST_F(KeyStoreTest, KeyAndValueNamesIgnoreCaseAndSeparatorForms) {
  ASSERT_TRUE(store.WriteString("\\SOFTWARE\\Norvane\\Velmar5.1\\ExePath", "Path", "/opt/v/"));
  EXPECT_EQ(store.ReadString("software\\norvane\\velmar5.1\\exepath", "PATH"), "/opt/v/");
  EXPECT_EQ(store.ReadString("SOFTWARE/Norvane/Velmar5.1/ExePath/", "path"), "/opt/v/");
  EXPECT_EQ(store.ReadString("\\\\SOFTWARE\\\\Norvane\\Velmar5.1\\ExePath", "Path"), "/opt/v/");
  EXPECT_EQ(store.ReadString("\\SOFTWARE\\Norvane\\Velmar5.1", "Path"), std::nullopt);
  EXPECT_EQ(store.ReadString("\\SOFTWARE\\Norvane\\Velmar5.1\\ExePathX", "Path"), std::nullopt);
  // Writing under another spelling replaces the one value.
  ASSERT_TRUE(store.WriteString("software\\norvane\\velmar5.1\\exepath", "PATH", "/new/"));
  EXPECT_EQ(store.ReadString("\\SOFTWARE\\Norvane\\Velmar5.1\\ExePath", "Path"), "/new/");
  const std::string content = ReadFile(storePath);
  EXPECT_EQ(content.find("/opt/v/"), std::string::npos);
  EXPECT_EQ(content.find("[software"), std::string::npos) << content;
}

TEST_F(KeyStoreTest, OpeningWithoutCreationNeverWrites) {
  EXPECT_FALSE(store.OpenKey("\\SOFTWARE\\Norvane\\Velmar5.1\\MibFile", false));
  EXPECT_FALSE(std::filesystem::exists(storePath));
  EXPECT_FALSE(store.KeyExists("\\SOFTWARE\\Norvane\\Velmar5.1\\MibFile"));
}

TEST_F(KeyStoreTest, OpeningWithCreationWritesTheKeyAndItsParentsExist) {
  ASSERT_TRUE(store.OpenKey("\\SOFTWARE\\Norvane\\Modules\\HelpPath", true));
  EXPECT_TRUE(std::filesystem::exists(storePath));
  EXPECT_NE(ReadFile(storePath).find("[SOFTWARE\\Norvane\\Modules\\HelpPath]"), std::string::npos);
  KyKeyStore again(storePath);
  EXPECT_TRUE(again.OpenKey("\\SOFTWARE\\Norvane\\Modules\\HelpPath", false));
  EXPECT_TRUE(again.KeyExists("\\SOFTWARE\\Norvane\\Modules"));
  EXPECT_TRUE(again.KeyExists("\\software"));
  EXPECT_FALSE(again.KeyExists("\\SOFTWARE\\Norv"));
  EXPECT_EQ(again.ReadString("\\SOFTWARE\\Norvane\\Modules\\HelpPath", "1.3.6.1.4.1.32473.10.63.8"), std::nullopt);
  // Opening it again with creation adds nothing.
  const std::string before = ReadFile(storePath);
  ASSERT_TRUE(again.OpenKey("\\SOFTWARE\\Norvane\\Modules\\HelpPath", true));
  EXPECT_EQ(ReadFile(storePath), before);
}

// The store may be a link into the host suite's own configuration, and it
// holds passwords: a write replaces the link's target, the link stays, the
// file keeps its permissions, and a key that is there is never written again.
TEST_F(KeyStoreTest, WritesFollowALinkAndKeepTheMode) {
  const std::string target = tmp.File("host-keys");
  WriteFile(target, "[SOFTWARE\\Norvane\\Modules\\HelpPath]\n1.3.6.1.4.1.32473.10.63.8=/opt/x/help01.hlp\n");
  ASSERT_EQ(chmod(target.c_str(), 0600), 0);
  std::filesystem::create_directories(tmp.File("sub/dir"));
  std::filesystem::create_symlink("../../host-keys", storePath);
  struct stat before {};
  ASSERT_EQ(stat(target.c_str(), &before), 0);

  ASSERT_TRUE(store.OpenKey("\\SOFTWARE\\Norvane\\Modules\\HelpPath", true));
  struct stat after {};
  ASSERT_EQ(stat(target.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino) << "a key that is there is not written again";
  EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);

  ASSERT_TRUE(store.WriteString("\\SOFTWARE\\Norvane\\Velmar5.1\\ExePath", "Path", "/opt/velmar/bin/"));
  EXPECT_TRUE(std::filesystem::is_symlink(storePath)) << "the link stays a link";
  EXPECT_EQ(store.ReadString("\\SOFTWARE\\Norvane\\Velmar5.1\\ExePath", "Path"), "/opt/velmar/bin/");
  EXPECT_NE(ReadFile(target).find("Path=/opt/velmar/bin/"), std::string::npos) << "the target was written";
  ASSERT_EQ(stat(target.c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 0777, 0600u);
  EXPECT_FALSE(std::filesystem::exists(target + ".tmp"));
  EXPECT_TRUE(store.DeleteValue("\\SOFTWARE\\Norvane\\Velmar5.1\\ExePath", "Path"));
  EXPECT_TRUE(std::filesystem::is_symlink(storePath));
  ASSERT_EQ(stat(target.c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 0777, 0600u);
}

TEST_F(KeyStoreTest, HandWrittenFileIsReadAndOtherLinesSurviveAWrite) {
  std::filesystem::create_directories(tmp.File("sub/dir"));
  const std::string original =
      "# written by the installer\r\n"
      "[SOFTWARE\\Norvane\\Velmar5.1\\ExePath]\r\n"
      "  Path =  /opt/velmar/bin/  \r\n"
      "; keep me\r\n"
      "some line the store does not understand\r\n"
      "\r\n"
      "[SOFTWARE\\Other]\r\n"
      "Name=Value\r\n";
  WriteFile(storePath, original);
  EXPECT_EQ(store.ReadString("\\SOFTWARE\\Norvane\\Velmar5.1\\ExePath", "Path"), "/opt/velmar/bin/");
  EXPECT_EQ(store.ReadString("\\SOFTWARE\\Other", "name"), "Value");

  ASSERT_TRUE(store.WriteString("\\SOFTWARE\\Norvane\\Velmar5.1\\ExePath", "Extra", "x"));
  ASSERT_TRUE(store.WriteString("\\SOFTWARE\\Other", "Name", "Changed"));
  const std::string content = ReadFile(storePath);
  for (const char* kept : {"# written by the installer\r\n", "  Path =  /opt/velmar/bin/  \r\n", "; keep me\r\n",
                           "some line the store does not understand\r\n", "[SOFTWARE\\Other]\r\n"})
    EXPECT_NE(content.find(kept), std::string::npos) << kept;
  EXPECT_EQ(content.find("Name=Value"), std::string::npos);
  // The new value went into its key, not somewhere else.
  EXPECT_LT(content.find("Extra=x"), content.find("[SOFTWARE\\Other]"));
  EXPECT_EQ(store.ReadString("\\SOFTWARE\\Norvane\\Velmar5.1\\ExePath", "Extra"), "x");
  EXPECT_EQ(store.ReadString("\\SOFTWARE\\Other", "Name"), "Changed");
  EXPECT_EQ(store.ReadString("\\SOFTWARE\\Norvane\\Velmar5.1\\ExePath", "Path"), "/opt/velmar/bin/");
}

TEST_F(KeyStoreTest, DeleteValueRemovesOnlyThatValue) {
  ASSERT_TRUE(store.WriteString("\\K", "a", "1"));
  ASSERT_TRUE(store.WriteString("\\K", "b", "2"));
  EXPECT_TRUE(store.DeleteValue("\\K", "A"));
  EXPECT_EQ(store.ReadString("\\K", "a"), std::nullopt);
  EXPECT_EQ(store.ReadString("\\K", "b"), "2");
  EXPECT_TRUE(store.KeyExists("\\K"));
  EXPECT_FALSE(store.DeleteValue("\\K", "a"));
}

TEST_F(KeyStoreTest, AStoreThatCannotBeReadIsNeverOverwritten) {
  // A folder where the file should be.
  std::filesystem::create_directories(storePath);
  EXPECT_FALSE(store.OpenKey("\\SOFTWARE\\X", true));
  EXPECT_FALSE(store.WriteString("\\SOFTWARE\\X", "a", "b"));
  EXPECT_EQ(store.ReadString("\\SOFTWARE\\X", "a"), std::nullopt);
  EXPECT_TRUE(std::filesystem::is_directory(storePath));

  // A file that is not readable keeps its content (root reads everything).
  if (geteuid() != 0) {
    const std::string locked = tmp.File("locked");
    WriteFile(locked, "[SOFTWARE\\X]\na=precious\n");
    ASSERT_EQ(chmod(locked.c_str(), 0200), 0);
    KyKeyStore lockedStore(locked);
    EXPECT_FALSE(lockedStore.WriteString("\\SOFTWARE\\X", "a", "b"));
    ASSERT_EQ(chmod(locked.c_str(), 0600), 0);
    EXPECT_EQ(ReadFile(locked), "[SOFTWARE\\X]\na=precious\n");
  }
}

TEST_F(KeyStoreTest, MalformedLinesAreSkipped) {
  std::filesystem::create_directories(tmp.File("sub/dir"));
  WriteFile(storePath,
            "value before any key=1\n[unterminated\n[K]\nno equal sign\n=empty name\n%zz=%4\n[]\nx=y");
  EXPECT_EQ(store.ReadString("\\K", ""), "empty name");
  EXPECT_EQ(store.ReadString("\\K", "%zz"), "%4");
  EXPECT_EQ(store.ReadString("\\K", "value before any key"), std::nullopt);
  EXPECT_EQ(store.ReadString("", "x"), "y");
}

TEST(KeyStorePath, EnvironmentChoosesTheFile) {
  {
    EnvVar store("QRX_KEYSTORE", "/some/where/keys");
    EnvVar xdg("XDG_CONFIG_HOME", "/xdg");
    EXPECT_EQ(DefaultKeyStorePath(), "/some/where/keys");
    EXPECT_EQ(KyKeyStore::Default().path(), "/some/where/keys");
  }
  {
    EnvVar store("QRX_KEYSTORE", "");
    EnvVar xdg("XDG_CONFIG_HOME", "/xdg");
    EXPECT_EQ(DefaultKeyStorePath(), "/xdg/qrx900/keystore");
  }
  {
    EnvVar store("QRX_KEYSTORE", nullptr);
    EnvVar xdg("XDG_CONFIG_HOME", "relative/ignored");
    EnvVar home("HOME", "/home/op");
    EXPECT_EQ(DefaultKeyStorePath(), "/home/op/.config/qrx900/keystore");
  }
  {
    EnvVar store("QRX_KEYSTORE", nullptr);
    EnvVar xdg("XDG_CONFIG_HOME", nullptr);
    EnvVar home("HOME", "/home/op");
    EXPECT_EQ(DefaultKeyStorePath(), "/home/op/.config/qrx900/keystore");
  }
}

}  // namespace
