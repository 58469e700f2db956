#include "dialogs/vlan/VlanBasicConfigDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/common/PortListLayout.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {

QLabel* StaticText(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return label;
}

QComboBox* Combo(QWidget* parent, const char* name) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QString::fromLatin1(name));
  return combo;
}

QPlainTextEdit* Memo(QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setObjectName(QStringLiteral("Memo1"));
  memo->setReadOnly(true);
  memo->setMaximumHeight(Px(parent, 60));
  return memo;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  for (QPushButton* b : buttons) row->addWidget(b);
  return row;
}

}  // namespace

// ---------------------------------------------------------------------------
VlanBasicConfigDialog::VlanBasicConfigDialog(const DialogContext& context) : SnmpDialog(context.owner) {
  setObjectName(QStringLiteral("VLanGeneralInfoForm"));
  setWindowTitle(QStringLiteral("802.1Q Basic Configure"));
  resize(Px(this, 380), Px(this, 300));
  VlanVersionNumber = StaticText(this, "VlanVersionNumber");
  MaxVlanId = StaticText(this, "MaxVlanId");
  MaxSupportedVlans = StaticText(this, "MaxSupportedVlans");
  NumVlans = StaticText(this, "NumVlans");
  GvrpStatus = Combo(this, "GvrpStatus");
  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("VLAN Version Number"), VlanVersionNumber);
  fields->addRow(QStringLiteral("Max VLAN ID"), MaxVlanId);
  fields->addRow(QStringLiteral("Max Supported VLANs"), MaxSupportedVlans);
  fields->addRow(QStringLiteral("Num VLANs"), NumVlans);
  fields->addRow(QStringLiteral("GVRP Status"), GvrpStatus);
  Memo1 = Memo(this);
  BT_Get = MakeDialogButton(this, "BT_Get", QStringLiteral("Refresh"));
  BT_Set = MakeDialogButton(this, "BT_Set", QStringLiteral("Set"));
  BT_Close = MakeDialogButton(this, "BT_Close", QStringLiteral("Close"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addStretch(1);
  layout->addLayout(ButtonRow({BT_Get, BT_Set, BT_Close}));
  layout->addWidget(Memo1);

  general_ = AddBinding(tbl::Dot1qVlanGeneral, true, Memo1);
  general_->AssociateControl(0, VlanVersionNumber);
  general_->AssociateControl(1, MaxVlanId);
  general_->AssociateControl(2, MaxSupportedVlans);
  general_->AssociateControl(3, NumVlans);
  general_->AssociateControl(4, GvrpStatus);
  connect(BT_Get, &QPushButton::clicked, this, &VlanBasicConfigDialog::BT_GetClick);
  connect(BT_Set, &QPushButton::clicked, this, &VlanBasicConfigDialog::BT_SetClick);
  connect(BT_Close, &QPushButton::clicked, this, &QDialog::reject);
}

void VlanBasicConfigDialog::BT_GetClick() {
  if (general_->busy) return;
  try {
    general_->Refresh();
  } catch (const std::exception& e) {
    general_->ShowStatus(ErrorText(e));
  }
}

void VlanBasicConfigDialog::BT_SetClick() {
  if (general_->busy) return;
  try {
    general_->ControlsToValues();
    general_->Apply(true, false);
  } catch (const std::exception& e) {
    general_->ShowStatus(ErrorText(e));
  }
}
