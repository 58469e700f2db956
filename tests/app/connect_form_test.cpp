// The window that asks for the switch when started from the desktop's menu:
// the launch switches it gives for each version and level, the reason it
// shows while a field is missing or wrong, the fields each level uses, and
// the history of recent switches behind the agent's drop-down.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <optional>

#include "app/ConnectForm.h"
#include "mainwindow_test_support.h"

namespace {

// Everything the window asks, as an operator would type and choose it.
struct Input {
  QString agent = "192.0.2.10";
  QString port = "161";
  int version = 3;
  QString read = "public";
  QString write = "private";
  QString user = "admin";
  int level = 3;
  int auth = 3;
  QString authPass = "authsecret";
  int priv = 19;
  QString privPass = "privsecret";
  QString context;
  QString engineId;
};

void Select(QComboBox* box, int value) {
  const int index = box->findData(value);
  ASSERT_GE(index, 0) << box->objectName().toStdString() << " has no " << value;
  box->setCurrentIndex(index);
}

// Types the input into the window field by field: the SNMPv3 fields while
// everything is open to typing, then the version and the level.
void Enter(TConnectForm& form, const Input& in) {
  const auto type = [](QLineEdit* edit, const QString& text) {
    edit->clear();
    QTest::keyClicks(edit, text);
  };
  type(form.ED_Agent, in.agent);
  type(form.ED_Port, in.port);
  Select(form.CB_Version, 3);
  Select(form.CB_SecurityLevel, 3);
  type(form.ED_UserName, in.user);
  Select(form.CB_AuthProtocol, in.auth);
  type(form.ED_AuthPassword, in.authPass);
  Select(form.CB_PrivProtocol, in.priv);
  type(form.ED_PrivPassword, in.privPass);
  type(form.ED_ContextName, in.context);
  type(form.ED_ContextEngineId, in.engineId);
  Select(form.CB_SecurityLevel, in.level);
  Select(form.CB_Version, in.version);
  if (in.version != 3) {
    type(form.ED_ReadCommunity, in.read);
    type(form.ED_WriteCommunity, in.write);
  }
}

class ConnectFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AppForTests();
    ASSERT_TRUE(dir_.isValid());
  }
  QString HistoryPath() const { return dir_.filePath("qrx900/connect-history.json"); }
  QByteArray HistoryBytes() const {
    QFile f(HistoryPath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void WriteHistory(const QByteArray& bytes) {
    QDir().mkpath(dir_.filePath("qrx900"));
    QFile f(HistoryPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  }
  QStringList FilesBeside() const {
    return QDir(dir_.filePath("qrx900")).entryList(QDir::Files, QDir::Name);
  }

  QTemporaryDir dir_;
};

using Args = std::vector<std::string>;

TEST_F(ConnectFormTest, ChoicesBecomeTheLaunchSwitchesOrTheReasonIsShown) {
  const auto with = [](std::function<void(Input&)> change) {
    Input in;
    change(in);
    return in;
  };
  const std::string thirtyThree(33, 'u');
  const struct Case {
    const char* name;
    Input input;
    std::optional<Args> args;  // nullopt: Connect disabled with reason
    const char* reason;
  } cases[] = {
      // Valid, every version and level.
      {"SNMPv2c", with([](Input& i) { i.version = 1; }), Args{"/I192.0.2.10", "/Rpublic", "/Wprivate", "/v1"}, ""},
      {"SNMPv1, blanks around the agent, a community with a blank",
       with([](Input& i) { i.version = 0; i.agent = "  sw-7.example.net "; i.write = "tor vesk"; }),
       Args{"/Isw-7.example.net", "/Rpublic", "/Wtor vesk", "/v0"}, ""},
      {"SNMPv2c on another port: the port within the SNMPv3 gate",
       with([](Input& i) { i.version = 1; i.port = "1161"; }),
       Args{"/I192.0.2.10", "/Rpublic", "/Wprivate", "/v3", "/t1161", "/v1"}, ""},
      {"noAuthNoPriv: no protocol, no pass phrase",
       with([](Input& i) { i.level = 1; }),
       Args{"/I192.0.2.10", "/v3", "/t161", "/m3", "/l1", "/nadmin", "/a1", "/p1"}, ""},
      {"authNoPriv with HMAC-SHA-256",
       with([](Input& i) { i.level = 2; i.auth = 5; }),
       Args{"/I192.0.2.10", "/v3", "/t161", "/m3", "/l2", "/nadmin", "/a5", "/Aauthsecret", "/p1"}, ""},
      {"authPriv with HMAC-MD5, DES, context, port written with a sign",
       with([](Input& i) { i.auth = 2; i.priv = 2; i.context = "ctx"; i.engineId = "800007e580"; i.port = "+1161"; }),
       Args{"/I192.0.2.10", "/v3", "/t1161", "/m3", "/l3", "/nadmin", "/a2", "/Aauthsecret", "/p2", "/Pprivsecret",
            "/cctx", "/d800007e580"},
       ""},
      {"authPriv with HMAC-SHA-512 and AES-256",
       with([](Input& i) { i.auth = 7; i.priv = 21; }),
       Args{"/I192.0.2.10", "/v3", "/t161", "/m3", "/l3", "/nadmin", "/a7", "/Aauthsecret", "/p21", "/Pprivsecret"}, ""},
      {"values holding switches that are tried after their own",
       with([](Input& i) { i.user = "op/A"; i.authPass = "secret/a/p/P"; i.context = "c/n"; }),
       Args{"/I192.0.2.10", "/v3", "/t161", "/m3", "/l3", "/nop/A", "/a3", "/Asecret/a/p/P", "/p19", "/Pprivsecret",
            "/cc/n"},
       ""},
      {"a short privacy pass phrase does not count below authPriv",
       with([](Input& i) { i.privPass = "x"; i.level = 2; }),
       Args{"/I192.0.2.10", "/v3", "/t161", "/m3", "/l2", "/nadmin", "/a3", "/Aauthsecret", "/p1"}, ""},

      // Each field wrong.
      {"no agent", with([](Input& i) { i.agent = "   "; }), std::nullopt,
       "Enter the agent: an IPv4 address or a DNS name."},
      {"agent beyond IPv4", with([](Input& i) { i.agent = "192.0.2.300"; }), std::nullopt,
       "\"192.0.2.300\" is neither an IPv4 address nor a DNS name."},
      {"agent with a blank", with([](Input& i) { i.agent = "sw 7"; }), std::nullopt,
       "\"sw 7\" is neither an IPv4 address nor a DNS name."},
      {"no port", with([](Input& i) { i.port = ""; }), std::nullopt,
       "Enter the UDP port of the agent (1 to 65535)."},
      {"port beyond 16 bits", with([](Input& i) { i.port = "70000"; }), std::nullopt,
       "UDP port: '70000' is not a valid port number (1 to 65535)."},
      {"port 0 with SNMPv2c", with([](Input& i) { i.version = 1; i.port = "0"; }), std::nullopt,
       "UDP port: '0' is not a valid port number (1 to 65535)."},
      {"port not a number", with([](Input& i) { i.port = "16x"; }), std::nullopt,
       "UDP port: '16x' is not a valid integer value."},
      {"read community holding the agent's switch", with([](Input& i) { i.version = 1; i.read = "a/Ib"; }),
       std::nullopt, "The read community cannot contain \"/I\"."},
      {"write community holding the read community's switch",
       with([](Input& i) { i.version = 0; i.write = "x/Ry"; }), std::nullopt,
       "The write community cannot contain \"/R\"."},
      {"no user name", with([](Input& i) { i.user = ""; }), std::nullopt, "Enter the user name."},
      {"user name holding the version's switch", with([](Input& i) { i.user = "a/v3"; }), std::nullopt,
       "The user name cannot contain \"/v\"."},
      {"user name of 33 bytes", with([&](Input& i) { i.user = QString::fromStdString(thirtyThree); }),
       std::nullopt, "The user name is longer than 32 bytes."},
      {"short authentication pass phrase", with([](Input& i) { i.level = 2; i.authPass = "1234567"; }),
       std::nullopt, "The authentication pass phrase needs at least 8 characters."},
      {"authentication pass phrase holding the port's switch", with([](Input& i) { i.authPass = "pass/t1234"; }),
       std::nullopt, "The authentication pass phrase cannot contain \"/t\"."},
      {"short privacy pass phrase", with([](Input& i) { i.privPass = "short"; }), std::nullopt,
       "The privacy pass phrase needs at least 8 characters."},
      {"privacy pass phrase holding the authentication pass phrase's switch",
       with([](Input& i) { i.privPass = "secret/Asecret"; }), std::nullopt,
       "The privacy pass phrase cannot contain \"/A\"."},
      {"context name holding the port's switch", with([](Input& i) { i.context = "c/t1"; }), std::nullopt,
       "The context name cannot contain \"/t\"."},
      {"context name of 33 bytes", with([&](Input& i) { i.context = QString::fromStdString(thirtyThree); }),
       std::nullopt, "The context name is longer than 32 bytes."},
      {"context engine ID holding the context name's switch", with([](Input& i) { i.engineId = "80/cx"; }),
       std::nullopt, "The context engine ID cannot contain \"/c\"."},
  };

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TConnectForm form(nullptr, HistoryPath());
    Enter(form, c.input);
    QPushButton* connect = form.Buttons->button(QDialogButtonBox::Ok);
    EXPECT_EQ(form.Problem().toStdString(), c.reason);
    EXPECT_EQ(form.LB_Reason->text().toStdString(), c.reason);
    EXPECT_EQ(connect->isEnabled(), c.args.has_value());
    if (c.args) {
      EXPECT_EQ(form.Arguments(), *c.args);
    }
  }
}

TEST_F(ConnectFormTest, EachLevelEnablesTheFieldsItUses) {
  const struct {
    int version, level;
    bool communities, v3, auth, priv;
  } cases[] = {
      {0, 3, true, false, false, false},  {1, 3, true, false, false, false}, {3, 1, false, true, false, false},
      {3, 2, false, true, true, false},   {3, 3, false, true, true, true},
  };
  TConnectForm form(nullptr, HistoryPath());
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "version " << c.version << " level " << c.level);
    Select(form.CB_Version, c.version);
    Select(form.CB_SecurityLevel, c.level);
    EXPECT_TRUE(form.ED_Port->isEnabled());
    EXPECT_EQ(form.ED_ReadCommunity->isEnabled(), c.communities);
    EXPECT_EQ(form.ED_WriteCommunity->isEnabled(), c.communities);
    EXPECT_EQ(form.ED_UserName->isEnabled(), c.v3);
    EXPECT_EQ(form.CB_SecurityLevel->isEnabled(), c.v3);
    EXPECT_EQ(form.ED_ContextName->isEnabled(), c.v3);
    EXPECT_EQ(form.CB_AuthProtocol->isEnabled(), c.auth);
    EXPECT_EQ(form.ED_AuthPassword->isEnabled(), c.auth);
    EXPECT_EQ(form.CB_PrivProtocol->isEnabled(), c.priv);
    EXPECT_EQ(form.ED_PrivPassword->isEnabled(), c.priv);
  }
}

// Connects through the window (Connect pressed) with the input.
void ConnectWith(const QString& path, const Input& in) {
  TConnectForm form(nullptr, path);
  Enter(form, in);
  ASSERT_TRUE(form.Buttons->button(QDialogButtonBox::Ok)->isEnabled()) << form.Problem().toStdString();
  form.Buttons->button(QDialogButtonBox::Ok)->click();
  ASSERT_EQ(form.result(), QDialog::Accepted);
}

QStringList Labels(const ConnectHistory& history) {
  QStringList labels;
  for (const ConnectEntry& e : history.entries()) labels << e.Label();
  return labels;
}

TEST_F(ConnectFormTest, HistoryKeepsTheLastTenByUseWithoutSecrets) {
  for (int n = 1; n <= 12; ++n) {
    Input in;
    in.agent = QString("192.0.2.%1").arg(n);
    in.version = n % 2 ? 3 : 1;
    in.read = "readsecret";
    in.write = "writesecret";
    ConnectWith(HistoryPath(), in);
  }
  {
    const ConnectHistory history(HistoryPath());
    EXPECT_TRUE(history.warning().isEmpty()) << history.warning().toStdString();
    EXPECT_EQ(Labels(history), QStringList({"192.0.2.12", "192.0.2.11", "192.0.2.10", "192.0.2.9", "192.0.2.8",
                                            "192.0.2.7", "192.0.2.6", "192.0.2.5", "192.0.2.4", "192.0.2.3"}));
  }
  // Used again: first, once; the same agent at another port is another switch.
  Input again;
  again.agent = "192.0.2.5";
  ConnectWith(HistoryPath(), again);
  again.port = "1161";
  again.level = 2;
  again.auth = 6;
  again.context = "bridge";
  ConnectWith(HistoryPath(), again);
  const ConnectHistory history(HistoryPath());
  EXPECT_EQ(Labels(history), QStringList({"192.0.2.5:1161", "192.0.2.5", "192.0.2.12", "192.0.2.11", "192.0.2.10",
                                          "192.0.2.9", "192.0.2.8", "192.0.2.7", "192.0.2.6", "192.0.2.4"}));
  const ConnectEntry& first = history.entries().front();
  EXPECT_EQ(first.userName, "admin");
  EXPECT_EQ(first.securityLevel, 2);
  EXPECT_EQ(first.authProtocol, 6);
  EXPECT_EQ(first.contextName, "bridge");

  const QByteArray file = HistoryBytes();
  for (const char* secret : {"authsecret", "privsecret", "readsecret", "writesecret", "public", "private"})
    EXPECT_FALSE(file.contains(secret)) << secret;
  EXPECT_EQ(FilesBeside(), QStringList({"connect-history.json"})) << "written in place, nothing left over";
}

TEST_F(ConnectFormTest, ChoosingARecentSwitchFillsTheRestAndForgetRemovesIt) {
  Input v3;
  v3.agent = "sw-core";
  v3.port = "1161";
  v3.level = 2;
  v3.auth = 4;
  v3.context = "ctx";
  v3.engineId = "80001f8880";
  ConnectWith(HistoryPath(), v3);
  Input v1;
  v1.version = 0;
  ConnectWith(HistoryPath(), v1);

  TConnectForm form(nullptr, HistoryPath());
  // The most recent switch is filled in; both are on the drop-down.
  EXPECT_EQ(form.ED_Agent->text(), "192.0.2.10");
  EXPECT_EQ(form.CB_Version->currentData().toInt(), 0);
  ASSERT_EQ(form.CB_Agent->count(), 2);
  EXPECT_EQ(form.CB_Agent->itemText(1), "sw-core:1161");
  EXPECT_TRUE(form.BT_Forget->isEnabled());

  // Chosen with the keyboard, as from the drop-down.
  form.CB_Agent->setCurrentIndex(0);
  QTest::keyClick(form.CB_Agent, Qt::Key_Down);
  EXPECT_EQ(form.ED_Agent->text(), "sw-core");
  EXPECT_EQ(form.ED_Port->text(), "1161");
  EXPECT_EQ(form.CB_Version->currentData().toInt(), 3);
  EXPECT_EQ(form.ED_UserName->text(), "admin");
  EXPECT_EQ(form.CB_SecurityLevel->currentData().toInt(), 2);
  EXPECT_EQ(form.CB_AuthProtocol->currentData().toInt(), 4);
  EXPECT_EQ(form.ED_ContextName->text(), "ctx");
  EXPECT_EQ(form.ED_ContextEngineId->text(), "80001f8880");
  EXPECT_TRUE(form.ED_AuthPassword->text().isEmpty());
  EXPECT_EQ(form.Problem(), "The authentication pass phrase needs at least 8 characters.");
  QTest::keyClicks(form.ED_AuthPassword, "authsecret");
  EXPECT_EQ(form.Arguments(), (Args{"/Isw-core", "/v3", "/t1161", "/m3", "/l2", "/nadmin", "/a4", "/Aauthsecret",
                                    "/p1", "/c" "ctx", "/d80001f8880"}));

  // Forget: gone from the list and from the file; a switch not in the list
  // cannot be forgotten.
  QTest::mouseClick(form.BT_Forget, Qt::LeftButton);
  EXPECT_EQ(form.CB_Agent->count(), 1);
  EXPECT_EQ(form.CB_Agent->itemText(0), "192.0.2.10");
  EXPECT_EQ(form.ED_Agent->text(), "sw-core") << "the fields stay for connecting once more";
  EXPECT_FALSE(form.BT_Forget->isEnabled());
  EXPECT_EQ(Labels(ConnectHistory(HistoryPath())), QStringList({"192.0.2.10"}));
}

TEST_F(ConnectFormTest, DamagedOrForeignHistoryIsSetAsideWithAWarning) {
  const QByteArray good = R"({"kind": "qrx900 connect history", "format": 1, "switches": [)";
  const struct {
    const char* name;
    QByteArray bytes;
    const char* why;
  } cases[] = {
      {"not JSON", "\x01\x02garbage", "illegal"},
      {"cut short", good + R"({"agent": "192.0.2.1", "port": 16)", "at byte"},
      {"another program's JSON", R"({"recent": ["192.0.2.1"]})", "it is not a history of this program"},
      {"a later format", R"({"kind": "qrx900 connect history", "format": 2, "switches": []})",
       "its format 2 is not known"},
      {"port out of range", good + R"({"agent": "192.0.2.1", "port": 0}]})", "switch 1 of the list"},
      {"a protocol no one offers",
       good + R"({"agent": "a", "version": 1}, {"agent": "b", "version": 3, "privProtocol": 9}]})",
       "switch 2 of the list"},
      {"agent not text", good + R"({"agent": 7}]})", "switch 1 of the list"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QDir(dir_.filePath("qrx900")).removeRecursively();
    WriteHistory(c.bytes);

    TConnectForm form(nullptr, HistoryPath());
    EXPECT_EQ(form.CB_Agent->count(), 0);
    EXPECT_TRUE(form.ED_Agent->text().isEmpty());
    const QString warning = form.LB_Warning->text();
    EXPECT_FALSE(form.LB_Warning->isHidden());
    EXPECT_TRUE(warning.contains("was damaged")) << warning.toStdString();
    EXPECT_TRUE(warning.contains(c.why)) << warning.toStdString();
    EXPECT_TRUE(warning.contains("set aside as")) << warning.toStdString();

    // The damaged file keeps its bytes under another name; a new one starts.
    const QStringList files = FilesBeside();
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(files[0].startsWith("connect-history.json.damaged-")) << files[0].toStdString();
    QFile aside(dir_.filePath("qrx900/" + files[0]));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), c.bytes);

    Enter(form, Input{});
    form.Buttons->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(Labels(ConnectHistory(HistoryPath())), QStringList({"192.0.2.10"}));
    EXPECT_EQ(FilesBeside().size(), 2);
  }
}

TEST_F(ConnectFormTest, HistoryThatCannotBeReadIsLeftAlone) {
  // A folder where the file should be: neither read nor replaced.
  ASSERT_TRUE(QDir().mkpath(HistoryPath()));
  TConnectForm form(nullptr, HistoryPath());
  EXPECT_TRUE(form.LB_Warning->text().contains("cannot be read")) << form.LB_Warning->text().toStdString();
  Enter(form, Input{});
  form.Buttons->button(QDialogButtonBox::Ok)->click();
  EXPECT_EQ(form.result(), QDialog::Accepted) << "the switch is reached all the same";
  EXPECT_TRUE(QFileInfo(HistoryPath()).isDir());
}

}  // namespace
