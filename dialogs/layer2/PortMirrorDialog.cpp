#include "dialogs/layer2/PortMirrorDialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
enum { kRx = 0, kTx = 1, kTarget = 2, kState = 3 };

PortGrid* AddGridGroup(QWidget* parent, QVBoxLayout* layout, const QString& title) {
  auto* group = new QGroupBox(title, parent);
  auto* host = new QWidget(group);
  host->setMinimumHeight(Px(parent, 110));
  auto* inner = new QVBoxLayout(group);
  inner->addWidget(host);
  layout->addWidget(group);
  return AddStandardPortGrid(host);
}
}  // namespace

PortMirrorDialog::PortMirrorDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("PortMirrorForm"));
  setWindowTitle(QStringLiteral("Port Mirror Table:") + context.agent);
  resize(Px(this, 600), Px(this, 480));

  auto* layout = new QVBoxLayout(this);
  IngressPorts = AddGridGroup(this, layout, QStringLiteral("Ingress Port"));
  EgressPorts = AddGridGroup(this, layout, QStringLiteral("Egress Port"));

  PortEdit = new QLineEdit(this);
  PortEdit->setObjectName(QStringLiteral("PortEdit"));
  CK_Status = new QCheckBox(QStringLiteral("Mirroring Status"), this);
  CK_Status->setObjectName(QStringLiteral("CK_Status"));
  auto* target = new QHBoxLayout;
  target->addWidget(new QLabel(QStringLiteral("Target Port"), this));
  target->addWidget(PortEdit);
  target->addSpacing(Px(this, 24));
  target->addWidget(CK_Status);
  target->addStretch(1);
  layout->addLayout(target);

  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_SetMember = MakeDialogButton(this, "BT_SetMember", QStringLiteral("Set Member"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {BT_Get, BT_SetMember, BT_Close}) buttons->addWidget(b);
  layout->addLayout(buttons);
  StatusPanel = AddStatusPanel(this);
  layout->addWidget(StatusPanel->parentWidget());

  mirror_ = AddBinding(tbl::PortMirror, false, StatusPanel);
  BindPortList(*mirror_, kRx, *IngressPorts);
  BindPortList(*mirror_, kTx, *EgressPorts);
  mirror_->AssociateEdits(kTarget, "%i", PortEdit);
  mirror_->AssociateControl(kState, CK_Status);

  connect(BT_Get, &QPushButton::clicked, this, &PortMirrorDialog::BT_GetClick);
  connect(BT_SetMember, &QPushButton::clicked, this, &PortMirrorDialog::BT_SetMemberClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void PortMirrorDialog::FirstRefresh() { BT_GetClick(); }

void PortMirrorDialog::BT_GetClick() {
  try {
    mirror_->Refresh();
  } catch (const std::exception& e) {
    mirror_->ShowStatus(ErrorText(e));
  }
}

void PortMirrorDialog::BT_SetMemberClick() {
  try {
    // The port lists go a second and a third time on their own. Every
    // variable is part of the exchanges again however this ends.
    KyColumnExclusion exclusion(mirror_->request.varList);
    mirror_->Apply(true, true);
    exclusion.ExcludeAllBut({kRx});
    mirror_->Apply(true, true);
    exclusion.Restore();
    exclusion.ExcludeAllBut({kTx});
    mirror_->Apply(true, true);
  } catch (const std::exception& e) {
    // The error stays on the status line, and the fields keep what the
    // operator chose (a read now would put the switch's values over them):
    // he can try again or read with Refresh.
    mirror_->ShowStatus(ErrorText(e));
    return;
  }
  BT_GetClick();
}
