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
  vlanIdLabel = texts_[0];
  stopButton = MakeDialogButton(this, "BT_Stop", QStringLiteral("Stop"));
  if (auto* buttons = findChild<QHBoxLayout*>(QStringLiteral("Buttons"))) buttons->insertWidget(3, stopButton);
  connect(setButton, &QPushButton::clicked, this, &MldRouterPortsDialog::setClicked);
  connect(stopButton, &QPushButton::clicked, this, &MldRouterPortsDialog::stopClicked);
  // A write ends with a fresh read, started from its completion as the
  // binding itself does for a table written with refresh after set.
  ports_->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) { refreshClicked(); };
}

void MldRouterPortsDialog::setClicked() {
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
  clearFields();
  setButton->setEnabled(false);
}

void MldRouterPortsDialog::stopClicked() {
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
