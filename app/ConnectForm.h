// The window that asks for the switch when the program is started from the
// desktop's application menu ("qrx900 --connect") instead of by the host
// suite: the agent, the two communities and the SNMP version, turned into
// the switches the host suite would have given.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;

// The argument that asks for the switch first.
inline constexpr const char* kConnectArgument = "--connect";

class TConnectForm : public QDialog {
  Q_OBJECT

 public:
  explicit TConnectForm(QWidget* owner = nullptr);

  // "/I<agent>", "/R<read>", "/W<write>", "/v<version>".
  std::vector<std::string> Arguments() const;

  QLineEdit* ED_Agent = nullptr;
  QLineEdit* ED_ReadCommunity = nullptr;
  QLineEdit* ED_WriteCommunity = nullptr;
  QComboBox* CB_Version = nullptr;  // data: the "/v" number
  QDialogButtonBox* Buttons = nullptr;
};
