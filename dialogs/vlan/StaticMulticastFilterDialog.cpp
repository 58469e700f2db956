#include "dialogs/vlan/StaticMulticastFilterDialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "dialogs/common/ComboChoice.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

StaticMulticastFilterDialog::StaticMulticastFilterDialog(const DialogContext& context)
    : StaticFilterDialog(context, {.objectName = "MulticastFilterInformationForm",
                                   .title = QStringLiteral("Multicast Filter Information"),
                                   .table = tbl::StaticMulticastFilter,
                                   .listName = "LV_dot1qStaticMulticastEntry",
                                   .vidName = "ED_MulticastVID",
                                   .vidCaption = QStringLiteral("VID"),
                                   .macName = "ED_MACAddress",
                                   .macCaption = QStringLiteral("MAC Address"),
                                   .statusName = "Status",
                                   .addName = "AddBtn",
                                   .lockByDisabling = true,
                                   .errorsAsStatus = true}) {
  portTabs = new QTabWidget(this);
  portTabs->setObjectName(QStringLiteral("PortTabs"));
  auto* egress = new QWidget(portTabs);
  portTabs->addTab(egress, QStringLiteral("Egress Ports"));
  portTabs->addTab(new QWidget(portTabs), QStringLiteral("Forbidden Ports"));
  portTabs->setTabVisible(1, false);
  egressPorts = AddStandardPortGrid(egress);
  PlacePorts(portTabs, egressPorts);
  setButton = AddButton(QStringLiteral("Set"), "SetBtn", [this] { setClicked(); });
  NoSelection();
}

void StaticMulticastFilterDialog::NoSelection() {
  StaticFilterDialog::NoSelection();
  setButton->setEnabled(false);
}

void StaticMulticastFilterDialog::Selected() { setButton->setEnabled(true); }

void StaticMulticastFilterDialog::addClicked() {
  if (statusCombo->currentText() != QLatin1String("permanent")) {
    ShowMessageBox(this, QStringLiteral("Status should be set to permanent"), ProgramCaption());
    return;
  }
  if (Refused()) return;
  Write(-1);
}

void StaticMulticastFilterDialog::setClicked() {
  if (filterList->selectedItems().isEmpty() || Refused()) return;
  setButton->setEnabled(false);
  Write(kStatus);  // the egress ports of the selected entry; never its status
}

void StaticMulticastFilterDialog::deleteClicked() {
  if (filterList->selectedItems().isEmpty() || Refused()) return;
  SetComboText(statusCombo, QStringLiteral("invalid"));
  Write(-1);
}
