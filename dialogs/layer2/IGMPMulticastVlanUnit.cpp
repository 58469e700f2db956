#include "dialogs/layer2/IGMPMulticastVlanUnit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/ComboChoice.h"
#include "dialogs/common/DialogParts.h"
#include "dialogs/layer2/MulticastIpCheck.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
TIGMPMulticastVLANGroupAddForm::TIGMPMulticastVLANGroupAddForm(TIGMPMulticastVlanForm* list)
    : QDialog(list), list_(list) {
  setObjectName(QStringLiteral("IGMPMulticastVLANGroupAddForm"));
  setModal(true);
  edtVID = MakeEdit(this, "edtVID");
  edtFormIP = MakeEdit(this, "edtFormIP");
  edtToIP = MakeEdit(this, "edtToIP");
  cbxState = MakeCombo(this, "cbxState");
  btnAdd = MakeButton(this, QStringLiteral("Add"), "btnAdd");
  btnClose = MakeButton(this, QStringLiteral("Close"), "btnClose");
  btnAdd->setAutoDefault(false);
  btnClose->setAutoDefault(false);
  auto* fields = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {
      {"VLAN ID", edtVID}, {"Form IP", edtFormIP}, {"To IP", edtToIP}, {"Status", cbxState}};
  int r = 0;
  for (const auto& [label, field] : rows) {
    fields->addWidget(MakeLabel(this, QString::fromLatin1(label)), r, 0);
    fields->addWidget(field, r++, 1);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnAdd);
  buttons->addWidget(btnClose);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  connect(btnAdd, &QPushButton::clicked, this, &TIGMPMulticastVLANGroupAddForm::btnAddClick);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
}

void TIGMPMulticastVLANGroupAddForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  SetComboText(cbxState, QStringLiteral("createAndGo"));
  cbxState->setEnabled(false);
  for (QLineEdit* e : {edtVID, edtFormIP, edtToIP}) {
    e->clear();
    e->setEnabled(true);
  }
  edtVID->setFocus();
}

void TIGMPMulticastVLANGroupAddForm::btnAddClick() {
  struct Field {
    QLineEdit* edit;
    const char* emptyMessage;
    bool address;
  };
  const Field fields[] = {{edtVID, "VLAN ID can't be empty.", false},
                          {edtFormIP, "Form IP can't be empty.", true},
                          {edtToIP, "To IP can't be empty.", true}};
  for (const Field& f : fields) {
    if (f.edit->text().trimmed().isEmpty()) {
      ShowMessageBox(this, QString::fromLatin1(f.emptyMessage), ProgramCaption());
      f.edit->setFocus();
      return;
    }
    if (f.address && !CheckMulticastIpv4(this, f.edit->text())) {
      f.edit->setFocus();
      return;
    }
  }
  KySNMPRequest2Edits* editor = list_->Editor();
  if (editor->busy) {
    ShowMessageBox(this, QString::fromLatin1(kGetDataNotComplete), ProgramCaption());
    return;
  }
  try {
    // The row is addressed by VLAN ID, From IP and To IP; the list stays as
    // it is until "Refresh".
    editor->Apply(false, true);
  } catch (const std::exception& e) {
    editor->statusKind = kSetStatus;
    editor->ShowStatus(ErrorText(e));
  }
  close();
}

// ---------------------------------------------------------------------------
TIGMPMulticastVlanForm::TIGMPMulticastVlanForm(const DialogContext& context)
    : TSnmpDialog(context.owner), agent_(context.Agent()) {
  setObjectName(QStringLiteral("IGMPMulticastVlanForm"));
  setWindowTitle(QStringLiteral("IGMP Multicast VLAN Group: ") + agent_);
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  ListView1->setMinimumSize(Px(this, 420), Px(this, 180));
  btnRefresh = MakeButton(this, QStringLiteral("Refresh"), "btnRefresh");
  btnAdd = MakeButton(this, QStringLiteral("Add"), "btnAdd");
  btnDelete = MakeButton(this, QStringLiteral("Delete"), "btnDelete");
  btnClose = MakeButton(this, QStringLiteral("Close"), "btnClose");
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {btnRefresh, btnAdd, btnDelete, btnClose}) buttons->addWidget(b);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListView1, 1);
  layout->addLayout(buttons);
  layout->addWidget(StatusBar1);
  AddForm = new TIGMPMulticastVLANGroupAddForm(this);
  AddForm->hide();

  KySNMPRequest2Edits* b = AddBinding(tbl::IgmpMulticastVlanGroup, true, StatusBar1);
  SetBusyText(QString::fromLatin1(kGetDataNotComplete));
  b->AttachListView(ListView1, true);
  b->AssociateEdits(0, "%i{n0x4094l4}", AddForm->edtVID);
  b->AssociateEdits(1, "%s", AddForm->edtFormIP);
  b->AssociateEdits(2, "%s", AddForm->edtToIP);
  b->AssociateControl(3, AddForm->cbxState);
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TIGMPMulticastVlanForm::ListView1Click);
  connect(btnRefresh, &QPushButton::clicked, this, &TIGMPMulticastVlanForm::btnRefreshClick);
  connect(btnAdd, &QPushButton::clicked, this, &TIGMPMulticastVlanForm::btnAddClick);
  connect(btnDelete, &QPushButton::clicked, this, &TIGMPMulticastVlanForm::btnDeleteClick);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
  btnDelete->setEnabled(false);
}

void TIGMPMulticastVlanForm::FirstRefresh() { btnRefreshClick(); }

void TIGMPMulticastVlanForm::btnRefreshClick() {
  Editor()->request.enabled = true;
  if (Editor()->busy) return;
  try {
    Editor()->Refresh();
  } catch (const std::exception& e) {
    Editor()->ShowStatus(ErrorText(e));
  }
}

void TIGMPMulticastVlanForm::ListView1Click() { btnDelete->setEnabled(!ListView1->selectedItems().isEmpty()); }

void TIGMPMulticastVlanForm::btnAddClick() {
  // A running walk is not switched off (that would leave the request
  // disabled and the add writing nothing): the add waits for it.
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  AddForm->setWindowTitle(QStringLiteral("IGMP Multicast VLAN Group (Add): ") + agent_);
  AddForm->exec();
}

void TIGMPMulticastVlanForm::btnDeleteClick() {
  if (ListView1->selectedItems().isEmpty()) return;
  if (RefuseWhileBusy(Editor(), kGetDataNotComplete)) return;
  SetComboText(AddForm->cbxState, QStringLiteral("destroy"));
  try {
    Editor()->Apply(true, true);
  } catch (const std::exception& e) {
    Editor()->statusKind = kSetStatus;
    Editor()->ShowStatus(ErrorText(e));
  }
}
