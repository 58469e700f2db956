#include "dialogs/vlan/VlanPortsDialog.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

VlanPortsDialog::VlanPortsDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("VLanPortInfomationForm"));
  setWindowTitle(QStringLiteral("VLAN Port Information Form"));
  resize(Px(this, 620), Px(this, 480));
  DialogLayout layout(this, {Name{"LV_dot1qPortVlanEntry"}, {0, 0}}, FieldGrid::kForm);
  portList = layout.list();
  FieldGrid& fields = layout.fields();
  pvidEdit = fields.edit(QStringLiteral("Port VLAN ID"), Name{"PortVLanID"});
  frameTypesCombo = fields.combo(QStringLiteral("Port Acceptable Frame Types"), Name{"PortAcceptableFrameTypes"});
  QComboBox* ingressFiltering = fields.combo(QStringLiteral("Port Ingress Filtering"), Name{"PortIngressFiltering"});
  QComboBox* gvrp = fields.combo(QStringLiteral("Port GVRP Status"), Name{"PortGvrpStatus"});
  layout.buttons().add(QStringLiteral("Refresh"), Name{"BT_Get"}, [this] { refreshClicked(); });
  layout.buttons().add(QStringLiteral("Set"), Name{"BT_Set"}, [this] { setClicked(); });
  layout.buttons().close(Name{"BT_Close"});
  QPlainTextEdit* messages = MakeStatusMemo(this);
  layout.addBelowButtons(messages);

  ports_ = AddBinding(tbl::Dot1qPortVlan, true, messages);
  ports_->AttachListView(portList, true);
  ports_->AssociateEdits(1, "%i{}", pvidEdit);
  ports_->AssociateControl(2, frameTypesCombo);
  ports_->AssociateControl(3, ingressFiltering);
  ports_->AssociateControl(4, gvrp);
  ports_->getDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError&) { Reselect(); };
}

void VlanPortsDialog::Reselect() {
  const QString caption = reselect_;
  reselect_.clear();
  if (caption.isEmpty()) return;
  for (int i = 0; i < portList->topLevelItemCount(); ++i)
    if (portList->topLevelItem(i)->text(0) == caption) {
      portList->topLevelItem(i)->setSelected(true);
      portList->scrollToItem(portList->topLevelItem(i));
      return;
    }
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
