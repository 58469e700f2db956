#include "dialogs/basic/SystemLogHostDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include "dialogs/common/DialogParts.h"
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

SystemLogHostDialog::SystemLogHostDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("SystemLogServerForm"));
  setWindowTitle(QStringLiteral("System Log Host : ") + context.agent);

  hostList = new QTreeWidget(this);
  hostList->setObjectName(QStringLiteral("LV_SystemLogServerEntry"));
  hostList->setMinimumSize(Px(this, 460), Px(this, 140));
  indexEdit = MakeEdit(this, "Ed_Index");
  ipEdit = MakeEdit(this, "Ed_IP");
  facilityCombo = MakeCombo(this, "CBox_Facility");
  severityCombo = MakeCombo(this, "CBox_Severity");
  portEdit = MakeEdit(this, "Ed_Port");
  stateCombo = MakeCombo(this, "CBox_State");
  rowStatusCombo = MakeCombo(this, "CBox_RowStatus");
  rowStatusCombo->hide();
  refreshButton = MakeButton(this, QStringLiteral("Refresh"), "Btn_Refresh");
  setButton = MakeButton(this, QStringLiteral("Set"), "Btn_Edit");
  addButton = MakeButton(this, QStringLiteral("Add"), "Btn_Add");
  deleteButton = MakeButton(this, QStringLiteral("Delete"), "Btn_Del");
  closeButton = MakeButton(this, QStringLiteral("Close"), "Button1");
  statusBar = MakeStatusBar(this, &statusPanel);

  auto* fields = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {
      {"Server Index", indexEdit},   {"Server IP Address", ipEdit}, {"Facility", facilityCombo},
      {"Severity", severityCombo},  {"UDP Port", portEdit},        {"Server State", stateCombo},
  };
  int r = 0;
  for (const auto& [label, field] : rows) {
    fields->addWidget(MakeLabel(this, QString::fromLatin1(label)), r / 2, (r % 2) * 2);
    fields->addWidget(field, r / 2, (r % 2) * 2 + 1);
    ++r;
  }
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {refreshButton, setButton, addButton, deleteButton, closeButton}) buttons->addWidget(b);
  buttons->addStretch(1);
  QLabel* samples = nullptr;
  countLabel = AddSamplesCounter(this, hostList, &samples);
  buttons->addWidget(samples);
  buttons->addWidget(countLabel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(hostList, 1);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  layout->addWidget(statusBar);

  KySNMPRequest2Edits* b = AddBinding(tbl::SystemLogServer, true, statusPanel);
  b->AttachListView(hostList, true);
  b->AssociateEdits(kIndex, "%i{n1x4}", indexEdit);
  b->AssociateEdits(kIp, "%s", ipEdit);
  b->AssociateControl(kFacility, facilityCombo);
  b->AssociateControl(kSeverity, severityCombo);
  b->AssociateEdits(kPort, "%i", portEdit);
  b->AssociateControl(kState, stateCombo);
  b->AssociateControl(kRowStatus, rowStatusCombo);

  connect(hostList, &QTreeWidget::itemSelectionChanged, this,
          &SystemLogHostDialog::hostSelected);
  connect(refreshButton, &QPushButton::clicked, this, &SystemLogHostDialog::refreshClicked);
  connect(setButton, &QPushButton::clicked, this, &SystemLogHostDialog::setClicked);
  connect(addButton, &QPushButton::clicked, this, &SystemLogHostDialog::addClicked);
  connect(deleteButton, &QPushButton::clicked, this, &SystemLogHostDialog::deleteClicked);
  connect(closeButton, &QPushButton::clicked, this, &SystemLogHostDialog::closeClicked);
  deleteButton->setEnabled(false);
  setButton->setEnabled(false);
}

void SystemLogHostDialog::FirstRefresh() { Editor()->Refresh(); }

void SystemLogHostDialog::Reset() {
  for (QLineEdit* e : {indexEdit, ipEdit, portEdit}) {
    e->clear();
    e->setReadOnly(false);
    e->setEnabled(true);
  }
  indexEdit->setStyleSheet(QString());  // white again
  for (QComboBox* c : {facilityCombo, severityCombo, stateCombo, rowStatusCombo}) c->setCurrentIndex(-1);
  setButton->setEnabled(false);
  deleteButton->setEnabled(false);
  addButton->setEnabled(true);
  refreshButton->setEnabled(true);
  UpdateSamples();
}

void SystemLogHostDialog::hostSelected() {
  if (hostList->selectedItems().isEmpty()) {
    Reset();
    return;
  }
  setButton->setEnabled(true);
  deleteButton->setEnabled(true);
  indexEdit->setEnabled(false);
}

void SystemLogHostDialog::hostsChanged() { UpdateSamples(); }

void SystemLogHostDialog::refreshClicked() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
  Reset();
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

void SystemLogHostDialog::Write() {
  try {
    Editor()->Apply(true, true);
  } catch (const std::exception& e) {
    Editor()->statusKind = kSetStatus;
    Editor()->ShowStatus(ErrorText(e));
  }
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
    Write();
  }
  Reset();
}

void SystemLogHostDialog::addClicked() {
  if (Editor()->busy) return;
  if (indexEdit->text().trimmed().isEmpty()) {
    ShowMessageBox(this, "Server Index must be set", ProgramCaption());
    indexEdit->setFocus();
    return;
  }
  for (int i = 0; i < hostList->topLevelItemCount(); ++i) {
    if (hostList->topLevelItem(i)->text(0) == indexEdit->text().trimmed()) {
      ShowMessageBox(this, "This Index has already existed. Please Change Server Index.", ProgramCaption());
      indexEdit->setFocus();
      return;
    }
  }
  if (ipEdit->text().isEmpty()) {
    ShowMessageBox(this, "Server IP Address must be set", ProgramCaption());
    ipEdit->setFocus();
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
    Write();
  }
  Reset();
}

void SystemLogHostDialog::deleteClicked() {
  if (Editor()->busy) return;
  {
    KyColumnExclusion exclusion(Editor()->request.varList);
    exclusion.Exclude({kIp, kFacility, kSeverity, kPort, kState});
    rowStatusCombo->setCurrentIndex(rowStatusCombo->findText(QStringLiteral("destroy")));
    Write();
  }
  Reset();
}

void SystemLogHostDialog::closeClicked() { close(); }
