#include "dialogs/vlan/StaticUnicastFilterDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QMessageBox>
#include <QVBoxLayout>
#include <algorithm>

#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

StaticUnicastFilterDialog::StaticUnicastFilterDialog(const DialogContext& context)
    : StaticFilterDialog(context, {.objectName = "UnicastFilterInformationForm",
                                   .title = QStringLiteral("Unicast Filter Information: "),
                                   .table = tbl::StaticUnicastFilter,
                                   .listName = "LV_dot1qStaticUnicastEntry",
                                   .vidName = "ED_UnicastVID",
                                   .vidCaption = QStringLiteral("VLAN ID"),
                                   .macName = "UnicastAddress",
                                   .macCaption = QStringLiteral("MAC  Address"),
                                   .statusName = "UStatus",
                                   .addName = "SetBtn",
                                   .lockByDisabling = false,
                                   .errorsAsStatus = false}) {
  auto* allowGroup = new QGroupBox(QStringLiteral("Allow To Go To Port"), this);
  allowGroup->setObjectName(QStringLiteral("AllowGroup"));
  auto* host = new QWidget(allowGroup);
  (new QVBoxLayout(allowGroup))->addWidget(host);
  allowPorts = AddStandardPortGrid(host);
  PlacePorts(allowGroup, allowPorts);
}

void StaticUnicastFilterDialog::addClicked() {
  if (vlanIdEdit->text().trimmed().isEmpty() || macEdit->text().trimmed().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Please input VID and MAC Address!"), ProgramCaption());
    return;
  }
  const auto boxes = allowPorts->CheckBoxes();
  if (std::count_if(boxes.begin(), boxes.end(), [](const QCheckBox* box) { return box->isChecked(); }) > 1) {
    ShowMessageBox(this, QStringLiteral("Allow To Go To Port just for one Port."), ProgramCaption());
    return;
  }
  if (statusCombo->currentText() != QLatin1String("permanent")) {
    ShowMessageBox(this, QStringLiteral("Status Should be permanent"), ProgramCaption());
    return;
  }
  if (Refused()) return;
  Write(-1);
}

void StaticUnicastFilterDialog::deleteClicked() {
  if (vlanIdEdit->text().trimmed().isEmpty() || macEdit->text().trimmed().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Please select which entry you want to delete."), ProgramCaption(),
                   QMessageBox::Ok, QMessageBox::Warning);
    return;
  }
  if (Refused()) return;
  statusCombo->setCurrentIndex(statusCombo->findText(QStringLiteral("invalid")));
  Write(kPorts);
}
