#include "dialogs/vlan/StaticMulticastFilterDialog.h"

#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

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
  // "Egress Ports", and the hidden "Forbidden Ports".
  QTabWidget* tabs = MakePortPages(this, "PortTabs");
  auto* egress = new QWidget(tabs);
  tabs->addTab(egress, QStringLiteral("Egress Ports"));
  tabs->addTab(new QWidget(tabs), QStringLiteral("Forbidden Ports"));
  tabs->setTabVisible(1, false);
  egressPorts = AddStandardPortGrid(egress);
  setButton = button(QStringLiteral("Set"), Name{"SetBtn"}, [this] { setClicked(); }, Enable::WithSelection);
  PlacePorts(tabs, egressPorts);
}

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
  statusCombo->setCurrentIndex(statusCombo->findText(QStringLiteral("invalid")));
  Write(-1);
}
