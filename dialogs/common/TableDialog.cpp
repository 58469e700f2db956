#include "dialogs/common/TableDialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/PortGrid.h"
#include "editors/UiSupport.h"
#include "tables/DefTables.h"

TableDialog::TableDialog(const DialogContext& context, const KyVarDefTable& table, const TableDialogSpec& spec)
    : SnmpDialog(context.owner),
      layout_(spec.fieldsBesideButtons
                  ? DialogLayout(this, spec.list, spec.fieldColumns, DialogLayout::FieldsBesideButtons{})
                  : DialogLayout(this, spec.list, spec.fieldColumns)) {
  setObjectName(QString::fromLatin1(spec.objectName));
  setWindowTitle(spec.caption + context.agent);
  KySNMPRequest2Edits* b = AddBinding(table, spec.asynchronous, nullptr);
  b->AttachListView(list(), true);
  connect(list(), &QTreeWidget::itemSelectionChanged, this, &TableDialog::selectionChanged);
}

QLineEdit* TableDialog::edit(int variable, const QString& caption, Name name, const std::string& format, Role role) {
  QLineEdit* e = layout_.fields().edit(caption, name);
  binding()->AssociateEdits(variable, format, e);
  edits_.push_back(e);
  if (role == Role::Index) indexEdits_.push_back(e);
  return e;
}

QComboBox* TableDialog::combo(int variable, const QString& caption, Name name) {
  QComboBox* c = layout_.fields().combo(caption, name);
  binding()->AssociateControl(variable, c);
  combos_.push_back(c);
  return c;
}

QLabel* TableDialog::display(int variable, const QString& caption, Name name) {
  QLabel* l = layout_.fields().display(caption, name);
  binding()->AssociateControl(variable, l);
  displays_.push_back(l);
  return l;
}

PortGrid* TableDialog::ports(int variable, PortGrid* grid) {
  BindPortList(*binding(), variable, *grid);
  grids_.push_back(grid);
  return grid;
}

QTabWidget* TableDialog::portPages(const char* name) {
  QTabWidget* pages = MakePortPages(this, name);
  layout_.addBelowFields(pages);
  return pages;
}

PortGrid* TableDialog::portPage(QTabWidget* pages, const QString& title, int variable) {
  return ports(variable, AddPortGridPage(pages, title));
}

QComboBox* TableDialog::rowStatus(int variable, Name name) {
  QComboBox* c = layout_.fields().hiddenCombo(name);
  binding()->AssociateControl(variable, c);
  combos_.push_back(c);
  return c;
}

QPushButton* TableDialog::button(const QString& text, Name name, std::function<void()> clicked, Enable enable) {
  QPushButton* b = layout_.buttons().add(text, name, std::move(clicked));
  if (enable == Enable::WithSelection) {
    withSelection_.push_back(b);
    b->setEnabled(false);
  } else if (enable == Enable::WithoutSelection) {
    withoutSelection_.push_back(b);
  } else {
    always_.push_back(b);
  }
  return b;
}

QPushButton* TableDialog::addCloseButton(Name name) { return layout_.buttons().close(name); }

QLabel* TableDialog::samplesCounter() { return layout_.buttons().samplesCounter(this, list()); }

QLabel* TableDialog::statusBar(QStatusBar** bar) {
  QLabel* panel = layout_.addStatusBar(bar);
  binding()->SetStatusTarget(panel);
  return panel;
}

QPlainTextEdit* TableDialog::addMessages(Place place) {
  QPlainTextEdit* memo = MakeStatusMemo(this);
  if (place == Place::AboveButtons)
    layout_.addBelowFields(memo);
  else
    layout_.addBelowButtons(memo);
  binding()->SetStatusTarget(memo);
  return memo;
}

void TableDialog::FirstRefresh() { binding()->Refresh(); }

void TableDialog::refresh() {
  try {
    if (!binding()->busy) binding()->Refresh();
  } catch (const std::exception& e) {
    binding()->ShowStatus(ErrorText(e));
  }
}

bool TableDialog::write() {
  try {
    binding()->Apply(true, true);
    return true;
  } catch (const std::exception& e) {
    binding()->statusKind = kSetStatus;
    binding()->ShowStatus(ErrorText(e));
    return false;
  }
}

bool TableDialog::hasRow(const QString& key) const {
  for (int i = 0; i < list()->topLevelItemCount(); ++i)
    if (list()->topLevelItem(i)->text(0) == key) return true;
  return false;
}

void TableDialog::refuse(const QString& text, QWidget* focus) {
  ShowMessageBox(this, text, ProgramCaption());
  if (focus) focus->setFocus();
}

bool TableDialog::refusedWhileBusy() {
  if (!Bindings().refuses()) return false;
  ShowMessageBox(this, Bindings().busyText, ProgramCaption());
  return true;
}

void TableDialog::clearFields() {
  for (QLineEdit* e : edits_) {
    e->clear();
    e->setReadOnly(false);
    e->setEnabled(true);
  }
  for (QComboBox* c : combos_) c->setCurrentIndex(-1);
  for (QLabel* l : displays_) l->clear();
  for (PortGrid* g : grids_) g->ClearAll();
  for (QPushButton* b : withSelection_) b->setEnabled(false);
  for (QPushButton* b : withoutSelection_) b->setEnabled(true);
  for (QPushButton* b : always_) b->setEnabled(true);
  UpdateSamples();
}

void TableDialog::selectionChanged() {
  if (list()->selectedItems().isEmpty()) {
    clearFields();
    return;
  }
  for (QPushButton* b : withSelection_) b->setEnabled(true);
  for (QPushButton* b : withoutSelection_) b->setEnabled(false);
  for (QLineEdit* e : indexEdits_) e->setEnabled(false);
}
