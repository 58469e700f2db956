#include "dialogs/acl/AclTableDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <algorithm>

#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"

AclTableDialog::AclTableDialog(const DialogContext& context, const KyVarDefTable& table, int fieldColumns)
    : TableDialog(context, table,
                  {.objectName = "",
                   .caption = QString(),
                   .list = {Name{"ListView1"}, {560, 150}},
                   .fieldColumns = fieldColumns,
                   .asynchronous = false,
                   .fieldsBesideButtons = true}) {
  rowList = list();
  // Named by the dialog (NameButtons); Delete moves with the selection.
  refreshButton = button(QStringLiteral("Refresh"), Name{""}, [this] { refreshClicked(); });
  addButton = button(QStringLiteral("Add"), Name{""}, [this] { addClicked(); });
  deleteButton = button(QStringLiteral("Delete"), Name{""}, [this] { deleteClicked(); }, Enable::WithSelection);
  QPushButton* closeButton = addCloseButton(Name{"CloseButton"});
  for (QPushButton* b : {refreshButton, addButton, deleteButton, closeButton}) b->setMinimumWidth(Px(this, 90));

  portPanel_ = new QWidget(this);
  portPanel_->setObjectName(QStringLiteral("StackingPortPanel"));
  portPanel_->hide();
  addBelowFields(portPanel_);
  rowCountLabel = layout().rowCount(&rowCountCaption_);
  statusLabel = statusBar();
  // After the base has enabled the buttons that need a row.
  connect(rowList, &QTreeWidget::itemSelectionChanged, this, &AclTableDialog::ListSelectionChanged);
}

KySNMPVarList& AclTableDialog::varList() const { return binding()->request.varList; }

// ---------------------------------------------------------------------------
// Layout

QWidget* AclTableDialog::AddField(QWidget* field, const char* name, const QString& caption, QCheckBox** useBox,
                                  const char* useBoxName) {
  field->setObjectName(QString::fromLatin1(name));
  field->setMinimumWidth(Px(this, 130));
  QCheckBox* box = useBox ? layout().fields().useBox(Name{useBoxName}) : nullptr;
  if (useBox) *useBox = box;
  layout().fields().place(caption, field, box);
  return field;
}

QLineEdit* AclTableDialog::AddEdit(const char* name, const QString& caption, QCheckBox** useBox,
                                  const char* useBoxName) {
  return static_cast<QLineEdit*>(AddField(new QLineEdit(this), name, caption, useBox, useBoxName));
}

QComboBox* AclTableDialog::AddCombo(const char* name, const QString& caption, QCheckBox** useBox,
                                   const char* useBoxName) {
  return static_cast<QComboBox*>(AddField(new QComboBox(this), name, caption, useBox, useBoxName));
}

void AclTableDialog::NameButtons(const char* refresh, const char* add, const char* del) {
  refreshButton->setObjectName(QString::fromLatin1(refresh));
  addButton->setObjectName(QString::fromLatin1(add));
  deleteButton->setObjectName(QString::fromLatin1(del));
}

QPushButton* AclTableDialog::AddButtonToColumn(const char* name, const QString& caption) {
  QPushButton* b = layout().buttons().add(caption, Name{name});
  b->setMinimumWidth(Px(this, 90));
  return b;
}

void AclTableDialog::AddPortGrid(int variable) {
  portPanel_->show();
  portPanel_->setMinimumHeight(Px(this, 130));
  portGrid = AddStandardPortGrid(portPanel_);
  BindPortList(*binding(), variable, *portGrid);
}

void AclTableDialog::AddRowCount(const char* name, bool visible) {
  rowCountLabel->setObjectName(QString::fromLatin1(name));
  rowCountLabel->setVisible(visible);
  rowCountCaption_->setVisible(visible);
}

// ---------------------------------------------------------------------------
// Bindings

void AclTableDialog::BindEdit(int variable, QLineEdit* edit, const std::string& format) {
  binding()->AssociateEdits(variable, format, edit);
  fieldEdits_.push_back(edit);
}

void AclTableDialog::BindCombo(int variable, QComboBox* combo, const QString& initial) {
  binding()->AssociateControl(variable, combo);
  if (initial.isEmpty())
    combo->setCurrentIndex(-1);
  else
    SelectLabel(combo, initial);
}

void AclTableDialog::BindIndexEdit(int variable, QLineEdit* edit, const std::string& format) {
  BindEdit(variable, edit, format);
  indexEdits_.push_back(edit);
}

// ---------------------------------------------------------------------------
// State

void AclTableDialog::ResetButtons() {
  addButton->setEnabled(true);
  deleteButton->setEnabled(false);
  for (QLineEdit* e : indexEdits_) e->setEnabled(true);
}

void AclTableDialog::ClearFields() {
  for (QLineEdit* e : fieldEdits_) e->clear();
  layout().fields().checkAll(false);
  if (portGrid) portGrid->ClearAll();
  ShowRowCount();
}

void AclTableDialog::RowSelected(bool selected) {
  addButton->setEnabled(!selected);
  deleteButton->setEnabled(selected);
  for (QLineEdit* e : indexEdits_) e->setEnabled(!selected);
  if (!selected) ClearFields();
}

void AclTableDialog::ShowRowCount() { rowCountLabel->setText(QString::number(rowList->topLevelItemCount())); }

void AclTableDialog::ListSelectionChanged() {
  // The binding has loaded the selected line into the bound controls.
  RowSelected(!rowList->selectedItems().isEmpty());
}

// ---------------------------------------------------------------------------
// Flows

void AclTableDialog::refreshClicked() {
  try {
    binding()->Refresh();
  } catch (const std::exception& e) {
    binding()->statusKind = kGetStatus;
    binding()->ShowStatus(ErrorText(e));
  }
  ResetButtons();
  ClearFields();
  AfterRefresh();
}

bool AclTableDialog::HasRow(const QStringList& keys) const {
  for (int i = 0; i < rowList->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* line = rowList->topLevelItem(i);
    bool same = true;
    for (int k = 0; k < keys.size() && same; ++k) same = line->text(k) == keys[k];
    if (same) return true;
  }
  return false;
}

bool AclTableDialog::Write() {
  try {
    binding()->Apply(/*refreshAfter=*/false, /*convert=*/true);
    return true;
  } catch (const std::exception& e) {
    binding()->statusKind = kSetStatus;
    binding()->ShowStatus(ErrorText(e));
    return false;
  }
}

void AclTableDialog::Finish(KyColumnExclusion& exclusion, bool ok, bool refreshOnFailure) {
  exclusion.Restore();
  if (ok || refreshOnFailure) {
    const QString failure = statusLabel->text();
    refreshClicked();
    // A failed write stays on the status line after the re-read.
    if (!ok) statusLabel->setText(failure);
    return;
  }
  ResetButtons();
  ClearFields();
}

bool AclTableDialog::CheckNewMask(QLineEdit* id, const QString& duplicate, QComboBox* rowStatus,
                                  const QString& notCreate) {
  if (HasRow({id->text()})) {
    refuse(duplicate, id);
    return false;
  }
  if (!Is(rowStatus, "createAndGo")) {
    refuse(notCreate, rowStatus);
    return false;
  }
  return true;
}

void AclTableDialog::ExcludeByMaskState(KyColumnExclusion& x, QComboBox* state, const char* destinationOnly,
                                        const char* sourceOnly, MaskColumns columns) {
  if (state->currentText().isEmpty() || Is(state, "other"))
    x.Exclude({columns.state, columns.source, columns.destination});
  else if (Is(state, destinationOnly))
    x.Exclude(columns.source);
  else if (Is(state, sourceOnly))
    x.Exclude(columns.destination);
}

void AclTableDialog::ExcludeAllButKeys(KyColumnExclusion& exclusion, std::initializer_list<int> keep) {
  const KySNMPVarList& l = varList();
  for (int i = l.keyCount; i < l.Count(); ++i)
    if (std::find(keep.begin(), keep.end(), i) == keep.end()) exclusion.Exclude(i);
}

void AclTableDialog::deleteClicked() {
  if (rowList->selectedItems().isEmpty() || rowStatusCombo_ == nullptr) return;
  KyColumnExclusion exclusion(varList());
  ExcludeAllButKeys(exclusion, {rowStatusVar_});
  SelectLabel(rowStatusCombo_, QStringLiteral("destroy"));
  const bool ok = Write();
  Finish(exclusion, ok, refreshOnDeleteFailure_);
}

void AclTableDialog::SelectLabel(QComboBox* combo, const QString& label) {
  const int i = combo->findText(label);
  if (i >= 0) combo->setCurrentIndex(i);
}

bool AclTableDialog::Is(const QComboBox* combo, const char* label) {
  return combo->currentIndex() >= 0 && combo->currentText() == QLatin1String(label);
}

bool AclTableDialog::Checked(const QCheckBox* box) { return box != nullptr && box->isChecked(); }
