#include "dialogs/security/RowEditDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"

RowEditDialog::RowEditDialog(QWidget* owner, const KyVarDefTable& table) : SnmpDialog(owner) {
  ListView1 = new QTreeWidget(this);
  ListView1->setObjectName(QStringLiteral("ListView1"));
  StatusBar1 = new QStatusBar(this);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(false);
  StatusPanel0 = new QLabel(StatusBar1);
  StatusPanel0->setObjectName(QStringLiteral("StatusPanel0"));
  StatusBar1->addWidget(StatusPanel0, 1);
  binding = AddBinding(table, /*asynchronous=*/false, StatusPanel0);
  grid_ = new QGridLayout;
  auto makeButton = [this](const char* text, const char* name) {
    auto* b = new QPushButton(QString::fromLatin1(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  RefreshButton = makeButton("Refresh", "RefreshButton");
  AddButton = makeButton("Add", "AddButton");
  EditButton = makeButton("Edit", "EditButton");
  DeleteButton = makeButton("Delete", "DeleteButton");
  CloseButton = makeButton("Close", "CloseButton");
  connect(RefreshButton, &QPushButton::clicked, this, [this] { RefreshTable(); });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

void RowEditDialog::AddField(const QString& caption, QWidget* control) {
  const int row = fieldCount_ / 2;
  const int col = (fieldCount_ % 2) * 2;
  auto* label = new QLabel(caption, this);
  grid_->addWidget(label, row, col);
  grid_->addWidget(control, row, col + 1);
  control->setMinimumWidth(Px(this, 140));
  if (auto* e = qobject_cast<QLineEdit*>(control)) edits_.push_back(e);
  if (auto* c = qobject_cast<QComboBox*>(control)) combos_.push_back(c);
  ++fieldCount_;
}

void RowEditDialog::FinishLayout(const QString& samplesObjectName) {
  binding->AttachListView(ListView1, false);
  connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
  ListView1->setMinimumSize(Px(this, 560), Px(this, 180));
  auto* top = new QVBoxLayout(this);
  top->addWidget(ListView1, 1);
  top->addLayout(grid_);
  // The row count and its caption at the start of the button row.
  auto* buttons = new QHBoxLayout;
  QLabel* caption = nullptr;
  QLabel* count = AddSamplesCounter(this, ListView1, &caption);
  count->setObjectName(samplesObjectName);
  buttons->addWidget(caption);
  buttons->addWidget(count);
  buttons->addStretch(1);
  // Tab goes through the buttons last, as they are shown.
  QWidget* last = previousInFocusChain();
  while (last != this && !(last->focusPolicy() & Qt::TabFocus)) last = last->previousInFocusChain();
  for (QPushButton* b : {RefreshButton, AddButton, EditButton, DeleteButton, CloseButton}) {
    buttons->addWidget(b);
    setTabOrder(last, b);
    last = b;
  }
  top->addLayout(buttons);
  top->addWidget(StatusBar1);
  NoSelectionState();
}

bool RowEditDialog::RowSelected() const { return !ListView1->selectedItems().isEmpty(); }

void RowEditDialog::SetComboText(QComboBox* combo, const QString& text) { combo->setCurrentIndex(combo->findText(text)); }

void RowEditDialog::ClearFields() {
  for (QLineEdit* e : edits_) e->clear();
  for (QComboBox* c : combos_) c->setCurrentIndex(-1);
  if (rowStatusCombo_) SetComboText(rowStatusCombo_, QStringLiteral("createAndGo"));
}

void RowEditDialog::NoSelectionState() {
  if (RowSelected()) {
    ListView1->clearSelection();  // comes back here through SelectionChanged
    return;
  }
  ClearFields();
  EditButton->setEnabled(false);
  DeleteButton->setEnabled(false);
  AddButton->setEnabled(true);
  for (QWidget* w : indexControls_) w->setEnabled(true);
  StateChanged(false);
}

void RowEditDialog::SelectionChanged() {
  if (!RowSelected()) {
    NoSelectionState();
    return;
  }
  EditButton->setEnabled(true);
  DeleteButton->setEnabled(true);
  AddButton->setEnabled(false);
  for (QWidget* w : indexControls_) w->setEnabled(false);
  StateChanged(true);
}

void RowEditDialog::RefreshTable() {
  try {
    binding->Refresh();
  } catch (const std::exception& e) {
    binding->ShowStatus(ErrorText(e));
  }
  NoSelectionState();
}

bool RowEditDialog::WriteRow(const std::function<void(KyColumnExclusion&)>& prepare, bool refreshOnFailure) {
  {
    KyColumnExclusion guard(binding->request.varList);
    prepare(guard);
    try {
      binding->Apply(/*refreshAfter=*/false, /*convert=*/true);
    } catch (const std::exception& e) {
      const std::string error = ErrorText(e);
      guard.Restore();
      if (refreshOnFailure) {
        try {
          binding->Refresh();
        } catch (const std::exception&) {
          // The write's error is the one to show.
        }
      }
      NoSelectionState();
      binding->statusKind = kSetStatus;
      binding->ShowStatus(error);
      return false;
    }
  }
  RefreshTable();
  return true;
}
