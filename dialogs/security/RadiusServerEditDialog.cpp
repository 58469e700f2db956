#include "dialogs/security/RadiusServerEditDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/common/DialogLayout.h"
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
  FieldForm form(this);
  indexCombo = form.combo(QStringLiteral("RADIUS Server Index"), Name{"IndexComboBox"});
  ipEdit = form.edit(QStringLiteral("RADIUS Server IP Address"), Name{"IpEdit"});
  keyEdit = form.edit(QStringLiteral("RADIUS Server Key"), Name{"KeyEdit"});
  authPortEdit = form.edit(QStringLiteral("RADIUS Auth Port Number"), Name{"PortIndexEdit"});
  accountingPortEdit = form.edit(QStringLiteral("RADIUS Accounting Port Number"), Name{"AccountPortEdit"});
  statusCombo = form.combo(QStringLiteral("RADIUS Server Status"), Name{"StatusComboBox"});
  for (QLineEdit* e : {ipEdit, keyEdit, authPortEdit, accountingPortEdit}) e->setMinimumWidth(Px(this, 180));
  SettingsLayout layout(this, form.layout());
  setButton = layout.buttons().add(QStringLiteral("Set"), Name{"SetButton"}, [this] { setClicked(); });
  closeButton = layout.buttons().close(Name{"CloseButton"});
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
