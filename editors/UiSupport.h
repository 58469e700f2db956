// Small services shared by the editors and the dialogs built on them:
// message boxes with the program's caption, the beep, control tags, the
// event handlers of a control that the binding layer saves, replaces and puts
// back, and the radio group control.
#pragma once

#include <QGroupBox>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QButtonGroup;
class QLineEdit;
class QWidget;

// ---------------------------------------------------------------------------
// Pixel scaling: every layout is written in pixels at 96 dpi and scaled for
// the screen's font resolution, so that a dialog lays out at any dpi.

// Scale of the fixed pixel values (1 at 96 dpi, never below 1).
double UiScale(const QWidget* widget);
int Px(const QWidget* widget, int pixels);

// ---------------------------------------------------------------------------
// Message boxes and the beep.

// The program's executable file name without its folder: the caption of the
// binding layer's message boxes.
QString ProgramCaption();

// A modal message box owned by `owner` (may be null). Returns the button
// pressed. Goes through the installed hook when there is one (tests).
QMessageBox::StandardButton ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                           QMessageBox::Icon icon = QMessageBox::NoIcon);

// The hook receives owner, text, caption and buttons and answers for the
// operator. An empty function removes the hook.
using MessageBoxHook = std::function<QMessageBox::StandardButton(
    QWidget* owner, const QString& text, const QString& caption, QMessageBox::StandardButtons buttons)>;
void SetMessageBoxHook(MessageBoxHook hook);

// The warning sound for a refused key. A hook replaces the sound (tests).
void Beep();
void SetBeepHook(std::function<void()> hook);

// ---------------------------------------------------------------------------
// Control tags: an integer per control, 0 until set. Chained handlers set the
// tag to -1 to veto the step that follows them.
int ControlTag(const QObject* control);
void SetControlTag(QObject* control, int tag);

// ---------------------------------------------------------------------------
// Event handlers of a control. A control has at most one handler per event;
// the binding layer reads the current one, installs its own and puts the
// saved one back later. The sender passed is the control.
//   change: edit text changed (typing or program), combo box selection
//           changed by the operator;
//   exit:   the control lost the focus to another control of the program;
//   click:  check box or radio button clicked, radio group item chosen;
//   key:    a key press in the control (returns true to swallow the key).
using ControlHandler = std::function<void(QWidget* sender)>;
using KeyHandler = std::function<bool(QWidget* sender, int key)>;

ControlHandler ChangeHandler(QWidget* control);
void SetChangeHandler(QWidget* control, ControlHandler handler);
ControlHandler ExitHandler(QWidget* control);
void SetExitHandler(QWidget* control, ControlHandler handler);
// From now on no handler of a control under root runs: called by a window's
// destructor before its controls go (their focus-out would otherwise run the
// leave-checks on a half-destroyed window). Handlers of a control whose own
// destructor has run never run either.
void MuteControlHandlers(QWidget* root);
ControlHandler ClickHandler(QWidget* control);
void SetClickHandler(QWidget* control, ControlHandler handler);
KeyHandler KeyPressHandler(QWidget* control);
void SetKeyPressHandler(QWidget* control, KeyHandler handler);

// Posts a move of the focus from the window's focused control to the next
// control in tab order; it happens after the current handler has returned.
void PostFocusNext(QWidget* form);

// ---------------------------------------------------------------------------
// Radio group: a titled box of radio buttons, one per item, at most one
// checked. ItemIndex is -1 when none is checked.
class KyRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  explicit KyRadioGroup(QWidget* parent = nullptr);
  explicit KyRadioGroup(const QString& title, QWidget* parent = nullptr);

  void SetItems(const QStringList& items);
  QStringList Items() const;
  int Count() const;
  int ItemIndex() const;
  void SetItemIndex(int index);
  QAbstractButton* Button(int index) const;

 signals:
  void itemClicked(int index);

 private:
  QButtonGroup* group_;
};
