#include "dialogs/layer2/PortMirrorDialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
enum { kRx = 0, kTx = 1, kTarget = 2, kState = 3 };

}  // namespace

PortMirrorDialog::PortMirrorDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("PortMirrorForm"));
  setWindowTitle(QStringLiteral("Port Mirror Table:") + context.agent);
  resize(Px(this, 600), Px(this, 480));

  auto* layout = new QVBoxLayout(this);
  ingressPorts = AddPortGridGroup(this, layout, QStringLiteral("Ingress Port"));
  egressPorts = AddPortGridGroup(this, layout, QStringLiteral("Egress Port"));

  targetPortEdit = new QLineEdit(this);
  targetPortEdit->setObjectName(QStringLiteral("PortEdit"));
  mirroringBox = new QCheckBox(QStringLiteral("Mirroring Status"), this);
  mirroringBox->setObjectName(QStringLiteral("CK_Status"));
  auto* target = new QHBoxLayout;
  target->addWidget(new QLabel(QStringLiteral("Target Port"), this));
  target->addWidget(targetPortEdit);
  target->addSpacing(Px(this, 24));
  target->addWidget(mirroringBox);
  target->addStretch(1);
  layout->addLayout(target);

  ButtonBar buttons(this);
  buttons.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  buttons.add(QStringLiteral("Set Member"), Name{"BT_SetMember"}, [this] { setMemberClicked(); });
  buttons.close(Name{"BT_Close"});
  layout->addLayout(buttons.layout());
  statusLabel = AddStatusBar(this, layout);

  mirror_ = AddBinding(tbl::PortMirror, false, statusLabel);
  BindPortList(*mirror_, kRx, *ingressPorts);
  BindPortList(*mirror_, kTx, *egressPorts);
  mirror_->AssociateEdits(kTarget, "%i", targetPortEdit);
  mirror_->AssociateControl(kState, mirroringBox);

}

void PortMirrorDialog::FirstRefresh() { refreshClicked(); }

void PortMirrorDialog::refreshClicked() {
  try {
    mirror_->Refresh();
  } catch (const std::exception& e) {
    mirror_->ShowStatus(ErrorText(e));
  }
}

void PortMirrorDialog::setMemberClicked() {
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
  refreshClicked();
}
