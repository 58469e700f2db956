#include "dialogs/security/AacServerControlDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <ctime>

#include "editors/ControlBinding.h"
#include "editors/UiSupport.h"
#include "snmp/Messages.h"
#include "tables/DefTables.h"

AacServerControlDialog::AacServerControlDialog(QWidget* owner) : SnmpDialog(owner) {
  edtGroupName = new QLineEdit(this);
  edtGroupName->setObjectName(QStringLiteral("edtGroupName"));
  edtIPAddr = new QLineEdit(this);
  edtIPAddr->setObjectName(QStringLiteral("edtIPAddr"));
  cbAuthProtocol = new QComboBox(this);
  cbAuthProtocol->setObjectName(QStringLiteral("cbAuthProtocol"));
  cbRowState = new QComboBox(this);
  cbRowState->setObjectName(QStringLiteral("cbRowState"));
  Button1 = new QPushButton(QStringLiteral("Set"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button2 = new QPushButton(QStringLiteral("Close"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  for (QPushButton* b : {Button1, Button2}) b->setAutoDefault(false);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  StatusPanel0 = new QLabel(StatusBar1);
  StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
  StatusBar1->addWidget(StatusPanel0, 1);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Group Name"), edtGroupName);
  form->addRow(QStringLiteral("IP Address"), edtIPAddr);
  form->addRow(QStringLiteral("Auth Protocol"), cbAuthProtocol);
  form->addRow(QStringLiteral("Row State"), cbRowState);
  for (QWidget* w : {static_cast<QWidget*>(edtGroupName), static_cast<QWidget*>(edtIPAddr),
                     static_cast<QWidget*>(cbAuthProtocol), static_cast<QWidget*>(cbRowState)})
    w->setMinimumWidth(Px(this, 180));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  auto* top = new QVBoxLayout(this);
  top->addLayout(form);
  top->addLayout(buttons);
  top->addWidget(StatusBar1);

  // No status target: the window reports with its own texts.
  binding_ = AddBinding(tbl::AacServerGroupMember, /*asynchronous=*/false, nullptr);
  binding_->AssociateEdits(0, "%s{l15}", edtGroupName);
  binding_->AssociateEdits(1, "%s{l16}", edtIPAddr);
  binding_->AssociateControl(2, cbAuthProtocol);
  binding_->AssociateControl(3, cbRowState);
  cbAuthProtocol->setCurrentIndex(-1);
  cbRowState->setCurrentIndex(-1);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void AacServerControlDialog::Button1Click() {
  if (edtGroupName->text().isEmpty() || edtIPAddr->text().isEmpty() || cbAuthProtocol->currentText().isEmpty() ||
      cbRowState->currentText().isEmpty()) {
    StatusPanel0->setText(QString::fromLatin1(kEmptyFields));
    return;
  }
  try {
    // No read afterwards: the fields keep what the operator entered.
    binding_->Apply(/*refreshAfter=*/false, /*convert=*/true);
  } catch (const std::exception&) {
    ShowMessageBox(this, QString::fromLatin1(kSetFailed), ProgramCaption());
    return;
  }
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  StatusPanel0->setText(QStringLiteral("Set: Ok!. Receive at %1.").arg(QString::fromStdString(StatusTime(local))));
}
