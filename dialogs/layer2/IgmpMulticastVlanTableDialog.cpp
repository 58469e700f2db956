#include "dialogs/layer2/IgmpMulticastVlanTableDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "dialogs/common/DialogLayout.h"
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
  DialogLayout layout(this, {Name{"lvISMVLAN"}, {560, 150}}, 2);
  vlanList = layout.list();
  vlanIdEdit = layout.fields().edit(QStringLiteral("VLAN ID"), Name{"ED_VLANID"});
  vlanNameEdit = layout.fields().edit(QStringLiteral("VLAN Name"), Name{"ED_VLANName"});
  stateCombo = layout.fields().combo(QStringLiteral("State"), Name{"cbxVLANState"});
  sourceIpEdit = layout.fields().edit(QStringLiteral("Replace Source IP"), Name{"edtSourceIP"});
  rowStatusCombo = layout.fields().hiddenCombo(Name{"cbxStatus"});
  auto* portTabs = new QTabWidget(this);
  portTabs->setObjectName(QStringLiteral("PortTabs"));
  PortGrid** panels[] = {&sourcePorts, &memberPorts, &taggedMemberPorts};
  const char* tabs[] = {"Source Ports", "Member Ports", "Tag Member Port"};
  for (int i = 0; i < 3; ++i) {
    auto* host = new QWidget(portTabs);
    portTabs->addTab(host, QString::fromLatin1(tabs[i]));
    *panels[i] = AddStandardPortGrid(host);
  }
  layout.addBelowFields(portTabs);
  messages = new QPlainTextEdit(this);
  messages->setObjectName(QStringLiteral("Memo1"));
  messages->setReadOnly(true);
  messages->setMaximumHeight(Px(this, 60));
  layout.addBelowFields(messages);
  ButtonBar& buttons = layout.buttons();
  refreshButton = buttons.add(QStringLiteral("Refresh"), Name{"btnRefresh"}, [this] { refreshClicked(); });
  addButton = buttons.add(QStringLiteral("Add"), Name{"btnAdd"}, [this] { addClicked(); });
  setButton = buttons.add(QStringLiteral("Set"), Name{"btnSet"}, [this] { setClicked(); });
  deleteButton = buttons.add(QStringLiteral("Delete"), Name{"btnDelete"}, [this] { deleteClicked(); });
  buttons.add(QStringLiteral("Stop"), Name{"btnStop"}, [this] { stopClicked(); });
  buttons.close(Name{"btnClose"});
  QLabel* count = buttons.samplesCounter(this, vlanList);
  count->setObjectName(QStringLiteral("ST_Count2"));

  KySNMPRequest2Edits* b = AddBinding(tbl::IsmVlan, true, messages);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(vlanList, true);
  b->AssociateEdits(kVid, "%s", vlanIdEdit);
  b->AssociateEdits(kName, "%s", vlanNameEdit);
  BindPortList(*b, kSource, *sourcePorts);
  BindPortList(*b, kMember, *memberPorts);
  BindPortList(*b, kTagMember, *taggedMemberPorts);
  b->AssociateControl(kState, stateCombo);
  b->AssociateEdits(kSourceIp, "%s{l16}", sourceIpEdit);
  b->AssociateControl(kRowStatus, rowStatusCombo);
  TrackReady(b);
  // A write that fails ends without a read: the flag comes back with its error.
  b->setDone = [this](void*, KySNMPRequest2Controls*, const KySNMPError& result) {
    if (result.code != 0) SetReady(true);
  };

  connect(vlanList, &QTreeWidget::itemSelectionChanged, this, &IgmpMulticastVlanTableDialog::rowSelected);
  showNoSelection();
  selectRowStatus("createAndGo");
}

void IgmpMulticastVlanTableDialog::selectRowStatus(const char* text) {
  rowStatusCombo->setCurrentIndex(rowStatusCombo->findText(QString::fromLatin1(text)));
}

void IgmpMulticastVlanTableDialog::FirstRefresh() {
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    messages->appendPlainText(QString::fromStdString(ErrorText(e)));
    SetReady(true);
  }
}

bool IgmpMulticastVlanTableDialog::refuseWhileNotReady() {
  if (Ready() && !Editor()->busy) return false;
  ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
  return true;
}

void IgmpMulticastVlanTableDialog::enablePorts(bool enabled) {
  for (PortGrid* p : {sourcePorts, memberPorts, taggedMemberPorts}) p->setEnabled(enabled);
}

void IgmpMulticastVlanTableDialog::clearFields() {
  for (PortGrid* p : {sourcePorts, memberPorts, taggedMemberPorts}) p->ClearAll();
  for (QLineEdit* e : {vlanIdEdit, vlanNameEdit, sourceIpEdit}) e->clear();
  stateCombo->setCurrentIndex(-1);
}

void IgmpMulticastVlanTableDialog::showNoSelection() {
  clearFields();
  setButton->setEnabled(false);
  deleteButton->setEnabled(false);
  addButton->setEnabled(true);
  sourceIpEdit->setEnabled(false);
  sourceIpEdit->setStyleSheet(kGrey);
  stateCombo->setEnabled(false);
  enablePorts(false);
}

void IgmpMulticastVlanTableDialog::rowSelected() {
  if (vlanList->selectedItems().isEmpty()) {
    showNoSelection();
    return;
  }
  setButton->setEnabled(true);
  deleteButton->setEnabled(true);
  addButton->setEnabled(false);
  sourceIpEdit->setEnabled(true);
  sourceIpEdit->setStyleSheet(QString());
  enablePorts(true);
  // The State combo is never enabled: it shows its first item, so a Set writes "enabled".
  stateCombo->setCurrentIndex(0);
  stateCombo->setEnabled(false);
}

void IgmpMulticastVlanTableDialog::refreshClicked() {
  if (!Ready() || Editor()->busy) return;
  SetReady(false);
  Editor()->request.enabled = true;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    messages->appendPlainText(QString::fromStdString(ErrorText(e)));
    SetReady(true);
  }
  UpdateSamples();
  showNoSelection();
}

bool IgmpMulticastVlanTableDialog::excludeOptionalColumns(KyColumnExclusion& exclusion) {
  if (sourceIpEdit->text().isEmpty()) {
    exclusion.Exclude(kSourceIp);
  } else if (!CheckIpv4Text(this, sourceIpEdit->text())) {
    sourceIpEdit->setFocus();
    return false;
  }
  if (stateCombo->currentText().isEmpty()) exclusion.Exclude(kState);
  return true;
}

void IgmpMulticastVlanTableDialog::write() {
  SetReady(false);
  try {
    // The table is read again when the write is done (ready again then).
    Editor()->Apply(true, true);
  } catch (const std::exception& e) {
    messages->appendPlainText(QString::fromStdString(ErrorText(e)));
    SetReady(true);
  }
}

void IgmpMulticastVlanTableDialog::addClicked() {
  if (refuseWhileNotReady()) return;
  // The guard puts the skipped columns back on every way out, a refused
  // field included: the next Refresh reads the port lists again.
  KyColumnExclusion exclusion(Editor()->request.varList);
  exclusion.Exclude({kSource, kMember, kTagMember});
  selectRowStatus("createAndGo");
  Editor()->request.enabled = true;
  if (vlanIdEdit->text().trimmed().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Please specify VLAN ID"), ProgramCaption());
    return;
  }
  if (vlanNameEdit->text().isEmpty()) {
    ShowMessageBox(this, QStringLiteral("Please specify VLAN Name"), ProgramCaption());
    return;
  }
  if (!excludeOptionalColumns(exclusion)) return;
  write();
}

void IgmpMulticastVlanTableDialog::setClicked() {
  if (refuseWhileNotReady() || vlanList->selectedItems().isEmpty()) return;
  Editor()->request.enabled = true;
  {
    // Every column, the row status as read with the row included; only the
    // rules of the source IP and the State may leave theirs out.
    KyColumnExclusion exclusion(Editor()->request.varList);
    if (!excludeOptionalColumns(exclusion)) return;
    write();
  }
  showNoSelection();
}

void IgmpMulticastVlanTableDialog::deleteClicked() {
  if (refuseWhileNotReady() || vlanList->selectedItems().isEmpty()) return;
  selectRowStatus("destroy");
  Editor()->request.enabled = true;
  {
    KyColumnExclusion exclusion(Editor()->request.varList);
    exclusion.Exclude({kName, kSource, kMember, kTagMember, kState, kSourceIp});
    write();
  }
  selectRowStatus("createAndGo");
  showNoSelection();
}

void IgmpMulticastVlanTableDialog::stopClicked() { Editor()->request.enabled = false; }

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
  vlanList->clearSelection();
  SnmpDialog::closeEvent(event);
}
