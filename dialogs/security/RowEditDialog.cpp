#include "dialogs/security/RowEditDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"

RowEditDialog::RowEditDialog(const DialogContext& context, const KyVarDefTable& table)
    : TableDialog(context, table,
                  {.objectName = "",
                   .caption = QString(),
                   .list = {Name{"ListView1"}, {560, 180}},
                   .fieldColumns = 2,
                   .asynchronous = false}) {
  // The fields stay usable with no row selected.
  binding()->disableUntilSelected = false;
  // After the base has filled or cleared the fields.
  connect(list(), &QTreeWidget::itemSelectionChanged, this, &RowEditDialog::selectionChanged);
}

QLineEdit* RowEditDialog::field(int variable, const QString& caption, Name name, const std::string& format,
                                Role role) {
  QLineEdit* e = edit(variable, caption, name, format, role);
  e->setMinimumWidth(Px(this, 140));
  edits_.push_back(e);
  if (role == Role::Index) indexControls_.push_back(e);
  return e;
}

QComboBox* RowEditDialog::choice(int variable, const QString& caption, Name name, Role role) {
  QComboBox* c = combo(variable, caption, name);
  c->setMinimumWidth(Px(this, 140));
  combos_.push_back(c);
  if (role == Role::Index) indexControls_.push_back(c);
  return c;
}

QComboBox* RowEditDialog::rowStatusChoice(int variable, const QString& caption, Name name) {
  rowStatusCombo_ = choice(variable, caption, name);
  return rowStatusCombo_;
}

QComboBox* RowEditDialog::hiddenRowStatus(int variable, Name name) {
  rowStatusCombo_ = rowStatus(variable, name);
  combos_.push_back(rowStatusCombo_);
  return rowStatusCombo_;
}

void RowEditDialog::finishLayout(Name samplesName) {
  refreshButton = button(QStringLiteral("Refresh"), Name{"RefreshButton"}, [this] { refreshTable(); });
  addButton = button(QStringLiteral("Add"), Name{"AddButton"}, [this] { addClicked(); });
  editButton = button(QStringLiteral("Edit"), Name{"EditButton"}, [this] { editClicked(); }, Enable::WithSelection);
  deleteButton =
      button(QStringLiteral("Delete"), Name{"DeleteButton"}, [this] { deleteClicked(); }, Enable::WithSelection);
  closeButton = addCloseButton(Name{"CloseButton"});
  samplesCounter()->setObjectName(QString::fromLatin1(samplesName.value));
  statusBar();
  noSelectionState();
}

void RowEditDialog::SelectText(QComboBox* combo, const QString& text) { combo->setCurrentIndex(combo->findText(text)); }

bool RowEditDialog::rowSelected() const { return !list()->selectedItems().isEmpty(); }

void RowEditDialog::clearRow() {
  for (QLineEdit* e : edits_) e->clear();
  for (QComboBox* c : combos_) c->setCurrentIndex(-1);
  if (rowStatusCombo_) SelectText(rowStatusCombo_, QStringLiteral("createAndGo"));
}

void RowEditDialog::noSelectionState() {
  if (rowSelected()) {
    list()->clearSelection();  // comes back here through selectionChanged
    return;
  }
  clearRow();
  editButton->setEnabled(false);
  deleteButton->setEnabled(false);
  addButton->setEnabled(true);
  for (QWidget* w : indexControls_) w->setEnabled(true);
  stateChanged(false);
}

void RowEditDialog::selectionChanged() {
  if (!rowSelected()) {
    noSelectionState();
    return;
  }
  addButton->setEnabled(false);
  for (QWidget* w : indexControls_) w->setEnabled(false);
  stateChanged(true);
}

void RowEditDialog::refreshTable() {
  try {
    binding()->Refresh();
  } catch (const std::exception& e) {
    binding()->ShowStatus(ErrorText(e));
  }
  noSelectionState();
}

bool RowEditDialog::writeRow(const std::function<void(KyColumnExclusion&)>& prepare, bool refreshOnFailure) {
  {
    KyColumnExclusion guard(binding()->request.varList);
    prepare(guard);
    try {
      binding()->Apply(/*refreshAfter=*/false, /*convert=*/true);
    } catch (const std::exception& e) {
      const std::string error = ErrorText(e);
      guard.Restore();
      if (refreshOnFailure) {
        try {
          binding()->Refresh();
        } catch (const std::exception&) {
          // The write's error is the one to show.
        }
      }
      noSelectionState();
      binding()->statusKind = kSetStatus;
      binding()->ShowStatus(error);
      return false;
    }
  }
  refreshTable();
  return true;
}
