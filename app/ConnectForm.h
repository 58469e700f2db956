// The window that asks for the switch when the program is started from the
// desktop's application menu ("qrx900 --connect") instead of by the host
// suite: the agent and its UDP port, the SNMP version, the communities or
// the SNMPv3 user with its security level, protocols, pass phrases and
// context, turned into the switches the host suite would have given. The
// switches are read back through the launch code before Connect is offered,
// so what the window sends is what the program will use; until then the
// window says what is missing or wrong.
//
// The last ten switches reached from here are offered on the agent's
// drop-down (ConnectHistory); choosing one fills the other fields, "Forget"
// removes it. Communities and pass phrases are never remembered.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "app/ConnectHistory.h"

class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The argument that asks for the switch first.
inline constexpr const char* kConnectArgument = "--connect";

class TConnectForm : public QDialog {
  Q_OBJECT

 public:
  // The history is read from historyPath (the user's configuration folder by
  // default) and the most recent switch, if any, is filled in.
  explicit TConnectForm(QWidget* owner = nullptr, const QString& historyPath = ConnectHistory::DefaultPath());

  // The launch switches of the choices:
  //   SNMPv1, SNMPv2c: "/I<agent>", "/R<read>", "/W<write>", "/v<0 or 1>";
  //     a port other than 161 is given within the SNMPv3 gate, which is
  //     the only place the switches take a port: ... "/v3", "/t<port>", "/v<0 or 1>";
  //   SNMPv3: "/I<agent>", "/v3", "/t<port>", "/m3", "/l<level>", "/n<user>",
  //     "/a<protocol>" ("/a1" below authNoPriv), "/A<pass phrase>" from
  //     authNoPriv, "/p<protocol>" ("/p1" below authPriv), "/P<pass phrase>"
  //     with authPriv, "/c<context name>" and "/d<context engine ID>" when given.
  // Meaningful while Problem() is empty.
  std::vector<std::string> Arguments() const;
  // Why Connect is disabled: the first field that is missing or wrong; ""
  // when the choices are complete and valid.
  QString Problem() const;
  // What the history keeps of the choices.
  ConnectEntry Entry() const;
  // Fills the fields from a remembered switch; the pass phrases are cleared.
  void Fill(const ConnectEntry& entry);

  const ConnectHistory& History() const { return history_; }

  QComboBox* CB_Agent = nullptr;  // editable; the drop-down holds the history
  QLineEdit* ED_Agent = nullptr;  // CB_Agent's edit field
  QPushButton* BT_Forget = nullptr;
  QLineEdit* ED_Port = nullptr;
  QComboBox* CB_Version = nullptr;  // data: the "/v" number
  QLineEdit* ED_ReadCommunity = nullptr;
  QLineEdit* ED_WriteCommunity = nullptr;
  QGroupBox* GB_V3 = nullptr;
  QComboBox* CB_SecurityModel = nullptr;  // data: the "/m" number
  QLineEdit* ED_UserName = nullptr;
  QComboBox* CB_SecurityLevel = nullptr;  // data: the "/l" number
  QComboBox* CB_AuthProtocol = nullptr;   // data: the "/a" number
  QLineEdit* ED_AuthPassword = nullptr;
  QComboBox* CB_PrivProtocol = nullptr;   // data: the "/p" number
  QLineEdit* ED_PrivPassword = nullptr;
  QLineEdit* ED_ContextName = nullptr;
  QLineEdit* ED_ContextEngineId = nullptr;
  QLabel* LB_Reason = nullptr;   // why Connect is disabled
  QLabel* LB_Warning = nullptr;  // what went wrong with the history
  QDialogButtonBox* Buttons = nullptr;

 public slots:
  // Remembers the switch first; does nothing while Problem() is not empty.
  void accept() override;

 private:
  // One launch switch of the choices: the argument, the switch it must be
  // read as, the field it comes from, and whether the SNMPv3 gate is open
  // when it is read.
  struct Part {
    std::string argument;
    const char* sw;
    const char* field;
    bool v3Gate;
  };
  std::vector<Part> Parts() const;
  int Version() const;
  int Port() const;  // 0 while the port is not a number from 1 to 65535
  int Level() const;
  void UpdateState();
  void FillHistoryList();
  void AgentChosen(int index);
  void ForgetClick();

  ConnectHistory history_;
};
