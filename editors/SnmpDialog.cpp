#include "editors/SnmpDialog.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QFrame>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>
#include <QTimer>
#include <QTreeWidget>

#include "editors/ControlBinding.h"
#include "editors/Errors.h"
#include "editors/UiSupport.h"
#include "editors/WindowFit.h"
#include "snmp/SnmpPump.h"

SnmpDialog::SnmpDialog(QWidget* owner) : QDialog(owner), group_(BindingGroup::Create(this)) {
  group_->waitsEnded = [self = QPointer<SnmpDialog>(this)] {
    if (self && self->deleteAfterWait_) {
      self->deleteAfterWait_ = false;
      self->deleteLater();
    }
  };
}

bool SnmpDialog::event(QEvent* event) {
  if (event->type() == QEvent::DeferredDelete && group_->waiting()) {
    deleteAfterWait_ = true;
    return true;
  }
  return QDialog::event(event);
}

SnmpDialog::~SnmpDialog() {
  // The children (a list's model among them) outlive this part of the
  // dialog while the widgets are torn down (a cleared list resets its model):
  // none of them may call back in here.
  FormClose();
  for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
  samplesView_ = nullptr;
  // The last made may use those made before it (a hidden list view binding
  // next to its visible one): free in reverse order.
  while (!bindings_.empty()) bindings_.pop_back();
}

KySNMPRequest2Edits* SnmpDialog::AddBinding(const KySNMPVarList& list, bool asynchronous, QWidget* statusTarget) {
  return AdoptBinding(std::make_unique<KySNMPRequest2Edits>(this), list, asynchronous, statusTarget);
}

KySNMPRequest2Edits* SnmpDialog::AdoptBinding(std::unique_ptr<KySNMPRequest2Edits> binding,
                                               const KySNMPVarList& list, bool asynchronous, QWidget* statusTarget) {
  binding->request.varList = list;
  binding->asynchronous = asynchronous;
  binding->SetConstraintForm(this);
  binding->SetStatusTarget(statusTarget);
  binding->JoinGroup(group_);
  bindings_.push_back(std::move(binding));
  return bindings_.back().get();
}

KySNMPRequest2Edits* SnmpDialog::AddBinding(const KyVarDefTable& table, bool asynchronous, QWidget* statusTarget) {
  return AddBinding(KySNMPVarList(table), asynchronous, statusTarget);
}

KySNMPRequest2Edits* SnmpDialog::Binding(int i) const {
  if (i < 0 || i >= BindingCount()) return nullptr;
  return bindings_[static_cast<size_t>(i)].get();
}

bool SnmpDialog::AnyBusy() const {
  for (const auto& b : bindings_)
    if (b->busy) return true;
  return false;
}

void SnmpDialog::FormClose() {
  closed_ = true;
  for (auto& b : bindings_) b->request.enabled = false;
  // Inside a completion the pump cannot run: nothing to wait for there.
  if (GlobalEventPump.busy()) return;
  group_->waitIdle(kCloseWaitMs);
}

void SnmpDialog::done(int result) {
  FormClose();
  QDialog::done(result);
}

void SnmpDialog::closeEvent(QCloseEvent* event) {
  FormClose();
  QDialog::closeEvent(event);
}

void SnmpDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (firstRefreshPosted_) return;
  firstRefreshPosted_ = true;
  closed_ = false;
  QTimer::singleShot(0, this, [this] {
    if (closed_) return;
    try {
      FirstRefresh();
    } catch (const std::exception& e) {
      ShowError(ErrorText(e));
    }
    firstRefreshDone_ = true;
  });
}

void SnmpDialog::setVisible(bool visible) {
  if (visible && !fitted_) {
    fitted_ = true;
    PlaceSamplesCaption();
    for (QTreeView* view : findChildren<QTreeView*>()) KeepListFitted(view);
    FitWindowToScreen(this);
    OrderTabsAsShown(this);
  }
  QDialog::setVisible(visible);
}

namespace {
// The box layout below `layout` (itself included) that holds `widget`.
QBoxLayout* BoxHolding(QLayout* layout, QWidget* widget) {
  if (layout == nullptr) return nullptr;
  if (auto* box = qobject_cast<QBoxLayout*>(layout); box && box->indexOf(widget) >= 0) return box;
  for (int i = 0; i < layout->count(); ++i)
    if (QBoxLayout* found = BoxHolding(layout->itemAt(i)->layout(), widget)) return found;
  return nullptr;
}
bool InLayout(QLayout* layout, QWidget* widget) {
  if (layout == nullptr) return false;
  if (layout->indexOf(widget) >= 0) return true;
  for (int i = 0; i < layout->count(); ++i)
    if (InLayout(layout->itemAt(i)->layout(), widget)) return true;
  return false;
}
}  // namespace

void SnmpDialog::PlaceSamplesCaption() {
  if (!samplesCaption_ || !samples_) return;
  QWidget* holder = samples_->parentWidget();
  if (holder == nullptr) return;
  // The caption's own parent may differ from the counter's: it joins the
  // counter's widget when it has no place yet.
  QWidget* captionHolder = samplesCaption_->parentWidget();
  if (captionHolder != nullptr && InLayout(captionHolder->layout(), samplesCaption_)) return;
  QBoxLayout* box = BoxHolding(holder->layout(), samples_);
  if (box == nullptr) return;
  if (captionHolder != holder) samplesCaption_->setParent(holder);
  box->insertWidget(box->indexOf(samples_), samplesCaption_);
  samplesCaption_->show();
}

void SnmpDialog::keyPressEvent(QKeyEvent* event) {
  // No default button: Enter typed into a value neither re-reads the device
  // over it nor closes the dialog (a focused button still answers it).
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void SnmpDialog::TrackReady(KySNMPRequest2Edits* binding, std::function<void()> onReady) {
  if (binding == nullptr) return;
  binding->getDone = [this, onReady = std::move(onReady)](void*, KySNMPRequest2Controls*, const KySNMPError&) {
    ready_ = true;
    if (onReady) onReady();
  };
}

bool SnmpDialog::RefuseWhileBusy(const KySNMPRequest2Edits* binding, const QString& message) {
  if (binding == nullptr) return false;
  // Its own binding busy: refused whoever asks (the handler may have been
  // called by the dialog's own code in the turn that started the read).
  if (binding->busy) {
    ShowMessageBox(this, message, ProgramCaption());
    return true;
  }
  return !group_->admit(message);
}

void SnmpDialog::SetBusyText(const QString& text) { group_->busyText = text; }

QLabel* SnmpDialog::AddSamplesCounter(QWidget* parent, QTreeWidget* view, QLabel** caption) {
  auto* label = new QLabel(QStringLiteral("Samples"), parent);
  label->setObjectName(QStringLiteral("SamplesLabel"));
  auto* count = new QLabel(QStringLiteral("0"), parent);
  count->setObjectName(QStringLiteral("ST_Count"));
  count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  count->setMinimumWidth(Px(this, 40));
  if (caption) *caption = label;
  samplesCaption_ = label;
  samples_ = count;
  samplesView_ = view;
  if (view != nullptr) {
    QAbstractItemModel* model = view->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &SnmpDialog::UpdateSamples);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &SnmpDialog::UpdateSamples);
    connect(model, &QAbstractItemModel::modelReset, this, &SnmpDialog::UpdateSamples);
  }
  UpdateSamples();
  return count;
}

void SnmpDialog::UpdateSamples() {
  if (!samples_) return;
  samples_->setText(QString::number(samplesView_ ? samplesView_->topLevelItemCount() : 0));
}

void SnmpDialog::ShowError(const std::string& text) {
  KySNMPRequest2Edits* b = Binding(0);
  if (b != nullptr && b->StatusTarget() != nullptr)
    b->ShowStatus(text);
  else
    ShowMessageBox(this, QString::fromStdString(text), ProgramCaption());
}
