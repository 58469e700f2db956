#include "dialogs/security/RadiusServerEditDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/DialogParts.h"
#include "dialogs/security/RadiusServerDialog.h"
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
  indexCombo = MakeCombo(this, "IndexComboBox");
  ipEdit = MakeEdit(this, "IpEdit");
  keyEdit = MakeEdit(this, "KeyEdit");
  authPortEdit = MakeEdit(this, "PortIndexEdit");
  accountingPortEdit = MakeEdit(this, "AccountPortEdit");
  for (QLineEdit* e : {ipEdit, keyEdit, authPortEdit, accountingPortEdit}) e->setMinimumWidth(Px(this, 180));
  statusCombo = MakeCombo(this, "StatusComboBox");
  ButtonBar buttons(this);
  setButton = buttons.add(QStringLiteral("Set"), Name{"SetButton"}, [this] { setClicked(); });
  closeButton = buttons.close(Name{"CloseButton"});
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("RADIUS Server Index"), indexCombo);
  form->addRow(QStringLiteral("RADIUS Server IP Address"), ipEdit);
  form->addRow(QStringLiteral("RADIUS Server Key"), keyEdit);
  form->addRow(QStringLiteral("RADIUS Auth Port Number"), authPortEdit);
  form->addRow(QStringLiteral("RADIUS Accounting Port Number"), accountingPortEdit);
  form->addRow(QStringLiteral("RADIUS Server Status"), statusCombo);
  auto* top = new QVBoxLayout(this);
  top->addLayout(form);
  top->addLayout(buttons.layout());
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
  statusCombo->setEnabled(false);
  if (addMode) {
    setWindowTitle(list_->windowTitle() + QStringLiteral(" (Add)"));
    statusCombo->setCurrentIndex(kCreateAndGoItem);
    indexCombo->setEnabled(true);
    indexCombo->setCurrentIndex(0);
    for (QLineEdit* e : {ipEdit, keyEdit, authPortEdit, accountingPortEdit}) e->clear();
  } else {
    setWindowTitle(list_->windowTitle());
    indexCombo->setEnabled(false);
  }
}

void RadiusServerEditDialog::setClicked() {
  if (list_->setFromEditWindow()) accept();
}
