#include "dialogs/layer2/IgmpMulticastVlanTableDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/ComboChoice.h"
#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {
constexpr int kVid = 0, kName = 1, kSource = 2, kMember = 3, kTagMember = 4, kState = 5, kSourceIp = 6,
              kRowStatus = 7;
const QString kGrey = QStringLiteral("background-color: palette(button);");
}  // namespace

IgmpMulticastVlanTableDialog::IgmpMulticastVlanTableDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("ISMVLANForm"));
  setWindowTitle(QStringLiteral("IGMP Multicast VLAN Table: ") + context.agent);
  lvISMVLAN = new QTreeWidget(this);
  lvISMVLAN->setObjectName(QStringLiteral("lvISMVLAN"));
  lvISMVLAN->setMinimumSize(Px(this, 560), Px(this, 150));
  ED_VLANID = MakeEdit(this, "ED_VLANID");
  ED_VLANName = MakeEdit(this, "ED_VLANName");
  cbxVLANState = MakeCombo(this, "cbxVLANState");
  edtSourceIP = MakeEdit(this, "edtSourceIP");
  cbxStatus = MakeCombo(this, "cbxStatus");
  cbxStatus->hide();
  PortTabs = new QTabWidget(this);
  PortTabs->setObjectName(QStringLiteral("PortTabs"));
  PortGrid** panels[] = {&SourcePorts, &MemberPorts, &TagMemberPorts};
  const char* tabs[] = {"Source Ports", "Member Ports", "Tag Member Port"};
  for (int i = 0; i < 3; ++i) {
    auto* host = new QWidget(PortTabs);
    PortTabs->addTab(host, QString::fromLatin1(tabs[i]));
    *panels[i] = AddStandardPortGrid(host);
  }
  Memo1 = MakeMemo(this, "Memo1");
  Memo1->setReadOnly(true);
  Memo1->setMaximumHeight(Px(this, 60));
  btnRefresh = MakeButton(this, QStringLiteral("Refresh"), "btnRefresh");
  btnSet = MakeButton(this, QStringLiteral("Set"), "btnSet");
  btnAdd = MakeButton(this, QStringLiteral("Add"), "btnAdd");
  btnDelete = MakeButton(this, QStringLiteral("Delete"), "btnDelete");
  btnStop = MakeButton(this, QStringLiteral("Stop"), "btnStop");
  btnClose = MakeButton(this, QStringLiteral("Close"), "btnClose");

  auto* fields = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {{"VLAN ID", ED_VLANID},
                                                    {"VLAN Name", ED_VLANName},
                                                    {"State", cbxVLANState},
                                                    {"Replace Source IP", edtSourceIP}};
  int r = 0;
  for (const auto& [label, field] : rows) {
    fields->addWidget(MakeLabel(this, QString::fromLatin1(label)), r / 2, (r % 2) * 2);
    fields->addWidget(field, r / 2, (r % 2) * 2 + 1);
    ++r;
  }
  ButtonBar buttonBar(this);
  for (QPushButton* b : {btnRefresh, btnSet, btnAdd, btnDelete, btnStop, btnClose}) buttonBar.place(b);
  ST_Count2 = buttonBar.samplesCounter(this, lvISMVLAN);
  ST_Count2->setObjectName(QStringLiteral("ST_Count2"));
  QBoxLayout* buttons = buttonBar.layout();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lvISMVLAN, 1);
  layout->addLayout(fields);
  layout->addWidget(PortTabs);
  layout->addWidget(Memo1);
  layout->addLayout(buttons);

  KySNMPRequest2Edits* b = AddBinding(tbl::IsmVlan, true, Memo1);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(lvISMVLAN, true);
  b->AssociateEdits(kVid, "%s", ED_VLANID);
  b->AssociateEdits(kName, "%s", ED_VLANName);
  BindPortList(*b, kSource, *SourcePorts);
  BindPortList(*b, kMember, *MemberPorts);
  BindPortList(*b, kTagMember, *TagMemberPorts);
  b->AssociateControl(kState, cbxVLANState);
  b->AssociateEdits(kSourceIp, "%s{l16}", edtSourceIP);
  b->AssociateControl(kRowStatus, cbxStatus);
  TrackReady(b);
  // A write that fails ends without a read: the flag comes back with its error.
  b->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    if (result.code != 0) SetReady(true);
  };

  connect(lvISMVLAN, &QTreeWidget::itemSelectionChanged, this, &IgmpMulticastVlanTableDialog::lvISMVLANClick);
  connect(btnRefresh, &QPushButton::clicked, this, &IgmpMulticastVlanTableDialog::btnRefreshClick);
  connect(btnSet, &QPushButton::clicked, this, &IgmpMulticastVlanTableDialog::btnSetClick);
  connect(btnAdd, &QPushButton::clicked, this, &IgmpMulticastVlanTableDialog::btnAddClick);
  connect(btnDelete, &QPushButton::clicked, this, &IgmpMulticastVlanTableDialog::btnDeleteClick);
  connect(btnStop, &QPushButton::clicked, this, &IgmpMulticastVlanTableDialog::btnStopClick);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
  NoSelection();
  SetComboText(cbxStatus, QStringLiteral("createAndGo"));
}

void IgmpMulticastVlanTableDialog::FirstRefresh() {
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Memo1->appendPlainText(QString::fromStdString(ErrorText(e)));
    SetReady(true);
  }
}

bool IgmpMulticastVlanTableDialog::NotReady() {
  if (Ready() && !Editor()->busy) return false;
  ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
  return true;
}

void IgmpMulticastVlanTableDialog::EnablePorts(bool enabled) {
  for (PortGrid* p : {SourcePorts, MemberPorts, TagMemberPorts}) p->setEnabled(enabled);
}

void IgmpMulticastVlanTableDialog::ClearFields() {
  for (PortGrid* p : {SourcePorts, MemberPorts, TagMemberPorts}) p->ClearAll();
  for (QLineEdit* e : {ED_VLANID, ED_VLANName, edtSourceIP}) e->clear();
  cbxVLANState->setCurrentIndex(-1);
}

void IgmpMulticastVlanTableDialog::NoSelection() {
  ClearFields();
  btnSet->setEnabled(false);
  btnDelete->setEnabled(false);
  btnAdd->setEnabled(true);
  edtSourceIP->setEnabled(false);
  edtSourceIP->setStyleSheet(kGrey);
  cbxVLANState->setEnabled(false);
  EnablePorts(false);
}

void IgmpMulticastVlanTableDialog::lvISMVLANClick() {
  if (lvISMVLAN->selectedItems().isEmpty()) {
    NoSelection();
    return;
  }
  btnSet->setEnabled(true);
  btnDelete->setEnabled(true);
  btnAdd->setEnabled(false);
  edtSourceIP->setEnabled(true);
  edtSourceIP->setStyleSheet(QString());
  EnablePorts(true);
  // The State combo is never enabled: it shows its first item, so a Set writes "enabled".
  cbxVLANState->setCurrentIndex(0);
  cbxVLANState->setEnabled(false);
}

void IgmpMulticastVlanTableDialog::btnRefreshClick() {
  if (!Ready() || Editor()->busy) return;
  SetReady(false);
  Editor()->request.enabled = true;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Memo1->appendPlainText(QString::fromStdString(ErrorText(e)));
    SetReady(true);
  }
  UpdateSamples();
  NoSelection();
}

bool IgmpMulticastVlanTableDialog::OptionalColumns(KyColumnExclusion& exclusion) {
  if (edtSourceIP->text().isEmpty()) {
    exclusion.Exclude(kSourceIp);
  } else if (!CheckIpv4Text(this, edtSourceIP->text())) {
    edtSourceIP->setFocus();
    return false;
  }
  if (cbxVLANState->currentText().isEmpty()) exclusion.Exclude(kState);
  return true;
}

void IgmpMulticastVlanTableDialog::Write() {
  SetReady(false);
  try {
    // The table is read again when the write is done (ready again then).
    Editor()->Apply(true, true);
  } catch (const std::exception& e) {
    Memo1->appendPlainText(QString::fromStdString(ErrorText(e)));
    SetReady(true);
  }
}

void IgmpMulticastVlanTableDialog::btnAddClick() {
  if (NotReady()) return;
  // The guard puts the skipped columns back on every way out, a refused
  // field included: the next Refresh reads the port lists again.
  KyColumnExclusion exclusion(Editor()->request.varList);
  exclusion.Exclude({kSource, kMember, kTagMember});
  SetComboText(cbxStatus, QStringLiteral("createAndGo"));
  Editor()->request.enabled = true;
  if (ED_VLANID->text().trimmed().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Please specify VLAN ID"), ProgramCaption());
    return;
  }
  if (ED_VLANName->text().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Please specify VLAN Name"), ProgramCaption());
    return;
  }
  if (!OptionalColumns(exclusion)) return;
  Write();
}

void IgmpMulticastVlanTableDialog::btnSetClick() {
  if (NotReady() || lvISMVLAN->selectedItems().isEmpty()) return;
  Editor()->request.enabled = true;
  {
    // Every column, the row status as read with the row included; only the
    // rules of the source IP and the State may leave theirs out.
    KyColumnExclusion exclusion(Editor()->request.varList);
    if (!OptionalColumns(exclusion)) return;
    Write();
  }
  NoSelection();
}

void IgmpMulticastVlanTableDialog::btnDeleteClick() {
  if (NotReady() || lvISMVLAN->selectedItems().isEmpty()) return;
  SetComboText(cbxStatus, QStringLiteral("destroy"));
  Editor()->request.enabled = true;
  {
    KyColumnExclusion exclusion(Editor()->request.varList);
    exclusion.Exclude({kName, kSource, kMember, kTagMember, kState, kSourceIp});
    Write();
  }
  SetComboText(cbxStatus, QStringLiteral("createAndGo"));
  NoSelection();
}

void IgmpMulticastVlanTableDialog::btnStopClick() { Editor()->request.enabled = false; }

void IgmpMulticastVlanTableDialog::done(int result) {
  if (!Ready()) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  SnmpDialog::done(result);
}

void IgmpMulticastVlanTableDialog::closeEvent(QCloseEvent* event) {
  if (!Ready()) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    event->ignore();
    return;
  }
  lvISMVLAN->clearSelection();
  SnmpDialog::closeEvent(event);
}
