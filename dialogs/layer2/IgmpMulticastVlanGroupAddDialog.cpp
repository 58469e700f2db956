#include "dialogs/layer2/IgmpMulticastVlanGroupAddDialog.h"

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
#include "dialogs/layer2/IgmpMulticastVlanGroupDialog.h"
#include "dialogs/layer2/MulticastIpCheck.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

// ---------------------------------------------------------------------------
IgmpMulticastVlanGroupAddDialog::IgmpMulticastVlanGroupAddDialog(IgmpMulticastVlanGroupDialog* list)
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
  connect(btnAdd, &QPushButton::clicked, this, &IgmpMulticastVlanGroupAddDialog::btnAddClick);
  connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
}

void IgmpMulticastVlanGroupAddDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  SetComboText(cbxState, QStringLiteral("createAndGo"));
  cbxState->setEnabled(false);
  for (QLineEdit* e : {edtVID, edtFormIP, edtToIP}) {
    e->clear();
    e->setEnabled(true);
  }
  edtVID->setFocus();
}

void IgmpMulticastVlanGroupAddDialog::btnAddClick() {
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
