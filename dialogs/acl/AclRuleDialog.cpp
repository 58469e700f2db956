#include "dialogs/acl/AclRuleDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

AclRuleDialog::AclRuleDialog(const DialogContext& context, const KyVarDefTable& table, const QString& duplicateMessage,
                             int fieldColumns)
    : AclTableDialog(context, table, fieldColumns), duplicateMessage_(duplicateMessage) {
  NameButtons("GetButton", "AddButton", "DeleteButton");
  checkAllButton = AddButtonToColumn("CheckButton", QStringLiteral("Check All"));
  clearChecksButton = AddButtonToColumn("UncheckButton", QStringLiteral("Clear Checks"));
  connect(checkAllButton, &QPushButton::clicked, this, [this] { checkAll(true); });
  connect(clearChecksButton, &QPushButton::clicked, this, [this] { checkAll(false); });
  AddRowCount("StaticText1", true);
  connect(rowList->model(), &QAbstractItemModel::rowsInserted, this, [this] { ShowRowCount(); });
  connect(rowList->model(), &QAbstractItemModel::rowsRemoved, this, [this] { ShowRowCount(); });
}

void AclRuleDialog::BindIds(QLineEdit* first, const std::string& firstFormat, QLineEdit* access,
                           const std::string& accessFormat) {
  firstIdEdit_ = first;
  accessIdEdit_ = access;
  BindIndexEdit(0, first, firstFormat);
  BindIndexEdit(1, access, accessFormat);
}

QLineEdit* AclRuleDialog::UseEdit(const char* name, const QString& caption, const char* boxName, QCheckBox** box,
                                 int variable, const std::string& format) {
  QLineEdit* edit = AddEdit(name, caption, box, boxName);
  BindEdit(variable, edit, format);
  fields_.push_back({*box, edit, variable});
  return edit;
}

QComboBox* AclRuleDialog::UseCombo(const char* name, const QString& caption, const char* boxName, QCheckBox** box,
                                  int variable, const QString& initial) {
  QComboBox* combo = AddCombo(name, caption, box, boxName);
  BindCombo(variable, combo, initial);
  fields_.push_back({*box, combo, variable});
  return combo;
}

void AclRuleDialog::FinishLayout(int portVariable, int rowStatusVariable) {
  AddPortGrid(portVariable);
  SetRowStatus(rowStatusVariable, rowCombo_);
  ResetButtons();
}

void AclRuleDialog::checkAll(bool checked) {
  layout().fields().checkAll(checked);
}

bool AclRuleDialog::IsEmpty(const QWidget* control) {
  if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text().isEmpty();
  if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentIndex() < 0 || combo->currentText().isEmpty();
  return false;
}

bool AclRuleDialog::IsIntIn(const QString& text, int low, int high) {
  bool ok = false;
  const int v = text.toInt(&ok);
  return ok && v >= low && v <= high;
}

bool AclRuleDialog::IsFieldChecked(QWidget* control) const {
  for (const Field& f : fields_)
    if (f.control == control) return Checked(f.box);
  return false;
}

bool AclRuleDialog::IdsSet(const QString& firstMessage, const QString& accessMessage) {
  if (firstIdEdit_->text().isEmpty()) {
    refuse(firstMessage, firstIdEdit_);
    return false;
  }
  if (accessIdEdit_->text().isEmpty()) {
    refuse(accessMessage, accessIdEdit_);
    return false;
  }
  return true;
}

bool AclRuleDialog::CheckedFieldsFilled(const QString& message) {
  for (const Field& f : fields_) {
    if (Checked(f.box) && IsEmpty(f.control)) {
      refuse(message, f.control);
      return false;
    }
  }
  return true;
}

bool AclRuleDialog::CheckRowStatus() {
  if (Is(rowCombo_, "createAndGo") && Checked(rowBox_)) return true;
  refuse(QStringLiteral("Row State must be checked and set to createAndGo."), rowCombo_);
  return false;
}

void AclRuleDialog::addClicked() {
  if (!Validate()) return;
  if (HasRow({firstIdEdit_->text(), accessIdEdit_->text()})) {
    refuse(duplicateMessage_, firstIdEdit_);
    return;
  }
  if (!CheckRowStatus()) return;
  KyColumnExclusion exclusion(varList());
  for (const Field& f : fields_)
    if (!Checked(f.box)) exclusion.Exclude(f.variable);
  if (!KindExclusions(exclusion)) return;  // the guard restores the flags
  const bool ok = Write();
  Finish(exclusion, ok, false);
}
