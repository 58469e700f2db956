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

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/DialogParts.h"
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
  portList = new QTreeWidget(this);
  portList->setObjectName(QStringLiteral("LV_dot1qPortVlanEntry"));
  pvidEdit = new QLineEdit(this);
  pvidEdit->setObjectName(QStringLiteral("PortVLanID"));
  frameTypesCombo = MakeCombo(this, "PortAcceptableFrameTypes");
  ingressFilteringCombo = MakeCombo(this, "PortIngressFiltering");
  gvrpCombo = MakeCombo(this, "PortGvrpStatus");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("Port VLAN ID"), pvidEdit);
  fields->addRow(QStringLiteral("Port Acceptable Frame Types"), frameTypesCombo);
  fields->addRow(QStringLiteral("Port Ingress Filtering"), ingressFilteringCombo);
  fields->addRow(QStringLiteral("Port GVRP Status"), gvrpCombo);
  messages = MakeStatusMemo(this);
  ButtonBar buttons(this);
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  setButton = buttons.add(QStringLiteral("Set"), Name{"BT_Set"}, [this] { setClicked(); });
  closeButton = buttons.close(Name{"BT_Close"});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(portList, 1);
  layout->addLayout(fields);
  layout->addLayout(buttons.layout());
  layout->addWidget(messages);

  ports_ = AddBinding(tbl::Dot1qPortVlan, true, messages);
  ports_->AttachListView(portList, true);
  ports_->AssociateEdits(1, "%i{}", pvidEdit);
  ports_->AssociateControl(2, frameTypesCombo);
  ports_->AssociateControl(3, ingressFilteringCombo);
  ports_->AssociateControl(4, gvrpCombo);
  ports_->getDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) {
    const QString caption = reselect_;
    reselect_.clear();
    if (caption.isEmpty()) return;
    for (int i = 0; i < portList->topLevelItemCount(); ++i)
      if (portList->topLevelItem(i)->text(0) == caption) {
        portList->topLevelItem(i)->setSelected(true);
        portList->scrollToItem(portList->topLevelItem(i));
        break;
      }
  };
}

void VlanPortsDialog::refreshClicked() {
  if (RefuseWhileBusy(ports_, QString::fromLatin1(kRefreshNotComplete))) return;
  try {
    ports_->Refresh();
  } catch (const std::exception& e) {
    ports_->ShowStatus(ErrorText(e));
  }
}

void VlanPortsDialog::setClicked() {
  if (RefuseWhileBusy(ports_, QString::fromLatin1(kRefreshNotComplete))) return;
  const auto selected = portList->selectedItems();
  reselect_ = selected.isEmpty() ? QString() : selected.first()->text(0);
  try {
    ports_->ControlsToValues();
    ports_->Apply(true, false);
  } catch (const std::exception& e) {
    reselect_.clear();
    ports_->ShowStatus(ErrorText(e));
  }
}
