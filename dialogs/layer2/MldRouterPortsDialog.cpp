#include "dialogs/layer2/MldRouterPortsDialog.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogParts.h"
#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
MldRouterPortsDialog::MldRouterPortsDialog(const DialogContext& context)
    : RouterPortsDialog(context, tbl::MldRouterPortVlan, {MakeStaticText(nullptr, "stVlanID")}, 1,
                       "MLD_SnoopingRouterPortsForm") {
  setWindowTitle(QStringLiteral("MLD Snooping Router Ports Form"));
  stVlanID = texts_[0];
  BT_Stop = MakeDialogButton(this, "BT_Stop", QStringLiteral("Stop"));
  if (auto* buttons = findChild<QHBoxLayout*>(QStringLiteral("Buttons"))) buttons->insertWidget(3, BT_Stop);
  connect(BT_Set, &QPushButton::clicked, this, &MldRouterPortsDialog::BT_SetClick);
  connect(BT_Stop, &QPushButton::clicked, this, &MldRouterPortsDialog::BT_StopClick);
  // A write ends with a fresh read, started from its completion as the
  // binding itself does for a table written with refresh after set.
  ports_->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) { BT_GetClick(); };
}

void MldRouterPortsDialog::BT_SetClick() {
  if (!Ready()) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  ports_->request.enabled = true;  // after "Stop"
  try {
    ports_->Apply(false, true);
  } catch (const std::exception& e) {
    ports_->ShowStatus(ErrorText(e));
  }
  ClearFields();
  BT_Set->setEnabled(false);
}

void MldRouterPortsDialog::BT_StopClick() {
  // The walk ends after the reply in flight; what was read stays listed.
  ports_->request.enabled = false;
  SetReady(true);
}

void MldRouterPortsDialog::reject() {
  if (ports_->busy && ports_->request.enabled) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  RouterPortsDialog::reject();
}
