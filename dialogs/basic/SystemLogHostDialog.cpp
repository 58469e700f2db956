#include "dialogs/basic/SystemLogHostDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include "dialogs/common/DialogLayout.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
constexpr int kIndex = 0;
constexpr int kIp = 1;
constexpr int kFacility = 2;
constexpr int kSeverity = 3;
constexpr int kPort = 4;
constexpr int kState = 5;
constexpr int kRowStatus = 6;
constexpr const char* kPortMessage = "The range of Server UDP Port for syslog is 514 or 6000-65535.";
}  // namespace

SystemLogHostDialog::SystemLogHostDialog(const DialogContext& context)
    : TableDialog(context, tbl::SystemLogServer,
                  {.objectName = "SystemLogServerForm",
                   .caption = QStringLiteral("System Log Host : "),
                   .list = {Name{"LV_SystemLogServerEntry"}, {460, 140}},
                   .fieldColumns = 2,
                   .asynchronous = true}) {
  hostList = list();
  indexEdit = edit(kIndex, QStringLiteral("Server Index"), Name{"Ed_Index"}, "%i{n1x4}", Role::Index);
  ipEdit = edit(kIp, QStringLiteral("Server IP Address"), Name{"Ed_IP"}, "%s");
  facilityCombo = combo(kFacility, QStringLiteral("Facility"), Name{"CBox_Facility"});
  severityCombo = combo(kSeverity, QStringLiteral("Severity"), Name{"CBox_Severity"});
  portEdit = edit(kPort, QStringLiteral("UDP Port"), Name{"Ed_Port"}, "%i");
  stateCombo = combo(kState, QStringLiteral("Server State"), Name{"CBox_State"});
  rowStatusCombo = rowStatus(kRowStatus, Name{"CBox_RowStatus"});
  refreshButton = button(QStringLiteral("Refresh"), Name{"Btn_Refresh"}, [this] { refreshClicked(); });
  addButton = button(QStringLiteral("Add"), Name{"Btn_Add"}, [this] { addClicked(); });
  setButton = button(QStringLiteral("Set"), Name{"Btn_Edit"}, [this] { setClicked(); }, Enable::WithSelection);
  deleteButton = button(QStringLiteral("Delete"), Name{"Btn_Del"}, [this] { deleteClicked(); }, Enable::WithSelection);
  closeButton = addCloseButton(Name{"Button1"});
  countLabel = samplesCounter();
  statusPanel = statusBar(&statusBarWidget);
}

void SystemLogHostDialog::refreshClicked() {
  refresh();
  clearFields();
}

bool SystemLogHostDialog::CheckPort() {
  const QString text = portEdit->text().trimmed();
  if (text.isEmpty()) return true;
  bool ok = false;
  const long long port = text.toLongLong(&ok);
  if (ok && (port == 514 || (port >= 6000 && port <= 65535))) return true;
  ShowMessageBox(this, kPortMessage, ProgramCaption());
  portEdit->setFocus();
  return false;
}

void SystemLogHostDialog::setClicked() {
  if (Editor()->busy) return;
  if (!CheckIpv4Text(this, ipEdit->text())) {
    ipEdit->setFocus();
    return;
  }
  if (!CheckPort()) return;
  {
    // An empty port is left out, as "Add" does: the agent would take 0.
    KyColumnExclusion exclusion(Editor()->request.varList);
    if (portEdit->text().trimmed().isEmpty()) exclusion.Exclude(kPort);
    write();
  }
  clearFields();
}

void SystemLogHostDialog::addClicked() {
  if (Editor()->busy) return;
  if (indexEdit->text().trimmed().isEmpty()) {
    refuse(QStringLiteral("Server Index must be set"), indexEdit);
    return;
  }
  if (hasRow(indexEdit->text().trimmed())) {
    refuse(QStringLiteral("This Index has already existed. Please Change Server Index."), indexEdit);
    return;
  }
  if (ipEdit->text().isEmpty()) {
    refuse(QStringLiteral("Server IP Address must be set"), ipEdit);
    return;
  }
  if (!CheckIpv4Text(this, ipEdit->text())) {
    ipEdit->setFocus();
    return;
  }
  if (!CheckPort()) return;
  {
    KyColumnExclusion exclusion(Editor()->request.varList);
    if (facilityCombo->currentText().isEmpty()) exclusion.Exclude(kFacility);
    if (stateCombo->currentText().isEmpty()) exclusion.Exclude(kState);
    if (portEdit->text().trimmed().isEmpty()) exclusion.Exclude(kPort);
    if (severityCombo->currentText().isEmpty()) exclusion.Exclude(kSeverity);
    rowStatusCombo->setCurrentIndex(rowStatusCombo->findText(QStringLiteral("createAndGo")));
    write();
  }
  clearFields();
}

void SystemLogHostDialog::deleteClicked() {
  if (Editor()->busy) return;
  {
    KyColumnExclusion exclusion(Editor()->request.varList);
    exclusion.Exclude({kIp, kFacility, kSeverity, kPort, kState});
    rowStatusCombo->setCurrentIndex(rowStatusCombo->findText(QStringLiteral("destroy")));
    write();
  }
  clearFields();
}

