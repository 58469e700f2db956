#include <gtest/gtest.h>

#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "snmp/Messages.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Every test starts and ends with the built-in texts and has a scratch folder.
class MessagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMessageTables();
    char pattern[] = "/tmp/qrx_messages_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    ResetMessageTables();
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  std::string Write(const std::string& name, const std::string& content) {
    const fs::path p = dir_ / name;
    fs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return p.string();
  }
  static Lines Current(const KyMessageTable& table) {
    Lines lines;
    for (std::size_t i = 0; i < table.BuiltInCount(); ++i) lines.push_back(table.Text(i));
    return lines;
  }
  fs::path dir_;
};

std::string Numbered(const std::string& stem, int count) {
  std::string s;
  for (int i = 0; i < count; ++i) s += stem + std::to_string(i) + "\n";
  return s;
}

// ---------------------------------------------------------------------------
// Built-in catalogue.

TEST_F(MessagesTest, TablesHaveTheirEntryCounts) {
  EXPECT_EQ(CommonMessages.BuiltInCount(), 19u);
  EXPECT_EQ(SnmpMessages.BuiltInCount(), 18u);
  EXPECT_EQ(SnmpV3Messages.BuiltInCount(), 17u);
  EXPECT_EQ(UsmMessages.BuiltInCount(), 14u);
  EXPECT_EQ(SnmpClassMessages.BuiltInCount(), 23u);
  EXPECT_EQ(KySnmpMessages.BuiltInCount(), 29u);
  EXPECT_EQ(StatusTemplates.BuiltInCount(), 2u);
}

TEST_F(MessagesTest, CodeGivesTheTextOfItsEntry) {
  const struct {
    int32_t code;
    const char* text;
  } cases[] = {
      {0, "Ok"},
      {-1, "Bad logic operand!"},
      {-4, "Please enter a string whose length is less than [MAXLEN]!"},
      {-9, "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
           "Here,the count of the number is less than [MAXCOUNT]!"},
      {-18, "Fail to read option data from file([FILENAME])!"},
      {-19, "(KySNMP++) Unknown error code!"},
      {-101, "(SNMP) Response PDU Too Big!"},
      {-118, "(SNMP) Cannot create variable, Inconsistent Name!"},
      {-201, "(SNMPv3) Unsupported Security Model!"},
      {-217, "(SNMPv3) Report sent!"},
      {-301, "(SNMPv3USM) error!"},
      {-314, "(SNMPv3USM) Address error!"},
      {-401, "(SNMPClass) Operation failed!"},
      {-420, "(SNMP Class) Transport is not supported!"},
      {-423, "(SNMPClass) Blocked Mode Shutdown!"},
      {-501, "(KySNMP++) Fail to read SNMP variables from file([FILENAME])!"},
      {-506, "(KySNMP++) Cannot create the global KySNMP++ session!"},
      {-510, "(KySNMP++) Can't send get-next command for a SNMP variable list with single value!"},
      {-528, "(KySNMP++) Unknown error code!"},
      {-529, "(KySNMP++) Unknown error code!"},
      {-100, "(KySNMP++) Unknown error code!"},
      {5, "(KySNMP++) Unknown error code!"},
      {INT32_MIN, "(KySNMP++) Unknown error code!"},
  };
  for (const auto& c : cases) EXPECT_EQ(MessageText(c.code), c.text) << "code " << c.code;
  EXPECT_EQ(CommonMessages.Text(0), "Ok!");
  EXPECT_EQ(StatusTemplates.Text(kGetStatus), "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].");
  EXPECT_EQ(StatusTemplates.Text(kSetStatus), "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].");
}

TEST_F(MessagesTest, EntryOutsideTableIsEmpty) {
  EXPECT_EQ(SnmpMessages.Text(-1), "");
  EXPECT_EQ(SnmpMessages.Text(18), "");
  EXPECT_EQ(StatusTemplates.Text(1000000), "");
}

// ---------------------------------------------------------------------------
// TranslateStatus.

TEST_F(MessagesTest, TranslateStatusMapsEveryRange) {
  const struct {
    int status;
    int32_t code;
    const char* text;
  } cases[] = {
      {0, 0, "Ok"},
      {1400, 0, "Ok"},
      {-1401, 0, "Ok"},
      {1401, -301, "(SNMPv3USM) error!"},
      {1413, -313, "(SNMPv3USM) Unsupported PrivProtocol!"},
      {1414, -314, "(SNMPv3USM) Address error!"},
      {1415, -528, "(KySNMP++) Unknown error code!"},
      {1399, -528, "(KySNMP++) Unknown error code!"},
      {-1402, -201, "(SNMPv3) Unsupported Security Model!"},
      {-1412, -211, "(SNMPv3) Unknown UserName!"},
      {-1418, -217, "(SNMPv3) Report sent!"},
      {-1419, -528, "(KySNMP++) Unknown error code!"},
      {-1400, -528, "(KySNMP++) Unknown error code!"},
      {1, -101, "(SNMP) Response PDU Too Big!"},
      {2, -102, "(SNMP) Variable does not exist!"},
      {18, -118, "(SNMP) Cannot create variable, Inconsistent Name!"},
      {19, -528, "(KySNMP++) Unknown error code!"},
      {-1, -401, "(SNMPClass) Operation failed!"},
      {-5, -405, "(SNMPClass) SNMP request timed out!"},
      {-9, -409, "(SNMPClass)Unknown error code!"},
      {-23, -423, "(SNMPClass) Blocked Mode Shutdown!"},
      {-24, -528, "(KySNMP++) Unknown error code!"},
      {77, -528, "(KySNMP++) Unknown error code!"},
      {INT_MIN, -528, "(KySNMP++) Unknown error code!"},
      {INT_MAX, -528, "(KySNMP++) Unknown error code!"},
  };
  for (const auto& c : cases) {
    const KyStatusText t = TranslateStatus(c.status);
    EXPECT_EQ(t.code, c.code) << "status " << c.status;
    EXPECT_EQ(t.text, c.text) << "status " << c.status;
  }
}

TEST_F(MessagesTest, TranslatedTextIsTheTextOfTheCode) {
  for (int status = -2000; status <= 2000; ++status) {
    const KyStatusText t = TranslateStatus(status);
    ASSERT_EQ(t.text, MessageText(t.code)) << "status " << status;
    ASSERT_LE(t.code, 0);
  }
}

TEST_F(MessagesTest, TranslateStatusUsesLoadedTexts) {
  ASSERT_TRUE(LoadMessageText(SnmpMessages, "Zu groß\nGibt es nicht\n"));
  EXPECT_EQ(TranslateStatus(2).code, -102);
  EXPECT_EQ(TranslateStatus(2).text, "Gibt es nicht");
  // Beyond the two loaded lines the built-in texts stay.
  EXPECT_EQ(TranslateStatus(3).text, "(SNMP) Cannot modify variable: Bad Value!");
  EXPECT_EQ(TranslateStatus(18).text, "(SNMP) Cannot create variable, Inconsistent Name!");
}

// ---------------------------------------------------------------------------
// Message-file lines.

TEST_F(MessagesTest, SplitMessageLinesFollowsTheLineRules) {
  const std::string x1022(1022, 'x'), x1023(1023, 'x');
  const struct {
    const char* what;
    std::string content;
    Lines lines;
  } cases[] = {
      {"LF", "one\ntwo\n", {"one", "two"}},
      {"CR LF", "one\r\ntwo\r\n", {"one", "two"}},
      {"mixed endings, last line unterminated", "one\r\ntwo\nthree", {"one", "two", "three"}},
      {"leading and trailing spaces kept", "  one \t \n\ttwo  \r\n", {"  one \t ", "\ttwo  "}},
      {"blank lines not counted", "\n \n\t\r\none\n\n \f\v \ntwo\n\n", {"one", "two"}},
      {"lone CR is part of the line", "a\rb\n\r\n", {"a\rb"}},
      {"CR before CR LF kept", "a\r\r\n", {"a\r"}},
      {"NUL bytes kept", std::string("a\0b\n\0\n", 6), {std::string("a\0b", 3), std::string(1, '\0')}},
      {"8-bit bytes kept", "\xe9t\xe9\n\xff\n", {"\xe9t\xe9", "\xff"}},
      {"1022 + CR LF is one line", x1022 + "\r\n" + "next\n", {x1022, "next"}},
      {"1023 + LF is one line", x1023 + "\nnext\n", {x1023, "next"}},
      {"1023 + CR LF is one line", x1023 + "\r\nnext\n", {x1023, "next"}},
      {"1024 is two lines", x1023 + "y\n", {x1023, "y"}},
      {"2046 is two lines", x1023 + x1023 + "\n", {x1023, x1023}},
      {"piece of spaces after a split is blank", x1023 + "   \n", {x1023}},
      {"long line without line break", x1023 + x1023 + "ab", {x1023, x1023, "ab"}},
      {"empty", "", {}},
      {"only blank lines", " \r\n\t\n\n", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitMessageLines(c.content), c.lines) << c.what;
}

TEST_F(MessagesTest, SnmpErrWithBlankLinesReplacesAllEighteen) {
  std::string content;
  Lines expected;
  for (int i = 1; i <= 18; ++i) {
    expected.push_back("Fehler " + std::to_string(i));
    content += expected.back() + "\r\n";
    if (i % 3 == 0) content += "\r\n";
  }
  ASSERT_TRUE(LoadMessageFile(SnmpMessages, Write("snmp.err", content)));
  EXPECT_EQ(Current(SnmpMessages), expected);
  EXPECT_EQ(TranslateStatus(2).text, "Fehler 2");
  EXPECT_EQ(TranslateStatus(18).text, "Fehler 18");
}

TEST_F(MessagesTest, TrailingSpacesStayInMessages) {
  ASSERT_TRUE(LoadMessageFile(StatusTemplates, Write("snmp.msg", "Get: [ERROR]   \nSet: [ERROR]\t\n")));
  EXPECT_EQ(StatusTemplates.Text(0), "Get: [ERROR]   ");
  EXPECT_EQ(StatusTemplates.Text(1), "Set: [ERROR]\t");
}

TEST_F(MessagesTest, ShortFileKeepsBuiltInTextsBeyondItsLines) {
  ASSERT_TRUE(LoadMessageFile(KySnmpMessages, Write("kysnmp.err", "Gut\n\nEins\n")));
  EXPECT_EQ(KySnmpMessages.LoadedCount(), 2u);
  EXPECT_EQ(MessageText(0), "Gut");
  EXPECT_EQ(MessageText(-501), "Eins");
  EXPECT_EQ(MessageText(-502), "(KySNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!");
  EXPECT_EQ(MessageText(-528), "(KySNMP++) Unknown error code!");
  EXPECT_EQ(TranslateStatus(77).text, "(KySNMP++) Unknown error code!");
}

TEST_F(MessagesTest, LinesBeyondTheTableHaveNoUse) {
  ASSERT_TRUE(LoadMessageText(StatusTemplates, Numbered("line", 100000)));
  EXPECT_EQ(StatusTemplates.LoadedCount(), 2u);
  EXPECT_EQ(StatusTemplates.Text(1), "line1");
  EXPECT_EQ(StatusTemplates.Text(2), "");
}

TEST_F(MessagesTest, FileThatIsNotAMessageFileKeepsTheTable) {
  const Lines builtIn = Current(SnmpClassMessages);
  fs::create_directories(dir_ / "folder.err");
  const std::string oversized = Write("huge.err", "first\n");
  fs::resize_file(oversized, kMessageFileMaxBytes + 1);  // sparse
  const struct {
    const char* what;
    std::string path;
  } cases[] = {
      {"missing", (dir_ / "missing.err").string()},
      {"empty path", ""},
      {"empty file", Write("empty.err", "")},
      {"blank file", Write("blank.err", "\r\n   \r\n\t\n")},
      {"folder", (dir_ / "folder.err").string()},
      {"device", "/dev/zero"},
      {"oversized", oversized},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(LoadMessageFile(SnmpClassMessages, c.path)) << c.what;
    EXPECT_EQ(Current(SnmpClassMessages), builtIn) << c.what;
    EXPECT_FALSE(SnmpClassMessages.IsLoaded()) << c.what;
  }
}

TEST_F(MessagesTest, BlankFileKeepsAnEarlierLoad) {
  ASSERT_TRUE(LoadMessageText(UsmMessages, "eins\n"));
  EXPECT_FALSE(LoadMessageText(UsmMessages, "\n\n"));
  EXPECT_EQ(UsmMessages.Text(0), "eins");
  ResetMessageTables();
  EXPECT_EQ(UsmMessages.Text(0), "(SNMPv3USM) error!");
}

TEST_F(MessagesTest, LoadMessageFilesReadsTheSevenFilesUnderThePrefix) {
  Write("errmsg/common.err", "C0\n");
  Write("errmsg/snmp.err", "S0\n");
  Write("errmsg/snmpv3.err", "V0\n");
  Write("errmsg/snmpusm.err", "U0\n");
  Write("errmsg/snmpclass.err", "K0\n");
  Write("errmsg/kysnmp.err", "OK\n");
  Write("errmsg/snmp.msg", "G [ERROR]\nS [ERROR]\n");
  EXPECT_EQ(LoadMessageFiles(dir_.string() + "/"), 7);
  EXPECT_EQ(CommonMessages.Text(0), "C0");
  EXPECT_EQ(TranslateStatus(1).text, "S0");
  EXPECT_EQ(TranslateStatus(-1402).text, "V0");
  EXPECT_EQ(TranslateStatus(1401).text, "U0");
  EXPECT_EQ(TranslateStatus(-1).text, "K0");
  EXPECT_EQ(TranslateStatus(0).text, "OK");
  EXPECT_EQ(StatusTemplates.Text(1), "S [ERROR]");
}

TEST_F(MessagesTest, LoadMessageFilesMapsBackslashesAndSkipsMissingFiles) {
  Write("errmsg/snmp.err", "S0\nS1\n");
  // The prefix as the host suite stores it, with backslashes.
  std::string prefix = dir_.string() + "\\";
  for (char& c : prefix)
    if (c == '/') c = '\\';
  EXPECT_EQ(LoadMessageFiles(prefix), 1);
  EXPECT_EQ(TranslateStatus(2).text, "S1");
  EXPECT_EQ(CommonMessages.Text(1), "Bad logic operand!");
  EXPECT_EQ(MessageFilePath("C:\\Velmar\\", "errmsg\\snmp.msg"), "C:/Velmar/errmsg/snmp.msg");
  EXPECT_EQ(MessageFilePath("", "errmsg\\snmp.msg"), "errmsg/snmp.msg");
}

TEST_F(MessagesTest, EmptyPrefixLooksInTheCurrentFolder) {
  Write("errmsg/snmpusm.err", "U0\n");
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  const int loaded = LoadMessageFiles("");
  fs::current_path(before);
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(TranslateStatus(1401).text, "U0");
}

// ---------------------------------------------------------------------------
// ReplaceAll.

TEST_F(MessagesTest, ReplaceAllReplacesEveryOccurrenceOnce) {
  const struct {
    const char* text;
    const char* placeholder;
    const char* value;
    const char* result;
  } cases[] = {
      {"between [MIN] and [MAX]!", "[MIN]", "1", "between 1 and [MAX]!"},
      {"[LEN][LEN] and [LEN]", "[LEN]", "32", "3232 and 32"},
      {"[X]", "[X]", "[X][X]", "[X][X]"},          // the value is not rescanned
      {"[[X]]", "[X]", "X", "[X]"},                // nor what it forms with its neighbours
      {"aaa", "aa", "b", "ba"},                    // scanning goes on after the match
      {"no placeholder", "[MIN]", "1", "no placeholder"},
      {"[MIN]", "[MIN]", "", ""},
      {"text", "", "x", "text"},                   // an empty placeholder changes nothing
      {"", "[MIN]", "1", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReplaceAll(c.text, c.placeholder, c.value), c.result) << c.text << " / " << c.placeholder;
}

// ---------------------------------------------------------------------------
// Status line.

std::tm At(int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 10;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

TEST_F(MessagesTest, StatusLineFillsTheTemplate) {
  const struct {
    int templateNumber;
    const char* listName;
    const char* error;
    std::tm time;
    const char* line;
  } cases[] = {
      {kGetStatus, "", "Ok", At(14, 5, 9), "Get: Ok. Receive at 02:05:09 PM."},
      {kGetStatus, "Ports", "Ok", At(14, 5, 9), "Get: Ok Request:Ports. Receive at 02:05:09 PM."},
      {kSetStatus, "", "(SNMP) Variable does not exist!", At(9, 0, 59),
       "Set: (SNMP) Variable does not exist!. Receive at 09:00:59 AM."},
      {kSetStatus, "VLAN", "Ok", At(0, 0, 0), "Set: Ok Request:VLAN. Receive at 12:00:00 AM."},
      {kGetStatus, "", "Ok", At(12, 30, 0), "Get: Ok. Receive at 12:30:00 PM."},
      {kGetStatus, "", "Ok", At(23, 59, 59), "Get: Ok. Receive at 11:59:59 PM."},
      // Inserted texts are shown as they are.
      {kGetStatus, "[ERROR]", "at [TIME] [VARLIST]", At(1, 2, 3),
       "Get: at [TIME] [VARLIST] Request:[ERROR]. Receive at 01:02:03 AM."},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StatusLine(c.templateNumber, c.listName, c.error, c.time), c.line) << c.line;
}

TEST_F(MessagesTest, StatusLineWithLoadedTemplates) {
  ASSERT_TRUE(LoadMessageText(StatusTemplates,
                              "[TIME] Lesen ([VARLIST]): [ERROR]\n"
                              "Schreiben: [ERROR] [[VARLIST]] [TIME] [VARLIST]\n"));
  // "[VARLIST]" before "[ERROR]": replaced, nothing deleted.
  EXPECT_EQ(StatusLine(kGetStatus, "", "Ok", At(14, 5, 9)), "02:05:09 PM Lesen (): Ok");
  EXPECT_EQ(StatusLine(kGetStatus, "Ports", "Ok", At(14, 5, 9)), "02:05:09 PM Lesen (Ports): Ok");
  // After "[ERROR]": deleted through the first "[VARLIST]"; a second one goes empty.
  EXPECT_EQ(StatusLine(kSetStatus, "", "Ok", At(14, 5, 9)), "Schreiben: Ok] 02:05:09 PM ");
  EXPECT_EQ(StatusLine(kSetStatus, "P", "Ok", At(14, 5, 9)), "Schreiben: Ok [P] 02:05:09 PM P");
  // A template number without a template shows the error text alone.
  EXPECT_EQ(StatusLine(7, "P", "Ok", At(14, 5, 9)), "Ok");
  EXPECT_EQ(StatusLine(-1, "P", "Ok", At(14, 5, 9)), "Ok");
}

TEST_F(MessagesTest, StatusLineNowEndsWithTheTime) {
  const std::string line = StatusLine(kGetStatus, "", "Ok");
  ASSERT_EQ(line.rfind("Get: Ok. Receive at ", 0), 0u) << line;
  const std::string time = line.substr(20, 8);
  ASSERT_EQ(time.size(), 8u);
  EXPECT_EQ(time[2], ':');
  EXPECT_EQ(time[5], ':');
  const int hour = std::stoi(time.substr(0, 2));
  EXPECT_GE(hour, 1);
  EXPECT_LE(hour, 12);
  EXPECT_TRUE(line.ends_with(" AM.") || line.ends_with(" PM.")) << line;
}

// ---------------------------------------------------------------------------
// Raising errors.

TEST_F(MessagesTest, ExceptionCarriesCatalogueTextAndCode) {
  try {
    ThrowKySNMPError(KyErr::GetNextSingle);
    FAIL() << "no exception";
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -510);
    EXPECT_EQ(e.text(), "(KySNMP++) Can't send get-next command for a SNMP variable list with single value!");
    EXPECT_STREQ(e.what(), e.text().c_str());
  }
  try {
    ThrowKySNMPError(KyErr::StringTooLong, ReplaceAll(MessageText(KyErr::StringTooLong), "[MAXLEN]", "32"));
    FAIL() << "no exception";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Please enter a string whose length is less than 32!");
  }
}

TEST_F(MessagesTest, ThrowIfStatusErrorRaisesOnlyFailures) {
  for (int ok : {SnmpStatus::Success, SnmpStatus::UsmSuccess, SnmpStatus::MpOk})
    EXPECT_NO_THROW(ThrowIfStatusError(ok)) << ok;
  const struct {
    int status;
    int32_t code;
  } cases[] = {{SnmpStatus::Timeout, KyErr::ClassTimeout},
               {SnmpStatus::UsmAuthenticationFailure, -308},
               {SnmpStatus::MpUnknownUserName, -211},
               {5, KyErr::SnmpGenErr},
               {12345, KyErr::UnknownError}};
  for (const auto& c : cases) {
    try {
      ThrowIfStatusError(c.status);
      ADD_FAILURE() << "no exception for " << c.status;
    } catch (const KySNMPException& e) {
      EXPECT_EQ(e.code(), c.code);
      EXPECT_EQ(e.text(), MessageText(c.code));
    }
  }
}

TEST_F(MessagesTest, RaisedTextFollowsALoadedCatalogue) {
  ASSERT_TRUE(LoadMessageText(SnmpClassMessages, "a\nb\nc\nd\nZeitüberschreitung\n"));
  try {
    ThrowIfStatusError(SnmpStatus::Timeout);
    FAIL() << "no exception";
  } catch (const KySNMPException& e) {
    EXPECT_EQ(e.code(), -405);
    EXPECT_EQ(e.text(), "Zeitüberschreitung");
  }
}

}  // namespace
