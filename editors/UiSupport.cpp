#include "editors/UiSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

double UiScale(const QWidget* widget) {
  const double dpi = widget ? widget->logicalDpiY() : 96.0;
  return std::max(1.0, dpi / 96.0);
}

int Px(const QWidget* widget, int pixels) { return static_cast<int>(pixels * UiScale(widget) + 0.5); }

namespace {

MessageBoxHook& BoxHook() {
  static MessageBoxHook hook;
  return hook;
}

std::function<void()>& BeepHookSlot() {
  static std::function<void()> hook;
  return hook;
}

const char* const kTagProperty = "qrxTag";
const char* const kEventsName = "qrxControlEvents";

// The handlers of one control; lives as a hidden child of the control.
class ControlEvents : public QObject {
 public:
  explicit ControlEvents(QWidget* control)
      : QObject(control), control_(control), controlType_(control->metaObject()) {
    setObjectName(kEventsName);
    control->installEventFilter(this);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
      connect(edit, &QLineEdit::textChanged, this, [this] { Run(change); });
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
      connect(combo, &QComboBox::activated, this, [this] { Run(change); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      connect(button, &QAbstractButton::clicked, this, [this] { Run(click); });
    } else if (auto* group = qobject_cast<KyRadioGroup*>(control)) {
      connect(group, &KyRadioGroup::itemClicked, this, [this] { Run(click); });
    }
  }

  static ControlEvents* Find(QWidget* control) {
    if (control == nullptr) return nullptr;
    return control->findChild<ControlEvents*>(kEventsName, Qt::FindDirectChildrenOnly);
  }
  static ControlEvents* Get(QWidget* control) {
    auto* events = Find(control);
    return events ? events : new ControlEvents(control);
  }

  ControlHandler change, exit, click;
  KeyHandler key;
  bool muted = false;  // the control's window is being destroyed

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != control_ || muted) return false;
    // A control whose own destructor has run is no longer what its handlers
    // expect (Qt still sends it a focus-out from the base destructor).
    if (control_->metaObject() != controlType_) return false;
    switch (event->type()) {
      case QEvent::FocusOut: {
        // Leaving the window (a message box, another program) or opening a
        // popup is not leaving the control.
        auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
        if (!control_->isVisible()) break;
        Run(exit);
        break;
      }
      case QEvent::KeyPress:
        if (key) {
          // Copy first: the handler may replace itself.
          KeyHandler h = key;
          try {
            if (h(control_, static_cast<QKeyEvent*>(event)->key())) return true;
          } catch (const std::exception& e) {
            ShowMessageBox(control_, QString::fromStdString(e.what()), ProgramCaption());
            return true;
          }
        }
        break;
      case QEvent::MouseButtonRelease:
        if (qobject_cast<QLineEdit*>(control_) && click) Run(click);
        break;
      default:
        break;
    }
    return false;
  }

 private:
  void Run(const ControlHandler& handler) {
    if (!handler || muted || control_->metaObject() != controlType_) return;
    ControlHandler h = handler;  // the handler may replace itself while it runs
    try {
      h(control_);
    } catch (const std::exception& e) {
      // An event handler has nobody to raise to: the operator is told.
      ShowMessageBox(control_, QString::fromStdString(e.what()), ProgramCaption());
    }
  }

  QWidget* control_;
  const QMetaObject* controlType_;
};

}  // namespace

void MuteControlHandlers(QWidget* root) {
  if (root == nullptr) return;
  for (ControlEvents* events : root->findChildren<ControlEvents*>(kEventsName)) events->muted = true;
}

QString ProgramCaption() {
  QString path = QCoreApplication::applicationFilePath();
  QString name = QFileInfo(path).fileName();
  return name.isEmpty() ? QStringLiteral("qrx900") : name;
}

QMessageBox::StandardButton ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                                           QMessageBox::StandardButtons buttons, QMessageBox::Icon icon) {
  if (BoxHook()) return BoxHook()(owner, text, caption, buttons);
  QMessageBox box(icon, caption, text, buttons, owner ? owner->window() : nullptr);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetMessageBoxHook(MessageBoxHook hook) { BoxHook() = std::move(hook); }

void Beep() {
  if (BeepHookSlot()) {
    BeepHookSlot()();
    return;
  }
  QApplication::beep();
}

void SetBeepHook(std::function<void()> hook) { BeepHookSlot() = std::move(hook); }

int ControlTag(const QObject* control) {
  if (control == nullptr) return 0;
  return control->property(kTagProperty).toInt();
}

void SetControlTag(QObject* control, int tag) {
  if (control != nullptr) control->setProperty(kTagProperty, tag);
}

ControlHandler ChangeHandler(QWidget* control) {
  auto* e = ControlEvents::Find(control);
  return e ? e->change : ControlHandler();
}
void SetChangeHandler(QWidget* control, ControlHandler handler) {
  if (control) ControlEvents::Get(control)->change = std::move(handler);
}
ControlHandler ExitHandler(QWidget* control) {
  auto* e = ControlEvents::Find(control);
  return e ? e->exit : ControlHandler();
}
void SetExitHandler(QWidget* control, ControlHandler handler) {
  if (control) ControlEvents::Get(control)->exit = std::move(handler);
}
ControlHandler ClickHandler(QWidget* control) {
  auto* e = ControlEvents::Find(control);
  return e ? e->click : ControlHandler();
}
void SetClickHandler(QWidget* control, ControlHandler handler) {
  if (control) ControlEvents::Get(control)->click = std::move(handler);
}
KeyHandler KeyPressHandler(QWidget* control) {
  auto* e = ControlEvents::Find(control);
  return e ? e->key : KeyHandler();
}
void SetKeyPressHandler(QWidget* control, KeyHandler handler) {
  if (control) ControlEvents::Get(control)->key = std::move(handler);
}

void PostFocusNext(QWidget* form) {
  if (form == nullptr) return;
  QPointer<QWidget> window(form->window());
  QMetaObject::invokeMethod(
      window.data(),
      [window] {
        if (!window) return;
        QWidget* current = window->focusWidget();
        if (current == nullptr) return;
        for (QWidget* w = current->nextInFocusChain(); w != nullptr && w != current; w = w->nextInFocusChain()) {
          if (w->window() != window || !w->isVisible() || !w->isEnabled()) continue;
          if ((w->focusPolicy() & Qt::TabFocus) != Qt::TabFocus) continue;
          w->setFocus(Qt::TabFocusReason);
          return;
        }
      },
      Qt::QueuedConnection);
}

// ---------------------------------------------------------------------------
KyRadioGroup::KyRadioGroup(QWidget* parent) : KyRadioGroup(QString(), parent) {}

KyRadioGroup::KyRadioGroup(const QString& title, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
  group_->setExclusive(true);
  new QVBoxLayout(this);
  connect(group_, &QButtonGroup::idClicked, this, &KyRadioGroup::itemClicked);
}

void KyRadioGroup::SetItems(const QStringList& items) {
  for (auto* b : group_->buttons()) {
    group_->removeButton(b);
    delete b;
  }
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    group_->addButton(b, i);
    layout()->addWidget(b);
  }
}

QStringList KyRadioGroup::Items() const {
  QStringList list;
  for (int i = 0; i < Count(); ++i) list << group_->button(i)->text();
  return list;
}

int KyRadioGroup::Count() const { return static_cast<int>(group_->buttons().size()); }

int KyRadioGroup::ItemIndex() const { return group_->checkedId(); }

void KyRadioGroup::SetItemIndex(int index) {
  if (index >= 0 && index < Count()) {
    group_->button(index)->setChecked(true);
    return;
  }
  // No item: clear the exclusive group's selection.
  if (auto* b = group_->checkedButton()) {
    group_->setExclusive(false);
    b->setChecked(false);
    group_->setExclusive(true);
  }
}

QAbstractButton* KyRadioGroup::Button(int index) const { return group_->button(index); }
