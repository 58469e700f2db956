#include "dialogs/vlan/VlanBasicConfigDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
VlanBasicConfigDialog::VlanBasicConfigDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("VLanGeneralInfoForm"));
  setWindowTitle(QStringLiteral("802.1Q Basic Configure"));
  resize(Px(this, 380), Px(this, 300));
  versionLabel = MakeStaticText(this, "VlanVersionNumber");
  maxVlanIdLabel = MakeStaticText(this, "MaxVlanId");
  maxSupportedVlansLabel = MakeStaticText(this, "MaxSupportedVlans");
  vlanCountLabel = MakeStaticText(this, "NumVlans");
  gvrpCombo = MakeCombo(this, "GvrpStatus");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN Version Number"), versionLabel);
  fields->addRow(QStringLiteral("Max VLAN ID"), maxVlanIdLabel);
  fields->addRow(QStringLiteral("Max Supported VLANs"), maxSupportedVlansLabel);
  fields->addRow(QStringLiteral("Num VLANs"), vlanCountLabel);
  fields->addRow(QStringLiteral("GVRP Status"), gvrpCombo);
  messages = MakeStatusMemo(this);
  ButtonBar buttons(this);
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  setButton = buttons.add(QStringLiteral("Set"), Name{"BT_Set"}, [this] { setClicked(); });
  closeButton = buttons.close(Name{"BT_Close"});
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addStretch(1);
  layout->addLayout(buttons.layout());
  layout->addWidget(messages);

  general_ = AddBinding(tbl::Dot1qVlanGeneral, true, messages);
  general_->AssociateControl(0, versionLabel);
  general_->AssociateControl(1, maxVlanIdLabel);
  general_->AssociateControl(2, maxSupportedVlansLabel);
  general_->AssociateControl(3, vlanCountLabel);
  general_->AssociateControl(4, gvrpCombo);
}

void VlanBasicConfigDialog::refreshClicked() {
  if (general_->busy) return;
  try {
    general_->Refresh();
  } catch (const std::exception& e) {
    general_->ShowStatus(ErrorText(e));
  }
}

void VlanBasicConfigDialog::setClicked() {
  if (general_->busy) return;
  try {
    general_->ControlsToValues();
    general_->Apply(true, false);
  } catch (const std::exception& e) {
    general_->ShowStatus(ErrorText(e));
  }
}
