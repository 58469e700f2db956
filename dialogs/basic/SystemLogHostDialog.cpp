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

  LV_SystemLogServerEntry = new QTreeWidget(this);
  LV_SystemLogServerEntry->setObjectName(QStringLiteral("LV_SystemLogServerEntry"));
  LV_SystemLogServerEntry->setMinimumSize(Px(this, 460), Px(this, 140));
  Ed_Index = MakeEdit(this, "Ed_Index");
  Ed_IP = MakeEdit(this, "Ed_IP");
  CBox_Facility = MakeCombo(this, "CBox_Facility");
  CBox_Severity = MakeCombo(this, "CBox_Severity");
  Ed_Port = MakeEdit(this, "Ed_Port");
  CBox_State = MakeCombo(this, "CBox_State");
  CBox_RowStatus = MakeCombo(this, "CBox_RowStatus");
  CBox_RowStatus->hide();
  Btn_Refresh = MakeButton(this, QStringLiteral("Refresh"), "Btn_Refresh");
  Btn_Edit = MakeButton(this, QStringLiteral("Set"), "Btn_Edit");
  Btn_Add = MakeButton(this, QStringLiteral("Add"), "Btn_Add");
  Btn_Del = MakeButton(this, QStringLiteral("Delete"), "Btn_Del");
  Button1 = MakeButton(this, QStringLiteral("Close"), "Button1");
  StatusBar1 = MakeStatusBar(this, &StatusPanel0);

  auto* fields = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {
      {"Server Index", Ed_Index},   {"Server IP Address", Ed_IP}, {"Facility", CBox_Facility},
      {"Severity", CBox_Severity},  {"UDP Port", Ed_Port},        {"Server State", CBox_State},
  };
  int r = 0;
  for (const auto& [label, field] : rows) {
    fields->addWidget(MakeLabel(this, QString::fromLatin1(label)), r / 2, (r % 2) * 2);
    fields->addWidget(field, r / 2, (r % 2) * 2 + 1);
    ++r;
  }
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {Btn_Refresh, Btn_Edit, Btn_Add, Btn_Del, Button1}) buttons->addWidget(b);
  buttons->addStretch(1);
  QLabel* samples = nullptr;
  ST_Count = AddSamplesCounter(this, LV_SystemLogServerEntry, &samples);
  buttons->addWidget(samples);
  buttons->addWidget(ST_Count);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(LV_SystemLogServerEntry, 1);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  layout->addWidget(StatusBar1);

  KySNMPRequest2Edits* b = AddBinding(tbl::SystemLogServer, true, StatusPanel0);
  b->AttachListView(LV_SystemLogServerEntry, true);
  b->AssociateEdits(kIndex, "%i{n1x4}", Ed_Index);
  b->AssociateEdits(kIp, "%s", Ed_IP);
  b->AssociateControl(kFacility, CBox_Facility);
  b->AssociateControl(kSeverity, CBox_Severity);
  b->AssociateEdits(kPort, "%i", Ed_Port);
  b->AssociateControl(kState, CBox_State);
  b->AssociateControl(kRowStatus, CBox_RowStatus);

  connect(LV_SystemLogServerEntry, &QTreeWidget::itemSelectionChanged, this,
          &SystemLogHostDialog::LV_SystemLogServerEntryClick);
  connect(Btn_Refresh, &QPushButton::clicked, this, &SystemLogHostDialog::Btn_RefreshClick);
  connect(Btn_Edit, &QPushButton::clicked, this, &SystemLogHostDialog::Btn_EditClick);
  connect(Btn_Add, &QPushButton::clicked, this, &SystemLogHostDialog::Btn_AddClick);
  connect(Btn_Del, &QPushButton::clicked, this, &SystemLogHostDialog::Btn_DelClick);
  connect(Button1, &QPushButton::clicked, this, &SystemLogHostDialog::Button1Click);
  Btn_Del->setEnabled(false);
  Btn_Edit->setEnabled(false);
}

void SystemLogHostDialog::FirstRefresh() { Editor()->Refresh(); }

void SystemLogHostDialog::Reset() {
  for (QLineEdit* e : {Ed_Index, Ed_IP, Ed_Port}) {
    e->clear();
    e->setReadOnly(false);
    e->setEnabled(true);
  }
  Ed_Index->setStyleSheet(QString());  // white again
  for (QComboBox* c : {CBox_Facility, CBox_Severity, CBox_State, CBox_RowStatus}) c->setCurrentIndex(-1);
  Btn_Edit->setEnabled(false);
  Btn_Del->setEnabled(false);
  Btn_Add->setEnabled(true);
  Btn_Refresh->setEnabled(true);
  UpdateSamples();
}

void SystemLogHostDialog::LV_SystemLogServerEntryClick() {
  if (LV_SystemLogServerEntry->selectedItems().isEmpty()) {
    Reset();
    return;
  }
  Btn_Edit->setEnabled(true);
  Btn_Del->setEnabled(true);
  Ed_Index->setEnabled(false);
}

void SystemLogHostDialog::LV_SystemLogServerEntryChange() { UpdateSamples(); }

void SystemLogHostDialog::Btn_RefreshClick() {
  try {
    if (!Editor()->busy) Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
  Reset();
}

bool SystemLogHostDialog::CheckPort() {
  const QString text = Ed_Port->text().trimmed();
  if (text.isEmpty()) return true;
  bool ok = false;
  const long long port = text.toLongLong(&ok);
  if (ok && (port == 514 || (port >= 6000 && port <= 65535))) return true;
  ShowMessageBox(this, kPortMessage, ProgramCaption());
  Ed_Port->setFocus();
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

void SystemLogHostDialog::Btn_EditClick() {
  if (Editor()->busy) return;
  if (!CheckIpv4Text(this, Ed_IP->text())) {
    Ed_IP->setFocus();
    return;
  }
  if (!CheckPort()) return;
  {
    // An empty port is left out, as "Add" does: the agent would take 0.
    KyColumnExclusion exclusion(Editor()->request.varList);
    if (Ed_Port->text().trimmed().isEmpty()) exclusion.Exclude(kPort);
    Write();
  }
  Reset();
}

void SystemLogHostDialog::Btn_AddClick() {
  if (Editor()->busy) return;
  if (Ed_Index->text().trimmed().isEmpty()) {
    ShowMessageBox(this, "Server Index must be set", ProgramCaption());
    Ed_Index->setFocus();
    return;
  }
  for (int i = 0; i < LV_SystemLogServerEntry->topLevelItemCount(); ++i) {
    if (LV_SystemLogServerEntry->topLevelItem(i)->text(0) == Ed_Index->text().trimmed()) {
      ShowMessageBox(this, "This Index has already existed. Please Change Server Index.", ProgramCaption());
      Ed_Index->setFocus();
      return;
    }
  }
  if (Ed_IP->text().isEmpty()) {
    ShowMessageBox(this, "Server IP Address must be set", ProgramCaption());
    Ed_IP->setFocus();
    return;
  }
  if (!CheckIpv4Text(this, Ed_IP->text())) {
    Ed_IP->setFocus();
    return;
  }
  if (!CheckPort()) return;
  {
    KyColumnExclusion exclusion(Editor()->request.varList);
    if (CBox_Facility->currentText().isEmpty()) exclusion.Exclude(kFacility);
    if (CBox_State->currentText().isEmpty()) exclusion.Exclude(kState);
    if (Ed_Port->text().trimmed().isEmpty()) exclusion.Exclude(kPort);
    if (CBox_Severity->currentText().isEmpty()) exclusion.Exclude(kSeverity);
    CBox_RowStatus->setCurrentIndex(CBox_RowStatus->findText(QStringLiteral("createAndGo")));
    Write();
  }
  Reset();
}

void SystemLogHostDialog::Btn_DelClick() {
  if (Editor()->busy) return;
  {
    KyColumnExclusion exclusion(Editor()->request.varList);
    exclusion.Exclude({kIp, kFacility, kSeverity, kPort, kState});
    CBox_RowStatus->setCurrentIndex(CBox_RowStatus->findText(QStringLiteral("destroy")));
    Write();
  }
  Reset();
}

void SystemLogHostDialog::Button1Click() { close(); }
