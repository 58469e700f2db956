#include "dialogs/lldp/LldpLocalSystemDialog.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "dialogs/lldp/LldpNames.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

LldpLocalSystemDialog::LldpLocalSystemDialog(QWidget* owner) : SnmpDialog(owner) {
  auto text = [this](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(QString::fromLatin1(name));
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMinimumWidth(Px(this, 260));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
  };
  ChassisIdSubtypeText = text("ChassisIdSubtypeText");
  ChassisIdText = text("ChassisIdText");
  SysNameText = text("SysNameText");
  SysDescText = text("SysDescText");
  SysDescText->setWordWrap(true);
  CapSupportText = text("CapSupportText");
  CapEnableText = text("CapEnableText");
  CapSupportText->hide();
  CapEnableText->hide();
  CapSupportEdit = new QLineEdit(this);
  CapSupportEdit->setObjectName(QStringLiteral("CapSupportEdit"));
  capEnableEdit = new QLineEdit(this);
  capEnableEdit->setObjectName(QStringLiteral("capEnableEdit"));
  for (QLineEdit* e : {CapSupportEdit, capEnableEdit}) e->setReadOnly(true);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Local Chassis ID Subtype"), ChassisIdSubtypeText);
  form->addRow(QStringLiteral("Local Chassis ID"), ChassisIdText);
  form->addRow(QStringLiteral("Local System Name"), SysNameText);
  form->addRow(QStringLiteral("Local System Description"), SysDescText);
  form->addRow(QStringLiteral("Local System Capabilities Supported"), CapSupportEdit);
  form->addRow(QStringLiteral("Local System Capabilities Enabled"), capEnableEdit);
  RefreshButton = new QPushButton(QStringLiteral("Refresh"), this);
  RefreshButton->setObjectName(QStringLiteral("RefreshButton"));
  CloseButton = new QPushButton(QStringLiteral("Close"), this);
  CloseButton->setObjectName(QStringLiteral("CloseButton"));
  for (QPushButton* b : {RefreshButton, CloseButton}) b->setAutoDefault(false);
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setSizeGripEnabled(false);
  StatusPanel0 = new QLabel(StatusBar1);
  StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
  StatusBar1->addWidget(StatusPanel0, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(RefreshButton);
  buttons->addWidget(CloseButton);
  auto* top = new QVBoxLayout(this);
  top->addLayout(form);
  top->addWidget(CapSupportText);
  top->addWidget(CapEnableText);
  top->addLayout(buttons);
  top->addWidget(StatusBar1);

  binding_ = AddBinding(tbl::LldpLocSysData, /*asynchronous=*/true, StatusPanel0);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  binding_->AssociateControl(0, ChassisIdSubtypeText);
  binding_->AssociateControl(1, ChassisIdText);
  binding_->AssociateControl(2, SysNameText);
  binding_->AssociateControl(3, SysDescText);
  binding_->AssociateControl(4, CapSupportText);
  binding_->AssociateControl(5, CapEnableText);
  binding_->getDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    if (result.code != 0) return;
    CapSupportEdit->setText(QString::fromStdString(LldpHexToNames(CapSupportText->text().toStdString(), lldp::kCapabilities)));
    capEnableEdit->setText(QString::fromStdString(LldpHexToNames(CapEnableText->text().toStdString(), lldp::kCapabilities)));
  };
  connect(RefreshButton, &QPushButton::clicked, this, [this] { RefreshClick(); });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

void LldpLocalSystemDialog::RefreshClick() {
  if (RefuseWhileBusy(binding_, QString::fromLatin1(kGetDataNotComplete))) return;
  try {
    binding_->Refresh();
  } catch (const std::exception& e) {
    binding_->ShowStatus(ErrorText(e));
  }
}
