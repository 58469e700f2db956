#include "app/ConnectForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "app/LaunchSwitches.h"
#include "snmp/Messages.h"
#include "snmp/Session.h"
#include "snmp/StatusMap.h"

namespace {

// USM user and context names are SnmpAdminStrings of at most 32 bytes.
constexpr int kMaxAdminStringBytes = 32;

std::string Bytes(const QString& text) { return text.toLocal8Bit().toStdString(); }

template <std::size_t N>
QComboBox* ChoiceBox(const ConnectChoice (&choices)[N], const char* name, QWidget* owner) {
  auto* box = new QComboBox(owner);
  box->setObjectName(name);
  for (const ConnectChoice& c : choices) box->addItem(c.label, c.value);
  return box;
}

void Choose(QComboBox* box, int value) {
  const int index = box->findData(value);
  if (index >= 0) box->setCurrentIndex(index);
}

// A dotted IPv4 address, or a DNS name: labels of letters, digits, "-" and
// "_" (not at a label's ends), 1 to 63 characters each, 253 in all, an
// optional final dot. Dotted numbers must be an IPv4 address.
bool IsAgentText(const QString& text) {
  QString name = text;
  if (name.endsWith('.')) name.chop(1);
  if (name.isEmpty() || name.size() > 253) return false;
  const QStringList labels = name.split('.');
  static const QRegularExpression number("^[0-9]+$");
  static const QRegularExpression label("^[A-Za-z0-9_]([A-Za-z0-9_-]{0,61}[A-Za-z0-9_])?$");
  bool allNumbers = true;
  for (const QString& l : labels) allNumbers = allNumbers && number.match(l).hasMatch();
  if (allNumbers) {
    if (labels.size() != 4 || name != text) return false;
    for (const QString& l : labels)
      if (l.size() > 3 || l.toInt() > 255) return false;
    return true;
  }
  for (const QString& l : labels)
    if (!label.match(l).hasMatch()) return false;
  return true;
}

}  // namespace

TConnectForm::TConnectForm(QWidget* owner, const QString& historyPath) : QDialog(owner), history_(historyPath) {
  setObjectName("ConnectForm");
  setWindowTitle("Connect to a QRX-900");

  CB_Agent = new QComboBox(this);
  CB_Agent->setObjectName("CB_Agent");
  CB_Agent->setEditable(true);
  CB_Agent->setInsertPolicy(QComboBox::NoInsert);
  CB_Agent->setCompleter(nullptr);  // a remembered switch is chosen, not completed into the field
  CB_Agent->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  CB_Agent->setMinimumContentsLength(24);
  ED_Agent = CB_Agent->lineEdit();
  ED_Agent->setObjectName("ED_Agent");
  ED_Agent->setPlaceholderText("IPv4 address or DNS name");
  BT_Forget = new QPushButton("Forget", this);
  BT_Forget->setObjectName("BT_Forget");
  BT_Forget->setToolTip("Remove this switch from the list of recent switches");
  ED_Port = new QLineEdit("161", this);
  ED_Port->setObjectName("ED_Port");
  CB_Version = ChoiceBox(kConnectVersions, "CB_Version", this);
  Choose(CB_Version, 1);
  ED_ReadCommunity = new QLineEdit("public", this);
  ED_ReadCommunity->setObjectName("ED_ReadCommunity");
  ED_WriteCommunity = new QLineEdit("private", this);
  ED_WriteCommunity->setObjectName("ED_WriteCommunity");
  ED_WriteCommunity->setEchoMode(QLineEdit::PasswordEchoOnEdit);

  GB_V3 = new QGroupBox("SNMPv3", this);
  GB_V3->setObjectName("GB_V3");
  CB_SecurityModel = ChoiceBox(kConnectSecurityModels, "CB_SecurityModel", GB_V3);
  ED_UserName = new QLineEdit(GB_V3);
  ED_UserName->setObjectName("ED_UserName");
  CB_SecurityLevel = ChoiceBox(kConnectSecurityLevels, "CB_SecurityLevel", GB_V3);
  Choose(CB_SecurityLevel, 3);
  CB_AuthProtocol = ChoiceBox(kConnectAuthProtocols, "CB_AuthProtocol", GB_V3);
  Choose(CB_AuthProtocol, 3);
  ED_AuthPassword = new QLineEdit(GB_V3);
  ED_AuthPassword->setObjectName("ED_AuthPassword");
  ED_AuthPassword->setEchoMode(QLineEdit::Password);
  CB_PrivProtocol = ChoiceBox(kConnectPrivProtocols, "CB_PrivProtocol", GB_V3);
  Choose(CB_PrivProtocol, 19);
  ED_PrivPassword = new QLineEdit(GB_V3);
  ED_PrivPassword->setObjectName("ED_PrivPassword");
  ED_PrivPassword->setEchoMode(QLineEdit::Password);
  ED_ContextName = new QLineEdit(GB_V3);
  ED_ContextName->setObjectName("ED_ContextName");
  ED_ContextName->setPlaceholderText("optional");
  ED_ContextEngineId = new QLineEdit(GB_V3);
  ED_ContextEngineId->setObjectName("ED_ContextEngineId");
  ED_ContextEngineId->setPlaceholderText("optional: the agent's own");

  LB_Reason = new QLabel(this);
  LB_Reason->setObjectName("LB_Reason");
  LB_Reason->setWordWrap(true);
  LB_Warning = new QLabel(this);
  LB_Warning->setObjectName("LB_Warning");
  LB_Warning->setWordWrap(true);
  LB_Warning->setStyleSheet("color: #a04000");

  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  Buttons->button(QDialogButtonBox::Ok)->setText("Connect");
  connect(Buttons, &QDialogButtonBox::accepted, this, &TConnectForm::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* agentRow = new QHBoxLayout;
  agentRow->addWidget(CB_Agent, 1);
  agentRow->addWidget(BT_Forget);
  auto* form = new QFormLayout;
  form->addRow("Agent:", agentRow);
  form->addRow("UDP port:", ED_Port);
  form->addRow("Version:", CB_Version);
  form->addRow("Read community:", ED_ReadCommunity);
  form->addRow("Write community:", ED_WriteCommunity);
  auto* v3 = new QFormLayout(GB_V3);
  v3->addRow("Security model:", CB_SecurityModel);
  v3->addRow("User name:", ED_UserName);
  v3->addRow("Security level:", CB_SecurityLevel);
  v3->addRow("Authentication:", CB_AuthProtocol);
  v3->addRow("Authentication pass phrase:", ED_AuthPassword);
  v3->addRow("Privacy:", CB_PrivProtocol);
  v3->addRow("Privacy pass phrase:", ED_PrivPassword);
  v3->addRow("Context name:", ED_ContextName);
  v3->addRow("Context engine ID:", ED_ContextEngineId);
  auto* all = new QVBoxLayout(this);
  all->addLayout(form);
  all->addWidget(GB_V3);
  all->addWidget(LB_Warning);
  all->addWidget(LB_Reason);
  all->addWidget(Buttons);
  all->setSizeConstraint(QLayout::SetFixedSize);

  for (QLineEdit* edit : {ED_Agent, ED_Port, ED_ReadCommunity, ED_WriteCommunity, ED_UserName, ED_AuthPassword,
                          ED_PrivPassword, ED_ContextName, ED_ContextEngineId})
    connect(edit, &QLineEdit::textChanged, this, &TConnectForm::UpdateState);
  for (QComboBox* box : {CB_Version, CB_SecurityModel, CB_SecurityLevel, CB_AuthProtocol, CB_PrivProtocol})
    connect(box, &QComboBox::currentIndexChanged, this, &TConnectForm::UpdateState);
  connect(CB_Agent, &QComboBox::activated, this, &TConnectForm::AgentChosen);
  connect(BT_Forget, &QPushButton::clicked, this, &TConnectForm::ForgetClick);

  FillHistoryList();
  if (!history_.entries().empty()) Fill(history_.entries().front());
  UpdateState();
}

int TConnectForm::Version() const { return CB_Version->currentData().toInt(); }
int TConnectForm::Level() const { return CB_SecurityLevel->currentData().toInt(); }

std::vector<TConnectForm::Part> TConnectForm::Parts() const {
  std::vector<Part> parts{{"/I" + Bytes(ED_Agent->text().trimmed()), "/I", "agent", false}};
  // The port as typed: the launch code reads and checks it.
  const std::string port = "/t" + Bytes(ED_Port->text());
  if (Version() != 3) {
    parts.push_back({"/R" + Bytes(ED_ReadCommunity->text()), "/R", "read community", false});
    parts.push_back({"/W" + Bytes(ED_WriteCommunity->text()), "/W", "write community", false});
    if (Port() != 161) {
      parts.push_back({"/v3", "/v", "version", false});
      parts.push_back({port, "/t", "UDP port", true});
      parts.push_back({"/v" + std::to_string(Version()), "/v", "version", true});
    } else {
      parts.push_back({"/v" + std::to_string(Version()), "/v", "version", false});
    }
    return parts;
  }
  const int level = Level();
  parts.push_back({"/v3", "/v", "version", false});
  parts.push_back({port, "/t", "UDP port", true});
  parts.push_back({"/m" + CB_SecurityModel->currentData().toString().toStdString(), "/m", "security model", true});
  parts.push_back({"/l" + std::to_string(level), "/l", "security level", true});
  parts.push_back({"/n" + Bytes(ED_UserName->text()), "/n", "user name", true});
  parts.push_back({"/a" + (level >= 2 ? CB_AuthProtocol->currentData().toString().toStdString() : "1"), "/a",
                   "authentication protocol", true});
  if (level >= 2)
    parts.push_back({"/A" + Bytes(ED_AuthPassword->text()), "/A", "authentication pass phrase", true});
  parts.push_back({"/p" + (level >= 3 ? CB_PrivProtocol->currentData().toString().toStdString() : "1"), "/p",
                   "privacy protocol", true});
  if (level >= 3) parts.push_back({"/P" + Bytes(ED_PrivPassword->text()), "/P", "privacy pass phrase", true});
  if (!ED_ContextName->text().isEmpty())
    parts.push_back({"/c" + Bytes(ED_ContextName->text()), "/c", "context name", true});
  if (!ED_ContextEngineId->text().isEmpty())
    parts.push_back({"/d" + Bytes(ED_ContextEngineId->text()), "/d", "context engine ID", true});
  return parts;
}

std::vector<std::string> TConnectForm::Arguments() const {
  std::vector<std::string> args;
  for (const Part& part : Parts())
    // The port in plain decimal, as the launch code reads it.
    args.push_back(std::string(part.sw) == "/t" && Port() != 0 ? "/t" + std::to_string(Port()) : part.argument);
  return args;
}

QString TConnectForm::Problem() const {
  const QString agent = ED_Agent->text().trimmed();
  if (agent.isEmpty()) return "Enter the agent: an IPv4 address or a DNS name.";
  if (!IsAgentText(agent)) return QString("\"%1\" is neither an IPv4 address nor a DNS name.").arg(agent);
  if (ED_Port->text().trimmed().isEmpty()) return "Enter the UDP port of the agent (1 to 65535).";
  // The port as the launch code reads it.
  try {
    ReadLaunchSwitches({"/v3", "/t" + Bytes(ED_Port->text())});
  } catch (const KyConvertError& e) {
    return "UDP port: " + QString::fromLocal8Bit(e.what()).section('\n', 0, 0) + ".";
  }
  const bool v3 = Version() == 3;
  if (v3 && ED_UserName->text().isEmpty()) return "Enter the user name.";

  // Each switch must be read as itself: a value that holds the two
  // characters of a switch tried before it would be taken for that one.
  const std::vector<Part> parts = Parts();
  for (const Part& part : parts) {
    const std::string sw = LaunchSwitchOf(part.argument, part.v3Gate);
    if (sw != part.sw)
      return QString("The %1 cannot contain \"%2\".").arg(part.field, QString::fromStdString(sw));
  }

  // Everything as the launch code reads it.
  LaunchSettings settings;
  try {
    settings = ReadLaunchSwitches(Arguments());
  } catch (const KyConvertError& e) {
    return QString::fromLocal8Bit(e.what()).section('\n', 0, 0) + ".";
  }

  if (v3) {
    if (Bytes(ED_UserName->text()).size() > kMaxAdminStringBytes)
      return QString("The user name is longer than %1 bytes.").arg(kMaxAdminStringBytes);
    const int status = CheckSecurity(settings.security);
    if (status == MapLocalFailure(KyLocalFailure::AuthKeyFailed))
      return "The authentication pass phrase needs at least 8 characters.";
    if (status == MapLocalFailure(KyLocalFailure::PrivKeyFailed))
      return "The privacy pass phrase needs at least 8 characters.";
    if (status != 0) return QString::fromStdString(TranslateStatus(status).text);
    if (Bytes(ED_ContextName->text()).size() > kMaxAdminStringBytes)
      return QString("The context name is longer than %1 bytes.").arg(kMaxAdminStringBytes);
  }

  // What the program will use is what was entered.
  const KySNMPSecurity& s = settings.security;
  bool same = settings.device.address == Bytes(agent) && s.version == Version() && settings.device.port == Port();
  if (v3) {
    const int level = Level();
    same = same && s.securityName == Bytes(ED_UserName->text()) && s.securityLevel == level &&
           s.securityModel == CB_SecurityModel->currentData().toInt() &&
           (level < 2 || (s.authProtocol == CB_AuthProtocol->currentData().toInt() &&
                          s.authPassword == Bytes(ED_AuthPassword->text()))) &&
           (level < 3 || (s.privProtocol == CB_PrivProtocol->currentData().toInt() &&
                          s.privPassword == Bytes(ED_PrivPassword->text()))) &&
           settings.scope.contextName == Bytes(ED_ContextName->text()) &&
           settings.scope.contextEngineId == Bytes(ED_ContextEngineId->text());
  } else {
    same = same && s.readCommunity == Bytes(ED_ReadCommunity->text()) &&
           s.writeCommunity == Bytes(ED_WriteCommunity->text());
  }
  if (!same) return "These settings cannot be given as launch switches.";
  return {};
}

int TConnectForm::Port() const {
  try {
    const int32_t port = LaunchStrToInt(Bytes(ED_Port->text()));
    return port >= 1 && port <= 65535 ? port : 0;
  } catch (const KyConvertError&) {
    return 0;
  }
}

ConnectEntry TConnectForm::Entry() const {
  ConnectEntry e;
  e.agent = ED_Agent->text().trimmed();
  if (const int port = Port(); port != 0) e.port = port;
  e.version = Version();
  if (e.version == 3) {
    e.userName = ED_UserName->text();
    e.securityLevel = Level();
    e.authProtocol = CB_AuthProtocol->currentData().toInt();
    e.privProtocol = CB_PrivProtocol->currentData().toInt();
    e.contextName = ED_ContextName->text();
    e.contextEngineId = ED_ContextEngineId->text();
  }
  return e;
}

void TConnectForm::Fill(const ConnectEntry& entry) {
  ED_Agent->setText(entry.agent);
  ED_Port->setText(QString::number(entry.port));
  Choose(CB_Version, entry.version);
  if (entry.version == 3) {
    ED_UserName->setText(entry.userName);
    Choose(CB_SecurityLevel, entry.securityLevel);
    Choose(CB_AuthProtocol, entry.authProtocol);
    Choose(CB_PrivProtocol, entry.privProtocol);
    ED_ContextName->setText(entry.contextName);
    ED_ContextEngineId->setText(entry.contextEngineId);
  }
  ED_AuthPassword->clear();
  ED_PrivPassword->clear();
  UpdateState();
}

void TConnectForm::UpdateState() {
  const bool v3 = Version() == 3;
  const int level = Level();
  ED_ReadCommunity->setEnabled(!v3);
  ED_WriteCommunity->setEnabled(!v3);
  GB_V3->setEnabled(v3);
  CB_AuthProtocol->setEnabled(v3 && level >= 2);
  ED_AuthPassword->setEnabled(v3 && level >= 2);
  CB_PrivProtocol->setEnabled(v3 && level >= 3);
  ED_PrivPassword->setEnabled(v3 && level >= 3);

  const QString problem = Problem();
  LB_Reason->setText(problem);
  LB_Reason->setVisible(!problem.isEmpty());
  Buttons->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty());
  LB_Warning->setText(history_.warning());
  LB_Warning->setVisible(!history_.warning().isEmpty());

  const ConnectEntry now = Entry();
  bool known = false;
  for (const ConnectEntry& e : history_.entries()) known = known || e.SameSwitch(now);
  BT_Forget->setEnabled(known);
}

void TConnectForm::FillHistoryList() {
  const QString text = ED_Agent->text();
  const QSignalBlocker block(CB_Agent);
  CB_Agent->clear();
  for (const ConnectEntry& e : history_.entries()) CB_Agent->addItem(e.Label());
  CB_Agent->setCurrentIndex(-1);
  ED_Agent->setText(text);
}

void TConnectForm::AgentChosen(int index) {
  if (index < 0 || index >= static_cast<int>(history_.entries().size())) return;
  Fill(history_.entries()[static_cast<std::size_t>(index)]);
}

void TConnectForm::ForgetClick() {
  history_.Forget(Entry());
  FillHistoryList();
  UpdateState();
}

void TConnectForm::accept() {
  if (!Problem().isEmpty()) return;
  history_.Use(Entry());
  QDialog::accept();
}
