#include "dialogs/security/RadiusServerEditDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "dialogs/security/RadiusServerDialog.h"
#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/DialogHelpers.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

namespace {

constexpr int kCreateAndGoItem = 3;

}  // namespace

RadiusServerEditDialog::RadiusServerEditDialog(RadiusServerDialog* list) : QDialog(list), list_(list) {
  setObjectName(QStringLiteral("RadiusServerEditForm"));
  IndexComboBox = new QComboBox(this);
  IndexComboBox->setObjectName(QStringLiteral("IndexComboBox"));
  auto edit = [this](const char* name) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QString::fromLatin1(name));
    e->setMinimumWidth(Px(this, 180));
    return e;
  };
  IpEdit = edit("IpEdit");
  KeyEdit = edit("KeyEdit");
  PortIndexEdit = edit("PortIndexEdit");
  AccountPortEdit = edit("AccountPortEdit");
  StatusComboBox = new QComboBox(this);
  StatusComboBox->setObjectName(QStringLiteral("StatusComboBox"));
  SetButton = MakeButton(this, "Set", "SetButton");
  CloseButton = MakeButton(this, "Close", "CloseButton");
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("RADIUS Server Index"), IndexComboBox);
  form->addRow(QStringLiteral("RADIUS Server IP Address"), IpEdit);
  form->addRow(QStringLiteral("RADIUS Server Key"), KeyEdit);
  form->addRow(QStringLiteral("RADIUS Auth Port Number"), PortIndexEdit);
  form->addRow(QStringLiteral("RADIUS Accounting Port Number"), AccountPortEdit);
  form->addRow(QStringLiteral("RADIUS Server Status"), StatusComboBox);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(SetButton);
  buttons->addWidget(CloseButton);
  auto* top = new QVBoxLayout(this);
  top->addLayout(form);
  top->addLayout(buttons);
  connect(SetButton, &QPushButton::clicked, this, [this] { SetClick(); });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

void RadiusServerEditDialog::keyPressEvent(QKeyEvent* event) {
  // Enter in a field neither sets nor closes.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void RadiusServerEditDialog::Prepare(bool addMode) {
  addMode_ = addMode;
  StatusComboBox->setEnabled(false);
  if (addMode) {
    setWindowTitle(list_->windowTitle() + QStringLiteral(" (Add)"));
    StatusComboBox->setCurrentIndex(kCreateAndGoItem);
    IndexComboBox->setEnabled(true);
    IndexComboBox->setCurrentIndex(0);
    for (QLineEdit* e : {IpEdit, KeyEdit, PortIndexEdit, AccountPortEdit}) e->clear();
  } else {
    setWindowTitle(list_->windowTitle());
    IndexComboBox->setEnabled(false);
  }
}

void RadiusServerEditDialog::SetClick() {
  if (list_->SetFromEditForm()) accept();
}
