#include "dialogs/layer2/IgmpRouterPortsDialog.h"

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
IgmpRouterPortsDialog::IgmpRouterPortsDialog(const DialogContext& context)
    : RouterPortsDialog(context, tbl::IgmpRouterPortVlan,
                       {MakeStaticText(nullptr, "ST_VlanID"), MakeStaticText(nullptr, "ST_VlanName")}, 2,
                       "IGMPRouterPortsForm") {
  setWindowTitle(QStringLiteral("IGMP Router Ports"));
  vlanIdLabel = texts_[0];
  vlanNameLabel = texts_[1];
  connect(setButton, &QPushButton::clicked, this, &IgmpRouterPortsDialog::setClicked);
}

void IgmpRouterPortsDialog::setClicked() {
  if (!Ready()) return;
  try {
    SetReady(false);  // the read after the write sets it again
    ports_->Apply(true, true);
  } catch (const std::exception& e) {
    SetReady(true);
    ports_->ShowStatus(ErrorText(e));
  }
  clearFields();
  setButton->setEnabled(false);
}
