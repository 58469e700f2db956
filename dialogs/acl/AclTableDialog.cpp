#include "dialogs/acl/AclTableDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/common/DialogLayout.h"
#include "dialogs/common/DialogParts.h"
#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"

AclTableDialog::AclTableDialog(const DialogContext& context, const KyVarDefTable& table, int fieldColumns)
    : SnmpDialog(context.owner), fieldColumns_(std::max(1, fieldColumns)) {
  auto* main = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  main->addLayout(top);

  fieldArea_ = new QWidget(this);
  fieldGrid_ = new QGridLayout(fieldArea_);
  fieldGrid_->setContentsMargins(0, 0, 0, 0);
  fieldGrid_->setHorizontalSpacing(Px(this, 6));
  top->addWidget(fieldArea_, 1);

  // The button column, in the order of every dialog's buttons.
  buttonColumn_ = new QWidget(this);
  buttons_ = std::make_unique<ButtonBar>(buttonColumn_, ButtonBar::Direction::Column);
  buttonColumn_->setLayout(buttons_->layout());
  buttons_->layout()->setContentsMargins(0, 0, 0, 0);
  refreshButton = buttons_->add(QStringLiteral("Refresh"), Name{""}, [this] { refreshClicked(); });
  addButton = buttons_->add(QStringLiteral("Add"), Name{""}, [this] { addClicked(); });
  deleteButton = buttons_->add(QStringLiteral("Delete"), Name{""}, [this] { deleteClicked(); });
  closeButton = buttons_->close(Name{"CloseButton"});
  for (QPushButton* b : {refreshButton, addButton, deleteButton, closeButton}) b->setMinimumWidth(Px(this, 90));
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  top->addWidget(buttonColumn_, 0);

  portPanel = new QWidget(this);
  portPanel->setObjectName(QStringLiteral("StackingPortPanel"));
  portPanel->hide();
  main->addWidget(portPanel);

  rowList = MakeListView(this, "ListView1", 560, 150);
  main->addWidget(rowList, 1);

  // The row count and its caption, right under the list.
  rowCountCaption_ = new QLabel(QStringLiteral("Samples"), this);
  rowCountCaption_->setObjectName(QStringLiteral("SamplesLabel"));
  rowCountCaption_->hide();
  rowCountLabel = new QLabel(QStringLiteral("0"), this);
  rowCountLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  rowCountLabel->setMinimumWidth(Px(this, 40));
  rowCountLabel->hide();
  auto* count = new QHBoxLayout;
  count->addStretch(1);
  count->addWidget(rowCountCaption_);
  count->addWidget(rowCountLabel);
  main->addLayout(count);

  main->addWidget(MakeStatusBar(this, &statusLabel));

  binding_ = AddBinding(table, /*asynchronous=*/false, nullptr);
  binding_->AttachListView(rowList, true);
  connect(rowList, &QTreeWidget::itemSelectionChanged, this, &AclTableDialog::ListSelectionChanged);
  binding_->SetStatusTarget(statusLabel);
}

KySNMPVarList& AclTableDialog::varList() const { return binding_->request.varList; }

// ---------------------------------------------------------------------------
// Layout

void AclTableDialog::NewFieldLine() {
  if (fieldGroup_ != 0) {
    ++fieldLine_;
    fieldGroup_ = 0;
  }
}

namespace {
// Places [box] caption field as group `group` of line `line`.
void PlaceField(QGridLayout* grid, int line, int group, QCheckBox* box, QLabel* caption, QWidget* field) {
  const int col = group * 3;
  if (box) grid->addWidget(box, line, col);
  grid->addWidget(caption, line, col + 1);
  grid->addWidget(field, line, col + 2);
}
}  // namespace

QWidget* AclTableDialog::AddField(QWidget* field, const char* name, const QString& caption, QCheckBox** useBox,
                                  const char* useBoxName) {
  field->setObjectName(QString::fromLatin1(name));
  field->setMinimumWidth(Px(this, 130));
  QCheckBox* box = nullptr;
  if (useBox) {
    box = new QCheckBox(fieldArea_);
    box->setObjectName(QString::fromLatin1(useBoxName));
    useBoxes_.push_back(box);
    *useBox = box;
  }
  auto* label = new QLabel(caption, fieldArea_);
  label->setBuddy(field);
  PlaceField(fieldGrid_, fieldLine_, fieldGroup_, box, label, field);
  if (++fieldGroup_ >= fieldColumns_) NewFieldLine();
  return field;
}

QLineEdit* AclTableDialog::AddEdit(const char* name, const QString& caption, QCheckBox** useBox,
                                  const char* useBoxName) {
  return static_cast<QLineEdit*>(AddField(new QLineEdit(fieldArea_), name, caption, useBox, useBoxName));
}

QComboBox* AclTableDialog::AddCombo(const char* name, const QString& caption, QCheckBox** useBox,
                                   const char* useBoxName) {
  return static_cast<QComboBox*>(AddField(new QComboBox(fieldArea_), name, caption, useBox, useBoxName));
}

void AclTableDialog::HideField(QWidget* field) {
  field->hide();
  for (QLabel* label : fieldArea_->findChildren<QLabel*>())
    if (label->buddy() == field) label->hide();
}

void AclTableDialog::NameButtons(const char* refresh, const char* add, const char* del) {
  refreshButton->setObjectName(QString::fromLatin1(refresh));
  addButton->setObjectName(QString::fromLatin1(add));
  deleteButton->setObjectName(QString::fromLatin1(del));
}

QPushButton* AclTableDialog::AddButtonToColumn(const char* name, const QString& caption) {
  QPushButton* b = buttons_->add(caption, Name{name});
  b->setMinimumWidth(Px(this, 90));
  return b;
}

void AclTableDialog::AddPortGrid(int variable) {
  portPanel->show();
  portPanel->setMinimumHeight(Px(this, 130));
  portGrid = AddStandardPortGrid(portPanel);
  BindPortList(*binding_, variable, *portGrid);
}

void AclTableDialog::AddRowCount(const char* name, bool visible) {
  rowCountLabel->setObjectName(QString::fromLatin1(name));
  rowCountLabel->setVisible(visible);
  rowCountCaption_->setVisible(visible);
}

// ---------------------------------------------------------------------------
// Bindings

void AclTableDialog::BindEdit(int variable, QLineEdit* edit, const std::string& format) {
  binding_->AssociateEdits(variable, format, edit);
  fieldEdits_.push_back(edit);
}

void AclTableDialog::BindCombo(int variable, QComboBox* combo, const QString& initial) {
  binding_->AssociateControl(variable, combo);
  if (initial.isEmpty())
    combo->setCurrentIndex(-1);
  else
    SelectLabel(combo, initial);
}

void AclTableDialog::BindIndexEdit(int variable, QLineEdit* edit, const std::string& format) {
  binding_->AssociateEdits(variable, format, edit);
  indexEdits_.push_back(edit);
  fieldEdits_.push_back(edit);
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
  for (QCheckBox* b : useBoxes_) b->setChecked(false);
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
    binding_->Refresh();
  } catch (const std::exception& e) {
    binding_->statusKind = kGetStatus;
    binding_->ShowStatus(ErrorText(e));
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

void AclTableDialog::Refuse(const QString& text, QWidget* focus) {
  ShowMessageBox(this, text, ProgramCaption());
  if (focus) focus->setFocus();
}

bool AclTableDialog::Write() {
  try {
    binding_->Apply(/*refreshAfter=*/false, /*convert=*/true);
    return true;
  } catch (const std::exception& e) {
    binding_->statusKind = kSetStatus;
    binding_->ShowStatus(ErrorText(e));
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
    Refuse(duplicate, id);
    return false;
  }
  if (!Is(rowStatus, "createAndGo")) {
    Refuse(notCreate, rowStatus);
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
  for (int i = 0; i < l.Count(); ++i) {
    if (i < l.keyCount) continue;
    if (std::find(keep.begin(), keep.end(), i) != keep.end()) continue;
    exclusion.Exclude(i);
  }
}

void AclTableDialog::ExcludeUnchecked(KyColumnExclusion& exclusion,
                                     const std::vector<std::pair<QCheckBox*, int>>& fields) {
  for (const auto& [box, variable] : fields)
    if (!Checked(box)) exclusion.Exclude(variable);
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
