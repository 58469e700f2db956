#include "app/ConnectForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

TConnectForm::TConnectForm(QWidget* owner) : QDialog(owner) {
  setObjectName("ConnectForm");
  setWindowTitle("Connect to a QRX-900");
  ED_Agent = new QLineEdit(this);
  ED_Agent->setObjectName("ED_Agent");
  ED_Agent->setPlaceholderText("IPv4 address or DNS name");
  ED_ReadCommunity = new QLineEdit("public", this);
  ED_ReadCommunity->setObjectName("ED_ReadCommunity");
  ED_WriteCommunity = new QLineEdit("private", this);
  ED_WriteCommunity->setObjectName("ED_WriteCommunity");
  ED_WriteCommunity->setEchoMode(QLineEdit::PasswordEchoOnEdit);
  CB_Version = new QComboBox(this);
  CB_Version->setObjectName("CB_Version");
  CB_Version->addItem("SNMPv1", 0);
  CB_Version->addItem("SNMPv2c", 1);
  CB_Version->addItem("SNMPv3 (settings from the device profile)", 3);
  CB_Version->setCurrentIndex(1);

  Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  Buttons->button(QDialogButtonBox::Ok)->setText("Connect");
  connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // An agent is needed; blanks around it are a typing slip.
  auto update = [this] { Buttons->button(QDialogButtonBox::Ok)->setEnabled(!ED_Agent->text().trimmed().isEmpty()); };
  connect(ED_Agent, &QLineEdit::textChanged, this, update);
  update();

  auto* form = new QFormLayout(this);
  form->addRow("Agent:", ED_Agent);
  form->addRow("Read community:", ED_ReadCommunity);
  form->addRow("Write community:", ED_WriteCommunity);
  form->addRow("Version:", CB_Version);
  form->addRow(Buttons);
  form->setSizeConstraint(QLayout::SetFixedSize);
}

std::vector<std::string> TConnectForm::Arguments() const {
  return {"/I" + ED_Agent->text().trimmed().toLocal8Bit().toStdString(), "/R" + ED_ReadCommunity->text().toLocal8Bit().toStdString(),
          "/W" + ED_WriteCommunity->text().toLocal8Bit().toStdString(),
          "/v" + std::to_string(CB_Version->currentData().toInt())};
}
