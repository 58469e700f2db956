#include "editors/GUIConfigForm.h"

#include <QApplication>
#include <QColor>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/GUIGenerator.h"
#include "editors/UiSupport.h"
#include "snmp/SnmpPump.h"

GeneratedDialog::GeneratedDialog(QWidget* owner) : QDialog(owner), group_(BindingGroup::Create(this)) {
  group_->waitsEnded = [self = QPointer<GeneratedDialog>(this)] {
    if (self && self->deleteAfterWait_) {
      self->deleteAfterWait_ = false;
      self->deleteLater();
    }
  };
  setObjectName(QStringLiteral("ConfigForm"));
  setWindowTitle(QStringLiteral("ConfigForm"));
  // The hosted panel decides the size (SetEditor, SetListView): start from
  // nothing rather than from the toolkit's default window size.
  resize(1, 1);
}

GeneratedDialog::~GeneratedDialog() {
  MuteControlHandlers(this);
  FormClose();
  // The panels use the editor objects: they go first.
  delete panel_;
  panel_ = nullptr;
  editors_.clear();
}

KySNMPRequest2Edits* GeneratedDialog::Editor(int i) const {
  if (i < 0 || i >= EditorCount()) return nullptr;
  return editors_[static_cast<size_t>(i)].get();
}

TSNMPEditorPanel* GeneratedDialog::SetEditor(std::unique_ptr<KySNMPRequest2Edits> editor) {
  if (formType_ != 0) RaiseText("Can not change Type of a Config Form!");
  formType_ = 1;
  KySNMPRequest2Edits* e = editor.get();
  editors_.push_back(std::move(editor));
  e->SetConstraintForm(this);
  e->JoinGroup(group_);
  panel_ = new TSNMPEditorPanel(this, e);
  panel_->FitForm(this);
  return panel_;
}

TSNMPListViewPanel* GeneratedDialog::SetListView(std::unique_ptr<KySNMPRequest2Edits> editor, int addIndex,
                                             const std::string& addStatus, int deleteIndex,
                                             const std::string& deleteStatus) {
  if (formType_ != 0) RaiseText("Can not change Type of a Config Form!");
  formType_ = 2;
  KySNMPRequest2Edits* e = editor.get();
  editors_.push_back(std::move(editor));
  e->SetConstraintForm(this);
  e->JoinGroup(group_);
  auto* panel = new TSNMPListViewPanel(this, e);
  panel_ = panel;
  if (addIndex >= 0 && !addStatus.empty()) panel->SetAddStatus(addIndex, addStatus);
  if (deleteIndex >= 0 && !deleteStatus.empty()) panel->SetDeleteStatus(deleteIndex, deleteStatus);
  panel_->FitForm(this);
  return panel;
}

bool GeneratedDialog::event(QEvent* event) {
  if (event->type() == QEvent::DeferredDelete && group_->waiting()) {
    deleteAfterWait_ = true;
    return true;
  }
  return QDialog::event(event);
}

void GeneratedDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (refreshPosted_) return;
  refreshPosted_ = true;
  // The first read starts once the dialog is on the screen.
  QTimer::singleShot(0, this, [this] {
    refreshed_ = true;
    try {
      RefreshForm();
    } catch (const std::exception& e) {
      ShowMessageBox(this, QString::fromStdString(ErrorText(e)), ProgramCaption());
    }
  });
}

void GeneratedDialog::keyPressEvent(QKeyEvent* event) {
  // The dialog has no default button: Enter typed into a value must neither
  // re-read the device over it ("Refresh") nor close the dialog.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void GeneratedDialog::RefreshForm() {
  if (formType_ == 0) return;
  if (formType_ != 1 && formType_ != 2) RaiseText("Refresh a Form with unknown Form Type!");
  if (editors_.empty()) return;
  KySNMPRequest2Edits* chosen = editors_.front().get();
  if (current_ && current_ != chosen) current_->request.enabled = false;
  chosen->request.enabled = true;
  current_ = chosen;
  if (chosen->asynchronous && chosen->busy) return;
  try {
    chosen->Refresh();
  } catch (const std::exception& e) {
    chosen->ShowStatus(ErrorText(e));
  }
}

void GeneratedDialog::FormClose() {
  for (auto& e : editors_) e->request.enabled = false;
  current_ = nullptr;
  // Inside a completion (a row being shown) the pump cannot run: the chain
  // ends by itself at its next step, there is nothing to wait for. Else a
  // stopped chain ends at its next reply or timeout; never wait for ever.
  if (!GlobalEventPump.busy()) group_->waitIdle(kCloseWaitMs);
}

void GeneratedDialog::done(int result) {
  FormClose();
  QDialog::done(result);
}

// ---------------------------------------------------------------------------
std::unique_ptr<GeneratedDialog> BuildGeneratedDialog(const GeneratedCommand& command, QWidget* owner) {
  if (command.table == nullptr) RaiseKySnmp(KyErr::BadItemType);
  auto form = std::make_unique<GeneratedDialog>(owner);
  auto editor = std::make_unique<KySNMPRequest2Edits>(form.get());
  editor->request.varList = KySNMPVarList(*command.table, command.kind, command.keyCount);
  TSNMPEditorPanel* panel;
  if (command.tableEditor) {
    const int n = command.rowStatusIndex;
    auto* list = form->SetListView(std::move(editor), n, n >= 0 ? "createAndGo" : "", n,
                                   n >= 0 ? "destroy" : "");
    panel = list;
    if (command.noEditWindow) list->DisableEditWindow();
  } else {
    panel = form->SetEditor(std::move(editor));
  }
  for (const auto& [index, constraint] : command.constraints) panel->SetVarFormat(index, constraint);
  if (command.portGridVariable >= 0) panel->EditsPanel()->AssignOctetItem(command.portGridVariable, 12, 52);
  if (command.tpidNote)
    panel->EditsPanel()->ShowNote(QStringLiteral("Warning:The TPID is a global setting!"), Qt::red, 10);
  if (command.editWidth > 0) panel->SetEditWidth(command.editWidth);
  if (command.tpidNote && command.editWidth <= 0) {
    panel->SetContent(panel->Content());
    panel->FitForm(form.get());
  }
  if (command.height450) form->resize(form->width(), Px(form.get(), 450));
  form->setWindowTitle(command.caption);
  return form;
}

int OpenGeneratedDialog(const GeneratedCommand& command, QWidget* owner) {
  std::unique_ptr<GeneratedDialog> form;
  try {
    form = BuildGeneratedDialog(command, owner);
  } catch (const std::exception& e) {
    ShowMessageBox(owner, QString::fromStdString(ErrorText(e)), ProgramCaption());
    return QDialog::Rejected;
  }
  const int result = form->exec();
  form->FormClose();
  return result;
}
