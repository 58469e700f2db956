#include "dialogs/vlan/VlanPortsDialog.h"

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

#include "dialogs/common/DialogParts.h"
#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
VlanPortsDialog::VlanPortsDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("VLanPortInfomationForm"));
  setWindowTitle(QStringLiteral("VLAN Port Information Form"));
  resize(Px(this, 620), Px(this, 480));
  LV_dot1qPortVlanEntry = new QTreeWidget(this);
  LV_dot1qPortVlanEntry->setObjectName(QStringLiteral("LV_dot1qPortVlanEntry"));
  PortVLanID = new QLineEdit(this);
  PortVLanID->setObjectName(QStringLiteral("PortVLanID"));
  PortAcceptableFrameTypes = MakeCombo(this, "PortAcceptableFrameTypes");
  PortIngressFiltering = MakeCombo(this, "PortIngressFiltering");
  PortGvrpStatus = MakeCombo(this, "PortGvrpStatus");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Port VLAN ID"), PortVLanID);
  fields->addRow(QStringLiteral("Port Acceptable Frame Types"), PortAcceptableFrameTypes);
  fields->addRow(QStringLiteral("Port Ingress Filtering"), PortIngressFiltering);
  fields->addRow(QStringLiteral("Port GVRP Status"), PortGvrpStatus);
  Memo1 = MakeStatusMemo(this);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LV_dot1qPortVlanEntry, 1);
  layout->addLayout(fields);
  layout->addLayout(RightAlignedButtonRow({BT_Get, BT_Set, BT_Close}));
  layout->addWidget(Memo1);

  ports_ = AddBinding(tbl::Dot1qPortVlan, true, Memo1);
  ports_->AttachListView(LV_dot1qPortVlanEntry, true);
  ports_->AssociateEdits(1, "%i{}", PortVLanID);
  ports_->AssociateControl(2, PortAcceptableFrameTypes);
  ports_->AssociateControl(3, PortIngressFiltering);
  ports_->AssociateControl(4, PortGvrpStatus);
  ports_->getDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) {
    const QString caption = reselect_;
    reselect_.clear();
    if (caption.isEmpty()) return;
    for (int i = 0; i < LV_dot1qPortVlanEntry->topLevelItemCount(); ++i)
      if (LV_dot1qPortVlanEntry->topLevelItem(i)->text(0) == caption) {
        LV_dot1qPortVlanEntry->topLevelItem(i)->setSelected(true);
        LV_dot1qPortVlanEntry->scrollToItem(LV_dot1qPortVlanEntry->topLevelItem(i));
        break;
      }
  };
  connect(BT_Get, &QPushButton::clicked, this, &VlanPortsDialog::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &VlanPortsDialog::BT_SetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void VlanPortsDialog::BT_GetClick() {
  if (RefuseWhileBusy(ports_, QString::fromLatin1(kRefreshNotComplete))) return;
  try {
    ports_->Refresh();
  } catch (const std::exception& e) {
    ports_->ShowStatus(ErrorText(e));
  }
}

void VlanPortsDialog::BT_SetClick() {
  if (RefuseWhileBusy(ports_, QString::fromLatin1(kRefreshNotComplete))) return;
  const auto selected = LV_dot1qPortVlanEntry->selectedItems();
  reselect_ = selected.isEmpty() ? QString() : selected.first()->text(0);
  try {
    ports_->ControlsToValues();
    ports_->Apply(true, false);
  } catch (const std::exception& e) {
    reselect_.clear();
    ports_->ShowStatus(ErrorText(e));
  }
}
