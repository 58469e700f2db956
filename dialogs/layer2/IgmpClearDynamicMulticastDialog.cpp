#include "dialogs/layer2/IgmpClearDynamicMulticastDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "dialogs/layer2/MulticastIpCheck.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

bool CheckMulticastIpv4(QWidget* owner, const QString& text) {
  if (IsIpv4Text(text)) return true;
  bool misplacedDot = text.startsWith(QLatin1Char('.'));
  for (qsizetype i = 0; i < text.size() && !misplacedDot; ++i)
    if (text[i] == QLatin1Char('.') && (i + 1 >= text.size() || !text[i + 1].isDigit())) misplacedDot = true;
  return CheckIpv4Text(owner, text, misplacedDot ? QStringLiteral("Please input a valid IP") : QString(kInvalidIpMessage));
}

IgmpClearDynamicMulticastDialog::IgmpClearDynamicMulticastDialog(const DialogContext& context)
    : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("IGMPSnoopingClearDnyIpMultForm"));
  setWindowTitle(QStringLiteral("IGMP Snooping Clear Dynamic IP Multicast: ") + context.agent);
  vlanIdEdit = MakeEdit(this, "edtVID");
  ipEdit = MakeEdit(this, "edtIPAddr");
  actionCombo = MakeCombo(this, "cbMultAction");
  setButton = MakeButton(this, QStringLiteral("Set"), "btnSet");
  closeButton = MakeButton(this, QStringLiteral("Close"), "btnClose");
  statusBar = MakeStatusBar(this, &statusLabel);
  auto* fields = new QGridLayout;
  fields->addWidget(MakeLabel(this, QStringLiteral("VLAN ID")), 0, 0);
  fields->addWidget(vlanIdEdit, 0, 1);
  fields->addWidget(MakeLabel(this, QStringLiteral("Multicast IP Address")), 1, 0);
  fields->addWidget(ipEdit, 1, 1);
  fields->addWidget(MakeLabel(this, QStringLiteral("Multicast Action")), 2, 0);
  fields->addWidget(actionCombo, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(setButton);
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  layout->addWidget(statusBar);

  KySNMPRequest2Edits* b = AddBinding(tbl::IgmpClearDynamicIpMulticast, false, statusLabel);
  b->AssociateEdits(0, "%i{n0x4094l4}", vlanIdEdit);
  b->AssociateEdits(1, "%s{l16}", ipEdit);
  b->AssociateControl(2, actionCombo);
  connect(setButton, &QPushButton::clicked, this, &IgmpClearDynamicMulticastDialog::setClicked);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

void IgmpClearDynamicMulticastDialog::FirstRefresh() {
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void IgmpClearDynamicMulticastDialog::setClicked() {
  if (vlanIdEdit->text().trimmed().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("VLAN ID can't be empty."), ProgramCaption());
    vlanIdEdit->setFocus();
    return;
  }
  if (ipEdit->text().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Multicast IP Address can't be empty."), ProgramCaption());
    ipEdit->setFocus();
    return;
  }
  if (!CheckMulticastIpv4(this, ipEdit->text())) {
    ipEdit->setFocus();
    return;
  }
  try {
    Editor()->Apply(false, true);  // the three in one request
  } catch (const std::exception& e) {
    Editor()->statusKind = kSetStatus;
    Editor()->ShowStatus(ErrorText(e));
  }
}
